#pragma once

// How the main window names flash and disk styles: the flash name mode (factory list, numbered
// places, or the names of a FlashStyle backup) and the disk style mode (numbers, or the names of
// the style files in a folder), with the file and the folder they come from. A load or scan that
// fails always falls back: flash names to the factory list, disk styles to their numbers.

#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/record/KeyboardModel.h"
#include "core/sides/Interaction.h"
#include "core/sides/Settings.h"

#include <optional>
#include <string>

namespace tombrel {

// The backup-set pattern and icon of FlashStyle backups.
inline constexpr std::string_view kFlashStyleBackupPattern = "STY*.b*";
inline constexpr int kFlashStyleBackupSetIcon = 138;

// What the choice of a FlashStyle backup works by.
struct FlashStyleChoice {
    bool backupStructure = true; // choose inside the keyboard's backup sets
    bool noNetworkAccess = false;
};

class StyleNameModes {
public:
    StyleNameModes(StyleNameTable& names, DiskStyleTexts& disk, Interaction& ui)
        : names_(names), disk_(disk), ui_(ui) {}

    void loadSettings(const Settings& settings);
    void storeSettings(Settings& settings) const;

    FlashNameMode flashMode() const { return flashMode_; }
    DiskStyleMode diskMode() const { return diskMode_; }
    const std::string& flashStyleFile() const { return flashStyleFile_; }
    const std::string& diskStyleDirectory() const { return diskStyleDirectory_; }

    // At start-up, after the settings are loaded: the stored flash mode, then the stored disk
    // mode. A stored Individual mode without a file, or Folder mode without a folder, loads
    // nothing and keeps its mode.
    void applyAtStartup(KeyboardModel model);

    // The "Factory" and "Default" buttons.
    void chooseFactory(KeyboardModel model);
    void chooseDefault();
    // The "Individual:" button: asks for a FlashStyle backup (in the backup-set dialog, which
    // starts at the current file's set or at `lastBackupDir` and updates it, or in a file
    // dialog) and loads it. Cancelled or failed: the factory names.
    void chooseIndividual(KeyboardModel model, const FlashStyleChoice& choice,
                          std::string& lastBackupDir);
    // Loads the names of flashStyleFile(); true on success (mode Individual). On failure the
    // user is told why and the mode is Factory; the names are left for the caller to refill.
    bool loadFlashStyleBackup();

    // The "Number" button.
    void chooseNumber();
    // The "Folder:" button with the folder the user picked, nothing when the choice was
    // cancelled. No folder, or a folder without style files: the numbers.
    void chooseFolder(const std::optional<std::string>& folder);
    // Reads the disk style names of diskStyleDirectory(); true on success (mode Folder). On
    // failure the user is told why, the mode is Number and the texts are left as they were.
    bool scanDiskStyleFolder();

    // The text beside "Individual:": the FlashStyle backup, or with the backup structure its
    // backup set by the set's display name ("Show [Disk-02]") in its folder.
    std::string flashFileFieldText(bool backupStructure) const;
    // The text beside "Folder:": the folder, kept when the mode goes back to Number.
    const std::string& diskFolderFieldText() const { return diskStyleDirectory_; }

private:
    StyleNameTable& names_;
    DiskStyleTexts& disk_;
    Interaction& ui_;
    FlashNameMode flashMode_ = FlashNameMode::Factory;
    DiskStyleMode diskMode_ = DiskStyleMode::Number;
    std::string flashStyleFile_;
    std::string diskStyleDirectory_;
};

} // namespace tombrel
