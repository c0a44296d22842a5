#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

// Resistances as exact decimals: reading them from typed text and writing them as the value box
// does. No floating point: "4.7k" must come back as 4 700 ohms, not 4 699.999…
namespace bandalyx {

// significand × 10^exponent. What this code makes keeps no trailing zeros in the significand
// (zero is {0, 0}), but comparisons go by value: {4700, 0} equals {47, 2}.
struct Decimal
{
    std::uint64_t significand = 0;
    int exponent = 0;
};

// Orders decimals by value, exactly, whatever their exponents.
std::strong_ordering operator<=>(Decimal a, Decimal b);
bool operator==(Decimal a, Decimal b);

// ohms × 10^exponent with the significand's trailing zeros moved out (4700 is {47, 2}).
Decimal decimalOf(std::uint64_t ohms, int exponent = 0);

// The number of digits of the significand (0 for zero).
int figuresOf(Decimal d);

// Longer text is refused before it is looked at; more significant digits than this are too.
inline constexpr std::size_t MaxTypedBytes = 64;
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

// Typed text is first read into symbols: printable ASCII as itself (full-width forms too), every
// space as one blank, a line end as '\n', the signs below as one byte each, the Korean unit words
// as the letters they stand for, and anything else as a symbol no rule accepts.
namespace symbol {
inline constexpr char Ohm = '\x01'; // the ohm signs and "옴"
inline constexpr char Unknown = '\x02';
inline constexpr char PlusMinus = '\x03';
inline constexpr char Degree = '\x04'; // the degree sign, and the first half of ℃
} // namespace symbol

// UTF-8 text, any bytes, as symbols.
std::string symbolsOf(std::string_view text);
// Symbols without the blanks and line ends around them.
std::string_view trimmed(std::string_view symbols);
// The leading digits, taken off `s`; the leading blanks, dropped from it.
std::string_view takeDigits(std::string_view &s);
void skipBlanks(std::string_view &s);
// ASCII letters in lower case.
std::string lowerCase(std::string_view s);

// A typed resistance (UTF-8, any bytes) as an exact decimal in ohms, or why it was refused.
// Accepted: "4700", "4 700", "4,700" (groups of three), full-width forms and any space, a sign, a
// point fraction or a trailing point, a prefix R k K M G T u n p, SPICE's MEG, Ω, ㏀, ㏁,
// "ohm(s)", 옴, 킬로(옴), 메가(옴), 기가(옴), and the letter code "4K7", "47R0", "R47". Milli only
// before an ohm unit ("100 mΩ"): alone, m is refused as a likely typo for M.
std::variant<Decimal, ParseError> parseOhms(std::string_view text);
// The same on text already read as symbols, of any length.
std::variant<Decimal, ParseError> parseOhmsSymbols(std::string_view symbols);

// A decimal in ohms as the value box writes it ("4.7 ㏀", "99 GΩ", "0.47 Ω"); past 999 GΩ the
// giga unit takes more whole digits ("1000 GΩ").
std::string ohmsText(Decimal ohms);

// `pattern` with each "{name}" replaced by its value; how the Korean texts are put together, so
// that each sentence stays whole in its table.
std::string fillIn(std::string_view pattern,
                   std::initializer_list<std::pair<std::string_view, std::string_view>> values);

} // namespace bandalyx
