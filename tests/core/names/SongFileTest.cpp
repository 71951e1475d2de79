#include "core/names/SongFile.h"

#include "SkipOnWindows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace tombrel;
using tombrel::test::TempFolder;

namespace {

struct NameCase {
    const char* name;
    const char* firstBytes;
    bool midi;
};

class MidiSongRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(MidiSongRule, ExtensionDecidesAndContentOnlyWithoutOne) {
    const NameCase& c = GetParam();
    EXPECT_EQ(isMidiSongFile(c.name, c.firstBytes), c.midi) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidiSongRule,
    ::testing::Values(NameCase{"SONG.MID", "", true}, NameCase{"song.mid", "RIFF", true},
                      NameCase{"Ballad.Midi", "MThd", true}, NameCase{"x.kar", "MThd", true},
                      NameCase{"x.rmi", "RIFF", true}, NameCase{"x.SMF", "", true},
                      NameCase{"SONG", "MThd", true}, NameCase{"SONG", "MTh", false},
                      NameCase{"SONG", "#!/b", false}, NameCase{".hidden", "MThd", true},
                      // The desktop would run these, whatever their first bytes.
                      NameCase{"PARTY.BAT", "MThd", false}, NameCase{"setup.exe", "MZ\x90", false},
                      NameCase{"song.mid.exe", "MThd", false}, NameCase{"run.sh", "MThd", false},
                      NameCase{"link.lnk", "MThd", false}, NameCase{"x.midx", "MThd", false},
                      NameCase{"trailing.", "MThd", false}),
    [](const auto& info) {
        std::string label = std::to_string(info.index) + "_" + info.param.name;
        for (char& c : label) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return label;
    });

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(toFsPath(path), std::ios::binary);
    out << bytes;
}

TEST(MidiSongToOpen, OpensOnlyARegularMidiSong) {
    TempFolder dir;
    writeBytes(dir.file("SONG.MID"), "MThd\0\0\0\6");
    writeBytes(dir.file("NOEXT"), "MThd");
    writeBytes(dir.file("PARTY.BAT"), "MThd\r\ncalc.exe\r\n");
    writeBytes(dir.file("EMPTY.MID"), "");
    std::filesystem::create_directory(toFsPath(dir.file("FOLDER.MID")));

    EXPECT_EQ(midiSongToOpen(dir.file("SONG.MID")), dir.file("SONG.MID"));
    EXPECT_EQ(midiSongToOpen(dir.file("NOEXT")), dir.file("NOEXT"));
    EXPECT_EQ(midiSongToOpen(dir.file("EMPTY.MID")), dir.file("EMPTY.MID"));
    EXPECT_EQ(midiSongToOpen(dir.file("PARTY.BAT")), std::nullopt);
    EXPECT_EQ(midiSongToOpen(dir.file("MISSING.MID")), std::nullopt);
    EXPECT_EQ(midiSongToOpen(dir.file("FOLDER.MID")), std::nullopt);
    EXPECT_EQ(midiSongToOpen(""), std::nullopt);
}

TEST(MidiSongToOpen, ALinkCountsByWhatItLeadsTo) {
    TOMBREL_SKIP_ON_WINDOWS("symbolic links need a privilege");
    TempFolder dir;
    writeBytes(dir.file("tool.sh"), "MThd\n");
    writeBytes(dir.file("real.mid"), "MThd");
    std::filesystem::create_symlink("tool.sh", toFsPath(dir.file("disguised.mid")));
    std::filesystem::create_symlink("real.mid", toFsPath(dir.file("plain.mid")));
    std::filesystem::create_symlink("gone.mid", toFsPath(dir.file("dangling.mid")));
    const std::string real = fromFsPath(std::filesystem::canonical(toFsPath(dir.file("real.mid"))));

    EXPECT_EQ(midiSongToOpen(dir.file("disguised.mid")), std::nullopt);
    EXPECT_EQ(midiSongToOpen(dir.file("plain.mid")), real);
    EXPECT_EQ(midiSongToOpen(dir.file("dangling.mid")), std::nullopt);
}

TEST(MidiSongToOpen, AFifoIsRefusedWithoutBlocking) {
    TOMBREL_SKIP_ON_WINDOWS("no FIFOs in the file system");
#ifndef _WIN32
    TempFolder dir;
    ASSERT_EQ(::mkfifo(dir.file("PIPE.MID").c_str(), 0600), 0);
    EXPECT_EQ(midiSongToOpen(dir.file("PIPE.MID")), std::nullopt);
#endif
}

} // namespace
