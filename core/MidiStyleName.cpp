#include "core/MidiStyleName.h"

#include "core/Text1252.h"

#include <algorithm>
#include <cstring>

namespace tombrel {

namespace {

constexpr size_t kTrackChunkOffset = 14; // "MThd", its length and 6 bytes of header data
constexpr size_t kTrackDataOffset = 22;

// A variable-length quantity of at most four bytes, as lengths are written in a MIDI file. Moves
// `pos` past it; nothing when it runs past `end` or is longer than four bytes.
std::optional<uint64_t> readVariableLength(std::span<const uint8_t> bytes, size_t& pos,
                                           size_t end) {
    uint64_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end)
            return std::nullopt;
        const uint8_t b = bytes[pos++];
        value = (value << 7) | (b & 0x7F);
        if ((b & 0x80) == 0)
            return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> midiStyleName(std::span<const uint8_t> bytes) {
    if (bytes.size() < kTrackDataOffset)
        return std::nullopt;
    if (std::memcmp(bytes.data(), "MThd", 4) != 0 ||
        std::memcmp(bytes.data() + kTrackChunkOffset, "MTrk", 4) != 0)
        return std::nullopt;
    const uint64_t trackLength = (uint64_t{bytes[18]} << 24) | (uint64_t{bytes[19]} << 16) |
                                 (uint64_t{bytes[20]} << 8) | uint64_t{bytes[21]};
    // A track that claims more bytes than the file holds ends with the file.
    const size_t end = static_cast<size_t>(
        std::min<uint64_t>(kTrackDataOffset + trackLength, uint64_t{bytes.size()}));

    size_t pos = kTrackDataOffset;
    int runningStatus = -1; // high nibble of the last channel status byte
    while (pos < end) {
        // Delta time: every byte with the top bit set, then one without.
        while (pos < end && (bytes[pos] & 0x80) != 0)
            ++pos;
        if (pos >= end)
            return std::nullopt;
        ++pos;
        if (pos >= end)
            return std::nullopt;

        const uint8_t b = bytes[pos];
        if ((b < 0x80 && runningStatus >= 0) || (b >= 0x80 && b <= 0xEF)) {
            if (b >= 0x80) {
                runningStatus = b >> 4;
                ++pos;
            }
            // Only the walk needs these bytes; an event cut off by the end simply ends it.
            pos += (runningStatus == 0xC || runningStatus == 0xD) ? 1 : 2;
        } else if (b == 0xF0 || b == 0xF7) {
            ++pos;
            const auto length = readVariableLength(bytes, pos, end);
            if (!length || *length > end - pos)
                return std::nullopt;
            pos += static_cast<size_t>(*length);
        } else if (b == 0xFF) {
            ++pos;
            if (pos >= end)
                return std::nullopt;
            const uint8_t type = bytes[pos++];
            const auto length = readVariableLength(bytes, pos, end);
            if (!length || *length > end - pos)
                return std::nullopt;
            if (type == 0x01 || type == 0x03) {
                const size_t take =
                    static_cast<size_t>(std::min<uint64_t>(*length, kMidiStyleNameMaxLength));
                const char* data = reinterpret_cast<const char*>(bytes.data() + pos);
                const void* zero = std::memchr(data, 0, take);
                const size_t n =
                    zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : take;
                return std::string(trimRight(std::string_view(data, n)));
            }
            pos += static_cast<size_t>(*length);
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace tombrel
