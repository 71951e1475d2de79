#pragma once

// The entry commands, transfers, Multi Change and button states over both sides as the main
// window holds them: one call per button. Each does nothing while its side is closed, and sets
// the modified flags and refreshes the count texts of the sides it changed. The list views copy
// their selections in before a call and show them again after it, then redraw and ask
// updateCommandStates.

#include "core/commands/ArchiveListOperations.h"
#include "core/commands/CommandStates.h"
#include "core/commands/EntryDialogs.h"
#include "core/commands/LineClipboard.h"
#include "core/commands/LineDrops.h"
#include "core/commands/MultiChangeWalk.h"
#include "core/commands/RegListOperations.h"
#include "core/commands/Search.h"
#include "core/commands/Transfers.h"
#include "core/record/ListSelection.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/Interaction.h"
#include "core/sides/RegistrationSide.h"

namespace tombrel {

// Registration side: New Bank, New Entry, Delete, Up, Down, Edit Entry (with the side's keyboard
// model). True when the list changed.
bool newRegBank(RegistrationSide& side, ListSelection& selection);
bool newRegEntry(RegistrationSide& side, ListSelection& selection, bool extendedMode);
bool deleteRegLines(RegistrationSide& side, ListSelection& selection, bool extendedMode,
                    Interaction& ui);
bool moveRegLineUp(RegistrationSide& side, ListSelection& selection);
bool moveRegLineDown(RegistrationSide& side, ListSelection& selection);
bool editRegLine(RegistrationSide& side, ListSelection& selection, EntryDialogs& dialogs);

// Archive side Edit Entry with the registration side's keyboard model.
bool editArchiveLine(ArchiveSide& archive, ListSelection& selection,
                     const RegistrationSide& registrations, EntryDialogs& dialogs);

// Copy >>, Move >>, << Copy, << Move; << Move asks `ui` before it fills the registration side
// beyond what it can save.
TransferResult transferToArchive(RegistrationSide& registrations, ListSelection& regSelection,
                                 ArchiveSide& archive, ListSelection& archiveSelection,
                                 TransferMode mode);
TransferResult transferToRegistrations(ArchiveSide& archive, ListSelection& archiveSelection,
                                       RegistrationSide& registrations, ListSelection& regSelection,
                                       TransferMode mode, Interaction& ui);

// Dragging inside a pane: the selected lines moved or copied to the drop row.
bool dropRegLines(RegistrationSide& side, ListSelection& selection, int row, DropMode mode,
                  bool extendedMode);
// (The archive's is dropArchiveLines of LineDrops.h.)

// Lines from the clipboard, or dropped from another copy of the program, put in at the single
// selected line (Paste) or at a drop row, by the rules of a copied drop in that pane. Lines of
// the other pane's kind come over as a transfer brings them: a category by its lines.
bool pasteRegLines(RegistrationSide& side, ListSelection& selection, const ClipboardLines& lines,
                   bool extendedMode);
bool pasteArchiveLines(ArchiveSide& archive, ListSelection& selection, const ClipboardLines& lines);
bool insertRegLinesAt(RegistrationSide& side, ListSelection& selection, int row,
                      const ClipboardLines& lines, bool extendedMode);
bool canInsertArchiveLinesAt(const ArchiveSide& archive, int row, const ClipboardLines& lines);
bool insertArchiveLinesAt(ArchiveSide& archive, ListSelection& selection, int row,
                          const ClipboardLines& lines);

// What Copy and a drag take from each pane (draggedRegLines, draggedArchiveLines) as the
// clipboard's bytes and plain text.
struct CopiedLines {
    std::string bytes;
    std::string text; // UTF-8
    int count = 0;    // selected lines that hold an entry
};
CopiedLines copyRegLines(const RegistrationSide& side, const ListSelection& selection);
CopiedLines copyArchiveLines(const ArchiveSide& archive, const ListSelection& selection);

// Cut: Delete without its question of exactly the lines Copy takes (a selected bank title line
// or category goes with all its lines). Copy first; true when lines went.
bool cutRegLines(RegistrationSide& side, ListSelection& selection, bool extendedMode);
bool cutArchiveLines(ArchiveSide& archive, ListSelection& selection);

// Multi Change of either pane, with the registration side's keyboard model; Applied marks the
// pane changed.
MultiChangeOutcome multiChangeRegLines(RegistrationSide& side, const ListSelection& selection,
                                       EntryDialogs& dialogs, Interaction& ui);
MultiChangeOutcome multiChangeArchiveLines(ArchiveSide& archive, const ListSelection& selection,
                                           const RegistrationSide& registrations,
                                           EntryDialogs& dialogs, Interaction& ui);

// The Search dialog's Search button on the registration side.
SearchPress pressSearch(RegistrationSide& side, ListSelection& selection, std::string_view text,
                        SearchOptions options, const StyleNameTable& styles,
                        const DiskStyleTexts& disk, Interaction& ui);

CommandStates updateCommandStates(const RegistrationSide& registrations,
                                  const ListSelection& regSelection, const ArchiveSide& archive,
                                  const ListSelection& archiveSelection,
                                  bool clipboardHoldsLines = false);

} // namespace tombrel
