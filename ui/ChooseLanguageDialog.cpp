#include "ui/ChooseLanguageDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tombrel {

ChooseLanguageDialog::ChooseLanguageDialog(QWidget* parent)
    : QDialog(parent),
      german_(new QRadioButton(uiText(msg::LanguageGerman, Language::English), this)),
      english_(new QRadioButton(uiText(msg::LanguageEnglish, Language::English), this)) {
    setWindowTitle(uiText(msg::ChooseLanguageCaption, Language::English));
    german_->setObjectName("languageGerman");
    english_->setObjectName("languageEnglish");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(uiText(msg::ChooseLanguagePrompt, Language::English), this));
    layout->addWidget(german_);
    layout->addWidget(english_);
    layout->addWidget(new QLabel(uiText(msg::ChooseLanguageNote, Language::English), this));
    layout->addWidget(okCancelButtons(this, Language::English, msg::Ok, false));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QPushButton* ok = dialogButton(this, 1);
    ok->setEnabled(false);
    for (QRadioButton* button : {german_, english_})
        connect(button, &QRadioButton::clicked, ok, [ok] { ok->setEnabled(true); });
}

std::optional<Language> ChooseLanguageDialog::chosenLanguage() const {
    if (german_->isChecked())
        return Language::German;
    if (english_->isChecked())
        return Language::English;
    return std::nullopt;
}

std::optional<Language> chooseLanguage(QWidget* parent) {
    ChooseLanguageDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenLanguage();
}

} // namespace tombrel
