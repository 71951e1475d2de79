#include "core/files/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>
#endif

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

namespace {

// Bytes from which a FileBuffer takes its memory straight from the system's page allocator, so
// that it can hand pages back before the whole buffer is freed; smaller buffers come from the heap.
constexpr size_t kMappedBufferSize = size_t{1} << 20;

#ifndef _WIN32
constexpr size_t kLargePageSize = size_t{2} << 20;

size_t pageSize() {
    static const size_t size = [] {
        const long page = ::sysconf(_SC_PAGESIZE);
        return page > 0 ? static_cast<size_t>(page) : size_t{4096};
    }();
    return size;
}
#endif

} // namespace

FileBuffer::FileBuffer(size_t size) {
    if (size == 0)
        return;
#ifndef _WIN32
    if (size >= kMappedBufferSize) {
        void* memory =
            ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        data_ = static_cast<uint8_t*>(memory);
        size_ = size;
        mapped_ = true;
        // Large pages where the system has them, and all of them at once: the read is about to
        // fill every byte.
        ::madvise(memory, size, MADV_HUGEPAGE);
        prepareForWriting(memory, size);
        return;
    }
#endif
    data_ = new uint8_t[size]; // left as it is: the read fills it
    size_ = size;
}

FileBuffer::~FileBuffer() {
    free();
}

FileBuffer::FileBuffer(FileBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      released_(std::exchange(other.released_, 0)), mapped_(std::exchange(other.mapped_, false)) {}

FileBuffer& FileBuffer::operator=(FileBuffer&& other) noexcept {
    if (this != &other) {
        free();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        released_ = std::exchange(other.released_, 0);
        mapped_ = std::exchange(other.mapped_, false);
    }
    return *this;
}

void FileBuffer::free() {
    if (!data_)
        return;
#ifndef _WIN32
    if (mapped_)
        ::munmap(data_, size_);
    else
#endif
        delete[] data_;
    data_ = nullptr;
    size_ = released_ = 0;
    mapped_ = false;
}

void prepareForWriting(void* data, size_t size) {
#if !defined(_WIN32) && defined(MADV_POPULATE_WRITE)
    // Whole pages inside the block only: the pages at its edges may hold other data. Where the
    // block spans whole large pages (2 MB), those are asked for as large pages: with small ones,
    // every first access of a page costs as much again on a virtual machine.
    const auto inside = [data, size](size_t page, uintptr_t& begin, uintptr_t& end) {
        begin = (reinterpret_cast<uintptr_t>(data) + page - 1) / page * page;
        end = (reinterpret_cast<uintptr_t>(data) + size) / page * page;
        return end > begin;
    };
    uintptr_t begin = 0, end = 0;
    if (inside(kLargePageSize, begin, end))
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    if (inside(pageSize(), begin, end))
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)size;
#endif
}

void FileBuffer::releaseBefore(size_t offset) {
#ifndef _WIN32
    if (!mapped_)
        return;
    const size_t end = std::min(offset, size_) / pageSize() * pageSize();
    if (end <= released_)
        return;
    // The pages stay mapped (a stray read gives zeros, never a fault) but hold no memory.
    ::madvise(data_ + released_, end - released_, MADV_DONTNEED);
    released_ = end;
#else
    (void)offset;
#endif
}

namespace {

// The steps every whole-file read shares: only a regular file, opened before its size is looked
// at, within the limit; then `allocate(result.bytes, length)` gives the memory to read into and
// one read fills it. On failure `discard(result.bytes)` lets the memory go.
template <class Result, class Allocate, class Discard>
Result readWhole(const std::string& path, FileSizeLimit limit, Allocate allocate, Discard discard) {
    Result result;
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
    const size_t size = static_cast<size_t>(length);
    uint8_t* into = allocate(result.bytes, size);
    // The buffer is used unbuffered: the one read goes straight into it.
    std::setvbuf(f, nullptr, _IONBF, 0);
    errno = 0;
    const size_t got = size == 0 ? 0 : std::fread(into, 1, size, f);
    if (got != size) {
        // Also a file that became shorter since its size was taken.
        result.status = FileReadResult::Status::ReadFailed;
        result.platformError = std::ferror(f) ? describeErrno(errno) : std::string();
        discard(result.bytes);
        return result;
    }
    result.status = FileReadResult::Status::Ok;
    return result;
}

} // namespace

FileReadResult readWholeFile(const std::string& path, FileSizeLimit limit) {
    return readWhole<FileReadResult>(
        path, limit,
        [](std::vector<uint8_t>& bytes, size_t size) {
            bytes.resize(size);
            return bytes.data();
        },
        [](std::vector<uint8_t>& bytes) {
            bytes.clear();
            bytes.shrink_to_fit();
        });
}

FileBufferReadResult readWholeFileBuffer(const std::string& path, FileSizeLimit limit) {
    return readWhole<FileBufferReadResult>(
        path, limit,
        [](FileBuffer& bytes, size_t size) {
            bytes = FileBuffer(size);
            return bytes.data();
        },
        [](FileBuffer& bytes) { bytes = FileBuffer(); });
}

} // namespace tombrel
