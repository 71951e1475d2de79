#include "core/names/DiskStyleTexts.h"

#include "StyleFileBytes.h"

#include "core/files/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <variant>

using namespace tombrel;
using namespace tombrel::testing;

namespace fs = std::filesystem;

namespace {

class DiskStyleFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               (std::string("tombrel_disk_") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Names are UTF-8, as everywhere in the program.
    void add(const std::string& name, const Bytes& bytes) {
        writeBytes(dir_ / toFsPath(name), bytes);
    }
    std::string folder() const { return dir_.string(); }

    DiskStyleScan scan() const {
        auto result = scanDiskStyles(folder());
        EXPECT_TRUE(std::holds_alternative<DiskStyleScan>(result));
        if (auto* s = std::get_if<DiskStyleScan>(&result))
            return std::move(*s);
        return {};
    }

    fs::path dir_;
};

std::string text(int number, const std::string& name) {
    return diskStyleFolderText(number, name);
}

} // namespace

TEST(DiskStyleTexts, CleaningNames) {
    const struct {
        const char* name;
        const char* cleaned;
    } cases[] = {
        {"007_Disco", "_Disco"},
        {"1234_Disco", "1234_Disco"},
        {"012_SWING", "_SWING"},
        {"1_A", "_A"},
        {"_A", "_A"},
        {"12", "12"},
        {"123", "123"},
        {"12a_B", "12a_B"},
        {"Pop$.sty", "Pop"},
        {"$.styX", "$.styX"},
        {"A$.sty B$.sty", "A"},
        {"Pop$.STY", "Pop$.STY"},
        {"POP.STY", "POP.STY"},
        {"Pop.sty", "Pop.sty"},
        {"Bossa Nova   ", "Bossa Nova"},
        {"007_ Swing $.sty", "_ Swing"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cleanDiskStyleName(c.name), c.cleaned) << c.name;
}

TEST(DiskStyleTexts, NumberTexts) {
    DiskStyleTexts texts;
    EXPECT_EQ(texts.text(0), "");
    texts.fillDiskNumberNames();
    EXPECT_EQ(texts.text(0), "DiskStyle <001>");
    EXPECT_EQ(texts.text(99), "DiskStyle <100>");
    EXPECT_EQ(texts.text(249), "DiskStyle <250>");
    EXPECT_EQ(texts.text(250), "");
    EXPECT_EQ(texts.text(-1), "");
    EXPECT_EQ(texts.name(0), "");
    EXPECT_EQ(text(19, "").size(), kDiskStyleNamePrefixLength);
    EXPECT_EQ(text(0, "Bossa"), "DiskStyle <001> - Bossa");
}

TEST_F(DiskStyleFolder, OrderOfUpperCaseNames) {
    add("b.sty", styleFile("Beta"));
    add("A.STY", styleFile("Alpha"));
    add("c.txt", styleFile("Text"));
    add(".hidden.sty", styleFile("Hidden"));
    fs::create_directories(dir_ / "folder.sty");
    const DiskStyleScan s = scan();
    EXPECT_EQ(s.texts[0], "DiskStyle <001> - Alpha");
    EXPECT_EQ(s.texts[1], "DiskStyle <002> - Beta");
    for (int k = 2; k < kDiskStyleCount; ++k)
        EXPECT_EQ(s.texts[static_cast<size_t>(k)], text(k, "")) << k;
    EXPECT_EQ(s.texts[249], "DiskStyle <250> - ");
    EXPECT_EQ(s.ignoredFiles, 0);
    EXPECT_TRUE(s.readErrors.empty());
}

TEST_F(DiskStyleFolder, NamesThatDifferOnlyInCaseAreBothRead) {
    add("b.sty", styleFile("Small"));
    add("B.STY", styleFile("Capital"));
    if (fs::equivalent(dir_ / "b.sty", dir_ / "B.STY"))
        GTEST_SKIP() << "this file system ignores case";
    const auto files = listDiskStyleFiles(folder());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].fileName, "B.STY");
    EXPECT_EQ(files[1].fileName, "b.sty");
    EXPECT_EQ(files[1].upperName, "B.STY");
    const DiskStyleScan s = scan();
    EXPECT_EQ(s.texts[0], "DiskStyle <001> - Capital");
    EXPECT_EQ(s.texts[1], "DiskStyle <002> - Small");
}

TEST_F(DiskStyleFolder, FileNameStandsInWhenTheFileHasNoName) {
    Bytes small = styleFile("Small", 0);
    small.resize(47, 0);
    ASSERT_EQ(small.size(), 47u);
    Bytes smallest = styleFile("Smallest", 0);
    smallest.resize(48, 0);
    add("a1 pop.sty", small);
    add("a2.sty", smallest);
    add("a3 big.sty", styleFile("Big", 200001));
    add("a4.sty", styleFile("Largest", 200000));
    add("a5 text.sty", Bytes(100, 'x'));
    add("a6 nameless.sty", midiFile(Bytes{0x00, 0xFF, 0x2F, 0x00} + Bytes(60, 0)));
    add("a7 empty name.sty", styleFile("   "));
    add("007_Disco.sty", Bytes(100, 'x'));
    add("b1.sty", styleFile("007_Disco"));
    add("b2.sty", styleFile("1234_Disco"));
    add("b3.sty", styleFile("Bossa Nova   "));
    add("b4.sty", styleFile("Cool$.sty"));
    const DiskStyleScan s = scan();
    const char* expected[] = {
        "_DISCO.STY",  // 007_DISCO.STY: digits dropped, extension kept
        "A1 POP.STY",  // 47 bytes
        "Smallest",    // 48 bytes
        "A3 BIG.STY",  // over 200000 bytes
        "Largest",     // 200000 bytes
        "A5 TEXT.STY", // not a MIDI file
        "A6 NAMELESS.STY", "A7 EMPTY NAME.STY", "_Disco", "1234_Disco", "Bossa Nova", "Cool",
    };
    for (size_t k = 0; k < std::size(expected); ++k)
        EXPECT_EQ(s.texts[k], text(static_cast<int>(k), expected[k])) << k;
    EXPECT_EQ(s.texts[std::size(expected)], text(static_cast<int>(std::size(expected)), ""));
}

TEST_F(DiskStyleFolder, NameDeepInTheFile) {
    Bytes notes;
    for (int i = 0; i < 2000; ++i)
        notes = notes + Bytes{0x00, 0x90, 0x3C, 0x64, 0x10, 0x3C, 0x00};
    add("a.sty", midiFile(notes + trackName("Deep")));
    add("b.sty", midiFile(notes + trackName("Cut Off"), notes.size() + 4));
    const DiskStyleScan s = scan();
    EXPECT_EQ(s.texts[0], "DiskStyle <001> - Deep");
    EXPECT_EQ(s.texts[1], "DiskStyle <002> - B.STY");
}

TEST_F(DiskStyleFolder, HiddenFileIsNotCounted) {
    add("a.sty", styleFile("A"));
    add(".b.sty", styleFile("Hidden"));
    add("c.sty", styleFile("C"));
    const DiskStyleScan s = scan();
    EXPECT_EQ(s.texts[0], "DiskStyle <001> - A");
    EXPECT_EQ(s.texts[1], "DiskStyle <002> - C");
    EXPECT_EQ(s.texts[2], "DiskStyle <003> - ");
}

TEST_F(DiskStyleFolder, FilesBeyondThe250thAreIgnored) {
    const Bytes bytes = styleFile("x", 48);
    for (int i = 0; i < 251; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "s%03d.sty", i);
        add(name, bytes);
    }
    const DiskStyleScan s = scan();
    EXPECT_EQ(s.texts[0], "DiskStyle <001> - x");
    EXPECT_EQ(s.texts[249], "DiskStyle <250> - x");
    EXPECT_EQ(s.ignoredFiles, 1);
    // The 251st file in order, s250.sty, is the one left out: removing an earlier one brings it in.
    fs::remove(dir_ / "s000.sty");
    fs::rename(dir_ / "s250.sty", dir_ / "s250 last.sty");
    writeBytes(dir_ / "s250 last.sty", styleFile("Last", 48));
    EXPECT_EQ(scan().texts[249], "DiskStyle <250> - Last");
}

TEST_F(DiskStyleFolder, NamesOutsideWindows1252Order) {
    add("zeta.sty", Bytes(60, 'x'));
    add("\xC3\xA9t\xC3\xA9.sty", Bytes(60, 'x')); // "été" in UTF-8
    const DiskStyleScan s = scan();
    // Upper-cased as single-byte text, "ÉTÉ" sorts after "Z".
    EXPECT_EQ(s.texts[0], text(0, "ZETA.STY"));
    EXPECT_EQ(s.texts[1], text(1, "\xC9T\xC9.STY"));
}

TEST_F(DiskStyleFolder, FolderWithoutStyleFilesKeepsTheTexts) {
    add("c.txt", styleFile("Text"));
    add(".hidden.sty", styleFile("Hidden"));
    DiskStyleTexts texts;
    texts.fillDiskNumberNames();
    for (const std::string& path : {folder(), (dir_ / "missing").string()}) {
        const std::optional<UserMessage> message = texts.scanDiskStyleFolder(path);
        ASSERT_TRUE(message.has_value()) << path;
        EXPECT_EQ(message->message, &msg::NoStyleFilesFound);
        EXPECT_EQ(message->text(Language::German),
                  "Keine Styledateien im DiskStyle-Ordner gefunden!");
        EXPECT_EQ(texts.text(0), "DiskStyle <001>");
    }
    add("a.sty", styleFile("Now"));
    EXPECT_EQ(texts.scanDiskStyleFolder(folder()), std::nullopt);
    EXPECT_EQ(texts.text(0), "DiskStyle <001> - Now");
    EXPECT_EQ(texts.name(0), "Now");
    EXPECT_EQ(texts.name(1), "");
}

TEST(DiskStyleTexts, RealStyleFolder) {
    const char* expected[] = {
        "BrazilianSamba",
        "CoolBand",
        "DiscoLatin1",
        "Elektro Funk",
        "JazzVocal.S264.sty", // ".sty" without "$" stays
        "JazzWaltz3.S001.STY",
        "KoolFunk.S306.STY",
        "Salsa 1.STY",
        "9 Salsa1T.sty",
        "Salsa",
        "SAMBA_3.S506.STY",
        "Smooth Op",
        "SoulBeat.S513.STY",
        "Unchain X9",
        "Village People - YMCA.S745.STY",
    };
    DiskStyleTexts texts;
    ASSERT_EQ(texts.scanDiskStyleFolder(TOMBREL_REALDATA_DIR "/styles"), std::nullopt);
    for (size_t k = 0; k < std::size(expected); ++k)
        EXPECT_EQ(texts.text(static_cast<int>(k)), text(static_cast<int>(k), expected[k])) << k;
    EXPECT_EQ(texts.text(15), "DiskStyle <016> - ");

    // MIDI files are no style files.
    const std::optional<UserMessage> midi = texts.scanDiskStyleFolder(TOMBREL_REALDATA_DIR "/midi");
    ASSERT_TRUE(midi.has_value());
    EXPECT_EQ(midi->message, &msg::NoStyleFilesFound);
}
