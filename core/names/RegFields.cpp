#include "core/names/RegFields.h"

#include "core/names/VoiceTable.h"
#include "core/text/Text1252.h"

#include <array>

namespace tombrel {

namespace {

enum Accessor : int {
    kTitle,
    kActive,
    kStyle,
    kTempo,
    kVariation,
    kAutoAccomp,
    kFingering,
    kSplitLeft,
    kSplitRight,
    kSplitAccomp,
    kStopAccomp,
    kAccVol,
    kVoiceOn,
    kVoice,
    kOctave,
    kVolume,
    kUpperOctave,
    kHold,
    kVocalHarmony,
    kPartOn,
    kPartSetVoice,
    kPartVoice,
    kPartSetVolume,
    kPartVolume,
    kVolumePedal,
    kVolumePedalParts,
    kFootswitch,
    kFootswitchParts,
    kFootswitchKit,
    kFootswitchKey,
    kTransposeMaster,
    kTransposeSong,
    kTransposeKeyboard,
    kSongPlayer,
    kSongTitle,
    kSongVolume,
};

const std::array<CodeEntry, 4> kVariationList = {{
    {"Main A", 8},
    {"Main B", 9},
    {"Main C", 10},
    {"Main D", 11},
}};
const std::array<CodeEntry, 2> kVolumePedalList = {{{"Master", 0}, {"Individual", 1}}};

const std::array<std::string_view, 8> kPedalBits = {"R3",  "R2",    "R1",   "Left",
                                                    "Mic", "M.Pad", "ACMP", "Song"};
const std::array<std::string_view, 8> kFootswitchBits = {"R3",      "R2", "R1", "Left",
                                                         "Sustain", "",   "",   ""};

// How a switch byte reads and what the editors write for it.
struct SwitchByte {
    StoredByte which;
    int onValue;
    int offValue;
    bool onWhenNonzero;

    bool reads(int b) const { return onWhenNonzero ? b != 0 : b == onValue; }
};

SwitchByte switchByte(int accessor, int slot) {
    switch (accessor) {
    case kActive:
        return {StoredByte::Active, 1, 0, true};
    case kAutoAccomp:
        return {StoredByte::AutoAccomp, 127, 0, false};
    case kHold:
        return {StoredByte::Hold, 127, 0, true};
    case kVocalHarmony:
        return {StoredByte::VocalHarmony, 127, 0, false};
    case kSongPlayer:
        return {StoredByte::SongPlayer, 1, 0, false};
    case kStopAccomp:
        return {StoredByte::StopAccomp, 0xFF, 0x80, false};
    default:
        break;
    }
    static constexpr StoredByte voices[4] = {StoredByte::R1OnOff, StoredByte::R2OnOff,
                                             StoredByte::R3OnOff, StoredByte::LeftOnOff};
    return {voices[slot & 3], 127, 0, true};
}

bool isStoredSwitch(int accessor) {
    switch (accessor) {
    case kActive:
    case kAutoAccomp:
    case kHold:
    case kVocalHarmony:
    case kSongPlayer:
    case kStopAccomp:
    case kVoiceOn:
        return true;
    default:
        return false;
    }
}

// A split point byte: its note and the byte the editors write for a note.
int splitNote(int accessor, int b) {
    return accessor == kSplitRight ? (b - 1) & 0x7F : b & 0x7F;
}
int splitByte(int accessor, int note) {
    switch (accessor) {
    case kSplitLeft:
        return note & 0x7F;
    case kSplitRight:
        return 0x80 | ((note + 1) & 0x7F);
    default:
        return 0x80 | (note & 0x7F);
    }
}
StoredByte splitStored(int accessor) {
    return accessor == kSplitLeft    ? StoredByte::SplitLeft
           : accessor == kSplitRight ? StoredByte::SplitRight
                                     : StoredByte::SplitAccomp;
}

// The style bytes as the editors write them for an index.
int canonicalStyleBytes(int index) {
    return index >= kFirstDiskStyle ? kFirstDiskStyle * 256 + (index - kFirstDiskStyle)
                                    : index * 256;
}
int styleIndexOfBytes(int styleByte, int disk) {
    return styleByte >= kFirstDiskStyle ? kFirstDiskStyle + disk : styleByte;
}

struct Builder {
    std::vector<RegField> rows;

    RegField& add(std::string_view name, FieldKind kind, int accessor, int slot = 0) {
        RegField f;
        f.name = name;
        f.kind = kind;
        f.accessor = accessor;
        f.slot = slot;
        rows.push_back(f);
        return rows.back();
    }
    void number(std::string_view name, FieldKind kind, int accessor, int slot, long long min,
                long long max, long long storedMin, long long storedMax) {
        RegField& f = add(name, kind, accessor, slot);
        f.min = min;
        f.max = max;
        f.storedMin = storedMin;
        f.storedMax = storedMax;
    }
    void byteNumber(std::string_view name, int accessor, int slot = 0) {
        number(name, FieldKind::Number, accessor, slot, 0, 255, 0, 255);
    }
    void signedByte(std::string_view name, int accessor, int slot, int range) {
        number(name, FieldKind::SignedNumber, accessor, slot, -range, range, -128, 127);
    }
    void note(std::string_view name, int accessor, int slot = 0, int storedMax = 127) {
        number(name, FieldKind::Note, accessor, slot, 0, 127, 0, storedMax);
    }
    void swtch(std::string_view name, int accessor, int slot = 0) {
        number(name, FieldKind::Switch, accessor, slot, 0, 1, 0, 1);
    }
    template <size_t N>
    void code(std::string_view name, int accessor, int slot, const std::array<CodeEntry, N>& list,
              int storedMax = 255) {
        RegField& f = add(name, FieldKind::Code, accessor, slot);
        f.codes = list;
        f.min = 0;
        f.max = storedMax;
        f.storedMin = 0;
        f.storedMax = storedMax;
    }
    void bits(std::string_view name, int accessor, int slot,
              const std::array<std::string_view, 8>& names, int maxValue) {
        RegField& f = add(name, FieldKind::Bits, accessor, slot);
        f.bits = names;
        f.min = f.storedMin = 0;
        f.max = f.storedMax = maxValue;
    }
};

struct PartNames {
    std::string_view onOff, set, voice, setVol, vol;
};
// Part rows in bit order (Rhy1 first), the protocols' column names.
constexpr std::array<PartNames, kAccPartCount> kPartNames = {{
    {"Rhy1-OnOff", "Rhy1-Set", "Rhy1-Voice", "Rhy1-SetVol", "Rhy1-Vol"},
    {"Rhy2-OnOff", "Rhy2-Set", "Rhy2-Voice", "Rhy2-SetVol", "Rhy2-Vol"},
    {"Bass-OnOff", "Bass-Set", "Bass-Voice", "Bass-SetVol", "Bass-Vol"},
    {"Chd1-OnOff", "Chd1-Set", "Chd1-Voice", "Chd1-SetVol", "Chd1-Vol"},
    {"Chd2-OnOff", "Chd2-Set", "Chd2-Voice", "Chd2-SetVol", "Chd2-Vol"},
    {"Pad-OnOff", "Pad-Set", "Pad-Voice", "Pad-SetVol", "Pad-Vol"},
    {"Phr1-OnOff", "Phr1-Set", "Phr1-Voice", "Phr1-SetVol", "Phr1-Vol"},
    {"Phr2-OnOff", "Phr2-Set", "Phr2-Voice", "Phr2-SetVol", "Phr2-Vol"},
}};

struct VoiceNames {
    std::string_view onOff, voice, octave, vol;
};
constexpr std::array<VoiceNames, 4> kVoiceNames = {{
    {"R1-OnOff", "R1-Voice", "R1-Octave", "R1-Vol"},
    {"R2-OnOff", "R2-Voice", "R2-Octave", "R2-Vol"},
    {"R3-OnOff", "R3-Voice", "R3-Octave", "R3-Vol"},
    {"Left-OnOff", "Left-Voice", "Left-Octave", "Left-Vol"},
}};

struct FootswitchNames {
    std::string_view function, parts, kit, key;
};
constexpr std::array<FootswitchNames, 2> kFootswitchNames = {{
    {"Footswitch-1", "Footswitch-1-Parts", "Footswitch-1-Kit", "Footswitch-1-Key"},
    {"Footswitch-2", "Footswitch-2-Parts", "Footswitch-2-Kit", "Footswitch-2-Key"},
}};

std::vector<RegField> buildTable() {
    Builder b;
    RegField& title = b.add("Title", FieldKind::Text, kTitle);
    title.max = title.storedMax = RegRecord::TitleSize;
    b.swtch("Active", kActive);
    b.number("Style", FieldKind::Style, kStyle, 0, 0, kStyleIndexCount - 1, 0,
             kFirstDiskStyle + 255);
    b.number("Tempo", FieldKind::Number, kTempo, 0, 32, 280, 0, 65535);
    b.code("Variation", kVariation, 0, kVariationList);
    b.swtch("Auto-Accomp", kAutoAccomp);
    b.code("Fingering", kFingering, 0, kFingeringList);
    b.note("Split-Left", kSplitLeft);
    b.note("Split-Right", kSplitRight);
    b.note("Split-Accomp", kSplitAccomp);
    b.swtch("Stop-Accomp", kStopAccomp);
    for (int v = 0; v < 4; ++v) {
        b.swtch(kVoiceNames[v].onOff, kVoiceOn, v);
        b.add(kVoiceNames[v].voice, FieldKind::Voice, kVoice, v);
        b.signedByte(kVoiceNames[v].octave, kOctave, v, 2);
        b.byteNumber(kVoiceNames[v].vol, kVolume, v);
    }
    b.signedByte("Upper-Octave", kUpperOctave, 0, 1);
    b.swtch("Hold", kHold);
    b.swtch("Vocal-Harmony", kVocalHarmony);
    b.byteNumber("Acc-Vol", kAccVol);
    for (int p = 0; p < kAccPartCount; ++p) {
        b.swtch(kPartNames[p].onOff, kPartOn, p);
        b.swtch(kPartNames[p].set, kPartSetVoice, p);
        b.add(kPartNames[p].voice, FieldKind::Voice, kPartVoice, p);
        b.swtch(kPartNames[p].setVol, kPartSetVolume, p);
        b.byteNumber(kPartNames[p].vol, kPartVolume, p);
    }
    b.code("Volumepedal", kVolumePedal, 0, kVolumePedalList, 1);
    b.bits("Volumepedal-Parts", kVolumePedalParts, 0, kPedalBits, 0xFF);
    for (int fs = 1; fs <= 2; ++fs) {
        const FootswitchNames& n = kFootswitchNames[static_cast<size_t>(fs - 1)];
        b.code(n.function, kFootswitch, fs, kFootswitchList);
        b.bits(n.parts, kFootswitchParts, fs, kFootswitchBits, 0x1F);
        b.number(n.kit, FieldKind::DrumKit, kFootswitchKit, fs, 0, VoiceTable::DrumKitRowCount - 1,
                 0, 255);
        b.note(n.key, kFootswitchKey, fs, 255);
    }
    b.signedByte("Transpose-Master", kTransposeMaster, 0, 24);
    b.signedByte("Transpose-Song", kTransposeSong, 0, 24);
    b.signedByte("Transpose-Keyboard", kTransposeKeyboard, 0, 24);
    b.swtch("Song-Player", kSongPlayer);
    RegField& song = b.add("Song-Title", FieldKind::Text, kSongTitle);
    song.max = song.storedMax = RegRecord::SongPathSize;
    b.byteNumber("Song-Volume", kSongVolume);
    return b.rows;
}

VoicePart voicePart(int slot) {
    return static_cast<VoicePart>(slot);
}
AccPart accPart(int slot) {
    return static_cast<AccPart>(slot);
}

bool partSwitch(const RegRecord& r, int accessor, AccPart part) {
    switch (accessor) {
    case kPartOn:
        return r.partOn(part);
    case kPartSetVoice:
        return r.partSetVoice(part);
    default:
        return r.partSetVolume(part);
    }
}

long long decodeNumber(const RegField& f, const RegRecord& r) {
    switch (f.accessor) {
    case kTempo:
        return r.tempo();
    case kVariation:
        return r.variation();
    case kFingering:
        return r.fingeringCode();
    case kAccVol:
        return r.accVolume();
    case kOctave:
        return r.octave(voicePart(f.slot));
    case kVolume:
        return r.volume(voicePart(f.slot));
    case kUpperOctave:
        return r.upperOctave();
    case kPartVolume:
        return r.partVolume(accPart(f.slot));
    case kVolumePedal:
        return r.volumePedalIndividual() ? 1 : 0;
    case kVolumePedalParts:
        return r.volumePedalParts();
    case kFootswitch:
        return r.footswitchCode(f.slot);
    case kFootswitchParts:
        return r.footswitchParts(f.slot) | (r.footswitchSustainFlag(f.slot) ? 0x10 : 0);
    case kFootswitchKit:
        return r.footswitchKit(f.slot);
    case kFootswitchKey:
        return r.footswitchKey(f.slot);
    case kTransposeMaster:
        return r.transposeMaster();
    case kTransposeSong:
        return r.transposeSong();
    case kTransposeKeyboard:
        return r.transposeKeyboard();
    case kSongVolume:
        return r.songVolume();
    default:
        return 0;
    }
}

void encodeNumber(const RegField& f, long long n, RegRecord& r) {
    const int v = static_cast<int>(n);
    switch (f.accessor) {
    case kTempo:
        r.setTempo(v);
        break;
    case kVariation:
        r.setVariation(v);
        break;
    case kFingering:
        r.setFingeringCode(v);
        break;
    case kAccVol:
        r.setAccVolume(v);
        break;
    case kOctave:
        r.setOctave(voicePart(f.slot), v);
        break;
    case kVolume:
        r.setVolume(voicePart(f.slot), v);
        break;
    case kUpperOctave:
        r.setUpperOctave(v);
        break;
    case kPartVolume:
        r.setPartVolume(accPart(f.slot), v);
        break;
    case kVolumePedal:
        r.setVolumePedalIndividual(v != 0);
        break;
    case kVolumePedalParts:
        for (int bit = 0; bit < 8; ++bit)
            r.setVolumePedalPart(static_cast<PedalPart>(bit), (v >> bit) & 1);
        break;
    case kFootswitch:
        r.setFootswitchCode(f.slot, v);
        break;
    case kFootswitchParts:
        r.setFootswitchParts(f.slot, v & 0x0F);
        r.setFootswitchSustainFlag(f.slot, (v & 0x10) != 0);
        break;
    case kFootswitchKit:
        r.setFootswitchKit(f.slot, v);
        break;
    case kFootswitchKey:
        r.setFootswitchKey(f.slot, v);
        break;
    case kTransposeMaster:
        r.setTransposeMaster(v);
        break;
    case kTransposeSong:
        r.setTransposeSong(v);
        break;
    case kTransposeKeyboard:
        r.setTransposeKeyboard(v);
        break;
    case kSongVolume:
        r.setSongVolume(v);
        break;
    default:
        break;
    }
}

UserMessage fieldMessage(const Message& message, const RegField& f,
                         std::vector<long long> numbers) {
    UserMessage m = userMessage(message);
    m.argument = std::string(f.name);
    m.numbers = std::move(numbers);
    return m;
}

std::optional<UserMessage> checkRange(const RegField& f, long long n, FieldRange range) {
    const long long lo = range == FieldRange::Stored ? f.storedMin : f.min;
    const long long hi = range == FieldRange::Stored ? f.storedMax : f.max;
    if (n < lo || n > hi)
        return fieldMessage(msg::FieldValueOutOfRange, f, {lo, hi});
    if (f.kind == FieldKind::Code && range == FieldRange::Keyboard) {
        for (const CodeEntry& e : f.codes) {
            if (e.code == n)
                return std::nullopt;
        }
        return fieldMessage(msg::FieldCodeNotInList, f, {n});
    }
    return std::nullopt;
}

std::string text(const Message& m, Language lang) {
    return std::string(m.text(lang));
}

std::string withArgument(const Message& m, std::string_view argument, Language lang) {
    UserMessage u = userMessage(m);
    u.argument = std::string(argument);
    return u.text(lang);
}

std::string numbered(const Message& m, std::vector<long long> numbers, Language lang) {
    UserMessage u = userMessage(m);
    u.numbers = std::move(numbers);
    return u.text(lang);
}

// Voice names keep the keyboard's doubled ampersand; a musician reads one.
std::string singleAmpersands(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        out += name[i];
        if (name[i] == '&' && i + 1 < name.size() && name[i + 1] == '&')
            ++i;
    }
    return out;
}

std::string voiceText(const VoiceTriple& v, Language lang) {
    const int key = v.key();
    if (key == RegRecord::NoVoice)
        return text(msg::FieldNoVoice, lang);
    const std::string_view name = VoiceTable::lookup(key);
    if (name.empty())
        return VoiceTable::keyText(key);
    return utf8From1252(singleAmpersands(name));
}

std::string styleText(int index, const FieldNames& names) {
    static const StyleNameTable factory;
    const StyleNameTable& table = names.styles ? *names.styles : factory;
    std::string shown;
    if (index >= kFirstDiskStyle) {
        const int number = index - kFirstDiskStyle;
        if (names.disk && number < kDiskStyleCount)
            shown = names.disk->text(number);
        if (shown.empty())
            shown = diskStyleNumberText(number);
    } else {
        shown = table.longName(index);
    }
    return utf8From1252(shown);
}

std::string codeText(const RegField& f, long long code, Language lang) {
    for (const CodeEntry& e : f.codes) {
        if (e.code == code)
            return e.text;
    }
    return numbered(msg::FieldUnknownCode, {code}, lang);
}

std::string bitsText(const RegField& f, long long value, Language lang) {
    // Highest bit first, as the editors lay out their check boxes ("Left R1 R2 R3").
    std::string out;
    for (int bit = static_cast<int>(f.bits.size()) - 1; bit >= 0; --bit) {
        if (((value >> bit) & 1) == 0 || f.bits[static_cast<size_t>(bit)].empty())
            continue;
        if (!out.empty())
            out += ' ';
        out += f.bits[static_cast<size_t>(bit)];
    }
    return out.empty() ? text(msg::FieldNoBits, lang) : out;
}

std::string storedSuffix(const RegField& f, const FieldValue& v) {
    if (v.stored < 0)
        return {};
    if (f.kind == FieldKind::Style)
        return " [" + std::to_string(v.stored >> 8) + ", " + std::to_string(v.stored & 0xFF) + "]";
    return " [" + std::to_string(v.stored) + "]";
}

} // namespace

int VoiceTriple::key() const {
    if (msb == 0xFF && lsb == 0xFF && program == 0xFF)
        return RegRecord::NoVoice;
    return msb * 65536 + lsb * 256 + program;
}

VoiceTriple VoiceTriple::fromKey(int key) {
    if (key < 0)
        return {0xFF, 0xFF, 0xFF};
    return {(key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF};
}

FieldValue FieldValue::ofNumber(long long n) {
    FieldValue v;
    v.number = n;
    return v;
}
FieldValue FieldValue::ofSwitch(bool on) {
    FieldValue v;
    v.on = on;
    return v;
}
FieldValue FieldValue::ofText(std::string text) {
    FieldValue v;
    v.text = std::move(text);
    return v;
}
FieldValue FieldValue::ofVoice(VoiceTriple voice) {
    FieldValue v;
    v.voice = voice;
    return v;
}

const std::vector<RegField>& regFields() {
    static const std::vector<RegField> table = buildTable();
    return table;
}

const RegField* findRegField(std::string_view name) {
    for (const RegField& f : regFields()) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

FieldValue decodeField(const RegField& f, const RegRecord& r) {
    FieldValue v;
    switch (f.kind) {
    case FieldKind::Text:
        v.text = f.accessor == kTitle ? r.titleBytes() : r.songPathBytes();
        return v;
    case FieldKind::Switch:
        if (isStoredSwitch(f.accessor)) {
            const SwitchByte sb = switchByte(f.accessor, f.slot);
            const int b = r.storedByte(sb.which);
            v.on = sb.reads(b);
            if (b != (v.on ? sb.onValue : sb.offValue))
                v.stored = b;
        } else {
            v.on = partSwitch(r, f.accessor, accPart(f.slot));
        }
        return v;
    case FieldKind::Voice: {
        const int key =
            f.accessor == kVoice ? r.voice(voicePart(f.slot)) : r.partVoice(accPart(f.slot));
        v.voice = VoiceTriple::fromKey(key);
        return v;
    }
    case FieldKind::Style: {
        const int bytes = r.styleByte() * 256 + r.diskStyleNumber();
        v.number = r.styleIndex();
        if (bytes != canonicalStyleBytes(static_cast<int>(v.number)))
            v.stored = bytes;
        return v;
    }
    case FieldKind::Note:
        if (f.accessor != kFootswitchKey) {
            const int b = r.storedByte(splitStored(f.accessor));
            v.number = splitNote(f.accessor, b);
            if (b != splitByte(f.accessor, static_cast<int>(v.number)))
                v.stored = b;
            return v;
        }
        v.number = decodeNumber(f, r);
        return v;
    default:
        v.number = decodeNumber(f, r);
        return v;
    }
}

std::optional<UserMessage> encodeField(const RegField& f, const FieldValue& v, RegRecord& r,
                                       FieldRange range) {
    switch (f.kind) {
    case FieldKind::Text:
        if (v.text.size() > static_cast<size_t>(f.max))
            return fieldMessage(msg::FieldTextTooLong, f, {f.max});
        if (f.accessor == kTitle)
            r.setTitle(v.text);
        else
            r.setSongPath(v.text);
        return std::nullopt;
    case FieldKind::Switch:
        if (isStoredSwitch(f.accessor)) {
            const SwitchByte sb = switchByte(f.accessor, f.slot);
            const bool keep = v.stored >= 0 && v.stored <= 255 && sb.reads(v.stored) == v.on;
            r.setStoredByte(sb.which, keep ? v.stored : (v.on ? sb.onValue : sb.offValue));
            return std::nullopt;
        }
        if (f.accessor == kPartOn)
            r.setPartOn(accPart(f.slot), v.on);
        else if (f.accessor == kPartSetVoice)
            r.setPartSetVoice(accPart(f.slot), v.on);
        else
            r.setPartSetVolume(accPart(f.slot), v.on);
        return std::nullopt;
    case FieldKind::Voice: {
        const VoiceTriple& t = v.voice;
        for (int part : {t.msb, t.lsb, t.program}) {
            if (part < 0 || part > 255)
                return fieldMessage(msg::FieldValueOutOfRange, f, {0, 255});
        }
        const int key = t.key();
        if (f.accessor == kVoice)
            r.setVoice(voicePart(f.slot), key);
        else
            r.setPartVoice(accPart(f.slot), key);
        return std::nullopt;
    }
    case FieldKind::Style: {
        if (auto error = checkRange(f, v.number, range))
            return error;
        const int index = static_cast<int>(v.number);
        const int bytes = v.stored >= 0 && v.stored <= 0xFFFF &&
                                  styleIndexOfBytes(v.stored >> 8, v.stored & 0xFF) == index
                              ? v.stored
                              : canonicalStyleBytes(index);
        r.setStyleBytes(bytes >> 8, bytes & 0xFF);
        return std::nullopt;
    }
    case FieldKind::Note:
        if (auto error = checkRange(f, v.number, range))
            return error;
        if (f.accessor != kFootswitchKey) {
            const int note = static_cast<int>(v.number);
            const bool keep =
                v.stored >= 0 && v.stored <= 255 && splitNote(f.accessor, v.stored) == note;
            r.setStoredByte(splitStored(f.accessor), keep ? v.stored : splitByte(f.accessor, note));
            return std::nullopt;
        }
        encodeNumber(f, v.number, r);
        return std::nullopt;
    default:
        if (auto error = checkRange(f, v.number, range))
            return error;
        encodeNumber(f, v.number, r);
        return std::nullopt;
    }
}

std::string fieldDisplayText(const RegField& f, const FieldValue& v, const FieldNames& names) {
    const Language lang = names.language;
    switch (f.kind) {
    case FieldKind::Text: {
        const size_t nul = v.text.find('\0');
        return "\"" + utf8From1252(v.text.substr(0, nul)) + "\"";
    }
    case FieldKind::Switch:
        return text(v.on ? msg::FieldOn : msg::FieldOff, lang) + storedSuffix(f, v);
    case FieldKind::Voice:
        return voiceText(v.voice, lang);
    case FieldKind::Style:
        return styleText(static_cast<int>(v.number), names) + storedSuffix(f, v);
    case FieldKind::Note:
        return (v.number >= 0 && v.number <= 127 ? noteName(static_cast<int>(v.number))
                                                 : std::to_string(v.number)) +
               storedSuffix(f, v);
    case FieldKind::Code:
        return codeText(f, v.number, lang);
    case FieldKind::Bits:
        return bitsText(f, v.number, lang);
    case FieldKind::DrumKit: {
        const std::string_view kit =
            VoiceTable::drumKitName(static_cast<int>(v.number), names.model);
        return kit.empty() ? std::to_string(v.number) : utf8From1252(kit);
    }
    case FieldKind::SignedNumber:
        return (v.number > 0 ? "+" : "") + std::to_string(v.number);
    case FieldKind::Number:
        break;
    }
    return std::to_string(v.number);
}

std::string fieldCaption(const RegField& f, Language lang) {
    static constexpr std::string_view voiceParts[3] = {"R1", "R2", "R3"};
    std::string part;
    if (f.accessor >= kPartOn && f.accessor <= kPartVolume)
        part = accPartName(accPart(f.slot));
    else if (f.slot == 3)
        part = text(msg::FieldLeftPart, lang);
    else if (f.slot >= 0 && f.slot < 3)
        part = voiceParts[f.slot];
    const std::string footswitch = std::to_string(f.slot);
    switch (f.accessor) {
    case kTitle:
        return text(msg::FieldTitle, lang);
    case kActive:
        return text(msg::FieldActive, lang);
    case kStyle:
        return text(msg::FieldStyle, lang);
    case kTempo:
        return text(msg::FieldTempo, lang);
    case kVariation:
        return text(msg::FieldVariation, lang);
    case kAutoAccomp:
        return text(msg::FieldAutoAccomp, lang);
    case kFingering:
        return text(msg::FieldFingering, lang);
    case kSplitLeft:
        return text(msg::FieldSplitLeft, lang);
    case kSplitRight:
        return text(msg::FieldSplitRight, lang);
    case kSplitAccomp:
        return text(msg::FieldSplitAccomp, lang);
    case kStopAccomp:
        return text(msg::FieldStopAccomp, lang);
    case kAccVol:
        return text(msg::FieldAccVol, lang);
    case kVoiceOn:
    case kPartOn:
        return withArgument(msg::FieldPartOnOff, part, lang);
    case kVoice:
    case kPartVoice:
        return withArgument(msg::FieldPartVoice, part, lang);
    case kOctave:
        return withArgument(msg::FieldPartOctave, part, lang);
    case kVolume:
    case kPartVolume:
        return withArgument(msg::FieldPartVolume, part, lang);
    case kPartSetVoice:
        return withArgument(msg::FieldPartSetVoice, part, lang);
    case kPartSetVolume:
        return withArgument(msg::FieldPartSetVolume, part, lang);
    case kUpperOctave:
        return text(msg::FieldUpperOctave, lang);
    case kHold:
        return text(msg::FieldHold, lang);
    case kVocalHarmony:
        return text(msg::FieldVocalHarmony, lang);
    case kVolumePedal:
        return text(msg::FieldVolumePedal, lang);
    case kVolumePedalParts:
        return text(msg::FieldVolumePedalParts, lang);
    case kFootswitch:
        return withArgument(msg::FieldFootswitch, footswitch, lang);
    case kFootswitchParts:
        return withArgument(msg::FieldFootswitchParts, footswitch, lang);
    case kFootswitchKit:
        return withArgument(msg::FieldFootswitchKit, footswitch, lang);
    case kFootswitchKey:
        return withArgument(msg::FieldFootswitchKey, footswitch, lang);
    case kTransposeMaster:
        return text(msg::FieldTransposeMaster, lang);
    case kTransposeSong:
        return text(msg::FieldTransposeSong, lang);
    case kTransposeKeyboard:
        return text(msg::FieldTransposeKeyboard, lang);
    case kSongPlayer:
        return text(msg::FieldSongPlayer, lang);
    case kSongTitle:
        return text(msg::FieldSongTitle, lang);
    default:
        break;
    }
    return text(msg::FieldSongVolume, lang);
}

std::string keptRunCaption(const KeptRun& run, Language lang) {
    if (run.mask != 0xFF) {
        int low = 0;
        while (low < 8 && ((run.mask >> low) & 1) == 0)
            ++low;
        int high = 7;
        while (high > 0 && ((run.mask >> high) & 1) == 0)
            --high;
        return numbered(msg::KeptBitsCaption, {run.offset, low, high}, lang);
    }
    if (run.length == 1)
        return numbered(msg::KeptByteCaption, {run.offset}, lang);
    return numbered(msg::KeptBytesCaption, {run.offset, run.offset + run.length - 1}, lang);
}

std::string keptRunHex(const KeptRun& run, const RegRecord& record) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(run.length * 3);
    for (size_t i = 0; i < run.length; ++i) {
        const uint8_t b = record.keptByte(run, i);
        if (i > 0)
            out += ' ';
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

} // namespace tombrel
