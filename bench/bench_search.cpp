// Search over an archive of 100,000 registrations with every option on and a text that matches
// nothing, so every title, voice name and style name is looked at once. Goal: within 10 times
// of the baseline, one pass that only upper-cases every title (BM_UpperCaseTitlesBaseline).

#include "core/commands/Search.h"
#include "core/names/VoiceTable.h"
#include "core/sides/ArchiveSide.h"
#include "core/text/Text1252.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace tombrel;

constexpr int kRegistrations = 100000;
constexpr int kPerCategory = 1000;
constexpr int kPerBank = 8;

// Every voice slot names a voice of the table (a different one per registration), every
// registration another style.
RegRecord sampleRecord(int n) {
    RegRecord r = RegRecord::empty();
    r.setTitle("Reg " + std::to_string(n));
    int row = n;
    for (VoicePart part : {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left})
        r.setVoice(part, VoiceTable::keyOfRow(row++ % VoiceTable::RowCount));
    for (int p = 0; p < kAccPartCount; ++p)
        r.setPartVoice(static_cast<AccPart>(p), VoiceTable::keyOfRow(row++ % VoiceTable::RowCount));
    r.setStyleIndex(n % RegRecord::StyleCount);
    return r;
}

// 100 categories of 1000 registrations with a bank title before every 8; every other category
// collapsed, so that both the display lines and the hidden lines are searched.
struct Fixture {
    Fixture() : archive(ui) {
        archive.newArchive();
        ArchiveList& list = archive.list();
        list.reserve(kRegistrations + kRegistrations / kPerBank + kRegistrations / kPerCategory);
        for (int n = 0; n < kRegistrations; n += kPerCategory) {
            ArchiveEntry category = ArchiveEntry::category("Category " + std::to_string(n));
            category.expanded = (n / kPerCategory) % 2 == 0;
            std::vector<RegEntry> lines;
            for (int k = n; k < n + kPerCategory; ++k) {
                if (k % kPerBank == 0)
                    lines.push_back(RegEntry::bankLine("Bank " + std::to_string(k / kPerBank)));
                lines.push_back(RegEntry::registration(sampleRecord(k)));
            }
            if (category.expanded) {
                list.push_back(std::move(category));
                for (RegEntry& line : lines)
                    list.emplace_back(std::move(line));
            } else {
                category.hiddenChildren = std::move(lines);
                list.push_back(std::move(category));
            }
        }
        archive.recomputeLastCategoryIndex();
        for (const ArchiveEntry& line : list) {
            for (const RegEntry& child : line.hiddenChildren) {
                if (!child.isBankLine)
                    records.push_back(&child.record);
            }
            if (line.isRegistrationLine())
                records.push_back(&line.record);
        }
    }

    // Nothing is ever asked: the searches below find nothing and show no message.
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
        std::optional<KeyboardModel> selectKeyboardType(KeyboardModel) override {
            return std::nullopt;
        }
        std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest&) override {
            return std::nullopt;
        }
        void beginBusy() override {}
        void endBusy() override {}
    } ui;
    ArchiveSide archive;
    std::vector<const RegRecord*> records;
    StyleNameTable styles;
    DiskStyleTexts disk;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_UpperCaseTitlesBaseline(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        size_t total = 0;
        for (const RegRecord* r : f.records)
            total += toUpper1252(r->title()).size();
        benchmark::DoNotOptimize(total);
    }
    state.counters["registrations"] = static_cast<double>(f.records.size());
}
BENCHMARK(BM_UpperCaseTitlesBaseline)->Unit(benchmark::kMillisecond);

void BM_SearchNextEveryOptionNoMatch(benchmark::State& state) {
    Fixture& f = fixture();
    f.disk.fillDiskNumberNames();
    const SearchOptions all{true, true, true, true, true};
    for (auto _ : state) {
        // The matcher is made per press of the Search button, so it is part of the cost.
        const RegistrationMatcher matcher("zzqx", all, f.styles, f.disk);
        ListSelection selection = ListSelection::single(0);
        const bool found = searchNext(f.archive, selection, matcher);
        benchmark::DoNotOptimize(found);
        if (found)
            state.SkipWithError("the text must match nothing");
    }
    state.counters["registrations"] = static_cast<double>(f.records.size());
}
BENCHMARK(BM_SearchNextEveryOptionNoMatch)->Unit(benchmark::kMillisecond);

} // namespace
