#include "ui/ProtocolTypeDialog.h"

#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tombrel {

ProtocolTypeDialog::ProtocolTypeDialog(Language lang, QWidget* parent)
    : QDialog(parent), types_(new QButtonGroup(this)) {
    setWindowTitle(uiText(msg::ChooseProtocolType, lang));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(uiText(msg::PleaseChooseProtocolType, lang), this));
    const struct {
        int id;
        const Message& text;
        ProtocolType type;
    } kinds[] = {{ids::protocolType::Blank, msg::ProtocolBlankFormatted, ProtocolType::Blank},
                 {ids::protocolType::Tab, msg::ProtocolSeparatedByTabs, ProtocolType::Tab}};
    for (const auto& kind : kinds) {
        auto* radio = new QRadioButton(uiText(kind.text, lang), this);
        setControlId(radio, kind.id);
        types_->addButton(radio, static_cast<int>(kind.type));
        layout->addWidget(radio);
    }
    layout->addWidget(okCancelButtons(this, lang));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok_ = dialogButton(this, 1);
    ok_->setEnabled(false);
    connect(types_, &QButtonGroup::idClicked, this, [this] { ok_->setEnabled(true); });
}

std::optional<ProtocolType> ProtocolTypeDialog::chosenType() const {
    const int id = types_->checkedId();
    if (id < 0)
        return std::nullopt;
    return static_cast<ProtocolType>(id);
}

void ProtocolTypeDialog::accept() {
    if (chosenType())
        QDialog::accept();
}

std::optional<ProtocolType> chooseProtocolType(QWidget* parent, Language lang) {
    ProtocolTypeDialog dialog(lang, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenType();
}

FileDialogRequest protocolFileRequest(ProtocolType type, Language lang) {
    FileDialogRequest request;
    request.caption =
        type == ProtocolType::Blank ? &msg::CreateBlankProtocolTitle : &msg::CreateTabProtocolTitle;
    request.filter = std::string(msg::ProtocolFileFilter.text(lang));
    request.defaultExtension = "txt";
    request.overwritePrompt = true;
    return request;
}

std::optional<std::string> chooseProtocolFile(Interaction& interaction, ProtocolType type,
                                              Language lang) {
    std::optional<std::string> path = interaction.chooseFileToSave(protocolFileRequest(type, lang));
    if (!path || path->empty())
        return std::nullopt;
    return path;
}

} // namespace tombrel
