// Drag and drop between and inside the panes, files dropped on the lists, and Cut, Copy and
// Paste of each list.

#include "ui/MainWindow.h"

#include "core/commands/EditHistory.h"
#include "core/commands/ListCommands.h"
#include "ui/ArchiveListModel.h"
#include "ui/PaneListView.h"
#include "ui/RegListModel.h"
#include "ui/UiText.h"
#include "ui/ViewSelection.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTimer>

namespace tombrel {

namespace {

QString linesMimeType() {
    return QString::fromLatin1(kLinesMimeType.data(), static_cast<int>(kLinesMimeType.size()));
}

QString dragSourceType() {
    return QString::fromLatin1(kDragSourceMimeType);
}

QByteArray dragSourceMark(quint64 serial) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(serial);
}

DropMode dropModeOf(Qt::DropAction action) {
    return action == Qt::CopyAction ? DropMode::Copy : DropMode::Move;
}

TransferMode transferModeOf(Qt::DropAction action) {
    return action == Qt::MoveAction ? TransferMode::Move : TransferMode::Copy;
}

} // namespace

QMimeData* MainWindow::linesMimeData(const CopiedLines& lines) const {
    auto* data = new QMimeData;
    data->setData(linesMimeType(),
                  QByteArray(lines.bytes.data(), static_cast<qsizetype>(lines.bytes.size())));
    data->setText(fromUtf8(lines.text));
    return data;
}

QMimeData* MainWindow::dragData(DropPane target, const std::vector<int>& rows) {
    const Pane pane = target == DropPane::Registration ? Pane::Registration : Pane::Archive;
    ListSelection selection;
    selection.lines.insert(rows.begin(), rows.end());
    const CopiedLines copied = pane == Pane::Registration ? copyRegLines(reg_, selection)
                                                          : copyArchiveLines(arch_, selection);
    if (copied.bytes.empty())
        return nullptr;
    QMimeData* data = linesMimeData(copied);
    liveDrag_ = LiveDrag{++dragSerial_, pane, selection};
    data->setData(dragSourceType(), dragSourceMark(liveDrag_->serial));
    return data;
}

const MainWindow::LiveDrag* MainWindow::liveDragOf(const QMimeData* data) const {
    if (!liveDrag_ || !data || data->data(dragSourceType()) != dragSourceMark(liveDrag_->serial))
        return nullptr;
    return &*liveDrag_;
}

const ClipboardLines* MainWindow::foreignLinesOf(const QMimeData* data) {
    const QByteArray bytes = data->data(linesMimeType());
    if (data != foreignData_ || bytes.size() != foreignSize_) {
        foreignData_ = data;
        foreignSize_ = bytes.size();
        foreignLines_ = decodeClipboardLines(
                            std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))
                            .lines;
    }
    return foreignLines_ ? &*foreignLines_ : nullptr;
}

bool MainWindow::canDrop(DropPane target, const QMimeData* data, Qt::DropAction action, int row) {
    if (!data)
        return false;
    if (!data->hasFormat(linesMimeType()))
        return !localFilesOf(data).isEmpty();
    const Pane pane = target == DropPane::Registration ? Pane::Registration : Pane::Archive;
    const bool left = pane == Pane::Registration;
    const int size = static_cast<int>(left ? reg_.lines().size() : arch_.list().size());
    if (!(left ? reg_.isOpen() : arch_.isOpen()) || row < 0 || row > size)
        return false;
    if (const LiveDrag* live = liveDragOf(data)) {
        if (live->pane == pane)
            return left ? regDropChanges(reg_.lines(), live->rows, row, dropModeOf(action))
                        : archiveDropChanges(arch_.list(), live->rows, row, dropModeOf(action));
        // Between the panes, as the transfer buttons: Copy >> needs an archive with lines.
        return left ? arch_.isOpen() : reg_.isOpen() && !arch_.list().empty();
    }
    const ClipboardLines* lines = foreignLinesOf(data);
    return lines && (left || canInsertArchiveLinesAt(arch_, row, *lines));
}

bool MainWindow::drop(DropPane target, const QMimeData* data, Qt::DropAction action, int row) {
    if (!canDrop(target, data, action, row))
        return false;
    if (!data->hasFormat(linesMimeType())) {
        // Opened once the drop has returned: a save-changes question must not keep the dragging
        // program waiting for the end of its drag.
        QTimer::singleShot(0, this,
                           [this, paths = localFilesOf(data)] { openDroppedFiles(paths); });
        return true;
    }
    const Pane pane = target == DropPane::Registration ? Pane::Registration : Pane::Archive;
    const bool left = pane == Pane::Registration;
    if (const LiveDrag* live = liveDragOf(data)) {
        const LiveDrag drag = *live;
        liveDrag_.reset();
        if (drag.pane == pane) {
            const DropMode mode = dropModeOf(action);
            const StepKind kind = mode == DropMode::Move ? StepKind::DragMove : StepKind::DragCopy;
            runListCommand(pane, left ? ShowRegList : ShowArchiveList, kind,
                           [&](ListSelection& reg, ListSelection& archive) {
                               if (left) {
                                   reg = drag.rows;
                                   dropRegLines(reg_, reg, row, mode, extendedMode_);
                               } else {
                                   archive = drag.rows;
                                   dropArchiveLines(arch_, archive, row, mode);
                               }
                           });
            return true;
        }
        // Onto the other pane: the transfer, with the line under the mouse as its target.
        const TransferMode mode = transferModeOf(action);
        const StepKind kind =
            left ? (mode == TransferMode::Move ? StepKind::MoveToRegistration
                                               : StepKind::CopyToRegistration)
                 : (mode == TransferMode::Move ? StepKind::MoveToArchive : StepKind::CopyToArchive);
        runListCommand(drag.pane, ShowBothLists, kind,
                       [&](ListSelection& reg, ListSelection& archive) {
                           if (left) {
                               archive = drag.rows;
                               reg = ListSelection::single(row);
                               transferToRegistrations(arch_, archive, reg_, reg, mode, ui_);
                           } else {
                               reg = drag.rows;
                               archive = ListSelection::single(row);
                               transferToArchive(reg_, reg, arch_, archive, mode);
                           }
                       });
        PaneListView* list = left ? regList_ : archList_;
        if (list->isEnabled())
            list->setFocus();
        return true;
    }
    // Lines from another copy of the program: put in as copies.
    const QByteArray bytes = data->data(linesMimeType());
    const ClipboardReadResult read = decodeClipboardLines(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!read.lines)
        return false;
    runNamedStep(pane, left ? ShowRegList : ShowArchiveList,
                 {StepKind::Paste, static_cast<int>(read.lines->lines.size())},
                 [&](ListSelection& reg, ListSelection& archive) {
                     if (left)
                         insertRegLinesAt(reg_, reg, row, *read.lines, extendedMode_);
                     else
                         insertArchiveLinesAt(arch_, archive, row, *read.lines);
                 });
    return true;
}

void MainWindow::runNamedStep(
    Pane pane, int lists, StepName name,
    const std::function<void(ListSelection& reg, ListSelection& archive)>& command) {
    ListSelection regSelection = selectionOf(*regList_);
    ListSelection archiveSelection = selectionOf(*archList_);
    history_->record(name, static_cast<unsigned>(lists), regSelection, archiveSelection,
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

// ---- The clipboard -----------------------------------------------------------------------------

bool MainWindow::clipboardHoldsLines() const {
    return clipboardHoldsLines_;
}

void MainWindow::copyLines(Pane pane) {
    const bool left = pane == Pane::Registration;
    const ListSelection selection = selectionOf(left ? *regList_ : *archList_);
    const CopiedLines copied =
        left ? copyRegLines(reg_, selection) : copyArchiveLines(arch_, selection);
    if (copied.bytes.empty())
        return;
    QApplication::clipboard()->setMimeData(linesMimeData(copied));
    clipboardHoldsLines_ = true;
    updateCommandStates();
}

void MainWindow::cutLines(Pane pane) {
    const bool left = pane == Pane::Registration;
    const ListSelection selection = selectionOf(left ? *regList_ : *archList_);
    const CopiedLines copied =
        left ? copyRegLines(reg_, selection) : copyArchiveLines(arch_, selection);
    if (copied.bytes.empty())
        return;
    QApplication::clipboard()->setMimeData(linesMimeData(copied));
    clipboardHoldsLines_ = true;
    runNamedStep(pane, left ? ShowRegList : ShowArchiveList, {StepKind::Cut, copied.count},
                 [&](ListSelection& reg, ListSelection& archive) {
                     if (left)
                         cutRegLines(reg_, reg, extendedMode_);
                     else
                         cutArchiveLines(arch_, archive);
                 });
}

void MainWindow::pasteLines(Pane pane) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(linesMimeType()))
        return;
    const QByteArray bytes = data->data(linesMimeType());
    const ClipboardReadResult read = decodeClipboardLines(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!read.lines) {
        ui_.warn(read.error);
        return;
    }
    const bool left = pane == Pane::Registration;
    runNamedStep(pane, left ? ShowRegList : ShowArchiveList,
                 {StepKind::Paste, static_cast<int>(read.lines->lines.size())},
                 [&](ListSelection& reg, ListSelection& archive) {
                     if (left)
                         pasteRegLines(reg_, reg, *read.lines, extendedMode_);
                     else
                         pasteArchiveLines(arch_, archive, *read.lines);
                 });
}

void MainWindow::installClipboardCommands() {
    regModel_->setDrops(this);
    archModel_->setDrops(this);

    struct ActionSpec {
        QAction** action;
        const Message* text;
        QKeySequence::StandardKey key;
        Pane pane;
        void (MainWindow::*run)(Pane);
        const char* name;
    };
    const ActionSpec specs[] = {
        {&regCutAction_, &msg::CutAction, QKeySequence::Cut, Pane::Registration,
         &MainWindow::cutLines, "cut"},
        {&regCopyAction_, &msg::CopyAction, QKeySequence::Copy, Pane::Registration,
         &MainWindow::copyLines, "copy"},
        {&regPasteAction_, &msg::PasteAction, QKeySequence::Paste, Pane::Registration,
         &MainWindow::pasteLines, "paste"},
        {&archiveCutAction_, &msg::CutAction, QKeySequence::Cut, Pane::Archive,
         &MainWindow::cutLines, "cut"},
        {&archiveCopyAction_, &msg::CopyAction, QKeySequence::Copy, Pane::Archive,
         &MainWindow::copyLines, "copy"},
        {&archivePasteAction_, &msg::PasteAction, QKeySequence::Paste, Pane::Archive,
         &MainWindow::pasteLines, "paste"},
    };
    for (const ActionSpec& spec : specs) {
        PaneListView* list = spec.pane == Pane::Registration ? regList_ : archList_;
        auto* action = new QAction(uiText(*spec.text, lang_), list);
        action->setObjectName(QString::fromLatin1(spec.name));
        action->setShortcuts(spec.key);
        // Active while its list has the focus.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this,
                [this, pane = spec.pane, run = spec.run] { (this->*run)(pane); });
        list->addAction(action);
        *spec.action = action;
    }
    // The clipboard is asked what it holds only when it changes, not at every selection change.
    const auto readClipboard = [this] {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        clipboardHoldsLines_ = data && data->hasFormat(linesMimeType());
    };
    readClipboard();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this, readClipboard] {
        readClipboard();
        updateCommandStates();
    });
}

} // namespace tombrel
