#pragma once

// The tool's answers to what a command asks in the middle of its work. Nobody sits at the
// keyboard, so every question gets the answer that loses nothing: a save-changes question is
// cancelled, a delete confirmation is declined, an overwrite question is answered Yes only while
// the tool writes the file the user named with -o. No file dialog is shown: the tool hands paths
// to the sides directly. Warnings go to the error stream, one text a line.

#include "core/sides/Interaction.h"

#include <optional>
#include <ostream>
#include <vector>

namespace tombrel::cli {

class ConsoleInteraction : public Interaction {
public:
    explicit ConsoleInteraction(std::ostream& err) : err_(err) {}

    void warn(const UserMessage& message) override;
    Answer askYesNoCancel(const UserMessage& question) override;
    bool askYesNo(const UserMessage& question) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel current) override;
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest& request) override;
    void beginBusy() override {}
    void endBusy() override {}

    // The model the Select Keyboard Type dialog answers with; without one it is cancelled.
    void setKeyboardTypeAnswer(std::optional<KeyboardModel> model) { keyboardType_ = model; }
    // While set, an overwrite question is answered Yes.
    void setOverwriteAllowed(bool allowed) { overwriteAllowed_ = allowed; }

    // Whether this message was shown since the start.
    bool warned(const Message& message) const;

private:
    std::ostream& err_;
    std::optional<KeyboardModel> keyboardType_;
    bool overwriteAllowed_ = false;
    std::vector<const Message*> shown_;
};

} // namespace tombrel::cli
