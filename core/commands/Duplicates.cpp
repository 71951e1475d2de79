#include "core/commands/Duplicates.h"

#include "core/text/Text1252.h"

#include <cstring>
#include <string_view>
#include <unordered_map>

namespace tombrel {

namespace {

std::string_view paramBlock(const RegRecord& r) {
    return std::string_view(reinterpret_cast<const char*>(r.data() + RegRecord::ParamOffset),
                            RegRecord::ParamSize);
}

// Groups the registrations by a key; a key is a view into storage that outlives the search.
template <class KeyOf>
void groupBy(std::span<const PlacedFile* const> files, DuplicateKind kind, KeyOf keyOf,
             std::vector<DuplicateGroup>& out) {
    size_t total = 0;
    for (const PlacedFile* f : files)
        total += f->registrations.size();
    // First pass: each registration's key number and how often each key comes; the groups are
    // built only for keys that come more than once.
    constexpr size_t kNone = static_cast<size_t>(-1);
    std::unordered_map<std::string_view, size_t> keyNumber;
    keyNumber.reserve(total);
    std::vector<size_t> numbers;
    numbers.reserve(total);
    std::vector<size_t> counts;
    for (size_t f = 0; f < files.size(); ++f) {
        const std::vector<PlacedRecord>& regs = files[f]->registrations;
        for (size_t i = 0; i < regs.size(); ++i) {
            const std::string_view key =
                regs[i].record.isEmpty() ? std::string_view() : keyOf(f, i);
            if (regs[i].record.isEmpty() || (key.empty() && kind == DuplicateKind::Title)) {
                numbers.push_back(kNone);
                continue;
            }
            const auto [at, inserted] = keyNumber.try_emplace(key, counts.size());
            if (inserted)
                counts.push_back(0);
            ++counts[at->second];
            numbers.push_back(at->second);
        }
    }
    std::vector<size_t> groupOf(counts.size(), kNone);
    const size_t first = out.size();
    size_t n = 0;
    for (size_t f = 0; f < files.size(); ++f) {
        for (size_t i = 0; i < files[f]->registrations.size(); ++i, ++n) {
            const size_t number = numbers[n];
            if (number == kNone || counts[number] < 2)
                continue;
            if (groupOf[number] == kNone) {
                groupOf[number] = out.size() - first;
                out.push_back({kind, {}});
                out.back().members.reserve(counts[number]);
            }
            out[first + groupOf[number]].members.push_back({static_cast<int>(f), i});
        }
    }
}

} // namespace

std::string_view duplicateKindName(DuplicateKind kind) {
    return kind == DuplicateKind::Title ? "title" : "params";
}

std::vector<DuplicateGroup> findDuplicates(std::span<const PlacedFile* const> files,
                                           DuplicateSearch search) {
    std::vector<DuplicateGroup> out;
    if (search.params) {
        groupBy(
            files, DuplicateKind::Params,
            [&](size_t f, size_t i) { return paramBlock(files[f]->registrations[i].record); }, out);
    }
    if (search.titles) {
        // The keys: each title trimmed of trailing blanks and upper-cased, kept for the search.
        std::vector<std::vector<std::string>> keys(files.size());
        for (size_t f = 0; f < files.size(); ++f) {
            keys[f].reserve(files[f]->registrations.size());
            for (const PlacedRecord& r : files[f]->registrations)
                keys[f].push_back(toUpper1252(r.record.title()));
        }
        groupBy(
            files, DuplicateKind::Title,
            [&](size_t f, size_t i) { return std::string_view(keys[f][i]); }, out);
    }
    return out;
}

} // namespace tombrel
