#pragma once

// Dragging lines inside one pane and putting lines in at a place (a drop of lines from elsewhere,
// Paste). A drop row is a place between two lines: row r stands before line r, the list's size
// for the end (the trailing line).
//
// Registration pane: the registrations hold the slots of their banks, and the bank title lines
// stay where they are. Moved registrations take the slots at the drop position and those in
// between shift by one slot each, as if Up or Down had been pressed until the moved ones stood
// there. Dropped right below a bank title line, they become that bank's first registrations.
// A dragged bank title line carries its bank (the title and its registrations) to the start of
// another bank or to the end; a drag that holds bank title lines and registrations of other
// banks is refused. Copies push the later registrations on by as many slots; without the
// extended mode every bank keeps its 8 slots, and empty registrations pushed off the end go.
//
// Archive pane: lines and bank title lines move anywhere inside the categories; a category
// moves with all its lines (hidden or shown) and lands only before another category or at the
// end, never inside a category and so never inside itself. Lines never land before the first
// category.
//
// Each drop function returns false and changes nothing when the drop is refused or would change
// nothing; the `...DropChanges` functions answer the same question without changing anything,
// cheaply enough for every move of the mouse. A successful drop selects what landed.

#include "core/record/ArchiveEntry.h"
#include "core/record/ListSelection.h"
#include "core/record/RegEntry.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/RegListRules.h"

namespace tombrel {

enum class DropMode { Move, Copy };

// ---- Registration pane -------------------------------------------------------------------------

bool regDropChanges(const RegList& lines, const ListSelection& selection, int row, DropMode mode);
bool dropRegLines(RegList& lines, RegListFilters filters, bool extendedMode,
                  ListSelection& selection, int row, DropMode mode);

// The lines a drag or Copy takes from the registration pane: for every selected bank title line
// its whole bank, and the other selected registrations, in list order.
RegList draggedRegLines(const RegList& lines, const ListSelection& selection);

// Puts `incoming` (lines of a registration pane) in at `row` by the rules of a copied drop.
// Incoming bank title lines go to the start of the bank that holds `row` or the next one (or the
// end), the registrations before the first of them under a "<No Name>" title. False when there
// is nothing to put in.
bool insertRegLinesAt(RegList& lines, RegListFilters filters, bool extendedMode,
                      ListSelection& selection, int row, RegList incoming);

// ---- Archive pane ------------------------------------------------------------------------------

bool archiveDropChanges(const ArchiveList& list, const ListSelection& selection, int row,
                        DropMode mode);
bool dropArchiveLines(ArchiveSide& side, ListSelection& selection, int row, DropMode mode);

// The lines a drag or Copy takes from the archive: every selected category with all its lines
// (hidden ones inside it), and the other selected lines, in list order.
ArchiveList draggedArchiveLines(const ArchiveList& list, const ListSelection& selection);

// Whether `incoming` (archive lines) may be put in at `row`: a category only before a category
// or at the end, lines never before the first category.
bool archiveInsertAllowed(const ArchiveList& list, const ArchiveList& incoming, int row);
// Puts `incoming` in at `row` when archiveInsertAllowed; sets the side's flags and count text.
bool insertArchiveLinesAt(ArchiveSide& side, ListSelection& selection, int row,
                          ArchiveList incoming);

// Paste into the archive at its single selected line: lines with a category go where New
// Category puts one (before the next category at or after the line, or at the end), other lines
// where Copy >> puts its copies (the end of a selected category, after the registrations of a
// selected bank title line, before a registration, or at the end). Works in an empty archive.
bool pasteArchiveLines(ArchiveSide& side, ListSelection& selection, ArchiveList incoming);

} // namespace tombrel
