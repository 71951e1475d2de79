// Naming voices: the search names every voice of up to 100,000 registrations, so the voice name
// of a key comes from an index. The baseline walks the table row by row for each key.

#include "core/names/VoiceTable.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace tombrel;

namespace {

constexpr int kLookups = 100000;

// Keys as registrations hold them: mostly voices of the table, some unknown triples and "no
// voice".
const std::vector<int>& sampleKeys() {
    static const std::vector<int> keys = [] {
        std::mt19937 random(20260101);
        std::uniform_int_distribution<int> row(0, VoiceTable::RowCount - 1);
        std::uniform_int_distribution<int> byte(0, 127);
        std::uniform_int_distribution<int> kind(0, 9);
        std::vector<int> out;
        out.reserve(kLookups);
        for (int i = 0; i < kLookups; ++i) {
            const int k = kind(random);
            if (k < 8)
                out.push_back(VoiceTable::keyOfRow(row(random)));
            else if (k == 8)
                out.push_back(VoiceTable::keyOf(byte(random), byte(random), byte(random)));
            else
                out.push_back(-1);
        }
        return out;
    }();
    return keys;
}

std::string_view scanLookup(int key) {
    for (const VoiceRow& row : kVoiceRows)
        if (row.key() == key)
            return row.name;
    return {};
}

void BM_VoiceNameIndexed(benchmark::State& state) {
    const std::vector<int>& keys = sampleKeys();
    for (auto _ : state) {
        size_t total = 0;
        for (int key : keys)
            total += VoiceTable::lookup(key).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kLookups);
}
BENCHMARK(BM_VoiceNameIndexed)->Unit(benchmark::kMillisecond);

void BM_VoiceNameScan(benchmark::State& state) {
    const std::vector<int>& keys = sampleKeys();
    for (auto _ : state) {
        size_t total = 0;
        for (int key : keys)
            total += scanLookup(key).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kLookups);
}
BENCHMARK(BM_VoiceNameScan)->Unit(benchmark::kMillisecond);

} // namespace
