// The controls of the main window, their ids and captions, and which command each one runs.

#include "ui/MainWindow.h"

#include "ui/ArchiveListModel.h"
#include "ui/PaneListView.h"
#include "ui/RegListModel.h"
#include "ui/UiText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace tombrel {

namespace {

QLabel* pathField(QWidget* parent, int id) {
    auto* field = new QLabel(parent);
    setControlId(field, id);
    field->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    field->setTextFormat(Qt::PlainText);
    field->setMinimumWidth(120);
    field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return field;
}

QComboBox* recentCombo(QWidget* parent, int id) {
    auto* combo = new QComboBox(parent);
    setControlId(combo, id);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(16);
    return combo;
}

// A column of command buttons with the stretch below them.
QVBoxLayout* buttonColumn(const std::vector<QPushButton*>& buttons) {
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    for (QPushButton* b : buttons)
        column->addWidget(b);
    column->addStretch();
    return column;
}

} // namespace

QPushButton* MainWindow::makeButton(int id, const Message& caption) {
    auto* button = new QPushButton(uiText(caption, lang_), this);
    setControlId(button, id);
    // Enter never presses a button of this window.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void MainWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildStyleNameRow());
    auto* panes = new QHBoxLayout;
    panes->addWidget(buildRegistrationPane(), 1);
    panes->addWidget(buildArchivePane(), 1);
    layout->addLayout(panes, 1);
}

QWidget* MainWindow::buildStyleNameRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* version =
        new QLabel(fromUtf8(UserMessage{&msg::VersionText, {}, TOMBREL_VERSION}.text(lang_)), row);
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(version, 0, Qt::AlignTop);

    auto* flash = new QGroupBox(uiText(msg::FlashStylesNames, lang_), row);
    setControlId(flash, 1137);
    auto* flashLayout = new QHBoxLayout(flash);
    flashFactory_ = new QRadioButton(uiText(msg::FlashFactory, lang_), flash);
    setControlId(flashFactory_, 1019);
    flashDefault_ = new QRadioButton(uiText(msg::FlashDefault, lang_), flash);
    setControlId(flashDefault_, 1037);
    flashIndividual_ = new QRadioButton(uiText(msg::FlashIndividual, lang_), flash);
    setControlId(flashIndividual_, 1038);
    flashFile_ = pathField(flash, 1039);
    flashLayout->addWidget(flashFactory_);
    flashLayout->addWidget(flashDefault_);
    flashLayout->addWidget(flashIndividual_);
    flashLayout->addWidget(flashFile_, 1);
    auto* flashGroup = new QButtonGroup(flash);
    for (QRadioButton* b : {flashFactory_, flashDefault_, flashIndividual_})
        flashGroup->addButton(b);

    auto* disk = new QGroupBox(uiText(msg::DiskStylesNames, lang_), row);
    setControlId(disk, 1138);
    auto* diskLayout = new QHBoxLayout(disk);
    diskNumber_ = new QRadioButton(uiText(msg::DiskNumber, lang_), disk);
    setControlId(diskNumber_, 1110);
    diskFolder_ = new QRadioButton(uiText(msg::DiskFolder, lang_), disk);
    setControlId(diskFolder_, 1111);
    diskFolderText_ = pathField(disk, 1045);
    diskLayout->addWidget(diskNumber_);
    diskLayout->addWidget(diskFolder_);
    diskLayout->addWidget(diskFolderText_, 1);
    auto* diskGroup = new QButtonGroup(disk);
    diskGroup->addButton(diskNumber_);
    diskGroup->addButton(diskFolder_);

    layout->addWidget(flash, 3);
    layout->addWidget(disk, 2);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(makeButton(1, msg::Exit), 0, 0);
    buttons->addWidget(makeButton(1042, msg::SettingsButton), 0, 1);
    buttons->addWidget(makeButton(1046, msg::SaveStyleLocationsButton), 1, 0);
    buttons->addWidget(makeButton(1049, msg::HelpButton), 1, 1);
    layout->addLayout(buttons);
    return row;
}

QGroupBox* MainWindow::buildRegistrationPane() {
    regPane_ = new QGroupBox(uiText(msg::RegistrationPane, lang_), this);
    regPane_->setObjectName(QStringLiteral("registrationPane"));
    auto* layout = new QVBoxLayout(regPane_);

    auto* files = new QHBoxLayout;
    files->setSpacing(3);
    files->addWidget(makeButton(1001, msg::NewButton));
    files->addWidget(makeButton(1002, msg::OpenButton));
    files->addWidget(makeButton(1003, msg::SaveButton));
    files->addWidget(makeButton(1009, msg::SaveAsButton));
    files->addWidget(makeButton(1004, msg::CloseButton));
    layout->addLayout(files);
    regRecent_ = recentCombo(regPane_, 1022);
    layout->addWidget(regRecent_);

    regList_ = new PaneListView(PaneLineDelegate::Kind::Registration, regPane_);
    setControlId(regList_, 1010);
    regModel_ = new RegListModel(reg_, this);
    regList_->setModel(regModel_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(regList_, 1);
    middle->addLayout(buttonColumn({
        makeButton(1030, msg::NewBankButton),
        makeButton(1020, msg::NewEntryButton),
        makeButton(1033, msg::EditEntryButton),
        makeButton(1021, msg::CopyToArchiveButton),
        makeButton(1024, msg::MoveToArchiveButton),
        makeButton(1025, msg::DeleteButton),
        makeButton(1026, msg::UpButton),
        makeButton(1029, msg::DownButton),
        makeButton(1050, msg::MultiChangeButton),
        makeButton(1040, msg::SearchButton),
        makeButton(1043, msg::ProtocolButton),
        makeButton(1047, msg::UpdateStylesButton),
    }));
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(uiText(msg::KeyboardLabel, lang_), regPane_));
    keyboardName_ = new QLabel(regPane_);
    setControlId(keyboardName_, 1018);
    bottom->addWidget(keyboardName_);
    bottom->addStretch();
    regModified_ = makeModifiedMark(regPane_, QStringLiteral("registrationModifiedMark"));
    bottom->addWidget(regModified_);
    regCount_ = new QLabel(regPane_);
    setControlId(regCount_, 1027);
    bottom->addWidget(regCount_);
    layout->addLayout(bottom);
    return regPane_;
}

QGroupBox* MainWindow::buildArchivePane() {
    archPane_ = new QGroupBox(uiText(msg::ArchivePane, lang_), this);
    setControlId(archPane_, 1139);
    auto* layout = new QVBoxLayout(archPane_);

    auto* files = new QHBoxLayout;
    files->setSpacing(3);
    files->addWidget(makeButton(1005, msg::NewButton));
    files->addWidget(makeButton(1006, msg::OpenButton));
    files->addWidget(makeButton(1007, msg::SaveButton));
    files->addWidget(makeButton(1036, msg::SaveAsButton));
    files->addWidget(makeButton(1008, msg::CloseButton));
    layout->addLayout(files);
    archRecent_ = recentCombo(archPane_, 1023);
    layout->addWidget(archRecent_);

    archList_ = new PaneListView(PaneLineDelegate::Kind::Archive, archPane_);
    setControlId(archList_, 1011);
    archModel_ = new ArchiveListModel(arch_, this);
    archList_->setModel(archModel_);
    auto* middle = new QHBoxLayout;
    // The transfer buttons of both panes face each other between the two lists.
    middle->addLayout(buttonColumn({
        makeButton(1032, msg::NewCategoryButton),
        makeButton(1035, msg::EditCategoryButton),
        makeButton(1052, msg::SortCategoryButton),
        makeButton(1031, msg::NewBankButton),
        makeButton(1012, msg::NewEntryButton),
        makeButton(1034, msg::EditEntryButton),
        makeButton(1013, msg::CopyToRegistrationsButton),
        makeButton(1014, msg::MoveToRegistrationsButton),
        makeButton(1015, msg::DeleteButton),
        makeButton(1016, msg::UpButton),
        makeButton(1017, msg::DownButton),
        makeButton(1051, msg::MultiChangeButton),
        makeButton(1041, msg::SearchButton),
        makeButton(1044, msg::ProtocolButton),
        makeButton(1048, msg::UpdateStylesButton),
    }));
    middle->addWidget(archList_, 1);
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    archModified_ = makeModifiedMark(archPane_, QStringLiteral("archiveModifiedMark"));
    bottom->addWidget(archModified_);
    archCount_ = new QLabel(archPane_);
    setControlId(archCount_, 1028);
    bottom->addWidget(archCount_);
    layout->addLayout(bottom);
    return archPane_;
}

void MainWindow::installShortcuts() {
    // Enter does nothing in this window, whichever control has the focus: it must never press
    // Exit or any other button by accident.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(key, this);
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, [] {});
    }

    struct PaneKey {
        QKeySequence key;
        int regId;
        int archiveId;
    };
    const PaneKey paneKeys[] = {
        {QKeySequence::New, 1001, 1005},
        {QKeySequence::Open, 1002, 1006},
        {QKeySequence::Save, 1003, 1007},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), 1009, 1036},
        {QKeySequence(Qt::CTRL | Qt::Key_W), 1004, 1008},
        {QKeySequence(Qt::Key_Delete), 1025, 1015},
        {QKeySequence(Qt::Key_Insert), 1020, 1012},
        {QKeySequence(Qt::CTRL | Qt::Key_F), 1040, 1041},
        {QKeySequence(Qt::CTRL | Qt::Key_Up), 1026, 1016},
        {QKeySequence(Qt::CTRL | Qt::Key_Down), 1029, 1017},
        {QKeySequence(Qt::CTRL | Qt::Key_M), 1050, 1051},
        {QKeySequence(Qt::CTRL | Qt::Key_P), 1043, 1044},
    };
    for (const PaneKey& k : paneKeys) {
        auto* shortcut = new QShortcut(k.key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, k] { clickInFocusedPane(k.regId, k.archiveId); });
        const QString tip = k.key.toString(QKeySequence::NativeText);
        for (int id : {k.regId, k.archiveId}) {
            if (QWidget* button = control(id))
                button->setToolTip(tip);
        }
    }

    // F2 edits the selected line: a category by its name, anything else as an entry.
    auto* edit = new QShortcut(QKeySequence(Qt::Key_F2), this);
    edit->setContext(Qt::WindowShortcut);
    connect(edit, &QShortcut::activated, this, [this] {
        const ListSelection selection = selectionOf(*archList_);
        const std::optional<int> row = selection.onlyReal(static_cast<int>(arch_.list().size()));
        const bool category = row && arch_.list()[static_cast<size_t>(*row)].isCategory;
        clickInFocusedPane(1033, category ? 1035 : 1034);
    });
    for (int id : {1033, 1034, 1035})
        control(id)->setToolTip(QKeySequence(Qt::Key_F2).toString(QKeySequence::NativeText));

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &MainWindow::showHelp);
}

} // namespace tombrel
