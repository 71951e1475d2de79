// Dragging 10,000 registration lines, spread over an archive of 100,000 registrations (100
// expanded categories of 1000, a bank title before every 8), to the start of the middle category.
// Goal: the drag within three times the same lines' Delete, both as the window runs them (one
// step of the edit history each) and as bare commands. Also the check that runs on every move of
// the mouse during the drag. Times are CPU time of the thread; the counters *_vs_delete are the
// ratios of the goal.

#include "core/commands/ArchiveListOperations.h"
#include "core/commands/EditHistory.h"
#include "core/commands/LineDrops.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

namespace {

using namespace tombrel;

struct Clock {
    static double now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }
};

constexpr int kRegistrations = 100000;
constexpr int kPerCategory = 1000;
constexpr int kDragged = 10000;

class YesInteraction : public Interaction {
public:
    void warn(const UserMessage&) override {}
    Answer askYesNoCancel(const UserMessage&) override { return Answer::Yes; }
    bool askYesNo(const UserMessage&) override { return true; }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel) override { return {}; }
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest&) override {
        return {};
    }
    void beginBusy() override {}
    void endBusy() override {}
};

RegRecord sampleRecord(int n) {
    uint8_t raw[RegRecord::Size];
    for (size_t i = 0; i < RegRecord::Size; ++i)
        raw[i] = static_cast<uint8_t>(i * 13 + static_cast<size_t>(n));
    RegRecord r = RegRecord::fromBytes(raw);
    r.setTitle("Reg " + std::to_string(n % 9973));
    return r;
}

const ArchiveList& archive() {
    static const ArchiveList list = [] {
        ArchiveList out;
        for (int n = 0; n < kRegistrations; ++n) {
            if (n % kPerCategory == 0) {
                ArchiveEntry category = ArchiveEntry::category("Category " + std::to_string(n));
                category.expanded = true;
                out.push_back(std::move(category));
            }
            if (n % 8 == 0)
                out.emplace_back(RegEntry::bankLine("Bank " + std::to_string(n / 8 % 97)));
            out.emplace_back(RegEntry::registration(sampleRecord(n)));
        }
        return out;
    }();
    return list;
}

// Every tenth registration line.
ListSelection spreadSelection(const ArchiveList& list) {
    ListSelection selection;
    int seen = 0;
    for (size_t i = 0; i < list.size() && selection.count() < kDragged; ++i) {
        if (list[i].isRegistrationLine() && seen++ % 10 == 0)
            selection.lines.insert(static_cast<int>(i));
    }
    selection.caret = *selection.lines.begin();
    return selection;
}

// The line of the middle category.
int middleCategoryRow(const ArchiveList& list) {
    int seen = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].isCategory && seen++ == kRegistrations / kPerCategory / 2)
            return static_cast<int>(i);
    }
    return static_cast<int>(list.size());
}

void BM_DragVersusDelete10000(benchmark::State& state) {
    YesInteraction ui;
    double drag = 0, remove = 0, dragStep = 0, removeStep = 0, check = 0;
    for (auto _ : state) {
        RegistrationSide reg(ui);
        ArchiveSide arch(ui);
        arch.newArchive();
        ListSelection regSelection;
        const int row = middleCategoryRow(archive());

        // The bare commands.
        arch.list() = archive();
        ListSelection selection = spreadSelection(arch.list());
        double t0 = Clock::now();
        const bool allowed = archiveDropChanges(arch.list(), selection, row, DropMode::Move);
        double t1 = Clock::now();
        check += t1 - t0;
        t0 = Clock::now();
        if (!allowed || !dropArchiveLines(arch, selection, row, DropMode::Move))
            state.SkipWithError("the drag was refused");
        t1 = Clock::now();
        drag += t1 - t0;

        arch.list() = archive();
        selection = spreadSelection(arch.list());
        t0 = Clock::now();
        deleteArchiveLines(arch, selection, ui);
        t1 = Clock::now();
        remove += t1 - t0;

        // As steps of the edit history.
        arch.list() = archive();
        selection = spreadSelection(arch.list());
        {
            EditHistory history(reg, arch);
            t0 = Clock::now();
            history.record({StepKind::DragMove, kDragged}, ArchivePane, regSelection, selection,
                           [&] { dropArchiveLines(arch, selection, row, DropMode::Move); });
            t1 = Clock::now();
            dragStep += t1 - t0;
        }

        arch.list() = archive();
        selection = spreadSelection(arch.list());
        {
            EditHistory history(reg, arch);
            t0 = Clock::now();
            history.record({StepKind::Delete, kDragged}, ArchivePane, regSelection, selection,
                           [&] { deleteArchiveLines(arch, selection, ui); });
            t1 = Clock::now();
            removeStep += t1 - t0;
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["drag_ms"] = drag / n * 1e3;
    state.counters["delete_ms"] = remove / n * 1e3;
    state.counters["drag_vs_delete"] = drag / remove;
    state.counters["drag_step_ms"] = dragStep / n * 1e3;
    state.counters["delete_step_ms"] = removeStep / n * 1e3;
    state.counters["drag_step_vs_delete_step"] = dragStep / removeStep;
    state.counters["drop_check_ms"] = check / n * 1e3;
}
BENCHMARK(BM_DragVersusDelete10000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
