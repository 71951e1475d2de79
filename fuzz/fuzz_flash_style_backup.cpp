// Feeds arbitrary bytes to the FlashStyle backup reader and puts the names into a name table.
// The signature is written over the first bytes of most inputs so that the records get read.
// The names then go the way Save Sty. Loc. and Update Styles take them: written into a style
// locations file and read back, they must come back as the same places and names whenever each
// fits one line of the file (no line break in it, at most 93 bytes).

#include "core/names/FlashStyleBackup.h"
#include "core/names/StyleLocations.h"
#include "core/names/StyleNameTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <variant>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tombrel;
    std::vector<uint8_t> bytes(data, data + size);
    // Short inputs are stretched to a whole backup so the fuzzer reaches the record walk; the
    // first byte chooses whether the signature is set.
    if (!bytes.empty() && (bytes[0] & 1) != 0) {
        if (bytes.size() < kFlashStyleBackupReadSize)
            bytes.resize(kFlashStyleBackupReadSize, bytes.back());
        std::memcpy(bytes.data(), kFlashStyleBackupSignature.data(),
                    kFlashStyleBackupSignature.size());
    }
    const FlashStyleBackupResult result = parseFlashStyleBackup(bytes);
    if (const auto* names = std::get_if<FlashStyleNames>(&result)) {
        StyleNameTable table;
        table.setIndividualNames(names->names);
        for (int p = 0; p < kFlashStyleCount; ++p) {
            if (names->names[static_cast<size_t>(p)].size() > kFlashStyleRecordSize)
                std::abort();
            if (table.longName(kFirstFlashStyle + p).empty())
                std::abort();
        }
        const DiskStyleTexts disk;
        const StyleLocationList current =
            currentStyleLocations(table, FlashNameMode::Individual, disk, DiskStyleMode::Number);
        const std::string text =
            styleLocationsText(table, FlashNameMode::Individual, disk, DiskStyleMode::Number);
        const StyleLocationList readBack = parseStyleLocations(text);
        bool fitsLines = true;
        for (const StyleLocation& entry : current) {
            if (entry.name.size() > kStyleLocationsPieceLength - 6 ||
                entry.name.find_first_of("\r\n") != std::string::npos)
                fitsLines = false;
        }
        if (fitsLines && readBack != current)
            std::abort();
        for (const StyleLocation& entry : readBack) {
            if (entry.index < kFirstFlashStyle || entry.index >= kStyleIndexCount)
                std::abort();
        }
    }
    return 0;
}
