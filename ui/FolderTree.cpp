#include "ui/FolderTree.h"

#include "core/files/FileIo.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QStorageInfo>
#include <QStyle>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace tombrel {

namespace {

// Where desktops mount removable media and shares.
bool isMediaMountPoint(const QString& path) {
    static const char* const kPlaces[] = {"/media/", "/run/media/", "/mnt/", "/Volumes/"};
    for (const char* place : kPlaces) {
        if (path.startsWith(QLatin1String(place)))
            return true;
    }
    return false;
}

} // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), model_(new FolderTreeModel(this)) {
    setModel(model_);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Folders are renamed only right after "New Folder", never by a stray click.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long names scroll sideways instead of being cut; short ones still select the whole row.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(true);

    connect(this, &QTreeView::expanded, model_,
            [this](const QModelIndex& index) { model_->setExpanded(index, true); });
    connect(this, &QTreeView::collapsed, model_,
            [this](const QModelIndex& index) { model_->setExpanded(index, false); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        // The user went elsewhere: an unfinished walk to another folder is dropped.
        if (!selecting_ && isSelecting())
            finishSelection(false);
        Q_EMIT selectedFolderChanged(selectedFolderPath());
    });
    connect(model_, &FolderTreeModel::filled, this, [this] { continueSelection(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (isSelecting())
            finishSelection(false);
    });
    connect(model_, &FolderTreeModel::renameFailed, this,
            [this](const QString& error) { warn(msg::CannotRenameFolder, error); });
}

void FolderTree::setItemHook(FolderItemHook hook, QHash<int, QIcon> icons) {
    model_->setItemHook(std::move(hook), std::move(icons));
}

QStringList FolderTree::networkMounts() {
    QStringList mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && isNetworkFileSystemType(volume.fileSystemType()))
            mounts << volume.rootPath();
    }
    return mounts;
}

std::vector<FolderRoot> FolderTree::defaultRoots() {
    QStyle* style = QApplication::style();
    std::vector<FolderRoot> roots;
    const QString home = QDir::homePath();
    roots.push_back(
        {home, QDir::home().dirName(), style->standardIcon(QStyle::SP_DirHomeIcon), false});

    const QIcon driveIcon = style->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QFileInfo& drive : QDir::drives()) {
        const QString path = drive.absoluteFilePath();
        roots.push_back({path, QDir::toNativeSeparators(path), driveIcon, false});
    }

    const QIcon mediaIcon = style->standardIcon(QStyle::SP_DriveCDIcon);
    const QIcon networkIcon = style->standardIcon(QStyle::SP_DriveNetIcon);
    std::vector<FolderRoot> media;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString path = volume.rootPath();
        const bool network = isNetworkFileSystemType(volume.fileSystemType());
        if (QDir(path) == QDir(home) || QDir(path).isRoot() ||
            (!network && !isMediaMountPoint(path)))
            continue;
        QString text = volume.displayName();
        if (text.isEmpty() || text == path)
            text = QFileInfo(path).fileName();
        media.push_back({path, text, network ? networkIcon : mediaIcon, network});
    }
    std::stable_sort(media.begin(), media.end(), [](const FolderRoot& a, const FolderRoot& b) {
        return a.network != b.network ? !a.network : a.text.localeAwareCompare(b.text) < 0;
    });
    roots.insert(roots.end(), media.begin(), media.end());
    return roots;
}

void FolderTree::initFolderTree(bool hideNetwork, const QString& initialPath) {
    initFolderTree(hideNetwork, initialPath, defaultRoots(), networkMounts());
}

void FolderTree::initFolderTree(bool hideNetwork, const QString& initialPath,
                                std::vector<FolderRoot> roots, QStringList networkPaths) {
    model_->reset(std::move(roots), hideNetwork, std::move(networkPaths));
    if (model_->rowCount() > 0) {
        selecting_ = true;
        setCurrentIndex(model_->index(0, 0));
        selecting_ = false;
    }
    if (!initialPath.isEmpty())
        selectFolderPath(initialPath);
}

QString FolderTree::selectedFolderPath() const {
    return QDir::toNativeSeparators(model_->path(currentIndex()));
}

int FolderTree::selectedFolderKind() const {
    return model_->kind(currentIndex());
}

bool FolderTree::selectedFolderMayHaveSubfolders() const {
    return currentIndex().isValid() && model_->hasChildren(currentIndex());
}

void FolderTree::selectFolderPath(const QString& path) {
    if (isSelecting())
        finishSelection(false);
    if (path.isEmpty()) {
        Q_EMIT selectionFinished(false);
        return;
    }
    pendingPath_ = path;
    continueSelection();
}

void FolderTree::continueSelection() {
    if (!isSelecting())
        return;
    const QModelIndex index = model_->indexForPath(pendingPath_);
    if (index.isValid()) {
        selecting_ = true;
        setUpdatesEnabled(false);
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
            expand(up);
        setCurrentIndex(index);
        expand(index);
        setUpdatesEnabled(true);
        selecting_ = false;
        scrollTo(index, QAbstractItemView::PositionAtCenter);
        finishSelection(true);
        return;
    }
    const QModelIndex closest = model_->closestIndexForPath(pendingPath_);
    // Read to the end of the way without finding it: the tree does not show that folder.
    if (!closest.isValid() || model_->isFilled(closest)) {
        finishSelection(false);
        return;
    }
    // Goes on when the folder has been read.
    model_->requestFill(closest);
}

void FolderTree::finishSelection(bool found) {
    pendingPath_.clear();
    Q_EMIT selectionFinished(found);
}

void FolderTree::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    QMenu menu(this);
    QAction* open = menu.addAction(uiText(msg::OpenInFileManager, lang_));
    QAction* create = menu.addAction(uiText(msg::NewFolder, lang_));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == open)
        openInFileManager(index);
    else if (chosen == create)
        createFolderIn(index);
}

void FolderTree::openInFileManager(const QModelIndex& index) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(model_->path(index))))
        warn(msg::CannotOpenInFileManager, {});
}

void FolderTree::createFolderIn(const QModelIndex& parent) {
    const QDir folder(model_->path(parent));
    const QString base = uiText(msg::NewFolder, lang_);
    QString name = base;
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    std::error_code ec;
    std::filesystem::create_directory(
        toFsPath(QDir::toNativeSeparators(folder.filePath(name)).toStdString()), ec);
    if (ec) {
        warn(msg::CannotCreateFolder, QString::fromStdString(ec.message()));
        return;
    }
    const QModelIndex added = model_->addFolder(parent, name);
    if (!added.isValid())
        return;
    expand(parent);
    setCurrentIndex(added);
    scrollTo(added);
    edit(added);
}

void FolderTree::warn(const Message& message, const QString& platformError) {
    QString text = uiText(message, lang_);
    if (!platformError.isEmpty())
        text = platformError + QStringLiteral("\n\n") + text;
    QMessageBox::warning(this, QApplication::applicationName(), text);
}

} // namespace tombrel
