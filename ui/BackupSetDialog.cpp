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

namespace {

// What the tree tells of a folder it read.
constexpr int kMatchingSet = 1; // a set holding a file that matches the pattern
constexpr int kOtherSet = 2;    // any other set

} // namespace

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

    // Set folders show under their set name, marked by whether they hold the file asked for. The
    // hook runs while the tree reads in the background: it gets its own copy of the pattern.
    tree_->setItemHook(
        [pattern = options_.pattern](const QString& name,
                                     const QString& path) -> std::optional<FolderItemLook> {
            const std::string folder = path.toStdString();
            if (name.size() <= 4 || !isBackupSetFolder(folder))
                return std::nullopt;
            const QString text = fromUtf8(backupSetDisplayName(name.toStdString()));
            return FolderItemLook{text, backupSetHoldsMatchingFile(folder, pattern) ? kMatchingSet
                                                                                    : kOtherSet};
        },
        {{kMatchingSet, options_.matchingSetIcon}, {kOtherSet, otherSetIcon_}});
    connect(tree_, &FolderTree::selectedFolderChanged, this, [this] { takeSelection(); });
    connect(tree_, &FolderTree::doubleClicked, this, [this] {
        if (tree_->selectedFolderKind() != kMatchingSet)
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

void BackupSetDialog::takeSelection() {
    const std::string path = tree_->selectedFolderPath().toStdString();
    // In save mode any set may be the target (a set of styles that gets its registrations); in
    // open mode only a set that holds the file asked for is taken by name. The tree found out
    // which is which when it read the folder.
    const int kind = tree_->selectedFolderKind();
    const bool takeByName = options_.mode == Mode::Save ? kind == kMatchingSet || kind == kOtherSet
                                                        : kind == kMatchingSet;
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
