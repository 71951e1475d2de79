#include "core/names/StyleNameTable.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/FlashStyleBackup.h"
#include "core/record/RegRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace tombrel;

namespace {

struct Row {
    int first;
    const char* category;
    std::vector<const char*> names;
};

// The preset list as the keyboard's manual prints it, group by group.
const std::vector<Row>& presetRows() {
    static const std::vector<Row> rows = {
        {0, "8 Beat", {"Heart Beat",   "8 Beat 1",      "8 Beat 2",        "8 Beat 3",
                       "8 Beat 4",     "6/8 Slow Rock", "Spicy Beat",      "8 Beat Adria",
                       "Off Beat",     "8 Beat Rock1",  "Piano Ballad",    "Guitar Ballad",
                       "Organ Ballad", "Love Song",     "8 Beat Ballad 1", "Acoustic Ballad",
                       "Modern 6/8",   "Root Rock 1",   "Soft Rock",       "Hard Rock"}},
        {20,
         "16 Beat",
         {"16 Beat 1", "16 Beat 2", "16 Beat 3", "16 Beat 4", "Slow && Easy", "Smooth Jazz",
          "Uptown Beat", "Jazz Rock", "Kool Shuffle", "West End Shuffle"}},
        {30,
         "Dance",
         {"House Musik", "DJ Berlin", "Trance 1", "Hip Hop", "Trip Hop", "Disco Chocolate",
          "70's Disco", "Saturday Night", "Disco Fox", "Techno-Polis", "Euro Shop", "Entrance",
          "Clubdance", "Flip Hop", "Disco Samba"}},
        {45,
         "Swing && Jazz",
         {"Big Band 1", "Big Band 2", "Big Band 3", "Swing 1", "Swing 2", "Acoustic Jazz",
          "Electric Jazz", "Jazz Ballad 1", "Gypsy Swing", "Swingfox", "Dixieland", "Ragtime",
          "Big Band Ballad", "Shuffle", "Piano Swing"}},
        {60,
         "R && B",
         {"Soul Shuffle", "Soul", "Modern R&B", "Rock && Roll", "Croco Twist", "Gospel Brothers",
          "Gospel Sisters", "Gospel Shuffle", "6/8 Blues", "Boogie Woogie 1", "Amazing Gospel",
          "Blueberry Blues", "60's Rock && Roll", "Funky Fusion", "Rock Shuffle"}},
        {75,
         "Country",
         {"Country Rock", "Country 2/4", "Country Swing 1", "Country Shuffle 1", "Country Ballad",
          "Country Waltz", "Bluegrass 1", "Hoedown", "Country Brothers", "Guitar Pop"}},
        {85,
         "Latin",
         {"Samba City", "Samba Rio", "Bossa Nova", "Fast Bossa", "Mambo 1", "Caribbean", "Carnival",
          "Gypsy Rumba", "Pop Rumba", "Sheriff Reggae"}},
        {95,
         "March && Waltz",
         {"US March", "German March 1", "6/8 March", "Polka Oberkrainer", "Waltz Oberkrainer",
          "Guitar Serenade", "Tarantella 1", "Polka Pop 1", "Jazz Waltz", "Slow Waltz"}},
        {105,
         "Ballroom",
         {"Viennese Waltz",
          "English Waltz",
          "Slowfox 1",
          "Quickstep",
          "Tango",
          "Samba",
          "Rumba",
          "Cha Cha Cha",
          "Pasodoble 1",
          "Jive",
          "Metronome 1/4",
          "Metronome 2/4",
          "Metronome 3/4",
          "Metronome 4/4",
          "Metronome 6/8",
          "Bass Chord Hold 1",
          "Bass Chord Hold 2",
          "Bass Chord Hold 3",
          "Bass Chord Hold 4",
          "Bass Chord Hold 5"}},
    };
    return rows;
}

// The factory flash styles bank by bank; missing numbers are empty places.
const std::vector<std::vector<const char*>>& factoryBanks() {
    static const std::vector<std::vector<const char*>> banks = {
        {"60's Rock 1", "60's Rock 2", "8 Beat 5", "8BeatRock2", "8BeatRock3", "8Bt Ballad2",
         "Barock", "Root Rock 2", "Root Rock 3", "Slow Rock"},
        {"UptownShffl", "LA Groove", "Funk", "AnalgBallad", "Hip Hop Pop", "16BtBallad1",
         "16BtBallad2", "EP Ballad", "Pop Ballad", "16RkBallad"},
        {"6/8 Trance", "16DanceShfl", "70's Disco2", "Dance Funk", "Dance Soul", "Disco",
         "DiscoFusion", "DiscoHands", "Eurobeat", "Groundbeat", "Handbag", "Party Pop",
         "Soul Dance", "Techno 1", "Trance 2"},
        {"Bebop", "BBandShffle", "Cat Groove", "Foxtrot 1", "Foxtrot 2", "JazzBallad2",
         "LoungePiano", "MidnightSwg", "Miller Bld", "OrganQckstp", "Vocal Swing", "Jazz Singer"},
        {"16Beat Funk", "60's Rock 3", "BluesShffle", "Boogie 2", "LovelyShffl", "Motown",
         "Motown Soul", "Soul Beat", "Pop Shuffle", "Twist"},
        {"Bluegrass 2", "Carpenter", "C.TwoStep", "Cntry8Beat1", "Cntry8Beat2", "Country Pop",
         "CntrySwing2", "Cowboy Boog", "Cowboy Rock", "SingerSongW"},
        {"Espagnole", "RumbaFlamen", "Salsa", "RumbaIsland", "Piano Rumba", "Beguine",
         "GuitarBossa", "Bossa Band", "HappyReggae", "JumboReggae"},
        {"Showtune", "Polka Pop 2", "Ger.March 2", "Jig", "Reel", "Musette", "Swing Waltz",
         "Pop Waltz", "Christ 3/4", "Christ 4/4"},
    };
    return banks;
}

const char* const kNumerals[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII"};

std::string numbered(int bank, int number) {
    return std::string("Flash ") + kNumerals[bank - 1] + " - <" + std::to_string(number) + ">";
}

} // namespace

TEST(StyleNameTable, PresetStylesByGroup) {
    const StyleNameTable table;
    int count = 0;
    for (const Row& row : presetRows()) {
        for (size_t i = 0; i < row.names.size(); ++i) {
            const int index = row.first + static_cast<int>(i);
            EXPECT_EQ(table.shortName(index), row.names[i]) << index;
            EXPECT_EQ(table.longName(index), std::string(row.category) + " - " + row.names[i])
                << index;
        }
        count += static_cast<int>(row.names.size());
    }
    EXPECT_EQ(count, kPresetStyleCount);
    EXPECT_EQ(table.longName(0), "8 Beat - Heart Beat");
    EXPECT_EQ(table.longName(6), "8 Beat - Spicy Beat");
    EXPECT_EQ(table.longName(7), "8 Beat - 8 Beat Adria");
    EXPECT_EQ(table.longName(124), "Ballroom - Bass Chord Hold 5");
}

TEST(StyleNameTable, FactoryNamesDependOnTheModel) {
    for (const bool pro : {false, true}) {
        StyleNameTable table;
        table.fillFactoryNames(pro);
        for (int bank = 1; bank <= 8; ++bank) {
            const auto& names = factoryBanks()[static_cast<size_t>(bank - 1)];
            for (int number = 1; number <= kFlashStylesPerBank; ++number) {
                const int index = kFirstFlashStyle + (bank - 1) * 15 + number - 1;
                const bool proOnly = bank == 4 && (number == 11 || number == 12);
                const bool named = static_cast<size_t>(number) <= names.size() && (pro || !proOnly);
                if (named) {
                    const std::string name = names[static_cast<size_t>(number - 1)];
                    EXPECT_EQ(table.shortName(index), name) << index;
                    EXPECT_EQ(table.longName(index),
                              std::string("Flash ") + kNumerals[bank - 1] + " - " + name)
                        << index;
                } else {
                    EXPECT_EQ(table.shortName(index), numbered(bank, number)) << index;
                    EXPECT_EQ(table.longName(index), numbered(bank, number)) << index;
                }
            }
        }
        EXPECT_EQ(table.longName(125 + 55), pro ? "Flash IV - Vocal Swing" : "Flash IV - <11>");
        EXPECT_EQ(table.longName(125 + 56), pro ? "Flash IV - Jazz Singer" : "Flash IV - <12>");
        EXPECT_EQ(table.longName(125 + 35), "Flash III - Disco");
        // The presets are untouched.
        EXPECT_EQ(table.longName(124), "Ballroom - Bass Chord Hold 5");
    }
}

TEST(StyleNameTable, DefaultNamesNumberEveryFlashPlace) {
    StyleNameTable table;
    table.fillFactoryNames(true);
    table.fillDefaultNames();
    for (int p = 0; p < kFlashStyleCount; ++p) {
        const std::string expected = numbered(p / 15 + 1, p % 15 + 1);
        EXPECT_EQ(table.shortName(kFirstFlashStyle + p), expected);
        EXPECT_EQ(table.longName(kFirstFlashStyle + p), expected);
    }
    EXPECT_EQ(table.longName(125), "Flash I - <1>");
    EXPECT_EQ(table.longName(244), "Flash VIII - <15>");
    // A fresh table starts the same way.
    EXPECT_EQ(StyleNameTable().longName(244), "Flash VIII - <15>");
}

TEST(StyleNameTable, BankNumerals) {
    const struct {
        int bank;
        const char* numeral;
    } cases[] = {{0, ""},    {1, "I"},    {2, "II"}, {3, "III"}, {4, "IV"}, {5, "V"}, {6, "VI"},
                 {7, "VII"}, {8, "VIII"}, {9, "IX"}, {10, "X"},  {11, ""},  {-1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(bankNumeral(c.bank), c.numeral) << c.bank;
}

TEST(StyleNameTable, IndividualNames) {
    const struct {
        int position;
        const char* text;
        const char* shortName;
        const char* longName;
    } cases[] = {
        {0, "Disco", "Disco", "Flash I - Disco"},
        {16, "no data", "Flash II - <2>", "Flash II - <2>"},
        {17, "NO DATA", "Flash II - <3>", "Flash II - <3>"},
        {18, "No Data 2", "No Data 2", "Flash II - No Data 2"},
        {0, "", "", "Flash I - "},
        {119, "Padded  ", "Padded  ", "Flash VIII - Padded  "},
    };
    for (const auto& c : cases) {
        StyleNameTable table;
        table.fillFactoryNames(true);
        table.setIndividualName(c.position, c.text);
        EXPECT_EQ(table.shortName(kFirstFlashStyle + c.position), c.shortName) << c.text;
        EXPECT_EQ(table.longName(kFirstFlashStyle + c.position), c.longName) << c.text;
    }
    StyleNameTable table;
    const StyleNameTable before;
    table.setIndividualName(-1, "X");
    table.setIndividualName(120, "X");
    for (int i = 0; i < kInternalStyleCount; ++i)
        EXPECT_EQ(table.longName(i), before.longName(i));
}

TEST(StyleNameTable, NamesOutsideTheTableAreEmpty) {
    const StyleNameTable table;
    for (const int index : {-1, 245, 494, 1000}) {
        EXPECT_EQ(table.shortName(index), "") << index;
        EXPECT_EQ(table.longName(index), "") << index;
    }
}

TEST(StyleNameTable, DisplayNameOfEveryKindOfStyle) {
    StyleNameTable table;
    table.fillDefaultNames();
    DiskStyleTexts disk;
    disk.fillDiskNumberNames();

    const struct {
        int index;
        const char* text;
    } cases[] = {
        {0, "8 Beat - Heart Beat"}, {7, "8 Beat - 8 Beat Adria"}, {125, "Flash I - <1>"},
        {244, "Flash VIII - <15>"}, {245, "DiskStyle <001>"},     {248, "DiskStyle <004>"},
        {494, "DiskStyle <250>"},
    };
    for (const auto& c : cases) {
        RegRecord record = RegRecord::empty();
        record.setStyleIndex(c.index);
        EXPECT_EQ(table.styleDisplayName(record.styleIndex(), disk), c.text) << c.index;
    }
    EXPECT_EQ(table.styleDisplayName(-1, disk), std::nullopt);
    EXPECT_EQ(table.styleDisplayName(495, disk), std::nullopt);
}

// ---- FlashStyle backup -----------------------------------------------------------------------

namespace {

class FlashStyleBackupFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("tombrel_flash_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // A backup head with the signature and every record holding "Style <p>".
    static std::vector<uint8_t> backup(size_t size = kFlashStyleBackupReadSize) {
        std::vector<uint8_t> bytes(size, 0xAA);
        std::memcpy(bytes.data(), kFlashStyleBackupSignature.data(), 16);
        for (int p = 0; p < kFlashStyleCount && 32 + 512 * (p + 1) <= static_cast<int>(size); ++p)
            setRecord(bytes, p, "Style " + std::to_string(p));
        return bytes;
    }
    static void setRecord(std::vector<uint8_t>& bytes, int position, const std::string& text) {
        uint8_t* record = bytes.data() + 32 + 512 * position;
        std::memset(record, 0, 512);
        std::memcpy(record, text.data(), text.size());
    }
    std::string write(const std::vector<uint8_t>& bytes, const char* name = "STY.bup") {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path dir_;
};

const Message* messageOf(const FlashStyleBackupResult& result) {
    const auto* message = std::get_if<UserMessage>(&result);
    return message ? message->message : nullptr;
}

} // namespace

TEST_F(FlashStyleBackupFile, NamesComeFromTheRecords) {
    std::vector<uint8_t> bytes = backup(kFlashStyleBackupReadSize + 1000); // longer is fine
    setRecord(bytes, 0, "Disco");
    setRecord(bytes, 1, "no data");
    setRecord(bytes, 2, "No DATA");
    setRecord(bytes, 3, "No Data 2");
    setRecord(bytes, 4, "");
    setRecord(bytes, 119, "Last");
    const FlashStyleBackupResult result = readFlashStyleBackup(write(bytes));
    ASSERT_TRUE(std::holds_alternative<FlashStyleNames>(result));
    const FlashStyleNames& names = std::get<FlashStyleNames>(result);
    EXPECT_TRUE(names.unterminated.empty());

    StyleNameTable table;
    table.fillFactoryNames(true);
    table.setIndividualNames(names.names);
    const struct {
        int index;
        const char* shortName;
        const char* longName;
    } expected[] = {
        {125, "Disco", "Flash I - Disco"},
        {126, "Flash I - <2>", "Flash I - <2>"},
        {127, "Flash I - <3>", "Flash I - <3>"},
        {128, "No Data 2", "Flash I - No Data 2"},
        {129, "", "Flash I - "},
        {130, "Style 5", "Flash I - Style 5"},
        {244, "Last", "Flash VIII - Last"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(table.shortName(e.index), e.shortName) << e.index;
        EXPECT_EQ(table.longName(e.index), e.longName) << e.index;
    }
}

TEST_F(FlashStyleBackupFile, RefusedFiles) {
    std::vector<uint8_t> wrongSignature = backup();
    wrongSignature[1] = 0x61;
    std::vector<uint8_t> secondDisk = backup();
    std::memset(secondDisk.data(), 0, 16);

    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const Message* message;
    } cases[] = {
        {"short", backup(kFlashStyleBackupReadSize - 1), &msg::ErrorReadingFlashStyleData},
        {"empty", {}, &msg::ErrorReadingFlashStyleData},
        {"signature", wrongSignature, &msg::FlashStyleNamesNotInFile},
        {"zeros", secondDisk, &msg::FlashStyleNamesNotInFile},
        {"exact", backup(), nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageOf(readFlashStyleBackup(write(c.bytes, c.name))), c.message) << c.name;

    EXPECT_EQ(messageOf(readFlashStyleBackup((dir_ / "missing.bup").string())),
              &msg::ErrorOpeningFlashStyleBackup);
    EXPECT_EQ(messageOf(readFlashStyleBackup(dir_.string())), &msg::ErrorOpeningFlashStyleBackup);
    const FlashStyleBackupResult missing = readFlashStyleBackup((dir_ / "x").string());
    const auto* opening = std::get_if<UserMessage>(&missing);
    ASSERT_NE(opening, nullptr);
    EXPECT_FALSE(opening->platformError.empty());
    EXPECT_EQ(opening->text(Language::German), "Fehler beim Öffnen des Flash-Style Backups!");
    const UserMessage notIncluded{&msg::FlashStyleNamesNotInFile, {}, {}};
    EXPECT_EQ(
        notIncluded.text(Language::English),
        "The FlashStyle information is not included in this file / backup!\n\n(They must be on "
        "another disk of this backup set.)");
}

TEST_F(FlashStyleBackupFile, RecordWithoutZeroByteStopsAtItsEnd) {
    std::vector<uint8_t> bytes = backup();
    std::memset(bytes.data() + 32 + 512 * 7, 'A', 512);
    std::memset(bytes.data() + 32 + 512 * 119, 'Z', 512);
    const FlashStyleBackupResult result = parseFlashStyleBackup(bytes);
    ASSERT_TRUE(std::holds_alternative<FlashStyleNames>(result));
    const FlashStyleNames& names = std::get<FlashStyleNames>(result);
    EXPECT_EQ(names.names[7], std::string(512, 'A'));
    EXPECT_EQ(names.names[8], "Style 8");
    EXPECT_EQ(names.names[119], std::string(512, 'Z'));
    EXPECT_EQ(names.unterminated, (std::vector<int>{7, 119}));
}
