// The entry commands of the archive side's list.

#include "core/commands/ArchiveListOperations.h"

#include "core/files/ArchiveFile.h"

#include "ListOperationsTestData.h"
#include "ScriptedEntryDialogs.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

std::vector<RegEntry> jazzChildren(int registrations) {
    std::vector<RegEntry> children{RegEntry::bankLine("Swing")};
    for (int k = 1; k <= registrations; ++k)
        children.push_back(namedLine("j" + std::to_string(k)));
    return children;
}

class ArchiveOps : public ::testing::Test {
protected:
    void start(ArchiveList lines) {
        side.setModified(false); // no question about the previous content
        side.newArchive();
        side.list() = std::move(lines);
        side.recomputeLastCategoryIndex();
        side.refreshCountText();
        side.setModified(false);
    }

    ScriptedInteraction ui;
    ArchiveSide side{ui};
};

// ---- New Bank and New Entry -----------------------------------------------------------------

struct InsertCase {
    const char* name;
    bool newBank;
    int selected;
    int expectSelected;
    Lines expect;
};

class ArchiveInsert : public ArchiveOps, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(ArchiveInsert, FollowsThePositionRule) {
    const InsertCase& c = GetParam();
    start({categoryLine("Pop"), bankTitleLine("Ballads"), regLine("p1"), regLine("p2"),
           collapsedCategory("Jazz", jazzChildren(2)), categoryLine("Folk")});
    ListSelection selection = ListSelection::single(c.selected);
    const bool changed =
        c.newBank ? newArchiveBank(side, selection) : newArchiveEntry(side, selection);
    ASSERT_TRUE(changed);
    EXPECT_EQ(archiveSummary(side.list()), c.expect);
    EXPECT_EQ(selection, ListSelection::single(c.expectSelected));
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(side.countText(), c.newBank ? "4" : "5");
    EXPECT_EQ(side.lastCategoryIndex(),
              static_cast<int>(c.expect.size()) - (c.expect.back() == "#Folk" ? 1 : 2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveInsert,
    ::testing::Values(
        InsertCase{"EntryAtExpandedCategory",
                   false,
                   0,
                   4,
                   {"#Pop", "[Ballads]", "p1", "p2", "<Empty>", "#Jazz+", "#Folk"}},
        // A collapsed category is expanded and the line goes after its last child.
        InsertCase{
            "EntryAtCollapsedCategory",
            false,
            4,
            8,
            {"#Pop", "[Ballads]", "p1", "p2", "#Jazz", "[Swing]", "j1", "j2", "<Empty>", "#Folk"}},
        InsertCase{"BankBeforeRegistration",
                   true,
                   2,
                   2,
                   {"#Pop", "[Ballads]", "[<No Name>]", "p1", "p2", "#Jazz+", "#Folk"}},
        InsertCase{"BankAtEmptyCategory",
                   true,
                   5,
                   6,
                   {"#Pop", "[Ballads]", "p1", "p2", "#Jazz+", "#Folk", "[<No Name>]"}},
        InsertCase{"EntryAtTrailingLine",
                   false,
                   6,
                   6,
                   {"#Pop", "[Ballads]", "p1", "p2", "#Jazz+", "#Folk", "<Empty>"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveOps, InsertNeedsALineAndSomethingInTheList) {
    start({});
    ListSelection selection = ListSelection::single(0);
    EXPECT_FALSE(newArchiveEntry(side, selection));
    EXPECT_FALSE(newArchiveBank(side, selection));
    EXPECT_TRUE(side.list().empty());
    EXPECT_FALSE(side.isModified());

    start({categoryLine("Pop")});
    ListSelection two = ListSelection::of({0, 1});
    EXPECT_FALSE(newArchiveEntry(side, two));
    EXPECT_EQ(side.list().size(), 1u);
}

// ---- Delete -----------------------------------------------------------------------------------

ArchiveList deleteFixture() {
    return {categoryLine("Pop"),
            bankTitleLine("Ballads"),
            regLine("p1"),
            regLine("p2"),
            collapsedCategory("Jazz", jazzChildren(5)),
            categoryLine("Folk"),
            categoryLine("Rock"),
            regLine("r1")};
}

struct DeleteCase {
    const char* name;
    std::vector<int> selected;
    const Message* question; // nullptr: none
    std::vector<long long> numbers;
    Lines expect;
};

class ArchiveDelete : public ArchiveOps, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(ArchiveDelete, AsksWithTheCountsAndRemoves) {
    const DeleteCase& c = GetParam();
    for (bool yes : {false, true}) {
        start(deleteFixture());
        ui.clearEvents();
        ListSelection selection;
        selection.lines.insert(c.selected.begin(), c.selected.end());
        selection.caret = c.selected.front();
        const ListSelection before = selection;
        if (c.question)
            ui.answerYesNo(yes);
        const bool changed = deleteArchiveLines(side, selection, ui);

        if (c.question) {
            ASSERT_EQ(ui.events().size(), 1u) << c.name;
            EXPECT_EQ(ui.events()[0].message.message, c.question);
            EXPECT_EQ(ui.events()[0].message.numbers, c.numbers);
        } else {
            EXPECT_TRUE(ui.events().empty());
        }
        if (c.question && !yes) {
            EXPECT_FALSE(changed);
            EXPECT_EQ(archiveSummary(side.list()), archiveSummary(deleteFixture()));
            EXPECT_EQ(selection, before);
            EXPECT_FALSE(side.isModified());
            continue;
        }
        EXPECT_TRUE(changed);
        EXPECT_EQ(archiveSummary(side.list()), c.expect);
        EXPECT_TRUE(side.isModified());
        EXPECT_EQ(side.countText(), std::to_string(archiveRegistrationCount(side.list())));
        EXPECT_EQ(selection, ListSelection::single(c.selected.front()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveDelete,
    ::testing::Values(
        // A collapsed category goes with its hidden lines, bank title lines counted.
        DeleteCase{"CollapsedCategory",
                   {4},
                   &msg::DeleteCategoriesAndEntries,
                   {1, 6},
                   {"#Pop", "[Ballads]", "p1", "p2", "#Folk", "#Rock", "r1"}},
        DeleteCase{"OneRegistration",
                   {2},
                   nullptr,
                   {},
                   {"#Pop", "[Ballads]", "p2", "#Jazz+", "#Folk", "#Rock", "r1"}},
        DeleteCase{"TwoEntries",
                   {1, 3},
                   &msg::DeleteEntries,
                   {2},
                   {"#Pop", "p1", "#Jazz+", "#Folk", "#Rock", "r1"}},
        // An expanded category with some of its lines: only those go.
        DeleteCase{"ExpandedCategoryWithSomeChildren",
                   {0, 2},
                   nullptr,
                   {},
                   {"#Pop", "[Ballads]", "p2", "#Jazz+", "#Folk", "#Rock", "r1"}},
        DeleteCase{"ExpandedCategoryWithAllChildren",
                   {0, 1, 2, 3},
                   &msg::DeleteCategoriesAndEntries,
                   {1, 3},
                   {"#Jazz+", "#Folk", "#Rock", "r1"}},
        DeleteCase{"ExpandedCategoryAlone",
                   {0},
                   &msg::DeleteCategoriesAndEntries,
                   {1, 3},
                   {"#Jazz+", "#Folk", "#Rock", "r1"}},
        DeleteCase{"EmptyCategory",
                   {5},
                   &msg::DeleteCategories,
                   {1},
                   {"#Pop", "[Ballads]", "p1", "p2", "#Jazz+", "#Rock", "r1"}},
        DeleteCase{"TwoCategories",
                   {5, 6},
                   &msg::DeleteCategoriesAndEntries,
                   {2, 1},
                   {"#Pop", "[Ballads]", "p1", "p2", "#Jazz+"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveOps, DeleteQuestionTexts) {
    UserMessage both = userMessage(msg::DeleteCategoriesAndEntries);
    both.numbers = {1, 6};
    EXPECT_EQ(both.text(Language::English), "Delete 1 categories and 6 entries?");
    EXPECT_EQ(both.text(Language::German), "1 Kategorien und 6 Einträge löschen?");
    UserMessage categories = userMessage(msg::DeleteCategories);
    categories.numbers = {2};
    EXPECT_EQ(categories.text(Language::German), "2 Kategorien löschen?");
}

TEST_F(ArchiveOps, CollapsedCategoryTakesLinesAddedAfterIt) {
    // Lines added at the trailing line while the last category was collapsed belong to it.
    start({categoryLine("Pop"), regLine("p1"), collapsedCategory("Jazz", jazzChildren(2)),
           regLine("late")});
    ListSelection selection = ListSelection::single(2);
    ui.answerYesNo(true);
    ASSERT_TRUE(deleteArchiveLines(side, selection, ui));
    EXPECT_EQ(ui.events()[0].message.numbers, (std::vector<long long>{1, 4}));
    EXPECT_EQ(archiveSummary(side.list()), (Lines{"#Pop", "p1"}));
}

TEST_F(ArchiveOps, DeletingEverythingSelectsTheTrailingLine) {
    start({categoryLine("Pop"), regLine("p1")});
    ListSelection selection = ListSelection::of({0, 1});
    selection.caret = 1;
    ui.answerYesNo(true);
    ASSERT_TRUE(deleteArchiveLines(side, selection, ui));
    EXPECT_TRUE(side.list().empty());
    EXPECT_EQ(selection, ListSelection::single(0));
    EXPECT_EQ(side.countText(), "0");
}

// ---- Up and Down ------------------------------------------------------------------------------

ArchiveList moveFixture() {
    return {categoryLine("Pop"), regLine("p0"),        bankTitleLine("Ballads"),
            regLine("p1"),       regLine("p2"),        bankTitleLine("Slow"),
            regLine("p3"),       categoryLine("Jazz"), bankTitleLine("Swing"),
            regLine("j1"),       categoryLine("Rock"), regLine("r1"),
            regLine("r2")};
}

struct MoveCase {
    const char* name;
    bool up;
    int selected;
    int expectSelected; // -1: nothing moves
    Lines expect;
};

class ArchiveMove : public ArchiveOps, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(ArchiveMove, MovesWithinItsLevel) {
    const MoveCase& c = GetParam();
    start(moveFixture());
    ListSelection selection = ListSelection::single(c.selected);
    const bool moved =
        c.up ? moveArchiveLineUp(side, selection) : moveArchiveLineDown(side, selection);
    if (c.expectSelected < 0) {
        EXPECT_FALSE(moved);
        EXPECT_EQ(archiveSummary(side.list()), archiveSummary(moveFixture()));
        EXPECT_EQ(selection, ListSelection::single(c.selected));
        EXPECT_FALSE(side.isModified());
        return;
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(archiveSummary(side.list()), c.expect);
    EXPECT_EQ(selection, ListSelection::single(c.expectSelected));
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(side.countText(), "7"); // moving never changes the count
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveMove,
    ::testing::Values(
        // The search for a registration above stops at the category line.
        MoveCase{"UpFirstRegistrationOfCategory", true, 9, -1, {}},
        MoveCase{"UpPastBankTitle",
                 true,
                 3,
                 1,
                 {"#Pop", "p1", "[Ballads]", "p0", "p2", "[Slow]", "p3", "#Jazz", "[Swing]", "j1",
                  "#Rock", "r1", "r2"}},
        MoveCase{"UpBankBlock",
                 true,
                 5,
                 2,
                 {"#Pop", "p0", "[Slow]", "p3", "[Ballads]", "p1", "p2", "#Jazz", "[Swing]", "j1",
                  "#Rock", "r1", "r2"}},
        MoveCase{"UpFirstBankOfCategory", true, 2, -1, {}},
        MoveCase{"DownLastRegistrationOfCategory", false, 6, -1, {}},
        MoveCase{"DownPastBankTitle",
                 false,
                 4,
                 6,
                 {"#Pop", "p0", "[Ballads]", "p1", "p3", "[Slow]", "p2", "#Jazz", "[Swing]", "j1",
                  "#Rock", "r1", "r2"}},
        MoveCase{"DownBankBlock",
                 false,
                 2,
                 4,
                 {"#Pop", "p0", "[Slow]", "p3", "[Ballads]", "p1", "p2", "#Jazz", "[Swing]", "j1",
                  "#Rock", "r1", "r2"}},
        MoveCase{"DownLastBankOfCategory", false, 5, -1, {}},
        // A category moves collapsed, past all the lines of an expanded next category.
        MoveCase{"DownCategoryOverExpandedCategory",
                 false,
                 0,
                 3,
                 {"#Jazz", "[Swing]", "j1", "#Pop+", "#Rock", "r1", "r2"}},
        MoveCase{"UpCategory",
                 true,
                 10,
                 7,
                 {"#Pop", "p0", "[Ballads]", "p1", "p2", "[Slow]", "p3", "#Rock+", "#Jazz",
                  "[Swing]", "j1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveOps, MovedCategoryKeepsItsLines) {
    start(moveFixture());
    ListSelection selection = ListSelection::single(7); // Jazz
    ASSERT_TRUE(moveArchiveLineUp(side, selection));
    EXPECT_EQ(selection, ListSelection::single(0));
    ASSERT_FALSE(side.list()[0].expanded);
    EXPECT_EQ(entrySummary(side.list()[0].hiddenChildren), (Lines{"[Swing]", "j1"}));
    side.expandCategory(0);
    EXPECT_EQ(archiveSummary(side.list())[2], "j1");
    EXPECT_EQ(archiveSummary(side.list())[3], "#Pop");
}

// ---- Edit Entry -------------------------------------------------------------------------------

TEST_F(ArchiveOps, EditEntryStepsWithinRegistrationRuns) {
    using R = EditEntryResult;
    struct Case {
        int start;
        std::vector<R> answers;
        Lines opened;
        int endSelected;
    };
    const Case cases[] = {
        {3, {R::Next, R::Next}, {"p1", "p2"}, 4},   // stops before the bank title line
        {6, {R::Next}, {"p3"}, 6},                  // stops before the category line
        {11, {R::Next, R::Next}, {"r1", "r2"}, 12}, // stops at the end
        {9, {R::Previous}, {"j1"}, 9},              // the line above is a bank title line
        {1, {R::Previous}, {"p0"}, 1},              // the line above is the category
    };
    for (const Case& c : cases) {
        start(moveFixture());
        ListSelection selection = ListSelection::single(c.start);
        ScriptedEntryDialogs dialogs;
        for (R answer : c.answers)
            dialogs.edit(answer);
        EXPECT_FALSE(editArchiveLine(side, selection, KeyboardModel::Psr9000, dialogs));
        EXPECT_EQ(dialogs.opened, c.opened) << "from line " << c.start;
        EXPECT_EQ(selection, ListSelection::single(c.endSelected));
        EXPECT_FALSE(side.isModified());
    }
}

TEST_F(ArchiveOps, EditEntryMarksTheArchiveWhenSomethingChanged) {
    start(moveFixture());
    ListSelection selection = ListSelection::single(3);
    ScriptedEntryDialogs dialogs;
    dialogs.edit(EditEntryResult::Next)
        .edit(EditEntryResult::Ok, [](RegRecord& r) { r.setTempo(99); })
        .bankTitle("Evening")
        .bankTitle(std::nullopt);
    EXPECT_TRUE(editArchiveLine(side, selection, KeyboardModel::Psr9000, dialogs));
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(side.list()[4].record.tempo(), 99);

    side.setModified(false);
    selection = ListSelection::single(2);
    EXPECT_TRUE(editArchiveLine(side, selection, KeyboardModel::Psr9000, dialogs));
    EXPECT_EQ(side.list()[2].bankTitle, "Evening");
    EXPECT_TRUE(side.isModified());

    side.setModified(false);
    EXPECT_FALSE(editArchiveLine(side, selection, KeyboardModel::Psr9000, dialogs));
    EXPECT_FALSE(side.isModified());

    // A category line is Edit Category's business.
    selection = ListSelection::single(0);
    EXPECT_FALSE(editArchiveLine(side, selection, KeyboardModel::Psr9000, dialogs));
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

} // namespace
