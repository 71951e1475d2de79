#include "core/commands/ArchiveListOperations.h"

#include "core/commands/EditEntryLoop.h"
#include "core/record/MarkedLines.h"
#include "core/sides/RegListRules.h"

#include <algorithm>
#include <vector>

namespace tombrel {

namespace {

int sizeOf(const ArchiveList& list) {
    return static_cast<int>(list.size());
}

// After a change of the list's structure.
void refreshAfterChange(ArchiveSide& side, bool countChanged) {
    side.recomputeLastCategoryIndex();
    side.setModified();
    if (countChanged)
        side.refreshCountText();
}

// A category keeps its lines when it moves: an expanded one is collapsed first (and stays so).
// A category without lines is held as expanded.
void collapseForMove(ArchiveSide& side, int index) {
    const ArchiveList& list = side.list();
    if (list[index].expanded && archiveCategoryEnd(list, index) > index + 1)
        side.collapseCategory(index);
}

bool insertAtTarget(ArchiveSide& side, ListSelection& selection, ArchiveEntry line) {
    if (!side.isOpen() || side.list().empty())
        return false;
    const auto selected = selection.only();
    if (!selected)
        return false;
    const int at = archiveInsertionIndex(side, *selected);
    if (at < 0)
        return false;
    selection.clear();
    ArchiveList& list = side.list();
    list.insert(list.begin() + at, std::move(line));
    selection.selectOnly(at);
    refreshAfterChange(side, true);
    return true;
}

} // namespace

int archiveCategoryEnd(const ArchiveList& list, int index) {
    int end = index + 1;
    while (end < sizeOf(list) && !list[end].isCategory)
        ++end;
    return end;
}

int archiveInsertionIndex(ArchiveSide& side, int selected) {
    const ArchiveList& list = side.list();
    if (selected < 0 || selected > sizeOf(list))
        return -1;
    if (selected == sizeOf(list) || !list[selected].isCategory)
        return selected;
    if (!list[selected].expanded)
        side.expandCategory(selected);
    // The end of the category, also when lines were added after it while it was collapsed.
    return archiveCategoryEnd(side.list(), selected);
}

bool newArchiveBank(ArchiveSide& side, ListSelection& selection) {
    return insertAtTarget(side, selection, ArchiveEntry(noNameBankLine()));
}

bool newArchiveEntry(ArchiveSide& side, ListSelection& selection) {
    return insertAtTarget(side, selection, ArchiveEntry(emptyRegistrationLine()));
}

bool editArchiveLine(ArchiveSide& side, ListSelection& selection, KeyboardModel model,
                     EntryDialogs& dialogs) {
    ArchiveList& list = side.list();
    const auto selected = selection.onlyReal(sizeOf(list));
    if (!side.isOpen() || !selected || list[*selected].isCategory)
        return false;
    ArchiveEntry& line = list[*selected];
    bool changed;
    if (line.isBankLine) {
        auto title = dialogs.editBankTitle(line.bankTitle);
        changed = title.has_value();
        if (title)
            line.bankTitle = std::move(*title);
    } else {
        changed =
            runEditEntryLoop(*selected, selection, model, dialogs, [&list](int i) -> RegRecord* {
                if (i < 0 || i >= sizeOf(list) || !list[i].isRegistrationLine())
                    return nullptr;
                return &list[i].record;
            });
    }
    if (changed)
        side.setModified();
    return changed;
}

bool deleteArchiveLines(ArchiveSide& side, ListSelection& selection, Interaction& ui) {
    if (!side.isOpen())
        return false;
    ArchiveList& list = side.list();
    const int size = sizeOf(list);
    std::vector<int> chosen;
    for (int index : selection.lines) {
        if (index >= 0 && index < size)
            chosen.push_back(index);
    }
    if (chosen.empty())
        return false;

    std::vector<char> remove(static_cast<size_t>(size), 0);
    long long categories = 0;
    long long entries = 0;
    for (size_t k = 0; k < chosen.size(); ++k) {
        const int i = chosen[k];
        if (remove[i])
            continue; // already goes with its category
        const ArchiveEntry& line = list[i];
        if (!line.isCategory) {
            remove[i] = 1;
            ++entries;
            continue;
        }
        const int end = archiveCategoryEnd(list, i);
        const bool childSelected = k + 1 < chosen.size() && chosen[k + 1] < end;
        if (!line.expanded) {
            // A collapsed category stands for all its lines: the hidden ones and any that were
            // added after it while it was collapsed.
            ++categories;
            entries += static_cast<long long>(line.hiddenChildren.size());
            for (int j = i; j < end; ++j) {
                if (j > i && !remove[j])
                    ++entries;
                remove[j] = 1;
            }
        } else if (childSelected) {
            // The selected children go one by one; the category only with all of them.
            bool all = true;
            for (int j = i + 1; j < end && all; ++j)
                all = selection.contains(j);
            if (all) {
                remove[i] = 1;
                ++categories;
            }
        } else {
            ++categories;
            entries += end - i - 1;
            for (int j = i; j < end; ++j)
                remove[j] = 1;
        }
    }

    if (categories > 0 || entries > 1) {
        UserMessage question;
        if (categories > 0 && entries > 0) {
            question = userMessage(msg::DeleteCategoriesAndEntries);
            question.numbers = {categories, entries};
        } else if (categories > 0) {
            question = userMessage(msg::DeleteCategories);
            question.numbers = {categories};
        } else {
            question = userMessage(msg::DeleteEntries);
            question.numbers = {entries};
        }
        if (!ui.askYesNo(question))
            return false;
    }

    const int caret = selection.caret;
    selection.clear();
    eraseMarked(list, remove);
    // The caret stays where it was; an empty list keeps its trailing line selected.
    selection.selectOnly(caret >= 0 && caret <= sizeOf(list) ? caret : 0);
    refreshAfterChange(side, true);
    return true;
}

bool moveArchiveLineUp(ArchiveSide& side, ListSelection& selection) {
    if (!side.isOpen())
        return false;
    const auto selected = selection.onlyReal(sizeOf(side.list()));
    if (!selected)
        return false;
    const int i = *selected;
    ArchiveList& list = side.list();
    int moved = -1;
    if (list[i].isCategory) {
        collapseForMove(side, i);
        int p = i - 1;
        while (p >= 0 && !list[p].isCategory)
            --p;
        if (p >= 0) {
            std::rotate(list.begin() + p, list.begin() + i,
                        list.begin() + archiveCategoryEnd(list, i));
            moved = p;
        }
    } else if (list[i].isRegistrationLine()) {
        int j = i - 1;
        while (j >= 0 && list[j].isBankTitleLine())
            --j;
        if (j >= 0 && list[j].isRegistrationLine()) {
            std::swap(static_cast<RegEntry&>(list[i]), static_cast<RegEntry&>(list[j]));
            moved = j;
        }
    } else {
        int p = i - 1;
        while (p >= 0 && list[p].isRegistrationLine())
            --p;
        if (p >= 0 && list[p].isBankTitleLine()) {
            int end = i + 1;
            while (end < sizeOf(list) && list[end].isRegistrationLine())
                ++end;
            std::rotate(list.begin() + p, list.begin() + i, list.begin() + end);
            moved = p;
        }
    }
    side.recomputeLastCategoryIndex();
    if (moved < 0)
        return false;
    selection.selectOnly(moved);
    side.setModified();
    return true;
}

bool moveArchiveLineDown(ArchiveSide& side, ListSelection& selection) {
    if (!side.isOpen())
        return false;
    const auto selected = selection.onlyReal(sizeOf(side.list()));
    if (!selected)
        return false;
    const int i = *selected;
    ArchiveList& list = side.list();
    int moved = -1;
    if (list[i].isCategory) {
        collapseForMove(side, i);
        const int next = archiveCategoryEnd(list, i);
        if (next < sizeOf(list)) {
            // Past the next category and all its lines, not between it and its children.
            const int nextEnd = archiveCategoryEnd(list, next);
            std::rotate(list.begin() + i, list.begin() + next, list.begin() + nextEnd);
            moved = i + (nextEnd - next);
        }
    } else if (list[i].isRegistrationLine()) {
        int j = i + 1;
        while (j < sizeOf(list) && list[j].isBankTitleLine())
            ++j;
        if (j < sizeOf(list) && list[j].isRegistrationLine()) {
            std::swap(static_cast<RegEntry&>(list[i]), static_cast<RegEntry&>(list[j]));
            moved = j;
        }
    } else {
        int next = i + 1;
        while (next < sizeOf(list) && list[next].isRegistrationLine())
            ++next;
        if (next < sizeOf(list) && list[next].isBankTitleLine()) {
            int nextEnd = next + 1;
            while (nextEnd < sizeOf(list) && list[nextEnd].isRegistrationLine())
                ++nextEnd;
            std::rotate(list.begin() + i, list.begin() + next, list.begin() + nextEnd);
            moved = i + (nextEnd - next);
        }
    }
    side.recomputeLastCategoryIndex();
    if (moved < 0)
        return false;
    selection.selectOnly(moved);
    side.setModified();
    return true;
}

} // namespace tombrel
