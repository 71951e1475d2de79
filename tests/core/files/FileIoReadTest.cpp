// Whole-file reads: regular files only, each reader's size limit looked at before anything is
// allocated, and the buffer limit that stands in for a machine out of memory.

#include "core/files/FileIo.h"

#include "HeldFifo.h"
#include "SkipOnWindows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <vector>

using namespace tombrel;
using tombrel::test::TempFolder;
using tombrel::testing::HeldFifo;

namespace {

namespace fs = std::filesystem;
using Status = FileReadResult::Status;

// Lowers the read buffer limit for one test.
class ReadBufferLimitScope {
public:
    explicit ReadBufferLimitScope(size_t bytes) : saved_(readBufferLimit()) {
        setReadBufferLimit(bytes);
    }
    ~ReadBufferLimitScope() { setReadBufferLimit(saved_); }

private:
    size_t saved_;
};

} // namespace

TEST(FileIoRead, RegularFilesWithinTheLimitAreRead) {
    TempFolder folder;
    const std::string path = folder.file("ten.bin");
    TempFolder::write(path, std::vector<uint8_t>(10, 0x5A));
    TempFolder::write(folder.file("empty.bin"), {});

    struct Case {
        const char* name;
        std::string path;
        FileSizeLimit limit;
        Status status;
    };
    const Case cases[] = {
        {"exact size", path, FileSizeLimit::exactly(10), Status::Ok},
        {"one byte more than exact", path, FileSizeLimit::exactly(11), Status::WrongSize},
        {"one byte less than exact", path, FileSizeLimit::exactly(9), Status::WrongSize},
        {"at the limit", path, FileSizeLimit::atMost(10), Status::Ok},
        {"one byte over the limit", path, FileSizeLimit::atMost(9), Status::TooLarge},
        {"empty file", folder.file("empty.bin"), FileSizeLimit::atMost(0), Status::Ok},
        {"missing file", folder.file("missing.bin"), FileSizeLimit::atMost(100),
         Status::OpenFailed},
        {"folder", folder.path(), FileSizeLimit::atMost(100), Status::OpenFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileReadResult read = readWholeFile(c.path, c.limit);
        EXPECT_EQ(read.status, c.status);
        if (c.status == Status::Ok) {
            EXPECT_EQ(read.bytes.size(), c.limit.most);
        } else {
            EXPECT_TRUE(read.bytes.empty());
        }
        if (c.status == Status::TooLarge) {
            EXPECT_EQ(read.platformError, std::strerror(EFBIG));
        }
        if (c.status == Status::OpenFailed) {
            EXPECT_NE(read.platformError, "");
        }
    }
}

// Opening a FIFO waits for a writer: it is not opened.
TEST(FileIoRead, FifosAreRefusedWithoutBeingOpened) {
    TOMBREL_SKIP_ON_WINDOWS("no FIFOs in the file system");
    TempFolder folder;
    const std::string fifo = folder.file("REG.bup");
    HeldFifo held(fifo);
    ASSERT_TRUE(held.ok());
    const FileReadResult read = readWholeFile(fifo, FileSizeLimit::atMost(1 << 20));
    EXPECT_EQ(read.status, Status::OpenFailed);
    EXPECT_TRUE(read.bytes.empty());
}

// A device may never end (or, as the null device, pretend to be an empty file): not opened.
TEST(FileIoRead, DevicesAreRefusedWithoutBeingOpened) {
#ifdef _WIN32
    const std::vector<std::string> devices = {"NUL"};
#else
    const std::vector<std::string> devices = {"/dev/zero", "/dev/null"};
#endif
    for (const std::string& path : devices) {
        SCOPED_TRACE(path);
        const FileReadResult read = readWholeFile(path, FileSizeLimit::atMost(1 << 20));
        EXPECT_EQ(read.status, Status::OpenFailed);
        EXPECT_TRUE(read.bytes.empty());
    }
}

// A file far over the limit costs nothing: its size is known before a buffer is asked for.
TEST(FileIoRead, SizeLimitComesBeforeTheBuffer) {
    TempFolder folder;
    const std::string path = folder.file("huge.yra");
    TempFolder::write(path, {});
    fs::resize_file(toFsPath(path), 3ull << 30); // sparse: takes no room on the disk
    const ReadBufferLimitScope noMemory(1 << 20);
    FileReadResult read;
    ASSERT_NO_THROW(read = readWholeFile(path, FileSizeLimit::atMost(1ull << 30)));
    EXPECT_EQ(read.status, Status::TooLarge);
    ASSERT_NO_THROW(read = readWholeFile(path, FileSizeLimit::exactly(241692)));
    EXPECT_EQ(read.status, Status::WrongSize);
}

TEST(FileIoRead, BufferOverTheReadBufferLimitFailsAsAnAllocation) {
    TempFolder folder;
    const std::string path = folder.file("big.yra");
    TempFolder::write(path, std::vector<uint8_t>(4096, 1));
    {
        const ReadBufferLimitScope limit(4095);
        EXPECT_THROW(readWholeFile(path, FileSizeLimit::atMost(1 << 20)), std::bad_alloc);
    }
    const ReadBufferLimitScope limit(4096);
    EXPECT_EQ(readWholeFile(path, FileSizeLimit::atMost(1 << 20)).status, Status::Ok);
}
