#include "core/names/StyleNameModes.h"

#include "ScriptedInteraction.h"
#include "StyleFileBytes.h"
#include "TempFolder.h"

#include "core/names/FlashStyleBackup.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tombrel;
using namespace tombrel::test;
using tombrel::testing::styleFile;
using tombrel::testing::writeBytes;

namespace {

// A FlashStyle backup whose first place is named `firstName`; every other place is empty.
std::vector<uint8_t> flashBackup(const std::string& firstName) {
    std::vector<uint8_t> bytes(kFlashStyleBackupReadSize, 0);
    std::memcpy(bytes.data(), kFlashStyleBackupSignature.data(), kFlashStyleBackupSignature.size());
    for (int p = 0; p < kFlashStyleCount; ++p) {
        const std::string name = p == 0 ? firstName : "No Data";
        std::memcpy(bytes.data() + kFlashStyleBackupHeadSize + kFlashStyleRecordSize * p,
                    name.data(), name.size());
    }
    return bytes;
}

constexpr int kFirstFlash = kFirstFlashStyle;
constexpr int kVocalSwing = kFirstFlashStyle + 55; // a PSR-9000pro place

class StyleNameModesTest : public ::testing::Test {
protected:
    std::string goodBackup() {
        const std::string path = folder.file("STY0.bup");
        TempFolder::write(path, flashBackup("My Groove"));
        return path;
    }
    std::string styleFolder() {
        writeBytes(toFsPath(folder.file("a.sty")), styleFile("Bossa"));
        return folder.path();
    }
    void load(const Settings& settings) { modes.loadSettings(settings); }

    TempFolder folder;
    ScriptedInteraction ui;
    StyleNameTable names;
    DiskStyleTexts disk;
    StyleNameModes modes{names, disk, ui};
};

} // namespace

TEST_F(StyleNameModesTest, StartUpAppliesTheStoredModes) {
    struct Case {
        const char* name;
        int flashMode;
        bool withFile; // a readable FlashStyle backup is stored
        bool brokenFile;
        int diskMode;
        bool withFolder;
        FlashNameMode flashAfter;
        std::string firstFlashName;
        DiskStyleMode diskAfter;
        std::string firstDiskText;
        std::vector<const Message*> warnings;
    };
    const std::vector<Case> cases = {
        {"factory, numbers",
         0,
         false,
         false,
         0,
         false,
         FlashNameMode::Factory,
         "Flash I - 60's Rock 1",
         DiskStyleMode::Number,
         "DiskStyle <001>",
         {}},
        {"default",
         1,
         true,
         false,
         0,
         false,
         FlashNameMode::Default,
         "Flash I - <1>",
         DiskStyleMode::Number,
         "DiskStyle <001>",
         {}},
        {"individual",
         2,
         true,
         false,
         1,
         true,
         FlashNameMode::Individual,
         "Flash I - My Groove",
         DiskStyleMode::Folder,
         "DiskStyle <001> - Bossa",
         {}},
        {"individual without a file keeps the numbered places",
         2,
         false,
         false,
         0,
         false,
         FlashNameMode::Individual,
         "Flash I - <1>",
         DiskStyleMode::Number,
         "DiskStyle <001>",
         {}},
        {"broken backup falls back to the factory names",
         2,
         true,
         true,
         0,
         false,
         FlashNameMode::Factory,
         "Flash I - 60's Rock 1",
         DiskStyleMode::Number,
         "DiskStyle <001>",
         {&msg::ErrorReadingFlashStyleData}},
        {"folder without style files falls back to numbers",
         0,
         false,
         false,
         1,
         false,
         FlashNameMode::Factory,
         "Flash I - 60's Rock 1",
         DiskStyleMode::Number,
         "DiskStyle <001>",
         {&msg::NoStyleFilesFound}},
        {"unknown mode numbers read as the first mode",
         7,
         false,
         false,
         9,
         false,
         FlashNameMode::Factory,
         "Flash I - 60's Rock 1",
         DiskStyleMode::Number,
         "DiskStyle <001>",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder empty;
        ScriptedInteraction caseUi;
        StyleNameTable caseNames;
        DiskStyleTexts caseDisk;
        StyleNameModes caseModes{caseNames, caseDisk, caseUi};
        Settings settings;
        settings.flashStyleMode = c.flashMode;
        settings.diskStyleMode = c.diskMode;
        if (c.withFile) {
            settings.flashStyleFile = goodBackup();
            if (c.brokenFile)
                TempFolder::write(settings.flashStyleFile, {1, 2, 3});
        }
        if (c.diskMode == 1)
            settings.diskStyleDirectory = c.withFolder ? styleFolder() : empty.path();
        caseModes.loadSettings(settings);
        caseModes.applyAtStartup(KeyboardModel::Psr9000);
        EXPECT_EQ(caseModes.flashMode(), c.flashAfter);
        EXPECT_EQ(caseNames.longName(kFirstFlash), c.firstFlashName);
        EXPECT_EQ(caseModes.diskMode(), c.diskAfter);
        EXPECT_EQ(caseDisk.text(0), c.firstDiskText);
        EXPECT_EQ(caseUi.messageIds(), c.warnings);
    }
}

TEST_F(StyleNameModesTest, FolderModeWithoutAFolderShowsNumbers) {
    Settings settings;
    settings.diskStyleMode = 1;
    load(settings);
    modes.applyAtStartup(KeyboardModel::Psr9000);
    EXPECT_EQ(modes.diskMode(), DiskStyleMode::Number);
    EXPECT_EQ(disk.text(249), "DiskStyle <250>");
    EXPECT_TRUE(ui.events().empty());
}

TEST_F(StyleNameModesTest, FactoryNamesFollowTheKeyboard) {
    modes.chooseFactory(KeyboardModel::Psr9000Pro);
    EXPECT_EQ(names.longName(kVocalSwing), "Flash IV - Vocal Swing");
    modes.chooseFactory(KeyboardModel::Psr9000);
    EXPECT_EQ(names.longName(kVocalSwing), "Flash IV - <11>");
    modes.chooseDefault();
    EXPECT_EQ(modes.flashMode(), FlashNameMode::Default);
    EXPECT_EQ(names.longName(kFirstFlash), "Flash I - <1>");
}

TEST_F(StyleNameModesTest, IndividualInsideBackupSets) {
    Settings settings;
    settings.flashStyleFile = "/media/old/Show.B02/STY0.B02";
    load(settings);
    std::string lastBackupDir = "/media/sets";
    const std::string file = goodBackup();
    ui.backupSetChosen(file, folder.path());
    modes.chooseIndividual(KeyboardModel::Psr9000, {true, true}, lastBackupDir);

    ASSERT_EQ(ui.events().size(), 1u);
    const BackupSetDialogRequest& asked = ui.events()[0].set;
    EXPECT_EQ(asked.caption, &msg::OpenFlashStyleBackupTitle);
    EXPECT_EQ(asked.pattern, "STY*.b*");
    EXPECT_EQ(asked.iconId, 138);
    EXPECT_TRUE(asked.noNetwork);
    // The dialog starts in the set of the file used before.
    EXPECT_EQ(asked.initialPath, "/media/old/Show.B02");
    EXPECT_EQ(modes.flashMode(), FlashNameMode::Individual);
    EXPECT_EQ(modes.flashStyleFile(), file);
    EXPECT_EQ(lastBackupDir, folder.path());
    EXPECT_EQ(names.longName(kFirstFlash), "Flash I - My Groove");
}

TEST_F(StyleNameModesTest, IndividualStartsInTheLastBackupFolderWithoutAFile) {
    std::string lastBackupDir = "/media/sets";
    ui.backupSetDialogCancelled();
    modes.chooseIndividual(KeyboardModel::Psr9000, {true, false}, lastBackupDir);
    ASSERT_EQ(ui.events().size(), 1u);
    EXPECT_EQ(ui.events()[0].set.initialPath, "/media/sets");
    EXPECT_EQ(lastBackupDir, "/media/sets");
}

TEST_F(StyleNameModesTest, IndividualThroughTheFileDialog) {
    const std::string file = goodBackup();
    std::string lastBackupDir = "/untouched";
    ui.fileChosen(file);
    modes.chooseIndividual(KeyboardModel::Psr9000, {false, false}, lastBackupDir);
    ASSERT_EQ(ui.kinds(), std::vector{ScriptedInteraction::Kind::OpenFile});
    EXPECT_EQ(ui.events()[0].file.filter,
              "FlashStyle backup (STY*.b*)|STY*.b*|All files (*.*)|*.*||");
    EXPECT_EQ(modes.flashMode(), FlashNameMode::Individual);
    EXPECT_EQ(lastBackupDir, "/untouched");
}

TEST_F(StyleNameModesTest, CancelledOrFailedIndividualGivesFactoryNames) {
    std::string lastBackupDir;
    // Loaded first, then a cancelled choice: back to the factory names.
    ui.fileChosen(goodBackup());
    modes.chooseIndividual(KeyboardModel::Psr9000, {false, false}, lastBackupDir);
    ASSERT_EQ(modes.flashMode(), FlashNameMode::Individual);
    ui.fileDialogCancelled();
    modes.chooseIndividual(KeyboardModel::Psr9000, {false, false}, lastBackupDir);
    EXPECT_EQ(modes.flashMode(), FlashNameMode::Factory);
    EXPECT_EQ(names.longName(kFirstFlash), "Flash I - 60's Rock 1");

    const std::string wrong = folder.file("STY1.bup");
    std::vector<uint8_t> bytes = flashBackup("X");
    bytes[1] = 0x61; // not the signature
    TempFolder::write(wrong, bytes);
    ui.clearEvents();
    ui.fileChosen(wrong);
    modes.chooseIndividual(KeyboardModel::Psr9000, {false, false}, lastBackupDir);
    EXPECT_EQ(modes.flashMode(), FlashNameMode::Factory);
    EXPECT_EQ(ui.messageIds(), std::vector<const Message*>{&msg::FlashStyleNamesNotInFile});
    EXPECT_EQ(names.longName(kFirstFlash), "Flash I - 60's Rock 1");
}

TEST_F(StyleNameModesTest, FolderChoice) {
    modes.chooseFolder(styleFolder());
    EXPECT_EQ(modes.diskMode(), DiskStyleMode::Folder);
    EXPECT_EQ(disk.text(0), "DiskStyle <001> - Bossa");

    // Cancelled: numbers, the folder stays in its field.
    modes.chooseFolder(std::nullopt);
    EXPECT_EQ(modes.diskMode(), DiskStyleMode::Number);
    EXPECT_EQ(disk.text(0), "DiskStyle <001>");
    EXPECT_EQ(modes.diskFolderFieldText(), folder.path());

    TempFolder empty;
    modes.chooseFolder(empty.path());
    EXPECT_EQ(modes.diskMode(), DiskStyleMode::Number);
    EXPECT_EQ(modes.diskFolderFieldText(), empty.path());
    EXPECT_EQ(ui.messageIds(), std::vector<const Message*>{&msg::NoStyleFilesFound});
}

TEST_F(StyleNameModesTest, FlashFileField) {
    struct Case {
        std::string file;
        bool backupStructure;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"/m/Show.B02/STY0.B02", true, "/m/Show [Disk-02]"},
        {"/m/Show.buf/STY0.bup", true, "/m/Show"},
        {"/m/Loose/STY0.bup", true, "/m/Loose"},
        {"/m/Show.B02/STY0.B02", false, "/m/Show.B02/STY0.B02"},
        {"STY0.bup", true, "STY0.bup"},
        {"", true, ""},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.flashStyleFile = c.file;
        load(settings);
        EXPECT_EQ(modes.flashFileFieldText(c.backupStructure), c.text) << c.file;
    }
}

TEST_F(StyleNameModesTest, SettingsRoundTrip) {
    Settings in;
    in.flashStyleMode = 2;
    in.flashStyleFile = "/x/STY0.bup";
    in.diskStyleMode = 1;
    in.diskStyleDirectory = "/y";
    load(in);
    Settings out;
    modes.storeSettings(out);
    EXPECT_EQ(out.flashStyleMode, 2);
    EXPECT_EQ(out.flashStyleFile, "/x/STY0.bup");
    EXPECT_EQ(out.diskStyleMode, 1);
    EXPECT_EQ(out.diskStyleDirectory, "/y");
}
