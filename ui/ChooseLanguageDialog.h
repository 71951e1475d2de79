#pragma once

// Asked once, at the first start: German or English. Its texts carry both languages because no
// language is chosen yet. Closing it with Escape chooses nothing.

#include "core/text/Messages.h"

#include <QDialog>

#include <optional>

class QRadioButton;

namespace tombrel {

class ChooseLanguageDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChooseLanguageDialog(QWidget* parent = nullptr);

    // The picked language; nothing until a radio button was clicked.
    std::optional<Language> chosenLanguage() const;

    QRadioButton* germanButton() const { return german_; }
    QRadioButton* englishButton() const { return english_; }

private:
    QRadioButton* german_;
    QRadioButton* english_;
};

// Runs the dialog; nothing when it was closed without OK.
std::optional<Language> chooseLanguage(QWidget* parent);

} // namespace tombrel
