#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Characters of UTF-8 text and of ASCII, for the reader's joined band texts and for typed text.
namespace bandalyx {

inline constexpr char32_t InvalidCodePoint = 0xFFFFFFFF;

// The code point at `pos`, moving past it; InvalidCodePoint for a malformed, overlong or
// surrogate sequence, of which only the first byte is passed.
char32_t nextCodePoint(std::string_view utf8, std::size_t &pos);

// Characters, not bytes, of a UTF-8 text; a cut never splits a character.
std::size_t characterCount(std::string_view utf8);
std::string_view firstCharacters(std::string_view utf8, std::size_t count);
std::string_view characterAt(std::string_view utf8, std::size_t index);

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// ASCII letters in lower case.
std::string lowerCase(std::string_view s);

} // namespace bandalyx
