#include "cli/ConsoleInteraction.h"

#include <algorithm>

namespace tombrel::cli {

void ConsoleInteraction::warn(const UserMessage& message) {
    if (!message.platformError.empty())
        err_ << message.platformError << '\n';
    if (message.message) {
        err_ << message.text(Language::English) << '\n';
        shown_.push_back(message.message);
    }
    err_.flush();
}

Answer ConsoleInteraction::askYesNoCancel(const UserMessage& question) {
    const bool overwrite = question.message == &msg::FileExistsOverwrite ||
                           question.message == &msg::FileExistsOverwriteInBackupSet;
    if (overwrite && overwriteAllowed_)
        return Answer::Yes;
    return Answer::Cancel;
}

bool ConsoleInteraction::askYesNo(const UserMessage&) {
    return false;
}

std::optional<std::string> ConsoleInteraction::chooseFileToOpen(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> ConsoleInteraction::chooseFileToSave(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<KeyboardModel> ConsoleInteraction::selectKeyboardType(KeyboardModel) {
    return keyboardType_;
}

std::optional<BackupSetChoice> ConsoleInteraction::chooseBackupSet(const BackupSetDialogRequest&) {
    return std::nullopt;
}

bool ConsoleInteraction::warned(const Message& message) const {
    return std::find(shown_.begin(), shown_.end(), &message) != shown_.end();
}

} // namespace tombrel::cli
