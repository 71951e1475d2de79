#pragma once

// Which pane a file handed to the program (on its command line, by a later start, or dropped on
// the window) belongs in. A registration backup is told by its content, not its name: exactly
// 241692 bytes with the magic of one of the two keyboards. documentKindOf sends everything else to
// the archive side, whose reader explains what is wrong with a file that is neither.
//
// handedDocument looks closer before any pane is asked to let go of what it holds: a backup-set
// folder stands for the registration backup inside it, an archive is told by its magic, and a
// path that is neither is refused with the message to show, so that a file dropped by mistake
// never reaches a pane's save-changes prompt.

#include "core/text/Messages.h"

#include <optional>
#include <string>

namespace tombrel {

enum class DocumentKind { RegBackup, Archive };

DocumentKind documentKindOf(const std::string& path);

struct HandedDocument {
    // Nothing when the path is refused; `refusal` then says why.
    std::optional<DocumentKind> kind;
    // The file to open: the handed path itself, or the registration backup inside a folder.
    std::string path;
    UserMessage refusal;
};

// - a regular file with a keyboard's backup magic and the backup's size: a registration backup;
// - a regular file that starts with the archive magic: an archive (its reader judges the rest);
// - a folder (a backup set or any other) that holds a registration backup matching
//   kRegBackupPattern: that backup, the first by name that is one by content;
// - anything else is refused: a missing path, another file, a folder without a backup, a FIFO or
//   a device (never opened).
HandedDocument handedDocument(const std::string& path);

} // namespace tombrel
