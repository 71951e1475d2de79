#include "ui/FolderTreeModel.h"

#include "core/files/FileIo.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMutex>
#include <QSet>
#include <QStyle>
#include <QThreadPool>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tombrel {

struct FolderTreeModel::Node {
    quint64 id = 0;
    Node* parent = nullptr;
    int row = 0;
    QString path;      // "/"-separated
    QString name;      // the folder's own name
    QString text;      // what the tree shows
    QString canonical; // the folder the path leads to, once known
    QIcon icon;        // top-level entries only
    int kind = 0;      // the hook's kind, 0 for a plain folder
    bool network = false;
    bool isRoot = false; // a top-level entry
    bool filled = false; // subfolders read at least once
    bool reading = false;
    bool stale = false; // changed on disk while it was being read
    bool expanded = false;
    int subfolders = -1; // -1 not known yet, else 0 or 1
    std::vector<std::unique_ptr<Node>> children;

    void renumber(size_t from = 0) {
        for (size_t i = from; i < children.size(); ++i)
            children[i]->row = static_cast<int>(i);
    }
};

struct FolderTreeModel::Listing {
    struct Child {
        QString name;
        QString text;
        QString canonical;
        int kind = 0;
        int subfolders = -1;
        bool network = false;
        bool loop = false; // a link back to this folder or one above it
    };
    QString canonical; // of the folder that was read
    std::vector<Child> children;
};

// Where a background read hands its listing back. The model clears `model` when it goes, so a
// read that ends later hands nothing to a model that no longer exists.
struct FolderTreeModel::Mailbox {
    QMutex mutex;
    FolderTreeModel* model = nullptr;
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

bool isSameOrInside(const QString& folder, const QString& path) {
    return samePath(folder, path) || isInside(folder, path);
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

bool isListedShare(const QStringList& networkPaths, const QString& path) {
    return std::any_of(networkPaths.begin(), networkPaths.end(),
                       [&](const QString& share) { return samePath(share, path); });
}

bool hiddenAsNetwork(bool hideNetwork, const QStringList& networkPaths, const QString& path) {
    return hideNetwork &&
           (path.startsWith(QLatin1String("//")) || isListedShare(networkPaths, path));
}

// Everything a background read needs, copied, so that it touches nothing of the model.
struct ReadJob {
    QString path;
    bool network = false;
    bool hideNetwork = false;
    QStringList networkPaths;
    QStringList above; // the folders the path leads through, resolved
    FolderItemHook hook;
};

FolderTreeModel::Listing readFolder(const ReadJob& job) {
    FolderTreeModel::Listing listing;
    listing.canonical = QFileInfo(job.path).canonicalFilePath();
    QStringList chain = job.above;
    if (!listing.canonical.isEmpty())
        chain << listing.canonical;
    // Folders that cannot be read simply have no subfolders.
    const QFileInfoList entries =
        QDir(job.path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        FolderTreeModel::Listing::Child child;
        child.name = entry.fileName();
        child.text = child.name;
        const QString path = joinedPath(job.path, child.name);
        if (hiddenAsNetwork(job.hideNetwork, job.networkPaths, path))
            continue;
        child.network = job.network || isListedShare(job.networkPaths, path);
        if (entry.isSymLink() || entry.isJunction()) {
            child.canonical = entry.canonicalFilePath();
            child.loop = std::any_of(chain.begin(), chain.end(), [&](const QString& passed) {
                return isSameOrInside(child.canonical, passed);
            });
        } else if (!listing.canonical.isEmpty()) {
            child.canonical = joinedPath(listing.canonical, child.name);
        }
        if (child.loop)
            child.subfolders = 0;
        else if (!child.network) // a share may answer slowly: looked at only when opened
            child.subfolders = hasVisibleSubfolders(path) ? 1 : 0;
        if (job.hook) {
            if (std::optional<FolderItemLook> look =
                    job.hook(child.name, QDir::toNativeSeparators(path))) {
                child.text = look->text;
                child.kind = look->kind;
            }
        }
        listing.children.push_back(std::move(child));
    }
    const QCollator collator = nameCollator();
    std::stable_sort(
        listing.children.begin(), listing.children.end(),
        [&](const auto& a, const auto& b) { return collator.compare(a.text, b.text) < 0; });
    return listing;
}

// The threads that read folders. Never destroyed: a share that hangs must not hold up the end of
// a dialog or of the program.
QThreadPool* folderReaders() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(4);
        return p;
    }();
    return pool;
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
      openFolderIcon_(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon)),
      watcher_(new QFileSystemWatcher(this)), mailbox_(std::make_shared<Mailbox>()) {
    root_->filled = true;
    mailbox_->model = this;
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderTreeModel::folderChanged);
}

FolderTreeModel::~FolderTreeModel() {
    QMutexLocker lock(&mailbox_->mutex);
    mailbox_->model = nullptr;
}

void FolderTreeModel::reset(std::vector<FolderRoot> roots, bool hideNetwork,
                            QStringList networkPaths) {
    beginResetModel();
    hideNetwork_ = hideNetwork;
    networkPaths_.clear();
    for (const QString& path : networkPaths)
        networkPaths_ << normalisedPath(path);
    nodes_.clear();
    watched_.clear();
    if (const QStringList folders = watcher_->directories(); !folders.isEmpty())
        watcher_->removePaths(folders);
    root_ = std::make_unique<Node>();
    root_->filled = true;
    for (FolderRoot& root : roots) {
        const QString path = normalisedPath(root.path);
        if (hideNetwork && (root.network || isHiddenNetworkPath(path)))
            continue;
        auto node = std::make_unique<Node>();
        node->id = ++nextId_;
        node->parent = root_.get();
        node->path = path;
        node->name = root.text;
        node->text = root.text;
        node->icon = root.icon.isNull() ? folderIcon_ : root.icon;
        node->network = root.network;
        node->isRoot = true;
        nodes_.insert(node->id, node.get());
        root_->children.push_back(std::move(node));
    }
    root_->renumber();
    endResetModel();
}

void FolderTreeModel::setItemHook(FolderItemHook hook, QHash<int, QIcon> icons) {
    hook_ = std::move(hook);
    kindIcons_ = std::move(icons);
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

int FolderTreeModel::kind(const QModelIndex& index) const {
    return index.isValid() ? nodeOf(index)->kind : 0;
}

bool FolderTreeModel::isFilled(const QModelIndex& index) const {
    return index.isValid() && nodeOf(index)->filled;
}

bool FolderTreeModel::isHiddenNetworkPath(const QString& path) const {
    return hiddenAsNetwork(hideNetwork_, networkPaths_, path);
}

bool FolderTreeModel::isNetworkPath(const QString& path) const {
    return isListedShare(networkPaths_, path);
}

void FolderTreeModel::requestFill(const QModelIndex& index) {
    Node* node = nodeOf(index);
    if (!index.isValid() || node->filled || node->reading)
        return;
    startReading(node);
}

void FolderTreeModel::startReading(Node* node) {
    if (node->reading) {
        node->stale = true;
        return;
    }
    node->reading = true;
    ++pending_;
    ReadJob job;
    job.path = node->path;
    job.network = node->network;
    job.hideNetwork = hideNetwork_;
    job.networkPaths = networkPaths_;
    for (const Node* up = node->parent; up && up != root_.get(); up = up->parent) {
        if (!up->canonical.isEmpty())
            job.above << up->canonical;
    }
    job.hook = hook_;
    folderReaders()->start([job = std::move(job), box = mailbox_, id = node->id] {
        auto listing = std::make_shared<Listing>(readFolder(job));
        QMutexLocker lock(&box->mutex);
        if (FolderTreeModel* model = box->model) {
            QMetaObject::invokeMethod(
                model, [model, id, listing] { model->applyListing(id, listing); },
                Qt::QueuedConnection);
        }
    });
}

std::unique_ptr<FolderTreeModel::Node> FolderTreeModel::makeChild(Node* parent,
                                                                  const QString& name) const {
    auto node = std::make_unique<Node>();
    node->parent = parent;
    node->name = name;
    node->text = name;
    node->path = joinedPath(parent->path, name);
    node->network = parent->network || isNetworkPath(node->path);
    if (!parent->canonical.isEmpty())
        node->canonical = joinedPath(parent->canonical, name);
    return node;
}

void FolderTreeModel::insertChild(Node* parent, std::unique_ptr<Node> child) {
    const QCollator collator = nameCollator();
    const auto at = std::lower_bound(parent->children.begin(), parent->children.end(), child->text,
                                     [&](const auto& existing, const QString& text) {
                                         return collator.compare(existing->text, text) < 0;
                                     });
    const int row = static_cast<int>(at - parent->children.begin());
    beginInsertRows(indexOf(parent), row, row);
    nodes_.insert(child->id, child.get());
    parent->children.insert(at, std::move(child));
    parent->renumber(static_cast<size_t>(row));
    parent->subfolders = 1;
    endInsertRows();
}

void FolderTreeModel::applyListing(quint64 id, const std::shared_ptr<Listing>& listing) {
    --pending_;
    Node* node = nodes_.value(id);
    if (!node)
        return; // the tree was replaced while the folder was read
    node->reading = false;
    node->canonical = listing->canonical;
    const bool first = !node->filled;
    node->filled = true;
    const QModelIndex parentIndex = indexOf(node);

    // Folders that went away.
    QSet<QString> present;
    for (const Listing::Child& child : listing->children)
        present.insert(child.name);
    for (int row = static_cast<int>(node->children.size()) - 1; row >= 0; --row) {
        if (present.contains(node->children[static_cast<size_t>(row)]->name))
            continue;
        beginRemoveRows(parentIndex, row, row);
        forget(node->children[static_cast<size_t>(row)].get());
        node->children.erase(node->children.begin() + row);
        node->renumber(static_cast<size_t>(row));
        endRemoveRows();
    }

    QHash<QString, Node*> known;
    for (const auto& child : node->children)
        known.insert(child->name, child.get());
    std::vector<std::unique_ptr<Node>> added;
    for (const Listing::Child& found : listing->children) {
        Node* child = known.value(found.name);
        const bool isNew = !child;
        std::unique_ptr<Node> made;
        if (isNew) {
            made = makeChild(node, found.name);
            made->id = ++nextId_;
            child = made.get();
        }
        const bool looksOther = child->text != found.text || child->kind != found.kind;
        child->text = found.text;
        child->kind = found.kind;
        child->canonical = found.canonical;
        child->network = node->network || found.network;
        if (found.loop) {
            // Shown, never opened.
            child->filled = true;
            child->subfolders = 0;
        } else if (!child->filled) {
            child->subfolders = found.subfolders;
        }
        if (isNew) {
            added.push_back(std::move(made));
        } else if (looksOther) {
            const QModelIndex changed = indexOf(child);
            Q_EMIT dataChanged(changed, changed);
        }
    }
    if (node->children.empty() && !added.empty()) {
        // The listing comes sorted: all of it at once.
        beginInsertRows(parentIndex, 0, static_cast<int>(added.size()) - 1);
        for (const auto& child : added)
            nodes_.insert(child->id, child.get());
        node->children = std::move(added);
        node->renumber();
        endInsertRows();
    } else {
        for (auto& child : added)
            insertChild(node, std::move(child));
    }
    node->subfolders = node->children.empty() ? 0 : 1;
    if (first && node->children.empty()) {
        // The view drew the node as one that might open; now it knows better.
        Q_EMIT layoutAboutToBeChanged();
        Q_EMIT layoutChanged();
    }
    watch(node);
    Q_EMIT filled(parentIndex);
    if (node->stale) {
        node->stale = false;
        startReading(node);
    }
}

void FolderTreeModel::forget(Node* node) {
    for (const auto& child : node->children)
        forget(child.get());
    unwatch(node);
    nodes_.remove(node->id);
}

void FolderTreeModel::watch(Node* node) {
    // Watching a share would ask it at once, and a hung one would stop the window.
    if (node->network || watched_.contains(node->path, node->id))
        return;
    if (!watched_.contains(node->path))
        watcher_->addPath(node->path);
    watched_.insert(node->path, node->id);
}

void FolderTreeModel::unwatch(Node* node) {
    if (!watched_.contains(node->path, node->id))
        return;
    watched_.remove(node->path, node->id);
    if (!watched_.contains(node->path))
        watcher_->removePath(node->path);
}

void FolderTreeModel::folderChanged(const QString& path) {
    const QList<quint64> ids = watched_.values(path);
    for (quint64 id : ids) {
        if (Node* node = nodes_.value(id); node && node->filled)
            startReading(node);
    }
}

QModelIndex FolderTreeModel::indexForPath(const QString& path) const {
    const QModelIndex closest = closestIndexForPath(path);
    if (closest.isValid() && samePath(nodeOf(closest)->path, normalisedPath(path)))
        return closest;
    return {};
}

QModelIndex FolderTreeModel::closestIndexForPath(const QString& path) const {
    const QString target = normalisedPath(path);
    if (target.isEmpty())
        return {};
    for (const auto& top : root_->children) {
        if (!isSameOrInside(top->path, target))
            continue;
        const Node* node = top.get();
        while (!samePath(node->path, target)) {
            const auto next =
                std::find_if(node->children.begin(), node->children.end(), [&](const auto& child) {
                    return isSameOrInside(child->path, target);
                });
            if (next == node->children.end())
                break;
            node = next->get();
        }
        return indexOf(node);
    }
    return {};
}

QModelIndex FolderTreeModel::addFolder(const QModelIndex& parent, const QString& name) {
    Node* node = nodeOf(parent);
    if (node == root_.get())
        return {};
    for (const auto& child : node->children) {
        if (samePath(child->name, name))
            return indexOf(child.get());
    }
    std::unique_ptr<Node> child = makeChild(node, name);
    child->id = ++nextId_;
    child->subfolders = 0; // just made
    Node* added = child.get();
    insertChild(node, std::move(child));
    // The folder's other subfolders follow as they are read.
    requestFill(parent);
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

    const QString oldCanonical = node->canonical;
    const QString newCanonical = QFileInfo(target).canonicalFilePath();
    node->name = name;
    node->text = name;
    node->kind = 0;
    std::function<void(Node*, const QString&)> move = [&](Node* moved, const QString& path) {
        const bool wasWatched = watched_.contains(moved->path, moved->id);
        unwatch(moved);
        moved->path = path;
        if (!oldCanonical.isEmpty() && isSameOrInside(oldCanonical, moved->canonical))
            moved->canonical = newCanonical + moved->canonical.mid(oldCanonical.size());
        if (wasWatched)
            watch(moved);
        for (const auto& child : moved->children)
            move(child.get(), joinedPath(path, child->name));
    };
    move(node, target);
    Q_EMIT dataChanged(index, index);
    // The hook decides the new name's look when the folder above is read again.
    startReading(node->parent);
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
        if (node->isRoot)
            return node->icon;
        if (node->kind > 0 && kindIcons_.contains(node->kind))
            return kindIcons_.value(node->kind);
        return node->expanded ? openFolderIcon_ : folderIcon_;
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
    // Answered from what has been read: the view asks for every row it paints.
    const Node* node = nodeOf(parent);
    if (node->filled)
        return !node->children.empty();
    return node->subfolders != 0;
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return parent.isValid() && !nodeOf(parent)->filled && !nodeOf(parent)->reading;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    requestFill(parent);
}

} // namespace tombrel
