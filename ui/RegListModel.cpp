#include "ui/RegListModel.h"

#include "core/sides/RegistrationSide.h"
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

} // namespace tombrel
