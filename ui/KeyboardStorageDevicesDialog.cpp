#include "ui/KeyboardStorageDevicesDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace tombrel {

namespace {

const std::array<KeyboardStorageDevice, 4> kDevices = {{
    {"FDDRV:", &msg::DeviceFloppyDisk},
    {"ATA00:", &msg::DeviceHardDisk0},
    {"ATA01:", &msg::DeviceHardDisk1},
    {"SCSxy:", &msg::DeviceScsi},
}};

} // namespace

std::span<const KeyboardStorageDevice> keyboardStorageDevices() {
    return kDevices;
}

KeyboardStorageDevicesDialog::KeyboardStorageDevicesDialog(Language lang, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(msg::KeyboardStorageDevicesCaption, lang));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    int row = 0;
    for (const KeyboardStorageDevice& device : kDevices) {
        auto* name = new QLabel(QString::fromLatin1(device.name), this);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        grid->addWidget(name, row, 0, Qt::AlignTop);
        grid->addWidget(new QLabel(uiText(*device.description, lang), this), row, 1, Qt::AlignTop);
        ++row;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(okCancelButtons(this, lang, msg::Ok, false));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tombrel
