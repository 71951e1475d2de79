// The edit history's rules: modified flags and the save-changes prompts, what a replaced document
// drops, the bound, a step that no longer fits, the categories' expanded state and selections,
// and the step names in both languages.

#include "core/commands/EditHistory.h"
#include "core/commands/ListCommands.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"

#include "ListOperationsTestData.h"
#include "ScriptedEntryDialogs.h"
#include "ScriptedInteraction.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>

using namespace tombrel;
using namespace tombrel::test;

namespace {

class EditHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegSideOptions options;
        options.backupStructure = false;
        reg.setOptions(options);
        regPath = folder.file("REG.bup");
        archivePath = folder.file("live.yra");
        ASSERT_FALSE(writeRegBackupFile(regPath, threeBanks(), KeyboardModel::Psr9000));
        ASSERT_TRUE(reg.readRegBackup(regPath));
        arch.newArchive();
        arch.list() = {categoryLine("Pop"), regLine("p1"), regLine("p2"), categoryLine("Jazz"),
                       regLine("j1")};
        arch.recomputeLastCategoryIndex();
        ASSERT_TRUE(arch.writeArchive(archivePath));
        ASSERT_TRUE(arch.readArchive(archivePath));
        for (int i = static_cast<int>(arch.list().size()) - 1; i >= 0; --i) {
            if (arch.list()[static_cast<size_t>(i)].isCategory && !arch.list()[i].expanded)
                arch.toggleCategory(i); // both categories open
        }
        ASSERT_EQ(archiveSummary(arch.list()), (Lines{"#Pop", "p1", "p2", "#Jazz", "j1"}));
    }

    // Delete of the given registration lines (more than one is confirmed).
    bool deleteReg(std::initializer_list<int> lines) {
        regSel = ListSelection::of(lines);
        if (lines.size() > 1)
            ui.answerYesNo(true);
        return history.record({StepKind::Delete, static_cast<int>(lines.size())}, RegistrationPane,
                              regSel, archSel, [&] { deleteRegLines(reg, regSel, false, ui); });
    }
    // Delete of archive lines; `asked` when the archive asks first (categories, several lines).
    bool deleteArchive(std::initializer_list<int> lines, bool asked = false) {
        archSel = ListSelection::of(lines);
        if (asked || lines.size() > 1)
            ui.answerYesNo(true);
        return history.record({StepKind::Delete, static_cast<int>(lines.size())}, ArchivePane,
                              regSel, archSel, [&] { deleteArchiveLines(arch, archSel, ui); });
    }
    bool copyToArchive(std::initializer_list<int> lines, int at) {
        regSel = ListSelection::of(lines);
        archSel = ListSelection::single(at);
        return history.record(
            {StepKind::CopyToArchive, static_cast<int>(lines.size())}, BothPanes, regSel, archSel,
            [&] { transferToArchive(reg, regSel, arch, archSel, TransferMode::Copy); });
    }
    bool undo() { return history.undo(regSel, archSel).has_value(); }
    bool redo() { return history.redo(regSel, archSel).has_value(); }

    // Close asks the save-changes question exactly when the pane is modified; the question is
    // answered No so that the pane closes either way.
    bool closeRegAsks() {
        ui.clearEvents();
        if (reg.isModified())
            ui.answer(Answer::No);
        reg.closeRegBackup();
        return !ui.events().empty();
    }

    TempFolder folder;
    std::string regPath;
    std::string archivePath;
    ScriptedInteraction ui;
    RegistrationSide reg{ui};
    ArchiveSide arch{ui};
    EditHistory history{reg, arch};
    ListSelection regSel;
    ListSelection archSel;
};

TEST_F(EditHistoryTest, ChangeThenUndoLeavesNothingToSave) {
    ASSERT_TRUE(deleteReg({2, 3}));
    EXPECT_TRUE(reg.isModified());
    ASSERT_TRUE(undo());
    EXPECT_FALSE(reg.isModified());
    EXPECT_FALSE(closeRegAsks());
}

TEST_F(EditHistoryTest, ChangeSaveUndoAsksAgain) {
    ASSERT_TRUE(deleteReg({2}));
    ASSERT_TRUE(reg.saveRegBackupTo(regPath));
    history.paneSaved(RegistrationPane);
    EXPECT_FALSE(reg.isModified());
    ASSERT_TRUE(undo());
    EXPECT_TRUE(reg.isModified()); // the file now holds the change
    ASSERT_TRUE(redo());
    EXPECT_FALSE(reg.isModified());
    ASSERT_TRUE(undo());
    EXPECT_TRUE(closeRegAsks());
}

TEST_F(EditHistoryTest, CommandThatChangesNothingLeavesThePaneUnmodified) {
    // Edit Entry with OK and nothing typed marks the pane, yet it still equals its file.
    ScriptedEntryDialogs dialogs;
    dialogs.edit(EditEntryResult::Ok);
    regSel = ListSelection::single(1);
    EXPECT_FALSE(history.record({StepKind::EditEntry, 1}, RegistrationPane, regSel, archSel,
                                [&] { editRegLine(reg, regSel, dialogs); }));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(reg.isModified());
}

TEST_F(EditHistoryTest, StepsOfTheOtherPaneOutliveAReplacedDocument) {
    ASSERT_TRUE(deleteArchive({1}));    // archive only
    ASSERT_TRUE(copyToArchive({1}, 0)); // both panes
    ASSERT_TRUE(deleteReg({5}));        // registrations only
    ASSERT_TRUE(deleteArchive({2}));    // archive only, to be undone
    ASSERT_TRUE(undo());
    ASSERT_TRUE(history.canRedo());

    // Opening the registration file again drops the steps that touch the registrations and
    // everything older; the archive step to redo stays.
    ASSERT_TRUE(reg.readRegBackup(regPath));
    history.paneReplaced(RegistrationPane);
    EXPECT_EQ(history.undoCount(), 0u);
    EXPECT_EQ(history.redoCount(), 1u);
    EXPECT_FALSE(reg.isModified());
    EXPECT_TRUE(arch.isModified());
    ASSERT_TRUE(redo());
    EXPECT_EQ(history.undoName(), (StepName{StepKind::Delete, 1}));
}

TEST_F(EditHistoryTest, AStepToRedoOnAReplacedPaneGoesWithEverythingAfterIt) {
    ASSERT_TRUE(deleteArchive({1}));
    ASSERT_TRUE(deleteReg({2}));
    ASSERT_TRUE(deleteArchive({1}));
    ASSERT_TRUE(undo());
    ASSERT_TRUE(undo());   // the registration step and the archive step after it wait to be redone
    ui.answer(Answer::No); // do not save the changes
    arch.closeArchive();
    arch.newArchive();
    history.paneReplaced(ArchivePane);
    // The archive's steps are gone; the registration step to redo needs nothing of them.
    EXPECT_EQ(history.undoCount(), 0u);
    EXPECT_EQ(history.redoCount(), 1u);
    ASSERT_TRUE(redo());
    EXPECT_TRUE(reg.isModified());
    EXPECT_FALSE(arch.isModified());
}

TEST_F(EditHistoryTest, AStepIsNeverAppliedToAnotherDocument) {
    ASSERT_TRUE(deleteReg({2}));
    // The list is replaced without the history being told.
    reg.lines() = threeBanks();
    reg.lines()[10].record.setTitle("Other");
    const RegList replaced = reg.lines();
    EXPECT_FALSE(undo());
    EXPECT_TRUE(sameContent(reg.lines(), replaced));
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(reg.isModified()); // its file state is out of reach
}

TEST_F(EditHistoryTest, SaveAsKeepsTheStepsAndAnotherListInTheSamePlaceDropsThem) {
    ASSERT_TRUE(deleteReg({2}));
    ASSERT_TRUE(deleteArchive({1}));
    ASSERT_TRUE(reg.saveRegBackupTo(folder.file("REG2.bup")));
    EXPECT_FALSE(history.dropStepsThatNoLongerFit(RegistrationPane));
    EXPECT_EQ(history.undoCount(), 2u);

    // Another file read into the list the pane keeps: its lines tell.
    RegList other = threeBanks();
    other[3].record.setTitle("Else");
    reg.lines() = other;
    EXPECT_TRUE(history.dropStepsThatNoLongerFit(RegistrationPane));
    EXPECT_EQ(history.undoCount(), 1u); // the registration step went, the later archive one stays
    EXPECT_FALSE(history.dropStepsThatNoLongerFit(ArchivePane));
    EXPECT_TRUE(undo());
}

TEST_F(EditHistoryTest, TheOldestStepsGoAtTheBound) {
    EditHistory small(reg, arch, HistoryLimits{2, size_t{1} << 30});
    const auto del = [&](int line) {
        regSel = ListSelection::single(line);
        return small.record({StepKind::Delete, 1}, RegistrationPane, regSel, archSel,
                            [&] { deleteRegLines(reg, regSel, false, ui); });
    };
    ASSERT_TRUE(del(1));
    ASSERT_TRUE(del(1));
    ASSERT_TRUE(del(1));
    EXPECT_EQ(small.undoCount(), 2u);
    ASSERT_TRUE(small.undo(regSel, archSel));
    ASSERT_TRUE(small.undo(regSel, archSel));
    EXPECT_FALSE(small.canUndo());
    // The file's state went with the first step: the pane stays modified.
    EXPECT_TRUE(reg.isModified());

    // A byte bound keeps at least the newest step.
    EditHistory tiny(reg, arch, HistoryLimits{1000, 1});
    regSel = ListSelection::single(2);
    ASSERT_TRUE(tiny.record({StepKind::Delete, 1}, RegistrationPane, regSel, archSel,
                            [&] { deleteRegLines(reg, regSel, false, ui); }));
    regSel = ListSelection::single(2);
    ASSERT_TRUE(tiny.record({StepKind::Delete, 1}, RegistrationPane, regSel, archSel,
                            [&] { deleteRegLines(reg, regSel, false, ui); }));
    EXPECT_EQ(tiny.undoCount(), 1u);
    EXPECT_GT(tiny.bytes(), 0u);
}

TEST_F(EditHistoryTest, UndoPutsBackLinesSelectionAndCollapsedCategories) {
    const ArchiveList original = arch.list();
    archSel = ListSelection::of({1, 2});
    ASSERT_TRUE(deleteArchive({1, 2}));
    ASSERT_EQ(archiveSummary(arch.list()), (Lines{"#Pop", "#Jazz", "j1"}));
    const ListSelection afterDelete = archSel;
    // Collapsing is no step; Undo opens the category again as it was.
    ASSERT_TRUE(arch.toggleCategory(1));
    EXPECT_EQ(history.undoCount(), 1u);
    ASSERT_TRUE(undo());
    EXPECT_EQ(archiveSummary(arch.list()), (Lines{"#Pop", "p1", "p2", "#Jazz", "j1"}));
    EXPECT_EQ(archSel, ListSelection::of({1, 2}));
    EXPECT_EQ(buildArchiveImage(arch.list()), buildArchiveImage(original));
    EXPECT_EQ(arch.countText(), "3");
    ASSERT_TRUE(redo());
    EXPECT_EQ(archSel, afterDelete);
    EXPECT_EQ(archiveSummary(arch.list()), (Lines{"#Pop", "#Jazz", "j1"}));
}

TEST_F(EditHistoryTest, DeletingACollapsedCategoryKeepsItsHiddenLines) {
    ASSERT_TRUE(arch.toggleCategory(0)); // Pop collapsed with p1 and p2
    ASSERT_TRUE(deleteArchive({0}, true));
    ASSERT_EQ(archiveSummary(arch.list()), (Lines{"#Jazz", "j1"}));
    ASSERT_TRUE(undo());
    EXPECT_EQ(archiveSummary(arch.list()), (Lines{"#Pop+", "#Jazz", "j1"}));
    EXPECT_EQ(entrySummary(arch.list()[0].hiddenChildren), (Lines{"p1", "p2"}));
}

TEST_F(EditHistoryTest, OnlyExpandingIsNoStep) {
    // Sorting an empty collapsed category only opens it: nothing the file holds changes.
    arch.list().push_back(ArchiveEntry::category("Empty"));
    arch.recomputeLastCategoryIndex();
    archSel = ListSelection::single(5);
    EXPECT_FALSE(history.record({StepKind::SortCategory, 0}, ArchivePane, regSel, archSel,
                                [&] { arch.sortCategory(5); }));
    EXPECT_FALSE(history.canUndo());
}

TEST_F(EditHistoryTest, AStepAcrossBothPanesUndoesBoth) {
    ASSERT_TRUE(copyToArchive({1, 2}, 3));
    EXPECT_EQ(history.undoName(), (StepName{StepKind::CopyToArchive, 2}));
    EXPECT_TRUE(arch.isModified());
    EXPECT_FALSE(reg.isModified());
    regSel = ListSelection::single(1);
    ui.answerYesNo(true); // the padded backup is full: the move asks before it overfills it
    ASSERT_TRUE(history.record({StepKind::MoveToRegistration, 1}, BothPanes, regSel, archSel, [&] {
        archSel = ListSelection::single(1);
        transferToRegistrations(arch, archSel, reg, regSel, TransferMode::Move, ui);
    }));
    const std::optional<HistoryMove> move = history.undo(regSel, archSel);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->panes, unsigned{BothPanes});
    ASSERT_TRUE(undo());
    EXPECT_FALSE(reg.isModified());
    EXPECT_FALSE(arch.isModified());
    EXPECT_EQ(archiveSummary(arch.list()), (Lines{"#Pop", "p1", "p2", "#Jazz", "j1"}));
}

TEST(EditStepNameTest, EveryKindIsNamedInBothLanguages) {
    struct Case {
        StepName name;
        const char* en;
        const char* de;
    };
    const Case cases[] = {
        {{StepKind::NewBank}, "Undo New Bank", "Rückgängig: Neue Bank"},
        {{StepKind::NewEntry}, "Undo New Entry", "Rückgängig: Neuer Eintrag"},
        {{StepKind::Delete, 3}, "Undo Delete 3 entries", "Rückgängig: 3 Einträge löschen"},
        {{StepKind::Delete, 1}, "Undo Delete 1 entry", "Rückgängig: 1 Eintrag löschen"},
        {{StepKind::Up}, "Undo Move entry up", "Rückgängig: Eintrag nach oben schieben"},
        {{StepKind::Down}, "Undo Move entry down", "Rückgängig: Eintrag nach unten schieben"},
        {{StepKind::EditEntry, 1}, "Undo Edit Entry", "Rückgängig: Eintrag bearbeiten"},
        {{StepKind::BankTitle, 1}, "Undo Edit Bank Title", "Rückgängig: Bank-Titel bearbeiten"},
        {{StepKind::MultiChange, 12},
         "Undo Multi Change of 12 entries",
         "Rückgängig: Mehrfachänderung von 12 Einträgen"},
        {{StepKind::NewCategory}, "Undo New Category", "Rückgängig: Neue Kategorie"},
        {{StepKind::EditCategory}, "Undo Edit Category", "Rückgängig: Kategorie bearbeiten"},
        {{StepKind::SortCategory}, "Undo Sort Category", "Rückgängig: Kategorie sortieren"},
        {{StepKind::CopyToArchive, 2},
         "Undo Copy 2 entries to the archive",
         "Rückgängig: 2 Einträge ins Archiv kopieren"},
        {{StepKind::MoveToArchive, 1},
         "Undo Move 1 entry to the archive",
         "Rückgängig: 1 Eintrag ins Archiv verschieben"},
        {{StepKind::CopyToRegistration, 4},
         "Undo Copy 4 entries to the registration",
         "Rückgängig: 4 Einträge in die Registration kopieren"},
        {{StepKind::MoveToRegistration, 5},
         "Undo Move 5 entries to the registration",
         "Rückgängig: 5 Einträge in die Registration verschieben"},
        {{StepKind::UpdateStyles}, "Undo Update Styles", "Rückgängig: Styles aktualisieren"},
        {{StepKind::DragMove, 3}, "Undo Move 3 entries", "Rückgängig: 3 Einträge verschieben"},
        {{StepKind::DragCopy, 1}, "Undo Copy 1 entry", "Rückgängig: 1 Eintrag kopieren"},
        {{StepKind::Paste, 2}, "Undo Paste 2 entries", "Rückgängig: 2 Einträge einfügen"},
        {{StepKind::Cut, 1}, "Undo Cut 1 entry", "Rückgängig: 1 Eintrag ausschneiden"},
    };
    std::set<StepKind> named;
    for (const Case& c : cases) {
        EXPECT_EQ(undoToolTip(c.name, Language::English), c.en);
        EXPECT_EQ(undoToolTip(c.name, Language::German), c.de);
        named.insert(c.name.kind);
    }
    EXPECT_EQ(named.size(), static_cast<size_t>(kStepKindCount));
    EXPECT_EQ(redoToolTip(StepName{StepKind::Delete, 3}, Language::English),
              "Redo Delete 3 entries");
    EXPECT_EQ(redoToolTip(StepName{StepKind::Delete, 3}, Language::German),
              "Wiederholen: 3 Einträge löschen");
    EXPECT_EQ(undoToolTip(std::nullopt, Language::German), "Nichts rückgängig zu machen");
    EXPECT_EQ(redoToolTip(std::nullopt, Language::English), "Nothing to redo");
}

} // namespace
