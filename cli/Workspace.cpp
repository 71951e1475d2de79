#include "cli/Workspace.h"

#include "core/files/ArchiveFile.h"
#include "core/files/FileIo.h"
#include "core/files/RegBackupFile.h"
#include "core/text/Text1252.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tombrel::cli {

namespace {

constexpr size_t kHeadSize = 24; // the backup header, longer than the archive magic

bool nameEndsInBup(const std::string& path) {
    return path.size() >= 4 &&
           equalsIgnoreCase1252(std::string_view(path).substr(path.size() - 4), ".bup");
}

} // namespace

FileKind fileKindOf(const std::string& path) {
    const std::filesystem::path fsPath = toFsPath(path);
    std::error_code ec;
    const bool regular = std::filesystem::is_regular_file(fsPath, ec);
    const uintmax_t size = regular ? std::filesystem::file_size(fsPath, ec) : 0;
    std::array<uint8_t, kHeadSize> head{};
    size_t got = 0;
    if (regular && !ec) {
        std::ifstream in(fsPath, std::ios::binary);
        in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
        got = static_cast<size_t>(in.gcount());
    }
    if (size == kRegBackupSize && got == kHeadSize &&
        detectKeyboardModel(head.data()) != KeyboardModel::None)
        return FileKind::RegistrationBackup;
    if (got >= kArchiveMagic.size() &&
        std::memcmp(head.data(), kArchiveMagic.data(), kArchiveMagic.size()) == 0)
        return FileKind::Archive;
    return nameEndsInBup(path) ? FileKind::RegistrationBackup : FileKind::Archive;
}

Workspace::Workspace(ConsoleInteraction& ui) : ui_(ui), reg_(ui), archive_(ui) {
    // Paths come from the command line: no backup-set dialog, BACKUP.INI left alone.
    RegSideOptions options;
    options.backupStructure = false;
    reg_.setOptions(options);
}

bool Workspace::load(const std::string& path, RegListFilters filters) {
    kind_ = fileKindOf(path);
    if (kind_ == FileKind::Archive)
        return archive_.readArchive(path);
    RegSideOptions options = reg_.options();
    options.filters = filters;
    reg_.setOptions(options);
    return reg_.readRegBackup(path);
}

bool Workspace::newRegistrationBackup(KeyboardModel model) {
    kind_ = FileKind::RegistrationBackup;
    ui_.setKeyboardTypeAnswer(model);
    reg_.newRegBackup();
    ui_.setKeyboardTypeAnswer(std::nullopt);
    return reg_.isOpen();
}

bool Workspace::openImported(TextFormDocument document) {
    if (document.kind == TextFormKind::RegistrationBackup) {
        kind_ = FileKind::RegistrationBackup;
        return reg_.openImportedRegBackup(regListOfTextForm(document), document.model);
    }
    kind_ = FileKind::Archive;
    return archive_.openImportedArchive(archiveListOfTextForm(document));
}

bool Workspace::save(const std::string& path) {
    ui_.setOverwriteAllowed(true);
    const bool saved =
        kind_ == FileKind::Archive ? archive_.writeArchive(path) : reg_.saveRegBackupTo(path);
    ui_.setOverwriteAllowed(false);
    return saved;
}

KeyboardModel Workspace::model() const {
    return kind_ == FileKind::RegistrationBackup ? reg_.keyboardModel() : KeyboardModel::None;
}

void Workspace::expandAllCategories() {
    archive_.expandAllCategories();
    archive_.recomputeLastCategoryIndex();
}

} // namespace tombrel::cli
