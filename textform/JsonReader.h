#pragma once

// A pull reader of JSON text (RFC 8259): the caller asks for one token after the other and the
// reader checks the grammar as it goes, so that a document of a hundred thousand registrations is
// read without building a tree. Every token carries its line and column; a syntax error stops the
// reader at the place where the text went wrong.

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Where more text comes from: fills up to `room` bytes at `into` and says how many it gave, 0 at
// the end of the text.
using JsonSource = std::function<size_t(char* into, size_t room)>;

class JsonReader {
public:
    explicit JsonReader(std::string_view text);
    // Reads the text piece by piece, so that a large file is never held whole; a token's text stays
    // valid until the next call to next().
    explicit JsonReader(JsonSource source);

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
    JsonToken nextToken();
    // A token that runs into the end of the piece held while the source has more: it is read
    // again once more text is in.
    JsonToken needMore();
    // Drops what has been read, keeping the current token's start, and takes more text; at least
    // `ahead` bytes past the start when the source has them.
    void refill(size_t ahead);
    JsonToken readValue();
    JsonToken readString(bool asKey);
    JsonToken readNumber();
    JsonToken readLiteral(std::string_view word, JsonToken token);
    void skipWhiteSpace();
    void markPosition(size_t at);
    // After a value: what the enclosing container expects next.
    void valueDone();

    std::string_view input_; // the text held: all of it, or the piece read from the source
    size_t pos_ = 0;
    // The line white space has reached and where it starts (before the piece held when the line
    // began in a piece already dropped).
    int line_ = 1;
    std::ptrdiff_t lineStart_ = 0;
    JsonSource source_;
    std::string buffer_;
    bool sourceDone_ = true;
    bool needMore_ = false;

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
