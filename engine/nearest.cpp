#include "engine/nearest.h"

#include <algorithm>
#include <array>

namespace bandalyx {

namespace {

struct ToleranceSeries
{
    int hundredths;
    std::string_view series;
    bool andFiner; // also every finer tolerance
};

constexpr std::array<ToleranceSeries, 6> SeriesByTolerance {{
    {2000, "E6", false},
    {1000, "E12", false},
    {500, "E24", false},
    {200, "E48", false},
    {100, "E96", false},
    {50, "E192", true},
}};

const ESeries *seriesNamed(std::string_view name)
{
    for (const ESeries &s : StandardSeries)
        if (s.name == name)
            return &s;
    return nullptr;
}

} // namespace

const ESeries *seriesOfTolerance(int hundredths)
{
    for (const ToleranceSeries &t : SeriesByTolerance) {
        if (hundredths == t.hundredths
            || (t.andFiner && hundredths > 0 && hundredths < t.hundredths))
            return seriesNamed(t.series);
    }
    return nullptr;
}

std::optional<Neighbours> neighboursIn(const ESeries &series, Decimal ohms)
{
    if (ohms.significand == 0 || series.entries.empty())
        return std::nullopt;
    // The value's first figures as an entry would carry them, and whether more figures follow.
    const int figures = figuresOf(ohms);
    const int wanted = series.significantDigits;
    std::uint64_t head = ohms.significand;
    bool more = false;
    if (figures >= wanted) {
        const std::uint64_t cut = powerOfTen(figures - wanted);
        more = head % cut != 0;
        head /= cut;
    } else {
        head *= powerOfTen(wanted - figures);
    }
    // The power of ten that turns an entry into a value of the same decade.
    const int scale = figures + ohms.exponent - wanted;

    // The first entry is 10…0, never above `head`.
    const auto above = std::upper_bound(series.entries.begin(), series.entries.end(), head);
    const std::uint16_t below = *(above - 1);
    if (below == head && !more)
        return std::nullopt;
    if (above == series.entries.end())
        return Neighbours {decimalOf(below, scale), decimalOf(series.entries.front(), scale + 1)};
    return Neighbours {decimalOf(below, scale), decimalOf(*above, scale)};
}

std::optional<NearestStandard> nearestStandard(std::uint64_t ohms,
                                               std::optional<int> toleranceHundredths)
{
    const ESeries *series = toleranceHundredths ? seriesOfTolerance(*toleranceHundredths) : nullptr;
    if (!series)
        return std::nullopt;
    const std::optional<Neighbours> n = neighboursIn(*series, decimalOf(ohms));
    if (!n)
        return std::nullopt;
    return NearestStandard {series, *n};
}

} // namespace bandalyx
