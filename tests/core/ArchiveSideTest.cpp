#include "core/ArchiveSide.h"

#include "RegListTestData.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

ArchiveEntry cat(const std::string& name, bool expanded = true) {
    ArchiveEntry e = ArchiveEntry::category(name);
    e.expanded = expanded;
    return e;
}
ArchiveEntry bank(const std::string& title) {
    return ArchiveEntry(RegEntry::bankLine(title));
}
ArchiveEntry reg(const std::string& title, bool active = true) {
    return ArchiveEntry(namedLine(title, active));
}

// The display list as text, category lines marked with '#', bank title lines with brackets.
std::vector<std::string> shown(const ArchiveSide& side) {
    std::vector<std::string> out;
    for (const ArchiveEntry& e : side.list()) {
        if (e.isCategory)
            out.push_back("#" + e.categoryName);
        else if (e.isBankLine)
            out.push_back("[" + e.bankTitle + "]");
        else
            out.push_back(e.record.title());
    }
    return out;
}

std::vector<std::string> hidden(const ArchiveEntry& category) {
    std::vector<std::string> out;
    for (const RegEntry& e : category.hiddenChildren)
        out.push_back(e.isBankLine ? "[" + e.bankTitle + "]" : e.record.title());
    return out;
}

using Lines = std::vector<std::string>;

class ArchiveSideTest : public ::testing::Test {
protected:
    // A new (untitled) archive holding `lines`.
    void start(ArchiveList lines) {
        side.setModified(false); // no question about the previous content
        side.newArchive();
        side.list() = std::move(lines);
        side.recomputeLastCategoryIndex();
    }

    ScriptedInteraction ui;
    ArchiveSide side{ui};
};

} // namespace

TEST_F(ArchiveSideTest, LineTexts) {
    start({cat("Pop"), bank("Ballads"), reg("Slow  "), reg("Off", false)});
    EXPECT_EQ(side.lineText(0), "Pop");
    EXPECT_EQ(side.lineText(1), "Ballads");
    EXPECT_EQ(side.lineText(2), "        Slow");
    EXPECT_EQ(side.lineText(3), "        {Off}");
    EXPECT_EQ(side.lineText(4), ""); // trailing line
}

TEST_F(ArchiveSideTest, CollapseAndExpandRestoreTheSameLines) {
    start({cat("A"), bank("X"), reg("r1"), reg("r2"), cat("B"), reg("r3")});
    const Lines before = shown(side);
    side.collapseCategory(0);
    EXPECT_EQ(shown(side), (Lines{"#A", "#B", "r3"}));
    EXPECT_EQ(hidden(side.list()[0]), (Lines{"[X]", "r1", "r2"}));
    EXPECT_FALSE(side.list()[0].expanded);
    EXPECT_EQ(side.lastCategoryIndex(), 1);
    EXPECT_EQ(side.registrationCount(), 3);
    side.collapseCategory(1); // the last category: its lines run to the end
    EXPECT_EQ(shown(side), (Lines{"#A", "#B"}));
    EXPECT_EQ(side.registrationCount(), 3);
    side.expandCategory(0);
    side.expandCategory(4);
    EXPECT_EQ(shown(side), before);
    EXPECT_TRUE(side.list()[0].hiddenChildren.empty());
    EXPECT_FALSE(side.isModified()); // the file does not store it
}

TEST_F(ArchiveSideTest, ExpandPutsHiddenChildrenBeforeLinesAddedAfterACollapsedLastCategory) {
    ArchiveEntry last = cat("Last", false);
    last.hiddenChildren = {namedLine("old")};
    start({std::move(last), reg("added")});
    side.expandCategory(0);
    EXPECT_EQ(shown(side), (Lines{"#Last", "old", "added"}));
}

TEST_F(ArchiveSideTest, TreeFlagsOfEachKindOfLine) {
    ArchiveEntry collapsed = cat("B", false);
    collapsed.hiddenChildren = {namedLine("h")};
    start({cat("A"), bank("X"), reg("r1"), std::move(collapsed), cat("C"), cat("D"), reg("r4")});
    struct Case {
        int index;
        unsigned flags;
        bool toggles;
    };
    const Case cases[] = {
        {0, 0x1250, true},  // expanded with children, first line
        {1, 0x2000, false}, // child followed by a child
        {2, 0x2001, false}, // last child before a category
        {3, 0x1100, true},  // collapsed with hidden children
        {4, 0x1000, false}, // empty category: no box
        {5, 0x1260, true},  // the last category, expanded
        {6, 0x2021, false}, // last line, below the last category
        {7, 0, false},      // trailing line
        {-1, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(side.treeFlags(c.index), c.flags) << c.index;
        EXPECT_EQ(side.canToggle(c.index), c.toggles) << c.index;
    }
}

TEST_F(ArchiveSideTest, ToggleOnlyCategoriesWithABox) {
    start({cat("A"), reg("a"), cat("Empty")});
    EXPECT_TRUE(side.toggleCategory(0));
    EXPECT_EQ(shown(side), (Lines{"#A", "#Empty"}));
    EXPECT_EQ(side.lastCategoryIndex(), 1);
    EXPECT_TRUE(side.toggleCategory(0));
    EXPECT_EQ(shown(side), (Lines{"#A", "a", "#Empty"}));
    EXPECT_FALSE(side.toggleCategory(2)); // nothing to show or hide
    EXPECT_FALSE(side.toggleCategory(1));
    EXPECT_TRUE(side.list()[2].expanded);
}

TEST_F(ArchiveSideTest, LastCategoryIndex) {
    start({});
    EXPECT_EQ(side.lastCategoryIndex(), 0);
    start({cat("A"), reg("a"), cat("B"), reg("b"), reg("c")});
    EXPECT_EQ(side.lastCategoryIndex(), 2);
}

TEST_F(ArchiveSideTest, NewCategoryPlacement) {
    struct Case {
        const char* name;
        int selected;
        Lines expected;
        int newIndex;
    };
    const Case cases[] = {
        {"trailing line appends", 5, {"#A", "a1", "a2", "#B", "b", "#New"}, 5},
        {"a category: before it", 3, {"#A", "a1", "a2", "#New", "#B", "b"}, 3},
        {"a child: after its category's last child", 1, {"#A", "a1", "a2", "#New", "#B", "b"}, 3},
        {"first line", 0, {"#New", "#A", "a1", "a2", "#B", "b"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start({cat("A"), reg("a1"), reg("a2"), cat("B"), reg("b")});
        side.setModified(false);
        EXPECT_EQ(side.newCategory(c.selected, "New"), c.newIndex);
        EXPECT_EQ(shown(side), c.expected);
        EXPECT_TRUE(side.list()[c.newIndex].expanded);
        EXPECT_TRUE(side.list()[c.newIndex].isBankLine);
        EXPECT_EQ(side.treeFlags(c.newIndex) & 0x0300u, 0u); // shown without a box
        EXPECT_TRUE(side.isModified());
    }
    start({cat("A")});
    side.setModified(false);
    EXPECT_EQ(side.newCategory(0, ""), std::nullopt);
    EXPECT_EQ(side.newCategory(2, "X"), std::nullopt);
    EXPECT_FALSE(side.isModified());
    EXPECT_EQ(side.lastCategoryIndex(), 0);
    side.newCategory(1, "Z");
    EXPECT_EQ(side.lastCategoryIndex(), 1);
}

TEST_F(ArchiveSideTest, EditCategoryOnlyOnARealChange) {
    start({cat("Pop"), reg("p")});
    side.setModified(false);
    EXPECT_FALSE(side.editCategory(0, "Pop"));
    EXPECT_FALSE(side.editCategory(0, ""));
    EXPECT_FALSE(side.editCategory(1, "X"));
    EXPECT_FALSE(side.isModified());
    EXPECT_TRUE(side.editCategory(0, "POP")); // case counts
    EXPECT_EQ(side.lineText(0), "POP");
    EXPECT_TRUE(side.isModified());
}

TEST_F(ArchiveSideTest, SortCategoryGroupsByBankTitleWithoutRegardToCase) {
    RegEntry changedEmpty = RegEntry::registration(RegRecord::empty());
    changedEmpty.record.setTempo(100); // titled "<Empty>" but not an empty registration
    ArchiveEntry pop = cat("Pop", false);
    pop.hiddenChildren = {
        namedLine("Top2"),       changedEmpty,
        namedLine("Top1"),       RegEntry::bankLine("B"),
        namedLine("Zed"),        emptyRegistrationLine(),
        namedLine("Alpha"),      RegEntry::bankLine(kNoNameBankTitle),
        namedLine("Under"), // joins bank B above
        RegEntry::bankLine("a"), namedLine("Mid"),
    };
    start({std::move(pop), cat("Other"), reg("o")});
    EXPECT_EQ(side.registrationCount(), 9);
    side.setModified(false);
    ASSERT_TRUE(side.sortCategory(0));
    EXPECT_FALSE(side.list()[0].expanded);
    EXPECT_EQ(hidden(side.list()[0]),
              (Lines{"<Empty>", "Top1", "Top2", "[a]", "Mid", "[B]", "Alpha", "Under", "Zed"}));
    EXPECT_EQ(shown(side), (Lines{"#Pop", "#Other", "o"}));
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(side.countText(), "8");
    for (const RegEntry& e : side.list()[0].hiddenChildren)
        EXPECT_TRUE(e.isBankLine || e.bankTitle.empty()); // the sort key does not stay behind
}

TEST_F(ArchiveSideTest, SortCategoryFollowsTheShellSortForEqualKeys) {
    // Abc and ABC compare equal; this procedure puts ABC first here, where a stable sort would
    // keep Abc first.
    start({cat("C"), reg("Abc"), reg("ABC"), reg("Bob"), reg("Zed"), reg("Aaa"), cat("D")});
    ASSERT_TRUE(side.sortCategory(0));
    EXPECT_TRUE(side.list()[0].expanded); // expanded before, expanded after
    EXPECT_EQ(shown(side), (Lines{"#C", "Aaa", "ABC", "Abc", "Bob", "Zed", "#D"}));
    EXPECT_EQ(side.lastCategoryIndex(), 6);
}

TEST_F(ArchiveSideTest, SortCategoryComparesStoredTitleBytes) {
    // Bank titles first, then the titles' first 16 bytes; "_" sorts before letters.
    EXPECT_LT(compareSortKeys("", "Zed", "a", "Abc"), 0);
    EXPECT_EQ(compareSortKeys("piano", "ABC", "PIANO", "abc"), 0);
    EXPECT_LT(compareSortKeys("x", "_a", "x", "a"), 0);
    EXPECT_LT(compareSortKeys("x", "Ab", "x", "Ab "), 0);
    EXPECT_EQ(compareSortKeys("", "\xE4rger", "", "\xC4RGER"), 0); // ä and Ä
}

TEST_F(ArchiveSideTest, SortingAwayEveryChildLeavesAnEmptyExpandedCategory) {
    ArchiveEntry c = cat("C", false);
    c.hiddenChildren = {RegEntry::bankLine("B"), emptyRegistrationLine()};
    start({std::move(c)});
    ASSERT_TRUE(side.sortCategory(0));
    EXPECT_TRUE(side.list()[0].expanded);
    EXPECT_TRUE(side.list()[0].hiddenChildren.empty());
    EXPECT_EQ(side.countText(), "0");
    EXPECT_FALSE(side.sortCategory(1));
}

TEST_F(ArchiveSideTest, NewArchiveIsOpenUntitledAndEmpty) {
    side.newArchive();
    EXPECT_TRUE(side.isOpen());
    EXPECT_TRUE(side.isUntitled());
    EXPECT_FALSE(side.isModified());
    EXPECT_TRUE(side.list().empty());
    EXPECT_EQ(side.countText(), "");
    EXPECT_EQ(side.currentPath(), "");
    EXPECT_TRUE(ui.events().empty()); // nothing to ask about
}

TEST_F(ArchiveSideTest, SaveChangesQuestion) {
    struct Case {
        const char* name;
        Answer answer;
        bool allowed;
    };
    const Case cases[] = {
        {"Yes, but Save As is cancelled", Answer::Yes, false},
        {"No drops the changes", Answer::No, true},
        {"Cancel", Answer::Cancel, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction script;
        ArchiveSide s(script);
        s.newArchive();
        s.setModified();
        script.answer(c.answer);
        if (c.answer == Answer::Yes)
            script.fileDialogCancelled();
        EXPECT_EQ(s.askSaveArchiveChanges(), c.allowed);
        EXPECT_TRUE(script.scriptUsedUp());
        ASSERT_FALSE(script.messageIds().empty());
        EXPECT_EQ(script.messageIds()[0], &msg::ArchiveChanged);
        EXPECT_EQ(script.events()[0].message.text(Language::German),
                  "Das Archiv wurde geändert!\n\nÄnderungen speichern?");
        if (c.answer == Answer::Yes) {
            const FileDialogRequest& f = script.events()[1].file;
            EXPECT_EQ(script.events()[1].kind, ScriptedInteraction::Kind::SaveFile);
            EXPECT_EQ(f.caption, &msg::SaveArchiveCaption);
            EXPECT_EQ(f.filter, "Yamaha Registration Archive (*.yra)|*.yra|All Files (*.*)|*.*||");
            EXPECT_TRUE(f.overwritePrompt);
        }
    }
    side.newArchive();
    EXPECT_TRUE(side.askSaveArchiveChanges()); // not modified: no question
    EXPECT_TRUE(ui.events().empty());
}
