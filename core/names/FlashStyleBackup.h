#pragma once

// Reading the flash style names from the keyboard's FlashStyle backup (the "STY*.b*" file of its
// backup set). The program reads only the head of that file and never writes it.

#include "core/names/StyleNameTable.h"
#include "core/text/Messages.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tombrel {

// A 32-byte head, then one 512-byte record per flash position: 0xF020 bytes in all.
inline constexpr size_t kFlashStyleBackupHeadSize = 32;
inline constexpr size_t kFlashStyleRecordSize = 512;
inline constexpr size_t kFlashStyleBackupReadSize =
    kFlashStyleBackupHeadSize + kFlashStyleCount * kFlashStyleRecordSize; // 61472
extern const std::array<uint8_t, 16> kFlashStyleBackupSignature;

struct FlashStyleNames {
    // The name of each flash position as the keyboard wrote it, up to its zero byte.
    std::array<std::string, kFlashStyleCount> names;
    // Positions whose record held no zero byte at all; their names stop at the record's end.
    std::vector<int> unterminated;
};

// The names, or the message the user must see.
using FlashStyleBackupResult = std::variant<FlashStyleNames, UserMessage>;

// Takes the names from the first bytes of a FlashStyle backup. Fewer than 61472 bytes or a wrong
// signature give the program's message; bytes beyond the 61472nd are not looked at.
FlashStyleBackupResult parseFlashStyleBackup(std::span<const uint8_t> bytes);

// Reads the first 61472 bytes of the file (it may be longer) and takes the names from them.
FlashStyleBackupResult readFlashStyleBackup(const std::string& path);

} // namespace tombrel
