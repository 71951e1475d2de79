#pragma once

// Whole-file reads and safe whole-file writes. Saving never destroys what was there: the bytes go
// to a temporary file in the same folder, which replaces the target only when every byte is
// written and flushed. Errors carry the platform's own description.

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

struct FileReadResult {
    enum class Status { Ok, OpenFailed, WrongSize, ReadFailed };
    Status status = Status::OpenFailed;
    std::vector<uint8_t> bytes;
    std::string platformError; // empty when the platform gave no description
};

// Reads the whole file in one read. With `requiredSize`, a file of another length is refused
// (WrongSize) before any byte is read.
FileReadResult readWholeFile(const std::string& path,
                             std::optional<uint64_t> requiredSize = std::nullopt);

// Writes a file through a temporary file beside it. Usage: open(), write() any number of times,
// commit(). Destroying a writer that was not committed removes the temporary file and leaves the
// target untouched. A replaced file keeps its permission bits; a file that may not be opened for
// writing is refused; a symbolic link is written through, not replaced.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string targetPath);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    bool write(const void* data, size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }
    // Flushes, closes and renames the temporary file over the target.
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void discard();

    // The platform's description of the first failure.
    const std::string& platformError() const { return error_; }

private:
    void fail();

    std::string target_;
    std::string temp_;
    std::optional<std::filesystem::perms> keepPermissions_; // of the file being replaced
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::string error_;
};

// One-shot form: the platform's description on failure, nothing on success.
std::optional<std::string> writeFileAtomically(const std::string& path, const void* data,
                                               size_t size);

} // namespace tombrel
