// Dragging lines inside a pane, and putting lines in at a place (Paste, lines from elsewhere).

#include "core/commands/LineDrops.h"

#include "ListOperationsTestData.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace tombrel;
using namespace tombrel::test;

namespace {

constexpr RegListFilters kNoFilters{};

std::string bankTexts(const RegList& lines, int banks) {
    std::string out;
    for (int k = 0; k < banks; ++k)
        out += (k ? " / " : "") + bankText(lines, k);
    return out;
}

// ---- Registration pane: moving --------------------------------------------------------------

// threeBanks(): bank k's title line at 9k, its slot s at 9k + s; 64 banks, 576 lines.
struct RegMoveCase {
    const char* name;
    std::vector<int> selected;
    int row;
    bool extendedMode;
    std::string banks; // the first three banks afterwards
    std::vector<int> selectedAfter;
};

class RegDropMove : public ::testing::TestWithParam<RegMoveCase> {};

TEST_P(RegDropMove, TakesTheSlotsAtTheDropAndShiftsTheOnesBetween) {
    const RegMoveCase& c = GetParam();
    RegList lines = threeBanks();
    ListSelection selection;
    selection.lines = {c.selected.begin(), c.selected.end()};
    ASSERT_TRUE(regDropChanges(lines, selection, c.row, DropMode::Move));
    ASSERT_TRUE(dropRegLines(lines, kNoFilters, c.extendedMode, selection, c.row, DropMode::Move));
    EXPECT_EQ(bankTexts(lines, 3), c.banks);
    EXPECT_EQ(lines.size(), 576u) << "every bank keeps its slots";
    EXPECT_EQ(bankLineCount(lines), 64);
    EXPECT_EQ(std::vector<int>(selection.lines.begin(), selection.lines.end()), c.selectedAfter);
    // Numbered again: the moved line shows its new bank and slot.
    const RegEntry& first = lines[static_cast<size_t>(c.selectedAfter.front())];
    EXPECT_EQ(first.bankNumber * 9 + (first.isBankLine ? 0 : first.entryNumber + 1),
              c.selectedAfter.front());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegDropMove,
    ::testing::Values(
        RegMoveCase{"DownWithinItsBank",
                    {1},
                    3,
                    false,
                    "One|A2 A1 A3 A4 A5 A6 A7 A8 / Two|B1 B2 B3 B4 B5 B6 B7 B8 / Three|C1 C2 C3 C4 "
                    "C5 C6 C7 C8",
                    {2}},
        // Above the next bank's title: the last slot of its own bank.
        RegMoveCase{"DownToTheEndOfItsBank",
                    {1},
                    9,
                    false,
                    "One|A2 A3 A4 A5 A6 A7 A8 A1 / Two|B1 B2 B3 B4 B5 B6 B7 B8 / Three|C1 C2 C3 C4 "
                    "C5 C6 C7 C8",
                    {8}},
        // Below a bank title: that bank's first slot; B1 moves up past the title.
        RegMoveCase{"DownBelowABankTitle",
                    {1},
                    10,
                    false,
                    "One|A2 A3 A4 A5 A6 A7 A8 B1 / Two|A1 B2 B3 B4 B5 B6 B7 B8 / Three|C1 C2 C3 C4 "
                    "C5 C6 C7 C8",
                    {10}},
        RegMoveCase{"UpAcrossABank",
                    {12},
                    2,
                    false,
                    "One|A1 B3 A2 A3 A4 A5 A6 A7 / Two|A8 B1 B2 B4 B5 B6 B7 B8 / Three|C1 C2 C3 C4 "
                    "C5 C6 C7 C8",
                    {2}},
        RegMoveCase{"UpBelowABankTitle",
                    {21},
                    10,
                    false,
                    "One|A1 A2 A3 A4 A5 A6 A7 A8 / Two|C3 B1 B2 B3 B4 B5 B6 B7 / Three|B8 C1 C2 C4 "
                    "C5 C6 C7 C8",
                    {10}},
        // Two from different banks gather at the drop, in their order.
        RegMoveCase{"SeveralAcrossBanks",
                    {2, 10},
                    20,
                    false,
                    "One|A1 A3 A4 A5 A6 A7 A8 B2 / Two|B3 B4 B5 B6 B7 B8 C1 A2 / Three|B1 C2 C3 C4 "
                    "C5 C6 C7 C8",
                    {17, 19}},
        // The trailing line: the last slot of the list; the empty one there moves up.
        RegMoveCase{"OntoTheTrailingLine",
                    {1},
                    576,
                    false,
                    "One|A2 A3 A4 A5 A6 A7 A8 B1 / Two|B2 B3 B4 B5 B6 B7 B8 C1 / Three|C2 C3 C4 C5 "
                    "C6 C7 C8 -",
                    {575}},
        // With the extended mode on the slots stay just as well.
        RegMoveCase{"ExtendedModeBelowABankTitle",
                    {1, 2},
                    10,
                    true,
                    "One|A3 A4 A5 A6 A7 A8 B1 B2 / Two|A1 A2 B3 B4 B5 B6 B7 B8 / Three|C1 C2 C3 C4 "
                    "C5 C6 C7 C8",
                    {10, 11}},
        // A bank title line carries its bank to the start of another bank.
        RegMoveCase{"BankToTheTop",
                    {9},
                    0,
                    false,
                    "Two|B1 B2 B3 B4 B5 B6 B7 B8 / One|A1 A2 A3 A4 A5 A6 A7 A8 / Three|C1 C2 C3 C4 "
                    "C5 C6 C7 C8",
                    {0}},
        // Its selected registrations go with it.
        RegMoveCase{"BankWithSomeOfItsLinesDown",
                    {0, 3},
                    27,
                    false,
                    "Two|B1 B2 B3 B4 B5 B6 B7 B8 / Three|C1 C2 C3 C4 C5 C6 C7 C8 / One|A1 A2 A3 A4 "
                    "A5 A6 A7 A8",
                    {18}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::vector<int> selected;
    int row;
    DropMode mode;
};

class RegDropRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RegDropRefused, ChangesNothing) {
    const RefusedCase& c = GetParam();
    RegList lines = threeBanks();
    const RegList before = lines;
    ListSelection selection;
    selection.lines = {c.selected.begin(), c.selected.end()};
    const ListSelection selectedBefore = selection;
    EXPECT_FALSE(regDropChanges(lines, selection, c.row, c.mode));
    EXPECT_FALSE(dropRegLines(lines, kNoFilters, false, selection, c.row, c.mode));
    EXPECT_TRUE(sameContent(lines, before));
    EXPECT_EQ(selection, selectedBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegDropRefused,
    ::testing::Values(RefusedCase{"OntoItself", {1}, 1, DropMode::Move},
                      RefusedCase{"RightBelowItself", {1}, 2, DropMode::Move},
                      RefusedCase{"ARunInsideItself", {2, 3, 4}, 4, DropMode::Move},
                      // Above its own bank's title it would take the slot it holds.
                      RefusedCase{"FirstOfABankAboveItsTitle", {19}, 18, DropMode::Move},
                      RefusedCase{"BankInsideABank", {9}, 3, DropMode::Move},
                      RefusedCase{"BankCopyInsideABank", {9}, 3, DropMode::Copy},
                      RefusedCase{"BankBeforeItself", {9}, 9, DropMode::Move},
                      RefusedCase{"BankAfterItself", {9}, 18, DropMode::Move},
                      RefusedCase{"BankAndARegistrationOfAnother", {2, 9}, 0, DropMode::Move},
                      RefusedCase{"OnlyTheTrailingLine", {576}, 0, DropMode::Move},
                      RefusedCase{"PastTheEnd", {1}, 577, DropMode::Copy}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegDrop, ScatteredLinesGatherAtADropNextToOneOfThem) {
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::of({1, 3});
    EXPECT_TRUE(regDropChanges(lines, selection, 3, DropMode::Move));
    ASSERT_TRUE(dropRegLines(lines, kNoFilters, false, selection, 3, DropMode::Move));
    EXPECT_EQ(bankText(lines, 0), "One|A2 A1 A3 A4 A5 A6 A7 A8");
}

// ---- Registration pane: copying -------------------------------------------------------------

TEST(RegDrop, CopyWithoutTheExtendedModePushesTheLaterRegistrationsOnBySlots) {
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::of({1, 2});
    ASSERT_TRUE(dropRegLines(lines, kNoFilters, false, selection, 10, DropMode::Copy));
    EXPECT_EQ(bankTexts(lines, 4), "One|A1 A2 A3 A4 A5 A6 A7 A8 / Two|A1 A2 B1 B2 B3 B4 B5 B6 / "
                                   "Three|B7 B8 C1 C2 C3 C4 C5 C6 / <No Name>|C7 C8 - - - - - -");
    // The empty registrations pushed off the end go; the list keeps its 64 banks.
    EXPECT_EQ(lines.size(), 576u);
    EXPECT_EQ(selection.lines, (std::set<int>{10, 11}));
    EXPECT_EQ(selection.caret, 10);
}

TEST(RegDrop, CopyWithTheExtendedModeGrowsTheBankItLandsIn) {
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::single(1);
    ASSERT_TRUE(dropRegLines(lines, kNoFilters, true, selection, 10, DropMode::Copy));
    // The ninth registration opens a continuation bank of the same title.
    EXPECT_EQ(bankTexts(lines, 4), "One|A1 A2 A3 A4 A5 A6 A7 A8 / Two|A1 B1 B2 B3 B4 B5 B6 B7 / "
                                   "Two|B8 - - - - - - - / Three|C1 C2 C3 C4 C5 C6 C7 C8");
    EXPECT_EQ(selection, ListSelection::single(10));
}

TEST(RegDrop, CopiedBankLandsAtABankStartAndTheSurplusEmptyBankGoes) {
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::single(9);
    ASSERT_TRUE(dropRegLines(lines, kNoFilters, false, selection, 0, DropMode::Copy));
    EXPECT_EQ(bankTexts(lines, 4), "Two|B1 B2 B3 B4 B5 B6 B7 B8 / One|A1 A2 A3 A4 A5 A6 A7 A8 / "
                                   "Two|B1 B2 B3 B4 B5 B6 B7 B8 / Three|C1 C2 C3 C4 C5 C6 C7 C8");
    EXPECT_EQ(bankLineCount(lines), 64);
    EXPECT_EQ(selection, ListSelection::single(0));
}

// ---- Registration pane: lines from elsewhere -------------------------------------------------

TEST(RegDropInsert, RegistrationsGoIntoTheSlotsAtTheRow) {
    RegList lines = threeBanks();
    ListSelection selection;
    ASSERT_TRUE(
        insertRegLinesAt(lines, kNoFilters, false, selection, 9, {namedLine("X"), namedLine("Y")}));
    EXPECT_EQ(bankTexts(lines, 2), "One|A1 A2 A3 A4 A5 A6 A7 A8 / Two|X Y B1 B2 B3 B4 B5 B6");
    EXPECT_EQ(selection.lines, (std::set<int>{10, 11}));
}

TEST(RegDropInsert, BanksGoToTheNextBankStartAndLeadingRegistrationsGetATitle) {
    RegList lines = threeBanks();
    ListSelection selection;
    ASSERT_TRUE(insertRegLinesAt(lines, kNoFilters, true, selection, 3,
                                 {namedLine("X"), RegEntry::bankLine("New"), namedLine("Y")}));
    EXPECT_EQ(bankTexts(lines, 4), "One|A1 A2 A3 A4 A5 A6 A7 A8 / <No Name>|X - - - - - - - / "
                                   "New|Y - - - - - - - / Two|B1 B2 B3 B4 B5 B6 B7 B8");
    EXPECT_EQ(selection.lines, (std::set<int>{9, 18}));
}

TEST(RegDropInsert, IntoAnEmptyListStartsWithABank) {
    for (bool extendedMode : {false, true}) {
        RegList lines;
        ListSelection selection = ListSelection::single(0);
        ASSERT_TRUE(
            insertRegLinesAt(lines, kNoFilters, extendedMode, selection, 0, {namedLine("X")}));
        EXPECT_EQ(bankText(lines, 0), "<No Name>|X - - - - - - -") << extendedMode;
        EXPECT_EQ(selection, ListSelection::single(1));
    }
}

TEST(RegDropInsert, NothingOrAPlaceOutsideTheListIsRefused) {
    RegList lines = threeBanks();
    ListSelection selection = ListSelection::single(4);
    EXPECT_FALSE(insertRegLinesAt(lines, kNoFilters, false, selection, 4, {}));
    EXPECT_FALSE(insertRegLinesAt(lines, kNoFilters, false, selection, 577, {namedLine("X")}));
    EXPECT_EQ(selection, ListSelection::single(4));
}

TEST(RegDrag, TakesWholeBanksOfSelectedTitles) {
    const RegList lines = threeBanks();
    EXPECT_EQ(entrySummary(draggedRegLines(lines, ListSelection::of({2, 9, 11, 576}))),
              (Lines{"A2", "[Two]", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8"}));
}

// ---- Archive pane ----------------------------------------------------------------------------

class ArchiveDrop : public ::testing::Test {
protected:
    ScriptedInteraction ui;
    ArchiveSide side{ui};

    // 0 #Rock: 1 [Live] 2 One 3 Two; 4 #Jazz collapsed (Blue, [Late], Night); 5 #Pop: 6 Hit.
    void SetUp() override {
        side.newArchive();
        side.list() = {categoryLine("Rock"),
                       bankTitleLine("Live"),
                       regLine("One"),
                       regLine("Two"),
                       collapsedCategory("Jazz", {namedLine("Blue"), RegEntry::bankLine("Late"),
                                                  namedLine("Night")}),
                       categoryLine("Pop"),
                       regLine("Hit")};
        side.recomputeLastCategoryIndex();
        side.refreshCountText();
        side.setModified(false);
    }
};

struct ArchiveMoveCase {
    const char* name;
    std::vector<int> selected;
    int row;
    DropMode mode;
    Lines after;
    std::vector<int> selectedAfter;
};

class ArchiveDropMove : public ArchiveDrop,
                        public ::testing::WithParamInterface<ArchiveMoveCase> {};

TEST_P(ArchiveDropMove, PutsTheLinesAtTheRow) {
    const ArchiveMoveCase& c = GetParam();
    ListSelection selection;
    selection.lines = {c.selected.begin(), c.selected.end()};
    ASSERT_TRUE(archiveDropChanges(side.list(), selection, c.row, c.mode));
    ASSERT_TRUE(dropArchiveLines(side, selection, c.row, c.mode));
    EXPECT_EQ(archiveSummary(side.list()), c.after);
    EXPECT_EQ(std::vector<int>(selection.lines.begin(), selection.lines.end()), c.selectedAfter);
    EXPECT_TRUE(side.isModified());
    int lastCategory = 0;
    for (size_t i = 0; i < c.after.size(); ++i) {
        if (c.after[i].front() == '#')
            lastCategory = static_cast<int>(i);
    }
    EXPECT_EQ(side.lastCategoryIndex(), lastCategory);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveDropMove,
    ::testing::Values(
        ArchiveMoveCase{"LineUpWithinItsCategory",
                        {3},
                        1,
                        DropMode::Move,
                        {"#Rock", "Two", "[Live]", "One", "#Jazz+", "#Pop", "Hit"},
                        {1}},
        ArchiveMoveCase{"LineToTheEnd",
                        {2},
                        7,
                        DropMode::Move,
                        {"#Rock", "[Live]", "Two", "#Jazz+", "#Pop", "Hit", "One"},
                        {6}},
        // Before a category line: the end of the category above it.
        ArchiveMoveCase{"LinesFromTwoCategoriesBeforeACategory",
                        {2, 6},
                        4,
                        DropMode::Move,
                        {"#Rock", "[Live]", "Two", "One", "Hit", "#Jazz+", "#Pop"},
                        {3, 4}},
        ArchiveMoveCase{"BankTitleLineIntoAnotherCategory",
                        {1},
                        6,
                        DropMode::Move,
                        {"#Rock", "One", "Two", "#Jazz+", "#Pop", "[Live]", "Hit"},
                        {5}},
        // An expanded category moves with its lines and stays expanded.
        ArchiveMoveCase{"ExpandedCategoryDown",
                        {0},
                        5,
                        DropMode::Move,
                        {"#Jazz+", "#Rock", "[Live]", "One", "Two", "#Pop", "Hit"},
                        {1}},
        ArchiveMoveCase{"ExpandedCategoryWithOneOfItsLinesToTheEnd",
                        {0, 2},
                        7,
                        DropMode::Move,
                        {"#Jazz+", "#Pop", "Hit", "#Rock", "[Live]", "One", "Two"},
                        {3}},
        ArchiveMoveCase{"CollapsedCategoryToTheTop",
                        {4},
                        0,
                        DropMode::Move,
                        {"#Jazz+", "#Rock", "[Live]", "One", "Two", "#Pop", "Hit"},
                        {0}},
        ArchiveMoveCase{"CopyOfAnExpandedCategory",
                        {0},
                        4,
                        DropMode::Copy,
                        {"#Rock", "[Live]", "One", "Two", "#Rock", "[Live]", "One", "Two", "#Jazz+",
                         "#Pop", "Hit"},
                        {4}},
        ArchiveMoveCase{"CopyOfACollapsedCategoryBeforeItself",
                        {4},
                        4,
                        DropMode::Copy,
                        {"#Rock", "[Live]", "One", "Two", "#Jazz+", "#Jazz+", "#Pop", "Hit"},
                        {4}},
        ArchiveMoveCase{"CopyOfALineNextToItself",
                        {2},
                        3,
                        DropMode::Copy,
                        {"#Rock", "[Live]", "One", "One", "Two", "#Jazz+", "#Pop", "Hit"},
                        {3}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ArchiveRefusedCase {
    const char* name;
    std::vector<int> selected;
    int row;
    DropMode mode;
};

class ArchiveDropRefused : public ArchiveDrop,
                           public ::testing::WithParamInterface<ArchiveRefusedCase> {};

TEST_P(ArchiveDropRefused, ChangesNothing) {
    const ArchiveRefusedCase& c = GetParam();
    ListSelection selection;
    selection.lines = {c.selected.begin(), c.selected.end()};
    const Lines before = archiveSummary(side.list());
    EXPECT_FALSE(archiveDropChanges(side.list(), selection, c.row, c.mode));
    EXPECT_FALSE(dropArchiveLines(side, selection, c.row, c.mode));
    EXPECT_EQ(archiveSummary(side.list()), before);
    EXPECT_FALSE(side.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveDropRefused,
    ::testing::Values(ArchiveRefusedCase{"CategoryInsideItself", {0}, 2, DropMode::Move},
                      ArchiveRefusedCase{"CategoryRightBelowItsLine", {0}, 1, DropMode::Move},
                      ArchiveRefusedCase{"CategoryCopyInsideItself", {0}, 3, DropMode::Copy},
                      ArchiveRefusedCase{"CategoryInsideAnother", {4}, 6, DropMode::Move},
                      ArchiveRefusedCase{"CategoryBeforeItself", {0}, 0, DropMode::Move},
                      ArchiveRefusedCase{"CategoryBeforeTheNext", {0}, 4, DropMode::Move},
                      ArchiveRefusedCase{"LineOntoItself", {2}, 2, DropMode::Move},
                      ArchiveRefusedCase{"LineBelowItself", {2}, 3, DropMode::Move},
                      ArchiveRefusedCase{"LineBeforeEveryCategory", {2}, 0, DropMode::Move},
                      ArchiveRefusedCase{"LineCopyBeforeEveryCategory", {6}, 0, DropMode::Copy},
                      ArchiveRefusedCase{
                          "LineAndCategoryInsideACategory", {2, 4}, 6, DropMode::Move},
                      ArchiveRefusedCase{"NothingButTheTrailingLine", {7}, 0, DropMode::Move}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveDrop, CopyOfACollapsedCategoryCarriesItsHiddenLines) {
    ListSelection selection = ListSelection::single(4);
    ASSERT_TRUE(dropArchiveLines(side, selection, 7, DropMode::Copy));
    ASSERT_EQ(side.list().size(), 8u);
    EXPECT_EQ(entrySummary(side.list()[7].hiddenChildren), (Lines{"Blue", "[Late]", "Night"}));
    EXPECT_EQ(side.registrationCount(), 7);
    EXPECT_EQ(side.countText(), "7");
}

TEST_F(ArchiveDrop, PasteOfLinesAtACollapsedCategoryOpensItAndAppends) {
    ListSelection selection = ListSelection::single(4);
    ASSERT_TRUE(pasteArchiveLines(side, selection, {regLine("X"), regLine("Y")}));
    EXPECT_EQ(archiveSummary(side.list()), (Lines{"#Rock", "[Live]", "One", "Two", "#Jazz", "Blue",
                                                  "[Late]", "Night", "X", "Y", "#Pop", "Hit"}));
    EXPECT_EQ(selection.lines, (std::set<int>{8, 9}));
}

TEST_F(ArchiveDrop, PasteFollowsCopyTransfersForBankTitlesAndRegistrations) {
    ListSelection selection = ListSelection::single(1);
    ASSERT_TRUE(pasteArchiveLines(side, selection, {regLine("X")}));
    EXPECT_EQ(archiveSummary(side.list()),
              (Lines{"#Rock", "[Live]", "One", "Two", "X", "#Jazz+", "#Pop", "Hit"}));
    selection = ListSelection::single(7);
    ASSERT_TRUE(pasteArchiveLines(side, selection, {regLine("Y")}));
    EXPECT_EQ(archiveSummary(side.list()),
              (Lines{"#Rock", "[Live]", "One", "Two", "X", "#Jazz+", "#Pop", "Y", "Hit"}));
}

TEST_F(ArchiveDrop, PasteOfACategoryGoesBeforeTheNextCategory) {
    ListSelection selection = ListSelection::single(2);
    ASSERT_TRUE(pasteArchiveLines(side, selection, {categoryLine("New"), regLine("X")}));
    EXPECT_EQ(archiveSummary(side.list()),
              (Lines{"#Rock", "[Live]", "One", "Two", "#New", "X", "#Jazz+", "#Pop", "Hit"}));
    EXPECT_EQ(selection, ListSelection::single(4));
}

TEST_F(ArchiveDrop, PasteOfLinesBeforeEveryCategoryGoesIntoTheFirst) {
    side.list().insert(side.list().begin(), regLine("Stray"));
    side.recomputeLastCategoryIndex();
    ListSelection selection = ListSelection::single(0);
    ASSERT_TRUE(pasteArchiveLines(side, selection, {regLine("X")}));
    EXPECT_EQ(archiveSummary(side.list()),
              (Lines{"Stray", "#Rock", "[Live]", "One", "Two", "X", "#Jazz+", "#Pop", "Hit"}));
}

TEST(ArchiveDropPaste, IntoAnEmptyArchive) {
    ScriptedInteraction ui;
    ArchiveSide side(ui);
    side.newArchive();
    ListSelection selection = ListSelection::single(0);
    ASSERT_TRUE(pasteArchiveLines(side, selection, {categoryLine("New"), regLine("X")}));
    EXPECT_EQ(archiveSummary(side.list()), (Lines{"#New", "X"}));
    EXPECT_EQ(side.countText(), "1");
    // A closed archive takes nothing.
    side.setModified(false);
    side.closeArchive();
    EXPECT_FALSE(pasteArchiveLines(side, selection, {regLine("Y")}));
}

TEST_F(ArchiveDrop, DraggedLinesAreWholeCategoriesAndTheOtherSelectedLines) {
    EXPECT_EQ(archiveSummary(draggedArchiveLines(side.list(), ListSelection::of({0, 2, 4, 6}))),
              (Lines{"#Rock", "[Live]", "One", "Two", "#Jazz+", "Hit"}));
}

} // namespace
