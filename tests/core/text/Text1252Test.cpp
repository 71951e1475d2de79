// UTF-8 to Windows-1252: the lenient conversion puts '?' where a character has no byte or the
// bytes are malformed; the exact one that the JSON import relies on names the first character
// without a byte instead.

#include "core/text/Text1252.h"

#include <gtest/gtest.h>

#include <string>

using namespace tombrel;

namespace {

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string expected1252;
};

} // namespace

TEST(Text1252, Utf8ToSingleByteKeepsWhatWindows1252Holds) {
    const Utf8Case cases[] = {
        {"plain ASCII", "Piano 1/2", "Piano 1/2"},
        {"NUL written plainly", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"two-byte Latin-1", "B\xC3\xA4lle \xC3\x9C", "B\xE4lle \xDC"},
        {"three-byte euro sign", "\xE2\x82\xAC", "\x80"},
        {"unassigned byte as its C1 control", "\xC2\x81", "\x81"},
        {"no Windows-1252 byte", "\xE2\x98\x83", "?"},
        {"four-byte character", "\xF0\x9F\x8E\xB9", "?"},
        {"highest code point", "\xF4\x8F\xBF\xBF", "?"},
    };
    for (const Utf8Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8To1252(c.utf8), c.expected1252);
    }
}

// Every malformed byte becomes '?', and the text after it is read on: an overlong form must never
// turn into the character it spells (a NUL ending a name early, a '/' splitting a path).
TEST(Text1252, MalformedUtf8BecomesQuestionMarks) {
    const Utf8Case cases[] = {
        {"overlong NUL", "a\xC0\x80z", "a??z"},
        {"overlong slash", "Style\xC0\xAF.sty", "Style??.sty"},
        {"overlong 'A' in two bytes", "\xC1\x81", "??"},
        {"overlong slash in three bytes", "\xE0\x80\xAF", "???"},
        {"overlong e-acute in three bytes", "\xE0\x83\xA9", "???"},
        {"overlong NUL in four bytes", "\xF0\x80\x80\x80", "????"},
        {"overlong euro sign in four bytes", "\xF0\x82\x82\xAC", "????"},
        {"surrogate half", "\xED\xA0\x80", "???"},
        {"last surrogate half", "\xED\xBF\xBF", "???"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"lead byte F5", "\xF5\x80\x80\x80", "????"},
        {"lone continuation byte", "a\x80z", "a?z"},
        {"lead byte without continuation", "\xC3z", "?z"},
        {"sequence cut short by the end", "ab\xE2\x82", "ab??"},
        {"cut short with a letter after it",
         "\xE2"
         "A",
         "?A"},
        {"byte FF", "\xFF", "?"},
    };
    for (const Utf8Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8To1252(c.utf8), c.expected1252);
    }
}

TEST(Text1252, EverySingleByteComesBackThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8To1252(utf8From1252(one)), one) << "byte " << b;
    }
}

namespace tombrel {
namespace {

TEST(Text1252, ExactConversionKeepsEveryCharacterThatHasAByte) {
    const struct {
        const char* utf8;
        const char* cp1252;
    } cases[] = {
        {"Piano", "Piano"},
        {"Caf\xc3\xa9 \xc3\x9f\xc3\xbf", "Caf\xe9 \xdf\xff"},
        {"\xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d \xc5\xa0", "\x80 \x93q\x94 \x8a"},
        // The five unassigned bytes travel as the C1 controls of the same value.
        {"\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d", "\x81\x8d\x8f\x90\x9d"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        const std::optional<std::string> out = utf8To1252Exact(c.utf8);
        ASSERT_TRUE(out);
        EXPECT_EQ(*out, c.cp1252);
        EXPECT_EQ(utf8From1252(*out), c.utf8);
    }
}

TEST(Text1252, ExactConversionNamesTheFirstCharacterWithoutAByte) {
    const struct {
        const char* utf8;
        const char* offending;
    } cases[] = {
        {"Tick \xe2\x9c\x93 and \xe2\x98\x83", "\xe2\x9c\x93"}, // check mark, then snowman
        {"\xc2\x80", "\xc2\x80"},                               // a C1 control that 0x80 is not
        {"Emoji \xf0\x9f\x8e\xb9", "\xf0\x9f\x8e\xb9"},
        {"bad \xff byte", "\xff"},
        {"cut \xc3", "\xc3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        std::string offending;
        EXPECT_FALSE(utf8To1252Exact(c.utf8, &offending));
        EXPECT_EQ(offending, c.offending);
        // The display conversion still substitutes, as before.
        EXPECT_NE(utf8To1252(c.utf8).find('?'), std::string::npos);
    }
}

} // namespace
} // namespace tombrel
