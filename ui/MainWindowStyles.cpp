// The style name selectors at the top of the main window: how flash and disk styles are named.

#include "ui/MainWindow.h"

#include "ui/UiText.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>

namespace tombrel {

void MainWindow::refreshStyleNameControls() {
    flashFactory_->setChecked(styles_.flashMode() == FlashNameMode::Factory);
    flashDefault_->setChecked(styles_.flashMode() == FlashNameMode::Default);
    flashIndividual_->setChecked(styles_.flashMode() == FlashNameMode::Individual);
    diskNumber_->setChecked(styles_.diskMode() == DiskStyleMode::Number);
    diskFolder_->setChecked(styles_.diskMode() == DiskStyleMode::Folder);

    const QString flashText = QDir::toNativeSeparators(
        fromUtf8(styles_.flashFileFieldText(reg_.options().backupStructure)));
    flashFile_->setText(flashText);
    flashFile_->setToolTip(QDir::toNativeSeparators(fromUtf8(styles_.flashStyleFile())));
    const QString folder = QDir::toNativeSeparators(fromUtf8(styles_.diskFolderFieldText()));
    diskFolderText_->setText(folder);
    diskFolderText_->setToolTip(folder);
}

void MainWindow::chooseFlashFactory() {
    styles_.chooseFactory(reg_.keyboardModel());
    refreshStyleNameControls();
}

void MainWindow::chooseFlashDefault() {
    styles_.chooseDefault();
    refreshStyleNameControls();
}

void MainWindow::chooseFlashIndividual() {
    std::string lastBackupDir = reg_.lastBackupFolder();
    const RegSideOptions& options = reg_.options();
    styles_.chooseIndividual(reg_.keyboardModel(),
                             FlashStyleChoice{options.backupStructure, options.noNetworkAccess},
                             lastBackupDir);
    reg_.setLastBackupFolder(lastBackupDir);
    refreshStyleNameControls();
}

void MainWindow::chooseDiskNumber() {
    styles_.chooseNumber();
    refreshStyleNameControls();
}

void MainWindow::chooseDiskFolder() {
    styles_.chooseFolder(hooks_.diskStyleFolder(styles_.diskStyleDirectory()));
    refreshStyleNameControls();
}

} // namespace tombrel
