#include "ui/SettingsDialog.h"

#include "ui/ControlIds.h"
#include "ui/DialogButtons.h"
#include "ui/KeyboardStorageDevicesDialog.h"
#include "ui/Text1252Validator.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tombrel {

namespace {

// Typed letters become capitals. On a file system that tells cases apart a PC path keeps its
// case, as a capitalised path would name another folder there.
constexpr bool kCapitalPcPaths =
#ifdef Q_OS_WIN
    true;
#else
    false;
#endif

QCheckBox* checkBox(QWidget* parent, int id, const Message& text, Language lang) {
    auto* box = new QCheckBox(uiText(text, lang), parent);
    setControlId(box, id);
    return box;
}

QString playerFilter(Language lang) {
#ifdef Q_OS_WIN
    return uiText(msg::ProgramFilesFilter, lang) + QStringLiteral(" (*.exe);;") +
           uiText(msg::AllFilesFilter, lang) + QStringLiteral(" (*.*)");
#else
    // Programs carry no extension here.
    return uiText(msg::AllFilesFilter, lang) + QStringLiteral(" (*)");
#endif
}

} // namespace

SettingsDialog::SettingsDialog(const Values& values, bool extendedMode, Language lang,
                               QWidget* parent)
    : QDialog(parent), lang_(lang), backupStructure_(checkBox(this, ids::settings::BackupStructure,
                                                              msg::UseBackupStructure, lang)),
      noNetwork_(checkBox(this, ids::settings::NoNetworkAccess, msg::NoNetworkAccess, lang)),
      hideDuplicates_(checkBox(this, ids::settings::HideDuplicateBankTitles,
                               msg::HideDuplicateBankTitles, lang)),
      hideEmpty_(checkBox(this, ids::settings::HideEmptyEntries, msg::HideEmptyEntries, lang)) {
    setWindowTitle(uiText(msg::SettingsCaption, lang));
    hideDuplicates_->setVisible(extendedMode);
    hideEmpty_->setVisible(extendedMode);

    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {backupStructure_, noNetwork_, hideDuplicates_, hideEmpty_})
        layout->addWidget(box);

    auto* players = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto* edit = new QLineEdit(this);
        setControlId(edit, ids::settings::Player1 + i);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 48);
        auto* browse = new QPushButton(QStringLiteral("..."), this);
        setControlId(browse, ids::settings::PlayerButton1 + i);
        browse->setAutoDefault(false);
        browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
        connect(browse, &QPushButton::clicked, this, [this, i] { choosePlayer(i); });
        players->addWidget(new QLabel(QStringLiteral("Player %1:").arg(i + 1), this), i, 0);
        players->addWidget(edit, i, 1);
        players->addWidget(browse, i, 2);
        players_[static_cast<size_t>(i)] = edit;
    }
    layout->addLayout(players);

    auto* mapping = new QGroupBox(uiText(msg::SongPathMapping, lang), this);
    setControlId(mapping, ids::settings::Mapping);
    auto* grid = new QGridLayout(mapping);
    auto* keyboardHeading = new QLabel(uiText(msg::KeyboardPathHeading, lang), mapping);
    setControlId(keyboardHeading, ids::settings::KeyboardHeading);
    auto* pcHeading = new QLabel(uiText(msg::PcPathHeading, lang), mapping);
    setControlId(pcHeading, ids::settings::PcHeading);
    grid->addWidget(keyboardHeading, 0, 0);
    grid->addWidget(pcHeading, 0, 2);
    for (int i = 0; i < 5; ++i) {
        auto* keyboard = new QLineEdit(mapping);
        setControlId(keyboard, ids::settings::KeyboardPath1 + 2 * i);
        keyboard->setValidator(new Text1252Validator(true, keyboard));
        auto* pc = new QLineEdit(mapping);
        setControlId(pc, ids::settings::PcPath1 + 2 * i);
        if (kCapitalPcPaths)
            pc->setValidator(new Text1252Validator(true, pc));
        grid->addWidget(keyboard, i + 1, 0);
        grid->addWidget(new QLabel(QStringLiteral("<->"), mapping), i + 1, 1);
        grid->addWidget(pc, i + 1, 2);
        keyboardPaths_[static_cast<size_t>(i)] = keyboard;
        pcPaths_[static_cast<size_t>(i)] = pc;
    }
    auto* example = new QLabel(QStringLiteral("(e.g.   ATA00:    <->   E:)"), mapping);
    auto* info = new QPushButton(QStringLiteral("Info"), mapping);
    setControlId(info, ids::settings::MappingInfo);
    info->setAutoDefault(false);
    connect(info, &QPushButton::clicked, this, [this] {
        KeyboardStorageDevicesDialog devices(lang_, this);
        devices.exec();
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(example);
    bottom->addStretch();
    bottom->addWidget(info);
    grid->addLayout(bottom, 6, 0, 1, 3);
    layout->addWidget(mapping);
    layout->addWidget(okCancelButtons(this, lang));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    backupStructure_->setChecked(values.backupStructure);
    noNetwork_->setChecked(values.noNetworkAccess);
    hideDuplicates_->setChecked(values.hideDuplicateBankTitles);
    hideEmpty_->setChecked(values.hideEmptyEntries);
    for (size_t i = 0; i < 5; ++i) {
        keyboardPaths_[i]->setText(from1252(values.keyboardPaths[i]));
        pcPaths_[i]->setText(fromUtf8(values.pcPaths[i]));
    }
    for (size_t i = 0; i < 3; ++i)
        players_[i]->setText(fromUtf8(values.playerPaths[i]));

    choosePlayer_ = [this](const QString& current) {
        return QFileDialog::getOpenFileName(this, uiText(msg::SelectPlayer, lang_), current,
                                            playerFilter(lang_));
    };
}

SettingsDialog::Values SettingsDialog::values() const {
    Values values;
    values.backupStructure = backupStructure_->isChecked();
    values.noNetworkAccess = noNetwork_->isChecked();
    values.hideDuplicateBankTitles = hideDuplicates_->isChecked();
    values.hideEmptyEntries = hideEmpty_->isChecked();
    for (size_t i = 0; i < 5; ++i) {
        values.keyboardPaths[i] = to1252(keyboardPaths_[i]->text());
        values.pcPaths[i] = pcPaths_[i]->text().toStdString();
    }
    for (size_t i = 0; i < 3; ++i)
        values.playerPaths[i] = players_[i]->text().toStdString();
    return values;
}

void SettingsDialog::choosePlayer(int player) {
    QLineEdit* edit = players_[static_cast<size_t>(player)];
    const QString chosen = choosePlayer_(edit->text());
    if (!chosen.isEmpty())
        edit->setText(QDir::toNativeSeparators(chosen));
}

} // namespace tombrel
