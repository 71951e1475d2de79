#include "core/files/RegBackupFile.h"

#include "core/files/FileIo.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <bit>
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
    // bytes shifted by 16, and so on. Sixteen bytes are taken at a time as two 64-bit numbers;
    // masking every other byte spreads them over 16-bit counters, which hold 128 steps of two
    // bytes of up to 255 without carrying over. That is an eighth of the steps of a word-by-word
    // sum and needs no help from the compiler's vectoriser, so it is quick in every build.
    constexpr size_t kStep = 16, kStepsPerRound = 128;
    constexpr size_t kRounds = (kChecksumOffset - kHeaderSize) / (kStep * kStepsPerRound);
    static_assert(kRounds * kStep * kStepsPerRound == kChecksumOffset - kHeaderSize);
    constexpr uint64_t kEveryOtherByte = 0x00FF00FF00FF00FFull;

    const uint8_t* p = image + kHeaderSize;
    uint32_t byPlace[4] = {}; // sums of the words' first, second, third and fourth bytes
    for (size_t round = 0; round < kRounds; ++round) {
        uint64_t even = 0, odd = 0;
        for (size_t step = 0; step < kStepsPerRound; ++step, p += kStep) {
            uint64_t a, b;
            std::memcpy(&a, p, 8);
            std::memcpy(&b, p + 8, 8);
            even += (a & kEveryOtherByte) + (b & kEveryOtherByte);
            odd += ((a >> 8) & kEveryOtherByte) + ((b >> 8) & kEveryOtherByte);
        }
        auto counters = [](uint64_t lanes, int first) {
            return static_cast<uint32_t>(((lanes >> (16 * first)) & 0xFFFF) +
                                         ((lanes >> (16 * first + 32)) & 0xFFFF));
        };
        // Which byte of a word lands in which counter depends on the host's byte order.
        if constexpr (std::endian::native == std::endian::little) {
            byPlace[0] += counters(even, 0);
            byPlace[2] += counters(even, 1);
            byPlace[1] += counters(odd, 0);
            byPlace[3] += counters(odd, 1);
        } else {
            byPlace[3] += counters(even, 0);
            byPlace[1] += counters(even, 1);
            byPlace[2] += counters(odd, 0);
            byPlace[0] += counters(odd, 1);
        }
    }
    return (byPlace[0] << 24) + (byPlace[1] << 16) + (byPlace[2] << 8) + byPlace[3];
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
                                              KeyboardModel model, FileSystem& fs) {
    const std::vector<uint8_t> image = buildRegBackupImage(lines, model);
    if (std::optional<std::string> error =
            writeFileAtomically(path, image.data(), image.size(), fs))
        return UserMessage{&msg::ErrorSavingRegistrations, std::move(*error), {}};
    return std::nullopt;
}

} // namespace tombrel
