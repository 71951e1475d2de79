// Files that could hang the tool or fill the memory: each is refused with the reader's message and
// exit status 1, at once, and nothing is written.

#include "CliFixtures.h"
#include "CliRunner.h"

#include "core/files/ArchiveFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>

namespace tombrel::clitest {
namespace {

std::vector<uint8_t> archiveHeader() {
    std::vector<uint8_t> b(kArchiveMagic.begin(), kArchiveMagic.end());
    b.push_back(0);
    return b;
}

// As runCli, with the child's address space limited to `bytes`.
CliResult runCliWithAddressSpace(const std::vector<std::string>& args, rlim_t bytes) {
    struct rlimit saved {};
    ::getrlimit(RLIMIT_AS, &saved);
    struct rlimit limited = saved;
    limited.rlim_cur = bytes;
    // Set in this process around the fork, so that the child starts with it; this process
    // itself allocates nothing large in between.
    ::setrlimit(RLIMIT_AS, &limited);
    CliResult r = runCli(args);
    ::setrlimit(RLIMIT_AS, &saved);
    return r;
}

} // namespace

TEST(CliHostileInput, FifoIsRefusedAtOnce) {
    Scratch dir;
    for (const std::string name : {"REG.bup", "demo.yra"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.file(name);
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        // No writer ever opens the FIFO: a tool that opened it would wait for good.
        const CliResult r = runCli({"info", path});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(lines(r.err).back(), "Error opening file!") << r.err;
    }
}

TEST(CliHostileInput, ArchiveOverTheLimitIsRefusedBeforeReading) {
    Scratch dir;
    const std::string path = dir.file("huge.yra");
    writeFile(path, archiveHeader());
    std::filesystem::resize_file(path, kMaxArchiveFileSize + 1); // sparse
    const CliResult r = runCli({"list", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines(r.err), (std::vector<std::string>{"File too large", "Invalid file size!"}));
}

TEST(CliHostileInput, ArchiveOfEmptyNamesIsRefused) {
    Scratch dir;
    const std::string in = dir.file("names.yra");
    std::vector<uint8_t> bytes = archiveHeader();
    for (int i = 0; i < 1'000'000; ++i) {
        bytes.push_back(0x02);
        bytes.push_back(0);
    }
    writeFile(in, bytes);
    const CliResult r = runCli({"resave", in, "-o", dir.file("out.yra")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.err), std::vector<std::string>{
                                "Too many categories and bank titles in Registration Archive!"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.yra")));
}

// A file within the limit but larger than the memory left: the reading error, not a crash.
TEST(CliHostileInput, RunningOutOfMemoryIsTheFilesReadingError) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    Scratch dir;
    const std::string path = dir.file("large.yra");
    writeFile(path, archiveHeader());
    std::filesystem::resize_file(path, 900'000'000); // sparse, under the archive limit
    const CliResult r = runCliWithAddressSpace({"info", path}, rlim_t{256} << 20);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines(r.err),
              (std::vector<std::string>{"Cannot allocate memory", "Error reading from file!"}));
#endif
}

} // namespace tombrel::clitest
