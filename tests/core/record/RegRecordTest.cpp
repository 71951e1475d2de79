#include "core/record/RegRecord.h"

#include <gtest/gtest.h>

using namespace tombrel;

namespace {

RegRecord defaultRecord() {
    return RegRecord::empty();
}

} // namespace

TEST(RegRecord, DefaultBlockReadsAsDocumented) {
    const RegRecord r = defaultRecord();
    EXPECT_TRUE(r.isEmpty());
    EXPECT_FALSE(r.active());
    EXPECT_EQ(r.styleIndex(), 0);
    EXPECT_TRUE(r.autoAccomp());
    EXPECT_EQ(r.fingeringCode(), 3);
    EXPECT_EQ(r.fingeringPosition(), 3);
    EXPECT_EQ(r.splitLeft(), 54);
    EXPECT_EQ(r.splitRight(), 54);
    EXPECT_EQ(r.splitAccomp(), 54);
    EXPECT_EQ(r.mainSection(), 0);
    EXPECT_EQ(r.accVolume(), 82); // the block's byte holds over the prose
    const int volumes[8] = {90, 100, 102, 45, 72, 38, 100, 100};
    for (int p = 0; p < kAccPartCount; ++p) {
        const auto part = static_cast<AccPart>(p);
        EXPECT_TRUE(r.partOn(part)) << p;
        EXPECT_FALSE(r.partSetVoice(part)) << p;
        EXPECT_FALSE(r.partSetVolume(part)) << p;
        EXPECT_EQ(r.partVolume(part), volumes[p]) << accPartName(part);
    }
    EXPECT_EQ(r.partVoice(AccPart::Rhy1), 127 * 65536 + 123);
    EXPECT_EQ(r.partVoice(AccPart::Bass), 112 * 256 + 33);
    EXPECT_EQ(r.partVoice(AccPart::Pad), 112 * 256 + 48);
    EXPECT_EQ(r.partVoice(AccPart::Phr2), 0);
    EXPECT_TRUE(r.voiceOn(VoicePart::R1));
    EXPECT_FALSE(r.voiceOn(VoicePart::R2));
    EXPECT_EQ(r.voice(VoicePart::R1), 112 * 256);
    EXPECT_EQ(r.voice(VoicePart::R2), 117 * 256 + 49);
    EXPECT_EQ(r.voice(VoicePart::R3), 118 * 256 + 18);
    EXPECT_EQ(r.octave(VoicePart::R3), -1);
    EXPECT_EQ(r.voice(VoicePart::Left), 114 * 256 + 4);
    EXPECT_EQ(r.volume(VoicePart::Left), 100);
    EXPECT_FALSE(r.hold());
    EXPECT_EQ(r.upperOctave(), 0);
    EXPECT_TRUE(r.vocalHarmony());
    EXPECT_EQ(r.tempo(), 148);
    EXPECT_FALSE(r.volumePedalIndividual());
    EXPECT_EQ(r.volumePedalParts(), 0xFF);
    EXPECT_EQ(r.footswitchPosition(1), 0);
    EXPECT_EQ(r.footswitchParts(1), 0x07);
    EXPECT_TRUE(r.footswitchSustainFlag(1));
    EXPECT_EQ(r.footswitchKey(1), 49);
    EXPECT_EQ(r.footswitchPosition(2), 5);
    EXPECT_EQ(r.footswitchParts(2), 0x0F);
    EXPECT_EQ(r.footswitchKey(2), 36);
    EXPECT_FALSE(r.songPlayer());
    EXPECT_EQ(r.songPath(), "");
    EXPECT_EQ(r.songVolume(), 78);
    EXPECT_FALSE(r.stopAccomp());
    EXPECT_EQ(r.volumeLimit(), 127);
}

TEST(RegRecord, TitleFieldRules) {
    RegRecord r;
    r.setTitle("ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(r.title(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(r.bytes()[15], 'P');
    EXPECT_EQ(r.rawTitle(), "ABCDEFGHIJKLMNOP"); // a full field has no NUL to stop at
    r.setTitle("Ab  ");
    EXPECT_EQ(r.title(), "Ab");
    EXPECT_EQ(r.rawTitle(), "Ab  "); // the sort compares the stored bytes, blanks included
    EXPECT_EQ(r.bytes()[4], 0);
}

TEST(RegRecord, EmptyNeedsTitleAndDefaultBlock) {
    RegRecord r = RegRecord::empty();
    auto bytes = r.bytes();
    bytes[9] = 'x'; // after the title's NUL: not compared
    EXPECT_TRUE(RegRecord::fromBytes(bytes.data()).isEmpty());
    r.setTempo(149);
    EXPECT_FALSE(r.isEmpty());
    RegRecord other = RegRecord::empty();
    other.setTitle("<empty>");
    EXPECT_FALSE(other.isEmpty());
}

TEST(RegRecord, VoiceKeys) {
    RegRecord r = RegRecord::empty();
    r.setVoice(VoicePart::R1, RegRecord::NoVoice);
    EXPECT_EQ(r.voice(VoicePart::R1), -1);
    r.setVoice(VoicePart::R1, 255 * 65536 + 255 * 256);
    EXPECT_EQ(r.voice(VoicePart::R1), 255 * 65536 + 255 * 256);
    r.setPartVoice(AccPart::Rhy2, 8 * 65536 + 3 * 256 + 7);
    EXPECT_EQ(r.partVoice(AccPart::Rhy2), 8 * 65536 + 3 * 256 + 7);
    EXPECT_EQ(r.partVoice(AccPart::Rhy1), 127 * 65536 + 123); // the slot before it
}

TEST(RegRecord, StyleIndex) {
    RegRecord r = RegRecord::empty();
    r.setStyleIndex(248);
    EXPECT_EQ(r.styleByte(), 245);
    EXPECT_EQ(r.diskStyleNumber(), 3);
    EXPECT_EQ(r.styleIndex(), 248);
    r.setStyleIndex(130);
    EXPECT_EQ(r.styleByte(), 130);
    EXPECT_EQ(r.diskStyleNumber(), 0);
}

TEST(RegRecord, SplitPointsAndNormalise) {
    RegRecord r = RegRecord::empty();
    r.setSplitRight(127);
    EXPECT_EQ(r.splitRight(), 127);
    r.setSplitLeft(60);
    r.setSplitRight(39); // stored 0x80 + 40
    r.setSplitAccomp(70);
    r.normalise();
    EXPECT_EQ(r.splitRight(), 60);
    EXPECT_EQ(r.splitAccomp(), 60);
    EXPECT_FALSE(r.stopAccomp());
}

TEST(RegRecord, CodeTablesAndFootswitchBits) {
    RegRecord r = RegRecord::empty();
    r.setFootswitchKey(1, 0);
    r.setFootswitchPosition(1, 6); // not a part function: bit 4 kept
    EXPECT_TRUE(r.footswitchSustainFlag(1));
    r.setFootswitchPosition(1, 1); // Sostenuto clears it
    EXPECT_FALSE(r.footswitchSustainFlag(1));
    r.setFootswitchPosition(1, 0);
    EXPECT_TRUE(r.footswitchSustainFlag(1));
    EXPECT_EQ(r.footswitchCode(1), 0);
    r.setFootswitchParts(1, FootswitchLeft);
    EXPECT_EQ(r.footswitchParts(1), FootswitchLeft);
    EXPECT_TRUE(r.footswitchSustainFlag(1));
}

TEST(RegRecord, NoteNames) {
    const std::pair<int, const char*> cases[] = {{0, "C-"},   {11, "B-"},  {12, "C"},  {23, "B"},
                                                 {24, "C0"},  {54, "F#2"}, {60, "C3"}, {120, "C8"},
                                                 {127, "G8"}, {58, "Bb2"}};
    for (const auto& [note, name] : cases)
        EXPECT_EQ(noteName(note), name) << note;
}

TEST(RegRecord, VolumeLimitRisesForLoudRecords) {
    RegRecord r = RegRecord::empty();
    r.setVolume(VoicePart::R1, 200);
    EXPECT_EQ(r.volumeLimit(), 255);
    r = RegRecord::empty();
    r.setPartVolume(AccPart::Phr2, 128);
    EXPECT_EQ(r.volumeLimit(), 255);
}

TEST(RegRecord, RawTitleKeepsBlanksThatTheTitleTrims) {
    RegRecord r = RegRecord::empty();
    r.setTitle("   ");
    EXPECT_EQ(r.rawTitle(), "   ");
    EXPECT_EQ(r.title(), "");
    r.setTitle("ABCDEFGHIJKLMNOP"); // 16 characters, no NUL
    EXPECT_EQ(r.rawTitle(), "ABCDEFGHIJKLMNOP");
}

TEST(RegRecord, RawCodeSettersStoreValuesTheListsCannotShow) {
    RegRecord r = RegRecord::empty();
    r.setFingeringCode(13);
    EXPECT_EQ(r.fingeringCode(), 13);
    EXPECT_EQ(r.fingeringPosition(), 0);
    r.setFootswitchCode(2, 41);
    EXPECT_EQ(r.footswitchCode(2), 41);
    EXPECT_EQ(r.footswitchParts(2), 0x0F); // part byte untouched
    r.setStyleBytes(245, 250);
    EXPECT_EQ(r.styleIndex(), 495); // past the 495 styles
    r.setStyleBytes(250, 3);
    EXPECT_EQ(r.styleIndex(), 248);
}

// Normalising compares the neighbours as notes: the top key as right split (stored 0x80) and a
// left split byte with bit 7 set must not break the order.
TEST(RegRecord, NormaliseKeepsTheTopKeyAndMasksTheLeftSplit) {
    struct Case {
        const char* what;
        int left, right, accomp; // notes written through the accessors
        int wantRight, wantAccomp;
    };
    const Case cases[] = {
        {"right split on the top key stays", 54, 127, 40, 127, 40},
        {"left split on the top key", 127, 127, 127, 127, 127},
        {"right below left is raised", 60, 39, 70, 60, 60},
        {"all equal stay", 54, 54, 54, 54, 54},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegRecord r = RegRecord::empty();
        r.setSplitLeft(c.left);
        r.setSplitRight(c.right);
        r.setSplitAccomp(c.accomp);
        r.normalise();
        EXPECT_EQ(r.splitLeft(), c.left);
        EXPECT_EQ(r.splitRight(), c.wantRight);
        EXPECT_EQ(r.splitAccomp(), c.wantAccomp);
    }

    // A left split byte with bit 7 set (0xB6, note 54) still lowers an accompaniment split above
    // it. No accessor writes bit 7, so the byte (record offset 22) is set directly.
    RegRecord r = RegRecord::empty();
    r.setSplitAccomp(70);
    auto bytes = r.bytes();
    bytes[22] = 0xB6;
    r = RegRecord::fromBytes(bytes.data());
    ASSERT_EQ(r.splitLeft(), 54);
    r.normalise();
    EXPECT_EQ(r.splitAccomp(), 54);
    EXPECT_EQ(r.splitRight(), 54);
}
