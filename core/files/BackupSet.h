#pragma once

// The keyboard's backup sets: a folder named "<name>.buf" (a set on one medium) or "<name>.Bnn"
// (disk nn of a set spread over several floppy disks) that holds a description file BACKUP.INI
// next to the backup files such as REG.bup. Here are the naming rules, the creation of set
// folders, the path a backup-set dialog hands back, and the upkeep of BACKUP.INI after a
// registration backup was saved into a set.

#include "core/record/KeyboardModel.h"
#include "core/text/Messages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

inline constexpr std::string_view kBackupIniName = "BACKUP.INI";
// A description of a few lines; a larger file is not read (and not replaced).
inline constexpr uint64_t kMaxBackupIniSize = 4u << 20;

// The extension of the last path component (from its last dot) is ".buf" in any case, or "." and
// "B"/"b" followed by two decimal digits.
bool hasBackupSetExtension(std::string_view path);
// A folder with a backup-set extension that holds a BACKUP.INI (its name in any case).
bool isBackupSetFolder(const std::string& path);

// "Songs.buf" -> "Songs", "Songs.B02" -> "Songs [Disk-02]", "Songs.B00" -> "Songs". A name
// without a backup-set extension is returned as it is.
std::string backupSetDisplayName(std::string_view name);
// The reverse: "Songs [Disk-02]" -> "Songs.b02", "Live" -> "Live.buf"; a name that already has
// a backup-set extension stays as it is.
std::string backupSetFolderName(std::string_view displayName);

// Creates every missing folder of the path, outermost first (the root, a drive or a server name
// is not created). False when a folder can neither be entered nor created.
bool createBackupSetFolder(const std::string& path);

// What a backup-set dialog returns for the selected folder and the text of its name field: the
// set folder (the name converted with backupSetFolderName) inside the folder; in open mode, the
// first file in the set that matches the pattern (the set folder itself when none does). An
// existing folder whose name differs only in case is taken as the set, since the keyboard's
// media come in upper case and names are typed in any. Empty when the name field is blank.
std::string backupSetResultPath(const std::string& currentFolder, std::string_view nameField,
                                bool openMode, std::string_view pattern);
// True when a file matching the pattern (such as "REG*.bup") lies directly in the folder.
bool backupSetHoldsMatchingFile(const std::string& folder, std::string_view pattern);

// A path typed or pasted into a backup-set dialog, as the disk has it. Blanks around the text,
// the quotes a file manager puts around a copied path and the "file://" of a dropped or copied
// link (its %XX escapes decoded) are dropped; a relative path is taken inside `base` (the folder
// selected in the dialog). A file is given with the folder that holds it.
struct TypedBackupSetPath {
    enum class Kind { Empty, Missing, Folder, File };
    Kind kind = Kind::Empty;
    std::string path;   // the cleaned, absolute path as typed (UTF-8)
    std::string folder; // Folder: the path itself; File: the folder that holds the file
};
TypedBackupSetPath typedBackupSetPath(std::string_view typed, const std::string& base);

// ---- BACKUP.INI --------------------------------------------------------------------------------

// The description that belongs to a registration backup: BACKUP.INI in the backup's folder (an
// existing file whose name differs only in case is used).
std::string backupIniPathFor(const std::string& regFilePath);

// The lines of a description: CR LF, LF or CR end a line, and a longer line is taken in pieces
// of at most 99 characters, each piece a line of its own.
std::vector<std::string> splitBackupIniLines(std::string_view text);
// The content of a new description for the model, CR LF after every line.
std::string freshBackupIni(KeyboardModel model);
// The description after a registration backup of the model was saved into the set, or nothing
// when it already lists that backup and stays as it is.
std::optional<std::string> updatedBackupIni(std::string_view existing, KeyboardModel model);

// Brings BACKUP.INI next to a registration backup that was just written up to date. Nothing on
// success; else the message (ErrorUpdatingBackupIni with the platform's text). A description that
// exists but cannot be read, or is over kMaxBackupIniSize, is left alone.
std::optional<UserMessage> updateBackupIni(const std::string& regFilePath, KeyboardModel model);

} // namespace tombrel
