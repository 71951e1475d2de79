#include "core/editors/EditEntryForm.h"

#include "core/text/Text1252.h"

#include <algorithm>

namespace tombrel {

namespace {

constexpr VoicePart kVoiceParts[] = {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left};
constexpr int kFingeringCount = static_cast<int>(kFingeringList.size());
constexpr int kFirstMain = 8; // Variation bytes 8..11 are Main A..D
constexpr int kMainCount = 4;

AccPart accPart(int index) {
    return static_cast<AccPart>(index);
}

std::optional<EditEntryError> checkVolume(int volume, int limit, EditEntryField field,
                                          int index = 0) {
    if (volume >= 0 && volume <= limit)
        return std::nullopt;
    return EditEntryError{field, index, InputMessage::integerRange(0, limit)};
}

} // namespace

EditEntryForm EditEntryForm::load(RegRecord& record, KeyboardModel model,
                                  const SongPathMappings& mappings) {
    record.normalise();

    EditEntryForm f;
    f.model = model;
    f.mappings = mappings;
    f.volumeLimit = record.volumeLimit();

    f.title = utf8From1252(record.rawTitle());
    f.active = record.active();
    f.style = listPosition(record.styleIndex(), 0, RegRecord::StyleCount);
    f.tempo = record.tempo();
    f.stopAccomp = record.stopAccomp();
    f.mainSection = record.mainSection();
    f.variationEditable = f.mainSection != kNoSelection;
    f.autoAccomp = record.autoAccomp();
    f.songVolume = record.songVolume();
    f.songPlayer = record.songPlayer();

    f.loadedKeyboardSongPath = record.songPath();
    f.songPath = songPathToPcForm(f.loadedKeyboardSongPath, mappings);
    f.loadedSongPath = f.songPath;

    f.split = SplitControls::read(record);
    f.fingering = record.fingeringPosition();
    f.vocalHarmony = record.vocalHarmony();

    for (const VoicePart part : kVoiceParts) {
        EditEntryVoice& v = f.voice(part);
        v.on = record.voiceOn(part);
        v.voice = VoiceTable::voiceBoxItems(record.voice(part), UnknownVoiceItem::Always);
        v.volume = record.volume(part);
        v.octave = listPosition(record.octave(part), kOctaveFirst, kOctaveCount);
    }
    f.hold = record.hold();
    f.upperOctave = listPosition(record.upperOctave(), kUpperOctaveFirst, kUpperOctaveCount);
    f.transposeMaster = listPosition(record.transposeMaster(), kTransposeFirst, kTransposeCount);
    f.transposeSong = listPosition(record.transposeSong(), kTransposeFirst, kTransposeCount);
    f.transposeKeyboard =
        listPosition(record.transposeKeyboard(), kTransposeFirst, kTransposeCount);
    f.previousMaster = f.transposeMaster;
    f.accVolume = record.accVolume();

    for (int i = 0; i < kAccPartCount; ++i) {
        EditEntryPart& p = f.parts[static_cast<size_t>(i)];
        p.on = record.partOn(accPart(i));
        p.setVoice = record.partSetVoice(accPart(i));
        p.voice = VoiceTable::voiceBoxItems(record.partVoice(accPart(i)), UnknownVoiceItem::Always);
        p.setVolume = record.partSetVolume(accPart(i));
        p.volume = record.partVolume(accPart(i));
    }

    // Opening only enables the pedal checks; it does not turn them on.
    f.volumePedal = VolumePedalControls::read(record);
    f.footswitches[0] = FootswitchControls::read(record, 1, model);
    f.footswitches[1] = FootswitchControls::read(record, 2, model);
    return f;
}

std::string EditEntryForm::keyboardSongPath() const {
    if (songPath == loadedSongPath)
        return songPathToKeyboardForm(utf8From1252(loadedKeyboardSongPath), SongPathMappings{});
    return songPathToKeyboardForm(songPath, mappings);
}

std::optional<EditEntryError> EditEntryForm::validate() const {
    const std::string title1252 = utf8To1252(title);
    if (title1252.size() > RegRecord::TitleSize)
        return EditEntryError{EditEntryField::Title, 0, InputMessage::tooLong(MaxTitleLength)};
    if (tempo < MinTempo || tempo > MaxTempo)
        return EditEntryError{EditEntryField::Tempo, 0,
                              InputMessage::integerRange(MinTempo, MaxTempo)};
    for (const VoicePart part : kVoiceParts) {
        if (auto e = checkVolume(voice(part).volume, volumeLimit, EditEntryField::Volume,
                                 static_cast<int>(part)))
            return e;
    }
    if (auto e = checkVolume(accVolume, volumeLimit, EditEntryField::AccVolume))
        return e;
    for (int i = 0; i < kAccPartCount; ++i) {
        if (auto e = checkVolume(parts[static_cast<size_t>(i)].volume, volumeLimit,
                                 EditEntryField::PartVolume, i))
            return e;
    }
    if (auto e = checkVolume(songVolume, volumeLimit, EditEntryField::SongVolume))
        return e;
    // Measured on what is stored: a long folder on this computer must not block a short path on
    // the keyboard. A path the registration already holds is never refused.
    if (songPath != loadedSongPath &&
        keyboardSongPath().size() > static_cast<size_t>(MaxSongPathLength))
        return EditEntryError{EditEntryField::SongPath, 0,
                              InputMessage::tooLong(MaxSongPathLength)};
    // Blanks count as a title here, although reading it back trims them away.
    if (title1252.empty())
        return EditEntryError{EditEntryField::Title, 0,
                              InputMessage::plain(msg::TitleMustNotBeEmpty)};
    return std::nullopt;
}

std::optional<EditEntryError> EditEntryForm::storeInto(RegRecord& r) const {
    if (auto error = validate())
        return error;

    r.setTitle(utf8To1252(title));
    r.setActive(active);
    if (hasSelection(style, RegRecord::StyleCount))
        r.setStyleIndex(style);
    r.setTempo(tempo);
    // Only a Variation that already is Main A..D is replaced.
    if (r.mainSection() != kNoSelection && hasSelection(mainSection, kMainCount))
        r.setVariation(kFirstMain + mainSection);
    r.setStopAccomp(stopAccomp);
    r.setAutoAccomp(autoAccomp);
    r.setSongVolume(songVolume);
    r.setSongPlayer(songPlayer);
    r.setSongPath(keyboardSongPath());

    split.writeTo(r);
    if (hasSelection(fingering, kFingeringCount))
        r.setFingeringPosition(fingering);
    r.setVocalHarmony(vocalHarmony);

    for (const VoicePart part : kVoiceParts) {
        const EditEntryVoice& v = voice(part);
        r.setVoiceOn(part, v.on);
        if (hasChosenItem(v.voice))
            r.setVoice(part, chosenVoiceKey(v.voice));
        r.setVolume(part, v.volume);
        if (hasSelection(v.octave, kOctaveCount))
            r.setOctave(part, v.octave + kOctaveFirst);
    }
    r.setHold(hold);
    if (hasSelection(upperOctave, kUpperOctaveCount))
        r.setUpperOctave(upperOctave + kUpperOctaveFirst);
    if (hasSelection(transposeMaster, kTransposeCount))
        r.setTransposeMaster(transposeMaster + kTransposeFirst);
    if (hasSelection(transposeSong, kTransposeCount))
        r.setTransposeSong(transposeSong + kTransposeFirst);
    if (hasSelection(transposeKeyboard, kTransposeCount))
        r.setTransposeKeyboard(transposeKeyboard + kTransposeFirst);
    r.setAccVolume(accVolume);

    for (int i = 0; i < kAccPartCount; ++i) {
        const EditEntryPart& p = parts[static_cast<size_t>(i)];
        r.setPartOn(accPart(i), p.on);
        r.setPartSetVoice(accPart(i), p.setVoice);
        if (hasChosenItem(p.voice))
            r.setPartVoice(accPart(i), chosenVoiceKey(p.voice));
        r.setPartSetVolume(accPart(i), p.setVolume);
        r.setPartVolume(accPart(i), p.volume);
    }

    volumePedal.writeTo(r);
    footswitches[0].writeTo(r, 1);
    footswitches[1].writeTo(r, 2);
    return std::nullopt;
}

void autoAccompClicked(EditEntryForm& form) {
    if (form.autoAccomp)
        form.songPlayer = false;
}

void songPlayerClicked(EditEntryForm& form) {
    if (form.songPlayer)
        form.autoAccomp = false;
}

void masterTransposeChanged(EditEntryForm& form) {
    if (form.previousMaster != kNoSelection && form.transposeMaster != kNoSelection) {
        const int step = form.transposeMaster - form.previousMaster;
        for (int* box : {&form.transposeSong, &form.transposeKeyboard}) {
            if (*box != kNoSelection)
                *box = std::clamp(*box + step, 0, kTransposeCount - 1);
        }
    }
    form.previousMaster = form.transposeMaster;
}

bool partVoiceEnabled(const EditEntryForm& form, AccPart part) {
    return form.part(part).setVoice;
}

bool partVolumeEnabled(const EditEntryForm& form, AccPart part) {
    return form.part(part).setVolume;
}

} // namespace tombrel
