#include "ui/VoiceListModel.h"

#include "ui/UiText.h"

#include <QComboBox>
#include <QListView>

namespace tombrel {

namespace {

// Wide enough for the longest voice name ("Choir&Pad - DreamHeaven", "XG480 - FireWork").
constexpr int kVoiceBoxCharacters = 24;
constexpr int kVisibleItems = 24;

} // namespace

QString voiceDisplayText(std::string_view storedName) {
    QString text = from1252(storedName);
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text;
}

VoiceListModel::VoiceListModel(KeyboardModel model, QObject* parent)
    : QAbstractListModel(parent), model_(model), texts_(VoiceTable::RowCount) {}

int VoiceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : VoiceTable::RowCount;
}

const QString& VoiceListModel::rowText(int row) const {
    QString& text = texts_[static_cast<size_t>(row)];
    if (text.isNull())
        text = voiceDisplayText(VoiceTable::voiceBoxText(row, VoiceTable::keyOfRow(row), model_));
    return text;
}

QVariant VoiceListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= VoiceTable::RowCount)
        return {};
    if (role == Qt::DisplayRole)
        return rowText(index.row());
    if (role == KeyRole)
        return VoiceTable::keyOfRow(index.row());
    return {};
}

VoiceBoxModel::VoiceBoxModel(const VoiceListModel* rows, const VoiceBoxItems& items,
                             QObject* parent)
    : QAbstractListModel(parent), rows_(rows), ownKey_(items.ownKey),
      ownText_(from1252(VoiceTable::keyText(items.ownKey))) {}

int VoiceBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : VoiceTable::RowCount + 1;
}

QVariant VoiceBoxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (index.row() == VoiceTable::OwnItemPosition) {
        if (role == Qt::DisplayRole)
            return ownText_;
        if (role == VoiceListModel::KeyRole)
            return ownKey_;
        return {};
    }
    return rows_->data(rows_->index(index.row()), role);
}

QComboBox* makeVoiceBox(QWidget* parent, int id) {
    auto* box = new QComboBox(parent);
    setControlId(box, id);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(kVoiceBoxCharacters);
    box->setMaxVisibleItems(kVisibleItems);
    if (auto* list = qobject_cast<QListView*>(box->view()))
        list->setUniformItemSizes(true);
    return box;
}

void showVoiceBox(QComboBox* box, VoiceListModel* rows, const VoiceBoxItems& items) {
    // QComboBox deletes a model it is the parent of when it gets another one.
    if (items.count > VoiceTable::RowCount)
        box->setModel(new VoiceBoxModel(rows, items, box));
    else if (box->model() != rows)
        box->setModel(rows);
    box->setCurrentIndex(items.selected);
}

} // namespace tombrel
