#include "core/names/StyleLocations.h"

#include "core/files/FileIo.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tombrel {

namespace {

constexpr std::string_view kEmptyDiskName = "<Empty>";
// What comes before an old name in the note of a registration that was not moved.
constexpr std::string_view kNoteIndent = "        (";

std::string threeDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%03d", value);
    return buffer;
}

// The name of a disk style text worth keeping: the text after "DiskStyle <001> - ", unless
// there is none or it is "<Empty>".
std::optional<std::string_view> usableDiskName(const std::string& text) {
    if (text.size() <= kDiskStyleNamePrefixLength)
        return std::nullopt;
    const std::string_view name = std::string_view(text).substr(kDiskStyleNamePrefixLength);
    if (equalsIgnoreCase1252(name, kEmptyDiskName))
        return std::nullopt;
    return name;
}

bool usableFlashName(std::string_view name) {
    return !name.empty() && !isNumberedFlashText(name);
}

// The number of a definition line: characters 2 to 4 read as an integer the way atoi reads it
// (leading white space, a sign, then digits up to the first other character).
int definitionNumber(std::string_view digits) {
    size_t i = 0;
    while (i < digits.size() && (digits[i] == ' ' || (digits[i] >= '\t' && digits[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-'))
        negative = digits[i++] == '-';
    int value = 0;
    while (i < digits.size() && digits[i] >= '0' && digits[i] <= '9')
        value = value * 10 + (digits[i++] - '0');
    return negative ? -value : value;
}

void parsePiece(std::string_view piece, StyleLocationList& out) {
    // A piece ends at its first CR, LF or zero byte (a LF can only be its last character).
    if (!piece.empty() && piece.back() == '\n')
        piece.remove_suffix(1);
    piece = piece.substr(0, std::min(piece.find('\r'), piece.find('\0')));
    if (piece.size() < 6 || (piece[0] != 'F' && piece[0] != 'D') || piece[4] != '=')
        return;
    int index = definitionNumber(piece.substr(1, 3));
    if (piece[0] == 'D')
        index += kFirstDiskStyle;
    if (index < kFirstFlashStyle || index >= kStyleIndexCount)
        return;
    out.push_back({index, std::string(piece.substr(5))});
}

std::optional<UserMessage> writeText(const std::string& path, std::string_view text,
                                     const Message& failure) {
    AtomicFileWriter writer(path);
    if (writer.open() && writer.write(text) && writer.commit())
        return std::nullopt;
    UserMessage message;
    message.message = &failure;
    message.platformError = writer.platformError();
    return message;
}

} // namespace

bool isNumberedFlashText(std::string_view name) {
    constexpr std::string_view prefix = "Flash ";
    return name.size() >= prefix.size() &&
           equalsIgnoreCase1252(name.substr(0, prefix.size()), prefix) &&
           name.find(" - <") != std::string_view::npos;
}

StyleLocationList currentStyleLocations(const StyleNameTable& names, FlashNameMode flashMode,
                                        const DiskStyleTexts& disk, DiskStyleMode diskMode) {
    StyleLocationList out;
    if (flashMode == FlashNameMode::Individual) {
        for (int i = kFirstFlashStyle; i < kFirstDiskStyle; ++i) {
            const std::string& name = names.shortName(i);
            if (usableFlashName(name))
                out.push_back({i, name});
        }
    }
    if (diskMode == DiskStyleMode::Folder) {
        for (int k = 0; k < kDiskStyleCount; ++k) {
            if (const auto name = usableDiskName(disk.text(k)))
                out.push_back({kFirstDiskStyle + k, std::string(*name)});
        }
    }
    return out;
}

StyleLocationsSaveCheck checkStyleLocationsSave(FlashNameMode flashMode, DiskStyleMode diskMode) {
    StyleLocationsSaveCheck check;
    const bool flash = flashMode == FlashNameMode::Individual;
    const bool disk = diskMode == DiskStyleMode::Folder;
    if (!flash && !disk)
        check.refusal = &msg::NoIndividualStyleNamesLoaded;
    else if (!flash)
        check.hints.push_back(&msg::HintNoFlashStyleBackupLoaded);
    else if (!disk)
        check.hints.push_back(&msg::HintNoDiskDirectFolderLoaded);
    return check;
}

std::string styleLocationsText(const StyleNameTable& names, FlashNameMode flashMode,
                               const DiskStyleTexts& disk, DiskStyleMode diskMode) {
    std::string out;
    for (const StyleLocation& entry : currentStyleLocations(names, flashMode, disk, diskMode)) {
        const bool isDisk = entry.index >= kFirstDiskStyle;
        out += isDisk ? 'D' : 'F';
        out += threeDigits(isDisk ? entry.index - kFirstDiskStyle : entry.index);
        out += '=';
        out += entry.name;
        out += "\r\n";
    }
    return out;
}

std::optional<UserMessage> writeStyleLocationsFile(const std::string& path, std::string_view text) {
    return writeText(path, text, msg::ErrorCreatingStyleLocationsFile);
}

StyleLocationList parseStyleLocations(std::string_view text) {
    StyleLocationList out;
    out.reserve(text.size() / 16); // a definition line is rarely shorter
    // The file is read as text, in pieces of at most 99 characters that end after a line end; a
    // CR LF pair is one line end, counted as one character. A line end always closes a piece, so
    // each piece is a plain stretch of one line and is looked at where it lies.
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        const size_t lineEnd = lf == std::string_view::npos ? text.size() : lf + 1;
        const bool crLf = lf != std::string_view::npos && lf > start && text[lf - 1] == '\r';
        while (start < lineEnd) {
            const size_t characters = lineEnd - start - (crLf ? 1 : 0);
            const size_t pieceEnd = characters <= kStyleLocationsPieceLength
                                        ? lineEnd
                                        : start + kStyleLocationsPieceLength;
            parsePiece(text.substr(start, pieceEnd - start), out);
            start = pieceEnd;
        }
    }
    return out;
}

std::variant<StyleLocationList, UserMessage> readStyleLocationsFile(const std::string& path) {
    FileReadResult read = readWholeFile(path, FileSizeLimit::atMost(kMaxStyleLocationsFileSize));
    if (read.status != FileReadResult::Status::Ok) {
        UserMessage message;
        message.message = &msg::ErrorOpeningFile;
        message.platformError = std::move(read.platformError);
        return message;
    }
    return parseStyleLocations(
        std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
}

namespace {

// The first current entry of each name, found by an open-addressed table of the names' hashes: a
// few hundred names, looked up once for each of up to a hundred thousand old definitions.
class CurrentNames {
public:
    explicit CurrentNames(const StyleLocationList& current) {
        size_t slots = 16;
        while (slots < 2 * current.size())
            slots *= 2;
        slots_.assign(slots, nullptr);
        for (const StyleLocation& entry : current) {
            size_t at = hash(entry.name) & (slots - 1);
            while (slots_[at] && slots_[at]->name != entry.name)
                at = (at + 1) & (slots - 1);
            if (!slots_[at])
                slots_[at] = &entry;
        }
    }
    const StyleLocation* find(std::string_view name) const {
        const size_t mask = slots_.size() - 1;
        for (size_t at = hash(name) & mask; slots_[at]; at = (at + 1) & mask) {
            if (slots_[at]->name == name)
                return slots_[at];
        }
        return nullptr;
    }

private:
    static size_t hash(std::string_view name) {
        uint64_t h = 14695981039346656037ull; // FNV-1a
        for (const char c : name)
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return static_cast<size_t>(h ^ (h >> 29));
    }
    std::vector<const StyleLocation*> slots_;
};

} // namespace

StyleLocationLookup::StyleLocationLookup(const StyleLocationList& oldList,
                                         const StyleLocationList& currentList)
    : places_(static_cast<size_t>(kStyleIndexCount - kFirstFlashStyle)) {
    const CurrentNames current(currentList);
    for (const StyleLocation& old : oldList) {
        if (old.index < kFirstFlashStyle || old.index >= kStyleIndexCount)
            continue; // never the index of a registration that is updated
        Place& place = places_[static_cast<size_t>(old.index - kFirstFlashStyle)];
        place.oldName = &old.name;
        if (const StyleLocation* found = current.find(old.name))
            place.newIndex = found->index;
    }
}

void StyleLocationLookup::update(RegRecord& record, bool& done, bool& written,
                                 const std::string*& oldName) const {
    done = written = false;
    oldName = nullptr;
    const int index = record.styleIndex();
    if (index < kFirstFlashStyle) {
        done = true;
        return;
    }
    if (index >= kStyleIndexCount)
        return;
    const Place& place = places_[static_cast<size_t>(index - kFirstFlashStyle)];
    oldName = place.oldName;
    if (place.newIndex) {
        record.setStyleIndex(*place.newIndex);
        written = done = true;
    }
}

StyleLocationMove StyleLocationLookup::update(RegRecord& record) const {
    StyleLocationMove move;
    const std::string* oldName = nullptr;
    update(record, move.done, move.written, oldName);
    if (oldName)
        move.note = std::string(kNoteIndent) + *oldName + ")";
    return move;
}

StyleLocationMove updateStyleLocation(RegRecord& record, const StyleLocationList& oldList,
                                      const StyleLocationList& currentList) {
    return StyleLocationLookup(oldList, currentList).update(record);
}

std::string regSideLabelPrefix(int bankNumber, int entryNumber) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "<%02d/%d>    ", bankNumber + 1, entryNumber + 1);
    return buffer;
}

std::vector<StyleUpdateTarget> regSideUpdateTargets(RegList& list) {
    std::vector<StyleUpdateTarget> targets;
    for (RegEntry& entry : list) {
        if (!entry.isBankLine)
            targets.push_back(
                {&entry.record, regSideLabelPrefix(entry.bankNumber, entry.entryNumber)});
    }
    return targets;
}

std::vector<StyleUpdateTarget> archiveUpdateTargets(ArchiveList& list) {
    std::vector<StyleUpdateTarget> targets;
    for (ArchiveEntry& entry : list) {
        if (entry.isRegistrationLine()) {
            targets.push_back({&entry.record, {}});
        } else if (entry.isCategory && !entry.expanded) {
            for (RegEntry& child : entry.hiddenChildren) {
                if (!child.isBankLine)
                    targets.push_back({&child.record, {}});
            }
        }
    }
    return targets;
}

StyleLocationsUpdate updateStyleLocations(std::span<const StyleUpdateTarget> targets,
                                          const StyleLocationList& oldList,
                                          const StyleLocationList& currentList) {
    StyleLocationsUpdate result;
    if (oldList.empty()) {
        result.message = UserMessage{&msg::NoValidOldStyleDefinitions, {}, {}};
        return result;
    }
    if (currentList.empty()) {
        result.message = UserMessage{&msg::NoValidStyleNamesLoaded, {}, {}};
        return result;
    }
    const StyleLocationLookup lookup(oldList, currentList);
    for (const StyleUpdateTarget& target : targets) {
        bool done = false, written = false;
        const std::string* oldName = nullptr;
        lookup.update(*target.record, done, written, oldName);
        if (written)
            result.modified = true;
        if (done)
            continue;
        // The error line is made in one piece: there may be thousands of them.
        const std::string title = target.record->title();
        std::string& line = result.errors.emplace_back();
        line.reserve(target.labelPrefix.size() + title.size() +
                     (oldName ? kNoteIndent.size() + oldName->size() + 1 : 0));
        line += target.labelPrefix;
        line += title;
        if (oldName) {
            line += kNoteIndent;
            line += *oldName;
            line += ')';
        }
    }
    return result;
}

std::string errorListText(std::span<const std::string> errors) {
    std::string out;
    for (const std::string& line : errors) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<UserMessage> writeErrorListFile(const std::string& path,
                                              std::span<const std::string> errors) {
    return writeText(path, errorListText(errors), msg::ErrorCreatingErrorListFile);
}

} // namespace tombrel
