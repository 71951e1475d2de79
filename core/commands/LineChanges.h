#pragma once

// What one command changed in one pane's list, kept as only the lines that differ: the places
// where the list as it stands holds other lines than the list on the change's far side, and those
// other lines. Applying a change turns the list to its far side and the change around, so the
// same change undoes and redoes. Registration lines compare without their bank and slot numbers
// (the list is numbered again after a change); archive lines compare in full, hidden lines of a
// collapsed category included.

#include "core/record/ArchiveEntry.h"
#include "core/record/RegEntry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tombrel {

// `presentCount` lines from `at` in the list as it stands take the place of the next
// `storedCount` lines the change holds.
struct LineHunk {
    size_t at = 0;
    size_t presentCount = 0;
    size_t storedCount = 0;
};

template <class Line> struct LineChange {
    std::vector<LineHunk> hunks;   // in list order, never overlapping
    std::vector<Line> stored;      // the lines of the far side, hunk after hunk
    size_t presentSize = 0;        // the list's length now
    size_t storedSize = 0;         // and on the far side
    std::uint64_t presentHash = 0; // of the lines in the hunks' places now
    std::uint64_t storedHash = 0;  // of the stored lines

    bool empty() const { return hunks.empty(); }
    // Bytes the change keeps: its lines with their texts and hidden lines, and its places.
    size_t bytes() const;
};

// The change that turns `after` back into `before`. The differing lines are taken out of
// `before`, which is left with unspecified lines.
template <class Line>
LineChange<Line> diffLines(std::vector<Line>& before, const std::vector<Line>& after);
// True when `list` holds what the change was taken on: its length and the lines in the hunks'
// places. A change is never applied to another list.
template <class Line>
bool changeFits(const LineChange<Line>& change, const std::vector<Line>& list);
// Turns `list` to the change's far side; the change then leads back. The list must fit.
template <class Line> void applyChange(std::vector<Line>& list, LineChange<Line>& change);

// Bytes a line takes with its texts and hidden lines.
size_t lineBytes(const RegEntry& line);
size_t lineBytes(const ArchiveEntry& line);

extern template struct LineChange<RegEntry>;
extern template struct LineChange<ArchiveEntry>;
extern template LineChange<RegEntry> diffLines(std::vector<RegEntry>&,
                                               const std::vector<RegEntry>&);
extern template LineChange<ArchiveEntry> diffLines(std::vector<ArchiveEntry>&,
                                                   const std::vector<ArchiveEntry>&);
extern template bool changeFits(const LineChange<RegEntry>&, const std::vector<RegEntry>&);
extern template bool changeFits(const LineChange<ArchiveEntry>&, const std::vector<ArchiveEntry>&);
extern template void applyChange(std::vector<RegEntry>&, LineChange<RegEntry>&);
extern template void applyChange(std::vector<ArchiveEntry>&, LineChange<ArchiveEntry>&);

} // namespace tombrel
