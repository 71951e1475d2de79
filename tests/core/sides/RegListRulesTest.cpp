#include "core/sides/RegListRules.h"

#include "RegListTestData.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

constexpr RegListFilters kNoFilters{};
constexpr RegListFilters kHideDup{true, false};
constexpr RegListFilters kHideEmpty{false, true};
constexpr RegListFilters kBoth{true, true};

// What reading a file does: filters, then normalisation from line 0.
RegList loaded(RegList lines, RegListFilters filters) {
    applyRegLoadFilters(lines, filters);
    normaliseRegList(lines, 0, nullptr, filters);
    return lines;
}

std::vector<std::string> texts(const RegList& lines) {
    std::vector<std::string> out;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        out.push_back(regLineText(lines, i));
    return out;
}

int bankLineCount(const RegList& lines) {
    return static_cast<int>(lines.size()) - countRegistrations(lines);
}

int indexOfTitle(const RegList& lines, const std::string& title) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].isBankLine && lines[i].record.title() == title)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

TEST(RegListRules, FileWithoutFiltersListsAllBanksNumbered) {
    const RegList file = canonicalList({{0, {"Piano", {"Grand", "", "Soft"}}}});
    const RegList lines = loaded(file, kNoFilters);
    ASSERT_TRUE(sameContent(lines, file));
    EXPECT_EQ(bankLineCount(lines), 64);
    EXPECT_EQ(countRegistrations(lines), 512);
    const auto t = texts(lines);
    EXPECT_EQ(t[0], "<01>\tPiano");
    EXPECT_EQ(t[1], "<01/1>\t        Grand");
    EXPECT_EQ(t[2], "<01/2>\t        {<Empty>}"); // empty registrations are inactive
    EXPECT_EQ(t[9], "<02>\t<No Name>");
    EXPECT_EQ(t.back(), "<64/8>\t        {<Empty>}");
    EXPECT_EQ(regLineText(lines, static_cast<int>(lines.size())), ""); // the trailing line
}

TEST(RegListRules, LineTexts) {
    RegList lines = {RegEntry::bankLine("Jazz"), namedLine("Swing  "), namedLine("Off", false)};
    lines[0].bankNumber = 99;
    lines[1].bankNumber = 99;
    lines[1].entryNumber = 7;
    lines[2].bankNumber = 2;
    EXPECT_EQ(regLineText(lines, 0), "<100>\tJazz"); // no upper limit on the bank digits
    EXPECT_EQ(regLineText(lines, 1), "<100/8>\t        Swing");
    EXPECT_EQ(regLineText(lines, 2), "<03/1>\t        {Off}");
    EXPECT_EQ(regLineText(lines, -1), "");
}

TEST(RegListRules, HideDuplicateBankTitlesMergesRunsAndSplitsThemAgain) {
    const RegList file = canonicalList({
        {2, {"Piano", {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8"}}},
        {3, {"Piano", {"B1"}}},
        {5, {"Organ", {"O1"}}},
        {6, {"organ", {"o1"}}}, // titles compare with regard to case
    });
    const RegList lines = loaded(file, kHideDup);
    EXPECT_EQ(bankLineCount(lines), 63);
    EXPECT_EQ(countRegistrations(lines), 512);
    const auto t = texts(lines);
    EXPECT_EQ(t[18], "<03>\tPiano");
    EXPECT_EQ(t[19], "<03/1>\t        A1");
    EXPECT_EQ(t[27], "<04/1>\t        B1");
    EXPECT_EQ(t[34], "<04/8>\t        {<Empty>}");
    EXPECT_EQ(t[35], "<05>\t<No Name>");
    EXPECT_TRUE(sameContent(canonicalRegList(lines), file));
}

TEST(RegListRules, NoNameAndEmptyDuplicateBanksAreNotMerged) {
    // "<No Name>" banks follow each other everywhere and stay apart; a duplicate bank with only
    // empty registrations keeps its line so that its place in the file does not move.
    const RegList file = canonicalList({
        {2, {"Piano", {"A1"}}},
        {3, {"Piano", {}}},
        {4, {"Strings", {"S1"}}},
    });
    const RegList lines = loaded(file, kHideDup);
    EXPECT_EQ(bankLineCount(lines), 64);
    EXPECT_EQ(indexOfTitle(lines, "S1"), 4 * 9 + 1);
    EXPECT_EQ(lines[indexOfTitle(lines, "S1")].bankNumber, 4);
    EXPECT_TRUE(sameContent(canonicalRegList(lines), file));
}

TEST(RegListRules, HideEmptyEntriesKeepsGapsBeforeNonEmptySlots) {
    const RegList file = canonicalList({
        {0, {"Piano", {"P1", "", "P3"}}},
        {8, {"Last", {"L1"}}},
    });
    const RegList lines = loaded(file, kHideEmpty);
    EXPECT_EQ(lineSummary(lines),
              (std::vector<std::string>{"[Piano]", "P1", "<Empty>", "P3", "[<No Name>]",
                                        "[<No Name>]", "[<No Name>]", "[<No Name>]", "[<No Name>]",
                                        "[<No Name>]", "[<No Name>]", "[Last]", "L1"}));
    EXPECT_EQ(regLineText(lines, 3), "<01/3>\t        P3");
    EXPECT_EQ(regLineText(lines, 11), "<09>\tLast");
    EXPECT_EQ(regLineText(lines, 12), "<09/1>\t        L1");
    EXPECT_TRUE(sameContent(canonicalRegList(lines), file));
}

TEST(RegListRules, HideEmptyEntriesKeepsUnnamedBanksThatHoldRegistrations) {
    // Every bank unnamed: the banks after the last one that holds something go, the others keep
    // their lines, so no registration ends up before the first bank line or in another bank.
    const RegList file = canonicalList({
        {1, {kNoNameBankTitle, {"", "X2"}}},
        {4, {kNoNameBankTitle, {"Y1"}}},
    });
    const RegList lines = loaded(file, kHideEmpty);
    EXPECT_EQ(lineSummary(lines),
              (std::vector<std::string>{"[<No Name>]", "[<No Name>]", "<Empty>", "X2",
                                        "[<No Name>]", "[<No Name>]", "[<No Name>]", "Y1"}));
    EXPECT_EQ(regLineText(lines, 7), "<05/1>\t        Y1");
    EXPECT_TRUE(sameContent(canonicalRegList(lines), file));

    // A backup of nothing but empty unnamed banks lists nothing at all and saves as before.
    const RegList blank = canonicalList({});
    const RegList none = loaded(blank, kHideEmpty);
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(sameContent(canonicalRegList(none), blank));
}

TEST(RegListRules, BothFiltersMergeAndHide) {
    const RegList file = canonicalList({
        {2, {"Piano", {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8"}}},
        {3, {"Piano", {"B1", "B2"}}},
        {4, {"Piano", {"", "C2"}}},
        {6, {"Bass", {"D1"}}},
    });
    const RegList lines = loaded(file, kBoth);
    EXPECT_EQ(lineSummary(lines),
              (std::vector<std::string>{
                  "[<No Name>]", "[<No Name>]", "[Piano]", "A1",          "A2",      "A3",
                  "A4",          "A5",          "A6",      "A7",          "A8",      "B1",
                  "B2",          "<Empty>",     "<Empty>", "<Empty>",     "<Empty>", "<Empty>",
                  "<Empty>",     "<Empty>",     "C2",      "[<No Name>]", "[Bass]",  "D1"}));
    const auto t = texts(lines);
    EXPECT_EQ(t[2], "<03>\tPiano");
    EXPECT_EQ(t[3], "<03/1>\t        A1");
    EXPECT_EQ(t[10], "<03/8>\t        A8");
    EXPECT_EQ(t[11], "<04/1>\t        B1");
    EXPECT_EQ(t[20], "<05/2>\t        C2");
    EXPECT_EQ(t[21], "<06>\t<No Name>");
    EXPECT_EQ(t[23], "<07/1>\t        D1");
    EXPECT_TRUE(sameContent(canonicalRegList(lines), file));
}

TEST(RegListRules, NinthRegistrationOpensContinuationBank) {
    struct Case {
        const char* name;
        RegListFilters filters;
        bool ninthEmpty;
        int expectedBankLines;
        int expectedRegistrations;
    };
    const Case cases[] = {
        {"filters off", kNoFilters, false, 65, 520},
        {"duplicates hidden: no bank line", kHideDup, false, 64, 520},
        {"an empty ninth is absorbed", kNoFilters, true, 64, 512},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegList lines = loaded(
            canonicalList({{1, {"Pop", {"1", "2", "3", "4", "5", "6", "7", "8"}}}}), c.filters);
        // A new registration at the top of bank 2 (line 10) makes 9 in the bank.
        lines.insert(lines.begin() + 10, c.ninthEmpty ? emptyRegistrationLine() : namedLine("New"));
        if (c.ninthEmpty) // the bank's last registration must be empty for it to be absorbed
            lines[18] = emptyRegistrationLine();
        int tracked = 10;
        normaliseRegList(lines, 10, &tracked, c.filters);
        EXPECT_EQ(bankLineCount(lines), c.expectedBankLines);
        EXPECT_EQ(countRegistrations(lines), c.expectedRegistrations);
        EXPECT_EQ(tracked, 10);
        const int eighth = indexOfTitle(lines, "8");
        if (!c.ninthEmpty) {
            EXPECT_EQ(regLineText(lines, eighth), "<03/1>\t        8");
            if (!c.filters.hideDuplicateBankTitles) {
                EXPECT_EQ(regLineText(lines, eighth - 1), "<03>\tPop");
            }
        }
        // Bank 3 onwards keeps its slots.
        EXPECT_EQ(lines.back().bankNumber, c.expectedRegistrations / 8 - 1);
        EXPECT_EQ(lines.back().entryNumber, 7);
    }
}

TEST(RegListRules, TooManyRegistrationsNeedMoreBanks) {
    RegList lines =
        loaded(canonicalList({{1, {"Pop", {"1", "2", "3", "4", "5", "6", "7", "8"}}}}), kNoFilters);
    lines.insert(lines.begin() + 10, namedLine("New"));
    normaliseRegList(lines, 0, nullptr, kNoFilters);
    EXPECT_EQ(countRegistrations(lines), 520);
    EXPECT_EQ(regBanksNeeded(lines), 65);

    // With empty entries hidden, bank lines alone can outgrow the file.
    RegList banks;
    for (int b = 0; b < 65; ++b)
        banks.push_back(RegEntry::bankLine("B" + std::to_string(b)));
    normaliseRegList(banks, 0, nullptr, kHideEmpty);
    EXPECT_EQ(countRegistrations(banks), 0);
    EXPECT_EQ(regBanksNeeded(banks), 65);
    EXPECT_EQ(regLineText(banks, 64), "<65>\tB64");
}

TEST(RegListRules, TrackedIndexFollowsItsLine) {
    // Bank 1 gets a ninth registration; the padding and the continuation bank move everything
    // after it, and the tracked line must still be the same one.
    RegList lines = loaded(canonicalList({{0, {"One", {"1", "2", "3", "4", "5", "6", "7", "8"}}},
                                          {3, {"Four", {"F1"}}}}),
                           kNoFilters);
    lines.insert(lines.begin() + 1, namedLine("Top"));
    int tracked = indexOfTitle(lines, "F1");
    normaliseRegList(lines, 1, &tracked, kNoFilters);
    EXPECT_EQ(tracked, indexOfTitle(lines, "F1"));
    EXPECT_EQ(regLineText(lines, tracked), "<05/1>\t        F1");

    // Removing an absorbed run moves a later index back.
    RegList small = {RegEntry::bankLine("A")};
    for (int i = 0; i < 10; ++i)
        small.push_back(i < 8 ? namedLine(std::to_string(i)) : emptyRegistrationLine());
    small.push_back(RegEntry::bankLine("B"));
    small.push_back(namedLine("b"));
    tracked = 12;
    normaliseRegList(small, 0, &tracked, kHideEmpty);
    EXPECT_EQ(lineSummary(small), (std::vector<std::string>{"[A]", "0", "1", "2", "3", "4", "5",
                                                            "6", "7", "[B]", "b"}));
    EXPECT_EQ(tracked, 10);
}

TEST(RegListRules, PadsShortBanksAndTheListTo64Banks) {
    struct Case {
        const char* name;
        RegList lines;
        int start;
        int expectedLines;
    };
    const Case cases[] = {
        {"empty list", {}, 0, 576},
        {"one bank line", {RegEntry::bankLine("X")}, 0, 576},
        {"one short bank", {RegEntry::bankLine("X"), namedLine("x")}, 0, 576},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegList lines = c.lines;
        int trailing = static_cast<int>(lines.size()); // the insertion point after the last line
        normaliseRegList(lines, c.start, &trailing, kNoFilters);
        EXPECT_EQ(static_cast<int>(lines.size()), c.expectedLines);
        EXPECT_EQ(trailing, c.expectedLines);
        EXPECT_EQ(regBanksNeeded(lines), 64);
        EXPECT_EQ(regLineText(lines, 575), "<64/8>\t        {<Empty>}");
        RegList hidden = c.lines;
        normaliseRegList(hidden, c.start, nullptr, kHideEmpty);
        EXPECT_TRUE(sameContent(hidden, c.lines)); // nothing is padded while empties are hidden
    }
}

TEST(RegListRules, RenumbersFromTheMiddleWithTheCountersBeforeStart) {
    RegList lines = loaded(canonicalList({}), kBoth); // both on: only numbering
    ASSERT_TRUE(lines.empty());
    lines = {RegEntry::bankLine("A"), namedLine("a1"), namedLine("a2")};
    normaliseRegList(lines, 0, nullptr, kBoth);
    lines.push_back(namedLine("a3"));
    lines.push_back(RegEntry::bankLine("B"));
    lines.push_back(namedLine("b1"));
    // Garbage numbers after `start` are overwritten; those before it are trusted.
    for (size_t i = 3; i < lines.size(); ++i)
        lines[i].bankNumber = lines[i].entryNumber = 42;
    normaliseRegList(lines, 3, nullptr, kBoth);
    EXPECT_EQ(texts(lines),
              (std::vector<std::string>{"<01>\tA", "<01/1>\t        a1", "<01/2>\t        a2",
                                        "<01/3>\t        a3", "<02>\tB", "<02/1>\t        b1"}));
}

TEST(RegListRules, ContinuationBankUsesTitleOfBankBeforeStart) {
    // Normalising from inside a full bank: the title comes from the nearest bank line above.
    RegList lines = {RegEntry::bankLine("Strings")};
    for (int i = 0; i < 8; ++i)
        lines.push_back(namedLine("s" + std::to_string(i)));
    normaliseRegList(lines, 0, nullptr, kNoFilters);
    lines.insert(lines.begin() + 9, namedLine("extra"));
    normaliseRegList(lines, 9, nullptr, kNoFilters);
    EXPECT_EQ(regLineText(lines, 9), "<02>\tStrings");
    EXPECT_EQ(regLineText(lines, 10), "<02/1>\t        extra");
}

TEST(RegListRules, CanonicalListGroupsLikeTheFile) {
    // Lines before the first bank line are dropped; a long bank continues under its title.
    RegList lines = {namedLine("orphan"), RegEntry::bankLine("Long")};
    for (int i = 0; i < 9; ++i)
        lines.push_back(namedLine("L" + std::to_string(i)));
    const RegList banks = canonicalRegList(lines);
    EXPECT_EQ(banks.size(), 576u);
    EXPECT_EQ(indexOfTitle(banks, "orphan"), -1);
    EXPECT_EQ(banks[9].bankTitle, "Long");
    EXPECT_EQ(banks[10].record.title(), "L8");
    EXPECT_TRUE(banks[11].record.isEmpty());
    EXPECT_EQ(banks[18].bankTitle, kNoNameBankTitle);
}
