#pragma once

// The Edit Entry dialog without its widgets: one value per control, loaded from a registration,
// checked and stored back into it, and the rules that run while the dialog is open. The dialog
// copies its widgets into the form before a rule or the store and shows the form again after.
//
// Lists are held as positions (kNoSelection: the box shows no item), checks as bools, edits as
// numbers or UTF-8 text. A box without a selection leaves its field as it was, so a stored value
// that the lists cannot show survives the dialog.

#include "core/editors/RegEditorControls.h"
#include "core/names/SongPath.h"
#include "core/names/VoiceTable.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegRecord.h"

#include <array>
#include <optional>
#include <string>

namespace tombrel {

// How the Edit Entry dialog was left. Previous and Next store like OK first.
enum class EditEntryResult { Ok, Cancel, Previous, Next };

struct EditEntryVoice { // R1, R2, R3, Left
    bool on = false;
    VoiceBoxItems voice;
    int volume = 0;
    int octave = kNoSelection; // "-2".."+2": octave + 2
};

struct EditEntryPart { // one accompaniment row
    bool on = false;
    bool setVoice = false; // first "Set" column
    VoiceBoxItems voice;
    bool setVolume = false; // second "Set" column
    int volume = 0;
};

// Which control a failed check belongs to, so the dialog can put the focus there.
enum class EditEntryField {
    Title,
    Tempo,
    Volume, // index: VoicePart
    AccVolume,
    PartVolume, // index: AccPart
    SongVolume,
    SongPath,
};

struct EditEntryError {
    EditEntryField field;
    int index = 0;
    InputMessage message;
};

struct EditEntryForm {
    static constexpr int MinTempo = 32;
    static constexpr int MaxTempo = 280;
    static constexpr int MaxTitleLength = static_cast<int>(RegRecord::TitleSize);
    // A song path typed or chosen in the dialog is stored in at most this many characters; a
    // longer path that the registration already holds is kept.
    static constexpr int MaxSongPathLength = 80;

    // Normalises the registration in place (the editor always shows it in order, even when the
    // user cancels) and fills the form from it. The mappings turn the keyboard's song path into
    // the path on this computer and back.
    static EditEntryForm load(RegRecord& record, KeyboardModel model,
                              const SongPathMappings& mappings);

    // The first value the user must correct, in the order of the dialog; nothing when all are
    // fine.
    std::optional<EditEntryError> validate() const;
    // Checks the form, and only when it passes writes every field into the registration in its
    // own encoding.
    std::optional<EditEntryError> storeInto(RegRecord& record) const;

    // The song path as it would be stored.
    std::string keyboardSongPath() const;

    // ---- set when loading ----
    KeyboardModel model = KeyboardModel::None;
    SongPathMappings mappings;
    int volumeLimit = 127; // 255 for a registration that already holds a louder volume
    // Main A..D can be chosen only when the registration's Variation byte is one of them; any
    // other value is kept whatever the buttons show.
    bool variationEditable = false;
    // The "Master:" position before its last change (kNoSelection until known).
    int previousMaster = kNoSelection;
    // The song path as the registration held it and as the dialog first showed it: a path the
    // user leaves alone is stored as it was read (in the keyboard's upper case with "/"), not sent
    // through the prefix pairs a second time.
    std::string loadedKeyboardSongPath; // single-byte
    std::string loadedSongPath;         // PC form, UTF-8

    // ---- the controls ----
    std::string title; // UTF-8
    bool active = false;
    int style = kNoSelection; // style index 0..494
    int tempo = 0;
    bool stopAccomp = false;
    int mainSection = kNoSelection; // 0..3 = "A".."D"

    std::array<EditEntryVoice, 4> voices; // by VoicePart
    bool hold = false;
    int upperOctave = kNoSelection;     // "-1".."+1": octave + 1
    int transposeMaster = kNoSelection; // "-24".."+24": semitones + 24
    int transposeSong = kNoSelection;
    int transposeKeyboard = kNoSelection;

    SplitControls split;
    int fingering = kNoSelection; // position in kFingeringList
    bool vocalHarmony = false;

    int accVolume = 0;
    bool autoAccomp = false;
    std::array<EditEntryPart, kAccPartCount> parts; // by AccPart

    VolumePedalControls volumePedal;
    FootswitchPair footswitches;

    bool songPlayer = false;
    int songVolume = 0;
    std::string songPath; // PC form, UTF-8

    EditEntryVoice& voice(VoicePart part) { return voices[static_cast<size_t>(part)]; }
    const EditEntryVoice& voice(VoicePart part) const { return voices[static_cast<size_t>(part)]; }
    EditEntryPart& part(AccPart p) { return parts[static_cast<size_t>(p)]; }
    const EditEntryPart& part(AccPart p) const { return parts[static_cast<size_t>(p)]; }
};

// How the dialog was left (EditEntryResult, with the list commands' dialogs): Previous and Next
// store like OK; the owner then steps to the registration above or below. Cancel stores nothing.

// ---- Rules while the dialog is open ----

// "Auto Accomp." and "Song Player:" exclude each other: checking one clears the other.
void autoAccompClicked(EditEntryForm& form);
void songPlayerClicked(EditEntryForm& form);

// "Master:" moved: "Song:" and "Keyboard:" move by the same step, held inside -24..+24.
void masterTransposeChanged(EditEntryForm& form);

// A part's voice box is enabled by its first "Set" check, its volume by the second.
bool partVoiceEnabled(const EditEntryForm& form, AccPart part);
bool partVolumeEnabled(const EditEntryForm& form, AccPart part);

// The split points, the volume pedal and the footswitches follow the shared rules on
// form.split, form.volumePedal and form.footswitches (RegEditorControls.h).

} // namespace tombrel
