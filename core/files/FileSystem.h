#pragma once

// The few calls a safe save makes on the disk, behind one small interface so that a test can
// watch them, fail any one of them or stop a save at any step. Every call answers 0 or the
// platform's error number, which `describe` turns into the platform's own text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tombrel {

class FileSystem {
public:
    using Handle = std::intptr_t; // a file descriptor, or a HANDLE on Windows

    virtual ~FileSystem() = default;

    // Whether an existing file may be opened for writing; nothing in it changes.
    virtual int checkWritable(const std::string& path) = 0;
    // Creates a new file for writing. Fails when anything, a symbolic link included, already has
    // that name. With `mode` (POSIX permission bits, those of a file being replaced) the file
    // ends up with exactly these bits and never has more; without, it gets a new file's usual
    // ones.
    virtual int createExclusive(const std::string& path, std::optional<unsigned> mode,
                                Handle& handle) = 0;
    // Writes all `size` bytes.
    virtual int write(Handle handle, const void* data, size_t size) = 0;
    // Returns once the file's bytes are on the medium.
    virtual int syncFile(Handle handle) = 0;
    virtual int close(Handle handle) = 0;
    // Puts `from` in the place of `to` in one step; `to` need not exist.
    virtual int replace(const std::string& from, const std::string& to) = 0;
    // Returns once the folder's entries (a replacement just made) are on the medium.
    virtual int syncFolder(const std::string& folder) = 0;
    virtual int remove(const std::string& path) = 0;

    virtual std::string describe(int error) const = 0;
    // Whether createExclusive failed because something already has the name.
    virtual bool isNameTaken(int error) const = 0;
};

// The platform's own file system.
FileSystem& realFileSystem();

} // namespace tombrel
