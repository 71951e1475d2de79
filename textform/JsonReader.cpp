#include "textform/JsonReader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tombrel::textform {

namespace {

// Nesting deeper than this is refused rather than followed (a document needs four levels).
constexpr size_t kMaxDepth = 256;

// Reading from a source: the piece taken at a time, and how much must lie ahead of a token for
// it to be read without looking at the piece's end. A token that comes within kMargin of the end
// is read again with more text in.
constexpr size_t kPiece = size_t{1} << 20;
constexpr size_t kAhead = size_t{64} << 10;
constexpr size_t kMargin = 16;

// The bytes a string holds as they are: printable ASCII but the quote and the backslash.
constexpr std::array<bool, 256> kPlainInString = [] {
    std::array<bool, 256> table{};
    for (int c = 0x20; c < 0x80; ++c)
        table[static_cast<size_t>(c)] = c != '"' && c != '\\';
    return table;
}();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at `p` (at most `left` bytes), 0 when it is not one:
// no overlong forms, no surrogates, nothing past U+10FFFF.
size_t utf8Length(const unsigned char* p, size_t left) {
    const unsigned char b = p[0];
    auto cont = [&](size_t k) {
        return k < left && (p[k] & 0xC0) == 0x80;
    };
    if (b >= 0xC2 && b <= 0xDF)
        return cont(1) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        if (!cont(1) || !cont(2))
            return 0;
        if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] >= 0xA0))
            return 0;
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        if ((b == 0xF0 && p[1] < 0x90) || (b == 0xF4 && p[1] >= 0x90))
            return 0;
        return 4;
    }
    return 0;
}

} // namespace

JsonReader::JsonReader(std::string_view text) : input_(text) {
    // A byte-order mark is not JSON, but editors write one; it carries nothing.
    if (input_.substr(0, 3) == "\xEF\xBB\xBF")
        pos_ = lineStart_ = 3;
}

JsonReader::JsonReader(JsonSource source) : source_(std::move(source)), sourceDone_(false) {
    refill(kPiece);
    if (input_.substr(0, 3) == "\xEF\xBB\xBF")
        pos_ = lineStart_ = 3;
}

void JsonReader::refill(size_t ahead) {
    const size_t keep = input_.size() - pos_;
    if (pos_ > 0 && keep > 0)
        std::memmove(buffer_.data(), buffer_.data() + pos_, keep);
    lineStart_ -= static_cast<std::ptrdiff_t>(pos_);
    pos_ = 0;
    const size_t want = std::max(kPiece, keep + std::max(ahead, kAhead));
    if (buffer_.size() < want)
        buffer_.resize(want);
    size_t filled = keep;
    while (!sourceDone_ && filled < buffer_.size()) {
        const size_t got = source_(buffer_.data() + filled, buffer_.size() - filled);
        if (got == 0)
            sourceDone_ = true;
        filled += got;
    }
    input_ = std::string_view(buffer_.data(), filled);
}

void JsonReader::markPosition(size_t at) {
    position_.line = line_;
    position_.column = static_cast<int>(static_cast<std::ptrdiff_t>(at) - lineStart_) + 1;
}

JsonToken JsonReader::needMore() {
    needMore_ = true;
    return token_;
}

JsonToken JsonReader::fail(JsonSyntaxProblem problem, size_t at) {
    if (!sourceDone_ && at + kMargin > input_.size())
        return needMore(); // the fault may be only the end of the piece
    markPosition(at);
    problem_ = problem;
    token_ = JsonToken::Error;
    return token_;
}

// Line ends stand only in white space (a string must escape them), so the lines are counted here.
void JsonReader::skipWhiteSpace() {
    while (pos_ < input_.size()) {
        const char c = input_[pos_];
        if (c == '\n') {
            ++line_;
            lineStart_ = static_cast<std::ptrdiff_t>(pos_) + 1;
        } else if (c != ' ' && c != '\r' && c != '\t') {
            break;
        }
        ++pos_;
    }
}

void JsonReader::valueDone() {
    expect_ = stack_.empty() ? Expect::Done : Expect::CommaOrEnd;
}

JsonToken JsonReader::next() {
    if (token_ == JsonToken::Error && started_)
        return token_;
    if (token_ == JsonToken::End)
        return token_;
    started_ = true;
    size_t ahead = kAhead;
    for (;;) {
        if (!sourceDone_ && input_.size() - pos_ < ahead)
            refill(ahead);
        const JsonToken token = nextToken();
        if (!needMore_)
            return token;
        // Read again from the token's start with twice the text ahead of it.
        needMore_ = false;
        ahead = 2 * std::max(ahead, input_.size() - pos_);
    }
}

JsonToken JsonReader::nextToken() {
    for (;;) {
        skipWhiteSpace();
        if (pos_ >= input_.size()) {
            if (!sourceDone_)
                return needMore();
            if (expect_ == Expect::Done) {
                markPosition(pos_);
                token_ = JsonToken::End;
                return token_;
            }
            return fail(JsonSyntaxProblem::UnexpectedEnd, pos_);
        }
        const char c = input_[pos_];
        switch (expect_) {
        case Expect::Done:
            return fail(JsonSyntaxProblem::TrailingText, pos_);
        case Expect::Colon:
            if (c != ':')
                return fail(JsonSyntaxProblem::UnexpectedCharacter, pos_);
            ++pos_;
            expect_ = Expect::Value;
            continue;
        case Expect::CommaOrEnd:
            if (c == ',') {
                ++pos_;
                expect_ = stack_.back() ? Expect::Key : Expect::Value;
                continue;
            }
            if (c == (stack_.back() ? '}' : ']')) {
                markPosition(pos_++);
                token_ = stack_.back() ? JsonToken::EndObject : JsonToken::EndArray;
                stack_.pop_back();
                valueDone();
                return token_;
            }
            return fail(JsonSyntaxProblem::UnexpectedCharacter, pos_);
        case Expect::KeyOrEnd:
            if (c == '}') {
                markPosition(pos_++);
                stack_.pop_back();
                valueDone();
                token_ = JsonToken::EndObject;
                return token_;
            }
            [[fallthrough]];
        case Expect::Key:
            if (c != '"')
                return fail(JsonSyntaxProblem::UnexpectedCharacter, pos_);
            return readString(true);
        case Expect::Value:
            if (c == ']' && !stack_.empty() && !stack_.back() && token_ == JsonToken::BeginArray) {
                markPosition(pos_++);
                stack_.pop_back();
                valueDone();
                token_ = JsonToken::EndArray;
                return token_;
            }
            return readValue();
        }
    }
}

JsonToken JsonReader::readValue() {
    const char c = input_[pos_];
    switch (c) {
    case '{':
    case '[':
        if (stack_.size() >= kMaxDepth)
            return fail(JsonSyntaxProblem::TooDeep, pos_);
        markPosition(pos_++);
        stack_.push_back(c == '{');
        expect_ = c == '{' ? Expect::KeyOrEnd : Expect::Value;
        token_ = c == '{' ? JsonToken::BeginObject : JsonToken::BeginArray;
        return token_;
    case '"':
        return readString(false);
    case 't':
        return readLiteral("true", JsonToken::True);
    case 'f':
        return readLiteral("false", JsonToken::False);
    case 'n':
        return readLiteral("null", JsonToken::Null);
    default:
        if (c == '-' || isDigit(c))
            return readNumber();
        return fail(JsonSyntaxProblem::UnexpectedCharacter, pos_);
    }
}

JsonToken JsonReader::readLiteral(std::string_view word, JsonToken token) {
    if (input_.substr(pos_, word.size()) != word)
        return fail(JsonSyntaxProblem::BadLiteral, pos_);
    markPosition(pos_);
    pos_ += word.size();
    valueDone();
    token_ = token;
    return token_;
}

JsonToken JsonReader::readNumber() {
    const size_t start = pos_;
    size_t i = pos_;
    const size_t n = input_.size();
    const bool negative = input_[i] == '-';
    if (negative)
        ++i;
    if (i >= n || !isDigit(input_[i]))
        return fail(JsonSyntaxProblem::BadNumber, i);
    bool integer = true;
    bool overflow = false;
    uint64_t magnitude = 0;
    if (input_[i] == '0') {
        ++i;
        if (i < n && isDigit(input_[i]))
            return fail(JsonSyntaxProblem::BadNumber, i);
    } else {
        while (i < n && isDigit(input_[i])) {
            const uint64_t digit = static_cast<uint64_t>(input_[i] - '0');
            if (magnitude > (UINT64_MAX - digit) / 10)
                overflow = true;
            else
                magnitude = magnitude * 10 + digit;
            ++i;
        }
    }
    if (i < n && input_[i] == '.') {
        integer = false;
        ++i;
        if (i >= n || !isDigit(input_[i]))
            return fail(JsonSyntaxProblem::BadNumber, i);
        while (i < n && isDigit(input_[i]))
            ++i;
    }
    if (i < n && (input_[i] == 'e' || input_[i] == 'E')) {
        integer = false;
        ++i;
        if (i < n && (input_[i] == '+' || input_[i] == '-'))
            ++i;
        if (i >= n || !isDigit(input_[i]))
            return fail(JsonSyntaxProblem::BadNumber, i);
        while (i < n && isDigit(input_[i]))
            ++i;
    }
    if (!sourceDone_ && i + kMargin > n)
        return needMore(); // the number may go on in the next piece
    const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
    isInteger_ = integer && !overflow && magnitude <= limit;
    if (isInteger_)
        integer_ = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    markPosition(start);
    text_ = input_.substr(start, i - start);
    pos_ = i;
    valueDone();
    token_ = JsonToken::Number;
    return token_;
}

JsonToken JsonReader::readString(bool asKey) {
    const size_t start = pos_;
    size_t i = pos_ + 1;
    const size_t n = input_.size();
    // Fast path: no escapes, plain ASCII or well-formed UTF-8, up to the closing quote.
    size_t runStart = i;
    bool escaped = false;
    for (;;) {
        while (i < n && kPlainInString[static_cast<unsigned char>(input_[i])])
            ++i;
        if (i >= n)
            return fail(JsonSyntaxProblem::UnexpectedEnd, i);
        const auto c = static_cast<unsigned char>(input_[i]);
        if (c == '"')
            break;
        if (c < 0x20)
            return fail(JsonSyntaxProblem::ControlInString, i);
        if (c < 0x80 && c != '\\') {
            ++i;
            continue;
        }
        if (c >= 0x80) {
            const size_t len =
                utf8Length(reinterpret_cast<const unsigned char*>(input_.data()) + i, n - i);
            if (len == 0)
                return fail(JsonSyntaxProblem::BadUtf8, i);
            i += len;
            continue;
        }
        // A backslash: from here the text is built in the buffer.
        if (!escaped) {
            unescaped_.assign(input_.data() + runStart, i - runStart);
            escaped = true;
        } else {
            unescaped_.append(input_.data() + runStart, i - runStart);
        }
        if (i + 1 >= n)
            return fail(JsonSyntaxProblem::UnexpectedEnd, i + 1);
        const char e = input_[i + 1];
        size_t used = 2;
        switch (e) {
        case '"':
            unescaped_ += '"';
            break;
        case '\\':
            unescaped_ += '\\';
            break;
        case '/':
            unescaped_ += '/';
            break;
        case 'b':
            unescaped_ += '\b';
            break;
        case 'f':
            unescaped_ += '\f';
            break;
        case 'n':
            unescaped_ += '\n';
            break;
        case 'r':
            unescaped_ += '\r';
            break;
        case 't':
            unescaped_ += '\t';
            break;
        case 'u': {
            auto hex4 = [&](size_t at, uint32_t& value) {
                if (at + 4 > n)
                    return false;
                value = 0;
                for (size_t k = 0; k < 4; ++k) {
                    const int h = hexValue(input_[at + k]);
                    if (h < 0)
                        return false;
                    value = value * 16 + static_cast<uint32_t>(h);
                }
                return true;
            };
            uint32_t cp = 0;
            if (!hex4(i + 2, cp))
                return fail(JsonSyntaxProblem::BadEscape, i);
            used = 6;
            if (cp >= 0xD800 && cp <= 0xDBFF) {
                uint32_t low = 0;
                if (i + 7 >= n || input_[i + 6] != '\\' || input_[i + 7] != 'u' ||
                    !hex4(i + 8, low) || low < 0xDC00 || low > 0xDFFF)
                    return fail(JsonSyntaxProblem::BadEscape, i);
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                used = 12;
            } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                return fail(JsonSyntaxProblem::BadEscape, i);
            }
            appendUtf8(unescaped_, cp);
            break;
        }
        default:
            return fail(JsonSyntaxProblem::BadEscape, i);
        }
        i += used;
        runStart = i;
    }
    markPosition(start);
    if (escaped) {
        unescaped_.append(input_.data() + runStart, i - runStart);
        text_ = unescaped_;
    } else {
        text_ = input_.substr(start + 1, i - start - 1);
    }
    pos_ = i + 1;
    if (asKey) {
        expect_ = Expect::Colon;
        token_ = JsonToken::Key;
    } else {
        valueDone();
        token_ = JsonToken::String;
    }
    return token_;
}

bool JsonReader::skipValue() {
    if (token_ != JsonToken::BeginObject && token_ != JsonToken::BeginArray)
        return token_ != JsonToken::Error;
    const size_t depth = stack_.size();
    while (stack_.size() >= depth) {
        const JsonToken t = next();
        if (t == JsonToken::Error)
            return false;
    }
    return true;
}

} // namespace tombrel::textform
