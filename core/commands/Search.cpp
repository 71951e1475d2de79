#include "core/commands/Search.h"

#include "core/names/VoiceTable.h"
#include "core/text/Text1252.h"

#include <array>
#include <optional>

namespace tombrel {

namespace {

// Names keep the keyboard's doubled ampersands, which the program's boxes draw as one: a name
// is found by either form.
std::string shownForm(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        out += stored[i];
        if (stored[i] == '&' && i + 1 < stored.size() && stored[i + 1] == '&')
            ++i;
    }
    return out;
}

constexpr std::array<VoicePart, 3> kRightVoices = {VoicePart::R1, VoicePart::R2, VoicePart::R3};
constexpr std::array<AccPart, kAccPartCount> kAccParts = {
    AccPart::Rhy1, AccPart::Rhy2, AccPart::Bass, AccPart::Chd1,
    AccPart::Chd2, AccPart::Pad,  AccPart::Phr1, AccPart::Phr2};

// The start of a search: after the single selected line, else line 0.
size_t searchStart(const ListSelection& selection, size_t size) {
    const auto only = selection.only();
    if (!only || *only < 0)
        return 0;
    const size_t next = static_cast<size_t>(*only) + 1;
    return next < size ? next : 0;
}

} // namespace

RegistrationMatcher::RegistrationMatcher(std::string_view text, SearchOptions options,
                                         const StyleNameTable& styles, const DiskStyleTexts& disk)
    : upperText_(toUpper1252(text)), options_(options) {
    if (upperText_.empty())
        return;
    auto nameHolds = [this](std::string_view name) {
        const std::string upper = toUpper1252(name);
        return contains(upper) || contains(shownForm(upper));
    };
    if (options_.rightVoices || options_.leftVoice || options_.accompVoices) {
        voiceRowHits_.resize(VoiceTable::RowCount);
        for (int row = 0; row < VoiceTable::RowCount; ++row)
            voiceRowHits_[static_cast<size_t>(row)] = nameHolds(VoiceTable::nameOfRow(row));
    }
    if (options_.styleName) {
        styleHits_.resize(kStyleIndexCount);
        for (int index = 0; index < kStyleIndexCount; ++index) {
            const std::optional<std::string> name = styles.styleDisplayName(index, disk);
            styleHits_[static_cast<size_t>(index)] = name && nameHolds(*name);
        }
    }
}

bool RegistrationMatcher::contains(std::string_view upperCandidate) const {
    return !upperCandidate.empty() && upperCandidate.find(upperText_) != std::string_view::npos;
}

bool RegistrationMatcher::voiceMatches(int key) const {
    // The name of the first row with this triple, whatever the keyboard model; a triple
    // without a row has no name.
    const int row = VoiceTable::rowOfKey(key);
    return row >= 0 && voiceRowHits_[static_cast<size_t>(row)];
}

bool RegistrationMatcher::matches(const RegRecord& record) const {
    if (upperText_.empty())
        return false;
    if (options_.title) {
        // Upper-cased in place of its own: a title is at most 16 bytes.
        const std::string_view title = record.titleView();
        char upper[RegRecord::TitleSize];
        for (size_t i = 0; i < title.size(); ++i)
            upper[i] = static_cast<char>(upper1252(static_cast<unsigned char>(title[i])));
        if (contains(std::string_view(upper, title.size())))
            return true;
    }
    if (options_.rightVoices) {
        for (VoicePart part : kRightVoices) {
            if (voiceMatches(record.voice(part)))
                return true;
        }
    }
    if (options_.leftVoice && voiceMatches(record.voice(VoicePart::Left)))
        return true;
    if (options_.accompVoices) {
        for (AccPart part : kAccParts) {
            if (voiceMatches(record.partVoice(part)))
                return true;
        }
    }
    if (options_.styleName) {
        const int index = record.styleIndex();
        if (index >= 0 && index < kStyleIndexCount && styleHits_[static_cast<size_t>(index)])
            return true;
    }
    return false;
}

bool RegistrationMatcher::lineTextMatches(std::string_view text) const {
    if (!options_.title || upperText_.empty())
        return false;
    return contains(toUpper1252(text));
}

bool registrationMatches(const RegRecord& record, std::string_view upperText, SearchOptions options,
                         const StyleNameTable& styles, const DiskStyleTexts& disk) {
    return RegistrationMatcher(upperText, options, styles, disk).matches(record);
}

bool searchNext(const RegList& lines, ListSelection& selection,
                const RegistrationMatcher& matcher) {
    if (lines.empty() || matcher.empty())
        return false;
    const size_t start = searchStart(selection, lines.size());
    size_t index = start;
    do {
        if (matcher.matches(lines[index])) {
            selection.selectOnly(static_cast<int>(index));
            return true;
        }
        index = index + 1 < lines.size() ? index + 1 : 0;
    } while (index != start);
    return false;
}

bool searchNext(ArchiveSide& archive, ListSelection& selection,
                const RegistrationMatcher& matcher) {
    const ArchiveList& list = archive.list();
    if (list.empty() || matcher.empty())
        return false;
    const size_t start = searchStart(selection, list.size());
    size_t index = start;
    do {
        const ArchiveEntry& line = list[index];
        const bool hit = line.isCategory ? matcher.lineTextMatches(line.categoryName)
                                         : matcher.matches(static_cast<const RegEntry&>(line));
        if (hit) {
            selection.selectOnly(static_cast<int>(index));
            return true;
        }
        if (line.isCategory && !line.expanded) {
            const auto& children = line.hiddenChildren;
            for (size_t k = 0; k < children.size(); ++k) {
                if (!matcher.matches(children[k]))
                    continue;
                const int category = static_cast<int>(index);
                archive.expandCategory(category);
                archive.recomputeLastCategoryIndex();
                selection.selectOnly(category + 1 + static_cast<int>(k));
                return true;
            }
        }
        index = index + 1 < list.size() ? index + 1 : 0;
    } while (index != start);
    return false;
}

namespace {

template <class Side>
SearchPress press(Side& side, ListSelection& selection, std::string_view text,
                  SearchOptions options, const StyleNameTable& styles, const DiskStyleTexts& disk,
                  Interaction& ui) {
    if (text.empty())
        return SearchPress::CloseDialog;
    const RegistrationMatcher matcher(text, options, styles, disk);
    if (searchNext(side, selection, matcher))
        return SearchPress::Found;
    ui.warn(userMessage(msg::SearchTextNotFound));
    return SearchPress::NotFound;
}

} // namespace

SearchPress pressSearch(const RegList& lines, ListSelection& selection, std::string_view text,
                        SearchOptions options, const StyleNameTable& styles,
                        const DiskStyleTexts& disk, Interaction& ui) {
    return press(lines, selection, text, options, styles, disk, ui);
}

SearchPress pressSearch(ArchiveSide& archive, ListSelection& selection, std::string_view text,
                        SearchOptions options, const StyleNameTable& styles,
                        const DiskStyleTexts& disk, Interaction& ui) {
    return press(archive, selection, text, options, styles, disk, ui);
}

} // namespace tombrel
