#include "core/files/BackupSet.h"

#include "core/files/FileIo.h"
#include "core/files/FolderSearch.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstring>

using namespace tombrel;
using tombrel::testing::readBytes;
using tombrel::testing::ScratchFolder;
using tombrel::testing::writeBytes;

namespace fs = std::filesystem;

namespace {

std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

const std::string kFresh9000 =
    crlf({"[TITLE]", "PSR-9000 BACKUP.INI", "YAMAHA Corporation", "[DISK NO]", "DISK000",
          "[INSTRUMENT]", "PSR-9000", "[VERSION]", "Ver2.12", "[TOTAL USER DATA SIZE]", "241692KB",
          "[BACKUP REGIST]", "TOTAL FILE NUM:0", "4 = REG.bup", "[DATAEND]"});
const std::string kFreshPro =
    crlf({"[TITLE]", "9000Pro BACKUP.INI", "YAMAHA Corporation", "[DISK NO]", "DISK000",
          "[INSTRUMENT]", "9000Pro", "[VERSION]", "Ver1.03", "[TOTAL USER DATA SIZE]", "241692KB",
          "[BACKUP REGIST]", "TOTAL FILE NUM:0", "4 = REG_Pro.bup", "[DATAEND]"});

} // namespace

TEST(BackupSet, BackupSetExtensions) {
    struct Case {
        const char* path;
        bool set;
    };
    const Case cases[] = {
        {"Songs.buf", true},   {"Songs.BUF", true},      {"/media/x/Show.B07", true},
        {"Show.b00", true},    {"Songs.buf/", true},     {"Songs.b7", false},
        {"Songs.B123", false}, {"Songs.c01", false},     {"Songs.B0a", false},
        {"Songs.bu", false},   {"Songs", false},         {"/a.buf/REG.bup", false},
        {"Songs.buff", false}, {"Songs.buf.bak", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hasBackupSetExtension(c.path), c.set) << c.path;
}

TEST(BackupSet, DisplayAndFolderNames) {
    struct Case {
        const char* folder;
        const char* display;
    };
    const Case toDisplay[] = {
        {"Songs.buf", "Songs"}, {"Songs.BUF", "Songs"},         {"Songs.B02", "Songs [Disk-02]"},
        {"Songs.B00", "Songs"}, {"Show.b07", "Show [Disk-07]"}, {"Set.B10", "Set [Disk-10]"},
        {"Plain", "Plain"},     {"Notes.txt", "Notes.txt"},
    };
    for (const Case& c : toDisplay)
        EXPECT_EQ(backupSetDisplayName(c.folder), c.display) << c.folder;

    const Case toFolder[] = {
        {"Songs.b02", "Songs [Disk-02]"},
        {"Show.b07", "Show [Disk-07]"},
        {"Live.buf", "Live"},
        {"Live.buf", "Live.buf"},
        {"Live.B03", "Live.B03"},
        {"Notes.txt.buf", "Notes.txt"},
        {"A [Disk-x1].buf", "A [Disk-x1]"}, // not disk digits: an ordinary name
        {"A [Disk-0.buf", "A [Disk-0"},
    };
    for (const Case& c : toFolder)
        EXPECT_EQ(backupSetFolderName(c.display), c.folder) << c.display;
}

TEST(BackupSet, AFolderIsASetWhenItsNameSaysSoAndItHoldsBackupIni) {
    ScratchFolder dir;
    struct Case {
        const char* folder;
        const char* ini; // file to create inside, or nullptr
        bool set;
    };
    const Case cases[] = {
        {"Data.buf", nullptr, false},       {"Show.B07", "BACKUP.INI", true},
        {"Floppy.buf", "backup.ini", true}, {"Plain", "BACKUP.INI", false},
        {"Other.buf", "README.TXT", false},
    };
    for (const Case& c : cases) {
        fs::create_directory(dir.path() / c.folder);
        if (c.ini)
            writeBytes(dir.file(std::string(c.folder) + "/" + c.ini), std::string("x"));
        EXPECT_EQ(isBackupSetFolder(dir.file(c.folder)), c.set) << c.folder;
    }
    // A folder named BACKUP.INI does not count.
    fs::create_directories(dir.path() / "Odd.buf" / "BACKUP.INI");
    EXPECT_FALSE(isBackupSetFolder(dir.file("Odd.buf")));
    EXPECT_FALSE(isBackupSetFolder(dir.file("Missing.buf")));
}

TEST(BackupSet, CreatesEveryMissingFolderOfTheChain) {
    ScratchFolder dir;
    EXPECT_TRUE(createBackupSetFolder(dir.file("a/b/Live.buf")));
    EXPECT_TRUE(fs::is_directory(dir.path() / "a" / "b" / "Live.buf"));
    EXPECT_TRUE(createBackupSetFolder(dir.file("a/b/Live.buf"))); // already there
    EXPECT_TRUE(createBackupSetFolder(dir.file("a/c.buf/")));
    EXPECT_TRUE(fs::is_directory(dir.path() / "a" / "c.buf"));

    // A file where a folder should be cannot be entered.
    writeBytes(dir.file("file"), std::string("x"));
    EXPECT_FALSE(createBackupSetFolder(dir.file("file/Live.buf")));
    EXPECT_FALSE(createBackupSetFolder(""));
}

namespace {
std::string caseFolded(std::string path) {
#ifdef _WIN32
    for (char& c : path)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
#endif
    return path;
}
} // namespace

TEST(BackupSet, ResultPathOfTheDialog) {
    ScratchFolder dir;
    const std::string root = dir.path().string();
    fs::create_directories(dir.path() / "Live.buf");
    writeBytes(dir.file("Live.buf/REG.bup"), std::string("x"));
    writeBytes(dir.file("Live.buf/BACKUP.INI"), std::string("x"));
    fs::create_directories(dir.path() / "Empty.buf");
    fs::create_directories(dir.path() / "SHOW.B07");
    writeBytes(dir.file("SHOW.B07/reg_pro.BUP"), std::string("x"));

    struct Case {
        const char* name;
        bool open;
        std::string result;
    };
    const Case cases[] = {
        {"Live", true, joinPath(joinPath(root, "Live.buf"), "REG.bup")},
        {"Live.buf", true, joinPath(joinPath(root, "Live.buf"), "REG.bup")},
        {"Live", false, joinPath(root, "Live.buf")},
        {"Empty", true, joinPath(root, "Empty.buf")}, // no matching file: the set folder
        {"New", false, joinPath(root, "New.buf")},
        {"  Live  ", false, joinPath(root, "Live.buf")},
        // The keyboard writes its names in upper case; the set is found as it is spelt.
        {"Show [Disk-07]", true, joinPath(joinPath(root, "SHOW.B07"), "reg_pro.BUP")},
        {"show [Disk-07]", false, joinPath(root, "SHOW.B07")},
        {"", false, ""},
        {"   ", true, ""},
    };
    for (const Case& c : cases)
        // A file system that ignores case may give back the set as the name was typed.
        EXPECT_EQ(caseFolded(backupSetResultPath(root, c.name, c.open, "REG*.bup")),
                  caseFolded(c.result))
            << "'" << c.name << "' " << c.open;

    EXPECT_EQ(backupSetResultPath(root + "/", "Live", false, "REG*.bup"), root + "/Live.buf");
    EXPECT_TRUE(backupSetHoldsMatchingFile(dir.file("Live.buf"), "REG*.bup"));
    EXPECT_TRUE(backupSetHoldsMatchingFile(dir.file("SHOW.B07"), "REG*.bup"));
    EXPECT_FALSE(backupSetHoldsMatchingFile(dir.file("Empty.buf"), "REG*.bup"));
    EXPECT_FALSE(backupSetHoldsMatchingFile(dir.file("Missing.buf"), "REG*.bup"));
}

TEST(BackupSet, TypedPathsAsTheDiskHasThem) {
    ScratchFolder dir;
    const std::string root = dir.path().string();
    fs::create_directories(dir.path() / "My Sets" / "Live.buf");
    writeBytes(dir.file("My Sets/Live.buf/REG.bup"), std::string("x"));
    using Kind = TypedBackupSetPath::Kind;
    const std::string sets = root + "/My Sets";
    const std::string live = sets + "/Live.buf";
    // The link a file manager hands over: "file:///home/..." here, "file:///C:/Users/..." on
    // Windows.
    const std::string rootUrl =
        (root.front() == '/' ? "file://" : "file:///") + dir.path().generic_string();
    // What comes back is in the platform's own spelling (backslashes on Windows).
    const auto native = [](const std::string& path) {
        return fromFsPath(toFsPath(path).make_preferred());
    };
    const struct {
        std::string typed;
        Kind kind;
        std::string path;
        std::string folder;
    } cases[] = {
        {live, Kind::Folder, live, live},
        {live + "/", Kind::Folder, live, live},
        {"  " + live + "\n", Kind::Folder, live, live},
        {"\"" + live + "\"", Kind::Folder, live, live},
        {"'" + live + "/REG.bup'", Kind::File, live + "/REG.bup", live},
        {live + "/REG.bup", Kind::File, live + "/REG.bup", live},
        {rootUrl + "/My%20Sets/Live.buf/", Kind::Folder, live, live},
        {"FILE" + rootUrl.substr(4) + "/My%20Sets/Live.buf/REG.bup", Kind::File, live + "/REG.bup",
         live},
        {sets + "/./Live.buf/../Live.buf", Kind::Folder, live, live},
        {"Live.buf", Kind::Folder, live, live}, // inside the selected folder
        {"Live.buf/REG.bup", Kind::File, live + "/REG.bup", live},
        {sets + "/Gone.buf", Kind::Missing, sets + "/Gone.buf", ""},
        {"", Kind::Empty, "", ""},
        {"  \"\"  ", Kind::Empty, "", ""},
    };
    for (const auto& c : cases) {
        const TypedBackupSetPath typed = typedBackupSetPath(c.typed, sets);
        EXPECT_EQ(typed.kind, c.kind) << c.typed;
        EXPECT_EQ(typed.path, native(c.path)) << c.typed;
        EXPECT_EQ(typed.folder, native(c.folder)) << c.typed;
    }
}

TEST(BackupIni, FreshDescriptionPerModel) {
    EXPECT_EQ(freshBackupIni(KeyboardModel::Psr9000), kFresh9000);
    EXPECT_EQ(freshBackupIni(KeyboardModel::Psr9000Pro), kFreshPro);
    EXPECT_EQ(freshBackupIni(KeyboardModel::None), kFresh9000);
}

TEST(BackupIni, LinesAreTakenInPiecesOfAtMost99Characters) {
    const std::string long120(120, 'x');
    const std::string exact99(99, 'y');
    EXPECT_EQ(splitBackupIniLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitBackupIniLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitBackupIniLines(""), std::vector<std::string>{});
    EXPECT_EQ(splitBackupIniLines(long120 + "\r\n" + exact99 + "\r\nz"),
              (std::vector<std::string>{std::string(99, 'x'), std::string(21, 'x'), exact99, "z"}));
}

TEST(BackupIni, UpdatesAfterSavingARegistrationBackup) {
    struct Case {
        const char* name;
        std::string before;
        KeyboardModel model;
        std::optional<std::string> after; // nothing: left byte for byte as it was
    };
    const std::vector<Case> cases = {
        {"section inserted before [DATAEND], size added",
         crlf({"[TITLE]", "[TOTAL USER DATA SIZE]", "5000KB", "[BACKUP STYLE]", "1 = STY.bup",
               "[DATAEND]"}),
         KeyboardModel::Psr9000,
         crlf({"[TITLE]", "[TOTAL USER DATA SIZE]", "246692KB", "[BACKUP STYLE]", "1 = STY.bup",
               "[BACKUP REGIST]", "TOTAL FILE NUM:0", "4 = REG.bup", "[DATAEND]"})},
        {"section inserted before [BACKUP MULTI PAD] when that comes first",
         crlf({"[TOTAL USER DATA SIZE]", "5000KB", "[BACKUP MULTI PAD]", "x", "[DATAEND]"}),
         KeyboardModel::Psr9000Pro,
         crlf({"[TOTAL USER DATA SIZE]", "246692KB", "[BACKUP REGIST]", "TOTAL FILE NUM:0",
               "4 = REG_Pro.bup", "[BACKUP MULTI PAD]", "x", "[DATAEND]"})},
        {"entry present", kFreshPro, KeyboardModel::Psr9000Pro, std::nullopt},
        {"entry present in other case and line ends",
         "[backup regist]\nTOTAL FILE NUM:0\n4 = reg_pro.BUP\n[dataend]\n",
         KeyboardModel::Psr9000Pro, std::nullopt},
        {"other model's entry switched over, total unchanged", kFreshPro, KeyboardModel::Psr9000,
         crlf({"[TITLE]", "9000Pro BACKUP.INI", "YAMAHA Corporation", "[DISK NO]", "DISK000",
               "[INSTRUMENT]", "9000Pro", "[VERSION]", "Ver1.03", "[TOTAL USER DATA SIZE]",
               "241692KB", "[BACKUP REGIST]", "TOTAL FILE NUM:0", "4 = REG.bup", "[DATAEND]"})},
        {"an entry before the section head does not count",
         crlf({"4 = REG.bup", "[TOTAL USER DATA SIZE]", "100KB", "[DATAEND]"}),
         KeyboardModel::Psr9000,
         crlf({"4 = REG.bup", "[TOTAL USER DATA SIZE]", "241792KB", "[BACKUP REGIST]",
               "TOTAL FILE NUM:0", "4 = REG.bup", "[DATAEND]"})},
        {"case-insensitive heads, LF line ends become CR LF",
         "[Total User Data Size]\n77KB\n[DataEnd]\n", KeyboardModel::Psr9000,
         crlf({"[Total User Data Size]", "241769KB", "[BACKUP REGIST]", "TOTAL FILE NUM:0",
               "4 = REG.bup", "[DataEnd]"})},
        {"total without digits counts as 0", crlf({"[TOTAL USER DATA SIZE]", "KB", "[DATAEND]"}),
         KeyboardModel::Psr9000,
         crlf({"[TOTAL USER DATA SIZE]", "241692KB", "[BACKUP REGIST]", "TOTAL FILE NUM:0",
               "4 = REG.bup", "[DATAEND]"})},
        {"missing total value: the head after it is kept",
         crlf({"[TOTAL USER DATA SIZE]", "[DATAEND]"}), KeyboardModel::Psr9000,
         crlf({"[TOTAL USER DATA SIZE]", "241692KB", "[BACKUP REGIST]", "TOTAL FILE NUM:0",
               "4 = REG.bup", "[DATAEND]"})},
        {"no end mark: the section goes last", crlf({"[TOTAL USER DATA SIZE]", "5000KB"}),
         KeyboardModel::Psr9000,
         crlf({"[TOTAL USER DATA SIZE]", "246692KB", "[BACKUP REGIST]", "TOTAL FILE NUM:0",
               "4 = REG.bup"})},
        {"long line comes back in pieces", crlf({std::string(120, 'x'), "[DATAEND]"}),
         KeyboardModel::Psr9000,
         crlf({std::string(99, 'x'), std::string(21, 'x'), "[BACKUP REGIST]", "TOTAL FILE NUM:0",
               "4 = REG.bup", "[DATAEND]"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<std::string> after = updatedBackupIni(c.before, c.model);
        EXPECT_EQ(after, c.after);
        // Saving the same backup again leaves the description alone.
        if (after) {
            EXPECT_EQ(updatedBackupIni(*after, c.model), std::nullopt);
        }
    }
}

TEST(BackupIni, DescriptionFileNextToTheBackup) {
    ScratchFolder dir;
    fs::create_directories(dir.path() / "Live.buf");
    const std::string reg = dir.file("Live.buf/REG.bup");
    const std::string ini = dir.file("Live.buf/BACKUP.INI");

    // None yet: a fresh one for the model.
    EXPECT_EQ(updateBackupIni(reg, KeyboardModel::Psr9000), std::nullopt);
    EXPECT_EQ(readBytes(ini), kFresh9000);
    // Saved for the pro: switched over.
    EXPECT_EQ(updateBackupIni(dir.file("Live.buf/REG_Pro.bup"), KeyboardModel::Psr9000Pro),
              std::nullopt);
    EXPECT_EQ(readBytes(ini), updatedBackupIni(kFresh9000, KeyboardModel::Psr9000Pro));
    // Listed already: untouched.
    const std::string listed = readBytes(ini);
    EXPECT_EQ(updateBackupIni(reg, KeyboardModel::Psr9000Pro), std::nullopt);
    EXPECT_EQ(readBytes(ini), listed);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Live.buf"});
}

TEST(BackupIni, DescriptionInAnyCaseIsUpdatedInPlace) {
    ScratchFolder dir;
    const std::string before = crlf({"[TOTAL USER DATA SIZE]", "5000KB", "[DATAEND]"});
    writeBytes(dir.file("backup.ini"), before);
    EXPECT_EQ(updateBackupIni(dir.file("REG.bup"), KeyboardModel::Psr9000), std::nullopt);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"backup.ini"});
    EXPECT_EQ(readBytes(dir.file("backup.ini")), updatedBackupIni(before, KeyboardModel::Psr9000));
}

TEST(BackupIni, FailedUpdateKeepsTheOldDescription) {
    TOMBREL_SKIP_ON_WINDOWS(
        "a write that fails halfway is made by a child process with a file size limit");
    ScratchFolder dir;
    const std::string ini = dir.file("BACKUP.INI");
    const std::string before = crlf({"[TOTAL USER DATA SIZE]", "5000KB", "[DATAEND]"});
    writeBytes(ini, before);

    const bool reported = tombrel::testing::runWithFileSizeLimit(16, [&] {
        const std::optional<UserMessage> error =
            updateBackupIni(dir.file("REG.bup"), KeyboardModel::Psr9000);
        return error && error->message == &msg::ErrorUpdatingBackupIni &&
               error->platformError == std::strerror(EFBIG);
    });
    EXPECT_TRUE(reported);
    EXPECT_EQ(readBytes(ini), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"BACKUP.INI"});

    // A description that cannot be read is not replaced.
    fs::remove(ini);
    fs::create_directory(ini);
    const std::optional<UserMessage> error =
        updateBackupIni(dir.file("REG.bup"), KeyboardModel::Psr9000);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, &msg::ErrorUpdatingBackupIni);
    EXPECT_EQ(error->text(Language::English), "Error creating/updating BACKUP.INI file!");
    EXPECT_EQ(error->text(Language::German),
              "Fehler beim Anlegen/Aktualisieren der Datei: BACKUP.INI!");
    EXPECT_TRUE(fs::is_directory(ini));
}
