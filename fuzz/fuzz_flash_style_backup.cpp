// Feeds arbitrary bytes to the FlashStyle backup reader and puts the names into a name table.
// The signature is written over the first bytes of most inputs so that the records get read.

#include "core/names/FlashStyleBackup.h"
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
    }
    return 0;
}
