#pragma once

// Explains the keyboard's storage device names that the song path mapping uses.

#include "core/text/Messages.h"

#include <QDialog>

#include <span>

namespace tombrel {

struct KeyboardStorageDevice {
    const char* name;
    const Message* description;
};

// The devices in the order the dialog lists them.
std::span<const KeyboardStorageDevice> keyboardStorageDevices();

class KeyboardStorageDevicesDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardStorageDevicesDialog(Language lang, QWidget* parent = nullptr);
};

} // namespace tombrel
