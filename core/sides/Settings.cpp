#include "core/sides/Settings.h"

#include "core/text/Text1252.h"

#include <cstdio>

namespace tombrel {

namespace {

std::string numbered(const char* format, const char* base, int number) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, base, number);
    return buffer;
}

} // namespace

bool extendedModeFromEnvironment(std::optional<std::string_view> value) {
    return value && equalsIgnoreCase1252(*value, kExtendedModeWord);
}

std::string recentRegistrationName(int index) {
    return numbered("%s%02d", "LastOpenReg", index + 1);
}

std::string recentArchiveName(int index) {
    return numbered("%s%02d", "LastOpenArch", index + 1);
}

std::string keyboardPathName(int index) {
    return numbered("%s%d", "KeyboardPath", index + 1);
}

std::string pcPathName(int index) {
    return numbered("%s%d", "PCPath", index + 1);
}

std::string playerPathName(int index) {
    return numbered("%s%d", "PlayerPath", index + 1);
}

bool isExtendedModeSetting(std::string_view name) {
    return name == "HideDuplicateBankTitles" || name == "HideEmptyEntries";
}

} // namespace tombrel
