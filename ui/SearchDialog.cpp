#include "ui/SearchDialog.h"

#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/Text1252Validator.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tombrel {

namespace {

constexpr int kBelowTop = 80;
constexpr int kFromRightEdge = 50;
constexpr int kFromLeftEdge = 30;

QCheckBox* option(QWidget* parent, int id, const Message& text, Language lang, bool on) {
    auto* box = new QCheckBox(uiText(text, lang), parent);
    setControlId(box, id);
    box->setChecked(on);
    return box;
}

} // namespace

QPoint searchDialogPosition(const QRect& mainWindow, const QSize& dialog, SearchSide side) {
    const int x = side == SearchSide::Registration
                      ? mainWindow.x() + mainWindow.width() - dialog.width() - kFromRightEdge
                      : mainWindow.x() + kFromLeftEdge;
    const int y = mainWindow.y() + kBelowTop;
    return {std::max(x, 0), std::max(y, 0)};
}

SearchDialog::SearchDialog(SearchSide side, SearchNext searchNext, Interaction& interaction,
                           Language lang, QWidget* mainWindow)
    : QDialog(mainWindow), side_(side), searchNext_(std::move(searchNext)),
      interaction_(interaction), text_(new QLineEdit(this)),
      title_(option(this, ids::search::Title, msg::SearchTitleOption, lang, true)),
      rightVoices_(
          option(this, ids::search::RightVoices, msg::SearchRightVoicesOption, lang, false)),
      leftVoice_(option(this, ids::search::LeftVoice, msg::SearchLeftVoiceOption, lang, false)),
      accompVoices_(
          option(this, ids::search::AccompVoices, msg::SearchAccompVoicesOption, lang, false)),
      styleName_(option(this, ids::search::StyleName, msg::SearchStyleNameOption, lang, false)) {
    setWindowTitle(uiText(msg::SearchCaption, lang));
    setControlId(text_, ids::search::Text);
    text_->setValidator(new Text1252Validator(false, text_));
    text_->setMinimumWidth(text_->fontMetrics().averageCharWidth() * 28);

    auto* label = new QLabel(uiText(msg::SearchLabel, lang), this);
    setControlId(label, ids::search::Label);
    label->setBuddy(text_);
    auto* line = new QHBoxLayout;
    line->addWidget(label);
    line->addWidget(text_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    for (QCheckBox* box : {title_, rightVoices_, leftVoice_, accompVoices_, styleName_})
        layout->addWidget(box);
    layout->addWidget(okCancelButtons(this, lang, msg::SearchButton));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    text_->setFocus();
}

SearchRequest SearchDialog::request() const {
    SearchRequest r;
    r.text = to1252(text_->text());
    r.title = title_->isChecked();
    r.rightVoices = rightVoices_->isChecked();
    r.leftVoice = leftVoice_->isChecked();
    r.accompVoices = accompVoices_->isChecked();
    r.styleName = styleName_->isChecked();
    return r;
}

void SearchDialog::accept() {
    const SearchRequest r = request();
    if (r.text.empty()) {
        QDialog::accept();
        return;
    }
    if (!searchNext_(r))
        interaction_.warn(userMessage(msg::SearchTextNotFound));
    text_->setFocus();
}

void SearchDialog::showEvent(QShowEvent* event) {
    if (!placed_ && parentWidget()) {
        placed_ = true;
        move(searchDialogPosition(parentWidget()->window()->frameGeometry(), sizeHint(), side_));
    }
    QDialog::showEvent(event);
}

void runSearchDialog(QWidget* mainWindow, SearchSide side, SearchNext searchNext,
                     Interaction& interaction, Language lang) {
    SearchDialog dialog(side, std::move(searchNext), interaction, lang, mainWindow);
    dialog.exec();
}

} // namespace tombrel
