#include "ui/BackupSetDialog.h"

#include "core/files/BackupSet.h"
#include "core/files/FolderSearch.h"
#include "ui/BackupSetIcons.h"
#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/FolderTree.h"
#include "ui/UiText.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

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
      name_(new QLineEdit(this)), path_(new QLineEdit(this)), pathMessage_(new QLabel(this)),
      otherSetIcon_(backupSetIcon(BackupSetIcon::OtherSet)) {
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

    auto* pathLabel = new QLabel(uiText(msg::TypedPathLabel, lang_), this);
    pathLabel->setBuddy(path_);
    path_->setObjectName(QStringLiteral("typedPath"));
    path_->setClearButtonEnabled(true);
    pathMessage_->setObjectName(QStringLiteral("typedPathMessage"));
    pathMessage_->setTextFormat(Qt::PlainText);
    pathMessage_->setWordWrap(true);
    pathMessage_->hide();
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(path_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addWidget(pathMessage_);
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
    connect(tree_, &FolderTree::selectedFolderChanged, this, [this](const QString& folder) {
        takeSelection();
        if (typedPath_)
            return; // on the way to a typed path, which shows itself
        // Picked in the tree: the line shows it, a file typed before is forgotten.
        typedFile_.clear();
        path_->setText(folder);
        shownPath_ = folder;
        pathMessage_->hide();
    });
    connect(tree_, &FolderTree::selectionFinished, this,
            [this](bool found) { typedPathSelected(found); });
    // Typing again takes the message about the last path away.
    connect(path_, &QLineEdit::textEdited, pathMessage_, &QWidget::hide);
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
    path_->setText(tree_->selectedFolderPath());
    shownPath_ = path_->text();
    setTabOrder(path_, tree_);
    setTabOrder(tree_, name_);
    if (save)
        name_->setFocus();
    else
        tree_->setFocus();
}

QString BackupSetDialog::pathMessage() const {
    return pathMessage_->isHidden() ? QString() : pathMessage_->text();
}

void BackupSetDialog::showPathMessage(const Message& message, const QString& path) {
    UserMessage text = userMessage(message);
    text.argument = path.toStdString();
    pathMessage_->setText(fromUtf8(text.text(lang_)));
    pathMessage_->show();
    path_->setFocus();
    path_->selectAll();
}

bool BackupSetDialog::takeTypedPath() {
    const TypedBackupSetPath typed =
        typedBackupSetPath(path_->text().toStdString(), tree_->selectedFolderPath().toStdString());
    switch (typed.kind) {
    case TypedBackupSetPath::Kind::Empty:
        return false;
    case TypedBackupSetPath::Kind::Missing:
        showPathMessage(msg::TypedPathNotFound, fromUtf8(typed.path));
        return false;
    case TypedBackupSetPath::Kind::Folder:
    case TypedBackupSetPath::Kind::File:
        break;
    }
    // The tree may have to read the folders on the way: typedPathSelected goes on.
    typedPath_ = typed;
    tree_->selectFolderPath(QDir::toNativeSeparators(fromUtf8(typed.folder)));
    return true;
}

void BackupSetDialog::typedPathSelected(bool found) {
    if (!typedPath_)
        return; // the walk to the start folder, or the user's own
    const TypedBackupSetPath typed = *std::exchange(typedPath_, std::nullopt);
    const bool acceptNow = std::exchange(acceptTypedPath_, false);
    const QString folder = QDir::toNativeSeparators(fromUtf8(typed.folder));
    if (!found) {
        showPathMessage(msg::TypedPathNotInTree, folder);
        return;
    }
    takeSelection();
    const bool file = typed.kind == TypedBackupSetPath::Kind::File;
    const bool open = options_.mode == Mode::Open;
    typedFile_ = file && open ? typed.path : std::string();
    path_->setText(file ? QDir::toNativeSeparators(fromUtf8(typed.path)) : folder);
    shownPath_ = path_->text();
    pathMessage_->hide();
    // A typed folder is shown for the user to go on from, unless it is a set to open.
    if (acceptNow && open && (file || tree_->selectedFolderKind() == kMatchingSet))
        QDialog::accept();
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
    if (!typedFile_.empty())
        return typedFile_;
    return backupSetResultPath(currentFolder_, name_->text().toStdString(),
                               options_.mode == Mode::Open, options_.pattern);
}

void BackupSetDialog::accept() {
    if (typedPath_)
        return; // still on the way to a typed path
    const QString typed = path_->text().trimmed();
    if (!typed.isEmpty() && typed != shownPath_.trimmed()) {
        acceptTypedPath_ = true;
        if (!takeTypedPath())
            acceptTypedPath_ = false;
        return;
    }
    if (options_.mode == Mode::Open && !typedFile_.empty()) {
        QDialog::accept();
        return;
    }
    if (name_->text().trimmed().isEmpty())
        return;
    QDialog::accept();
}

} // namespace tombrel
