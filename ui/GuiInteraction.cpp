#include "ui/GuiInteraction.h"

#include "ui/BackupSetDialog.h"
#include "ui/BackupSetIcons.h"
#include "ui/SelectKeyboardTypeDialog.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace tombrel {

namespace {

constexpr int kFlashStyleSetIcon = 138;

QString captionOf(const Message* caption, Language lang) {
    return caption ? uiText(*caption, lang) : QString();
}

QString messageText(const UserMessage& message, Language lang) {
    const QString text = fromUtf8(message.text(lang));
    if (message.platformError.empty())
        return text;
    return fromUtf8(message.platformError) + QStringLiteral("\n\n") + text;
}

// Message boxes carry the program's name, as the long window title would be cut off there.
QString windowTitle(const QWidget*) {
    return QStringLiteral("Tombrel");
}

} // namespace

// Message boxes and dialogs show the normal cursor even while file work has the wait cursor up.
class GuiInteraction::BusyPause {
public:
    explicit BusyPause(int depth) : paused_(depth > 0) {
        if (paused_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~BusyPause() {
        if (paused_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyPause(const BusyPause&) = delete;
    BusyPause& operator=(const BusyPause&) = delete;

private:
    bool paused_;
};

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i];
        if (name.isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QStringList list = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& p : list) {
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        // The name keeps its own text; the patterns Qt matches by go into the last brackets.
        QString shown = name;
        const qsizetype open = shown.lastIndexOf(QLatin1Char('('));
        if (open > 0 && shown.endsWith(QLatin1Char(')')))
            shown = shown.left(open).trimmed();
        filters << shown + QStringLiteral(" (") + list.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

void GuiInteraction::warn(const UserMessage& message) {
    BusyPause pause(busyDepth_);
    QMessageBox box(QMessageBox::Warning, windowTitle(parent_), messageText(message, lang_),
                    QMessageBox::Ok, parent_);
    box.exec();
}

Answer GuiInteraction::askYesNoCancel(const UserMessage& question) {
    BusyPause pause(busyDepth_);
    QMessageBox box(QMessageBox::Question, windowTitle(parent_), messageText(question, lang_),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool GuiInteraction::askYesNo(const UserMessage& question) {
    BusyPause pause(busyDepth_);
    QMessageBox box(QMessageBox::Question, windowTitle(parent_), messageText(question, lang_),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> GuiInteraction::chooseFile(const FileDialogRequest& request, bool save) {
    BusyPause pause(busyDepth_);
    QFileDialog dialog(parent_, captionOf(request.caption, lang_));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(request.filter));
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(fromUtf8(request.defaultExtension));
    if (save && !request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
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
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> GuiInteraction::chooseFileToOpen(const FileDialogRequest& request) {
    return chooseFile(request, false);
}

std::optional<std::string> GuiInteraction::chooseFileToSave(const FileDialogRequest& request) {
    return chooseFile(request, true);
}

std::optional<KeyboardModel> GuiInteraction::selectKeyboardType(KeyboardModel current) {
    BusyPause pause(busyDepth_);
    return tombrel::selectKeyboardType(parent_, current, lang_);
}

std::optional<BackupSetChoice>
GuiInteraction::chooseBackupSet(const BackupSetDialogRequest& request) {
    BusyPause pause(busyDepth_);
    BackupSetDialog::Options options;
    options.mode = request.mode == BackupSetDialogMode::Save ? BackupSetDialog::Mode::Save
                                                             : BackupSetDialog::Mode::Open;
    options.caption = captionOf(request.caption, lang_);
    options.matchingSetIcon =
        backupSetIcon(request.iconId == kFlashStyleSetIcon ? BackupSetIcon::FlashStyle
                                                           : BackupSetIcon::Registration);
    options.pattern = request.pattern;
    options.noNetwork = request.noNetwork;
    options.initialPath = request.initialPath;
    BackupSetDialog dialog(options, lang_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return BackupSetChoice{dialog.resultPath(), dialog.currentFolder()};
}

void GuiInteraction::beginBusy() {
    if (busyDepth_++ == 0)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void GuiInteraction::endBusy() {
    if (busyDepth_ > 0 && --busyDepth_ == 0)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace tombrel
