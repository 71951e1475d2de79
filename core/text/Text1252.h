#pragma once

// Single-byte text: titles, names, song paths and file contents stay byte strings exactly as
// stored (Windows-1252). These helpers are the one place where such text is upper-cased, compared
// without regard to case, or converted to UTF-8 for display and back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tombrel {

// Upper case of one Windows-1252 byte (a..z, the accented small letters, š, œ, ž, ÿ).
unsigned char upper1252(unsigned char c);
std::string toUpper1252(std::string_view text);
bool equalsIgnoreCase1252(std::string_view a, std::string_view b);

// Windows-1252 bytes to UTF-8; the five unassigned bytes map to the C1 control of the same value.
std::string utf8From1252(std::string_view text);
// The same, appended to `out`: a caller converting many lines reuses one buffer.
void appendUtf8From1252(std::string_view text, std::string& out);
// UTF-8 to Windows-1252; characters without a Windows-1252 byte become '?'.
std::string utf8To1252(std::string_view text);
// UTF-8 to Windows-1252 without substitution: nothing when a character has no Windows-1252 byte
// or the UTF-8 is malformed; `offending` then receives that character's bytes as given.
std::optional<std::string> utf8To1252Exact(std::string_view text, std::string* offending = nullptr);

// Text of a fixed-size, NUL-padded field: up to the first NUL, trailing white space removed.
std::string fieldText(const uint8_t* field, size_t size);
// The same text as a view into the field.
std::string_view fieldView(const uint8_t* field, size_t size);
// Fills the field with NUL and copies at most `size` bytes of `text` (no terminator when full).
void setFieldText(uint8_t* field, size_t size, std::string_view text);

// Removes trailing blanks, tabs, CR, LF, vertical tabs and form feeds.
std::string_view trimRight(std::string_view text);
std::string_view trim(std::string_view text);

} // namespace tombrel
