// Arbitrary text as a style locations file. Every definition read must name a flash or disk style
// place with a name that holds no line break; and the places and names read, loaded as the names
// of the flash styles and the disk style folder, must be written by Save Sty. Loc. into a file
// that reads back as exactly the names loaded.

#include "core/names/StyleLocations.h"

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tombrel;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const StyleLocationList read = parseStyleLocations(text);
    for (const StyleLocation& entry : read) {
        require(entry.index >= kFirstFlashStyle && entry.index < kStyleIndexCount);
        require(entry.name.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
        require(!entry.name.empty() && entry.name.size() <= kStyleLocationsPieceLength - 5);
    }

    // The places read become the loaded names; a later definition of a place wins.
    StyleNameTable names;
    names.fillDefaultNames();
    std::array<std::string, kDiskStyleCount> texts;
    for (int k = 0; k < kDiskStyleCount; ++k)
        texts[static_cast<size_t>(k)] = diskStyleFolderText(k, "");
    for (const StyleLocation& entry : read) {
        if (entry.index < kFirstDiskStyle)
            names.setIndividualName(entry.index - kFirstFlashStyle, entry.name);
        else
            texts[static_cast<size_t>(entry.index - kFirstDiskStyle)] =
                diskStyleFolderText(entry.index - kFirstDiskStyle, entry.name);
    }
    DiskStyleTexts disk;
    disk.setTexts(texts);
    const StyleLocationList loaded =
        currentStyleLocations(names, FlashNameMode::Individual, disk, DiskStyleMode::Folder);
    const std::string saved =
        styleLocationsText(names, FlashNameMode::Individual, disk, DiskStyleMode::Folder);
    require(parseStyleLocations(saved) == loaded);
    return 0;
}
