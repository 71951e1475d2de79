#pragma once

// The texts of the 250 disk styles. The keyboard numbers the style files of a disk folder by
// their order in the folder and a registration stores only that number (0-249), so the program
// lists the same folder in the same order and takes each style's name from inside its file.
// Numbers are shown 1-based: "DiskStyle <001>" or, with a folder, "DiskStyle <001> - Bossa".

#include "core/names/StyleNameTable.h"
#include "core/text/Messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tombrel {

// How disk styles are named (stored as the setting's integer).
enum class DiskStyleMode : int { Number = 0, Folder = 1 };

// Files of 48 to 200000 bytes are read for their name.
inline constexpr uint64_t kMinStyleFileSize = 48;
inline constexpr uint64_t kMaxStyleFileSize = 200000;
// "DiskStyle <001> - " comes before the name in a folder text.
inline constexpr size_t kDiskStyleNamePrefixLength = 18;

// One style file of a folder: the name on disk, and the name in upper case (Windows-1252), which
// gives the keyboard's order and stands in for a style name the file does not hold.
struct DiskStyleFile {
    std::string fileName;
    std::string upperName;
};

// The style files ("*.sty" in any letter case, not hidden, not folders) of a folder in the
// keyboard's order: byte-wise by upper-case name. Two names that differ only in case (this file
// system keeps both) follow in byte-wise order of their real names. Empty when the folder cannot
// be read.
std::vector<DiskStyleFile> listDiskStyleFiles(const std::string& folder);

// The name shown for a style: a leading run of one to three digits before "_" is dropped (the "_"
// stays), the name is cut where "$.sty" starts after its first character, and trailing white
// space is removed.
std::string cleanDiskStyleName(std::string_view name);

struct DiskStyleNameRead {
    std::string name; // cleaned; the upper-case file name when the file holds no usable name
    bool fromFile = false;
    std::optional<UserMessage> readError; // the file system failed while the file was read
};
// The name of one style file: read from the file when it is 48 to 200000 bytes long and holds a
// non-empty name, else the upper-case file name.
DiskStyleNameRead readDiskStyleName(const std::string& folder, const DiskStyleFile& file);

// "DiskStyle <%03d>" and "DiskStyle <%03d> - %s" with number + 1.
std::string diskStyleNumberText(int number);
std::string diskStyleFolderText(int number, std::string_view name);

struct DiskStyleScan {
    std::array<std::string, kDiskStyleCount> texts;
    // Style files beyond the 250th, which the keyboard cannot reach.
    int ignoredFiles = 0;
    // Files the file system failed to read; each still has its file name as its name.
    std::vector<UserMessage> readErrors;
};
// The 250 texts of a folder, or the message that it has no style files.
std::variant<DiskStyleScan, UserMessage> scanDiskStyles(const std::string& folder);

class DiskStyleTexts {
public:
    // All 250 texts empty until a mode fills them.
    DiskStyleTexts() = default;

    // The text of disk style number 0-249 (`diskStyleText`); the empty text for another number.
    const std::string& text(int number) const;
    // The style's name in a folder text: everything after "DiskStyle <001> - " (empty when the
    // text is not longer than that).
    std::string_view name(int number) const;

    void fillDiskNumberNames();
    // Fills the texts from the folder's style files. On failure (no style file) the texts stay as
    // they were and the message is returned; read errors of single files come back in `readErrors`.
    std::optional<UserMessage> scanDiskStyleFolder(const std::string& folder,
                                                   std::vector<UserMessage>* readErrors = nullptr);
    void setTexts(const std::array<std::string, kDiskStyleCount>& texts) { texts_ = texts; }

private:
    std::array<std::string, kDiskStyleCount> texts_;
};

} // namespace tombrel
