// Files that could hang the tool or fill the memory: each is refused with the reader's message and
// exit status 1, at once, and nothing is written.

#include "CliFixtures.h"
#include "CliRunner.h"
#include "SkipOnWindows.h"

#include "core/files/ArchiveFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace tombrel::clitest {
namespace {

std::vector<uint8_t> archiveHeader() {
    std::vector<uint8_t> b(kArchiveMagic.begin(), kArchiveMagic.end());
    b.push_back(0);
    return b;
}

#ifndef _WIN32
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
#endif

} // namespace

TEST(CliHostileInput, FifoIsRefusedAtOnce) {
    TOMBREL_SKIP_ON_WINDOWS("no FIFOs in the file system");
#ifndef _WIN32
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
#endif
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
    TOMBREL_SKIP_ON_WINDOWS("the address space limit of a child process is POSIX's");
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#elif !defined(_WIN32)
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
