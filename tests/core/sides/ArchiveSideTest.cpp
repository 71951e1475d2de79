#include "core/sides/ArchiveSide.h"

#include "RegListTestData.h"
#include "ScriptedInteraction.h"
#include "TempFolder.h"

#include "core/files/ArchiveFile.h"

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

namespace {

using Kind = ScriptedInteraction::Kind;

// An archive side working on files in a temporary folder.
class ArchiveFilesTest : public ArchiveSideTest {
protected:
    // Writes a small archive: Pop with a bank title line and two registrations, and an empty
    // category.
    std::string makeArchive(const std::string& name) {
        ArchiveEntry pop = ArchiveEntry::category("Pop");
        pop.hiddenChildren = {RegEntry::bankLine("Ballads"), namedLine("Slow"), namedLine("Fast")};
        const std::string path = dir.file(name);
        EXPECT_FALSE(writeArchiveFile(path, {pop, ArchiveEntry::category("Empty")}));
        return path;
    }
    void useRecent(std::vector<std::string> paths) {
        Settings settings;
        for (size_t i = 0; i < paths.size(); ++i)
            settings.lastOpenArch[i] = paths[i];
        side.loadSettings(settings);
    }
    std::vector<std::string> recent() const { return side.recentArchives().used(); }

    TempFolder dir;
};

} // namespace

TEST_F(ArchiveFilesTest, OpenReadsTheFileCollapsed) {
    const std::string path = makeArchive("a.yra");
    ui.fileChosen(path);
    side.openArchive();
    ASSERT_TRUE(side.isOpen());
    EXPECT_FALSE(side.isUntitled());
    EXPECT_FALSE(side.isModified());
    EXPECT_EQ(side.currentPath(), path);
    EXPECT_EQ(shown(side), (Lines{"#Pop", "#Empty"}));
    EXPECT_FALSE(side.list()[0].expanded);
    EXPECT_TRUE(side.list()[1].expanded); // nothing to hide
    EXPECT_EQ(side.countText(), "2");
    EXPECT_EQ(side.lastCategoryIndex(), 1);
    EXPECT_EQ(recent(), (Lines{path}));
    EXPECT_EQ(side.recentArchiveComboSelection(), 0);

    ASSERT_EQ(ui.events().size(), 1u);
    const FileDialogRequest& f = ui.events()[0].file;
    EXPECT_EQ(ui.events()[0].kind, Kind::OpenFile);
    EXPECT_EQ(f.caption, &msg::OpenArchiveCaption);
    EXPECT_EQ(std::string(f.caption->de), "Yamaha Registration Archiv öffnen ");
    EXPECT_EQ(f.defaultExtension, "yra");
    EXPECT_FALSE(f.overwritePrompt);
    EXPECT_EQ(ui.busyDepth(), 0);
    EXPECT_GE(ui.busyScopes(), 1);
}

TEST_F(ArchiveFilesTest, FailedReadLeavesItClosedAndOffTheRecentList) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes; // nothing: the file does not exist
        const Message* first;
    };
    const std::string magic = "QZ9000REGARCHIVE";
    std::vector<uint8_t> header(magic.begin(), magic.end());
    header.push_back(0);
    std::vector<uint8_t> badTag = header;
    badTag.insert(badTag.end(), {0x02, 'C', 0x00, 0x04});
    std::vector<uint8_t> badMagic = header;
    badMagic[16] = 'x';
    const Case cases[] = {
        {"missing", {}, &msg::ErrorOpeningFile},
        {"unknown tag", badTag, &msg::InvalidArchiveData},
        {"not an archive", badMagic, &msg::NotAnArchive},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string good = makeArchive("good.yra");
        const std::string bad = dir.file(std::string(c.name) + ".yra");
        if (!c.bytes.empty())
            TempFolder::write(bad, c.bytes);
        useRecent({bad, good});
        side.readArchive(good);
        ui.clearEvents();
        side.selectRecentArchive(1); // the bad one, now second
        EXPECT_FALSE(side.isOpen());
        EXPECT_TRUE(side.list().empty());
        EXPECT_EQ(side.currentPath(), "");
        EXPECT_EQ(side.countText(), "");
        EXPECT_EQ(recent(), (Lines{good}));
        ASSERT_FALSE(ui.messageIds().empty());
        EXPECT_EQ(ui.messageIds()[0], c.first);
    }
}

TEST_F(ArchiveFilesTest, RecentListOrderOnSaving) {
    const std::string a = makeArchive("a.yra");
    const std::string b = makeArchive("b.yra");
    useRecent({a, b});
    side.readArchive(b);
    EXPECT_EQ(recent(), (Lines{b, a}));
    side.readArchive(a);
    EXPECT_EQ(recent(), (Lines{a, b}));

    side.setModified();
    side.saveArchive(); // same name: order unchanged
    EXPECT_FALSE(side.isModified());
    EXPECT_EQ(recent(), (Lines{a, b}));

    const std::string c = dir.file("c.yra");
    ui.fileChosen(c);
    side.saveArchiveAs(); // new name: to the front
    EXPECT_EQ(side.currentPath(), c);
    EXPECT_EQ(recent(), (Lines{c, a, b}));
    EXPECT_TRUE(TempFolder::exists(c));
    EXPECT_EQ(TempFolder::read(c), TempFolder::read(a));
    EXPECT_EQ(ui.events().back().file.caption, &msg::SaveArchiveCaption);
    EXPECT_EQ(ui.events().back().file.initialPath, a);
    EXPECT_TRUE(ui.events().back().file.overwritePrompt);

    ui.fileChosen(b);
    side.saveArchiveAs(); // an older name: to the front as well
    EXPECT_EQ(recent(), (Lines{b, c, a}));
    Settings stored;
    side.storeSettings(stored);
    EXPECT_EQ(stored.lastOpenArch[0], b);
    EXPECT_EQ(stored.lastOpenArch[3], "");
}

TEST_F(ArchiveFilesTest, SavingKeepsTheDisplayAndWritesCollapsedAndExpandedAlike) {
    const std::string a = makeArchive("a.yra");
    side.readArchive(a);
    const std::vector<uint8_t> original = TempFolder::read(a);
    side.expandCategory(0);
    side.setModified();
    side.saveArchive();
    EXPECT_EQ(TempFolder::read(a), original);
    EXPECT_TRUE(side.list()[0].expanded);
    EXPECT_EQ(shown(side), (Lines{"#Pop", "[Ballads]", "Slow", "Fast", "#Empty"}));
}

TEST_F(ArchiveFilesTest, ChoosingTheOpenArchiveDoesNothing) {
    const std::string a = makeArchive("a.yra");
    const std::string b = makeArchive("b.yra");
    useRecent({a, b});
    side.readArchive(a);
    side.expandCategory(0);
    ui.clearEvents();
    side.selectRecentArchive(0);
    EXPECT_TRUE(side.list()[0].expanded); // not read again
    EXPECT_TRUE(ui.events().empty());

    // Another archive while this one is modified: the question comes first.
    side.setModified();
    ui.answer(Answer::Cancel);
    side.selectRecentArchive(1);
    EXPECT_EQ(side.currentPath(), a);
    ui.answer(Answer::No);
    side.selectRecentArchive(1);
    EXPECT_EQ(side.currentPath(), b);
    EXPECT_FALSE(side.isModified());
    side.selectRecentArchive(5); // no such entry
    side.selectRecentArchive(-1);
    EXPECT_EQ(side.currentPath(), b);
    EXPECT_TRUE(ui.scriptUsedUp());
}

TEST_F(ArchiveFilesTest, SaveChangesYesSavesATitledArchive) {
    const std::string a = makeArchive("a.yra");
    side.readArchive(a);
    side.newCategory(2, "Added");
    ui.answer(Answer::Yes);
    side.closeArchive();
    EXPECT_FALSE(side.isOpen());
    side.readArchive(a);
    EXPECT_EQ(shown(side), (Lines{"#Pop", "#Empty", "#Added"}));
}

TEST_F(ArchiveFilesTest, StartUpReopensTheMostRecentArchive) {
    const std::string a = makeArchive("a.yra");
    useRecent({a});
    side.reopenMostRecentArchive();
    EXPECT_TRUE(side.isOpen());
    EXPECT_EQ(side.currentPath(), a);

    ScriptedInteraction quiet;
    ArchiveSide fresh(quiet);
    fresh.reopenMostRecentArchive(); // no recent archive
    EXPECT_FALSE(fresh.isOpen());
    EXPECT_TRUE(quiet.events().empty());

    useRecent({dir.file("gone.yra")});
    side.closeArchive();
    side.reopenMostRecentArchive();
    EXPECT_FALSE(side.isOpen());
    EXPECT_TRUE(recent().empty());
}

TEST_F(ArchiveFilesTest, FailedWriteKeepsTheFlags) {
    side.newArchive();
    side.newCategory(0, "Only");
    const std::string target = dir.file("missing-folder/x.yra");
    ui.fileChosen(target);
    side.saveArchiveAs();
    EXPECT_TRUE(side.isUntitled());
    EXPECT_TRUE(side.isModified());
    EXPECT_EQ(side.currentPath(), ""); // the pane takes a name only once it is written
    EXPECT_TRUE(recent().empty());
    ASSERT_FALSE(ui.messageIds().empty());
    EXPECT_EQ(ui.messageIds().back(), &msg::ErrorSavingArchive);
}

TEST_F(ArchiveFilesTest, FailedSaveAsKeepsThePaneOnItsFile) {
    const std::string a = makeArchive("a.yra");
    useRecent({a});
    side.readArchive(a);
    side.newCategory(2, "Added");
    ASSERT_TRUE(side.isModified());
    ui.clearEvents();

    std::filesystem::create_directory(dir.file("folder.yra"));
    for (const std::string& target : {dir.file("missing-folder/x.yra"), dir.file("folder.yra")}) {
        SCOPED_TRACE(target);
        ui.fileChosen(target);
        side.saveArchiveAs();
        ASSERT_FALSE(ui.messageIds().empty());
        EXPECT_EQ(ui.messageIds().back(), &msg::ErrorSavingArchive);
        EXPECT_EQ(side.currentPath(), a);
        EXPECT_TRUE(side.isModified());
        EXPECT_FALSE(side.isUntitled());
        EXPECT_EQ(recent(), (Lines{a}));
    }

    // Save still writes the file the pane came from.
    side.saveArchive();
    EXPECT_FALSE(side.isModified());
    side.readArchive(a);
    EXPECT_EQ(shown(side), (Lines{"#Pop", "#Empty", "#Added"}));
    EXPECT_TRUE(ui.scriptUsedUp());
}
