// The pull reader against an independent JSON parser: on a table of well-formed and broken texts
// both must agree on what is JSON, strings must come out unescaped alike, and a syntax error must
// be placed where the text goes wrong.

#include "textform/JsonReader.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace tombrel::textform {
namespace {

// Reads the whole text; true when it is one well-formed JSON value.
bool readsWhole(std::string_view text) {
    JsonReader reader(text);
    for (;;) {
        const JsonToken t = reader.next();
        if (t == JsonToken::End)
            return true;
        if (t == JsonToken::Error)
            return false;
    }
}

TEST(JsonReaderTest, AgreesWithAnIndependentParserOnWhatIsJson) {
    const std::vector<std::string> texts = {
        "{}",
        "[]",
        " [ ] ",
        "{\"a\":1}",
        "{\"a\":[1,true,false,null,\"x\"]}",
        "0",
        "-0",
        "12",
        "1.5",
        "-1.5e-3",
        "1E+5",
        "\"\"",
        "\"\\u00e9\\n\\t\\\\\\/\\\"\"",
        "\"\\ud83d\\ude00\"",
        "\"\xc3\xa9\"",
        "{\"a\":{\"b\":{}}}",
        "[[],[[]]]",
        // broken
        "",
        " ",
        "{",
        "[",
        "[1,]",
        "{\"a\":1,}",
        "{,}",
        "01",
        "-",
        "1.",
        "1e",
        ".5",
        "+1",
        "\"\\ud800\"",
        "\"\\udc00x\"",
        "\"\\x\"",
        "\"\\u12\"",
        "\"\xff\"",
        "\"\xc3\"",
        "\"\xed\xa0\x80\"",
        "\"\xc0\xaf\"",
        "\"a\nb\"",
        "\"a\tb\"",
        "[1 2]",
        "{\"a\" 1}",
        "{1:2}",
        "{\"a\":}",
        "tru",
        "nulll",
        "[1]x",
        "{} {}",
        "[\"a\"",
        "{\"a\":1",
        "'a'",
        "[NaN]",
        "[1,,2]",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readsWhole(text), nlohmann::json::accept(text));
    }
}

TEST(JsonReaderTest, UnescapesStringsAsAnIndependentParserDoes) {
    const std::vector<std::string> texts = {
        "\"plain\"",           "\"\\u0041\\u00DF\\u20ac\"", "\"a\\\"b\\\\c\"",
        "\"\\b\\f\\n\\r\\t\"", "\"\\ud834\\udd1e tail\"",   "\"Caf\xc3\xa9 \\u00e9\"",
        "\"\\u0000nul\"",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        JsonReader reader(text);
        ASSERT_EQ(reader.next(), JsonToken::String);
        EXPECT_EQ(std::string(reader.text()), nlohmann::json::parse(text).get<std::string>());
    }
}

TEST(JsonReaderTest, GivesTokensKeysAndIntegersInOrder) {
    JsonReader reader("{\"Tempo\": 96, \"On\": true, \"x\": [-7, 2.5, null]}");
    EXPECT_EQ(reader.next(), JsonToken::BeginObject);
    EXPECT_EQ(reader.next(), JsonToken::Key);
    EXPECT_EQ(reader.text(), "Tempo");
    EXPECT_EQ(reader.next(), JsonToken::Number);
    EXPECT_TRUE(reader.isInteger());
    EXPECT_EQ(reader.integer(), 96);
    EXPECT_EQ(reader.next(), JsonToken::Key);
    EXPECT_EQ(reader.next(), JsonToken::True);
    EXPECT_EQ(reader.next(), JsonToken::Key);
    EXPECT_EQ(reader.next(), JsonToken::BeginArray);
    EXPECT_EQ(reader.next(), JsonToken::Number);
    EXPECT_EQ(reader.integer(), -7);
    EXPECT_EQ(reader.next(), JsonToken::Number);
    EXPECT_FALSE(reader.isInteger());
    EXPECT_EQ(reader.text(), "2.5");
    EXPECT_EQ(reader.next(), JsonToken::Null);
    EXPECT_EQ(reader.next(), JsonToken::EndArray);
    EXPECT_EQ(reader.next(), JsonToken::EndObject);
    EXPECT_EQ(reader.next(), JsonToken::End);
}

TEST(JsonReaderTest, NumbersPastSixtyFourBitsAreNotIntegers) {
    const struct {
        const char* text;
        bool integer;
        int64_t value;
    } cases[] = {
        {"9223372036854775807", true, INT64_MAX},
        {"-9223372036854775808", true, INT64_MIN},
        {"9223372036854775808", false, 0},
        {"123456789012345678901234567890", false, 0},
        {"1e2", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        JsonReader reader(c.text);
        ASSERT_EQ(reader.next(), JsonToken::Number);
        EXPECT_EQ(reader.isInteger(), c.integer);
        if (c.integer) {
            EXPECT_EQ(reader.integer(), c.value);
        }
    }
}

TEST(JsonReaderTest, PlacesASyntaxErrorAtItsLineAndColumn) {
    const struct {
        const char* text;
        int line, column;
        JsonSyntaxProblem problem;
    } cases[] = {
        {"{\n  \"a\": tru\n}", 2, 8, JsonSyntaxProblem::BadLiteral},
        {"{\n  \"a\": 1\n  \"b\": 2\n}", 3, 3, JsonSyntaxProblem::UnexpectedCharacter},
        {"[1,\n2,\n]", 3, 1, JsonSyntaxProblem::UnexpectedCharacter},
        {"{\"a\": \"x", 1, 9, JsonSyntaxProblem::UnexpectedEnd},
        {"[01]", 1, 3, JsonSyntaxProblem::BadNumber},
        {"[\"\\q\"]", 1, 3, JsonSyntaxProblem::BadEscape},
        {"[\"a\tb\"]", 1, 4, JsonSyntaxProblem::ControlInString},
        {"[\"\xff\"]", 1, 3, JsonSyntaxProblem::BadUtf8},
        {"{}\n\n  x", 3, 3, JsonSyntaxProblem::TrailingText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        JsonReader reader(c.text);
        JsonToken t;
        do {
            t = reader.next();
        } while (t != JsonToken::Error && t != JsonToken::End);
        ASSERT_EQ(t, JsonToken::Error);
        EXPECT_EQ(reader.problem(), c.problem);
        EXPECT_EQ(reader.position().line, c.line);
        EXPECT_EQ(reader.position().column, c.column);
    }
}

TEST(JsonReaderTest, RefusesNestingPastItsLimitInsteadOfFollowingIt) {
    const std::string deep = std::string(300, '[') + std::string(300, ']');
    JsonReader reader(deep);
    JsonToken t;
    do {
        t = reader.next();
    } while (t != JsonToken::Error && t != JsonToken::End);
    EXPECT_EQ(t, JsonToken::Error);
    EXPECT_EQ(reader.problem(), JsonSyntaxProblem::TooDeep);
}

TEST(JsonReaderTest, SkipsAWholeValueAndGoesOnAfterIt) {
    JsonReader reader("[{\"a\": [1, {\"b\": 2}]}, 7]");
    EXPECT_EQ(reader.next(), JsonToken::BeginArray);
    EXPECT_EQ(reader.next(), JsonToken::BeginObject);
    EXPECT_TRUE(reader.skipValue());
    EXPECT_EQ(reader.next(), JsonToken::Number);
    EXPECT_EQ(reader.integer(), 7);
    EXPECT_EQ(reader.next(), JsonToken::EndArray);
    EXPECT_EQ(reader.next(), JsonToken::End);
}

TEST(JsonReaderTest, ABomBeforeTheDocumentIsSkipped) {
    EXPECT_TRUE(readsWhole("\xEF\xBB\xBF{\"a\": 1}"));
}

} // namespace
} // namespace tombrel::textform
