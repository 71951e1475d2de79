#include "core/files/DocumentKind.h"

#include "core/files/FileIo.h"
#include "core/files/RegBackupFile.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tombrel {

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

} // namespace tombrel
