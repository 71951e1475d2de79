#include "ui/RegListModel.h"

#include "core/sides/RegistrationSide.h"
#include "ui/PaneModelDrops.h"
#include "ui/UiText.h"

namespace tombrel {

RegListModel::RegListModel(const RegistrationSide& side, QObject* parent)
    : QAbstractListModel(parent), side_(side) {}

int RegListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !side_.isOpen())
        return 0;
    return static_cast<int>(side_.lines().size()) + 1;
}

QVariant RegListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return from1252(side_.regLineText(index.row()));
    return {};
}

void RegListModel::reload() {
    beginResetModel();
    endResetModel();
}

void RegListModel::rowsChanged(int first, int last) {
    if (first <= last)
        Q_EMIT dataChanged(index(first), index(last));
}

Qt::ItemFlags RegListModel::flags(const QModelIndex& index) const {
    return paneModel::flags(QAbstractListModel::flags(index), index, rowCount());
}

QStringList RegListModel::mimeTypes() const {
    return paneModel::mimeTypes();
}

QMimeData* RegListModel::mimeData(const QModelIndexList& indexes) const {
    return paneModel::mimeData(drops_, DropPane::Registration, indexes);
}

bool RegListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                   const QModelIndex& parent) const {
    return paneModel::canDrop(drops_, DropPane::Registration, data, action, row, parent,
                              rowCount());
}

bool RegListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                const QModelIndex& parent) {
    return paneModel::drop(drops_, DropPane::Registration, data, action, row, parent, rowCount());
}

Qt::DropActions RegListModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions RegListModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

} // namespace tombrel
