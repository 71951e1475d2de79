#pragma once

// Asks which keyboard a new registration backup is made for.

#include "core/record/KeyboardModel.h"
#include "core/text/Messages.h"

#include <QDialog>

#include <optional>

class QComboBox;

namespace tombrel {

class SelectKeyboardTypeDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with the item of `current` selected (none for KeyboardModel::None).
    SelectKeyboardTypeDialog(KeyboardModel current, Language lang, QWidget* parent = nullptr);

    // The model of the selected item; the PSR-9000 when none is selected.
    KeyboardModel chosenModel() const;

    QComboBox* list() const { return list_; }

private:
    QComboBox* list_;
};

// Runs the dialog; nothing when cancelled.
std::optional<KeyboardModel> selectKeyboardType(QWidget* parent, KeyboardModel current,
                                                Language lang);

} // namespace tombrel
