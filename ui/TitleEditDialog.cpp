#include "ui/TitleEditDialog.h"

#include "core/text/Text1252.h"
#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/Text1252Validator.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tombrel {

TitleEditDialog::TitleEditDialog(Kind kind, Language lang, const std::string& text, QWidget* parent)
    : QDialog(parent), kind_(kind), edit_(new QLineEdit(this)) {
    const bool bank = kind == Kind::BankTitle;
    setWindowTitle(uiText(bank ? msg::EditBankTitleCaption : msg::EditCategoryCaption, lang));

    setControlId(edit_, ids::titleEdit::Text);
    edit_->setMaxLength(maxLength(kind));
    edit_->setValidator(new Text1252Validator(false, edit_));
    edit_->setText(from1252(text));
    edit_->selectAll();
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * (bank ? 24 : 44));

    auto* form = new QFormLayout;
    form->addRow(uiText(bank ? msg::BankTitleLabel : msg::CategoryLabel, lang), edit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(this, lang));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TitleEditDialog::maxLength(Kind kind) {
    return kind == Kind::BankTitle ? 16 : 40;
}

std::string TitleEditDialog::text() const {
    std::string bytes = to1252(edit_->text());
    // The edit already holds no more than the limit; a caller's longer starting text is cut the
    // same way.
    if (bytes.size() > static_cast<size_t>(maxLength(kind_)))
        bytes.resize(static_cast<size_t>(maxLength(kind_)));
    if (kind_ == Kind::Category)
        return std::string(trim(bytes));
    return bytes;
}

std::optional<std::string> editBankTitle(QWidget* parent, Language lang, const std::string& title) {
    TitleEditDialog dialog(TitleEditDialog::Kind::BankTitle, lang, title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

std::optional<std::string> editCategory(QWidget* parent, Language lang, const std::string& name) {
    TitleEditDialog dialog(TitleEditDialog::Kind::Category, lang, name, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

} // namespace tombrel
