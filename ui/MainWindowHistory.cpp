// The main window's edit history: every list and category command is a step, Undo and Redo walk
// the steps and show the lines they turned, and the file commands move the clean points.

#include "ui/MainWindow.h"

#include "core/commands/EditHistory.h"
#include "ui/ArchiveListModel.h"
#include "ui/ControlIds.h"
#include "ui/PaneListView.h"
#include "ui/RegListModel.h"
#include "ui/UiText.h"

#include <QPushButton>

namespace tombrel {

namespace {

constexpr int kUndoId = ids::main::Undo;
constexpr int kRedoId = ids::main::Redo;

unsigned paneBit(bool registrations) {
    return registrations ? RegistrationPane : ArchivePane;
}

} // namespace

StepName MainWindow::stepName(Pane pane, StepKind kind, const ListSelection& reg,
                              const ListSelection& archive) const {
    const bool left = pane == Pane::Registration;
    const ListSelection& selection = left ? reg : archive;
    const int size = static_cast<int>(left ? reg_.lines().size() : arch_.list().size());
    int count = 0;
    for (int line : selection.lines)
        count += line >= 0 && line < size ? 1 : 0;
    if (kind == StepKind::EditEntry) {
        const std::optional<int> row = selection.onlyReal(size);
        const auto at = static_cast<size_t>(row.value_or(0));
        if (row && (left ? reg_.lines()[at].isBankLine : arch_.list()[at].isBankTitleLine()))
            kind = StepKind::BankTitle;
        count = 1;
    }
    return {kind, count};
}

void MainWindow::recordStep(
    Pane pane, StepName step,
    const std::function<void(ListSelection& reg, ListSelection& archive)>& command) {
    ListSelection regSelection = selectionOf(*regList_);
    ListSelection archiveSelection = selectionOf(*archList_);
    history_->record(step, paneBit(pane == Pane::Registration), regSelection, archiveSelection,
                     [&] { command(regSelection, archiveSelection); });
}

void MainWindow::undoStep() {
    if (!history_->canUndo())
        return;
    ListSelection reg = selectionOf(*regList_);
    ListSelection archive = selectionOf(*archList_);
    const std::optional<HistoryMove> move = history_->undo(reg, archive);
    // A step that no longer fits is dropped with the history; the lists may have been shown
    // with other categories open, so both are shown again.
    showTurnedPanes(move ? move->panes : BothPanes, reg, archive);
}

void MainWindow::redoStep() {
    if (!history_->canRedo())
        return;
    ListSelection reg = selectionOf(*regList_);
    ListSelection archive = selectionOf(*archList_);
    const std::optional<HistoryMove> move = history_->redo(reg, archive);
    showTurnedPanes(move ? move->panes : BothPanes, reg, archive);
}

void MainWindow::showTurnedPanes(unsigned panes, const ListSelection& reg,
                                 const ListSelection& archive) {
    // The changed lines come back selected and in view.
    if (panes & RegistrationPane) {
        regModel_->reload();
        showSelection(*regList_, reg);
    }
    if (panes & ArchivePane) {
        archModel_->reload();
        showSelection(*archList_, archive);
    }
    const Pane shown = panes == ArchivePane        ? Pane::Archive
                       : panes == RegistrationPane ? Pane::Registration
                                                   : focusedPane();
    afterCommand(shown);
}

void MainWindow::updateHistoryButtons() {
    const std::pair<int, bool> states[] = {{kUndoId, history_->canUndo()},
                                           {kRedoId, history_->canRedo()}};
    for (const auto& [id, enabled] : states) {
        allowed_[id] = enabled;
        if (QWidget* button = control(id))
            button->setEnabled(enabled);
    }
    if (QWidget* undo = control(kUndoId))
        undo->setToolTip(fromUtf8(undoToolTip(history_->undoName(), lang_)));
    if (QWidget* redo = control(kRedoId))
        redo->setToolTip(fromUtf8(redoToolTip(history_->redoName(), lang_)));
}

void MainWindow::followFileCommand(Pane pane, bool replaced) {
    const bool registrations = pane == Pane::Registration;
    // Save As keeps the document under another name; a list read into the storage the old one
    // left is told by its content.
    if (replaced || history_->dropStepsThatNoLongerFit(paneBit(registrations)))
        history_->paneReplaced(paneBit(registrations));
    else if (!(registrations ? reg_.isModified() : arch_.isModified()))
        history_->paneSaved(paneBit(registrations)); // saved, or equal to its file anyway
}

} // namespace tombrel
