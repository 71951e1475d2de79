#pragma once

// Opens and saves files inside the keyboard's backup sets: a folder tree that shows set folders
// under their set names ("Show", "Show [Disk-07]"), a name field, and Open or Save. The rules of
// names and result paths live in core/files/BackupSet.h; the dialog shows, asks and calls.

#include "core/text/Messages.h"
#include "ui/FolderTreeModel.h"

#include <QDialog>
#include <QIcon>

#include <string>
#include <vector>

class QLineEdit;

namespace tombrel {

class FolderTree;

class BackupSetDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Open, Save };

    struct Options {
        Mode mode = Mode::Open;
        QString caption;
        QIcon matchingSetIcon;  // a set holding a file that matches the pattern
        std::string pattern;    // for example "REG*.bup"
        bool noNetwork = false; // the NoNetworkAccess setting
        std::string initialPath;
    };

    BackupSetDialog(const Options& options, Language lang, QWidget* parent = nullptr);
    // The same with a top level of its own instead of the home folder and the drives (tests).
    BackupSetDialog(const Options& options, Language lang, std::vector<FolderRoot> roots,
                    QWidget* parent = nullptr);

    // After OK: in open mode the matching file inside the named set (or the set folder when it
    // holds none), in save mode the set folder. UTF-8 paths.
    std::string resultPath() const;
    // The folder that holds the named set, or the selected folder.
    std::string currentFolder() const { return currentFolder_; }

    FolderTree* tree() const { return tree_; }
    QLineEdit* nameField() const { return name_; }

    // OK takes effect only with a name.
    void accept() override;

private:
    void build(std::vector<FolderRoot> roots, bool defaultRoots);
    void takeSelection();

    Options options_;
    Language lang_;
    FolderTree* tree_;
    QLineEdit* name_;
    QIcon otherSetIcon_;
    std::string currentFolder_;
};

} // namespace tombrel
