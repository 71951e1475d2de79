#include "core/files/FileIo.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

using namespace tombrel;
using tombrel::testing::readBytes;
using tombrel::testing::ScratchFolder;
using tombrel::testing::writeBytes;

namespace fs = std::filesystem;

TEST(AtomicFileWriter, ReplacedFileKeepsItsPermissionBits) {
    ScratchFolder dir;
    for (fs::perms mode : {fs::perms(0640), fs::perms(0600), fs::perms(0664)}) {
        const std::string path = dir.file("REG.bup");
        writeBytes(path, std::string("old"));
        fs::permissions(path, mode);
        EXPECT_EQ(writeFileAtomically(path, "new", 3), std::nullopt);
        EXPECT_EQ(readBytes(path), "new");
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, mode)
            << std::oct << static_cast<unsigned>(mode);
    }
}

TEST(AtomicFileWriter, SymbolicLinkIsWrittenThroughAndKept) {
    ScratchFolder dir;
    fs::create_directory(dir.path() / "real");
    writeBytes(dir.file("real/REG.bup"), std::string("old"));
    fs::create_symlink(dir.path() / "real" / "REG.bup", dir.path() / "link.bup");

    EXPECT_EQ(writeFileAtomically(dir.file("link.bup"), "new", 3), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.bup"));
    EXPECT_EQ(readBytes(dir.file("real/REG.bup")), "new");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"link.bup", "real"}));
}

TEST(AtomicFileWriter, FileThatMayNotBeWrittenIsLeftAlone) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    ScratchFolder dir;
    const std::string path = dir.file("REG.bup");
    writeBytes(path, std::string("old"));
    fs::permissions(path, fs::perms(0444));
    const std::optional<std::string> error = writeFileAtomically(path, "new", 3);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, std::strerror(EACCES));
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"REG.bup"});
}

TEST(AtomicFileWriter, WriteThatFailsOnFlushLeavesTheTargetAndNoTemporaryFile) {
    ScratchFolder dir;
    const std::string path = dir.file("BACKUP.INI");
    writeBytes(path, std::string("old"));
    const bool failed = tombrel::testing::runWithFileSizeLimit(8, [&] {
        AtomicFileWriter writer(path);
        // Small enough to sit in the stream's buffer until commit flushes it.
        return writer.open() && writer.write(std::string_view("twenty bytes of text")) &&
               !writer.commit() && writer.platformError() == std::strerror(EFBIG);
    });
    EXPECT_TRUE(failed);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"BACKUP.INI"});
}
