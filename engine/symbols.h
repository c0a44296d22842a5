#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Typed text is first read into symbols: printable ASCII as itself (full-width forms too), every
// space as one blank, a line end as '\n', the signs below as one byte each, the Korean unit words
// as the symbols below, and anything else as a symbol no rule accepts.
namespace bandalyx {

namespace symbol {
inline constexpr char Ohm = '\x01'; // the ohm signs and "옴"
inline constexpr char Unknown = '\x02';
inline constexpr char PlusMinus = '\x03';
inline constexpr char Degree = '\x04'; // the degree sign, and the first half of ℃
// 킬로, 메가 and 기가: multipliers as k, M and G are, yet no letters, so that a tolerance never
// takes 메가 for the letter M (±20 %).
inline constexpr char Kilo = '\x05';
inline constexpr char Mega = '\x06';
inline constexpr char Giga = '\x07';
} // namespace symbol

// Longer text is refused before it is looked at.
inline constexpr std::size_t MaxTypedBytes = 64;

// UTF-8 text, any bytes, as symbols.
std::string symbolsOf(std::string_view text);
// Symbols without the blanks and line ends around them.
std::string_view trimmed(std::string_view symbols);
// The leading digits, taken off `s`; the leading blanks, dropped from it.
std::string_view takeDigits(std::string_view &s);
void skipBlanks(std::string_view &s);

} // namespace bandalyx
