#pragma once

// The items of the voice boxes. A dialog makes one VoiceListModel for its keyboard model and every
// voice box of the dialog shows it: 880 rows, each text made from the voice table when the row is
// first drawn, never copied into a box. A box whose registration holds a voice that is in no row
// gets a VoiceBoxModel instead: the same shared rows, then one item of its own for that voice.

#include "core/names/VoiceTable.h"
#include "core/record/KeyboardModel.h"

#include <QAbstractListModel>
#include <QString>

#include <vector>

class QComboBox;

namespace tombrel {

class VoiceListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The voice key of an item, as an int.
    static constexpr int KeyRole = Qt::UserRole;

    explicit VoiceListModel(KeyboardModel model, QObject* parent = nullptr);

    KeyboardModel keyboardModel() const { return model_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // What row 0..879 shows: the voice's name ("&&" drawn as "&"), or its numbers where the
    // model hides the name.
    const QString& rowText(int row) const;

private:
    KeyboardModel model_;
    mutable std::vector<QString> texts_; // empty until the row is first asked for
};

class VoiceBoxModel : public QAbstractListModel {
    Q_OBJECT
public:
    // `items` tells which item of its own the box has (items.count 881, items.ownKey).
    VoiceBoxModel(const VoiceListModel* rows, const VoiceBoxItems& items, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const VoiceListModel* rows_;
    int ownKey_;
    QString ownText_;
};

// A voice box's display text: the stored names keep the keyboard's doubled ampersands.
QString voiceDisplayText(std::string_view storedName);

// Points a voice box at the shared rows (or at a model of its own for an unknown voice) and
// selects the item of `items`. The box must have been made by makeVoiceBox.
void showVoiceBox(QComboBox* box, VoiceListModel* rows, const VoiceBoxItems& items);

// An empty voice box that stays cheap with 881 items: its width comes from a fixed number of
// characters instead of measuring every item, and its popup lists rows of one height.
QComboBox* makeVoiceBox(QWidget* parent, int id);

} // namespace tombrel
