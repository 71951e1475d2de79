// Scanning a disk style folder of 250 style files of 50 KB each, against reading the same files'
// bytes with plain reads in the same run; the goal is to stay within twice the plain reads. The
// scan lists and sorts the folder and walks the first events of every file. Real style files
// carry their name within the first hundred bytes; the "deep" folder puts it behind 40 KB of
// notes, so the scan has to read each file whole.

#include "core/names/DiskStyleTexts.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 250;
constexpr size_t kFileSize = 50 * 1024;

// A style file of kFileSize bytes: note events (note on and off under running status) with the
// track name after `notesBefore` bytes of them.
std::vector<uint8_t> styleFile(int number, size_t notesBefore) {
    static constexpr uint8_t notes[] = {0x00, 0x90, 0x3C, 0x64, 0x60, 0x3C, 0x00};
    const std::string name = "Style " + std::to_string(number);
    std::vector<uint8_t> out;
    out.reserve(kFileSize);
    for (const char c : std::string("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk", 18))
        out.push_back(static_cast<uint8_t>(c));
    const uint32_t length = static_cast<uint32_t>(kFileSize - 22);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(length >> shift));
    for (size_t i = 0; i < notesBefore / sizeof notes * sizeof notes; ++i)
        out.push_back(notes[i % sizeof notes]);
    for (const uint8_t b : {0x00, 0xFF, 0x03})
        out.push_back(b);
    out.push_back(static_cast<uint8_t>(name.size()));
    for (const char c : name)
        out.push_back(static_cast<uint8_t>(c));
    for (size_t i = 0; out.size() < kFileSize; ++i)
        out.push_back(notes[i % sizeof notes]);
    return out;
}

struct Folder {
    fs::path dir;
    std::vector<std::string> paths;

    Folder(const char* name, size_t notesBefore) {
        dir = fs::temp_directory_path() / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (int i = 0; i < kFiles; ++i) {
            char fileName[32];
            std::snprintf(fileName, sizeof fileName, "Style%03d.STY", i);
            const std::vector<uint8_t> bytes = styleFile(i, notesBefore);
            std::ofstream(dir / fileName, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            paths.push_back((dir / fileName).string());
        }
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

const Folder& folder(bool deep) {
    static const Folder early("tombrel_bench_disk_styles", 0);
    static const Folder late("tombrel_bench_disk_styles_deep", 40 * 1024);
    return deep ? late : early;
}

void scanFolder(benchmark::State& state, bool deep) {
    const std::string dir = folder(deep).dir.string();
    for (auto _ : state) {
        auto scan = tombrel::scanDiskStyles(dir);
        const auto* texts = std::get_if<tombrel::DiskStyleScan>(&scan);
        if (!texts || texts->texts[1] != "DiskStyle <002> - Style 1")
            state.SkipWithError("scan failed");
        benchmark::DoNotOptimize(scan);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFiles *
                            static_cast<int64_t>(kFileSize));
}

void BM_ScanDiskStyleFolder(benchmark::State& state) {
    scanFolder(state, false);
}

void BM_ScanDiskStyleFolderDeepNames(benchmark::State& state) {
    scanFolder(state, true);
}

void BM_PlainReadStyleFiles(benchmark::State& state) {
    const std::vector<std::string>& paths = folder(false).paths;
    std::vector<uint8_t> buffer(kFileSize);
    for (auto _ : state) {
        size_t total = 0;
        for (const std::string& path : paths) {
            std::FILE* f = std::fopen(path.c_str(), "rb");
            if (!f) {
                state.SkipWithError("open failed");
                break;
            }
            total += std::fread(buffer.data(), 1, buffer.size(), f);
            std::fclose(f);
        }
        benchmark::DoNotOptimize(total);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFiles *
                            static_cast<int64_t>(kFileSize));
}

BENCHMARK(BM_PlainReadStyleFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanDiskStyleFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanDiskStyleFolderDeepNames)->Unit(benchmark::kMillisecond);

} // namespace
