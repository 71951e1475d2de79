#pragma once

// The keyboard's registration backup file (REG.bup / REG_Pro.bup): 64 banks of 8 registrations in
// one image of exactly 241692 bytes, with a 24-byte header and a big-endian checksum at the end.
// Reading turns the image into the registration side's 576-line list; writing turns any list back
// into the 64-bank image. Both are plain functions: the side's flags and recent list live with
// the registration side.

#include "core/files/FileSystem.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegEntry.h"
#include "core/text/Messages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

inline constexpr size_t kRegBackupSize = 241692;
// The names a backup set gives its registration backups (REG.bup, REG_Pro.bup).
inline constexpr std::string_view kRegBackupPattern = "REG*.bup";
inline constexpr int kBankCount = 64, kSlotsPerBank = 8;

// The unsigned sum, modulo 2^32, of the big-endian 32-bit words at offsets 24..241687 (the 64
// bank blocks; the header is not covered).
uint32_t computeRegChecksum(const uint8_t* image);
// PSR-9000 for "REG9_10", PSR-9000pro for "REG9P10" in the first 7 bytes at offset 16, else None.
KeyboardModel detectKeyboardModel(const uint8_t* image);

struct RegBackupReadResult {
    bool ok = false;
    bool checksumMismatch = false;             // a warning shown first; loading goes on
    KeyboardModel model = KeyboardModel::None; // None when the magic matched neither model
    RegList lines;                             // the canonical 576 lines when ok
    UserMessage error; // when !ok (platform text where the platform gave one)
};

// `size` must be kRegBackupSize; any other size is refused with "Invalid file size!".
RegBackupReadResult parseRegBackup(const uint8_t* data, size_t size);
RegBackupReadResult readRegBackupFile(const std::string& path);

// The 64-bank image of a list: a bank line starts the next bank, a short bank is padded with empty
// registrations, a ninth registration continues into a new bank under the same title,
// registrations before the first bank line are skipped, lines past the 64th bank are dropped, and
// the banks left over become "<No Name>" banks. The header is the template of the model (the
// PSR-9000's for anything but the pro); the checksum is filled in.
std::vector<uint8_t> buildRegBackupImage(const RegList& lines, KeyboardModel model);

// Empty optional on success, else the message (ErrorSavingRegistrations with the platform's text).
// The file that was there stays whole until the new one is complete and on the medium.
std::optional<UserMessage> writeRegBackupFile(const std::string& path, const RegList& lines,
                                              KeyboardModel model,
                                              FileSystem& fs = realFileSystem());

} // namespace tombrel
