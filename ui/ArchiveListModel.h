#pragma once

// The archive list as the view sees it: one row per display line of the archive side plus the
// trailing empty row. Texts and tree flags are asked from the side per row as they are drawn.
// Expanding and collapsing report the rows that come and go, so that the view keeps its place
// and its selection also in a list of 100,000 lines.

#include "ui/PaneDrops.h"

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

    // Dragging lines out and dropping lines or files on the list, answered by `drops` (the
    // window); without it the list takes no drop.
    void setDrops(PaneDrops* drops) { drops_ = drops; }
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

    void reload();
    void rowsChanged(int first, int last);

    // Expands or collapses the category at `row`; false when the row shows no box.
    bool toggleCategory(int row);

private:
    PaneDrops* drops_ = nullptr;
    ArchiveSide& side_;
};

} // namespace tombrel
