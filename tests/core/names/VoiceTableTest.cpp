#include "core/names/VoiceTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

using namespace tombrel;

namespace {

constexpr int key(int msb, int lsb, int program) {
    return VoiceTable::keyOf(msb, lsb, program);
}

struct RowCase {
    int row;
    bool proOnly;
    int msb, lsb, program;
    const char* name;
};

void expectRow(const RowCase& c) {
    SCOPED_TRACE("row " + std::to_string(c.row));
    EXPECT_EQ(VoiceTable::nameOfRow(c.row), c.name);
    EXPECT_EQ(VoiceTable::keyOfRow(c.row), key(c.msb, c.lsb, c.program));
    EXPECT_EQ(VoiceTable::proOnly(c.row), c.proOnly);
    EXPECT_EQ(VoiceTable::rowOfKey(key(c.msb, c.lsb, c.program)), c.row);
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

TEST(VoiceTable, RowsThatIdentifyTheTable) {
    const RowCase cases[] = {
        {0, true, 0, 113, 0, "Piano - Live!Grand"},
        {1, false, 0, 112, 0, "Piano - Grand Piano"},
        {245, false, 0, 116, 52, "Choir&&Pad - Live!Gospel"},
        {342, false, 127, 0, 80, "Percussion - Live!StdKit"},
        {348, false, 127, 0, 0, "Percussion - Std.Kit1"},
        {362, false, 126, 0, 0, "Percussion - SFX Kit1"},
        {368, false, 63, 0, 0, "Custom Voice 01"},
        {399, false, 63, 0, 31, "Custom Voice 32"},
        {400, false, 0, 0, 0, "XG001 - GrandPno"},
        {837, false, 0, 0, 127, "XG438 - Gunshot"},
        {838, false, 64, 0, 0, "XG439 - CuttngNz"},
        {879, false, 64, 0, 115, "XG480 - FireWork"},
        // XG runs whose bank order is not ascending.
        {464, false, 0, 34, 16, "XG065 - 60sDrOr2"},
        {685, false, 0, 0, 82, "XG286 - CaliopLd"},
        {686, false, 0, 0, 83, "XG287 - Chiff Ld"},
        {687, false, 0, 65, 82, "XG288 - Pure Pad"},
        {688, false, 0, 64, 83, "XG289 - Rubby"},
    };
    for (const RowCase& c : cases)
        expectRow(c);
}

TEST(VoiceTable, ExactlyTheseRowsArePsr9000ProOnly) {
    const RowCase cases[] = {
        {0, true, 0, 113, 0, "Piano - Live!Grand"},
        {73, true, 0, 118, 26, "Guitar - Aloha Gtr"},
        {75, true, 0, 119, 26, "Guitar - Carlos Gtr"},
        {130, true, 0, 122, 49, "Strings - Live! Arco"},
        {167, true, 0, 114, 59, "Trumpet - SweetMuteTp"},
        {182, true, 0, 118, 62, "Brass - Live! Horns"},
        {183, true, 0, 117, 62, "Brass - Live! Brass"},
        {184, true, 0, 116, 62, "Brass - Live! OctBr"},
        {295, true, 0, 122, 88, "Choir&&Pad - Pro Heaven"},
        {296, true, 0, 123, 88, "Choir&&Pad - Sunbeam"},
        {343, true, 127, 0, 81, "Percussion - Live!FunkKt"},
        {344, true, 127, 0, 82, "Percussion - Live!Brush"},
        {345, true, 127, 0, 83, "Percussion - Live!Std+P"},
        {347, true, 127, 0, 85, "Percussion - Live!Brsh+P"},
        {360, true, 126, 0, 40, "Percussion - Live!Cuban"},
        {361, true, 126, 0, 43, "Percussion - Live!PopLtn"},
        {366, true, 127, 0, 125, "Percussion - StyLvStd+P"},
        {367, true, 127, 0, 126, "Percussion - StyLvFunk+P"},
    };
    std::set<int> proRows;
    for (const RowCase& c : cases) {
        expectRow(c);
        proRows.insert(c.row);
    }
    for (int row = 0; row < VoiceTable::RowCount; ++row)
        EXPECT_EQ(VoiceTable::proOnly(row), proRows.count(row) == 1) << "row " << row;
}

// Each category is one contiguous run of rows named "<category> - <voice>", checked at both ends
// and just beyond them.
TEST(VoiceTable, PanelVoiceCategoriesAreContiguousRuns) {
    struct Run {
        const char* prefix;
        int first, count;
        RowCase firstRow, lastRow;
    };
    const Run runs[] = {
        {"Piano - ",
         0,
         11,
         {0, true, 0, 113, 0, "Piano - Live!Grand"},
         {10, false, 0, 113, 2, "Piano - CP 80"}},
        {"E-Piano - ",
         11,
         18,
         {11, false, 0, 114, 4, "E-Piano - Galaxy EP"},
         {28, false, 0, 113, 7, "E-Piano - Wah Clavi"}},
        {"Organ - ",
         29,
         27,
         {29, false, 0, 118, 18, "Organ - Cool! Organ"},
         {55, false, 0, 112, 20, "Organ - Reed Organ"}},
        {"Accordion - ",
         56,
         11,
         {56, false, 0, 112, 21, "Accordion - Musette"},
         {66, false, 0, 112, 22, "Accordion - Harmonica"}},
        {"Guitar - ",
         67,
         62,
         {67, false, 0, 116, 24, "Guitar - Live! Nylon"},
         {128, false, 0, 115, 38, "Guitar - Click Bass"}},
        {"Strings - ",
         129,
         34,
         {129, false, 0, 117, 49, "Strings - Live! Strs"},
         {162, false, 0, 112, 55, "Strings - Orch.Hit"}},
        {"Trumpet - ",
         163,
         19,
         {163, false, 0, 115, 56, "Trumpet - Sweet Trump"},
         {181, false, 0, 112, 58, "Trumpet - Tuba"}},
        {"Brass - ",
         182,
         32,
         {182, true, 0, 118, 62, "Brass - Live! Horns"},
         {213, false, 0, 112, 62, "Brass - Synth Brass"}},
        {"Saxophone - ",
         214,
         19,
         {214, false, 0, 117, 66, "Saxophone - Sweet Tenor"},
         {232, false, 0, 112, 71, "Saxophone - Clarinet"}},
        {"Flute - ",
         233,
         12,
         {233, false, 0, 114, 73, "Flute - Sweet Flute"},
         {244, false, 0, 112, 109, "Flute - Bagpipe"}},
        {"Choir&&Pad - ",
         245,
         52,
         {245, false, 0, 116, 52, "Choir&&Pad - Live!Gospel"},
         {296, true, 0, 123, 88, "Choir&&Pad - Sunbeam"}},
        {"Synthesizer - ",
         297,
         33,
         {297, false, 0, 122, 81, "Synthesizer - Oxygen"},
         {329, false, 0, 114, 96, "Synthesizer - Clockwork"}},
        {"Percussion - ",
         330,
         38,
         {330, false, 0, 112, 11, "Percussion - Vibraphone"},
         {367, true, 127, 0, 126, "Percussion - StyLvFunk+P"}},
    };
    int next = 0;
    for (const Run& run : runs) {
        SCOPED_TRACE(run.prefix);
        EXPECT_EQ(run.first, next) << "runs must follow each other";
        next = run.first + run.count;
        expectRow(run.firstRow);
        expectRow(run.lastRow);
        EXPECT_EQ(run.lastRow.row, next - 1);
        for (int row = run.first; row < next; ++row)
            EXPECT_TRUE(startsWith(VoiceTable::nameOfRow(row), run.prefix)) << "row " << row;
        EXPECT_FALSE(startsWith(VoiceTable::nameOfRow(run.first - 1), run.prefix));
        EXPECT_FALSE(startsWith(VoiceTable::nameOfRow(next), run.prefix));
    }
    EXPECT_EQ(next, 368);
}

TEST(VoiceTable, CustomAndXgRunsFollowTheirNumbering) {
    for (int n = 1; n <= 32; ++n) {
        const int row = 367 + n;
        char name[32];
        std::snprintf(name, sizeof name, "Custom Voice %02d", n);
        EXPECT_EQ(VoiceTable::nameOfRow(row), name);
        EXPECT_EQ(VoiceTable::keyOfRow(row), key(63, 0, n - 1));
    }
    for (int row = 400; row < VoiceTable::RowCount; ++row) {
        char number[32];
        std::snprintf(number, sizeof number, "XG%03d - ", row - 399);
        const VoiceRow& voice = kVoiceRows[row];
        EXPECT_TRUE(startsWith(voice.name, number)) << "row " << row << ": " << voice.name;
        EXPECT_GT(voice.name.size(), 8u) << "row " << row << " has no short name";
        // XG normal voices are bank MSB 0, the sound effects MSB 64 with LSB 0.
        EXPECT_EQ(voice.msb, row < 838 ? 0 : 64) << "row " << row;
        if (row >= 838) {
            EXPECT_EQ(voice.lsb, 0) << "row " << row;
        }
    }
}

TEST(VoiceTable, EveryTripleIsAValidMidiTripleAndUnique) {
    std::set<int> keys;
    for (int row = 0; row < VoiceTable::RowCount; ++row) {
        const VoiceRow& voice = kVoiceRows[row];
        EXPECT_LE(voice.msb, 127) << "row " << row;
        EXPECT_LE(voice.lsb, 127) << "row " << row;
        EXPECT_LE(voice.program, 127) << "row " << row;
        EXPECT_FALSE(voice.name.empty()) << "row " << row;
        EXPECT_TRUE(keys.insert(voice.key()).second) << "row " << row << " repeats a triple";
    }
}

TEST(VoiceTable, StoredNamesKeepDoubledAmpersands) {
    EXPECT_EQ(VoiceTable::nameOfRow(122), "Guitar - Bass&&Cymbal");
    EXPECT_EQ(VoiceTable::lookup(key(0, 114, 32)), "Guitar - Bass&&Cymbal");
    EXPECT_EQ(VoiceTable::lookup(key(0, 41, 25)), "XG105 - Stl&&Body");
    EXPECT_EQ(VoiceTable::lookup(key(0, 0, 87)), "XG298 - Bass&&Ld");
}

// The index must give what a walk down the table in box order gives, for every row and for keys
// that fall between rows or outside every bank.
TEST(VoiceTable, LookupAgreesWithTheTableForEveryKey) {
    for (int row = 0; row < VoiceTable::RowCount; ++row) {
        const int k = VoiceTable::keyOfRow(row);
        EXPECT_EQ(VoiceTable::rowOfKey(k), row);
        EXPECT_EQ(VoiceTable::lookup(k), VoiceTable::nameOfRow(row));
    }
    const int missing[] = {
        -1,               // no voice
        key(1, 2, 3),     // a triple no keyboard voice uses
        key(0, 113, 1),   // between two piano voices
        key(63, 0, 32),   // one past the last custom voice
        key(64, 0, 116),  // one past the last sound effect
        key(127, 0, 127), // above every kit
        key(255, 255, 0), // 0xFF 0xFF 0x00 is a key, not "no voice"
        key(255, 255, 255),
        0x7FFFFFFF,
    };
    for (int k : missing) {
        EXPECT_EQ(VoiceTable::rowOfKey(k), -1) << k;
        EXPECT_EQ(VoiceTable::lookup(k), "") << k;
    }
}

TEST(VoiceTable, RowAccessorsOutsideTheTable) {
    for (int row : {-1, VoiceTable::RowCount, 100000}) {
        EXPECT_EQ(VoiceTable::nameOfRow(row), "") << row;
        EXPECT_EQ(VoiceTable::keyOfRow(row), 0) << row;
        EXPECT_FALSE(VoiceTable::proOnly(row)) << row;
        EXPECT_FALSE(VoiceTable::rowAllowed(row, KeyboardModel::Psr9000Pro)) << row;
    }
}

TEST(VoiceTable, VoiceBoxTextHidesProOnlyVoicesExceptOnThePro) {
    const int liveGrand = key(0, 113, 0);
    struct Case {
        int position, itemKey;
        KeyboardModel model;
        const char* text;
    };
    const Case cases[] = {
        {0, liveGrand, KeyboardModel::Psr9000Pro, "Piano - Live!Grand"},
        {0, liveGrand, KeyboardModel::Psr9000, "<0,113,0>"},
        {0, liveGrand, KeyboardModel::None, "<0,113,0>"},
        {1, key(0, 112, 0), KeyboardModel::Psr9000, "Piano - Grand Piano"},
        {1, key(0, 112, 0), KeyboardModel::None, "Piano - Grand Piano"},
        {367, key(127, 0, 126), KeyboardModel::Psr9000, "<127,0,126>"},
        {367, key(127, 0, 126), KeyboardModel::Psr9000Pro, "Percussion - StyLvFunk+P"},
        {245, key(0, 116, 52), KeyboardModel::Psr9000, "Choir&&Pad - Live!Gospel"},
        {879, key(64, 0, 115), KeyboardModel::Psr9000, "XG480 - FireWork"},
        // The box's own item for a key that is in no row.
        {880, key(1, 2, 3), KeyboardModel::Psr9000Pro, "<1,2,3>"},
        {880, -1, KeyboardModel::Psr9000, "<255,255,255>"},
        {880, key(255, 255, 0), KeyboardModel::Psr9000, "<255,255,0>"},
        {880, key(127, 127, 127), KeyboardModel::Psr9000, "<127,127,127>"},
        {-1, key(0, 0, 0), KeyboardModel::Psr9000Pro, "<0,0,0>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoiceTable::voiceBoxText(c.position, c.itemKey, c.model), c.text)
            << "position " << c.position << " model " << static_cast<int>(c.model);
}

TEST(VoiceTable, VoiceBoxItemsSelectTheRowOrAddAnItemOfTheirOwn) {
    struct Case {
        const char* what;
        int key;
        UnknownVoiceItem rule;
        int count, selected;
    };
    const Case cases[] = {
        {"known voice", key(0, 112, 0), UnknownVoiceItem::Always, 880, 1},
        {"pro-only voice selects its row", key(0, 113, 0), UnknownVoiceItem::Always, 880, 0},
        {"last row", key(64, 0, 115), UnknownVoiceItem::UnlessNoVoice, 880, 879},
        {"unknown voice", key(1, 2, 3), UnknownVoiceItem::Always, 881, 880},
        {"unknown voice, many registrations", key(1, 2, 3), UnknownVoiceItem::UnlessNoVoice, 881,
         880},
        {"no voice", -1, UnknownVoiceItem::Always, 881, 880},
        {"no voice, many registrations", -1, UnknownVoiceItem::UnlessNoVoice, 880, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const VoiceBoxItems items = VoiceTable::voiceBoxItems(c.key, c.rule);
        EXPECT_EQ(items.count, c.count);
        EXPECT_EQ(items.selected, c.selected);
        // What is written back when the selection is kept is the registration's own key.
        if (c.selected >= 0) {
            EXPECT_EQ(items.keyAt(items.selected), c.key);
        }
        EXPECT_EQ(items.keyAt(0), key(0, 113, 0));
        EXPECT_EQ(items.keyAt(-1), -1);
        EXPECT_EQ(items.keyAt(items.count), -1);
    }
}

TEST(VoiceTable, DrumKitListsPerModel) {
    const std::vector<std::string_view> psr9000 = {
        "Live!StdKit", "Live!Funk+P", "Std.Kit1",   "Std.Kit2",  "Hit Kit",    "Room Kit",
        "Rock Kit",    "Electro Kit", "Analog Kit", "Dance Kit", "Jazz Kit",   "Brush Kit",
        "SymphonyKit", "Arabic Kit",  "SFX Kit1",   "SFX Kit2",  "StyleLvStd", "StyleLvFunk"};
    const std::vector<std::string_view> pro = {
        "Live!StdKit", "Live!FunkKt", "Live!Brush", "Live!Std+P", "Live!Funk+P", "Live!Brsh+P",
        "Std.Kit1",    "Std.Kit2",    "Hit Kit",    "Room Kit",   "Rock Kit",    "Electro Kit",
        "Analog Kit",  "Dance Kit",   "Jazz Kit",   "Brush Kit",  "SymphonyKit", "Arabic Kit",
        "Live!Cuban",  "Live!PopLtn", "SFX Kit1",   "SFX Kit2",   "StyleLvStd",  "StyleLvFunk",
        "StyLvStd+P",  "StyLvFunk+P"};
    struct Case {
        KeyboardModel model;
        const std::vector<std::string_view>* kits;
    };
    for (const Case& c :
         {Case{KeyboardModel::Psr9000, &psr9000}, Case{KeyboardModel::None, &psr9000},
          Case{KeyboardModel::Psr9000Pro, &pro}}) {
        SCOPED_TRACE(static_cast<int>(c.model));
        EXPECT_EQ(VoiceTable::drumKits(c.model), *c.kits);
        ASSERT_EQ(VoiceTable::drumKitCount(c.model), static_cast<int>(c.kits->size()));
        for (int i = 0; i < VoiceTable::drumKitCount(c.model); ++i)
            EXPECT_EQ(VoiceTable::drumKitName(i, c.model), (*c.kits)[i]);
        EXPECT_EQ(VoiceTable::drumKitName(-1, c.model), "");
        EXPECT_EQ(VoiceTable::drumKitName(VoiceTable::drumKitCount(c.model), c.model), "");
    }
    // The footswitch's Kit byte is a position in the model's list.
    EXPECT_EQ(VoiceTable::drumKitName(1, KeyboardModel::Psr9000), "Live!Funk+P");
    EXPECT_EQ(VoiceTable::drumKitName(1, KeyboardModel::Psr9000Pro), "Live!FunkKt");
}
