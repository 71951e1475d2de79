#include "core/files/FileIo.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
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

namespace {

size_t gReadBufferLimit = std::numeric_limits<size_t>::max();

} // namespace

size_t readBufferLimit() {
    return gReadBufferLimit;
}

void setReadBufferLimit(size_t bytes) {
    gReadBufferLimit = bytes;
}

std::string platformErrorText(int errnoValue) {
    return describeErrno(errnoValue);
}

FileReadResult readWholeFile(const std::string& path, FileSizeLimit limit) {
    FileReadResult result;
    const fs::path fsPath = toFsPath(path);
    std::error_code ec;
    // The type is looked at before the file is opened: opening a FIFO waits for a writer, and a
    // device may never end.
    const fs::file_status status = fs::status(fsPath, ec);
    if (ec) {
        result.status = FileReadResult::Status::OpenFailed;
        result.platformError = ec.message();
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.status = FileReadResult::Status::OpenFailed;
        result.platformError = fs::is_directory(status) ? describeErrno(EISDIR) : std::string();
        return result;
    }

    // A regular file opens at once; a file that cannot be opened says so before its size is
    // looked at.
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

    const uintmax_t length = fs::file_size(fsPath, ec);
    if (ec) {
        result.status = FileReadResult::Status::ReadFailed;
        result.platformError = ec.message();
        return result;
    }
    if (limit.exact && length != limit.most) {
        result.status = FileReadResult::Status::WrongSize;
        return result;
    }
    if (length > limit.most) {
        result.status = FileReadResult::Status::TooLarge;
        result.platformError = describeErrno(EFBIG);
        return result;
    }

    if (length > readBufferLimit())
        throw std::bad_alloc();
    result.bytes.resize(static_cast<size_t>(length));
    errno = 0;
    const size_t got =
        result.bytes.empty() ? 0 : std::fread(result.bytes.data(), 1, result.bytes.size(), f);
    if (got != result.bytes.size()) {
        // Also a file that became shorter since its size was taken.
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
