// The commands over both sides: flags, count texts and the keyboard model they pass on.

#include "core/commands/ListCommands.h"

#include "ListOperationsTestData.h"
#include "ScriptedEntryDialogs.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

class ListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui.keyboardChosen(KeyboardModel::Psr9000Pro);
        registrations.newRegBackup();
        registrations.lines() = threeBanks();
        registrations.refreshCountText();
        registrations.setModified(false);

        archive.newArchive();
        archive.list() = {categoryLine("Pop"), regLine("p1"), regLine("p2")};
        archive.recomputeLastCategoryIndex();
        archive.refreshCountText();
        archive.setModified(false);
    }

    ScriptedInteraction ui;
    ScriptedEntryDialogs dialogs;
    RegistrationSide registrations{ui};
    ArchiveSide archive{ui};
    ListSelection regSelection;
    ListSelection archiveSelection;
};

TEST_F(ListCommandsTest, RegistrationCommandsMarkTheSideAndCount) {
    ASSERT_EQ(registrations.countText(), "512");
    regSelection = ListSelection::single(4);
    ASSERT_TRUE(newRegBank(registrations, regSelection));
    EXPECT_TRUE(registrations.isModified());
    EXPECT_EQ(registrations.countText(), "520"); // the first bank was padded

    registrations.setModified(false);
    regSelection = ListSelection::single(1); // nothing above the first registration
    EXPECT_FALSE(moveRegLineUp(registrations, regSelection));
    EXPECT_FALSE(registrations.isModified());

    regSelection = ListSelection::of({1, 2});
    ui.answerYesNo(true);
    ASSERT_TRUE(deleteRegLines(registrations, regSelection, false, ui));
    EXPECT_TRUE(registrations.isModified());
    EXPECT_EQ(registrations.countText(), "520");
}

TEST_F(ListCommandsTest, ClosedRegistrationSideDoesNothing) {
    registrations.closeRegBackup();
    registrations.lines() = threeBanks(); // whatever the list holds, the side is closed
    regSelection = ListSelection::single(1);
    archiveSelection = ListSelection::single(1);
    EXPECT_FALSE(newRegEntry(registrations, regSelection, false));
    EXPECT_FALSE(newRegBank(registrations, regSelection));
    EXPECT_FALSE(moveRegLineDown(registrations, regSelection));
    EXPECT_FALSE(transferToArchive(registrations, regSelection, archive, archiveSelection,
                                   TransferMode::Move)
                     .archiveChanged);
    EXPECT_FALSE(transferToRegistrations(archive, archiveSelection, registrations, regSelection,
                                         TransferMode::Copy, ui)
                     .registrationsChanged);
    EXPECT_TRUE(sameContent(registrations.lines(), threeBanks()));
    EXPECT_FALSE(archive.isModified());
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(ListCommandsTest, TransfersMarkOnlyTheSidesTheyChange) {
    regSelection = ListSelection::of({1, 2});
    archiveSelection = ListSelection::single(3);
    transferToArchive(registrations, regSelection, archive, archiveSelection, TransferMode::Copy);
    EXPECT_FALSE(registrations.isModified());
    EXPECT_TRUE(archive.isModified());
    EXPECT_EQ(archive.countText(), "4");

    archive.setModified(false);
    archiveSelection = ListSelection::single(1);
    regSelection = ListSelection::single(9);
    transferToRegistrations(archive, archiveSelection, registrations, regSelection,
                            TransferMode::Copy, ui);
    EXPECT_TRUE(registrations.isModified());
    EXPECT_FALSE(archive.isModified());
    EXPECT_EQ(registrations.countText(), "520"); // p1 opened a continuation of bank One

    registrations.setModified(false);
    regSelection = ListSelection::single(1);
    archiveSelection = ListSelection::single(0);
    transferToArchive(registrations, regSelection, archive, archiveSelection, TransferMode::Move);
    EXPECT_TRUE(registrations.isModified());
    EXPECT_TRUE(archive.isModified());
}

TEST_F(ListCommandsTest, EditorsGetTheRegistrationSidesKeyboardModel) {
    regSelection = ListSelection::single(1);
    archiveSelection = ListSelection::single(1);
    dialogs.edit(EditEntryResult::Ok, [](RegRecord& r) { r.setTempo(77); });
    dialogs.edit(EditEntryResult::Ok);
    EXPECT_TRUE(editRegLine(registrations, regSelection, dialogs));
    EXPECT_TRUE(registrations.isModified());
    EXPECT_FALSE(editArchiveLine(archive, archiveSelection, registrations, dialogs));
    EXPECT_EQ(dialogs.models, (std::vector<KeyboardModel>(2, KeyboardModel::Psr9000Pro)));

    registrations.setModified(false);
    dialogs.multi([](MultiChangeForm& form) {
        EXPECT_EQ(form.model, KeyboardModel::Psr9000Pro);
        form.setField(MultiChangeField::SongVolume, true);
        form.songVolume = 64;
        return true;
    });
    EXPECT_EQ(multiChangeRegLines(registrations, ListSelection::of({1, 2}), dialogs, ui),
              MultiChangeOutcome::Applied);
    EXPECT_TRUE(registrations.isModified());
    EXPECT_EQ(registrations.lines()[2].record.songVolume(), 64);
}

TEST_F(ListCommandsTest, CommandStatesOfTheSides) {
    regSelection = ListSelection::single(1);
    archiveSelection = ListSelection::single(0);
    const CommandStates states =
        updateCommandStates(registrations, regSelection, archive, archiveSelection);
    EXPECT_FALSE(states.registration.save); // New leaves it untitled
    EXPECT_TRUE(states.registration.saveAs);
    EXPECT_TRUE(states.registration.copyToArchive);
    EXPECT_TRUE(states.archive.copyToRegistrations);
    EXPECT_TRUE(states.archive.sortCategory);

    registrations.closeRegBackup();
    const CommandStates closed =
        updateCommandStates(registrations, regSelection, archive, archiveSelection);
    EXPECT_EQ(closed.registration, RegCommandStates{});
    EXPECT_FALSE(closed.archive.copyToRegistrations);
}

} // namespace
