#pragma once

// STAND-IN, TO BE REPLACED: the enabled state of the main window's buttons, worked out here only
// until the core's updateCommandStates (with the list commands) is merged. Then the window calls
// the core function and this file is deleted.

#include "core/ArchiveEntry.h"
#include "core/RegEntry.h"
#include "ui/ViewSelection.h"

#include <map>

namespace tombrel::standin {

struct PaneState {
    bool open = false;
    bool untitled = false;
    ViewSelection selection;
};

// Control id -> enabled, for every button whose state depends on the panes, and the two lists
// (1010, 1011).
std::map<int, bool> commandStates(const PaneState& registration, const RegList& regLines,
                                  const PaneState& archive, const ArchiveList& archiveLines);

} // namespace tombrel::standin
