// Update Styles over an archive of 2000 registrations (942 KB) with a style locations file of
// 224 KB (10,200 definitions), every name loaded (120 flash, 250 disk). The file is the worst kind:
// all its definitions name the ten places the registrations use, and few of their names are
// loaded now, so that each registration meets a thousand definitions of its place. Goal: the whole
// update (reading the locations file, the loaded names, every registration) within 5 times of
// reading the archive itself (BM_ReadArchiveBaseline).

#include "core/files/ArchiveFile.h"
#include "core/names/StyleLocations.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

namespace {

namespace fs = std::filesystem;
using namespace tombrel;

constexpr int kRegistrations = 2000;
constexpr int kPerCategory = 100;
constexpr int kDefinitions = 10200;
constexpr int kPlaces = 10; // flash places 130..139

struct Setup {
    fs::path dir;
    std::string archivePath;
    std::string locationsPath;
    ArchiveList list;
    size_t archiveBytes = 0;
    size_t locationsBytes = 0;
    StyleNameTable names;
    DiskStyleTexts disk;

    Setup() {
        std::string pattern = (fs::temp_directory_path() / "tombrel-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        dir = pattern;
        archivePath = (dir / "styles.yra").string();
        locationsPath = (dir / "locations.txt").string();

        for (int n = 0; n < kRegistrations; ++n) {
            if (n % kPerCategory == 0)
                list.push_back(ArchiveEntry::category("Category " + std::to_string(n)));
            RegRecord r = RegRecord::empty();
            r.setTitle("Registration " + std::to_string(n));
            r.setStyleIndex(130 + n % kPlaces);
            list.back().hiddenChildren.push_back(RegEntry::registration(r));
        }
        const std::vector<uint8_t> image = buildArchiveImage(list);
        archiveBytes = image.size();
        std::ofstream(archivePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));

        // Names of the same length throughout; one in a hundred is loaded now, as a disk style.
        std::string text;
        for (int d = 0; d < kDefinitions; ++d) {
            char line[64];
            std::snprintf(line, sizeof line, "F%03d=Old Style %05d\r\n", 130 + d % kPlaces, d);
            text += line;
        }
        locationsBytes = text.size();
        std::ofstream(locationsPath, std::ios::binary) << text;

        names.fillDefaultNames();
        for (int p = 0; p < kFlashStyleCount; ++p)
            names.setIndividualName(p, "Flash Name " + std::to_string(p));
        std::array<std::string, kDiskStyleCount> texts;
        for (int k = 0; k < kDiskStyleCount; ++k) {
            char name[32];
            std::snprintf(name, sizeof name, "Old Style %05d", k * 100 + 7);
            texts[static_cast<size_t>(k)] = diskStyleFolderText(k, name);
        }
        disk.setTexts(texts);
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

void BM_ReadArchiveBaseline(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        ArchiveReadResult read = readArchiveFile(s.archivePath);
        if (!read.ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read.list.data());
    }
    state.counters["archive_KB"] = static_cast<double>(s.archiveBytes) / 1000.0;
}
BENCHMARK(BM_ReadArchiveBaseline)->Unit(benchmark::kMillisecond);

void BM_UpdateStyles(benchmark::State& state) {
    Setup& s = setup();
    size_t errors = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ArchiveList list = s.list;
        state.ResumeTiming();
        auto oldList = readStyleLocationsFile(s.locationsPath);
        const auto* definitions = std::get_if<StyleLocationList>(&oldList);
        if (!definitions) {
            state.SkipWithError("locations file not read");
            break;
        }
        const StyleLocationList current = currentStyleLocations(s.names, FlashNameMode::Individual,
                                                                s.disk, DiskStyleMode::Folder);
        const StyleLocationsUpdate update =
            updateStyleLocations(archiveUpdateTargets(list), *definitions, current);
        errors = update.errors.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["locations_KB"] = static_cast<double>(s.locationsBytes) / 1000.0;
    state.counters["not_moved"] = static_cast<double>(errors);
}
BENCHMARK(BM_UpdateStyles)->Unit(benchmark::kMillisecond);

} // namespace
