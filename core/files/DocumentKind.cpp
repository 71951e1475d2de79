#include "core/files/DocumentKind.h"

#include "core/files/ArchiveFile.h"
#include "core/files/FileIo.h"
#include "core/files/FolderSearch.h"
#include "core/files/RegBackupFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tombrel {

namespace {

// True when the regular file starts with the archive's magic and its NUL.
bool startsWithArchiveMagic(const std::filesystem::path& file) {
    std::array<char, kArchiveMagic.size() + 1> header{};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(header.data(), header.size()))
        return false;
    return std::memcmp(header.data(), kArchiveMagic.data(), kArchiveMagic.size()) == 0 &&
           header.back() == '\0';
}

HandedDocument refused(const Message& message, const std::string& path) {
    HandedDocument document;
    document.path = path;
    document.refusal = UserMessage{&message, {}, path};
    return document;
}

HandedDocument accepted(DocumentKind kind, std::string path) {
    HandedDocument document;
    document.kind = kind;
    document.path = std::move(path);
    return document;
}

} // namespace

DocumentKind documentKindOf(const std::string& path) {
    const std::filesystem::path file = toFsPath(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) ||
        std::filesystem::file_size(file, ec) != kRegBackupSize || ec)
        return DocumentKind::Archive;
    // The model magic lies within the 24-byte header.
    std::array<uint8_t, 24> header{};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size()))
        return DocumentKind::Archive;
    return detectKeyboardModel(header.data()) == KeyboardModel::None ? DocumentKind::Archive
                                                                     : DocumentKind::RegBackup;
}

HandedDocument handedDocument(const std::string& path) {
    const std::filesystem::path file = toFsPath(path);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (std::filesystem::is_directory(status)) {
        // The keyboard names its files in capitals, but a set copied by hand may differ in case;
        // the names are tried in byte order so that the choice does not depend on the folder.
        std::vector<std::string> names = matchingFileNames(path, kRegBackupPattern);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            std::string inside = joinPath(path, name);
            if (documentKindOf(inside) == DocumentKind::RegBackup)
                return accepted(DocumentKind::RegBackup, std::move(inside));
        }
        return refused(msg::NoRegBackupInFolder, path);
    }
    if (!std::filesystem::exists(status))
        return refused(msg::HandedFileNotFound, path);
    if (!std::filesystem::is_regular_file(status))
        return refused(msg::UnknownDocumentKind, path);
    if (documentKindOf(path) == DocumentKind::RegBackup)
        return accepted(DocumentKind::RegBackup, path);
    if (startsWithArchiveMagic(file))
        return accepted(DocumentKind::Archive, path);
    return refused(msg::UnknownDocumentKind, path);
}

} // namespace tombrel
