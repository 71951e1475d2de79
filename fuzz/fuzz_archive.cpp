// Feeds arbitrary bytes to the archive reader. Besides not crashing, whatever the reader accepts
// must write back to exactly the bytes it came from, and its count must match its records.
#include "core/files/ArchiveFile.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tombrel::ArchiveReadResult read = tombrel::parseArchive(data, size, "fuzz.yra");
    if (!read.ok) {
        if (read.messages.empty() || !read.list.empty())
            std::abort();
        return 0;
    }
    if (!read.messages.empty())
        std::abort();
    const std::vector<uint8_t> image = tombrel::buildArchiveImage(read.list);
    if (image.size() != size || std::memcmp(image.data(), data, size) != 0)
        std::abort();
    size_t registrations = 0;
    for (const tombrel::ArchiveEntry& category : read.list) {
        if (!category.isCategory || category.expanded != category.hiddenChildren.empty())
            std::abort();
        for (const tombrel::RegEntry& child : category.hiddenChildren)
            registrations += child.isBankLine ? 0 : 1;
    }
    if (static_cast<int>(registrations) != tombrel::archiveRegistrationCount(read.list))
        std::abort();
    return 0;
}
