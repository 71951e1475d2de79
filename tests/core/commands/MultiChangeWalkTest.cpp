// Which registrations Multi Change works on, and what it does to the pane.

#include "core/commands/MultiChangeWalk.h"

#include "ListOperationsTestData.h"
#include "ScriptedEntryDialogs.h"
#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

// "Set R1-Vol.:" on with the given volume.
std::function<bool(MultiChangeForm&)> setR1Volume(int volume) {
    return [volume](MultiChangeForm& form) {
        form.setField(MultiChangeField::R1Volume, true);
        form.voice(VoicePart::R1).volume = volume;
        return true;
    };
}

std::vector<std::string> titles(const std::vector<RegRecord*>& records) {
    std::vector<std::string> out;
    for (const RegRecord* r : records)
        out.push_back(r->title());
    return out;
}

class MultiChangeWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        archive.newArchive();
        // 0 #Pop 1 [Ballads] 2 p1 3 p2 4 #Jazz+ ([Swing] j1 j2 j3) 5 #Folk 6 f1
        archive.list() = {categoryLine("Pop"),
                          bankTitleLine("Ballads"),
                          regLine("p1"),
                          regLine("p2"),
                          collapsedCategory("Jazz", {RegEntry::bankLine("Swing"), namedLine("j1"),
                                                     namedLine("j2"), namedLine("j3")}),
                          categoryLine("Folk"),
                          regLine("f1")};
        archive.recomputeLastCategoryIndex();
        archive.setModified(false);
    }

    ScriptedInteraction ui;
    ScriptedEntryDialogs dialogs;
    ArchiveSide archive{ui};
};

TEST_F(MultiChangeWalkTest, TakingPartRegistrations) {
    struct Case {
        const char* name;
        ListSelection selection;
        Lines expect;
    };
    const Case cases[] = {
        // A collapsed category stands for its registrations; its bank title line takes no part.
        {"CollapsedCategory", ListSelection::single(4), {"j1", "j2", "j3"}},
        // An expanded category's registrations are lines of their own.
        {"ExpandedCategoryLine", ListSelection::single(0), {}},
        {"InListOrder", ListSelection::of({6, 4, 2}), {"p1", "j1", "j2", "j3", "f1"}},
        {"BankTitleAndTrailingLine", ListSelection::of({1, 7}), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(titles(multiChangeRegistrations(archive.list(), c.selection)), c.expect)
            << c.name;
}

TEST_F(MultiChangeWalkTest, CollapsedCategoryChangesExactlyItsRegistrations) {
    dialogs.multi(setR1Volume(50));
    ASSERT_EQ(multiChangeArchiveLines(archive, ListSelection::single(4), KeyboardModel::Psr9000,
                                      dialogs, ui),
              MultiChangeOutcome::Applied);
    EXPECT_TRUE(archive.isModified());
    for (const RegEntry& child : archive.list()[4].hiddenChildren) {
        if (!child.isBankLine) {
            EXPECT_EQ(child.record.volume(VoicePart::R1), 50) << child.record.title();
        }
    }
    EXPECT_EQ(archive.list()[4].hiddenChildren[0].record, RegRecord()); // the bank title line
    for (int i : {2, 3, 6})
        EXPECT_NE(archive.list()[i].record.volume(VoicePart::R1), 50);
    EXPECT_TRUE(ui.events().empty());
}

TEST_F(MultiChangeWalkTest, NothingToChange) {
    struct Case {
        const char* name;
        ListSelection selection;
        MultiChangeOutcome expect;
        bool warned;
    };
    const Case cases[] = {
        {"NothingSelected", ListSelection{}, MultiChangeOutcome::NothingSelected, false},
        {"OnlyTheTrailingLine", ListSelection::single(7), MultiChangeOutcome::NothingSelected,
         false},
        {"OnlyBankTitleLines", ListSelection::single(1), MultiChangeOutcome::NoRegistrations, true},
        {"ExpandedCategoryAlone", ListSelection::of({0, 5}), MultiChangeOutcome::NoRegistrations,
         true},
    };
    for (const Case& c : cases) {
        ui.clearEvents();
        EXPECT_EQ(
            multiChangeArchiveLines(archive, c.selection, KeyboardModel::Psr9000, dialogs, ui),
            c.expect)
            << c.name;
        EXPECT_EQ(ui.messageIds(), c.warned ? std::vector<const Message*>{&msg::NoRegsSelected}
                                            : std::vector<const Message*>{})
            << c.name;
    }
    EXPECT_EQ(dialogs.multiChangeOpenings, 0);
    EXPECT_FALSE(archive.isModified());
}

TEST_F(MultiChangeWalkTest, CancelAndNoSetBoxWriteNothing) {
    dialogs.multi([](MultiChangeForm&) { return false; });
    dialogs.multi([](MultiChangeForm& form) {
        form.voice(VoicePart::R1).volume = 1; // changed, but its Set box stays off
        return true;
    });
    for (int round = 0; round < 2; ++round) {
        const RegRecord before = archive.list()[2].record;
        EXPECT_EQ(multiChangeArchiveLines(archive, ListSelection::of({2, 3}),
                                          KeyboardModel::Psr9000, dialogs, ui),
                  MultiChangeOutcome::Cancelled);
        EXPECT_EQ(archive.list()[2].record.volume(VoicePart::R1), before.volume(VoicePart::R1));
    }
    EXPECT_FALSE(archive.isModified());
    EXPECT_EQ(dialogs.multiChangeOpenings, 2);
}

TEST_F(MultiChangeWalkTest, DialogShowsWhatTheRegistrationsShare) {
    archive.list()[2].record.setVolume(VoicePart::R1, 90);
    archive.list()[3].record.setVolume(VoicePart::R1, 100);
    archive.list()[2].record.setVolume(VoicePart::R2, 70);
    archive.list()[3].record.setVolume(VoicePart::R2, 70);
    dialogs.multi([](MultiChangeForm& form) {
        EXPECT_EQ(form.voice(VoicePart::R1).volume, 0);
        EXPECT_EQ(form.voice(VoicePart::R2).volume, 70);
        EXPECT_EQ(form.model, KeyboardModel::Psr9000Pro);
        form.setField(MultiChangeField::R1Volume, true); // left at 0: both get 0
        return true;
    });
    ASSERT_EQ(multiChangeArchiveLines(archive, ListSelection::of({2, 3}), KeyboardModel::Psr9000Pro,
                                      dialogs, ui),
              MultiChangeOutcome::Applied);
    EXPECT_EQ(archive.list()[2].record.volume(VoicePart::R1), 0);
    EXPECT_EQ(archive.list()[3].record.volume(VoicePart::R1), 0);
}

TEST_F(MultiChangeWalkTest, RegistrationSideSkipsBankLines) {
    RegList lines = threeBanks();
    EXPECT_EQ(titles(multiChangeRegistrations(lines, ListSelection::of({0, 1, 9, 10, 576}))),
              (Lines{"A1", "B1"}));
    dialogs.multi(setR1Volume(33));
    EXPECT_EQ(multiChangeRegLines(lines, ListSelection::of({0, 1, 9, 10}), KeyboardModel::Psr9000,
                                  dialogs, ui),
              MultiChangeOutcome::Applied);
    EXPECT_EQ(lines[1].record.volume(VoicePart::R1), 33);
    EXPECT_EQ(lines[10].record.volume(VoicePart::R1), 33);
    EXPECT_EQ(lines[0].record, RegRecord());

    EXPECT_EQ(
        multiChangeRegLines(lines, ListSelection::of({0, 9}), KeyboardModel::Psr9000, dialogs, ui),
        MultiChangeOutcome::NoRegistrations);
    EXPECT_EQ(ui.messageIds(), std::vector<const Message*>{&msg::NoRegsSelected});
}

} // namespace
