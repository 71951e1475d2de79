// The controls of the main window, their ids and captions, and which command each one runs.

#include "ui/MainWindow.h"

#include "ui/ArchiveListModel.h"
#include "ui/ControlIds.h"
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
    setControlId(flash, ids::main::FlashGroup);
    auto* flashLayout = new QHBoxLayout(flash);
    flashFactory_ = new QRadioButton(uiText(msg::FlashFactory, lang_), flash);
    setControlId(flashFactory_, ids::main::FlashFactory);
    flashDefault_ = new QRadioButton(uiText(msg::FlashDefault, lang_), flash);
    setControlId(flashDefault_, ids::main::FlashDefault);
    flashIndividual_ = new QRadioButton(uiText(msg::FlashIndividual, lang_), flash);
    setControlId(flashIndividual_, ids::main::FlashIndividual);
    flashFile_ = pathField(flash, ids::main::FlashFile);
    flashLayout->addWidget(flashFactory_);
    flashLayout->addWidget(flashDefault_);
    flashLayout->addWidget(flashIndividual_);
    flashLayout->addWidget(flashFile_, 1);
    auto* flashGroup = new QButtonGroup(flash);
    for (QRadioButton* b : {flashFactory_, flashDefault_, flashIndividual_})
        flashGroup->addButton(b);

    auto* disk = new QGroupBox(uiText(msg::DiskStylesNames, lang_), row);
    setControlId(disk, ids::main::DiskGroup);
    auto* diskLayout = new QHBoxLayout(disk);
    diskNumber_ = new QRadioButton(uiText(msg::DiskNumber, lang_), disk);
    setControlId(diskNumber_, ids::main::DiskNumber);
    diskFolder_ = new QRadioButton(uiText(msg::DiskFolder, lang_), disk);
    setControlId(diskFolder_, ids::main::DiskFolder);
    diskFolderText_ = pathField(disk, ids::main::DiskFolderText);
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
    buttons->addWidget(makeButton(ids::main::Exit, msg::Exit), 0, 0);
    buttons->addWidget(makeButton(ids::main::Settings, msg::SettingsButton), 0, 1);
    buttons->addWidget(makeButton(ids::main::SaveStyleLocations, msg::SaveStyleLocationsButton), 1,
                       0);
    buttons->addWidget(makeButton(ids::main::Help, msg::HelpButton), 1, 1);
    buttons->addWidget(makeButton(ids::main::Undo, msg::UndoButton), 0, 2);
    buttons->addWidget(makeButton(ids::main::Redo, msg::RedoButton), 1, 2);
    layout->addLayout(buttons);
    return row;
}

QGroupBox* MainWindow::buildRegistrationPane() {
    regPane_ = new QGroupBox(uiText(msg::RegistrationPane, lang_), this);
    regPane_->setObjectName(QStringLiteral("registrationPane"));
    auto* layout = new QVBoxLayout(regPane_);

    auto* files = new QHBoxLayout;
    files->setSpacing(3);
    files->addWidget(makeButton(ids::main::RegNew, msg::NewButton));
    files->addWidget(makeButton(ids::main::RegOpen, msg::OpenButton));
    files->addWidget(makeButton(ids::main::RegSave, msg::SaveButton));
    files->addWidget(makeButton(ids::main::RegSaveAs, msg::SaveAsButton));
    files->addWidget(makeButton(ids::main::RegClose, msg::CloseButton));
    layout->addLayout(files);
    regRecent_ = recentCombo(regPane_, ids::main::RegRecent);
    layout->addWidget(regRecent_);

    regList_ = new PaneListView(PaneLineDelegate::Kind::Registration, regPane_);
    setControlId(regList_, ids::main::RegList);
    regModel_ = new RegListModel(reg_, this);
    regList_->setModel(regModel_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(regList_, 1);
    middle->addLayout(buttonColumn({
        makeButton(ids::main::RegNewBank, msg::NewBankButton),
        makeButton(ids::main::RegNewEntry, msg::NewEntryButton),
        makeButton(ids::main::RegEditEntry, msg::EditEntryButton),
        makeButton(ids::main::CopyToArchive, msg::CopyToArchiveButton),
        makeButton(ids::main::MoveToArchive, msg::MoveToArchiveButton),
        makeButton(ids::main::RegDelete, msg::DeleteButton),
        makeButton(ids::main::RegUp, msg::UpButton),
        makeButton(ids::main::RegDown, msg::DownButton),
        makeButton(ids::main::RegMultiChange, msg::MultiChangeButton),
        makeButton(ids::main::RegSearch, msg::SearchButton),
        makeButton(ids::main::RegProtocol, msg::ProtocolButton),
        makeButton(ids::main::RegUpdateStyles, msg::UpdateStylesButton),
    }));
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(uiText(msg::KeyboardLabel, lang_), regPane_));
    keyboardName_ = new QLabel(regPane_);
    setControlId(keyboardName_, ids::main::KeyboardName);
    bottom->addWidget(keyboardName_);
    bottom->addStretch();
    regCount_ = new QLabel(regPane_);
    setControlId(regCount_, ids::main::RegCount);
    bottom->addWidget(regCount_);
    layout->addLayout(bottom);
    return regPane_;
}

QGroupBox* MainWindow::buildArchivePane() {
    archPane_ = new QGroupBox(uiText(msg::ArchivePane, lang_), this);
    setControlId(archPane_, ids::main::ArchivePane);
    auto* layout = new QVBoxLayout(archPane_);

    auto* files = new QHBoxLayout;
    files->setSpacing(3);
    files->addWidget(makeButton(ids::main::ArchiveNew, msg::NewButton));
    files->addWidget(makeButton(ids::main::ArchiveOpen, msg::OpenButton));
    files->addWidget(makeButton(ids::main::ArchiveSave, msg::SaveButton));
    files->addWidget(makeButton(ids::main::ArchiveSaveAs, msg::SaveAsButton));
    files->addWidget(makeButton(ids::main::ArchiveClose, msg::CloseButton));
    layout->addLayout(files);
    archRecent_ = recentCombo(archPane_, ids::main::ArchiveRecent);
    layout->addWidget(archRecent_);

    archList_ = new PaneListView(PaneLineDelegate::Kind::Archive, archPane_);
    setControlId(archList_, ids::main::ArchiveList);
    archModel_ = new ArchiveListModel(arch_, this);
    archList_->setModel(archModel_);
    auto* middle = new QHBoxLayout;
    // The transfer buttons of both panes face each other between the two lists.
    middle->addLayout(buttonColumn({
        makeButton(ids::main::NewCategory, msg::NewCategoryButton),
        makeButton(ids::main::EditCategory, msg::EditCategoryButton),
        makeButton(ids::main::SortCategory, msg::SortCategoryButton),
        makeButton(ids::main::ArchiveNewBank, msg::NewBankButton),
        makeButton(ids::main::ArchiveNewEntry, msg::NewEntryButton),
        makeButton(ids::main::ArchiveEditEntry, msg::EditEntryButton),
        makeButton(ids::main::CopyToRegistrations, msg::CopyToRegistrationsButton),
        makeButton(ids::main::MoveToRegistrations, msg::MoveToRegistrationsButton),
        makeButton(ids::main::ArchiveDelete, msg::DeleteButton),
        makeButton(ids::main::ArchiveUp, msg::UpButton),
        makeButton(ids::main::ArchiveDown, msg::DownButton),
        makeButton(ids::main::ArchiveMultiChange, msg::MultiChangeButton),
        makeButton(ids::main::ArchiveSearch, msg::SearchButton),
        makeButton(ids::main::ArchiveProtocol, msg::ProtocolButton),
        makeButton(ids::main::ArchiveUpdateStyles, msg::UpdateStylesButton),
    }));
    middle->addWidget(archList_, 1);
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    archCount_ = new QLabel(archPane_);
    setControlId(archCount_, ids::main::ArchiveCount);
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
        {QKeySequence::New, ids::main::RegNew, ids::main::ArchiveNew},
        {QKeySequence::Open, ids::main::RegOpen, ids::main::ArchiveOpen},
        {QKeySequence::Save, ids::main::RegSave, ids::main::ArchiveSave},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), ids::main::RegSaveAs,
         ids::main::ArchiveSaveAs},
        {QKeySequence(Qt::CTRL | Qt::Key_W), ids::main::RegClose, ids::main::ArchiveClose},
        {QKeySequence(Qt::Key_Delete), ids::main::RegDelete, ids::main::ArchiveDelete},
        {QKeySequence(Qt::Key_Insert), ids::main::RegNewEntry, ids::main::ArchiveNewEntry},
        {QKeySequence(Qt::CTRL | Qt::Key_F), ids::main::RegSearch, ids::main::ArchiveSearch},
        {QKeySequence(Qt::CTRL | Qt::Key_Up), ids::main::RegUp, ids::main::ArchiveUp},
        {QKeySequence(Qt::CTRL | Qt::Key_Down), ids::main::RegDown, ids::main::ArchiveDown},
        {QKeySequence(Qt::CTRL | Qt::Key_M), ids::main::RegMultiChange,
         ids::main::ArchiveMultiChange},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ids::main::RegProtocol, ids::main::ArchiveProtocol},
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
        clickInFocusedPane(ids::main::RegEditEntry,
                           category ? ids::main::EditCategory : ids::main::ArchiveEditEntry);
    });
    for (int id : {ids::main::RegEditEntry, ids::main::ArchiveEditEntry, ids::main::EditCategory})
        control(id)->setToolTip(QKeySequence(Qt::Key_F2).toString(QKeySequence::NativeText));

    // Undo and Redo wherever the focus is: the platform's keys, and both Ctrl+Shift+Z and Ctrl+Y
    // for Redo everywhere (one shortcut per key, or Qt would find them ambiguous).
    const auto keysOf = [](QKeySequence::StandardKey standard, QList<QKeySequence> extra) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
        for (const QKeySequence& key : extra) {
            if (!keys.contains(key))
                keys << key;
        }
        return keys;
    };
    for (const QKeySequence& key :
         keysOf(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)})) {
        auto* undo = new QShortcut(key, this);
        undo->setContext(Qt::WindowShortcut);
        connect(undo, &QShortcut::activated, this, &MainWindow::undoStep);
    }
    for (const QKeySequence& key :
         keysOf(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                     QKeySequence(Qt::CTRL | Qt::Key_Y)})) {
        auto* redo = new QShortcut(key, this);
        redo->setContext(Qt::WindowShortcut);
        connect(redo, &QShortcut::activated, this, &MainWindow::redoStep);
    }

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &MainWindow::showHelp);
}

} // namespace tombrel
