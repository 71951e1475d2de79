#pragma once

// A pull reader of JSON text (RFC 8259): the caller asks for one token after the other and the
// reader checks the grammar as it goes, so that a document of a hundred thousand registrations is
// read without building a tree. Every token carries its line and column; a syntax error stops the
// reader at the place where the text went wrong.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel::textform {

enum class JsonToken {
    BeginObject,
    EndObject,
    BeginArray,
    EndArray,
    Key, // a member name; text() holds it
    String,
    Number,
    True,
    False,
    Null,
    End, // after the one top-level value, when only white space follows it
    Error,
};

// What went wrong at a syntax error.
enum class JsonSyntaxProblem {
    None,
    UnexpectedEnd,
    UnexpectedCharacter,
    BadLiteral, // "tru", "nul" ...
    BadNumber,  // "01", "1.", "-"
    BadEscape,  // "\x", a lone surrogate
    ControlInString,
    BadUtf8,
    TrailingText, // more after the top-level value
    TooDeep,
};

struct JsonPosition {
    int line = 1;   // 1-based
    int column = 1; // 1-based, in bytes
};

class JsonReader {
public:
    explicit JsonReader(std::string_view text);

    // Reads the next token and returns it; after End or Error it keeps returning that.
    JsonToken next();
    JsonToken token() const { return token_; }
    // Where the current token starts (for Error: where the fault is).
    JsonPosition position() const { return position_; }
    JsonSyntaxProblem problem() const { return problem_; }

    // Key and String: the text, unescaped (UTF-8). Number: the number as written.
    std::string_view text() const { return text_; }
    // Number: whether it is an integer that fits 64 bits (no fraction, no exponent), and its value.
    bool isInteger() const { return isInteger_; }
    int64_t integer() const { return integer_; }

    // Skips the value that the current token opens (the whole object or array), so that the next
    // call to next() reads what follows it. False when the skipped text had a syntax error.
    bool skipValue();

private:
    enum class Expect : uint8_t { Value, KeyOrEnd, Key, Colon, CommaOrEnd, Done };

    JsonToken fail(JsonSyntaxProblem problem, size_t at);
    JsonToken readValue();
    JsonToken readString(bool asKey);
    JsonToken readNumber();
    JsonToken readLiteral(std::string_view word, JsonToken token);
    void skipWhiteSpace();
    void markPosition(size_t at);
    // After a value: what the enclosing container expects next.
    void valueDone();

    std::string_view input_;
    size_t pos_ = 0;
    // Lines counted lazily: the line of lineStart_ and where it starts.
    size_t lineScanned_ = 0;
    int line_ = 1;
    size_t lineStart_ = 0;

    JsonToken token_ = JsonToken::Error;
    JsonSyntaxProblem problem_ = JsonSyntaxProblem::None;
    JsonPosition position_;
    Expect expect_ = Expect::Value;
    std::vector<bool> stack_; // true for an object, false for an array
    std::string_view text_;
    std::string unescaped_;
    bool isInteger_ = false;
    int64_t integer_ = 0;
    bool started_ = false;
};

} // namespace tombrel::textform
