#include "core/files/HelpDocuments.h"

#include "core/files/FileIo.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tombrel {

namespace fs = std::filesystem;

namespace {

// A folder and a name joined and cleaned ("a/b/../c" is "a/c"), with '/' on every platform.
std::string joined(const std::string& folder, const std::string& relative) {
    const std::u8string clean =
        (toFsPath(folder) / toFsPath(relative)).lexically_normal().generic_u8string();
    std::string text(clean.begin(), clean.end());
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

} // namespace

std::string helpDocumentFile(Language lang) {
    return lang == Language::German ? "Tombrel.htm" : "Tombrel_e.htm";
}

std::vector<std::string> helpDocumentFolders(const std::string& programDir,
                                             const std::string& installedFromProgram,
                                             const std::string& sourceDir,
                                             const std::string& startDir) {
    std::vector<std::string> folders;
    if (!programDir.empty()) {
        if (!installedFromProgram.empty())
            folders.push_back(joined(programDir, installedFromProgram));
        folders.push_back(programDir);
    }
    for (const std::string& folder : {sourceDir, startDir}) {
        if (!folder.empty())
            folders.push_back(folder);
    }
    return folders;
}

std::vector<std::string> helpDocumentPaths(Language lang, const std::vector<std::string>& folders) {
    const std::string name = helpDocumentFile(lang);
    std::vector<std::string> candidates;
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        for (const std::string& path :
             {joined(folder, name), joined(folder, "docs/help/" + name)}) {
            if (std::find(candidates.begin(), candidates.end(), path) == candidates.end())
                candidates.push_back(path);
        }
    }
    return candidates;
}

std::string locateHelpDocument(Language lang, const std::vector<std::string>& folders) {
    for (const std::string& path : helpDocumentPaths(lang, folders)) {
        std::error_code ec;
        if (fs::is_regular_file(toFsPath(path), ec))
            return path;
    }
    return {};
}

} // namespace tombrel
