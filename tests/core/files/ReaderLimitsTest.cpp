// Every reader of a file the user names refuses what could hang it or fill the memory: a FIFO or
// a device, a file over the reader's size limit, and an archive whose lines would take far more
// memory than its size. Each refusal is the reader's own message, and nothing on disk changes.

#include "core/files/ArchiveFile.h"
#include "core/files/BackupSet.h"
#include "core/files/FileIo.h"
#include "core/files/RegBackupFile.h"
#include "core/names/FlashStyleBackup.h"
#include "core/names/StyleLocations.h"

#include "HeldFifo.h"
#include "SkipOnWindows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <variant>

using namespace tombrel;
using tombrel::test::TempFolder;
using tombrel::testing::HeldFifo;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// The first message a reader gives for a path, or none when it accepted the file.
using Reader = std::function<std::optional<UserMessage>(const std::string&)>;

std::optional<UserMessage> firstOf(const std::vector<UserMessage>& messages) {
    if (messages.empty())
        return std::nullopt;
    return messages.front();
}

struct NamedReader {
    const char* name;
    Reader read;
    const Message* refusal; // the reader's message for a file it cannot take
};

std::vector<NamedReader> readers() {
    return {
        {"registration backup",
         [](const std::string& path) -> std::optional<UserMessage> {
             RegBackupReadResult read = readRegBackupFile(path);
             if (read.ok)
                 return std::nullopt;
             return read.error;
         },
         &msg::ErrorOpeningFile},
        {"archive", [](const std::string& path) { return firstOf(readArchiveFile(path).messages); },
         &msg::ErrorOpeningFile},
        {"style locations",
         [](const std::string& path) -> std::optional<UserMessage> {
             auto read = readStyleLocationsFile(path);
             if (auto* message = std::get_if<UserMessage>(&read))
                 return *message;
             return std::nullopt;
         },
         &msg::ErrorOpeningFile},
        {"FlashStyle backup",
         [](const std::string& path) -> std::optional<UserMessage> {
             auto read = readFlashStyleBackup(path);
             if (auto* message = std::get_if<UserMessage>(&read))
                 return *message;
             return std::nullopt;
         },
         &msg::ErrorOpeningFlashStyleBackup},
    };
}

// A sparse file of `size` bytes that starts with `head`.
void makeSparse(const std::string& path, const Bytes& head, uint64_t size) {
    TempFolder::write(path, head);
    fs::resize_file(toFsPath(path), size);
}

Bytes archiveHeader() {
    Bytes b(kArchiveMagic.begin(), kArchiveMagic.end());
    b.push_back(0);
    return b;
}

} // namespace

TEST(ReaderLimits, FifoIsRefusedAtOnceByEveryReader) {
    TOMBREL_SKIP_ON_WINDOWS("no FIFOs in the file system, and no /dev");
    TempFolder folder;
    const std::string fifo = folder.file("STYLE.BUP");
    HeldFifo held(fifo);
    ASSERT_TRUE(held.ok());
    for (const NamedReader& reader : readers()) {
        for (const std::string& path : {fifo, std::string("/dev/zero")}) {
            SCOPED_TRACE(std::string(reader.name) + " of " + path);
            const std::optional<UserMessage> message = reader.read(path);
            ASSERT_TRUE(message);
            EXPECT_EQ(message->message, reader.refusal);
        }
    }
    EXPECT_TRUE(fs::is_fifo(toFsPath(fifo)));
}

// The limits of the archive and the text files, one byte over each; the registration backup's
// own size check covers its one size. The files are sparse and never read.
TEST(ReaderLimits, FilesOverTheirKindsLimitAreRefusedBeforeReading) {
    TempFolder folder;
    struct Case {
        const char* name;
        uint64_t size;
        Bytes head;
        std::function<std::optional<UserMessage>(const std::string&)> read;
        const Message* message;
    };
    const Case cases[] = {
        {"archive", kMaxArchiveFileSize + 1, archiveHeader(),
         [](const std::string& path) { return firstOf(readArchiveFile(path).messages); },
         &msg::InvalidFileSize},
        {"style locations", kMaxStyleLocationsFileSize + 1, Bytes{'F', '1', '2', '5', '=', 'A'},
         [](const std::string& path) -> std::optional<UserMessage> {
             auto read = readStyleLocationsFile(path);
             if (auto* message = std::get_if<UserMessage>(&read))
                 return *message;
             return std::nullopt;
         },
         &msg::ErrorOpeningFile},
        {"registration backup", 1ull << 32, Bytes(24, 0),
         [](const std::string& path) -> std::optional<UserMessage> {
             RegBackupReadResult read = readRegBackupFile(path);
             if (read.ok)
                 return std::nullopt;
             return read.error;
         },
         &msg::InvalidFileSize},
    };
    // Reading any of them whole would need far more than this.
    const size_t saved = readBufferLimit();
    setReadBufferLimit(1 << 20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file(std::string(c.name) + ".file");
        makeSparse(path, c.head, c.size);
        std::optional<UserMessage> message;
        ASSERT_NO_THROW(message = c.read(path));
        ASSERT_TRUE(message);
        EXPECT_EQ(message->message, c.message);
        if (c.size != (1ull << 32)) { // the backup has one size; any other is simply wrong
            EXPECT_EQ(message->platformError, std::strerror(EFBIG));
        }
    }
    setReadBufferLimit(saved);
}

// A description that cannot be read is never replaced by a fresh one (it may list other
// backups); the backup itself was written before and stays.
TEST(ReaderLimits, BackupIniOverItsLimitIsLeftAlone) {
    TempFolder folder;
    const std::string regPath = folder.file("REG.bup");
    const std::string iniPath = backupIniPathFor(regPath);

    makeSparse(iniPath, Bytes{'[', 'A', ']', '\r', '\n'}, kMaxBackupIniSize + 1);
    std::optional<UserMessage> error = updateBackupIni(regPath, KeyboardModel::Psr9000);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, &msg::ErrorUpdatingBackupIni);
    EXPECT_EQ(error->platformError, std::strerror(EFBIG));
    EXPECT_EQ(fs::file_size(toFsPath(iniPath)), kMaxBackupIniSize + 1);
}

TEST(ReaderLimits, BackupIniThatIsAFifoIsLeftAlone) {
    TOMBREL_SKIP_ON_WINDOWS("no FIFOs in the file system");
    TempFolder folder;
    const std::string regPath = folder.file("REG.bup");
    const std::string iniPath = backupIniPathFor(regPath);
    HeldFifo held(iniPath);
    ASSERT_TRUE(held.ok());
    const std::optional<UserMessage> error = updateBackupIni(regPath, KeyboardModel::Psr9000);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, &msg::ErrorUpdatingBackupIni);
    EXPECT_TRUE(fs::is_fifo(toFsPath(iniPath)));
}

// A category or bank title record may be two bytes but becomes a line of some 500: the lines an
// archive makes are bounded by its size, and real shapes stay well inside the bound.
TEST(ReaderLimits, ArchiveLinesAreBoundedByTheFileSize) {
    const auto manyTexts = [](uint8_t tag, size_t count, std::string_view name) {
        Bytes b = archiveHeader();
        b.push_back(0x02);
        b.push_back(0);
        for (size_t i = 0; i < count; ++i) {
            b.push_back(tag);
            b.insert(b.end(), name.begin(), name.end());
            b.push_back(0);
        }
        return b;
    };
    const auto banksOfOne = [](size_t count) {
        Bytes b = archiveHeader();
        for (size_t i = 0; i < count; ++i) {
            for (uint8_t tag : {uint8_t{0x02}, uint8_t{0x03}}) {
                b.push_back(tag);
                b.push_back('N');
                b.push_back(0);
            }
            b.push_back(0x01);
            const RegRecord empty = RegRecord::empty();
            b.insert(b.end(), empty.bytes().begin(), empty.bytes().end());
        }
        return b;
    };
    struct Case {
        const char* name;
        Bytes bytes;
        bool loads;
    };
    const Case cases[] = {
        {"a million empty bank titles in 2 MB", manyTexts(0x03, 1'000'000, ""), false},
        {"a million empty categories in 2 MB", manyTexts(0x02, 1'000'000, ""), false},
        {"forty thousand categories of four letters", manyTexts(0x02, 40'000, "Test"), true},
        {"five thousand categories of one bank and registration", banksOfOne(5'000), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ArchiveReadResult read = parseArchive(c.bytes.data(), c.bytes.size(), "big.yra");
        EXPECT_EQ(read.ok, c.loads);
        if (c.loads) {
            continue;
        }
        EXPECT_TRUE(read.list.empty());
        ASSERT_EQ(read.messages.size(), 1u);
        EXPECT_EQ(read.messages[0].text(Language::English),
                  "Too many categories and bank titles in Registration Archive!");
        EXPECT_EQ(read.messages[0].text(Language::German),
                  "Zu viele Kategorien und Bank-Titel im Archiv!");
    }
}
