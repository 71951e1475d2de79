// Saves stopped at every step, as by a killed program or a power cut: afterwards the target holds
// its old bytes or the new ones, whole, and the next save succeeds.

#include "core/files/ArchiveFile.h"
#include "core/files/FileIo.h"
#include "core/files/RegBackupFile.h"

#include "FakeFileSystem.h"
#include "RegRecordSamples.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <iostream>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tombrel;
using tombrel::test::FakeFileSystem;
using tombrel::test::randomRecord;
using tombrel::testing::readBytes;
using tombrel::testing::ScratchFolder;
using tombrel::testing::writeBytes;

namespace {

namespace fs = std::filesystem;

RegList backupList(uint32_t seed, int banks) {
    RegList lines;
    for (int b = 0; b < banks; ++b) {
        lines.push_back(RegEntry::bankLine("Bank " + std::to_string(b)));
        for (int s = 0; s < 8; ++s)
            lines.push_back(RegEntry::registration(randomRecord(seed + b * 8 + s)));
    }
    return lines;
}

ArchiveList archiveList(uint32_t seed, int categories, int perCategory) {
    ArchiveList list;
    for (int c = 0; c < categories; ++c) {
        ArchiveEntry category = ArchiveEntry::category("Category " + std::to_string(c));
        category.expanded = true;
        list.push_back(category);
        list.push_back(ArchiveEntry(RegEntry::bankLine("Bank")));
        for (int r = 0; r < perCategory; ++r)
            list.push_back(ArchiveEntry(RegEntry::registration(randomRecord(seed + c * 1000 + r))));
    }
    return list;
}

std::string asString(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

struct SavedFile {
    const char* what;
    const char* name;
    std::string oldBytes; // empty: the target does not exist before the save
    std::string newBytes;
    std::function<bool(const std::string& path, FileSystem& fs)> save;
};

enum class Stop { Killed, PowerCut };

void leaveOnly(const ScratchFolder& dir, const SavedFile& file) {
    for (const auto& entry : fs::directory_iterator(dir.path()))
        fs::remove_all(entry.path());
    if (!file.oldBytes.empty())
        writeBytes(dir.file(file.name), file.oldBytes);
}

// A backup and an archive, each saved over an older version and as a new file.
std::vector<SavedFile> savedFiles() {
    static const RegList lines = backupList(1, 64);
    const RegList oldLines = backupList(9000, 20);
    static const ArchiveList archive = archiveList(5, 12, 40);
    const std::string oldBackup = asString(buildRegBackupImage(oldLines, KeyboardModel::Psr9000));
    const std::string newBackup = asString(buildRegBackupImage(lines, KeyboardModel::Psr9000));
    const std::string oldArchive = asString(buildArchiveImage(archiveList(77, 3, 5)));
    const std::string newArchive = asString(buildArchiveImage(archive));
    auto saveBackup = [](const std::string& path, FileSystem& fs) {
        return !writeRegBackupFile(path, lines, KeyboardModel::Psr9000, fs);
    };
    auto saveArchive = [](const std::string& path, FileSystem& fs) {
        return !writeArchiveFile(path, archive, fs);
    };
    return {
        {"backup over an older one", "REG.bup", oldBackup, newBackup, saveBackup},
        {"new backup", "REG.bup", "", newBackup, saveBackup},
        {"archive over an older one", "Songs.yra", oldArchive, newArchive, saveArchive},
        {"new archive", "Songs.yra", "", newArchive, saveArchive},
    };
}

// The target holds the old bytes (or is still missing) or the new ones, whole.
void expectOldOrNew(const std::string& path, const SavedFile& file) {
    if (file.oldBytes.empty() && !fs::exists(path))
        return;
    const std::string now = readBytes(path);
    EXPECT_TRUE(now == file.oldBytes || now == file.newBytes)
        << "the target holds " << now.size() << " bytes of neither version";
}

int stepsOf(const SavedFile& file, const ScratchFolder& dir) {
    leaveOnly(dir, file);
    FakeFileSystem counting;
    EXPECT_TRUE(file.save(dir.file(file.name), counting)) << file.what;
    return static_cast<int>(counting.calls().size());
}

} // namespace

TEST(SaveCrash, TargetIsOldOrNewAfterAStopAtEveryStep) {
    TOMBREL_SKIP_ON_WINDOWS("a stopped save keeps its file open in this process, which Windows "
                            "does not let the next step change; a real crash closes it");
    const std::vector<SavedFile> files = savedFiles();
    int stopPoints = 0;
    for (const SavedFile& file : files) {
        ScratchFolder dir;
        const std::string path = dir.file(file.name);
        const int steps = stepsOf(file, dir);
        // Open, several writes, flush, close, replace, folder flush.
        EXPECT_GE(steps, 8) << file.what;

        for (const Stop stop : {Stop::Killed, Stop::PowerCut}) {
            for (int step = 1; step <= steps; ++step) {
                SCOPED_TRACE(::testing::Message()
                             << file.what << (stop == Stop::Killed ? ", killed" : ", power cut")
                             << " at step " << step << " of " << steps);
                ++stopPoints;
                leaveOnly(dir, file);
                FakeFileSystem stopped;
                stopped.stopAt(step);
                EXPECT_FALSE(file.save(path, stopped));
                if (stop == Stop::PowerCut)
                    stopped.applyPowerCut();

                expectOldOrNew(path, file);

                // The next save succeeds, and once the program has started again what the
                // stopped one left behind is cleared away.
                ASSERT_TRUE(file.save(path, realFileSystem()));
                EXPECT_EQ(readBytes(path), file.newBytes);
                const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
                for (const auto& entry : fs::directory_iterator(dir.path())) {
                    if (entry.path().filename() != file.name)
                        fs::last_write_time(entry.path(), longAgo);
                }
                ASSERT_TRUE(file.save(path, realFileSystem()));
                EXPECT_EQ(dir.entries(), std::vector<std::string>{file.name});
            }
        }
    }
    std::cout << "[ stop points tried: " << stopPoints << " ]\n";
    RecordProperty("stopPoints", stopPoints);
}

// The same with a real death: a process saving is killed at each step in turn.
TEST(SaveCrash, ProcessKilledAtEveryStepLeavesOldOrNewBytes) {
#ifdef _WIN32
    TOMBREL_SKIP_ON_WINDOWS("the process killed mid-save is a forked child");
#else
    int killed = 0;
    for (const SavedFile& file : savedFiles()) {
        if (file.oldBytes.empty())
            continue;
        ScratchFolder dir;
        const std::string path = dir.file(file.name);
        const int steps = stepsOf(file, dir);
        for (int step = 1; step <= steps; ++step) {
            SCOPED_TRACE(::testing::Message() << file.what << ", killed at step " << step);
            leaveOnly(dir, file);
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                FakeFileSystem dying;
                dying.killAt(step);
                file.save(path, dying);
                ::_exit(0);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
            ++killed;
            expectOldOrNew(path, file);
            ASSERT_TRUE(file.save(path, realFileSystem()));
            EXPECT_EQ(readBytes(path), file.newBytes);
        }
    }
    std::cout << "[ processes killed: " << killed << " ]\n";
#endif
}
