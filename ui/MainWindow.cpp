#include "ui/MainWindow.h"

#include "core/DocumentKind.h"
#include "core/Interaction.h"
#include "core/ListCommands.h"
#include "core/StyleLocations.h"
#include "ui/ArchiveListModel.h"
#include "ui/BackupSetDialog.h"
#include "ui/BackupSetIcons.h"
#include "ui/DiskStyleFolderDialog.h"
#include "ui/EditEntryDialog.h"
#include "ui/GuiInteraction.h"
#include "ui/HelpDocument.h"
#include "ui/MultiChangeDialog.h"
#include "ui/PaneListView.h"
#include "ui/ProgramIcon.h"
#include "ui/ProtocolTypeDialog.h"
#include "ui/RegListModel.h"
#include "ui/StyleLocationsDialogs.h"
#include "ui/TitleEditDialog.h"
#include "ui/UiText.h"
#include "ui/WindowEntryDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace tombrel {

namespace {

// Buttons that are enabled whatever the panes hold (when their command is part of the program).
const int kAlwaysEnabled[] = {1001, 1002, 1005, 1006, 1, 1042, 1046, 1049};

// The control id of each button the command-state rules decide.
std::map<int, bool> statesById(const CommandStates& states) {
    const RegCommandStates& r = states.registration;
    const ArchiveCommandStates& a = states.archive;
    return {
        {1003, r.save},
        {1009, r.saveAs},
        {1004, r.close},
        {1010, r.list},
        {1030, r.newBank},
        {1020, r.newEntry},
        {1033, r.editEntry},
        {1021, r.copyToArchive},
        {1024, r.moveToArchive},
        {1025, r.deleteEntries},
        {1050, r.multiChange},
        {1040, r.search},
        {1043, r.protocol},
        {1047, r.updateStyles},
        {1026, r.up},
        {1029, r.down},
        {1007, a.save},
        {1036, a.saveAs},
        {1008, a.close},
        {1011, a.list},
        {1032, a.newCategory},
        {1035, a.editCategory},
        {1052, a.sortCategory},
        {1031, a.newBank},
        {1012, a.newEntry},
        {1034, a.editEntry},
        {1013, a.copyToRegistrations},
        {1014, a.moveToRegistrations},
        {1015, a.deleteEntries},
        {1051, a.multiChange},
        {1041, a.search},
        {1044, a.protocol},
        {1048, a.updateStyles},
        {1016, a.up},
        {1017, a.down},
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
      styles_(styleNames, diskStyles, ui_) {
    if (helpFolders_.isEmpty())
        helpFolders_ = defaultHelpFolders(startDirectory_);
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

void MainWindow::installDefaultHooks() {
    hooks_.categoryName = [this](const std::string& current) {
        return tombrel::editCategory(this, lang_, current);
    };
    hooks_.bankTitle = [this](const std::string& current) {
        return tombrel::editBankTitle(this, lang_, current);
    };
    hooks_.editEntry = [this](RegRecord& record, KeyboardModel model) {
        EditEntryContext context;
        context.model = model;
        for (size_t i = 0; i < SongPathMappings::PairCount; ++i)
            context.songPaths.pairs[i] = {settings_.keyboardPath[i], settings_.pcPath[i]};
        context.players = settings_.playerPath;
        context.styles = &styleNames_;
        context.diskStyles = &diskStyles_;
        context.interaction = &ui_;
        context.lang = lang_;
        return tombrel::editEntry(this, record, context);
    };
    hooks_.multiChange = [this](const MultiChangeForm& common) {
        return tombrel::multiChange(this, common, ui_, lang_);
    };
    hooks_.searchDialog = [this](SearchSide side, const SearchNext& searchNext) {
        runSearchDialog(this, side, searchNext, ui_, lang_);
    };
    hooks_.protocolType = [this] {
        return chooseProtocolType(this, lang_);
    };
    hooks_.styleLocationsInfo = [this](bool update) {
        return update ? confirmUpdateStyleLocations(this, lang_)
                      : confirmSaveStyleLocations(this, lang_);
    };
    hooks_.errorList = [this](const std::vector<std::string>& errors) {
        ErrorListDialog dialog(errors, ui_, lang_, this);
        dialog.exec();
    };
    hooks_.settingsDialog = [this](const SettingsDialog::Values& values, bool extended) {
        SettingsDialog dialog(values, extended, lang_, this);
        return dialog.exec() == QDialog::Accepted ? std::optional(dialog.values()) : std::nullopt;
    };
    hooks_.diskStyleFolder = [this](const std::string& current) -> std::optional<std::string> {
        DiskStyleFolderDialog dialog(lang_, fromUtf8(current), this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.folderPath().toStdString();
    };
    hooks_.openDocument = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    hooks_.storeSettings = [](const Settings&) {
    };
}

void MainWindow::setHooks(Hooks hooks) {
    hooks_ = std::move(hooks);
}

QWidget* MainWindow::control(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

void MainWindow::connectCommands() {
    const auto on = [this](int id, auto handler) {
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this, handler);
    };
    on(1001, [this] { runRegFileCommand([this] { reg_.newRegBackup(); }); });
    on(1002, [this] { runRegFileCommand([this] { reg_.openRegBackup(); }); });
    on(1003, [this] { runRegFileCommand([this] { reg_.saveRegBackup(); }); });
    on(1009, [this] { runRegFileCommand([this] { reg_.saveRegBackupAs(); }); });
    on(1004, [this] { runRegFileCommand([this] { reg_.closeRegBackup(); }); });
    connect(regRecent_, &QComboBox::activated, this, [this](int index) {
        runRegFileCommand([this, index] { reg_.selectRecentRegistration(index); });
    });

    on(1005, [this] { runArchiveFileCommand([this] { arch_.newArchive(); }); });
    on(1006, [this] { runArchiveFileCommand([this] { arch_.openArchive(); }); });
    on(1007, [this] { runArchiveFileCommand([this] { arch_.saveArchive(); }); });
    on(1036, [this] { runArchiveFileCommand([this] { arch_.saveArchiveAs(); }); });
    on(1008, [this] { runArchiveFileCommand([this] { arch_.closeArchive(); }); });
    connect(archRecent_, &QComboBox::activated, this, [this](int index) {
        runArchiveFileCommand([this, index] { arch_.selectRecentArchive(index); });
    });

    connectListCommands();
    on(1032, [this] { newCategory(); });
    on(1035, [this] { editCategory(); });
    on(1052, [this] { sortCategory(); });

    on(1, [this] { leave(); });
    on(1042, [this] { editSettings(); });
    on(1049, [this] { showHelp(); });

    connect(flashFactory_, &QRadioButton::clicked, this, [this] { chooseFlashFactory(); });
    connect(flashDefault_, &QRadioButton::clicked, this, [this] { chooseFlashDefault(); });
    connect(flashIndividual_, &QRadioButton::clicked, this, [this] { chooseFlashIndividual(); });
    connect(diskNumber_, &QRadioButton::clicked, this, [this] { chooseDiskNumber(); });
    connect(diskFolder_, &QRadioButton::clicked, this, [this] { chooseDiskFolder(); });

    connect(regList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateCommandStates(); });
    connect(archList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateCommandStates(); });
    // A reset model gets a new selection model only when the view's model is replaced, which
    // never happens here; the connections above hold for the whole run.
    connect(regList_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { regListDoubleClicked(index.row()); });
    connect(archList_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { archiveListDoubleClicked(index.row()); });
    connect(archList_, &PaneListView::toggleRequested, this,
            [this](int row) { toggleCategory(row); });

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now)
            return;
        if (regPane_->isAncestorOf(now))
            lastFocusedPane_ = Pane::Registration;
        else if (archPane_->isAncestorOf(now))
            lastFocusedPane_ = Pane::Archive;
    });
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
}

void MainWindow::refreshArchivePane() {
    fillRecentCombo(archRecent_, arch_.recentArchiveComboItems(),
                    arch_.recentArchiveComboSelection(), true);
    archCount_->setText(fromUtf8(arch_.countText()));
}

void MainWindow::updateCommandStates() {
    allowed_ = statesById(
        tombrel::updateCommandStates(reg_, selectionOf(*regList_), arch_, selectionOf(*archList_)));
    for (int id : kAlwaysEnabled)
        allowed_[id] = true;
    for (const auto& [id, enabled] : allowed_) {
        if (QWidget* widget = control(id))
            widget->setEnabled(enabled);
    }
}

bool MainWindow::commandAllowed(int id) const {
    const auto it = allowed_.find(id);
    return it != allowed_.end() && it->second;
}

// ---- Commands ----------------------------------------------------------------------------------

MainWindow::PaneSnapshot MainWindow::regSnapshot() const {
    return {reg_.isOpen(), reg_.isUntitled(), reg_.currentPath(), reg_.lines().data()};
}

MainWindow::PaneSnapshot MainWindow::archiveSnapshot() const {
    return {arch_.isOpen(), arch_.isUntitled(), arch_.currentPath(), arch_.list().data()};
}

void MainWindow::runRegFileCommand(const std::function<void()>& command) {
    const PaneSnapshot before = regSnapshot();
    const ListSelection selection = selectionOf(*regList_);
    command();
    regModel_->reload();
    if (reg_.isOpen())
        showSelection(*regList_, regSnapshot() == before ? selection : ListSelection::single(0));
    afterCommand(Pane::Registration);
}

void MainWindow::runArchiveFileCommand(const std::function<void()>& command) {
    const PaneSnapshot before = archiveSnapshot();
    const ListSelection selection = selectionOf(*archList_);
    command();
    archModel_->reload();
    if (arch_.isOpen())
        showSelection(*archList_,
                      archiveSnapshot() == before ? selection : ListSelection::single(0));
    afterCommand(Pane::Archive);
}

void MainWindow::runListCommand(
    Pane pane, int lists,
    const std::function<void(ListSelection& reg, ListSelection& archive)>& command) {
    ListSelection regSelection = selectionOf(*regList_);
    ListSelection archiveSelection = selectionOf(*archList_);
    command(regSelection, archiveSelection);
    if (lists & ShowRegList) {
        regModel_->reload();
        showSelection(*regList_, regSelection);
    }
    if (lists & ShowArchiveList) {
        archModel_->reload();
        showSelection(*archList_, archiveSelection);
    }
    afterCommand(pane);
}

void MainWindow::connectListCommands() {
    const auto on = [this](int id, Pane pane, int lists, auto command) {
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this,
                [this, pane, lists, command] { runListCommand(pane, lists, command); });
    };
    const Pane left = Pane::Registration;
    const Pane right = Pane::Archive;
    on(1030, left, ShowRegList, [this](ListSelection& r, ListSelection&) { newRegBank(reg_, r); });
    on(1020, left, ShowRegList,
       [this](ListSelection& r, ListSelection&) { newRegEntry(reg_, r, extendedMode_); });
    on(1033, left, ShowRegList,
       [this](ListSelection& r, ListSelection&) { editRegLine(reg_, r, *entryDialogs_); });
    on(1025, left, ShowRegList,
       [this](ListSelection& r, ListSelection&) { deleteRegLines(reg_, r, extendedMode_, ui_); });
    on(1026, left, ShowRegList,
       [this](ListSelection& r, ListSelection&) { moveRegLineUp(reg_, r); });
    on(1029, left, ShowRegList,
       [this](ListSelection& r, ListSelection&) { moveRegLineDown(reg_, r); });
    on(1021, left, ShowBothLists, [this](ListSelection& r, ListSelection& a) {
        transferToArchive(reg_, r, arch_, a, TransferMode::Copy);
    });
    on(1024, left, ShowBothLists, [this](ListSelection& r, ListSelection& a) {
        transferToArchive(reg_, r, arch_, a, TransferMode::Move);
    });

    on(1031, right, ShowArchiveList,
       [this](ListSelection&, ListSelection& a) { newArchiveBank(arch_, a); });
    on(1012, right, ShowArchiveList,
       [this](ListSelection&, ListSelection& a) { newArchiveEntry(arch_, a); });
    on(1034, right, ShowArchiveList, [this](ListSelection&, ListSelection& a) {
        editArchiveLine(arch_, a, reg_, *entryDialogs_);
    });
    on(1015, right, ShowArchiveList,
       [this](ListSelection&, ListSelection& a) { deleteArchiveLines(arch_, a, ui_); });
    on(1016, right, ShowArchiveList,
       [this](ListSelection&, ListSelection& a) { moveArchiveLineUp(arch_, a); });
    on(1017, right, ShowArchiveList,
       [this](ListSelection&, ListSelection& a) { moveArchiveLineDown(arch_, a); });
    on(1013, right, ShowBothLists, [this](ListSelection& r, ListSelection& a) {
        transferToRegistrations(arch_, a, reg_, r, TransferMode::Copy);
    });
    on(1014, right, ShowBothLists, [this](ListSelection& r, ListSelection& a) {
        transferToRegistrations(arch_, a, reg_, r, TransferMode::Move);
    });
    on(1050, left, ShowRegList, [this](ListSelection& r, ListSelection&) {
        multiChangeRegLines(reg_, r, *entryDialogs_, ui_);
    });
    on(1051, right, ShowArchiveList, [this](ListSelection&, ListSelection& a) {
        multiChangeArchiveLines(arch_, a, reg_, *entryDialogs_, ui_);
    });

    const auto button = [this](int id, auto handler) {
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this, handler);
    };
    button(1040, [this] { search(Pane::Registration); });
    button(1041, [this] { search(Pane::Archive); });
    button(1043, [this] { writeProtocol(Pane::Registration); });
    button(1044, [this] { writeProtocol(Pane::Archive); });
    button(1047, [this] { updateStyleLocationsCommand(Pane::Registration); });
    button(1048, [this] { updateStyleLocationsCommand(Pane::Archive); });
    button(1046, [this] { saveStyleLocationsCommand(); });
}

void MainWindow::search(Pane pane) {
    const bool registrations = pane == Pane::Registration;
    if (registrations ? !reg_.isOpen() : !arch_.isOpen())
        return;
    // Every press of the dialog's Search button looks on from the line selected now.
    const SearchNext next = [this, registrations](const SearchRequest& request) {
        SearchOptions options;
        options.title = request.title;
        options.rightVoices = request.rightVoices;
        options.leftVoice = request.leftVoice;
        options.accompVoices = request.accompVoices;
        options.styleName = request.styleName;
        const RegistrationMatcher matcher(request.text, options, styleNames_, diskStyles_);
        PaneListView* list = registrations ? regList_ : archList_;
        ListSelection selection = selectionOf(*list);
        const bool found = registrations ? searchNext(reg_.lines(), selection, matcher)
                                         : searchNext(arch_, selection, matcher);
        if (found) {
            // A hit among a collapsed category's lines has expanded it.
            if (!registrations)
                archModel_->reload();
            showSelection(*list, selection);
            updateCommandStates();
        }
        return found;
    };
    hooks_.searchDialog(registrations ? SearchSide::Registration : SearchSide::Archive, next);
    afterCommand(pane);
}

void MainWindow::writeProtocol(Pane pane) {
    const bool registrations = pane == Pane::Registration;
    if (registrations ? !reg_.isOpen() : !arch_.isOpen())
        return;
    if (const std::optional<ProtocolType> type = hooks_.protocolType()) {
        if (const std::optional<std::string> path = chooseProtocolFile(ui_, *type, lang_)) {
            std::optional<UserMessage> failure;
            {
                BusyScope busy(ui_);
                failure =
                    registrations
                        ? writeRegistrationProtocolFile(*path, *type, reg_.lines(), styleNames_)
                        : writeArchiveProtocolFile(*path, *type, arch_.list(), styleNames_);
            }
            if (failure)
                ui_.warn(*failure);
        }
    }
    afterCommand(pane);
}

void MainWindow::saveStyleLocationsCommand() {
    if (hooks_.styleLocationsInfo(false))
        saveStyleLocations(ui_, lang_, styleNames_, styles_.flashMode(), diskStyles_,
                           styles_.diskMode());
    updateCommandStates();
}

void MainWindow::updateStyleLocationsCommand(Pane pane) {
    const bool registrations = pane == Pane::Registration;
    if (registrations ? !reg_.isOpen() : !arch_.isOpen())
        return;
    if (hooks_.styleLocationsInfo(true)) {
        if (const std::optional<StyleLocationList> oldList = loadOldStyleLocations(ui_, lang_)) {
            StyleLocationsUpdate result;
            {
                BusyScope busy(ui_);
                const StyleLocationList current = currentStyleLocations(
                    styleNames_, styles_.flashMode(), diskStyles_, styles_.diskMode());
                const std::vector<StyleUpdateTarget> targets =
                    registrations ? regSideUpdateTargets(reg_.lines())
                                  : archiveUpdateTargets(arch_.list());
                result = updateStyleLocations(targets, *oldList, current);
            }
            if (result.modified) {
                if (registrations)
                    reg_.setModified();
                else
                    arch_.setModified();
            }
            if (result.message)
                ui_.warn(*result.message);
            if (!result.errors.empty())
                hooks_.errorList(result.errors);
        }
    }
    afterCommand(pane);
}

void MainWindow::afterCommand(Pane pane) {
    refreshRegPane();
    refreshArchivePane();
    updateCommandStates();
    PaneListView* list = pane == Pane::Registration ? regList_ : archList_;
    if (list->isEnabled())
        list->setFocus();
}

void MainWindow::newCategory() {
    const std::optional<int> selected = selectionOf(*archList_).only();
    if (!arch_.isOpen() || !selected)
        return;
    const std::optional<std::string> name = hooks_.categoryName(std::string());
    if (!name)
        return;
    if (const std::optional<int> row = arch_.newCategory(*selected, *name)) {
        archModel_->reload();
        showSelection(*archList_, ListSelection::single(*row));
    }
    afterCommand(Pane::Archive);
}

void MainWindow::editCategory() {
    const int size = static_cast<int>(arch_.list().size());
    const std::optional<int> row = selectionOf(*archList_).onlyReal(size);
    if (!arch_.isOpen() || !row || !arch_.list()[static_cast<size_t>(*row)].isCategory)
        return;
    const std::optional<std::string> name =
        hooks_.categoryName(arch_.list()[static_cast<size_t>(*row)].categoryName);
    if (name && arch_.editCategory(*row, *name))
        archModel_->rowsChanged(*row, *row);
    afterCommand(Pane::Archive);
}

void MainWindow::sortCategory() {
    const int size = static_cast<int>(arch_.list().size());
    const std::optional<int> row = selectionOf(*archList_).onlyReal(size);
    if (!arch_.isOpen() || !row)
        return;
    if (arch_.sortCategory(*row)) {
        archModel_->reload();
        showSelection(*archList_, ListSelection::single(*row));
    }
    afterCommand(Pane::Archive);
}

void MainWindow::toggleCategory(int row) {
    if (!arch_.isOpen())
        return;
    // The model reports the rows that come and go, so the view keeps the selection in place.
    if (archModel_->toggleCategory(row))
        updateCommandStates();
}

void MainWindow::regListDoubleClicked(int row) {
    const ListSelection selection = selectionOf(*regList_);
    if (selection.onlyReal(static_cast<int>(reg_.lines().size())) != row)
        return;
    // Edit Entry, when that command is part of the program.
    if (QWidget* edit = control(1033); edit && edit->isEnabled())
        static_cast<QPushButton*>(edit)->click();
}

void MainWindow::archiveListDoubleClicked(int row) {
    const int size = static_cast<int>(arch_.list().size());
    if (selectionOf(*archList_).onlyReal(size) != row)
        return;
    const int id = arch_.list()[static_cast<size_t>(row)].isCategory ? 1035 : 1034;
    if (QWidget* button = control(id); button && button->isEnabled())
        static_cast<QPushButton*>(button)->click();
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
            archiveHanded || documentKindOf(file.toStdString()) == DocumentKind::Archive;
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
        const std::string path = file.toStdString();
        if (documentKindOf(path) == DocumentKind::RegBackup)
            runRegFileCommand([this, &path] { reg_.openRegBackupFile(path); });
        else
            runArchiveFileCommand([this, &path] { arch_.openArchiveFile(path); });
    }
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
