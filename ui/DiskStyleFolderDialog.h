#pragma once

// Picks the folder that holds the disk style files. The network is always shown here.

#include "core/text/Messages.h"

#include <QDialog>

namespace tombrel {

class FolderTree;

class DiskStyleFolderDialog : public QDialog {
    Q_OBJECT
public:
    DiskStyleFolderDialog(Language lang, const QString& initialPath, QWidget* parent = nullptr);

    // The chosen folder (platform separators); empty until a folder is selected.
    QString folderPath() const { return path_; }
    FolderTree* tree() const { return tree_; }

    void accept() override;

private:
    void takeSelection();

    FolderTree* tree_;
    QString path_;
};

} // namespace tombrel
