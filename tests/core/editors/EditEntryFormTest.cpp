#include "core/editors/EditEntryForm.h"

#include "RegRecordSamples.h"
#include "core/text/Text1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {
#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif
} // namespace

using namespace tombrel;

namespace {

constexpr KeyboardModel kPsr9000 = KeyboardModel::Psr9000;
constexpr KeyboardModel kPro = KeyboardModel::Psr9000Pro;

SongPathMappings homeMappings() {
    SongPathMappings m = SongPathMappings::defaults();
    m.pairs[1] = {"ATA00:", "/home/anna/Keyboard"};
    return m;
}

// Load and store without touching a control.
RegRecord storeUntouched(RegRecord record, KeyboardModel model,
                         const SongPathMappings& mappings = homeMappings()) {
    const EditEntryForm form = EditEntryForm::load(record, model, mappings);
    const auto error = form.storeInto(record);
    EXPECT_FALSE(error.has_value()) << (error ? error->message.text(Language::English) : "");
    return record;
}

// The fields that the store writes in one canonical form whatever their byte held; every other
// byte of a normalised registration must come back unchanged.
RegRecord canonicalAfterStore(RegRecord r) {
    r.setTitle(r.rawTitle()); // zero-filled after the text
    r.setActive(r.active());  // 0 or 1
    if (r.styleIndex() < RegRecord::StyleCount)
        r.setStyleIndex(r.styleIndex()); // Style 245..255 as 245; disk number 0 for internal styles
    r.setAutoAccomp(r.autoAccomp());     // 127 or 0
    r.setSongPlayer(r.songPlayer());     // 1 or 0
    std::string path = toUpper1252(r.songPath()); // upper case, "/" separators, no trailing blanks
    std::replace(path.begin(), path.end(), '\\', '/');
    r.setSongPath(path);
    r.setSplitAccomp(r.splitAccomp());             // 0x80 | note
    r.setSplitLeft(r.splitLeft());                 // plain note
    r.setSplitRight(r.splitRight());               // 0x80 | (note + 1)
    r.setFingeringPosition(r.fingeringPosition()); // unknown codes as "Single Finger"
    r.setVocalHarmony(r.vocalHarmony());           // 127 or 0
    for (VoicePart p : {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left})
        r.setVoiceOn(p, r.voiceOn(p)); // 127 or 0
    r.setHold(r.hold());
    for (int fs : {1, 2}) // unknown codes as "01 Sustain"; Sustain flag for the part functions
        r.setFootswitchPosition(fs, r.footswitchPosition(fs));
    return r;
}

EditEntryForm loaded(RegRecord& r, KeyboardModel model = kPro) {
    return EditEntryForm::load(r, model, homeMappings());
}

} // namespace

// ---- Load and store
// ------------------------------------------------------------------------------

TEST(EditEntryForm, UntouchedStoreOfRandomRecordsChangesOnlyCanonicalFields) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const KeyboardModel model = seed % 2 ? kPsr9000 : kPro;
        RegRecord original = test::randomRecord(seed);
        RegRecord normalised = original;
        normalised.normalise();

        const RegRecord stored = storeUntouched(original, model);
        EXPECT_EQ(stored, canonicalAfterStore(normalised));
        // A second pass finds nothing left to change.
        EXPECT_EQ(storeUntouched(stored, model), stored);
    }
}

TEST(EditEntryForm, UntouchedStoreKeepsValuesTheListsCannotShow) {
    struct Case {
        const char* what;
        KeyboardModel model;
        std::function<void(RegRecord&)> setUp;
        std::function<void(const EditEntryForm&)> checkForm;
        std::function<void(const RegRecord&)> checkStored;
    };
    const Case cases[] = {
        {"pro-only voice on the PSR-9000 selects its row and is kept", kPsr9000,
         [](RegRecord& r) { r.setVoice(VoicePart::R1, VoiceTable::keyOf(0, 113, 0)); },
         [](const EditEntryForm& f) {
             const VoiceBoxItems& box = f.voice(VoicePart::R1).voice;
             EXPECT_EQ(box.selected, 0);
             EXPECT_EQ(VoiceTable::voiceBoxText(box.selected, box.keyAt(0), kPsr9000), "<0,113,0>");
         },
         [](const RegRecord& r) {
             EXPECT_EQ(r.voice(VoicePart::R1), VoiceTable::keyOf(0, 113, 0));
         }},
        {"unknown voice triple gets an item of its own", kPro,
         [](RegRecord& r) { r.setPartVoice(AccPart::Chd2, VoiceTable::keyOf(1, 2, 3)); },
         [](const EditEntryForm& f) {
             const VoiceBoxItems& box = f.part(AccPart::Chd2).voice;
             EXPECT_EQ(box.count, VoiceTable::RowCount + 1);
             EXPECT_EQ(box.selected, VoiceTable::OwnItemPosition);
         },
         [](const RegRecord& r) {
             EXPECT_EQ(r.partVoice(AccPart::Chd2), VoiceTable::keyOf(1, 2, 3));
         }},
        {"no voice (FF FF FF) shows as numbers and stays no voice", kPro,
         [](RegRecord& r) { r.setVoice(VoicePart::Left, RegRecord::NoVoice); },
         [](const EditEntryForm& f) {
             const VoiceBoxItems& box = f.voice(VoicePart::Left).voice;
             EXPECT_EQ(VoiceTable::voiceBoxText(box.selected, box.keyAt(box.selected), kPro),
                       "<255,255,255>");
         },
         [](const RegRecord& r) {
             EXPECT_EQ(r.voice(VoicePart::Left), RegRecord::NoVoice);
         }},
        {"style index beyond 494: no selection, both bytes kept", kPro,
         [](RegRecord& r) { r.setStyleBytes(245, 250); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.style, kNoSelection); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.styleByte(), 245);
             EXPECT_EQ(r.diskStyleNumber(), 250);
         }},
        {"Style 250 reads as a disk style and is stored as 245", kPro,
         [](RegRecord& r) { r.setStyleBytes(250, 3); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.style, 248); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.styleByte(), 245);
             EXPECT_EQ(r.diskStyleNumber(), 3);
         }},
        {"volumes above 127 raise the limit and are kept", kPro,
         [](RegRecord& r) {
             r.setVolume(VoicePart::R1, 200);
             r.setPartVolume(AccPart::Pad, 255);
         },
         [](const EditEntryForm& f) { EXPECT_EQ(f.volumeLimit, 255); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.volume(VoicePart::R1), 200);
             EXPECT_EQ(r.partVolume(AccPart::Pad), 255);
         }},
        {"fingering code 13 shows Single Finger and is stored as 1", kPro,
         [](RegRecord& r) { r.setFingeringCode(13); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.fingering, 0); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.fingeringCode(), 1);
         }},
        {"fingering code 0 is stored as 1", kPro, [](RegRecord& r) { r.setFingeringCode(0); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.fingering, 0); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.fingeringCode(), 1);
         }},
        {"footswitch code 41 is stored as Sustain with its flag", kPro,
         [](RegRecord& r) {
             r.setFootswitchPosition(2, 1); // clears the Sustain flag
             r.setFootswitchCode(2, 41);
         },
         [](const EditEntryForm& f) { EXPECT_EQ(f.footswitches[1].function, 0); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.footswitchCode(2), 0);
             EXPECT_TRUE(r.footswitchSustainFlag(2));
             EXPECT_EQ(r.footswitchParts(2), 0x0F);
         }},
        {"Variation 2 shows no Main button and is kept", kPro,
         [](RegRecord& r) { r.setVariation(2); },
         [](const EditEntryForm& f) {
             EXPECT_EQ(f.mainSection, kNoSelection);
             EXPECT_FALSE(f.variationEditable);
         },
         [](const RegRecord& r) {
             EXPECT_EQ(r.variation(), 2);
         }},
        {"kit beyond the PSR-9000's 18 kits is kept", kPsr9000,
         [](RegRecord& r) { r.setFootswitchKit(1, 20); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.footswitches[0].kit, kNoSelection); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.footswitchKit(1), 20);
         }},
        {"the same kit is a position in the pro's 26 kits", kPro,
         [](RegRecord& r) { r.setFootswitchKit(1, 20); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.footswitches[0].kit, 20); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.footswitchKit(1), 20);
         }},
        {"octaves and transpositions outside their lists are kept", kPro,
         [](RegRecord& r) {
             r.setOctave(VoicePart::R2, 3);
             r.setUpperOctave(-2);
             r.setTransposeSong(25);
         },
         [](const EditEntryForm& f) {
             EXPECT_EQ(f.voice(VoicePart::R2).octave, kNoSelection);
             EXPECT_EQ(f.upperOctave, kNoSelection);
             EXPECT_EQ(f.transposeSong, kNoSelection);
         },
         [](const RegRecord& r) {
             EXPECT_EQ(r.octave(VoicePart::R2), 3);
             EXPECT_EQ(r.upperOctave(), -2);
             EXPECT_EQ(r.transposeSong(), 25);
         }},
        {"right split on the top key survives", kPro, [](RegRecord& r) { r.setSplitRight(127); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.split.right, 127); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.splitRight(), 127);
         }},
        {"a song path the pairs would not give back is kept", kPro,
         [](RegRecord& r) { r.setSongPath("A:/X.MID"); }, // "A:" is the floppy pair's PC side
         [](const EditEntryForm& f) {
             EXPECT_EQ(f.songPath, kSep == '/' ? "A:/X.MID" : "A:\\X.MID");
         },
         [](const RegRecord& r) {
             EXPECT_EQ(r.songPath(), "A:/X.MID");
         }},
        {"a song path longer than the dialog takes is kept", kPro,
         [](RegRecord& r) { r.setSongPath("ATA01:/" + std::string(75, 'S')); },
         [](const EditEntryForm& f) { EXPECT_EQ(f.songPath.size(), 82u); },
         [](const RegRecord& r) {
             EXPECT_EQ(r.songPath(), "ATA01:/" + std::string(75, 'S'));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegRecord r = RegRecord::empty();
        r.setTitle("Sample");
        c.setUp(r);
        RegRecord shown = r;
        c.checkForm(EditEntryForm::load(shown, c.model, homeMappings()));
        const RegRecord stored = storeUntouched(r, c.model);
        c.checkStored(stored);
        RegRecord normalised = r;
        normalised.normalise();
        EXPECT_EQ(stored, canonicalAfterStore(normalised));
    }
}

TEST(EditEntryForm, LoadNormalisesTheRecordInPlace) {
    RegRecord r = RegRecord::empty();
    r.setSplitLeft(60);
    r.setSplitRight(39);
    RegRecord copy = r;
    const EditEntryForm f = loaded(r);
    EXPECT_NE(r, copy);
    EXPECT_EQ(r.splitRight(), 60);
    EXPECT_EQ(f.split.right, 60);
}

TEST(EditEntryForm, SongPathShownOnThisComputerAndStoredForTheKeyboard) {
    RegRecord r = RegRecord::empty();
    r.setSongPath("ata00:/songs/a.mid");
    EditEntryForm f = loaded(r);
    // The computer's side of a path takes this platform's separator.
    EXPECT_EQ(f.songPath, kSep == '/' ? "/home/anna/Keyboard/SONGS/A.MID"
                                      : "/home/anna/Keyboard\\SONGS\\A.MID");

    f.songPath = "/home/anna/Keyboard/Pop/Ballad.mid";
    ASSERT_FALSE(f.storeInto(r));
    EXPECT_EQ(r.songPath(), "ATA00:/POP/BALLAD.MID");

    f.songPath = "/tmp/x.mid"; // no pair: stored as typed, upper case
    ASSERT_FALSE(f.storeInto(r));
    EXPECT_EQ(r.songPath(), "/TMP/X.MID");
}

TEST(EditEntryForm, StoreWritesTheEditedControls) {
    RegRecord r = RegRecord::empty();
    r.setTitle("Old");
    EditEntryForm f = loaded(r);
    f.title = "Größe";
    f.active = true;
    f.style = 300;
    f.tempo = 280;
    f.mainSection = 3;
    f.voice(VoicePart::R2).voice.selected = 5;
    f.voice(VoicePart::R2).octave = 4;
    f.transposeKeyboard = 0;
    f.part(AccPart::Rhy2).voice.selected = 400;
    f.part(AccPart::Rhy2).setVolume = true;
    f.part(AccPart::Rhy2).volume = 7;
    f.split = {30, 40, 50};
    f.fingering = 11;
    f.volumePedal = {PedalIndividual, 0x81};
    f.footswitches[1] = {30, 0x0F, 25, 127};
    ASSERT_FALSE(f.storeInto(r));

    EXPECT_EQ(r.rawTitle(), "Gr\xF6\xDF"
                            "e");
    EXPECT_TRUE(r.active());
    EXPECT_EQ(r.styleIndex(), 300);
    EXPECT_EQ(r.tempo(), 280);
    EXPECT_EQ(r.variation(), 11);
    EXPECT_EQ(r.voice(VoicePart::R2), VoiceTable::keyOfRow(5));
    EXPECT_EQ(r.octave(VoicePart::R2), 2);
    EXPECT_EQ(r.transposeKeyboard(), -24);
    EXPECT_EQ(r.partVoice(AccPart::Rhy2), VoiceTable::keyOfRow(400));
    EXPECT_EQ(r.partVoice(AccPart::Rhy1), RegRecord::empty().partVoice(AccPart::Rhy1));
    EXPECT_TRUE(r.partSetVolume(AccPart::Rhy2));
    EXPECT_FALSE(r.partSetVolume(AccPart::Rhy1));
    EXPECT_EQ(r.partVolume(AccPart::Rhy2), 7);
    EXPECT_EQ(r.splitAccomp(), 30);
    EXPECT_EQ(r.splitLeft(), 40);
    EXPECT_EQ(r.splitRight(), 50);
    EXPECT_EQ(r.fingeringCode(), 12);
    EXPECT_TRUE(r.volumePedalIndividual());
    EXPECT_EQ(r.volumePedalParts(), 0x81);
    EXPECT_EQ(r.footswitchCode(2), 43);
    EXPECT_EQ(r.footswitchKit(2), 25);
    EXPECT_EQ(r.footswitchKey(2), 127);
    EXPECT_FALSE(r.footswitchSustainFlag(2)); // was clear for "06 Slow/Fast", kept for percussion
}

TEST(EditEntryForm, VariationChangesOnlyWhenItIsAMainSection) {
    const struct {
        int stored;
        int chosen;
        int want;
    } cases[] = {{9, 3, 11}, {8, 0, 8}, {2, 1, 2}, {12, 0, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        RegRecord r = RegRecord::empty();
        r.setVariation(c.stored);
        EditEntryForm f = loaded(r);
        f.mainSection = c.chosen;
        ASSERT_FALSE(f.storeInto(r));
        EXPECT_EQ(r.variation(), c.want);
    }
}

TEST(EditEntryForm, FootswitchPartBitsAndSustainFlag) {
    const struct {
        int function;
        bool flagBefore;
        bool wantFlag;
    } cases[] = {
        {0, false, true}, // Sustain sets the flag
        {3, true, false}, // another part function clears it
        {6, true, true},  // other functions keep it
        {6, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.function);
        RegRecord r = RegRecord::empty();
        r.setFootswitchPosition(1, c.flagBefore ? 0 : 1);
        EditEntryForm f = loaded(r);
        f.footswitches[0].function = c.function;
        f.footswitches[0].parts = FootswitchLeft | FootswitchR3;
        ASSERT_FALSE(f.storeInto(r));
        EXPECT_EQ(r.footswitchCode(1), kFootswitchList[static_cast<size_t>(c.function)].code);
        EXPECT_EQ(r.footswitchParts(1), FootswitchLeft | FootswitchR3);
        EXPECT_EQ(r.footswitchSustainFlag(1), c.wantFlag);
    }
}

// ---- Checks before storing
// -------------------------------------------------------------------------

TEST(EditEntryForm, ValidationNamesTheFieldAndTheRange) {
    struct Case {
        const char* what;
        std::function<void(EditEntryForm&)> edit;
        bool fails;
        EditEntryField field;
        int index;
        const char* english;
    };
    const Case cases[] = {
        {"tempo at its floor", [](EditEntryForm& f) { f.tempo = 32; }, false, {}, 0, ""},
        {"tempo below", [](EditEntryForm& f) { f.tempo = 31; }, true, EditEntryField::Tempo, 0,
         "Please enter an integer between 32 and 280."},
        {"tempo above", [](EditEntryForm& f) { f.tempo = 281; }, true, EditEntryField::Tempo, 0,
         "Please enter an integer between 32 and 280."},
        {"R2 volume above 127", [](EditEntryForm& f) { f.voice(VoicePart::R2).volume = 128; }, true,
         EditEntryField::Volume, static_cast<int>(VoicePart::R2),
         "Please enter an integer between 0 and 127."},
        {"Phr2 volume below 0", [](EditEntryForm& f) { f.part(AccPart::Phr2).volume = -1; }, true,
         EditEntryField::PartVolume, static_cast<int>(AccPart::Phr2),
         "Please enter an integer between 0 and 127."},
        {"accompaniment volume", [](EditEntryForm& f) { f.accVolume = 128; }, true,
         EditEntryField::AccVolume, 0, "Please enter an integer between 0 and 127."},
        {"song volume", [](EditEntryForm& f) { f.songVolume = 300; }, true,
         EditEntryField::SongVolume, 0, "Please enter an integer between 0 and 127."},
        {"volume 127 fits", [](EditEntryForm& f) { f.songVolume = 127; }, false, {}, 0, ""},
        {"tempo that is not a number", [](EditEntryForm& f) { f.tempo = kNotANumber; }, true,
         EditEntryField::Tempo, 0, "Please enter an integer between 32 and 280."},
        {"Left volume that is not a number",
         [](EditEntryForm& f) { f.voice(VoicePart::Left).volume = kNotANumber; }, true,
         EditEntryField::Volume, static_cast<int>(VoicePart::Left),
         "Please enter an integer between 0 and 127."},
        {"song volume that is not a number", [](EditEntryForm& f) { f.songVolume = kNotANumber; },
         true, EditEntryField::SongVolume, 0, "Please enter an integer between 0 and 127."},
        {"title of 17 characters", [](EditEntryForm& f) { f.title = std::string(17, 'T'); }, true,
         EditEntryField::Title, 0, "Please enter no more than 16 characters."},
        {"16 umlauts are 16 characters",
         [](EditEntryForm& f) {
             f.title.clear();
             for (int i = 0; i < 16; ++i)
                 f.title += "Ü";
         },
         false,
         {},
         0,
         ""},
        {"empty title", [](EditEntryForm& f) { f.title.clear(); }, true, EditEntryField::Title, 0,
         "The title must not be empty!"},
        {"three blanks are a title", [](EditEntryForm& f) { f.title = "   "; }, false, {}, 0, ""},
        {"typed song path of 81 characters",
         [](EditEntryForm& f) { f.songPath = "SCS10:/" + std::string(74, 'X'); }, true,
         EditEntryField::SongPath, 0, "Please enter no more than 80 characters."},
        {"long folder here, short path on the keyboard",
         [](EditEntryForm& f) {
             f.songPath = "/home/anna/Keyboard/" + std::string(60, 'x') + ".mid";
         },
         false,
         {},
         0,
         ""},
        {"range before the empty title",
         [](EditEntryForm& f) {
             f.title.clear();
             f.tempo = 10;
         },
         true, EditEntryField::Tempo, 0, "Please enter an integer between 32 and 280."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegRecord r = RegRecord::empty();
        r.setTitle("Title");
        EditEntryForm f = loaded(r);
        c.edit(f);
        const RegRecord before = r;
        const auto error = f.storeInto(r);
        ASSERT_EQ(error.has_value(), c.fails);
        if (!c.fails)
            continue;
        EXPECT_EQ(r, before); // nothing stored
        EXPECT_EQ(error->field, c.field);
        EXPECT_EQ(error->index, c.index);
        EXPECT_EQ(error->message.text(Language::English), c.english);
    }
}

TEST(EditEntryForm, ValidationMessagesInGerman) {
    RegRecord r = RegRecord::empty();
    r.setVolume(VoicePart::Left, 130);
    EditEntryForm f = loaded(r);
    f.voice(VoicePart::Left).volume = 256;
    auto error = f.validate();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message.text(Language::German),
              "Bitte geben Sie eine ganze Zahl zwischen 0 und 255 ein.");
    f.voice(VoicePart::Left).volume = 255;
    f.title.clear();
    error = f.validate();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message.text(Language::German), "Der Titel darf nicht leer sein!");
}

TEST(EditEntryForm, TitleOfBlanksIsStoredAndReadsBackEmpty) {
    RegRecord r = RegRecord::empty();
    EditEntryForm f = loaded(r);
    f.title = std::string(16, ' ');
    ASSERT_FALSE(f.storeInto(r));
    EXPECT_EQ(r.rawTitle(), std::string(16, ' '));
    EXPECT_EQ(r.title(), "");
    EXPECT_EQ(loaded(r).title, std::string(16, ' ')); // the dialog shows the blanks again
}

// ---- Rules while the dialog is open
// --------------------------------------------------------------

TEST(EditEntryRules, MasterTransposeCarriesSongAndKeyboardWithClamping) {
    RegRecord r = RegRecord::empty();
    r.setTransposeSong(10);
    r.setTransposeKeyboard(-5);
    EditEntryForm f = loaded(r);

    f.transposeMaster = 20 + 24;
    masterTransposeChanged(f);
    EXPECT_EQ(f.transposeSong - 24, 24); // +30 clamped
    EXPECT_EQ(f.transposeKeyboard - 24, 15);

    f.transposeMaster = 0 + 24; // the step is taken from the last master position
    masterTransposeChanged(f);
    EXPECT_EQ(f.transposeSong - 24, 4);
    EXPECT_EQ(f.transposeKeyboard - 24, -5);

    f.transposeMaster = -24 + 24;
    masterTransposeChanged(f);
    EXPECT_EQ(f.transposeSong - 24, -20);
    EXPECT_EQ(f.transposeKeyboard - 24, -24); // -29 clamped
}

TEST(EditEntryRules, MasterTransposeWithoutAKnownStartMovesNothing) {
    RegRecord r = RegRecord::empty();
    r.setTransposeMaster(30); // outside the list: the box shows no selection
    r.setTransposeSong(3);
    r.setTransposeKeyboard(40); // outside the list too
    EditEntryForm f = loaded(r);
    ASSERT_EQ(f.transposeMaster, kNoSelection);

    f.transposeMaster = 24 + 2;
    masterTransposeChanged(f);
    EXPECT_EQ(f.transposeSong, 24 + 3);
    f.transposeMaster = 24 + 5; // now the start is known
    masterTransposeChanged(f);
    EXPECT_EQ(f.transposeSong, 24 + 6);
    EXPECT_EQ(f.transposeKeyboard, kNoSelection);
}

TEST(EditEntryRules, AutoAccompAndSongPlayerExcludeEachOther) {
    RegRecord r = RegRecord::empty(); // Auto Accomp on, Song Player off
    EditEntryForm f = loaded(r);
    f.songPlayer = true;
    songPlayerClicked(f);
    EXPECT_FALSE(f.autoAccomp);
    f.autoAccomp = true;
    autoAccompClicked(f);
    EXPECT_FALSE(f.songPlayer);
    f.songPlayer = true; // unchecking one leaves the other as it is
    f.autoAccomp = false;
    autoAccompClicked(f);
    EXPECT_TRUE(f.songPlayer);
}

TEST(EditEntryRules, OpeningOnlyEnablesThePedalChecks) {
    RegRecord r = RegRecord::empty();
    r.setVolumePedalPart(PedalPart::Mic, false);
    const EditEntryForm f = loaded(r);
    EXPECT_EQ(f.volumePedal.parts, 0xEF); // "Master" with one check off stays so
    EXPECT_FALSE(volumePedalPartsEnabled(f.volumePedal));
}
