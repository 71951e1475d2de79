#pragma once

// The registration list as the view sees it: one row per line of the registration side plus the
// trailing empty row, texts asked from the side per row as they are drawn. Nothing is cached;
// after a command the window resets the model or reports the rows that changed.

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

    // The whole list may have changed.
    void reload();
    // Texts of these rows changed, the lines stayed where they were.
    void rowsChanged(int first, int last);

private:
    const RegistrationSide& side_;
};

} // namespace tombrel
