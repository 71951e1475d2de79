// The file commands of the archive side: reading and writing the archive, New, Open, Save,
// Save As, Close, the recent archives and the save-changes question.

#include "core/files/ArchiveFile.h"
#include "core/files/FileIo.h"
#include "core/sides/ArchiveSide.h"

#include <cerrno>
#include <new>

namespace tombrel {

namespace {

FileDialogRequest archiveFileDialog(const Message& caption, const std::string& initialPath,
                                    bool overwritePrompt) {
    FileDialogRequest request;
    request.caption = &caption;
    request.filter = std::string(kArchiveFileFilter);
    request.defaultExtension = std::string(kArchiveExtension);
    request.initialPath = initialPath;
    request.overwritePrompt = overwritePrompt;
    return request;
}

} // namespace

void ArchiveSide::discardContent() {
    open_ = untitled_ = modified_ = false;
    list_.clear();
    lastCategory_ = -1;
    countText_.clear();
}

bool ArchiveSide::readArchive(const std::string& path) {
    BusyScope busy(ui_);
    // The file is read before the side lets go of what it holds: when memory runs out on the way,
    // the side stays as it was and says so, like any other failure to read the file.
    ArchiveReadResult result;
    try {
        result = readArchiveFile(path);
    } catch (const std::bad_alloc&) {
        ui_.warn(UserMessage{&msg::ErrorReadingFile, platformErrorText(ENOMEM), {}});
        return false;
    }
    try {
        path_ = path;
        discardContent();
        for (const UserMessage& message : result.messages)
            ui_.warn(message);
        if (!result.ok) {
            recent_.remove(path_);
            path_.clear();
            return false;
        }
        // The reader has marked the empty categories expanded; all others start collapsed.
        list_ = std::move(result.list);
        recomputeLastCategoryIndex();
        open_ = true;
        recent_.add(path_);
        refreshCountText();
        return true;
    } catch (const std::bad_alloc&) {
        // Past the point where the old content was let go: closed, as after a refused file.
        discardContent();
        path_.clear();
        ui_.warn(UserMessage{&msg::ErrorReadingFile, platformErrorText(ENOMEM), {}});
        return false;
    }
}

bool ArchiveSide::writeArchive(const std::string& path) {
    if (path.empty())
        return false;
    BusyScope busy(ui_);
    // The pane takes the new name only once the file is written: after a failed Save As it
    // still belongs to the file it came from.
    if (std::optional<std::vector<UserMessage>> errors = writeArchiveFile(path, list_)) {
        for (const UserMessage& message : *errors)
            ui_.warn(message);
        return false;
    }
    if (path != path_) {
        path_ = path;
        recent_.add(path_);
    }
    untitled_ = modified_ = false;
    return true;
}

bool ArchiveSide::askSaveArchiveChanges() {
    if (!open_ || !modified_)
        return true;
    return askToSaveChanges(ui_, msg::ArchiveChanged, [this] {
        if (untitled_)
            saveArchiveAs();
        else
            saveArchive();
        return !modified_;
    });
}

void ArchiveSide::newArchive() {
    if (!askSaveArchiveChanges())
        return;
    discardContent();
    open_ = untitled_ = true;
    path_.clear();
}

bool ArchiveSide::openImportedArchive(ArchiveList list) {
    if (!askSaveArchiveChanges())
        return false;
    discardContent();
    path_.clear();
    list_ = std::move(list);
    open_ = untitled_ = modified_ = true;
    recomputeLastCategoryIndex();
    refreshCountText();
    return true;
}

void ArchiveSide::openArchive() {
    if (!askSaveArchiveChanges())
        return;
    const std::optional<std::string> chosen =
        ui_.chooseFileToOpen(archiveFileDialog(msg::OpenArchiveCaption, path_, false));
    if (!chosen || chosen->empty())
        return;
    readArchive(*chosen);
}

void ArchiveSide::saveArchive() {
    if (!open_ || untitled_)
        return;
    writeArchive(path_);
}

void ArchiveSide::saveArchiveAs() {
    if (!open_)
        return;
    const std::optional<std::string> chosen =
        ui_.chooseFileToSave(archiveFileDialog(msg::SaveArchiveCaption, path_, true));
    if (!chosen || chosen->empty())
        return;
    writeArchive(*chosen);
}

void ArchiveSide::closeArchive() {
    if (!askSaveArchiveChanges())
        return;
    discardContent();
    path_.clear();
}

void ArchiveSide::selectRecentArchive(int index) {
    const std::optional<std::string> path = recent_.switchTarget(index, path_);
    if (!path || !askSaveArchiveChanges())
        return;
    readArchive(*path);
}

bool ArchiveSide::openArchiveFile(const std::string& path) {
    if (path.empty() || (open_ && path == path_) || !askSaveArchiveChanges())
        return false;
    return readArchive(path);
}

void ArchiveSide::reopenMostRecentArchive() {
    if (!recent_[0].empty())
        readArchive(recent_[0]);
}

} // namespace tombrel
