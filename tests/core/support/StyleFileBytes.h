#pragma once

// Small Standard MIDI Files made in the tests: a 6-byte header and one track of given events.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tombrel::testing {

using Bytes = std::vector<uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes textBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A variable-length quantity.
inline Bytes vlq(uint32_t value) {
    Bytes out{static_cast<uint8_t>(value & 0x7F)};
    while (value >>= 7)
        out.insert(out.begin(), static_cast<uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

// A meta event with delta time 0.
inline Bytes meta(uint8_t type, const Bytes& data) {
    return Bytes{0x00, 0xFF, type} + vlq(static_cast<uint32_t>(data.size())) + data;
}
inline Bytes trackName(const std::string& name) {
    return meta(0x03, textBytes(name));
}

// "MThd", format 0, one track, 480 ticks; then "MTrk" with the events. `trackLength` overrides
// the length the track claims.
inline Bytes midiFile(const Bytes& events, int64_t trackLength = -1) {
    const uint32_t length =
        trackLength < 0 ? static_cast<uint32_t>(events.size()) : static_cast<uint32_t>(trackLength);
    Bytes out = textBytes("MThd") + Bytes{0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0} + textBytes("MTrk");
    out.push_back(static_cast<uint8_t>(length >> 24));
    out.push_back(static_cast<uint8_t>(length >> 16));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(length));
    return out + events;
}

// A style file of at least 48 bytes whose track starts with the name, padded with an
// end-of-track event and filler to `size` bytes.
inline Bytes styleFile(const std::string& name, size_t size = 64) {
    Bytes events = trackName(name) + Bytes{0x00, 0xFF, 0x2F, 0x00};
    Bytes out = midiFile(events);
    if (out.size() < size)
        out.resize(size, 0);
    return out;
}

inline void writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace tombrel::testing
