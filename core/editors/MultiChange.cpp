#include "core/editors/MultiChange.h"

#include "core/text/Text1252.h"

#include <algorithm>

namespace tombrel {

namespace {

constexpr VoicePart kVoiceParts[] = {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left};
constexpr int kFingeringCount = static_cast<int>(kFingeringList.size());

MultiChangeField fieldAt(VoicePart part, int offset) {
    return static_cast<MultiChangeField>(static_cast<int>(part) * 3 + offset);
}

// The drive box item whose drive name starts the path, without regard to case.
int drivePosition(std::string_view songPath) {
    if (songPath.size() < kSongDriveNameLength)
        return kNoSelection;
    const std::string_view drive = songPath.substr(0, kSongDriveNameLength);
    for (int i = 0; i < kSongDriveCount; ++i) {
        if (equalsIgnoreCase1252(
                kSongDriveItems[static_cast<size_t>(i)].substr(0, kSongDriveNameLength), drive))
            return i;
    }
    return kNoSelection;
}

MultiChangeForm valuesOf(const RegRecord& r, KeyboardModel model) {
    MultiChangeForm f;
    f.model = model;
    for (const VoicePart part : kVoiceParts) {
        MultiChangeVoice& v = f.voice(part);
        v.voice = VoiceTable::voiceBoxItems(r.voice(part), UnknownVoiceItem::UnlessNoVoice);
        v.volume = r.volume(part);
        v.octave = listPosition(r.octave(part), kOctaveFirst, kOctaveCount);
    }
    f.upperOctave = listPosition(r.upperOctave(), kUpperOctaveFirst, kUpperOctaveCount);
    f.split = SplitControls::read(r);
    f.fingering = r.fingeringPosition();
    f.vocalHarmony = r.vocalHarmony();
    f.volumePedal = VolumePedalControls::read(r);
    f.footswitches[0] = FootswitchControls::read(r, 1, model);
    f.footswitches[1] = FootswitchControls::read(r, 2, model);
    f.drive = drivePosition(r.songPath());
    return f;
}

// Blanks a value that differs from the other registration's.
void keepCommon(int& value, int other, int blank) {
    if (value != other)
        value = blank;
}

void keepCommonVoice(VoiceBoxItems& box, const VoiceBoxItems& other) {
    if (chosenVoiceKey(box) != chosenVoiceKey(other))
        box = VoiceTable::voiceBoxItems(RegRecord::NoVoice, UnknownVoiceItem::UnlessNoVoice);
}

void keepCommon(FootswitchControls& fs, const FootswitchControls& other) {
    keepCommon(fs.function, other.function, kNoSelection);
    fs.parts &= other.parts; // a part bit that differs is off
    keepCommon(fs.kit, other.kit, kNoSelection);
    keepCommon(fs.key, other.key, kNoSelection);
}

void merge(MultiChangeForm& common, const MultiChangeForm& other) {
    for (size_t i = 0; i < common.voices.size(); ++i) {
        keepCommonVoice(common.voices[i].voice, other.voices[i].voice);
        keepCommon(common.voices[i].volume, other.voices[i].volume, 0);
        keepCommon(common.voices[i].octave, other.voices[i].octave, kNoSelection);
    }
    keepCommon(common.upperOctave, other.upperOctave, kNoSelection);
    keepCommon(common.split.accomp, other.split.accomp, kNoSelection);
    keepCommon(common.split.left, other.split.left, kNoSelection);
    keepCommon(common.split.right, other.split.right, kNoSelection);
    keepCommon(common.fingering, other.fingering, kNoSelection);
    common.vocalHarmony = common.vocalHarmony && other.vocalHarmony;
    keepCommon(common.volumePedal.mode, other.volumePedal.mode, kNoSelection);
    common.volumePedal.parts &= other.volumePedal.parts;
    keepCommon(common.footswitches[0], other.footswitches[0]);
    keepCommon(common.footswitches[1], other.footswitches[1]);
    keepCommon(common.drive, other.drive, kNoSelection);
}

} // namespace

MultiChangeField voiceField(VoicePart part) {
    return fieldAt(part, 0);
}
MultiChangeField volumeField(VoicePart part) {
    return fieldAt(part, 1);
}
MultiChangeField octaveField(VoicePart part) {
    return fieldAt(part, 2);
}

std::string replaceSongDrive(std::string_view songPath, std::string_view driveName) {
    // A path without a drive in front (one typed on this computer and stored as it was) would
    // lose its first characters.
    if (songPath.size() < kSongDriveNameLength || songPath[kSongDriveNameLength - 1] != ':')
        return std::string(songPath);
    std::string out(driveName.substr(0, kSongDriveNameLength));
    out.append(songPath.substr(kSongDriveNameLength));
    return out;
}

MultiChangeForm MultiChangeForm::gather(std::span<RegRecord* const> records, KeyboardModel model) {
    MultiChangeForm common;
    common.model = model;
    for (auto& v : common.voices)
        v.voice = VoiceTable::voiceBoxItems(RegRecord::NoVoice, UnknownVoiceItem::UnlessNoVoice);
    bool first = true;
    for (RegRecord* record : records) {
        record->normalise();
        const MultiChangeForm values = valuesOf(*record, model);
        if (first)
            common = values;
        else
            merge(common, values);
        first = false;
    }
    // The song volume is not gathered: its field starts at 0 whatever the registrations hold.
    common.songVolume = 0;
    return common;
}

bool MultiChangeForm::anySet() const {
    return std::find(set.begin(), set.end(), true) != set.end();
}

bool MultiChangeForm::volumePedalPartsEnabled() const {
    return isSet(MultiChangeField::VolumePedal) && tombrel::volumePedalPartsEnabled(volumePedal);
}

std::optional<MultiChangeError> MultiChangeForm::validate() const {
    const auto check = [this](MultiChangeField field,
                              int volume) -> std::optional<MultiChangeError> {
        if (!isSet(field) || (volume >= 0 && volume <= VolumeLimit))
            return std::nullopt;
        return MultiChangeError{field, InputMessage::integerRange(0, VolumeLimit)};
    };
    for (const VoicePart part : kVoiceParts) {
        if (auto e = check(volumeField(part), voice(part).volume))
            return e;
    }
    return check(MultiChangeField::SongVolume, songVolume);
}

void MultiChangeForm::applyTo(RegRecord& r) const {
    for (const VoicePart part : kVoiceParts) {
        const MultiChangeVoice& v = voice(part);
        const int key = chosenVoiceKey(v.voice);
        if (isSet(voiceField(part)) && key != RegRecord::NoVoice)
            r.setVoice(part, key);
        if (isSet(volumeField(part)))
            r.setVolume(part, v.volume);
        if (isSet(octaveField(part)) && hasSelection(v.octave, kOctaveCount))
            r.setOctave(part, v.octave + kOctaveFirst);
    }
    if (isSet(MultiChangeField::UpperOctave) && hasSelection(upperOctave, kUpperOctaveCount))
        r.setUpperOctave(upperOctave + kUpperOctaveFirst);

    SplitControls chosenSplit;
    if (isSet(MultiChangeField::SplitAccomp))
        chosenSplit.accomp = split.accomp;
    if (isSet(MultiChangeField::SplitLeft))
        chosenSplit.left = split.left;
    if (isSet(MultiChangeField::SplitRight))
        chosenSplit.right = split.right;
    chosenSplit.writeTo(r);

    if (isSet(MultiChangeField::Fingering) && hasSelection(fingering, kFingeringCount))
        r.setFingeringPosition(fingering);
    if (isSet(MultiChangeField::VocalHarmony))
        r.setVocalHarmony(vocalHarmony);
    if (isSet(MultiChangeField::VolumePedal))
        volumePedal.writeTo(r);
    if (isSet(MultiChangeField::Footswitch1))
        footswitches[0].writeTo(r, 1);
    if (isSet(MultiChangeField::Footswitch2))
        footswitches[1].writeTo(r, 2);
    if (isSet(MultiChangeField::SongVolume))
        r.setSongVolume(songVolume);
    if (isSet(MultiChangeField::SongDrive) && hasSelection(drive, kSongDriveCount)) {
        const std::string path = r.songPath();
        const std::string changed =
            replaceSongDrive(path, kSongDriveItems[static_cast<size_t>(drive)]);
        if (changed != path)
            r.setSongPath(changed);
    }
}

void MultiChangeForm::applyTo(std::span<RegRecord* const> records) const {
    for (RegRecord* record : records)
        applyTo(*record);
}

} // namespace tombrel
