#pragma once

// The desktop program's answer to the commands' questions: message boxes with the warning or
// question icon, the platform's file dialogs, the Select Keyboard Type dialog, the backup-set
// dialog and the wait cursor. Every window it opens is modal over the given parent.

#include "core/Interaction.h"
#include "core/Messages.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace tombrel {

// A filter of the form "Name (*.x)|*.x|All Files (*.*)|*.*||" as QFileDialog writes it:
// "Name (*.x);;All Files (*)". "*.*" becomes "*", which here also matches names without a dot.
QString qtFileFilter(const std::string& filter);

class GuiInteraction : public Interaction {
public:
    GuiInteraction(QWidget* parent, Language lang) : parent_(parent), lang_(lang) {}

    void setParent(QWidget* parent) { parent_ = parent; }

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
    // The wait cursor gives way while a window waits for the user.
    class BusyPause;

    QPointer<QWidget> parent_;
    Language lang_;
    int busyDepth_ = 0;
};

} // namespace tombrel
