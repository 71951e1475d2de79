// Finding duplicates in an archive of 100,000 registrations against reading that archive, and
// comparing two such archives against reading both, in the same run. Goals: each within three
// times its baseline (the ratio is the benchmark's "ratio" counter, measured after the baseline).
// The second archive differs in a few places: ten registrations edited, one moved, one inserted.

#include "core/commands/Compare.h"
#include "core/commands/Duplicates.h"
#include "core/files/ArchiveFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace tombrel;

constexpr int kRegistrations = 100000;
constexpr int kPerCategory = 1000;

// Every registration's parameters differ (tempo and accompaniment volume count it up), except
// every 1000th, which repeats the one before it under another title.
RegRecord sampleRecord(int n) {
    const int p = n % 1000 == 999 ? n - 1 : n;
    uint8_t raw[RegRecord::Size];
    for (size_t i = 0; i < RegRecord::Size; ++i)
        raw[i] = static_cast<uint8_t>(i * 13 + static_cast<size_t>(p));
    RegRecord r = RegRecord::fromBytes(raw);
    r.setTempo(p & 0xFFFF);
    r.setAccVolume(p >> 16);
    r.setTitle("Reg " + std::to_string(n));
    return r;
}

ArchiveList makeList(bool edited) {
    std::vector<RegRecord> records;
    for (int n = 0; n < kRegistrations; ++n)
        records.push_back(sampleRecord(n));
    if (edited) {
        for (int n = 5000; n < kRegistrations; n += 9000)
            records[static_cast<size_t>(n)].setTitle("Edited");
        const RegRecord moved = records[20000];
        records.erase(records.begin() + 20000);
        records.insert(records.begin() + 70000, moved);
        records.insert(records.begin() + 50000, sampleRecord(kRegistrations + 1));
    }
    ArchiveList list;
    for (size_t n = 0; n < records.size(); ++n) {
        if (n % kPerCategory == 0)
            list.push_back(ArchiveEntry::category("Category " + std::to_string(n / kPerCategory)));
        list.back().hiddenChildren.push_back(RegEntry::registration(records[n]));
    }
    return list;
}

struct Setup {
    fs::path dir;
    std::string pathA, pathB;

    Setup() {
        std::string pattern = (fs::temp_directory_path() / "tombrel-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        dir = pattern;
        pathA = (dir / "a.yra").string();
        pathB = (dir / "b.yra").string();
        for (const auto& [path, edited] : {std::pair{pathA, false}, std::pair{pathB, true}}) {
            const std::vector<uint8_t> image = buildArchiveImage(makeList(edited));
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(image.data()),
                      static_cast<std::streamsize>(image.size()));
            if (!out.good())
                std::abort();
        }
    }
    ~Setup() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

// Seconds per iteration of the last baseline run, for the ratio counters.
double readOneSeconds = 0;
double readBothSeconds = 0;

ArchiveList readList(const std::string& path, benchmark::State& state) {
    ArchiveReadResult read = readArchiveFile(path);
    if (!read.ok)
        state.SkipWithError("read failed");
    return std::move(read.list);
}

template <class Body> double timed(benchmark::State& state, Body body) {
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return state.iterations() ? total / static_cast<double>(state.iterations()) : 0;
}

void BM_BaselineReadArchive(benchmark::State& state) {
    readOneSeconds =
        timed(state, [&] { benchmark::DoNotOptimize(readList(setup().pathA, state)); });
}

void BM_DuplicatesOf100000(benchmark::State& state) {
    const ArchiveList list = readList(setup().pathA, state);
    size_t groups = 0;
    const double seconds = timed(state, [&] {
        const PlacedFile file = placeArchiveLines(list);
        const PlacedFile* files[] = {&file};
        groups = findDuplicates(files).size();
        benchmark::DoNotOptimize(groups);
    });
    state.counters["groups"] = static_cast<double>(groups);
    if (readOneSeconds > 0)
        state.counters["ratio"] = seconds / readOneSeconds;
}

void BM_BaselineReadBothArchives(benchmark::State& state) {
    const Setup& files = setup();
    readBothSeconds = timed(state, [&] {
        benchmark::DoNotOptimize(readList(files.pathA, state));
        benchmark::DoNotOptimize(readList(files.pathB, state));
    });
}

void BM_CompareTwo100000(benchmark::State& state) {
    const ArchiveList a = readList(setup().pathA, state);
    const ArchiveList b = readList(setup().pathB, state);
    FileComparison comparison;
    const double seconds = timed(state, [&] {
        comparison = compareFiles(placeArchiveLines(a), placeArchiveLines(b), FieldNames{});
        benchmark::DoNotOptimize(comparison.differences.data());
    });
    for (const PlaceDifference& d : comparison.differences)
        state.counters[std::string(differenceKindName(d.kind))] += 1;
    if (readBothSeconds > 0)
        state.counters["ratio"] = seconds / readBothSeconds;
}

} // namespace

BENCHMARK(BM_BaselineReadArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuplicatesOf100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineReadBothArchives)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareTwo100000)->Unit(benchmark::kMillisecond);
