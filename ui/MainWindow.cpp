#include "ui/MainWindow.h"

#include "core/commands/EditHistory.h"
#include "core/commands/ListCommands.h"
#include "core/files/DocumentKind.h"
#include "core/sides/Interaction.h"
#include "core/sides/PaneMark.h"
#include "ui/ArchiveListModel.h"
#include "ui/BackupSetDialog.h"
#include "ui/BackupSetIcons.h"
#include "ui/ControlIds.h"
#include "ui/GuiInteraction.h"
#include "ui/HelpDocument.h"
#include "ui/PaneListView.h"
#include "ui/ProgramIcon.h"
#include "ui/QtTranslations.h"
#include "ui/RegListModel.h"
#include "ui/UiText.h"
#include "ui/WindowEntryDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace tombrel {

namespace {

// Buttons that are enabled whatever the panes hold (when their command is part of the program).
const int kAlwaysEnabled[] = {ids::main::RegNew,
                              ids::main::RegOpen,
                              ids::main::ArchiveNew,
                              ids::main::ArchiveOpen,
                              ids::main::Exit,
                              ids::main::Settings,
                              ids::main::SaveStyleLocations,
                              ids::main::Help,
                              ids::main::RegImportJson,
                              ids::main::ArchiveImportJson};

// The control id of each button the command-state rules decide.
std::map<int, bool> statesById(const CommandStates& states) {
    const RegCommandStates& r = states.registration;
    const ArchiveCommandStates& a = states.archive;
    return {
        {ids::main::RegSave, r.save},
        {ids::main::RegSaveAs, r.saveAs},
        {ids::main::RegClose, r.close},
        {ids::main::RegList, r.list},
        {ids::main::RegNewBank, r.newBank},
        {ids::main::RegNewEntry, r.newEntry},
        {ids::main::RegEditEntry, r.editEntry},
        {ids::main::CopyToArchive, r.copyToArchive},
        {ids::main::MoveToArchive, r.moveToArchive},
        {ids::main::RegDelete, r.deleteEntries},
        {ids::main::RegMultiChange, r.multiChange},
        {ids::main::RegSearch, r.search},
        {ids::main::RegProtocol, r.protocol},
        {ids::main::RegExportJson, r.exportJson},
        {ids::main::RegUpdateStyles, r.updateStyles},
        {ids::main::RegUp, r.up},
        {ids::main::RegDown, r.down},
        {ids::main::ArchiveSave, a.save},
        {ids::main::ArchiveSaveAs, a.saveAs},
        {ids::main::ArchiveClose, a.close},
        {ids::main::ArchiveList, a.list},
        {ids::main::NewCategory, a.newCategory},
        {ids::main::EditCategory, a.editCategory},
        {ids::main::SortCategory, a.sortCategory},
        {ids::main::ArchiveNewBank, a.newBank},
        {ids::main::ArchiveNewEntry, a.newEntry},
        {ids::main::ArchiveEditEntry, a.editEntry},
        {ids::main::CopyToRegistrations, a.copyToRegistrations},
        {ids::main::MoveToRegistrations, a.moveToRegistrations},
        {ids::main::ArchiveDelete, a.deleteEntries},
        {ids::main::ArchiveMultiChange, a.multiChange},
        {ids::main::ArchiveSearch, a.search},
        {ids::main::ArchiveProtocol, a.protocol},
        {ids::main::ArchiveExportJson, a.exportJson},
        {ids::main::ArchiveUpdateStyles, a.updateStyles},
        {ids::main::ArchiveUp, a.up},
        {ids::main::ArchiveDown, a.down},
    };
}

// The backup-set dialog for the commands that open and save inside the keyboard's sets.
std::optional<BackupSetChoice>
chooseBackupSetInDialog(QWidget* parent, const BackupSetDialogRequest& request, Language lang) {
    BackupSetDialog::Options options;
    options.mode = request.mode == BackupSetDialogMode::Save ? BackupSetDialog::Mode::Save
                                                             : BackupSetDialog::Mode::Open;
    if (request.caption)
        options.caption = uiText(*request.caption, lang);
    options.matchingSetIcon =
        backupSetIcon(request.iconId == kFlashStyleBackupSetIcon ? BackupSetIcon::FlashStyle
                                                                 : BackupSetIcon::Registration);
    options.pattern = request.pattern;
    options.noNetwork = request.noNetwork;
    options.initialPath = request.initialPath;
    BackupSetDialog dialog(options, lang, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return BackupSetChoice{dialog.resultPath(), dialog.currentFolder()};
}

std::unique_ptr<Interaction> ownInteraction(Interaction* given, QWidget* parent, Language lang) {
    if (given)
        return nullptr;
    auto gui = std::make_unique<GuiInteraction>(lang, parent);
    gui->setBackupSetDialog(chooseBackupSetInDialog);
    return gui;
}

} // namespace

MainWindow::MainWindow(const Setup& setup, StyleNameTable& styleNames, DiskStyleTexts& diskStyles,
                       Interaction* ui, QWidget* parent)
    : QDialog(parent), lang_(setup.lang), extendedMode_(setup.extendedMode),
      startDirectory_(setup.startDirectory.isEmpty() ? QDir::currentPath() : setup.startDirectory),
      helpFolders_(setup.helpFolders), settings_(setup.settings),
      ownUi_(ownInteraction(ui, this, setup.lang)), ui_(ui ? *ui : *ownUi_),
      styleNames_(styleNames), diskStyles_(diskStyles), reg_(ui_), arch_(ui_),
      history_(std::make_unique<EditHistory>(reg_, arch_)), styles_(styleNames, diskStyles, ui_) {
    if (helpFolders_.isEmpty())
        helpFolders_ = defaultHelpFolders(startDirectory_);
    // Qt's own buttons and dialogs speak the window's language, not the desktop's.
    applyQtTranslations(lang_);
    setWindowTitle(uiText(msg::MainWindowTitle, lang_));
    setWindowIcon(programIcon());
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    buildControls();
    connectCommands();
    installShortcuts();

    // Settings: both panes, the style name modes and the window's place.
    reg_.loadSettings(settings_, extendedMode_);
    arch_.loadSettings(settings_);
    styles_.loadSettings(settings_);
    resize(1180, 740);
    setMinimumSize(minimumSizeHint().expandedTo(QSize(960, 600)));
    if (settings_.leftPos != -1 && settings_.topPos != -1) {
        // A place on no screen any more (a monitor was unplugged) is left to the desktop.
        const QPoint place(settings_.leftPos, settings_.topPos);
        if (QGuiApplication::screenAt(place + QPoint(40, 10)))
            move(place);
    }

    installDefaultHooks();
    installCompareCommands();
    installClipboardCommands();
    installContextMenus();
    setAcceptDrops(true);
    entryDialogs_ = std::make_unique<WindowEntryDialogs>(
        [this](RegRecord& record, KeyboardModel model) { return hooks_.editEntry(record, model); },
        [this](const std::string& title) { return hooks_.bankTitle(title); },
        [this](const MultiChangeForm& form) { return hooks_.multiChange(form); });

    refreshRegPane();
    refreshArchivePane();
    refreshStyleNameControls();
    updateCommandStates();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::control(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

// ---- Showing the state -------------------------------------------------------------------------

void MainWindow::fillRecentCombo(QComboBox* combo, const std::vector<std::string>& items,
                                 int selected, bool paths) {
    const QSignalBlocker block(combo);
    combo->clear();
    for (const std::string& item : items) {
        combo->addItem(fromUtf8(item));
        if (paths)
            combo->setItemData(combo->count() - 1, fromUtf8(item), Qt::ToolTipRole);
    }
    combo->setCurrentIndex(selected);
}

void MainWindow::refreshRegPane() {
    fillRecentCombo(regRecent_, reg_.recentRegComboItems(), reg_.recentRegComboSelection(), true);
    keyboardName_->setText(fromUtf8(reg_.keyboardNameText()));
    regCount_->setText(fromUtf8(reg_.countText()));
    showModifiedMarks();
}

void MainWindow::refreshArchivePane() {
    fillRecentCombo(archRecent_, arch_.recentArchiveComboItems(),
                    arch_.recentArchiveComboSelection(), true);
    archCount_->setText(fromUtf8(arch_.countText()));
    showModifiedMarks();
}

void MainWindow::showModifiedMarks() {
    regModified_->setText(fromUtf8(modifiedMarkText(reg_, lang_)));
    archModified_->setText(fromUtf8(modifiedMarkText(arch_, lang_)));
}

QLabel* MainWindow::makeModifiedMark(QWidget* pane, const QString& name) const {
    auto* mark = new QLabel(pane);
    mark->setObjectName(name);
    // A screen reader reads the mark's text itself; the description tells what it is.
    mark->setAccessibleDescription(uiText(msg::UnsavedChangesMark, lang_));
    mark->setTextFormat(Qt::PlainText);
    return mark;
}

void MainWindow::updateCommandStates() {
    const CommandStates states = tombrel::updateCommandStates(
        reg_, selectionOf(*regList_), arch_, selectionOf(*archList_), clipboardHoldsLines());
    allowed_ = statesById(states);
    const std::pair<QAction*, bool> actions[] = {
        {regCutAction_, states.registration.cut},     {regCopyAction_, states.registration.copy},
        {regPasteAction_, states.registration.paste}, {archiveCutAction_, states.archive.cut},
        {archiveCopyAction_, states.archive.copy},    {archivePasteAction_, states.archive.paste},
    };
    for (const auto& [action, enabled] : actions) {
        if (action)
            action->setEnabled(enabled);
    }
    for (int id : kAlwaysEnabled)
        allowed_[id] = true;
    for (const auto& [id, enabled] : allowed_) {
        if (QWidget* widget = control(id))
            widget->setEnabled(enabled);
    }
    updateHistoryButtons();
}

bool MainWindow::commandAllowed(int id) const {
    const auto it = allowed_.find(id);
    return it != allowed_.end() && it->second;
}

void MainWindow::editSettings() {
    const RegSideOptions& options = reg_.options();
    SettingsDialog::Values before;
    before.backupStructure = options.backupStructure;
    before.noNetworkAccess = options.noNetworkAccess;
    before.hideDuplicateBankTitles = options.filters.hideDuplicateBankTitles;
    before.hideEmptyEntries = options.filters.hideEmptyEntries;
    before.keyboardPaths = settings_.keyboardPath;
    before.pcPaths = settings_.pcPath;
    before.playerPaths = settings_.playerPath;

    const std::optional<SettingsDialog::Values> after =
        hooks_.settingsDialog(before, extendedMode_);
    if (!after || *after == before) {
        updateCommandStates();
        return;
    }
    RegSideOptions changed = options;
    changed.backupStructure = after->backupStructure;
    changed.noNetworkAccess = after->noNetworkAccess;
    if (extendedMode_) {
        changed.filters.hideDuplicateBankTitles = after->hideDuplicateBankTitles;
        changed.filters.hideEmptyEntries = after->hideEmptyEntries;
    }
    settings_.keyboardPath = after->keyboardPaths;
    settings_.pcPath = after->pcPaths;
    settings_.playerPath = after->playerPaths;

    // Switching a filter rebuilds an open list, which then starts at its first line again.
    const bool rebuilt = reg_.isOpen() && !(changed.filters == options.filters);
    reg_.setOptions(changed);
    if (rebuilt) {
        // The rebuilt list is another document: no step recorded on the old one fits it.
        history_->paneReplaced(RegistrationPane);
        regModel_->reload();
        showSelection(*regList_, ListSelection::single(0));
    }
    refreshRegPane();
    refreshStyleNameControls();
    updateCommandStates();
}

// ---- Files handed to the program ---------------------------------------------------------------

void MainWindow::start(const QStringList& files) {
    styles_.applyAtStartup(reg_.keyboardModel());
    bool archiveHanded = false;
    for (const QString& file : files)
        archiveHanded =
            archiveHanded || handedDocument(file.toStdString()).kind == DocumentKind::Archive;
    // A handed archive takes the place of the most recent one, which is then not read at all.
    if (!archiveHanded)
        runArchiveFileCommand([this] { arch_.reopenMostRecentArchive(); });
    refreshStyleNameControls();
    openFiles(files);
    updateCommandStates();
}

void MainWindow::openFiles(const QStringList& files) {
    pendingFiles_ << files;
    openPendingFiles();
}

void MainWindow::openPendingFiles() {
    if (pendingFiles_.isEmpty())
        return;
    // A dialog of this window is open: its command works on the lists, so the files wait.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        QTimer::singleShot(500, this, &MainWindow::openPendingFiles);
        return;
    }
    const QStringList files = std::exchange(pendingFiles_, {});
    for (const QString& file : files) {
        const HandedDocument document = handedDocument(file.toStdString());
        if (!document.kind) {
            ui_.warn(document.refusal);
            continue;
        }
        const std::string& path = document.path;
        if (*document.kind == DocumentKind::RegBackup)
            runRegFileCommand([this, &path] { reg_.openRegBackupFile(path); });
        else
            runArchiveFileCommand([this, &path] { arch_.openArchiveFile(path); });
    }
}

void MainWindow::openDroppedFiles(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    // The files came from another program's window; the questions are asked in front of it.
    activateWindow();
    raise();
    openFiles(paths);
}

namespace {

// The local files among dragged URLs; nothing when the drag brings none.
QStringList droppedLocalFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << QDir::cleanPath(url.toLocalFile());
    }
    return paths;
}

// Dropped files are copied, never moved: a file manager would delete what it moved away.
void acceptAsCopy(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if ((event->possibleActions() & Qt::CopyAction) &&
        !droppedLocalFiles(event->mimeData()).isEmpty())
        acceptAsCopy(event);
    else
        event->ignore();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if ((event->possibleActions() & Qt::CopyAction) &&
        !droppedLocalFiles(event->mimeData()).isEmpty())
        acceptAsCopy(event);
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedLocalFiles(event->mimeData());
    if (paths.isEmpty() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return;
    }
    acceptAsCopy(event);
    // Opened once the drop has returned: a save-changes question must not keep the dragging
    // program waiting for the end of its drag.
    QTimer::singleShot(0, this, [this, paths] { openDroppedFiles(paths); });
}

// ---- Leaving -----------------------------------------------------------------------------------

Settings MainWindow::currentSettings() const {
    Settings settings = settings_;
    reg_.storeSettings(settings);
    arch_.storeSettings(settings);
    styles_.storeSettings(settings);
    const RegSideOptions& options = reg_.options();
    settings.yamahaBackupStruktur = options.backupStructure;
    settings.noNetworkAccess = options.noNetworkAccess;
    // Without the extended mode the filter values are neither read nor written.
    if (extendedMode_) {
        settings.hideDuplicateBankTitles = options.filters.hideDuplicateBankTitles;
        settings.hideEmptyEntries = options.filters.hideEmptyEntries;
    }
    settings.leftPos = pos().x();
    settings.topPos = pos().y();
    return settings;
}

bool MainWindow::leave() {
    if (left_)
        return true;
    const bool regAllows = reg_.confirmDiscardRegChanges();
    // A Yes may have saved under a new name: show it.
    refreshRegPane();
    if (!regAllows) {
        updateCommandStates();
        return false;
    }
    const bool archiveAllows = arch_.askSaveArchiveChanges();
    refreshArchivePane();
    if (!archiveAllows) {
        updateCommandStates();
        return false;
    }
    left_ = true;
    hooks_.storeSettings(currentSettings());
    done(QDialog::Accepted);
    return true;
}

void MainWindow::reject() {
    // Escape during a drag cancels the drag, never the program.
    if (PaneListView::dragInProgress())
        return;
    leave();
}

void MainWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        openPendingFiles();
}

// ---- Help and shortcuts ------------------------------------------------------------------------

void MainWindow::showHelp() {
    const QString path = findHelpDocument(lang_, helpFolders_);
    if (path.isEmpty()) {
        UserMessage message = userMessage(msg::HelpNotFound);
        message.argument = helpDocumentName(lang_).toStdString();
        ui_.warn(message);
        return;
    }
    if (!hooks_.openDocument(path)) {
        UserMessage message = userMessage(msg::HelpCannotBeOpened);
        message.argument = QDir::toNativeSeparators(path).toStdString();
        ui_.warn(message);
    }
}

MainWindow::Pane MainWindow::focusedPane() const {
    if (QWidget* focus = QApplication::focusWidget()) {
        if (regPane_->isAncestorOf(focus))
            return Pane::Registration;
        if (archPane_->isAncestorOf(focus))
            return Pane::Archive;
    }
    return lastFocusedPane_;
}

void MainWindow::clickInFocusedPane(int regId, int archiveId) {
    const int id = focusedPane() == Pane::Registration ? regId : archiveId;
    // A disabled button ignores the click, so a key does only what the button would do.
    if (auto* button = qobject_cast<QPushButton*>(control(id)))
        button->click();
}

} // namespace tombrel
