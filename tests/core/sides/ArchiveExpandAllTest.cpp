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
