#pragma once

// The way both panes run Edit Entry on a registration line: the dialog edits the record in
// place; Previous and Next step to the registration above or below as long as there is one
// directly there (a bank title line or a category line ends the walk), moving the selection
// along.

#include "core/commands/EntryDialogs.h"
#include "core/record/ListSelection.h"

#include <functional>

namespace tombrel {

// `registrationAt(i)` gives the record of line i when it is a registration line, else nothing
// (also for an index outside the list). Starts at `index`, which must be a registration line.
// Returns true when a record's bytes changed after OK, Previous or Next.
bool runEditEntryLoop(int index, ListSelection& selection, KeyboardModel model,
                      EntryDialogs& dialogs, const std::function<RegRecord*(int)>& registrationAt);

} // namespace tombrel
