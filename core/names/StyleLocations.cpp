#include "core/names/StyleLocations.h"

#include "core/files/FileIo.h"
#include "core/text/Text1252.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace tombrel {

namespace {

constexpr std::string_view kEmptyDiskName = "<Empty>";

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
    // A piece ends at its first CR, LF or zero byte.
    const size_t end = piece.find_first_of(std::string_view("\r\n\0", 3));
    if (end != std::string_view::npos)
        piece = piece.substr(0, end);
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
    // The file is read as text: a CR LF pair is one line end, counted as one character.
    std::string line;
    line.reserve(kStyleLocationsPieceLength);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            c = text[++i];
        line += c;
        if (c == '\n' || line.size() == kStyleLocationsPieceLength) {
            parsePiece(line, out);
            line.clear();
        }
    }
    if (!line.empty())
        parsePiece(line, out);
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

StyleLocationLookup::StyleLocationLookup(const StyleLocationList& oldList,
                                         const StyleLocationList& currentList)
    : places_(static_cast<size_t>(kStyleIndexCount - kFirstFlashStyle)) {
    // The first current entry of each name.
    std::unordered_map<std::string_view, int> current;
    current.reserve(currentList.size());
    for (const StyleLocation& entry : currentList)
        current.emplace(entry.name, entry.index);
    for (const StyleLocation& old : oldList) {
        if (old.index < kFirstFlashStyle || old.index >= kStyleIndexCount)
            continue; // never the index of a registration that is updated
        Place& place = places_[static_cast<size_t>(old.index - kFirstFlashStyle)];
        place.oldName = &old.name;
        const auto found = current.find(old.name);
        if (found != current.end())
            place.newIndex = found->second;
    }
}

StyleLocationMove StyleLocationLookup::update(RegRecord& record) const {
    StyleLocationMove move;
    const int index = record.styleIndex();
    if (index < kFirstFlashStyle) {
        move.done = true;
        return move;
    }
    if (index >= kStyleIndexCount)
        return move;
    const Place& place = places_[static_cast<size_t>(index - kFirstFlashStyle)];
    if (place.oldName)
        move.note = "        (" + *place.oldName + ")";
    if (place.newIndex) {
        record.setStyleIndex(*place.newIndex);
        move.written = true;
        move.done = true;
    }
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
        const StyleLocationMove move = lookup.update(*target.record);
        if (move.written)
            result.modified = true;
        if (!move.done)
            result.errors.push_back(target.labelPrefix + target.record->title() + move.note);
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
