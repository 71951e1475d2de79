#include "core/commands/EditEntryLoop.h"

namespace tombrel {

bool runEditEntryLoop(int index, ListSelection& selection, KeyboardModel model,
                      EntryDialogs& dialogs, const std::function<RegRecord*(int)>& registrationAt) {
    bool changed = false;
    RegRecord* record = registrationAt(index);
    while (record) {
        const RegRecord before = *record;
        const EditEntryResult result = dialogs.editEntry(*record, model);
        if (result == EditEntryResult::Cancel)
            break;
        if (*record != before)
            changed = true;
        int next = index;
        if (result == EditEntryResult::Next)
            next = index + 1;
        else if (result == EditEntryResult::Previous)
            next = index - 1;
        if (next == index)
            break;
        record = registrationAt(next);
        if (record) {
            index = next;
            selection.selectOnly(index);
        }
    }
    return changed;
}

} // namespace tombrel
