#include "core/names/MidiStyleName.h"
#include "core/files/FileIo.h"

#include "StyleFileBytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace tombrel;
using namespace tombrel::testing;

namespace {

std::optional<std::string> nameOf(const Bytes& bytes) {
    return midiStyleName(bytes);
}

const std::optional<std::string> kNone = std::nullopt;

} // namespace

TEST(MidiStyleName, FirstTextOrTrackNameOfTheFirstTrack) {
    const Bytes tempo = Bytes{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
    const Bytes sysex200 = Bytes{0x00, 0xF0} + vlq(200) + Bytes(199, 0x10) + Bytes{0xF7};
    const struct {
        const char* what;
        Bytes events;
        std::optional<std::string> name;
    } cases[] = {
        {"track name", trackName("Bossa Nova   "), "Bossa Nova"},
        {"33 bytes", trackName(std::string(32, 'A') + "B"), std::string(32, 'A')},
        {"exactly 32 bytes", trackName(std::string(32, 'C')), std::string(32, 'C')},
        {"zero byte ends it", trackName(std::string("Salsa\0\0\0 pad", 12)), "Salsa"},
        {"empty", trackName(""), ""},
        {"only blanks", trackName("   "), ""},
        {"text before track name", meta(0x01, textBytes("Text")) + trackName("Name"), "Text"},
        {"other metas skipped", tempo + meta(0x02, textBytes("(C) 1999")) + trackName("Swing"),
         "Swing"},
        {"long meta before the name", meta(0x02, Bytes(130, 'c')) + trackName("After Copyright"),
         "After Copyright"},
        {"note events", Bytes{0x00, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00} + trackName("N"),
         "N"},
        {"running status",
         Bytes{0x00, 0x90, 0x3C, 0x64, 0x00, 0x3E, 0x64, 0x00, 0x40, 0x64} + trackName("Run"),
         "Run"},
        // Program change and channel pressure carry one data byte, also under running status.
        {"one data byte",
         Bytes{0x00, 0xC0, 0x05, 0x00, 0x06, 0x00, 0xD1, 0x40, 0x00, 0x41} + trackName("One"),
         "One"},
        {"running status across a meta",
         Bytes{0x00, 0xB0, 0x07, 0x64} + tempo + Bytes{0x00, 0x0A, 0x40} + trackName("Kept"),
         "Kept"},
        {"sysex", Bytes{0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7} + trackName("SysEx"),
         "SysEx"},
        {"escape sysex", Bytes{0x00, 0xF7, 0x02, 0x01, 0x02} + trackName("Escape"), "Escape"},
        {"sysex of 200 bytes", sysex200 + trackName("Long SysEx"), "Long SysEx"},
        {"long delta time", Bytes{0x83, 0x80, 0x00, 0xFF, 0x03, 0x03, 'D', 'l', 't'}, "Dlt"},
        {"data byte without a status", Bytes{0x00, 0x3C, 0x64} + trackName("X"), kNone},
        {"system common byte", Bytes{0x00, 0xF1, 0x00} + trackName("X"), kNone},
        {"no name in the track", tempo + Bytes{0x00, 0xFF, 0x2F, 0x00}, kNone},
        {"empty track", {}, kNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nameOf(midiFile(c.events)), c.name) << c.what;
}

TEST(MidiStyleName, OnlyTheFirstTrackCounts) {
    const Bytes first = Bytes{0x00, 0xFF, 0x2F, 0x00};
    Bytes bytes = midiFile(first) + textBytes("MTrk") + Bytes{0, 0, 0, 7} + trackName("Second");
    EXPECT_EQ(nameOf(bytes), kNone);
}

TEST(MidiStyleName, CutOffFilesGiveNoName) {
    const Bytes name = trackName("Cut Off");
    const Bytes whole = midiFile(name);
    const struct {
        const char* what;
        Bytes bytes;
        std::optional<std::string> name;
    } cases[] = {
        // The track claims more than the file holds: what is there still counts.
        {"track longer than the file", midiFile(name, 1000), "Cut Off"},
        {"track length near 4 GiB", midiFile(name, 0xFFFFFFFF), "Cut Off"},
        {"track ends before the name", midiFile(Bytes{0x00, 0x90, 0x3C, 0x64} + name, 4), kNone},
        {"name cut by the track end", midiFile(name, static_cast<int64_t>(name.size()) - 1), kNone},
        {"name cut by the file end", midiFile(Bytes(name.begin(), name.end() - 2), 100), kNone},
        {"meta without length", midiFile(Bytes{0x00, 0xFF, 0x03}, 100), kNone},
        {"meta without type", midiFile(Bytes{0x00, 0xFF}, 100), kNone},
        {"length running on", midiFile(Bytes{0x00, 0xFF, 0x03, 0x81}, 100), kNone},
        {"length of five bytes",
         midiFile(Bytes{0x00, 0xFF, 0x03, 0x80, 0x80, 0x80, 0x80, 0x03, 'a', 'b', 'c'}), kNone},
        {"sysex past the end", midiFile(Bytes{0x00, 0xF0, 0x7F, 0x01} + name), kNone},
        {"delta time at the end", midiFile(Bytes{0x81, 0x82}, 100), kNone},
        {"channel event at the end", midiFile(Bytes{0x00, 0x90, 0x3C}, 100), kNone},
        {"no MThd", textBytes("RIFF") + Bytes(whole.begin() + 4, whole.end()), kNone},
        {"header of 8 bytes",
         textBytes("MThd") + Bytes{0, 0, 0, 8, 0, 0, 0, 1, 1, 0xE0, 0, 0} + textBytes("MTrk") +
             Bytes{0, 0, 0, static_cast<uint8_t>(name.size())} + name,
         kNone},
        {"21 bytes", Bytes(whole.begin(), whole.begin() + 21), kNone},
        {"nothing", {}, kNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nameOf(c.bytes), c.name) << c.what;
}

// Names as the real files hold them (bytes checked with a hex dump).
TEST(MidiStyleName, RealFiles) {
    const struct {
        const char* file;
        std::optional<std::string> name;
    } cases[] = {
        {"styles/BrazilianSamba.sty", "BrazilianSamba"},
        {"styles/CoolBand.S053.sty", "CoolBand"},
        {"styles/DiscoLatin1.sty", "DiscoLatin1"},
        {"styles/Elektro Funk.STY", "Elektro Funk"},
        {"styles/Jazzvocal.s264.sty", "JazzVocal.S264.sty"},
        {"styles/JazzWaltz4.S001.sty", "JazzWaltz3.S001.STY"},
        {"styles/KoolFunk.STY", "KoolFunk.S306.STY"},
        {"styles/Salsa 1.S651.STY", "Salsa 1.STY"},
        {"styles/Salsa-9t.sty", "9 Salsa1T.sty"},
        {"styles/Salsa_P9kFlash.sty", "Salsa"},
        {"styles/Samba_3.S506.STY", "SAMBA_3.S506.STY"},
        {"styles/SmoothOperator.STY", "Smooth Op"},
        {"styles/SoulBeat.STY", "SoulBeat.S513.STY"},
        {"styles/UnchainMyHeart.sty", "Unchain X9"},
        {"styles/Village People - YMCA.sty", "Village People - YMCA.S745.STY"},
        {"midi/ALegacyOfLove.mid", "Generated by NoteWorthy Composer"},
        {"midi/bach_850.mid", "Pr\xE4ludium und Fuge in D-Dur, BWV"},
        {"midi/Levels.mid", "Nonstop2k - The Producer's Resou"},
        {"midi/MIDIBadTrackLength.mid", kNone},
        {"midi/PiDamaged.mid", kNone},
        {"midi/pitchBendTest.mid", ""},
        {"midi/Sandstorm.mid", "Darude - Sandstorm"},
        {"midi/tchaikovsky_seasons.mid", "Tschaikowsky  \"The Seasons\" No.6"},
        {"midi/test-corrupt-file-missing-byte.mid", "Corrupt File: Mising Byte"},
        {"midi/test-karaoke-kar.mid", "Karaoke .KAR Test"},
        {"midi/test-running-status-metaevent.mid", "Running status interrupted by me"},
        {"midi/test-running-status-sysex.mid", "Running status interrupted by Sy"},
        {"midi/TheEntertainer.mid", kNone},
    };
    for (const auto& c : cases) {
        const FileReadResult read = readWholeFile(std::string(TOMBREL_REALDATA_DIR "/") + c.file,
                                                  FileSizeLimit::atMost(64u << 20));
        ASSERT_EQ(read.status, FileReadResult::Status::Ok) << c.file;
        EXPECT_EQ(midiStyleName(read.bytes), c.name) << c.file;
    }
}

// Reading a file's head first must never change the answer: every head either gives the whole
// file's answer or asks for more, and the whole file never asks for more.
TEST(MidiStyleName, HeadGivesTheWholeFilesAnswerOrAsksForMore) {
    const Bytes notes = Bytes{0x00, 0x90, 0x3C, 0x64, 0x10, 0x3C, 0x00};
    Bytes manyNotes;
    for (int i = 0; i < 40; ++i)
        manyNotes = manyNotes + notes;
    const Bytes name = trackName("Deep");
    std::vector<Bytes> files = {
        midiFile(manyNotes + name),
        midiFile(manyNotes + name, 1000),                 // track longer than the file
        midiFile(manyNotes + name, manyNotes.size() + 3), // name cut by the track end
        midiFile(manyNotes + Bytes{0x00, 0xF1}),          // unknown event
        midiFile(manyNotes + Bytes{0x00, 0xF0} + vlq(300) + Bytes(300, 1) + name),
        midiFile(manyNotes),                     // no name at all
        midiFile(Bytes{0x00, 0xFF, 0x03, 0x8F}), // length runs off the end
        textBytes("MThd") + Bytes(30, 0),
    };
    for (const char* real : {"styles/DiscoLatin1.sty", "midi/TheEntertainer.mid",
                             "midi/MIDIBadTrackLength.mid", "midi/Sandstorm.mid"}) {
        const FileReadResult read = readWholeFile(std::string(TOMBREL_REALDATA_DIR "/") + real,
                                                  FileSizeLimit::atMost(64u << 20));
        ASSERT_EQ(read.status, FileReadResult::Status::Ok) << real;
        Bytes bytes = read.bytes;
        if (bytes.size() > 3000)
            bytes.resize(3000);
        files.push_back(bytes);
    }
    for (size_t f = 0; f < files.size(); ++f) {
        const Bytes& file = files[f];
        const std::optional<std::string> whole = midiStyleName(file);
        for (size_t n = 0; n <= file.size(); ++n) {
            const MidiStyleNameHead head =
                midiStyleNameFromHead(std::span(file.data(), n), file.size());
            if (n == file.size()) {
                EXPECT_FALSE(head.needsMore) << "file " << f;
            }
            if (!head.needsMore) {
                ASSERT_EQ(head.name, whole) << "file " << f << ", head of " << n;
            }
        }
    }
    // A name early in a long file needs only the head.
    const Bytes early = midiFile(name + manyNotes);
    const MidiStyleNameHead head = midiStyleNameFromHead(std::span(early.data(), 40), early.size());
    EXPECT_FALSE(head.needsMore);
    EXPECT_EQ(head.name, "Deep");
}
