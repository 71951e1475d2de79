#pragma once

// Multi Change without its widgets: the values that a set of registrations have in common, one
// "Set" box per field, and the writing of the chosen fields into every registration. A field
// whose values differ between the registrations starts blank (no voice, volume 0, a box without
// a selection, a check off); only fields whose Set box is on are written.
//
// Which registrations take part (the selection of either pane, collapsed categories standing for
// their registrations) is the panes' business; here they are a sequence of records.

#include "core/editors/RegEditorControls.h"
#include "core/names/SongPath.h"
#include "core/names/VoiceTable.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegRecord.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tombrel {

// The Set boxes, in the order in which their fields are written.
enum class MultiChangeField : int {
    R1Voice,
    R1Volume,
    R1Octave,
    R2Voice,
    R2Volume,
    R2Octave,
    R3Voice,
    R3Volume,
    R3Octave,
    LeftVoice,
    LeftVolume,
    LeftOctave,
    UpperOctave,
    SplitAccomp,
    SplitLeft,
    SplitRight,
    Fingering,
    VocalHarmony,
    VolumePedal,
    Footswitch1,
    Footswitch2,
    SongVolume,
    SongDrive,
};
inline constexpr int kMultiChangeFieldCount = static_cast<int>(MultiChangeField::SongDrive) + 1;

// The three Set boxes of a keyboard voice.
MultiChangeField voiceField(VoicePart part);
MultiChangeField volumeField(VoicePart part);
MultiChangeField octaveField(VoicePart part);

struct MultiChangeVoice {      // R1, R2, R3, Left
    VoiceBoxItems voice;       // no selection when the voices differ
    int volume = 0;            // 0 when the volumes differ
    int octave = kNoSelection; // "-2".."+2"
};

struct MultiChangeError {
    MultiChangeField field;
    InputMessage message;
};

struct MultiChangeForm {
    static constexpr int VolumeLimit = 127;

    // Normalises every registration in place and gathers the values they share. With no
    // registration every field is blank.
    static MultiChangeForm gather(std::span<RegRecord* const> records, KeyboardModel model);

    bool isSet(MultiChangeField field) const { return set[static_cast<size_t>(field)]; }
    void setField(MultiChangeField field, bool on) { set[static_cast<size_t>(field)] = on; }
    // With no Set box on, OK leaves everything as it is.
    bool anySet() const;
    // A value control is enabled exactly while its Set box is on.
    bool controlsEnabled(MultiChangeField field) const { return isSet(field); }
    // The pedal's part checks also need "Individual".
    bool volumePedalPartsEnabled() const;

    // The first volume to correct among the fields that are set.
    std::optional<MultiChangeError> validate() const;
    // Writes every set field into the registration, in the order of the Set boxes. A field left
    // blank (no voice, no position, no drive) is not written even when its Set box is on.
    void applyTo(RegRecord& record) const;
    void applyTo(std::span<RegRecord* const> records) const;

    KeyboardModel model = KeyboardModel::None;
    std::array<bool, kMultiChangeFieldCount> set{};

    std::array<MultiChangeVoice, 4> voices; // by VoicePart
    int upperOctave = kNoSelection;         // "-1".."+1"
    SplitControls split;
    int fingering = kNoSelection;
    bool vocalHarmony = false;
    VolumePedalControls volumePedal;
    FootswitchPair footswitches;
    int songVolume = 0;       // starts at 0 always, whatever the registrations hold
    int drive = kNoSelection; // position in kSongDriveItems

    MultiChangeVoice& voice(VoicePart part) { return voices[static_cast<size_t>(part)]; }
    const MultiChangeVoice& voice(VoicePart part) const {
        return voices[static_cast<size_t>(part)];
    }
};

// Puts a drive name in place of the drive at the start of a keyboard song path. Only a path that
// starts with a drive ("ATA00:", five characters and a colon) is changed; anything else, an empty
// path included, is given back as it is.
std::string replaceSongDrive(std::string_view songPath, std::string_view driveName);

} // namespace tombrel
