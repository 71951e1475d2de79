#include "core/names/StyleNameModes.h"

#include "core/files/BackupSet.h"
#include "core/files/FolderSearch.h"
#include "core/names/FlashStyleBackup.h"

#include <variant>

namespace tombrel {

namespace {

FlashNameMode flashModeFromInt(int value) {
    switch (value) {
    case 1:
        return FlashNameMode::Default;
    case 2:
        return FlashNameMode::Individual;
    default:
        return FlashNameMode::Factory;
    }
}

// The folder part of a path: the text before its last separator, or the whole text when it has
// none.
std::string folderPartOf(const std::string& path) {
    const std::string parent = parentPathOf(path);
    return parent.empty() ? path : parent;
}

} // namespace

void StyleNameModes::loadSettings(const Settings& settings) {
    flashMode_ = flashModeFromInt(settings.flashStyleMode);
    diskMode_ = settings.diskStyleMode == 1 ? DiskStyleMode::Folder : DiskStyleMode::Number;
    flashStyleFile_ = settings.flashStyleFile;
    diskStyleDirectory_ = settings.diskStyleDirectory;
}

void StyleNameModes::storeSettings(Settings& settings) const {
    settings.flashStyleMode = static_cast<int>(flashMode_);
    settings.diskStyleMode = static_cast<int>(diskMode_);
    settings.flashStyleFile = flashStyleFile_;
    settings.diskStyleDirectory = diskStyleDirectory_;
}

void StyleNameModes::applyAtStartup(KeyboardModel model) {
    if (flashMode_ == FlashNameMode::Individual && !flashStyleFile_.empty())
        loadFlashStyleBackup();
    if (flashMode_ == FlashNameMode::Factory)
        names_.fillFactoryNames(isPro(model));
    else if (flashMode_ == FlashNameMode::Default)
        names_.fillDefaultNames();
    // Individual without a file keeps the numbered places the table starts with.

    if (diskMode_ == DiskStyleMode::Folder) {
        // Folder mode without a folder would leave every disk style without any text at all;
        // such styles are shown by their numbers instead.
        if (diskStyleDirectory_.empty())
            diskMode_ = DiskStyleMode::Number;
        else
            scanDiskStyleFolder();
    }
    if (diskMode_ == DiskStyleMode::Number)
        disk_.fillDiskNumberNames();
}

void StyleNameModes::chooseFactory(KeyboardModel model) {
    flashMode_ = FlashNameMode::Factory;
    names_.fillFactoryNames(isPro(model));
}

void StyleNameModes::chooseDefault() {
    flashMode_ = FlashNameMode::Default;
    names_.fillDefaultNames();
}

void StyleNameModes::chooseIndividual(KeyboardModel model, const FlashStyleChoice& choice,
                                      std::string& lastBackupDir) {
    bool chosen = false;
    if (choice.backupStructure) {
        BackupSetDialogRequest request;
        request.mode = BackupSetDialogMode::Open;
        request.caption = &msg::OpenFlashStyleBackupTitle;
        request.iconId = kFlashStyleBackupSetIcon;
        request.pattern = std::string(kFlashStyleBackupPattern);
        request.noNetwork = choice.noNetworkAccess;
        request.initialPath =
            flashStyleFile_.empty() ? lastBackupDir : folderPartOf(flashStyleFile_);
        if (const std::optional<BackupSetChoice> set = ui_.chooseBackupSet(request);
            set && !set->resultPath.empty()) {
            lastBackupDir = set->currentFolder;
            flashStyleFile_ = set->resultPath;
            chosen = true;
        }
    } else {
        FileDialogRequest request;
        request.caption = &msg::OpenFlashStyleBackupTitle;
        request.filter = std::string(msg::FlashStyleBackupFilter.en);
        request.initialPath = flashStyleFile_;
        if (const std::optional<std::string> path = ui_.chooseFileToOpen(request);
            path && !path->empty()) {
            flashStyleFile_ = *path;
            chosen = true;
        }
    }
    if (!chosen || !loadFlashStyleBackup())
        chooseFactory(model);
}

bool StyleNameModes::loadFlashStyleBackup() {
    BusyScope busy(ui_);
    FlashStyleBackupResult result = readFlashStyleBackup(flashStyleFile_);
    if (const auto* message = std::get_if<UserMessage>(&result)) {
        ui_.warn(*message);
        flashMode_ = FlashNameMode::Factory;
        return false;
    }
    names_.setIndividualNames(std::get<FlashStyleNames>(result).names);
    flashMode_ = FlashNameMode::Individual;
    return true;
}

void StyleNameModes::chooseNumber() {
    diskMode_ = DiskStyleMode::Number;
    disk_.fillDiskNumberNames();
}

void StyleNameModes::chooseFolder(const std::optional<std::string>& folder) {
    if (folder && !folder->empty()) {
        diskStyleDirectory_ = *folder;
        if (scanDiskStyleFolder())
            return;
    }
    chooseNumber();
}

bool StyleNameModes::scanDiskStyleFolder() {
    BusyScope busy(ui_);
    std::vector<UserMessage> readErrors;
    if (std::optional<UserMessage> failure =
            disk_.scanDiskStyleFolder(diskStyleDirectory_, &readErrors)) {
        ui_.warn(*failure);
        diskMode_ = DiskStyleMode::Number;
        return false;
    }
    for (const UserMessage& error : readErrors)
        ui_.warn(error);
    diskMode_ = DiskStyleMode::Folder;
    return true;
}

std::string StyleNameModes::flashFileFieldText(bool backupStructure) const {
    if (!backupStructure || flashStyleFile_.empty())
        return flashStyleFile_;
    const std::string folder = folderPartOf(flashStyleFile_);
    const std::string name = fileNameOf(folder);
    return folder.substr(0, folder.size() - name.size()) + backupSetDisplayName(name);
}

} // namespace tombrel
