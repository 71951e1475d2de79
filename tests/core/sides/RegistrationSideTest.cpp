#include "core/sides/RegistrationSide.h"

#include "RegListTestData.h"
#include "ScriptedInteraction.h"
#include "TempFolder.h"

#include "core/files/BackupSet.h"
#include "core/files/FolderSearch.h"
#include "core/files/RegBackupFile.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

using Kind = ScriptedInteraction::Kind;

RegSideOptions optionsWith(bool backupStructure, RegListFilters filters = {}) {
    RegSideOptions o;
    o.backupStructure = backupStructure;
    o.filters = filters;
    return o;
}

class RegistrationSideTest : public ::testing::Test {
protected:
    // A new backup holding the normalised `lines`, as if they had been edited in.
    void startWith(RegList lines, KeyboardModel model = KeyboardModel::Psr9000) {
        ui.keyboardChosen(model);
        side.newRegBackup();
        side.lines() = std::move(lines);
        side.normaliseRegList(0);
        side.refreshCountText();
        ui.clearEvents();
    }

    ScriptedInteraction ui;
    RegistrationSide side{ui};
};

} // namespace

TEST_F(RegistrationSideTest, NewAsksForTheKeyboardAndStartsEmpty) {
    Settings settings;
    settings.lastKeyboard = 2;
    side.loadSettings(settings, false);
    EXPECT_EQ(side.keyboardNameText(), "9000pro"); // shown from the start, while closed

    ui.keyboardDialogCancelled();
    side.newRegBackup();
    EXPECT_FALSE(side.isOpen());
    ASSERT_EQ(ui.events().size(), 1u);
    EXPECT_EQ(ui.events()[0].currentModel, KeyboardModel::Psr9000Pro);

    ui.keyboardChosen(KeyboardModel::Psr9000);
    side.newRegBackup();
    EXPECT_TRUE(side.isOpen());
    EXPECT_TRUE(side.isUntitled());
    EXPECT_FALSE(side.isModified());
    EXPECT_TRUE(side.lines().empty()); // not 64 empty banks
    EXPECT_EQ(side.countText(), "");
    EXPECT_EQ(side.keyboardModel(), KeyboardModel::Psr9000);
    EXPECT_EQ(side.keyboardNameText(), "PSR9000");
    EXPECT_EQ(side.recentRegComboSelection(), -1);

    side.closeRegBackup();
    EXPECT_FALSE(side.isOpen());
    EXPECT_EQ(side.keyboardNameText(), "");
    EXPECT_EQ(side.keyboardModel(), KeyboardModel::Psr9000); // Close keeps the model
    Settings stored;
    side.storeSettings(stored);
    EXPECT_EQ(stored.lastKeyboard, 1);
    EXPECT_TRUE(ui.scriptUsedUp());
}

TEST_F(RegistrationSideTest, FiltersComeFromTheSettingsOnlyInExtendedMode) {
    Settings settings;
    settings.hideDuplicateBankTitles = true;
    settings.hideEmptyEntries = true;
    settings.yamahaBackupStruktur = false;
    settings.noNetworkAccess = true;
    side.loadSettings(settings, false);
    EXPECT_EQ(side.options(), (RegSideOptions{false, true, {}}));
    side.loadSettings(settings, true);
    EXPECT_TRUE(side.options().filters.hideDuplicateBankTitles);
    EXPECT_TRUE(side.options().filters.hideEmptyEntries);
}

TEST_F(RegistrationSideTest, SwitchingAFilterRebuildsWithoutTouchingTheModifiedFlag) {
    const RegList file = canonicalList({
        {2, {"Piano", {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8"}}},
        {3, {"Piano", {"B1"}}},
    });
    for (bool modified : {false, true}) {
        SCOPED_TRACE(modified);
        side.setOptions(optionsWith(true));
        startWith(file);
        side.setModified(modified);
        side.setOptions(optionsWith(true, {true, false}));
        EXPECT_EQ(side.lines().size(), 575u); // banks 3 and 4 under one line
        EXPECT_EQ(side.regLineText(27), "<04/1>\t        B1");
        EXPECT_EQ(side.isModified(), modified);
        EXPECT_EQ(side.countText(), "512");
        side.setOptions(optionsWith(true, {true, true}));
        EXPECT_EQ(side.countText(), "9");
        side.setOptions(optionsWith(false, {}));
        EXPECT_TRUE(sameContent(side.lines(), file));
        EXPECT_EQ(side.isModified(), modified);
        EXPECT_TRUE(ui.events().empty());
    }
    // Closed: nothing to rebuild.
    side.setModified(false);
    side.closeRegBackup();
    side.setOptions(optionsWith(true, {true, true}));
    EXPECT_TRUE(side.lines().empty());
}

TEST_F(RegistrationSideTest, SaveChangesQuestion) {
    struct Case {
        const char* name;
        Answer answer;
        bool allowed;
    };
    const Case cases[] = {
        {"Yes, but Save As is cancelled", Answer::Yes, false},
        {"No drops the changes", Answer::No, true},
        {"Cancel", Answer::Cancel, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction script;
        RegistrationSide s(script);
        script.keyboardChosen(KeyboardModel::Psr9000);
        s.newRegBackup();
        s.setModified();
        script.clearEvents();
        script.answer(c.answer);
        if (c.answer == Answer::Yes)
            script.backupSetDialogCancelled(); // untitled: Yes means Save As
        EXPECT_EQ(s.confirmDiscardRegChanges(), c.allowed);
        EXPECT_TRUE(script.scriptUsedUp());
        ASSERT_FALSE(script.events().empty());
        EXPECT_EQ(script.events()[0].kind, Kind::AskYesNoCancel);
        EXPECT_EQ(script.messageIds()[0], &msg::RegistrationsChanged);
        EXPECT_EQ(script.events()[0].message.text(Language::English),
                  "The Registrations have been changed!\n\nSave changes?");
        EXPECT_TRUE(s.isModified());
    }
    // Not modified, or not open: no question.
    EXPECT_TRUE(side.confirmDiscardRegChanges());
    EXPECT_TRUE(ui.events().empty());
}

TEST_F(RegistrationSideTest, CancelledPromptKeepsTheBackup) {
    startWith(canonicalList({{0, {"Keep", {"k"}}}}));
    side.setModified();
    ui.answer(Answer::Cancel);
    side.closeRegBackup();
    EXPECT_TRUE(side.isOpen());
    ui.answer(Answer::Cancel);
    side.newRegBackup();
    EXPECT_EQ(side.registrationCount(), 512);
    EXPECT_EQ(ui.kinds(), (std::vector<Kind>{Kind::AskYesNoCancel, Kind::AskYesNoCancel}));
}

TEST_F(RegistrationSideTest, SaveAsRefusesWhatTheFileCannotHold) {
    struct Case {
        const char* name;
        RegListFilters filters;
        const Message* message;
    };
    const Case cases[] = {
        {"513 registrations", {}, &msg::TooManyRegistrationsSaveAs},
        {"65 banks", {false, true}, &msg::TooManyBanks},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        side.setOptions(optionsWith(true, c.filters));
        RegList lines = canonicalList({{0, {"Full", {"1", "2", "3", "4", "5", "6", "7", "8"}}}});
        if (c.filters.hideEmptyEntries)
            lines.push_back(RegEntry::bankLine("65th"));
        else
            lines.insert(lines.begin() + 1, namedLine("ninth"));
        startWith(lines);
        side.saveRegBackupAs();
        EXPECT_EQ(ui.messageIds(), (std::vector<const Message*>{c.message}));
        EXPECT_EQ(ui.kinds(), (std::vector<Kind>{Kind::Warn})); // no file dialog
    }
    EXPECT_EQ(msg::TooManyRegistrationsSaveAs.en,
              "The Registration contains more than  512 entries!\n\nYou must delete some entries.");
    EXPECT_EQ(
        msg::TooManyRegistrations.de,
        "Es sind mehr als 512 Registrationen vorhanden!\n\nBitte löschen Sie einige Einträge.");
}

TEST(RegistrationSidePaths, StripRegBackupFileName) {
    struct Case {
        const char* path;
        const char* stripped;
    };
    const Case cases[] = {
        {"/sets/Live.buf/REG.bup", "/sets/Live.buf"},
        {"/sets/Live.buf/reg_pro.BUP", "/sets/Live.buf"},
        {"/sets/Live.buf/REG2.bup", "/sets/Live.buf/REG2.bup"},
        {"/sets/Live.bufREG.bup", "/sets/Live.bufREG.bup"}, // no separator before the name
        {"REG.bup", "REG.bup"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stripRegBackupFileName(c.path), c.stripped) << c.path;
}

namespace {

// A registration side working on files in a temporary folder.
class RegFilesTest : public RegistrationSideTest {
protected:
    // Writes a backup file of these banks.
    std::string makeBackup(const std::string& name, const RegList& banks,
                           KeyboardModel model = KeyboardModel::Psr9000) {
        const std::string path = dir.file(name);
        EXPECT_FALSE(writeRegBackupFile(path, banks, model));
        return path;
    }
    // Opens a file through the file dialog (backup structure off).
    void openFile(const std::string& path, RegListFilters filters = {}) {
        side.setOptions(optionsWith(false, filters));
        ui.fileChosen(path);
        side.openRegBackup();
        ASSERT_TRUE(side.isOpen());
        ui.clearEvents();
    }
    void useRecent(const std::vector<std::string>& paths, bool backupStructure) {
        Settings settings;
        settings.yamahaBackupStruktur = backupStructure;
        settings.lastBackupDir = dir.path();
        for (size_t i = 0; i < paths.size(); ++i)
            settings.lastOpenReg[i] = paths[i];
        side.loadSettings(settings, true);
    }
    std::vector<std::string> recent() const { return side.recentRegistrations().used(); }
    std::string text(const std::string& path) const {
        const std::vector<uint8_t> bytes = TempFolder::read(path);
        return std::string(bytes.begin(), bytes.end());
    }

    TempFolder dir;
};

const RegList& sampleBanks() {
    static const RegList banks = canonicalList({
        {0, {"Piano", {"Grand", "", "Soft"}}},
        {2, {"Strings", {"S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8"}}},
        {3, {"Strings", {"", "", "S11"}}},
        {4, {"Strings", {}}},
        {10, {kNoNameBankTitle, {"", "", "", "", "", "", "", "Hidden"}}},
    });
    return banks;
}

} // namespace

TEST_F(RegFilesTest, OpenListsTheWholeFile) {
    const std::string path = makeBackup("REG_Pro.bup", sampleBanks(), KeyboardModel::Psr9000Pro);
    side.setOptions(optionsWith(false));
    ui.fileChosen(path);
    side.openRegBackup();
    ASSERT_TRUE(side.isOpen());
    EXPECT_FALSE(side.isUntitled());
    EXPECT_FALSE(side.isModified());
    EXPECT_EQ(side.lines().size(), 576u);
    EXPECT_EQ(side.registrationCount(), 512);
    EXPECT_EQ(side.countText(), "512");
    EXPECT_EQ(side.regLineText(0), "<01>\tPiano");
    EXPECT_EQ(side.regLineText(1), "<01/1>\t        Grand");
    EXPECT_EQ(side.regLineText(575), "<64/8>\t        {<Empty>}");
    EXPECT_EQ(side.keyboardModel(), KeyboardModel::Psr9000Pro);
    EXPECT_EQ(side.keyboardNameText(), "9000pro");
    EXPECT_EQ(recent(), (std::vector<std::string>{path}));
    EXPECT_EQ(side.recentRegComboSelection(), 0);

    ASSERT_EQ(ui.kinds(), (std::vector<Kind>{Kind::OpenFile}));
    const FileDialogRequest& f = ui.events()[0].file;
    EXPECT_EQ(f.caption, &msg::OpenRegBackupCaption);
    EXPECT_EQ(f.filter, "Yamaha Registration Backup (reg*.bup)|reg*.bup|All Files (*.*)|*.*||");
    EXPECT_EQ(f.defaultExtension, "bup");
    EXPECT_EQ(ui.busyDepth(), 0);
    EXPECT_GE(ui.busyScopes(), 1);
}

TEST_F(RegFilesTest, SavingWithFiltersGivesBackTheSameFile) {
    const std::vector<std::pair<const char*, RegList>> files = {
        {"mixed banks", sampleBanks()},
        {"only unnamed banks",
         canonicalList({{1, {kNoNameBankTitle, {"", "U2"}}}, {5, {kNoNameBankTitle, {"U1"}}}})},
        {"nothing at all", canonicalList({})},
    };
    const RegListFilters filters[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& [name, banks] : files) {
        for (const RegListFilters f : filters) {
            SCOPED_TRACE(std::string(name) + (f.hideDuplicateBankTitles ? " dup" : "") +
                         (f.hideEmptyEntries ? " empty" : ""));
            const std::string path = makeBackup("REG.bup", banks);
            const std::vector<uint8_t> original = TempFolder::read(path);
            openFile(path, f);
            side.setModified();
            side.saveRegBackup();
            EXPECT_FALSE(side.isModified());
            EXPECT_TRUE(ui.events().empty());
            EXPECT_EQ(TempFolder::read(path), original);
        }
    }
}

TEST_F(RegFilesTest, FiltersShowMergedAndHiddenLines) {
    openFile(makeBackup("REG.bup", sampleBanks()), {true, true});
    // Strings banks 3 and 4 under one line; bank 5, all empty, keeps its own line.
    EXPECT_EQ(side.regLineText(0), "<01>\tPiano");
    EXPECT_EQ(side.regLineText(3), "<01/3>\t        Soft");
    EXPECT_EQ(side.regLineText(4), "<02>\t<No Name>");
    EXPECT_EQ(side.regLineText(5), "<03>\tStrings");
    EXPECT_EQ(side.regLineText(13), "<03/8>\t        S8");
    EXPECT_EQ(side.regLineText(14), "<04/1>\t        {<Empty>}");
    EXPECT_EQ(side.regLineText(16), "<04/3>\t        S11");
    EXPECT_EQ(side.regLineText(17), "<05>\tStrings");
    EXPECT_EQ(side.regLineText(23), "<11>\t<No Name>");
    EXPECT_EQ(side.regLineText(31), "<11/8>\t        Hidden");
    EXPECT_EQ(side.lines().size(), 32u);
    EXPECT_EQ(side.countText(), "22");
}

TEST_F(RegFilesTest, NinthRegistrationMakesSaveRefuse) {
    const std::string path = makeBackup("REG.bup", sampleBanks());
    const std::vector<uint8_t> original = TempFolder::read(path);
    openFile(path);
    // A ninth registration in the full Strings bank opens a continuation bank.
    int selected = 19;
    side.lines().insert(side.lines().begin() + selected, namedLine("Ninth"));
    side.normaliseRegList(selected, &selected);
    side.setModified();
    EXPECT_EQ(side.regLineText(27), "<04>\tStrings");
    EXPECT_EQ(side.registrationCount(), 520);
    side.saveRegBackup();
    EXPECT_EQ(ui.messageIds(), (std::vector<const Message*>{&msg::TooManyRegistrations}));
    EXPECT_EQ(ui.events()[0].message.text(Language::English),
              "The Registration contains more than 512 entries!\n\nYou must delete some entries.");
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(TempFolder::read(path), original);
}

TEST_F(RegFilesTest, SaveChangesYesWritesTheFile) {
    const std::string path = makeBackup("REG.bup", sampleBanks());
    openFile(path);
    side.lines()[1].record.setTitle("Changed");
    side.setModified();
    ui.answer(Answer::Yes);
    EXPECT_TRUE(side.confirmDiscardRegChanges());
    EXPECT_FALSE(side.isModified());
    const RegBackupReadResult back = readRegBackupFile(path);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.lines[1].record.title(), "Changed");
}

TEST_F(RegFilesTest, SaveAsOverwriteQuestion) {
    const std::string a = makeBackup("a.bup", sampleBanks());
    const std::string b = makeBackup("b.bup", canonicalList({}));
    const std::vector<uint8_t> bBefore = TempFolder::read(b);
    openFile(a);
    side.setModified();

    // No returns to the dialog; Cancel ends without writing.
    ui.fileChosen(b).answer(Answer::No).fileChosen(b).answer(Answer::Cancel);
    side.saveRegBackupAs();
    EXPECT_EQ(ui.kinds(), (std::vector<Kind>{Kind::SaveFile, Kind::AskYesNoCancel, Kind::SaveFile,
                                             Kind::AskYesNoCancel}));
    EXPECT_EQ(ui.messageIds()[0], &msg::FileExistsOverwrite);
    EXPECT_EQ(ui.events()[1].message.text(Language::German),
              "Es existiert bereits eine Datei mit diesem Namen!\n\nÜberschreiben?");
    EXPECT_EQ(ui.events()[0].file.initialPath, a);
    EXPECT_EQ(ui.events()[0].file.caption, &msg::SaveRegBackupCaption);
    EXPECT_EQ(side.currentPath(), a);
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(TempFolder::read(b), bBefore);

    // Yes overwrites and the new name goes to the front of the recent list.
    ui.clearEvents();
    ui.fileChosen(b).answer(Answer::Yes);
    side.saveRegBackupAs();
    EXPECT_EQ(side.currentPath(), b);
    EXPECT_FALSE(side.isModified());
    EXPECT_EQ(TempFolder::read(b), TempFolder::read(a));
    EXPECT_EQ(recent(), (std::vector<std::string>{b, a}));

    // The current file itself is saved without a question; a new file without one either.
    ui.clearEvents();
    const std::string c = dir.file("c.bup");
    ui.fileChosen(b);
    side.saveRegBackupAs();
    ui.fileChosen(c);
    side.saveRegBackupAs();
    EXPECT_EQ(ui.kinds(), (std::vector<Kind>{Kind::SaveFile, Kind::SaveFile}));
    EXPECT_EQ(recent(), (std::vector<std::string>{c, b, a}));
    EXPECT_TRUE(TempFolder::exists(c));
}

TEST_F(RegFilesTest, NewThenSaveAsWritesSixtyFourEmptyBanks) {
    side.setOptions(optionsWith(false));
    ui.keyboardChosen(KeyboardModel::Psr9000Pro);
    side.newRegBackup();
    const std::string path = dir.file("new.bup");
    ui.fileChosen(path);
    side.saveRegBackupAs();
    EXPECT_FALSE(side.isUntitled());
    EXPECT_EQ(side.currentPath(), path);
    EXPECT_EQ(ui.events().back().file.initialPath, "");
    const std::vector<uint8_t> bytes = TempFolder::read(path);
    ASSERT_EQ(bytes.size(), kRegBackupSize);
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 4, bytes.end()),
              (std::vector<uint8_t>{0x33, 0xD2, 0x08, 0x40}));
    const RegBackupReadResult back = readRegBackupFile(path);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.model, KeyboardModel::Psr9000Pro);
    EXPECT_TRUE(sameContent(back.lines, canonicalList({})));
}

TEST_F(RegFilesTest, SaveAsInBackupSets) {
    struct Case {
        const char* name;   // typed into the dialog
        const char* folder; // the set folder it addresses
        KeyboardModel model;
        const char* file;
        const char* iniTitle;
    };
    const Case cases[] = {
        {"Live", "Live.buf", KeyboardModel::Psr9000, "REG.bup", "PSR-9000 BACKUP.INI"},
        {"Show [Disk-07]", "Show.b07", KeyboardModel::Psr9000, "REG.bup", "PSR-9000 BACKUP.INI"},
        {"Pro", "Pro.buf", KeyboardModel::Psr9000Pro, "REG_Pro.bup", "9000Pro BACKUP.INI"},
    };
    useRecent({}, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        side.setModified(false);
        ui.keyboardChosen(c.model);
        side.newRegBackup();
        side.lines() = sampleBanks();
        side.normaliseRegList(0);
        ui.clearEvents();
        // The dialog turns the typed name into the set folder's path.
        const std::string set = backupSetResultPath(dir.path(), c.name, false, "REG*.bup");
        ui.backupSetChosen(set, dir.path());
        side.saveRegBackupAs();

        ASSERT_EQ(ui.kinds(), (std::vector<Kind>{Kind::BackupSet}));
        const BackupSetDialogRequest& r = ui.events()[0].set;
        EXPECT_EQ(r.mode, BackupSetDialogMode::Save);
        EXPECT_EQ(r.caption, &msg::SaveRegBackupCaption);
        EXPECT_EQ(r.pattern, "REG*.bup");
        EXPECT_EQ(r.iconId, 137);
        EXPECT_EQ(r.initialPath, dir.path()); // untitled: the last backup folder

        const std::string target = joinPath(dir.file(c.folder), c.file);
        EXPECT_EQ(side.currentPath(), target);
        EXPECT_FALSE(side.isUntitled());
        const std::vector<uint8_t> bytes = TempFolder::read(target);
        ASSERT_EQ(bytes.size(), kRegBackupSize);
        EXPECT_EQ(std::string(bytes.begin() + 16, bytes.begin() + 24),
                  isPro(c.model) ? "REG9P100" : "REG9_100");
        const std::string ini = text(dir.file(std::string(c.folder) + "/BACKUP.INI"));
        EXPECT_NE(ini.find(c.iniTitle), std::string::npos) << ini;
        EXPECT_NE(ini.find(std::string("4 = ") + c.file + "\r\n"), std::string::npos) << ini;
        EXPECT_EQ(recent().front(), target);
        EXPECT_EQ(side.lastBackupFolder(), dir.path());
    }
    // The recent list shows the sets by their names.
    EXPECT_EQ(
        side.recentRegComboItems(),
        (std::vector<std::string>{dir.file("Pro"), dir.file("Show [Disk-07]"), dir.file("Live")}));
}

TEST_F(RegFilesTest, SaveAsInBackupSetAsksBeforeOverwritingAndRetriesAfterAFailure) {
    useRecent({}, true);
    const std::string existingSet = dir.file("Old.buf");
    ui.keyboardChosen(KeyboardModel::Psr9000);
    side.newRegBackup();
    ui.backupSetChosen(existingSet, dir.path());
    side.saveRegBackupAs(); // makes Old.buf/REG.bup
    ASSERT_TRUE(TempFolder::exists(existingSet + "/REG.bup"));

    ui.keyboardChosen(KeyboardModel::Psr9000);
    side.newRegBackup();
    side.lines() = sampleBanks();
    side.normaliseRegList(0);
    side.setModified();
    ui.clearEvents();
    TempFolder::write(dir.file("plain-file"), {1, 2, 3});
    const std::string impossible = dir.file("plain-file/Set.buf"); // under a file
    const std::string fresh = dir.file("Sub/New.buf");             // a folder above is missing
    ui.backupSetChosen(existingSet, dir.path())
        .answer(Answer::No)
        .backupSetChosen(impossible, dir.file("plain-file"))
        .backupSetChosen(fresh, dir.file("Sub"));
    side.saveRegBackupAs();
    EXPECT_EQ(ui.kinds(), (std::vector<Kind>{Kind::BackupSet, Kind::AskYesNoCancel, Kind::BackupSet,
                                             Kind::Warn, Kind::BackupSet}));
    EXPECT_EQ(ui.messageIds(), (std::vector<const Message*>{&msg::FileExistsOverwriteInBackupSet,
                                                            &msg::ErrorCreatingBackupStructure}));
    EXPECT_EQ(ui.events()[1].message.text(Language::German),
              "Es existiert bereits eine datei mit diesem Namen!\n\nÜberschreiben?");
    EXPECT_EQ(ui.events()[2].set.initialPath, dir.path()); // back where the user was
    EXPECT_EQ(side.currentPath(), joinPath(fresh, "REG.bup"));
    EXPECT_FALSE(side.isModified());
    EXPECT_EQ(TempFolder::read(existingSet + "/REG.bup").size(), kRegBackupSize);
    EXPECT_EQ(side.lastBackupFolder(), dir.file("Sub"));

    // Saving into its own set again: no question; the dialog starts at the set.
    ui.clearEvents();
    ui.backupSetChosen(fresh, dir.file("Sub"));
    side.saveRegBackupAs();
    EXPECT_EQ(ui.kinds(), (std::vector<Kind>{Kind::BackupSet}));
    EXPECT_EQ(ui.events()[0].set.initialPath, fresh);

    // Cancel in the dialog writes nothing.
    side.setModified();
    ui.backupSetDialogCancelled();
    side.saveRegBackupAs();
    EXPECT_TRUE(side.isModified());
}

TEST_F(RegFilesTest, FailedSaveAsKeepsThePaneOnItsFile) {
    struct Case {
        const char* what;
        bool backupStructure;
        bool untitled;
    };
    const Case cases[] = {
        {"file dialog, opened file", false, false},
        {"file dialog, new backup", false, true},
        {"backup set, opened file", true, false},
        {"backup set, new backup", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string a = makeBackup("a.bup", sampleBanks());
        useRecent({a}, c.backupStructure);
        if (c.untitled) {
            ui.keyboardChosen(KeyboardModel::Psr9000);
            side.newRegBackup();
        } else {
            side.readRegBackup(a);
        }
        ASSERT_TRUE(side.isOpen());
        const std::string before = side.currentPath();
        side.setModified();
        ui.clearEvents();

        // The chosen place cannot take the file: a folder sits where REG.bup would go, or the
        // folder does not exist.
        if (c.backupStructure) {
            const std::string set = dir.file("Broken.buf");
            std::filesystem::create_directories(set + "/REG.bup");
            ui.backupSetChosen(set, dir.path()).answer(Answer::Yes);
        } else {
            ui.fileChosen(dir.file("missing-folder/b.bup"));
        }
        side.saveRegBackupAs();
        ASSERT_FALSE(ui.messageIds().empty());
        EXPECT_EQ(ui.messageIds().back(), &msg::ErrorSavingRegistrations);
        EXPECT_EQ(side.currentPath(), before);
        EXPECT_TRUE(side.isModified());
        EXPECT_EQ(side.isUntitled(), c.untitled);
        EXPECT_EQ(recent(), (std::vector<std::string>{a}));
        EXPECT_FALSE(TempFolder::exists(dir.file("Broken.buf/BACKUP.INI")));

        // Save still writes the file the pane came from.
        if (!c.untitled) {
            side.lines()[1].record.setTitle("Kept");
            side.saveRegBackup();
            EXPECT_FALSE(side.isModified());
            const RegBackupReadResult back = readRegBackupFile(a);
            ASSERT_TRUE(back.ok);
            EXPECT_EQ(back.lines[1].record.title(), "Kept");
        }
        EXPECT_TRUE(ui.scriptUsedUp());
        side.setModified(false);
        std::filesystem::remove_all(dir.file("Broken.buf"));
    }
}

TEST_F(RegFilesTest, OpenInBackupSet) {
    const std::string set = dir.file("Gig.buf");
    ASSERT_TRUE(createBackupSetFolder(set));
    const std::string path = makeBackup("Gig.buf/REG.bup", sampleBanks());
    useRecent({}, true);
    Settings settings;
    settings.noNetworkAccess = true;
    settings.lastBackupDir = "/start/here";
    side.loadSettings(settings, false);

    ui.backupSetDialogCancelled();
    side.openRegBackup();
    EXPECT_FALSE(side.isOpen());
    ui.backupSetChosen(path, dir.path());
    side.openRegBackup();
    EXPECT_TRUE(side.isOpen());
    EXPECT_EQ(side.currentPath(), path);
    EXPECT_EQ(side.lastBackupFolder(), dir.path());
    const BackupSetDialogRequest& r = ui.events()[0].set;
    EXPECT_EQ(r.mode, BackupSetDialogMode::Open);
    EXPECT_EQ(r.caption, &msg::OpenRegBackupCaption);
    EXPECT_TRUE(r.noNetwork);
    EXPECT_EQ(r.initialPath, "/start/here");
    EXPECT_EQ(r.pattern, "REG*.bup");
    EXPECT_EQ(side.recentRegComboItems(), (std::vector<std::string>{dir.file("Gig")}));
}

TEST_F(RegFilesTest, RecentComboTextsFollowTheBackupStructureSetting) {
    const std::vector<std::string> paths = {"/x/Songs.buf/REG.bup", "/x/Songs.B02/reg_pro.bup",
                                            "/x/Songs.B00/REG.bup", "/x/other/MY.bup",
                                            "/x/Plain/REG.bup"};
    useRecent(paths, true);
    EXPECT_EQ(side.recentRegComboItems(),
              (std::vector<std::string>{"/x/Songs", "/x/Songs [Disk-02]", "/x/Songs",
                                        "/x/other/MY.bup", "/x/Plain"}));
    side.setOptions(optionsWith(false));
    EXPECT_EQ(side.recentRegComboItems(), paths);
    EXPECT_EQ(side.recentRegComboSelection(), -1);
}

TEST_F(RegFilesTest, FailedReadsCloseTheSideAndLeaveTheRecentList) {
    const std::string good = makeBackup("good.bup", sampleBanks());
    std::vector<uint8_t> bytes = TempFolder::read(good);
    std::vector<uint8_t> shortFile(bytes.begin(), bytes.end() - 1);
    std::vector<uint8_t> badMagic = bytes;
    badMagic[19] = 'X';
    std::vector<uint8_t> badBoth = badMagic;
    badBoth.back() ^= 1;
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes; // empty: no file
        std::vector<const Message*> messages;
        KeyboardModel modelAfter;
    };
    const Case cases[] = {
        {"missing", {}, {&msg::ErrorOpeningFile}, KeyboardModel::Psr9000},
        {"short", shortFile, {&msg::InvalidFileSize}, KeyboardModel::Psr9000},
        {"wrong magic", badMagic, {&msg::NoValidRegBackup}, KeyboardModel::None},
        {"wrong magic and checksum",
         badBoth,
         {&msg::InvalidChecksum, &msg::NoValidRegBackup},
         KeyboardModel::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bad = dir.file(std::string(c.name) + ".bup");
        if (!c.bytes.empty())
            TempFolder::write(bad, c.bytes);
        useRecent({good, bad}, false);
        side.setModified(false);
        side.selectRecentRegistration(0);
        ASSERT_TRUE(side.isOpen());
        ui.clearEvents();
        side.selectRecentRegistration(1);
        EXPECT_EQ(ui.messageIds(), c.messages);
        EXPECT_FALSE(side.isOpen());
        EXPECT_TRUE(side.lines().empty());
        EXPECT_EQ(side.currentPath(), "");
        EXPECT_EQ(side.countText(), "");
        EXPECT_EQ(side.keyboardNameText(), "");
        EXPECT_EQ(side.keyboardModel(), c.modelAfter);
        EXPECT_EQ(recent(), (std::vector<std::string>{good}));
    }
}

TEST_F(RegFilesTest, ChecksumMismatchIsOnlyAWarning) {
    const std::string path = makeBackup("REG.bup", sampleBanks());
    const std::vector<uint8_t> original = TempFolder::read(path);
    std::vector<uint8_t> bytes = original;
    bytes.back() ^= 0xFF;
    TempFolder::write(path, bytes);
    side.setOptions(optionsWith(false));
    ui.fileChosen(path);
    side.openRegBackup();
    EXPECT_TRUE(side.isOpen());
    EXPECT_EQ(ui.messageIds(), (std::vector<const Message*>{&msg::InvalidChecksum}));
    side.setModified();
    side.saveRegBackup();
    EXPECT_EQ(TempFolder::read(path), original); // saved with the right checksum
}

TEST_F(RegFilesTest, RecentSelection) {
    const std::string a = makeBackup("a.bup", sampleBanks());
    const std::string b = makeBackup("b.bup", canonicalList({}));
    useRecent({a, b}, false);
    side.selectRecentRegistration(0);
    EXPECT_EQ(side.currentPath(), a);
    side.lines()[1].record.setTitle("Edited");
    ui.clearEvents();
    side.selectRecentRegistration(0); // the open file: nothing happens
    EXPECT_TRUE(ui.events().empty());
    EXPECT_EQ(side.lines()[1].record.title(), "Edited");

    side.setModified();
    ui.answer(Answer::Cancel);
    side.selectRecentRegistration(1);
    EXPECT_EQ(side.currentPath(), a);
    ui.answer(Answer::No);
    side.selectRecentRegistration(1);
    EXPECT_EQ(side.currentPath(), b);
    EXPECT_EQ(recent(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(side.recentRegComboSelection(), 0);
    side.selectRecentRegistration(7);
    EXPECT_EQ(side.currentPath(), b);
    EXPECT_TRUE(ui.scriptUsedUp());
}

TEST_F(RegFilesTest, SaveAsToANameDifferingInCaseOnlyIsAnotherFileWhereCaseCounts) {
    const std::string lower = makeBackup("live.bup", sampleBanks());
    const std::string upper = dir.file("LIVE.bup");
    if (TempFolder::exists(upper))
        GTEST_SKIP() << "this file system ignores case";
    openFile(lower);
    ui.fileChosen(upper);
    side.saveRegBackupAs();
    EXPECT_EQ(side.currentPath(), upper);
    EXPECT_TRUE(TempFolder::exists(upper));
    EXPECT_EQ(recent().front(), upper);
}

TEST_F(RegFilesTest, ReadingAndSavingByPathWithoutDialogs) {
    side.setOptions(optionsWith(false));
    const std::string path = makeBackup("REG.bup", sampleBanks());
    EXPECT_FALSE(side.saveRegBackupTo(dir.file("closed.bup"))); // nothing open
    ASSERT_TRUE(side.readRegBackup(path));
    EXPECT_EQ(side.currentPath(), path);
    EXPECT_EQ(side.regLineText(1), "<01/1>\t        Grand");
    EXPECT_EQ(recent(), (std::vector<std::string>{path}));

    // A new path becomes the current one and leads the recent files; the bytes are the file's.
    const std::string copy = dir.file("copy.bup");
    side.setModified();
    ASSERT_TRUE(side.saveRegBackupTo(copy));
    EXPECT_EQ(side.currentPath(), copy);
    EXPECT_FALSE(side.isModified());
    EXPECT_EQ(TempFolder::read(copy), TempFolder::read(path));
    EXPECT_EQ(recent(), (std::vector<std::string>{copy, path}));

    // A failed write keeps the current path and the modified flag.
    side.setModified();
    EXPECT_FALSE(side.saveRegBackupTo(dir.file("missing/REG.bup")));
    EXPECT_EQ(side.currentPath(), copy);
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(ui.messageIds(), (std::vector<const Message*>{&msg::ErrorSavingRegistrations}));

    // A ninth registration in a full bank: refused with Save's own wording, nothing written.
    ui.clearEvents();
    side.lines().insert(side.lines().begin() + 19, namedLine("Ninth"));
    side.normaliseRegList(0);
    const std::string refused = dir.file("refused.bup");
    EXPECT_FALSE(side.saveRegBackupTo(refused));
    EXPECT_EQ(ui.messageIds(), (std::vector<const Message*>{&msg::TooManyRegistrations}));
    EXPECT_FALSE(TempFolder::exists(refused));

    // A failed read closes the side as the dialog's road does.
    ui.clearEvents();
    EXPECT_FALSE(side.readRegBackup(dir.file("none.bup")));
    EXPECT_FALSE(side.isOpen());
    EXPECT_EQ(side.currentPath(), "");
}

TEST_F(RegFilesTest, SavingANewBackupByPathIntoABackupSet) {
    side.setOptions(optionsWith(true));
    ui.keyboardChosen(KeyboardModel::Psr9000Pro);
    side.newRegBackup();
    ASSERT_TRUE(createBackupSetFolder(dir.file("Live.buf")));
    const std::string path = joinPath(dir.file("Live.buf"), "REG_Pro.bup");
    ASSERT_TRUE(side.saveRegBackupTo(path));
    EXPECT_FALSE(side.isUntitled());
    EXPECT_EQ(TempFolder::read(path), buildRegBackupImage({}, KeyboardModel::Psr9000Pro));
    EXPECT_EQ(text(joinPath(dir.file("Live.buf"), "BACKUP.INI")),
              freshBackupIni(KeyboardModel::Psr9000Pro));
}
