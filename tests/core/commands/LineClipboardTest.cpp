// Lines in the clipboard's byte form and as plain text; the reader takes hostile bytes.

#include "core/commands/LineClipboard.h"

#include "ListOperationsTestData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace tombrel;
using namespace tombrel::test;

namespace {

// Every byte of every line, hidden ones included.
bool sameLines(const ArchiveList& a, const ArchiveList& b) {
    const auto same = [](const RegEntry& x, const RegEntry& y) {
        return x.isBankLine == y.isBankLine && x.bankTitle == y.bankTitle && x.record == y.record;
    };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!same(a[i], b[i]) || a[i].isCategory != b[i].isCategory ||
            a[i].expanded != b[i].expanded || a[i].categoryName != b[i].categoryName ||
            !std::equal(a[i].hiddenChildren.begin(), a[i].hiddenChildren.end(),
                        b[i].hiddenChildren.begin(), b[i].hiddenChildren.end(), same))
            return false;
    }
    return true;
}

ArchiveList sampleArchiveLines() {
    uint8_t bytes[RegRecord::Size];
    for (size_t i = 0; i < RegRecord::Size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 % 256); // every byte value travels
    RegRecord raw = RegRecord::fromBytes(bytes);
    raw.setTitle("Caf\xE9");
    return {categoryLine("R\xF6"
                         "ck"),
            bankTitleLine("Live"), ArchiveEntry(RegEntry::registration(raw)),
            collapsedCategory("Jazz", {namedLine("Blue", false), RegEntry::bankLine("Late")}),
            categoryLine("")};
}

TEST(LineClipboard, ArchiveLinesComeBackByteForByte) {
    const ArchiveList lines = sampleArchiveLines();
    const ClipboardReadResult read = decodeClipboardLines(encodeClipboardLines(lines));
    ASSERT_TRUE(read.lines);
    EXPECT_EQ(read.lines->origin, LinesOrigin::Archive);
    EXPECT_TRUE(sameLines(read.lines->lines, lines));
}

TEST(LineClipboard, RegistrationLinesComeBackAndCrossToTheOtherPane) {
    const RegList lines{RegEntry::bankLine("Pop"), namedLine("Intro"), namedLine("Verse")};
    const ClipboardReadResult read = decodeClipboardLines(encodeClipboardLines(lines));
    ASSERT_TRUE(read.lines);
    EXPECT_EQ(read.lines->origin, LinesOrigin::Registration);
    EXPECT_EQ(entrySummary(asRegistrationLines(*read.lines)), (Lines{"[Pop]", "Intro", "Verse"}));
    EXPECT_EQ(archiveSummary(asArchiveLines(*read.lines)), (Lines{"[Pop]", "Intro", "Verse"}));
    // Archive lines on the registration pane: a category stands for its lines.
    const ClipboardReadResult archive =
        decodeClipboardLines(encodeClipboardLines(sampleArchiveLines()));
    ASSERT_TRUE(archive.lines);
    EXPECT_EQ(entrySummary(asRegistrationLines(*archive.lines)),
              (Lines{"[Live]", "Caf\xE9", "Blue", "[Late]"}));
}

TEST(LineClipboard, PlainTextIsTheListTextsInUtf8) {
    RegList lines{RegEntry::bankLine("Pop"), namedLine("Caf\xE9"), namedLine("Off", false)};
    numberRegList(lines);
    EXPECT_EQ(plainTextOf(lines),
              "<01>\tPop\n<01/1>\t        Caf\xC3\xA9\n<01/2>\t        {Off}\n");
    EXPECT_EQ(plainTextOf(ArchiveList{categoryLine("Rock"), regLine("One"),
                                      collapsedCategory("Jazz", {namedLine("Blue")})}),
              "Rock\n        One\nJazz\n        Blue\n");
}

// A registration origin, one bank title line "AB".
std::string smallImage() {
    return encodeClipboardLines(RegList{RegEntry::bankLine("AB")});
}

std::string header(uint8_t origin, uint32_t count) {
    std::string out = "TMBLINES";
    out += '\x01';
    out += static_cast<char>(origin);
    for (int k = 0; k < 4; ++k)
        out += static_cast<char>(count >> (8 * k));
    return out;
}

TEST(LineClipboard, EveryCutShortImageIsRefused) {
    const std::string image = encodeClipboardLines(sampleArchiveLines());
    for (size_t size = 0; size < image.size(); ++size) {
        const ClipboardReadResult read =
            decodeClipboardLines(std::string_view(image).substr(0, size));
        ASSERT_FALSE(read.lines) << size;
        ASSERT_EQ(read.error.message, &msg::ClipboardLinesUnreadable) << size;
    }
}

struct HostileCase {
    const char* name;
    std::string bytes;
};

class HostileClipboard : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileClipboard, IsRefusedWithTheMessage) {
    const ClipboardReadResult read = decodeClipboardLines(GetParam().bytes);
    EXPECT_FALSE(read.lines);
    EXPECT_EQ(read.error.message, &msg::ClipboardLinesUnreadable);
    EXPECT_EQ(read.error.text(Language::German),
              "Die Registrationen in der Zwischenablage können nicht gelesen werden.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileClipboard,
    ::testing::Values(
        HostileCase{"OtherText", "Intro and Verse"},
        HostileCase{"OtherVersion",
                    [] {
                        std::string s = smallImage();
                        s[8] = 2;
                        return s;
                    }()},
        HostileCase{"UnknownOrigin",
                    [] {
                        std::string s = smallImage();
                        s[9] = 7;
                        return s;
                    }()},
        HostileCase{"TrailingByte", smallImage() + "x"}, HostileCase{"NoLines", header(1, 0)},
        // Counts far beyond the bytes there are are refused before anything is reserved.
        HostileCase{"HugeCount", header(2, 0xFFFFFFFFu) + std::string(64, '\x02')},
        HostileCase{"HugeHiddenCount", header(2, 1) +
                                           std::string("\x03\x00\x01\x00Z\xFF\xFF\xFF\xFF", 9) +
                                           std::string(64, '\x02')},
        HostileCase{"UnknownKind", header(1, 1) + std::string("\x09\x00\x00", 3)},
        HostileCase{"CategoryFromTheRegistrationPane",
                    header(1, 1) + std::string("\x03\x01\x00\x00\x00\x00\x00\x00", 8)},
        HostileCase{"ExpandedCategoryWithHiddenLines",
                    header(2, 1) + std::string("\x03\x01\x00\x00\x01\x00\x00\x00\x02\x00\x00", 11)},
        HostileCase{"CategoryInsideACategory",
                    header(2, 1) +
                        std::string("\x03\x00\x00\x00\x01\x00\x00\x00\x03\x00\x00\x00", 12)},
        HostileCase{"UnknownCategoryFlags",
                    header(2, 1) + std::string("\x03\x04\x00\x00\x00\x00\x00\x00", 8)},
        HostileCase{"NulInATitle", header(1, 1) + std::string("\x02\x02\x00"
                                                              "A\x00",
                                                              5)},
        HostileCase{"TitleTooLong",
                    header(1, 1) + std::string("\x02\x01\x10", 3) + std::string(4097, 'a')},
        HostileCase{"RegistrationCutShort", header(1, 1) + "\x01" + std::string(469, 'a')}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
