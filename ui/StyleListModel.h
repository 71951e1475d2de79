#pragma once

// The items of the style box: the 495 style indexes in order, each shown by the name the user
// knows it by (preset and flash styles by their long names, disk styles by their disk style
// texts). Texts are made when a row is drawn.

#include <QAbstractListModel>

namespace tombrel {

class DiskStyleTexts;
class StyleNameTable;

class StyleListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Both tables must outlive the model.
    StyleListModel(const StyleNameTable& names, const DiskStyleTexts& disk,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const StyleNameTable& names_;
    const DiskStyleTexts& disk_;
};

} // namespace tombrel
