#pragma once

// Folder icons that mark the keyboard's backup sets in the folder tree: one for a set that holds
// the kind of file being opened or saved, one for any other set.

#include <QIcon>

namespace tombrel {

enum class BackupSetIcon {
    Registration, // a set holding a registration backup
    FlashStyle,   // a set holding a FlashStyle backup
    OtherSet,     // a set without the file asked for
};

QIcon backupSetIcon(BackupSetIcon kind);

} // namespace tombrel
