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
    std::unordered_map<std::string_view, size_t> groupOf;
    std::vector<DuplicateGroup> groups;
    for (size_t f = 0; f < files.size(); ++f) {
        const std::vector<PlacedRecord>& regs = files[f]->registrations;
        for (size_t i = 0; i < regs.size(); ++i) {
            if (regs[i].record.isEmpty())
                continue;
            const std::string_view key = keyOf(f, i);
            if (key.empty() && kind == DuplicateKind::Title)
                continue;
            const auto [at, inserted] = groupOf.try_emplace(key, groups.size());
            if (inserted)
                groups.push_back({kind, {}});
            groups[at->second].members.push_back({static_cast<int>(f), i});
        }
    }
    for (DuplicateGroup& g : groups) {
        if (g.members.size() > 1)
            out.push_back(std::move(g));
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
