#include "core/commands/LineDrops.h"

#include "core/commands/ArchiveListOperations.h"
#include "core/record/MarkedLines.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace tombrel {

namespace {

template <class List> int sizeOf(const List& list) {
    return static_cast<int>(list.size());
}

// A run of lines that travels as one: [begin, end).
struct Range {
    int begin;
    int end;
};

// True when the ranges (in list order) join into one run that `row` touches: moving them there
// leaves the list as it is.
bool movesNowhere(const std::vector<Range>& ranges, int row) {
    for (size_t k = 1; k < ranges.size(); ++k) {
        if (ranges[k].begin != ranges[k - 1].end)
            return false;
    }
    return row >= ranges.front().begin && row <= ranges.back().end;
}

int linesBefore(const std::vector<Range>& ranges, int row) {
    int count = 0;
    for (const Range& r : ranges)
        count += std::max(0, std::min(r.end, row) - r.begin);
    return count;
}

std::vector<char> markRanges(size_t size, const std::vector<Range>& ranges) {
    std::vector<char> marks(size, 0);
    for (const Range& r : ranges)
        std::fill(marks.begin() + r.begin, marks.begin() + r.end, 1);
    return marks;
}

// ---- Registration pane -------------------------------------------------------------------------

int regBlockEnd(const RegList& lines, int from) {
    int end = from + 1;
    while (end < sizeOf(lines) && !lines[end].isBankLine)
        ++end;
    return end;
}

// What a drag takes from the registration list: single registrations, or whole banks.
struct RegDrag {
    bool banks = false;
    std::vector<Range> ranges;
};

std::optional<RegDrag> regDragOf(const RegList& lines, const ListSelection& selection) {
    const std::vector<int> chosen = selection.realLines(sizeOf(lines));
    if (chosen.empty())
        return std::nullopt;
    RegDrag drag;
    drag.banks =
        std::any_of(chosen.begin(), chosen.end(), [&](int i) { return lines[i].isBankLine; });
    for (int i : chosen) {
        if (!drag.ranges.empty() && i < drag.ranges.back().end)
            continue; // inside a bank already taken
        if (!drag.banks) {
            drag.ranges.push_back({i, i + 1});
        } else if (lines[i].isBankLine) {
            drag.ranges.push_back({i, regBlockEnd(lines, i)});
        } else {
            return std::nullopt; // a registration of a bank that stays
        }
    }
    return drag;
}

bool isBankBoundary(const RegList& lines, int row) {
    return row == sizeOf(lines) || (row >= 0 && row < sizeOf(lines) && lines[row].isBankLine);
}

// Registrations: the slot (an index among the registration lines) where the moved ones start.
struct SlotPlan {
    std::vector<int> moved; // slot indices of the moved registrations, ascending
    int slots = 0;          // registration lines in the list
    int first = 0;          // where the moved ones start, counted among the staying ones
};

SlotPlan planSlots(const RegList& lines, const RegDrag& drag, int row, DropMode mode) {
    SlotPlan plan;
    size_t next = 0;
    int before = 0; // registrations before `row`
    for (int i = 0; i < sizeOf(lines); ++i) {
        if (i == row)
            before = plan.slots;
        if (lines[i].isBankLine)
            continue;
        if (next < drag.ranges.size() && drag.ranges[next].begin == i) {
            plan.moved.push_back(plan.slots);
            ++next;
        }
        ++plan.slots;
    }
    if (row >= sizeOf(lines))
        before = plan.slots;
    const int m = static_cast<int>(plan.moved.size());
    if (mode == DropMode::Copy) {
        plan.first = before;
        return plan;
    }
    const int movedBefore = static_cast<int>(
        std::lower_bound(plan.moved.begin(), plan.moved.end(), before) - plan.moved.begin());
    // Right below a bank title line they become that bank's first registrations, even when
    // they come from above and the ones in between move up past the title.
    const bool belowTitle = row > 0 && row <= sizeOf(lines) && lines[row - 1].isBankLine;
    plan.first = belowTitle ? std::min(before, plan.slots - m) : before - movedBefore;
    return plan;
}

bool slotMoveChanges(const SlotPlan& plan) {
    const int m = static_cast<int>(plan.moved.size());
    const bool together = plan.moved.back() - plan.moved.front() + 1 == m;
    return !(together && plan.first == plan.moved.front());
}

std::vector<int> registrationLines(const RegList& lines) {
    std::vector<int> out;
    for (int i = 0; i < sizeOf(lines); ++i) {
        if (!lines[i].isBankLine)
            out.push_back(i);
    }
    return out;
}

// Selects the registrations in slots [first, first + count) of the list as it is now.
void selectSlots(const RegList& lines, int first, int count, ListSelection& selection) {
    const std::vector<int> slots = registrationLines(lines);
    selection.clear();
    for (int k = first; k < first + count && k < sizeOf(slots); ++k)
        selection.lines.insert(slots[static_cast<size_t>(k)]);
    if (selection.lines.empty())
        selection.selectOnly(
            std::min(first < sizeOf(slots) ? slots[first] : sizeOf(lines), sizeOf(lines)));
    else
        selection.caret = *selection.lines.begin();
}

// A list that does not start with a bank line gets a "<No Name>" one: the file never stores
// registrations before the first bank.
void headWithBank(RegList& lines) {
    if (!lines.empty() && !lines.front().isBankLine)
        lines.insert(lines.begin(), noNameBankLine());
}

// Without the extended mode a copied bank pushes the later banks on; the "<No Name>" banks of
// empty registrations pushed past the 64th bank go again, as the empty registrations pushed off
// the end by copied registrations do.
void dropSurplusEmptyBanks(RegList& lines) {
    int banks = 0;
    for (const RegEntry& line : lines)
        banks += line.isBankLine ? 1 : 0;
    while (banks > kRegBankCount) {
        int start = sizeOf(lines) - 1;
        while (start >= 0 && !lines[start].isBankLine)
            --start;
        if (start < 0 || lines[start].bankTitle != kNoNameBankTitle)
            return;
        for (int i = start + 1; i < sizeOf(lines); ++i) {
            if (!lines[i].record.isEmpty())
                return;
        }
        lines.erase(lines.begin() + start, lines.end());
        --banks;
    }
}

// Puts the registrations `incoming` into the slots from `first` on, pushing the later ones on.
// Without the extended mode the slots stay where they are and the surplus goes past the end
// (where the normalisation drops empty ones or opens new banks); with it the lines go in at
// `row`, so that banks grow.
void insertIntoSlots(RegList& lines, RegListFilters filters, bool extendedMode, int row, int first,
                     RegList incoming, ListSelection& selection) {
    const int count = sizeOf(incoming);
    if (extendedMode || lines.empty()) {
        int at = std::clamp(row, 0, sizeOf(lines));
        if (at == 0) {
            lines.insert(lines.begin(), noNameBankLine());
            at = 1;
        }
        lines.insert(lines.begin() + at, std::make_move_iterator(incoming.begin()),
                     std::make_move_iterator(incoming.end()));
    } else {
        const std::vector<int> slots = registrationLines(lines);
        RegList order;
        order.reserve(slots.size() + incoming.size());
        for (int k = 0; k < first; ++k)
            order.push_back(std::move(lines[slots[static_cast<size_t>(k)]]));
        for (RegEntry& line : incoming)
            order.push_back(std::move(line));
        for (size_t k = static_cast<size_t>(first); k < slots.size(); ++k)
            order.push_back(std::move(lines[slots[k]]));
        for (size_t k = 0; k < slots.size(); ++k)
            lines[slots[k]] = std::move(order[k]);
        lines.insert(lines.end(), std::make_move_iterator(order.begin() + sizeOf(slots)),
                     std::make_move_iterator(order.end()));
    }
    headWithBank(lines);
    normaliseRegList(lines, 0, nullptr, filters);
    selectSlots(lines, first, count, selection);
}

// Banks go in at a bank boundary `row`; their bank lines are selected.
void insertBanks(RegList& lines, RegListFilters filters, bool extendedMode, bool copied, int row,
                 RegList incoming, ListSelection& selection) {
    const auto banks = std::count_if(incoming.begin(), incoming.end(),
                                     [](const RegEntry& line) { return line.isBankLine; });
    lines.insert(lines.begin() + row, std::make_move_iterator(incoming.begin()),
                 std::make_move_iterator(incoming.end()));
    normaliseRegList(lines, 0, nullptr, filters);
    if (copied && !extendedMode)
        dropSurplusEmptyBanks(lines);
    selection.clear();
    for (int i = row; i < sizeOf(lines) && selection.count() < banks; ++i) {
        if (lines[i].isBankLine)
            selection.lines.insert(i);
    }
    selection.caret = row;
    if (selection.empty())
        selection.selectOnly(std::min(row, sizeOf(lines)));
}

} // namespace

RegList draggedRegLines(const RegList& lines, const ListSelection& selection) {
    RegList out;
    const std::vector<int> chosen = selection.realLines(sizeOf(lines));
    int covered = 0;
    for (int i : chosen) {
        if (i < covered)
            continue;
        const int end = lines[i].isBankLine ? regBlockEnd(lines, i) : i + 1;
        out.insert(out.end(), lines.begin() + i, lines.begin() + end);
        covered = end;
    }
    return out;
}

bool regDropChanges(const RegList& lines, const ListSelection& selection, int row, DropMode mode) {
    const std::optional<RegDrag> drag = regDragOf(lines, selection);
    if (!drag || row < 0 || row > sizeOf(lines))
        return false;
    if (drag->banks) {
        if (!isBankBoundary(lines, row))
            return false;
        return mode == DropMode::Copy || !movesNowhere(drag->ranges, row);
    }
    return mode == DropMode::Copy || slotMoveChanges(planSlots(lines, *drag, row, mode));
}

bool dropRegLines(RegList& lines, RegListFilters filters, bool extendedMode,
                  ListSelection& selection, int row, DropMode mode) {
    if (!regDropChanges(lines, selection, row, mode))
        return false;
    const RegDrag drag = *regDragOf(lines, selection);

    if (drag.banks) {
        RegList blocks;
        for (const Range& r : drag.ranges)
            blocks.insert(blocks.end(), lines.begin() + r.begin, lines.begin() + r.end);
        int at = row;
        if (mode == DropMode::Move) {
            at -= linesBefore(drag.ranges, row);
            eraseMarked(lines, markRanges(lines.size(), drag.ranges));
        }
        insertBanks(lines, filters, extendedMode, mode == DropMode::Copy, at, std::move(blocks),
                    selection);
        return true;
    }

    const SlotPlan plan = planSlots(lines, drag, row, mode);
    if (mode == DropMode::Copy) {
        RegList copies;
        for (const Range& r : drag.ranges)
            copies.push_back(lines[r.begin]);
        insertIntoSlots(lines, filters, extendedMode, row, plan.first, std::move(copies),
                        selection);
        return true;
    }

    // The registrations change slots; every bank line stays where it is.
    const std::vector<int> slots = registrationLines(lines);
    RegList staying;
    RegList moving;
    staying.reserve(slots.size() - plan.moved.size());
    moving.reserve(plan.moved.size());
    size_t next = 0;
    for (int k = 0; k < sizeOf(slots); ++k) {
        RegEntry& line = lines[slots[static_cast<size_t>(k)]];
        if (next < plan.moved.size() && plan.moved[next] == k) {
            moving.push_back(std::move(line));
            ++next;
        } else {
            staying.push_back(std::move(line));
        }
    }
    staying.insert(staying.begin() + plan.first, std::make_move_iterator(moving.begin()),
                   std::make_move_iterator(moving.end()));
    for (size_t k = 0; k < slots.size(); ++k)
        lines[slots[k]] = std::move(staying[k]);
    normaliseRegList(lines, 0, nullptr, filters);
    selectSlots(lines, plan.first, static_cast<int>(plan.moved.size()), selection);
    return true;
}

bool insertRegLinesAt(RegList& lines, RegListFilters filters, bool extendedMode,
                      ListSelection& selection, int row, RegList incoming) {
    if (incoming.empty() || row < 0 || row > sizeOf(lines))
        return false;
    for (RegEntry& line : incoming)
        line.bankNumber = line.entryNumber = 0;
    const bool banks = std::any_of(incoming.begin(), incoming.end(),
                                   [](const RegEntry& line) { return line.isBankLine; });
    if (!banks) {
        int before = 0;
        for (int i = 0; i < row; ++i)
            before += lines[i].isBankLine ? 0 : 1;
        insertIntoSlots(lines, filters, extendedMode, row, before, std::move(incoming), selection);
        return true;
    }
    // Banks start at a bank line: the one at `row`, or the next.
    int at = row;
    while (!isBankBoundary(lines, at))
        ++at;
    if (!incoming.front().isBankLine)
        incoming.insert(incoming.begin(), noNameBankLine());
    insertBanks(lines, filters, extendedMode, true, at, std::move(incoming), selection);
    return true;
}

// ---- Archive pane ------------------------------------------------------------------------------

namespace {

std::vector<Range> archiveDragOf(const ArchiveList& list, const ListSelection& selection) {
    std::vector<Range> ranges;
    for (int i : selection.realLines(sizeOf(list))) {
        if (!ranges.empty() && i < ranges.back().end)
            continue; // goes with its category
        ranges.push_back({i, list[i].isCategory ? archiveCategoryEnd(list, i) : i + 1});
    }
    return ranges;
}

bool holdsCategory(const ArchiveList& list, const std::vector<Range>& ranges) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [&](const Range& r) { return list[r.begin].isCategory; });
}

// Whether lines headed by `leadsWithLine` (the first of them is no category) and holding a
// category or not may go in before line `row` of `list`, leaving out the lines marked in `gone`.
bool placeAllowed(const ArchiveList& list, const std::vector<char>* gone, int row,
                  bool leadsWithLine, bool carriesCategory) {
    const auto goneAt = [&](int i) {
        return gone && (*gone)[static_cast<size_t>(i)];
    };
    if (carriesCategory) {
        // Only before a category that stays, or at the end.
        int at = row;
        while (at < sizeOf(list) && goneAt(at))
            ++at;
        if (at < sizeOf(list) && !list[at].isCategory)
            return false;
    }
    if (!leadsWithLine)
        return true;
    // Lines need a category before them, unless the archive holds none at all.
    bool categoryBefore = false;
    bool anyCategory = carriesCategory;
    for (int i = 0; i < sizeOf(list); ++i) {
        if (!list[i].isCategory || goneAt(i))
            continue;
        anyCategory = true;
        if (i < row) {
            categoryBefore = true;
            break;
        }
    }
    return categoryBefore || !anyCategory;
}

void refreshArchive(ArchiveSide& side) {
    side.recomputeLastCategoryIndex();
    side.setModified();
    side.refreshCountText();
}

// Puts the lines in at `at` and selects the first line of each piece that travelled: the lines
// that are no child of a category among them.
void placeArchiveLines(ArchiveSide& side, ListSelection& selection, int at, ArchiveList incoming) {
    std::vector<int> heads;
    bool inCategory = false;
    for (int k = 0; k < sizeOf(incoming); ++k) {
        inCategory = inCategory || incoming[k].isCategory;
        if (incoming[k].isCategory || !inCategory)
            heads.push_back(k);
    }
    ArchiveList& list = side.list();
    list.insert(list.begin() + at, std::make_move_iterator(incoming.begin()),
                std::make_move_iterator(incoming.end()));
    selection.clear();
    for (int offset : heads)
        selection.lines.insert(at + offset);
    selection.caret = at;
    refreshArchive(side);
}

} // namespace

ArchiveList draggedArchiveLines(const ArchiveList& list, const ListSelection& selection) {
    ArchiveList out;
    for (const Range& r : archiveDragOf(list, selection))
        out.insert(out.end(), list.begin() + r.begin, list.begin() + r.end);
    return out;
}

bool archiveDropChanges(const ArchiveList& list, const ListSelection& selection, int row,
                        DropMode mode) {
    const std::vector<Range> ranges = archiveDragOf(list, selection);
    if (ranges.empty() || row < 0 || row > sizeOf(list))
        return false;
    const bool category = holdsCategory(list, ranges);
    const bool leadsWithLine = !list[ranges.front().begin].isCategory;
    if (mode == DropMode::Copy)
        return placeAllowed(list, nullptr, row, leadsWithLine, category);
    // Never inside a category that moves (a category never inside itself).
    for (const Range& r : ranges) {
        if (list[r.begin].isCategory && row > r.begin && row < r.end)
            return false;
    }
    if (movesNowhere(ranges, row))
        return false;
    const std::vector<char> gone = markRanges(list.size(), ranges);
    return placeAllowed(list, &gone, row, leadsWithLine, category);
}

bool dropArchiveLines(ArchiveSide& side, ListSelection& selection, int row, DropMode mode) {
    ArchiveList& list = side.list();
    if (!side.isOpen() || !archiveDropChanges(list, selection, row, mode))
        return false;
    const std::vector<Range> ranges = archiveDragOf(list, selection);
    ArchiveList incoming;
    int at = row;
    if (mode == DropMode::Copy) {
        for (const Range& r : ranges)
            incoming.insert(incoming.end(), list.begin() + r.begin, list.begin() + r.end);
    } else {
        int moving = 0;
        for (const Range& r : ranges)
            moving += r.end - r.begin;
        incoming.reserve(static_cast<size_t>(moving));
        for (const Range& r : ranges) {
            for (int i = r.begin; i < r.end; ++i)
                incoming.push_back(std::move(list[i]));
        }
        at -= linesBefore(ranges, row);
        eraseMarked(list, markRanges(list.size(), ranges));
    }
    placeArchiveLines(side, selection, at, std::move(incoming));
    return true;
}

bool archiveInsertAllowed(const ArchiveList& list, const ArchiveList& incoming, int row) {
    if (incoming.empty() || row < 0 || row > sizeOf(list))
        return false;
    const bool category = std::any_of(incoming.begin(), incoming.end(),
                                      [](const ArchiveEntry& line) { return line.isCategory; });
    return placeAllowed(list, nullptr, row, !incoming.front().isCategory, category);
}

bool insertArchiveLinesAt(ArchiveSide& side, ListSelection& selection, int row,
                          ArchiveList incoming) {
    if (!side.isOpen() || !archiveInsertAllowed(side.list(), incoming, row))
        return false;
    placeArchiveLines(side, selection, row, std::move(incoming));
    return true;
}

bool pasteArchiveLines(ArchiveSide& side, ListSelection& selection, ArchiveList incoming) {
    const std::optional<int> selected = selection.only();
    const ArchiveList& list = side.list();
    if (!side.isOpen() || incoming.empty() || !selected || *selected < 0 ||
        *selected > sizeOf(list))
        return false;
    const int c = *selected;
    const bool category = std::any_of(incoming.begin(), incoming.end(),
                                      [](const ArchiveEntry& line) { return line.isCategory; });
    int at;
    if (category) {
        at = c;
        while (at < sizeOf(list) && !list[at].isCategory)
            ++at;
    } else if (c < sizeOf(list) && list[c].isCategory) {
        at = archiveInsertionIndex(side, c); // a collapsed category opens
    } else if (c < sizeOf(list) && list[c].isBankLine) {
        at = c + 1;
        while (at < sizeOf(list) && list[at].isRegistrationLine())
            ++at;
    } else {
        at = c;
    }
    // Lines that would stand before every category go into the first one instead.
    if (!archiveInsertAllowed(side.list(), incoming, at)) {
        const ArchiveList& now = side.list();
        const auto first = std::find_if(now.begin(), now.end(),
                                        [](const ArchiveEntry& line) { return line.isCategory; });
        if (category || first == now.end())
            return false;
        at = archiveInsertionIndex(side, static_cast<int>(first - now.begin()));
    }
    return insertArchiveLinesAt(side, selection, at, std::move(incoming));
}

} // namespace tombrel
