// The file commands of the registration side: reading and writing the backup, Open, Save and
// Save As with their dialogs and questions.

#include "core/files/BackupSet.h"
#include "core/files/FileIo.h"
#include "core/files/FolderSearch.h"
#include "core/files/RegBackupFile.h"
#include "core/sides/RegistrationSide.h"

#include <filesystem>
#include <system_error>

namespace tombrel {

namespace {

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(toFsPath(path), ec);
}

// Whether a chosen target is the file being edited. The file system decides: on one that ignores
// case "REG.BUP" is the current "REG.bup", on one that does not it is another file.
bool isSameFile(const std::string& target, const std::string& current) {
    if (current.empty())
        return false;
    if (target == current)
        return true;
    std::error_code ec;
    return std::filesystem::equivalent(toFsPath(target), toFsPath(current), ec) && !ec;
}

FileDialogRequest regBackupFileDialog(const Message& caption, const std::string& initialPath) {
    FileDialogRequest request;
    request.caption = &caption;
    request.filter = std::string(kRegBackupFileFilter);
    request.defaultExtension = std::string(kRegBackupExtension);
    request.initialPath = initialPath;
    return request;
}

} // namespace

bool RegistrationSide::readRegBackup() {
    BusyScope busy(ui_);
    discardContent();

    RegBackupReadResult result = readRegBackupFile(path_);
    // A wrong checksum is only a warning; it comes before any other complaint about the file.
    if (result.checksumMismatch)
        ui_.warn(userMessage(msg::InvalidChecksum));
    if (result.ok || result.error.message == &msg::NoValidRegBackup)
        model_ = result.model;
    if (!result.ok) {
        if (result.error.message)
            ui_.warn(result.error);
        recent_.remove(path_);
        path_.clear();
        return false;
    }

    lines_ = std::move(result.lines);
    applyRegLoadFilters();
    normaliseRegList(0);
    open_ = true;
    recent_.add(path_);
    keyboardNameText_ = std::string(keyboardName(model_));
    refreshCountText();
    return true;
}

bool RegistrationSide::writeRegBackup(bool addToRecent) {
    BusyScope busy(ui_);
    if (std::optional<UserMessage> error = writeRegBackupFile(path_, lines_, model_)) {
        ui_.warn(*error);
        return false;
    }
    if (addToRecent)
        recent_.add(path_);
    untitled_ = modified_ = false;
    if (options_.backupStructure) {
        // A failed description update does not undo the backup written before it.
        if (std::optional<UserMessage> error = updateBackupIni(path_, model_))
            ui_.warn(*error);
    }
    return true;
}

bool RegistrationSide::readRegBackup(const std::string& path) {
    path_ = path;
    return readRegBackup();
}

bool RegistrationSide::saveRegBackupTo(const std::string& path) {
    if (!open_ || path.empty() || !checkSavable(msg::TooManyRegistrations))
        return false;
    const std::string previous = path_;
    const bool pathReplaced = path != path_;
    path_ = path;
    if (writeRegBackup(pathReplaced))
        return true;
    path_ = previous;
    return false;
}

bool RegistrationSide::checkSavable(const Message& tooManyRegistrations) {
    if (registrationCount() > kMaxRegistrations) {
        ui_.warn(userMessage(tooManyRegistrations));
        return false;
    }
    // With empty entries hidden, banks are not padded in the list, so it can hold more than 64
    // bank lines with at most 512 registrations; the file has room for 64 banks only.
    if (regBanksNeeded(lines_) > kRegBankCount) {
        ui_.warn(userMessage(msg::TooManyBanks));
        return false;
    }
    return true;
}

void RegistrationSide::openRegBackup() {
    if (!confirmDiscardRegChanges())
        return;
    if (options_.backupStructure) {
        BackupSetDialogRequest request;
        request.mode = BackupSetDialogMode::Open;
        request.caption = &msg::OpenRegBackupCaption;
        request.iconId = kRegBackupSetIcon;
        request.pattern = std::string(kRegBackupPattern);
        request.noNetwork = options_.noNetworkAccess;
        request.initialPath = lastBackupFolder_;
        const std::optional<BackupSetChoice> choice = ui_.chooseBackupSet(request);
        if (!choice || choice->resultPath.empty())
            return;
        lastBackupFolder_ = choice->currentFolder;
        path_ = choice->resultPath;
    } else {
        const std::optional<std::string> chosen =
            ui_.chooseFileToOpen(regBackupFileDialog(msg::OpenRegBackupCaption, path_));
        if (!chosen || chosen->empty())
            return;
        path_ = *chosen;
    }
    readRegBackup();
}

void RegistrationSide::saveRegBackup() {
    if (!open_ || untitled_)
        return;
    if (!checkSavable(msg::TooManyRegistrations))
        return;
    writeRegBackup(false);
}

bool RegistrationSide::chooseSaveTargetInBackupSet(std::string& target) {
    BackupSetDialogRequest request;
    request.mode = BackupSetDialogMode::Save;
    request.caption = &msg::SaveRegBackupCaption;
    request.iconId = kRegBackupSetIcon;
    request.pattern = std::string(kRegBackupPattern);
    request.noNetwork = options_.noNetworkAccess;
    request.initialPath = untitled_ ? lastBackupFolder_ : stripRegBackupFileName(path_);
    for (;;) {
        const std::optional<BackupSetChoice> choice = ui_.chooseBackupSet(request);
        if (!choice || choice->resultPath.empty())
            return false;
        lastBackupFolder_ = choice->currentFolder;
        // Shown again, the dialog opens where the user just was.
        request.initialPath = choice->currentFolder;
        const std::string chosen = joinPath(choice->resultPath, regBackupFileName(model_));
        if (isSameFile(chosen, path_))
            return true;
        if (fileExists(chosen)) {
            switch (ui_.askYesNoCancel(userMessage(msg::FileExistsOverwriteInBackupSet))) {
            case Answer::Yes:
                target = chosen;
                return true;
            case Answer::No:
                continue;
            case Answer::Cancel:
                return false;
            }
        }
        if (createBackupSetFolder(choice->resultPath)) {
            target = chosen;
            return true;
        }
        ui_.warn(userMessage(msg::ErrorCreatingBackupStructure));
    }
}

bool RegistrationSide::chooseSaveTargetFile(std::string& target) {
    FileDialogRequest request = regBackupFileDialog(msg::SaveRegBackupCaption, path_);
    for (;;) {
        const std::optional<std::string> chosen = ui_.chooseFileToSave(request);
        if (!chosen || chosen->empty())
            return false;
        if (isSameFile(*chosen, path_))
            return true;
        if (fileExists(*chosen)) {
            const Answer answer = ui_.askYesNoCancel(userMessage(msg::FileExistsOverwrite));
            if (answer == Answer::Cancel)
                return false;
            if (answer == Answer::No) {
                request.initialPath = *chosen;
                continue;
            }
        }
        target = *chosen;
        return true;
    }
}

void RegistrationSide::saveRegBackupAs() {
    if (!open_)
        return;
    if (!checkSavable(msg::TooManyRegistrationsSaveAs))
        return;
    // Empty while the current file itself is the target.
    std::string target;
    const bool decided = options_.backupStructure ? chooseSaveTargetInBackupSet(target)
                                                  : chooseSaveTargetFile(target);
    if (!decided)
        return;
    if (target.empty()) {
        writeRegBackup(false);
        return;
    }
    // The pane takes the new name only once the file is written: after a failed Save As it
    // still belongs to the file it came from.
    const std::string previous = path_;
    path_ = target;
    if (!writeRegBackup(true))
        path_ = previous;
}

} // namespace tombrel
