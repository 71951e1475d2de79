#include "ui/BackupSetDialog.h"

#include "core/files/BackupSet.h"
#include "core/files/FolderSearch.h"
#include "ui/BackupSetIcons.h"
#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/FolderTree.h"
#include "ui/UiText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tombrel {

BackupSetDialog::BackupSetDialog(const Options& options, Language lang, QWidget* parent)
    : BackupSetDialog(options, lang, {}, parent) {}

BackupSetDialog::BackupSetDialog(const Options& options, Language lang,
                                 std::vector<FolderRoot> roots, QWidget* parent)
    : QDialog(parent), options_(options), lang_(lang), tree_(new FolderTree(this)),
      name_(new QLineEdit(this)), otherSetIcon_(backupSetIcon(BackupSetIcon::OtherSet)) {
    const bool defaultRoots = roots.empty();
    build(std::move(roots), defaultRoots);
}

void BackupSetDialog::build(std::vector<FolderRoot> roots, bool defaultRoots) {
    const bool save = options_.mode == Mode::Save;
    setWindowTitle(options_.caption);
    setControlId(tree_, ids::backupSet::Tree);
    setControlId(name_, ids::backupSet::Name);
    tree_->setLanguage(lang_);
    name_->setEnabled(save);

    auto* label = new QLabel(uiText(msg::FileNameLabel, lang_), this);
    setControlId(label, ids::backupSet::NameLabel);
    label->setBuddy(name_);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(label);
    nameRow->addWidget(name_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addLayout(nameRow);
    layout->addWidget(okCancelButtons(this, lang_, save ? msg::SaveButton : msg::OpenButton));
    resize(500, 460);

    // Set folders show under their set name, marked by whether they hold the file asked for.
    tree_->setItemHook(
        [this](const QString& name, const QString& path) -> std::optional<FolderItemLook> {
            const std::string folder = path.toStdString();
            if (name.size() <= 4 || !isBackupSetFolder(folder))
                return std::nullopt;
            const QString text = fromUtf8(backupSetDisplayName(name.toStdString()));
            const bool matching = backupSetHoldsMatchingFile(folder, options_.pattern);
            return FolderItemLook{text, matching ? options_.matchingSetIcon : otherSetIcon_, {}};
        });
    connect(tree_, &FolderTree::selectedFolderChanged, this, [this] { takeSelection(); });
    connect(tree_, &FolderTree::doubleClicked, this, [this] {
        if (!isSetWithMatchingFile(tree_->selectedFolderPath().toStdString()))
            return;
        takeSelection();
        accept();
    });

    const QString initial = fromUtf8(options_.initialPath);
    if (defaultRoots)
        tree_->initFolderTree(options_.noNetwork, initial);
    else
        tree_->initFolderTree(options_.noNetwork, initial, std::move(roots));
    name_->setFocus();
}

bool BackupSetDialog::isSetWithMatchingFile(const std::string& path) const {
    return !path.empty() && isBackupSetFolder(path) &&
           backupSetHoldsMatchingFile(path, options_.pattern);
}

void BackupSetDialog::takeSelection() {
    const std::string path = tree_->selectedFolderPath().toStdString();
    // In save mode any set may be the target (a set of styles that gets its registrations); in
    // open mode only a set that holds the file asked for is taken by name.
    const bool takeByName = options_.mode == Mode::Save ? !path.empty() && isBackupSetFolder(path)
                                                        : isSetWithMatchingFile(path);
    if (takeByName) {
        currentFolder_ = parentPathOf(path);
        name_->setText(fromUtf8(backupSetDisplayName(fileNameOf(path))));
    } else {
        currentFolder_ = path;
    }
}

std::string BackupSetDialog::resultPath() const {
    return backupSetResultPath(currentFolder_, name_->text().toStdString(),
                               options_.mode == Mode::Open, options_.pattern);
}

void BackupSetDialog::accept() {
    if (name_->text().trimmed().isEmpty())
        return;
    QDialog::accept();
}

} // namespace tombrel
