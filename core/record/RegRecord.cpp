#include "core/record/RegRecord.h"

#include "core/text/Text1252.h"

#include <algorithm>
#include <cstring>

namespace tombrel {

namespace {

// Record offsets of the fields the program interprets.
enum Offset : size_t {
    kTitle = 0,
    kActive = 16,
    kStyle = 19,
    kAutoAccomp = 20,
    kFingering = 21,
    kSplitLeft = 22,
    kVariation = 23,
    kAccVol = 26,
    kPartOnOff = 33,
    kPartSetVol = 34,
    kPartVolumes = 35,
    kPartSet = 79,
    kPartVoices = 80,
    kLeftOnOff = 140,
    kHold = 158,
    kSongPlayer = 176,
    kSongPath = 179,
    kUpperOctave = 263,
    kR1OnOff = 266,
    kR2OnOff = 284,
    kR3OnOff = 302,
    kVocalHarmony = 351,
    kTransposeMaster = 373,
    kTransposeSong = 374,
    kTransposeKeyboard = 375,
    kTempo = 376,
    kVolumePedal = 378,
    kVolumePedalParts = 379,
    kFootswitch1 = 380,
    kFootswitch2 = 385,
    kSongVolume = 438,
    kSplitRight = 464,
    kSplitAccomp = 465,
    kStopAccomp = 466,
    kDiskStyleNumber = 467,
};

// Within a footswitch group: function, parts, kit, key.
constexpr size_t kFsParts = 1;
constexpr size_t kFsKit = 2;
constexpr size_t kFsKey = 3;

// Within a keyboard voice group: on/off, voice triple, octave, volume.
constexpr size_t kVoiceTriple = 1;
constexpr size_t kVoiceOctave = 4;
constexpr size_t kVoiceVolume = 5;

constexpr uint8_t kSwitchOn = 127;
constexpr uint8_t kStopAccompOn = 0xFF;
constexpr uint8_t kStopAccompOff = 0x80;

size_t voiceGroup(VoicePart part) {
    switch (part) {
    case VoicePart::R1:
        return kR1OnOff;
    case VoicePart::R2:
        return kR2OnOff;
    case VoicePart::R3:
        return kR3OnOff;
    case VoicePart::Left:
        break;
    }
    return kLeftOnOff;
}

// Volume bytes and voice triples start with Rhy2, then Rhy1, then the rest in bit order.
size_t partSlot(AccPart part) {
    const auto bit = static_cast<size_t>(part);
    if (bit == 0)
        return 1;
    if (bit == 1)
        return 0;
    return bit;
}

uint8_t partMask(AccPart part) {
    return static_cast<uint8_t>(1u << static_cast<unsigned>(part));
}

size_t footswitchGroup(int footswitch) {
    return footswitch == 2 ? kFootswitch2 : kFootswitch1;
}

int signedByte(uint8_t b) {
    return static_cast<int8_t>(b);
}

template <size_t N> int positionOfCode(const std::array<CodeEntry, N>& list, int code) {
    for (size_t i = 0; i < N; ++i) {
        if (list[i].code == code)
            return static_cast<int>(i);
    }
    return 0;
}

} // namespace

const std::array<CodeEntry, 12> kFingeringList = {{
    {"Single Finger", 1},
    {"Multi Finger", 2},
    {"Fingered", 8},
    {"Fingered Advanced", 3},
    {"Fingered Pro", 9},
    {"Fingered Pro Advanced", 4},
    {"On Bass", 10},
    {"On Bass Advanced", 5},
    {"On Bass Pro", 11},
    {"On Bass Pro Advanced", 6},
    {"Full Keyboard", 7},
    {"AI Full Keyboard", 12},
}};

const std::array<CodeEntry, 38> kFootswitchList = {{
    {"01 Sustain", 0},        {"02 Sostenuto", 1},      {"03 Soft", 2},
    {"04 Glide", 3},          {"05 Portamento", 4},     {"06 Slow/Fast", 5},
    {"07 Harmony/Echo", 15},  {"08 Vocal Harmony", 16}, {"09 Regist +", 17},
    {"10 Regist -", 18},      {"11 Start/Stop", 21},    {"12 Tap Tempo", 22},
    {"13 Synchro Start", 24}, {"14 Intro 1", 25},       {"15 Intro 2", 26},
    {"16 Intro 3", 27},       {"17 Main A", 28},        {"18 Main B", 29},
    {"19 Main C", 30},        {"20 Main D", 31},        {"21 Fill Down", 32},
    {"22 Fill Self", 33},     {"23 Fill Break", 34},    {"24 Fill Up", 35},
    {"25 Ending 1", 36},      {"26 Ending 2", 37},      {"27 Ending 3", 38},
    {"28 Fade In/Out", 39},   {"29 Fing/On Bass", 40},  {"30 Bass Hold", 42},
    {"31 Percussion", 43},    {"32 Synchro Start", 63}, {"33 R1 On/Off", 64},
    {"34 R2 On/Off", 65},     {"35 R3 On/Off", 66},     {"36 Left On/Off", 67},
    {"37 OTS +", 68},         {"38 OTS -", 69},
}};

const char* accPartName(AccPart part) {
    static const char* const names[kAccPartCount] = {"Rhy1", "Rhy2", "Bass", "Chd1",
                                                     "Chd2", "Pad",  "Phr1", "Phr2"};
    return names[static_cast<int>(part)];
}

std::string noteName(int note) {
    static const char* const pitches[12] = {"C",  "C#", "D",  "Eb", "E",  "F",
                                            "F#", "G",  "Ab", "A",  "Bb", "B"};
    note = std::clamp(note, 0, 127);
    std::string name = pitches[note % 12];
    const int octave = note / 12;
    if (octave == 0)
        name += '-';
    else if (octave >= 2)
        name += static_cast<char>('0' + octave - 2);
    return name;
}

RegRecord RegRecord::empty() {
    RegRecord r;
    setFieldText(r.bytes_.data() + kTitle, TitleSize, EmptyTitle);
    std::memcpy(r.bytes_.data() + ParamOffset, kDefaultParameterBlock.data(), ParamSize);
    return r;
}

RegRecord RegRecord::fromBytes(const uint8_t* data) {
    RegRecord r{Uncleared{}};
    std::memcpy(r.bytes_.data(), data, Size);
    return r;
}

void RegRecord::copyTo(uint8_t* out) const {
    std::memcpy(out, bytes_.data(), Size);
}

void RegRecord::assign(const uint8_t* data) {
    std::memcpy(bytes_.data(), data, Size);
}

std::string RegRecord::title() const {
    return fieldText(bytes_.data() + kTitle, TitleSize);
}

std::string_view RegRecord::titleView() const {
    return fieldView(bytes_.data() + kTitle, TitleSize);
}

std::string RegRecord::rawTitle() const {
    const uint8_t* field = bytes_.data() + kTitle;
    const void* nul = std::memchr(field, 0, TitleSize);
    const size_t len =
        nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - field) : TitleSize;
    return std::string(reinterpret_cast<const char*>(field), len);
}

void RegRecord::setTitle(std::string_view title) {
    setFieldText(bytes_.data() + kTitle, TitleSize, title);
}

bool RegRecord::hasDefaultParameters() const {
    return std::memcmp(bytes_.data() + ParamOffset, kDefaultParameterBlock.data(), ParamSize) == 0;
}

namespace {
std::string withoutTrailingNuls(const uint8_t* field, size_t size) {
    while (size > 0 && field[size - 1] == 0)
        --size;
    return std::string(reinterpret_cast<const char*>(field), size);
}
} // namespace

std::string RegRecord::titleBytes() const {
    return withoutTrailingNuls(bytes_.data() + kTitle, TitleSize);
}
std::string RegRecord::songPathBytes() const {
    return withoutTrailingNuls(bytes_.data() + kSongPath, SongPathSize);
}

namespace {
size_t storedByteOffset(StoredByte which) {
    switch (which) {
    case StoredByte::Active:
        return kActive;
    case StoredByte::AutoAccomp:
        return kAutoAccomp;
    case StoredByte::R1OnOff:
        return kR1OnOff;
    case StoredByte::R2OnOff:
        return kR2OnOff;
    case StoredByte::R3OnOff:
        return kR3OnOff;
    case StoredByte::LeftOnOff:
        return kLeftOnOff;
    case StoredByte::Hold:
        return kHold;
    case StoredByte::VocalHarmony:
        return kVocalHarmony;
    case StoredByte::SongPlayer:
        return kSongPlayer;
    case StoredByte::StopAccomp:
        return kStopAccomp;
    case StoredByte::SplitLeft:
        return kSplitLeft;
    case StoredByte::SplitRight:
        return kSplitRight;
    case StoredByte::SplitAccomp:
        break;
    }
    return kSplitAccomp;
}
} // namespace

int RegRecord::storedByte(StoredByte which) const {
    return byte(storedByteOffset(which));
}
void RegRecord::setStoredByte(StoredByte which, int value) {
    setByte(storedByteOffset(which), value);
}

const std::array<KeptRun, 21>& RegRecord::keptRuns() {
    // Everything between the interpreted fields, and the spare bits of the volume pedal byte and
    // of the two footswitch part bytes.
    static constexpr std::array<KeptRun, 21> runs = {{
        {17, 2, 0xFF},   {24, 2, 0xFF},   {27, 6, 0xFF},   {43, 36, 0xFF},  {104, 36, 0xFF},
        {146, 12, 0xFF}, {159, 17, 0xFF}, {177, 2, 0xFF},  {261, 2, 0xFF},  {264, 2, 0xFF},
        {272, 12, 0xFF}, {290, 12, 0xFF}, {308, 43, 0xFF}, {352, 21, 0xFF}, {378, 1, 0xFE},
        {381, 1, 0xE0},  {384, 1, 0xFF},  {386, 1, 0xE0},  {389, 49, 0xFF}, {439, 25, 0xFF},
        {468, 2, 0xFF},
    }};
    return runs;
}

uint8_t RegRecord::keptByte(const KeptRun& run, size_t index) const {
    if (index >= run.length || run.offset + index >= Size)
        return 0;
    return byte(run.offset + index) & run.mask;
}

void RegRecord::setKeptByte(const KeptRun& run, size_t index, uint8_t value) {
    if (index >= run.length || run.offset + index >= Size)
        return;
    const size_t at = run.offset + index;
    setByte(at, (byte(at) & ~run.mask) | (value & run.mask));
}

bool RegRecord::isEmpty() const {
    // "<Empty>" followed by a NUL: the bytes after that NUL are not compared.
    static constexpr size_t len = 7;
    return std::memcmp(bytes_.data() + kTitle, EmptyTitle, len) == 0 && bytes_[kTitle + len] == 0 &&
           hasDefaultParameters();
}

bool RegRecord::active() const {
    return byte(kActive) != 0;
}
void RegRecord::setActive(bool on) {
    setByte(kActive, on ? 1 : 0);
}

int RegRecord::styleIndex() const {
    const int style = byte(kStyle);
    return style >= FirstDiskStyle ? FirstDiskStyle + byte(kDiskStyleNumber) : style;
}

void RegRecord::setStyleIndex(int index) {
    index = std::clamp(index, 0, StyleCount - 1);
    if (index >= FirstDiskStyle) {
        setByte(kStyle, FirstDiskStyle);
        setByte(kDiskStyleNumber, index - FirstDiskStyle);
    } else {
        setByte(kStyle, index);
        setByte(kDiskStyleNumber, 0);
    }
}

int RegRecord::styleByte() const {
    return byte(kStyle);
}
int RegRecord::diskStyleNumber() const {
    return byte(kDiskStyleNumber);
}
void RegRecord::setStyleBytes(int styleByte, int diskStyleNumber) {
    setByte(kStyle, styleByte);
    setByte(kDiskStyleNumber, diskStyleNumber);
}

bool RegRecord::autoAccomp() const {
    return byte(kAutoAccomp) == kSwitchOn;
}
void RegRecord::setAutoAccomp(bool on) {
    setByte(kAutoAccomp, on ? kSwitchOn : 0);
}

int RegRecord::fingeringCode() const {
    return byte(kFingering);
}
int RegRecord::fingeringPosition() const {
    return positionOfCode(kFingeringList, byte(kFingering));
}
void RegRecord::setFingeringPosition(int position) {
    setByte(kFingering, kFingeringList[std::clamp<size_t>(position, 0, 11)].code);
}
void RegRecord::setFingeringCode(int code) {
    setByte(kFingering, code);
}

int RegRecord::splitLeft() const {
    return byte(kSplitLeft) & 0x7F;
}
int RegRecord::splitRight() const {
    return (byte(kSplitRight) - 1) & 0x7F;
}
int RegRecord::splitAccomp() const {
    return byte(kSplitAccomp) & 0x7F;
}
void RegRecord::setSplitLeft(int note) {
    setByte(kSplitLeft, note & 0x7F);
}
void RegRecord::setSplitRight(int note) {
    setByte(kSplitRight, 0x80 | ((note + 1) & 0x7F));
}
void RegRecord::setSplitAccomp(int note) {
    setByte(kSplitAccomp, 0x80 | (note & 0x7F));
}

int RegRecord::variation() const {
    return byte(kVariation);
}
void RegRecord::setVariation(int value) {
    setByte(kVariation, value);
}
int RegRecord::mainSection() const {
    const int v = byte(kVariation);
    return v >= 8 && v <= 11 ? v - 8 : -1;
}

int RegRecord::accVolume() const {
    return byte(kAccVol);
}
void RegRecord::setAccVolume(int volume) {
    setByte(kAccVol, volume);
}

bool RegRecord::partOn(AccPart part) const {
    return (byte(kPartOnOff) & partMask(part)) != 0;
}
bool RegRecord::partSetVoice(AccPart part) const {
    return (byte(kPartSet) & partMask(part)) != 0;
}
bool RegRecord::partSetVolume(AccPart part) const {
    return (byte(kPartSetVol) & partMask(part)) != 0;
}

void RegRecord::setPartOn(AccPart part, bool on) {
    setByte(kPartOnOff,
            on ? byte(kPartOnOff) | partMask(part) : byte(kPartOnOff) & ~partMask(part));
}
void RegRecord::setPartSetVoice(AccPart part, bool on) {
    setByte(kPartSet, on ? byte(kPartSet) | partMask(part) : byte(kPartSet) & ~partMask(part));
}
void RegRecord::setPartSetVolume(AccPart part, bool on) {
    setByte(kPartSetVol,
            on ? byte(kPartSetVol) | partMask(part) : byte(kPartSetVol) & ~partMask(part));
}

int RegRecord::partVolume(AccPart part) const {
    return byte(kPartVolumes + partSlot(part));
}
void RegRecord::setPartVolume(AccPart part, int volume) {
    setByte(kPartVolumes + partSlot(part), volume);
}
int RegRecord::partVoice(AccPart part) const {
    return voiceAt(kPartVoices + 3 * partSlot(part));
}
void RegRecord::setPartVoice(AccPart part, int key) {
    setVoiceAt(kPartVoices + 3 * partSlot(part), key);
}

bool RegRecord::voiceOn(VoicePart part) const {
    return byte(voiceGroup(part)) != 0;
}
void RegRecord::setVoiceOn(VoicePart part, bool on) {
    setByte(voiceGroup(part), on ? kSwitchOn : 0);
}
int RegRecord::voice(VoicePart part) const {
    return voiceAt(voiceGroup(part) + kVoiceTriple);
}
void RegRecord::setVoice(VoicePart part, int key) {
    setVoiceAt(voiceGroup(part) + kVoiceTriple, key);
}
int RegRecord::octave(VoicePart part) const {
    return signedByte(byte(voiceGroup(part) + kVoiceOctave));
}
void RegRecord::setOctave(VoicePart part, int octave) {
    setByte(voiceGroup(part) + kVoiceOctave, octave);
}
int RegRecord::volume(VoicePart part) const {
    return byte(voiceGroup(part) + kVoiceVolume);
}
void RegRecord::setVolume(VoicePart part, int volume) {
    setByte(voiceGroup(part) + kVoiceVolume, volume);
}

bool RegRecord::hold() const {
    return byte(kHold) != 0;
}
void RegRecord::setHold(bool on) {
    setByte(kHold, on ? kSwitchOn : 0);
}
int RegRecord::upperOctave() const {
    return signedByte(byte(kUpperOctave));
}
void RegRecord::setUpperOctave(int octave) {
    setByte(kUpperOctave, octave);
}
bool RegRecord::vocalHarmony() const {
    return byte(kVocalHarmony) == kSwitchOn;
}
void RegRecord::setVocalHarmony(bool on) {
    setByte(kVocalHarmony, on ? kSwitchOn : 0);
}

bool RegRecord::songPlayer() const {
    return byte(kSongPlayer) == 1;
}
void RegRecord::setSongPlayer(bool on) {
    setByte(kSongPlayer, on ? 1 : 0);
}
std::string RegRecord::songPath() const {
    return fieldText(bytes_.data() + kSongPath, SongPathSize);
}
void RegRecord::setSongPath(std::string_view path) {
    setFieldText(bytes_.data() + kSongPath, SongPathSize, path);
}
int RegRecord::songVolume() const {
    return byte(kSongVolume);
}
void RegRecord::setSongVolume(int volume) {
    setByte(kSongVolume, volume);
}

int RegRecord::transposeMaster() const {
    return signedByte(byte(kTransposeMaster));
}
int RegRecord::transposeSong() const {
    return signedByte(byte(kTransposeSong));
}
int RegRecord::transposeKeyboard() const {
    return signedByte(byte(kTransposeKeyboard));
}
void RegRecord::setTransposeMaster(int semitones) {
    setByte(kTransposeMaster, semitones);
}
void RegRecord::setTransposeSong(int semitones) {
    setByte(kTransposeSong, semitones);
}
void RegRecord::setTransposeKeyboard(int semitones) {
    setByte(kTransposeKeyboard, semitones);
}

int RegRecord::tempo() const {
    return (byte(kTempo) << 8) | byte(kTempo + 1);
}
void RegRecord::setTempo(int bpm) {
    setByte(kTempo, (bpm >> 8) & 0xFF);
    setByte(kTempo + 1, bpm & 0xFF);
}

bool RegRecord::volumePedalIndividual() const {
    return (byte(kVolumePedal) & 0x01) != 0;
}
void RegRecord::setVolumePedalIndividual(bool individual) {
    setByte(kVolumePedal, (byte(kVolumePedal) & 0xFE) | (individual ? 1 : 0));
}
bool RegRecord::volumePedalPart(PedalPart part) const {
    return (byte(kVolumePedalParts) >> static_cast<int>(part)) & 1;
}
void RegRecord::setVolumePedalPart(PedalPart part, bool on) {
    const int mask = 1 << static_cast<int>(part);
    setByte(kVolumePedalParts,
            on ? byte(kVolumePedalParts) | mask : byte(kVolumePedalParts) & ~mask);
}
int RegRecord::volumePedalParts() const {
    return byte(kVolumePedalParts);
}

int RegRecord::footswitchCode(int footswitch) const {
    return byte(footswitchGroup(footswitch));
}
void RegRecord::setFootswitchCode(int footswitch, int code) {
    setByte(footswitchGroup(footswitch), code);
}
int RegRecord::footswitchPosition(int footswitch) const {
    return positionOfCode(kFootswitchList, byte(footswitchGroup(footswitch)));
}
void RegRecord::setFootswitchPosition(int footswitch, int position) {
    position = std::clamp(position, 0, static_cast<int>(kFootswitchList.size()) - 1);
    const size_t group = footswitchGroup(footswitch);
    setByte(group, kFootswitchList[static_cast<size_t>(position)].code);
    if (position <= 5) {
        const int sustain = position == 0 ? 0x10 : 0;
        setByte(group + kFsParts, (byte(group + kFsParts) & ~0x10) | sustain);
    }
}
int RegRecord::footswitchParts(int footswitch) const {
    return byte(footswitchGroup(footswitch) + kFsParts) & 0x0F;
}
void RegRecord::setFootswitchParts(int footswitch, int bits) {
    const size_t at = footswitchGroup(footswitch) + kFsParts;
    setByte(at, (byte(at) & 0xF0) | (bits & 0x0F));
}
bool RegRecord::footswitchSustainFlag(int footswitch) const {
    return (byte(footswitchGroup(footswitch) + kFsParts) & 0x10) != 0;
}
void RegRecord::setFootswitchSustainFlag(int footswitch, bool on) {
    const size_t at = footswitchGroup(footswitch) + kFsParts;
    setByte(at, (byte(at) & ~0x10) | (on ? 0x10 : 0));
}
int RegRecord::footswitchKit(int footswitch) const {
    return byte(footswitchGroup(footswitch) + kFsKit);
}
void RegRecord::setFootswitchKit(int footswitch, int position) {
    setByte(footswitchGroup(footswitch) + kFsKit, position);
}
int RegRecord::footswitchKey(int footswitch) const {
    return byte(footswitchGroup(footswitch) + kFsKey);
}
void RegRecord::setFootswitchKey(int footswitch, int note) {
    setByte(footswitchGroup(footswitch) + kFsKey, note);
}

bool RegRecord::stopAccomp() const {
    return byte(kStopAccomp) == kStopAccompOn;
}
void RegRecord::setStopAccomp(bool on) {
    setByte(kStopAccomp, on ? kStopAccompOn : kStopAccompOff);
}

void RegRecord::normalise() {
    // Both neighbours are compared as the notes they stand for: a left split byte with bit 7 set
    // still orders the accompaniment split, and a right split byte of 0x80 (note 127, the top
    // key) stays where the user put it.
    const int left = splitLeft();
    if (byte(kSplitRight) == 0 || left > splitRight())
        setByte(kSplitRight, 0x80 | (left + 1));
    if (byte(kSplitAccomp) == 0 || left < splitAccomp())
        setByte(kSplitAccomp, 0x80 | left);
    if (byte(kStopAccomp) != kStopAccompOff && byte(kStopAccomp) != kStopAccompOn)
        setByte(kStopAccomp, kStopAccompOff);
}

int RegRecord::volumeLimit() const {
    int highest = std::max({accVolume(), songVolume(), volume(VoicePart::R1), volume(VoicePart::R2),
                            volume(VoicePart::R3), volume(VoicePart::Left)});
    for (int p = 0; p < kAccPartCount; ++p)
        highest = std::max(highest, partVolume(static_cast<AccPart>(p)));
    return highest > 127 ? 255 : 127;
}

int RegRecord::voiceAt(size_t offset) const {
    const int msb = byte(offset), lsb = byte(offset + 1), program = byte(offset + 2);
    if (msb == 0xFF && lsb == 0xFF && program == 0xFF)
        return NoVoice;
    return msb * 65536 + lsb * 256 + program;
}

void RegRecord::setVoiceAt(size_t offset, int key) {
    if (key < 0) {
        setByte(offset, 0xFF);
        setByte(offset + 1, 0xFF);
        setByte(offset + 2, 0xFF);
        return;
    }
    setByte(offset, (key / 65536) & 0xFF);
    setByte(offset + 1, (key / 256) % 256);
    setByte(offset + 2, key % 256);
}

} // namespace tombrel
