#pragma once

// Removing many lines of a pane's list at once (Delete, Move, the load filters): the lines to
// go are marked first, then removed in one pass.

#include <cstddef>
#include <utility>
#include <vector>

namespace tombrel {

// Removes the lines whose flag in `remove` (one per line) is set, keeping the order of the rest.
template <class Lines> void eraseMarked(Lines& lines, const std::vector<char>& remove) {
    size_t out = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (remove[i])
            continue;
        if (out != i)
            lines[out] = std::move(lines[i]);
        ++out;
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(out), lines.end());
}

} // namespace tombrel
