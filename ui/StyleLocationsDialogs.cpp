#include "ui/StyleLocationsDialogs.h"

#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <variant>

namespace tombrel {

namespace {

// The text widths in characters of the explanations and the list.
constexpr int kSaveTextWidth = 56;
constexpr int kUpdateTextWidth = 68;
constexpr int kErrorListWidth = 60;
constexpr int kErrorListLines = 16;

FileDialogRequest textFileRequest(const Message& caption, Language lang, bool save) {
    FileDialogRequest request;
    request.caption = &caption;
    request.filter = std::string(msg::TextFileFilter.text(lang));
    request.defaultExtension = "txt";
    request.overwritePrompt = save;
    return request;
}

} // namespace

StyleLocationsInfoDialog::StyleLocationsInfoDialog(Kind kind, Language lang, QWidget* parent)
    : QDialog(parent) {
    const bool save = kind == Kind::Save;
    setWindowTitle(uiText(
        save ? msg::SaveStyleLocationsDialogTitle : msg::UpdateStyleLocationsDialogTitle, lang));
    auto* text = new QLabel(
        uiText(save ? msg::SaveStyleLocationsDialogText : msg::UpdateStyleLocationsDialogText,
               lang),
        this);
    setControlId(text, ids::styleLocations::InfoText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setFixedWidth(text->fontMetrics().averageCharWidth() *
                        (save ? kSaveTextWidth : kUpdateTextWidth));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(okCancelButtons(this, lang));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool confirmSaveStyleLocations(QWidget* parent, Language lang) {
    StyleLocationsInfoDialog dialog(StyleLocationsInfoDialog::Kind::Save, lang, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool confirmUpdateStyleLocations(QWidget* parent, Language lang) {
    StyleLocationsInfoDialog dialog(StyleLocationsInfoDialog::Kind::Update, lang, parent);
    return dialog.exec() == QDialog::Accepted;
}

ErrorListDialog::ErrorListDialog(std::vector<std::string> errors, Interaction& interaction,
                                 Language lang, QWidget* parent)
    : QDialog(parent), errors_(std::move(errors)), interaction_(interaction), lang_(lang),
      list_(new QListView(this)) {
    setWindowTitle(uiText(msg::ErrorListDialogTitle, lang));
    auto* heading = new QLabel(uiText(msg::ErrorListHeading, lang), this);
    setControlId(heading, ids::styleLocations::ErrorHeading);

    QStringList lines;
    lines.reserve(static_cast<qsizetype>(errors_.size()));
    for (const std::string& error : errors_)
        lines << from1252(error);
    list_->setModel(new QStringListModel(lines, list_));
    setControlId(list_, ids::styleLocations::ErrorList);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * kErrorListWidth,
                          list_->fontMetrics().lineSpacing() * kErrorListLines);

    auto* save = new QPushButton(uiText(msg::SaveListButton, lang), this);
    setControlId(save, ids::styleLocations::SaveList);
    save->setAutoDefault(false);
    auto* ok = new QPushButton(uiText(msg::Ok, lang), this);
    setControlId(ok, ids::Ok);
    ok->setDefault(true);
    connect(save, &QPushButton::clicked, this, &ErrorListDialog::saveList);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

void ErrorListDialog::saveList() {
    const std::optional<std::string> path =
        interaction_.chooseFileToSave(saveErrorListRequest(lang_));
    if (!path || path->empty())
        return;
    std::optional<UserMessage> failure;
    {
        const BusyScope busy(interaction_);
        failure = writeErrorListFile(*path, errors_);
    }
    if (failure)
        interaction_.warn(*failure);
}

FileDialogRequest saveStyleLocationsRequest(Language lang) {
    return textFileRequest(msg::SaveStyleLocationsFileTitle, lang, true);
}

FileDialogRequest loadStyleLocationsRequest(Language lang) {
    return textFileRequest(msg::LoadStyleLocationsFileTitle, lang, false);
}

FileDialogRequest saveErrorListRequest(Language lang) {
    return textFileRequest(msg::SaveErrorListFileTitle, lang, true);
}

void saveStyleLocations(Interaction& interaction, Language lang, const StyleNameTable& names,
                        FlashNameMode flashMode, const DiskStyleTexts& disk,
                        DiskStyleMode diskMode) {
    const StyleLocationsSaveCheck check = checkStyleLocationsSave(flashMode, diskMode);
    if (check.refusal) {
        interaction.warn(userMessage(*check.refusal));
        return;
    }
    for (const Message* hint : check.hints)
        interaction.warn(userMessage(*hint));
    const std::optional<std::string> path =
        interaction.chooseFileToSave(saveStyleLocationsRequest(lang));
    if (!path || path->empty())
        return;
    std::optional<UserMessage> failure;
    {
        const BusyScope busy(interaction);
        failure =
            writeStyleLocationsFile(*path, styleLocationsText(names, flashMode, disk, diskMode));
    }
    if (failure)
        interaction.warn(*failure);
}

std::optional<StyleLocationList> loadOldStyleLocations(Interaction& interaction, Language lang) {
    const std::optional<std::string> path =
        interaction.chooseFileToOpen(loadStyleLocationsRequest(lang));
    if (!path || path->empty())
        return std::nullopt;
    std::variant<StyleLocationList, UserMessage> read;
    {
        const BusyScope busy(interaction);
        read = readStyleLocationsFile(*path);
    }
    if (auto* list = std::get_if<StyleLocationList>(&read))
        return std::move(*list);
    // The user chose this file: say why nothing happens rather than doing nothing.
    interaction.warn(std::get<UserMessage>(read));
    return std::nullopt;
}

} // namespace tombrel
