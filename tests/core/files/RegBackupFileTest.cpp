#include "core/files/RegBackupFile.h"

#include "core/files/FileSystem.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace tombrel;
using tombrel::testing::ScratchFolder;

namespace {

constexpr size_t kBankBlock = 3776;
constexpr size_t kChecksumAt = 241688;

size_t bankOffset(int bank) {
    return 24 + static_cast<size_t>(bank) * kBankBlock;
}
size_t slotOffset(int bank, int slot) {
    return bankOffset(bank) + 16 + static_cast<size_t>(slot) * 470;
}

const uint8_t kHeader9000[24] = {0x00, 0x46, 0x8E, 0x94, 0x00, 0x03, 0xB0, 0x0C, 0,   0,   0,  0, 0,
                                 0,    0,    0,    'R',  'E',  'G',  '9',  '_',  '1', '0', '0'};
const uint8_t kHeaderPro[24] = {0x00, 0x46, 0x8E, 0x94, 0x00, 0x03, 0xB0, 0x0C, 0,   0,   0,   0,
                                0,    0,    0,    0,    'R',  'E',  'G',  '9',  'P', '1', '0', '0'};

void storeChecksum(std::vector<uint8_t>& image) {
    uint32_t sum = 0;
    for (size_t at = 24; at < kChecksumAt; at += 4)
        sum += uint32_t(image[at]) << 24 | uint32_t(image[at + 1]) << 16 |
               uint32_t(image[at + 2]) << 8 | image[at + 3];
    for (int i = 0; i < 4; ++i)
        image[kChecksumAt + i] = static_cast<uint8_t>(sum >> (24 - 8 * i));
}

// A backup as the keyboard writes it: the model's header, 64 titled banks (some titles fill all
// 16 bytes), registrations of arbitrary bytes, a correct checksum.
std::vector<uint8_t> keyboardImage(KeyboardModel model) {
    std::vector<uint8_t> image(kRegBackupSize, 0);
    std::memcpy(image.data(), isPro(model) ? kHeaderPro : kHeader9000, 24);
    uint32_t seed = 12345;
    for (int bank = 0; bank < kBankCount; ++bank) {
        const std::string title = bank % 5 == 0 ? "Sixteen chars #" + std::to_string(bank % 10)
                                                : "Bank " + std::to_string(bank);
        std::memcpy(&image[bankOffset(bank)], title.data(), std::min<size_t>(title.size(), 16));
        for (int slot = 0; slot < kSlotsPerBank; ++slot) {
            for (size_t i = 0; i < 470; ++i) {
                seed = seed * 1103515245u + 12345u;
                image[slotOffset(bank, slot) + i] = static_cast<uint8_t>(seed >> 16);
            }
        }
    }
    storeChecksum(image);
    return image;
}

RegRecord taggedRecord(int tag) {
    RegRecord r = RegRecord::empty();
    r.setTitle("Reg " + std::to_string(tag));
    r.setTempo(40 + tag);
    return r;
}

std::string en(const UserMessage& m) {
    return m.text(Language::English);
}
std::string de(const UserMessage& m) {
    return m.text(Language::German);
}

} // namespace

TEST(RegBackupFile, KeyboardImageLoadsAsCanonicalListAndIsWrittenBackByteForByte) {
    for (KeyboardModel model : {KeyboardModel::Psr9000, KeyboardModel::Psr9000Pro}) {
        SCOPED_TRACE(static_cast<int>(model));
        const std::vector<uint8_t> image = keyboardImage(model);
        const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
        ASSERT_TRUE(read.ok);
        EXPECT_FALSE(read.checksumMismatch);
        EXPECT_EQ(read.model, model);
        ASSERT_EQ(read.lines.size(), 576u);
        for (int bank = 0; bank < kBankCount; ++bank) {
            const RegEntry& bankLine = read.lines[bank * 9];
            EXPECT_TRUE(bankLine.isBankLine);
            EXPECT_EQ(
                bankLine.bankTitle,
                std::string(reinterpret_cast<const char*>(&image[bankOffset(bank)]),
                            strnlen(reinterpret_cast<const char*>(&image[bankOffset(bank)]), 16)));
            for (int slot = 0; slot < kSlotsPerBank; ++slot) {
                const RegEntry& line = read.lines[bank * 9 + 1 + slot];
                EXPECT_FALSE(line.isBankLine);
                EXPECT_TRUE(line.bankTitle.empty());
                EXPECT_EQ(std::memcmp(line.record.data(), &image[slotOffset(bank, slot)], 470), 0)
                    << bank << "/" << slot;
            }
        }
        EXPECT_EQ(buildRegBackupImage(read.lines, model), image);
    }
}

TEST(RegBackupFile, EmptyListIsWrittenAsNoNameBanksWithTheKnownChecksum) {
    for (KeyboardModel model : {KeyboardModel::Psr9000, KeyboardModel::Psr9000Pro}) {
        SCOPED_TRACE(static_cast<int>(model));
        const std::vector<uint8_t> image = buildRegBackupImage({}, model);
        ASSERT_EQ(image.size(), kRegBackupSize);
        EXPECT_EQ(std::memcmp(image.data(), isPro(model) ? kHeaderPro : kHeader9000, 24), 0);
        const uint8_t expected[4] = {0x33, 0xD2, 0x08, 0x40};
        EXPECT_EQ(std::memcmp(&image[kChecksumAt], expected, 4), 0);
        EXPECT_EQ(computeRegChecksum(image.data()), 0x33D20840u);

        const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
        ASSERT_TRUE(read.ok);
        EXPECT_FALSE(read.checksumMismatch);
        for (const RegEntry& line : read.lines) {
            if (line.isBankLine)
                EXPECT_EQ(line.bankTitle, kNoNameBankTitle);
            else
                EXPECT_EQ(line.record, RegRecord::empty());
        }
    }
}

TEST(RegBackupFile, ChecksumWrapsAroundAndIgnoresHeaderAndChecksumField) {
    struct Case {
        uint8_t fill;
        uint32_t sum;
    };
    // 60416 words: all 0xFFFFFFFF sum to -60416 modulo 2^32.
    const Case cases[] = {{0x00, 0}, {0xFF, 0xFFFF1400u}, {0x01, 60416u * 0x01010101u}};
    for (const Case& c : cases) {
        std::vector<uint8_t> image(kRegBackupSize, c.fill);
        for (size_t i = 0; i < 24; ++i)
            image[i] = 0xA5;
        EXPECT_EQ(computeRegChecksum(image.data()), c.sum) << int(c.fill);
    }
}

TEST(RegBackupFile, ModelOtherThanProGetsThePsr9000Header) {
    const std::vector<uint8_t> image = buildRegBackupImage({}, KeyboardModel::None);
    EXPECT_EQ(std::memcmp(image.data(), kHeader9000, 24), 0);
}

TEST(RegBackupFile, WrongChecksumLoadsWithTheWarningAndIsWrittenCorrect) {
    std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000Pro);
    const std::vector<uint8_t> good = image;
    image[kChecksumAt + 3] ^= 0x01;
    const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.checksumMismatch);
    EXPECT_EQ(buildRegBackupImage(read.lines, read.model), good);
}

TEST(RegBackupFile, ModelComesFromTheFirstSevenMagicBytes) {
    struct Case {
        const char* magic;
        KeyboardModel model;
    };
    const Case cases[] = {
        {"REG9_100", KeyboardModel::Psr9000},    {"REG9_10x", KeyboardModel::Psr9000},
        {"REG9P100", KeyboardModel::Psr9000Pro}, {"REG9P10\xff", KeyboardModel::Psr9000Pro},
        {"REG9_200", KeyboardModel::None},       {"reg9_100", KeyboardModel::None},
        {"REG9X100", KeyboardModel::None},       {"\0\0\0\0\0\0\0\0", KeyboardModel::None},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000);
        std::memcpy(&image[16], c.magic, 8);
        EXPECT_EQ(detectKeyboardModel(image.data()), c.model) << c.magic;
        const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
        EXPECT_EQ(read.ok, c.model != KeyboardModel::None) << c.magic;
        EXPECT_EQ(read.model, c.model) << c.magic;
        // The header is not covered by the checksum.
        EXPECT_FALSE(read.checksumMismatch) << c.magic;
    }
}

TEST(RegBackupFile, AnyEighthMagicCharacterAndOldHeaderBytesAreRewrittenFromTheTemplate) {
    std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000);
    image[23] = 'x';
    image[2] = 0x55;
    image[9] = 0x77;
    const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.model, KeyboardModel::Psr9000);
    const std::vector<uint8_t> written = buildRegBackupImage(read.lines, read.model);
    EXPECT_EQ(std::memcmp(written.data(), kHeader9000, 24), 0);
    EXPECT_TRUE(std::equal(written.begin() + 24, written.end(), image.begin() + 24));
}

TEST(RegBackupFile, WrongMagicWithWrongChecksumWarnsThenRefuses) {
    std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000);
    std::memcpy(&image[16], "MIDI0000", 8);
    image[kChecksumAt] ^= 0x80;
    const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.checksumMismatch);
    EXPECT_EQ(read.model, KeyboardModel::None);
    EXPECT_TRUE(read.lines.empty());
    EXPECT_EQ(read.error.message, &msg::NoValidRegBackup);
    EXPECT_EQ(en(read.error),
              "This file doesn't contain a valid PSR-9000 or 9000pro Registration Backup!");
    EXPECT_EQ(
        de(read.error),
        "Die Datei enthält kein gültiges Backup der Registrierungen vom PSR-9000 oder 9000pro!");
}

TEST(RegBackupFile, FilesOfAnyOtherSizeAreRefused) {
    ScratchFolder dir;
    const std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000);
    for (size_t size : {size_t{0}, size_t{24}, kRegBackupSize - 1, kRegBackupSize + 1}) {
        SCOPED_TRACE(size);
        std::vector<uint8_t> bytes(image.begin(), image.begin() + std::min(size, image.size()));
        bytes.resize(size, 0);
        const std::string path = dir.file("REG" + std::to_string(size) + ".bup");
        tombrel::testing::writeBytes(path, bytes);
        for (const RegBackupReadResult& read :
             {readRegBackupFile(path), parseRegBackup(bytes.data(), bytes.size())}) {
            EXPECT_FALSE(read.ok);
            EXPECT_FALSE(read.checksumMismatch);
            EXPECT_EQ(read.error.message, &msg::InvalidFileSize);
            EXPECT_EQ(en(read.error), "Invalid file size!");
            EXPECT_EQ(de(read.error), "Üngültige Dateigröße!");
        }
    }
}

TEST(RegBackupFile, FileThatCannotBeOpenedIsRefusedWithThePlatformText) {
    ScratchFolder dir;
    std::filesystem::create_directory(dir.path() / "REG.bup");
    for (const std::string& path : {dir.file("missing.bup"), dir.file("REG.bup")}) {
        const RegBackupReadResult read = readRegBackupFile(path);
        EXPECT_FALSE(read.ok) << path;
        EXPECT_EQ(read.error.message, &msg::ErrorOpeningFile) << path;
        EXPECT_FALSE(read.error.platformError.empty()) << path;
        EXPECT_EQ(en(read.error), "Error opening file!");
        EXPECT_EQ(de(read.error), "Fehler beim Öffnen der Datei!");
    }
}

TEST(RegBackupFile, FileOnDiskRoundTrips) {
    ScratchFolder dir;
    const std::string path = dir.file("REG_Pro.bup");
    const std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000Pro);
    tombrel::testing::writeBytes(path, image);
    const RegBackupReadResult read = readRegBackupFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.model, KeyboardModel::Psr9000Pro);

    const std::string copy = dir.file("copy.bup");
    EXPECT_EQ(writeRegBackupFile(copy, read.lines, read.model), std::nullopt);
    EXPECT_EQ(tombrel::testing::readBytes(copy), tombrel::testing::readBytes(path));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"REG_Pro.bup", "copy.bup"}));
}

TEST(RegBackupFile, BankTitles) {
    struct Case {
        std::string stored; // the 16-byte field
        std::string read;
    };
    const Case cases[] = {
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP"},                // full field, no terminator
        {std::string("Live  \0\0\0\0\0\0\0\0\0\0", 16), "Live"}, // trailing blanks removed
        {std::string("Ab\0junk after\0\0", 16), "Ab"},           // read up to the first NUL
        {std::string(16, '\0'), ""},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000);
        std::memcpy(&image[bankOffset(3)], c.stored.data(), 16);
        storeChecksum(image);
        const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.lines[3 * 9].bankTitle, c.read);
        // Written back NUL-padded as read.
        const std::vector<uint8_t> written = buildRegBackupImage(read.lines, read.model);
        std::string expected = c.read;
        expected.resize(16, '\0');
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&written[bankOffset(3)]), 16),
                  expected);
    }
    // A longer title keeps its first 16 characters.
    const std::vector<uint8_t> written =
        buildRegBackupImage({RegEntry::bankLine("Seventeen chars!!")}, KeyboardModel::Psr9000);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&written[bankOffset(0)]), 16),
              "Seventeen chars!");
}

TEST(RegBackupFile, RegistrationsKeepEveryByteOfTheirTitleField) {
    std::vector<uint8_t> image = keyboardImage(KeyboardModel::Psr9000);
    std::memcpy(&image[slotOffset(7, 2)], "Ab  \0after NUL\0x", 16);
    storeChecksum(image);
    const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
    ASSERT_TRUE(read.ok);
    const RegRecord& record = read.lines[7 * 9 + 1 + 2].record;
    EXPECT_EQ(std::memcmp(record.data(), "Ab  \0after NUL\0x", 16), 0);
    EXPECT_EQ(buildRegBackupImage(read.lines, read.model), image);
}

// The writer turns any list of bank lines and registrations into 64 banks of 8.
TEST(RegBackupFile, ListsAreLaidOutAsSixtyFourBanksOfEight) {
    // A list is written as a string: 'B' a bank line (titled "T<n>" by its position among bank
    // lines), 'r' the next registration. A bank is expected as its title and its slots' tags
    // (0 for an empty registration).
    struct Bank {
        std::string title;
        std::vector<int> tags;
    };
    struct Case {
        const char* name;
        std::string list;
        std::vector<Bank> banks; // the banks before the "<No Name>" ones
    };
    auto full = [](int first) {
        std::vector<int> tags;
        for (int i = 0; i < 8; ++i)
            tags.push_back(first + i);
        return tags;
    };
    std::vector<Bank> sixtyFour;
    for (int b = 0; b < 64; ++b)
        sixtyFour.push_back({"T" + std::to_string(b), {}});
    std::vector<Bank> lastOverflows = sixtyFour;
    lastOverflows.back().tags = full(1);

    const std::vector<Case> cases = {
        {"short bank padded", "Brrr", {{"T0", {1, 2, 3, 0, 0, 0, 0, 0}}}},
        {"bank without registrations", "BBr", {{"T0", {}}, {"T1", {1}}}},
        {"nine registrations continue under the same title",
         "Brrrrrrrrr",
         {{"T0", full(1)}, {"T0", {9}}}},
        {"seventeen registrations take three banks",
         "B" + std::string(17, 'r') + "Br",
         {{"T0", full(1)}, {"T0", full(9)}, {"T0", {17}}, {"T1", {18}}}},
        {"registrations before the first bank line are skipped", "rrBr", {{"T0", {3}}}},
        {"only registrations: all banks are <No Name>", "rrrr", {}},
        {"more than 64 bank lines: the rest is dropped", std::string(64, 'B') + "Br", sixtyFour},
        {"a continuation past bank 64 is dropped", std::string(64, 'B') + std::string(9, 'r'),
         lastOverflows},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegList list;
        int bankLines = 0, tag = 0;
        for (char kind : c.list) {
            if (kind == 'B') {
                list.push_back(RegEntry::bankLine("T" + std::to_string(bankLines++)));
                list.back().record = taggedRecord(999); // ignored on a bank line
            } else {
                list.push_back(RegEntry::registration(taggedRecord(++tag)));
            }
        }
        const std::vector<uint8_t> image = buildRegBackupImage(list, KeyboardModel::Psr9000);
        const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
        ASSERT_TRUE(read.ok);
        ASSERT_FALSE(read.checksumMismatch);
        for (int b = 0; b < kBankCount; ++b) {
            const bool listed = b < static_cast<int>(c.banks.size());
            EXPECT_EQ(read.lines[b * 9].bankTitle, listed ? c.banks[b].title : kNoNameBankTitle)
                << "bank " << b;
            for (int s = 0; s < kSlotsPerBank; ++s) {
                const int expectedTag =
                    listed && s < static_cast<int>(c.banks[b].tags.size()) ? c.banks[b].tags[s] : 0;
                const RegRecord& got = read.lines[b * 9 + 1 + s].record;
                EXPECT_EQ(got, expectedTag ? taggedRecord(expectedTag) : RegRecord::empty())
                    << "bank " << b << " slot " << s;
            }
        }
    }
}

TEST(RegBackupFile, WriteIntoMissingFolderFailsWithThePlatformText) {
    ScratchFolder dir;
    const std::optional<UserMessage> error =
        writeRegBackupFile(dir.file("missing/REG.bup"), {}, KeyboardModel::Psr9000);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, &msg::ErrorSavingRegistrations);
#ifdef _WIN32
    EXPECT_EQ(error->platformError, realFileSystem().describe(3)); // ERROR_PATH_NOT_FOUND
#else
    EXPECT_EQ(error->platformError, std::strerror(ENOENT));
#endif
    EXPECT_EQ(en(*error), "Error saving Registrations to disk!");
    EXPECT_EQ(de(*error), "Fehler beim Speichern der Registrationen!");
    EXPECT_TRUE(dir.entries().empty());
}

TEST(RegBackupFile, FailedSaveKeepsTheOldFileWholeAndLeavesNoTemporaryFile) {
    TOMBREL_SKIP_ON_WINDOWS(
        "a write that fails halfway is made by a child process with a file size limit");
    ScratchFolder dir;
    const std::string path = dir.file("REG.bup");
    const std::vector<uint8_t> old = keyboardImage(KeyboardModel::Psr9000);
    tombrel::testing::writeBytes(path, old);

    // The disk fills up (the file size limit) in the middle of the new image.
    const bool reported = tombrel::testing::runWithFileSizeLimit(64 * 1024, [&] {
        const std::optional<UserMessage> error =
            writeRegBackupFile(path, {RegEntry::bankLine("New")}, KeyboardModel::Psr9000);
        return error && error->message == &msg::ErrorSavingRegistrations &&
               error->platformError == std::strerror(EFBIG);
    });
    EXPECT_TRUE(reported);
    const std::string now = tombrel::testing::readBytes(path);
    EXPECT_TRUE(now == std::string(old.begin(), old.end()));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"REG.bup"});
}
