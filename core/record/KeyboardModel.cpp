#include "core/record/KeyboardModel.h"

namespace tombrel {

const std::array<std::string_view, 2> kKeyboardTypeItems = {"PSR9000 ", "9000Pro"};

KeyboardModel keyboardModelFromInt(int value) {
    switch (value) {
    case 1:
        return KeyboardModel::Psr9000;
    case 2:
        return KeyboardModel::Psr9000Pro;
    default:
        return KeyboardModel::None;
    }
}

std::string_view keyboardName(KeyboardModel model) {
    switch (model) {
    case KeyboardModel::Psr9000:
        return "PSR9000";
    case KeyboardModel::Psr9000Pro:
        return "9000pro";
    case KeyboardModel::None:
        break;
    }
    return "";
}

std::string_view regBackupFileName(KeyboardModel model) {
    return isPro(model) ? "REG_Pro.bup" : "REG.bup";
}

std::string_view regBackupMagic(KeyboardModel model) {
    return isPro(model) ? "REG9P100" : "REG9_100";
}

std::string_view backupIniTitleLine(KeyboardModel model) {
    return isPro(model) ? "9000Pro BACKUP.INI" : "PSR-9000 BACKUP.INI";
}

std::string_view backupIniInstrumentLine(KeyboardModel model) {
    return isPro(model) ? "9000Pro" : "PSR-9000";
}

std::string_view backupIniVersionLine(KeyboardModel model) {
    return isPro(model) ? "Ver1.03" : "Ver2.12";
}

} // namespace tombrel
