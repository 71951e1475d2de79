#pragma once

// A registration names its song by the keyboard's own path: a drive name such as "ATA00:" and a
// path with "/" separators, in upper case. The editor shows it as a path on this computer through
// up to five pairs of prefixes (keyboard drive <-> PC folder), e.g. "ATA00:" <->
// /home/anna/Keyboard.
//
// Keyboard paths are single-byte text as the record stores them; PC paths and both prefixes are
// UTF-8 as the user typed them. The keyboard side keeps its rules: it is upper case with "/"
// separators, and a keyboard prefix matches exactly (so a prefix in lower case never matches). The
// PC side follows the file system here: a PC prefix matches without regard to case and is put in
// front exactly as the user wrote it, with the platform's separator after it.

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tombrel {

// The keyboard's song drives as the "Set Song Drive:" box lists them; each text starts with the
// 6-character drive name that is written.
inline constexpr int kSongDriveCount = 20;
extern const std::array<std::string_view, kSongDriveCount> kSongDriveItems;
inline constexpr size_t kSongDriveNameLength = 6;

struct SongPathPair {
    std::string keyboardPrefix;
    std::string pcPrefix;

    // A pair takes part only when both of its prefixes are set.
    bool active() const { return !keyboardPrefix.empty() && !pcPrefix.empty(); }
};

struct SongPathMappings {
    static constexpr int PairCount = 5;
    std::array<SongPathPair, PairCount> pairs;

    // Pair 1 maps the keyboard's floppy drive "FDDRV:" to "A:"; the others are empty.
    static SongPathMappings defaults();
};

inline constexpr char kPcPathSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

// Keyboard form (single-byte text) to PC form (UTF-8): upper case, "/" becomes the separator, and
// the first pair whose keyboard prefix starts the path replaces that prefix by its PC prefix.
std::string songPathToPcForm(std::string_view keyboardPath, const SongPathMappings& mappings,
                             char separator = kPcPathSeparator);

// PC form (UTF-8) to keyboard form (single-byte text, for the record's song field): the first pair
// whose PC prefix starts the path (any case) is replaced by its keyboard prefix, the rest is upper
// case, and every "\" becomes "/". A path that no pair matches is stored the same way.
std::string songPathToKeyboardForm(std::string_view pcPath, const SongPathMappings& mappings);

} // namespace tombrel
