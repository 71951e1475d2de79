// style-names, save-style-locations and update-styles, run end to end.

#include "CliFixtures.h"
#include "CliRunner.h"
#include "tests/core/support/StyleFileBytes.h"

#include <gtest/gtest.h>

namespace tombrel::clitest {
namespace {

// A folder of two style files named inside them.
std::string makeStyleFolder(const Scratch& dir) {
    const std::filesystem::path folder = dir.path() / "styles";
    std::filesystem::create_directories(folder);
    writeFile(folder / "b.sty", testing::styleFile("Salsa"));
    writeFile(folder / "A.STY", testing::styleFile("Bossa Nova"));
    return folder.string();
}

// ---- style-names -------------------------------------------------------------------------------

TEST(CliStyleNames, OneLinePerStyleIndex) {
    Scratch dir;
    const std::string folder = makeStyleFolder(dir);
    writeFile(dir.file("STY.b00"), flashStyleBackup({{0, "My Groove"}, {55, "no data"}}));
    struct Case {
        std::vector<std::string> options;
        std::vector<std::pair<int, std::string>> expected;
    };
    const std::vector<Case> cases = {
        {{},
         {{0, "8 Beat - Heart Beat"},
          {24, "16 Beat - Slow && Easy"},
          {124, "Ballroom - Bass Chord Hold 5"},
          {125, "Flash I - 60's Rock 1"},
          {180, "Flash IV - <11>"},
          {244, "Flash VIII - <15>"},
          {245, "DiskStyle <001>"},
          {494, "DiskStyle <250>"}}},
        {{"--model", "9000pro"}, {{180, "Flash IV - Vocal Swing"}}},
        {{"--flash", "default"}, {{125, "Flash I - <1>"}, {134, "Flash I - <10>"}}},
        {{"--flash", dir.file("STY.b00")},
         {{125, "Flash I - My Groove"}, {126, "Flash I - <2>"}, {180, "Flash IV - <11>"}}},
        {{"--disk-folder", folder},
         {{245, "DiskStyle <001> - Bossa Nova"},
          {246, "DiskStyle <002> - Salsa"},
          {247, "DiskStyle <003> - "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.empty() ? std::string("no options") : c.options[0]);
        std::vector<std::string> args = {"style-names"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const std::vector<std::string> shown = lines(r.out);
        ASSERT_EQ(shown.size(), 495u);
        for (size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i].rfind(std::to_string(i) + "\t", 0), 0u) << shown[i];
        for (const auto& [index, text] : c.expected)
            EXPECT_EQ(shown[index], std::to_string(index) + "\t" + text);
    }
}

TEST(CliStyleNames, RefusedNameSourcesFail) {
    Scratch dir;
    std::filesystem::create_directories(dir.path() / "nostyles");
    writeFile(dir.file("short.b00"), std::vector<uint8_t>(61471, 0));
    std::vector<uint8_t> wrongSignature = flashStyleBackup({});
    wrongSignature[1] = 0x61;
    writeFile(dir.file("other.b00"), wrongSignature);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--flash", dir.file("missing.b00")}, "Error opening FlashStyle Backup!\n"},
        {{"--flash", dir.file("short.b00")}, "Error reading FlashStyle data!\n"},
        {{"--flash", dir.file("other.b00")},
         "The FlashStyle information is not included in this file / backup!\n\n(They must be on "
         "another disk of this backup set.)\n"},
        {{"--disk-folder", dir.file("nostyles")},
         "No style files found in the Disk Style folder!\n"},
    };
    for (const auto& [options, message] : cases) {
        SCOPED_TRACE(options[1]);
        std::vector<std::string> args = {"style-names"};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.ends_with(message)) << r.err;
    }
}

// ---- save-style-locations ----------------------------------------------------------------------

TEST(CliSaveStyleLocations, WritesWhatIsLoadedWithTheHints) {
    Scratch dir;
    const std::string folder = makeStyleFolder(dir);
    writeFile(dir.file("STY.b00"), flashStyleBackup({{0, "My Groove"}, {15, "Disco"}}));
    struct Case {
        const char* label;
        std::vector<std::string> options;
        std::string err;
        std::string file;
    };
    const std::vector<Case> cases = {
        {"flash names only",
         {"--flash", dir.file("STY.b00")},
         "Hint: No DiskDirect Folder loaded!\n",
         "F125=My Groove\r\nF140=Disco\r\n"},
        {"disk names only",
         {"--disk-folder", folder},
         "Hint: No Flash Style Backup loaded!\n",
         "D000=Bossa Nova\r\nD001=Salsa\r\n"},
        {"both",
         {"--flash", dir.file("STY.b00"), "--disk-folder", folder},
         "",
         "F125=My Groove\r\nF140=Disco\r\nD000=Bossa Nova\r\nD001=Salsa\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string out = dir.file("locations.txt");
        std::vector<std::string> args = {"save-style-locations", "-o", out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(readFile(out), c.file);
    }
}

TEST(CliSaveStyleLocations, RefusedWithoutIndividualNamesOrWhenUnwritable) {
    Scratch dir;
    for (const std::vector<std::string>& flash :
         {std::vector<std::string>{}, std::vector<std::string>{"--flash", "default"}}) {
        std::vector<std::string> args = {"save-style-locations", "-o", dir.file("l.txt")};
        args.insert(args.end(), flash.begin(), flash.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "No individual style names loaded!\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("l.txt")));
    }
    const CliResult r = runCli({"save-style-locations", "-o", "/nonexistent-tombrel/l.txt",
                                "--disk-folder", makeStyleFolder(dir)});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.ends_with("Error creating text file!\n")) << r.err;
}

// ---- update-styles -----------------------------------------------------------------------------

struct UpdateFixture {
    Scratch dir;
    std::string flash = dir.file("STY.b00");
    std::string locations = dir.file("old.txt");

    UpdateFixture() {
        // "Disco" was at flash index 130 and is now at 140.
        writeFile(flash, flashStyleBackup({{15, "Disco"}}));
        writeFile(locations, std::string("F130=Disco\r\nF131=Gone\r\n"));
    }
};

TEST(CliUpdateStyles, MovesRegistrationsAndListsTheRest) {
    UpdateFixture f;
    const std::vector<RegRecord> slots = {reg("Moved", 130), reg("Old Name", 131),
                                          reg("Unknown", 132), reg("Preset", 10)};
    std::vector<RegRecord> moved = slots;
    moved[0].setStyleIndex(140);

    writeFile(f.dir.file("REG.bup"), backupImage({{"Bank", slots}}));
    const CliResult backup = runCli({"update-styles", f.dir.file("REG.bup"), "--locations",
                                     f.locations, "-o", f.dir.file("new.bup"), "--flash", f.flash});
    EXPECT_EQ(backup.status, 0) << backup.err;
    EXPECT_EQ(backup.err, "");
    EXPECT_EQ(backup.out, "<01/2>    Old Name        (Gone)\n<01/3>    Unknown\n");
    EXPECT_EQ(readBytes(f.dir.file("new.bup")), backupImage({{"Bank", moved}}));

    std::vector<std::pair<std::string, RegRecord>> lines;
    std::vector<std::pair<std::string, RegRecord>> movedLines;
    for (size_t i = 0; i < slots.size(); ++i) {
        lines.emplace_back("", slots[i]);
        movedLines.emplace_back("", moved[i]);
    }
    writeFile(f.dir.file("demo.yra"), archiveImage({{"Cat", lines}}));
    const CliResult archive =
        runCli({"update-styles", f.dir.file("demo.yra"), "--locations", f.locations, "-o",
                f.dir.file("new.yra"), "--flash", f.flash});
    EXPECT_EQ(archive.status, 0) << archive.err;
    EXPECT_EQ(archive.out, "Old Name        (Gone)\nUnknown\n");
    EXPECT_EQ(readBytes(f.dir.file("new.yra")), archiveImage({{"Cat", movedLines}}));
}

TEST(CliUpdateStyles, NothingIsWrittenWhenNothingCanBeDone) {
    UpdateFixture f;
    writeFile(f.dir.file("REG.bup"), backupImage({{"Bank", {reg("Moved", 130)}}}));
    writeFile(f.dir.file("junk.txt"), std::string("no definitions here\r\n"));
    const std::string out = f.dir.file("new.bup");
    struct Case {
        const char* label;
        std::vector<std::string> options;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"locations file missing",
         {"--locations", f.dir.file("none.txt"), "--flash", f.flash},
         "Error opening file!\n"},
        {"no definitions",
         {"--locations", f.dir.file("junk.txt"), "--flash", f.flash},
         "No valid old style definitions in text file found!\n"},
        {"no names loaded",
         {"--locations", f.locations},
         "No valid style names currently loaded!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> args = {"update-styles", f.dir.file("REG.bup"), "-o", out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.ends_with(c.message)) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

} // namespace
} // namespace tombrel::clitest
