// The enabled state of the main window's buttons.

#include "core/commands/CommandStates.h"

#include "ListOperationsTestData.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

using RegButton = bool RegCommandStates::*;
using ArchButton = bool ArchiveCommandStates::*;

// 0 [One] 1 a1 2 a2 3 [Two] 4 b1; the trailing line is 5.
RegList regLines() {
    return {RegEntry::bankLine("One"), namedLine("a1"), namedLine("a2"), RegEntry::bankLine("Two"),
            namedLine("b1")};
}

// 0 #Pop 1 p1 2 [Slow] 3 p2 4 #Jazz 5 j1 6 #Folk 7 f1; the trailing line is 8.
ArchiveList archiveLines() {
    return {categoryLine("Pop"),  regLine("p1"), bankTitleLine("Slow"), regLine("p2"),
            categoryLine("Jazz"), regLine("j1"), categoryLine("Folk"),  regLine("f1")};
}

struct Panes {
    RegList reg = regLines();
    ArchiveList arch = archiveLines();
    ListSelection regSelection;
    ListSelection archSelection;
    bool regOpen = true;
    bool regUntitled = false;
    bool archOpen = true;
    bool archUntitled = false;

    CommandStates states() const {
        return updateCommandStates(RegPaneState{regOpen, regUntitled, &reg, &regSelection},
                                   ArchivePaneState{archOpen, archUntitled, &arch, &archSelection});
    }
};

struct RegCase {
    const char* name;
    std::function<void(Panes&)> setup;
    std::vector<std::pair<RegButton, bool>> expect;
};

TEST(CommandStates, RegistrationButtons) {
    const RegButton newBank = &RegCommandStates::newBank;
    const RegButton newEntry = &RegCommandStates::newEntry;
    const RegButton edit = &RegCommandStates::editEntry;
    const RegButton del = &RegCommandStates::deleteEntries;
    const RegButton multi = &RegCommandStates::multiChange;
    const RegButton up = &RegCommandStates::up;
    const RegButton down = &RegCommandStates::down;
    const RegButton copy = &RegCommandStates::copyToArchive;
    const RegButton move = &RegCommandStates::moveToArchive;
    const RegButton save = &RegCommandStates::save;
    const RegButton saveAs = &RegCommandStates::saveAs;
    auto sel = [](std::initializer_list<int> lines) {
        return [chosen = ListSelection::of(lines)](Panes& p) {
            p.regSelection = chosen;
            p.archSelection = ListSelection::single(0);
        };
    };
    const RegCase cases[] = {
        // The trailing line counts for New Bank and New Entry, not for Edit Entry.
        {"TrailingLine",
         sel({5}),
         {{newBank, true}, {newEntry, true}, {edit, false}, {del, false}, {copy, false}}},
        {"TrailingLineOfEmptyList",
         [](Panes& p) {
             p.reg.clear();
             p.regSelection = ListSelection::single(0);
         },
         {{newBank, true}, {newEntry, false}}},
        {"NothingSelected",
         sel({}),
         {{newBank, false},
          {edit, false},
          {del, false},
          {multi, false},
          {up, false},
          {down, false},
          {copy, false},
          {move, false}}},
        {"TwoLines",
         sel({1, 2}),
         {{newBank, false},
          {newEntry, false},
          {edit, false},
          {del, true},
          {multi, true},
          {copy, true},
          {move, true},
          {up, false}}},
        {"FirstBankLine", sel({0}), {{up, false}, {down, true}, {edit, true}}},
        // The first registration has only a bank line above it.
        {"FirstRegistration", sel({1}), {{up, false}, {down, true}}},
        {"SecondRegistration", sel({2}), {{up, true}, {down, true}}},
        // The last bank line has no bank to move below.
        {"LastBankLine", sel({3}), {{up, true}, {down, false}}},
        {"LastLine", sel({4}), {{up, true}, {down, false}}},
        {"CopyNeedsOneArchiveLine",
         [](Panes& p) {
             p.regSelection = ListSelection::single(1);
             p.archSelection = ListSelection::of({0, 1});
         },
         {{copy, false}, {move, false}}},
        {"CopyToTheArchiveTrailingLine",
         [](Panes& p) {
             p.regSelection = ListSelection::single(1);
             p.archSelection = ListSelection::single(8);
         },
         {{copy, true}}},
        {"CopyNeedsAnArchiveWithLines",
         [](Panes& p) {
             p.regSelection = ListSelection::single(1);
             p.arch.clear();
             p.archSelection = ListSelection::single(0);
         },
         {{copy, false}}},
        {"CopyNeedsAnOpenArchive",
         [](Panes& p) {
             p.regSelection = ListSelection::single(1);
             p.archSelection = ListSelection::single(0);
             p.archOpen = false;
         },
         {{copy, false}, {del, true}}},
        {"Untitled", [](Panes& p) { p.regUntitled = true; }, {{save, false}, {saveAs, true}}},
    };
    for (const RegCase& c : cases) {
        Panes panes;
        c.setup(panes);
        const RegCommandStates states = panes.states().registration;
        for (const auto& [button, enabled] : c.expect)
            EXPECT_EQ(states.*button, enabled) << c.name;
    }
}

struct ArchCase {
    const char* name;
    std::function<void(Panes&)> setup;
    std::vector<std::pair<ArchButton, bool>> expect;
};

TEST(CommandStates, ArchiveButtons) {
    const ArchButton newCategory = &ArchiveCommandStates::newCategory;
    const ArchButton editCategory = &ArchiveCommandStates::editCategory;
    const ArchButton sortCategory = &ArchiveCommandStates::sortCategory;
    const ArchButton newBank = &ArchiveCommandStates::newBank;
    const ArchButton newEntry = &ArchiveCommandStates::newEntry;
    const ArchButton edit = &ArchiveCommandStates::editEntry;
    const ArchButton del = &ArchiveCommandStates::deleteEntries;
    const ArchButton up = &ArchiveCommandStates::up;
    const ArchButton down = &ArchiveCommandStates::down;
    const ArchButton copy = &ArchiveCommandStates::copyToRegistrations;
    const ArchButton move = &ArchiveCommandStates::moveToRegistrations;
    auto sel = [](std::initializer_list<int> lines) {
        return [chosen = ListSelection::of(lines)](Panes& p) {
            p.archSelection = chosen;
            p.regSelection = ListSelection::single(1);
        };
    };
    const ArchCase cases[] = {
        {"FirstCategory",
         sel({0}),
         {{up, false}, {down, true}, {editCategory, true}, {sortCategory, true}, {edit, false}}},
        {"FirstRegistrationUnderCategory",
         sel({1}),
         {{up, false}, {down, true}, {edit, true}, {editCategory, false}}},
        {"BankTitleLine", sel({2}), {{up, true}, {down, true}}},
        // A child line does not move past a category line.
        {"LastChildBeforeCategory", sel({3}), {{up, true}, {down, false}}},
        {"MiddleCategory", sel({4}), {{up, true}, {down, true}}},
        {"ChildRightUnderCategory", sel({5}), {{up, false}, {down, false}}},
        // The last category line stays last, even with lines after it.
        {"LastCategory", sel({6}), {{up, true}, {down, false}}},
        {"LastLine", sel({7}), {{up, false}, {down, false}}},
        {"TrailingLine",
         sel({8}),
         {{newCategory, true},
          {newBank, true},
          {newEntry, true},
          {edit, false},
          {del, false},
          {copy, false},
          {up, false},
          {down, false}}},
        {"TrailingLineOfEmptyArchive",
         [](Panes& p) {
             p.arch.clear();
             p.archSelection = ListSelection::single(0);
         },
         {{newCategory, true}, {newBank, false}, {newEntry, false}}},
        {"SeveralLines",
         sel({0, 8}),
         {{newCategory, false}, {newBank, false}, {del, true}, {copy, true}, {move, true}}},
        {"CopyNeedsOneRegistrationLine",
         [](Panes& p) {
             p.archSelection = ListSelection::single(1);
             p.regSelection = ListSelection::of({1, 2});
         },
         {{copy, false}, {move, false}, {del, true}}},
        {"CopyToTheRegistrationTrailingLine",
         [](Panes& p) {
             p.archSelection = ListSelection::single(1);
             p.regSelection = ListSelection::single(5);
         },
         {{copy, true}}},
        {"CopyNeedsOpenRegistrations",
         [](Panes& p) {
             p.archSelection = ListSelection::single(1);
             p.regSelection = ListSelection::single(1);
             p.regOpen = false;
         },
         {{copy, false}}},
    };
    for (const ArchCase& c : cases) {
        Panes panes;
        c.setup(panes);
        const ArchiveCommandStates states = panes.states().archive;
        for (const auto& [button, enabled] : c.expect)
            EXPECT_EQ(states.*button, enabled) << c.name;
    }
}

TEST(CommandStates, ClosedPanesEnableNothing) {
    Panes panes;
    panes.regOpen = panes.archOpen = false;
    panes.regSelection = ListSelection::single(1);
    panes.archSelection = ListSelection::single(1);
    EXPECT_EQ(panes.states(), CommandStates{});

    // Only the file buttons, the search-type buttons and Export JSON... of an open pane without a
    // selection.
    panes.regOpen = panes.archOpen = true;
    panes.regUntitled = panes.archUntitled = true;
    panes.regSelection = panes.archSelection = ListSelection{};
    RegCommandStates reg;
    reg.saveAs = reg.close = reg.list = reg.search = reg.protocol = reg.updateStyles = true;
    reg.exportJson = true;
    ArchiveCommandStates arch;
    arch.saveAs = arch.close = arch.list = arch.search = arch.protocol = arch.updateStyles = true;
    arch.exportJson = true;
    EXPECT_EQ(panes.states(), (CommandStates{reg, arch}));
}

// Cut and Copy need a selected line that holds an entry; Paste a single selected line (the
// trailing one too) and lines on the clipboard; none of them a closed pane.
TEST(CommandStates, ClipboardCommands) {
    struct Case {
        const char* name;
        std::vector<int> selected; // the same in both panes
        bool clipboard;
        bool open;
        bool copy;
        bool paste;
    };
    const Case cases[] = {
        {"OneLine", {1}, true, true, true, true},
        {"OneLineNothingOnTheClipboard", {1}, false, true, true, false},
        {"SeveralLines", {1, 3}, true, true, true, false},
        {"TrailingLineOnly", {5}, true, true, false, true},
        {"NothingSelected", {}, true, true, false, false},
        {"ClosedPane", {1}, true, false, false, false},
    };
    for (const Case& c : cases) {
        Panes panes;
        panes.regOpen = panes.archOpen = c.open;
        panes.regSelection.lines =
            panes.archSelection.lines = {c.selected.begin(), c.selected.end()};
        if (!c.selected.empty() && c.selected.front() == 5)
            panes.archSelection = ListSelection::single(8); // the archive's trailing line
        const CommandStates states = updateCommandStates(
            RegPaneState{panes.regOpen, false, &panes.reg, &panes.regSelection},
            ArchivePaneState{panes.archOpen, false, &panes.arch, &panes.archSelection},
            c.clipboard);
        for (const PaneCommandStates& pane :
             {static_cast<const PaneCommandStates&>(states.registration),
              static_cast<const PaneCommandStates&>(states.archive)}) {
            EXPECT_EQ(pane.copy, c.copy) << c.name;
            EXPECT_EQ(pane.cut, c.copy) << c.name;
            EXPECT_EQ(pane.paste, c.paste) << c.name;
        }
    }
}

// Expand all and Collapse all go by what the categories show, not by the selection.
TEST(CommandStates, ExpandAndCollapseAllFollowTheCategories) {
    struct Case {
        const char* name;
        std::function<void(Panes&)> setup;
        CategoryViewStates expect;
    };
    const Case cases[] = {
        {"every category shows its lines", [](Panes&) {}, {false, true}},
        {"one category collapsed",
         [](Panes& p) {
             p.arch.erase(p.arch.begin() + 5);
             p.arch[4] = collapsedCategory("Jazz", {namedLine("j1")});
         },
         {true, true}},
        {"all collapsed",
         [](Panes& p) {
             p.arch = {collapsedCategory("Pop", {namedLine("p1")}),
                       collapsedCategory("Jazz", {namedLine("j1")})};
         },
         {true, false}},
        {"only empty categories",
         [](Panes& p) {
             p.arch = {categoryLine("A"), categoryLine("B")};
         },
         {false, false}},
        {"archive closed",
         [](Panes& p) {
             p.archOpen = false;
             p.arch = {collapsedCategory("Pop", {namedLine("p1")}), categoryLine("A"),
                       regLine("a1")};
         },
         {false, false}},
    };
    for (const Case& c : cases) {
        Panes panes;
        c.setup(panes);
        EXPECT_EQ(categoryViewStates(ArchivePaneState{panes.archOpen, panes.archUntitled,
                                                      &panes.arch, &panes.archSelection}),
                  c.expect)
            << c.name;
    }
}

} // namespace
