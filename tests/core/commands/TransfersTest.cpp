// Copy and move between the registration list and the archive.

#include "core/commands/Transfers.h"

#include "core/files/ArchiveFile.h"

#include "ListOperationsTestData.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

constexpr RegListFilters kNoFilters{};

class TransfersTest : public ::testing::Test {
protected:
    void startArchive(ArchiveList lines) {
        archive.newArchive();
        archive.list() = std::move(lines);
        archive.recomputeLastCategoryIndex();
        archive.refreshCountText();
        archive.setModified(false);
    }
    // Pop: [Ballads] p1 p2 [Other] p3; Jazz collapsed: [Swing] j1 j2; Folk: empty.
    void startDefaultArchive() {
        startArchive({categoryLine("Pop"), bankTitleLine("Ballads"), regLine("p1"), regLine("p2"),
                      bankTitleLine("Other"), regLine("p3"),
                      collapsedCategory(
                          "Jazz", {RegEntry::bankLine("Swing"), namedLine("j1"), namedLine("j2")}),
                      categoryLine("Folk")});
    }

    TransferResult toArchive(std::initializer_list<int> regSelected, int archiveSelected,
                             TransferMode mode = TransferMode::Copy) {
        regSelection = ListSelection::of(regSelected);
        archiveSelection = ListSelection::single(archiveSelected);
        return transferToArchive(lines, kNoFilters, regSelection, archive, archiveSelection, mode);
    }
    TransferResult toRegistrations(std::initializer_list<int> archiveSelected, int regSelected,
                                   TransferMode mode = TransferMode::Copy) {
        archiveSelection = ListSelection::of(archiveSelected);
        regSelection = ListSelection::single(regSelected);
        return transferToRegistrations(archive, archiveSelection, lines, kNoFilters, regSelection,
                                       mode);
    }

    ScriptedInteraction ui;
    ArchiveSide archive{ui};
    RegList lines = threeBanks();
    ListSelection regSelection;
    ListSelection archiveSelection;
};

// ---- Copy >> and Move >> ----------------------------------------------------------------------

struct ToArchiveCase {
    const char* name;
    std::vector<int> regSelected;
    int archiveSelected;
    int expectSelected;
    Lines expect;
};

class CopyToArchive : public TransfersTest, public ::testing::WithParamInterface<ToArchiveCase> {};

TEST_P(CopyToArchive, PlacesCopiesAndKeepsTheTarget) {
    const ToArchiveCase& c = GetParam();
    startDefaultArchive();
    regSelection.lines.insert(c.regSelected.begin(), c.regSelected.end());
    archiveSelection = ListSelection::single(c.archiveSelected);
    const TransferResult result = transferToArchive(lines, kNoFilters, regSelection, archive,
                                                    archiveSelection, TransferMode::Copy);
    EXPECT_TRUE(result.archiveChanged);
    EXPECT_FALSE(result.registrationsChanged);
    EXPECT_EQ(archiveSummary(archive.list()), c.expect);
    EXPECT_EQ(archiveSelection, ListSelection::single(c.expectSelected));
    EXPECT_TRUE(archive.isModified());
    EXPECT_EQ(archive.countText(), std::to_string(archiveRegistrationCount(archive.list())));
    EXPECT_TRUE(sameContent(lines, threeBanks()));
    for (const ArchiveEntry& e : archive.list())
        EXPECT_TRUE(e.isCategory || e.categoryName.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyToArchive,
                         ::testing::Values(
                             // A collapsed category is expanded; the copies follow its last line
                             // and the category stays selected.
                             ToArchiveCase{"OntoCollapsedCategory",
                                           {1, 2},
                                           6,
                                           6,
                                           {"#Pop", "[Ballads]", "p1", "p2", "[Other]", "p3",
                                            "#Jazz", "[Swing]", "j1", "j2", "A1", "A2", "#Folk"}},
                             // After that bank's registrations, before the next bank title line.
                             ToArchiveCase{"OntoBankTitleLine",
                                           {1, 2},
                                           1,
                                           1,
                                           {"#Pop", "[Ballads]", "p1", "p2", "A1", "A2", "[Other]",
                                            "p3", "#Jazz+", "#Folk"}},
                             // Before a registration, which stays selected.
                             ToArchiveCase{"OntoRegistration",
                                           {1, 2},
                                           3,
                                           5,
                                           {"#Pop", "[Ballads]", "p1", "A1", "A2", "p2", "[Other]",
                                            "p3", "#Jazz+", "#Folk"}},
                             // A bank line arrives as a bank title line.
                             ToArchiveCase{"BankLineAtTrailingLine",
                                           {9, 10},
                                           8,
                                           10,
                                           {"#Pop", "[Ballads]", "p1", "p2", "[Other]", "p3",
                                            "#Jazz+", "#Folk", "[Two]", "B1"}},
                             ToArchiveCase{"OntoEmptyCategory",
                                           {3, 576},
                                           7,
                                           7,
                                           {"#Pop", "[Ballads]", "p1", "p2", "[Other]", "p3",
                                            "#Jazz+", "#Folk", "A3"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransfersTest, CopyToArchiveNeedsASingleTargetAndSomethingToCopy) {
    startDefaultArchive();
    const auto before = archiveSummary(archive.list());
    struct Case {
        std::vector<int> reg;
        std::vector<int> arch;
    };
    const Case cases[] = {{{1}, {}}, {{1}, {0, 1}}, {{}, {0}}, {{576}, {0}}, {{1}, {9}}};
    for (const Case& c : cases) {
        regSelection.lines = {c.reg.begin(), c.reg.end()};
        archiveSelection.lines = {c.arch.begin(), c.arch.end()};
        const TransferResult r = transferToArchive(lines, kNoFilters, regSelection, archive,
                                                   archiveSelection, TransferMode::Move);
        EXPECT_FALSE(r.archiveChanged || r.registrationsChanged);
    }
    EXPECT_EQ(archiveSummary(archive.list()), before);
    EXPECT_TRUE(sameContent(lines, threeBanks()));

    // An archive without any category has nowhere to put them.
    startArchive({});
    EXPECT_FALSE(toArchive({1}, 0).archiveChanged);
    EXPECT_TRUE(archive.list().empty());
}

TEST_F(TransfersTest, MoveToArchiveRemovesFromTheRegistrations) {
    startDefaultArchive();
    const TransferResult r = toArchive({1, 2}, 8, TransferMode::Move);
    EXPECT_TRUE(r.archiveChanged && r.registrationsChanged);
    EXPECT_EQ(archiveSummary(archive.list()).back(), "A2");
    // The bank is padded at its end; the other banks keep their slots.
    EXPECT_EQ(bankText(lines, 0), "One|A3 A4 A5 A6 A7 A8 - -");
    EXPECT_EQ(bankText(lines, 1), "Two|B1 B2 B3 B4 B5 B6 B7 B8");
    EXPECT_EQ(lines.size(), 576u);
    EXPECT_TRUE(regSelection.empty());
}

TEST_F(TransfersTest, MovingTheFirstBankLineKeepsItsRegistrationsInABank) {
    startDefaultArchive();
    toArchive({0}, 8, TransferMode::Move);
    EXPECT_EQ(archiveSummary(archive.list()).back(), "[One]");
    ASSERT_TRUE(lines.front().isBankLine);
    EXPECT_EQ(bankText(lines, 0), "<No Name>|A1 A2 A3 A4 A5 A6 A7 A8");
    EXPECT_EQ(bankText(lines, 1), "Two|B1 B2 B3 B4 B5 B6 B7 B8");
}

// ---- << Copy and << Move ----------------------------------------------------------------------

TEST_F(TransfersTest, CopyIntoEmptyListStartsWithANoNameBank) {
    startDefaultArchive();
    lines.clear();
    const TransferResult r = toRegistrations({2, 3}, 0);
    EXPECT_TRUE(r.registrationsChanged);
    EXPECT_FALSE(r.archiveChanged);
    EXPECT_EQ(bankText(lines, 0), "<No Name>|p1 p2 - - - - - -");
    EXPECT_EQ(bankLineCount(lines), kRegBankCount);
    // The line after the last copy.
    EXPECT_EQ(regSelection, ListSelection::single(3));
    EXPECT_FALSE(archive.isModified());
    EXPECT_EQ(archiveSelection, ListSelection::of({2, 3}));
}

TEST_F(TransfersTest, CopyOfABankTitleLineFirstNeedsNoExtraBank) {
    startDefaultArchive();
    lines.clear();
    toRegistrations({1, 2}, 0);
    EXPECT_EQ(bankText(lines, 0), "Ballads|p1 - - - - - - -");
    EXPECT_EQ(bankText(lines, 1), "<No Name>|- - - - - - - -");
}

TEST_F(TransfersTest, CollapsedCategoryStandsForItsLines) {
    startDefaultArchive();
    // Into the registration list at bank Two's line: a new bank Swing before it.
    toRegistrations({6}, 9);
    EXPECT_EQ(bankText(lines, 0), "One|A1 A2 A3 A4 A5 A6 A7 A8");
    EXPECT_EQ(bankText(lines, 1), "Swing|j1 j2 - - - - - -");
    EXPECT_EQ(bankText(lines, 2), "Two|B1 B2 B3 B4 B5 B6 B7 B8");
    // The line right after the copies: the first free slot of their bank.
    EXPECT_EQ(regSelection, ListSelection::single(12));
    EXPECT_TRUE(lines[12].record.isEmpty());
}

struct ToRegCase {
    const char* name;
    std::vector<int> archiveSelected;
    Lines copied;       // titles arriving at the end of bank One's block
    Lines archiveAfter; // after Move
};

class MoveToRegistrations : public TransfersTest,
                            public ::testing::WithParamInterface<ToRegCase> {};

TEST_P(MoveToRegistrations, CopiesAndRemovesTheSameLines) {
    const ToRegCase& c = GetParam();
    for (TransferMode mode : {TransferMode::Copy, TransferMode::Move}) {
        startDefaultArchive();
        lines = {RegEntry::bankLine("Target")};
        const RegListFilters filters{false, true}; // no padding: only the copies show
        archiveSelection.lines = {c.archiveSelected.begin(), c.archiveSelected.end()};
        regSelection = ListSelection::single(1);
        const TransferResult r =
            transferToRegistrations(archive, archiveSelection, lines, filters, regSelection, mode);
        Lines arrived = lineSummary(lines);
        arrived.erase(arrived.begin());
        EXPECT_EQ(arrived, c.copied) << c.name;
        EXPECT_EQ(regSelection, ListSelection::single(static_cast<int>(lines.size())));
        if (mode == TransferMode::Copy) {
            EXPECT_FALSE(r.archiveChanged);
            continue;
        }
        EXPECT_TRUE(r.archiveChanged);
        EXPECT_EQ(archiveSummary(archive.list()), c.archiveAfter) << c.name;
        EXPECT_TRUE(archiveSelection.empty());
        EXPECT_TRUE(archive.isModified());
        EXPECT_EQ(archive.countText(), std::to_string(archiveRegistrationCount(archive.list())));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveToRegistrations,
    ::testing::Values(ToRegCase{"CollapsedCategory",
                                {6},
                                {"[Swing]", "j1", "j2"},
                                {"#Pop", "[Ballads]", "p1", "p2", "[Other]", "p3", "#Folk"}},
                      ToRegCase{"ExpandedCategoryWithSomeLines",
                                {0, 2, 5},
                                {"p1", "p3"},
                                {"#Pop", "[Ballads]", "p2", "[Other]", "#Jazz+", "#Folk"}},
                      ToRegCase{"ExpandedCategoryWithAllLines",
                                {0, 1, 2, 3, 4, 5},
                                {"[Ballads]", "p1", "p2", "[Other]", "p3"},
                                {"#Jazz+", "#Folk"}},
                      ToRegCase{"ExpandedCategoryAlone",
                                {0},
                                {"[Ballads]", "p1", "p2", "[Other]", "p3"},
                                {"#Jazz+", "#Folk"}},
                      ToRegCase{"LinesOfTwoCategoriesAndTheTrailingLine",
                                {5, 6, 8},
                                {"p3", "[Swing]", "j1", "j2"},
                                {"#Pop", "[Ballads]", "p1", "p2", "[Other]", "#Folk"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransfersTest, MovingEverythingOutSelectsTheArchiveTrailingLine) {
    startArchive({categoryLine("Pop"), regLine("p1")});
    toRegistrations({0}, 9, TransferMode::Move);
    EXPECT_TRUE(archive.list().empty());
    EXPECT_EQ(archiveSelection, ListSelection::single(0));
    EXPECT_EQ(archive.countText(), "0");
    EXPECT_EQ(bankText(lines, 1), "One|p1 - - - - - - -");
}

TEST_F(TransfersTest, MovingAnEmptyCategoryChangesOnlyTheArchive) {
    startDefaultArchive();
    const TransferResult r = toRegistrations({7}, 0, TransferMode::Move);
    EXPECT_TRUE(r.archiveChanged);
    EXPECT_FALSE(r.registrationsChanged);
    EXPECT_TRUE(sameContent(lines, threeBanks()));
    EXPECT_EQ(regSelection, ListSelection::single(0));
    EXPECT_EQ(archiveSummary(archive.list()).back(), "#Jazz+");
}

// ---- << Move into a list that Save would refuse -------------------------------------------------

// 64 banks of one registration each, shown without padding: any further bank is one too many.
RegList sixtyFourShortBanks() {
    RegList lines;
    for (int k = 0; k < kRegBankCount; ++k) {
        lines.push_back(RegEntry::bankLine("Bank" + std::to_string(k)));
        lines.push_back(namedLine("r" + std::to_string(k)));
    }
    normaliseRegList(lines, 0, nullptr, RegListFilters{false, true});
    return lines;
}

struct OverfullCase {
    const char* name;
    TransferMode mode;
    bool shortBanks; // sixtyFourShortBanks() with hidden empty entries, else threeBanks()
    std::vector<int> archiveSelected;
    int regTarget;
    const Message* question; // nullptr: nothing is asked
    bool answer;             // the answer to the question
    bool moved;
};

class OverfullMove : public TransfersTest, public ::testing::WithParamInterface<OverfullCase> {};

TEST_P(OverfullMove, AsksBeforeTheRegistrationsCouldNotBeSaved) {
    const OverfullCase& c = GetParam();
    startDefaultArchive();
    const RegListFilters filters{false, c.shortBanks};
    lines = c.shortBanks ? sixtyFourShortBanks() : threeBanks();
    const RegList linesBefore = lines;
    const Lines archiveBefore = archiveSummary(archive.list());
    archiveSelection.lines = {c.archiveSelected.begin(), c.archiveSelected.end()};
    regSelection = ListSelection::single(c.regTarget);
    const ListSelection archiveSelectionBefore = archiveSelection;
    if (c.question)
        ui.answerYesNo(c.answer);

    const TransferResult r = transferToRegistrations(archive, archiveSelection, lines, filters,
                                                     regSelection, c.mode, &ui);

    EXPECT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(ui.messageIds(),
              c.question ? std::vector<const Message*>{c.question} : std::vector<const Message*>{});
    EXPECT_EQ(r.registrationsChanged, c.moved);
    EXPECT_EQ(r.archiveChanged, c.moved && c.mode == TransferMode::Move);
    if (c.moved) {
        EXPECT_FALSE(sameContent(lines, linesBefore));
        return;
    }
    // Cancelled: both sides and both selections as they were.
    EXPECT_TRUE(sameContent(lines, linesBefore));
    EXPECT_EQ(archiveSummary(archive.list()), archiveBefore);
    EXPECT_FALSE(archive.isModified());
    EXPECT_EQ(regSelection, ListSelection::single(c.regTarget));
    EXPECT_EQ(archiveSelection, archiveSelectionBefore);
}

// threeBanks(): bank One is full at lines 1..8; bank Four (line 27) is empty.
INSTANTIATE_TEST_SUITE_P(
    Cases, OverfullMove,
    ::testing::Values(
        OverfullCase{"IntoAFullBankCancelled",
                     TransferMode::Move,
                     false,
                     {2},
                     1,
                     &msg::MoveMakesTooManyRegistrations,
                     false,
                     false},
        OverfullCase{"IntoAFullBankConfirmed",
                     TransferMode::Move,
                     false,
                     {2},
                     1,
                     &msg::MoveMakesTooManyRegistrations,
                     true,
                     true},
        OverfullCase{"IntoFreeSlots", TransferMode::Move, false, {2, 3}, 28, nullptr, false, true},
        OverfullCase{"CopyKeepsTheArchiveAndDoesNotAsk",
                     TransferMode::Copy,
                     false,
                     {2},
                     1,
                     nullptr,
                     false,
                     true},
        OverfullCase{"ASixtyFifthBankCancelled",
                     TransferMode::Move,
                     true,
                     {6},
                     1,
                     &msg::MoveMakesTooManyBanks,
                     false,
                     false},
        OverfullCase{
            "ARegistrationIntoAShortBank", TransferMode::Move, true, {2}, 2, nullptr, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransfersTest, ConfirmedOverfullMoveLeavesTheListForSaveToRefuse) {
    startDefaultArchive();
    archiveSelection = ListSelection::single(2);
    regSelection = ListSelection::single(1);
    ui.answerYesNo(true);
    transferToRegistrations(archive, archiveSelection, lines, kNoFilters, regSelection,
                            TransferMode::Move, &ui);
    EXPECT_GT(countRegistrations(lines), kMaxRegistrations);
    EXPECT_EQ(bankText(lines, 0), "One|p1 A1 A2 A3 A4 A5 A6 A7");
    EXPECT_EQ(archiveSummary(archive.list()),
              (Lines{"#Pop", "[Ballads]", "p2", "[Other]", "p3", "#Jazz+", "#Folk"}));
}

} // namespace
