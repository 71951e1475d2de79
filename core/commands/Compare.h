#pragma once

// Comparing registrations field by field, and comparing two files: registration backups slot by
// slot, anything else by the order of its registrations. The registrations of a file or a pane
// are first given their places ("<03/5>" in a backup, "Pop/3" in an archive), which the
// comparison and the duplicate search report.

#include "core/names/RegFields.h"
#include "core/record/ArchiveEntry.h"
#include "core/record/ListSelection.h"
#include "core/record/RegEntry.h"
#include "core/text/Messages.h"

#include <optional>
#include <string>
#include <vector>

namespace tombrel {

// One registration with where it stands. Places are single-byte text like the names they hold.
struct PlacedRecord {
    std::string place; // "<03/5>" (bank and slot), or "Pop/3" (category and position, 1-based)
    RegRecord record;
    int line = -1;     // its line in the list it came from; -1 inside a collapsed category
    int category = -1; // archive: the line of its category
    int child = -1;    // archive: its index among a collapsed category's hidden lines
    int slot = -1;     // backup: bank x 8 + slot
};

struct PlacedText {
    std::string place; // "<03>" for a bank, "Pop/<2>" for an archive's second bank title in Pop,
                       // "Category 3" for a category
    std::string text;
};

struct PlacedFile {
    bool backup = false;
    std::vector<PlacedRecord> registrations;
    std::vector<PlacedText> bankTitles;
    std::vector<PlacedText> categories;
};

// A registration backup's lines (as read, or as a pane holds them): banks and slots counted as
// the file stores them, a ninth registration of a bank opening the next bank.
PlacedFile placeBackupLines(const RegList& lines);
// An archive's display list, collapsed and expanded categories alike; lines before the first
// category count as a category with an empty name.
PlacedFile placeArchiveLines(const ArchiveList& list);

// One row of the Compare dialog: a field of the table, or a run of kept bytes in hex.
struct CompareRow {
    std::string name;    // the field's name ("R1-Voice") or the kept run's caption in English
    std::string caption; // in the dialog's language
    std::string a;       // display texts (UTF-8)
    std::string b;
    bool differs = false;
    bool kept = false; // a row of bytes the program does not interpret
};
// Every field of the table in its order, then every kept run.
std::vector<CompareRow> compareRegistrations(const RegRecord& a, const RegRecord& b,
                                             const FieldNames& names);

// A field (or kept run, bank title, category name) whose values differ.
struct FieldDifference {
    std::string field;                  // "Tempo", "Bytes 43-78", "Bank-Title", "Category"
    const RegField* regField = nullptr; // the table row; nullptr for the others
    FieldValue a;
    FieldValue b;
    std::string aText; // display texts (UTF-8); hex for kept bytes
    std::string bText;
};
std::vector<FieldDifference> fieldDifferences(const RegRecord& a, const RegRecord& b,
                                              const FieldNames& names);

enum class DifferenceKind { Changed, Added, Removed };
std::string_view differenceKindName(DifferenceKind kind); // "changed", "added", "removed"
const Message& differenceKindText(DifferenceKind kind);

struct PlaceDifference {
    std::string place; // the first file's place; the second file's for an added registration
    DifferenceKind kind = DifferenceKind::Changed;
    std::string title; // the registration's title (single-byte), empty for titles and names
    std::vector<FieldDifference> fields;
};

struct FileComparison {
    std::vector<PlaceDifference> differences;
    bool same() const { return differences.empty(); }
};

// Two backups are matched by bank and slot: a free slot against a registration is an added or
// removed registration. Otherwise the registrations are matched by their order, so that one
// moved registration shows as removed at its old place and added at its new one; a removed run
// and an added run at the same place are paired as changed registrations (an empty registration
// is never paired: it shows as removed or added). A backup against an archive leaves out the
// backup's free slots and "<No Name>" banks on both sides, which the archive's order knows
// nothing of. Bank titles are compared by bank (two backups) or by their order, category names
// of two archives by order.
FileComparison compareFiles(const PlacedFile& a, const PlacedFile& b, const FieldNames& names);

// The two registrations the Compare command works on: two selected in the pane that has the
// focus, or else one selected in each pane (registrations only: bank titles, categories and the
// trailing line do not count). Nothing when the selections hold any other number.
struct ComparePair {
    PlacedRecord a;
    PlacedRecord b;
};
std::optional<ComparePair> registrationsToCompare(const RegList& regLines,
                                                  const ListSelection& regSelection,
                                                  const ArchiveList& archive,
                                                  const ListSelection& archiveSelection,
                                                  bool archiveFocused);

// A registration backup or an archive read for comparing, told by its content; the reader's
// messages when it was refused.
struct ComparableFile {
    std::optional<PlacedFile> file;
    std::vector<UserMessage> messages;
};
ComparableFile readComparableFile(const std::string& path);

} // namespace tombrel
