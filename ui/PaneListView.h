#pragma once

// The list of either pane: extended selection, one uniform line height so that a list of
// 100,000 lines lays out at once, no item editing, and the pane's own way of drawing lines. On
// the archive pane a left click inside the leftmost 16 pixels of a category line that shows a
// box expands or collapses it, and so do "+" / Right and "-" / Left on the single current line.
// Shift+F10 asks for the context menu at the current line, as the menu key does.

#include "ui/PaneLineDelegate.h"

#include <QListView>

namespace tombrel {

class PaneListView : public QListView {
    Q_OBJECT
public:
    PaneListView(PaneLineDelegate::Kind kind, QWidget* parent = nullptr);

Q_SIGNALS:
    // The category at `row` is to be expanded or collapsed.
    void toggleRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The row whose toggle zone `pos` lies in, or -1.
    int toggleRowAt(const QPoint& pos) const;

    PaneLineDelegate::Kind kind_;
};

} // namespace tombrel
