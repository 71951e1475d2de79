// Whole-file reads: regular files only, each reader's size limit looked at before anything is
// allocated, and the buffer limit that stands in for a machine out of memory.

#include "core/files/FileIo.h"

#include "HeldFifo.h"
#include "SkipOnWindows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    // Both readers, into a vector and into a FileBuffer, take the same steps.
    const auto check = [](const Case& c, Status status, size_t size, const std::string& error) {
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(size, c.status == Status::Ok ? c.limit.most : 0u);
        if (c.status == Status::TooLarge) {
            EXPECT_EQ(error, std::strerror(EFBIG));
        }
        if (c.status == Status::OpenFailed) {
            EXPECT_NE(error, "");
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileReadResult read = readWholeFile(c.path, c.limit);
        check(c, read.status, read.bytes.size(), read.platformError);
        const FileBufferReadResult buffered = readWholeFileBuffer(c.path, c.limit);
        check(c, buffered.status, buffered.bytes.size(), buffered.platformError);
        if (read.status == Status::Ok) {
            EXPECT_TRUE(std::equal(read.bytes.begin(), read.bytes.end(), buffered.bytes.data()));
        }
    }
}

// A large file's buffer hands back its front while the rest stays as read.
TEST(FileIoRead, BufferKeepsWhatFollowsTheReleasedPart) {
    TempFolder folder;
    const std::string path = folder.file("large.bin");
    std::vector<uint8_t> bytes(3u << 20);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 31 + i / 4099);
    TempFolder::write(path, bytes);

    FileBufferReadResult read = readWholeFileBuffer(path, FileSizeLimit::atMost(4u << 20));
    ASSERT_EQ(read.status, Status::Ok);
    ASSERT_EQ(read.bytes.size(), bytes.size());
    // Steps that do not fall on a page, one behind the other, then one past the end.
    for (size_t offset : {size_t{1} << 20 | 17, (size_t{2} << 20) + 4095, bytes.size() + 1}) {
        read.bytes.releaseBefore(offset);
        if (offset < bytes.size()) {
            EXPECT_TRUE(std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(offset), bytes.end(),
                                   read.bytes.data() + offset));
        }
    }
    // Moved, the buffer goes with its memory.
    FileBuffer moved = std::move(read.bytes);
    EXPECT_EQ(moved.size(), bytes.size());
    EXPECT_TRUE(read.bytes.empty());
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
        EXPECT_THROW(readWholeFileBuffer(path, FileSizeLimit::atMost(1 << 20)), std::bad_alloc);
    }
    const ReadBufferLimitScope limit(4096);
    EXPECT_EQ(readWholeFile(path, FileSizeLimit::atMost(1 << 20)).status, Status::Ok);
}
