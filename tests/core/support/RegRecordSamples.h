#pragma once

// Registrations for the editor tests: the default one with a few fields changed, and records whose
// 470 bytes are random (every field, and every byte the program does not interpret, holding
// values no list shows), made storable by giving them a title and a tempo in range.

#include "core/record/RegRecord.h"

#include <array>
#include <cstdint>
#include <random>

namespace tombrel::test {

inline RegRecord randomRecord(uint32_t seed) {
    std::mt19937 rng(seed);
    std::array<uint8_t, RegRecord::Size> bytes{};
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(rng());
    RegRecord r = RegRecord::fromBytes(bytes.data());
    if (r.rawTitle().empty())
        r.setTitle("Random");
    r.setTempo(32 + static_cast<int>(rng() % 249));
    return r;
}

} // namespace tombrel::test
