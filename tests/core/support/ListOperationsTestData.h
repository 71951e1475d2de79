#pragma once

// Small lists for the tests of the list commands, transfers and search: a registration list of
// three named banks, archive display lines, and compact texts of both for comparing.

#include "RegListTestData.h"

#include "core/record/ArchiveEntry.h"
#include "core/sides/RegListRules.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace tombrel::test {

inline std::vector<std::string> slotTitles(const std::string& prefix) {
    std::vector<std::string> out;
    for (int s = 1; s <= kRegSlotsPerBank; ++s)
        out.push_back(prefix + std::to_string(s));
    return out;
}

// Banks One (A1..A8), Two (B1..B8), Three (C1..C8), then 61 empty "<No Name>" banks, numbered:
// bank k's line is at 9k, its slot s at 9k + s.
inline RegList threeBanks() {
    RegList lines = canonicalList({{0, {"One", slotTitles("A")}},
                                   {1, {"Two", slotTitles("B")}},
                                   {2, {"Three", slotTitles("C")}}});
    normaliseRegList(lines, 0, nullptr, RegListFilters{});
    return lines;
}

// "Title|reg reg ..." of the k-th bank line of the list (registration titles; "-" for an empty
// registration), "" when there is no such bank.
inline std::string bankText(const RegList& lines, int k) {
    int seen = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].isBankLine || ++seen != k)
            continue;
        std::string out = lines[i].bankTitle + "|";
        for (size_t j = i + 1; j < lines.size() && !lines[j].isBankLine; ++j) {
            if (j > i + 1)
                out += ' ';
            out += lines[j].record.isEmpty() ? "-" : lines[j].record.title();
        }
        return out;
    }
    return "";
}

inline int bankLineCount(const RegList& lines) {
    int n = 0;
    for (const RegEntry& e : lines)
        n += e.isBankLine ? 1 : 0;
    return n;
}

// Archive display lines.
inline ArchiveEntry categoryLine(const std::string& name) {
    ArchiveEntry e = ArchiveEntry::category(name);
    e.expanded = true;
    return e;
}
inline ArchiveEntry collapsedCategory(const std::string& name, std::vector<RegEntry> children) {
    ArchiveEntry e = ArchiveEntry::category(name);
    e.expanded = children.empty();
    e.hiddenChildren = std::move(children);
    return e;
}
inline ArchiveEntry bankTitleLine(const std::string& title) {
    return ArchiveEntry(RegEntry::bankLine(title));
}
inline ArchiveEntry regLine(const std::string& title) {
    return ArchiveEntry(namedLine(title));
}

// Display lines as text: categories "#Name" ("#Name+" when collapsed with hidden lines), bank
// title lines "[Title]", registrations their titles.
inline std::vector<std::string> archiveSummary(const ArchiveList& list) {
    std::vector<std::string> out;
    for (const ArchiveEntry& e : list) {
        if (e.isCategory)
            out.push_back("#" + e.categoryName + (e.hiddenChildren.empty() ? "" : "+"));
        else if (e.isBankLine)
            out.push_back("[" + e.bankTitle + "]");
        else
            out.push_back(e.record.title());
    }
    return out;
}

inline std::vector<std::string> entrySummary(const std::vector<RegEntry>& entries) {
    std::vector<std::string> out;
    for (const RegEntry& e : entries)
        out.push_back(e.isBankLine ? "[" + e.bankTitle + "]" : e.record.title());
    return out;
}

using Lines = std::vector<std::string>;

} // namespace tombrel::test
