#include "engine/explain.h"

#include <array>
#include <cstddef>
#include <limits>

#include "engine/eseries.h"

namespace bandalyx {

namespace {

// Tolerances count hundredths of a percent, i.e. ten-thousandths of the value.
constexpr int ToleranceDigits = 4;
constexpr std::uint64_t WholeValue = powerOfTen(ToleranceDigits);
constexpr int MaxTolerance = 10'000; // 100 %: a lower bound never drops below zero

// The largest reading: three nines and the largest multiplier digit.
constexpr std::uint64_t MaxOhms = 999 * powerOfTen(9);

// A bound is one product, value * (10000 ± t), before any division; even the largest value at
// 100 % stays far inside 64 bits (2·10^16 against 1.8·10^19).
static_assert(MaxOhms <= std::numeric_limits<std::uint64_t>::max() / (WholeValue + MaxTolerance));
// Fraction digits go up to those of the largest unit, 10^-(4+9) of it.
static_assert(ToleranceDigits + Units.back().exponent <= 19);

// 4700 reads "4 700": groups of three split by a blank.
std::string grouped(std::uint64_t n)
{
    const std::string digits = std::to_string(n);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ' ';
        text += digits[i];
    }
    return text;
}

// `scaled` counts steps of 10^-fractionDigits; trailing zeros of the fraction are dropped.
std::string decimal(std::uint64_t scaled, int fractionDigits)
{
    const std::uint64_t one = powerOfTen(fractionDigits);
    std::string text = grouped(scaled / one);
    std::string fraction = std::to_string(scaled % one);
    fraction.insert(0, static_cast<std::size_t>(fractionDigits) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

// Both bounds in the nominal value's unit, so they read alike.
Bounds boundsOf(std::uint64_t ohms, int tolerance)
{
    const Unit &unit = unitForWholeDigits(static_cast<int>(std::to_string(ohms).size()));
    const int fractionDigits = ToleranceDigits + unit.exponent;
    const auto t = static_cast<std::uint64_t>(tolerance);
    return {decimal(ohms * (WholeValue - t), fractionDigits) + std::string(unit.text),
            decimal(ohms * (WholeValue + t), fractionDigits) + std::string(unit.text)};
}

} // namespace

Explanation explain(std::optional<std::uint64_t> ohms, std::optional<int> toleranceHundredths)
{
    if (!ohms)
        return {};

    Explanation e;
    e.exact = grouped(*ohms) + std::string(Units.front().text);
    for (const ESeries &series : StandardSeries) {
        if (inSeries(series, *ohms))
            e.series.push_back(series.name);
    }
    // Zero ohms has no range worth showing.
    if (toleranceHundredths && *toleranceHundredths <= MaxTolerance && *ohms > 0)
        e.range = boundsOf(*ohms, *toleranceHundredths);
    e.nearest = nearestStandard(*ohms, toleranceHundredths);
    return e;
}

Explanation explain(const Reader &reader, std::optional<Kind> kind)
{
    const std::optional<Tolerance> tolerance = reader.tolerance();
    Explanation e
        = explain(reader.valueOhms(),
                  tolerance && tolerance->hundredths > 0 ? std::optional<int>(tolerance->hundredths)
                                                         : std::nullopt);
    if (kind) {
        if (const std::optional<BandSequence> codes = bandSequenceOf(reader.state(), *kind))
            e.picture = PictureFacts {*kind, *codes, directionsOf(*kind, *codes),
                                      alternativeReadings(*kind, *codes)};
    }
    return e;
}

} // namespace bandalyx
