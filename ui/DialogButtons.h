#pragma once

// The OK / Cancel row that the dialogs share: OK has control id 1 and is the default button,
// Cancel has id 2. OK calls the dialog's accept(), which a dialog overrides to refuse.

#include "core/text/Messages.h"

class QDialog;
class QWidget;
class QPushButton;

namespace tombrel {

QWidget* okCancelButtons(QDialog* dialog, Language lang, const Message& okText = msg::Ok,
                         bool withCancel = true);

// The button with the given control id inside `dialog`, or null.
QPushButton* dialogButton(QDialog* dialog, int id);

} // namespace tombrel
