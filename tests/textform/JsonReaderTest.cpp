// The pull reader against an independent JSON parser: on a table of well-formed and broken texts
// both must agree on what is JSON, strings must come out unescaped alike, and a syntax error must
// be placed where the text goes wrong.

#include "textform/JsonReader.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
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

// ---- Reading from a source ---------------------------------------------------------------------

// Every token of a text as one line: kind, text (of the tokens that have one), integer, position,
// problem.
std::vector<std::string> tokensOf(JsonReader& reader) {
    std::vector<std::string> out;
    for (;;) {
        const JsonToken t = reader.next();
        const bool hasText =
            t == JsonToken::Key || t == JsonToken::String || t == JsonToken::Number;
        out.push_back(std::to_string(static_cast<int>(t)) + " " +
                      (hasText ? std::string(reader.text()) : std::string()) + " " +
                      (t == JsonToken::Number && reader.isInteger()
                           ? std::to_string(reader.integer())
                           : "-") +
                      " " + std::to_string(reader.position().line) + ":" +
                      std::to_string(reader.position().column) + " " +
                      std::to_string(static_cast<int>(reader.problem())));
        if (t == JsonToken::End || t == JsonToken::Error)
            return out;
    }
}

TEST(JsonReaderTest, ReadsATextFromASourceAsItReadsItWhole) {
    // Texts of several megabytes, so that tokens, escapes, line ends and faults fall on the ends
    // of the pieces the reader holds, and tokens longer than what it keeps ahead of a token.
    std::string many = "[\n";
    for (int i = 0; i < 60000; ++i) {
        many += "  {\"n\": " + std::to_string(i * 7919 - 400000) +
                ", \"s\": \"a\\u00e9\\n\xc3\xa9" + std::string(static_cast<size_t>(i % 13), 'x') +
                "\", \"f\": [1.5e3, true, null]},\n";
    }
    many += "  0\n]\n";
    const std::string longString = "\"" + std::string(300000, 'y') + "\\ud83d\\ude00\"";
    const std::string longNumber = std::string(1 << 20, ' ') + "[" + std::string(200000, '7') + "]";
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"many small tokens", many},
        {"a string longer than the piece", longString},
        {"white space, then a long number", longNumber},
        {"a fault after megabytes", many.substr(0, many.size() - 9) + "\n  ,, ]"},
        {"cut off inside a string", many.substr(0, many.size() / 2 + 3)},
        {"cut off inside a long string", longString.substr(0, 250000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        JsonReader whole(c.text);
        const std::vector<std::string> expected = tokensOf(whole);
        for (size_t piece : {size_t{7}, size_t{4093}, size_t{1} << 20}) {
            SCOPED_TRACE("pieces of " + std::to_string(piece));
            size_t at = 0;
            JsonReader pieces([&](char* into, size_t room) {
                const size_t n = std::min({piece, room, c.text.size() - at});
                std::copy_n(c.text.data() + at, n, into);
                at += n;
                return n;
            });
            const std::vector<std::string> got = tokensOf(pieces);
            // The first token that differs, rather than the whole of both lists.
            const auto differs =
                std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
            if (differs.first != got.end() || differs.second != expected.end()) {
                ADD_FAILURE() << "token " << (differs.first - got.begin()) << ": "
                              << (differs.first != got.end() ? *differs.first : "(none)")
                              << " instead of "
                              << (differs.second != expected.end() ? *differs.second : "(none)");
            }
        }
    }
}

} // namespace
} // namespace tombrel::textform
