#pragma once

// Search in either pane: the next line after the selection whose chosen texts contain the search
// text, without regard to case, wrapping around at the end. Registrations are looked at by their
// title, the names of their voices and the name of their style; bank title lines and category
// names by their text when titles are searched. A hit among the lines of a collapsed category
// expands it.

#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/record/ListSelection.h"
#include "core/record/RegEntry.h"
#include "core/record/RegRecord.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/Interaction.h"

#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

// Which texts of a registration are looked at; what the Search dialog starts with.
struct SearchOptions {
    bool title = true;
    bool rightVoices = false; // R1, R2, R3
    bool leftVoice = false;
    bool accompVoices = false; // the eight accompaniment parts
    bool styleName = false;
};

// One search: the upper-cased text and the names it is compared with, prepared once so that a
// long list costs no more than looking at each registration's fields.
class RegistrationMatcher {
public:
    // `text` is single-byte (Windows-1252). The style names are taken as they stand now.
    RegistrationMatcher(std::string_view text, SearchOptions options, const StyleNameTable& styles,
                        const DiskStyleTexts& disk);

    bool empty() const { return upperText_.empty(); }
    // `registrationMatches`: any chosen field of the record contains the text. Voices without a
    // table entry and style indexes outside 0..494 have no name and never match.
    bool matches(const RegRecord& record) const;
    // A bank title line's or category line's text; only when titles are searched.
    bool lineTextMatches(std::string_view text) const;
    bool matches(const RegEntry& line) const {
        return line.isBankLine ? lineTextMatches(line.bankTitle) : matches(line.record);
    }

private:
    bool contains(std::string_view upperCandidate) const;
    bool voiceMatches(int key) const;

    std::string upperText_;
    SearchOptions options_;
    // Whether each voice table row's name and each style index's name holds the text, worked
    // out once for the search; empty when the options do not look at them.
    std::vector<char> voiceRowHits_;
    std::vector<char> styleHits_;
};

// The same test without a prepared matcher: `upperText` is already upper-cased.
bool registrationMatches(const RegRecord& record, std::string_view upperText, SearchOptions options,
                         const StyleNameTable& styles, const DiskStyleTexts& disk);

// The next match after the single selected line (from line 0 when not exactly one line is
// selected), each line looked at once and the selected line last. On a hit only that line is
// selected; otherwise the selection stays. The archive expands a collapsed category whose lines
// hold the hit.
bool searchNext(const RegList& lines, ListSelection& selection, const RegistrationMatcher& matcher);
bool searchNext(ArchiveSide& archive, ListSelection& selection, const RegistrationMatcher& matcher);

// The Search dialog's Search button.
enum class SearchPress {
    CloseDialog, // the text is empty: the dialog closes, nothing is searched
    Found,
    NotFound, // "Searchtext not found!" was shown; the dialog stays open
};
SearchPress pressSearch(const RegList& lines, ListSelection& selection, std::string_view text,
                        SearchOptions options, const StyleNameTable& styles,
                        const DiskStyleTexts& disk, Interaction& ui);
SearchPress pressSearch(ArchiveSide& archive, ListSelection& selection, std::string_view text,
                        SearchOptions options, const StyleNameTable& styles,
                        const DiskStyleTexts& disk, Interaction& ui);

} // namespace tombrel
