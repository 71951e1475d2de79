#pragma once

// One line of either pane's list: a bank title line or a registration line.

#include "core/record/RegRecord.h"

#include <string>
#include <vector>

namespace tombrel {

struct RegEntry {
    RegRecord record;      // the registration; all zero on a bank title line
    std::string bankTitle; // text of a bank title line, empty for a registration
    bool isBankLine = false;
    int bankNumber = 0;  // 0-based bank and slot on the registration side, set by its
    int entryNumber = 0; // normalisation; never stored in a file

    RegEntry() = default;
    // A registration line holding `record`.
    explicit RegEntry(const RegRecord& record) : record(record) {}

    static RegEntry bankLine(std::string title) {
        RegEntry e;
        e.bankTitle = std::move(title);
        e.isBankLine = true;
        return e;
    }
    static RegEntry registration(const RegRecord& record) { return RegEntry(record); }

    bool isRegistration() const { return !isBankLine; }
};

using RegList = std::vector<RegEntry>;

// Title of a bank that has no name; compared exactly, case-sensitive.
inline constexpr const char* kNoNameBankTitle = "<No Name>";

} // namespace tombrel
