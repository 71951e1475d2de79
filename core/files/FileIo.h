#pragma once

// Whole-file reads, path conversion, and (through AtomicFileWriter.h) safe whole-file writes.
// Errors carry the platform's own description.

#include "core/files/AtomicFileWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

// Paths are UTF-8 byte strings throughout the program.
std::filesystem::path toFsPath(std::string_view utf8Path);
std::string fromFsPath(const std::filesystem::path& path);

// How large a file a reader takes; every reader names its own. A file over `most` bytes is
// refused before anything is allocated for it; with `exact`, so is a file of any other length.
struct FileSizeLimit {
    uint64_t most = 0;
    bool exact = false;

    static constexpr FileSizeLimit atMost(uint64_t bytes) { return {bytes, false}; }
    static constexpr FileSizeLimit exactly(uint64_t bytes) { return {bytes, true}; }
};

// std::fopen by a UTF-8 path; on Windows through the wide-character call, so that a folder or
// file name outside the ANSI code page opens too.
std::FILE* openFile(const std::string& utf8Path, const char* mode);

struct FileReadResult {
    enum class Status {
        Ok,
        OpenFailed, // also a folder, a FIFO, a device or a socket: only regular files are read
        WrongSize,  // not the exact size asked for
        TooLarge,   // over the reader's limit; platformError describes it
        ReadFailed,
    };
    Status status = Status::OpenFailed;
    std::vector<uint8_t> bytes;
    std::string platformError; // empty when the platform gave no description
};

// The bytes of a whole file in memory that the read fills directly: nothing clears it first. A
// reader that walks the bytes from the front may hand back the part it is done with while it goes
// on, so that a large file and what is built from it are not both held in full.
class FileBuffer {
public:
    FileBuffer() = default;
    // Memory for `size` bytes, not yet filled; std::bad_alloc when there is none.
    explicit FileBuffer(size_t size);
    ~FileBuffer();
    FileBuffer(FileBuffer&& other) noexcept;
    FileBuffer& operator=(FileBuffer&& other) noexcept;
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;

    uint8_t* data() { return data_; }
    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Gives the memory of the bytes before `offset` back to the system where the platform allows
    // it (whole pages only). Those bytes must not be read again.
    void releaseBefore(size_t offset);

private:
    void free();

    uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t released_ = 0; // bytes at the front already handed back
    bool mapped_ = false; // from the system's page allocator rather than the heap
};

// Asks the system for the memory pages of a block that is about to be written in full, in one step
// instead of one page fault per page (on a virtual machine each fault is costly). Only a hint:
// where the platform cannot, the pages come as they are first written.
void prepareForWriting(void* data, size_t size);

struct FileBufferReadResult {
    FileReadResult::Status status = FileReadResult::Status::OpenFailed;
    FileBuffer bytes;
    std::string platformError;
};

// Reads the whole of a regular file in one read, within `limit`. Anything else (a FIFO, a device)
// is refused without being opened, so that a read never waits for a writer that does not come.
// A buffer over readBufferLimit() throws std::bad_alloc; the commands that read files catch it.
FileReadResult readWholeFile(const std::string& path, FileSizeLimit limit);
// The same read into a FileBuffer, for the large files that are walked once from the front.
FileBufferReadResult readWholeFileBuffer(const std::string& path, FileSizeLimit limit);

// The largest buffer one read may take for a file's bytes: beyond it the read fails as an
// allocator that has run out of memory fails, with std::bad_alloc. Unlimited unless lowered; tests
// lower it to stand for a machine without that much free memory.
size_t readBufferLimit();
void setReadBufferLimit(size_t bytes);

// The platform's description of an errno value ("Cannot allocate memory" for ENOMEM).
std::string platformErrorText(int errnoValue);

} // namespace tombrel
