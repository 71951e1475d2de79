#include "ui/StyleListModel.h"

#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "ui/UiText.h"

namespace tombrel {

StyleListModel::StyleListModel(const StyleNameTable& names, const DiskStyleTexts& disk,
                               QObject* parent)
    : QAbstractListModel(parent), names_(names), disk_(disk) {}

int StyleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kStyleIndexCount;
}

QVariant StyleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const std::optional<std::string> name = names_.styleDisplayName(index.row(), disk_);
    return name ? from1252(*name) : QString();
}

} // namespace tombrel
