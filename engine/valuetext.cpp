#include "engine/valuetext.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/text.h"

namespace bandalyx {

namespace {

constexpr std::string_view Ohm {&symbol::Ohm, 1};

// A unit prefix after a number, or the decimal point of a letter code ("4K7", "47R0").
struct Prefix
{
    char letter;
    int exponent;
    bool milli; // refused: the reader shows nothing that small, and it is mostly a typo for M
};

constexpr std::array<Prefix, 13> Prefixes {{
    {'R', 0, false},
    {'k', 3, false},
    {'K', 3, false},
    {symbol::Kilo, 3, false},
    {'M', 6, false},
    {symbol::Mega, 6, false},
    {'G', 9, false},
    {symbol::Giga, 9, false},
    {'T', 12, false},
    {'m', -3, true},
    {'u', -6, false},
    {'n', -9, false},
    {'p', -12, false},
}};

const Prefix *prefixOf(std::string_view s)
{
    if (s.empty())
        return nullptr;
    for (const Prefix &p : Prefixes)
        if (p.letter == s.front())
            return &p;
    return nullptr;
}

bool isOhmWord(std::string_view s)
{
    const std::string lower = lowerCase(s);
    return s == Ohm || lower == "ohm" || lower == "ohms";
}

// SPICE writes mega as "MEG" in any case, since its "m" is milli.
constexpr std::string_view SpiceMega = "meg";
constexpr int MegaExponent = 6;

// A multiplier after the number, a prefix letter or SPICE's mega: how many symbols it takes.
std::size_t multiplierAt(std::string_view s, int &exponent, bool &milli)
{
    if (lowerCase(s.substr(0, SpiceMega.size())) == SpiceMega) {
        exponent = MegaExponent;
        milli = false;
        return SpiceMega.size();
    }
    if (const Prefix *p = prefixOf(s)) {
        exponent = p->exponent;
        milli = p->milli;
        return 1;
    }
    return 0;
}

// The digits typed, separators left out, and the power of ten of the last of them.
struct Number
{
    std::string digits;
    int exponent = 0;
    bool milli = false;
};

// After the number: nothing, an ohm unit, or (unless a letter code gave it) a multiplier with or
// without an ohm unit: "k", "kΩ", "k ohm", "MEG". Milli counts only before an ohm unit: alone,
// "m" is mostly a typo for M.
std::optional<ParseError> readUnit(std::string_view s, bool prefixAllowed, Number &n)
{
    skipBlanks(s);
    int exponent = 0;
    bool milli = false;
    if (const std::size_t taken = prefixAllowed ? multiplierAt(s, exponent, milli) : 0) {
        n.exponent += exponent;
        s.remove_prefix(taken);
        skipBlanks(s);
        n.milli = milli && s.empty();
    }
    if (s.empty() || isOhmWord(s))
        return std::nullopt;
    // A second multiplier ("4k7k", "4.7 kk") is not the unit of another quantity.
    if (const std::size_t taken = multiplierAt(s, exponent, milli)) {
        std::string_view rest = s.substr(taken);
        skipBlanks(rest);
        if (rest.empty() || isOhmWord(rest))
            return ParseError::Unparseable;
    }
    // A word: a unit, but not ours ("kV", "F", "Hz").
    if (std::all_of(s.begin(), s.end(), isLetter))
        return ParseError::NotOhms;
    return ParseError::Unparseable;
}

// "4K7", "47R0", "R47": digits on both sides of a prefix letter, which marks the point.
std::optional<Number> letterCode(std::string_view &s)
{
    std::string_view rest = s;
    const std::string_view whole = takeDigits(rest);
    const Prefix *p = prefixOf(rest);
    if (!p || rest.size() < 2 || !isDigit(rest[1]))
        return std::nullopt;
    rest.remove_prefix(1);
    const std::string_view fraction = takeDigits(rest);
    s = rest;
    Number n {std::string(whole) + std::string(fraction), p->exponent, p->milli};
    n.exponent -= static_cast<int>(fraction.size());
    return n;
}

// "4700", "4 700", "4,700", "4.7", ".5": thousands split by blanks or commas (one kind, groups
// of three after a first group of one to three), then a fraction after a point.
std::variant<Number, ParseError> decimalNumber(std::string_view &s)
{
    const std::string_view first = takeDigits(s);
    Number n {std::string(first)};
    char separator = 0;
    while (s.size() >= 2 && (s[0] == ' ' || s[0] == ',') && isDigit(s[1])) {
        std::string_view rest = s.substr(1);
        const std::string_view group = takeDigits(rest);
        if (group.size() != 3 && s[0] == ',')
            return ParseError::DecimalComma;
        if (group.size() != 3)
            break; // what follows the blank is read as the unit, and refused there
        if (first.empty() || first.size() > 3 || (separator != 0 && separator != s[0]))
            return ParseError::Unparseable;
        separator = s[0];
        n.digits += group;
        s = rest;
    }
    if (s.starts_with('.')) {
        s.remove_prefix(1);
        const std::string_view fraction = takeDigits(s);
        // "47." is 47; a point needs digits on one side at least.
        if (fraction.empty() && n.digits.empty())
            return ParseError::Unparseable;
        n.digits += fraction;
        n.exponent = -static_cast<int>(fraction.size());
    }
    if (n.digits.empty())
        return ParseError::Unparseable;
    return n;
}

std::variant<Number, ParseError> numberWithUnit(std::string_view s)
{
    std::variant<Number, ParseError> number = ParseError::Unparseable;
    bool prefixAllowed = true;
    if (std::optional<Number> code = letterCode(s)) {
        number = std::move(*code);
        prefixAllowed = false;
    } else {
        number = decimalNumber(s);
    }
    if (Number *n = std::get_if<Number>(&number)) {
        if (const std::optional<ParseError> error = readUnit(s, prefixAllowed, *n))
            return *error;
    }
    return number;
}

// Leading zeros dropped, trailing ones moved into the exponent. A value of 10^18 ohms or more is
// cut to its first figures: whatever they are, it is too large for any resistor.
std::variant<Decimal, ParseError> decimalOfDigits(std::string_view digits, int exponent)
{
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    if (digits.empty())
        return Decimal {};
    if (digits.size() > static_cast<std::size_t>(MaxSignificantDigits)) {
        const int place = static_cast<int>(digits.size()) + exponent;
        if (place <= MaxSignificantDigits)
            return ParseError::TooLong;
        const std::size_t dropped = digits.size() - static_cast<std::size_t>(MaxSignificantDigits);
        return decimalOfDigits(digits.substr(0, digits.size() - dropped),
                               exponent + static_cast<int>(dropped));
    }
    std::uint64_t significand = 0;
    for (char c : digits)
        significand = significand * 10 + static_cast<std::uint64_t>(c - '0');
    return Decimal {significand, exponent};
}

} // namespace

std::variant<Decimal, ParseError> parseOhms(std::string_view text)
{
    if (text.size() > MaxTypedBytes)
        return ParseError::TooLong;
    return parseOhmsSymbols(symbolsOf(text));
}

std::variant<Decimal, ParseError> parseOhmsSymbols(std::string_view symbols)
{
    std::string_view s = trimmed(symbols);
    if (s.empty())
        return ParseError::Empty;
    const bool negative = s.starts_with('-');
    if (negative || s.starts_with('+')) {
        s.remove_prefix(1);
        skipBlanks(s);
    }
    const std::variant<Number, ParseError> number = numberWithUnit(s);
    if (const ParseError *error = std::get_if<ParseError>(&number))
        return *error;
    const Number &n = std::get<Number>(number);
    if (n.milli)
        return ParseError::LowerCaseM;
    const std::variant<Decimal, ParseError> value = decimalOfDigits(n.digits, n.exponent);
    if (const Decimal *d = std::get_if<Decimal>(&value)) {
        if (d->significand == 0)
            return ParseError::Zero;
        if (negative)
            return ParseError::Negative;
    }
    return value;
}

} // namespace bandalyx
