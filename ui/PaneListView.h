#pragma once

// The list of either pane: extended selection, one uniform line height so that a list of
// 100,000 lines lays out at once, no item editing, and the pane's own way of drawing lines. On
// the archive pane a left click inside the leftmost 16 pixels of a category line that shows a
// box expands or collapses it, and so do "+" / Right and "-" / Left on the single current line.
//
// Selected lines can be dragged. Inside the list a line between two lines shows where they will
// land (Ctrl held: copies); from the other pane's list the line under the mouse is framed as the
// target (Shift held: moved, else copied), as the transfer buttons would take it. A drop the
// window refuses shows the platform's "no" cursor; the list scrolls at its top and bottom edges;
// Escape cancels the drag. Files dropped on the list are handed to the window.
//
// Shift+F10 asks for the context menu at the current line, as the menu key does.

#include "ui/PaneLineDelegate.h"

#include <QListView>

namespace tombrel {

class PaneListView : public QListView {
    Q_OBJECT
public:
    PaneListView(PaneLineDelegate::Kind kind, QWidget* parent = nullptr);

    // True while a drag started in one of the lists has not ended.
    static bool dragInProgress();

    // Where a drop at `pos` (viewport coordinates) from `source` would go: the drop row (between
    // lines) or the target line, and the action the modifiers ask for.
    struct DropPlace {
        int row = 0;
        bool onLine = false;
        Qt::DropAction action = Qt::CopyAction;
    };
    DropPlace dropPlaceAt(const QPoint& pos, const QObject* source, Qt::KeyboardModifiers modifiers,
                          Qt::DropActions possible) const;

Q_SIGNALS:
    // The category at `row` is to be expanded or collapsed.
    void toggleRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The row whose toggle zone `pos` lies in, or -1.
    int toggleRowAt(const QPoint& pos) const;
    // Asks the model whether it takes the drop; shows where it would land.
    bool offerDrop(QDropEvent* event, DropPlace& place);
    void clearIndicator();

    PaneLineDelegate::Kind kind_;
    QRect indicator_; // viewport coordinates; a line's frame or a line between lines
    bool indicatorFrames_ = false;
    bool indicatorShown_ = false;
};

} // namespace tombrel
