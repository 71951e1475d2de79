// The exact UTF-8 to Windows-1252 conversion that the JSON import relies on: every character
// with a byte comes through, and the first one without is named instead of becoming '?'.

#include "core/text/Text1252.h"

#include <gtest/gtest.h>

namespace tombrel {
namespace {

TEST(Text1252Test, ExactConversionKeepsEveryCharacterThatHasAByte) {
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

TEST(Text1252Test, ExactConversionNamesTheFirstCharacterWithoutAByte) {
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
