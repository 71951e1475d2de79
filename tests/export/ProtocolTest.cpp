#include "export/Protocol.h"

#include "core/names/StyleNameTable.h"
#include "core/names/VoiceTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tombrel;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

RegEntry registration(const std::string& title) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    return RegEntry::registration(r);
}

RegList oneBank(const std::vector<RegEntry>& registrations, const std::string& bankTitle) {
    RegList lines{RegEntry::bankLine(bankTitle)};
    int slot = 0;
    for (RegEntry e : registrations) {
        e.bankNumber = 0;
        e.entryNumber = slot++;
        lines.push_back(e);
    }
    return lines;
}

std::string registrationProtocol(ProtocolType type, const RegList& lines) {
    std::ostringstream out;
    StyleNameTable styles;
    writeRegistrationProtocol(out, type, lines, styles);
    return out.str();
}

std::string archiveProtocol(ProtocolType type, const ArchiveList& list) {
    std::ostringstream out;
    StyleNameTable styles;
    writeArchiveProtocol(out, type, list, styles);
    return out.str();
}

} // namespace

TEST(Protocol, EmptyRegistrationsGiveNoLineButTheirBlockUnderAnotherTitleDoes) {
    for (ProtocolType type : {ProtocolType::Blank, ProtocolType::Tab}) {
        const auto lines = linesOf(registrationProtocol(
            type, oneBank({RegEntry::registration(RegRecord::empty()), registration("Piano")},
                          "Bank A")));
        const size_t headerLines = type == ProtocolType::Blank ? 2 : 1;
        ASSERT_EQ(lines.size(), headerLines + 1);
        EXPECT_NE(lines.back().find("Piano"), std::string::npos);
    }
}

TEST(Protocol, BlankRegistrationSideHasBankColumnAndAlignedHeader) {
    const auto lines = linesOf(registrationProtocol(
        ProtocolType::Blank, oneBank({registration("One"), registration("Two")}, "Live")));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("| Bank | Bank Title       | Entry            | Style", 0), 0u);
    EXPECT_EQ(lines[1].rfind("|------|------------------|------------------|-----", 0), 0u);
    EXPECT_EQ(lines[2].rfind("| 01/1 | Live             | One              | ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("| 01/2 | Live             | Two              | ", 0), 0u);
    // Header, separator and rows with short texts all have the same width and bar positions.
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), lines[0].size()) << line;
        for (size_t i = 0; i < line.size(); ++i) {
            if (lines[1][i] == '|') {
                EXPECT_EQ(line[i], '|') << "column " << i << " of " << line;
            }
        }
    }
    // Part header cells: the name from the second character, "Vol." at characters 41 to 44.
    const size_t rhy1 = lines[0].find("| Rhy1");
    ASSERT_NE(rhy1, std::string::npos);
    EXPECT_EQ(lines[0].substr(rhy1 + 41, 5), "Vol. ");
    EXPECT_EQ(lines[0].substr(rhy1 + 46, 6), "| Rhy2");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 86), "| Song-Title" + std::string(73, ' ') + "|");
}

TEST(Protocol, TabHeaderNamesEveryColumn) {
    const auto lines = linesOf(registrationProtocol(ProtocolType::Tab, {}));
    ASSERT_EQ(lines.size(), 1u);
    const auto names = fieldsOf(lines[0]);
    ASSERT_EQ(names.size(), 57u); // "Bank" and the 56 columns
    EXPECT_EQ(names[0], "Bank");
    EXPECT_EQ(names[1], "BankTitle");
    EXPECT_EQ(names[16], "Rhy1-OnOff");
    EXPECT_EQ(names[55], "Phr2-Vol");
    EXPECT_EQ(names[56], "Song-Title");
    EXPECT_EQ(linesOf(archiveProtocol(ProtocolType::Tab, {}))[0], lines[0].substr(5));
}

TEST(Protocol, FieldRendering) {
    RegEntry e = registration("Field test");
    RegRecord& r = e.record;
    r.setTempo(0x0078);
    r.setVariation(8);
    r.setHold(true);
    r.setStyleIndex(1);
    r.setVoiceOn(VoicePart::R2, true);
    r.setVoice(VoicePart::R2, VoiceTable::keyOf(0, 116, 52));
    r.setPartOn(AccPart::Rhy1, true);
    r.setPartSetVoice(AccPart::Rhy1, false);
    r.setPartSetVolume(AccPart::Rhy1, false);
    r.setPartVolume(AccPart::Rhy1, 100);
    r.setPartOn(AccPart::Rhy2, false);
    r.setPartSetVoice(AccPart::Rhy2, true);
    r.setPartSetVolume(AccPart::Rhy2, true);
    r.setSongPath("FDDRV:SONGS/A.MID");
    StyleNameTable styles;
    const std::string rhy1Voice(VoiceTable::lookup(r.partVoice(AccPart::Rhy1)));

    const auto tab =
        fieldsOf(linesOf(registrationProtocol(ProtocolType::Tab, oneBank({e}, "B")))[1]);
    ASSERT_EQ(tab.size(), 57u);
    EXPECT_EQ(tab[0], "01/1");
    EXPECT_EQ(tab[3], styles.longName(1));
    EXPECT_EQ(tab[4], "120");
    EXPECT_EQ(tab[5], "MainA");
    EXPECT_EQ(tab[8], "*Choir&&Pad - Live!Gospel");
    EXPECT_EQ(tab[14], "Hold");
    const std::vector<std::string> rhy1{"on", "", rhy1Voice, "", "100"};
    EXPECT_EQ(std::vector<std::string>(tab.begin() + 16, tab.begin() + 21), rhy1);
    EXPECT_EQ(tab[21], "off");
    EXPECT_EQ(tab[22], "set");
    EXPECT_EQ(tab[24], "set");
    EXPECT_EQ(tab[56], "FDDRV:SONGS/A.MID");

    const std::string blank =
        linesOf(registrationProtocol(ProtocolType::Blank, oneBank({e}, "B")))[2];
    EXPECT_NE(blank.find("|  120  |  Main A   |"), std::string::npos) << blank;
    EXPECT_NE(blank.find("| * Choir&&Pad - Live!Gospel "), std::string::npos);
    EXPECT_NE(blank.find("|  *   |"), std::string::npos);
    char cell[80];
    std::snprintf(cell, sizeof cell, "| on       %-25s      100 |", rhy1Voice.c_str());
    EXPECT_NE(blank.find(cell), std::string::npos) << blank;

    r.setTempo(0x012C);
    r.setStyleIndex(248); // a disk style: the style column stays empty
    const auto tab2 =
        fieldsOf(linesOf(registrationProtocol(ProtocolType::Tab, oneBank({e}, "B")))[1]);
    EXPECT_EQ(tab2[4], "300");
    EXPECT_EQ(tab2[3], "");
}

TEST(Protocol, NormalisesSplitPointsWithoutChangingThePane) {
    RegEntry e = registration("Split");
    e.record.setSplitLeft(60);
    e.record.setSplitRight(39);
    const RegList lines = oneBank({e}, "B");
    const RegList before = lines;
    registrationProtocol(ProtocolType::Tab, lines);
    EXPECT_EQ(lines[1].record, before[1].record);
}

TEST(Protocol, ArchiveListsCollapsedAndExpandedCategories) {
    ArchiveList list;
    ArchiveEntry collapsed = ArchiveEntry::category("Pop");
    collapsed.hiddenChildren = {registration("Before"), RegEntry::bankLine("Ballads"),
                                registration("Hidden")};
    list.push_back(collapsed);
    ArchiveEntry expanded = ArchiveEntry::category("Rock");
    expanded.expanded = true;
    list.push_back(expanded);
    list.push_back(ArchiveEntry(RegEntry::bankLine("Stale")));
    list.push_back(ArchiveEntry(registration("Inline")));
    list.push_back(ArchiveEntry::category("Jazz"));
    list.back().hiddenChildren = {registration("Fresh")};

    const auto lines = linesOf(archiveProtocol(ProtocolType::Tab, list));
    ASSERT_EQ(lines.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"", "Before"}, {"Ballads", "Hidden"}, {"Stale", "Inline"}, {"", "Fresh"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto fields = fieldsOf(lines[i + 1]);
        EXPECT_EQ(fields[0], expected[i].first);
        EXPECT_EQ(fields[1], expected[i].second);
    }
    const auto blank = linesOf(archiveProtocol(ProtocolType::Blank, list));
    ASSERT_EQ(blank.size(), 6u);
    EXPECT_EQ(blank[2].rfind("|                  | Before           |", 0), 0u);
}

TEST(Protocol, LongTextsWidenTheirCellsInsteadOfBeingCut) {
    RegEntry e = registration("T");
    e.record.setSongPath(std::string(82, 'S'));
    const std::string line =
        linesOf(registrationProtocol(ProtocolType::Blank, oneBank({e}, "B")))[2];
    EXPECT_EQ(line.substr(line.size() - 86), "| " + std::string(82, 'S') + " |");
}

TEST(Protocol, FileIsWrittenOrTheMessageIsGiven) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "tombrel_protocol_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    StyleNameTable styles;
    const RegList lines = oneBank({registration("Piano")}, "B");
    const std::string path = (dir / "out.txt").string();
    EXPECT_FALSE(writeRegistrationProtocolFile(path, ProtocolType::Tab, lines, styles));
    {
        // Closed before the folder goes: Windows removes no open file.
        std::ifstream in(path, std::ios::binary);
        const std::string written((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(written, registrationProtocol(ProtocolType::Tab, lines));
    }

    const auto failed = writeArchiveProtocolFile((dir / "missing" / "x.txt").string(),
                                                 ProtocolType::Blank, {}, styles);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->text(Language::English), "Error creating protocol file!");
    EXPECT_EQ(failed->text(Language::German), "Fehler beim Erstellen der Protokolldatei!");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(Protocol, NumbersKeepTheirCellsAtEveryWidth) {
    // Tempo, volume and bank number as one, two and three digits; a bank title cut by a NUL
    // ends there, as the keyboard's text does.
    struct Case {
        int tempo;
        int volume;
        int bank;
        const char* blankTempo;
        const char* blankVolume;
        const char* bankCell;
    };
    const Case cases[] = {
        {5, 0, 0, "|    5  |", "|     0   |", "| 01/1 |"},
        {60, 99, 9, "|   60  |", "|    99   |", "| 10/1 |"},
        {300, 127, 63, "|  300  |", "|   127   |", "| 64/1 |"},
    };
    for (const Case& c : cases) {
        RegEntry e = registration("Widths");
        e.record.setTempo(c.tempo);
        e.record.setVolume(VoicePart::R1, c.volume);
        RegList lines = oneBank({e}, std::string("Bank\0hidden", 11));
        lines[1].bankNumber = c.bank;
        const std::string blank = linesOf(registrationProtocol(ProtocolType::Blank, lines))[2];
        EXPECT_NE(blank.find(c.blankTempo), std::string::npos) << blank;
        EXPECT_NE(blank.find(c.blankVolume), std::string::npos) << blank;
        EXPECT_EQ(blank.rfind(std::string(c.bankCell) + " Bank             | Widths ", 0), 0u)
            << blank;
        const auto tab = fieldsOf(linesOf(registrationProtocol(ProtocolType::Tab, lines))[1]);
        EXPECT_EQ(tab[1], "Bank");
        EXPECT_EQ(tab[4], std::to_string(c.tempo));
        EXPECT_EQ(tab[7], std::to_string(c.volume));
    }
}
