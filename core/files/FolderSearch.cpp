#include "core/files/FolderSearch.h"

#include "core/files/FileIo.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tombrel {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

constexpr char kSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

} // namespace

bool matchesPattern(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with one backtracking point for the last '*'.
    size_t n = 0, p = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || upper1252(static_cast<unsigned char>(pattern[p])) ==
                                             upper1252(static_cast<unsigned char>(name[n])))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool isHiddenName(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

std::vector<std::string> matchingFileNames(const std::string& folder, std::string_view pattern,
                                           bool includeHidden) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(toFsPath(folder), ec);
    if (ec)
        return names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc))
            continue;
        std::string name = fromFsPath(it->path().filename());
        if (!includeHidden && isHiddenName(name))
            continue;
        if (matchesPattern(name, pattern))
            names.push_back(std::move(name));
    }
    return names;
}

std::optional<std::string> firstMatchingFileName(const std::string& folder,
                                                 std::string_view pattern) {
    std::vector<std::string> names = matchingFileNames(folder, pattern);
    if (names.empty())
        return std::nullopt;
    return *std::min_element(names.begin(), names.end());
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (!out.empty() && !isSeparator(out.back()))
        out += kSeparator;
    out += name;
    return out;
}

std::string parentPathOf(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (!isSeparator(path[i - 1]))
            continue;
        // A root keeps its separator: the folder of "/REG.bup" is "/", of "E:\REG.bup" "E:\"
        // (without it, "E:" would be the current folder of that drive).
        size_t end = i - 1;
        if (end == 0)
            end = 1;
#ifdef _WIN32
        else if (end == 2 && path[1] == ':')
            end = 3;
#endif
        return std::string(path.substr(0, end));
    }
    return {};
}

std::string fileNameOf(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]))
            return std::string(path.substr(i));
    }
    return std::string(path);
}

} // namespace tombrel
