#include "core/names/MidiStyleName.h"

#include "core/text/Text1252.h"

#include <algorithm>
#include <cstring>

namespace tombrel {

namespace {

constexpr size_t kTrackChunkOffset = 14; // "MThd", its length and 6 bytes of header data
constexpr size_t kTrackDataOffset = 22;

// A variable-length quantity of at most four bytes, as lengths are written in a MIDI file. Moves
// `pos` past it; nothing when it runs past `limit` (`cut` tells so) or is longer than four bytes.
std::optional<uint64_t> readVariableLength(std::span<const uint8_t> bytes, size_t& pos,
                                           size_t limit, bool& cut) {
    uint64_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= limit) {
            cut = true;
            return std::nullopt;
        }
        const uint8_t b = bytes[pos++];
        value = (value << 7) | (b & 0x7F);
        if ((b & 0x80) == 0)
            return value;
    }
    return std::nullopt;
}

} // namespace

MidiStyleNameHead midiStyleNameFromHead(std::span<const uint8_t> head, uint64_t fileSize) {
    MidiStyleNameHead none;
    MidiStyleNameHead more;
    more.needsMore = true;
    fileSize = std::max<uint64_t>(fileSize, head.size());

    if (head.size() < kTrackDataOffset)
        return fileSize > head.size() ? more : none;
    if (std::memcmp(head.data(), "MThd", 4) != 0 ||
        std::memcmp(head.data() + kTrackChunkOffset, "MTrk", 4) != 0)
        return none;
    const uint64_t trackLength = (uint64_t{head[18]} << 24) | (uint64_t{head[19]} << 16) |
                                 (uint64_t{head[20]} << 8) | uint64_t{head[21]};
    // A track that claims more bytes than the file holds ends with the file.
    const uint64_t end = std::min<uint64_t>(kTrackDataOffset + trackLength, fileSize);
    const size_t limit = static_cast<size_t>(std::min<uint64_t>(end, head.size()));
    // The walk needs the bytes before `upTo`: past the track's end there is no name; within it
    // but past the head the answer lies in bytes not yet read.
    const auto needs = [&](uint64_t upTo) {
        return upTo <= end && limit < end ? more : none;
    };

    size_t pos = kTrackDataOffset;
    int runningStatus = -1; // high nibble of the last channel status byte
    while (pos < limit) {
        // Delta time: every byte with the top bit set, then one without.
        while (pos < limit && (head[pos] & 0x80) != 0)
            ++pos;
        if (pos >= limit)
            return needs(uint64_t{pos} + 1);
        ++pos;
        if (pos >= limit)
            return needs(uint64_t{pos} + 1);

        const uint8_t b = head[pos];
        if ((b < 0x80 && runningStatus >= 0) || (b >= 0x80 && b <= 0xEF)) {
            if (b >= 0x80) {
                runningStatus = b >> 4;
                ++pos;
            }
            // Only the walk needs these bytes; an event cut off by the end simply ends it.
            pos += (runningStatus == 0xC || runningStatus == 0xD) ? 1 : 2;
        } else if (b == 0xF0 || b == 0xF7) {
            ++pos;
            bool cut = false;
            const auto length = readVariableLength(head, pos, limit, cut);
            if (!length)
                return cut ? needs(uint64_t{pos} + 1) : none;
            if (*length > limit - pos)
                return needs(uint64_t{pos} + *length);
            pos += static_cast<size_t>(*length);
        } else if (b == 0xFF) {
            ++pos;
            if (pos >= limit)
                return needs(uint64_t{pos} + 1);
            const uint8_t type = head[pos++];
            bool cut = false;
            const auto length = readVariableLength(head, pos, limit, cut);
            if (!length)
                return cut ? needs(uint64_t{pos} + 1) : none;
            if (*length > limit - pos)
                return needs(uint64_t{pos} + *length);
            if (type == 0x01 || type == 0x03) {
                const size_t take =
                    static_cast<size_t>(std::min<uint64_t>(*length, kMidiStyleNameMaxLength));
                const char* data = reinterpret_cast<const char*>(head.data() + pos);
                const void* zero = std::memchr(data, 0, take);
                const size_t n =
                    zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : take;
                MidiStyleNameHead found;
                found.name = std::string(trimRight(std::string_view(data, n)));
                return found;
            }
            pos += static_cast<size_t>(*length);
        } else {
            return none;
        }
    }
    return needs(uint64_t{pos} + 1);
}

std::optional<std::string> midiStyleName(std::span<const uint8_t> bytes) {
    return midiStyleNameFromHead(bytes, bytes.size()).name;
}

} // namespace tombrel
