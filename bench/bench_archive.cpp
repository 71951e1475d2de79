// Reading and writing an archive of 100,000 registrations (about 47 MB), each next to a plain
// fread / fwrite of the same bytes in the same run. Goals: each within twice its baseline, and the
// peak memory of reading under three times the file's size.
//
// The peak is measured in a fresh process (this program started again with
// TOMBREL_BENCH_ARCHIVE_PEAK naming the file), so that nothing the benchmarks allocated before
// hides in or adds to the figure.

#include "core/files/ArchiveFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace tombrel;

constexpr int kRegistrations = 100000;
constexpr int kPerCategory = 1000;
constexpr int kPerBank = 8;
constexpr const char* kPeakVariable = "TOMBREL_BENCH_ARCHIVE_PEAK";

RegRecord sampleRecord(int n) {
    uint8_t raw[RegRecord::Size];
    for (size_t i = 0; i < RegRecord::Size; ++i)
        raw[i] = static_cast<uint8_t>(i * 13 + static_cast<size_t>(n));
    RegRecord r = RegRecord::fromBytes(raw);
    r.setTitle("Reg " + std::to_string(n));
    return r;
}

// 100 categories of 1000 registrations, a bank title before every 8.
ArchiveList makeList() {
    ArchiveList list;
    for (int n = 0; n < kRegistrations; ++n) {
        if (n % kPerCategory == 0)
            list.push_back(ArchiveEntry::category("Category " + std::to_string(n / kPerCategory)));
        auto& children = list.back().hiddenChildren;
        if (n % kPerBank == 0)
            children.push_back(RegEntry::bankLine("Bank " + std::to_string(n / kPerBank)));
        children.push_back(RegEntry::registration(sampleRecord(n)));
    }
    return list;
}

struct Setup {
    fs::path dir;
    std::string archivePath;
    ArchiveList list;
    std::vector<uint8_t> image;

    Setup() {
        std::string pattern = (fs::temp_directory_path() / "tombrel-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        dir = pattern;
        archivePath = (dir / "large.yra").string();
        list = makeList();
        image = buildArchiveImage(list);
        std::ofstream out(archivePath, std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
        if (!out.good())
            std::abort();
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

// A "VmHWM:" or "VmRSS:" line of /proc/self/status, in KiB.
long statusKiB(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const size_t keyLength = std::strlen(key);
    while (std::getline(status, line))
        if (line.compare(0, keyLength, key) == 0)
            return std::atol(line.c_str() + keyLength);
    return -1;
}

// Child mode: read the archive named in the environment once, report the resident set before and
// the peak after, and end before any benchmark starts.
[[maybe_unused]] const bool kPeakChild = [] {
    const char* path = std::getenv(kPeakVariable);
    if (!path)
        return false;
    const long before = statusKiB("VmRSS:");
    const ArchiveReadResult read = readArchiveFile(path);
    const long peak = statusKiB("VmHWM:");
    std::printf("%ld %ld %d\n", before, peak, archiveRegistrationCount(read.list));
    std::fflush(stdout);
    _exit(read.ok ? 0 : 1);
}();

void BM_ArchiveRead(benchmark::State& state) {
    const std::string& path = setup().archivePath;
    for (auto _ : state) {
        ArchiveReadResult read = readArchiveFile(path);
        if (!read.ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read.list.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(setup().image.size()));
}

void BM_BaselineFread(benchmark::State& state) {
    const std::string& path = setup().archivePath;
    const size_t size = setup().image.size();
    for (auto _ : state) {
        std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
        std::FILE* f = std::fopen(path.c_str(), "rb");
        const size_t got = f ? std::fread(buffer.get(), 1, size, f) : 0;
        if (f)
            std::fclose(f);
        if (got != size)
            state.SkipWithError("fread failed");
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}

void BM_ArchiveWrite(benchmark::State& state) {
    const std::string path = (setup().dir / "written.yra").string();
    const ArchiveList& list = setup().list;
    for (auto _ : state) {
        if (writeArchiveFile(path, list))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(setup().image.size()));
}

void BM_BaselineFwrite(benchmark::State& state) {
    const std::string path = (setup().dir / "plain.yra").string();
    const std::vector<uint8_t>& image = setup().image;
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        const size_t put = f ? std::fwrite(image.data(), 1, image.size(), f) : 0;
        if (!f || std::fclose(f) != 0 || put != image.size())
            state.SkipWithError("fwrite failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(image.size()));
}

// Starts this program again in child mode and reports its figures as counters: the peak resident
// set while reading, in MiB, and that peak (with and without the process's own start-up size)
// over the file's size.
void BM_ArchiveReadPeakMemory(benchmark::State& state) {
    const std::string& path = setup().archivePath;
    const double fileMiB = static_cast<double>(setup().image.size()) / (1024.0 * 1024.0);
    long before = 0, peak = 0;
    int count = 0;
    for (auto _ : state) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            state.SkipWithError("pipe failed");
            break;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        const std::string variable = std::string(kPeakVariable) + "=" + path;
        std::vector<char*> env;
        for (char** e = environ; *e; ++e)
            env.push_back(*e);
        env.push_back(const_cast<char*>(variable.c_str()));
        env.push_back(nullptr);
        char self[] = "/proc/self/exe";
        char* argv[] = {self, nullptr};
        pid_t child = 0;
        const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, env.data());
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        char text[128] = {};
        const ssize_t got = spawned == 0 ? read(pipeFds[0], text, sizeof text - 1) : -1;
        close(pipeFds[0]);
        int status = 0;
        if (spawned == 0)
            waitpid(child, &status, 0);
        if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
            std::sscanf(text, "%ld %ld %d", &before, &peak, &count) != 3) {
            state.SkipWithError("peak measurement failed");
            break;
        }
    }
    state.counters["file_MiB"] = fileMiB;
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
    state.counters["peak_per_file"] = static_cast<double>(peak) / 1024.0 / fileMiB;
    state.counters["read_growth_per_file"] = static_cast<double>(peak - before) / 1024.0 / fileMiB;
    state.counters["registrations"] = count;
}

} // namespace

BENCHMARK(BM_BaselineFread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ArchiveRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BaselineFwrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ArchiveWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ArchiveReadPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
