#pragma once

// One line of the archive side's display list: a category line, a bank title line or a
// registration line. A collapsed category holds its lines in hiddenChildren; an expanded one has
// them inline after it in the display list.

#include "core/record/RegEntry.h"

#include <string>
#include <vector>

namespace tombrel {

struct ArchiveEntry : RegEntry {
    std::string categoryName;
    bool isCategory = false; // a category line also has isBankLine set
    bool expanded = false;
    std::vector<RegEntry> hiddenChildren;

    ArchiveEntry() = default;
    // A bank title or registration line; a line moved in is not copied on the way.
    explicit ArchiveEntry(const RegEntry& entry) : RegEntry(entry) {}
    explicit ArchiveEntry(RegEntry&& entry) : RegEntry(std::move(entry)) {}

    static ArchiveEntry category(std::string name) {
        ArchiveEntry e;
        e.isBankLine = true;
        e.isCategory = true;
        e.categoryName = std::move(name);
        return e;
    }

    // A registration is a line that is neither a category nor a bank title line.
    bool isRegistrationLine() const { return !isBankLine && !isCategory; }
    bool isBankTitleLine() const { return isBankLine && !isCategory; }
};

using ArchiveList = std::vector<ArchiveEntry>;

} // namespace tombrel
