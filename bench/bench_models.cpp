// The two sides' list models on large lists. Normalising the registration list after a line is
// inserted at the top (both filters off, so it pads a bank and opens a continuation bank) and
// expanding or collapsing a category of 100,000 registrations must stay linear: each is compared
// with copying the same list once (the *Copy baselines). Sort Category on 10,000 registrations
// is reported for information.

#include "core/sides/ArchiveSide.h"
#include "core/sides/RegListRules.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

using namespace tombrel;

namespace {

constexpr int kLines = 100000;
constexpr int kArchiveRegistrations = 100000;
constexpr int kSortRegistrations = 10000;

RegEntry named(const std::string& title) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    r.setActive(true);
    return RegEntry::registration(r);
}

// Full banks of named registrations, normalised: about 100,000 lines.
const RegList& regList() {
    static const RegList lines = [] {
        RegList out;
        out.reserve(kLines + 16);
        for (int bank = 0; static_cast<int>(out.size()) < kLines; ++bank) {
            out.push_back(RegEntry::bankLine("Bank " + std::to_string(bank)));
            for (int slot = 0; slot < kRegSlotsPerBank; ++slot)
                out.push_back(named("R" + std::to_string(bank) + "/" + std::to_string(slot)));
        }
        normaliseRegList(out, 0, nullptr, {});
        return out;
    }();
    return lines;
}

void BM_RegListCopy(benchmark::State& state) {
    const RegList& base = regList();
    for (auto _ : state) {
        RegList copy(base);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_RegListCopy)->Unit(benchmark::kMillisecond);

void BM_NormaliseAfterInsertAtTop(benchmark::State& state) {
    const RegList& base = regList();
    RegList work;
    for (auto _ : state) {
        state.PauseTiming();
        work = base;
        work.insert(work.begin() + 1, named("New"));
        int selection = 1;
        state.ResumeTiming();
        normaliseRegList(work, 0, &selection, {});
        benchmark::DoNotOptimize(selection);
    }
    state.counters["lines"] = static_cast<double>(work.size());
}
BENCHMARK(BM_NormaliseAfterInsertAtTop)->Unit(benchmark::kMillisecond);

// Answers nothing: the benchmarks ask no questions.
class SilentInteraction : public Interaction {
public:
    void warn(const UserMessage&) override {}
    Answer askYesNoCancel(const UserMessage&) override { return Answer::Cancel; }
    bool askYesNo(const UserMessage&) override { return false; }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel) override { return {}; }
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest&) override {
        return {};
    }
    void beginBusy() override {}
    void endBusy() override {}
};

// A category holding `count` registrations, collapsed, with a bank title line every 8.
ArchiveEntry bigCategory(int count, bool shuffled) {
    std::mt19937 random(7);
    ArchiveEntry category = ArchiveEntry::category("Big");
    category.hiddenChildren.reserve(count + count / 8 + 1);
    for (int i = 0; i < count; ++i) {
        if (i % 8 == 0)
            category.hiddenChildren.push_back(
                RegEntry::bankLine("Bank " + std::to_string(shuffled ? random() % 500 : i / 8)));
        category.hiddenChildren.push_back(
            named("T" + std::to_string(shuffled ? random() % 100000 : i)));
    }
    return category;
}

void BM_ArchiveListCopy(benchmark::State& state) {
    SilentInteraction ui;
    ArchiveSide side(ui);
    side.newArchive();
    side.list() = {bigCategory(kArchiveRegistrations, false), ArchiveEntry::category("After")};
    side.expandCategory(0);
    for (auto _ : state) {
        ArchiveList copy(side.list());
        benchmark::DoNotOptimize(copy.data());
    }
    state.counters["lines"] = static_cast<double>(side.list().size());
}
BENCHMARK(BM_ArchiveListCopy)->Unit(benchmark::kMillisecond);

void BM_ArchiveExpand(benchmark::State& state) {
    SilentInteraction ui;
    ArchiveSide side(ui);
    side.newArchive();
    side.list() = {bigCategory(kArchiveRegistrations, false), ArchiveEntry::category("After")};
    for (auto _ : state) {
        side.expandCategory(0);
        state.PauseTiming();
        side.collapseCategory(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ArchiveExpand)->Unit(benchmark::kMillisecond);

void BM_ArchiveCollapse(benchmark::State& state) {
    SilentInteraction ui;
    ArchiveSide side(ui);
    side.newArchive();
    side.list() = {bigCategory(kArchiveRegistrations, false), ArchiveEntry::category("After")};
    for (auto _ : state) {
        state.PauseTiming();
        side.expandCategory(0);
        state.ResumeTiming();
        side.collapseCategory(0);
    }
}
BENCHMARK(BM_ArchiveCollapse)->Unit(benchmark::kMillisecond);

void BM_SortCategory(benchmark::State& state) {
    SilentInteraction ui;
    ArchiveSide side(ui);
    side.newArchive();
    const ArchiveEntry unsorted = bigCategory(kSortRegistrations, true);
    for (auto _ : state) {
        state.PauseTiming();
        side.list() = {unsorted};
        state.ResumeTiming();
        side.sortCategory(0);
    }
}
BENCHMARK(BM_SortCategory)->Unit(benchmark::kMillisecond);

} // namespace
