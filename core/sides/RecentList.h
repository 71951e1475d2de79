#pragma once

// The recently used files of one side: 20 paths, most recent first, the used entries packed at
// the front and empty texts after them. Paths are compared exactly (byte-wise, case-sensitive).

#include "core/sides/Settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

class RecentList {
public:
    using Entries = std::array<std::string, kRecentFileCount>;

    RecentList() = default;
    // Takes stored entries as they are; gaps and duplicates are closed up.
    explicit RecentList(const Entries& entries);

    // Moves `path` to the front: every equal entry is removed, the rest move down by one (the
    // twentieth is dropped). An empty path is ignored.
    void add(std::string_view path);
    // Removes every entry equal to `path` and packs the rest. An empty path is ignored.
    void remove(std::string_view path);

    const Entries& entries() const { return entries_; }
    const std::string& operator[](int index) const { return entries_[index]; }
    // The non-empty entries in order; their positions equal their indexes in entries().
    std::vector<std::string> used() const;
    // Index of the entry equal to `path`, or -1.
    int indexOf(std::string_view path) const;
    // The entry at `index` when choosing it switches to another file: nothing for an index out
    // of range, an empty entry or the entry equal to `current`.
    std::optional<std::string> switchTarget(int index, std::string_view current) const;

private:
    void pack();

    Entries entries_{};
};

} // namespace tombrel
