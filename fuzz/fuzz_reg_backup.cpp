// Arbitrary bytes against the registration backup reader, and everything it loads written back.
// The input is tried three ways: as a file of its own; laid over a valid image from the magic on
// (so that short inputs reach the magic, the bank titles and the registrations); and as a list of
// bank and registration lines for the writer's walk.

#include "core/files/RegBackupFile.h"

#include <cstring>

using namespace tombrel;

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool sameLines(const RegList& a, const RegList& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].isBankLine != b[i].isBankLine || a[i].bankTitle != b[i].bankTitle ||
            (!a[i].isBankLine && a[i].record != b[i].record))
            return false;
    }
    return true;
}

uint32_t bigEndianWord(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// The checksum as plainly as it can be written, big-endian words added one by one, for an image
// that differs from `base` only in its first `changedEnd` bytes.
uint32_t referenceChecksum(const std::vector<uint8_t>& image, const std::vector<uint8_t>& base,
                           uint32_t baseSum, size_t changedEnd) {
    uint32_t sum = baseSum;
    for (size_t at = 24; at < changedEnd && at < kRegBackupSize - 4; at += 4)
        sum += bigEndianWord(&image[at]) - bigEndianWord(&base[at]);
    return sum;
}

// A written image must load again, with a correct checksum and the model it was written for.
RegBackupReadResult requireLoadable(const std::vector<uint8_t>& image, KeyboardModel model) {
    require(image.size() == kRegBackupSize);
    RegBackupReadResult again = parseRegBackup(image.data(), image.size());
    require(again.ok && !again.checksumMismatch && again.lines.size() == 576);
    require(again.model == (isPro(model) ? KeyboardModel::Psr9000Pro : KeyboardModel::Psr9000));
    return again;
}

void checkLoaded(const RegBackupReadResult& read) {
    if (!read.ok) {
        require(read.lines.empty() && read.error.message != nullptr);
        return;
    }
    require(read.lines.size() == 576 && read.model != KeyboardModel::None);
    for (const RegEntry& line : read.lines)
        require(line.bankTitle.size() <= 16);
    const std::vector<uint8_t> written = buildRegBackupImage(read.lines, read.model);
    const RegBackupReadResult again = requireLoadable(written, read.model);
    require(sameLines(read.lines, again.lines));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkLoaded(parseRegBackup(data, size));

    static const std::vector<uint8_t> base = buildRegBackupImage({}, KeyboardModel::Psr9000);
    static const uint32_t baseSum = 0x33D20840; // of the empty image
    std::vector<uint8_t> image = base;
    const size_t overlay = std::min(size, kRegBackupSize - 16);
    std::memcpy(image.data() + 16, data, overlay);
    require(computeRegChecksum(image.data()) ==
            referenceChecksum(image, base, baseSum, 16 + overlay));
    checkLoaded(parseRegBackup(image.data(), image.size()));

    // Bytes with the top bit set start a bank line titled by the following bytes; others are
    // registrations whose title carries the byte.
    RegList list;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] & 0x80) {
            const size_t titleLength = std::min<size_t>(data[i] & 0x1F, size - i - 1);
            list.push_back(RegEntry::bankLine(
                std::string(reinterpret_cast<const char*>(data + i + 1), titleLength)));
            i += titleLength;
        } else {
            RegRecord record = RegRecord::empty();
            record.setTitle(std::string(1, static_cast<char>(data[i])));
            list.push_back(RegEntry::registration(record));
        }
    }
    const KeyboardModel model =
        size > 0 && (data[0] & 1) ? KeyboardModel::Psr9000Pro : KeyboardModel::Psr9000;
    requireLoadable(buildRegBackupImage(list, model), model);
    return 0;
}
