#include "ui/GuiInteraction.h"

#include "ui/SelectKeyboardTypeDialog.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace tombrel {

namespace {

QString boxTitle() {
    return QGuiApplication::applicationDisplayName();
}

} // namespace

QStringList qtFileFilters(std::string_view filter) {
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            break; // the closing "||"
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        filters << (description.endsWith(shown) ? description
                                                : QStringLiteral("%1 %2").arg(description, shown));
    }
    return filters;
}

QString messageBoxText(const UserMessage& message, Language lang) {
    const QString text = fromUtf8(message.text(lang));
    if (message.platformError.empty())
        return text;
    return fromUtf8(message.platformError) + QStringLiteral("\n\n") + text;
}

GuiInteraction::GuiInteraction(Language lang, QWidget* parent) : lang_(lang), parent_(parent) {}

void GuiInteraction::warn(const UserMessage& message) {
    QMessageBox box(QMessageBox::Warning, boxTitle(), messageBoxText(message, lang_),
                    QMessageBox::Ok, parent_);
    box.exec();
}

Answer GuiInteraction::askYesNoCancel(const UserMessage& question) {
    QMessageBox box(QMessageBox::Question, boxTitle(), messageBoxText(question, lang_),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel; // Cancel, Escape and closing the box
    }
}

bool GuiInteraction::askYesNo(const UserMessage& question) {
    QMessageBox box(QMessageBox::Question, boxTitle(), messageBoxText(question, lang_),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> GuiInteraction::chooseFile(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_);
    if (request.caption)
        dialog.setWindowTitle(uiText(*request.caption, lang_));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFileFilters(request.filter));
    dialog.setDefaultSuffix(fromUtf8(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.initialPath.empty()) {
        const QFileInfo initial(fromUtf8(request.initialPath));
        if (initial.isDir()) {
            dialog.setDirectory(initial.absoluteFilePath());
        } else {
            dialog.setDirectory(initial.absolutePath());
            dialog.selectFile(initial.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> GuiInteraction::chooseFileToOpen(const FileDialogRequest& request) {
    return chooseFile(request, false);
}

std::optional<std::string> GuiInteraction::chooseFileToSave(const FileDialogRequest& request) {
    return chooseFile(request, true);
}

std::optional<KeyboardModel> GuiInteraction::selectKeyboardType(KeyboardModel current) {
    return tombrel::selectKeyboardType(parent_, current, lang_);
}

std::optional<BackupSetChoice>
GuiInteraction::chooseBackupSet(const BackupSetDialogRequest& request) {
    // HOOK: the backup-set tree dialog is set by whoever builds it (setBackupSetDialog); until
    // then the command behaves as if the user cancelled.
    if (!backupSetDialog_)
        return std::nullopt;
    return backupSetDialog_(parent_, request, lang_);
}

void GuiInteraction::beginBusy() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void GuiInteraction::endBusy() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace tombrel
