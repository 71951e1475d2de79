#pragma once

// Lines on the clipboard and in a drag: the program's own byte form, which the program reads
// back from any source (another copy of the program, or anything that claims the type), so the
// reader trusts nothing: sizes are bounded and checked against the bytes there are before
// anything is kept, every byte is accounted for, and a refusal is a message, never a crash. A
// drag or Copy also carries the lines' list texts as plain UTF-8 text, so that a listing can be
// pasted into a mail.

#include "core/record/ArchiveEntry.h"
#include "core/record/RegEntry.h"
#include "core/text/Messages.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tombrel {

inline constexpr std::string_view kLinesMimeType = "application/x-tombrel-lines";
// The most the reader takes: far more than the largest archive's lines.
inline constexpr size_t kMaxClipboardBytes = size_t{512} << 20;
// The most lines (hidden lines of categories included) the reader builds.
inline constexpr size_t kMaxClipboardLines = 2'000'000;
// The longest category name or bank title the reader takes.
inline constexpr size_t kMaxClipboardText = 4096;

enum class LinesOrigin { Registration, Archive };

// The lines as they travel: registration pane lines hold no categories.
struct ClipboardLines {
    LinesOrigin origin = LinesOrigin::Registration;
    ArchiveList lines;
};

std::string encodeClipboardLines(const RegList& lines);
std::string encodeClipboardLines(const ArchiveList& lines);

struct ClipboardReadResult {
    std::optional<ClipboardLines> lines;
    UserMessage error; // when nothing was read
};
ClipboardReadResult decodeClipboardLines(std::string_view bytes);

// The lines for the registration pane: a category stands for its lines, the category line
// itself goes.
RegList asRegistrationLines(const ClipboardLines& lines);
// The lines for the archive: registration pane lines as bank title and registration lines.
ArchiveList asArchiveLines(const ClipboardLines& lines);

// The lines' list texts, one line each (a collapsed category followed by its hidden lines), in
// UTF-8.
std::string plainTextOf(const RegList& lines);
std::string plainTextOf(const ArchiveList& lines);

} // namespace tombrel
