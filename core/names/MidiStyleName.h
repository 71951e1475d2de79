#pragma once

// The name a style file carries inside: a style file is a Standard MIDI File, and its name is the
// first text or track name event of its first track.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tombrel {

// Longest name taken from a style file, in bytes.
inline constexpr size_t kMidiStyleNameMaxLength = 32;

// The data of the first text (FF 01) or track name (FF 03) event of the first track: at most 32
// bytes, cut at a zero byte, trailing white space removed (so possibly empty). Nothing when the
// bytes are not a Standard MIDI File with a 6-byte header, when an event the walk does not know
// comes first, or when the track ends (or the bytes end, or an event is cut off) before such an
// event. Never reads outside `bytes`.
std::optional<std::string> midiStyleName(std::span<const uint8_t> bytes);

// The same walk over the first bytes of a file of `fileSize` bytes. When the answer depends on
// bytes beyond `head`, `needsMore` is set and the caller walks the whole file instead; otherwise
// the answer is the one the whole file gives. The name almost always sits in the first hundred
// bytes, so a folder scan reads little more than the files' heads.
struct MidiStyleNameHead {
    std::optional<std::string> name;
    bool needsMore = false;
};
MidiStyleNameHead midiStyleNameFromHead(std::span<const uint8_t> head, uint64_t fileSize);

} // namespace tombrel
