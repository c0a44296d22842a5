#include "engine/valuetext.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/colourtable.h"

namespace bandalyx {

namespace {

constexpr std::string_view Ohm {&symbol::Ohm, 1};

constexpr char32_t Invalid = 0xFFFFFFFF;

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

// The code point at `pos`, moving past it; Invalid for a malformed, overlong or surrogate
// sequence, of which only the first byte is passed.
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
            if (at >= s.size() || (byteAt(at) & 0xC0) != 0x80)
                return Invalid;
            cp = (cp << 6) | (byteAt(at) & 0x3F);
        }
        if (cp < form.smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return Invalid;
        pos = at;
        return cp;
    }
    return Invalid;
}

struct SymbolRange
{
    char32_t first;
    char32_t last;
    std::string_view symbols;
};

// What is read besides printable ASCII and its fullwidth forms (U+FF01–U+FF5E).
// clang-format off
constexpr std::array<SymbolRange, 18> OtherSymbols {{
    {U'\t', U'\t', " "},          // tab
    {U'\n', U'\r', "\n"},         // line ends: around a value, never inside it
    {0x0085, 0x0085, "\n"},        // next line
    {0x2028, 0x2029, "\n"},        // line and paragraph separators
    {0x00B1, 0x00B1, "\x03"},      // plus-minus sign
    {0x00B0, 0x00B0, "\x04"},      // degree sign
    {0x2103, 0x2103, "\x04" "C"}, // degree Celsius
    {0x00A0, 0x00A0, " "},        // no-break space
    {0x2000, 0x200A, " "},        // en quad to hair space, thin space among them
    {0x202F, 0x202F, " "},        // narrow no-break space
    {0x3000, 0x3000, " "},        // ideographic space
    {0x2212, 0x2212, "-"},        // minus sign
    {0x2126, 0x2126, Ohm},        // ohm sign
    {0x03A9, 0x03A9, Ohm},        // Greek capital omega
    {0x33C0, 0x33C0, "k\x01"},    // square k ohm (\x01: symbol::Ohm)
    {0x33C1, 0x33C1, "M\x01"},    // square m ohm
    {0x00B5, 0x00B5, "u"},        // micro sign
    {0x03BC, 0x03BC, "u"},        // Greek small mu
}};
// clang-format on

constexpr char32_t FullwidthFirst = 0xFF01;
constexpr char32_t FullwidthLast = 0xFF5E;
constexpr char32_t FullwidthOffset = 0xFEE0;

void appendSymbols(std::string &out, char32_t cp)
{
    if (cp >= 0x20 && cp <= 0x7E) {
        out += static_cast<char>(cp);
        return;
    }
    if (cp >= FullwidthFirst && cp <= FullwidthLast) {
        out += static_cast<char>(cp - FullwidthOffset);
        return;
    }
    for (const SymbolRange &r : OtherSymbols) {
        if (cp >= r.first && cp <= r.last) {
            out += r.symbols;
            return;
        }
    }
    out += symbol::Unknown;
}

struct Word
{
    std::string_view text;
    std::string_view symbols;
};

// Korean unit words, each before the shorter ones it begins with.
constexpr std::array<Word, 7> Words {{
    {"킬로옴", "k\x01"},
    {"메가옴", "M\x01"},
    {"기가옴", "G\x01"},
    {"킬로", "k"},
    {"메가", "M"},
    {"기가", "G"},
    {"옴", "\x01"},
}};

const Word *wordAt(std::string_view text, std::size_t pos)
{
    for (const Word &w : Words)
        if (text.substr(pos).starts_with(w.text))
            return &w;
    return nullptr;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::string_view takeDigits(std::string_view &s)
{
    const std::size_t n = std::min(s.find_first_not_of("0123456789"), s.size());
    const std::string_view digits = s.substr(0, n);
    s.remove_prefix(n);
    return digits;
}

void skipBlanks(std::string_view &s)
{
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
}

std::string lowerCase(std::string_view s)
{
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

namespace {

// A unit prefix after a number, or the decimal point of a letter code ("4K7", "47R0").
struct Prefix
{
    char letter;
    int exponent;
    bool milli; // refused: the reader shows nothing that small, and it is mostly a typo for M
};

constexpr std::array<Prefix, 10> Prefixes {{
    {'R', 0, false},
    {'k', 3, false},
    {'K', 3, false},
    {'M', 6, false},
    {'G', 9, false},
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

std::strong_ordering operator<=>(Decimal a, Decimal b)
{
    if (a.significand == 0 || b.significand == 0)
        return (a.significand != 0 ? 1 : 0) <=> (b.significand != 0 ? 1 : 0);
    // The place of the leading digit decides; at the same place, the digits do.
    const int placeA = figuresOf(a) + a.exponent;
    const int placeB = figuresOf(b) + b.exponent;
    if (placeA != placeB)
        return placeA <=> placeB;
    std::string digitsA = std::to_string(a.significand);
    std::string digitsB = std::to_string(b.significand);
    const std::size_t length = std::max(digitsA.size(), digitsB.size());
    digitsA.resize(length, '0');
    digitsB.resize(length, '0');
    return digitsA.compare(digitsB) <=> 0;
}

bool operator==(Decimal a, Decimal b)
{
    return (a <=> b) == 0;
}

Decimal decimalOf(std::uint64_t ohms, int exponent)
{
    if (ohms == 0)
        return {};
    while (ohms % 10 == 0) {
        ohms /= 10;
        ++exponent;
    }
    return {ohms, exponent};
}

int figuresOf(Decimal d)
{
    int figures = 0;
    for (std::uint64_t s = d.significand; s != 0; s /= 10)
        ++figures;
    return figures;
}

std::string symbolsOf(std::string_view text)
{
    std::string symbols;
    for (std::size_t pos = 0; pos < text.size();) {
        if (const Word *w = wordAt(text, pos)) {
            symbols += w->symbols;
            pos += w->text.size();
        } else {
            appendSymbols(symbols, nextCodePoint(text, pos));
        }
    }
    return symbols;
}

std::string_view trimmed(std::string_view s)
{
    constexpr std::string_view Around = " \n";
    s.remove_prefix(std::min(s.find_first_not_of(Around), s.size()));
    s.remove_suffix(s.size() - std::min(s.find_last_not_of(Around) + 1, s.size()));
    return s;
}

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

std::string ohmsText(Decimal ohms)
{
    const Decimal d = decimalOf(ohms.significand, ohms.exponent);
    const Unit &unit = unitForWholeDigits(figuresOf(d) + d.exponent);

    std::string digits = std::to_string(d.significand);
    const int exponent = d.exponent - unit.exponent;
    const int whole = static_cast<int>(digits.size()) + exponent;
    if (exponent >= 0)
        digits.append(static_cast<std::size_t>(exponent), '0');
    else if (whole > 0)
        digits.insert(static_cast<std::size_t>(whole), 1, '.');
    else
        digits.insert(0, "0." + std::string(static_cast<std::size_t>(-whole), '0'));
    return digits + std::string(unit.text);
}

std::string fillIn(std::string_view pattern,
                   std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    std::string text;
    for (;;) {
        const std::size_t open = pattern.find('{');
        const std::size_t close = pattern.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos)
            break;
        text += pattern.substr(0, open);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto value = std::find_if(values.begin(), values.end(),
                                        [name](const auto &v) { return v.first == name; });
        text += value != values.end() ? value->second : pattern.substr(open, close - open + 1);
        pattern.remove_prefix(close + 1);
    }
    text += pattern;
    return text;
}

} // namespace bandalyx
