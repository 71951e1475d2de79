// The JSON text form of an archive of 100,000 registrations: export (the list to a JSON file)
// and import (a JSON file back to the list), each next to reading the same archive from its
// .yra file in the same run. Goal: each within ten times the read. BM_JsonGoals reports the
// ratios as counters, from the best of three runs of each step, by the clock and by processor
// time.
//
// The import runs on the program's own pull reader (JsonReader). Beside it the same import is fed
// by nlohmann::json::sax_parse, with the byte position turned into lines for the messages as the
// import needs them: the figures that decide which parser the import uses.

#include "core/commands/TextForm.h"
#include "core/files/ArchiveFile.h"
#include "core/files/FileIo.h"
#include "textform/JsonDocument.h"
#include "textform/JsonImportBuilder.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
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

// ---- The same import through nlohmann's SAX parser ---------------------------------------------

// Where the parser has read to: the iterator below moves it with every character, and the
// events ask it for their line.
class ReadPosition {
public:
    explicit ReadPosition(std::string_view text) : text_(text), at_(text.data()) {}
    void moveTo(const char* at) { at_ = at; }
    // The line and column of the byte at `offset`; lines are counted as the reading goes on.
    textform::JsonPosition of(size_t offset) {
        while (scanned_ < offset) {
            const void* nl = std::memchr(text_.data() + scanned_, '\n', offset - scanned_);
            if (!nl) {
                scanned_ = offset;
                break;
            }
            ++line_;
            lineStart_ = scanned_ =
                static_cast<size_t>(static_cast<const char*>(nl) - text_.data()) + 1;
        }
        return {line_, static_cast<int>(offset - lineStart_) + 1};
    }
    // The byte `back` places before where the parser stands.
    textform::JsonPosition before(size_t back) {
        const size_t read = static_cast<size_t>(at_ - text_.data());
        return of(read >= back ? read - back : 0);
    }
    int line(size_t back) { return before(back).line; }

private:
    std::string_view text_;
    const char* at_;
    size_t scanned_ = 0;
    size_t lineStart_ = 0;
    int line_ = 1;
};

class TrackedIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TrackedIterator(const char* at, ReadPosition* position) : at_(at), position_(position) {}
    reference operator*() const { return *at_; }
    TrackedIterator& operator++() {
        position_->moveTo(++at_);
        return *this;
    }
    TrackedIterator operator++(int) {
        TrackedIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const TrackedIterator& other) const { return at_ == other.at_; }

private:
    const char* at_;
    ReadPosition* position_;
};

// nlohmann's events into the import. A string or a bracket is the last character read when its
// event comes; a number has read one character past its end.
class SaxImport {
public:
    SaxImport(textform::JsonImportBuilder& builder, ReadPosition& position)
        : builder_(builder), position_(position) {}

    bool null() { return builder_.null(position_.line(1)); }
    bool boolean(bool on) { return builder_.boolean(on, position_.line(1)); }
    bool number_integer(int64_t n) { return builder_.integer(n, position_.line(2)); }
    bool number_unsigned(uint64_t n) {
        if (n <= static_cast<uint64_t>(INT64_MAX))
            return builder_.integer(static_cast<int64_t>(n), position_.line(2));
        return builder_.number(std::to_string(n), position_.line(2));
    }
    bool number_float(double, const std::string& asWritten) {
        return builder_.number(asWritten, position_.line(2));
    }
    bool string(std::string& text) { return builder_.string(text, position_.line(1)); }
    bool binary(nlohmann::json::binary_t&) { return false; }
    bool start_object(std::size_t) { return deeper() && builder_.beginObject(position_.line(1)); }
    bool key(std::string& name) { return builder_.key(name, position_.line(1)); }
    bool end_object() {
        --depth_;
        return builder_.endObject();
    }
    bool start_array(std::size_t) { return deeper() && builder_.beginArray(position_.line(1)); }
    bool end_array() {
        --depth_;
        return builder_.endArray();
    }
    bool parse_error(std::size_t read, const std::string&, const nlohmann::detail::exception& e) {
        builder_.syntaxError(problemOf(e.what()), position_.of(read > 0 ? read - 1 : 0));
        return false;
    }

private:
    // Nesting as deep as the own reader allows.
    bool deeper() {
        if (++depth_ <= 256)
            return true;
        builder_.syntaxError(textform::JsonSyntaxProblem::TooDeep, position_.before(1));
        return false;
    }
    static textform::JsonSyntaxProblem problemOf(std::string_view what) {
        using P = textform::JsonSyntaxProblem;
        const std::pair<std::string_view, P> known[] = {
            {"invalid literal", P::BadLiteral},
            {"invalid number", P::BadNumber},
            {"control character", P::ControlInString},
            {"ill-formed UTF-8", P::BadUtf8},
            {"invalid string", P::BadEscape},
            {"expected end of input", P::TrailingText},
            {"unexpected end of input", P::UnexpectedEnd},
        };
        for (const auto& [text, problem] : known) {
            if (what.find(text) != std::string_view::npos)
                return problem;
        }
        return P::UnexpectedCharacter;
    }

    textform::JsonImportBuilder& builder_;
    ReadPosition& position_;
    int depth_ = 0;
};

textform::JsonImport readJsonFileSax(const std::string& path, const TextFormNames& names) {
    FileReadResult file = readWholeFile(path, FileSizeLimit::atMost(uint64_t{4} << 30));
    if (file.status != FileReadResult::Status::Ok)
        return {};
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                file.bytes.size());
    textform::JsonImportBuilder builder(names);
    ReadPosition position(text);
    SaxImport sax(builder, position);
    nlohmann::json::sax_parse(TrackedIterator(text.data(), &position),
                              TrackedIterator(text.data() + text.size(), &position), &sax);
    return builder.finish();
}

bool importJsonSax() {
    textform::JsonImport imported = readJsonFileSax(setup().jsonPath, setup().names);
    if (!imported.document)
        return false;
    ArchiveList list = archiveListOfTextForm(*imported.document);
    benchmark::DoNotOptimize(list.data());
    return archiveRegistrationCount(list) == kRegistrations;
}

// ---- The runs -----------------------------------------------------------------------------------

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
void BM_JsonImportNlohmannSax(benchmark::State& state) {
    run(state, importJsonSax, setup().jsonBytes);
}

// The best of three runs, as time on the clock and as processor time of this process (user and
// system): on a machine that others share, the second says more about the work a step does.
struct Seconds {
    double wall = 1e9;
    double cpu = 1e9;
};

Seconds bestSeconds(bool (*step)()) {
    Seconds best;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        if (!step())
            return {-1, -1};
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best.wall = std::min(best.wall, took.count());
        best.cpu =
            std::min(best.cpu, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    return best;
}

void BM_JsonGoals(benchmark::State& state) {
    Seconds read, exported, imported, importedSax;
    for (auto _ : state) {
        read = bestSeconds(readArchive);
        exported = bestSeconds(exportJson);
        imported = bestSeconds(importJson);
        importedSax = bestSeconds(importJsonSax);
        if (read.wall <= 0 || exported.wall <= 0 || imported.wall <= 0 || importedSax.wall <= 0)
            state.SkipWithError("step failed");
    }
    const double mib = static_cast<double>(setup().jsonBytes) / (1024.0 * 1024.0);
    state.counters["json_MiB"] = mib;
    const struct {
        const char* name;
        const Seconds& took;
    } steps[] = {
        {"read", read}, {"export", exported}, {"import", imported}, {"sax_import", importedSax}};
    for (const auto& step : steps) {
        const std::string name = step.name;
        state.counters[name + "_ms"] = step.took.wall * 1000;
        state.counters[name + "_cpu_ms"] = step.took.cpu * 1000;
        if (name == "read")
            continue;
        state.counters[name + "_over_read"] = step.took.wall / read.wall;
        state.counters[name + "_cpu_over_read"] = step.took.cpu / read.cpu;
        state.counters[name + "_MiB_s"] = mib / step.took.wall;
    }
}

} // namespace

BENCHMARK(BM_JsonBaselineArchiveRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonImport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonImportNlohmannSax)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonGoals)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
