#pragma once

// The Settings dialog: options, the song path mapping and the three song player programs. It
// shows and edits a set of values; what changes when they are taken over is the caller's
// business.

#include "core/text/Messages.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;

namespace tombrel {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    struct Values {
        bool backupStructure = true;
        bool noNetworkAccess = false;
        bool hideDuplicateBankTitles = false;
        bool hideEmptyEntries = false;
        std::array<std::string, 5> keyboardPaths; // Windows-1252, as the keyboard writes them
        std::array<std::string, 5> pcPaths;       // UTF-8
        std::array<std::string, 3> playerPaths;   // UTF-8
        bool operator==(const Values&) const = default;
    };

    // The two list filter boxes are shown only in extended mode.
    SettingsDialog(const Values& values, bool extendedMode, Language lang,
                   QWidget* parent = nullptr);

    // The values as the controls hold them now.
    Values values() const;

    // Asks for a player program, starting at `current`; an empty answer changes nothing. The
    // platform's file dialog unless replaced (tests).
    using PlayerChooser = std::function<QString(const QString& current)>;
    void setPlayerChooser(PlayerChooser chooser) { choosePlayer_ = std::move(chooser); }

private:
    void choosePlayer(int player);

    Language lang_;
    QCheckBox* backupStructure_;
    QCheckBox* noNetwork_;
    QCheckBox* hideDuplicates_;
    QCheckBox* hideEmpty_;
    std::array<QLineEdit*, 5> keyboardPaths_{};
    std::array<QLineEdit*, 5> pcPaths_{};
    std::array<QLineEdit*, 3> players_{};
    PlayerChooser choosePlayer_;
};

} // namespace tombrel
