#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace tombrel::test {

ScriptedInteraction& ScriptedInteraction::answer(Answer a) {
    script_.emplace_back(a);
    return *this;
}
ScriptedInteraction& ScriptedInteraction::answerYesNo(bool yes) {
    script_.emplace_back(yes);
    return *this;
}
ScriptedInteraction& ScriptedInteraction::fileChosen(std::string path) {
    script_.emplace_back(FileStep{std::move(path)});
    return *this;
}
ScriptedInteraction& ScriptedInteraction::fileDialogCancelled() {
    script_.emplace_back(FileStep{});
    return *this;
}
ScriptedInteraction& ScriptedInteraction::keyboardChosen(KeyboardModel model) {
    script_.emplace_back(KeyboardStep{model});
    return *this;
}
ScriptedInteraction& ScriptedInteraction::keyboardDialogCancelled() {
    script_.emplace_back(KeyboardStep{});
    return *this;
}
ScriptedInteraction& ScriptedInteraction::backupSetChosen(std::string resultPath,
                                                          std::string currentFolder) {
    script_.emplace_back(
        BackupSetStep{BackupSetChoice{std::move(resultPath), std::move(currentFolder)}});
    return *this;
}
ScriptedInteraction& ScriptedInteraction::backupSetDialogCancelled() {
    script_.emplace_back(BackupSetStep{});
    return *this;
}

std::vector<const Message*> ScriptedInteraction::messageIds() const {
    std::vector<const Message*> ids;
    for (const Event& e : events_) {
        if (e.kind == Kind::Warn || e.kind == Kind::AskYesNoCancel || e.kind == Kind::AskYesNo)
            ids.push_back(e.message.message);
    }
    return ids;
}

std::vector<ScriptedInteraction::Kind> ScriptedInteraction::kinds() const {
    std::vector<Kind> out;
    for (const Event& e : events_)
        out.push_back(e.kind);
    return out;
}

template <class T> std::optional<T> ScriptedInteraction::next(const char* what) {
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << what << ": the script is used up";
        return std::nullopt;
    }
    if (!std::holds_alternative<T>(script_.front())) {
        ADD_FAILURE() << "unexpected " << what << ": the script expects another kind of question";
        return std::nullopt;
    }
    T step = std::get<T>(script_.front());
    script_.pop_front();
    return step;
}

ScriptedInteraction::Event& ScriptedInteraction::record(Kind kind) {
    Event& e = events_.emplace_back();
    e.kind = kind;
    e.busyDepth = busyDepth_;
    return e;
}

void ScriptedInteraction::warn(const UserMessage& message) {
    record(Kind::Warn).message = message;
}

Answer ScriptedInteraction::askYesNoCancel(const UserMessage& question) {
    record(Kind::AskYesNoCancel).message = question;
    return next<Answer>("Yes/No/Cancel question").value_or(Answer::Cancel);
}

bool ScriptedInteraction::askYesNo(const UserMessage& question) {
    record(Kind::AskYesNo).message = question;
    return next<bool>("Yes/No question").value_or(false);
}

std::optional<std::string> ScriptedInteraction::chooseFileToOpen(const FileDialogRequest& request) {
    record(Kind::OpenFile).file = request;
    auto step = next<FileStep>("file-open dialog");
    return step ? step->path : std::nullopt;
}

std::optional<std::string> ScriptedInteraction::chooseFileToSave(const FileDialogRequest& request) {
    record(Kind::SaveFile).file = request;
    auto step = next<FileStep>("file-save dialog");
    return step ? step->path : std::nullopt;
}

std::optional<KeyboardModel> ScriptedInteraction::selectKeyboardType(KeyboardModel current) {
    record(Kind::KeyboardType).currentModel = current;
    auto step = next<KeyboardStep>("keyboard type dialog");
    return step ? step->model : std::nullopt;
}

std::optional<BackupSetChoice>
ScriptedInteraction::chooseBackupSet(const BackupSetDialogRequest& request) {
    record(Kind::BackupSet).set = request;
    auto step = next<BackupSetStep>("backup-set dialog");
    return step ? step->choice : std::nullopt;
}

void ScriptedInteraction::beginBusy() {
    ++busyDepth_;
    ++busyScopes_;
}

void ScriptedInteraction::endBusy() {
    EXPECT_GT(busyDepth_, 0) << "wait cursor ended more often than begun";
    --busyDepth_;
}

} // namespace tombrel::test
