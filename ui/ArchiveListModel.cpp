#include "ui/ArchiveListModel.h"

#include "core/sides/ArchiveSide.h"
#include "ui/PaneModelDrops.h"
#include "ui/UiText.h"

namespace tombrel {

namespace {

// The lines after the category at `row` up to the next category or the end.
int childLinesAfter(const ArchiveList& list, int row) {
    int end = row + 1;
    while (end < static_cast<int>(list.size()) && !list[static_cast<size_t>(end)].isCategory)
        ++end;
    return end - row - 1;
}

} // namespace

ArchiveListModel::ArchiveListModel(ArchiveSide& side, QObject* parent)
    : QAbstractListModel(parent), side_(side) {}

int ArchiveListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !side_.isOpen())
        return 0;
    return static_cast<int>(side_.list().size()) + 1;
}

QVariant ArchiveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return from1252(side_.lineText(index.row()));
    case TreeFlagsRole:
        return side_.treeFlags(index.row());
    case ToggleRole:
        return side_.canToggle(index.row());
    default:
        return {};
    }
}

void ArchiveListModel::reload() {
    beginResetModel();
    endResetModel();
}

void ArchiveListModel::rowsChanged(int first, int last) {
    if (first <= last)
        Q_EMIT dataChanged(index(first), index(last));
}

bool ArchiveListModel::toggleCategory(int row) {
    if (!side_.canToggle(row))
        return false;
    const ArchiveList& list = side_.list();
    const ArchiveEntry& category = list[static_cast<size_t>(row)];
    if (category.expanded) {
        const int children = childLinesAfter(list, row);
        if (children > 0)
            beginRemoveRows({}, row + 1, row + children);
        side_.toggleCategory(row);
        if (children > 0)
            endRemoveRows();
    } else {
        const int children = static_cast<int>(category.hiddenChildren.size());
        if (children > 0)
            beginInsertRows({}, row + 1, row + children);
        side_.toggleCategory(row);
        if (children > 0)
            endInsertRows();
    }
    // The category's own box changes; the rows after it were inserted or removed.
    rowsChanged(row, row);
    return true;
}

Qt::ItemFlags ArchiveListModel::flags(const QModelIndex& index) const {
    return paneModel::flags(QAbstractListModel::flags(index), index, rowCount());
}

QStringList ArchiveListModel::mimeTypes() const {
    return paneModel::mimeTypes();
}

QMimeData* ArchiveListModel::mimeData(const QModelIndexList& indexes) const {
    return paneModel::mimeData(drops_, DropPane::Archive, indexes);
}

bool ArchiveListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                       const QModelIndex& parent) const {
    return paneModel::canDrop(drops_, DropPane::Archive, data, action, row, parent, rowCount());
}

bool ArchiveListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                    const QModelIndex& parent) {
    return paneModel::drop(drops_, DropPane::Archive, data, action, row, parent, rowCount());
}

Qt::DropActions ArchiveListModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions ArchiveListModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

} // namespace tombrel
