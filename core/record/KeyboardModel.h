#pragma once

// The two keyboards the program serves and the values that differ between them. Wherever a
// choice is made, every value other than PSR-9000pro takes the PSR-9000 side.

#include <array>
#include <string_view>

namespace tombrel {

enum class KeyboardModel : int { None = 0, Psr9000 = 1, Psr9000Pro = 2 };

inline bool isPro(KeyboardModel model) {
    return model == KeyboardModel::Psr9000Pro;
}
KeyboardModel keyboardModelFromInt(int value);

// Beside the registration list: "PSR9000", "9000pro", empty for none.
std::string_view keyboardName(KeyboardModel model);
// "REG.bup" or "REG_Pro.bup".
std::string_view regBackupFileName(KeyboardModel model);
// The 8-byte magic at header offset 16: "REG9_100" or "REG9P100".
std::string_view regBackupMagic(KeyboardModel model);
// Items of the Select Keyboard Type list, in order (index = model - 1).
extern const std::array<std::string_view, 2> kKeyboardTypeItems;

// Lines of a fresh BACKUP.INI that depend on the model.
std::string_view backupIniTitleLine(KeyboardModel model);
std::string_view backupIniInstrumentLine(KeyboardModel model);
std::string_view backupIniVersionLine(KeyboardModel model);

} // namespace tombrel
