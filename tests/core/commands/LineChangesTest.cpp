// A change keeps only the lines that differ, and applying it turns a list to the other side and
// back exactly.

#include "core/commands/LineChanges.h"

#include "ListOperationsTestData.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

// Lines from letters: a lower-case letter is a registration of that title, an upper-case one a
// bank title line.
RegList linesOf(const std::string& letters) {
    RegList out;
    for (char c : letters) {
        if (std::isupper(static_cast<unsigned char>(c)))
            out.push_back(RegEntry::bankLine(std::string(1, c)));
        else
            out.push_back(namedLine(std::string(1, c)));
    }
    return out;
}

std::string lettersOf(const RegList& lines) {
    std::string out;
    for (const RegEntry& e : lines)
        out += e.isBankLine ? e.bankTitle : e.record.title();
    return out;
}

TEST(LineChangesTest, KeepsOnlyWhatDiffersAndTurnsBothWays) {
    struct Case {
        const char* before;
        const char* after;
        size_t storedLines; // lines of `before` the change keeps
        size_t hunks;
    };
    const Case cases[] = {
        {"abcdef", "abcdef", 0, 0}, {"abcdef", "abXdeY", 2, 2}, // records changed in place
        {"abcdef", "acdf", 2, 2},                               // scattered lines deleted
        {"aaaaab", "aab", 3, 1},                                // alike lines deleted
        {"abc", "aXbYcZ", 0, 3},                                // lines inserted
        {"abcdef", "abdcef", 2, 1},                             // two lines swapped
        {"abcdef", "fedcba", 6, 1},                             // reversed (a sort)
        {"abcAde", "Aabcde", 4, 1},                             // same length, moved
        {"abcdef", "aXYf", 4, 1}, // neither only deleted nor only inserted
        {"", "ab", 0, 1},           {"ab", "", 2, 1},
        {"Aab", "Aabcdefgh", 0, 1}, // appended
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        RegList before = linesOf(c.before);
        const RegList after = linesOf(c.after);
        RegList scratch = before;
        LineChange<RegEntry> change = diffLines(scratch, after);
        EXPECT_EQ(change.stored.size(), c.storedLines);
        EXPECT_EQ(change.hunks.size(), c.hunks);

        RegList list = after;
        ASSERT_TRUE(changeFits(change, list));
        applyChange(list, change);
        EXPECT_EQ(lettersOf(list), c.before);
        ASSERT_TRUE(changeFits(change, list));
        applyChange(list, change);
        EXPECT_EQ(lettersOf(list), c.after);
    }
}

TEST(LineChangesTest, ANumberedListFitsWhateverItsNumbers) {
    // Registration lines compare without bank and slot numbers: a deletion that renumbers every
    // line after it keeps only the deleted line.
    RegList before = threeBanks();
    RegList after = before;
    after.erase(after.begin() + 2);
    normaliseRegList(after, 0, nullptr, RegListFilters{});
    RegList scratch = before;
    LineChange<RegEntry> change = diffLines(scratch, after);
    EXPECT_LE(change.stored.size(), 8u); // the rest of bank One at most
    applyChange(after, change);
    EXPECT_TRUE(sameContent(after, before));
}

TEST(LineChangesTest, AnotherListDoesNotFit) {
    RegList scratch = linesOf("abcd");
    const RegList after = linesOf("abd");
    const LineChange<RegEntry> change = diffLines(scratch, after);
    EXPECT_FALSE(changeFits(change, linesOf("abx")));  // another line in the hunk's place
    EXPECT_FALSE(changeFits(change, linesOf("abdd"))); // another length
    EXPECT_TRUE(changeFits(change, linesOf("xbd")));   // the deletion only needs its place
}

TEST(LineChangesTest, HiddenLinesOfACollapsedCategoryAreKept) {
    ArchiveList before = {collapsedCategory("Pop", {namedLine("p1"), namedLine("p2")}),
                          categoryLine("Jazz"), regLine("j1")};
    ArchiveList after = before;
    after[0].hiddenChildren[1].record.setTitle("p2x");
    ArchiveList scratch = before;
    LineChange<ArchiveEntry> change = diffLines(scratch, after);
    ASSERT_EQ(change.stored.size(), 1u);
    EXPECT_EQ(change.stored[0].hiddenChildren[1].record.title(), "p2");
    EXPECT_GE(change.bytes(), lineBytes(before[0]));
    applyChange(after, change);
    EXPECT_EQ(entrySummary(after[0].hiddenChildren), (Lines{"p1", "p2"}));
}

} // namespace
