#include "core/files/FileSystem.h"

#include "core/files/FileIo.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tombrel {

namespace {

#ifdef _WIN32

std::wstring widePath(const std::string& path) {
    return toFsPath(path).wstring();
}

int lastError() {
    const DWORD error = GetLastError();
    return error != 0 ? static_cast<int>(error) : static_cast<int>(ERROR_GEN_FAILURE);
}

class WindowsFileSystem : public FileSystem {
public:
    int checkWritable(const std::string& path) override {
        const HANDLE h = CreateFileW(widePath(path).c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return lastError();
        CloseHandle(h);
        return 0;
    }

    // The new file takes the folder's access rights, as every file created there does.
    int createExclusive(const std::string& path, std::optional<unsigned>, Handle& handle) override {
        const HANDLE h = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return lastError();
        handle = reinterpret_cast<Handle>(h);
        return 0;
    }

    int write(Handle handle, const void* data, size_t size) override {
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
            DWORD written = 0;
            if (!WriteFile(reinterpret_cast<HANDLE>(handle), p, chunk, &written, nullptr))
                return lastError();
            if (written == 0)
                return static_cast<int>(ERROR_WRITE_FAULT);
            p += written;
            size -= written;
        }
        return 0;
    }

    int syncFile(Handle handle) override {
        return FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) ? 0 : lastError();
    }

    int close(Handle handle) override {
        return CloseHandle(reinterpret_cast<HANDLE>(handle)) ? 0 : lastError();
    }

    // Write-through makes the new entry durable before the call returns.
    int replace(const std::string& from, const std::string& to) override {
        return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? 0
                   : lastError();
    }

    int syncFolder(const std::string&) override { return 0; }

    int remove(const std::string& path) override {
        return DeleteFileW(widePath(path).c_str()) ? 0 : lastError();
    }

    std::string describe(int error) const override {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::string out;
        if (length > 0 && text) {
            const std::filesystem::path asPath(std::wstring(text, length));
            out = fromFsPath(asPath);
            while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' '))
                out.pop_back();
        }
        if (text)
            LocalFree(text);
        return out;
    }

    bool isNameTaken(int error) const override {
        return error == static_cast<int>(ERROR_FILE_EXISTS) ||
               error == static_cast<int>(ERROR_ALREADY_EXISTS);
    }
};

#else

class PosixFileSystem : public FileSystem {
public:
    int checkWritable(const std::string& path) override {
        // Non-blocking, so that a named pipe cannot hold the save up.
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return errno;
        ::close(fd);
        return 0;
    }

    int createExclusive(const std::string& path, std::optional<unsigned> mode,
                        Handle& handle) override {
        const mode_t wanted = mode ? static_cast<mode_t>(*mode & 07777) : mode_t(0666);
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, wanted);
        if (fd < 0)
            return errno;
        // The umask may have taken bits away that the replaced file had; they are given back
        // only now, so the file is never more open than the one it replaces.
        struct stat st {};
        int error = 0;
        if (mode) {
            if (::fstat(fd, &st) != 0)
                error = errno;
            else if ((st.st_mode & 07777) != wanted && ::fchmod(fd, wanted) != 0)
                error = errno;
        }
        if (error != 0) {
            ::close(fd);
            ::unlink(path.c_str());
            return error;
        }
        handle = fd;
        return 0;
    }

    int write(Handle handle, const void* data, size_t size) override {
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            const ssize_t n = ::write(static_cast<int>(handle), p, size);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            if (n == 0)
                return EIO;
            p += n;
            size -= static_cast<size_t>(n);
        }
        return 0;
    }

    int syncFile(Handle handle) override {
        while (::fsync(static_cast<int>(handle)) != 0) {
            if (errno != EINTR)
                return errno;
        }
        return 0;
    }

    int close(Handle handle) override { return ::close(static_cast<int>(handle)) == 0 ? 0 : errno; }

    int replace(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    }

    int syncFolder(const std::string& folder) override {
        const int fd =
            ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return errno == EACCES ? 0 : errno; // a folder we may write but not read
        int error = 0;
        while (::fsync(fd) != 0) {
            if (errno == EINTR)
                continue;
            // Some file systems cannot sync a folder at all; their entries are as safe as they
            // get.
            if (errno != EINVAL && errno != ENOTSUP && errno != EOPNOTSUPP)
                error = errno;
            break;
        }
        ::close(fd);
        return error;
    }

    int remove(const std::string& path) override { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

    std::string describe(int error) const override {
        return error != 0 ? std::string(std::strerror(error)) : std::string();
    }

    bool isNameTaken(int error) const override { return error == EEXIST; }
};

#endif

} // namespace

FileSystem& realFileSystem() {
#ifdef _WIN32
    static WindowsFileSystem fs;
#else
    static PosixFileSystem fs;
#endif
    return fs;
}

} // namespace tombrel
