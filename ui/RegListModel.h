#pragma once

// The registration list as the view sees it: one row per line of the registration side plus the
// trailing empty row, texts asked from the side per row as they are drawn. Nothing is cached;
// after a command the window resets the model or reports the rows that changed.

#include "ui/PaneDrops.h"

#include <QAbstractListModel>

namespace tombrel {

class RegistrationSide;

class RegListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit RegListModel(const RegistrationSide& side, QObject* parent = nullptr);

    // Rows: the lines and the trailing row while a backup is open, none while it is closed.
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

    // The whole list may have changed.
    void reload();
    // Texts of these rows changed, the lines stayed where they were.
    void rowsChanged(int first, int last);

private:
    PaneDrops* drops_ = nullptr;
    const RegistrationSide& side_;
};

} // namespace tombrel
