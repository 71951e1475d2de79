// Reading and writing an archive of 100,000 registrations (about 47 MB) against the machine's
// limit, measured in the same run: reading the same bytes into a buffer that was allocated and
// touched once before the timing (BM_LimitRead), copying them with memcpy (BM_LimitMemcpy) and
// writing them from such a buffer (BM_LimitWrite). Goals: the archive read and the archive write
// each within three times its limit (the "over_limit" counter), and the peak memory of reading
// under 1.5 times the file's size ("peak_per_file").
//
// Beside the limits, and labelled as such, the same read into a buffer allocated afresh each time
// (BM_FreshBufferRead: the page faults of new memory included) and the same write followed by
// flushing the file to the medium (BM_WriteAndFlushToMedium), which every save of the archive
// does so that a power cut cannot cost the old file. They explain a ratio; they are not the limit.
//
// The peak is measured in a fresh process (this program started again with
// TOMBREL_BENCH_ARCHIVE_PEAK naming the file), so that nothing the benchmarks allocated before
// hides in or adds to the figure.

#include "core/files/ArchiveFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>

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

// Seconds per iteration of the limits, measured before the benchmarks that are held against them.
double limitReadSeconds = 0;
double limitWriteSeconds = 0;

// Runs `body` once per iteration and gives the mean seconds of one run.
template <class Body> double timed(benchmark::State& state, Body body) {
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return state.iterations() ? total / static_cast<double>(state.iterations()) : 0;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(setup().image.size()));
}

// The whole file in one read() into `buffer`.
bool readInto(const std::string& path, uint8_t* buffer, size_t size) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer + got, size - got);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    return got == size;
}

// The whole buffer to a new file with write(); with `flush`, then to the medium with fsync().
bool writeFrom(const std::string& path, const uint8_t* data, size_t size, bool flush) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    size_t put = 0;
    while (put < size) {
        const ssize_t n = ::write(fd, data + put, size - put);
        if (n <= 0)
            break;
        put += static_cast<size_t>(n);
    }
    const bool flushed = !flush || ::fsync(fd) == 0;
    return ::close(fd) == 0 && flushed && put == size;
}

// The limit of reading: the buffer is allocated and every page touched before the timing, so that
// only the kernel's copy of the cached file is measured.
void BM_LimitRead(benchmark::State& state) {
    const std::string& path = setup().archivePath;
    const size_t size = setup().image.size();
    std::vector<uint8_t> buffer(size, 1);
    limitReadSeconds = timed(state, [&] {
        if (!readInto(path, buffer.data(), size))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(buffer.data());
    });
    setBytes(state);
}

// The same bytes copied in memory, into a touched buffer.
void BM_LimitMemcpy(benchmark::State& state) {
    const std::vector<uint8_t>& image = setup().image;
    std::vector<uint8_t> buffer(image.size(), 1);
    for (auto _ : state) {
        std::memcpy(buffer.data(), image.data(), image.size());
        benchmark::ClobberMemory();
    }
    setBytes(state);
}

// Not the limit: the same read into a buffer allocated each time, whose pages the read faults in.
void BM_FreshBufferRead(benchmark::State& state) {
    const std::string& path = setup().archivePath;
    const size_t size = setup().image.size();
    for (auto _ : state) {
        std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
        if (!readInto(path, buffer.get(), size))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(buffer.get());
    }
    setBytes(state);
}

void BM_ArchiveRead(benchmark::State& state) {
    const std::string& path = setup().archivePath;
    const double seconds = timed(state, [&] {
        ArchiveReadResult read = readArchiveFile(path);
        if (!read.ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read.list.data());
    });
    setBytes(state);
    if (limitReadSeconds > 0)
        state.counters["over_limit"] = seconds / limitReadSeconds;
}

// The limit of writing: the bytes written from a buffer that is already in memory.
void BM_LimitWrite(benchmark::State& state) {
    const std::string path = (setup().dir / "plain.yra").string();
    const std::vector<uint8_t>& image = setup().image;
    limitWriteSeconds = timed(state, [&] {
        if (!writeFrom(path, image.data(), image.size(), false))
            state.SkipWithError("write failed");
    });
    setBytes(state);
}

// Not the limit: the same write, then flushed to the medium as every save of the archive is.
void BM_WriteAndFlushToMedium(benchmark::State& state) {
    const std::string path = (setup().dir / "flushed.yra").string();
    const std::vector<uint8_t>& image = setup().image;
    const double seconds = timed(state, [&] {
        if (!writeFrom(path, image.data(), image.size(), true))
            state.SkipWithError("write failed");
    });
    setBytes(state);
    if (limitWriteSeconds > 0)
        state.counters["over_limit"] = seconds / limitWriteSeconds;
}

void BM_ArchiveWrite(benchmark::State& state) {
    const std::string path = (setup().dir / "written.yra").string();
    const ArchiveList& list = setup().list;
    const double seconds = timed(state, [&] {
        if (writeArchiveFile(path, list))
            state.SkipWithError("write failed");
    });
    setBytes(state);
    if (limitWriteSeconds > 0)
        state.counters["over_limit"] = seconds / limitWriteSeconds;
}

// Building the file image alone, without the disk.
void BM_ArchiveImage(benchmark::State& state) {
    const ArchiveList& list = setup().list;
    for (auto _ : state) {
        std::vector<uint8_t> image = buildArchiveImage(list);
        benchmark::DoNotOptimize(image.data());
    }
    setBytes(state);
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

// Each limit runs before what is held against it. The minimum time gives even the slowest of
// them (a fresh 47 MB buffer, a flush to the medium) many iterations.
BENCHMARK(BM_LimitRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_LimitMemcpy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_FreshBufferRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_ArchiveRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_LimitWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_WriteAndFlushToMedium)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ArchiveImage)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_ArchiveWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ArchiveReadPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
