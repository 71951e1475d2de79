#include "core/files/ArchiveFile.h"

#include "core/files/FileIo.h"

#include <cstring>

namespace tombrel {

namespace {

constexpr uint8_t kTagRegistration = 0x01;
constexpr uint8_t kTagCategory = 0x02;
constexpr uint8_t kTagBankTitle = 0x03;
constexpr size_t kHeaderSize = kArchiveMagic.size() + 1; // the magic and its NUL

ArchiveReadResult refused(std::vector<UserMessage> messages) {
    ArchiveReadResult result;
    result.messages = std::move(messages);
    return result;
}

ArchiveReadResult notAnArchive() {
    return refused({UserMessage{&msg::NotAnArchive, {}, {}}});
}

// Bad records are reported like the platform's generic failure on the file, after our own text.
ArchiveReadResult invalidData(const std::string& path) {
    return refused({UserMessage{&msg::InvalidArchiveData, {}, {}},
                    UserMessage{&msg::UnknownFileError, {}, path}});
}

// Length of the text that ends at the next NUL at or after `pos`, or nothing when the buffer
// ends first.
std::optional<size_t> terminatedTextLength(const uint8_t* data, size_t size, size_t pos) {
    const void* nul = std::memchr(data + pos, 0, size - pos);
    if (!nul)
        return std::nullopt;
    return static_cast<size_t>(static_cast<const uint8_t*>(nul) - (data + pos));
}

enum class Scan { Sound, Invalid, TooManyLines };

// The most records the lines of an archive of `size` bytes may come from (see
// kArchiveMemoryPerFileByte).
uint64_t recordLimit(size_t size) {
    return (kArchiveMemoryPerFileByte * size + kArchiveMemoryAllowance) / sizeof(ArchiveEntry);
}

// First walk over the records, building nothing: every record must be whole inside the buffer
// and follow a category, and there may not be more than the memory bound allows. Counts each
// category's records so that the build can reserve exactly and never has to grow a list of a
// hundred thousand entries.
Scan scanRecords(const uint8_t* data, size_t size, std::vector<size_t>& recordsPerCategory) {
    const uint64_t limit = recordLimit(size);
    uint64_t records = 0;
    size_t pos = kHeaderSize;
    while (pos < size) {
        if (++records > limit)
            return Scan::TooManyLines;
        const uint8_t tag = data[pos++];
        switch (tag) {
        case kTagRegistration:
            if (recordsPerCategory.empty() || size - pos < RegRecord::Size)
                return Scan::Invalid;
            pos += RegRecord::Size;
            ++recordsPerCategory.back();
            break;
        case kTagCategory:
        case kTagBankTitle: {
            if (tag == kTagBankTitle && recordsPerCategory.empty())
                return Scan::Invalid;
            const std::optional<size_t> length = terminatedTextLength(data, size, pos);
            if (!length)
                return Scan::Invalid;
            pos += *length + 1;
            if (tag == kTagCategory)
                recordsPerCategory.push_back(0);
            else
                ++recordsPerCategory.back();
            break;
        }
        default:
            return Scan::Invalid;
        }
    }
    return Scan::Sound;
}

// The build hands back the file's memory behind it in steps of this many bytes, so that the
// file and the list built from it are not both held in full.
constexpr size_t kReleaseStep = size_t{2} << 20;

// Second walk, over records the scan has found sound. Each line is made once in its place: a
// registration straight from its bytes, a bank title line with its text.
ArchiveList buildList(const uint8_t* data, size_t size,
                      const std::vector<size_t>& recordsPerCategory, FileBuffer* release) {
    ArchiveList list;
    list.reserve(recordsPerCategory.size());
    size_t pos = kHeaderSize;
    size_t nextRelease = kReleaseStep;
    while (pos < size) {
        if (release && pos >= nextRelease) {
            release->releaseBefore(pos);
            nextRelease = pos + kReleaseStep;
        }
        const uint8_t tag = data[pos++];
        if (tag == kTagRegistration) {
            list.back().hiddenChildren.emplace_back(RegRecord::fromBytes(data + pos));
            pos += RegRecord::Size;
            continue;
        }
        const size_t length = *terminatedTextLength(data, size, pos);
        const std::string_view text(reinterpret_cast<const char*>(data + pos), length);
        pos += length + 1;
        if (tag == kTagCategory) {
            ArchiveEntry& category = list.emplace_back();
            category.isBankLine = category.isCategory = true;
            category.categoryName = text;
            const size_t children = recordsPerCategory[list.size() - 1];
            category.hiddenChildren.reserve(children);
            prepareForWriting(category.hiddenChildren.data(), children * sizeof(RegEntry));
        } else {
            RegEntry& bank = list.back().hiddenChildren.emplace_back();
            bank.isBankLine = true;
            bank.bankTitle = text;
        }
    }
    // A category with nothing to hide is shown expanded; all others start collapsed.
    for (ArchiveEntry& category : list)
        category.expanded = category.hiddenChildren.empty();
    return list;
}

// Checks the header and the records, then builds the list; `release`, when given, is the buffer
// that holds `data`, handed back behind the build as it goes.
ArchiveReadResult parse(const uint8_t* data, size_t size, const std::string& pathForMessages,
                        FileBuffer* release) {
    if (size < kHeaderSize || std::memcmp(data, kArchiveMagic.data(), kArchiveMagic.size()) != 0 ||
        data[kArchiveMagic.size()] != 0)
        return notAnArchive();

    std::vector<size_t> recordsPerCategory;
    switch (scanRecords(data, size, recordsPerCategory)) {
    case Scan::Sound:
        break;
    case Scan::Invalid:
        return invalidData(pathForMessages);
    case Scan::TooManyLines:
        return refused({UserMessage{&msg::ArchiveTooManyLines, {}, {}}});
    }

    ArchiveReadResult result;
    result.ok = true;
    result.list = buildList(data, size, recordsPerCategory, release);
    return result;
}

// Texts are stored up to their first NUL: a NUL inside a name would end it in the file and turn
// the rest of the name into records.
std::string_view storedText(const std::string& text) {
    const size_t nul = text.find('\0');
    return std::string_view(text).substr(0, nul == std::string::npos ? text.size() : nul);
}

// Hands the records of a display list, in file order, to a sink; the sizing and the filling pass
// both walk the list through here.
template <class Sink> void emitRecords(const ArchiveList& list, Sink& sink) {
    const auto emitLine = [&sink](const RegEntry& line) {
        if (line.isBankLine)
            sink.text(kTagBankTitle, storedText(line.bankTitle));
        else
            sink.registration(line.record);
    };
    bool inCategory = false;
    for (const ArchiveEntry& entry : list) {
        if (entry.isCategory) {
            sink.text(kTagCategory, storedText(entry.categoryName));
            for (const RegEntry& child : entry.hiddenChildren)
                emitLine(child);
            inCategory = true;
            continue;
        }
        if (!inCategory) {
            // The reader refuses records before the first category; rather than writing a file
            // that can never be opened again, such lines get a category without a name.
            sink.text(kTagCategory, {});
            inCategory = true;
        }
        emitLine(entry);
    }
}

struct ImageSizer {
    size_t size = kHeaderSize;
    void registration(const RegRecord&) { size += 1 + RegRecord::Size; }
    void text(uint8_t, std::string_view text) { size += 1 + text.size() + 1; }
};

// Appends records to an image whose exact size was reserved; never grows it past that size, and
// remembers when it would have.
struct ImageFiller {
    std::vector<uint8_t>& image;
    size_t limit;
    bool overflow = false;

    bool room(size_t n) {
        if (overflow || limit - image.size() < n)
            overflow = true;
        return !overflow;
    }
    void put(const void* data, size_t n) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        image.insert(image.end(), bytes, bytes + n);
    }
    void header() {
        if (!room(kHeaderSize))
            return;
        put(kArchiveMagic.data(), kArchiveMagic.size());
        image.push_back(0);
    }
    void registration(const RegRecord& record) {
        if (!room(1 + RegRecord::Size))
            return;
        image.push_back(kTagRegistration);
        put(record.data(), RegRecord::Size);
    }
    void text(uint8_t tag, std::string_view text) {
        if (!room(1 + text.size() + 1))
            return;
        image.push_back(tag);
        put(text.data(), text.size());
        image.push_back(0);
    }
};

} // namespace

ArchiveReadResult parseArchive(const uint8_t* data, size_t size,
                               const std::string& pathForMessages) {
    return parse(data, size, pathForMessages, nullptr);
}

ArchiveReadResult readArchiveFile(const std::string& path) {
    FileBufferReadResult file =
        readWholeFileBuffer(path, FileSizeLimit::atMost(kMaxArchiveFileSize));
    switch (file.status) {
    case FileReadResult::Status::Ok:
        break;
    case FileReadResult::Status::OpenFailed:
        return refused({UserMessage{&msg::ErrorOpeningFile, std::move(file.platformError), {}}});
    case FileReadResult::Status::TooLarge:
        return refused({UserMessage{&msg::InvalidFileSize, std::move(file.platformError), {}}});
    case FileReadResult::Status::WrongSize:
    case FileReadResult::Status::ReadFailed:
        return refused({UserMessage{&msg::ErrorReadingFile, std::move(file.platformError), {}}});
    }
    // The file's buffer is freed when this returns; only the list stays.
    return parse(file.bytes.data(), file.bytes.size(), path, &file.bytes);
}

std::vector<uint8_t> buildArchiveImage(const ArchiveList& list) {
    ImageSizer sizer;
    emitRecords(list, sizer);

    std::vector<uint8_t> image;
    image.reserve(sizer.size);
    prepareForWriting(image.data(), sizer.size);
    ImageFiller filler{image, sizer.size};
    filler.header();
    emitRecords(list, filler);
    // An image always holds at least the header, so an empty one tells the caller that the two
    // passes disagreed.
    if (filler.overflow || image.size() != sizer.size)
        return {};
    return image;
}

std::optional<std::vector<UserMessage>> writeArchiveFile(const std::string& path,
                                                         const ArchiveList& list, FileSystem& fs) {
    if (path.empty())
        return std::vector<UserMessage>{};

    // The whole image is built and checked before anything touches the disk.
    const std::vector<uint8_t> image = buildArchiveImage(list);
    if (image.empty())
        return std::vector<UserMessage>{UserMessage{&msg::InvalidArchiveBufferSize, {}, {}},
                                        UserMessage{&msg::UnknownFileError, {}, path},
                                        UserMessage{&msg::ErrorSavingArchive, {}, {}}};

    if (std::optional<std::string> error =
            writeFileAtomically(path, image.data(), image.size(), fs))
        return std::vector<UserMessage>{
            UserMessage{&msg::ErrorSavingArchive, std::move(*error), {}}};
    return std::nullopt;
}

int archiveRegistrationCount(const ArchiveList& list) {
    int count = 0;
    for (const ArchiveEntry& entry : list) {
        if (entry.isCategory) {
            for (const RegEntry& child : entry.hiddenChildren)
                count += child.isRegistration() ? 1 : 0;
        } else if (entry.isRegistrationLine()) {
            ++count;
        }
    }
    return count;
}

} // namespace tombrel
