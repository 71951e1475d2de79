#include "ui/EditEntryDialog.h"

// The Edit Entry window: its groups and controls with their ids. The behaviour is in
// EditEntryDialog.cpp.

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
    {"R1:", 1063, 1064, 1065, 1127},
    {"R2:", 1067, 1068, 1069, 1128},
    {"R3:", 1071, 1072, 1073, 1129},
    {"Left:", 1058, 1059, 1060, 1130},
}};

struct PartRowIds {
    const char* caption;
    int on, setVoice, voice, setVolume, volume;
};
// By AccPart, top to bottom.
constexpr std::array<PartRowIds, kAccPartCount> kPartRowIds = {{
    {"Rhy1:", 1035, 1091, 1084, 1076, 1036},
    {"Rhy2:", 1037, 1093, 1085, 1077, 1044},
    {"Bass:", 1040, 1094, 1092, 1078, 1046},
    {"Chd1:", 1041, 1095, 1086, 1079, 1048},
    {"Chd2:", 1042, 1096, 1087, 1080, 1050},
    {"Pad:", 1052, 1097, 1088, 1081, 1053},
    {"Phr1:", 1055, 1098, 1089, 1082, 1056},
    {"Phr2:", 1083, 1099, 1090, 1100, 1101},
}};

constexpr int kStyleBoxCharacters = 26;

QGroupBox* group(QWidget* parent, const QString& title, const char* name) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

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
    auto* left = new QVBoxLayout;
    left->addWidget(buildStyleGroup());
    left->addWidget(buildTransposeGroup());
    left->addWidget(buildSplitGroup());
    left->addStretch();

    auto* middle = new QVBoxLayout;
    middle->addWidget(buildVoicesGroup());
    middle->addWidget(buildAccompanimentGroup());
    middle->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(buildControllerGroup());
    right->addWidget(buildSongGroup());
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopLine());
    layout->addLayout(columns);
    layout->addWidget(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* EditEntryDialog::buildTopLine() {
    auto* line = new QWidget(this);
    title_ = new QLineEdit(line);
    setControlId(title_, 1033);
    title_->setMaxLength(EditEntryForm::MaxTitleLength);
    title_->setValidator(new Text1252Validator(false, title_));
    title_->setFixedWidth(title_->fontMetrics().averageCharWidth() * 24);
    active_ = makeCheck(line, 1000, uiText(msg::EditEntryActiveLabel, context_.lang));
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
    QGroupBox* box = group(this, QStringLiteral("Style"), "Style");
    style_ = new QComboBox(box);
    setControlId(style_, 1025);
    style_->setModel(new StyleListModel(*context_.styles, *context_.diskStyles, style_));
    style_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    style_->setMinimumContentsLength(kStyleBoxCharacters);
    style_->setMaxVisibleItems(24);
    if (auto* list = qobject_cast<QListView*>(style_->view()))
        list->setUniformItemSizes(true);

    tempo_ = makeNumberBox(box, 1026);
    stopAccomp_ = makeCheck(box, 1105, QStringLiteral("Stop Accomp."));

    mainGroup_ = new QButtonGroup(this);
    auto* mainLine = new QHBoxLayout;
    mainLine->addWidget(new QLabel(QStringLiteral("Main"), box));
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString(QLatin1Char(char('A' + i))), box);
        setControlId(radio, 1028 + i);
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
    QGroupBox* box = group(this, QStringLiteral("Voices"), "Voices");
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
    hold_ = makeCheck(box, 1062, QStringLiteral("Hold"));
    upperOctave_ = makeListBox(box, 1131, signedItems(kUpperOctaveFirst, kUpperOctaveCount));
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
    QGroupBox* box = group(this, QStringLiteral("Transpose"), "Transpose");
    const QStringList items = signedItems(kTransposeFirst, kTransposeCount);
    transposeMaster_ = makeListBox(box, 1133, items);
    transposeSong_ = makeListBox(box, 1134, items);
    transposeKeyboard_ = makeListBox(box, 1135, items);
    auto* grid = new QGridLayout(box);
    addLabelled(grid, 0, 0, QStringLiteral("Master:"), transposeMaster_);
    addLabelled(grid, 1, 0, QStringLiteral("Song:"), transposeSong_);
    addLabelled(grid, 2, 0, QStringLiteral("Keyboard:"), transposeKeyboard_);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* EditEntryDialog::buildSplitGroup() {
    QGroupBox* box =
        group(this, QStringLiteral("Split / Fingering / Vocal Harmony"), "SplitFingering");
    splitAccomp_ = makeListBox(box, 1103, notes_);
    splitLeft_ = makeListBox(box, 1107, notes_);
    splitRight_ = makeListBox(box, 1108, notes_);
    fingering_ = makeListBox(box, 1104, fingeringItems());
    vocalHarmony_ = makeCheck(box, 1173, QStringLiteral("V. H."));
    auto* grid = new QGridLayout(box);
    addLabelled(grid, 0, 0, QStringLiteral("Accomp.:"), splitAccomp_);
    addLabelled(grid, 1, 0, QStringLiteral("Left:"), splitLeft_);
    addLabelled(grid, 2, 0, QStringLiteral("Right:"), splitRight_);
    addLabelled(grid, 3, 0, QStringLiteral("Fingering:"), fingering_);
    grid->addWidget(vocalHarmony_, 4, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* EditEntryDialog::buildAccompanimentGroup() {
    QGroupBox* box = group(this, QStringLiteral("Accompaniment"), "Accompaniment");
    accVolume_ = makeNumberBox(box, 1032);
    autoAccomp_ = makeCheck(box, 1121, QStringLiteral("Auto Accomp."));
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
    QGroupBox* box = group(this, QStringLiteral("Controller"), "Controller");
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
    QGroupBox* box = group(this, QStringLiteral("Song"), "Song");
    songPlayer_ = makeCheck(box, 1120, QStringLiteral("Song Player:"));
    songPlayer_->setLayoutDirection(Qt::RightToLeft);
    songVolume_ = makeNumberBox(box, 1075);
    song_ = new QLineEdit(box);
    setControlId(song_, 1122);
    song_->setValidator(new Text1252Validator(false, song_));
    song_->setMinimumWidth(song_->fontMetrics().averageCharWidth() * 36);
    QPushButton* browse = button(box, 1126, QStringLiteral("..."));
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    QPushButton* info = button(box, 1123, QStringLiteral("Info"));
    play_ = {button(box, 1124, QStringLiteral("Play -1-")),
             button(box, 1125, QStringLiteral("Play -2-")),
             button(box, 1136, QStringLiteral("Play -3-"))};

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
    QPushButton* previous = button(row, 1039, uiText(msg::EditEntryPreviousButton, lang));
    QPushButton* next = button(row, 1038, uiText(msg::EditEntryNextButton, lang));
    QPushButton* ok = button(row, 1, uiText(msg::RegEditorOkButton, lang));
    ok->setDefault(true);
    QPushButton* cancel = button(row, 2, uiText(msg::RegEditorCancelButton, lang));
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
