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

// Cut asks nothing: what goes is on the clipboard. Anything else is asked as usual.
class CutInteraction : public Interaction {
public:
    void warn(const UserMessage&) override {}
    Answer askYesNoCancel(const UserMessage&) override { return Answer::Yes; }
    bool askYesNo(const UserMessage&) override { return true; }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel) override { return {}; }
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest&) override {
        return {};
    }
    void beginBusy() override {}
    void endBusy() override {}
};

int realCount(const ListSelection& selection, size_t size) {
    return static_cast<int>(selection.realLines(static_cast<int>(size)).size());
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

bool dropRegLines(RegistrationSide& side, ListSelection& selection, int row, DropMode mode,
                  bool extendedMode) {
    return side.isOpen() && changed(side, dropRegLines(side.lines(), filtersOf(side), extendedMode,
                                                       selection, row, mode));
}

bool insertRegLinesAt(RegistrationSide& side, ListSelection& selection, int row,
                      const ClipboardLines& lines, bool extendedMode) {
    return side.isOpen() &&
           changed(side, insertRegLinesAt(side.lines(), filtersOf(side), extendedMode, selection,
                                          row, asRegistrationLines(lines)));
}

bool pasteRegLines(RegistrationSide& side, ListSelection& selection, const ClipboardLines& lines,
                   bool extendedMode) {
    const std::optional<int> row = selection.only();
    return row && insertRegLinesAt(side, selection, *row, lines, extendedMode);
}

bool canInsertArchiveLinesAt(const ArchiveSide& archive, int row, const ClipboardLines& lines) {
    return archive.isOpen() && archiveInsertAllowed(archive.list(), asArchiveLines(lines), row);
}

bool insertArchiveLinesAt(ArchiveSide& archive, ListSelection& selection, int row,
                          const ClipboardLines& lines) {
    return insertArchiveLinesAt(archive, selection, row, asArchiveLines(lines));
}

bool pasteArchiveLines(ArchiveSide& archive, ListSelection& selection,
                       const ClipboardLines& lines) {
    return pasteArchiveLines(archive, selection, asArchiveLines(lines));
}

namespace {

// The clipboard's content for the dragged lines of a pane: nothing when no line holds an entry.
template <class Lines>
CopiedLines copiedLinesOf(const Lines& lines, const ListSelection& selection, size_t listSize) {
    CopiedLines out;
    if (lines.empty())
        return out;
    out.bytes = encodeClipboardLines(lines);
    out.text = plainTextOf(lines);
    out.count = realCount(selection, listSize);
    return out;
}

} // namespace

CopiedLines copyRegLines(const RegistrationSide& side, const ListSelection& selection) {
    if (!side.isOpen())
        return {};
    return copiedLinesOf(draggedRegLines(side.lines(), selection), selection, side.lines().size());
}

CopiedLines copyArchiveLines(const ArchiveSide& archive, const ListSelection& selection) {
    if (!archive.isOpen())
        return {};
    return copiedLinesOf(draggedArchiveLines(archive.list(), selection), selection,
                         archive.list().size());
}

bool cutRegLines(RegistrationSide& side, ListSelection& selection, bool extendedMode) {
    if (!side.isOpen())
        return false;
    // The whole bank of a selected bank title line, as Copy took it.
    const RegList& lines = side.lines();
    ListSelection taken;
    taken.caret = selection.caret;
    int covered = 0;
    for (int i : selection.realLines(static_cast<int>(lines.size()))) {
        if (i < covered)
            continue;
        int end = i + 1;
        if (lines[i].isBankLine) {
            while (end < static_cast<int>(lines.size()) && !lines[end].isBankLine)
                ++end;
        }
        for (int j = i; j < end; ++j)
            taken.lines.insert(j);
        covered = end;
    }
    if (taken.empty())
        return false;
    CutInteraction quiet;
    const bool cut = deleteRegLines(side, taken, extendedMode, quiet);
    if (cut)
        selection = taken;
    return cut;
}

bool cutArchiveLines(ArchiveSide& archive, ListSelection& selection) {
    if (!archive.isOpen())
        return false;
    // A selected expanded category goes with all its lines, as Copy took them.
    const ArchiveList& list = archive.list();
    ListSelection taken;
    taken.caret = selection.caret;
    int covered = 0;
    for (int i : selection.realLines(static_cast<int>(list.size()))) {
        if (i < covered)
            continue;
        const int end = list[i].isCategory ? archiveCategoryEnd(list, i) : i + 1;
        for (int j = i; j < end; ++j)
            taken.lines.insert(j);
        covered = end;
    }
    if (taken.empty())
        return false;
    CutInteraction quiet;
    const bool cut = deleteArchiveLines(archive, taken, quiet);
    if (cut)
        selection = taken;
    return cut;
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
                                  const ListSelection& archiveSelection, bool clipboardHoldsLines) {
    return updateCommandStates(RegPaneState{registrations.isOpen(), registrations.isUntitled(),
                                            &registrations.lines(), &regSelection},
                               ArchivePaneState{archive.isOpen(), archive.isUntitled(),
                                                &archive.list(), &archiveSelection},
                               clipboardHoldsLines);
}

} // namespace tombrel
