#include "core/sides/Interaction.h"

namespace tombrel {

bool askToSaveChanges(Interaction& ui, const Message& question, const std::function<bool()>& save) {
    switch (ui.askYesNoCancel(userMessage(question))) {
    case Answer::Yes:
        return save();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

} // namespace tombrel
