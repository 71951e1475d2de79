#include "core/commands/MultiChangeWalk.h"

#include "core/editors/MultiChange.h"

namespace tombrel {

namespace {

// Lines selected that hold an entry; a selected trailing line holds none.
template <class List> bool anyEntrySelected(const List& list, const ListSelection& selection) {
    for (int index : selection.lines) {
        if (index >= 0 && static_cast<size_t>(index) < list.size())
            return true;
    }
    return false;
}

} // namespace

std::vector<RegRecord*> multiChangeRegistrations(RegList& lines, const ListSelection& selection) {
    std::vector<RegRecord*> out;
    for (int index : selection.lines) {
        if (index >= 0 && static_cast<size_t>(index) < lines.size() && !lines[index].isBankLine)
            out.push_back(&lines[index].record);
    }
    return out;
}

std::vector<RegRecord*> multiChangeRegistrations(ArchiveList& list,
                                                 const ListSelection& selection) {
    std::vector<RegRecord*> out;
    for (int index : selection.lines) {
        if (index < 0 || static_cast<size_t>(index) >= list.size())
            continue;
        ArchiveEntry& line = list[index];
        if (line.isRegistrationLine()) {
            out.push_back(&line.record);
        } else if (line.isCategory && !line.expanded) {
            for (RegEntry& child : line.hiddenChildren) {
                if (!child.isBankLine)
                    out.push_back(&child.record);
            }
        }
    }
    return out;
}

MultiChangeOutcome runMultiChange(const std::vector<RegRecord*>& records, bool anySelected,
                                  KeyboardModel model, EntryDialogs& dialogs, Interaction& ui) {
    if (!anySelected)
        return MultiChangeOutcome::NothingSelected;
    if (records.empty()) {
        ui.warn(userMessage(msg::NoRegsSelected));
        return MultiChangeOutcome::NoRegistrations;
    }
    MultiChangeForm form = MultiChangeForm::gather(records, model);
    if (!dialogs.multiChange(form) || !form.anySet())
        return MultiChangeOutcome::Cancelled;
    form.applyTo(records);
    return MultiChangeOutcome::Applied;
}

MultiChangeOutcome multiChangeRegLines(RegList& lines, const ListSelection& selection,
                                       KeyboardModel model, EntryDialogs& dialogs,
                                       Interaction& ui) {
    return runMultiChange(multiChangeRegistrations(lines, selection),
                          anyEntrySelected(lines, selection), model, dialogs, ui);
}

MultiChangeOutcome multiChangeArchiveLines(ArchiveSide& archive, const ListSelection& selection,
                                           KeyboardModel model, EntryDialogs& dialogs,
                                           Interaction& ui) {
    if (!archive.isOpen())
        return MultiChangeOutcome::NothingSelected;
    const MultiChangeOutcome outcome =
        runMultiChange(multiChangeRegistrations(archive.list(), selection),
                       anyEntrySelected(archive.list(), selection), model, dialogs, ui);
    if (outcome == MultiChangeOutcome::Applied)
        archive.setModified();
    return outcome;
}

} // namespace tombrel
