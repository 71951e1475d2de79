#pragma once

// The controls that both registration editors (Edit Entry and Multi Change) share, as plain
// values, with the rules that tie them together while a dialog is open. A dialog reads its widgets
// into these values, calls a rule, and shows the values again; nothing here knows a widget.
//
// Every list control is held as its list position; kNoSelection stands for a box that shows no
// item (a stored value outside the list, or values that differ between registrations).

#include "core/names/VoiceTable.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegRecord.h"
#include "core/text/Messages.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>

namespace tombrel {

inline constexpr int kNoSelection = -1;

// The position of a stored value in a list of `count` items that starts at `first`
// ("-2".."+2" starts at -2); kNoSelection when the value is not in the list.
int listPosition(int value, int first, int count);
inline bool hasSelection(int position, int count) {
    return position >= 0 && position < count;
}

// Octave and transpose lists: "-2".."+2", "-1".."+1", "-24".."+24".
inline constexpr int kOctaveFirst = -2;
inline constexpr int kOctaveCount = 5;
inline constexpr int kUpperOctaveFirst = -1;
inline constexpr int kUpperOctaveCount = 3;
inline constexpr int kTransposeFirst = -24;
inline constexpr int kTransposeCount = 49;
inline constexpr int kNoteCount = 128;

// ---- Split points
// --------------------------------------------------------------------------------

enum class SplitBox { Accomp, Left, Right };

// Note positions of the "Accomp.:", "Left:" and "Right:" boxes.
struct SplitControls {
    int accomp = kNoSelection;
    int left = kNoSelection;
    int right = kNoSelection;

    static SplitControls read(const RegRecord& record);
    // Writes each split point that has a note chosen.
    void writeTo(RegRecord& record) const;
};

// After one box changed, moves the others so that Accomp <= Left <= Right holds again. A box
// without a selection holds no note: it is neither moved nor compared.
void keepSplitOrder(SplitControls& split, SplitBox changed);

// ---- Volume pedal
// ----------------------------------------------------------------------------------

enum VolumePedalMode : int { PedalMaster = 0, PedalIndividual = 1 };

struct VolumePedalControls {
    int mode = kNoSelection; // "Master" / "Individual"
    int parts = 0;           // PedalPart bits: 1 = the check is on

    static VolumePedalControls read(const RegRecord& record);
    // Writes the mode bit and all eight part bits when a mode is chosen.
    void writeTo(RegRecord& record) const;
};

// The part checks only mean something for "Individual".
bool volumePedalPartsEnabled(const VolumePedalControls& pedal);
// After the mode box changed: any mode but "Individual" turns all eight part checks on.
void volumePedalModeChanged(VolumePedalControls& pedal);

// ---- Footswitches
// ----------------------------------------------------------------------------------

struct FootswitchControls {
    int function = kNoSelection; // position in kFootswitchList
    int parts = 0;               // FootswitchPartBit bits of the "Left" "R1" "R2" "R3" checks
    int kit = kNoSelection;      // position in the model's drum kit list
    int key = kNoSelection;      // note

    // footswitch is 1 or 2.
    static FootswitchControls read(const RegRecord& record, int footswitch, KeyboardModel model);
    // When a function is chosen: its code, the four part bits, the Sustain flag for the part
    // functions, and the kit and key where one is chosen. Without a function nothing is written.
    void writeTo(RegRecord& record, int footswitch) const;
};

using FootswitchPair = std::array<FootswitchControls, 2>;

struct FootswitchVisibility {
    bool parts;  // the four part checks: part-related functions only
    bool kitKey; // "Kit:" and "Key:" with their labels: "31 Percussion" only
};
FootswitchVisibility footswitchVisibility(const FootswitchControls& footswitch);
// Function positions 0..5 act on the keyboard parts chosen by the four checks.
bool isPartFunction(int functionPosition);

// `which` is 0 for footswitch 1, 1 for footswitch 2.
// After a function box changed: a part function that the other footswitch has too takes over the
// other footswitch's part checks, so both act on the same parts.
void footswitchFunctionChanged(FootswitchPair& footswitches, int which);
// After a part check was clicked (its new state already in `parts`): while both footswitches have
// the same function, the other footswitch's check follows.
void footswitchPartClicked(FootswitchPair& footswitches, int which, FootswitchPartBit bit);

// ---- Voices
// ----------------------------------------------------------------------------------------

// The voice key a voice box gives back for its selected item; RegRecord::NoVoice for a box without
// a selection and for the extra item of a registration that has no voice.
int chosenVoiceKey(const VoiceBoxItems& box);
bool hasChosenItem(const VoiceBoxItems& box);

// ---- Input checks
// ----------------------------------------------------------------------------------

// A value the user has to correct: the catalogue text with its numbers, ready to show.
struct InputMessage {
    const Message* message = nullptr;
    long long first = 0;
    long long second = 0;

    static InputMessage integerRange(long long low, long long high);
    static InputMessage tooLong(long long maxCharacters);
    static InputMessage plain(const Message& message);

    std::string text(Language lang) const;
};

// The number typed into one of the editors' number edits. The edits take any text, so that what
// the user typed reaches the range check on OK instead of being put back silently: blanks around
// the number and a sign before it are allowed, anything else (an emptied edit, letters, a
// number too long for an int) is kNotANumber, which lies outside every range of the editors and
// so gets the same range message as a number that is too small or too large.
inline constexpr int kNotANumber = std::numeric_limits<int>::min();
int typedNumber(std::string_view text);

} // namespace tombrel
