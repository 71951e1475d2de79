#pragma once

// Small registration lists for the tests of the registration side: whole banks as a backup file
// holds them, with named registrations in chosen slots.

#include "core/record/RegEntry.h"
#include "core/sides/RegListRules.h"

#include <string>
#include <vector>

namespace tombrel::test {

// An active registration with a title, which makes it non-empty.
inline RegRecord namedRecord(const std::string& title, bool active = true) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    r.setActive(active);
    return r;
}

inline RegEntry namedLine(const std::string& title, bool active = true) {
    return RegEntry::registration(namedRecord(title, active));
}

// One bank of a file: its title and the titles of its slots ("" = empty slot).
struct BankContent {
    std::string title = kNoNameBankTitle;
    std::vector<std::string> slots; // up to 8; missing ones are empty
};

// The canonical list of a file: 64 banks, each a bank line and 8 registration lines. Banks not
// given are "<No Name>" banks of empty registrations; `banks` maps 0-based bank numbers.
inline RegList canonicalList(const std::vector<std::pair<int, BankContent>>& banks) {
    RegList lines;
    for (int b = 0; b < kRegBankCount; ++b) {
        BankContent content;
        for (const auto& [number, given] : banks) {
            if (number == b)
                content = given;
        }
        lines.push_back(RegEntry::bankLine(content.title));
        for (int s = 0; s < kRegSlotsPerBank; ++s) {
            const bool named =
                s < static_cast<int>(content.slots.size()) && !content.slots[s].empty();
            lines.push_back(named ? namedLine(content.slots[s]) : emptyRegistrationLine());
        }
    }
    return lines;
}

// Bank titles and registration titles of a list, for comparing lists line by line.
inline std::vector<std::string> lineSummary(const RegList& lines) {
    std::vector<std::string> out;
    for (const RegEntry& e : lines)
        out.push_back(e.isBankLine ? "[" + e.bankTitle + "]" : e.record.title());
    return out;
}

// Records and titles equal (the numbers are the normalisation's business).
inline bool sameContent(const RegList& a, const RegList& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].isBankLine != b[i].isBankLine || a[i].bankTitle != b[i].bankTitle ||
            a[i].record != b[i].record)
            return false;
    }
    return true;
}

} // namespace tombrel::test
