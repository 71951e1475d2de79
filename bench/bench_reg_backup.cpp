// Reading and saving a registration backup against one plain fread / fwrite of the same 241692
// bytes in the same run. Goal: each within 2x of its plain counterpart.

#include "core/files/FileIo.h"
#include "core/files/RegBackupFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace tombrel;

namespace {

struct BenchFiles {
    std::filesystem::path folder;
    std::string backup;   // a full registration backup
    std::string plainOut; // target of the plain write
    std::string savedOut; // target of the registration backup save
    RegList lines;

    BenchFiles() {
        folder = std::filesystem::temp_directory_path() / "tombrel_bench_reg_backup";
        std::filesystem::create_directories(folder);
        backup = (folder / "REG.bup").string();
        plainOut = (folder / "plain.bup").string();
        savedOut = (folder / "saved.bup").string();
        RegList list;
        for (int bank = 0; bank < kBankCount; ++bank) {
            list.push_back(RegEntry::bankLine("Bank " + std::to_string(bank + 1)));
            for (int slot = 0; slot < kSlotsPerBank; ++slot) {
                RegRecord record = RegRecord::empty();
                record.setTitle("Reg " + std::to_string(bank * 8 + slot));
                record.setTempo(60 + slot);
                list.push_back(RegEntry::registration(record));
            }
        }
        const std::vector<uint8_t> image = buildRegBackupImage(list, KeyboardModel::Psr9000);
        std::FILE* f = std::fopen(backup.c_str(), "wb");
        std::fwrite(image.data(), 1, image.size(), f);
        std::fclose(f);
        lines = readRegBackupFile(backup).lines;
    }
    ~BenchFiles() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

BenchFiles& files() {
    static BenchFiles f;
    return f;
}

void PlainFread(benchmark::State& state) {
    std::vector<uint8_t> buffer(kRegBackupSize);
    for (auto _ : state) {
        std::FILE* f = std::fopen(files().backup.c_str(), "rb");
        const size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(PlainFread);

void ReadRegBackup(benchmark::State& state) {
    for (auto _ : state) {
        RegBackupReadResult read = readRegBackupFile(files().backup);
        if (!read.ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read.lines.data());
    }
}
BENCHMARK(ReadRegBackup);

void PlainFwrite(benchmark::State& state) {
    const std::vector<uint8_t> image = buildRegBackupImage(files().lines, KeyboardModel::Psr9000);
    for (auto _ : state) {
        std::FILE* f = std::fopen(files().plainOut.c_str(), "wb");
        const size_t put = std::fwrite(image.data(), 1, image.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(put);
    }
}
BENCHMARK(PlainFwrite);

void WriteRegBackup(benchmark::State& state) {
    for (auto _ : state) {
        if (writeRegBackupFile(files().savedOut, files().lines, KeyboardModel::Psr9000))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(WriteRegBackup);

// The parts of a read and a save, to show where the time goes.
void PartReadWholeFile(benchmark::State& state) {
    for (auto _ : state) {
        FileReadResult read = readWholeFile(files().backup, FileSizeLimit::exactly(kRegBackupSize));
        benchmark::DoNotOptimize(read.bytes.data());
    }
}
BENCHMARK(PartReadWholeFile);

void PartChecksum(benchmark::State& state) {
    const FileReadResult read =
        readWholeFile(files().backup, FileSizeLimit::exactly(kRegBackupSize));
    for (auto _ : state)
        benchmark::DoNotOptimize(computeRegChecksum(read.bytes.data()));
}
BENCHMARK(PartChecksum);

void PartParse(benchmark::State& state) {
    const FileReadResult read =
        readWholeFile(files().backup, FileSizeLimit::exactly(kRegBackupSize));
    for (auto _ : state) {
        RegBackupReadResult parsed = parseRegBackup(read.bytes.data(), read.bytes.size());
        benchmark::DoNotOptimize(parsed.lines.data());
    }
}
BENCHMARK(PartParse);

void PartBuildImage(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<uint8_t> image = buildRegBackupImage(files().lines, KeyboardModel::Psr9000);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(PartBuildImage);

} // namespace
