#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/colourtable.h"
#include "engine/eseries.h"
#include "engine/valuetext.h"

// The standard series a tolerance goes with, and the values of that series next to a reading
// that is not in it.
namespace bandalyx {

// The series of a tolerance in hundredths of a percent (±5 % → E24; ±0.5 % and finer → E192),
// or nullptr when none goes with it.
const ESeries *seriesOfTolerance(int hundredths);

struct Neighbours
{
    Decimal below;
    Decimal above;
};

// The series' values either side of `ohms` (they may cross a decade), or nothing when `ohms` is
// in the series or zero.
std::optional<Neighbours> neighboursIn(const ESeries &series, Decimal ohms);

// The series' value next above (`up`) or below `ohms`, which need not be in the series itself;
// nothing for zero.
std::optional<Decimal> nextInSeries(const ESeries &series, Decimal ohms, bool up);

// The series of a tolerance (hundredths of a percent) and its values either side of a reading
// that is not in it.
struct NearestStandard
{
    const ESeries *series;
    Neighbours values;
};

// Nothing when the value is in the series of its tolerance, or no series goes with it.
std::optional<NearestStandard> nearestStandard(std::uint64_t ohms,
                                               std::optional<int> toleranceHundredths);

} // namespace bandalyx
