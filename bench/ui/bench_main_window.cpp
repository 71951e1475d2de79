// Starting the desktop program's main window with an archive of 100,000 registrations open,
// against reading that archive alone in the same run. Goal: the window up and shown within three
// times the read. Also: expanding a category of 100,000 lines in the view.
//
// Shares the main() of the desktop program's benchmarks, which runs them without a display.

#include "core/files/ArchiveFile.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "ui/ArchiveListModel.h"
#include "ui/MainWindow.h"
#include "ui/PaneListView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace tombrel;
using Clock = std::chrono::steady_clock;

constexpr int kRegistrations = 100000;

RegRecord sampleRecord(int n) {
    RegRecord r = RegRecord::empty();
    r.setTitle("Reg " + std::to_string(n));
    r.setActive(true);
    return r;
}

// `perCategory` registrations in each category, a bank title line before every 8.
std::string writeArchive(const std::string& name, int perCategory) {
    ArchiveList list;
    for (int n = 0; n < kRegistrations; ++n) {
        if (n % perCategory == 0)
            list.push_back(ArchiveEntry::category("Category " + std::to_string(n / perCategory)));
        auto& children = list.back().hiddenChildren;
        if (n % 8 == 0)
            children.push_back(RegEntry::bankLine("Bank " + std::to_string(n / 8)));
        children.push_back(RegEntry::registration(sampleRecord(n)));
    }
    const fs::path path = fs::temp_directory_path() / name;
    const std::vector<uint8_t> image = buildArchiveImage(list);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    return path.string();
}

// An archive file written on first use and removed when the program ends.
class ArchiveFixture {
public:
    ArchiveFixture(const std::string& name, int perCategory)
        : path_(writeArchive(name, perCategory)) {}
    ~ArchiveFixture() {
        std::error_code ec;
        fs::remove(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string& manyCategories() {
    static const ArchiveFixture file("tombrel-bench-window.yra", 1000);
    return file.path();
}

const std::string& oneCategory() {
    static const ArchiveFixture file("tombrel-bench-window-one.yra", kRegistrations);
    return file.path();
}

double readSeconds(const std::string& path) {
    const auto start = Clock::now();
    ArchiveReadResult result = readArchiveFile(path);
    benchmark::DoNotOptimize(result.list.data());
    if (!result.ok)
        std::abort();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Window created with the archive as the most recent one, started, shown and drawn.
double windowSeconds(const std::string& path) {
    const auto start = Clock::now();
    {
        StyleNameTable names;
        DiskStyleTexts disk;
        MainWindow::Setup setup;
        setup.settings.lastOpenArch[0] = path;
        MainWindow window(setup, names, disk);
        window.start();
        if (window.archiveSide().registrationCount() != kRegistrations)
            std::abort();
        window.show();
        while (!window.windowHandle() || !window.windowHandle()->isExposed())
            QApplication::processEvents();
        window.repaint();
        QApplication::processEvents();
        window.hooks().storeSettings = [](const Settings&) {
        };
        window.leave();
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_ReadArchiveAlone(benchmark::State& state) {
    const std::string& path = manyCategories();
    for (auto _ : state)
        state.SetIterationTime(readSeconds(path));
}
BENCHMARK(BM_ReadArchiveAlone)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_MainWindowShownWithArchive(benchmark::State& state) {
    const std::string& path = manyCategories();
    for (auto _ : state)
        state.SetIterationTime(windowSeconds(path));
}
BENCHMARK(BM_MainWindowShownWithArchive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

// Both in turn in every iteration, so that the ratio is measured under the same load.
void BM_WindowAgainstRead(benchmark::State& state) {
    const std::string& path = manyCategories();
    double read = 0, window = 0;
    for (auto _ : state) {
        read += readSeconds(path);
        const double w = windowSeconds(path);
        window += w;
        state.SetIterationTime(w);
    }
    state.counters["ratio"] = window / read;
}
BENCHMARK(BM_WindowAgainstRead)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Expanding and collapsing one category that holds all 100,000 registrations, shown.
void BM_ToggleHugeCategory(benchmark::State& state) {
    StyleNameTable names;
    DiskStyleTexts disk;
    MainWindow::Setup setup;
    setup.settings.lastOpenArch[0] = oneCategory();
    MainWindow window(setup, names, disk);
    window.start();
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents();
    auto* model = static_cast<ArchiveListModel*>(window.archiveList()->model());
    for (auto _ : state) {
        model->toggleCategory(0);
        window.archiveList()->repaint();
        QApplication::processEvents();
    }
    window.archiveSide().setModified(false);
    window.hooks().storeSettings = [](const Settings&) {
    };
    window.leave();
}
BENCHMARK(BM_ToggleHugeCategory)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
