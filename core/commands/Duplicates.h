#pragma once

// Registrations that are there twice: the same parameter block byte for byte (whatever their
// titles), or the same title without regard to case and trailing blanks. Free slots (empty
// registrations) are never anybody's duplicate, nor is a registration without a title a title
// duplicate. Groups are found by hashing, so an archive of 100,000 registrations takes one pass.

#include "core/commands/Compare.h"

#include <span>
#include <vector>

namespace tombrel {

enum class DuplicateKind { Params, Title };
std::string_view duplicateKindName(DuplicateKind kind); // "params", "title"

struct DuplicateMember {
    int file = 0;     // index into the files searched
    size_t index = 0; // into that file's registrations
};

struct DuplicateGroup {
    DuplicateKind by = DuplicateKind::Params;
    std::vector<DuplicateMember> members; // in file order, then place order
};

struct DuplicateSearch {
    bool params = true;
    bool titles = true;
};

// The groups of each kind asked for, parameter groups first, each kind in the order of its first
// member.
std::vector<DuplicateGroup> findDuplicates(std::span<const PlacedFile* const> files,
                                           DuplicateSearch search = {});

} // namespace tombrel
