#include "core/names/SongFile.h"

#include "core/files/FileIo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tombrel {

namespace {

constexpr std::array<std::string_view, 5> kMidiExtensions = {"mid", "midi", "kar", "rmi", "smf"};
constexpr std::string_view kMidiFileMagic = "MThd";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

bool isMidiSongFile(std::string_view fileName, std::string_view firstBytes) {
    const size_t dot = fileName.rfind('.');
    // A leading dot starts a hidden name, not an extension.
    if (dot == std::string_view::npos || dot == 0)
        return firstBytes.substr(0, kMidiFileMagic.size()) == kMidiFileMagic;
    const std::string_view extension = fileName.substr(dot + 1);
    return std::any_of(kMidiExtensions.begin(), kMidiExtensions.end(), [&](std::string_view known) {
        return equalsIgnoringCase(extension, known);
    });
}

std::optional<std::string> midiSongToOpen(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    std::error_code ec;
    std::filesystem::path target = toFsPath(path);
    if (std::filesystem::is_symlink(target, ec)) {
        target = std::filesystem::canonical(target, ec);
        if (ec)
            return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(target, ec))
        return std::nullopt;
    std::array<char, 4> head{};
    std::ifstream in(target, std::ios::binary);
    if (!in)
        return std::nullopt;
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    const std::string_view firstBytes(head.data(), static_cast<size_t>(in.gcount()));
    if (!isMidiSongFile(fromFsPath(target.filename()), firstBytes))
        return std::nullopt;
    return fromFsPath(target);
}

} // namespace tombrel
