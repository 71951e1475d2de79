#pragma once

// The program's one window. For now it carries the title, the version line and Exit; the two
// panes are added on top of it.

#include "core/Messages.h"

#include <QDialog>

namespace tombrel {

class MainWindow : public QDialog {
    Q_OBJECT
public:
    MainWindow(Language lang, bool extendedMode, QWidget* parent = nullptr);

    Language language() const { return lang_; }
    bool extendedMode() const { return extendedMode_; }

private:
    Language lang_;
    bool extendedMode_;
};

} // namespace tombrel
