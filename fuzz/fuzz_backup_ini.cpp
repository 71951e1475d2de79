// Arbitrary text as an existing BACKUP.INI: the update must come out in CR LF lines that read
// back as written, and a second save of the same backup must leave the description as the first
// one made it.

#include "core/files/BackupSet.h"

#include <string_view>

using namespace tombrel;

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void requireCrLfLines(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r')
            require(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n')
            require(i > 0 && text[i - 1] == '\r');
    }
    require(text.empty() || text.size() >= 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const KeyboardModel model = keyboardModelFromInt(data[0] % 3);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    for (const std::string& line : splitBackupIniLines(text))
        require(line.size() <= 99 && line.find_first_of("\r\n") == std::string::npos);

    const std::optional<std::string> first = updatedBackupIni(text, model);
    if (!first)
        return 0;
    requireCrLfLines(*first);
    // Read back as lines, the written text is those lines with CR LF after each.
    std::string joined;
    for (const std::string& line : splitBackupIniLines(*first))
        joined += line + "\r\n";
    require(joined == *first);
    const std::optional<std::string> second = updatedBackupIni(*first, model);
    require(!second || *second == *first);
    return 0;
}
