#include "core/names/DiskStyleTexts.h"

#include "core/files/FileIo.h"
#include "core/files/FolderSearch.h"
#include "core/names/MidiStyleName.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tombrel {

namespace {

const std::string kEmpty;

// Bytes read first from a style file; its name almost always lies within them.
constexpr size_t kStyleFileHeadSize = 4096;

std::string threeDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%03d", value);
    return buffer;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The name inside a style file of 48 to 200000 bytes. The head of the file is read first; the
// rest only when the name lies beyond it. A failing read sets `readError`.
std::optional<std::string> styleNameInFile(const std::string& path,
                                           std::optional<UserMessage>& readError) {
    std::error_code ec;
    const uint64_t size = std::filesystem::file_size(toFsPath(path), ec);
    if (ec || size < kMinStyleFileSize || size > kMaxStyleFileSize)
        return std::nullopt;
    std::FILE* f = openFile(path, "rb");
    if (!f)
        return std::nullopt;
    struct Closer {
        std::FILE* f;
        ~Closer() { std::fclose(f); }
    } closer{f};

    std::vector<uint8_t> bytes(static_cast<size_t>(std::min<uint64_t>(size, kStyleFileHeadSize)));
    size_t have = 0;
    const auto readUpTo = [&](size_t wanted) {
        bytes.resize(wanted);
        errno = 0;
        have += std::fread(bytes.data() + have, 1, wanted - have, f);
        if (std::ferror(f)) {
            UserMessage error;
            error.message = &msg::UnknownFileError;
            error.platformError = errno != 0 ? std::string(std::strerror(errno)) : std::string();
            error.argument = path;
            readError = std::move(error);
        }
        // A file that is shorter than it was a moment ago gives no name either.
        return have == wanted;
    };
    if (!readUpTo(bytes.size()))
        return std::nullopt;
    MidiStyleNameHead head = midiStyleNameFromHead(bytes, size);
    if (head.needsMore) {
        if (!readUpTo(static_cast<size_t>(size)))
            return std::nullopt;
        return midiStyleName(bytes);
    }
    return head.name;
}

} // namespace

std::vector<DiskStyleFile> listDiskStyleFiles(const std::string& folder) {
    std::vector<DiskStyleFile> files;
    for (std::string& name : matchingFileNames(folder, "*.sty")) {
        DiskStyleFile file;
        // File names come as UTF-8; the keyboard's order is that of their single-byte form.
        file.upperName = toUpper1252(utf8To1252(name));
        file.fileName = std::move(name);
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const DiskStyleFile& a, const DiskStyleFile& b) {
        if (a.upperName != b.upperName)
            return a.upperName < b.upperName;
        return a.fileName < b.fileName;
    });
    return files;
}

std::string cleanDiskStyleName(std::string_view name) {
    size_t digits = 0;
    while (digits < name.size() && digits < 4 && isDigit(name[digits]))
        ++digits;
    if (digits >= 1 && digits <= 3 && digits < name.size() && name[digits] == '_')
        name.remove_prefix(digits);
    const size_t cut = name.find("$.sty", 1);
    if (cut != std::string_view::npos)
        name = name.substr(0, cut);
    return std::string(trimRight(name));
}

DiskStyleNameRead readDiskStyleName(const std::string& folder, const DiskStyleFile& file) {
    DiskStyleNameRead out;
    const std::string path = joinPath(folder, file.fileName);
    if (std::optional<std::string> name = styleNameInFile(path, out.readError);
        name && !name->empty()) {
        out.name = cleanDiskStyleName(*name);
        out.fromFile = true;
    } else {
        out.name = cleanDiskStyleName(file.upperName);
    }
    return out;
}

std::string diskStyleNumberText(int number) {
    return "DiskStyle <" + threeDigits(number + 1) + ">";
}

std::string diskStyleFolderText(int number, std::string_view name) {
    std::string out = diskStyleNumberText(number);
    out += " - ";
    out += name;
    return out;
}

std::variant<DiskStyleScan, UserMessage> scanDiskStyles(const std::string& folder) {
    const std::vector<DiskStyleFile> files = listDiskStyleFiles(folder);
    if (files.empty()) {
        UserMessage message;
        message.message = &msg::NoStyleFilesFound;
        return message;
    }
    DiskStyleScan scan;
    for (int k = 0; k < kDiskStyleCount; ++k) {
        std::string name;
        if (static_cast<size_t>(k) < files.size()) {
            DiskStyleNameRead read = readDiskStyleName(folder, files[static_cast<size_t>(k)]);
            if (read.readError)
                scan.readErrors.push_back(std::move(*read.readError));
            name = std::move(read.name);
        }
        scan.texts[static_cast<size_t>(k)] = diskStyleFolderText(k, name);
    }
    if (files.size() > static_cast<size_t>(kDiskStyleCount))
        scan.ignoredFiles = static_cast<int>(files.size()) - kDiskStyleCount;
    return scan;
}

const std::string& DiskStyleTexts::text(int number) const {
    if (number < 0 || number >= kDiskStyleCount)
        return kEmpty;
    return texts_[static_cast<size_t>(number)];
}

std::string_view DiskStyleTexts::name(int number) const {
    const std::string& t = text(number);
    if (t.size() <= kDiskStyleNamePrefixLength)
        return {};
    return std::string_view(t).substr(kDiskStyleNamePrefixLength);
}

void DiskStyleTexts::fillDiskNumberNames() {
    for (int k = 0; k < kDiskStyleCount; ++k)
        texts_[static_cast<size_t>(k)] = diskStyleNumberText(k);
}

std::optional<UserMessage>
DiskStyleTexts::scanDiskStyleFolder(const std::string& folder,
                                    std::vector<UserMessage>* readErrors) {
    auto result = scanDiskStyles(folder);
    if (auto* message = std::get_if<UserMessage>(&result))
        return std::move(*message);
    DiskStyleScan& scan = std::get<DiskStyleScan>(result);
    texts_ = std::move(scan.texts);
    if (readErrors)
        *readErrors = std::move(scan.readErrors);
    return std::nullopt;
}

} // namespace tombrel
