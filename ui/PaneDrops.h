#pragma once

// What the two list models hand on when lines are dragged out of a list or dropped on it, and
// when files are dropped: the window answers, since a drop may change both panes and is one step
// of the edit history. A drop row is a place between lines (row r before line r; the list's size
// for the end); a drop from the other pane names its target line by the same number.

#include <QMimeData>
#include <QStringList>

#include <vector>

namespace tombrel {

// The MIME type that tells a drag of this program's own window apart from lines of another copy
// of the program: the process and the drag's number.
inline constexpr char kDragSourceMimeType[] = "application/x-tombrel-drag-source";

enum class DropPane { Registration, Archive };

class PaneDrops {
public:
    virtual ~PaneDrops() = default;
    // The lines of `rows` as the clipboard and a drag carry them; null when none holds an entry.
    virtual QMimeData* dragData(DropPane pane, const std::vector<int>& rows) = 0;
    virtual bool canDrop(DropPane pane, const QMimeData* data, Qt::DropAction action, int row) = 0;
    virtual bool drop(DropPane pane, const QMimeData* data, Qt::DropAction action, int row) = 0;
};

// The local files among the URLs of `data`, or nothing when there is any other URL.
QStringList localFilesOf(const QMimeData* data);

// The row a model's drop arguments name: a drop on a line (row -1 under it) is that line, a drop
// below the last line the end.
int dropRowOf(int row, int parentRow, int rowCount);

} // namespace tombrel
