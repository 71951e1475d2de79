#pragma once

// The desktop program's answers to a command's questions: message boxes with the warning and
// question icons and their buttons, the platform's file dialogs, the keyboard type dialog and the
// wait cursor.

#include "core/sides/Interaction.h"
#include "core/text/Messages.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace tombrel {

// "Text file (*.txt)|*.txt|All Files (*.*)|*.*||" in Qt's form, one filter a line:
// "Text file (*.txt)" and "All Files (*.*)". A description that does not end with its patterns
// in parentheses gets them; several patterns ("*.a;*.b") are separated by blanks.
QStringList qtFileFilters(std::string_view filter);

// A message box's text: the platform's own description first, then the program's message.
QString messageBoxText(const UserMessage& message, Language lang);

class GuiInteraction : public Interaction {
public:
    explicit GuiInteraction(Language lang, QWidget* parent = nullptr);

    // The window the boxes and dialogs belong to.
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    Language language() const { return lang_; }

    // The backup-set tree dialog. Until one is given, chooseBackupSet answers as cancelled.
    using BackupSetDialog = std::function<std::optional<BackupSetChoice>(
        QWidget* parent, const BackupSetDialogRequest& request, Language lang)>;
    void setBackupSetDialog(BackupSetDialog dialog) { backupSetDialog_ = std::move(dialog); }

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
    std::optional<std::string> chooseFile(const FileDialogRequest& request, bool save);

    Language lang_;
    QPointer<QWidget> parent_;
    BackupSetDialog backupSetDialog_;
};

} // namespace tombrel
