#pragma once

// The entry commands of the archive side's list: New Bank, New Entry, Edit Entry, Delete, Up and
// Down. Each takes the side and the list's selection, does nothing when its preconditions fail,
// and leaves the selection as the user sees it afterwards. A command that changes the list sets
// the side's modified flag, recomputes its last-category index and, where registrations came or
// went, its count text; the result says whether anything changed.

#include "core/commands/EntryDialogs.h"
#include "core/record/ListSelection.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/Interaction.h"

namespace tombrel {

// Where New Bank, New Entry and the copies of Copy >> go for the selected line `selected`: at
// the end of a selected category (a collapsed one is expanded first), otherwise before the
// selected line, or at the end for the trailing line. -1 for an index outside the list.
int archiveInsertionIndex(ArchiveSide& side, int selected);

// The end of the category at `index`: the next category line after it, or the end of the list.
int archiveCategoryEnd(const ArchiveList& list, int index);

// A "<No Name>" bank title line, or an empty registration, at the insertion index; it is
// selected. Need exactly one selected line and a list that is not empty.
bool newArchiveBank(ArchiveSide& side, ListSelection& selection);
bool newArchiveEntry(ArchiveSide& side, ListSelection& selection);

// Edit Entry (and a double click) on a single selected line that is not a category: the bank
// title dialog on a bank title line, Edit Entry on a registration, stepping with Previous and
// Next as long as the line there is a registration. Sets the modified flag when a title was
// confirmed or a record's bytes changed.
bool editArchiveLine(ArchiveSide& side, ListSelection& selection, KeyboardModel model,
                     EntryDialogs& dialogs);

// Removes the selected lines: a collapsed category with all its lines; an expanded category
// with all its lines unless some of them are selected too (then only those, and the category
// only when every one of its lines is selected). Asks "Delete %d categories and %d entries?"
// (or the variant for only one kind) when a category or more than one entry goes; anything but
// Yes leaves list and selection alone.
bool deleteArchiveLines(ArchiveSide& side, ListSelection& selection, Interaction& ui);

// A category moves (collapsed) before the previous / after the next category with its lines; a
// registration changes places with the nearest registration above / below within its category,
// passing over bank title lines; a bank title line moves with its registrations before the
// previous / after the next bank of its category. A selected expanded category is collapsed
// first, also when it then cannot move; only a move sets the modified flag.
bool moveArchiveLineUp(ArchiveSide& side, ListSelection& selection);
bool moveArchiveLineDown(ArchiveSide& side, ListSelection& selection);

} // namespace tombrel
