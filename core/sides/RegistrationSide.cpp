#include "core/sides/RegistrationSide.h"

#include "core/files/BackupSet.h"
#include "core/files/FolderSearch.h"
#include "core/text/Text1252.h"

namespace tombrel {

std::string stripRegBackupFileName(std::string_view path) {
    const std::string name = fileNameOf(path);
    if (name.size() < path.size() &&
        (equalsIgnoreCase1252(name, regBackupFileName(KeyboardModel::Psr9000)) ||
         equalsIgnoreCase1252(name, regBackupFileName(KeyboardModel::Psr9000Pro)))) {
        return parentPathOf(path);
    }
    return std::string(path);
}

std::string recentRegComboText(std::string_view path, bool backupStructure) {
    if (!backupStructure)
        return std::string(path);
    const std::string folder = stripRegBackupFileName(path);
    const std::string name = fileNameOf(folder);
    // Only a set folder has a display form; any other folder is shown as it is.
    if (!hasBackupSetExtension(name))
        return folder;
    return folder.substr(0, folder.size() - name.size()) + backupSetDisplayName(name);
}

void RegistrationSide::loadSettings(const Settings& settings, bool extendedMode) {
    RegSideOptions options;
    options.backupStructure = settings.yamahaBackupStruktur;
    options.noNetworkAccess = settings.noNetworkAccess;
    if (extendedMode) {
        options.filters.hideDuplicateBankTitles = settings.hideDuplicateBankTitles;
        options.filters.hideEmptyEntries = settings.hideEmptyEntries;
    }
    setOptions(options);
    recent_ = RecentList(settings.lastOpenReg);
    lastBackupFolder_ = settings.lastBackupDir;
    model_ = keyboardModelFromInt(settings.lastKeyboard);
    keyboardNameText_ = std::string(keyboardName(model_));
}

void RegistrationSide::storeSettings(Settings& settings) const {
    settings.lastOpenReg = recent_.entries();
    settings.lastBackupDir = lastBackupFolder_;
    settings.lastKeyboard = static_cast<int>(model_);
}

void RegistrationSide::setOptions(const RegSideOptions& options) {
    const bool filtersChanged = !(options.filters == options_.filters);
    options_ = options;
    if (filtersChanged && open_)
        rebuildRegList();
}

void RegistrationSide::normaliseRegList(int start, int* trackedIndex) {
    tombrel::normaliseRegList(lines_, start, trackedIndex, options_.filters);
}

void RegistrationSide::applyRegLoadFilters() {
    tombrel::applyRegLoadFilters(lines_, options_.filters);
}

void RegistrationSide::rebuildRegList() {
    if (!open_)
        return;
    lines_ = canonicalRegList(lines_);
    applyRegLoadFilters();
    normaliseRegList(0);
    refreshCountText();
}

std::string RegistrationSide::regLineText(int index) const {
    return tombrel::regLineText(lines_, index);
}

int RegistrationSide::registrationCount() const {
    return countRegistrations(lines_);
}

void RegistrationSide::refreshCountText() {
    countText_ = open_ ? std::to_string(registrationCount()) : std::string();
}

std::vector<std::string> RegistrationSide::recentRegComboItems() const {
    std::vector<std::string> items = recent_.used();
    for (std::string& item : items)
        item = recentRegComboText(item, options_.backupStructure);
    return items;
}

int RegistrationSide::recentRegComboSelection() const {
    return recent_.indexOf(path_);
}

bool RegistrationSide::confirmDiscardRegChanges() {
    if (!open_ || !modified_)
        return true;
    return askToSaveChanges(ui_, msg::RegistrationsChanged, [this] {
        if (untitled_)
            saveRegBackupAs();
        else
            saveRegBackup();
        return !modified_;
    });
}

void RegistrationSide::discardContent() {
    open_ = untitled_ = modified_ = false;
    keyboardNameText_.clear();
    lines_.clear();
    countText_.clear();
}

void RegistrationSide::newRegBackup() {
    if (!confirmDiscardRegChanges())
        return;
    const std::optional<KeyboardModel> model = ui_.selectKeyboardType(model_);
    if (!model)
        return;
    model_ = *model;
    discardContent();
    open_ = untitled_ = true;
    path_.clear();
    keyboardNameText_ = std::string(keyboardName(model_));
    // A new backup holds no lines at all; saving fills in 64 empty banks.
}

void RegistrationSide::closeRegBackup() {
    if (!confirmDiscardRegChanges())
        return;
    discardContent();
    path_.clear();
}

void RegistrationSide::selectRecentRegistration(int index) {
    const std::optional<std::string> path = recent_.switchTarget(index, path_);
    if (!path || !confirmDiscardRegChanges())
        return;
    path_ = *path;
    readRegBackup();
}

bool RegistrationSide::openRegBackupFile(const std::string& path) {
    if (path.empty() || (open_ && path == path_) || !confirmDiscardRegChanges())
        return false;
    path_ = path;
    return readRegBackup();
}

} // namespace tombrel
