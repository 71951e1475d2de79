// The entry commands of the registration side's list.

#include "core/commands/RegListOperations.h"

#include "ListOperationsTestData.h"
#include "ScriptedEntryDialogs.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tombrel;
using namespace tombrel::test;

namespace {

constexpr RegListFilters kNoFilters{};

// Every line carries the bank and slot that the file will give it.
void expectNumbered(const RegList& lines) {
    int bankNo = -1;
    int slot = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isBankLine || slot == kRegSlotsPerBank) {
            ++bankNo;
            slot = 0;
        }
        ASSERT_EQ(lines[i].bankNumber, bankNo) << "line " << i;
        if (!lines[i].isBankLine) {
            ASSERT_EQ(lines[i].entryNumber, slot++) << "line " << i;
        }
    }
}

// ---- New Entry and New Bank -----------------------------------------------------------------

struct InsertCase {
    const char* name;
    bool newBank; // else New Entry
    bool extendedMode;
    int selected;
    int expectSelected;
    size_t expectSize;
    std::vector<std::pair<int, std::string>> expectBanks; // bank ordinal -> text
};

class RegInsert : public ::testing::TestWithParam<InsertCase> {};

TEST_P(RegInsert, PlacesTheLineAndSelectsIt) {
    const InsertCase& c = GetParam();
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::single(c.selected);
    const bool changed = c.newBank ? newRegBank(lines, kNoFilters, selection)
                                   : newRegEntry(lines, kNoFilters, c.extendedMode, selection);
    EXPECT_TRUE(changed);
    EXPECT_EQ(selection, ListSelection::single(c.expectSelected));
    EXPECT_EQ(lines.size(), c.expectSize);
    for (const auto& [k, text] : c.expectBanks)
        EXPECT_EQ(bankText(lines, k), text) << "bank " << k;
    expectNumbered(lines);
    const RegEntry& chosen = lines[static_cast<size_t>(c.expectSelected)];
    if (c.newBank)
        EXPECT_EQ(chosen.bankTitle, kNoNameBankTitle);
    else
        EXPECT_TRUE(!chosen.isBankLine && chosen.record.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegInsert,
    ::testing::Values(
        // Banks keep their slots: each following bank hands its last registration on; the empty
        // last registration of the list drops out.
        InsertCase{"EntryAtFirstOfBank2",
                   false,
                   false,
                   10,
                   10,
                   576,
                   {{0, "One|A1 A2 A3 A4 A5 A6 A7 A8"},
                    {1, "Two|- B1 B2 B3 B4 B5 B6 B7"},
                    {2, "Three|B8 C1 C2 C3 C4 C5 C6 C7"},
                    {3, "<No Name>|C8 - - - - - - -"}}},
        // On a bank line the entry becomes that bank's first registration.
        InsertCase{"EntryOnBankLine",
                   false,
                   false,
                   9,
                   10,
                   576,
                   {{0, "One|A1 A2 A3 A4 A5 A6 A7 A8"}, {1, "Two|- B1 B2 B3 B4 B5 B6 B7"}}},
        InsertCase{"EntryMidBank",
                   false,
                   false,
                   5,
                   5,
                   576,
                   {{0, "One|A1 A2 A3 A4 - A5 A6 A7"}, {1, "Two|A8 B1 B2 B3 B4 B5 B6 B7"}}},
        // The trailing line: an empty registration past the full last bank has no slot and
        // drops out again; the selection lands on the last registration.
        InsertCase{"EntryAtTrailingLine",
                   false,
                   false,
                   576,
                   575,
                   576,
                   {{63, "<No Name>|- - - - - - - -"}, {64, ""}}},
        // Extended mode: the banks after the new entry stay as they are.
        InsertCase{"ExtendedEntryOnLine0",
                   false,
                   true,
                   0,
                   1,
                   585,
                   {{0, "<No Name>|- - - - - - - -"}, {1, "One|A1 A2 A3 A4 A5 A6 A7 A8"}}},
        InsertCase{"ExtendedEntryAtFirstOfBank2",
                   false,
                   true,
                   10,
                   10,
                   585,
                   {{1, "Two|- B1 B2 B3 B4 B5 B6 B7"},
                    {2, "Two|B8 - - - - - - -"},
                    {3, "Three|C1 C2 C3 C4 C5 C6 C7 C8"}}},
        // New Bank: the registrations from there on belong to it; the bank before is padded.
        InsertCase{"BankMidBank",
                   true,
                   false,
                   4,
                   9,
                   585,
                   {{0, "One|A1 A2 A3 - - - - -"},
                    {1, "<No Name>|A4 A5 A6 A7 A8 - - -"},
                    {2, "Two|B1 B2 B3 B4 B5 B6 B7 B8"}}},
        InsertCase{
            "BankAtTrailingLine", true, false, 576, 576, 585, {{64, "<No Name>|- - - - - - - -"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegInsert, LastFullBankOverflowsIntoAContinuationBank) {
    RegList lines = canonicalList({{63, {"Last", slotTitles("L")}}});
    normaliseRegList(lines, 0, nullptr, kNoFilters);
    ListSelection selection = ListSelection::single(63 * 9 + 1);
    ASSERT_TRUE(newRegEntry(lines, kNoFilters, false, selection));
    EXPECT_EQ(bankText(lines, 63), "Last|- L1 L2 L3 L4 L5 L6 L7");
    EXPECT_EQ(bankText(lines, 64), "Last|L8 - - - - - - -");
    EXPECT_EQ(countRegistrations(lines), kMaxRegistrations + 8);
}

TEST(RegInsert, EmptyListGetsABankFirst) {
    RegList lines;
    ListSelection selection = ListSelection::single(0);
    ASSERT_TRUE(newRegEntry(lines, kNoFilters, false, selection));
    EXPECT_EQ(selection, ListSelection::single(1));
    EXPECT_EQ(bankLineCount(lines), kRegBankCount);
    EXPECT_EQ(bankText(lines, 0), "<No Name>|- - - - - - - -");
}

TEST(RegInsert, NeedsExactlyOneSelectedLineInsideTheList) {
    for (ListSelection selection :
         {ListSelection{}, ListSelection::of({1, 2}), ListSelection::single(577)}) {
        RegList lines = threeBanks();
        const ListSelection before = selection;
        EXPECT_FALSE(newRegEntry(lines, kNoFilters, false, selection));
        EXPECT_FALSE(newRegBank(lines, kNoFilters, selection));
        EXPECT_EQ(selection, before);
        EXPECT_TRUE(sameContent(lines, threeBanks()));
    }
}

// ---- Delete -----------------------------------------------------------------------------------

struct DeleteQuestionCase {
    const char* name;
    std::vector<int> selected;
    int asked; // the number in "Delete %d entries?", 0 for no question
};

class RegDeleteQuestion : public ::testing::TestWithParam<DeleteQuestionCase> {};

TEST_P(RegDeleteQuestion, CountsWhatGoesAndNoKeepsTheList) {
    const DeleteQuestionCase& c = GetParam();
    RegList lines = threeBanks();
    ListSelection selection;
    selection.lines.insert(c.selected.begin(), c.selected.end());
    ScriptedInteraction ui;
    if (c.asked)
        ui.answerYesNo(false);
    const bool changed = deleteRegLines(lines, kNoFilters, false, selection, ui);
    if (!c.asked) {
        EXPECT_TRUE(changed);
        EXPECT_TRUE(ui.events().empty());
        return;
    }
    ASSERT_EQ(ui.events().size(), 1u);
    EXPECT_EQ(ui.events()[0].kind, ScriptedInteraction::Kind::AskYesNo);
    EXPECT_EQ(ui.events()[0].message.message, &msg::DeleteEntries);
    EXPECT_EQ(ui.events()[0].message.text(Language::English),
              "Delete " + std::to_string(c.asked) + " entries?");
    EXPECT_EQ(ui.events()[0].message.text(Language::German),
              std::to_string(c.asked) + " Einträge löschen?");
    EXPECT_FALSE(changed);
    EXPECT_TRUE(sameContent(lines, threeBanks()));
    EXPECT_TRUE(selection.empty()); // the lines stay deselected
}

INSTANTIATE_TEST_SUITE_P(Cases, RegDeleteQuestion,
                         ::testing::Values(DeleteQuestionCase{"OneRegistration", {3}, 0},
                                           DeleteQuestionCase{"TwoRegistrations", {3, 12}, 2},
                                           DeleteQuestionCase{"BankLineAlone", {9}, 8},
                                           DeleteQuestionCase{"BankLineWithAllItsRegistrations",
                                                              {9, 10, 11, 12, 13, 14, 15, 16, 17},
                                                              8},
                                           DeleteQuestionCase{
                                               "BankLineWithSomeRegistrations", {9, 10, 11}, 2},
                                           DeleteQuestionCase{"TwoBankLines", {0, 9}, 16},
                                           DeleteQuestionCase{"TrailingLineIgnored", {3, 576}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DeleteCase {
    const char* name;
    bool extendedMode;
    std::vector<int> selected;
    std::vector<std::pair<int, std::string>> expectBanks;
};

class RegDelete : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(RegDelete, RemovesAndRegroups) {
    const DeleteCase& c = GetParam();
    RegList lines = threeBanks();
    ListSelection selection;
    selection.lines.insert(c.selected.begin(), c.selected.end());
    selection.caret = c.selected.front();
    ScriptedInteraction ui;
    ui.answerYesNo(true);
    ASSERT_TRUE(deleteRegLines(lines, kNoFilters, c.extendedMode, selection, ui));
    for (const auto& [k, text] : c.expectBanks)
        EXPECT_EQ(bankText(lines, k), text) << "bank " << k;
    expectNumbered(lines);
    // Whole banks again, at least 64 of them.
    EXPECT_EQ(lines.size() % 9, 0u);
    EXPECT_GE(bankLineCount(lines), kRegBankCount);
    // The line at the caret is selected again.
    EXPECT_EQ(selection, ListSelection::single(c.selected.front()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegDelete,
    ::testing::Values(
        // Without the extended mode the later registrations move up across the banks while
        // every title stays in its slot.
        DeleteCase{"OneRegistrationMovesLaterOnesUp",
                   false,
                   {3},
                   {{0, "One|A1 A2 A4 A5 A6 A7 A8 B1"},
                    {1, "Two|B2 B3 B4 B5 B6 B7 B8 C1"},
                    {2, "Three|C2 C3 C4 C5 C6 C7 C8 -"},
                    {3, "<No Name>|- - - - - - - -"}}},
        DeleteCase{"BankLineWithAllItsRegistrations",
                   false,
                   {9, 10, 11, 12, 13, 14, 15, 16, 17},
                   {{0, "One|A1 A2 A3 A4 A5 A6 A7 A8"},
                    {1, "Three|C1 C2 C3 C4 C5 C6 C7 C8"},
                    {63, "<No Name>|- - - - - - - -"}}},
        DeleteCase{"BankLineWithSomeRegistrations",
                   false,
                   {9, 10, 11},
                   {{1, "Two|B3 B4 B5 B6 B7 B8 C1 C2"}, {2, "Three|C3 C4 C5 C6 C7 C8 - -"}}},
        // With it the bank just gets an empty registration at its end.
        DeleteCase{"ExtendedModePadsTheBank",
                   true,
                   {3},
                   {{0, "One|A1 A2 A4 A5 A6 A7 A8 -"}, {1, "Two|B1 B2 B3 B4 B5 B6 B7 B8"}}},
        DeleteCase{"ExtendedModeBankLine",
                   true,
                   {0},
                   {{0, "Two|B1 B2 B3 B4 B5 B6 B7 B8"}, {1, "Three|C1 C2 C3 C4 C5 C6 C7 C8"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegDelete, BankShowingMergedBanksKeepsItsLineWhenSomeRegistrationsStay) {
    // Banks 2 and 3 share a title and show under one bank line with 16 registrations; the ones
    // from the second bank carry its bank number, but they still belong to that bank line.
    const RegListFilters filters{true, false};
    RegList lines =
        canonicalList({{1, {"Piano", slotTitles("P")}}, {2, {"Piano", slotTitles("Q")}}});
    applyRegLoadFilters(lines, filters);
    normaliseRegList(lines, 0, nullptr, filters);
    ASSERT_EQ(bankText(lines, 1), "Piano|P1 P2 P3 P4 P5 P6 P7 P8 Q1 Q2 Q3 Q4 Q5 Q6 Q7 Q8");
    const int bankLine = 9;
    const int q1 = 18;
    ASSERT_EQ(lines[q1].bankNumber, 2);

    ListSelection selection = ListSelection::of({bankLine, q1});
    ScriptedInteraction ui; // one registration goes: no question
    ASSERT_TRUE(deleteRegLines(lines, filters, true, selection, ui));
    EXPECT_TRUE(ui.events().empty());
    EXPECT_EQ(bankText(lines, 1), "Piano|P1 P2 P3 P4 P5 P6 P7 P8 Q2 Q3 Q4 Q5 Q6 Q7 Q8 -");
}

TEST(RegDelete, EverythingInExtendedModeLeavesTheTrailingLineSelected) {
    const RegListFilters filters{false, true};
    RegList lines = {RegEntry::bankLine("Solo"), namedLine("S1")};
    ListSelection selection = ListSelection::of({0, 1});
    ScriptedInteraction ui;
    ui.answerYesNo(true);
    ASSERT_TRUE(deleteRegLines(lines, filters, true, selection, ui));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(selection, ListSelection::single(0));
}

// ---- Up and Down ------------------------------------------------------------------------------

struct MoveCase {
    const char* name;
    bool up;
    int selected;
    int expectSelected;                                   // -1: nothing moves
    std::vector<std::pair<int, std::string>> expectLines; // index -> summary
};

class RegMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(RegMove, SwapsOrMovesBlocks) {
    const MoveCase& c = GetParam();
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::single(c.selected);
    const bool moved = c.up ? moveRegLineUp(lines, kNoFilters, selection)
                            : moveRegLineDown(lines, kNoFilters, selection);
    if (c.expectSelected < 0) {
        EXPECT_FALSE(moved);
        EXPECT_TRUE(sameContent(lines, threeBanks()));
        EXPECT_EQ(selection, ListSelection::single(c.selected));
        return;
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(selection, ListSelection::single(c.expectSelected));
    const auto summary = lineSummary(lines);
    for (const auto& [index, text] : c.expectLines)
        EXPECT_EQ(summary[static_cast<size_t>(index)], text) << "line " << index;
    expectNumbered(lines);
    EXPECT_EQ(lines.size(), 576u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegMove,
    ::testing::Values(
        // The first registration of a bank changes places with the last of the bank before.
        MoveCase{"UpAcrossBankLine", true, 10, 8, {{8, "B1"}, {9, "[Two]"}, {10, "A8"}}},
        MoveCase{"UpWithinBank", true, 3, 2, {{2, "A3"}, {3, "A2"}}},
        MoveCase{"UpBankBlock", true, 9, 0, {{0, "[Two]"}, {1, "B1"}, {9, "[One]"}, {17, "A8"}}},
        MoveCase{"UpFirstRegistration", true, 1, -1, {}}, MoveCase{"UpFirstBank", true, 0, -1, {}},
        MoveCase{"DownAcrossBankLine", false, 8, 10, {{8, "B1"}, {10, "A8"}}},
        MoveCase{"DownBankBlock", false, 0, 9, {{0, "[Two]"}, {9, "[One]"}, {10, "A1"}}},
        MoveCase{"DownLastBank", false, 567, -1, {}},
        MoveCase{"DownLastRegistration", false, 575, -1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegMove, BankBlocksOfDifferentSizesWithHiddenEmptyEntries) {
    const RegListFilters filters{false, true};
    RegList lines = {RegEntry::bankLine("X"), namedLine("x1"),         namedLine("x2"),
                     RegEntry::bankLine("Y"), namedLine("y1"),         namedLine("y2"),
                     namedLine("y3"),         RegEntry::bankLine("Z"), namedLine("z1")};
    normaliseRegList(lines, 0, nullptr, filters);

    ListSelection selection = ListSelection::single(0);
    ASSERT_TRUE(moveRegLineDown(lines, filters, selection));
    EXPECT_EQ(selection, ListSelection::single(4)); // past the 4 lines of bank Y
    EXPECT_EQ(lineSummary(lines),
              (std::vector<std::string>{"[Y]", "y1", "y2", "y3", "[X]", "x1", "x2", "[Z]", "z1"}));
    ASSERT_TRUE(moveRegLineUp(lines, filters, selection));
    EXPECT_EQ(selection, ListSelection::single(0));
    EXPECT_EQ(lines[0].bankTitle, "X");
    expectNumbered(lines);
}

// ---- Edit Entry -------------------------------------------------------------------------------

TEST(RegEditEntry, PreviousAndNextStayInsideTheBank) {
    struct Case {
        int start;
        std::vector<EditEntryResult> answers;
        std::vector<std::string> opened;
        int endSelected;
    };
    using R = EditEntryResult;
    const Case cases[] = {
        {8, {R::Next}, {"A8"}, 8},                               // the next line is a bank line
        {6, {R::Next, R::Next, R::Next}, {"A6", "A7", "A8"}, 8}, // walks to the bank's end
        {2, {R::Previous, R::Previous}, {"A2", "A1"}, 1},        // line 0 is the bank line
        {10, {R::Previous}, {"B1"}, 10},                         // never into the bank above
        {4, {R::Next, R::Ok}, {"A4", "A5"}, 5},                  // OK ends it
        {4, {R::Next, R::Cancel}, {"A4", "A5"}, 5},              // so does Cancel
    };
    for (const Case& c : cases) {
        RegList lines = threeBanks();
        ListSelection selection = ListSelection::single(c.start);
        ScriptedEntryDialogs dialogs;
        for (R answer : c.answers)
            dialogs.edit(answer);
        EXPECT_FALSE(editRegLine(lines, selection, KeyboardModel::Psr9000Pro, dialogs));
        EXPECT_EQ(dialogs.opened, c.opened) << "from line " << c.start;
        EXPECT_EQ(selection, ListSelection::single(c.endSelected)) << "from line " << c.start;
        EXPECT_TRUE(dialogs.scriptUsedUp());
        EXPECT_EQ(dialogs.models.front(), KeyboardModel::Psr9000Pro);
    }
}

TEST(RegEditEntry, ChangedOnlyWhenStoredBytesDiffer) {
    auto retitle = [](RegRecord& r) {
        r.setTitle("New");
    };
    struct Case {
        const char* name;
        EditEntryResult result;
        bool change;
        bool expectChanged;
    };
    const Case cases[] = {
        {"OkWithChange", EditEntryResult::Ok, true, true},
        {"OkWithoutChange", EditEntryResult::Ok, false, false},
        {"NextWithChange", EditEntryResult::Next, true, true},
        // Whatever happened to the record in the dialog, Cancel does not mark the side.
        {"CancelWithChange", EditEntryResult::Cancel, true, false},
    };
    for (const Case& c : cases) {
        RegList lines = threeBanks();
        ListSelection selection = ListSelection::single(8);
        ScriptedEntryDialogs dialogs;
        dialogs.edit(c.result, c.change ? std::function<void(RegRecord&)>(retitle) : nullptr);
        EXPECT_EQ(editRegLine(lines, selection, KeyboardModel::Psr9000, dialogs), c.expectChanged)
            << c.name;
    }
}

TEST(RegEditEntry, BankLineOpensTheTitleDialog) {
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::single(9);
    ScriptedEntryDialogs dialogs;
    dialogs.bankTitle("Ballads").bankTitle(std::nullopt);
    EXPECT_TRUE(editRegLine(lines, selection, KeyboardModel::Psr9000, dialogs));
    EXPECT_EQ(lines[9].bankTitle, "Ballads");
    EXPECT_FALSE(editRegLine(lines, selection, KeyboardModel::Psr9000, dialogs));
    EXPECT_EQ(lines[9].bankTitle, "Ballads");
    EXPECT_EQ(dialogs.opened, (std::vector<std::string>{"[Two]", "[Ballads]"}));

    // Not on the trailing line or with more than one line selected.
    for (ListSelection s : {ListSelection::single(576), ListSelection::of({1, 2})})
        EXPECT_FALSE(editRegLine(lines, s, KeyboardModel::Psr9000, dialogs));
}

} // namespace
