#pragma once

// A lazily filled tree of folders for choosing a place on disk. Files are never listed, nor
// hidden folders. The top level is a list of roots (the home folder, the file-system roots,
// mounted media and network shares); a node's subfolders are read the first time it is
// expanded. A dialog may set a hook that gives chosen folders their own text and icons, as the
// backup-set dialog does for the keyboard's set folders.
//
// Paths inside the model use "/"; FolderTree converts to the platform's separator at its edge.

#include <QAbstractItemModel>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tombrel {

struct FolderRoot {
    QString path;
    QString text;
    QIcon icon;
    bool network = false;
};

// How a folder is shown when the hook takes it over.
struct FolderItemLook {
    QString text;
    QIcon icon;
    QIcon openIcon; // shown while the node is expanded; the normal icon when null
};

// Called with a folder's own name and its path (platform separators).
using FolderItemHook =
    std::function<std::optional<FolderItemLook>(const QString& name, const QString& path)>;

// True when `path` holds at least one folder that the tree would show.
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
    void setItemHook(FolderItemHook hook);

    // "/"-separated path of a node; empty for an invalid index.
    QString path(const QModelIndex& index) const;
    bool isNetwork(const QModelIndex& index) const;
    // The node of `path`, reading the folders on the way down; invalid when the tree does not
    // show that folder.
    QModelIndex indexForPath(const QString& path);
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

Q_SIGNALS:
    // A rename from an item editor failed; the platform's description of why.
    void renameFailed(const QString& error);

private:
    struct Node;

    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const Node* node) const;
    void fill(Node* node);
    std::unique_ptr<Node> makeChild(Node* parent, const QString& name) const;
    void applyLook(Node* node) const;
    bool isHiddenNetworkPath(const QString& path) const;

    std::unique_ptr<Node> root_;
    FolderItemHook hook_;
    bool hideNetwork_ = false;
    QStringList networkPaths_;
    QIcon folderIcon_;
    QIcon openFolderIcon_;
};

} // namespace tombrel
