#pragma once

// Which buttons of the main window are enabled, worked out from both panes' state and
// selections after every command and every change of a selection. New, Open and Import JSON...
// of both panes, both recent-file boxes, the style name controls, Exit, Settings, Save Sty. Loc.
// and Help are always enabled and have no entry here.

#include "core/record/ArchiveEntry.h"
#include "core/record/ListSelection.h"
#include "core/record/RegEntry.h"

namespace tombrel {

// What the rules look at in each pane.
struct RegPaneState {
    bool open = false;
    bool untitled = false;
    const RegList* lines = nullptr;           // nothing: no lines
    const ListSelection* selection = nullptr; // nothing: no line selected
};

struct ArchivePaneState {
    bool open = false;
    bool untitled = false;
    const ArchiveList* lines = nullptr;
    const ListSelection* selection = nullptr;
};

// The buttons that both panes have.
struct PaneCommandStates {
    bool save = false;
    bool saveAs = false;
    bool close = false;
    bool list = false;
    bool newBank = false;
    bool newEntry = false;
    bool editEntry = false;
    bool deleteEntries = false;
    bool multiChange = false;
    bool search = false;
    bool protocol = false;
    bool exportJson = false; // "Export JSON..."; "Import JSON..." is always enabled
    bool updateStyles = false;
    bool up = false;
    bool down = false;
    // The clipboard: Cut and Copy take the selected lines, Paste puts lines in at the single
    // selected line.
    bool cut = false;
    bool copy = false;
    bool paste = false;

    bool operator==(const PaneCommandStates&) const = default;
};

struct RegCommandStates : PaneCommandStates {
    bool copyToArchive = false; // "Copy >>"
    bool moveToArchive = false; // "Move >>"

    bool operator==(const RegCommandStates&) const = default;
};

struct ArchiveCommandStates : PaneCommandStates {
    bool newCategory = false;
    bool editCategory = false;
    bool sortCategory = false;
    bool copyToRegistrations = false; // "<< Copy"
    bool moveToRegistrations = false; // "<< Move"

    bool operator==(const ArchiveCommandStates&) const = default;
};

struct CommandStates {
    RegCommandStates registration;
    ArchiveCommandStates archive;

    bool operator==(const CommandStates&) const = default;
};

// `clipboardHoldsLines`: the clipboard holds lines in the program's own form.
CommandStates updateCommandStates(const RegPaneState& registration, const ArchivePaneState& archive,
                                  bool clipboardHoldsLines = false);

// Expand all and Collapse all in the archive list's context menu: enabled while the archive is
// open and some category hides lines, or shows them. Worked out when the menu opens, not after
// every command, since either may look at every line of a large archive.
struct CategoryViewStates {
    bool expandAll = false;
    bool collapseAll = false;

    bool operator==(const CategoryViewStates&) const = default;
};

CategoryViewStates categoryViewStates(const ArchivePaneState& archive);

} // namespace tombrel
