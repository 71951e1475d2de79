// The demo files in examples/ are what make-examples writes, and the tool reads them.

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace tombrel::clitest {
namespace {

const std::filesystem::path kExamples = TOMBREL_EXAMPLES_DIR;

TEST(CliExamples, CommittedFilesAreWhatTheGeneratorWrites) {
    Scratch dir;
    const CliResult r = runCli({"make-examples", dir.path().string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    for (const char* name : {"Demo.buf/REG.bup", "Demo.buf/BACKUP.INI", "Demo.yra"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(std::filesystem::exists(kExamples / name));
        EXPECT_TRUE(readFile(dir.path() / name) == readFile(kExamples / name))
            << "regenerate the demo files (see examples/README.md)";
    }
}

TEST(CliExamples, DemoFilesLoad) {
    const CliResult backup = runCli({"info", (kExamples / "Demo.buf/REG.bup").string()});
    EXPECT_EQ(backup.status, 0);
    EXPECT_EQ(backup.out,
              "kind: registration-backup\nmodel: PSR-9000\nchecksum: ok\nregistrations: 512\n");
    const CliResult archive = runCli({"info", (kExamples / "Demo.yra").string()});
    EXPECT_EQ(archive.status, 0);
    EXPECT_EQ(archive.out.rfind("kind: archive\n", 0), 0u);
}

} // namespace
} // namespace tombrel::clitest
