#pragma once

// The entry commands of the registration side's list: New Bank, New Entry, Edit Entry, Delete,
// Up and Down. Each takes the list with the filters its normalisation works by and the list's
// selection, does nothing when its preconditions fail, and leaves the selection as the user sees
// it afterwards. The result says whether the list changed; the side then sets its modified flag
// and refreshes its count text.
//
// Without the extended mode the list always holds whole banks in their slots: New Entry pushes
// the last registration of every following bank into the next one, and Delete pulls the later
// registrations up across bank boundaries while every bank title stays where it was.

#include "core/commands/EntryDialogs.h"
#include "core/record/ListSelection.h"
#include "core/record/RegEntry.h"
#include "core/sides/Interaction.h"
#include "core/sides/RegListRules.h"

namespace tombrel {

// A "<No Name>" bank line at the selected line (the trailing line included); the registrations
// from there to the next bank line now belong to it. Needs exactly one selected line.
bool newRegBank(RegList& lines, RegListFilters filters, ListSelection& selection);

// An empty registration at the selected line, which the selection then follows. Needs exactly
// one selected line.
bool newRegEntry(RegList& lines, RegListFilters filters, bool extendedMode,
                 ListSelection& selection);

// Removes the selected lines. A bank line goes with all its registrations unless some of them
// are selected and others stay. More than one registration to remove asks "Delete %d entries?";
// anything but Yes leaves the list alone, and the lines stay deselected.
bool deleteRegLines(RegList& lines, RegListFilters filters, bool extendedMode,
                    ListSelection& selection, Interaction& ui);

// A registration changes places with the nearest registration above (below), passing over bank
// lines; a bank line moves with its registrations above the previous (below the next) bank.
// False (and nothing changed) when there is nothing to change places with.
bool moveRegLineUp(RegList& lines, RegListFilters filters, ListSelection& selection);
bool moveRegLineDown(RegList& lines, RegListFilters filters, ListSelection& selection);

// Edit Entry (and a double click) on the single selected line: the bank title dialog on a bank
// line, Edit Entry on a registration, stepping with Previous and Next within its bank. True when
// a title was confirmed or a record's bytes changed.
bool editRegLine(RegList& lines, ListSelection& selection, KeyboardModel model,
                 EntryDialogs& dialogs);

// The extended-mode-off regrouping after a deletion: the bank lines keep their order and each
// heads 8 registrations again, in list order; banks left without registrations get empty ones.
// Then the list is normalised.
void regroupRegBanks(RegList& lines, RegListFilters filters);

} // namespace tombrel
