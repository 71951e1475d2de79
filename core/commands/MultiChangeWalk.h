#pragma once

// Multi Change from either pane: which registrations take part, gathering their common values,
// the dialog, and writing the chosen fields into every one of them.

#include "core/commands/EntryDialogs.h"
#include "core/record/ListSelection.h"
#include "core/record/RegEntry.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/Interaction.h"

#include <vector>

namespace tombrel {

// The registrations of the selected lines in list order: every selected registration line; on
// the archive side a selected collapsed category stands for the registrations hidden under it.
// Bank title lines, expanded category lines (their lines are selectable on their own) and the
// trailing line take no part.
std::vector<RegRecord*> multiChangeRegistrations(RegList& lines, const ListSelection& selection);
std::vector<RegRecord*> multiChangeRegistrations(ArchiveList& list, const ListSelection& selection);

enum class MultiChangeOutcome {
    NothingSelected, // no line with an entry selected: nothing happened
    NoRegistrations, // "No reg(s) selected!" was shown
    Cancelled,       // Cancel, or OK with no Set box on: nothing written (the records were
                     // brought into order while gathering, which does not count as a change)
    Applied,         // the set fields were written; the pane is changed
};

// Runs Multi Change on the registrations: gathers them (normalising each), shows the dialog and
// applies the form on OK.
MultiChangeOutcome runMultiChange(const std::vector<RegRecord*>& records, bool anySelected,
                                  KeyboardModel model, EntryDialogs& dialogs, Interaction& ui);

// Multi Change of the registration side's selection. Applied means the caller sets the side's
// modified flag.
MultiChangeOutcome multiChangeRegLines(RegList& lines, const ListSelection& selection,
                                       KeyboardModel model, EntryDialogs& dialogs, Interaction& ui);
// Multi Change of the archive's selection; sets the archive's modified flag when applied.
MultiChangeOutcome multiChangeArchiveLines(ArchiveSide& archive, const ListSelection& selection,
                                           KeyboardModel model, EntryDialogs& dialogs,
                                           Interaction& ui);

} // namespace tombrel
