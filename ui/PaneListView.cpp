#include "ui/PaneListView.h"

#include "core/sides/ArchiveSide.h"
#include "ui/ArchiveListModel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tombrel {

PaneListView::PaneListView(PaneLineDelegate::Kind kind, QWidget* parent)
    : QListView(parent), kind_(kind) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new PaneLineDelegate(kind, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // The list draws its own drop place: a line between lines, or the target line's frame.
    setDropIndicatorShown(false);
    setAutoScroll(true);
}

int PaneListView::toggleRowAt(const QPoint& pos) const {
    if (kind_ != PaneLineDelegate::Kind::Archive || pos.x() >= PaneLineDelegate::kToggleZone)
        return -1;
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || !index.data(ArchiveListModel::ToggleRole).toBool())
        return -1;
    return index.row();
}

void PaneListView::mousePressEvent(QMouseEvent* event) {
    const int row =
        event->button() == Qt::LeftButton ? toggleRowAt(event->position().toPoint()) : -1;
    QListView::mousePressEvent(event);
    if (row >= 0)
        Q_EMIT toggleRequested(row);
}

void PaneListView::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click on a box toggles again instead of opening the line.
    if (event->button() == Qt::LeftButton) {
        if (const int row = toggleRowAt(event->position().toPoint()); row >= 0) {
            Q_EMIT toggleRequested(row);
            return;
        }
    }
    QListView::mouseDoubleClickEvent(event);
}

void PaneListView::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the context menu as the menu key does, at the current line.
    if (event->key() == Qt::Key_F10 &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
        const QRect line = visualRect(currentIndex());
        const QPoint at = line.isValid() ? line.center() : QPoint(0, 0);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at),
                               event->modifiers());
        QCoreApplication::sendEvent(this, &menu);
        event->accept();
        return;
    }
    if (kind_ == PaneLineDelegate::Kind::Archive &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const bool expand = event->key() == Qt::Key_Plus || event->key() == Qt::Key_Right;
        const bool collapse = event->key() == Qt::Key_Minus || event->key() == Qt::Key_Left;
        const QModelIndex current = currentIndex();
        if ((expand || collapse) && current.isValid()) {
            const unsigned flags = current.data(ArchiveListModel::TreeFlagsRole).toUInt();
            if ((expand && (flags & TreeBoxPlus)) || (collapse && (flags & TreeBoxMinus)))
                Q_EMIT toggleRequested(current.row());
            event->accept();
            return;
        }
    }
    QListView::keyPressEvent(event);
}

void PaneListView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    viewport()->update();
}

void PaneListView::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    viewport()->update();
}

namespace {

int dragsRunning = 0;

} // namespace

bool PaneListView::dragInProgress() {
    return dragsRunning > 0;
}

PaneListView::DropPlace PaneListView::dropPlaceAt(const QPoint& pos, const QObject* source,
                                                  Qt::KeyboardModifiers modifiers,
                                                  Qt::DropActions possible) const {
    DropPlace place;
    const int rows = model() ? model()->rowCount() : 0;
    const bool own = source == this;
    const bool otherPane = !own && qobject_cast<const PaneListView*>(source);
    const QModelIndex index = indexAt(pos);
    if (otherPane) {
        // The line under the mouse takes the place of the selected target line.
        place.onLine = true;
        place.row = index.isValid() ? index.row() : rows - 1;
    } else if (index.isValid()) {
        const QRect rect = visualRect(index);
        place.row = pos.y() < rect.center().y() ? index.row() : index.row() + 1;
    } else {
        place.row = rows - 1;
    }
    place.row = std::clamp(place.row, 0, std::max(0, rows - 1));
    // Inside the list a plain drag moves; between the panes it copies, as the desktop has it.
    if (own)
        place.action = (modifiers & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    else if (otherPane)
        place.action = (modifiers & Qt::ShiftModifier) ? Qt::MoveAction : Qt::CopyAction;
    else
        place.action = Qt::CopyAction;
    if (!(possible & place.action))
        place.action = Qt::CopyAction;
    return place;
}

void PaneListView::startDrag(Qt::DropActions) {
    QModelIndexList indexes = selectedIndexes();
    if (indexes.isEmpty() || !model())
        return;
    QMimeData* data = model()->mimeData(indexes);
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    // The window changes the lists itself when the drop lands; nothing is removed here.
    ++dragsRunning;
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    --dragsRunning;
}

bool PaneListView::offerDrop(QDropEvent* event, DropPlace& place) {
    place = dropPlaceAt(event->position().toPoint(), event->source(), event->modifiers(),
                        event->possibleActions());
    QAbstractItemModel* m = model();
    if (!m || m->rowCount() == 0) {
        // A closed pane still takes files.
        indicatorShown_ = false;
        return m && m->canDropMimeData(event->mimeData(), place.action, -1, -1, {});
    }
    const QModelIndex line = m->index(place.row, 0);
    const bool taken = place.onLine
                           ? m->canDropMimeData(event->mimeData(), place.action, -1, 0, line)
                           : m->canDropMimeData(event->mimeData(), place.action, place.row, 0, {});
    indicatorShown_ = taken;
    if (taken) {
        const QRect rect = visualRect(line);
        indicatorFrames_ = place.onLine;
        indicator_ = place.onLine ? rect.adjusted(0, 0, -1, -1)
                                  : QRect(rect.left(), rect.top(), viewport()->width(), 0);
    }
    return taken;
}

void PaneListView::clearIndicator() {
    indicatorShown_ = false;
    viewport()->update();
}

void PaneListView::dragEnterEvent(QDragEnterEvent* event) {
    const QStringList types = model() ? model()->mimeTypes() : QStringList();
    const bool known = std::any_of(types.begin(), types.end(), [&](const QString& type) {
        return event->mimeData()->hasFormat(type);
    });
    if (!known) {
        event->ignore();
        return;
    }
    // Taken as a drag the list follows; each move then says whether the place takes it.
    DropPlace place;
    offerDrop(event, place);
    setState(DraggingState);
    event->setDropAction(place.action);
    event->accept();
    viewport()->update();
}

void PaneListView::dragMoveEvent(QDragMoveEvent* event) {
    DropPlace place;
    if (offerDrop(event, place)) {
        event->setDropAction(place.action);
        event->accept();
    } else {
        event->ignore();
    }
    viewport()->update();
    const int y = event->position().toPoint().y();
    if (hasAutoScroll() &&
        (y < autoScrollMargin() || y > viewport()->height() - autoScrollMargin()))
        startAutoScroll();
}

void PaneListView::dragLeaveEvent(QDragLeaveEvent* event) {
    stopAutoScroll();
    setState(NoState);
    clearIndicator();
    event->accept();
}

void PaneListView::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    DropPlace place;
    const bool taken = offerDrop(event, place);
    clearIndicator();
    if (!taken) {
        event->ignore();
        return;
    }
    QAbstractItemModel* m = model();
    const bool dropped =
        m->rowCount() == 0 ? m->dropMimeData(event->mimeData(), place.action, -1, -1, {})
        : place.onLine
            ? m->dropMimeData(event->mimeData(), place.action, -1, 0, m->index(place.row, 0))
            : m->dropMimeData(event->mimeData(), place.action, place.row, 0, {});
    if (dropped) {
        event->setDropAction(place.action);
        event->accept();
    } else {
        event->ignore();
    }
}

void PaneListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (!indicatorShown_)
        return;
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    if (indicatorFrames_)
        painter.drawRect(indicator_);
    else
        painter.drawLine(indicator_.left(), indicator_.top(), indicator_.right(), indicator_.top());
}

} // namespace tombrel
