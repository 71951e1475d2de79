#pragma once

// Every value the program keeps between runs, with its default. The values are read once when the
// main window opens and written once when the user leaves the program; the store itself (the
// per-user settings of the platform, section "Param") lives in the application and walks the
// values with visitStoredSettings.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tombrel {

inline constexpr int kRecentFileCount = 20;
inline constexpr int kSongPathPairCount = 5;
inline constexpr int kPlayerCount = 3;

// The settings section every value lives in.
inline constexpr std::string_view kSettingsSection = "Param";

// The environment variable and the word that switch the extended mode on.
inline constexpr std::string_view kExtendedModeVariable = "Tombrel";
inline constexpr std::string_view kExtendedModeWord = "Korvath";

// The extended mode is on when the variable exists and holds the word without regard to case.
// The caller reads the environment; nothing means the variable does not exist.
bool extendedModeFromEnvironment(std::optional<std::string_view> value);

struct Settings {
    // "G" German, "E" English; anything else asks for the language. Read and written by the
    // start-up and the Choose Language dialog only, never by visitStoredSettings.
    std::string language;

    bool yamahaBackupStruktur = true;     // open and save inside the keyboard's backup sets
    bool hideDuplicateBankTitles = false; // extended mode only
    bool hideEmptyEntries = false;        // extended mode only
    bool noNetworkAccess = false;
    int flashStyleMode = 0; // 0 Factory, 1 Default, 2 Individual
    std::string flashStyleFile;
    int diskStyleMode = 0; // 0 Number, 1 Folder
    std::string diskStyleDirectory;
    std::string lastBackupDir;
    int lastKeyboard = 1; // 1 PSR-9000, 2 PSR-9000pro, 0 none
    std::array<std::string, kRecentFileCount> lastOpenReg{};
    std::array<std::string, kRecentFileCount> lastOpenArch{};
    std::array<std::string, kSongPathPairCount> keyboardPath{"FDDRV:"};
    std::array<std::string, kSongPathPairCount> pcPath{"A:"};
    int topPos = -1; // -1: where the window layout puts the window
    int leftPos = -1;
    std::array<std::string, kPlayerCount> playerPath{};

    bool operator==(const Settings&) const = default;
};

// The stored name of an indexed value: "LastOpenReg" + "%02d", "KeyboardPath" + "%d", ...
std::string recentRegistrationName(int index); // index 0..19 -> LastOpenReg01..20
std::string recentArchiveName(int index);      // LastOpenArch01..20
std::string keyboardPathName(int index);       // index 0..4 -> KeyboardPath1..5
std::string pcPathName(int index);             // PCPath1..5
std::string playerPathName(int index);         // index 0..2 -> PlayerPath1..3

// Calls visit(name, value) for every stored value except Language, with `value` a bool&, int& or
// std::string& member of `settings` (booleans are stored as integers 0 and 1). Without the
// extended mode the two list filter values are left out: they are neither read nor written.
// Works on a const Settings for writing as well.
template <class S, class Visitor>
void visitStoredSettings(S& settings, bool extendedMode, Visitor&& visit) {
    visit(std::string_view("YamahaBackupStruktur"), settings.yamahaBackupStruktur);
    if (extendedMode) {
        visit(std::string_view("HideDuplicateBankTitles"), settings.hideDuplicateBankTitles);
        visit(std::string_view("HideEmptyEntries"), settings.hideEmptyEntries);
    }
    visit(std::string_view("NoNetworkAccess"), settings.noNetworkAccess);
    visit(std::string_view("FlashStyleMode"), settings.flashStyleMode);
    visit(std::string_view("FlashStyleFile"), settings.flashStyleFile);
    visit(std::string_view("DiskStyleMode"), settings.diskStyleMode);
    visit(std::string_view("DiskStyleDirectory"), settings.diskStyleDirectory);
    visit(std::string_view("LastBackupDir"), settings.lastBackupDir);
    visit(std::string_view("LastKeyboard"), settings.lastKeyboard);
    for (int i = 0; i < kRecentFileCount; ++i)
        visit(std::string_view(recentRegistrationName(i)), settings.lastOpenReg[i]);
    for (int i = 0; i < kRecentFileCount; ++i)
        visit(std::string_view(recentArchiveName(i)), settings.lastOpenArch[i]);
    for (int i = 0; i < kSongPathPairCount; ++i) {
        visit(std::string_view(keyboardPathName(i)), settings.keyboardPath[i]);
        visit(std::string_view(pcPathName(i)), settings.pcPath[i]);
    }
    visit(std::string_view("TopPos"), settings.topPos);
    visit(std::string_view("LeftPos"), settings.leftPos);
    for (int i = 0; i < kPlayerCount; ++i)
        visit(std::string_view(playerPathName(i)), settings.playerPath[i]);
}

// Whether a stored name is one of the two values that exist only in the extended mode.
bool isExtendedModeSetting(std::string_view name);

} // namespace tombrel
