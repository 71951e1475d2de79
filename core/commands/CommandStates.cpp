#include "core/commands/CommandStates.h"

#include "core/sides/ArchiveSide.h"

#include <optional>

namespace tombrel {

namespace {

template <class List> int sizeOf(const List* lines) {
    return lines ? static_cast<int>(lines->size()) : 0;
}

const ListSelection& selectionOf(const ListSelection* selection) {
    static const ListSelection none;
    return selection ? *selection : none;
}

} // namespace

CommandStates updateCommandStates(const RegPaneState& registration, const ArchivePaneState& archive,
                                  bool clipboardHoldsLines) {
    // Registration list: a selected lines, b the single selected line that holds an entry.
    const int count = sizeOf(registration.lines);
    const ListSelection& regSelection = selectionOf(registration.selection);
    const int a = regSelection.count();
    const std::optional<int> b = regSelection.onlyReal(count);
    const bool regOpen = registration.open;
    const bool regSomething = a > 1 || b.has_value();
    auto regBankLine = [&](int index) {
        return (*registration.lines)[index].isBankLine;
    };

    // Archive list: c selected lines, d the single selected line that holds an entry.
    const int n = sizeOf(archive.lines);
    const ListSelection& archSelection = selectionOf(archive.selection);
    const int c = archSelection.count();
    const std::optional<int> d = archSelection.onlyReal(n);
    const bool archOpen = archive.open;
    const bool archSomething = c > 1 || d.has_value();
    auto archCategory = [&](int index) {
        return (*archive.lines)[index].isCategory;
    };

    CommandStates s;
    RegCommandStates& r = s.registration;
    r.save = regOpen && !registration.untitled;
    r.saveAs = r.close = r.list = regOpen;
    r.newBank = regOpen && a == 1;
    r.editEntry = regOpen && b.has_value();
    r.newEntry = regOpen && a == 1 && count > 0;
    r.copyToArchive = r.moveToArchive = regOpen && regSomething && archOpen && c == 1 && n > 0;
    r.deleteEntries = r.multiChange = regOpen && regSomething;
    r.search = r.protocol = r.exportJson = r.updateStyles = regOpen;
    r.cut = r.copy = regOpen && !regSelection.realLines(count).empty();
    r.paste = regOpen && a == 1 && clipboardHoldsLines;
    r.up = regOpen && b && *b > 0 && (regBankLine(*b) || *b > 1);
    if (regOpen && b && *b < count - 1) {
        bool bankFollows = false;
        if (regBankLine(*b)) {
            for (int i = *b + 1; i < count && !bankFollows; ++i)
                bankFollows = regBankLine(i);
        }
        r.down = !regBankLine(*b) || bankFollows;
    }

    ArchiveCommandStates& ar = s.archive;
    ar.save = archOpen && !archive.untitled;
    ar.saveAs = ar.close = ar.list = archOpen;
    ar.newCategory = archOpen && c == 1;
    ar.editCategory = ar.sortCategory = archOpen && d && archCategory(*d);
    ar.newBank = ar.newEntry = archOpen && c == 1 && n > 0;
    ar.editEntry = archOpen && d && !archCategory(*d);
    ar.copyToRegistrations = ar.moveToRegistrations =
        archOpen && archSomething && regOpen && a == 1;
    ar.deleteEntries = ar.multiChange = archOpen && archSomething;
    ar.search = ar.protocol = ar.exportJson = ar.updateStyles = archOpen;
    ar.cut = ar.copy = archOpen && !archSelection.realLines(n).empty();
    ar.paste = archOpen && c == 1 && clipboardHoldsLines;
    ar.up = archOpen && d && *d > 0 && (archCategory(*d) || !archCategory(*d - 1));
    if (archOpen && d && *d < n - 1) {
        if (archCategory(*d)) {
            bool laterCategory = false;
            for (int i = *d + 1; i < n && !laterCategory; ++i)
                laterCategory = archCategory(i);
            ar.down = laterCategory;
        } else {
            ar.down = !archCategory(*d + 1);
        }
    }
    return s;
}

CategoryViewStates categoryViewStates(const ArchivePaneState& archive) {
    if (!archive.open || !archive.lines)
        return {};
    return {hasCollapsedCategory(*archive.lines), hasExpandedCategory(*archive.lines)};
}

} // namespace tombrel
