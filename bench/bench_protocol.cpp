// Both protocol types for an archive of 100,000 registrations, next to a plain fwrite of the same
// lines already formatted, in the same run. Goal: each within five times its baseline.

#include "core/names/StyleNameTable.h"
#include "export/Protocol.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace tombrel;

constexpr int kRegistrations = 100000;

ArchiveList makeArchive() {
    ArchiveList list;
    for (int n = 0; n < kRegistrations; ++n) {
        if (n % 1000 == 0)
            list.push_back(ArchiveEntry::category("Category " + std::to_string(n / 1000)));
        auto& children = list.back().hiddenChildren;
        if (n % 8 == 0)
            children.push_back(RegEntry::bankLine("Bank " + std::to_string(n / 8)));
        RegRecord r = RegRecord::empty();
        r.setTitle("Registration " + std::to_string(n));
        r.setStyleIndex(n % 245);
        r.setTempo(60 + n % 200);
        children.push_back(RegEntry::registration(r));
    }
    return list;
}

const ArchiveList& archive() {
    static const ArchiveList list = makeArchive();
    return list;
}

std::string outputPath() {
    return (fs::temp_directory_path() / "tombrel_bench_protocol.txt").string();
}

void protocolFile(benchmark::State& state, ProtocolType type) {
    const StyleNameTable styles;
    const std::string path = outputPath();
    for (auto _ : state) {
        if (writeArchiveProtocolFile(path, type, archive(), styles))
            state.SkipWithError("protocol not written");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(path)));
}

// The baseline: the same bytes, formatted beforehand, written with one fwrite per line.
void plainFwrite(benchmark::State& state, ProtocolType type) {
    const StyleNameTable styles;
    std::ostringstream text;
    writeArchiveProtocol(text, type, archive(), styles);
    const std::string all = std::move(text).str();
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < all.size();) {
        const size_t end = all.find('\n', start) + 1;
        lines.emplace_back(all.data() + start, end - start);
        start = end;
    }
    const std::string path = outputPath();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        for (std::string_view line : lines)
            std::fwrite(line.data(), 1, line.size(), f);
        std::fclose(f);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(all.size()));
}

BENCHMARK_CAPTURE(protocolFile, blank, ProtocolType::Blank)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainFwrite, blank, ProtocolType::Blank)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(protocolFile, tab, ProtocolType::Tab)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainFwrite, tab, ProtocolType::Tab)->Unit(benchmark::kMillisecond);

} // namespace
