#include "core/names/RegFields.h"

#include "core/names/VoiceTable.h"

#include "FieldChanges.h"
#include "RegRecordSamples.h"

#include <gtest/gtest.h>

#include <set>

using namespace tombrel;

namespace {

const RegField& field(std::string_view name) {
    const RegField* f = findRegField(name);
    EXPECT_NE(f, nullptr) << name;
    static const RegField none{};
    return f ? *f : none;
}

std::string shown(std::string_view name, const RegRecord& r, Language lang = Language::English) {
    const RegField& f = field(name);
    FieldNames names;
    names.language = lang;
    names.model = KeyboardModel::Psr9000Pro;
    return fieldDisplayText(f, decodeField(f, r), names);
}

// Every field and every kept run of `from` written into `into`.
void copyEverything(const RegRecord& from, RegRecord& into) {
    for (const RegField& f : regFields())
        ASSERT_FALSE(encodeField(f, decodeField(f, from), into, FieldRange::Stored)) << f.name;
    for (const KeptRun& run : RegRecord::keptRuns()) {
        for (size_t i = 0; i < run.length; ++i)
            into.setKeptByte(run, i, from.keptByte(run, i));
    }
}

} // namespace

TEST(RegFields, NamesAreTheTableNamesOnceEach) {
    std::set<std::string_view> seen;
    for (const RegField& f : regFields())
        EXPECT_TRUE(seen.insert(f.name).second) << "twice: " << f.name;

    struct Row {
        std::string_view name;
        FieldKind kind;
    };
    const Row rows[] = {
        {"Title", FieldKind::Text},
        {"Active", FieldKind::Switch},
        {"Style", FieldKind::Style},
        {"Tempo", FieldKind::Number},
        {"Variation", FieldKind::Code},
        {"Auto-Accomp", FieldKind::Switch},
        {"Fingering", FieldKind::Code},
        {"Split-Left", FieldKind::Note},
        {"Split-Right", FieldKind::Note},
        {"Split-Accomp", FieldKind::Note},
        {"Stop-Accomp", FieldKind::Switch},
        {"Acc-Vol", FieldKind::Number},
        {"R1-OnOff", FieldKind::Switch},
        {"R1-Voice", FieldKind::Voice},
        {"R2-Octave", FieldKind::SignedNumber},
        {"R3-Vol", FieldKind::Number},
        {"Left-Voice", FieldKind::Voice},
        {"Upper-Octave", FieldKind::SignedNumber},
        {"Hold", FieldKind::Switch},
        {"Vocal-Harmony", FieldKind::Switch},
        {"Rhy1-OnOff", FieldKind::Switch},
        {"Rhy2-Set", FieldKind::Switch},
        {"Bass-Voice", FieldKind::Voice},
        {"Pad-SetVol", FieldKind::Switch},
        {"Phr2-Vol", FieldKind::Number},
        {"Volumepedal", FieldKind::Code},
        {"Volumepedal-Parts", FieldKind::Bits},
        {"Footswitch-1", FieldKind::Code},
        {"Footswitch-1-Parts", FieldKind::Bits},
        {"Footswitch-2-Kit", FieldKind::DrumKit},
        {"Footswitch-2-Key", FieldKind::Note},
        {"Transpose-Master", FieldKind::SignedNumber},
        {"Transpose-Keyboard", FieldKind::SignedNumber},
        {"Song-Player", FieldKind::Switch},
        {"Song-Title", FieldKind::Text},
        {"Song-Volume", FieldKind::Number},
    };
    for (const Row& row : rows)
        EXPECT_EQ(field(row.name).kind, row.kind) << row.name;
    // Four voices of four rows, eight parts of five, two footswitches of four, and the rest.
    EXPECT_EQ(regFields().size(), 11u + 16u + 4u + 40u + 2u + 8u + 3u + 3u);
    EXPECT_EQ(findRegField("tempo"), nullptr);
    EXPECT_EQ(findRegField("DiskStyle-Number"), nullptr);
}

TEST(RegFields, DefaultRegistrationReadsAsTheKeyboardShowsIt) {
    const RegRecord r = RegRecord::empty();
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"Title", "\"<Empty>\""},
        {"Active", "off"},
        {"Style", "8 Beat - Heart Beat"},
        {"Tempo", "148"},
        {"Variation", "Main A"},
        {"Auto-Accomp", "on"},
        {"Fingering", "Fingered Advanced"},
        {"Split-Left", "F#2"},
        {"Split-Right", "F#2"},
        {"Split-Accomp", "F#2"},
        {"Stop-Accomp", "off"},
        {"R1-OnOff", "on"},
        {"R2-OnOff", "off"},
        {"R3-Octave", "-1"},
        {"R1-Octave", "0"},
        {"Rhy1-Vol", "90"},
        {"Rhy2-Vol", "100"},
        {"Rhy1-Set", "off"},
        {"Volumepedal", "Master"},
        {"Volumepedal-Parts", "Song ACMP M.Pad Mic Left R1 R2 R3"},
        {"Footswitch-1", "01 Sustain"},
        {"Footswitch-1-Parts", "Sustain R1 R2 R3"},
        {"Footswitch-1-Key", "C#2"},
        {"Footswitch-2", "06 Slow/Fast"},
        {"Footswitch-2-Parts", "Left R1 R2 R3"},
        {"Footswitch-2-Key", "C1"},
        {"Vocal-Harmony", "on"},
        {"Song-Player", "off"},
        {"Song-Title", "\"\""},
        {"Song-Volume", "78"},
    };
    for (const auto& [name, text] : rows)
        EXPECT_EQ(shown(name, r), text) << name;
    EXPECT_EQ(shown("Footswitch-1-Parts", r, Language::German), "Sustain R1 R2 R3");
    EXPECT_EQ(shown("Hold", r, Language::German), "aus");
}

TEST(RegFields, OddBytesReadAsTheirValueAndShowWhatIsStored) {
    RegRecord r = RegRecord::empty();
    r.setStyleBytes(250, 3);
    r.setStoredByte(StoredByte::R1OnOff, 5);
    r.setStoredByte(StoredByte::SplitRight, 0x00);
    r.setStoredByte(StoredByte::StopAccomp, 0x12);
    r.setFingeringCode(13);
    r.setVariation(2);
    r.setVoice(VoicePart::R2, RegRecord::NoVoice);
    r.setVoice(VoicePart::R3, 255 * 65536 + 255 * 256);
    r.setTitle("Sixteen chars ok");
    r.setSongPath("A:\\SONG.MID  ");

    const FieldValue style = decodeField(field("Style"), r);
    EXPECT_EQ(style.number, 248);
    EXPECT_EQ(style.stored, 250 * 256 + 3);
    EXPECT_EQ(shown("Style", r), "DiskStyle <004> [250, 3]");
    EXPECT_EQ(shown("R1-OnOff", r), "on [5]");
    EXPECT_EQ(shown("Split-Right", r), "G8 [0]");
    EXPECT_EQ(shown("Stop-Accomp", r), "off [18]");
    EXPECT_EQ(shown("Fingering", r), "code 13");
    EXPECT_EQ(shown("Fingering", r, Language::German), "Code 13");
    EXPECT_EQ(shown("Variation", r), "code 2");
    EXPECT_EQ(shown("R2-Voice", r), "no voice");
    EXPECT_EQ(shown("R2-Voice", r, Language::German), "keine Stimme");
    EXPECT_EQ(shown("R3-Voice", r), "<255,255,0>");
    EXPECT_EQ(decodeField(field("Title"), r).text, "Sixteen chars ok");
    EXPECT_EQ(shown("Song-Title", r), "\"A:\\SONG.MID  \"");

    // 0x80 is how the editors write the top note, so it needs no bracket.
    r.setSplitRight(127);
    EXPECT_EQ(shown("Split-Right", r), "G8");
}

TEST(RegFields, VoiceAndKitNamesComeFromTheTables) {
    RegRecord r = RegRecord::empty();
    r.setVoice(VoicePart::R1, VoiceTable::keyOfRow(0));
    r.setFootswitchKit(1, 0);
    FieldNames names;
    const RegField& voice = field("R1-Voice");
    EXPECT_EQ(fieldDisplayText(voice, decodeField(voice, r), names),
              std::string(VoiceTable::nameOfRow(0)));
    const RegField& kit = field("Footswitch-1-Kit");
    EXPECT_EQ(fieldDisplayText(kit, decodeField(kit, r), names),
              std::string(VoiceTable::drumKitName(0, KeyboardModel::None)));
    r.setFootswitchKit(1, 200);
    EXPECT_EQ(fieldDisplayText(kit, decodeField(kit, r), names), "200");
}

TEST(RegFields, EveryByteBelongsToOneFieldOrOneKeptRun) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const RegRecord from = test::randomRecord(seed);
        RegRecord into = test::randomRecord(seed + 1000);
        copyEverything(from, into);
        EXPECT_EQ(into, from) << "seed " << seed;
    }
}

TEST(RegFields, EncodingOneFieldLeavesEveryOtherFieldAndKeptByte) {
    const RegRecord base = test::randomRecord(7);
    for (const RegField& f : regFields()) {
        RegRecord r = base;
        const FieldValue before = decodeField(f, r);
        const FieldValue changed = test::otherFieldValue(f, before);
        ASSERT_FALSE(encodeField(f, changed, r)) << f.name;
        EXPECT_EQ(decodeField(f, r), changed) << f.name;
        EXPECT_NE(r, base) << f.name;
        for (const RegField& other : regFields()) {
            if (&other != &f) {
                EXPECT_EQ(decodeField(other, r), decodeField(other, base))
                    << f.name << " changed " << other.name;
            }
        }
        for (const KeptRun& run : RegRecord::keptRuns()) {
            for (size_t i = 0; i < run.length; ++i)
                ASSERT_EQ(r.keptByte(run, i), base.keptByte(run, i))
                    << f.name << " changed kept byte " << run.offset + i;
        }
    }
}

TEST(RegFields, EncodeKeepsTheBitsAFieldDoesNotOwn) {
    RegRecord r = RegRecord::empty();
    const KeptRun& pedal = RegRecord::keptRuns()[14];
    const KeptRun& footswitch = RegRecord::keptRuns()[15];
    ASSERT_EQ(pedal.offset, 378);
    ASSERT_EQ(footswitch.offset, 381);
    r.setKeptByte(pedal, 0, 0xA4);
    r.setKeptByte(footswitch, 0, 0xE0);
    ASSERT_FALSE(encodeField(field("Volumepedal"), FieldValue::ofNumber(1), r));
    ASSERT_FALSE(encodeField(field("Footswitch-1-Parts"), FieldValue::ofNumber(0x08), r));
    EXPECT_TRUE(r.volumePedalIndividual());
    EXPECT_EQ(r.keptByte(pedal, 0), 0xA4);
    EXPECT_EQ(r.keptByte(footswitch, 0), 0xE0);
    EXPECT_EQ(r.footswitchParts(1), 0x08);
    EXPECT_FALSE(r.footswitchSustainFlag(1));

    // A stored byte given with the value comes back as it was; one that reads differently from
    // the value is replaced by the value's own byte.
    FieldValue on = FieldValue::ofSwitch(true);
    on.stored = 5;
    ASSERT_FALSE(encodeField(field("R2-OnOff"), on, r));
    EXPECT_EQ(r.storedByte(StoredByte::R2OnOff), 5);
    on.stored = 0;
    ASSERT_FALSE(encodeField(field("R2-OnOff"), on, r));
    EXPECT_EQ(r.storedByte(StoredByte::R2OnOff), 127);
    FieldValue style = FieldValue::ofNumber(248);
    style.stored = 250 * 256 + 3;
    ASSERT_FALSE(encodeField(field("Style"), style, r));
    EXPECT_EQ(r.styleByte(), 250);
    style.number = 10;
    ASSERT_FALSE(encodeField(field("Style"), style, r));
    EXPECT_EQ(r.styleByte(), 10);
    EXPECT_EQ(r.diskStyleNumber(), 0);
}

TEST(RegFields, ValuesOutsideTheRangeAreRefusedAndChangeNothing) {
    struct Case {
        std::string_view name;
        FieldValue value;
        FieldRange range;
        std::string_view message; // empty: accepted
    };
    FieldValue badVoice = FieldValue::ofVoice({256, 0, 0});
    const Case cases[] = {
        {"Tempo", FieldValue::ofNumber(300), FieldRange::Keyboard,
         "Tempo: the value must be from 32 to 280."},
        {"Tempo", FieldValue::ofNumber(300), FieldRange::Stored, ""},
        {"Tempo", FieldValue::ofNumber(65536), FieldRange::Stored,
         "Tempo: the value must be from 0 to 65535."},
        {"R1-Octave", FieldValue::ofNumber(3), FieldRange::Keyboard,
         "R1-Octave: the value must be from -2 to 2."},
        {"Upper-Octave", FieldValue::ofNumber(-2), FieldRange::Keyboard,
         "Upper-Octave: the value must be from -1 to 1."},
        {"Transpose-Song", FieldValue::ofNumber(-25), FieldRange::Keyboard,
         "Transpose-Song: the value must be from -24 to 24."},
        {"Transpose-Song", FieldValue::ofNumber(-128), FieldRange::Stored, ""},
        {"Acc-Vol", FieldValue::ofNumber(256), FieldRange::Stored,
         "Acc-Vol: the value must be from 0 to 255."},
        {"Split-Left", FieldValue::ofNumber(128), FieldRange::Stored,
         "Split-Left: the value must be from 0 to 127."},
        {"Fingering", FieldValue::ofNumber(13), FieldRange::Keyboard,
         "Fingering: 13 is not one of the field's values."},
        {"Fingering", FieldValue::ofNumber(13), FieldRange::Stored, ""},
        {"Footswitch-2", FieldValue::ofNumber(41), FieldRange::Keyboard,
         "Footswitch-2: 41 is not one of the field's values."},
        {"Style", FieldValue::ofNumber(495), FieldRange::Keyboard,
         "Style: the value must be from 0 to 494."},
        {"Style", FieldValue::ofNumber(500), FieldRange::Stored, ""},
        {"Footswitch-1-Parts", FieldValue::ofNumber(0x20), FieldRange::Stored,
         "Footswitch-1-Parts: the value must be from 0 to 31."},
        {"R1-Voice", badVoice, FieldRange::Stored, "R1-Voice: the value must be from 0 to 255."},
        {"Title", FieldValue::ofText("Seventeen chars!!"), FieldRange::Stored,
         "Title: the text may have at most 16 characters."},
        {"Title", FieldValue::ofText("Sixteen chars!!!"), FieldRange::Keyboard, ""},
    };
    for (const Case& c : cases) {
        RegRecord r = RegRecord::empty();
        const auto error = encodeField(field(c.name), c.value, r, c.range);
        if (c.message.empty()) {
            EXPECT_FALSE(error) << c.name << ": " << error->text(Language::English);
            continue;
        }
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->text(Language::English), c.message);
        EXPECT_EQ(r, RegRecord::empty()) << c.name;
    }
    RegRecord r;
    const auto german = encodeField(field("Tempo"), FieldValue::ofNumber(10), r);
    ASSERT_TRUE(german);
    EXPECT_EQ(german->text(Language::German), "Tempo: Der Wert muss zwischen 32 und 280 liegen.");
}

TEST(RegFields, CaptionsInBothLanguages) {
    const std::tuple<std::string_view, std::string_view, std::string_view> rows[] = {
        {"Title", "Title", "Titel"},
        {"R1-Voice", "R1 voice", "R1 Stimme"},
        {"Left-Vol", "Left volume", "Links Lautstärke"},
        {"Rhy1-SetVol", "Rhy1 sets its volume", "Rhy1 setzt die Lautstärke"},
        {"Phr2-Set", "Phr2 sets its voice", "Phr2 setzt die Stimme"},
        {"Footswitch-2-Key", "Footswitch 2 key", "Fußschalter 2 Taste"},
        {"Acc-Vol", "Accompaniment volume", "Lautstärke Begleitung"},
        {"Song-Volume", "Song volume", "Song-Lautstärke"},
    };
    for (const auto& [name, en, de] : rows) {
        EXPECT_EQ(fieldCaption(field(name), Language::English), en);
        EXPECT_EQ(fieldCaption(field(name), Language::German), de);
    }
    for (Language lang : {Language::English, Language::German}) {
        std::set<std::string> captions;
        for (const RegField& f : regFields())
            EXPECT_TRUE(captions.insert(fieldCaption(f, lang)).second)
                << "caption twice: " << fieldCaption(f, lang);
    }
}

TEST(RegFields, KeptRunsHaveCaptionsAndHex) {
    const auto& runs = RegRecord::keptRuns();
    const RegRecord r = RegRecord::empty();
    EXPECT_EQ(keptRunCaption(runs[0], Language::English), "Bytes 17-18");
    EXPECT_EQ(keptRunHex(runs[0], r), "00 00");
    EXPECT_EQ(keptRunCaption(runs[16], Language::English), "Byte 384");
    EXPECT_EQ(keptRunHex(runs[16], r), "64");
    EXPECT_EQ(keptRunCaption(runs[14], Language::English), "Byte 378 (bits 1-7)");
    EXPECT_EQ(keptRunCaption(runs[14], Language::German), "Byte 378 (Bits 1-7)");
    EXPECT_EQ(keptRunHex(runs[14], r), "30");
    EXPECT_EQ(keptRunCaption(runs[15], Language::English), "Byte 381 (bits 5-7)");
    EXPECT_EQ(keptRunHex(runs[15], r), "00");
    // Runs in record order, apart, inside the record.
    for (size_t i = 1; i < runs.size(); ++i)
        EXPECT_LT(runs[i - 1].offset + runs[i - 1].length, runs[i].offset + 1u);
    EXPECT_LE(runs.back().offset + runs.back().length, RegRecord::Size);
}
