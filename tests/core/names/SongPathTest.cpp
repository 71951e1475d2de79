#include "core/names/SongPath.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

using namespace tombrel;

namespace {

SongPathMappings mappings(std::vector<SongPathPair> pairs) {
    SongPathMappings m;
    for (size_t i = 0; i < pairs.size(); ++i)
        m.pairs[i] = pairs[i];
    return m;
}

struct Case {
    const char* what;
    std::vector<SongPathPair> pairs;
    std::string from;
    std::string to;
};

} // namespace

TEST(SongPath, DefaultsMapTheFloppyDriveOnly) {
    const SongPathMappings m = SongPathMappings::defaults();
    EXPECT_EQ(m.pairs[0].keyboardPrefix, "FDDRV:");
    EXPECT_EQ(m.pairs[0].pcPrefix, "A:");
    for (int i = 1; i < SongPathMappings::PairCount; ++i)
        EXPECT_FALSE(m.pairs[i].active()) << i;
}

TEST(SongPath, ToPcFormWithBackslashSeparators) {
    const Case cases[] = {
        {"prefix replaced, rest upper case",
         {{"ATA00:", "D:\\KEYB"}},
         "ata00:/songs/a.mid",
         "D:\\KEYB\\SONGS\\A.MID"},
        {"no pair matches", {{"ATA00:", "D:\\KEYB"}}, "ata01:/x.mid", "ATA01:\\X.MID"},
        {"a keyboard prefix in lower case never matches",
         {{"ata00:", "D:\\KEYB"}},
         "ATA00:/X.MID",
         "ATA00:\\X.MID"},
        {"the first matching pair wins",
         {{"ATA00:", "D:\\KEYB"}, {"ATA", "E:"}},
         "ATA00:/X.MID",
         "D:\\KEYB\\X.MID"},
        {"pairs are taken in order",
         {{"ATA", "E:"}, {"ATA00:", "D:\\KEYB"}},
         "ATA00:/X.MID",
         "E:00:\\X.MID"},
        {"a pair with an empty side takes no part",
         {{"ATA00:", ""}, {"ATA00:", "E:"}},
         "ATA00:/X.MID",
         "E:\\X.MID"},
        {"default floppy pair", {{"FDDRV:", "A:"}}, "FDDRV:/SONGS/X.MID", "A:\\SONGS\\X.MID"},
        {"no separator after the drive", {{"FDDRV:", "A:"}}, "FDDRV:X.MID", "A:X.MID"},
        {"a keyboard prefix naming a folder",
         {{"ATA00:/SONGS/", "D:\\SONGS"}},
         "ATA00:/SONGS/A.MID",
         "D:\\SONGS\\A.MID"},
        {"empty path", {{"ATA00:", "D:\\KEYB"}}, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(songPathToPcForm(c.from, mappings(c.pairs), '\\'), c.to) << c.what;
}

TEST(SongPath, ToPcFormKeepsTheUsersFolderOnCaseSensitiveSystems) {
    const Case cases[] = {
        {"folder kept as written",
         {{"ATA00:", "/home/anna/Keyboard"}},
         "ata00:/songs/a.mid",
         "/home/anna/Keyboard/SONGS/A.MID"},
        {"folder written with a trailing separator",
         {{"ATA00:", "/home/anna/Keyboard/"}},
         "ATA00:/SONGS/A.MID",
         "/home/anna/Keyboard/SONGS/A.MID"},
        {"keyboard prefix with a separator, folder without",
         {{"ATA00:/", "/home/anna/Keyboard"}},
         "ATA00:/SONGS/A.MID",
         "/home/anna/Keyboard/SONGS/A.MID"},
        {"non-ASCII folder name",
         {{"ATA00:", "/home/j\xc3\xbcrgen/Keyboard"}},
         "ATA00:/A.MID",
         "/home/j\xc3\xbcrgen/Keyboard/A.MID"},
        {"single-byte letters of the song become UTF-8",
         {{"ATA00:", "/m"}},
         "ATA00:/\xe9t\xe9.mid",
         "/m/\xc3\x89T\xc3\x89.MID"},
        {"no pair matches", {{"ATA00:", "/home/anna/Keyboard"}}, "USB1:/a.mid", "USB1:/A.MID"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(songPathToPcForm(c.from, mappings(c.pairs), '/'), c.to) << c.what;
}

TEST(SongPath, ToKeyboardForm) {
    const Case cases[] = {
        {"prefix replaced",
         {{"ATA00:", "D:\\KEYB"}},
         "D:\\KEYB\\SONGS\\A.MID",
         "ATA00:/SONGS/A.MID"},
        {"PC prefix matches in any case",
         {{"ATA00:", "D:\\KEYB"}},
         "d:\\keyb\\songs\\a.mid",
         "ATA00:/SONGS/A.MID"},
        {"no pair matches: stored upper case with /",
         {{"ATA00:", "D:\\KEYB"}},
         "C:\\X\\B.MID",
         "C:/X/B.MID"},
        {"either separator in the PC prefix",
         {{"ATA00:", "D:/KEYB"}},
         "D:\\KEYB\\A.MID",
         "ATA00:/A.MID"},
        {"the first matching pair wins",
         {{"ATA00:", "D:\\"}, {"ATA01:", "D:\\KEYB"}},
         "D:\\KEYB\\A.MID",
         "ATA00:/KEYB/A.MID"},
        {"a pair with an empty side takes no part",
         {{"", "D:\\KEYB"}, {"ATA01:", "D:\\KEYB"}},
         "D:\\KEYB\\A.MID",
         "ATA01:/A.MID"},
        {"folder on a case-sensitive system",
         {{"ATA00:", "/home/anna/Keyboard"}},
         "/home/anna/Keyboard/Songs/a.mid",
         "ATA00:/SONGS/A.MID"},
        {"folder typed in another case",
         {{"ATA00:", "/home/anna/Keyboard"}},
         "/HOME/ANNA/KEYBOARD/songs/a.mid",
         "ATA00:/SONGS/A.MID"},
        {"folder written with a trailing separator",
         {{"ATA00:", "/home/anna/Keyboard/"}},
         "/home/anna/Keyboard/songs/a.mid",
         "ATA00:/SONGS/A.MID"},
        {"keyboard prefix naming a folder",
         {{"ATA00:/SONGS/", "/home/anna/Songs"}},
         "/home/anna/Songs/a.mid",
         "ATA00:/SONGS/A.MID"},
        {"non-ASCII folder in another case",
         {{"ATA00:", "/home/j\xc3\xbcrgen/Keyboard"}},
         "/home/J\xc3\x9cRGEN/Keyboard/a.mid",
         "ATA00:/A.MID"},
        {"letters of the song become single-byte upper case",
         {{"ATA00:", "/m"}},
         "/m/\xc3\xa9t\xc3\xa9.mid",
         "ATA00:/\xc9T\xc9.MID"},
        {"letters the keyboard cannot store",
         {{"ATA00:", "/m"}},
         "/m/\xe6\x97\xa5.mid",
         "ATA00:/?.MID"},
        {"no pair matches on a case-sensitive system",
         {{"ATA00:", "/home/anna/Keyboard"}},
         "/home/anna/Other/b.mid",
         "/HOME/ANNA/OTHER/B.MID"},
        {"empty path", {{"ATA00:", "D:\\KEYB"}}, "", ""},
        {"path shorter than the prefix", {{"ATA00:", "D:\\KEYB"}}, "D:", "D:"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(songPathToKeyboardForm(c.from, mappings(c.pairs)), c.to) << c.what;
}

// Opening the editor and storing it unchanged must give back the keyboard's path (in its upper
// case form) whichever way the user wrote the folder.
TEST(SongPath, RoundTripKeepsTheKeyboardPath) {
    const std::vector<std::pair<std::vector<SongPathPair>, char>> setups = {
        {{{"ATA00:", "D:\\KEYB"}, {"FDDRV:", "A:"}}, '\\'},
        {{{"ATA00:", "D:\\KEYB\\"}, {"FDDRV:", "A:\\"}}, '\\'},
        {{{"ATA00:", "/home/anna/Keyboard"}, {"FDDRV:", "/media/floppy/"}}, '/'},
        {{{"ATA00:/", "/home/anna/Keyboard"}, {"FDDRV:/", "/media/floppy/"}}, '/'},
    };
    const char* paths[] = {"ATA00:/SONGS/A.MID", "ata00:/x.mid", "FDDRV:/DEMO/B.MID",
                           "USB1:/C.MID"};
    for (const auto& [pairs, separator] : setups) {
        const SongPathMappings m = mappings(pairs);
        for (const char* path : paths) {
            const std::string pc = songPathToPcForm(path, m, separator);
            std::string expected(path);
            for (char& ch : expected)
                ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            EXPECT_EQ(songPathToKeyboardForm(pc, m), expected)
                << path << " via " << pc << " (" << pairs[0].pcPrefix << ")";
        }
    }
}
