// Feeds arbitrary bytes to the style name reader of style files, checks that reading only a head
// of the bytes first never changes the answer, and cleans what it finds.

#include "core/names/DiskStyleTexts.h"
#include "core/names/MidiStyleName.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tombrel;
    const std::span<const uint8_t> bytes(data, size);
    const std::optional<std::string> name = midiStyleName(bytes);
    if (name) {
        if (name->size() > kMidiStyleNameMaxLength)
            std::abort();
        if (cleanDiskStyleName(*name).size() > name->size())
            std::abort();
    }
    // The last two bytes choose where the head ends.
    if (size >= 2) {
        const size_t headSize = ((size_t{data[size - 1]} << 8) | data[size - 2]) % (size + 1);
        const MidiStyleNameHead head = midiStyleNameFromHead(bytes.first(headSize), size);
        if (!head.needsMore && head.name != name)
            std::abort();
        if (headSize == size && head.needsMore)
            std::abort();
    }
    return 0;
}
