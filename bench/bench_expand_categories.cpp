// Expanding every category of an archive of 40,000 categories of one bank title each (240 KB), as
// `tombrel-cli list --expand` and `search` do. Goal: within 5 times of one copy of the collapsed
// list (BM_CopyListBaseline).

#include "core/sides/ArchiveSide.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace tombrel;

constexpr int kCategories = 40000;

struct Silent : Interaction {
    void warn(const UserMessage&) override {}
    Answer askYesNoCancel(const UserMessage&) override { return Answer::Cancel; }
    bool askYesNo(const UserMessage&) override { return false; }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel) override { return std::nullopt; }
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest&) override {
        return std::nullopt;
    }
    void beginBusy() override {}
    void endBusy() override {}
};

// As read from the file: every category collapsed over its one bank title line.
const ArchiveList& collapsedList() {
    static const ArchiveList list = [] {
        ArchiveList l;
        l.reserve(kCategories);
        for (int n = 0; n < kCategories; ++n) {
            l.push_back(ArchiveEntry::category(std::to_string(n % 10000)));
            l.back().hiddenChildren.push_back(RegEntry::bankLine(""));
        }
        return l;
    }();
    return list;
}

void BM_CopyListBaseline(benchmark::State& state) {
    for (auto _ : state) {
        ArchiveList copy = collapsedList();
        benchmark::DoNotOptimize(copy.data());
    }
    state.counters["categories"] = kCategories;
}
BENCHMARK(BM_CopyListBaseline)->Unit(benchmark::kMillisecond);

void BM_ExpandAllCategories(benchmark::State& state) {
    Silent ui;
    ArchiveSide side(ui);
    for (auto _ : state) {
        state.PauseTiming();
        side.list() = collapsedList();
        state.ResumeTiming();
        side.expandAllCategories();
        side.recomputeLastCategoryIndex();
        benchmark::DoNotOptimize(side.list().data());
    }
    if (side.list().size() != 2 * static_cast<size_t>(kCategories))
        state.SkipWithError("not every category was expanded");
    state.counters["categories"] = kCategories;
}
BENCHMARK(BM_ExpandAllCategories)->Unit(benchmark::kMillisecond);

} // namespace
