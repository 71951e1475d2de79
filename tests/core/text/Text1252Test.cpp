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
