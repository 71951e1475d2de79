#include "ui/EditEntryDialog.h"

// The Edit Entry window: its groups and controls with their ids. The behaviour is in
// EditEntryDialog.cpp.

#include "ui/ControlIds.h"
#include "ui/NumberBox.h"
#include "ui/RegEditorWidgets.h"
#include "ui/StyleListModel.h"
#include "ui/Text1252Validator.h"
#include "ui/UiText.h"
#include "ui/VoiceListModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tombrel {

namespace {

constexpr VoicePart kVoiceParts[] = {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left};

struct VoiceRowIds {
    const char* caption;
    int on, voice, volume, octave;
};
// By VoicePart.
constexpr std::array<VoiceRowIds, 4> kVoiceRowIds = {{
    {"R1:", ids::editEntry::R1On, ids::editor::R1Voice, ids::editor::R1Volume,
     ids::editor::R1Octave},
    {"R2:", ids::editEntry::R2On, ids::editor::R2Voice, ids::editor::R2Volume,
     ids::editor::R2Octave},
    {"R3:", ids::editEntry::R3On, ids::editor::R3Voice, ids::editor::R3Volume,
     ids::editor::R3Octave},
    {"Left:", ids::editEntry::LeftOn, ids::editor::LeftVoice, ids::editor::LeftVolume,
     ids::editor::LeftOctave},
}};

struct PartRowIds {
    const char* caption;
    int on, setVoice, voice, setVolume, volume;
};
// By AccPart, top to bottom.
constexpr std::array<PartRowIds, kAccPartCount> kPartRowIds = {{
    {"Rhy1:", ids::editEntry::Rhy1On, ids::editEntry::Rhy1SetVoice, ids::editEntry::Rhy1Voice,
     ids::editEntry::Rhy1SetVolume, ids::editEntry::Rhy1Volume},
    {"Rhy2:", ids::editEntry::Rhy2On, ids::editEntry::Rhy2SetVoice, ids::editEntry::Rhy2Voice,
     ids::editEntry::Rhy2SetVolume, ids::editEntry::Rhy2Volume},
    {"Bass:", ids::editEntry::BassOn, ids::editEntry::BassSetVoice, ids::editEntry::BassVoice,
     ids::editEntry::BassSetVolume, ids::editEntry::BassVolume},
    {"Chd1:", ids::editEntry::Chd1On, ids::editEntry::Chd1SetVoice, ids::editEntry::Chd1Voice,
     ids::editEntry::Chd1SetVolume, ids::editEntry::Chd1Volume},
    {"Chd2:", ids::editEntry::Chd2On, ids::editEntry::Chd2SetVoice, ids::editEntry::Chd2Voice,
     ids::editEntry::Chd2SetVolume, ids::editEntry::Chd2Volume},
    {"Pad:", ids::editEntry::PadOn, ids::editEntry::PadSetVoice, ids::editEntry::PadVoice,
     ids::editEntry::PadSetVolume, ids::editEntry::PadVolume},
    {"Phr1:", ids::editEntry::Phr1On, ids::editEntry::Phr1SetVoice, ids::editEntry::Phr1Voice,
     ids::editEntry::Phr1SetVolume, ids::editEntry::Phr1Volume},
    {"Phr2:", ids::editEntry::Phr2On, ids::editEntry::Phr2SetVoice, ids::editEntry::Phr2Voice,
     ids::editEntry::Phr2SetVolume, ids::editEntry::Phr2Volume},
}};

constexpr int kStyleBoxCharacters = 26;

QPushButton* button(QWidget* parent, int id, const QString& text) {
    auto* b = new QPushButton(text, parent);
    setControlId(b, id);
    b->setAutoDefault(false);
    return b;
}

QLabel* heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

// ---- Layout ------------------------------------------------------------------------------------

void EditEntryDialog::buildLayout() {
    setWindowTitle(uiText(msg::EditEntryWindowTitle, context_.lang));

    // Left as on the panel: style, tempo and sections, then transposition and the split points;
    // in the middle the keyboard voices and the accompaniment parts below them; on the right the
    // pedal and footswitches and the song.
    QHBoxLayout* columns =
        groupColumns({{buildStyleGroup(), buildTransposeGroup(), buildSplitGroup()},
                      {buildVoicesGroup(), buildAccompanimentGroup()},
                      {buildControllerGroup(), buildSongGroup()}});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopLine());
    layout->addLayout(columns);
    layout->addWidget(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* EditEntryDialog::buildTopLine() {
    auto* line = new QWidget(this);
    title_ = new QLineEdit(line);
    setControlId(title_, ids::editEntry::Title);
    title_->setMaxLength(EditEntryForm::MaxTitleLength);
    title_->setValidator(new Text1252Validator(false, title_));
    title_->setFixedWidth(title_->fontMetrics().averageCharWidth() * 24);
    active_ =
        makeCheck(line, ids::editEntry::Active, uiText(msg::EditEntryActiveLabel, context_.lang));
    active_->setLayoutDirection(Qt::RightToLeft); // caption before the box, like "Title:"

    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(title_, uiText(msg::EditEntryTitleLabel, context_.lang)));
    layout->addWidget(title_);
    layout->addSpacing(16);
    layout->addWidget(active_);
    layout->addStretch();
    return line;
}

QWidget* EditEntryDialog::buildStyleGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Style"), "Style");
    style_ = new QComboBox(box);
    setControlId(style_, ids::editEntry::Style);
    style_->setModel(new StyleListModel(*context_.styles, *context_.diskStyles, style_));
    style_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    style_->setMinimumContentsLength(kStyleBoxCharacters);
    style_->setMaxVisibleItems(24);
    if (auto* list = qobject_cast<QListView*>(style_->view()))
        list->setUniformItemSizes(true);

    tempo_ = makeNumberBox(box, ids::editEntry::Tempo);
    stopAccomp_ = makeCheck(box, ids::editEntry::StopAccomp, QStringLiteral("Stop Accomp."));

    mainGroup_ = new QButtonGroup(this);
    auto* mainLine = new QHBoxLayout;
    mainLine->addWidget(new QLabel(QStringLiteral("Main"), box));
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString(QLatin1Char(char('A' + i))), box);
        setControlId(radio, ids::editEntry::MainA + i);
        mainGroup_->addButton(radio, i);
        main_[static_cast<size_t>(i)] = radio;
        mainLine->addWidget(radio);
    }
    mainLine->addStretch();

    auto* grid = new QGridLayout(box);
    grid->addWidget(style_, 0, 0, 1, 3);
    addLabelled(grid, 1, 0, QStringLiteral("Tempo:"), tempo_);
    grid->addWidget(stopAccomp_, 1, 2);
    grid->addLayout(mainLine, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* EditEntryDialog::buildVoicesGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Voices"), "Voices");
    auto* grid = new QGridLayout(box);
    grid->addWidget(heading(box, QStringLiteral("Vol.")), 0, 2);
    grid->addWidget(heading(box, QStringLiteral("Octave")), 0, 3);
    const QStringList octaves = signedItems(kOctaveFirst, kOctaveCount);
    for (const VoicePart part : kVoiceParts) {
        const auto p = static_cast<size_t>(part);
        const VoiceRowIds& ids = kVoiceRowIds[p];
        VoiceRowWidgets& row = voiceRows_[p];
        row.on = makeCheck(box, ids.on, QString::fromLatin1(ids.caption));
        row.voice = makeVoiceBox(box, ids.voice);
        row.volume = makeNumberBox(box, ids.volume);
        row.octave = makeListBox(box, ids.octave, octaves);
        const int r = static_cast<int>(p) + 1;
        grid->addWidget(row.on, r, 0);
        grid->addWidget(row.voice, r, 1);
        grid->addWidget(row.volume, r, 2);
        grid->addWidget(row.octave, r, 3);
    }
    hold_ = makeCheck(box, ids::editEntry::Hold, QStringLiteral("Hold"));
    upperOctave_ = makeListBox(box, ids::editor::UpperOctave,
                               signedItems(kUpperOctaveFirst, kUpperOctaveCount));
    auto* last = new QHBoxLayout;
    last->addWidget(hold_);
    last->addStretch();
    last->addWidget(makeLabel(upperOctave_, QStringLiteral("Upper Octave:")));
    last->addWidget(upperOctave_);
    grid->addLayout(last, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* EditEntryDialog::buildTransposeGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Transpose"), "Transpose");
    const QStringList items = signedItems(kTransposeFirst, kTransposeCount);
    transposeMaster_ = makeListBox(box, ids::editEntry::TransposeMaster, items);
    transposeSong_ = makeListBox(box, ids::editEntry::TransposeSong, items);
    transposeKeyboard_ = makeListBox(box, ids::editEntry::TransposeKeyboard, items);
    auto* grid = new QGridLayout(box);
    addLabelled(grid, 0, 0, QStringLiteral("Master:"), transposeMaster_);
    addLabelled(grid, 1, 0, QStringLiteral("Song:"), transposeSong_);
    addLabelled(grid, 2, 0, QStringLiteral("Keyboard:"), transposeKeyboard_);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* EditEntryDialog::buildSplitGroup() {
    QGroupBox* box =
        makeGroup(this, QStringLiteral("Split / Fingering / Vocal Harmony"), "SplitFingering");
    split_ = std::make_unique<SplitWidgets>(SplitWidgets::make(box, notes_));
    auto* grid = new QGridLayout(box);
    addLabelled(grid, 0, 0, QStringLiteral("Accomp.:"), split_->accomp);
    addLabelled(grid, 1, 0, QStringLiteral("Left:"), split_->left);
    addLabelled(grid, 2, 0, QStringLiteral("Right:"), split_->right);
    addLabelled(grid, 3, 0, QStringLiteral("Fingering:"), split_->fingering);
    grid->addWidget(split_->vocalHarmony, 4, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* EditEntryDialog::buildAccompanimentGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Accompaniment"), "Accompaniment");
    accVolume_ = makeNumberBox(box, ids::editEntry::AccVolume);
    autoAccomp_ = makeCheck(box, ids::editEntry::AutoAccomp, QStringLiteral("Auto Accomp."));
    auto* top = new QHBoxLayout;
    top->addWidget(makeLabel(accVolume_, QStringLiteral("Vol.:")));
    top->addWidget(accVolume_);
    top->addSpacing(16);
    top->addWidget(autoAccomp_);
    top->addStretch();

    auto* grid = new QGridLayout(box);
    grid->addLayout(top, 0, 0, 1, 5);
    grid->addWidget(heading(box, QStringLiteral("Set")), 1, 1);
    grid->addWidget(heading(box, QStringLiteral("Voice")), 1, 2);
    grid->addWidget(heading(box, QStringLiteral("Set")), 1, 3);
    grid->addWidget(heading(box, QStringLiteral("Vol.")), 1, 4);
    for (int i = 0; i < kAccPartCount; ++i) {
        const PartRowIds& ids = kPartRowIds[static_cast<size_t>(i)];
        PartRowWidgets& row = partRows_[static_cast<size_t>(i)];
        const QString part = QString::fromLatin1(ids.caption);
        row.on = makeCheck(box, ids.on, part);
        row.setVoice = makeCheck(box, ids.setVoice, {});
        row.setVoice->setAccessibleName(part + QStringLiteral(" Set"));
        row.voice = makeVoiceBox(box, ids.voice);
        row.setVolume = makeCheck(box, ids.setVolume, {});
        row.setVolume->setAccessibleName(part + QStringLiteral(" SetVol"));
        row.volume = makeNumberBox(box, ids.volume);
        const int r = i + 2;
        grid->addWidget(row.on, r, 0);
        grid->addWidget(row.setVoice, r, 1, Qt::AlignCenter);
        grid->addWidget(row.voice, r, 2);
        grid->addWidget(row.setVolume, r, 3, Qt::AlignCenter);
        grid->addWidget(row.volume, r, 4);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* EditEntryDialog::buildControllerGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Controller"), "Controller");
    pedal_ = std::make_unique<VolumePedalWidgets>(VolumePedalWidgets::make(box));
    for (int i = 0; i < 2; ++i)
        footswitches_[static_cast<size_t>(i)] = std::make_unique<FootswitchWidgets>(
            FootswitchWidgets::make(box, i, context_.model, notes_));

    auto* grid = new QGridLayout(box);
    pedal_->addTo(grid, 0, 0, makeLabel(pedal_->mode, QStringLiteral("Volumepedal:")));
    footswitches_[0]->addTo(grid, 2, 0,
                            makeLabel(footswitches_[0]->function, QStringLiteral("Footswitch-1:")));
    footswitches_[1]->addTo(grid, 5, 0,
                            makeLabel(footswitches_[1]->function, QStringLiteral("Footswitch-2:")));
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* EditEntryDialog::buildSongGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Song"), "Song");
    songPlayer_ = makeCheck(box, ids::editEntry::SongPlayer, QStringLiteral("Song Player:"));
    songPlayer_->setLayoutDirection(Qt::RightToLeft);
    songVolume_ = makeNumberBox(box, ids::editor::SongVolume);
    song_ = new QLineEdit(box);
    setControlId(song_, ids::editEntry::Song);
    song_->setValidator(new Text1252Validator(false, song_));
    song_->setMinimumWidth(song_->fontMetrics().averageCharWidth() * 36);
    QPushButton* browse = button(box, ids::editEntry::BrowseSong, QStringLiteral("..."));
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    QPushButton* info = button(box, ids::editEntry::SongInfo, QStringLiteral("Info"));
    play_ = {button(box, ids::editEntry::Play1, QStringLiteral("Play -1-")),
             button(box, ids::editEntry::Play2, QStringLiteral("Play -2-")),
             button(box, ids::editEntry::Play3, QStringLiteral("Play -3-"))};

    connect(browse, &QPushButton::clicked, this, &EditEntryDialog::chooseSong);
    connect(info, &QPushButton::clicked, this, &EditEntryDialog::showStorageDevices);
    for (int i = 0; i < 3; ++i)
        connect(play_[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { playSong(i); });

    auto* top = new QHBoxLayout;
    top->addWidget(songPlayer_);
    top->addStretch();
    top->addWidget(makeLabel(songVolume_, QStringLiteral("Song Volume:")));
    top->addWidget(songVolume_);
    auto* path = new QHBoxLayout;
    path->addWidget(makeLabel(song_, QStringLiteral("Song:")));
    path->addWidget(song_, 1);
    path->addWidget(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch();
    for (QPushButton* play : play_)
        buttons->addWidget(play);

    auto* layout = new QVBoxLayout(box);
    layout->addLayout(top);
    layout->addLayout(path);
    layout->addLayout(buttons);
    return box;
}

QWidget* EditEntryDialog::buildButtons() {
    auto* row = new QWidget(this);
    const Language lang = context_.lang;
    QPushButton* previous =
        button(row, ids::editEntry::Previous, uiText(msg::EditEntryPreviousButton, lang));
    QPushButton* next = button(row, ids::editEntry::Next, uiText(msg::EditEntryNextButton, lang));
    QPushButton* ok = button(row, ids::Ok, uiText(msg::RegEditorOkButton, lang));
    ok->setDefault(true);
    QPushButton* cancel = button(row, ids::Cancel, uiText(msg::RegEditorCancelButton, lang));
    connect(ok, &QPushButton::clicked, this, [this] { finish(EditEntryResult::Ok); });
    connect(previous, &QPushButton::clicked, this, [this] { finish(EditEntryResult::Previous); });
    connect(next, &QPushButton::clicked, this, [this] { finish(EditEntryResult::Next); });
    connect(cancel, &QPushButton::clicked, this, &EditEntryDialog::reject);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);
    return row;
}

} // namespace tombrel
