#include "ui/MultiChangeDialog.h"

#include "ui/ControlIds.h"
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
    {"R1", ids::multiChange::SetR1Voice, ids::multiChange::SetR1Volume,
     ids::multiChange::SetR1Octave, ids::editor::R1Voice, ids::editor::R1Volume,
     ids::editor::R1Octave},
    {"R2", ids::multiChange::SetR2Voice, ids::multiChange::SetR2Volume,
     ids::multiChange::SetR2Octave, ids::editor::R2Voice, ids::editor::R2Volume,
     ids::editor::R2Octave},
    {"R3", ids::multiChange::SetR3Voice, ids::multiChange::SetR3Volume,
     ids::multiChange::SetR3Octave, ids::editor::R3Voice, ids::editor::R3Volume,
     ids::editor::R3Octave},
    {"Left", ids::multiChange::SetLeftVoice, ids::multiChange::SetLeftVolume,
     ids::multiChange::SetLeftOctave, ids::editor::LeftVoice, ids::editor::LeftVolume,
     ids::editor::LeftOctave},
}};

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

    QHBoxLayout* columns = groupColumns(
        {{buildVoicesGroup(), buildSplitGroup()}, {buildControllerGroup(), buildSongGroup()}});

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(uiText(msg::RegEditorOkButton, lang), QDialogButtonBox::AcceptRole);
    setControlId(ok, ids::Ok);
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(uiText(msg::RegEditorCancelButton, lang), QDialogButtonBox::RejectRole);
    setControlId(cancel, ids::Cancel);
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
    QGroupBox* box = makeGroup(this, QStringLiteral("Voices"), "Voices");
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
    upperOctave_ = makeListBox(box, ids::editor::UpperOctave,
                               signedItems(kUpperOctaveFirst, kUpperOctaveCount));
    grid->addWidget(makeSetBox(box, MultiChangeField::UpperOctave, ids::multiChange::SetUpperOctave,
                               QStringLiteral("Set Upper-Octave:"), {upperOctave_}),
                    4, 4);
    grid->addWidget(upperOctave_, 4, 5);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* MultiChangeDialog::buildSplitGroup() {
    QGroupBox* box =
        makeGroup(this, QStringLiteral("Split / Fingering / Vocal Harmony"), "SplitFingering");
    split_ = std::make_unique<SplitWidgets>(SplitWidgets::make(box, notes_));

    auto* grid = new QGridLayout(box);
    grid->addWidget(makeSetBox(box, MultiChangeField::SplitAccomp, ids::multiChange::SetSplitAccomp,
                               QStringLiteral("Set Split-Accomp.:"), {split_->accomp}),
                    0, 0);
    grid->addWidget(split_->accomp, 0, 1);
    grid->addWidget(makeSetBox(box, MultiChangeField::SplitLeft, ids::multiChange::SetSplitLeft,
                               QStringLiteral("Set Split-Left:"), {split_->left}),
                    1, 0);
    grid->addWidget(split_->left, 1, 1);
    grid->addWidget(makeSetBox(box, MultiChangeField::SplitRight, ids::multiChange::SetSplitRight,
                               QStringLiteral("Set Split-Right:"), {split_->right}),
                    2, 0);
    grid->addWidget(split_->right, 2, 1);
    grid->addWidget(makeSetBox(box, MultiChangeField::Fingering, ids::multiChange::SetFingering,
                               QStringLiteral("Set Fingering:"), {split_->fingering}),
                    0, 3);
    grid->addWidget(split_->fingering, 0, 4);
    grid->addWidget(makeSetBox(box, MultiChangeField::VocalHarmony,
                               ids::multiChange::SetVocalHarmony,
                               QStringLiteral("Set Vocal-Harmony:"), {split_->vocalHarmony}),
                    1, 3);
    grid->addWidget(split_->vocalHarmony, 1, 4);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget* MultiChangeDialog::buildControllerGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Controller"), "Controller");
    pedal_ = std::make_unique<VolumePedalWidgets>(VolumePedalWidgets::make(box));
    for (int i = 0; i < 2; ++i)
        footswitches_[static_cast<size_t>(i)] = std::make_unique<FootswitchWidgets>(
            FootswitchWidgets::make(box, i, form_.model, notes_));

    // The pedal's part checks are enabled by the Set box and "Individual" together.
    auto* grid = new QGridLayout(box);
    pedal_->addTo(grid, 0, 0,
                  makeSetBox(box, MultiChangeField::VolumePedal, ids::multiChange::SetVolumePedal,
                             QStringLiteral("Set Volumepedal:"), {pedal_->mode}));
    const std::array<MultiChangeField, 2> fields = {MultiChangeField::Footswitch1,
                                                    MultiChangeField::Footswitch2};
    for (int i = 0; i < 2; ++i) {
        const FootswitchWidgets& fs = *footswitches_[static_cast<size_t>(i)];
        std::vector<QWidget*> controls = {fs.function, fs.kitLabel, fs.kit, fs.keyLabel, fs.key};
        controls.insert(controls.end(), fs.parts.begin(), fs.parts.end());
        fs.addTo(grid, 2 + 3 * i, 0,
                 makeSetBox(box, fields[static_cast<size_t>(i)],
                            ids::multiChange::SetFootswitch1 + i,
                            QStringLiteral("Set Footswitch-%1:").arg(i + 1), std::move(controls)));
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* MultiChangeDialog::buildSongGroup() {
    QGroupBox* box = makeGroup(this, QStringLiteral("Song"), "Song");
    songVolume_ = makeNumberBox(box, ids::editor::SongVolume);
    QStringList drives;
    for (std::string_view item : kSongDriveItems)
        drives << from1252(item);
    drive_ = makeListBox(box, ids::multiChange::SongDrive, drives);
    auto* grid = new QGridLayout(box);
    grid->addWidget(makeSetBox(box, MultiChangeField::SongVolume, ids::multiChange::SetSongVolume,
                               QStringLiteral("Set Song-Volume:"), {songVolume_}),
                    0, 0);
    grid->addWidget(songVolume_, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeSetBox(box, MultiChangeField::SongDrive, ids::multiChange::SetSongDrive,
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

    // The split points stay in order whether or not their Set boxes are on.
    split_->connectOrder(this, form_.split, [this] { readForm(); });

    pedal_->connectMode(
        this, form_.volumePedal, [this] { readForm(); }, [this] { showEnabling(); });

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
    split_->show(form_.split, form_.fingering, form_.vocalHarmony);
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
    split_->read(form_.split, form_.fingering, form_.vocalHarmony);
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
