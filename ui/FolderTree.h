#pragma once

// The folder tree that the backup-set dialog and the disk style folder dialog embed: folders
// only, filled as they are opened, with a small context menu (open in the file manager, new
// folder). Paths given and returned use the platform's separator.

#include "core/text/Messages.h"
#include "ui/FolderTreeModel.h"

#include <QTreeView>

#include <vector>

namespace tombrel {

class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget* parent = nullptr);

    void setLanguage(Language lang) { lang_ = lang; }
    // Set before initFolderTree(); the hook decides text and icons of each folder as it is read.
    void setItemHook(FolderItemHook hook);

    // The top level: the home folder, the file-system roots, mounted media and network shares.
    static std::vector<FolderRoot> defaultRoots();
    // Mount points of network shares.
    static QStringList networkMounts();

    // Fills the top level, selects its first node, then the folder `initialPath` when the tree
    // shows it. With `hideNetwork` no network share appears anywhere in the tree.
    void initFolderTree(bool hideNetwork, const QString& initialPath);
    void initFolderTree(bool hideNetwork, const QString& initialPath, std::vector<FolderRoot> roots,
                        QStringList networkPaths = {});

    // The selected folder's path; empty when nothing is selected.
    QString selectedFolderPath() const;
    // Opens the tree down to `path` and selects it; false when the tree does not show it.
    bool selectFolderPath(const QString& path);

    FolderTreeModel* folderModel() const { return model_; }

Q_SIGNALS:
    // The selection moved; the new folder's path, empty for none.
    void selectedFolderChanged(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createFolderIn(const QModelIndex& parent);
    void openInFileManager(const QModelIndex& index);
    void warn(const Message& message, const QString& platformError);

    FolderTreeModel* model_;
    Language lang_ = Language::English;
};

} // namespace tombrel
