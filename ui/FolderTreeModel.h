#pragma once

// A tree of folders for choosing a place on disk. Files are never listed, nor hidden folders. The
// top level is a list of roots (the home folder, the file-system roots, mounted media and network
// shares); a node's subfolders are read when it is first opened.
//
// The window never waits for the disk: every folder is read on a background thread, and the tree
// answers the view from what it has read so far (a folder not read yet shows as one that may
// have subfolders). A slow or hung network share so keeps only its own node empty. Folders that
// have been read are watched, so folders made, renamed or removed by other programs show up. A
// symbolic link that leads back to the folder it sits in or to one above it is shown but never
// opened, so a link loop cannot make the tree endless.
//
// A dialog may set a hook that gives chosen folders their own text and icon, as the backup-set
// dialog does for the keyboard's set folders. Paths inside the model use "/"; FolderTree converts
// to the platform's separator at its edge.

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <QMultiHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QFileSystemWatcher;

namespace tombrel {

struct FolderRoot {
    QString path;
    QString text;
    QIcon icon;
    bool network = false;
};

// How a folder is shown when the hook takes it over: its text, and a kind of the caller's own
// (1 and up) that picks one of the icons given with the hook and tells the caller what the folder
// is when it is selected.
struct FolderItemLook {
    QString text;
    int kind = 0;
};

// Called with a folder's own name and its path (platform separators) on a background thread: it
// may read the disk, but it must not touch any widget or object of the window, so it holds copies
// of what it needs.
using FolderItemHook =
    std::function<std::optional<FolderItemLook>(const QString& name, const QString& path)>;

// True when `path` holds at least one folder that the tree would show. Reads the disk.
bool hasVisibleSubfolders(const QString& path);

// File-system types of mounted network shares (nfs, cifs, sshfs, ...).
bool isNetworkFileSystemType(const QByteArray& type);

class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit FolderTreeModel(QObject* parent = nullptr);
    ~FolderTreeModel() override;

    // Replaces the whole tree. With `hideNetwork`, network roots are left out, and so is every
    // folder whose path is one of `networkPaths` (a share mounted inside another folder).
    void reset(std::vector<FolderRoot> roots, bool hideNetwork, QStringList networkPaths = {});
    // Set before reset(); `icons` by the kinds the hook gives.
    void setItemHook(FolderItemHook hook, QHash<int, QIcon> icons = {});

    // "/"-separated path of a node; empty for an invalid index.
    QString path(const QModelIndex& index) const;
    bool isNetwork(const QModelIndex& index) const;
    // The hook's kind of a node, 0 for a plain folder.
    int kind(const QModelIndex& index) const;
    // True once the node's subfolders have been read.
    bool isFilled(const QModelIndex& index) const;
    // True while any folder is being read.
    bool isReading() const { return pending_ > 0; }
    // The node of `path` among the folders read so far; invalid when the tree does not show it
    // (yet). Never reads the disk.
    QModelIndex indexForPath(const QString& path) const;
    // The deepest node read so far on the way down to `path` (the node itself when it is there);
    // invalid when no top-level node holds the path.
    QModelIndex closestIndexForPath(const QString& path) const;
    // Reads the subfolders of `index` in the background unless they are read or being read;
    // filled() tells when they are there.
    void requestFill(const QModelIndex& index);
    // Adds a folder that was just made inside the node `parent`; its index.
    QModelIndex addFolder(const QModelIndex& parent, const QString& name);
    // Renames the folder on disk and in the tree; the platform's error text on failure.
    std::optional<QString> renameFolder(const QModelIndex& index, const QString& newName);
    // The view reports expansion so that expanded nodes can show their open icon.
    void setExpanded(const QModelIndex& index, bool expanded);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // What a background read found; public for the reader, of no use to callers.
    struct Listing;

Q_SIGNALS:
    // A rename from an item editor failed; the platform's description of why.
    void renameFailed(const QString& error);
    // The subfolders of `parent` have been read, the first time or again after a change.
    void filled(const QModelIndex& parent);

private:
    struct Node;
    struct Mailbox;

    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const Node* node) const;
    void startReading(Node* node);
    void applyListing(quint64 id, const std::shared_ptr<Listing>& listing);
    void folderChanged(const QString& path);
    std::unique_ptr<Node> makeChild(Node* parent, const QString& name) const;
    void insertChild(Node* parent, std::unique_ptr<Node> child);
    void forget(Node* node);
    void watch(Node* node);
    void unwatch(Node* node);
    bool isHiddenNetworkPath(const QString& path) const;
    bool isNetworkPath(const QString& path) const;

    std::unique_ptr<Node> root_;
    FolderItemHook hook_;
    QHash<int, QIcon> kindIcons_;
    bool hideNetwork_ = false;
    QStringList networkPaths_;
    QIcon folderIcon_;
    QIcon openFolderIcon_;
    QHash<quint64, Node*> nodes_; // every node below the invisible root, by id
    QMultiHash<QString, quint64> watched_;
    QFileSystemWatcher* watcher_;
    std::shared_ptr<Mailbox> mailbox_;
    int pending_ = 0;
    quint64 nextId_ = 0;
};

} // namespace tombrel
