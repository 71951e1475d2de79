#pragma once

// An Interaction for tests: answers come from a script in order, and every question, warning and
// dialog is recorded with its message id so that a test can check what the user was shown in
// both languages. An unexpected question (script used up or expecting another kind) fails the
// test and is answered with Cancel or nothing.

#include "core/sides/Interaction.h"

#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tombrel::test {

class ScriptedInteraction : public Interaction {
public:
    enum class Kind { Warn, AskYesNoCancel, AskYesNo, OpenFile, SaveFile, KeyboardType, BackupSet };

    struct Event {
        Kind kind;
        UserMessage message;          // Warn, AskYesNoCancel, AskYesNo
        FileDialogRequest file;       // OpenFile, SaveFile
        BackupSetDialogRequest set;   // BackupSet
        KeyboardModel currentModel{}; // KeyboardType
        int busyDepth = 0;            // wait cursor depth when the event happened
    };

    // Script steps, consumed in order.
    ScriptedInteraction& answer(Answer a);
    ScriptedInteraction& answerYesNo(bool yes);
    ScriptedInteraction& fileChosen(std::string path);
    ScriptedInteraction& fileDialogCancelled();
    ScriptedInteraction& keyboardChosen(KeyboardModel model);
    ScriptedInteraction& keyboardDialogCancelled();
    ScriptedInteraction& backupSetChosen(std::string resultPath, std::string currentFolder);
    ScriptedInteraction& backupSetDialogCancelled();

    const std::vector<Event>& events() const { return events_; }
    // The ids of the warnings and questions, in order.
    std::vector<const Message*> messageIds() const;
    std::vector<Kind> kinds() const;
    bool scriptUsedUp() const { return script_.empty(); }
    int busyDepth() const { return busyDepth_; }
    int busyScopes() const { return busyScopes_; }
    void clearEvents() { events_.clear(); }

    void warn(const UserMessage& message) override;
    Answer askYesNoCancel(const UserMessage& question) override;
    bool askYesNo(const UserMessage& question) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel current) override;
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest& request) override;
    void beginBusy() override;
    void endBusy() override;

private:
    struct FileStep {
        std::optional<std::string> path;
    };
    struct KeyboardStep {
        std::optional<KeyboardModel> model;
    };
    struct BackupSetStep {
        std::optional<BackupSetChoice> choice;
    };
    using Step = std::variant<Answer, bool, FileStep, KeyboardStep, BackupSetStep>;

    template <class T> std::optional<T> next(const char* what);
    Event& record(Kind kind);

    std::deque<Step> script_;
    std::vector<Event> events_;
    int busyDepth_ = 0;
    int busyScopes_ = 0;
};

} // namespace tombrel::test
