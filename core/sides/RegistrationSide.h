#pragma once

// The registration side: one registration backup held as a list of bank and registration lines,
// with its file, its flags, its keyboard model and its recently used files, and the file commands
// New, Open, Save, Save As and Close. Questions and file choices go through Interaction; the list
// view asks regLineText per line.

#include "core/files/RegBackupFile.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegEntry.h"
#include "core/sides/Interaction.h"
#include "core/sides/RecentList.h"
#include "core/sides/RegListRules.h"
#include "core/sides/Settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

// The file-dialog filter and the backup-set icon of registration backups (the pattern is
// kRegBackupPattern, beside the file format).
inline constexpr std::string_view kRegBackupFileFilter =
    "Yamaha Registration Backup (reg*.bup)|reg*.bup|All Files (*.*)|*.*||";
inline constexpr std::string_view kRegBackupExtension = "bup";
inline constexpr int kRegBackupSetIcon = 137;

// The settings the registration side works by.
struct RegSideOptions {
    bool backupStructure = true; // open and save inside the keyboard's backup sets
    bool noNetworkAccess = false;
    RegListFilters filters; // both off unless the extended mode is on

    bool operator==(const RegSideOptions&) const = default;
};

// A path that ends in a separator plus "REG.bup" or "REG_Pro.bup" (without regard to case)
// without that ending; any other path unchanged.
std::string stripRegBackupFileName(std::string_view path);
// The text of a recent file in the combo box: with the backup structure, the backup set's
// display name ("Songs", "Songs [Disk-02]") in its folder; otherwise the full path.
std::string recentRegComboText(std::string_view path, bool backupStructure);

class RegistrationSide {
public:
    explicit RegistrationSide(Interaction& ui) : ui_(ui) {}

    // Settings: recent files, last backup folder, keyboard model and the options. Without the
    // extended mode both list filters are off whatever the settings hold.
    void loadSettings(const Settings& settings, bool extendedMode);
    void storeSettings(Settings& settings) const;
    const RegSideOptions& options() const { return options_; }
    // Takes new options; when a list filter changed while a backup is open, the list is rebuilt
    // (the modified flag stays as it was).
    void setOptions(const RegSideOptions& options);

    // State.
    const std::string& currentPath() const { return path_; }
    bool isOpen() const { return open_; }
    bool isUntitled() const { return untitled_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }
    KeyboardModel keyboardModel() const { return model_; }
    // The keyboard name beside the list; empty after Close and while a read fails.
    const std::string& keyboardNameText() const { return keyboardNameText_; }
    const std::string& lastBackupFolder() const { return lastBackupFolder_; }
    // Other backup-set dialogs (the FlashStyle backup's) move the folder the next one starts in.
    void setLastBackupFolder(std::string folder) { lastBackupFolder_ = std::move(folder); }
    const RecentList& recentRegistrations() const { return recent_; }

    // The list; lines().size() + 1 lines are shown (the last, empty one is the insertion point
    // after the last line). Commands that change it normalise it and set the modified flag.
    RegList& lines() { return lines_; }
    const RegList& lines() const { return lines_; }

    // List rules on the side's own list with its filters.
    void normaliseRegList(int start, int* trackedIndex = nullptr);
    void applyRegLoadFilters();
    void rebuildRegList();
    std::string regLineText(int index) const;
    int registrationCount() const;
    // The count text below the list: "%d" of registrationCount(), empty while nothing is open
    // and after New. Commands that change the list call refreshCountText.
    const std::string& countText() const { return countText_; }
    void refreshCountText();

    // Recent files and their combo box (item index = entry index).
    void addRecentRegistration(std::string_view path) { recent_.add(path); }
    void removeRecentRegistration(std::string_view path) { recent_.remove(path); }
    std::vector<std::string> recentRegComboItems() const;
    int recentRegComboSelection() const; // -1 for none

    // Commands. After each the view selects line 0 where the list was replaced.
    bool confirmDiscardRegChanges();
    void newRegBackup();
    void openRegBackup();
    void saveRegBackup();
    void saveRegBackupAs();
    void closeRegBackup();
    // Opens `lines` as a new untitled backup of `model` that has changes to save (an imported
    // document), after the save-changes prompt; false when the prompt was cancelled.
    bool openImportedRegBackup(RegList lines, KeyboardModel model);
    void selectRecentRegistration(int index);
    // Opens the file at `path` (a file handed to the program): after the save-changes prompt, as
    // if it had been chosen in the Open dialog. Nothing happens when `path` is the file already
    // open. False when nothing was read.
    bool openRegBackupFile(const std::string& path);

    // Loads the file at the current path, replacing the side's content; false when it failed
    // (the side is then closed and the path leaves the recent list). When memory runs out while
    // the file is read, the side and its path stay as they were, with the reading error shown.
    bool readRegBackup();
    // Writes the list to the current path; false when it failed (flags left as they were).
    bool writeRegBackup(bool addToRecent);

    // For a caller that knows the path without a dialog (the command-line tool). Reading: as
    // readRegBackup, the path becoming the current path once the file has been read. Saving:
    // refuses what Save refuses (with Save's message), then writes; a new path becomes the current
    // path and goes to the front of the recent files. A failed write leaves the current path as it
    // was. False when nothing was loaded or written.
    bool readRegBackup(const std::string& path);
    bool saveRegBackupTo(const std::string& path);

private:
    // Save and Save As refuse lists the file cannot hold; true when the list may be written.
    bool checkSavable(const Message& tooManyRegistrations);
    // Save As asks where to write; false when the user gave up. `target` is left empty when the
    // choice is the current file itself.
    bool chooseSaveTargetInBackupSet(std::string& target);
    bool chooseSaveTargetFile(std::string& target);
    void discardContent();

    Interaction& ui_;
    RegSideOptions options_;
    std::string path_;
    RecentList recent_;
    bool open_ = false;
    bool untitled_ = false;
    bool modified_ = false;
    KeyboardModel model_ = KeyboardModel::Psr9000;
    std::string keyboardNameText_;
    RegList lines_;
    std::string lastBackupFolder_;
    std::string countText_;
};

} // namespace tombrel
