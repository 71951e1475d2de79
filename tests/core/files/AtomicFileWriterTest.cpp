#include "core/files/FileIo.h"

#include "FakeFileSystem.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>

#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

using namespace tombrel;
using tombrel::testing::readBytes;
using tombrel::testing::ScratchFolder;
using tombrel::testing::writeBytes;

namespace fs = std::filesystem;

TEST(AtomicFileWriter, ReplacedFileKeepsItsPermissionBits) {
    TOMBREL_SKIP_ON_WINDOWS("no POSIX permission bits");
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
    TOMBREL_SKIP_ON_WINDOWS("symbolic links need a privilege");
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
#ifdef _WIN32
    // The read-only attribute, which stops every user.
    const std::string denied = realFileSystem().describe(5); // ERROR_ACCESS_DENIED
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    const std::string denied = std::strerror(EACCES);
#endif
    ScratchFolder dir;
    const std::string path = dir.file("REG.bup");
    writeBytes(path, std::string("old"));
    fs::permissions(path, fs::perms(0444));
#ifdef _WIN32
    if (std::ofstream(path, std::ios::app)) {
        fs::permissions(path, fs::perms(0644));
        GTEST_SKIP() << "the read-only attribute does not stop this user (wine run as root)";
    }
#endif
    const std::optional<std::string> error = writeFileAtomically(path, "new", 3);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, denied);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"REG.bup"});
    fs::permissions(path, fs::perms(0644)); // a read-only file could not be removed on Windows
}

TEST(AtomicFileWriter, WriteThatFailsLeavesTheTargetAndNoTemporaryFile) {
    TOMBREL_SKIP_ON_WINDOWS(
        "a write that fails halfway is made by a child process with a file size limit");
    ScratchFolder dir;
    const std::string path = dir.file("BACKUP.INI");
    writeBytes(path, std::string("old"));
    const bool failed = tombrel::testing::runWithFileSizeLimit(8, [&] {
        AtomicFileWriter writer(path);
        // The first 8 bytes go in, the rest is refused.
        return writer.open() && !writer.write(std::string_view("twenty bytes of text")) &&
               !writer.commit() && writer.platformError() == std::strerror(EFBIG);
    });
    EXPECT_TRUE(failed);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"BACKUP.INI"});
}

// ---- Through the file-system layer ----------------------------------------------------------

namespace {

using tombrel::test::FakeFileSystem;
using Op = FakeFileSystem::Op;

std::string fileName(const std::string& path) {
    return fs::path(path).filename().string();
}

// Sets the process's umask for the life of the object.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(previous_); }

private:
    mode_t previous_;
};

} // namespace

TEST(AtomicFileWriter, FlushesTheFileBeforeReplacingTheTargetAndTheFolderAfterIt) {
    ScratchFolder dir;
    const std::string path = dir.file("REG.bup");
    writeBytes(path, std::string("old"));
    const std::string image(150000, 'n');
    FakeFileSystem fake;
    EXPECT_EQ(writeFileAtomically(path, image.data(), image.size(), fake), std::nullopt);
    EXPECT_EQ(readBytes(path), image);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"REG.bup"});

    ASSERT_EQ(fake.ops(),
              (std::vector<Op>{Op::CheckWritable, Op::Create, Op::Write, Op::Write, Op::Write,
                               Op::SyncFile, Op::Close, Op::Replace, Op::SyncFolder}));
    const std::vector<FakeFileSystem::Call>& calls = fake.calls();
    EXPECT_EQ(calls[0].path, path);
    // The temporary file sits beside the target, so that replacing it is one step.
    EXPECT_EQ(fs::path(calls[1].path).parent_path(), dir.path());
    EXPECT_TRUE(isTemporaryFileName(fileName(calls[1].path))) << calls[1].path;
    EXPECT_EQ(calls[2].size + calls[3].size + calls[4].size, image.size());
    for (int i = 2; i <= 6; ++i)
        EXPECT_EQ(calls[i].path, calls[1].path);
    EXPECT_EQ(calls[7].path, path);
    EXPECT_EQ(calls[8].path, dir.path().string());
}

TEST(AtomicFileWriter, EveryFailedStepIsAFailedSave) {
    struct Case {
        const char* what;
        int step; // CheckWritable, Create, Write, SyncFile, Close, Replace, SyncFolder
        int error;
        const char* target; // what the target holds afterwards
    };
    const Case cases[] = {
        {"target may not be written", 1, EACCES, "old"},
        {"no room for the temporary file", 2, ENOSPC, "old"},
        {"write", 3, ENOSPC, "old"},
        {"flushing the file to the medium", 4, EIO, "old"},
        {"closing", 5, EIO, "old"},
        {"replacing the target", 6, EBUSY, "old"},
        // The new bytes are in place, but whether the replacement lasts is not known.
        {"flushing the folder", 7, EIO, "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        const std::string path = dir.file("REG.bup");
        writeBytes(path, std::string("old"));
        FakeFileSystem fake;
        fake.failAt(c.step, c.error);
        // The error number is the platform's, and so is its text.
        EXPECT_EQ(writeFileAtomically(path, "new", 3, fake), realFileSystem().describe(c.error));
        EXPECT_EQ(readBytes(path), c.target);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"REG.bup"});
    }
}

TEST(AtomicFileWriter, NothingPlantedAtTheTemporaryNameIsWrittenThrough) {
    struct Case {
        const char* what;
        bool everyName; // planted at every name tried, or only at the first
        bool dangling;  // a link to a file that does not exist, or to an existing one
        bool link;      // a symbolic link, or a plain file
    };
    const Case cases[] = {
        {"link to a file, first name", false, false, true},
        {"dangling link, first name", false, true, true},
        {"plain file, first name", false, false, false},
        {"link to a file, every name", true, false, true},
        {"dangling link, every name", true, true, true},
    };
    for (const Case& c : cases) {
#ifdef _WIN32
        if (c.link)
            continue; // symbolic links need a privilege there: told below
#endif
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        const std::string path = dir.file("REG.bup");
        const std::string victim = dir.file("victim.txt");
        writeBytes(path, std::string("old"));
        if (!c.dangling)
            writeBytes(victim, std::string("precious"));
        std::vector<std::string> planted;
        FakeFileSystem fake;
        fake.beforeCreate = [&](const std::string& temp) {
            if (!c.everyName && !planted.empty())
                return;
            planted.push_back(temp);
            if (c.link)
                fs::create_symlink(victim, temp);
            else
                writeBytes(temp, std::string("someone else's"));
        };

        const std::optional<std::string> error = writeFileAtomically(path, "new", 3, fake);
        if (c.everyName) {
            EXPECT_EQ(error, std::string(std::strerror(EEXIST)));
            EXPECT_EQ(readBytes(path), "old");
            // A bounded number of fresh, unpredictable names was tried.
            EXPECT_EQ(planted.size(), 16u);
            std::vector<std::string> names = planted;
            std::sort(names.begin(), names.end());
            EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
        } else {
            EXPECT_EQ(error, std::nullopt);
            EXPECT_EQ(readBytes(path), "new");
            ASSERT_EQ(planted.size(), 1u);
        }
        EXPECT_FALSE(fs::is_symlink(path));
        if (c.dangling)
            EXPECT_FALSE(fs::exists(fs::symlink_status(victim)));
        else
            EXPECT_EQ(readBytes(victim), "precious");
        // What others put there is theirs: it stays.
        for (const std::string& p : planted) {
            EXPECT_TRUE(fs::exists(fs::symlink_status(p))) << p;
            EXPECT_TRUE(isTemporaryFileName(fileName(p))) << p;
        }
    }
    TOMBREL_SKIP_ON_WINDOWS("the cases with symbolic links, as they need a privilege");
}

TEST(AtomicFileWriter, TemporaryFileIsNeverMoreOpenThanTheFileItReplaces) {
    TOMBREL_SKIP_ON_WINDOWS("no POSIX permission bits or umask");
    struct Case {
        mode_t umask;
        std::optional<unsigned> target; // none: a new file
        unsigned final;
    };
    const Case cases[] = {
        {022, 0600, 0600}, {022, 0640, 0640},         {022, 0664, 0664},
        {077, 0664, 0664}, {022, std::nullopt, 0644}, {027, std::nullopt, 0640},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::oct << "umask " << c.umask << " target "
                                          << (c.target ? *c.target : 0));
        ScopedUmask mask(c.umask);
        ScratchFolder dir;
        const std::string path = dir.file("REG.bup");
        if (c.target) {
            writeBytes(path, std::string("old"));
            fs::permissions(path, fs::perms(*c.target));
        }
        FakeFileSystem fake;
        ASSERT_EQ(writeFileAtomically(path, "new", 3, fake), std::nullopt);
        const auto create =
            std::find_if(fake.calls().begin(), fake.calls().end(),
                         [](const FakeFileSystem::Call& call) { return call.op == Op::Create; });
        ASSERT_NE(create, fake.calls().end());
        EXPECT_EQ(create->mode & ~c.final, 0u) << std::oct << create->mode;
        EXPECT_EQ(static_cast<unsigned>(fs::status(path).permissions() & fs::perms::mask), c.final);
    }
}

TEST(AtomicFileWriter, DanglingLinkIsWrittenThroughToItsFile) {
    TOMBREL_SKIP_ON_WINDOWS("symbolic links need a privilege");
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links; // name, what it points to
        std::optional<int> error;
    };
    ScratchFolder dir;
    const std::string real = dir.file("real/REG.bup");
    const Case cases[] = {
        {"absolute", {{"REG.bup", real}}, std::nullopt},
        {"relative", {{"REG.bup", "real/REG.bup"}}, std::nullopt},
        {"chain of links", {{"REG.bup", "real/link"}, {"real/link", "REG.bup"}}, std::nullopt},
        {"into a missing folder", {{"REG.bup", "gone/REG.bup"}}, ENOENT},
        {"loop", {{"REG.bup", "REG.bup"}}, ELOOP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir.path());
        fs::create_directories(dir.path() / "real");
        for (const auto& [name, to] : c.links)
            fs::create_symlink(to, dir.path() / name);

        const std::optional<std::string> error = writeFileAtomically(dir.file("REG.bup"), "new", 3);
        EXPECT_TRUE(fs::is_symlink(dir.path() / "REG.bup"));
        if (c.error) {
            EXPECT_EQ(error, std::string(std::strerror(*c.error)));
            EXPECT_FALSE(fs::exists(real));
        } else {
            EXPECT_EQ(error, std::nullopt);
            EXPECT_EQ(readBytes(real), "new");
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(real)));
        }
    }
}

TEST(AtomicFileWriter, StaleTemporaryFilesOfThisProgramGoWhenTheFolderIsSavedTo) {
    enum Kind { File, Folder, Link };
    struct Case {
        std::string name;
        bool old; // last written before this program started
        Kind kind;
        bool removed;
    };
    const Case cases[] = {
        {".tombrel-0123456789abcdef.tmp", true, File, true},
        {".tombrel-fedcba9876543210.tmp", true, File, true},
        // Maybe a save of another copy of the program, running now.
        {".tombrel-00112233445566ff.tmp", false, File, false},
        // Not this program's names.
        {".tombrel-0123456789ABCDEF.tmp", true, File, false},
        {".tombrel-0123456789abcde.tmp", true, File, false},
        {".tombrel-0123456789abcdefa.tmp", true, File, false},
        {".tombrel-0123456789abcdeg.tmp", true, File, false},
        {".tombrel-0123456789abcdef.tmp~", true, File, false},
        {"tombrel-0123456789abcdef.tmp", true, File, false},
        {".REG.bup.tmp123456-0", true, File, false},
        {"REG.bup.tmp", true, File, false},
        // The right name, but not a file this program wrote.
        {".tombrel-aaaaaaaaaaaaaaaa.tmp", true, Folder, false},
        {".tombrel-bbbbbbbbbbbbbbbb.tmp", true, Link, false},
    };
    ScratchFolder dir;
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::create_directory(dir.path() / "elsewhere");
    writeBytes(dir.file("elsewhere/.tombrel-0123456789abcdef.tmp"), std::string("x"));
    fs::last_write_time(dir.path() / "elsewhere/.tombrel-0123456789abcdef.tmp", longAgo);
    writeBytes(dir.file("linked.txt"), std::string("kept"));
    fs::last_write_time(dir.path() / "linked.txt", longAgo);
    std::vector<std::string> expected = {"REG.bup", "elsewhere", "linked.txt"};
    for (const Case& c : cases) {
#ifdef _WIN32
        if (c.kind == Link)
            continue; // symbolic links need a privilege there: told below
#endif
        const fs::path p = dir.path() / c.name;
        if (fs::exists(fs::symlink_status(p)))
            continue; // a name differing only in case, on a file system that ignores case
        if (c.kind == File)
            writeBytes(p.string(), std::string("left over"));
        else if (c.kind == Folder)
            fs::create_directory(p);
        else
            fs::create_symlink(dir.path() / "linked.txt", p);
#ifdef _WIN32
        // The times of a folder cannot be set there; a folder is kept whatever its age.
        if (c.old && c.kind == File)
#else
        if (c.old && c.kind != Link)
#endif
            fs::last_write_time(p, longAgo);
        if (!c.removed)
            expected.push_back(c.name);
    }
    std::sort(expected.begin(), expected.end());

    EXPECT_EQ(writeFileAtomically(dir.file("REG.bup"), "new", 3), std::nullopt);
    EXPECT_EQ(dir.entries(), expected);
    EXPECT_TRUE(fs::exists(dir.path() / "elsewhere/.tombrel-0123456789abcdef.tmp"));
    EXPECT_EQ(readBytes(dir.file("linked.txt")), "kept");
    TOMBREL_SKIP_ON_WINDOWS("the case of a symbolic link, as links need a privilege");
}
