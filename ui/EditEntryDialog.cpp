#include "ui/EditEntryDialog.h"

#include "ui/KeyboardStorageDevicesDialog.h"
#include "ui/NumberBox.h"
#include "ui/RegEditorWidgets.h"
#include "ui/UiText.h"
#include "ui/VoiceListModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace tombrel {

namespace {

constexpr VoicePart kVoiceParts[] = {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left};

} // namespace

EditEntryDialog::EditEntryDialog(const RegRecord& record, const EditEntryContext& context,
                                 QWidget* parent)
    : QDialog(parent), record_(record), context_(context), launcher_(SongLauncher::platform()) {
    Q_ASSERT(context.styles && context.diskStyles && context.interaction);
    // The form normalises the copy it shows, as the keyboard expects the split points in order.
    form_ = EditEntryForm::load(record_, context_.model, context_.songPaths);

    voices_ = new VoiceListModel(context_.model, this);
    notes_ = makeNoteListModel(this);
    buildLayout();
    connectRules();
    showForm();
    title_->setFocus();
}

EditEntryDialog::~EditEntryDialog() = default;

// ---- Rules -------------------------------------------------------------------------------------

void EditEntryDialog::connectRules() {
    const auto comboChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    split_->connectOrder(this, form_.split, [this] { readForm(); });

    connect(autoAccomp_, &QCheckBox::toggled, this, [this] {
        readForm();
        autoAccompClicked(form_);
        showCheck(songPlayer_, form_.songPlayer);
    });
    connect(songPlayer_, &QCheckBox::toggled, this, [this] {
        readForm();
        songPlayerClicked(form_);
        showCheck(autoAccomp_, form_.autoAccomp);
    });

    connect(transposeMaster_, comboChanged, this, [this] {
        readForm();
        masterTransposeChanged(form_);
        showPosition(transposeSong_, form_.transposeSong);
        showPosition(transposeKeyboard_, form_.transposeKeyboard);
    });

    for (const PartRowWidgets& row : partRows_) {
        connect(row.setVoice, &QCheckBox::toggled, this, [this] {
            readForm();
            showEnabling();
        });
        connect(row.setVolume, &QCheckBox::toggled, this, [this] {
            readForm();
            showEnabling();
        });
    }

    pedal_->connectMode(
        this, form_.volumePedal, [this] { readForm(); }, [this] { showEnabling(); });

    connectFootswitches(this, footswitches_, form_.footswitches, [this] { readForm(); });
}

void EditEntryDialog::showForm() {
    const EditEntryForm& f = form_;
    const int limit = f.volumeLimit;
    title_->setText(fromUtf8(f.title));
    showCheck(active_, f.active);
    showPosition(style_, f.style);
    showNumber(tempo_, f.tempo, EditEntryForm::MinTempo, EditEntryForm::MaxTempo);
    showCheck(stopAccomp_, f.stopAccomp);
    mainGroup_->setExclusive(false);
    for (int i = 0; i < 4; ++i)
        main_[static_cast<size_t>(i)]->setChecked(i == f.mainSection);
    mainGroup_->setExclusive(true);

    for (const VoicePart part : kVoiceParts) {
        const VoiceRowWidgets& row = voiceRows_[static_cast<size_t>(part)];
        const EditEntryVoice& v = f.voice(part);
        showCheck(row.on, v.on);
        showVoiceBox(row.voice, voices_, v.voice);
        showNumber(row.volume, v.volume, 0, limit);
        showPosition(row.octave, v.octave);
    }
    showCheck(hold_, f.hold);
    showPosition(upperOctave_, f.upperOctave);
    showPosition(transposeMaster_, f.transposeMaster);
    showPosition(transposeSong_, f.transposeSong);
    showPosition(transposeKeyboard_, f.transposeKeyboard);

    split_->show(f.split, f.fingering, f.vocalHarmony);

    showNumber(accVolume_, f.accVolume, 0, limit);
    showCheck(autoAccomp_, f.autoAccomp);
    for (int i = 0; i < kAccPartCount; ++i) {
        const PartRowWidgets& row = partRows_[static_cast<size_t>(i)];
        const EditEntryPart& p = f.parts[static_cast<size_t>(i)];
        showCheck(row.on, p.on);
        showCheck(row.setVoice, p.setVoice);
        showVoiceBox(row.voice, voices_, p.voice);
        showCheck(row.setVolume, p.setVolume);
        showNumber(row.volume, p.volume, 0, limit);
    }

    pedal_->show(f.volumePedal);
    footswitches_[0]->show(f.footswitches[0]);
    footswitches_[1]->show(f.footswitches[1]);

    showCheck(songPlayer_, f.songPlayer);
    showNumber(songVolume_, f.songVolume, 0, limit);
    song_->setText(fromUtf8(f.songPath));
    song_->setCursorPosition(0);

    for (int i = 1; i < kPlayerCount; ++i)
        play_[static_cast<size_t>(i)]->setEnabled(
            !context_.players[static_cast<size_t>(i)].empty());
    showEnabling();
}

void EditEntryDialog::showEnabling() {
    // Main A..D can only replace a Variation that already is one of them.
    for (QAbstractButton* radio : main_)
        radio->setEnabled(form_.variationEditable);
    for (int i = 0; i < kAccPartCount; ++i) {
        const PartRowWidgets& row = partRows_[static_cast<size_t>(i)];
        row.voice->setEnabled(partVoiceEnabled(form_, static_cast<AccPart>(i)));
        row.volume->setEnabled(partVolumeEnabled(form_, static_cast<AccPart>(i)));
    }
    pedal_->setPartsEnabled(volumePedalPartsEnabled(form_.volumePedal));
}

void EditEntryDialog::readForm() {
    EditEntryForm& f = form_;
    f.title = title_->text().toStdString();
    f.active = active_->isChecked();
    f.style = position(style_);
    f.tempo = numberValue(tempo_);
    f.stopAccomp = stopAccomp_->isChecked();
    f.mainSection = mainGroup_->checkedId() < 0 ? kNoSelection : mainGroup_->checkedId();

    for (const VoicePart part : kVoiceParts) {
        const VoiceRowWidgets& row = voiceRows_[static_cast<size_t>(part)];
        EditEntryVoice& v = f.voice(part);
        v.on = row.on->isChecked();
        v.voice.selected = row.voice->currentIndex();
        v.volume = numberValue(row.volume);
        v.octave = position(row.octave);
    }
    f.hold = hold_->isChecked();
    f.upperOctave = position(upperOctave_);
    f.transposeMaster = position(transposeMaster_);
    f.transposeSong = position(transposeSong_);
    f.transposeKeyboard = position(transposeKeyboard_);

    split_->read(f.split, f.fingering, f.vocalHarmony);

    f.accVolume = numberValue(accVolume_);
    f.autoAccomp = autoAccomp_->isChecked();
    for (int i = 0; i < kAccPartCount; ++i) {
        const PartRowWidgets& row = partRows_[static_cast<size_t>(i)];
        EditEntryPart& p = f.parts[static_cast<size_t>(i)];
        p.on = row.on->isChecked();
        p.setVoice = row.setVoice->isChecked();
        p.voice.selected = row.voice->currentIndex();
        p.setVolume = row.setVolume->isChecked();
        p.volume = numberValue(row.volume);
    }

    pedal_->read(f.volumePedal);
    footswitches_[0]->read(f.footswitches[0]);
    footswitches_[1]->read(f.footswitches[1]);

    f.songPlayer = songPlayer_->isChecked();
    f.songVolume = numberValue(songVolume_);
    f.songPath = song_->text().toStdString();
}

// ---- Closing -----------------------------------------------------------------------------------

QWidget* EditEntryDialog::fieldWidget(const EditEntryError& error) const {
    const auto at = static_cast<size_t>(error.index);
    switch (error.field) {
    case EditEntryField::Title:
        return title_;
    case EditEntryField::Tempo:
        return tempo_;
    case EditEntryField::Volume:
        return at < voiceRows_.size() ? voiceRows_[at].volume : nullptr;
    case EditEntryField::AccVolume:
        return accVolume_;
    case EditEntryField::PartVolume:
        return at < partRows_.size() ? partRows_[at].volume : nullptr;
    case EditEntryField::SongVolume:
        return songVolume_;
    case EditEntryField::SongPath:
        return song_;
    }
    return nullptr;
}

void EditEntryDialog::finish(EditEntryResult result) {
    readForm();
    if (const auto error = form_.storeInto(record_)) {
        UserMessage message = userMessage(*error->message.message);
        message.numbers = {error->message.first, error->message.second};
        context_.interaction->warn(message);
        // The message box has closed: the editor takes the keys again, in the field to correct.
        activateWindow();
        if (QWidget* widget = fieldWidget(*error)) {
            widget->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                edit->selectAll();
            else if (auto* spin = qobject_cast<NumberBox*>(widget))
                spin->selectAll();
        }
        return;
    }
    result_ = result;
    QDialog::accept();
}

void EditEntryDialog::reject() {
    result_ = EditEntryResult::Cancel;
    QDialog::reject();
}

QWidget* EditEntryDialog::control(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

// ---- Song --------------------------------------------------------------------------------------

void EditEntryDialog::chooseSong() {
    readForm();
    FileDialogRequest request;
    request.caption = &msg::SelectMidiFile;
    request.filter = std::string(msg::MidiFileFilter.text(context_.lang));
    request.defaultExtension = "mid";
    const QFileInfo current(song_->text());
    if (!song_->text().isEmpty() && current.isFile())
        request.initialPath = current.absoluteFilePath().toStdString();
    const std::optional<std::string> chosen = context_.interaction->chooseFileToOpen(request);
    if (chosen && !chosen->empty()) {
        song_->setText(fromUtf8(*chosen));
        song_->setCursorPosition(0);
    }
}

void EditEntryDialog::playSong(int player) {
    readForm();
    const std::optional<UserMessage> message =
        tombrel::playSong(fromUtf8(form_.songPath),
                          fromUtf8(context_.players[static_cast<size_t>(player)]), launcher_);
    if (message)
        context_.interaction->warn(*message);
}

void EditEntryDialog::showStorageDevices() {
    KeyboardStorageDevicesDialog dialog(context_.lang, this);
    dialog.exec();
}

EditEntryResult editEntry(QWidget* parent, RegRecord& record, const EditEntryContext& context) {
    EditEntryDialog dialog(record, context, parent);
    dialog.exec();
    if (dialog.editResult() != EditEntryResult::Cancel)
        record = dialog.record();
    return dialog.editResult();
}

} // namespace tombrel
