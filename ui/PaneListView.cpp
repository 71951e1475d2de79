#include "ui/PaneListView.h"

#include "core/sides/ArchiveSide.h"
#include "ui/ArchiveListModel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tombrel {

PaneListView::PaneListView(PaneLineDelegate::Kind kind, QWidget* parent)
    : QListView(parent), kind_(kind) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new PaneLineDelegate(kind, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

} // namespace tombrel
