#pragma once

// The name of a step of the edit history, as the Undo and Redo tool tips show it: which command
// made it and, for the commands over selected entries, how many entries it took.

#include "core/text/Messages.h"

#include <optional>
#include <string>

namespace tombrel {

enum class StepKind {
    NewBank,
    NewEntry,
    Delete,
    Up,
    Down,
    EditEntry,
    BankTitle,
    MultiChange,
    NewCategory,
    EditCategory,
    SortCategory,
    CopyToArchive,
    MoveToArchive,
    CopyToRegistration,
    MoveToRegistration,
    UpdateStyles,
    DragMove, // lines dragged to another place in their pane
    DragCopy, // copies dragged to a place in their pane
    Paste,
    Cut,
};
inline constexpr int kStepKindCount = 20;

struct StepName {
    StepKind kind = StepKind::EditEntry;
    int count = 0; // entries taken, for the kinds that name a number

    bool operator==(const StepName&) const = default;
};

// "Delete 3 entries" / "3 Einträge löschen".
std::string stepText(StepName name, Language lang);
// "Undo Delete 3 entries" / "Rückgängig: 3 Einträge löschen"; "Nothing to undo" without a step.
std::string undoToolTip(const std::optional<StepName>& name, Language lang);
std::string redoToolTip(const std::optional<StepName>& name, Language lang);

} // namespace tombrel
