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

namespace {

// Where a value falls in a series: its first figures as an entry would carry them, whether more
// figures follow, and the power of ten that turns an entry into a value of the same decade.
struct Position
{
    std::uint64_t head;
    bool more;
    int scale;
};

Position positionIn(const ESeries &series, Decimal ohms)
{
    const int figures = figuresOf(ohms);
    const int wanted = series.significantDigits;
    Position p {ohms.significand, false, figures + ohms.exponent - wanted};
    if (figures >= wanted) {
        const std::uint64_t cut = powerOfTen(figures - wanted);
        p.more = p.head % cut != 0;
        p.head /= cut;
    } else {
        p.head *= powerOfTen(wanted - figures);
    }
    return p;
}

} // namespace

std::optional<Decimal> nextInSeries(const ESeries &series, Decimal ohms, bool up)
{
    if (ohms.significand == 0 || series.entries.empty())
        return std::nullopt;
    const Position p = positionIn(series, ohms);
    const auto &entries = series.entries;
    // The first entry is 10…0, never above `head`.
    if (up) {
        const auto above = std::upper_bound(entries.begin(), entries.end(), p.head);
        if (above == entries.end())
            return decimalOf(entries.front(), p.scale + 1);
        return decimalOf(*above, p.scale);
    }
    // With more figures after them, the first figures themselves lie below the value.
    const auto from = p.more ? std::upper_bound(entries.begin(), entries.end(), p.head)
                             : std::lower_bound(entries.begin(), entries.end(), p.head);
    if (from == entries.begin())
        return decimalOf(entries.back(), p.scale - 1);
    return decimalOf(*(from - 1), p.scale);
}

std::optional<Neighbours> neighboursIn(const ESeries &series, Decimal ohms)
{
    if (ohms.significand == 0 || series.entries.empty())
        return std::nullopt;
    const Position p = positionIn(series, ohms);
    if (!p.more && std::binary_search(series.entries.begin(), series.entries.end(), p.head))
        return std::nullopt;
    return Neighbours {*nextInSeries(series, ohms, false), *nextInSeries(series, ohms, true)};
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
