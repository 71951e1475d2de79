#include "core/commands/RegListOperations.h"

#include "core/commands/EditEntryLoop.h"
#include "core/record/MarkedLines.h"

#include <algorithm>
#include <vector>

namespace tombrel {

namespace {

int sizeOf(const RegList& lines) {
    return static_cast<int>(lines.size());
}

// The end of the bank block that starts at `from`: the next bank line after it, or the end.
int blockEnd(const RegList& lines, int from) {
    int end = from + 1;
    while (end < sizeOf(lines) && !lines[end].isBankLine)
        ++end;
    return end;
}

} // namespace

bool newRegBank(RegList& lines, RegListFilters filters, ListSelection& selection) {
    const auto selected = selection.only();
    if (!selected || *selected < 0 || *selected > sizeOf(lines))
        return false;
    int at = *selected;
    selection.clear();
    lines.insert(lines.begin() + at, noNameBankLine());
    normaliseRegList(lines, at, &at, filters);
    selection.selectOnly(at);
    return true;
}

bool newRegEntry(RegList& lines, RegListFilters filters, bool extendedMode,
                 ListSelection& selection) {
    const auto selected = selection.only();
    if (!selected || *selected < 0 || *selected > sizeOf(lines))
        return false;
    const int start = *selected;
    int at = start;
    selection.clear();
    if (lines.empty() || (extendedMode && at == 0)) {
        lines.insert(lines.begin() + at, noNameBankLine());
        ++at;
    }
    lines.insert(lines.begin() + at, emptyRegistrationLine());

    int entry = at;
    if (!extendedMode) {
        // Each following bank line moves up past the registration above it: every bank hands
        // its last registration on to the next, and the banks keep their slots. When the new
        // entry stood right before a bank line it becomes that bank's first registration.
        for (int j = at + 1; j < sizeOf(lines); ++j) {
            if (!lines[j].isBankLine || lines[j - 1].isBankLine)
                continue;
            std::swap(lines[j - 1], lines[j]);
            if (j - 1 == entry)
                entry = j;
        }
    }
    normaliseRegList(lines, start, &entry, filters);
    selection.selectOnly(entry);
    return true;
}

void regroupRegBanks(RegList& lines, RegListFilters filters) {
    RegList titles;
    RegList registrations;
    for (RegEntry& line : lines)
        (line.isBankLine ? titles : registrations).push_back(std::move(line));

    RegList out;
    out.reserve(titles.size() * (kRegSlotsPerBank + 1) + registrations.size() +
                registrations.size() / kRegSlotsPerBank + 1);
    size_t nextTitle = 0;
    bool placedTitle = false;
    for (size_t k = 0; k < registrations.size(); ++k) {
        if (k % kRegSlotsPerBank == 0) {
            out.push_back(nextTitle < titles.size() ? std::move(titles[nextTitle++])
                                                    : noNameBankLine());
            placedTitle = true;
        }
        out.push_back(std::move(registrations[k]));
    }
    if (nextTitle < titles.size()) {
        if (placedTitle) {
            for (size_t k = registrations.size(); k % kRegSlotsPerBank != 0; ++k)
                out.push_back(emptyRegistrationLine());
        }
        for (; nextTitle < titles.size(); ++nextTitle) {
            out.push_back(std::move(titles[nextTitle]));
            for (int s = 0; s < kRegSlotsPerBank; ++s)
                out.push_back(emptyRegistrationLine());
        }
    }
    lines = std::move(out);
    normaliseRegList(lines, 0, nullptr, filters);
}

bool deleteRegLines(RegList& lines, RegListFilters filters, bool extendedMode,
                    ListSelection& selection, Interaction& ui) {
    const int size = sizeOf(lines);
    const std::vector<int> chosen = selection.realLines(size);
    if (chosen.empty())
        return false;
    selection.clear();

    // The bank line each line belongs to (its own index for a bank line, -1 before the first).
    // A bank line stays when some of its own registrations are selected and others remain;
    // "its own" is decided by position, so a bank that shows more than 8 registrations (banks
    // of one title shown together) is handled as one bank.
    std::vector<int> owner(static_cast<size_t>(size));
    for (int i = 0, bank = -1; i < size; ++i) {
        if (lines[i].isBankLine)
            bank = i;
        owner[i] = bank;
    }
    constexpr int None = -2;

    int count = 0;
    int lastBank = None;
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
        const int i = *it;
        if (!lines[i].isBankLine) {
            ++count;
            lastBank = owner[i];
        } else if (i != lastBank) {
            count += blockEnd(lines, i) - i - 1;
        }
    }
    if (count > 1) {
        UserMessage question = userMessage(msg::DeleteEntries);
        question.numbers = {count};
        if (!ui.askYesNo(question))
            return false;
    }

    std::vector<char> remove(static_cast<size_t>(size), 0);
    lastBank = None;
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
        const int i = *it;
        if (!lines[i].isBankLine) {
            lastBank = owner[i];
            remove[i] = 1;
            continue;
        }
        // Later lines are already gone: look at the line that now follows.
        int after = i + 1;
        while (after < size && remove[after])
            ++after;
        if (i == lastBank && after < size && !lines[after].isBankLine)
            continue;
        remove[i] = 1;
        for (int j = i + 1; j < size; ++j) {
            if (remove[j])
                continue;
            if (lines[j].isBankLine)
                break;
            remove[j] = 1;
        }
    }
    eraseMarked(lines, remove);

    int start = chosen.front();
    if (!lines.empty() && !lines.front().isBankLine) {
        lines.insert(lines.begin(), noNameBankLine());
        normaliseRegList(lines, 0, nullptr, filters);
        start = 0;
    }
    if (extendedMode)
        normaliseRegList(lines, start, nullptr, filters);
    else
        regroupRegBanks(lines, filters);

    // The caret stays where it was; an empty list keeps its trailing line selected.
    const int caret = selection.caret;
    selection.selectOnly(caret >= 0 && caret <= sizeOf(lines) ? caret : 0);
    return true;
}

bool moveRegLineUp(RegList& lines, RegListFilters filters, ListSelection& selection) {
    const auto selected = selection.onlyReal(sizeOf(lines));
    if (!selected)
        return false;
    const int i = *selected;
    int moved;
    if (!lines[i].isBankLine) {
        int j = i - 1;
        while (j >= 0 && lines[j].isBankLine)
            --j;
        if (j < 0)
            return false;
        std::swap(lines[i], lines[j]);
        moved = j;
    } else {
        int p = i - 1;
        while (p >= 0 && !lines[p].isBankLine)
            --p;
        if (p < 0)
            return false;
        std::rotate(lines.begin() + p, lines.begin() + i, lines.begin() + blockEnd(lines, i));
        moved = p;
    }
    const int from = moved;
    normaliseRegList(lines, from, &moved, filters);
    selection.selectOnly(moved);
    return true;
}

bool moveRegLineDown(RegList& lines, RegListFilters filters, ListSelection& selection) {
    const auto selected = selection.onlyReal(sizeOf(lines));
    if (!selected)
        return false;
    const int i = *selected;
    int moved;
    if (!lines[i].isBankLine) {
        int j = i + 1;
        while (j < sizeOf(lines) && lines[j].isBankLine)
            ++j;
        if (j >= sizeOf(lines))
            return false;
        std::swap(lines[i], lines[j]);
        moved = j;
    } else {
        const int next = blockEnd(lines, i);
        if (next >= sizeOf(lines))
            return false;
        const int nextEnd = blockEnd(lines, next);
        std::rotate(lines.begin() + i, lines.begin() + next, lines.begin() + nextEnd);
        moved = i + (nextEnd - next);
    }
    normaliseRegList(lines, i, &moved, filters);
    selection.selectOnly(moved);
    return true;
}

bool editRegLine(RegList& lines, ListSelection& selection, KeyboardModel model,
                 EntryDialogs& dialogs) {
    const auto selected = selection.onlyReal(sizeOf(lines));
    if (!selected)
        return false;
    RegEntry& line = lines[*selected];
    if (line.isBankLine) {
        auto title = dialogs.editBankTitle(line.bankTitle);
        if (!title)
            return false;
        line.bankTitle = std::move(*title);
        return true;
    }
    return runEditEntryLoop(*selected, selection, model, dialogs, [&lines](int i) -> RegRecord* {
        if (i < 0 || i >= sizeOf(lines) || lines[i].isBankLine)
            return nullptr;
        return &lines[i].record;
    });
}

} // namespace tombrel
