#include "core/RegBackupFile.h"

#include "core/FileIo.h"
#include "core/Text1252.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tombrel {

namespace {

// File layout: a 24-byte header, 64 bank blocks, the checksum.
constexpr size_t kHeaderSize = 24;
constexpr size_t kMagicOffset = 16;
constexpr size_t kMagicCompared = 7; // the eighth magic character is a version digit
constexpr size_t kBankTitleSize = 16;
constexpr size_t kBankBlockSize = kBankTitleSize + kSlotsPerBank * RegRecord::Size; // 3776
constexpr size_t kChecksumOffset = kHeaderSize + kBankCount * kBankBlockSize;       // 241688

static_assert(kChecksumOffset + 4 == kRegBackupSize);

// Bytes 0..15 of the header are the same for both keyboards; 241676 is the number of bytes after
// the first 16.
constexpr uint8_t kHeaderStart[kMagicOffset] = {0x00, 0x46, 0x8E, 0x94, 0x00, 0x03, 0xB0, 0x0C,
                                                0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

uint8_t* bankBlock(uint8_t* image, int bank) {
    return image + kHeaderSize + static_cast<size_t>(bank) * kBankBlockSize;
}
const uint8_t* bankBlock(const uint8_t* image, int bank) {
    return image + kHeaderSize + static_cast<size_t>(bank) * kBankBlockSize;
}
uint8_t* slotIn(uint8_t* image, int bank, int slot) {
    return bankBlock(image, bank) + kBankTitleSize + static_cast<size_t>(slot) * RegRecord::Size;
}

uint32_t readBigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

void writeBigEndian32(uint8_t* p, uint32_t value) {
    p[0] = static_cast<uint8_t>(value >> 24);
    p[1] = static_cast<uint8_t>(value >> 16);
    p[2] = static_cast<uint8_t>(value >> 8);
    p[3] = static_cast<uint8_t>(value);
}

RegBackupReadResult refused(const Message& message, std::string platformError = {}) {
    RegBackupReadResult result;
    result.error = UserMessage{&message, std::move(platformError), {}};
    return result;
}

} // namespace

uint32_t computeRegChecksum(const uint8_t* image) {
    // The sum of big-endian words is the sum of their first bytes shifted by 24, of their second
    // bytes shifted by 16, and so on. The bytes are summed by their place in 16-byte blocks, in
    // 16-bit counters that hold 256 blocks of up to 255 without carrying over; the compiler turns
    // this into vector additions.
    constexpr size_t kCovered = kChecksumOffset - kHeaderSize;
    constexpr size_t kBlock = 16, kBlocksPerRound = 256;
    static_assert(kCovered % kBlock == 0);
    const uint8_t* p = image + kHeaderSize;
    uint32_t byPlace[kBlock] = {};
    for (size_t at = 0; at < kCovered;) {
        uint16_t counters[kBlock] = {};
        const size_t stop = std::min(kCovered, at + kBlock * kBlocksPerRound);
        for (; at < stop; at += kBlock) {
            for (size_t i = 0; i < kBlock; ++i)
                counters[i] = static_cast<uint16_t>(counters[i] + p[at + i]);
        }
        for (size_t i = 0; i < kBlock; ++i)
            byPlace[i] += counters[i];
    }
    uint32_t sum = 0;
    for (size_t i = 0; i < kBlock; ++i)
        sum += byPlace[i] << (24 - 8 * (i % 4));
    return sum;
}

KeyboardModel detectKeyboardModel(const uint8_t* image) {
    for (KeyboardModel model : {KeyboardModel::Psr9000, KeyboardModel::Psr9000Pro}) {
        if (std::memcmp(image + kMagicOffset, regBackupMagic(model).data(), kMagicCompared) == 0)
            return model;
    }
    return KeyboardModel::None;
}

RegBackupReadResult parseRegBackup(const uint8_t* data, size_t size) {
    if (size != kRegBackupSize || data == nullptr)
        return refused(msg::InvalidFileSize);

    RegBackupReadResult result;
    result.checksumMismatch = computeRegChecksum(data) != readBigEndian32(data + kChecksumOffset);
    result.model = detectKeyboardModel(data);
    if (result.model == KeyboardModel::None) {
        result.error = UserMessage{&msg::NoValidRegBackup, {}, {}};
        return result;
    }

    result.lines.reserve(static_cast<size_t>(kBankCount) * (kSlotsPerBank + 1));
    for (int bank = 0; bank < kBankCount; ++bank) {
        const uint8_t* block = bankBlock(data, bank);
        result.lines.push_back(RegEntry::bankLine(fieldText(block, kBankTitleSize)));
        for (int slot = 0; slot < kSlotsPerBank; ++slot) {
            // Registrations are kept byte for byte, title padding included.
            result.lines.emplace_back().record.assign(block + kBankTitleSize +
                                                      static_cast<size_t>(slot) * RegRecord::Size);
        }
    }
    result.ok = true;
    return result;
}

RegBackupReadResult readRegBackupFile(const std::string& path) {
    FileReadResult file = readWholeFile(path, kRegBackupSize);
    switch (file.status) {
    case FileReadResult::Status::Ok:
        break;
    case FileReadResult::Status::OpenFailed:
        return refused(msg::ErrorOpeningFile, std::move(file.platformError));
    case FileReadResult::Status::WrongSize:
        return refused(msg::InvalidFileSize);
    case FileReadResult::Status::ReadFailed:
        return refused(msg::ErrorReadingFile, std::move(file.platformError));
    }
    return parseRegBackup(file.bytes.data(), file.bytes.size());
}

std::vector<uint8_t> buildRegBackupImage(const RegList& lines, KeyboardModel model) {
    std::vector<uint8_t> image(kRegBackupSize, 0);
    uint8_t* out = image.data();
    std::memcpy(out, kHeaderStart, sizeof kHeaderStart);
    const std::string_view magic = regBackupMagic(model);
    std::memcpy(out + kMagicOffset, magic.data(), kHeaderSize - kMagicOffset);

    const RegRecord empty = RegRecord::empty();
    int bank = -1; // none yet
    int slot = 0;
    std::string_view bankTitle;
    auto padBank = [&] {
        for (; slot < kSlotsPerBank; ++slot)
            empty.copyTo(slotIn(out, bank, slot));
    };
    auto startBank = [&](std::string_view title) {
        ++bank;
        if (bank == kBankCount)
            return false;
        setFieldText(bankBlock(out, bank), kBankTitleSize, title);
        bankTitle = title;
        slot = 0;
        return true;
    };

    for (const RegEntry& line : lines) {
        if (line.isBankLine) {
            if (bank >= 0)
                padBank();
            if (!startBank(line.bankTitle))
                break;
            continue;
        }
        if (bank < 0)
            continue; // the keyboard has no place for a registration before the first bank
        // A bank holds eight registrations; the ninth continues in a new bank of the same title.
        if (slot == kSlotsPerBank && !startBank(bankTitle))
            break;
        line.record.copyTo(slotIn(out, bank, slot++));
    }

    if (bank >= 0 && bank < kBankCount)
        padBank();
    for (int rest = bank + 1; rest < kBankCount; ++rest) {
        setFieldText(bankBlock(out, rest), kBankTitleSize, kNoNameBankTitle);
        for (int s = 0; s < kSlotsPerBank; ++s)
            empty.copyTo(slotIn(out, rest, s));
    }

    writeBigEndian32(out + kChecksumOffset, computeRegChecksum(out));
    return image;
}

std::optional<UserMessage> writeRegBackupFile(const std::string& path, const RegList& lines,
                                              KeyboardModel model) {
    const std::vector<uint8_t> image = buildRegBackupImage(lines, model);
    if (std::optional<std::string> error = writeFileAtomically(path, image.data(), image.size()))
        return UserMessage{&msg::ErrorSavingRegistrations, std::move(*error), {}};
    return std::nullopt;
}

} // namespace tombrel
