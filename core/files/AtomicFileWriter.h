#pragma once

// Safe whole-file writes. Saving never destroys what was there, even when the program is killed
// or the power fails half way: the bytes go to a new temporary file in the target's folder,
// which is flushed to the medium and then takes the target's place in one step, after which the
// folder is flushed too. At any moment the target holds either its old bytes or the new ones.

#include "core/files/FileSystem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tombrel {

// Writes a file through a temporary file beside it. Usage: open(), write() any number of times,
// commit(). Destroying a writer that was not committed removes the temporary file and leaves the
// target untouched.
//
// - The temporary file is created exclusively under an unpredictable name (".tombrel-", 16
//   random hexadecimal digits, ".tmp"), so nothing planted in the folder can be written through.
// - It has the target's permission bits from the start; a new target gets the usual ones.
// - A file that may not be opened for writing is refused; a symbolic link, even one whose file
//   does not exist yet, is written through to that file and kept.
// - Temporary files of this program that a killed save left in the folder, and that are clearly
//   older than the running program, are removed when the folder is saved to.
// - A failure of any step, flushing to the medium included, is a failed save.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string targetPath, FileSystem& fs = realFileSystem());
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    bool write(const void* data, size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }
    // Flushes the temporary file to the medium, closes it, puts it in the target's place and
    // flushes the folder.
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void discard();

    // The platform's description of the first failure.
    const std::string& platformError() const { return error_; }

private:
    bool fail(int error); // an error number of the file system
    bool fail(const std::error_code& error);
    void closeTemporary();

    FileSystem& fs_;
    std::string target_; // the file finally written, symbolic links followed
    std::string temp_;
    std::optional<FileSystem::Handle> handle_;
    bool failed_ = false;
    std::string error_;
};

// Whether `name` (a file name without folder) is one this program gives its temporary files.
bool isTemporaryFileName(std::string_view name);

// One-shot form: the platform's description on failure, nothing on success.
std::optional<std::string> writeFileAtomically(const std::string& path, const void* data,
                                               size_t size, FileSystem& fs = realFileSystem());

} // namespace tombrel
