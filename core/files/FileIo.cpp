#include "core/files/FileIo.h"

#include <atomic>
#include <cerrno>
#include <chrono>
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

// A name that no other writer in this process or another one is likely to pick.
std::string temporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path p = toFsPath(target);
    std::string name = "." + fromFsPath(p.filename()) + ".tmp" + std::to_string(ticks % 1000000) +
                       "-" + std::to_string(counter++);
    return fromFsPath(p.parent_path() / toFsPath(name));
}

} // namespace

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
    std::FILE* f = std::fopen(fromFsPath(fsPath).c_str(), "rb");
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

AtomicFileWriter::AtomicFileWriter(std::string targetPath) : target_(std::move(targetPath)) {}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

void AtomicFileWriter::fail() {
    if (!failed_) {
        failed_ = true;
        error_ = describeErrno(errno);
    }
}

bool AtomicFileWriter::open() {
    std::error_code ec;
    // Saving through a symbolic link updates the file it points to and keeps the link.
    if (fs::is_symlink(fs::symlink_status(toFsPath(target_), ec))) {
        const fs::path real = fs::canonical(toFsPath(target_), ec);
        if (!ec)
            target_ = fromFsPath(real);
    }
    const fs::file_status status = fs::status(toFsPath(target_), ec);
    if (fs::is_directory(status)) {
        errno = EISDIR;
        fail();
        return false;
    }
    keepPermissions_.reset();
    if (fs::is_regular_file(status)) {
        // A file that may not be written stays as it is, although the folder would let us
        // replace it.
        errno = 0;
        std::FILE* probe = std::fopen(target_.c_str(), "r+b");
        if (!probe) {
            fail();
            return false;
        }
        std::fclose(probe);
        keepPermissions_ = status.permissions();
    }
    temp_ = temporaryNameFor(target_);
    errno = 0;
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_) {
        fail();
        temp_.clear();
        return false;
    }
    return true;
}

bool AtomicFileWriter::write(const void* data, size_t size) {
    if (failed_ || !file_)
        return false;
    if (size == 0)
        return true;
    errno = 0;
    if (std::fwrite(data, 1, size, file_) != size) {
        fail();
        return false;
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (failed_ || !file_)
        return false;
    errno = 0;
    const bool flushed = std::fflush(file_) == 0;
    if (!flushed)
        fail();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed)
        fail();
    if (failed_) {
        discard();
        return false;
    }
    std::error_code ec;
    if (keepPermissions_) {
        // The new file takes the place of the old one with the same access rights.
        std::error_code permEc;
        fs::permissions(toFsPath(temp_), *keepPermissions_, fs::perm_options::replace, permEc);
    }
    fs::rename(toFsPath(temp_), toFsPath(target_), ec);
    if (ec) {
        failed_ = true;
        error_ = ec.message();
        discard();
        return false;
    }
    temp_.clear();
    return true;
}

void AtomicFileWriter::discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        fs::remove(toFsPath(temp_), ec);
        temp_.clear();
    }
}

std::optional<std::string> writeFileAtomically(const std::string& path, const void* data,
                                               size_t size) {
    AtomicFileWriter writer(path);
    if (writer.open() && writer.write(data, size) && writer.commit())
        return std::nullopt;
    return writer.platformError();
}

} // namespace tombrel
