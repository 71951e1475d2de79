#pragma once

// One registration exactly as the keyboard stores it: a 16-byte title and a 454-byte parameter
// block. Every field the program reads or writes has a named accessor here in its own encoding;
// no other file touches a raw offset. Bytes the program does not interpret are carried through.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tombrel {

// The four keyboard voices.
enum class VoicePart { R1, R2, R3, Left };

// The eight accompaniment parts, in the order of their bits (bit 0 = Rhy1 ... bit 7 = Phr2).
// Their volume bytes and voice triples run in a different order (Rhy2 first); the accessors
// hide that.
enum class AccPart { Rhy1, Rhy2, Bass, Chd1, Chd2, Pad, Phr1, Phr2 };
inline constexpr int kAccPartCount = 8;

// Bits of the volume pedal part byte.
enum class PedalPart { R3 = 0, R2 = 1, R1 = 2, Left = 3, Mic = 4, MPad = 5, Acmp = 6, Song = 7 };

// Bits 0..3 of a footswitch part byte.
enum FootswitchPartBit : uint8_t {
    FootswitchR3 = 0x01,
    FootswitchR2 = 0x02,
    FootswitchR1 = 0x04,
    FootswitchLeft = 0x08,
};

// Single bytes whose stored value says more than the field's decoded value: a switch byte other
// than its written on/off value, a split point byte with an unusual high bit. Read and written as
// they stand, so that a copy of a field keeps them.
enum class StoredByte {
    Active,
    AutoAccomp,
    R1OnOff,
    R2OnOff,
    R3OnOff,
    LeftOnOff,
    Hold,
    VocalHarmony,
    SongPlayer,
    StopAccomp,
    SplitLeft,
    SplitRight,
    SplitAccomp,
};

// A run of bytes the program does not interpret; `mask` marks the bits of a single byte that are
// not interpreted (0xFF for whole bytes).
struct KeptRun {
    uint16_t offset;
    uint16_t length;
    uint8_t mask;
};

class RegRecord {
public:
    static constexpr size_t Size = 470;
    static constexpr size_t TitleSize = 16;
    static constexpr size_t ParamOffset = 16;
    static constexpr size_t ParamSize = 454;
    static constexpr size_t SongPathSize = 82;
    static constexpr int NoVoice = -1;
    static constexpr int StyleCount = 495;      // style indexes 0..494
    static constexpr int FirstFlashStyle = 125; // 0..124 preset styles
    static constexpr int FirstDiskStyle = 245;  // 125..244 flash styles, 245..494 disk styles
    static constexpr const char* EmptyTitle = "<Empty>";

    // All 470 bytes zero (a bank title line's record carries no data).
    RegRecord() : bytes_{} {}
    // A free slot: "<Empty>" and the default parameter block.
    static RegRecord empty();
    // A copy of the 470 bytes at `data` (the memory is not cleared first).
    static RegRecord fromBytes(const uint8_t* data);

    const std::array<uint8_t, Size>& bytes() const { return bytes_; }
    const uint8_t* data() const { return bytes_.data(); }
    void copyTo(uint8_t* out) const;
    // Replaces all 470 bytes.
    void assign(const uint8_t* data);

    bool operator==(const RegRecord& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const RegRecord& other) const { return !(*this == other); }

    // Title: up to the first NUL, trailing white space removed. Setting copies at most 16 bytes.
    std::string title() const;
    // The same text as a view into the record, valid while the record is.
    std::string_view titleView() const;
    void setTitle(std::string_view title);
    // The title bytes up to the first NUL as they are, trailing blanks included: what the editor
    // shows, so that a title of blanks can be seen and kept.
    std::string rawTitle() const;
    // True when the title bytes up to the first NUL are exactly "<Empty>" and the parameter block
    // is the default block.
    bool isEmpty() const;
    bool hasDefaultParameters() const;
    // The whole title and song path fields with their trailing NUL bytes dropped: every byte the
    // field holds, for an exact copy (setTitle and setSongPath write them back).
    std::string titleBytes() const;
    std::string songPathBytes() const;

    int storedByte(StoredByte which) const;
    void setStoredByte(StoredByte which, int value);

    // The bytes and bits the program carries through without reading them, in record order.
    static const std::array<KeptRun, 21>& keptRuns();
    // The uninterpreted bits of a run's byte; writing changes only the bits of the run's mask.
    uint8_t keptByte(const KeptRun& run, size_t index) const;
    void setKeptByte(const KeptRun& run, size_t index, uint8_t value);

    bool active() const;
    void setActive(bool on);

    // Style index 0..494 from the Style byte and the disk style number.
    int styleIndex() const;
    void setStyleIndex(int index);
    // The raw Style byte (0..244 internal, 245 = disk style).
    int styleByte() const;
    int diskStyleNumber() const;
    // Both bytes as given, for values the style index cannot express (a disk number past 249).
    void setStyleBytes(int styleByte, int diskStyleNumber);

    bool autoAccomp() const;
    void setAutoAccomp(bool on);

    // Fingering: the stored code and the position in the fingering list (unknown codes: 0).
    int fingeringCode() const;
    int fingeringPosition() const;
    void setFingeringPosition(int position);
    void setFingeringCode(int code);

    // Split points as note numbers 0..127.
    int splitLeft() const;
    int splitRight() const;
    int splitAccomp() const;
    void setSplitLeft(int note);
    void setSplitRight(int note);
    void setSplitAccomp(int note);

    // Variation byte: 8..11 = Main A..D; any other value is kept as it is.
    int variation() const;
    void setVariation(int value);
    // 0..3 for Main A..D, -1 for any other variation byte.
    int mainSection() const;

    int accVolume() const;
    void setAccVolume(int volume);

    bool partOn(AccPart part) const;
    void setPartOn(AccPart part, bool on);
    bool partSetVoice(AccPart part) const;
    void setPartSetVoice(AccPart part, bool on);
    bool partSetVolume(AccPart part) const;
    void setPartSetVolume(AccPart part, bool on);
    int partVolume(AccPart part) const;
    void setPartVolume(AccPart part, int volume);
    int partVoice(AccPart part) const;
    void setPartVoice(AccPart part, int key);

    bool voiceOn(VoicePart part) const;
    void setVoiceOn(VoicePart part, bool on);
    int voice(VoicePart part) const;
    void setVoice(VoicePart part, int key);
    int octave(VoicePart part) const;
    void setOctave(VoicePart part, int octave);
    int volume(VoicePart part) const;
    void setVolume(VoicePart part, int volume);

    bool hold() const;
    void setHold(bool on);
    int upperOctave() const;
    void setUpperOctave(int octave);
    bool vocalHarmony() const;
    void setVocalHarmony(bool on);

    bool songPlayer() const;
    void setSongPlayer(bool on);
    // The song's path on the keyboard (82-byte field).
    std::string songPath() const;
    void setSongPath(std::string_view path);
    int songVolume() const;
    void setSongVolume(int volume);

    int transposeMaster() const;
    int transposeSong() const;
    int transposeKeyboard() const;
    void setTransposeMaster(int semitones);
    void setTransposeSong(int semitones);
    void setTransposeKeyboard(int semitones);

    int tempo() const;
    void setTempo(int bpm);

    // Volume pedal: bit 0 of its byte ("Individual" when set); the other bits are kept.
    bool volumePedalIndividual() const;
    void setVolumePedalIndividual(bool individual);
    bool volumePedalPart(PedalPart part) const;
    void setVolumePedalPart(PedalPart part, bool on);
    int volumePedalParts() const;

    // Footswitches 1 and 2.
    int footswitchCode(int footswitch) const;
    // The function byte as given; the part byte is left alone.
    void setFootswitchCode(int footswitch, int code);
    int footswitchPosition(int footswitch) const;
    // Stores the function code of a list position; for positions 0..5 (the part-related
    // functions) bit 4 of the part byte becomes the Sustain flag, otherwise it is kept.
    void setFootswitchPosition(int footswitch, int position);
    // Bits 0..3 (FootswitchPartBit); bits 4..7 are kept.
    int footswitchParts(int footswitch) const;
    void setFootswitchParts(int footswitch, int bits);
    bool footswitchSustainFlag(int footswitch) const;
    void setFootswitchSustainFlag(int footswitch, bool on);
    int footswitchKit(int footswitch) const;
    void setFootswitchKit(int footswitch, int position);
    int footswitchKey(int footswitch) const;
    void setFootswitchKey(int footswitch, int note);

    bool stopAccomp() const;
    void setStopAccomp(bool on);

    // Brings the split points into the order Accomp <= Left <= Right and the Stop Accomp. byte to
    // one of its two values, as the editors and the protocols expect them.
    void normalise();
    // 255 when any volume field is above 127, else 127.
    int volumeLimit() const;

private:
    struct Uncleared {};
    // For a record that is filled at once: the bytes are left as they are.
    explicit RegRecord(Uncleared) {}

    uint8_t byte(size_t offset) const { return bytes_[offset]; }
    void setByte(size_t offset, int value) { bytes_[offset] = static_cast<uint8_t>(value); }
    int voiceAt(size_t offset) const;
    void setVoiceAt(size_t offset, int key);

    std::array<uint8_t, Size> bytes_;
};

extern const std::array<uint8_t, RegRecord::ParamSize> kDefaultParameterBlock;

// "C-" .. "G8" for note numbers 0..127.
std::string noteName(int note);

struct CodeEntry {
    const char* text;
    int code;
};
// The "Fingering:" list (12 entries) and the footswitch function list (38 entries), in list
// order with their stored codes.
extern const std::array<CodeEntry, 12> kFingeringList;
extern const std::array<CodeEntry, 38> kFootswitchList;
// Position of the "31 Percussion" footswitch function, which uses the kit and key bytes.
inline constexpr int kFootswitchPercussionPosition = 30;

// Names of the accompaniment parts as the protocols write them ("Rhy1" ...).
const char* accPartName(AccPart part);

} // namespace tombrel
