// The edit history over random backups and archives: a few hundred random commands of every
// kind through the core, with categories expanded and collapsed, saves and undos in between;
// every Undo and Redo must bring both panes' saved bytes, the registration lines and the
// selections back exactly, and a pane not marked modified must save what its file holds.

#include "core/commands/EditHistory.h"
#include "core/commands/ListCommands.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/StyleLocations.h"
#include "core/names/StyleNameTable.h"

#include "ListOperationsTestData.h"
#include "RegRecordSamples.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace tombrel;
using namespace tombrel::test;

namespace {

// Answers every question at random (Yes mostly) and chooses no file.
class RandomInteraction : public Interaction {
public:
    explicit RandomInteraction(std::mt19937& rng) : rng_(rng) {}
    void warn(const UserMessage&) override {}
    Answer askYesNoCancel(const UserMessage&) override { return Answer::Yes; }
    bool askYesNo(const UserMessage&) override { return rng_() % 8 != 0; }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel) override { return {}; }
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest&) override {
        return {};
    }
    void beginBusy() override {}
    void endBusy() override {}

private:
    std::mt19937& rng_;
};

// Edit Entry changes a field or two and leaves with OK, Cancel, Previous or Next (a few walks
// per command at most); the bank title dialog gives a new title or is cancelled; Multi Change
// sets the song volume or the vocal harmony.
class RandomDialogs : public EntryDialogs {
public:
    explicit RandomDialogs(std::mt19937& rng) : rng_(rng) {}
    void newCommand() { walks_ = 0; }

    EditEntryResult editEntry(RegRecord& record, KeyboardModel) override {
        if (rng_() % 4 != 0)
            record.setTempo(32 + static_cast<int>(rng_() % 249));
        if (rng_() % 3 == 0)
            record.setTitle("Ed" + std::to_string(rng_() % 100));
        const unsigned r = rng_() % 10;
        if (r < 4 && walks_ < 3) {
            ++walks_;
            return r < 2 ? EditEntryResult::Next : EditEntryResult::Previous;
        }
        return r == 9 ? EditEntryResult::Cancel : EditEntryResult::Ok;
    }
    std::optional<std::string> editBankTitle(const std::string&) override {
        if (rng_() % 6 == 0)
            return std::nullopt;
        return "Bank" + std::to_string(rng_() % 50);
    }
    bool multiChange(MultiChangeForm& form) override {
        if (rng_() % 2) {
            form.setField(MultiChangeField::SongVolume, true);
            form.songVolume = static_cast<int>(rng_() % 128);
        } else {
            form.setField(MultiChangeField::VocalHarmony, true);
            form.vocalHarmony = rng_() % 2;
        }
        return rng_() % 8 != 0;
    }

private:
    std::mt19937& rng_;
    int walks_ = 0;
};

struct PropertyCase {
    unsigned seed;
    KeyboardModel model;
    RegListFilters filters;
    bool extendedMode;
};

std::string caseName(const ::testing::TestParamInfo<PropertyCase>& info) {
    const PropertyCase& c = info.param;
    return "seed" + std::to_string(c.seed) +
           (c.model == KeyboardModel::Psr9000Pro ? "_pro" : "_9000") +
           (c.filters.hideDuplicateBankTitles ? "_dup" : "") +
           (c.filters.hideEmptyEntries ? "_empty" : "") + (c.extendedMode ? "_ext" : "");
}

// Titles from a small set, so that duplicate bank titles occur.
std::string pick(std::mt19937& rng, std::initializer_list<const char*> texts) {
    return *(texts.begin() + rng() % texts.size());
}

RegEntry randomRegistration(std::mt19937& rng) {
    const unsigned r = rng() % 10;
    if (r < 4)
        return emptyRegistrationLine();
    if (r < 7)
        return namedLine(pick(rng, {"Alpha", "beta", "Gamma", "delta", "Omega"}) +
                         std::to_string(rng() % 20));
    return RegEntry::registration(randomRecord(static_cast<uint32_t>(rng())));
}

RegList randomBackupLines(std::mt19937& rng) {
    RegList lines;
    for (int b = 0; b < kRegBankCount; ++b) {
        lines.push_back(RegEntry::bankLine(pick(rng, {"Pop", "Pop", "Rock", kNoNameBankTitle})));
        for (int s = 0; s < kRegSlotsPerBank; ++s)
            lines.push_back(b > 20 && rng() % 3 ? emptyRegistrationLine()
                                                : randomRegistration(rng));
    }
    return lines;
}

ArchiveList randomArchiveLines(std::mt19937& rng) {
    ArchiveList list;
    const int categories = 2 + static_cast<int>(rng() % 5);
    for (int c = 0; c < categories; ++c) {
        list.push_back(categoryLine(pick(rng, {"Live", "Ballads", "Party", "Jazz"})));
        const int lines = static_cast<int>(rng() % 30);
        for (int k = 0; k < lines; ++k) {
            if (rng() % 6 == 0)
                list.push_back(bankTitleLine(pick(rng, {"Set A", "set a", "Set B", "Encore"})));
            else
                list.push_back(ArchiveEntry(randomRegistration(rng)));
        }
    }
    return list;
}

// Old style places that each name a style now somewhere else, for Update Styles.
StyleLocationList oldStyleLocations() {
    StyleLocationList list;
    for (int index = kFirstFlashStyle; index < 512; ++index)
        list.push_back({index, "Style" + std::to_string(index)});
    return list;
}

StyleLocationList currentStyleLocationsShifted() {
    StyleLocationList list;
    for (int index = kFirstFlashStyle; index < 512; ++index)
        list.push_back(
            {index == 511 ? kFirstFlashStyle : index + 1, "Style" + std::to_string(index)});
    return list;
}

class EditHistoryProperty : public ::testing::TestWithParam<PropertyCase> {
protected:
    // Both panes as Save would write them.
    struct PaneState {
        std::vector<uint8_t> regImage;
        RegList regLines;
        std::vector<uint8_t> archiveImage;
    };
    static bool sameRegLines(const RegList& a, const RegList& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const RegEntry& x, const RegEntry& y) {
                              return x.record == y.record && x.bankTitle == y.bankTitle &&
                                     x.isBankLine == y.isBankLine && x.bankNumber == y.bankNumber &&
                                     x.entryNumber == y.entryNumber;
                          });
    }
    // What differs between two states; empty when nothing does.
    static std::string difference(const PaneState& a, const PaneState& b) {
        std::string out;
        if (a.regImage != b.regImage)
            out += "registration bytes; ";
        if (!sameRegLines(a.regLines, b.regLines))
            out += "registration lines; ";
        if (a.archiveImage != b.archiveImage)
            out += "archive bytes; ";
        return out;
    }
    struct Recorded {
        ListSelection regBefore, archiveBefore, regAfter, archiveAfter;
    };

    void expectSelections(const PaneState& now, const PaneState& other, const ListSelection& reg,
                          const ListSelection& archive);

    PaneState state() const {
        return {buildRegBackupImage(reg.lines(), reg.keyboardModel()), reg.lines(),
                buildArchiveImage(arch.list())};
    }

    ListSelection randomSelection(int size, int most) {
        ListSelection s;
        const int count = 1 + static_cast<int>(rng() % static_cast<unsigned>(most));
        const int first = static_cast<int>(rng() % static_cast<unsigned>(size + 1));
        for (int k = 0; k < count; ++k) {
            const int line = rng() % 2 ? first + k : static_cast<int>(rng() % (size + 1u));
            if (line <= size)
                s.lines.insert(line);
        }
        s.caret = *s.lines.rbegin();
        return s;
    }
    // A line of the wanted sort, or any line when the list has none.
    template <class List, class Pred> ListSelection lineWhere(const List& list, Pred pred) {
        std::vector<int> fitting;
        for (size_t i = 0; i < list.size(); ++i) {
            if (pred(list[i]))
                fitting.push_back(static_cast<int>(i));
        }
        if (fitting.empty())
            return ListSelection::single(static_cast<int>(rng() % (list.size() + 1)));
        return ListSelection::single(fitting[rng() % fitting.size()]);
    }

    int realCount(const ListSelection& s, size_t size) const {
        return static_cast<int>(std::count_if(s.lines.begin(), s.lines.end(), [&](int line) {
            return line >= 0 && line < static_cast<int>(size);
        }));
    }

    // Runs one random command as the window runs it; true when the history kept a step.
    bool randomCommand(StepKind kind) {
        dialogs.newCommand();
        const int regSize = static_cast<int>(reg.lines().size());
        const int archSize = static_cast<int>(arch.list().size());
        regSel = randomSelection(regSize, 4);
        archSel = randomSelection(archSize, 5);
        const bool extended = GetParam().extendedMode;
        const auto run = [&](unsigned panes, int count, auto command) {
            regBefore = regSel;
            archiveBefore = archSel;
            return history.record({kind, count}, panes, regSel, archSel, command);
        };
        const bool onArchive = rng() % 2;
        switch (kind) {
        case StepKind::NewBank:
        case StepKind::NewEntry:
            // New lines go before a single selected line.
            regSel = ListSelection::single(regSel.caret);
            archSel = ListSelection::single(archSel.caret);
            if (kind == StepKind::NewBank)
                return onArchive ? run(ArchivePane, 0, [&] { newArchiveBank(arch, archSel); })
                                 : run(RegistrationPane, 0, [&] { newRegBank(reg, regSel); });
            return onArchive
                       ? run(ArchivePane, 0, [&] { newArchiveEntry(arch, archSel); })
                       : run(RegistrationPane, 0, [&] { newRegEntry(reg, regSel, extended); });
        case StepKind::Delete:
            return onArchive ? run(ArchivePane, realCount(archSel, arch.list().size()),
                                   [&] { deleteArchiveLines(arch, archSel, ui); })
                             : run(RegistrationPane, realCount(regSel, reg.lines().size()),
                                   [&] { deleteRegLines(reg, regSel, extended, ui); });
        case StepKind::Up:
        case StepKind::Down: {
            const bool up = kind == StepKind::Up;
            regSel = ListSelection::single(static_cast<int>(rng() % (regSize + 1u)));
            archSel = ListSelection::single(static_cast<int>(rng() % (archSize + 1u)));
            if (onArchive)
                return run(ArchivePane, 0, [&] {
                    up ? moveArchiveLineUp(arch, archSel) : moveArchiveLineDown(arch, archSel);
                });
            return run(RegistrationPane, 0,
                       [&] { up ? moveRegLineUp(reg, regSel) : moveRegLineDown(reg, regSel); });
        }
        case StepKind::EditEntry:
        case StepKind::BankTitle: {
            const bool bank = kind == StepKind::BankTitle;
            if (onArchive) {
                archSel = lineWhere(arch.list(), [&](const ArchiveEntry& l) {
                    return bank ? l.isBankTitleLine() : l.isRegistrationLine();
                });
                return run(ArchivePane, 1, [&] { editArchiveLine(arch, archSel, reg, dialogs); });
            }
            regSel =
                lineWhere(reg.lines(), [&](const RegEntry& l) { return l.isBankLine == bank; });
            return run(RegistrationPane, 1, [&] { editRegLine(reg, regSel, dialogs); });
        }
        case StepKind::MultiChange:
            return onArchive
                       ? run(ArchivePane, realCount(archSel, arch.list().size()),
                             [&] { multiChangeArchiveLines(arch, archSel, reg, dialogs, ui); })
                       : run(RegistrationPane, realCount(regSel, reg.lines().size()),
                             [&] { multiChangeRegLines(reg, regSel, dialogs, ui); });
        case StepKind::NewCategory: {
            const std::string name = pick(rng, {"New", "Live", "Zeta"});
            archSel = ListSelection::single(static_cast<int>(rng() % (archSize + 1u)));
            return run(ArchivePane, 0, [&] {
                if (const std::optional<int> row = arch.newCategory(archSel.caret, name))
                    archSel = ListSelection::single(*row);
            });
        }
        case StepKind::EditCategory:
        case StepKind::SortCategory: {
            archSel = lineWhere(arch.list(), [](const ArchiveEntry& l) { return l.isCategory; });
            if (kind == StepKind::SortCategory)
                return run(ArchivePane, 0, [&] { arch.sortCategory(archSel.caret); });
            const std::string name = pick(rng, {"Renamed", "Live", "Encores"});
            return run(ArchivePane, 0, [&] { arch.editCategory(archSel.caret, name); });
        }
        case StepKind::CopyToArchive:
        case StepKind::MoveToArchive: {
            const TransferMode mode =
                kind == StepKind::CopyToArchive ? TransferMode::Copy : TransferMode::Move;
            archSel = ListSelection::single(static_cast<int>(rng() % (archSize + 1u)));
            return run(BothPanes, realCount(regSel, reg.lines().size()),
                       [&] { transferToArchive(reg, regSel, arch, archSel, mode); });
        }
        case StepKind::CopyToRegistration:
        case StepKind::MoveToRegistration: {
            const TransferMode mode =
                kind == StepKind::CopyToRegistration ? TransferMode::Copy : TransferMode::Move;
            regSel = ListSelection::single(static_cast<int>(rng() % (regSize + 1u)));
            return run(BothPanes, realCount(archSel, arch.list().size()),
                       [&] { transferToRegistrations(arch, archSel, reg, regSel, mode, ui); });
        }
        case StepKind::DragMove:
        case StepKind::DragCopy: {
            const DropMode mode = kind == StepKind::DragMove ? DropMode::Move : DropMode::Copy;
            if (onArchive) {
                const int row = static_cast<int>(rng() % (archSize + 1u));
                return run(ArchivePane, realCount(archSel, arch.list().size()),
                           [&] { dropArchiveLines(arch, archSel, row, mode); });
            }
            const int row = static_cast<int>(rng() % (regSize + 1u));
            return run(RegistrationPane, realCount(regSel, reg.lines().size()),
                       [&] { dropRegLines(reg, regSel, row, mode, extended); });
        }
        case StepKind::Paste: {
            // Lines of either pane onto either pane, at a single selected line.
            const CopiedLines copied =
                rng() % 2 ? copyArchiveLines(arch, archSel) : copyRegLines(reg, regSel);
            const ClipboardReadResult read = decodeClipboardLines(copied.bytes);
            if (!read.lines)
                return false; // nothing was selected
            regSel = ListSelection::single(regSel.caret);
            archSel = ListSelection::single(archSel.caret);
            if (onArchive)
                return run(ArchivePane, copied.count,
                           [&] { pasteArchiveLines(arch, archSel, *read.lines); });
            return run(RegistrationPane, copied.count,
                       [&] { pasteRegLines(reg, regSel, *read.lines, extended); });
        }
        case StepKind::Cut:
            return onArchive ? run(ArchivePane, realCount(archSel, arch.list().size()),
                                   [&] { cutArchiveLines(arch, archSel); })
                             : run(RegistrationPane, realCount(regSel, reg.lines().size()),
                                   [&] { cutRegLines(reg, regSel, extended); });
        case StepKind::UpdateStyles:
            return run(onArchive ? ArchivePane : RegistrationPane, 0, [&] {
                const std::vector<StyleUpdateTarget> targets =
                    onArchive ? archiveUpdateTargets(arch.list())
                              : regSideUpdateTargets(reg.lines());
                const StyleLocationsUpdate result = updateStyleLocations(
                    targets, oldStyleLocations(), currentStyleLocationsShifted());
                if (result.modified)
                    onArchive ? arch.setModified() : reg.setModified();
            });
        }
        return false;
    }

    void SetUp() override {
        const PropertyCase& c = GetParam();
        rng.seed(c.seed);
        RegSideOptions options;
        options.backupStructure = false;
        options.filters = c.filters;
        reg.setOptions(options);
        TempFolder::write(folder.file("REG.bup"),
                          buildRegBackupImage(randomBackupLines(rng), c.model));
        TempFolder::write(folder.file("live.yra"), buildArchiveImage(randomArchiveLines(rng)));
        ASSERT_TRUE(reg.readRegBackup(folder.file("REG.bup")));
        ASSERT_EQ(reg.keyboardModel(), c.model);
        ASSERT_TRUE(arch.readArchive(folder.file("live.yra")));
        // Some categories start collapsed.
        for (int i = static_cast<int>(arch.list().size()) - 1; i >= 0; --i) {
            if (rng() % 2)
                arch.toggleCategory(i);
        }
    }

    std::mt19937 rng;
    TempFolder folder;
    RandomInteraction ui{rng};
    RandomDialogs dialogs{rng};
    RegistrationSide reg{ui};
    ArchiveSide arch{ui};
    EditHistory history{reg, arch};
    ListSelection regSel;
    ListSelection archSel;
    ListSelection regBefore; // the selections the last command started from
    ListSelection archiveBefore;
};

// The selection of each pane the step changed is the one that went with the state reached.
void EditHistoryProperty::expectSelections(const PaneState& now, const PaneState& other,
                                           const ListSelection& reg, const ListSelection& archive) {
    if (!sameRegLines(now.regLines, other.regLines)) {
        EXPECT_TRUE(regSel == reg) << "registration selection";
    }
    if (now.archiveImage != other.archiveImage) {
        EXPECT_TRUE(archSel == archive) << "archive selection";
    }
}

TEST_P(EditHistoryProperty, EveryStepUndoesAndRedoesExactly) {
    std::vector<PaneState> states{state()}; // states[p]: after the first p steps
    std::vector<Recorded> steps;            // steps[p]: the selections around step p
    size_t present = 0;
    PaneState regClean = states[0]; // what each pane's file holds
    PaneState archiveClean = states[0];
    std::set<StepKind> kinds;

    const auto checkFlags = [&] {
        const PaneState now = state();
        if (!reg.isModified()) {
            ASSERT_TRUE(now.regImage == regClean.regImage) << "unmarked registration change";
        }
        if (!arch.isModified()) {
            ASSERT_TRUE(now.archiveImage == archiveClean.archiveImage) << "unmarked archive change";
        }
    };

    for (int n = 0; n < 300; ++n) {
        const unsigned action = rng() % 28;
        if (action < kStepKindCount) {
            const auto kind = static_cast<StepKind>(action);
            Recorded recorded;
            const size_t before = history.undoCount();
            // The selections the command starts from are those randomCommand picks.
            const bool kept = randomCommand(kind);
            ASSERT_EQ(history.undoCount(),
                      kept ? std::min(before + 1, history.limits().maxSteps) : before);
            if (!kept) {
                ASSERT_EQ(difference(state(), states[present]), "") << "a change without a step";
                checkFlags();
                continue;
            }
            kinds.insert(kind);
            recorded.regBefore = regBefore;
            recorded.archiveBefore = archiveBefore;
            states.resize(present + 1);
            steps.resize(present);
            states.push_back(state());
            recorded.regAfter = regSel;
            recorded.archiveAfter = archSel;
            steps.push_back(recorded);
            ++present;
        } else if (action < 22) {
            // Expanding and collapsing change nothing Save writes and are no steps.
            arch.toggleCategory(static_cast<int>(rng() % (arch.list().size() + 1)));
            ASSERT_EQ(difference(state(), states[present]), "");
        } else if (action < 25 && history.canUndo()) {
            ASSERT_TRUE(history.undo(regSel, archSel));
            --present;
            ASSERT_EQ(difference(state(), states[present]), "") << "undo after command " << n;
            expectSelections(states[present], states[present + 1], steps[present].regBefore,
                             steps[present].archiveBefore);
        } else if (action < 27 && history.canRedo()) {
            ASSERT_TRUE(history.redo(regSel, archSel));
            ++present;
            ASSERT_EQ(difference(state(), states[present]), "") << "redo after command " << n;
            expectSelections(states[present], states[present - 1], steps[present - 1].regAfter,
                             steps[present - 1].archiveAfter);
        } else if (action == 27) {
            // Save both panes where they can be saved.
            if (reg.saveRegBackupTo(folder.file("REG.bup")) && !reg.isModified()) {
                history.paneSaved(RegistrationPane);
                regClean = state();
            }
            if (arch.writeArchive(folder.file("live.yra")) && !arch.isModified()) {
                history.paneSaved(ArchivePane);
                archiveClean = state();
            }
        }
        checkFlags();
    }
    for (int k = 0; k < kStepKindCount; ++k)
        EXPECT_TRUE(kinds.count(static_cast<StepKind>(k))) << "no step of kind " << k;

    // Everything undone: the state before the first step; everything redone: the last state.
    const size_t top = states.size() - 1;
    while (history.canRedo())
        ASSERT_TRUE(history.redo(regSel, archSel));
    ASSERT_EQ(difference(state(), states[top]), "");
    size_t undone = 0;
    while (history.undo(regSel, archSel)) {
        ++undone;
        ASSERT_EQ(difference(state(), states[top - undone]), "")
            << "undoing all, step " << top - undone;
    }
    EXPECT_EQ(undone, top);
    EXPECT_EQ(difference(state(), states[0]), "");
    checkFlags();
    while (history.redo(regSel, archSel))
        --undone;
    EXPECT_EQ(undone, 0u);
    EXPECT_EQ(difference(state(), states[top]), "");
    checkFlags();
}

INSTANTIATE_TEST_SUITE_P(
    RandomPanes, EditHistoryProperty,
    ::testing::Values(PropertyCase{1, KeyboardModel::Psr9000, {false, false}, false},
                      PropertyCase{2, KeyboardModel::Psr9000Pro, {false, false}, false},
                      PropertyCase{3, KeyboardModel::Psr9000, {true, false}, true},
                      PropertyCase{4, KeyboardModel::Psr9000Pro, {false, true}, true},
                      PropertyCase{5, KeyboardModel::Psr9000, {true, true}, true},
                      PropertyCase{6, KeyboardModel::Psr9000Pro, {false, false}, true}),
    caseName);

} // namespace
