#include "engine/encode.h"

#include <algorithm>
#include <cstdint>

#include "engine/text.h"

namespace bandalyx {

namespace {

// The code a role offers whose `column` (digit or multiplier exponent) is `wanted`.
std::optional<int> offeredCode(Role role, int ColourCode::*column, int wanted)
{
    const CodeSet offered = offeredCodes(role);
    for (const ColourCode &c : Colours)
        if (offered[static_cast<std::size_t>(c.code)] && c.*column == wanted)
            return c.code;
    return std::nullopt;
}

// The smallest and largest `column` among the codes a role offers.
std::pair<int, int> offeredSpan(Role role, int ColourCode::*column)
{
    const CodeSet offered = offeredCodes(role);
    std::pair<int, int> span {ColourCount, -ColourCount};
    for (const ColourCode &c : Colours) {
        if (!offered[static_cast<std::size_t>(c.code)])
            continue;
        span.first = std::min(span.first, c.*column);
        span.second = std::max(span.second, c.*column);
    }
    return span;
}

KindRange computeRange(Kind kind)
{
    const ValueBands bands = valueBandsOf(kind);
    KindRange range {};
    range.figures = static_cast<int>(bands.digitCount);
    std::uint64_t lowest = 0;
    std::uint64_t highest = 0;
    for (std::size_t i = 0; i < bands.digitCount; ++i) {
        const std::pair<int, int> digits
            = offeredSpan(roleOf(kind, bands.digits[i]), &ColourCode::digit);
        lowest = lowest * 10 + static_cast<std::uint64_t>(digits.first);
        highest = highest * 10 + static_cast<std::uint64_t>(digits.second);
    }
    const std::pair<int, int> exponents
        = offeredSpan(roleOf(kind, bands.multiplier), &ColourCode::multiplierExponent);
    range.smallest = decimalOf(lowest, exponents.first);
    range.largest = decimalOf(highest, exponents.second);
    return range;
}

} // namespace

ValueRefusal refusalOf(Decimal ohms, Kind kind, EncodeError error)
{
    ValueRefusal r {error, kind, rangeOf(kind), figuresOf(ohms), {}, {}, {}};
    for (Kind k : AllKinds) {
        if (std::holds_alternative<BandCodes>(encodeValue(ohms, k)))
            r.showing.push_back(k);
    }
    const int dropped = std::max(r.figures - r.range.figures, 0);
    const std::uint64_t kept = ohms.significand / powerOfTen(dropped);
    r.below = decimalOf(kept, ohms.exponent + dropped);
    r.above = decimalOf(kept + 1, ohms.exponent + dropped);
    return r;
}

namespace {

// A typed value split from the tolerance and temperature coefficient its marking may add.
struct Marking
{
    std::string_view value;
    bool hasTolerance = false;
    std::optional<TypedTolerance> tolerance;
    bool hasTempco = false;
    std::optional<int> tempcoPpm;
    // The value read: of the whole text, unless a marking was taken off a value left standing.
    std::variant<Decimal, ParseError> parsed;
};

std::size_t skipBack(std::string_view s, std::size_t end, std::string_view chars)
{
    while (end > 0 && chars.find(s[end - 1]) != std::string_view::npos)
        --end;
    return end;
}

// "… 50ppm", "… 50 ppm/℃": where the coefficient's number begins, or npos.
std::size_t tempcoStart(std::string_view s)
{
    const std::size_t ppm = lowerCase(s).rfind("ppm");
    if (ppm == std::string::npos)
        return ppm;
    const std::size_t digitsEnd = skipBack(s, ppm, " ");
    const std::size_t start = skipBack(s, digitsEnd, "0123456789");
    return start < digitsEnd ? start : std::string_view::npos;
}

// "… 5%", "… ±0.5 %", "…J": where the tolerance begins, or npos. A letter counts only as a
// capital that some colour's tolerance has, after a value with a unit or multiplier of its own:
// "10 F" is ten farads, not ten ohms ±1 %.
std::size_t toleranceStart(std::string_view s)
{
    if (s.ends_with('%')) {
        std::size_t start = skipBack(s, s.size() - 1, " ");
        start = skipBack(s, start, "0123456789.");
        const std::size_t sign = skipBack(s, start, " ");
        if (sign > 0 && s[sign - 1] == symbol::PlusMinus)
            start = sign - 1;
        return start;
    }
    const std::string_view value = s.substr(0, s.empty() ? 0 : s.size() - 1);
    const bool unitBefore = std::any_of(value.begin(), value.end(), [](char c) {
        return c == symbol::Ohm || c == symbol::Kilo || c == symbol::Mega || c == symbol::Giga
            || isLetter(c);
    });
    if (unitBefore && readTolerance(s.substr(s.size() - 1), false))
        return s.size() - 1;
    return std::string_view::npos;
}

Marking markingOf(std::string_view symbols)
{
    Marking m;
    m.value = trimmed(symbols);
    m.parsed = parseOhmsSymbols(m.value);
    if (std::holds_alternative<Decimal>(m.parsed))
        return m;
    const std::variant<Decimal, ParseError> whole = m.parsed;
    if (const std::size_t start = tempcoStart(m.value); start != std::string_view::npos) {
        m.hasTempco = true;
        m.tempcoPpm = readTempco(m.value.substr(start));
        m.value = trimmed(m.value.substr(0, start));
        m.parsed = parseOhmsSymbols(m.value);
    }
    if (const std::size_t start = toleranceStart(m.value);
        !std::holds_alternative<Decimal>(m.parsed) && start != std::string_view::npos) {
        m.hasTolerance = true;
        m.tolerance = readTolerance(m.value.substr(start), false);
        m.value = trimmed(m.value.substr(0, start));
        m.parsed = parseOhmsSymbols(m.value);
    }
    // With nothing left of the value, the whole text is what failed.
    if (m.value.empty())
        m.parsed = whole;
    return m;
}

// The marking's tolerance and temperature coefficient as codes of the kind's bands, or why not.
std::optional<MarkRefusal> addMarks(const Marking &m, Kind kind, BandCodes &codes)
{
    const ValueBands bands = valueBandsOf(kind);
    if (m.hasTolerance) {
        const TypedMark t = toleranceCode(m.tolerance, kind);
        if (!t.code)
            return t.refusal;
        codes[std::size_t(index(bands.tolerance))] = t.code;
    }
    if (m.hasTempco) {
        const TypedMark t = tempcoCode(m.tempcoPpm, kind);
        if (!t.code)
            return t.refusal;
        codes[std::size_t(index(*bands.tempco))] = t.code;
    }
    return std::nullopt;
}

} // namespace

KindRange rangeOf(Kind kind)
{
    static const std::array<KindRange, AllKinds.size()> ranges = [] {
        std::array<KindRange, AllKinds.size()> r {};
        for (Kind k : AllKinds)
            r[static_cast<std::size_t>(index(k))] = computeRange(k);
        return r;
    }();
    return ranges[static_cast<std::size_t>(index(kind))];
}

std::variant<BandCodes, EncodeError> encodeValue(Decimal ohms, Kind kind)
{
    const KindRange range = rangeOf(kind);
    if (ohms < range.smallest)
        return EncodeError::BelowRange;
    if (ohms > range.largest)
        return EncodeError::AboveRange;
    const int figures = figuresOf(ohms);
    if (figures > range.figures)
        return EncodeError::TooManyFigures;

    // Padded to the kind's figures: 4.7 kΩ on five bands is 470 × 10^1.
    const int padding = range.figures - figures;
    const std::uint64_t digits = ohms.significand * powerOfTen(padding);
    const ValueBands bands = valueBandsOf(kind);
    BandCodes codes {};
    // Within the range every digit and exponent has its colour; a table with gaps would leave a
    // value no band can show.
    const auto put = [&](Band b, int ColourCode::*column, int wanted) {
        const std::optional<int> code = offeredCode(roleOf(kind, b), column, wanted);
        codes[static_cast<std::size_t>(index(b))] = code;
        return code.has_value();
    };
    std::uint64_t place = powerOfTen(range.figures - 1);
    for (std::size_t i = 0; i < bands.digitCount; ++i, place /= 10) {
        if (!put(bands.digits[i], &ColourCode::digit, static_cast<int>(digits / place % 10)))
            return EncodeError::TooManyFigures;
    }
    if (!put(bands.multiplier, &ColourCode::multiplierExponent, ohms.exponent - padding))
        return EncodeError::TooManyFigures;
    return codes;
}

TypedValue readTypedValue(std::string_view text, Kind kind)
{
    const auto refused = [](Refusal why) { return TypedValue {{}, {}, std::move(why)}; };
    if (text.size() > MaxTypedBytes)
        return refused(ParseError::TooLong);
    const std::string symbols = symbolsOf(text);
    const Marking marking = markingOf(symbols);
    if (const ParseError *error = std::get_if<ParseError>(&marking.parsed))
        return refused(*error);
    const Decimal ohms = std::get<Decimal>(marking.parsed);
    const std::variant<BandCodes, EncodeError> encoded = encodeValue(ohms, kind);
    if (const EncodeError *error = std::get_if<EncodeError>(&encoded))
        return refused(refusalOf(ohms, kind, *error));
    BandCodes codes = std::get<BandCodes>(encoded);
    if (std::optional<MarkRefusal> why = addMarks(marking, kind, codes))
        return refused(std::move(*why));
    return {codes, ohms, std::nullopt};
}

} // namespace bandalyx
