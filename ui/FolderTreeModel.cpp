#include "ui/FolderTreeModel.h"

#include "core/files/FileIo.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QStyle>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tombrel {

struct FolderTreeModel::Node {
    Node* parent = nullptr;
    int row = 0;
    QString path; // "/"-separated
    QString name; // the folder's own name
    QString text;
    QIcon icon;
    QIcon openIcon;
    bool network = false;
    bool isRoot = false; // a top-level entry
    bool filled = false; // subfolders read
    bool expanded = false;
    mutable int subfolders = -1; // -1 not looked at yet, else 0 or 1
    std::vector<std::unique_ptr<Node>> children;

    void renumber(size_t from = 0) {
        for (size_t i = from; i < children.size(); ++i)
            children[i]->row = static_cast<int>(i);
    }
};

namespace {

// Folder names compare as the platform's file system does.
constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

QString normalisedPath(const QString& path) {
    QString normal = QDir::fromNativeSeparators(path);
    // A bare drive ("C:") means its root folder.
    if (normal.size() == 2 && normal[1] == QLatin1Char(':'))
        normal += QLatin1Char('/');
    return QDir::cleanPath(normal);
}

bool samePath(const QString& a, const QString& b) {
    return a.compare(b, kPathCase) == 0;
}

// True when `path` lies inside the folder `folder` (not equal to it).
bool isInside(const QString& folder, const QString& path) {
    if (folder.endsWith(QLatin1Char('/')))
        return path.size() > folder.size() && path.startsWith(folder, kPathCase);
    return path.size() > folder.size() + 1 && path.startsWith(folder, kPathCase) &&
           path[folder.size()] == QLatin1Char('/');
}

QString joinedPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// Names sort as a file manager shows them: "Disk 2" before "Disk 10", without regard to case.
// The C locale compares plain code points, so it gets an English collation instead.
QCollator nameCollator() {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::filesystem::path fsPath(const QString& path) {
    return toFsPath(QDir::toNativeSeparators(path).toStdString());
}

} // namespace

bool hasVisibleSubfolders(const QString& path) {
    QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot);
    return it.hasNext();
}

bool isNetworkFileSystemType(const QByteArray& type) {
    static const char* const kTypes[] = {
        "nfs",   "nfs4", "cifs",  "smb3",        "smbfs",     "sshfs", "fuse.sshfs", "afs",
        "ncpfs", "9p",   "davfs", "fuse.davfs2", "glusterfs", "ceph",  "fuse.rclone"};
    const QByteArray lower = type.toLower();
    return std::any_of(std::begin(kTypes), std::end(kTypes),
                       [&](const char* known) { return lower == known; });
}

FolderTreeModel::FolderTreeModel(QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<Node>()),
      folderIcon_(QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon)),
      openFolderIcon_(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon)) {
    root_->filled = true;
}

FolderTreeModel::~FolderTreeModel() = default;

void FolderTreeModel::reset(std::vector<FolderRoot> roots, bool hideNetwork,
                            QStringList networkPaths) {
    beginResetModel();
    hideNetwork_ = hideNetwork;
    networkPaths_.clear();
    for (const QString& path : networkPaths)
        networkPaths_ << normalisedPath(path);
    root_ = std::make_unique<Node>();
    root_->filled = true;
    for (FolderRoot& root : roots) {
        const QString path = normalisedPath(root.path);
        if (hideNetwork && (root.network || isHiddenNetworkPath(path)))
            continue;
        auto node = std::make_unique<Node>();
        node->parent = root_.get();
        node->path = path;
        node->name = root.text;
        node->text = root.text;
        node->icon = root.icon.isNull() ? folderIcon_ : root.icon;
        node->network = root.network;
        node->isRoot = true;
        root_->children.push_back(std::move(node));
    }
    root_->renumber();
    endResetModel();
}

void FolderTreeModel::setItemHook(FolderItemHook hook) {
    hook_ = std::move(hook);
}

FolderTreeModel::Node* FolderTreeModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex FolderTreeModel::indexOf(const Node* node) const {
    if (!node || node == root_.get())
        return {};
    return createIndex(node->row, 0, const_cast<Node*>(node));
}

QString FolderTreeModel::path(const QModelIndex& index) const {
    return index.isValid() ? nodeOf(index)->path : QString();
}

bool FolderTreeModel::isNetwork(const QModelIndex& index) const {
    return index.isValid() && nodeOf(index)->network;
}

bool FolderTreeModel::isHiddenNetworkPath(const QString& path) const {
    if (!hideNetwork_)
        return false;
    if (path.startsWith(QLatin1String("//")))
        return true;
    return std::any_of(networkPaths_.begin(), networkPaths_.end(),
                       [&](const QString& share) { return samePath(share, path); });
}

void FolderTreeModel::applyLook(Node* node) const {
    node->text = node->name;
    node->icon = folderIcon_;
    node->openIcon = openFolderIcon_;
    if (!hook_)
        return;
    if (std::optional<FolderItemLook> look =
            hook_(node->name, QDir::toNativeSeparators(node->path))) {
        node->text = look->text;
        node->icon = look->icon;
        node->openIcon = look->openIcon.isNull() ? look->icon : look->openIcon;
    }
}

std::unique_ptr<FolderTreeModel::Node> FolderTreeModel::makeChild(Node* parent,
                                                                  const QString& name) const {
    auto node = std::make_unique<Node>();
    node->parent = parent;
    node->name = name;
    node->path = joinedPath(parent->path, name);
    node->network = parent->network ||
                    std::any_of(networkPaths_.begin(), networkPaths_.end(),
                                [&](const QString& share) { return samePath(share, node->path); });
    applyLook(node.get());
    return node;
}

void FolderTreeModel::fill(Node* node) {
    if (node->filled)
        return;
    node->filled = true;
    // Folders that cannot be read simply have no subfolders.
    const QStringList names =
        QDir(node->path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::vector<std::unique_ptr<Node>> children;
    children.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names) {
        if (isHiddenNetworkPath(joinedPath(node->path, name)))
            continue;
        children.push_back(makeChild(node, name));
    }
    const QCollator collator = nameCollator();
    std::stable_sort(children.begin(), children.end(), [&](const auto& a, const auto& b) {
        return collator.compare(a->text, b->text) < 0;
    });
    node->subfolders = children.empty() ? 0 : 1;
    if (children.empty())
        return;
    beginInsertRows(indexOf(node), 0, static_cast<int>(children.size()) - 1);
    node->children = std::move(children);
    node->renumber();
    endInsertRows();
}

QModelIndex FolderTreeModel::indexForPath(const QString& path) {
    const QString target = normalisedPath(path);
    if (target.isEmpty())
        return {};
    // Depth-first in the order the tree shows its nodes, descending only into folders on the way.
    std::function<Node*(Node*)> search = [&](Node* node) -> Node* {
        if (samePath(node->path, target))
            return node;
        if (!isInside(node->path, target))
            return nullptr;
        fill(node);
        for (const auto& child : node->children) {
            if (Node* found = search(child.get()))
                return found;
        }
        return nullptr;
    };
    for (const auto& top : root_->children) {
        if (Node* found = search(top.get()))
            return indexOf(found);
    }
    return {};
}

QModelIndex FolderTreeModel::addFolder(const QModelIndex& parent, const QString& name) {
    Node* node = nodeOf(parent);
    if (node == root_.get())
        return {};
    if (!node->filled) {
        fill(node);
        for (const auto& child : node->children) {
            if (samePath(child->name, name))
                return indexOf(child.get());
        }
        return {};
    }
    std::unique_ptr<Node> child = makeChild(node, name);
    const QCollator collator = nameCollator();
    const auto at = std::lower_bound(node->children.begin(), node->children.end(), child->text,
                                     [&](const auto& existing, const QString& text) {
                                         return collator.compare(existing->text, text) < 0;
                                     });
    const int row = static_cast<int>(at - node->children.begin());
    beginInsertRows(parent, row, row);
    Node* added = child.get();
    node->children.insert(at, std::move(child));
    node->renumber(static_cast<size_t>(row));
    node->subfolders = 1;
    endInsertRows();
    return indexOf(added);
}

std::optional<QString> FolderTreeModel::renameFolder(const QModelIndex& index,
                                                     const QString& newName) {
    Node* node = nodeOf(index);
    if (!index.isValid() || node->isRoot)
        return QString::fromStdString(
            std::make_error_code(std::errc::operation_not_permitted).message());
    const QString name = newName.trimmed();
    if (name == node->name)
        return std::nullopt;
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QDir::separator()))
        return QString::fromStdString(std::make_error_code(std::errc::invalid_argument).message());
    const QString target = joinedPath(node->parent->path, name);
    std::error_code ec;
    // Renaming a folder onto an existing empty one would silently replace it.
    if (std::filesystem::exists(fsPath(target), ec) && !samePath(target, node->path))
        return QString::fromStdString(std::make_error_code(std::errc::file_exists).message());
    std::filesystem::rename(fsPath(node->path), fsPath(target), ec);
    if (ec)
        return QString::fromStdString(ec.message());

    node->name = name;
    std::function<void(Node*, const QString&)> move = [&](Node* moved, const QString& path) {
        moved->path = path;
        applyLook(moved);
        for (const auto& child : moved->children)
            move(child.get(), joinedPath(path, child->name));
    };
    move(node, target);
    Q_EMIT dataChanged(index, index);
    return std::nullopt;
}

void FolderTreeModel::setExpanded(const QModelIndex& index, bool expanded) {
    if (!index.isValid())
        return;
    Node* node = nodeOf(index);
    if (node->expanded == expanded)
        return;
    node->expanded = expanded;
    Q_EMIT dataChanged(index, index, {Qt::DecorationRole});
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = nodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[static_cast<size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    return indexOf(nodeOf(child)->parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(nodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Node* node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return node->text;
    case Qt::EditRole:
        return node->name;
    case Qt::DecorationRole:
        return node->expanded && !node->openIcon.isNull() ? node->openIcon : node->icon;
    case Qt::ToolTipRole:
        return QDir::toNativeSeparators(node->path);
    default:
        return {};
    }
}

bool FolderTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    if (std::optional<QString> error = renameFolder(index, value.toString())) {
        Q_EMIT renameFailed(*error);
        return false;
    }
    return true;
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!nodeOf(index)->isRoot)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
    const Node* node = nodeOf(parent);
    if (node->filled)
        return !node->children.empty();
    // A share may answer slowly or not at all; its contents are looked at only when opened.
    if (node->network)
        return true;
    if (node->subfolders < 0)
        node->subfolders = hasVisibleSubfolders(node->path) ? 1 : 0;
    return node->subfolders == 1;
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return parent.isValid() && !nodeOf(parent)->filled;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid())
        fill(nodeOf(parent));
}

} // namespace tombrel
