#include "core/text/Text1252.h"

#include <cstring>

namespace tombrel {

namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePoint(unsigned char c) {
    if (c >= 0x80 && c < 0xA0)
        return kHighControls[c - 0x80];
    return c;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

unsigned char upper1252(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A: // š
        return 0x8A;
    case 0x9C: // œ
        return 0x8C;
    case 0x9E: // ž
        return 0x8E;
    case 0xFF: // ÿ
        return 0x9F;
    default:
        break;
    }
    // à..þ except ÷ map to À..Þ; ß has no single-byte capital and stays.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    return c;
}

std::string toUpper1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(upper1252(static_cast<unsigned char>(c)));
    return out;
}

bool equalsIgnoreCase1252(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper1252(static_cast<unsigned char>(a[i])) !=
            upper1252(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string utf8From1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    appendUtf8From1252(text, out);
    return out;
}

void appendUtf8From1252(std::string_view text, std::string& out) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x80)
            out += c; // ASCII is the same in both
        else
            appendUtf8(out, codePoint(static_cast<unsigned char>(c)));
    }
}

namespace {

// One character of UTF-8 at `i`: its code point and length; false for a malformed sequence (then
// `length` is 1, or the rest of a cut-off text).
bool decodeUtf8(std::string_view text, size_t i, char32_t& cp, size_t& length) {
    const auto b = static_cast<unsigned char>(text[i]);
    length = 1;
    if (b < 0x80) {
        cp = b;
        return true;
    }
    size_t need = 0;
    if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        need = 2;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        need = 3;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07;
        need = 4;
    } else {
        return false;
    }
    // A malformed sequence counts as its first byte alone, and reading goes on after it.
    // Malformed are: a sequence cut short (by the end of the text or by a byte that does not
    // continue it), an overlong form (a character written with more bytes than it needs, such as
    // C0 80 for NUL or C0 AF for '/', which would slip past checks on the plain bytes), a
    // surrogate half and anything above U+10FFFF.
    if (i + need > text.size())
        return false;
    for (size_t k = 1; k < need; ++k) {
        const auto cont = static_cast<unsigned char>(text[i + k]);
        if ((cont & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (cont & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[need] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return false;
    length = need;
    return true;
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int k = 0; k < 32; ++k) {
        if (kHighControls[k] == cp)
            return 0x80 + k;
    }
    return -1;
}

} // namespace

std::string utf8To1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        size_t len = 1;
        const bool valid = decodeUtf8(text, i, cp, len);
        i += len;
        const int byte = valid ? byteOf(cp) : -1;
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::optional<std::string> utf8To1252Exact(std::string_view text, std::string* offending) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) { // the common case, without the table
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        size_t len = 1;
        const bool valid = decodeUtf8(text, i, cp, len);
        const int byte = valid ? byteOf(cp) : -1;
        if (byte < 0) {
            if (offending)
                *offending = std::string(text.substr(i, len));
            return std::nullopt;
        }
        out += static_cast<char>(byte);
        i += len;
    }
    return out;
}

std::string fieldText(const uint8_t* field, size_t size) {
    return std::string(fieldView(field, size));
}

std::string_view fieldView(const uint8_t* field, size_t size) {
    const void* nul = std::memchr(field, 0, size);
    const size_t len = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - field) : size;
    return trimRight(std::string_view(reinterpret_cast<const char*>(field), len));
}

void setFieldText(uint8_t* field, size_t size, std::string_view text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size() < size ? text.size() : size);
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return trimRight(text);
}

} // namespace tombrel
