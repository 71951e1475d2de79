#include "core/commands/ListCommands.h"

namespace tombrel {

namespace {

// A changed registration list marks the side and brings its count text up to date.
bool changed(RegistrationSide& side, bool result) {
    if (result) {
        side.setModified();
        side.refreshCountText();
    }
    return result;
}

RegListFilters filtersOf(const RegistrationSide& side) {
    return side.options().filters;
}

} // namespace

bool newRegBank(RegistrationSide& side, ListSelection& selection) {
    return side.isOpen() && changed(side, newRegBank(side.lines(), filtersOf(side), selection));
}

bool newRegEntry(RegistrationSide& side, ListSelection& selection, bool extendedMode) {
    return side.isOpen() &&
           changed(side, newRegEntry(side.lines(), filtersOf(side), extendedMode, selection));
}

bool deleteRegLines(RegistrationSide& side, ListSelection& selection, bool extendedMode,
                    Interaction& ui) {
    return side.isOpen() && changed(side, deleteRegLines(side.lines(), filtersOf(side),
                                                         extendedMode, selection, ui));
}

bool moveRegLineUp(RegistrationSide& side, ListSelection& selection) {
    return side.isOpen() && changed(side, moveRegLineUp(side.lines(), filtersOf(side), selection));
}

bool moveRegLineDown(RegistrationSide& side, ListSelection& selection) {
    return side.isOpen() &&
           changed(side, moveRegLineDown(side.lines(), filtersOf(side), selection));
}

bool editRegLine(RegistrationSide& side, ListSelection& selection, EntryDialogs& dialogs) {
    return side.isOpen() &&
           changed(side, editRegLine(side.lines(), selection, side.keyboardModel(), dialogs));
}

bool editArchiveLine(ArchiveSide& archive, ListSelection& selection,
                     const RegistrationSide& registrations, EntryDialogs& dialogs) {
    return editArchiveLine(archive, selection, registrations.keyboardModel(), dialogs);
}

TransferResult transferToArchive(RegistrationSide& registrations, ListSelection& regSelection,
                                 ArchiveSide& archive, ListSelection& archiveSelection,
                                 TransferMode mode) {
    if (!registrations.isOpen())
        return {};
    const TransferResult result = transferToArchive(registrations.lines(), filtersOf(registrations),
                                                    regSelection, archive, archiveSelection, mode);
    changed(registrations, result.registrationsChanged);
    return result;
}

TransferResult transferToRegistrations(ArchiveSide& archive, ListSelection& archiveSelection,
                                       RegistrationSide& registrations, ListSelection& regSelection,
                                       TransferMode mode, Interaction& ui) {
    if (!registrations.isOpen())
        return {};
    const TransferResult result =
        transferToRegistrations(archive, archiveSelection, registrations.lines(),
                                filtersOf(registrations), regSelection, mode, &ui);
    changed(registrations, result.registrationsChanged);
    return result;
}

MultiChangeOutcome multiChangeRegLines(RegistrationSide& side, const ListSelection& selection,
                                       EntryDialogs& dialogs, Interaction& ui) {
    if (!side.isOpen())
        return MultiChangeOutcome::NothingSelected;
    const MultiChangeOutcome outcome =
        multiChangeRegLines(side.lines(), selection, side.keyboardModel(), dialogs, ui);
    if (outcome == MultiChangeOutcome::Applied)
        side.setModified();
    return outcome;
}

MultiChangeOutcome multiChangeArchiveLines(ArchiveSide& archive, const ListSelection& selection,
                                           const RegistrationSide& registrations,
                                           EntryDialogs& dialogs, Interaction& ui) {
    return multiChangeArchiveLines(archive, selection, registrations.keyboardModel(), dialogs, ui);
}

SearchPress pressSearch(RegistrationSide& side, ListSelection& selection, std::string_view text,
                        SearchOptions options, const StyleNameTable& styles,
                        const DiskStyleTexts& disk, Interaction& ui) {
    return pressSearch(side.lines(), selection, text, options, styles, disk, ui);
}

CommandStates updateCommandStates(const RegistrationSide& registrations,
                                  const ListSelection& regSelection, const ArchiveSide& archive,
                                  const ListSelection& archiveSelection) {
    return updateCommandStates(RegPaneState{registrations.isOpen(), registrations.isUntitled(),
                                            &registrations.lines(), &regSelection},
                               ArchivePaneState{archive.isOpen(), archive.isUntitled(),
                                                &archive.list(), &archiveSelection});
}

} // namespace tombrel
