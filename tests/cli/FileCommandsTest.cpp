// new, info, list, resave and protocol, run end to end; and the command line itself.

#include "CliFixtures.h"
#include "CliRunner.h"

#include "core/names/StyleNameTable.h"
#include "export/Protocol.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace tombrel::clitest {
namespace {

const std::string kNoSuchFolder = "/nonexistent-tombrel-folder/out.bin";

// A backup whose first bank holds three registrations, the second inactive.
std::vector<uint8_t> smallBackup(KeyboardModel model = KeyboardModel::Psr9000) {
    return backupImage(
        {{"Ballads",
          {reg("Piano Ballad", 10), reg("Love Song", 13, false), reg("Moon River", 103)}}},
        model);
}

std::vector<uint8_t> smallArchive() {
    return archiveImage(
        {{"Ballads",
          {{"#Piano", {}}, {"", reg("Piano Ballad", 10)}, {"", reg("Love Song", 13, false)}}},
         {"Dance", {{"", reg("Disco Fox", 38)}}},
         {"Empty", {}}});
}

// ---- The command line --------------------------------------------------------------------------

TEST(CliCommandLine, UsageErrorsExitWithTwoAndWriteNothing) {
    Scratch dir;
    const std::string in = dir.file("in.bup");
    writeFile(in, smallBackup());
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"info"},
        {"info", in, "extra"},
        {"info", in, "--bogus"},
        {"list", in, "--expand=yes"},
        {"new", "-o", dir.file("new.bup")},
        {"new", "--model", "9500", "-o", dir.file("new.bup")},
        {"new", "--model", "9000"},
        {"resave", in},
        {"resave", in, "-o"},
        {"protocol", in, "-o", dir.file("p.txt")},
        {"protocol", in, "--type", "csv", "-o", dir.file("p.txt")},
        {"protocol", in, "--type", "tab", "-o", dir.file("p.txt"), "--model", "pro"},
        {"style-names", "--flash"},
        {"style-names", "extra"},
        {"save-style-locations"},
        {"update-styles", in, "-o", dir.file("u.bup")},
        {"search", in},
        {"convert", in},
        {"help", "frobnicate"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const std::string& a : args)
            shown += a + " ";
        SCOPED_TRACE(shown);
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("tombrel-cli", 0), 0u) << r.err;
    }
    for (const char* name : {"new.bup", "p.txt", "u.bup"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
}

TEST(CliCommandLine, HelpForTheToolAndEveryCommand) {
    const CliResult overview = runCli({"--help"});
    EXPECT_EQ(overview.status, 0);
    const std::vector<std::string> names = {"new",          "info",        "list",
                                            "resave",       "protocol",    "search",
                                            "convert",      "style-names", "save-style-locations",
                                            "update-styles"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_NE(overview.out.find("  " + name + " "), std::string::npos);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{name, "--help"}, std::vector<std::string>{"help", name}}) {
            const CliResult r = runCli(args);
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.out.rfind("Usage: tombrel-cli " + name, 0), 0u) << r.out;
            EXPECT_EQ(r.err, "");
        }
    }
    // The generator of the demo files is not advertised.
    EXPECT_EQ(overview.out.find("make-examples"), std::string::npos);
}

// ---- new ---------------------------------------------------------------------------------------

TEST(CliNew, WritesTheFileOfAFreshSide) {
    Scratch dir;
    for (const auto& [name, model] : {std::pair{"9000", KeyboardModel::Psr9000},
                                      std::pair{"9000pro", KeyboardModel::Psr9000Pro}}) {
        SCOPED_TRACE(name);
        const std::string out = dir.file(std::string("new-") + name + ".bup");
        const CliResult r = runCli({"new", "--model", name, "-o", out});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_EQ(readBytes(out), buildRegBackupImage({}, model));
    }
}

// Folders named in other scripts than the system's code page: the arguments reach the program
// whole and every file call takes them as they are (wide calls on Windows).
TEST(CliNew, FoldersWithNamesOutsideAsciiWork) {
    Scratch dir;
    for (const char* folder :
         {"Gr\xC3\xBC\xC3\x9F"
          "e",
          "\xD0\x9C\xD1\x83\xD0\xB7\xD1\x8B\xD0\xBA\xD0\xB0", "\xE9\x9F\xB3\xE6\xA5\xBD"}) {
        SCOPED_TRACE(folder);
        const std::filesystem::path where =
            dir.path() / std::filesystem::path(std::u8string(folder, folder + std::strlen(folder)));
        std::filesystem::create_directories(where);
        const std::u8string utf8 = (where / "REG.bup").u8string();
        const std::string out(utf8.begin(), utf8.end());
        const CliResult made = runCli({"new", "--model", "9000pro", "-o", out});
        EXPECT_EQ(made.status, 0) << made.err;
        EXPECT_EQ(readBytes(where / "REG.bup"), buildRegBackupImage({}, KeyboardModel::Psr9000Pro));
        const CliResult info = runCli({"info", out});
        EXPECT_EQ(info.status, 0) << info.err;
        EXPECT_EQ(info.out.rfind("kind: registration-backup\nmodel: PSR-9000pro\n", 0), 0u)
            << info.out;
    }
}

TEST(CliNew, UnwritableTargetIsReported) {
    const CliResult r = runCli({"new", "--model", "9000", "-o", kNoSuchFolder});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Error saving Registrations to disk!\n"), std::string::npos) << r.err;
}

// ---- info and the kind of a file --------------------------------------------------------------

struct InfoCase {
    const char* label;
    std::string name;
    std::vector<uint8_t> bytes;
    int status;
    std::string out;
    std::string err;
};

std::vector<uint8_t> withBadChecksum(std::vector<uint8_t> image) {
    image.back() ^= 0x5A;
    return image;
}

std::vector<uint8_t> withBadMagic(std::vector<uint8_t> image) {
    image[16] = 'X';
    return image;
}

TEST(CliInfo, KindModelChecksumAndCount) {
    const std::string backup9000 =
        "kind: registration-backup\nmodel: PSR-9000\nchecksum: ok\nregistrations: 512\n";
    const std::string notValid =
        "This file doesn't contain a valid PSR-9000 or 9000pro Registration Backup!\n";
    const std::string notArchive = "This file is not a Yamaha Registration Archive!\n";
    std::vector<uint8_t> shortImage = smallBackup();
    shortImage.pop_back();
    std::vector<uint8_t> longImage = smallBackup();
    longImage.push_back(0);
    const std::vector<InfoCase> cases = {
        {"PSR-9000 backup", "REG.bup", smallBackup(), 0, backup9000, ""},
        {"PSR-9000pro backup", "REG_Pro.bup", smallBackup(KeyboardModel::Psr9000Pro), 0,
         "kind: registration-backup\nmodel: PSR-9000pro\nchecksum: ok\nregistrations: 512\n", ""},
        {"wrong checksum is a warning", "REG.bup", withBadChecksum(smallBackup()), 0,
         "kind: registration-backup\nmodel: PSR-9000\nchecksum: mismatch\nregistrations: 512\n",
         "Invalid checksum!\n"},
        {"backup content under another name", "demo.yra", smallBackup(), 0, backup9000, ""},
        {"one byte short", "REG.bup", shortImage, 1, "", "Invalid file size!\n"},
        {"one byte long, upper-case extension", "REG.BUP", longImage, 1, "",
         "Invalid file size!\n"},
        {"wrong magic", "REG.bup", withBadMagic(smallBackup()), 1, "", notValid},
        {"wrong magic and checksum", "REG.bup", withBadChecksum(withBadMagic(smallBackup())), 1, "",
         "Invalid checksum!\n" + notValid},
        {"archive", "demo.yra", smallArchive(), 0, "kind: archive\nregistrations: 3\n", ""},
        {"archive content under a backup name", "REG.bup", smallArchive(), 0,
         "kind: archive\nregistrations: 3\n", ""},
        {"empty archive", "empty.yra", archiveImage({}), 0, "kind: archive\nregistrations: 0\n",
         ""},
        {"junk", "notes.txt", {'h', 'e', 'l', 'l', 'o'}, 1, "", notArchive},
        {"backup-sized junk under another name", "big.dat", withBadMagic(smallBackup()), 1, "",
         notArchive},
    };
    Scratch dir;
    for (const InfoCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = dir.file(c.name);
        writeFile(path, c.bytes);
        const CliResult r = runCli({"info", path});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(CliInfo, MissingFileGetsTheReaderOfItsName) {
    Scratch dir;
    for (const std::string name : {"REG.bup", "demo.yra"}) {
        SCOPED_TRACE(name);
        const CliResult r = runCli({"info", dir.file(name)});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        // The platform's own description comes first, then the program's message.
        const std::vector<std::string> shown = lines(r.err);
        ASSERT_EQ(shown.size(), 2u) << r.err;
        EXPECT_EQ(shown[1], "Error opening file!");
    }
}

// ---- list --------------------------------------------------------------------------------------

TEST(CliList, RegistrationLinesAsTheListShowsThem) {
    Scratch dir;
    const std::string path = dir.file("REG.bup");
    writeFile(path, smallBackup());
    const CliResult r = runCli({"list", path});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> shown = lines(r.out);
    ASSERT_EQ(shown.size(), 576u);
    EXPECT_EQ(shown[0], "<01>\tBallads");
    EXPECT_EQ(shown[1], "<01/1>\t        Piano Ballad");
    EXPECT_EQ(shown[2], "<01/2>\t        {Love Song}");
    EXPECT_EQ(shown[4], "<01/4>\t        {<Empty>}");
    EXPECT_EQ(shown[9], "<02>\t<No Name>");
    EXPECT_EQ(shown[575], "<64/8>\t        {<Empty>}");
    EXPECT_TRUE(r.out.ends_with("}\n")); // no empty line at the end
}

TEST(CliList, FiltersShapeTheList) {
    Scratch dir;
    const std::string path = dir.file("REG.bup");
    writeFile(path, backupImage({{"Piano", {reg("One"), RegRecord::empty(), reg("Three")}},
                                 {"Piano", {reg("Nine")}}}));
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> head; // the first lines
        size_t count;
    };
    const std::vector<Case> cases = {
        {{"--hide-empty-entries"},
         {"<01>\tPiano", "<01/1>\t        One", "<01/2>\t        {<Empty>}",
          "<01/3>\t        Three", "<02>\tPiano", "<02/1>\t        Nine"},
         6},
        {{"--hide-duplicate-bank-titles"},
         {"<01>\tPiano", "<01/1>\t        One", "<01/2>\t        {<Empty>}",
          "<01/3>\t        Three", "<01/4>\t        {<Empty>}"},
         575},
        {{"--hide-duplicate-bank-titles", "--hide-empty-entries"},
         {"<01>\tPiano", "<01/1>\t        One", "<01/2>\t        {<Empty>}",
          "<01/3>\t        Three", "<01/4>\t        {<Empty>}", "<01/5>\t        {<Empty>}",
          "<01/6>\t        {<Empty>}", "<01/7>\t        {<Empty>}", "<01/8>\t        {<Empty>}",
          "<02/1>\t        Nine"},
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options[0] + (c.options.size() > 1 ? " + more" : ""));
        std::vector<std::string> args = {"list", path};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> shown = lines(r.out);
        EXPECT_EQ(shown.size(), c.count);
        ASSERT_GE(shown.size(), c.head.size());
        EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + c.head.size()), c.head);
    }
}

TEST(CliList, SingleByteTitlesArePrintedAsUtf8) {
    Scratch dir;
    const std::string path = dir.file("REG.bup");
    writeFile(path, backupImage({{"Caf\xE9", {reg("Cr\xE8me \x80")}}}));
    const CliResult r = runCli({"list", path});
    const std::vector<std::string> shown = lines(r.out);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], "<01>\tCaf\xC3\xA9");
    EXPECT_EQ(shown[1], "<01/1>\t        Cr\xC3\xA8me \xE2\x82\xAC");
}

TEST(CliList, ArchiveCategoriesAsLoadedOrExpanded) {
    Scratch dir;
    const std::string path = dir.file("demo.yra");
    writeFile(path, smallArchive());
    const CliResult collapsed = runCli({"list", path});
    EXPECT_EQ(collapsed.status, 0) << collapsed.err;
    EXPECT_EQ(collapsed.out, "Ballads\nDance\nEmpty\n");
    const CliResult expanded = runCli({"list", path, "--expand"});
    EXPECT_EQ(expanded.out, "Ballads\nPiano\n        Piano Ballad\n        {Love Song}\nDance\n"
                            "        Disco Fox\nEmpty\n");
    writeFile(dir.file("empty.yra"), archiveImage({}));
    const CliResult empty = runCli({"list", dir.file("empty.yra")});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

// ---- resave ------------------------------------------------------------------------------------

TEST(CliResave, WritesTheSameBytesBack) {
    struct Case {
        const char* label;
        std::string name;
        std::vector<uint8_t> bytes;
        std::vector<std::string> options;
    };
    const std::vector<Case> cases = {
        {"PSR-9000", "REG.bup", smallBackup(), {}},
        {"PSR-9000pro", "REG_Pro.bup", smallBackup(KeyboardModel::Psr9000Pro), {}},
        {"with both filters",
         "REG.bup",
         backupImage(
             {{"Piano", {reg("One"), RegRecord::empty(), reg("Three")}}, {"Piano", {reg("Nine")}}}),
         {"--hide-duplicate-bank-titles", "--hide-empty-entries"}},
        {"archive", "demo.yra", smallArchive(), {}},
    };
    Scratch dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string in = dir.file(c.name);
        const std::string out = dir.file("out-" + c.name);
        writeFile(in, c.bytes);
        std::vector<std::string> args = {"resave", in, "-o", out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_EQ(readBytes(out), c.bytes);
    }
}

TEST(CliResave, RepairsAWrongChecksumAndWarns) {
    Scratch dir;
    writeFile(dir.file("REG.bup"), withBadChecksum(smallBackup()));
    const CliResult r = runCli({"resave", dir.file("REG.bup"), "-o", dir.file("fixed.bup")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Invalid checksum!\n");
    EXPECT_EQ(readBytes(dir.file("fixed.bup")), smallBackup());
}

TEST(CliResave, FailuresLeaveTheTargetAlone) {
    Scratch dir;
    writeFile(dir.file("REG.bup"), smallBackup());
    writeFile(dir.file("demo.yra"), smallArchive());
    writeFile(dir.file("bad.bup"), std::string("short"));
    writeFile(dir.file("keep.bin"), std::string("precious"));

    const CliResult refused = runCli({"resave", dir.file("bad.bup"), "-o", dir.file("keep.bin")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Invalid file size!\n");
    EXPECT_EQ(readFile(dir.file("keep.bin")), "precious");

    const CliResult backup = runCli({"resave", dir.file("REG.bup"), "-o", kNoSuchFolder});
    EXPECT_EQ(backup.status, 1);
    EXPECT_TRUE(backup.err.ends_with("Error saving Registrations to disk!\n")) << backup.err;
    const CliResult archive = runCli({"resave", dir.file("demo.yra"), "-o", kNoSuchFolder});
    EXPECT_EQ(archive.status, 1);
    EXPECT_TRUE(archive.err.ends_with("Error saving Registration Archive to file!\n"))
        << archive.err;
}

// ---- protocol ----------------------------------------------------------------------------------

std::string expectedRegistrationProtocol(const std::vector<uint8_t>& image, ProtocolType type,
                                         const StyleNameTable& styles) {
    RegBackupReadResult read = parseRegBackup(image.data(), image.size());
    normaliseRegList(read.lines, 0, nullptr, {});
    std::ostringstream out;
    writeRegistrationProtocol(out, type, read.lines, styles);
    return out.str();
}

std::string expectedArchiveProtocol(const std::vector<uint8_t>& image, ProtocolType type,
                                    const StyleNameTable& styles) {
    const ArchiveReadResult read = parseArchive(image.data(), image.size(), "demo.yra");
    std::ostringstream out;
    writeArchiveProtocol(out, type, read.list, styles);
    return out.str();
}

TEST(CliProtocol, EqualsTheWritersOutput) {
    StyleNameTable factory;
    factory.fillFactoryNames(false);
    StyleNameTable factoryPro;
    factoryPro.fillFactoryNames(true);
    // Flash styles IV/11 (index 180) only exist on the pro: the model decides their name.
    const std::vector<uint8_t> backup =
        backupImage({{"Mixed", {reg("Flash One", 125), reg("Pro Only", 180), reg("Disk", 250)}}});
    const std::vector<uint8_t> backupPro = backupImage(
        {{"Mixed", {reg("Flash One", 125), reg("Pro Only", 180)}}}, KeyboardModel::Psr9000Pro);
    const std::vector<uint8_t> archive = smallArchive();
    Scratch dir;
    writeFile(dir.file("REG.bup"), backup);
    writeFile(dir.file("REG_Pro.bup"), backupPro);
    writeFile(dir.file("demo.yra"), archive);
    for (const auto& [typeName, type] :
         {std::pair{"blank", ProtocolType::Blank}, std::pair{"tab", ProtocolType::Tab}}) {
        SCOPED_TRACE(typeName);
        const std::string out = dir.file(std::string("p-") + typeName + ".txt");
        struct Case {
            std::string in;
            std::vector<std::string> options;
            std::string expected;
        };
        const std::vector<Case> cases = {
            {"REG.bup", {}, expectedRegistrationProtocol(backup, type, factory)},
            {"REG.bup",
             {"--model", "9000pro"},
             expectedRegistrationProtocol(backup, type, factoryPro)},
            {"REG_Pro.bup", {}, expectedRegistrationProtocol(backupPro, type, factoryPro)},
            {"demo.yra", {}, expectedArchiveProtocol(archive, type, factory)},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.in);
            std::vector<std::string> args = {"protocol", dir.file(c.in), "--type",
                                             typeName,   "-o",           out};
            args.insert(args.end(), c.options.begin(), c.options.end());
            const CliResult r = runCli(args);
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out + r.err, "");
            EXPECT_EQ(readFile(out), c.expected);
        }
    }
    // The model's names really differ, so the cases above tell the models apart.
    EXPECT_NE(expectedRegistrationProtocol(backup, ProtocolType::Tab, factory),
              expectedRegistrationProtocol(backup, ProtocolType::Tab, factoryPro));
}

TEST(CliProtocol, FlashNamesFollowTheOption) {
    Scratch dir;
    writeFile(dir.file("REG.bup"), backupImage({{"Bank", {reg("Flash One", 125)}}}));
    writeFile(dir.file("STY.bup"), flashStyleBackup({{0, "My Groove"}}));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"factory", "Flash I - 60's Rock 1"},
        {"default", "Flash I - <1>"},
        {dir.file("STY.bup"), "Flash I - My Groove"},
    };
    for (const auto& [flash, styleText] : cases) {
        SCOPED_TRACE(flash);
        const CliResult r = runCli({"protocol", dir.file("REG.bup"), "--type", "tab", "-o",
                                    dir.file("p.txt"), "--flash", flash});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(readFile(dir.file("p.txt")).find("\tFlash One\t" + styleText + "\t"),
                  std::string::npos);
    }
}

TEST(CliProtocol, FailuresAreReported) {
    Scratch dir;
    writeFile(dir.file("REG.bup"), smallBackup());
    const CliResult unwritable =
        runCli({"protocol", dir.file("REG.bup"), "--type", "blank", "-o", kNoSuchFolder});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.ends_with("Error creating protocol file!\n")) << unwritable.err;

    const CliResult badFlash = runCli({"protocol", dir.file("REG.bup"), "--type", "blank", "-o",
                                       dir.file("p.txt"), "--flash", dir.file("none.b00")});
    EXPECT_EQ(badFlash.status, 1);
    EXPECT_TRUE(badFlash.err.ends_with("Error opening FlashStyle Backup!\n")) << badFlash.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("p.txt")));
}

} // namespace
} // namespace tombrel::clitest
