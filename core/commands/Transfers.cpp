#include "core/commands/Transfers.h"

#include "core/commands/ArchiveListOperations.h"
#include "core/record/MarkedLines.h"

#include <algorithm>
#include <vector>

namespace tombrel {

namespace {

template <class List> int sizeOf(const List& list) {
    return static_cast<int>(list.size());
}

// The question a Move asks when the registration list could not be saved afterwards, or
// nothing when it could.
const Message* overfullQuestion(const RegList& lines) {
    if (countRegistrations(lines) > kMaxRegistrations)
        return &msg::MoveMakesTooManyRegistrations;
    if (regBanksNeeded(lines) > kRegBankCount)
        return &msg::MoveMakesTooManyBanks;
    return nullptr;
}

void refreshArchive(ArchiveSide& archive) {
    archive.recomputeLastCategoryIndex();
    archive.setModified();
    archive.refreshCountText();
}

} // namespace

TransferResult transferToArchive(RegList& lines, RegListFilters filters,
                                 ListSelection& regSelection, ArchiveSide& archive,
                                 ListSelection& archiveSelection, TransferMode mode) {
    TransferResult result;
    const std::vector<int> chosen = regSelection.realLines(sizeOf(lines));
    const auto target = archiveSelection.only();
    if (chosen.empty() || !target || !archive.isOpen() || archive.list().empty() || *target < 0 ||
        *target > sizeOf(archive.list()))
        return result;

    const int c = *target;
    const int copies = static_cast<int>(chosen.size());
    int at;
    int selectAfter;
    {
        const ArchiveList& list = archive.list();
        if (c == sizeOf(list)) {
            at = c;
            selectAfter = c + copies; // the trailing line again
        } else if (list[c].isCategory) {
            at = archiveInsertionIndex(archive, c);
            selectAfter = c;
        } else if (list[c].isBankLine) {
            // After the registrations of this bank, before the next bank or category.
            at = c + 1;
            while (at < sizeOf(list) && list[at].isRegistrationLine())
                ++at;
            selectAfter = c;
        } else {
            at = c;
            selectAfter = c + copies; // the same registration, now after the copies
        }
    }

    std::vector<ArchiveEntry> incoming;
    incoming.reserve(chosen.size());
    for (int i : chosen)
        incoming.emplace_back(lines[i]);
    ArchiveList& list = archive.list();
    list.insert(list.begin() + at, std::make_move_iterator(incoming.begin()),
                std::make_move_iterator(incoming.end()));

    if (mode == TransferMode::Move) {
        std::vector<char> remove(lines.size(), 0);
        for (int i : chosen)
            remove[i] = 1;
        eraseMarked(lines, remove);
        // Registrations whose bank line left with the move keep a bank: the file never
        // stores registrations before the first bank line.
        if (!lines.empty() && !lines.front().isBankLine)
            lines.insert(lines.begin(), noNameBankLine());
        normaliseRegList(lines, 0, nullptr, filters);
        regSelection.clear();
        if (lines.empty())
            regSelection.selectOnly(0);
        result.registrationsChanged = true;
    }

    archiveSelection.selectOnly(selectAfter);
    refreshArchive(archive);
    result.archiveChanged = true;
    return result;
}

TransferResult transferToRegistrations(ArchiveSide& archive, ListSelection& archiveSelection,
                                       RegList& lines, RegListFilters filters,
                                       ListSelection& regSelection, TransferMode mode,
                                       Interaction* ui) {
    TransferResult result;
    const auto target = regSelection.only();
    if (!archive.isOpen() || !target || *target < 0 || *target > sizeOf(lines))
        return result;
    ArchiveList& list = archive.list();
    const std::vector<int> chosen = archiveSelection.realLines(sizeOf(list));
    if (chosen.empty())
        return result;

    // What goes over, in order, and which archive lines a move takes away.
    RegList incoming;
    std::vector<char> remove(list.size(), 0);
    std::vector<char> taken(list.size(), 0);
    auto takeLines = [&](int from, int end) {
        for (int j = from; j < end; ++j) {
            incoming.push_back(static_cast<const RegEntry&>(list[j]));
            taken[j] = 1;
            remove[j] = 1;
        }
    };
    for (size_t k = 0; k < chosen.size(); ++k) {
        const int i = chosen[k];
        if (taken[i])
            continue; // already went with its category
        const ArchiveEntry& line = list[i];
        if (!line.isCategory) {
            incoming.push_back(static_cast<const RegEntry&>(line));
            remove[i] = 1;
            continue;
        }
        const int end = archiveCategoryEnd(list, i);
        if (!line.expanded) {
            // A collapsed category stands for all its lines: the hidden ones, then any that
            // were added after it while it was collapsed.
            incoming.insert(incoming.end(), line.hiddenChildren.begin(), line.hiddenChildren.end());
            remove[i] = 1;
            takeLines(i + 1, end);
        } else if (k + 1 < chosen.size() && chosen[k + 1] < end) {
            // Its selected lines follow one by one; the category goes only with all of them.
            bool all = true;
            for (int j = i + 1; j < end && all; ++j)
                all = archiveSelection.contains(j);
            if (all)
                remove[i] = 1;
        } else {
            remove[i] = 1;
            takeLines(i + 1, end);
        }
    }

    if (!incoming.empty()) {
        int at = *target;
        if (at == 0 && !incoming.front().isBankLine)
            incoming.insert(incoming.begin(), noNameBankLine());
        // A move is tried on a copy first: once the archive is saved without them, registrations
        // that the registration side can never save would be lost.
        const bool check = mode == TransferMode::Move && ui;
        RegList trial;
        RegList& into = check ? (trial = lines) : lines;
        into.insert(into.begin() + at, std::make_move_iterator(incoming.begin()),
                    std::make_move_iterator(incoming.end()));
        at += static_cast<int>(incoming.size());
        normaliseRegList(into, 0, nullptr, filters);
        if (check) {
            if (const Message* question = overfullQuestion(into);
                question && !ui->askYesNo(userMessage(*question)))
                return result;
            lines = std::move(trial);
        }
        // The line right after the copies: where the padding of their bank begins, so that the
        // next transfer fills the following slots.
        regSelection.selectOnly(std::min(at, static_cast<int>(lines.size())));
        result.registrationsChanged = true;
    }

    if (mode == TransferMode::Move) {
        bool any = false;
        for (char r : remove)
            any = any || r;
        if (any) {
            archiveSelection.clear();
            eraseMarked(list, remove);
            if (list.empty())
                archiveSelection.selectOnly(0);
            refreshArchive(archive);
            result.archiveChanged = true;
        }
    }
    archive.recomputeLastCategoryIndex();
    return result;
}

} // namespace tombrel
