#pragma once

// The rules that hold the registration side's list in bank order: the two optional load filters,
// the normalisation that pads and splits banks and numbers every line, the regrouping into whole
// banks, and the text of each list line. Plain functions over a RegList; RegistrationSide applies
// them to its own list.

#include "core/record/RegEntry.h"

#include <string>

namespace tombrel {

inline constexpr int kRegBankCount = 64;
inline constexpr int kRegSlotsPerBank = 8;
inline constexpr int kMaxRegistrations = kRegBankCount * kRegSlotsPerBank;

struct RegListFilters {
    bool hideDuplicateBankTitles = false;
    bool hideEmptyEntries = false;

    bool operator==(const RegListFilters&) const = default;
};

// Load filter 1: a bank line whose title equals the title of the bank line kept before it is
// removed, so that a run of banks with one title shows under one bank line. "<No Name>" banks are
// never merged, and neither is a bank whose registrations are all empty: merging it would let the
// normalisation drop it and shift every later bank by one.
void hideDuplicateBankTitles(RegList& lines);

// Load filter 2: every bank loses its empty registrations after its last non-empty one, and the
// "<No Name>" banks after the last bank that holds something disappear. A "<No Name>" bank that
// keeps a registration keeps its bank line (otherwise its registrations would fall into the bank
// before it, or be listed before any bank line and never saved).
void hideEmptyEntries(RegList& lines);

// Runs the filters that are on, duplicates first.
void applyRegLoadFilters(RegList& lines, RegListFilters filters);

// Pads short banks with empty registrations, opens a continuation bank for a ninth registration
// (or drops a run of empty ones), pads the list to 64 banks, as far as the filters allow; then
// numbers the lines from `start` on. `trackedIndex`, when given, goes on pointing at the same line
// while lines are inserted or removed. Linear in the length of the list.
void normaliseRegList(RegList& lines, int start, int* trackedIndex, RegListFilters filters);

// Numbers every line (bank and slot) as the normalisation does, changing nothing else: for a list
// put back as it was.
void numberRegList(RegList& lines);

// The lines grouped into banks as the file stores them, without the limit of 64 banks: lines
// before the first bank line are dropped, short banks padded, a ninth registration opens a
// continuation bank with the last bank title, and "<No Name>" banks fill up to 64.
RegList canonicalRegList(const RegList& lines);

// The number of banks the file writer fills from these lines (more than 64 cannot be saved).
int regBanksNeeded(const RegList& lines);

// The number of registration lines.
int countRegistrations(const RegList& lines);

// "<%02d>\t%s" for a bank line, "<%02d/%d>\t        %s" for an active registration and the same
// with the title in braces for an inactive one; empty for the trailing line and beyond.
std::string regLineText(const RegList& lines, int index);

// A new empty registration line and a new "<No Name>" bank line.
RegEntry emptyRegistrationLine();
RegEntry noNameBankLine();

} // namespace tombrel
