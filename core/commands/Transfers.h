#pragma once

// Copy >> and Move >> (registration side to archive) and << Copy and << Move (archive to
// registration side). Lines keep their kind: a bank line arrives as a bank title line and the
// other way round. A copy checks no limit: the registration side may so hold more than 64 banks
// or 512 registrations, which its Save then refuses, while the archive still holds them. A move
// that would take registrations out of the archive into a list that cannot be saved asks first.

#include "core/record/ListSelection.h"
#include "core/record/RegEntry.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/Interaction.h"
#include "core/sides/RegListRules.h"

namespace tombrel {

enum class TransferMode { Copy, Move };

// What a transfer changed; the archive side's flags and texts are already brought up to date,
// the registration side's are the caller's (set its modified flag, refresh its count text).
struct TransferResult {
    bool registrationsChanged = false;
    bool archiveChanged = false;
};

// Copies of the selected registration lines go into the archive at the single selected archive
// line: at the end of a category (a collapsed one is expanded), after the registrations of a
// bank title line, before a registration, or at the end. Move then removes them from the
// registration list. Needs a registration selection with an entry, exactly one selected archive
// line and an archive that is not empty.
TransferResult transferToArchive(RegList& lines, RegListFilters filters,
                                 ListSelection& regSelection, ArchiveSide& archive,
                                 ListSelection& archiveSelection, TransferMode mode);

// Copies of the selected archive lines go into the registration list at its single selected
// line, a collapsed category standing for all its lines; the registration list never starts with
// a registration (a "<No Name>" bank line comes first). Move then removes them from the archive.
// When `ui` is given and a Move would leave the registration list with more than its Save takes
// (over 512 registrations or 64 banks), `ui` is asked first; No leaves both sides as they were.
TransferResult transferToRegistrations(ArchiveSide& archive, ListSelection& archiveSelection,
                                       RegList& lines, RegListFilters filters,
                                       ListSelection& regSelection, TransferMode mode,
                                       Interaction* ui = nullptr);

} // namespace tombrel
