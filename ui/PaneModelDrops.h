#pragma once

// The drag and drop part that both list models share: every row but the trailing one can be
// dragged, the list takes drops anywhere, and the window decides.

#include "core/commands/LineClipboard.h"
#include "ui/PaneDrops.h"

#include <QAbstractItemModel>

#include <vector>

namespace tombrel::paneModel {

inline Qt::ItemFlags flags(Qt::ItemFlags base, const QModelIndex& index, int rowCount) {
    if (!index.isValid())
        return base | Qt::ItemIsDropEnabled;
    return index.row() < rowCount - 1 ? base | Qt::ItemIsDragEnabled : base;
}

inline QStringList mimeTypes() {
    return {QString::fromLatin1(kLinesMimeType.data(), static_cast<int>(kLinesMimeType.size())),
            QStringLiteral("text/uri-list")};
}

inline QMimeData* mimeData(PaneDrops* drops, DropPane pane, const QModelIndexList& indexes) {
    if (!drops)
        return nullptr;
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(indexes.size()));
    for (const QModelIndex& index : indexes)
        rows.push_back(index.row());
    return drops->dragData(pane, rows);
}

inline bool canDrop(PaneDrops* drops, DropPane pane, const QMimeData* data, Qt::DropAction action,
                    int row, const QModelIndex& parent, int rowCount) {
    return drops && drops->canDrop(pane, data, action,
                                   dropRowOf(row, parent.isValid() ? parent.row() : -1, rowCount));
}

inline bool drop(PaneDrops* drops, DropPane pane, const QMimeData* data, Qt::DropAction action,
                 int row, const QModelIndex& parent, int rowCount) {
    return canDrop(drops, pane, data, action, row, parent, rowCount) &&
           drops->drop(pane, data, action,
                       dropRowOf(row, parent.isValid() ? parent.row() : -1, rowCount));
}

} // namespace tombrel::paneModel
