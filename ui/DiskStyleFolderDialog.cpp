#include "ui/DiskStyleFolderDialog.h"

#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/FolderTree.h"
#include "ui/UiText.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace tombrel {

DiskStyleFolderDialog::DiskStyleFolderDialog(Language lang, const QString& initialPath,
                                             QWidget* parent)
    : QDialog(parent), tree_(new FolderTree(this)) {
    setWindowTitle(uiText(msg::DiskStyleFolderCaption, lang));
    setControlId(tree_, ids::diskStyleFolder::Tree);
    tree_->setLanguage(lang);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    layout->addWidget(okCancelButtons(this, lang, msg::DiskStyleFolderOk));
    resize(500, 430);

    dialogButton(this, 1)->setEnabled(false);
    connect(tree_, &FolderTree::selectedFolderChanged, this, [this] { takeSelection(); });
    // A folder without subfolders is where the styles are: a double click takes it. Other
    // folders open and close as usual.
    connect(tree_, &FolderTree::doubleClicked, this, [this] {
        takeSelection();
        if (!path_.isEmpty() && !tree_->selectedFolderMayHaveSubfolders())
            accept();
    });
    tree_->initFolderTree(false, initialPath);
    takeSelection();
}

void DiskStyleFolderDialog::takeSelection() {
    path_ = tree_->selectedFolderPath();
    dialogButton(this, 1)->setEnabled(!path_.isEmpty());
}

void DiskStyleFolderDialog::accept() {
    if (!path_.isEmpty())
        QDialog::accept();
}

} // namespace tombrel
