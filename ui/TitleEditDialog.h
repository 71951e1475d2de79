#pragma once

// The two one-line text dialogs: Edit Bank Title (16 characters, returned as typed) and Edit
// Category (40 characters, returned without leading and trailing white space). What the text
// means, and whether an empty one is acceptable, is the caller's business.

#include "core/text/Messages.h"

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

namespace tombrel {

class TitleEditDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { BankTitle, Category };

    // `text` is Windows-1252, as stored in the registration or the archive.
    TitleEditDialog(Kind kind, Language lang, const std::string& text, QWidget* parent = nullptr);

    static int maxLength(Kind kind);

    // The text to take over after OK (Windows-1252).
    std::string text() const;

    QLineEdit* edit() const { return edit_; }

private:
    Kind kind_;
    QLineEdit* edit_;
};

// Runs the dialog; nothing when cancelled.
std::optional<std::string> editBankTitle(QWidget* parent, Language lang, const std::string& title);
std::optional<std::string> editCategory(QWidget* parent, Language lang, const std::string& name);

} // namespace tombrel
