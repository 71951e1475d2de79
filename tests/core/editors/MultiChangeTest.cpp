#include "core/editors/MultiChange.h"

#include "RegRecordSamples.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tombrel;

namespace {

constexpr KeyboardModel kPro = KeyboardModel::Psr9000Pro;
constexpr VoicePart kVoiceParts[] = {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left};

struct Regs {
    std::vector<RegRecord> records;
    std::vector<RegRecord*> pointers;

    explicit Regs(std::vector<RegRecord> r) : records(std::move(r)) {
        for (RegRecord& record : records)
            pointers.push_back(&record);
    }
    std::span<RegRecord* const> span() const { return pointers; }
};

RegRecord withTitle(const char* title) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    return r;
}

MultiChangeForm gather(Regs& regs, KeyboardModel model = kPro) {
    return MultiChangeForm::gather(regs.span(), model);
}

} // namespace

// ---- Gathering
// -------------------------------------------------------------------------------------

TEST(MultiChange, DifferingVolumesGatherAsZeroAndAreWrittenAsZero) {
    RegRecord a = withTitle("A"), b = withTitle("B");
    a.setVolume(VoicePart::R1, 90);
    b.setVolume(VoicePart::R1, 100);
    a.setVolume(VoicePart::R2, 80);
    b.setVolume(VoicePart::R2, 80);
    Regs regs({a, b});
    MultiChangeForm form = gather(regs);
    EXPECT_EQ(form.voice(VoicePart::R1).volume, 0);
    EXPECT_EQ(form.voice(VoicePart::R2).volume, 80);

    form.setField(MultiChangeField::R1Volume, true);
    ASSERT_FALSE(form.validate());
    form.applyTo(regs.span());
    for (size_t i = 0; i < 2; ++i) {
        RegRecord want = i == 0 ? a : b;
        want.setVolume(VoicePart::R1, 0);
        EXPECT_EQ(regs.records[i], want) << i;
    }
}

TEST(MultiChange, DifferingLeftSplitStaysUnsetAndIsNotWritten) {
    RegRecord a = withTitle("A"), b = withTitle("B");
    for (RegRecord* r : {&a, &b}) {
        r->setSplitAccomp(40);
        r->setSplitRight(70);
    }
    a.setSplitLeft(50);
    b.setSplitLeft(60);
    Regs regs({a, b});
    MultiChangeForm form = gather(regs);
    EXPECT_EQ(form.split.left, kNoSelection);
    EXPECT_EQ(form.split.accomp, 40);
    EXPECT_EQ(form.split.right, 70);

    form.setField(MultiChangeField::SplitLeft, true);
    form.applyTo(regs.span());
    EXPECT_EQ(regs.records[0], a);
    EXPECT_EQ(regs.records[1], b);
}

TEST(MultiChange, GatherKeepsWhatAllShareAndBlanksTheRest) {
    RegRecord a = withTitle("A"), b = withTitle("B"), c = withTitle("C");
    for (RegRecord* r : {&a, &b, &c}) {
        r->setVoice(VoicePart::R2, VoiceTable::keyOf(1, 2, 3)); // in no row
        r->setVoice(VoicePart::R3, RegRecord::NoVoice);
        r->setFingeringPosition(6);
        r->setSongVolume(90);
        r->setFootswitchKit(1, 20); // beyond the PSR-9000's kits
    }
    a.setVoice(VoicePart::R1, VoiceTable::keyOfRow(3));
    b.setVoice(VoicePart::R1, VoiceTable::keyOfRow(4));
    c.setVoice(VoicePart::R1, VoiceTable::keyOfRow(3));
    c.setOctave(VoicePart::Left, 2);
    b.setVolumePedalIndividual(true);
    a.setVolumePedalPart(PedalPart::Song, false);
    c.setFootswitchParts(2, FootswitchLeft); // the others have all four
    a.setFootswitchPosition(2, 4);
    a.setSongPath("ATA00:/SONGS/A.MID");
    b.setSongPath("ata00:/b.mid");
    c.setSongPath("ATA00:");
    Regs regs({a, b, c});

    const MultiChangeForm form = gather(regs);
    EXPECT_FALSE(hasChosenItem(form.voice(VoicePart::R1).voice));
    EXPECT_EQ(form.voice(VoicePart::R2).voice.selected, VoiceTable::OwnItemPosition);
    EXPECT_EQ(chosenVoiceKey(form.voice(VoicePart::R2).voice), VoiceTable::keyOf(1, 2, 3));
    // A common "no voice" gets no item of its own here.
    EXPECT_EQ(form.voice(VoicePart::R3).voice.count, VoiceTable::RowCount);
    EXPECT_FALSE(hasChosenItem(form.voice(VoicePart::R3).voice));
    EXPECT_EQ(form.voice(VoicePart::R1).octave, 2); // octave 0 everywhere
    EXPECT_EQ(form.voice(VoicePart::Left).octave, kNoSelection);
    EXPECT_EQ(form.fingering, 6);
    EXPECT_EQ(form.songVolume, 0); // "Set Song-Volume:" starts at 0 even when all agree
    EXPECT_EQ(form.volumePedal.mode, kNoSelection);
    EXPECT_EQ(form.volumePedal.parts, 0x7F);
    EXPECT_EQ(form.footswitches[1].parts, FootswitchLeft);
    EXPECT_EQ(form.footswitches[1].function, kNoSelection);
    EXPECT_EQ(form.footswitches[0].function, 0);
    EXPECT_EQ(form.footswitches[0].key, 49);
    EXPECT_EQ(form.drive, 0);                  // "ATA00:" in any case
    EXPECT_EQ(form.set, decltype(form.set){}); // every Set box starts off
    EXPECT_FALSE(form.anySet());

    // The kit is a position in the model's list: 20 is one of the pro's 26 kits only.
    EXPECT_EQ(form.footswitches[0].kit, 20);
    EXPECT_EQ(gather(regs, KeyboardModel::Psr9000).footswitches[0].kit, kNoSelection);
}

TEST(MultiChange, GatherNormalisesEveryRegistration) {
    RegRecord a = withTitle("A");
    a.setSplitLeft(60);
    a.setSplitRight(39);
    Regs regs({a});
    const MultiChangeForm form = gather(regs);
    EXPECT_EQ(regs.records[0].splitRight(), 60);
    EXPECT_EQ(form.split.right, 60);
}

TEST(MultiChange, DrivesThatDifferOrAreUnknownGiveNoSelection) {
    const struct {
        const char* first;
        const char* second;
        int want;
    } cases[] = {
        {"SCS10:/A.MID", "scs10:/B.MID", 8},
        {"ATA00:/A.MID", "ATA01:/A.MID", kNoSelection},
        {"FDDRV:/A.MID", "FDDRV:/B.MID", kNoSelection}, // not in the list
        {"", "", kNoSelection},
        {"AB", "AB", kNoSelection},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " / " + c.second);
        RegRecord a = withTitle("A"), b = withTitle("B");
        a.setSongPath(c.first);
        b.setSongPath(c.second);
        Regs regs({a, b});
        EXPECT_EQ(gather(regs).drive, c.want);
    }
}

TEST(MultiChange, NothingGatheredFromNoRegistration) {
    Regs regs({});
    const MultiChangeForm form = gather(regs);
    EXPECT_EQ(form.fingering, kNoSelection);
    EXPECT_EQ(form.split.left, kNoSelection);
    EXPECT_FALSE(hasChosenItem(form.voice(VoicePart::R1).voice));
    EXPECT_EQ(form.drive, kNoSelection);
}

// ---- Applying
// --------------------------------------------------------------------------------------

TEST(MultiChange, OneSetBoxWritesExactlyItsFieldIntoEveryRegistration) {
    struct Case {
        MultiChangeField field;
        std::function<void(MultiChangeForm&)> choose;
        std::function<void(RegRecord&)> expectedWrite;
    };
    std::vector<Case> cases;
    for (const VoicePart part : kVoiceParts) {
        const int n = static_cast<int>(part);
        cases.push_back({voiceField(part),
                         [=](MultiChangeForm& f) {
                             f.voice(part).voice = VoiceTable::voiceBoxItems(
                                 VoiceTable::keyOfRow(7 + n), UnknownVoiceItem::UnlessNoVoice);
                         },
                         [=](RegRecord& r) {
                             r.setVoice(part, VoiceTable::keyOfRow(7 + n));
                         }});
        cases.push_back({volumeField(part),
                         [=](MultiChangeForm& f) { f.voice(part).volume = 33 + n; },
                         [=](RegRecord& r) {
                             r.setVolume(part, 33 + n);
                         }});
        cases.push_back({octaveField(part), [=](MultiChangeForm& f) { f.voice(part).octave = n; },
                         [=](RegRecord& r) {
                             r.setOctave(part, n - 2);
                         }});
    }
    const Case others[] = {
        {MultiChangeField::UpperOctave, [](MultiChangeForm& f) { f.upperOctave = 0; },
         [](RegRecord& r) {
             r.setUpperOctave(-1);
         }},
        {MultiChangeField::SplitAccomp, [](MultiChangeForm& f) { f.split.accomp = 20; },
         [](RegRecord& r) {
             r.setSplitAccomp(20);
         }},
        {MultiChangeField::SplitLeft, [](MultiChangeForm& f) { f.split.left = 30; },
         [](RegRecord& r) {
             r.setSplitLeft(30);
         }},
        {MultiChangeField::SplitRight, [](MultiChangeForm& f) { f.split.right = 127; },
         [](RegRecord& r) {
             r.setSplitRight(127);
         }},
        {MultiChangeField::Fingering, [](MultiChangeForm& f) { f.fingering = 9; },
         [](RegRecord& r) {
             r.setFingeringPosition(9);
         }},
        {MultiChangeField::VocalHarmony, [](MultiChangeForm& f) { f.vocalHarmony = false; },
         [](RegRecord& r) {
             r.setVocalHarmony(false);
         }},
        {MultiChangeField::VolumePedal,
         [](MultiChangeForm& f) {
             f.volumePedal = {PedalIndividual, 0x5A};
         },
         [](RegRecord& r) {
             r.setVolumePedalIndividual(true);
             for (int bit = 0; bit < 8; ++bit)
                 r.setVolumePedalPart(static_cast<PedalPart>(bit), (0x5A >> bit) & 1);
         }},
        {MultiChangeField::Footswitch1,
         [](MultiChangeForm& f) {
             f.footswitches[0] = {2, FootswitchR1 | FootswitchR3, 3, 60};
         },
         [](RegRecord& r) {
             r.setFootswitchPosition(1, 2);
             r.setFootswitchParts(1, FootswitchR1 | FootswitchR3);
             r.setFootswitchKit(1, 3);
             r.setFootswitchKey(1, 60);
         }},
        {MultiChangeField::Footswitch2,
         [](MultiChangeForm& f) {
             f.footswitches[1] = {30, FootswitchLeft, 17, 36};
         },
         [](RegRecord& r) {
             r.setFootswitchPosition(2, 30);
             r.setFootswitchParts(2, FootswitchLeft);
             r.setFootswitchKit(2, 17);
             r.setFootswitchKey(2, 36);
         }},
        {MultiChangeField::SongVolume, [](MultiChangeForm& f) { f.songVolume = 55; },
         [](RegRecord& r) {
             r.setSongVolume(55);
         }},
        {MultiChangeField::SongDrive, [](MultiChangeForm& f) { f.drive = 8; },
         [](RegRecord& r) {
             r.setSongPath(replaceSongDrive(r.songPath(), "SCS10:"));
         }},
    };
    cases.insert(cases.end(), std::begin(others), std::end(others));
    ASSERT_EQ(cases.size(), static_cast<size_t>(kMultiChangeFieldCount)); // every Set box

    RegRecord plain = withTitle("Plain");
    plain.setSongPath("ATA00:/SONGS/A.MID");
    RegRecord random1 = test::randomRecord(11), random2 = test::randomRecord(12);
    random1.setSongPath("ATA03:/X.MID");
    random2.setSongPath("SCS61:/DEEP/PATH/Y.MID");
    std::vector<RegRecord> originals = {plain, random1, random2};
    for (RegRecord& r : originals)
        r.normalise();

    for (const Case& c : cases) {
        SCOPED_TRACE("field " + std::to_string(static_cast<int>(c.field)));
        Regs regs(originals);
        MultiChangeForm form = gather(regs);
        c.choose(form);
        form.setField(c.field, true);
        ASSERT_FALSE(form.validate());
        form.applyTo(regs.span());
        bool changedAny = false;
        for (size_t i = 0; i < originals.size(); ++i) {
            RegRecord want = originals[i];
            c.expectedWrite(want);
            EXPECT_EQ(regs.records[i], want) << "registration " << i;
            changedAny = changedAny || regs.records[i] != originals[i];
        }
        EXPECT_TRUE(changedAny); // the case really exercises its field
    }
}

TEST(MultiChange, BlankValuesAreNotWrittenEvenWhenSet) {
    RegRecord a = withTitle("A"), b = withTitle("B");
    b.setVoice(VoicePart::R1, VoiceTable::keyOfRow(9));
    b.setOctave(VoicePart::R1, 1);
    b.setFingeringPosition(2);
    b.setUpperOctave(1);
    b.setVolumePedalIndividual(true);
    b.setFootswitchPosition(1, 7);
    b.setSongPath("ATA01:/X.MID");
    a.setSongPath("ATA00:/X.MID");
    Regs regs({a, b});
    MultiChangeForm form = gather(regs);
    for (MultiChangeField f :
         {MultiChangeField::R1Voice, MultiChangeField::R1Octave, MultiChangeField::Fingering,
          MultiChangeField::UpperOctave, MultiChangeField::VolumePedal,
          MultiChangeField::Footswitch1, MultiChangeField::SongDrive})
        form.setField(f, true);
    form.applyTo(regs.span());
    EXPECT_EQ(regs.records[0], a);
    EXPECT_EQ(regs.records[1], b);
}

TEST(MultiChange, FootswitchKitAndKeyOnlyWhenChosen) {
    RegRecord a = withTitle("A"), b = withTitle("B");
    a.setFootswitchKit(2, 4);
    b.setFootswitchKit(2, 5);
    a.setFootswitchKey(2, 40);
    b.setFootswitchKey(2, 41);
    Regs regs({a, b});
    MultiChangeForm form = gather(regs);
    ASSERT_EQ(form.footswitches[1].kit, kNoSelection);
    form.footswitches[1].function = 30;
    form.setField(MultiChangeField::Footswitch2, true);
    form.applyTo(regs.span());
    EXPECT_EQ(regs.records[0].footswitchCode(2), 43);
    EXPECT_EQ(regs.records[0].footswitchKit(2), 4);
    EXPECT_EQ(regs.records[1].footswitchKit(2), 5);
    EXPECT_EQ(regs.records[1].footswitchKey(2), 41);
}

TEST(MultiChange, SongDriveReplacesOnlyADriveInFront) {
    const struct {
        const char* path;
        const char* want;
    } cases[] = {
        {"ATA00:/SONGS/A.MID", "SCS10:/SONGS/A.MID"},
        {"ATA00:", "SCS10:"},
        {"", ""},
        {"AB", "AB"},
        {"ABCDE", "ABCDE"},
        // Stored from a path on this computer that no pair matched: no drive to replace.
        {"C:/X/B.MID", "C:/X/B.MID"},
        {"/HOME/ANNA/A.MID", "/HOME/ANNA/A.MID"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(replaceSongDrive(c.path, "SCS10:"), c.want);
        RegRecord r = withTitle("A");
        r.setSongPath(c.path);
        Regs regs({r});
        MultiChangeForm form = gather(regs);
        form.drive = 8;
        form.setField(MultiChangeField::SongDrive, true);
        form.applyTo(regs.span());
        EXPECT_EQ(regs.records[0].songPath(), c.want);
    }
    EXPECT_EQ(kSongDriveItems[8].substr(0, kSongDriveNameLength), "SCS10:");
}

// ---- Controls and checks
// ---------------------------------------------------------------------------

TEST(MultiChange, VolumesAreCheckedOnlyWhereTheyAreWritten) {
    RegRecord a = withTitle("A");
    a.setVolume(VoicePart::R3, 200);
    Regs regs({a});
    MultiChangeForm form = gather(regs);
    EXPECT_FALSE(form.validate()); // 200 is shown but not written

    form.setField(MultiChangeField::R3Volume, true);
    auto error = form.validate();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, MultiChangeField::R3Volume);
    EXPECT_EQ(error->message.text(Language::English), "Please enter an integer between 0 and 127.");

    form.voice(VoicePart::R3).volume = 127;
    form.songVolume = 128;
    form.setField(MultiChangeField::SongVolume, true);
    error = form.validate();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, MultiChangeField::SongVolume);

    // Text that is not a number gets the range message of its field.
    form.songVolume = kNotANumber;
    error = form.validate();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, MultiChangeField::SongVolume);
    EXPECT_EQ(error->message.text(Language::German),
              "Bitte geben Sie eine ganze Zahl zwischen 0 und 127 ein.");
    form.songVolume = 0;
    form.voice(VoicePart::R1).volume = kNotANumber;
    EXPECT_FALSE(form.validate()); // R1's volume is not written
    form.setField(MultiChangeField::R1Volume, true);
    error = form.validate();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, MultiChangeField::R1Volume);
}

TEST(MultiChange, ControlsFollowTheirSetBoxes) {
    Regs regs({withTitle("A")});
    MultiChangeForm form = gather(regs);
    EXPECT_FALSE(form.controlsEnabled(MultiChangeField::Fingering));
    form.setField(MultiChangeField::Fingering, true);
    EXPECT_TRUE(form.controlsEnabled(MultiChangeField::Fingering));
    EXPECT_TRUE(form.anySet());

    form.volumePedal.mode = PedalIndividual;
    EXPECT_FALSE(form.volumePedalPartsEnabled());
    form.setField(MultiChangeField::VolumePedal, true);
    EXPECT_TRUE(form.volumePedalPartsEnabled());
    form.volumePedal.mode = PedalMaster;
    EXPECT_FALSE(form.volumePedalPartsEnabled());
}
