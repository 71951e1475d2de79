#pragma once

// The Registration Archive file (.yra): the magic "QZ9000REGARCHIVE" with its NUL, then records
// back to back up to the end of the file, each opened by a tag byte:
//   0x01 registration: the 470 bytes of the RegRecord, exactly as the keyboard stores them
//   0x02 category:     the name, single-byte text, then 0x00
//   0x03 bank title:   the title, single-byte text, then 0x00
// A category owns the records that follow it up to the next category. There are no counts,
// lengths or checksums, and nothing about the display (expanded state, selection) is stored.
//
// These functions work on values only; the archive side's flags, path and recent list belong to
// its model.

#include "core/files/FileSystem.h"
#include "core/record/ArchiveEntry.h"
#include "core/text/Messages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

inline constexpr std::string_view kArchiveMagic = "QZ9000REGARCHIVE";

struct ArchiveReadResult {
    bool ok = false; // the archive was loaded
    // The display list: one collapsed category per category record (empty categories marked
    // expanded, having nothing to hide), their records in hiddenChildren in file order.
    ArchiveList list;
    // What the user must see, in order; empty when ok.
    std::vector<UserMessage> messages;
};

// Reads an archive from memory. Nothing is loaded unless every record is whole and in place; a
// refused file gives the messages to show (invalid data names `pathForMessages`).
ArchiveReadResult parseArchive(const uint8_t* data, size_t size,
                               const std::string& pathForMessages);
ArchiveReadResult readArchiveFile(const std::string& path);

// The file image of a display list, sized exactly before it is filled. A category writes its
// hiddenChildren; an expanded one is followed inline by its lines, so the file is the same
// whether a category is expanded or collapsed. Lines standing before the first category are
// stored under a category with an empty name, so that the file can always be read back.
std::vector<uint8_t> buildArchiveImage(const ArchiveList& list);

// Writes the list to `path` without ever destroying the file that was there. Empty optional on
// success; otherwise the messages to show in order (the platform's report travels in
// UserMessage::platformError). An empty path writes nothing and gives an empty message list.
std::optional<std::vector<UserMessage>> writeArchiveFile(const std::string& path,
                                                         const ArchiveList& list,
                                                         FileSystem& fs = realFileSystem());

// Registrations in the list, inline lines and those hidden in collapsed categories alike;
// category and bank title lines do not count.
int archiveRegistrationCount(const ArchiveList& list);

} // namespace tombrel
