#include "engine/text.h"

#include <algorithm>
#include <array>

namespace bandalyx {

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

struct Utf8Lead
{
    unsigned char mask;
    unsigned char value;
    int continuations;
    char32_t smallest; // anything below is an overlong form
};

constexpr std::array<Utf8Lead, 3> Utf8Leads {{
    {0xE0, 0xC0, 1, 0x80},
    {0xF0, 0xE0, 2, 0x800},
    {0xF8, 0xF0, 3, 0x10000},
}};

// Byte offset of the character at `index`, or the text's size when it has fewer characters.
std::size_t byteOffsetOf(std::string_view utf8, std::size_t index)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuationByte(utf8[i]))
            continue;
        if (chars == index)
            return i;
        ++chars;
    }
    return utf8.size();
}

} // namespace

char32_t nextCodePoint(std::string_view s, std::size_t &pos)
{
    const auto byteAt = [s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byteAt(pos++);
    if (lead < 0x80)
        return lead;
    for (const Utf8Lead &form : Utf8Leads) {
        if ((lead & form.mask) != form.value)
            continue;
        char32_t cp = lead & static_cast<unsigned char>(~form.mask);
        std::size_t at = pos;
        for (int i = 0; i < form.continuations; ++i, ++at) {
            if (at >= s.size() || !isContinuationByte(s[at]))
                return InvalidCodePoint;
            cp = (cp << 6) | (byteAt(at) & 0x3F);
        }
        if (cp < form.smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return InvalidCodePoint;
        pos = at;
        return cp;
    }
    return InvalidCodePoint;
}

std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return !isContinuationByte(c); }));
}

std::string_view firstCharacters(std::string_view utf8, std::size_t count)
{
    return utf8.substr(0, byteOffsetOf(utf8, count));
}

std::string_view characterAt(std::string_view utf8, std::size_t index)
{
    const std::size_t begin = byteOffsetOf(utf8, index);
    const std::size_t end = byteOffsetOf(utf8, index + 1);
    return utf8.substr(begin, end - begin);
}

std::string lowerCase(std::string_view s)
{
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

} // namespace bandalyx
