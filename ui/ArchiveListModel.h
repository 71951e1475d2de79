#pragma once

// The archive list as the view sees it: one row per display line of the archive side plus the
// trailing empty row. Texts and tree flags are asked from the side per row as they are drawn.
// Expanding and collapsing report the rows that come and go, so that the view keeps its place
// and its selection also in a list of 100,000 lines.

#include <QAbstractListModel>

namespace tombrel {

class ArchiveSide;

class ArchiveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The row's tree flags (ArchiveTreeFlag bits) as an unsigned number.
    static constexpr int TreeFlagsRole = Qt::UserRole + 1;
    // True for a category row that a click on its box expands or collapses.
    static constexpr int ToggleRole = Qt::UserRole + 2;

    ArchiveListModel(ArchiveSide& side, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void reload();
    void rowsChanged(int first, int last);

    // Expands or collapses the category at `row`; false when the row shows no box.
    bool toggleCategory(int row);

private:
    ArchiveSide& side_;
};

} // namespace tombrel
