// The edit history on an archive of 100,000 registrations (100 expanded categories of 1000, a
// bank title before every 8). Goals, each measured in the same iteration:
// - Delete of 10,000 registration lines spread over the archive, then Undo and Redo: each within
//   twice the Delete command itself (the command without the history);
// - Sort Category of a category of 10,000 registrations and its Undo likewise;
// - the Delete step's memory within twice the deleted lines' own size, counted by the history
//   and measured as the heap the step keeps (glibc's mallinfo2).
// The counters *_vs_command are the ratios of the goals, each phase timed on its own in CPU time
// of the thread (the benchmark's time is the whole iteration with its set-up).

#include "core/commands/ArchiveListOperations.h"
#include "core/commands/EditHistory.h"
#include "core/commands/LineChanges.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <malloc.h>
#include <string>

namespace {

using namespace tombrel;

// The thread's CPU time: the machine these run on is shared, and wall time would measure the
// neighbours as much as the history.
struct Clock {
    using time_point = double;
    static double now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }
};

constexpr int kRegistrations = 100000;
constexpr int kDeleted = 10000;
constexpr int kSorted = 10000;

// Confirms every question; the benchmarks ask nothing else.
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

// Expanded categories of `perCategory` registrations each (the first one of `first`).
ArchiveList makeList(int first, int perCategory) {
    ArchiveList list;
    int inCategory = 0;
    int limit = first;
    for (int n = 0; n < kRegistrations; ++n) {
        if (n == 0 || inCategory == limit) {
            ArchiveEntry category = ArchiveEntry::category("Category " + std::to_string(n));
            category.expanded = true;
            list.push_back(std::move(category));
            inCategory = 0;
            limit = n == 0 ? first : perCategory;
        }
        if (inCategory % 8 == 0)
            list.emplace_back(RegEntry::bankLine("Bank " + std::to_string(n / 8 % 97)));
        list.emplace_back(RegEntry::registration(sampleRecord(n)));
        ++inCategory;
    }
    return list;
}

const ArchiveList& deleteList() {
    static const ArchiveList list = makeList(1000, 1000);
    return list;
}

const ArchiveList& sortList() {
    static const ArchiveList list = makeList(kSorted, 1000);
    return list;
}

// Every tenth registration line.
ListSelection spreadSelection(const ArchiveList& list) {
    ListSelection selection;
    int seen = 0;
    for (size_t i = 0; i < list.size() && selection.count() < kDeleted; ++i) {
        if (list[i].isRegistrationLine() && seen++ % 10 == 0)
            selection.lines.insert(static_cast<int>(i));
    }
    selection.caret = *selection.lines.rbegin();
    return selection;
}

double seconds(double from, double to) {
    return to - from;
}

size_t heapInUse() {
    return mallinfo2().uordblks;
}

void BM_HistoryDelete10000(benchmark::State& state) {
    YesInteraction ui;
    double command = 0, recorded = 0, undo = 0, redo = 0;
    double stepBytes = 0, heapBytes = 0, lineBytesDeleted = 0;
    for (auto _ : state) {
        RegistrationSide reg(ui);
        ArchiveSide arch(ui);
        arch.newArchive();

        // The command itself.
        arch.list() = deleteList();
        ListSelection selection = spreadSelection(arch.list());
        auto t0 = Clock::now();
        deleteArchiveLines(arch, selection, ui);
        auto t1 = Clock::now();
        command += seconds(t0, t1);

        // The same as a step, then Undo and Redo.
        arch.list() = deleteList();
        selection = spreadSelection(arch.list());
        size_t own = 0;
        for (int line : selection.lines)
            own += lineBytes(arch.list()[static_cast<size_t>(line)]);
        EditHistory history(reg, arch);
        ListSelection regSelection;
        const size_t heapBefore = heapInUse();
        t0 = Clock::now();
        history.record({StepKind::Delete, selection.count()}, ArchivePane, regSelection, selection,
                       [&] { deleteArchiveLines(arch, selection, ui); });
        t1 = Clock::now();
        const size_t heapAfter = heapInUse();
        recorded += seconds(t0, t1);
        stepBytes += static_cast<double>(history.bytes());
        heapBytes += static_cast<double>(heapAfter - heapBefore);
        lineBytesDeleted += static_cast<double>(own);

        t0 = Clock::now();
        if (!history.undo(regSelection, selection))
            state.SkipWithError("undo failed");
        t1 = Clock::now();
        undo += seconds(t0, t1);
        t0 = Clock::now();
        if (!history.redo(regSelection, selection))
            state.SkipWithError("redo failed");
        t1 = Clock::now();
        redo += seconds(t0, t1);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["command_ms"] = command / n * 1e3;
    state.counters["recorded_ms"] = recorded / n * 1e3;
    state.counters["undo_ms"] = undo / n * 1e3;
    state.counters["redo_ms"] = redo / n * 1e3;
    state.counters["undo_vs_command"] = undo / command;
    state.counters["redo_vs_command"] = redo / command;
    state.counters["deleted_lines_MB"] = lineBytesDeleted / n / 1e6;
    state.counters["step_bytes_vs_lines"] = stepBytes / lineBytesDeleted;
    state.counters["step_heap_vs_lines"] = heapBytes / lineBytesDeleted;
}
BENCHMARK(BM_HistoryDelete10000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_HistorySortCategory10000(benchmark::State& state) {
    YesInteraction ui;
    double command = 0, recorded = 0, undo = 0;
    for (auto _ : state) {
        RegistrationSide reg(ui);
        ArchiveSide arch(ui);
        arch.newArchive();

        arch.list() = sortList();
        arch.recomputeLastCategoryIndex();
        auto t0 = Clock::now();
        arch.sortCategory(0);
        auto t1 = Clock::now();
        command += seconds(t0, t1);

        arch.list() = sortList();
        arch.recomputeLastCategoryIndex();
        EditHistory history(reg, arch);
        ListSelection regSelection;
        ListSelection selection = ListSelection::single(0);
        t0 = Clock::now();
        history.record({StepKind::SortCategory}, ArchivePane, regSelection, selection,
                       [&] { arch.sortCategory(0); });
        t1 = Clock::now();
        recorded += seconds(t0, t1);
        t0 = Clock::now();
        if (!history.undo(regSelection, selection))
            state.SkipWithError("undo failed");
        t1 = Clock::now();
        undo += seconds(t0, t1);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["command_ms"] = command / n * 1e3;
    state.counters["recorded_ms"] = recorded / n * 1e3;
    state.counters["undo_ms"] = undo / n * 1e3;
    state.counters["undo_vs_command"] = undo / command;
}
BENCHMARK(BM_HistorySortCategory10000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
