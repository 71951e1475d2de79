#include "core/names/SongPath.h"

#include "core/text/Text1252.h"

#include <algorithm>

namespace tombrel {

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}
bool endsWithSeparator(std::string_view text) {
    return !text.empty() && isSeparator(text.back());
}

void replaceAll(std::string& text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
}

// Puts a prefix in front of the rest of a path with at most one separator between them: one when
// either side brought one to the seam (the matched prefix ended with one, or the rest starts with
// one), none when the new prefix already ends with one. So "/home/anna/Keyboard" and
// "/home/anna/Keyboard/" both work, and pairs without a trailing separator join plainly.
std::string joinAtSeam(std::string_view prefix, bool matchedPrefixEndedWithSeparator,
                       std::string_view rest, char separator) {
    bool seam = matchedPrefixEndedWithSeparator;
    if (!rest.empty() && isSeparator(rest.front())) {
        seam = true;
        rest.remove_prefix(1);
    }
    std::string out(prefix);
    if (seam && !endsWithSeparator(prefix))
        out += separator;
    out.append(rest);
    return out;
}

// Path separators of either kind compare equal in a PC prefix; letters without regard to case.
bool pcPrefixMatches(std::string_view path, std::string_view prefix) {
    if (prefix.size() > path.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const char a = path[i], b = prefix[i];
        if (isSeparator(a) && isSeparator(b))
            continue;
        if (upper1252(static_cast<unsigned char>(a)) != upper1252(static_cast<unsigned char>(b)))
            return false;
    }
    return true;
}

} // namespace

SongPathMappings SongPathMappings::defaults() {
    SongPathMappings mappings;
    mappings.pairs[0] = {"FDDRV:", "A:"};
    return mappings;
}

std::string songPathToPcForm(std::string_view keyboardPath, const SongPathMappings& mappings,
                             char separator) {
    std::string path = toUpper1252(keyboardPath);
    replaceAll(path, '/', separator);
    for (const SongPathPair& pair : mappings.pairs) {
        if (!pair.active())
            continue;
        // The keyboard prefix is compared exactly, in the same separators as the path.
        std::string prefix = utf8To1252(pair.keyboardPrefix);
        replaceAll(prefix, '/', separator);
        if (std::string_view(path).substr(0, prefix.size()) != prefix)
            continue;
        const std::string rest = utf8From1252(std::string_view(path).substr(prefix.size()));
        return joinAtSeam(pair.pcPrefix, endsWithSeparator(prefix), rest, separator);
    }
    return utf8From1252(path);
}

std::string songPathToKeyboardForm(std::string_view pcPath, const SongPathMappings& mappings) {
    const std::string path = utf8To1252(pcPath);
    std::string out;
    bool matched = false;
    for (const SongPathPair& pair : mappings.pairs) {
        if (!pair.active())
            continue;
        const std::string prefix = utf8To1252(pair.pcPrefix);
        if (!pcPrefixMatches(path, prefix))
            continue;
        const std::string rest = toUpper1252(std::string_view(path).substr(prefix.size()));
        out = joinAtSeam(utf8To1252(pair.keyboardPrefix), endsWithSeparator(prefix), rest, '/');
        matched = true;
        break;
    }
    if (!matched)
        out = toUpper1252(path);
    replaceAll(out, '\\', '/');
    return out;
}

} // namespace tombrel
