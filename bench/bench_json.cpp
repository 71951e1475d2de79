// The JSON text form of an archive of 100,000 registrations: export (the list to a JSON file)
// and import (a JSON file back to the list), each next to reading the same archive from its
// .yra file in the same run. Goal: each within ten times the read. BM_JsonGoals reports the two
// ratios as counters, from the best of three runs of each step.

#include "core/commands/TextForm.h"
#include "core/files/ArchiveFile.h"
#include "textform/JsonDocument.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace tombrel;

constexpr int kRegistrations = 100000;
constexpr int kPerCategory = 1000;
constexpr int kPerBank = 8;

// Registrations of varied bytes, so that every kind of field value shows up, odd ones included.
RegRecord sampleRecord(int n) {
    uint8_t raw[RegRecord::Size];
    for (size_t i = 0; i < RegRecord::Size; ++i)
        raw[i] = static_cast<uint8_t>(i * 13 + static_cast<size_t>(n));
    RegRecord r = RegRecord::fromBytes(raw);
    r.setTitle("Reg " + std::to_string(n));
    return r;
}

// 100 categories of 1000 registrations, a bank title before every 8, half of them collapsed.
ArchiveList makeList() {
    ArchiveList list;
    for (int n = 0; n < kRegistrations; ++n) {
        if (n % kPerCategory == 0) {
            list.push_back(ArchiveEntry::category("Category " + std::to_string(n / kPerCategory)));
            list.back().expanded = false;
        }
        auto& children = list.back().hiddenChildren;
        if (n % kPerBank == 0)
            children.push_back(RegEntry::bankLine("Bank " + std::to_string(n / kPerBank)));
        children.push_back(RegEntry::registration(sampleRecord(n)));
    }
    return list;
}

struct Setup {
    fs::path dir;
    std::string archivePath, jsonPath;
    ArchiveList list;
    size_t jsonBytes = 0;
    TextFormNames names;

    Setup() {
        std::string pattern = (fs::temp_directory_path() / "tombrel-bench-json-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        dir = pattern;
        archivePath = (dir / "large.yra").string();
        jsonPath = (dir / "large.json").string();
        list = makeList();
        if (writeArchiveFile(archivePath, list))
            std::abort();
        // The list as a read gives it, so that export starts from what the program holds.
        list = readArchiveFile(archivePath).list;
        if (textform::writeJsonFile(jsonPath, textFormOfArchive(list), names))
            std::abort();
        jsonBytes = static_cast<size_t>(fs::file_size(jsonPath));
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

bool readArchive() {
    ArchiveReadResult read = readArchiveFile(setup().archivePath);
    benchmark::DoNotOptimize(read.list.data());
    return read.ok;
}

bool exportJson() {
    const std::string path = (setup().dir / "exported.json").string();
    return !textform::writeJsonFile(path, textFormOfArchive(setup().list), setup().names);
}

bool importJson() {
    textform::JsonImport imported = textform::readJsonFile(setup().jsonPath, setup().names);
    if (!imported.document)
        return false;
    ArchiveList list = archiveListOfTextForm(*imported.document);
    benchmark::DoNotOptimize(list.data());
    return archiveRegistrationCount(list) == kRegistrations;
}

void run(benchmark::State& state, bool (*step)(), size_t bytes) {
    for (auto _ : state) {
        if (!step())
            state.SkipWithError("step failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

void BM_JsonBaselineArchiveRead(benchmark::State& state) {
    run(state, readArchive, static_cast<size_t>(fs::file_size(setup().archivePath)));
}
void BM_JsonExport(benchmark::State& state) {
    run(state, exportJson, setup().jsonBytes);
}
void BM_JsonImport(benchmark::State& state) {
    run(state, importJson, setup().jsonBytes);
}

double bestSeconds(bool (*step)()) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!step())
            return -1;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void BM_JsonGoals(benchmark::State& state) {
    double read = 0, exported = 0, imported = 0;
    for (auto _ : state) {
        read = bestSeconds(readArchive);
        exported = bestSeconds(exportJson);
        imported = bestSeconds(importJson);
        if (read <= 0 || exported <= 0 || imported <= 0)
            state.SkipWithError("step failed");
    }
    state.counters["read_ms"] = read * 1000;
    state.counters["export_ms"] = exported * 1000;
    state.counters["import_ms"] = imported * 1000;
    state.counters["export_over_read"] = exported / read;
    state.counters["import_over_read"] = imported / read;
    state.counters["json_MiB"] = static_cast<double>(setup().jsonBytes) / (1024.0 * 1024.0);
}

} // namespace

BENCHMARK(BM_JsonBaselineArchiveRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonImport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonGoals)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
