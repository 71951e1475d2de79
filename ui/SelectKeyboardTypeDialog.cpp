#include "ui/SelectKeyboardTypeDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace tombrel {

SelectKeyboardTypeDialog::SelectKeyboardTypeDialog(KeyboardModel current, Language lang,
                                                   QWidget* parent)
    : QDialog(parent), list_(new QComboBox(this)) {
    setWindowTitle(uiText(msg::SelectKeyboardTypeCaption, lang));
    list_->setObjectName("keyboardType");
    for (std::string_view item : kKeyboardTypeItems)
        list_->addItem(fromUtf8(item));
    // Item i stands for model i + 1.
    list_->setCurrentIndex(static_cast<int>(current) - 1);

    auto* form = new QFormLayout;
    form->addRow(uiText(msg::KeyboardLabel, lang), list_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(this, lang));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

KeyboardModel SelectKeyboardTypeDialog::chosenModel() const {
    const int index = list_->currentIndex();
    return index < 0 ? KeyboardModel::Psr9000 : keyboardModelFromInt(index + 1);
}

std::optional<KeyboardModel> selectKeyboardType(QWidget* parent, KeyboardModel current,
                                                Language lang) {
    SelectKeyboardTypeDialog dialog(current, lang, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenModel();
}

} // namespace tombrel
