#pragma once

// Finding files in a folder by a wildcard pattern such as "REG*.bup", "*.sty" or "STY*.b*".
// Patterns match without regard to case, as the keyboard's file names are written in any case
// and this file system tells them apart.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

// '*' matches any run of characters, '?' any one character; letters compare without regard to
// case (Windows-1252).
bool matchesPattern(std::string_view name, std::string_view pattern);

// A hidden file: its name starts with ".".
bool isHiddenName(std::string_view name);

// Names (not paths) of the regular files directly in `folder` that match `pattern`, in the order
// the folder lists them; hidden files only when asked. Empty when the folder cannot be read.
std::vector<std::string> matchingFileNames(const std::string& folder, std::string_view pattern,
                                           bool includeHidden = false);

// The first matching file's name, sorted byte-wise so that the choice does not depend on the
// order in which the file system lists the folder.
std::optional<std::string> firstMatchingFileName(const std::string& folder,
                                                 std::string_view pattern);

// Joins a folder and a name with the platform separator (none added when the folder is empty or
// already ends in one).
std::string joinPath(std::string_view folder, std::string_view name);

// The path up to its last separator (empty when it has none; a root such as "/" or "E:\" keeps
// its separator) and the part after it. "\" and "/" both separate on Windows.
std::string parentPathOf(std::string_view path);
std::string fileNameOf(std::string_view path);

} // namespace tombrel
