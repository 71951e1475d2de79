#pragma once

// A FIFO that the test holds open for writing, so that a reader which opened it anyway would find
// a writer and come back (with the wrong answer) instead of waiting for one forever. Windows has
// no FIFOs in the file system: there `ok()` is false and the tests skip before they make one.

#include <string>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tombrel::testing {

class HeldFifo {
public:
    explicit HeldFifo(const std::string& path) {
#ifndef _WIN32
        if (::mkfifo(path.c_str(), 0600) == 0)
            fd_ = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
#else
        static_cast<void>(path);
#endif
    }
    ~HeldFifo() {
#ifndef _WIN32
        if (fd_ >= 0)
            ::close(fd_);
#endif
    }
    HeldFifo(const HeldFifo&) = delete;
    HeldFifo& operator=(const HeldFifo&) = delete;

    bool ok() const {
        return fd_ >= 0;
    }

private:
    int fd_ = -1;
};

} // namespace tombrel::testing
