#pragma once

// The folder tree that the backup-set dialog and the disk style folder dialog embed: folders
// only, read in the background as they are opened, with a small context menu (open in the file
// manager, new folder). Paths given and returned use the platform's separator.

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
    // Set before initFolderTree(); the hook decides text and kind of each folder as it is read
    // (on a background thread), `icons` the icon of each kind.
    void setItemHook(FolderItemHook hook, QHash<int, QIcon> icons = {});

    // The top level: the home folder, the file-system roots, mounted media and network shares.
    static std::vector<FolderRoot> defaultRoots();
    // Mount points of network shares.
    static QStringList networkMounts();

    // Fills the top level, selects its first node, then goes on to the folder `initialPath` (see
    // selectFolderPath). With `hideNetwork` no network share appears anywhere in the tree.
    void initFolderTree(bool hideNetwork, const QString& initialPath);
    void initFolderTree(bool hideNetwork, const QString& initialPath, std::vector<FolderRoot> roots,
                        QStringList networkPaths = {});

    // The selected folder's path; empty when nothing is selected.
    QString selectedFolderPath() const;
    // The hook's kind of the selected folder, 0 for a plain one or none.
    int selectedFolderKind() const;
    // False when the selected folder is known to hold no folder the tree shows.
    bool selectedFolderMayHaveSubfolders() const;
    // Opens the tree down to `path` and selects it, reading the folders on the way in the
    // background; selectionFinished() tells how it ended (at once when the tree has read them
    // already). A later call, or a selection the user makes meanwhile, drops an unfinished one.
    void selectFolderPath(const QString& path);
    bool isSelecting() const { return !pendingPath_.isEmpty(); }

    FolderTreeModel* folderModel() const { return model_; }

Q_SIGNALS:
    // The selection moved; the new folder's path, empty for none.
    void selectedFolderChanged(const QString& path);
    // A selectFolderPath() ended: with the folder selected, or without (the tree does not show
    // it, or the walk was dropped).
    void selectionFinished(bool found);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createFolderIn(const QModelIndex& parent);
    void openInFileManager(const QModelIndex& index);
    void warn(const Message& message, const QString& platformError);
    void continueSelection();
    void finishSelection(bool found);

    FolderTreeModel* model_;
    QString pendingPath_;
    bool selecting_ = false; // the tree itself moves the selection
    Language lang_ = Language::English;
};

} // namespace tombrel
