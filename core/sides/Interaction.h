#pragma once

// Everything a command asks the user in the middle of its work: warnings, questions, file
// choices and the few dialogs a file command needs. The desktop program answers with its message
// boxes and dialogs; tests answer from a script. Commands never show anything by other means.

#include "core/record/KeyboardModel.h"
#include "core/text/Messages.h"

#include <functional>
#include <optional>
#include <string>

namespace tombrel {

enum class Answer { Yes, No, Cancel };

// A file dialog of the platform. The filter is written as pairs of description and pattern
// separated by '|' and ended by "||" ("Archive (*.yra)|*.yra|All Files (*.*)|*.*||"); the
// default extension has no dot. The read-only box is never shown.
struct FileDialogRequest {
    const Message* caption = nullptr;
    std::string filter;
    std::string defaultExtension;
    std::string initialPath; // proposed file name, may be empty
    bool overwritePrompt = false;
};

enum class BackupSetDialogMode { Open, Save };

// The tree dialog that shows folders with the keyboard's backup sets under their set names.
struct BackupSetDialogRequest {
    BackupSetDialogMode mode = BackupSetDialogMode::Open;
    const Message* caption = nullptr;
    int iconId = 0; // icon of a set that holds a file matching the pattern
    std::string pattern;
    bool noNetwork = false;
    std::string initialPath;
};

struct BackupSetChoice {
    // Open: the matching file inside the chosen set (or the set folder when it holds none).
    // Save: the set folder itself.
    std::string resultPath;
    // The folder shown in the tree when the dialog was confirmed.
    std::string currentFolder;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // Warning icon and OK. The platform's description (message.platformError) comes first when
    // there is one.
    virtual void warn(const UserMessage& message) = 0;
    // Question icon with Yes, No and Cancel (save-changes and overwrite questions).
    virtual Answer askYesNoCancel(const UserMessage& question) = 0;
    // Question icon with Yes and No (delete confirmations); true for Yes.
    virtual bool askYesNo(const UserMessage& question) = 0;

    // Nothing when the user cancels.
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) = 0;

    // The Select Keyboard Type dialog preset with `current`; nothing on Cancel.
    virtual std::optional<KeyboardModel> selectKeyboardType(KeyboardModel current) = 0;

    // Nothing on Cancel.
    virtual std::optional<BackupSetChoice>
    chooseBackupSet(const BackupSetDialogRequest& request) = 0;

    // The wait cursor while file work runs; calls nest. Use BusyScope.
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
};

// Shows the wait cursor for the lifetime of the scope.
class BusyScope {
public:
    explicit BusyScope(Interaction& ui) : ui_(ui) { ui_.beginBusy(); }
    ~BusyScope() { ui_.endBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Interaction& ui_;
};

// The save-changes question before a side's modified file is replaced or closed. Yes runs
// `save`, which returns whether the file is saved now. True when the caller may go on: after
// No, or after Yes when the save went through; false on Cancel or a failed save.
bool askToSaveChanges(Interaction& ui, const Message& question, const std::function<bool()>& save);

} // namespace tombrel
