#pragma once

// The registration field table: one row per field the program reads or writes, named as the
// protocols name their columns (`Title`, `Tempo`, `R1-Voice`, `Acc-Vol`, `Rhy1-SetVol`, ...), with
// its kind, its range, a decode of a record into a typed value, the text a musician reads for that
// value, and an encode of a value back into a record. Comparing, listing duplicates and the JSON
// files all go through this table; RegRecord's accessors do the byte work.
//
// Names beyond the protocol columns: `Active`, `Style`, `Auto-Accomp`, `Fingering`, `Split-Left`,
// `Split-Right`, `Split-Accomp`, `Stop-Accomp`, `Variation`, `R1-OnOff`, `R1-Octave`,
// `Upper-Octave`, `Vocal-Harmony`, `Transpose-Master`, `Transpose-Song`, `Transpose-Keyboard`,
// `Volumepedal`, `Volumepedal-Parts`, `Footswitch-1`, `Footswitch-1-Parts`, `Footswitch-1-Kit`,
// `Footswitch-1-Key` (and the same for footswitch 2), `Song-Player`, `Song-Volume`. The eight
// accompaniment parts have five rows each, `<Part>-OnOff`, `<Part>-Set`, `<Part>-Voice`,
// `<Part>-SetVol`, `<Part>-Vol`, with the parts named Rhy1, Rhy2, Bass, Chd1, Chd2, Pad, Phr1,
// Phr2. `Style` holds both style bytes (the style byte and the disk style number), so there is no
// row of its own for the disk style number.
//
// Every byte of the 470 is owned by exactly one field or lies in one of RegRecord::keptRuns():
// decoding every field and every kept run of a record and encoding them into any other record
// gives the first record back byte for byte.

#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegRecord.h"
#include "core/text/Messages.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

enum class FieldKind {
    Text,         // single-byte text of a fixed width (`Title`, `Song-Title`)
    Switch,       // on/off, from a byte or from one bit of a part byte
    Number,       // unsigned number (volumes, `Tempo`)
    SignedNumber, // octaves and transpositions
    Note,         // a note number, shown by its name ("F#2")
    Voice,        // a voice triple, shown by the voice's name
    Style,        // a style index, shown by the style's name
    Bits,         // a set of named bits (`Volumepedal-Parts`, `Footswitch-1-Parts`)
    Code,         // a stored code with a table of texts (`Fingering`, `Variation`, `Footswitch-1`)
    DrumKit,      // a position in the drum kit list (`Footswitch-1-Kit`)
};

struct VoiceTriple {
    int msb = 0;
    int lsb = 0;
    int program = 0;

    bool operator==(const VoiceTriple&) const = default;
    // MSB x 65536 + LSB x 256 + program; -1 for the no-voice triple 255, 255, 255.
    int key() const;
    static VoiceTriple fromKey(int key);
};

// A field's value. Which member counts follows the field's kind:
//   Text: `text` (every byte of the field, trailing NUL bytes dropped);
//   Switch: `on`;
//   Number, SignedNumber, Note, Bits, Code, DrumKit: `number`;
//   Voice: `voice`;
//   Style: `number` (the style index 0..494; past 494 for a disk number above 249).
// `stored` keeps the byte(s) as they stand where the value alone would write them differently:
// a switch byte of 5 reads "on" but is not the 127 the editors write, a split byte may carry a
// high bit the note does not show, a style byte above 245 reads as a disk style like 245 does.
// It is -1 when the value's own encoding is what the record holds (and for a value made from
// scratch); for `Style` it is style byte x 256 + disk style number.
struct FieldValue {
    bool on = false;
    long long number = 0;
    std::string text;
    VoiceTriple voice;
    int stored = -1;

    bool operator==(const FieldValue&) const = default;

    static FieldValue ofNumber(long long n);
    static FieldValue ofSwitch(bool on);
    static FieldValue ofText(std::string text);
    static FieldValue ofVoice(VoiceTriple voice);
};

struct RegField {
    std::string_view name; // as in the field table: "R1-Voice"
    FieldKind kind;
    // The range the keyboard and the editors use; for Text the most bytes the field holds.
    long long min = 0;
    long long max = 0;
    // The range the field's bytes can hold, which a record read from a file may use.
    long long storedMin = 0;
    long long storedMax = 0;
    // For Code fields: the stored codes with their texts, in list order.
    std::span<const CodeEntry> codes;
    // For Bits fields: the name of each bit from bit 0 up; an empty name is a bit the field does
    // not own.
    std::span<const std::string_view> bits;

    // Which accessor the field runs through (internal to the table).
    int accessor = 0;
    int slot = 0;
};

// The table in the order a musician reads a registration: title, style, tempo and section,
// split and fingering, the four voices, the accompaniment and its parts, controllers,
// transposition, song.
const std::vector<RegField>& regFields();
// The row of a field name (exact spelling), nullptr for an unknown name.
const RegField* findRegField(std::string_view name);

FieldValue decodeField(const RegField& field, const RegRecord& record);

// Which range an encode checks: the keyboard's own, or everything the bytes can hold (for
// bringing back a record exactly as it was read).
enum class FieldRange { Keyboard, Stored };

// Writes the value into the record, leaving every byte and bit the field does not own as it was.
// A value outside the range (or a Code outside its table under the keyboard's range, or a text
// longer than the field) changes nothing and returns the message to show.
std::optional<UserMessage> encodeField(const RegField& field, const FieldValue& value,
                                       RegRecord& record, FieldRange range = FieldRange::Keyboard);

// What a display text names voices, styles and drum kits with. Without a style table the
// factory preset names and numbered flash places are used, without disk texts disk styles show
// their numbers.
struct FieldNames {
    const StyleNameTable* styles = nullptr;
    const DiskStyleTexts* disk = nullptr;
    KeyboardModel model = KeyboardModel::None;
    Language language = Language::English;
};

// The text a musician reads: "F#2", "Main A", "on", the voice's name, the style's name, "Left R1"
// for bits, a text in double quotes (so trailing blanks can be seen). A stored byte that the
// value does not explain follows in brackets ("on [5]").
std::string fieldDisplayText(const RegField& field, const FieldValue& value,
                             const FieldNames& names);
// The field's caption in the dialog's language ("R1 voice" / "R1-Stimme").
std::string fieldCaption(const RegField& field, Language language);

// The kept bytes as text: "Bytes 43-78" / "Byte 378 (bits 1-7)" and their hex bytes ("00 7F").
std::string keptRunCaption(const KeptRun& run, Language language);
std::string keptRunHex(const KeptRun& run, const RegRecord& record);

} // namespace tombrel
