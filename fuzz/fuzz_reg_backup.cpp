// Arbitrary changes to a whole registration backup, loaded as the registration side loads it and
// written back. The input's first byte chooses the image to start from (empty or full, either
// keyboard), the load filters, and whether the checksum is made right after the changes; the
// rest is a list of changes, each three bytes of offset (taken modulo the file's size), a length
// byte and that many bytes to lay over the image there. So every byte of the 241692 is reached,
// and titles and parameters change as whole fields.
//
// What must hold: a refused image loads nothing and says why; a loaded one is written back as a
// loadable image of its keyboard. With the filters off, the written image is the input with only
// the header, the bank titles (cut at their first NUL, trailing blanks removed) and the checksum
// made canonical; with filters on, no registration that holds something is lost or reordered,
// and loading and writing again gives the same bytes.
//
// The input is also taken as a file of its own, and as a list of bank and registration lines for
// the writer's walk.

#include "core/files/RegBackupFile.h"
#include "core/sides/RegListRules.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

using namespace tombrel;

namespace {

constexpr size_t kHeaderSize = 24;
constexpr size_t kTitleSize = 16;
constexpr size_t kBankSize = kTitleSize + 8 * RegRecord::Size;
constexpr size_t kChecksumOffset = kRegBackupSize - 4;

// The harness's own loops over the 241692 bytes tell the fuzzer nothing about the code under
// test; left out of the coverage they no longer slow every run.
#if defined(__clang__)
#define TOMBREL_NO_COVERAGE __attribute__((no_sanitize("coverage")))
#else
#define TOMBREL_NO_COVERAGE
#endif

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

TOMBREL_NO_COVERAGE uint32_t bigEndianWord(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// The checksum as plainly as it can be written: the big-endian words of the banks added one by one.
TOMBREL_NO_COVERAGE uint32_t referenceChecksum(const std::vector<uint8_t>& image) {
    uint32_t sum = 0;
    for (size_t at = kHeaderSize; at < kChecksumOffset; at += 4)
        sum += bigEndianWord(&image[at]);
    return sum;
}

void putChecksum(std::vector<uint8_t>& image) {
    const uint32_t sum = computeRegChecksum(image.data());
    for (int k = 0; k < 4; ++k)
        image[kChecksumOffset + static_cast<size_t>(k)] = static_cast<uint8_t>(sum >> (24 - 8 * k));
}

// A written image must load again, with a correct checksum and the model it was written for.
RegBackupReadResult requireLoadable(const std::vector<uint8_t>& image, KeyboardModel model) {
    require(image.size() == kRegBackupSize);
    RegBackupReadResult again = parseRegBackup(image.data(), image.size());
    require(again.ok && !again.checksumMismatch && again.lines.size() == 576);
    require(again.model == (isPro(model) ? KeyboardModel::Psr9000Pro : KeyboardModel::Psr9000));
    return again;
}

// Loads as the registration side does: the filters that are on, then the normalisation.
RegList loadedLines(RegList lines, RegListFilters filters) {
    applyRegLoadFilters(lines, filters);
    normaliseRegList(lines, 0, nullptr, filters);
    return lines;
}

std::vector<RegRecord> nonEmptyRegistrations(const RegList& lines) {
    std::vector<RegRecord> out;
    for (const RegEntry& line : lines) {
        if (!line.isBankLine && !line.record.isEmpty())
            out.push_back(line.record);
    }
    return out;
}

// What writing back an unfiltered image gives: the header of its keyboard, each bank title as it
// was read, every registration byte for byte, the checksum.
TOMBREL_NO_COVERAGE std::vector<uint8_t> canonicalImage(const uint8_t* input, KeyboardModel model) {
    static const std::vector<uint8_t> empty[2] = {
        buildRegBackupImage({}, KeyboardModel::Psr9000),
        buildRegBackupImage({}, KeyboardModel::Psr9000Pro)};
    std::vector<uint8_t> image(input, input + kRegBackupSize);
    std::memcpy(image.data(), empty[isPro(model) ? 1 : 0].data(), kHeaderSize);
    for (size_t bank = 0; bank < 64; ++bank) {
        uint8_t* title = image.data() + kHeaderSize + bank * kBankSize;
        setFieldText(title, kTitleSize, fieldText(title, kTitleSize));
    }
    putChecksum(image);
    return image;
}

void checkLoaded(const uint8_t* input, size_t size, RegListFilters filters) {
    const RegBackupReadResult read = parseRegBackup(input, size);
    if (!read.ok) {
        require(read.lines.empty() && read.error.message != nullptr);
        return;
    }
    require(read.lines.size() == 576 && read.model != KeyboardModel::None);
    for (const RegEntry& line : read.lines)
        require(line.bankTitle.size() <= kTitleSize);

    const RegList lines = loadedLines(read.lines, filters);
    if (regBanksNeeded(lines) > 64)
        return; // the side refuses to save such a list, so nothing is lost
    const std::vector<uint8_t> written = buildRegBackupImage(lines, read.model);
    const RegBackupReadResult again = requireLoadable(written, read.model);
    if (!filters.hideDuplicateBankTitles && !filters.hideEmptyEntries) {
        require(written == canonicalImage(input, read.model));
        require(sameLines(read.lines, again.lines));
        return;
    }
    require(nonEmptyRegistrations(read.lines) == nonEmptyRegistrations(again.lines));
    const std::vector<uint8_t> rewritten =
        buildRegBackupImage(loadedLines(again.lines, filters), read.model);
    require(rewritten == written);
}

// Both keyboards' images to start from: empty, or full of titled banks (some titles repeated,
// some "<No Name>") and registrations whose every byte differs, with empty ones in between.
const std::vector<uint8_t>& baseImage(bool full, bool pro) {
    static const std::array<std::vector<uint8_t>, 4> images = [] {
        RegList lines;
        for (int bank = 0; bank < 64; ++bank) {
            const char* titles[] = {"Pop", "Pop", "<No Name>", "Ballads  ", "Rock"};
            lines.push_back(RegEntry::bankLine(titles[bank % 5]));
            for (int slot = 0; slot < 8; ++slot) {
                if ((bank + slot) % 3 == 0) {
                    lines.push_back(emptyRegistrationLine());
                    continue;
                }
                uint8_t raw[RegRecord::Size];
                for (size_t i = 0; i < RegRecord::Size; ++i)
                    raw[i] = static_cast<uint8_t>(i * 7 + static_cast<size_t>(bank * 8 + slot));
                RegRecord record = RegRecord::fromBytes(raw);
                record.setTitle("Reg " + std::to_string(bank * 8 + slot));
                lines.push_back(RegEntry::registration(record));
            }
        }
        return std::array<std::vector<uint8_t>, 4>{
            buildRegBackupImage({}, KeyboardModel::Psr9000),
            buildRegBackupImage({}, KeyboardModel::Psr9000Pro),
            buildRegBackupImage(lines, KeyboardModel::Psr9000),
            buildRegBackupImage(lines, KeyboardModel::Psr9000Pro)};
    }();
    return images[(full ? 2 : 0) + (pro ? 1 : 0)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkLoaded(data, size, {});
    if (size == 0)
        return 0;

    const uint8_t options = data[0];
    const RegListFilters filters{(options & 0x04) != 0, (options & 0x08) != 0};
    std::vector<uint8_t> image = baseImage((options & 0x02) != 0, (options & 0x01) != 0);
    for (size_t at = 1; at + 4 <= size;) {
        const size_t offset =
            ((size_t{data[at]} << 16) | (size_t{data[at + 1]} << 8) | data[at + 2]) %
            kRegBackupSize;
        const size_t length = std::min<size_t>(data[at + 3], size - (at + 4));
        const size_t copied = std::min(length, kRegBackupSize - offset);
        std::memcpy(image.data() + offset, data + at + 4, copied);
        at += 4 + length;
    }
    require(computeRegChecksum(image.data()) == referenceChecksum(image));
    if (options & 0x10)
        putChecksum(image);
    checkLoaded(image.data(), image.size(), filters);

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
    const KeyboardModel model = (data[0] & 1) ? KeyboardModel::Psr9000Pro : KeyboardModel::Psr9000;
    requireLoadable(buildRegBackupImage(list, model), model);
    return 0;
}
