// Expanding every category at once must give the list that expanding them one by one gives.

#include "core/sides/ArchiveSide.h"

#include "RegListTestData.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

// A list written as words: "#Name" a collapsed category, "+Name" an expanded one, "[T]" a bank
// title line, anything else a registration. Lines after a collapsed category are its hidden
// children, after an expanded one its inline lines.
ArchiveList listOf(const std::vector<std::string>& words) {
    ArchiveList list;
    bool hiding = false;
    for (const std::string& w : words) {
        if (w[0] == '#' || w[0] == '+') {
            list.push_back(ArchiveEntry::category(w.substr(1)));
            hiding = w[0] == '#';
            list.back().expanded = !hiding;
            continue;
        }
        RegEntry line = w[0] == '[' ? RegEntry::bankLine(w.substr(1, w.size() - 2)) : namedLine(w);
        if (hiding)
            list.back().hiddenChildren.push_back(std::move(line));
        else
            list.emplace_back(std::move(line));
    }
    return list;
}

// The display list as words, expanded categories with '+', collapsed ones with '#' and their
// hidden lines in braces.
std::vector<std::string> wordsOf(const ArchiveList& list) {
    std::vector<std::string> out;
    for (const ArchiveEntry& e : list) {
        if (e.isCategory) {
            out.push_back((e.expanded ? "+" : "#") + e.categoryName);
            for (const RegEntry& child : e.hiddenChildren)
                out.push_back("{" + (child.isBankLine ? child.bankTitle : child.record.title()) +
                              "}");
        } else {
            out.push_back(e.isBankLine ? "[" + e.bankTitle + "]" : e.record.title());
        }
    }
    return out;
}

} // namespace

TEST(ArchiveExpandAll, GivesWhatExpandingOneByOneGives) {
    struct Case {
        const char* name;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"empty list", {}},
        {"one collapsed category", {"#Pop", "[A]", "R1", "R2"}},
        {"collapsed, expanded, collapsed",
         {"#Pop", "[A]", "R1", "+Rock", "[B]", "R2", "#Jazz", "R3", "[C]", "R4"}},
        {"empty categories either way", {"#Empty", "+Open", "#Last"}},
        {"lines before the first category", {"Loose", "[Bank]", "#Pop", "R1"}},
        {"every category expanded already", {"+A", "R1", "+B", "R2"}},
        {"collapsed category last with many lines",
         {"+A", "R1", "#B", "[1]", "R2", "R3", "R4", "[2]", "R5", "R6", "R7", "R8", "R9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ui;
        ArchiveSide oneByOne(ui);
        oneByOne.list() = listOf(c.words);
        for (size_t i = 0; i < oneByOne.list().size(); ++i) {
            if (oneByOne.list()[i].isCategory && !oneByOne.list()[i].expanded)
                oneByOne.expandCategory(static_cast<int>(i));
        }
        oneByOne.recomputeLastCategoryIndex();

        ArchiveSide atOnce(ui);
        atOnce.list() = listOf(c.words);
        atOnce.expandAllCategories();
        EXPECT_EQ(wordsOf(atOnce.list()), wordsOf(oneByOne.list()));
        EXPECT_EQ(atOnce.lastCategoryIndex(), oneByOne.lastCategoryIndex());
        for (int i = 0; i <= static_cast<int>(atOnce.list().size()); ++i)
            EXPECT_EQ(atOnce.treeFlags(i), oneByOne.treeFlags(i)) << "line " << i;
        EXPECT_FALSE(atOnce.isModified()); // the file does not store it
    }
}

// The registrations come through byte for byte, not only by title.
TEST(ArchiveExpandAll, LinesKeepTheirBytes) {
    ScriptedInteraction ui;
    ArchiveSide side(ui);
    side.list() = listOf({"#A", "R1", "#B", "R2", "[T]"});
    RegRecord odd = side.list()[1].hiddenChildren[0].record;
    odd.setStyleIndex(300);
    side.list()[1].hiddenChildren[0].record = odd;
    side.expandAllCategories();
    ASSERT_EQ(side.list().size(), 5u);
    EXPECT_EQ(side.list()[3].record, odd);
    EXPECT_FALSE(side.list()[3].isCategory);
    EXPECT_TRUE(side.list()[3].hiddenChildren.empty());
}

// Collapsing every category at once must give what collapsing each category that shows a box
// gives, one by one from the last (so that the indices before it stay).
TEST(ArchiveCollapseAll, GivesWhatCollapsingOneByOneGives) {
    struct Case {
        const char* name;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"empty list", {}},
        {"one expanded category", {"+Pop", "[A]", "R1", "R2"}},
        {"expanded, collapsed, expanded",
         {"+Pop", "[A]", "R1", "#Rock", "[B]", "R2", "+Jazz", "R3", "[C]", "R4"}},
        // An empty category stays as it is: it has no box and nothing to hide.
        {"empty categories either way", {"+Empty", "#Closed", "+Last"}},
        {"lines before the first category stay shown", {"Loose", "[Bank]", "+Pop", "R1"}},
        {"every category collapsed already", {"#A", "R1", "#B", "R2"}},
        {"expanded category first and last", {"+A", "R1", "R2", "+B", "+C", "[1]", "R3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ui;
        ArchiveSide oneByOne(ui);
        oneByOne.list() = listOf(c.words);
        for (size_t i = oneByOne.list().size(); i-- > 0;) {
            if (oneByOne.list()[i].isCategory && oneByOne.list()[i].expanded &&
                oneByOne.canToggle(static_cast<int>(i)))
                oneByOne.collapseCategory(static_cast<int>(i));
        }
        oneByOne.recomputeLastCategoryIndex();

        ArchiveSide atOnce(ui);
        atOnce.list() = listOf(c.words);
        atOnce.collapseAllCategories();
        EXPECT_EQ(wordsOf(atOnce.list()), wordsOf(oneByOne.list()));
        EXPECT_EQ(atOnce.lastCategoryIndex(), oneByOne.lastCategoryIndex());
        for (int i = 0; i <= static_cast<int>(atOnce.list().size()); ++i)
            EXPECT_EQ(atOnce.treeFlags(i), oneByOne.treeFlags(i)) << "line " << i;
        EXPECT_FALSE(atOnce.isModified());
        EXPECT_FALSE(hasExpandedCategory(atOnce.list()));

        // Expanding all again brings every line back where it stood.
        ArchiveSide back(ui);
        back.list() = listOf(c.words);
        back.expandAllCategories();
        const std::vector<std::string> expanded = wordsOf(back.list());
        back.collapseAllCategories();
        back.expandAllCategories();
        EXPECT_EQ(wordsOf(back.list()), expanded);
    }
}

// A selection follows its lines; a line that goes into hiding hands its place to its category,
// and the trailing line stays the trailing line.
TEST(ArchiveCollapseAll, SelectionFollowsItsLines) {
    const std::vector<std::string> words = {"Loose", "#Pop", "R1",    "R2", "+Rock",
                                            "R3",    "R4",   "#Jazz", "R5"};
    // Shown collapsed: Loose #Pop +Rock R3 R4 #Jazz (trailing 6).
    // Shown expanded:  Loose +Pop R1 R2 +Rock R3 R4 +Jazz R5 (trailing 9).
    struct Case {
        const char* name;
        bool expand;
        ListSelection before;
        ListSelection after;
    };
    const Case cases[] = {
        {"expand: a line after collapsed categories moves down", true, ListSelection::of({3}),
         ListSelection::of({5})},
        {"expand: categories and the loose line", true, ListSelection::of({0, 1, 2, 5}),
         ListSelection::of({0, 1, 4, 7})},
        {"expand: the trailing line", true, ListSelection::single(6), ListSelection::single(9)},
        {"collapse after expanding: hidden lines select their category", false,
         ListSelection::of({2, 3, 6}), ListSelection::of({1, 2})},
        {"collapse after expanding: loose line, category and trailing line", false,
         ListSelection::of({0, 7, 9}), ListSelection::of({0, 3, 4})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ui;
        ArchiveSide side(ui);
        side.list() = listOf(words);
        if (!c.expand)
            side.expandAllCategories();
        ListSelection selection = c.before;
        if (c.expand)
            side.expandAllCategories(&selection);
        else
            side.collapseAllCategories(&selection);
        EXPECT_EQ(selection.lines, c.after.lines);
        EXPECT_EQ(selection.caret, c.after.caret);
    }
}

TEST(ArchiveCollapseAll, TellsWhatExpandAndCollapseWouldChange) {
    struct Case {
        std::vector<std::string> words;
        bool collapsed;
        bool expanded;
    };
    const Case cases[] = {
        {{}, false, false},
        {{"+Empty", "#AlsoEmpty"}, false, false},
        {{"#Pop", "R1"}, true, false},
        {{"+Pop", "R1"}, false, true},
        {{"+Pop", "R1", "#Rock", "R2"}, true, true},
        {{"Loose", "+Pop"}, false, false},
    };
    for (const Case& c : cases) {
        const ArchiveList list = listOf(c.words);
        EXPECT_EQ(hasCollapsedCategory(list), c.collapsed) << c.words.size();
        EXPECT_EQ(hasExpandedCategory(list), c.expanded) << c.words.size();
    }
}
