#include "core/files/BackupSet.h"

#include "core/files/FileIo.h"
#include "core/files/FolderSearch.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tombrel {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "\\/";
#else
constexpr std::string_view kSeparators = "/";
#endif

bool isSeparator(char c) {
    return kSeparators.find(c) != std::string_view::npos;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A trailing separator does not make a folder a different one.
std::string_view withoutTrailingSeparators(std::string_view path) {
    while (path.size() > 1 && isSeparator(path.back()))
        path.remove_suffix(1);
    return path;
}

std::string_view lastComponent(std::string_view path) {
    path = withoutTrailingSeparators(path);
    const size_t at = path.find_last_of(kSeparators);
    return at == std::string_view::npos ? path : path.substr(at + 1);
}

// The name of an entry of `folder` that equals `name` without regard to case, preferring the exact
// spelling; the first in byte order when several differ only in case.
std::optional<std::string> entryNameIgnoringCase(const std::string& folder, std::string_view name,
                                                 bool wantDirectory) {
    const fs::path dir = toFsPath(folder.empty() ? std::string(".") : folder);
    std::error_code ec;
    const fs::file_status exact = fs::status(dir / toFsPath(name), ec);
    if (wantDirectory ? fs::is_directory(exact) : fs::is_regular_file(exact))
        return std::string(name);

    std::optional<std::string> found;
    fs::directory_iterator it(dir, ec);
    if (ec)
        return found;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::string entry = fromFsPath(it->path().filename());
        if (!equalsIgnoreCase1252(entry, name))
            continue;
        std::error_code typeEc;
        if (wantDirectory ? !it->is_directory(typeEc) : !it->is_regular_file(typeEc))
            continue;
        if (!found || entry < *found)
            found = std::move(entry);
    }
    return found;
}

// The folder that holds a file: up to the last separator; the root for a file directly in it; the
// current folder (empty) for a bare name.
std::string folderOf(std::string_view filePath) {
    std::string folder = parentPathOf(filePath);
    if (folder.empty() && !filePath.empty() && isSeparator(filePath.front()))
        folder = std::string(1, filePath.front());
    return folder;
}

} // namespace

bool hasBackupSetExtension(std::string_view path) {
    const std::string_view name = lastComponent(path);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot != 4)
        return false;
    const std::string_view ext = name.substr(dot);
    if (equalsIgnoreCase1252(ext, ".buf"))
        return true;
    return (ext[1] == 'B' || ext[1] == 'b') && isDigit(ext[2]) && isDigit(ext[3]);
}

bool isBackupSetFolder(const std::string& path) {
    return hasBackupSetExtension(path) &&
           entryNameIgnoringCase(std::string(withoutTrailingSeparators(path)), kBackupIniName,
                                 false)
               .has_value();
}

std::string backupSetDisplayName(std::string_view name) {
    if (!hasBackupSetExtension(name))
        return std::string(name);
    name = withoutTrailingSeparators(name);
    const std::string_view ext = name.substr(name.size() - 4);
    std::string display(name.substr(0, name.size() - 4));
    // Disk 00 is the first (or only) disk of a set and shows under the plain name.
    if (isDigit(ext[2]) && isDigit(ext[3]) && (ext[2] != '0' || ext[3] != '0')) {
        display += " [Disk-";
        display += ext.substr(2);
        display += ']';
    }
    return display;
}

std::string backupSetFolderName(std::string_view displayName) {
    static constexpr std::string_view kDiskMark = " [Disk-";
    const size_t at = displayName.find(kDiskMark);
    if (at != std::string_view::npos) {
        const size_t digits = at + kDiskMark.size();
        if (digits + 2 <= displayName.size() && isDigit(displayName[digits]) &&
            isDigit(displayName[digits + 1])) {
            std::string folder(displayName.substr(0, at));
            folder += ".b";
            folder += displayName.substr(digits, 2);
            return folder;
        }
    }
    if (hasBackupSetExtension(displayName))
        return std::string(displayName);
    return std::string(displayName) + ".buf";
}

bool createBackupSetFolder(const std::string& path) {
    if (path.empty())
        return false;
    const fs::path target = toFsPath(path);
    // The root, a drive ("X:\") or a server ("\\server\") cannot be created; start below it.
    fs::path current = target.root_path();
    for (const fs::path& piece : target.relative_path()) {
        if (piece.empty())
            continue; // a trailing separator
        current /= piece;
        std::error_code ec;
        if (fs::is_directory(current, ec))
            continue;
        fs::create_directory(current, ec);
        // Another program may have made it in the meantime; only a folder we cannot enter fails.
        if (!fs::is_directory(current, ec))
            return false;
    }
    return true;
}

std::string backupSetResultPath(const std::string& currentFolder, std::string_view nameField,
                                bool openMode, std::string_view pattern) {
    const std::string_view name = trim(nameField);
    if (name.empty())
        return {};
    std::string setName = backupSetFolderName(name);
    if (setName.find_first_of(kSeparators) == std::string::npos) {
        if (std::optional<std::string> existing =
                entryNameIgnoringCase(currentFolder, setName, true))
            setName = std::move(*existing);
    }
    std::string result = joinPath(currentFolder, setName);
    if (openMode) {
        if (std::optional<std::string> file = firstMatchingFileName(result, pattern))
            result = joinPath(result, *file);
    }
    return result;
}

bool backupSetHoldsMatchingFile(const std::string& folder, std::string_view pattern) {
    return firstMatchingFileName(folder, pattern).has_value();
}

std::string backupIniPathFor(const std::string& regFilePath) {
    const std::string folder = folderOf(regFilePath);
    const std::optional<std::string> existing =
        entryNameIgnoringCase(folder, kBackupIniName, false);
    return joinPath(folder, existing ? *existing : std::string(kBackupIniName));
}

// ---- BACKUP.INI --------------------------------------------------------------------------------

namespace {

constexpr size_t kIniPieceLength = 99;
constexpr long long kRegBackupBytes = 241692; // what a registration backup adds to the set's total
constexpr std::string_view kIniLineEnd = "\r\n";
constexpr std::string_view kTotalSizeHead = "[TOTAL USER DATA SIZE]";
constexpr std::string_view kRegistSectionHead = "[BACKUP REGIST]";
constexpr std::string_view kFileCountLine = "TOTAL FILE NUM:0";
constexpr std::string_view kMultiPadHead = "[BACKUP MULTI PAD]";
constexpr std::string_view kDataEndLine = "[DATAEND]";

std::string regEntryLine(KeyboardModel model) {
    return "4 = " + std::string(regBackupFileName(model));
}

bool isRegEntryLine(std::string_view line) {
    return equalsIgnoreCase1252(line, regEntryLine(KeyboardModel::Psr9000)) ||
           equalsIgnoreCase1252(line, regEntryLine(KeyboardModel::Psr9000Pro));
}

std::string totalLine(long long total) {
    return std::to_string(total) + "KB";
}

// The leading decimal digits of a line (blanks before them skipped); 0 when there are none.
long long leadingNumber(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    long long value = 0;
    constexpr long long kCap = 1'000'000'000'000'000LL; // far beyond any medium; no overflow
    for (; i < line.size() && isDigit(line[i]); ++i)
        value = std::min(kCap, value * 10 + (line[i] - '0'));
    return value;
}

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += kIniLineEnd;
}

void appendRegistSection(std::string& out, KeyboardModel model) {
    appendLine(out, kRegistSectionHead);
    appendLine(out, kFileCountLine);
    appendLine(out, regEntryLine(model));
}

} // namespace

std::vector<std::string> splitBackupIniLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        do {
            const size_t piece = std::min(line.size(), kIniPieceLength);
            lines.emplace_back(line.substr(0, piece));
            line.remove_prefix(piece);
        } while (!line.empty());
        at = end;
        if (at < text.size())
            at += (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
    }
    return lines;
}

std::string freshBackupIni(KeyboardModel model) {
    std::string out;
    for (std::string_view line :
         {std::string_view("[TITLE]"), backupIniTitleLine(model),
          std::string_view("YAMAHA Corporation"), std::string_view("[DISK NO]"),
          std::string_view("DISK000"), std::string_view("[INSTRUMENT]"),
          backupIniInstrumentLine(model), std::string_view("[VERSION]"),
          backupIniVersionLine(model), kTotalSizeHead})
        appendLine(out, line);
    appendLine(out, totalLine(kRegBackupBytes));
    appendRegistSection(out, model);
    appendLine(out, kDataEndLine);
    return out;
}

std::optional<std::string> updatedBackupIni(std::string_view existing, KeyboardModel model) {
    const std::vector<std::string> lines = splitBackupIniLines(existing);
    const std::string entry = regEntryLine(model);

    bool hasSection = false;
    long long oldTotal = 0;
    bool totalFollows = false;
    for (const std::string& line : lines) {
        if (totalFollows) {
            oldTotal = leadingNumber(line);
            totalFollows = false;
        }
        if (equalsIgnoreCase1252(line, kRegistSectionHead))
            hasSection = true;
        else if (hasSection && equalsIgnoreCase1252(line, entry))
            return std::nullopt; // the set already lists this backup
        else if (equalsIgnoreCase1252(line, kTotalSizeHead))
            totalFollows = true;
    }
    const long long newTotal = hasSection ? oldTotal : oldTotal + kRegBackupBytes;

    std::string out;
    out.reserve(existing.size() + 64);
    bool sectionWritten = hasSection;
    bool replaceTotal = false;
    for (const std::string& line : lines) {
        if (replaceTotal) {
            replaceTotal = false;
            appendLine(out, totalLine(newTotal));
            // A head right after the total's head means the value was missing: keep the head.
            if (line.empty() || line.front() != '[')
                continue;
        }
        if (!sectionWritten && (equalsIgnoreCase1252(line, kMultiPadHead) ||
                                equalsIgnoreCase1252(line, kDataEndLine))) {
            appendRegistSection(out, model);
            sectionWritten = true;
        }
        // A set saved for the other keyboard is switched over to this one.
        appendLine(out, sectionWritten && isRegEntryLine(line) ? std::string_view(entry)
                                                               : std::string_view(line));
        if (equalsIgnoreCase1252(line, kTotalSizeHead))
            replaceTotal = true;
    }
    if (replaceTotal)
        appendLine(out, totalLine(newTotal));
    // Without an end mark the section goes last; otherwise the set would never list the backup
    // and every save would add its size to the total once more.
    if (!sectionWritten)
        appendRegistSection(out, model);
    return out;
}

std::optional<UserMessage> updateBackupIni(const std::string& regFilePath, KeyboardModel model) {
    const std::string path = backupIniPathFor(regFilePath);
    std::error_code ec;
    const bool exists = fs::exists(fs::symlink_status(toFsPath(path), ec));

    std::string content;
    if (exists) {
        // A description that cannot be read is not replaced by a fresh one: it may list other
        // backups of the set.
        FileReadResult read = readWholeFile(path, FileSizeLimit::atMost(kMaxBackupIniSize));
        if (read.status != FileReadResult::Status::Ok)
            return UserMessage{&msg::ErrorUpdatingBackupIni, std::move(read.platformError), {}};
        std::optional<std::string> updated = updatedBackupIni(
            std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()),
            model);
        if (!updated)
            return std::nullopt;
        content = std::move(*updated);
    } else {
        content = freshBackupIni(model);
    }
    if (std::optional<std::string> error =
            writeFileAtomically(path, content.data(), content.size()))
        return UserMessage{&msg::ErrorUpdatingBackupIni, std::move(*error), {}};
    return std::nullopt;
}

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "file:///home/anna/My%20Sets" -> "/home/anna/My Sets"; a "file://host/share" link keeps its
// host as a network path. Any other text is left as it is.
std::string pathOfFileUrl(std::string_view text) {
    constexpr std::string_view scheme = "file://";
    if (text.size() < scheme.size() || !equalsIgnoreCase1252(text.substr(0, scheme.size()), scheme))
        return std::string(text);
    std::string_view rest = text.substr(scheme.size());
    std::string path;
    if (!rest.empty() && rest.front() != '/')
        path = "//"; // a host
    for (size_t i = 0; i < rest.size(); ++i) {
        const int high = rest[i] == '%' && i + 2 < rest.size() ? hexDigit(rest[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(rest[i + 2]) : -1;
        if (high >= 0 && low >= 0) {
            path += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            path += rest[i];
        }
    }
    // "file:///C:/Sets" is the drive path "C:/Sets".
    if (path.size() >= 3 && path[0] == '/' && path[2] == ':' &&
        std::isalpha(static_cast<unsigned char>(path[1])))
        path.erase(0, 1);
    return path;
}

std::string_view trimmedBlanks(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

TypedBackupSetPath typedBackupSetPath(std::string_view typed, const std::string& base) {
    TypedBackupSetPath result;
    std::string_view text = trimmedBlanks(typed);
    for (const char quote : {'"', '\''}) {
        if (text.size() >= 2 && text.front() == quote && text.back() == quote)
            text = trimmedBlanks(text.substr(1, text.size() - 2));
    }
    if (text.empty())
        return result;
    fs::path path = toFsPath(pathOfFileUrl(text));
    if (path.is_relative() && !base.empty())
        path = toFsPath(base) / path;
    path = path.lexically_normal();
    // "/home/anna/Sets/" names the folder "/home/anna/Sets".
    if (!path.has_filename() && path.has_parent_path() && path != path.root_path())
        path = path.parent_path();
    result.path = fromFsPath(path);

    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        result.kind = TypedBackupSetPath::Kind::Missing;
    } else if (fs::is_directory(status)) {
        result.kind = TypedBackupSetPath::Kind::Folder;
        result.folder = result.path;
    } else {
        result.kind = TypedBackupSetPath::Kind::File;
        result.folder = fromFsPath(path.parent_path());
    }
    return result;
}

} // namespace tombrel
