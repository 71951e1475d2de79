// The commands of the main window: which button runs what, the file, list and category
// commands of both panes, and how their results are shown.

#include "ui/MainWindow.h"

#include "core/commands/EditHistory.h"
#include "core/commands/ListCommands.h"
#include "ui/ArchiveListModel.h"
#include "ui/ControlIds.h"
#include "ui/PaneListView.h"
#include "ui/RegListModel.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace tombrel {

void MainWindow::connectCommands() {
    const auto on = [this](int id, auto handler) {
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this, handler);
    };
    on(ids::main::RegNew, [this] { runRegFileCommand([this] { reg_.newRegBackup(); }); });
    on(ids::main::RegOpen, [this] { runRegFileCommand([this] { reg_.openRegBackup(); }); });
    on(ids::main::RegSave, [this] { runRegFileCommand([this] { reg_.saveRegBackup(); }); });
    on(ids::main::RegSaveAs, [this] { runRegFileCommand([this] { reg_.saveRegBackupAs(); }); });
    on(ids::main::RegClose, [this] { runRegFileCommand([this] { reg_.closeRegBackup(); }); });
    connect(regRecent_, &QComboBox::activated, this, [this](int index) {
        runRegFileCommand([this, index] { reg_.selectRecentRegistration(index); });
    });

    on(ids::main::ArchiveNew, [this] { runArchiveFileCommand([this] { arch_.newArchive(); }); });
    on(ids::main::ArchiveOpen, [this] { runArchiveFileCommand([this] { arch_.openArchive(); }); });
    on(ids::main::ArchiveSave, [this] { runArchiveFileCommand([this] { arch_.saveArchive(); }); });
    on(ids::main::ArchiveSaveAs,
       [this] { runArchiveFileCommand([this] { arch_.saveArchiveAs(); }); });
    on(ids::main::ArchiveClose,
       [this] { runArchiveFileCommand([this] { arch_.closeArchive(); }); });
    connect(archRecent_, &QComboBox::activated, this, [this](int index) {
        runArchiveFileCommand([this, index] { arch_.selectRecentArchive(index); });
    });

    connectListCommands();
    on(ids::main::NewCategory, [this] { newCategory(); });
    on(ids::main::EditCategory, [this] { editCategory(); });
    on(ids::main::SortCategory, [this] { sortCategory(); });

    on(ids::main::Exit, [this] { leave(); });
    on(ids::main::Settings, [this] { editSettings(); });
    on(ids::main::Help, [this] { showHelp(); });
    on(ids::main::Undo, [this] { undoStep(); });
    on(ids::main::Redo, [this] { redoStep(); });

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
    const PaneSnapshot after = regSnapshot();
    const bool replaced = !(after == before);
    followFileCommand(Pane::Registration, after.open != before.open || after.lines != before.lines);
    regModel_->reload();
    if (reg_.isOpen())
        showSelection(*regList_, replaced ? ListSelection::single(0) : selection);
    afterCommand(Pane::Registration);
}

void MainWindow::runArchiveFileCommand(const std::function<void()>& command) {
    const PaneSnapshot before = archiveSnapshot();
    const ListSelection selection = selectionOf(*archList_);
    command();
    const PaneSnapshot after = archiveSnapshot();
    const bool replaced = !(after == before);
    followFileCommand(Pane::Archive, after.open != before.open || after.lines != before.lines);
    archModel_->reload();
    if (arch_.isOpen())
        showSelection(*archList_, replaced ? ListSelection::single(0) : selection);
    afterCommand(Pane::Archive);
}

void MainWindow::runListCommand(
    Pane pane, int lists, StepKind step,
    const std::function<void(ListSelection& reg, ListSelection& archive)>& command) {
    ListSelection regSelection = selectionOf(*regList_);
    ListSelection archiveSelection = selectionOf(*archList_);
    // The list flags are the history's pane bits.
    history_->record(stepName(pane, step, regSelection, archiveSelection),
                     static_cast<unsigned>(lists), regSelection, archiveSelection,
                     [&] { command(regSelection, archiveSelection); });
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
    const auto on = [this](int id, Pane pane, int lists, StepKind step, auto command) {
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this,
                [this, pane, lists, step, command] { runListCommand(pane, lists, step, command); });
    };
    const Pane left = Pane::Registration;
    const Pane right = Pane::Archive;
    on(ids::main::RegNewBank, left, ShowRegList, StepKind::NewBank,
       [this](ListSelection& r, ListSelection&) { newRegBank(reg_, r); });
    on(ids::main::RegNewEntry, left, ShowRegList, StepKind::NewEntry,
       [this](ListSelection& r, ListSelection&) { newRegEntry(reg_, r, extendedMode_); });
    on(ids::main::RegEditEntry, left, ShowRegList, StepKind::EditEntry,
       [this](ListSelection& r, ListSelection&) { editRegLine(reg_, r, *entryDialogs_); });
    on(ids::main::RegDelete, left, ShowRegList, StepKind::Delete,
       [this](ListSelection& r, ListSelection&) { deleteRegLines(reg_, r, extendedMode_, ui_); });
    on(ids::main::RegUp, left, ShowRegList, StepKind::Up,
       [this](ListSelection& r, ListSelection&) { moveRegLineUp(reg_, r); });
    on(ids::main::RegDown, left, ShowRegList, StepKind::Down,
       [this](ListSelection& r, ListSelection&) { moveRegLineDown(reg_, r); });
    on(ids::main::CopyToArchive, left, ShowBothLists, StepKind::CopyToArchive,
       [this](ListSelection& r, ListSelection& a) {
           transferToArchive(reg_, r, arch_, a, TransferMode::Copy);
       });
    on(ids::main::MoveToArchive, left, ShowBothLists, StepKind::MoveToArchive,
       [this](ListSelection& r, ListSelection& a) {
           transferToArchive(reg_, r, arch_, a, TransferMode::Move);
       });

    on(ids::main::ArchiveNewBank, right, ShowArchiveList, StepKind::NewBank,
       [this](ListSelection&, ListSelection& a) { newArchiveBank(arch_, a); });
    on(ids::main::ArchiveNewEntry, right, ShowArchiveList, StepKind::NewEntry,
       [this](ListSelection&, ListSelection& a) { newArchiveEntry(arch_, a); });
    on(ids::main::ArchiveEditEntry, right, ShowArchiveList, StepKind::EditEntry,
       [this](ListSelection&, ListSelection& a) {
           editArchiveLine(arch_, a, reg_, *entryDialogs_);
       });
    on(ids::main::ArchiveDelete, right, ShowArchiveList, StepKind::Delete,
       [this](ListSelection&, ListSelection& a) { deleteArchiveLines(arch_, a, ui_); });
    on(ids::main::ArchiveUp, right, ShowArchiveList, StepKind::Up,
       [this](ListSelection&, ListSelection& a) { moveArchiveLineUp(arch_, a); });
    on(ids::main::ArchiveDown, right, ShowArchiveList, StepKind::Down,
       [this](ListSelection&, ListSelection& a) { moveArchiveLineDown(arch_, a); });
    on(ids::main::CopyToRegistrations, right, ShowBothLists, StepKind::CopyToRegistration,
       [this](ListSelection& r, ListSelection& a) {
           transferToRegistrations(arch_, a, reg_, r, TransferMode::Copy, ui_);
       });
    on(ids::main::MoveToRegistrations, right, ShowBothLists, StepKind::MoveToRegistration,
       [this](ListSelection& r, ListSelection& a) {
           transferToRegistrations(arch_, a, reg_, r, TransferMode::Move, ui_);
       });
    on(ids::main::RegMultiChange, left, ShowRegList, StepKind::MultiChange,
       [this](ListSelection& r, ListSelection&) {
           multiChangeRegLines(reg_, r, *entryDialogs_, ui_);
       });
    on(ids::main::ArchiveMultiChange, right, ShowArchiveList, StepKind::MultiChange,
       [this](ListSelection&, ListSelection& a) {
           multiChangeArchiveLines(arch_, a, reg_, *entryDialogs_, ui_);
       });

    const auto button = [this](int id, auto handler) {
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this, handler);
    };
    button(ids::main::RegSearch, [this] { search(Pane::Registration); });
    button(ids::main::ArchiveSearch, [this] { search(Pane::Archive); });
    button(ids::main::RegProtocol, [this] { writeProtocol(Pane::Registration); });
    button(ids::main::ArchiveProtocol, [this] { writeProtocol(Pane::Archive); });
    button(ids::main::RegUpdateStyles, [this] { updateStyleLocationsCommand(Pane::Registration); });
    button(ids::main::ArchiveUpdateStyles, [this] { updateStyleLocationsCommand(Pane::Archive); });
    button(ids::main::SaveStyleLocations, [this] { saveStyleLocationsCommand(); });
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
    std::optional<int> row;
    recordStep(Pane::Archive, {StepKind::NewCategory}, [&](ListSelection&, ListSelection& archive) {
        row = arch_.newCategory(*selected, *name);
        if (row)
            archive = ListSelection::single(*row);
    });
    if (row) {
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
    bool renamed = false;
    if (name)
        recordStep(Pane::Archive, {StepKind::EditCategory}, [&](ListSelection&, ListSelection&) {
            renamed = arch_.editCategory(*row, *name);
        });
    if (renamed)
        archModel_->rowsChanged(*row, *row);
    afterCommand(Pane::Archive);
}

void MainWindow::sortCategory() {
    const int size = static_cast<int>(arch_.list().size());
    const std::optional<int> row = selectionOf(*archList_).onlyReal(size);
    if (!arch_.isOpen() || !row)
        return;
    bool sorted = false;
    recordStep(Pane::Archive, {StepKind::SortCategory},
               [&](ListSelection&, ListSelection& archive) {
                   sorted = arch_.sortCategory(*row);
                   if (sorted)
                       archive = ListSelection::single(*row);
               });
    if (sorted) {
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
    if (QWidget* edit = control(ids::main::RegEditEntry); edit && edit->isEnabled())
        static_cast<QPushButton*>(edit)->click();
}

void MainWindow::archiveListDoubleClicked(int row) {
    const int size = static_cast<int>(arch_.list().size());
    if (selectionOf(*archList_).onlyReal(size) != row)
        return;
    const int id = arch_.list()[static_cast<size_t>(row)].isCategory ? ids::main::EditCategory
                                                                     : ids::main::ArchiveEditEntry;
    if (QWidget* button = control(id); button && button->isEnabled())
        static_cast<QPushButton*>(button)->click();
}

} // namespace tombrel
