#include "ui/MultiChangeDialog.h"

#include "ui/NumberBox.h"
#include "ui/RegEditorWidgets.h"
#include "ui/UiText.h"
#include "ui/VoiceListModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tombrel {

namespace {

constexpr VoicePart kVoiceParts[] = {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left};

struct VoiceRowIds {
    const char* name;
    int setVoice, setVolume, setOctave; // Set boxes
    int voice, volume, octave;          // value controls
};
// By VoicePart.
constexpr std::array<VoiceRowIds, 4> kVoiceRowIds = {{
    {"R1", 1171, 1175, 1176, 1064, 1065, 1127},
    {"R2", 1179, 1180, 1181, 1068, 1069, 1128},
    {"R3", 1182, 1183, 1184, 1072, 1073, 1129},
    {"Left", 1185, 1186, 1187, 1059, 1060, 1130},
}};

QGroupBox* group(QWidget* parent, const QString& title, const char* name) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

size_t at(MultiChangeField field) {
    return static_cast<size_t>(field);
}

} // namespace

MultiChangeDialog::MultiChangeDialog(const MultiChangeForm& common, Interaction& interaction,
                                     Language lang, QWidget* parent)
    : QDialog(parent), form_(common), interaction_(interaction), lang_(lang) {
    form_.set.fill(false);
    voices_ = new VoiceListModel(form_.model, this);
    notes_ = makeNoteListModel(this);
    setWindowTitle(uiText(msg::MultiChangeWindowTitle, lang));

    auto* left = new QVBoxLayout;
    left->addWidget(buildVoicesGroup());
    left->addWidget(buildSplitGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildControllerGroup());
    right->addWidget(buildSongGroup());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(uiText(msg::RegEditorOkButton, lang), QDialogButtonBox::AcceptRole);
    setControlId(ok, 1);
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(uiText(msg::RegEditorCancelButton, lang), QDialogButtonBox::RejectRole);
    setControlId(cancel, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &MultiChangeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MultiChangeDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectRules();
    showForm();
}

MultiChangeDialog::~MultiChangeDialog() = default;

QCheckBox* MultiChangeDialog::makeSetBox(QWidget* parent, MultiChangeField field, int id,
                                         const QString& text, std::vector<QWidget*> controls) {
    QCheckBox* box = makeCheck(parent, id, text);
    setBoxes_[at(field)] = box;
    controls_[at(field)] = std::move(controls);
    return box;
}

QWidget* MultiChangeDialog::buildVoicesGroup() {
    QGroupBox* box = group(this, QStringLiteral("Voices"), "Voices");
    auto* grid = new QGridLayout(box);
    const QStringList octaves = signedItems(kOctaveFirst, kOctaveCount);
    for (const VoicePart part : kVoiceParts) {
        const auto p = static_cast<size_t>(part);
        const VoiceRowIds& ids = kVoiceRowIds[p];
        const QString name = QString::fromLatin1(ids.name);
        VoiceRowWidgets& row = voiceRows_[p];
        row.voice = makeVoiceBox(box, ids.voice);
        row.volume = makeNumberBox(box, ids.volume);
        row.octave = makeListBox(box, ids.octave, octaves);
        const int r = static_cast<int>(p);
        grid->addWidget(makeSetBox(box, voiceField(part), ids.setVoice,
                                   QStringLiteral("Set %1-Voice:").arg(name), {row.voice}),
                        r, 0);
        grid->addWidget(row.voice, r, 1);
        grid->addWidget(makeSetBox(box, volumeField(part), ids.setVolume,
                                   QStringLiteral("Set %1-Vol.:").arg(name), {row.volume}),
                        r, 2);
        grid->addWidget(row.volume, r, 3);
        grid->addWidget(makeSetBox(box, octaveField(part), ids.setOctave,
                                   QStringLiteral("Set %1-Octave:").arg(name), {row.octave}),
                        r, 4);
        grid->addWidget(row.octave, r, 5);
    }
    upperOctave_ = makeListBox(box, 1131, signedItems(kUpperOctaveFirst, kUpperOctaveCount));
    grid->addWidget(makeSetBox(box, MultiChangeField::UpperOctave, 1177,
                               QStringLiteral("Set Upper-Octave:"), {upperOctave_}),
                    4, 4);
    grid->addWidget(upperOctave_, 4, 5);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* MultiChangeDialog::buildSplitGroup() {
    QGroupBox* box =
        group(this, QStringLiteral("Split / Fingering / Vocal Harmony"), "SplitFingering");
    splitAccomp_ = makeListBox(box, 1103, notes_);
    splitLeft_ = makeListBox(box, 1107, notes_);
    splitRight_ = makeListBox(box, 1108, notes_);
    fingering_ = makeListBox(box, 1104, fingeringItems());
    vocalHarmony_ = makeCheck(box, 1173, QStringLiteral("V. H."));

    auto* grid = new QGridLayout(box);
    grid->addWidget(makeSetBox(box, MultiChangeField::SplitAccomp, 1188,
                               QStringLiteral("Set Split-Accomp.:"), {splitAccomp_}),
                    0, 0);
    grid->addWidget(splitAccomp_, 0, 1);
    grid->addWidget(makeSetBox(box, MultiChangeField::SplitLeft, 1189,
                               QStringLiteral("Set Split-Left:"), {splitLeft_}),
                    1, 0);
    grid->addWidget(splitLeft_, 1, 1);
    grid->addWidget(makeSetBox(box, MultiChangeField::SplitRight, 1190,
                               QStringLiteral("Set Split-Right:"), {splitRight_}),
                    2, 0);
    grid->addWidget(splitRight_, 2, 1);
    grid->addWidget(makeSetBox(box, MultiChangeField::Fingering, 1191,
                               QStringLiteral("Set Fingering:"), {fingering_}),
                    0, 3);
    grid->addWidget(fingering_, 0, 4);
    grid->addWidget(makeSetBox(box, MultiChangeField::VocalHarmony, 1195,
                               QStringLiteral("Set Vocal-Harmony:"), {vocalHarmony_}),
                    1, 3);
    grid->addWidget(vocalHarmony_, 1, 4);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget* MultiChangeDialog::buildControllerGroup() {
    QGroupBox* box = group(this, QStringLiteral("Controller"), "Controller");
    pedal_ = std::make_unique<VolumePedalWidgets>(VolumePedalWidgets::make(box));
    for (int i = 0; i < 2; ++i)
        footswitches_[static_cast<size_t>(i)] = std::make_unique<FootswitchWidgets>(
            FootswitchWidgets::make(box, i, form_.model, notes_));

    // The pedal's part checks are enabled by the Set box and "Individual" together.
    auto* grid = new QGridLayout(box);
    pedal_->addTo(grid, 0, 0,
                  makeSetBox(box, MultiChangeField::VolumePedal, 1192,
                             QStringLiteral("Set Volumepedal:"), {pedal_->mode}));
    const std::array<MultiChangeField, 2> fields = {MultiChangeField::Footswitch1,
                                                    MultiChangeField::Footswitch2};
    for (int i = 0; i < 2; ++i) {
        const FootswitchWidgets& fs = *footswitches_[static_cast<size_t>(i)];
        std::vector<QWidget*> controls = {fs.function, fs.kitLabel, fs.kit, fs.keyLabel, fs.key};
        controls.insert(controls.end(), fs.parts.begin(), fs.parts.end());
        fs.addTo(grid, 2 + 3 * i, 0,
                 makeSetBox(box, fields[static_cast<size_t>(i)], 1193 + i,
                            QStringLiteral("Set Footswitch-%1:").arg(i + 1), std::move(controls)));
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* MultiChangeDialog::buildSongGroup() {
    QGroupBox* box = group(this, QStringLiteral("Song"), "Song");
    songVolume_ = makeNumberBox(box, 1075);
    QStringList drives;
    for (std::string_view item : kSongDriveItems)
        drives << from1252(item);
    drive_ = makeListBox(box, 1172, drives);
    auto* grid = new QGridLayout(box);
    grid->addWidget(makeSetBox(box, MultiChangeField::SongVolume, 1197,
                               QStringLiteral("Set Song-Volume:"), {songVolume_}),
                    0, 0);
    grid->addWidget(songVolume_, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeSetBox(box, MultiChangeField::SongDrive, 1196,
                               QStringLiteral("Set Song Drive:"), {drive_}),
                    1, 0);
    grid->addWidget(drive_, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void MultiChangeDialog::connectRules() {
    for (QCheckBox* box : setBoxes_) {
        connect(box, &QCheckBox::toggled, this, [this] {
            readForm();
            showEnabling();
        });
    }

    const auto comboChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    // The split points stay in order whether or not their Set boxes are on.
    const auto splitRule = [this](SplitBox changed) {
        readForm();
        keepSplitOrder(form_.split, changed);
        showPosition(splitAccomp_, form_.split.accomp);
        showPosition(splitLeft_, form_.split.left);
        showPosition(splitRight_, form_.split.right);
    };
    connect(splitAccomp_, comboChanged, this, [splitRule] { splitRule(SplitBox::Accomp); });
    connect(splitLeft_, comboChanged, this, [splitRule] { splitRule(SplitBox::Left); });
    connect(splitRight_, comboChanged, this, [splitRule] { splitRule(SplitBox::Right); });

    connect(pedal_->mode, comboChanged, this, [this] {
        readForm();
        volumePedalModeChanged(form_.volumePedal);
        pedal_->show(form_.volumePedal);
        showEnabling();
    });

    connectFootswitches(this, footswitches_, form_.footswitches, [this] { readForm(); });
}

void MultiChangeDialog::showForm() {
    const int limit = MultiChangeForm::VolumeLimit;
    for (const VoicePart part : kVoiceParts) {
        const VoiceRowWidgets& row = voiceRows_[static_cast<size_t>(part)];
        const MultiChangeVoice& v = form_.voice(part);
        showVoiceBox(row.voice, voices_, v.voice);
        showNumber(row.volume, v.volume, 0, limit);
        showPosition(row.octave, v.octave);
    }
    showPosition(upperOctave_, form_.upperOctave);
    showPosition(splitAccomp_, form_.split.accomp);
    showPosition(splitLeft_, form_.split.left);
    showPosition(splitRight_, form_.split.right);
    showPosition(fingering_, form_.fingering);
    showCheck(vocalHarmony_, form_.vocalHarmony);
    pedal_->show(form_.volumePedal);
    footswitches_[0]->show(form_.footswitches[0]);
    footswitches_[1]->show(form_.footswitches[1]);
    showNumber(songVolume_, form_.songVolume, 0, limit);
    showPosition(drive_, form_.drive);
    for (size_t i = 0; i < setBoxes_.size(); ++i)
        showCheck(setBoxes_[i], form_.set[i]);
    showEnabling();
}

void MultiChangeDialog::showEnabling() {
    for (size_t i = 0; i < controls_.size(); ++i) {
        for (QWidget* control : controls_[i])
            control->setEnabled(form_.set[i]);
    }
    pedal_->setPartsEnabled(form_.volumePedalPartsEnabled());
}

void MultiChangeDialog::readForm() {
    for (size_t i = 0; i < setBoxes_.size(); ++i)
        form_.set[i] = setBoxes_[i]->isChecked();
    for (const VoicePart part : kVoiceParts) {
        const VoiceRowWidgets& row = voiceRows_[static_cast<size_t>(part)];
        MultiChangeVoice& v = form_.voice(part);
        v.voice.selected = row.voice->currentIndex();
        v.volume = numberValue(row.volume);
        v.octave = position(row.octave);
    }
    form_.upperOctave = position(upperOctave_);
    form_.split.accomp = position(splitAccomp_);
    form_.split.left = position(splitLeft_);
    form_.split.right = position(splitRight_);
    form_.fingering = position(fingering_);
    form_.vocalHarmony = vocalHarmony_->isChecked();
    pedal_->read(form_.volumePedal);
    footswitches_[0]->read(form_.footswitches[0]);
    footswitches_[1]->read(form_.footswitches[1]);
    form_.songVolume = numberValue(songVolume_);
    form_.drive = position(drive_);
}

void MultiChangeDialog::accept() {
    readForm();
    if (const auto error = form_.validate()) {
        UserMessage message = userMessage(*error->message.message);
        message.numbers = {error->message.first, error->message.second};
        interaction_.warn(message);
        // The message box has closed: the dialog takes the keys again, in the field to correct.
        activateWindow();
        const std::vector<QWidget*>& controls = controls_[at(error->field)];
        if (!controls.empty()) {
            controls.front()->setFocus(Qt::OtherFocusReason);
            if (auto* spin = qobject_cast<NumberBox*>(controls.front()))
                spin->selectAll();
        }
        return;
    }
    if (!form_.anySet()) {
        reject();
        return;
    }
    QDialog::accept();
}

QWidget* MultiChangeDialog::control(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

QCheckBox* MultiChangeDialog::setBox(MultiChangeField field) const {
    return setBoxes_[at(field)];
}

std::optional<MultiChangeForm> multiChange(QWidget* parent, const MultiChangeForm& common,
                                           Interaction& interaction, Language lang) {
    MultiChangeDialog dialog(common, interaction, lang, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.form();
}

} // namespace tombrel
