// CP932 (Shift-JIS) text: the program's own text is CP932 bytes in memory and in
// its files. These helpers are the only place that knows the encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// True for the first byte of a double-byte CP932 character.
constexpr bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Bytes taken by the character at s[0], never reaching past s[limit - 1]
// or a terminating NUL: a lead byte at the end of the text counts as one.
std::size_t CharLength(const char* s, std::size_t limit);

// The longest prefix of the NUL-terminated s that has at most maxBytes bytes
// and does not end inside a double-byte character.
std::size_t CutLength(const char* s, std::size_t maxBytes);

// Copies at most maxBytes bytes of src into dst (which holds maxBytes + 1),
// cut at a character boundary, and terminates it.
void CopyCut(char* dst, const char* src, std::size_t maxBytes);

// Substring search that only matches at character boundaries of text.
// Returns the match inside text, or nullptr.
const char* FindText(const char* text, const char* word);

// UTF-8 to CP932; characters CP932 lacks become '?'.
std::string ToSjis(std::string_view utf8);

// CP932 to UTF-8; broken sequences become U+FFFD.
std::string ToUtf8(std::string_view sjis);

// A UTF-8 literal of the source code as CP932, converted once per literal;
// the pointer stays valid for the whole run.
const char* SjisText(const char* utf8Literal);

}  // namespace platform
