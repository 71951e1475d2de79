#pragma once

// Style locations: a registration points at a flash or disk style by its place, not its name.
// Before the user rearranges the keyboard's flash styles or the disk style folder, the names of
// the loaded styles are saved with their places in a text file; afterwards every registration that
// used one of them is moved to the place where a style of the same name is now. Registrations that
// cannot be moved are listed for the user.
//
// File format, one definition per line, CR LF line ends, single-byte text:
//   F125=60's Rock 1     a flash style: its style index 125-244, "=", its short name
//   D000=Bossa Nova      a disk style: its number 0-249, "=", its name

#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/record/ArchiveEntry.h"
#include "core/record/RegEntry.h"
#include "core/record/RegRecord.h"
#include "core/text/Messages.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tombrel {

// A style index 125-494 with the name of the style found there.
struct StyleLocation {
    int index = 0;
    std::string name;

    bool operator==(const StyleLocation&) const = default;
};
using StyleLocationList = std::vector<StyleLocation>;

// Three hundred and seventy definitions take some 40 KB; a file over this size is not read.
inline constexpr uint64_t kMaxStyleLocationsFileSize = 4u << 20;

// A file line is read in pieces of at most this many characters (the line end counts as one).
inline constexpr size_t kStyleLocationsPieceLength = 99;

// A flash name that only stands for its place ("Flash II - <3>"): it starts with "Flash " in any
// letter case and holds " - <".
bool isNumberedFlashText(std::string_view name);

// The names loaded now, in table order: the Individual flash names (flash mode Individual), then
// the Folder disk style names (disk mode Folder), leaving out places without a real name.
StyleLocationList currentStyleLocations(const StyleNameTable& names, FlashNameMode flashMode,
                                        const DiskStyleTexts& disk, DiskStyleMode diskMode);

// What saving tells the user first: a refusal (nothing to save) or hints about what is missing.
struct StyleLocationsSaveCheck {
    const Message* refusal = nullptr;
    std::vector<const Message*> hints;
};
StyleLocationsSaveCheck checkStyleLocationsSave(FlashNameMode flashMode, DiskStyleMode diskMode);

// The file's text: all F lines in ascending index, then all D lines in ascending number.
std::string styleLocationsText(const StyleNameTable& names, FlashNameMode flashMode,
                               const DiskStyleTexts& disk, DiskStyleMode diskMode);
// Writes the text; on failure "Error creating text file!" with the platform's description.
std::optional<UserMessage> writeStyleLocationsFile(const std::string& path, std::string_view text);

// The definitions of a file's text in file order. Every line that is not a definition, or whose
// index falls outside 125-494, is ignored; an F line may name a disk style (F300 = disk style 55)
// and a D line a flash style (D-05 = index 240), as the numbers simply add up.
StyleLocationList parseStyleLocations(std::string_view text);
// Reads and parses a file; the message when it cannot be read or is over
// kMaxStyleLocationsFileSize.
std::variant<StyleLocationList, UserMessage> readStyleLocationsFile(const std::string& path);

// Moves one registration. A preset style is left alone and counts as done. Every old entry for
// the registration's index whose name is now somewhere moves it there (the last one wins) and
// `note` holds the last such old name as "        (name)".
struct StyleLocationMove {
    bool done = false;    // preset style, or moved
    bool written = false; // the registration's style bytes were written
    std::string note;
};

// The answer of the rule above for every flash and disk style index, worked out once from the
// two lists: each old entry looks its name up among the current names (the first entry of a
// name counts) in one table, so that an update costs the lists' length plus one step per
// registration, not registrations times definitions times names.
class StyleLocationLookup {
public:
    StyleLocationLookup(const StyleLocationList& oldList, const StyleLocationList& currentList);
    StyleLocationMove update(RegRecord& record) const;
    // The same without making the note: `oldName` is the name it would show, or null.
    void update(RegRecord& record, bool& done, bool& written, const std::string*& oldName) const;

private:
    struct Place {
        std::optional<int> newIndex;          // where the last old entry with a current name points
        const std::string* oldName = nullptr; // of the last old entry for the index
    };
    std::vector<Place> places_; // by style index - kFirstFlashStyle
};

StyleLocationMove updateStyleLocation(RegRecord& record, const StyleLocationList& oldList,
                                      const StyleLocationList& currentList);

// One registration to update, with what its error line shows before the title.
struct StyleUpdateTarget {
    RegRecord* record = nullptr;
    std::string labelPrefix;
};
// The registrations of the registration side: every line that is not a bank title line; error
// lines start with "<bank/slot>", e.g. "<01/1>    ".
std::vector<StyleUpdateTarget> regSideUpdateTargets(RegList& list);
// The registrations of the archive side in display order, the children of a collapsed category at
// its place; error lines are the bare title.
std::vector<StyleUpdateTarget> archiveUpdateTargets(ArchiveList& list);
// "<%02d/%d>    " with the 1-based bank and slot.
std::string regSideLabelPrefix(int bankNumber, int entryNumber);

struct StyleLocationsUpdate {
    // "No valid old style definitions..." or "No valid style names currently loaded!": nothing
    // was updated.
    std::optional<UserMessage> message;
    // One line per registration that uses a flash or disk style and was not moved.
    std::vector<std::string> errors;
    // Some registration's style bytes were written (the side is modified).
    bool modified = false;
};
StyleLocationsUpdate updateStyleLocations(std::span<const StyleUpdateTarget> targets,
                                          const StyleLocationList& oldList,
                                          const StyleLocationList& currentList);

// The error list file: each line followed by CR LF. On failure "Error creating text file!" (the
// error list's own German text) with the platform's description.
std::string errorListText(std::span<const std::string> errors);
std::optional<UserMessage> writeErrorListFile(const std::string& path,
                                              std::span<const std::string> errors);

} // namespace tombrel
