#include "core/files/FileIo.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace tombrel {

namespace fs = std::filesystem;

namespace {

std::string describeErrno(int err) {
    return err != 0 ? std::string(std::strerror(err)) : std::string();
}

} // namespace

std::FILE* openFile(const std::string& utf8Path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    return ::_wfopen(toFsPath(utf8Path).c_str(), wideMode.c_str());
#else
    return std::fopen(utf8Path.c_str(), mode);
#endif
}

fs::path toFsPath(std::string_view utf8Path) {
    return fs::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::string fromFsPath(const fs::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

FileReadResult readWholeFile(const std::string& path, std::optional<uint64_t> requiredSize) {
    FileReadResult result;
    std::error_code ec;
    if (fs::is_directory(toFsPath(path), ec)) {
        result.status = FileReadResult::Status::OpenFailed;
        result.platformError = describeErrno(EISDIR);
        return result;
    }
    errno = 0;
    std::FILE* f = openFile(path, "rb");
    if (!f) {
        result.status = FileReadResult::Status::OpenFailed;
        result.platformError = describeErrno(errno);
        return result;
    }
    struct Closer {
        std::FILE* f;
        ~Closer() { std::fclose(f); }
    } closer{f};

    if (std::fseek(f, 0, SEEK_END) != 0) {
        result.status = FileReadResult::Status::ReadFailed;
        result.platformError = describeErrno(errno);
        return result;
    }
    const long length = std::ftell(f);
    if (length < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
        result.status = FileReadResult::Status::ReadFailed;
        result.platformError = describeErrno(errno);
        return result;
    }
    if (requiredSize && static_cast<uint64_t>(length) != *requiredSize) {
        result.status = FileReadResult::Status::WrongSize;
        return result;
    }
    result.bytes.resize(static_cast<size_t>(length));
    const size_t got =
        result.bytes.empty() ? 0 : std::fread(result.bytes.data(), 1, result.bytes.size(), f);
    if (got != result.bytes.size()) {
        result.status = FileReadResult::Status::ReadFailed;
        result.platformError = std::ferror(f) ? describeErrno(errno) : std::string();
        result.bytes.clear();
        result.bytes.shrink_to_fit();
        return result;
    }
    result.status = FileReadResult::Status::Ok;
    return result;
}

} // namespace tombrel
