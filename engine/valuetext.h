#pragma once

#include <string_view>
#include <variant>

#include "engine/decimal.h"
#include "engine/symbols.h"

// Typed resistances read as exact decimals in ohms, or why they cannot be.
namespace bandalyx {

// More significant digits than this are refused.
inline constexpr int MaxSignificantDigits = 18;

enum class ParseError {
    Empty,
    TooLong,
    Unparseable,
    DecimalComma, // "4,7k": a comma only ever separates thousands
    NotOhms, // "4.7 kV", "10 F"
    LowerCaseM, // "2.2m" is milli; mega is written "M"
    Zero,
    Negative,
};

// A typed resistance (UTF-8, any bytes) as an exact decimal in ohms, or why it was refused.
// Accepted: "4700", "4 700", "4,700" (groups of three), full-width forms and any space, a sign, a
// point fraction or a trailing point, a prefix R k K M G T u n p, SPICE's MEG, Ω, ㏀, ㏁,
// "ohm(s)", 옴, 킬로(옴), 메가(옴), 기가(옴), and the letter code "4K7", "47R0", "R47". Milli only
// before an ohm unit ("100 mΩ"): alone, m is refused as a likely typo for M.
std::variant<Decimal, ParseError> parseOhms(std::string_view text);
// The same on text already read as symbols, of any length.
std::variant<Decimal, ParseError> parseOhmsSymbols(std::string_view symbols);

} // namespace bandalyx
