#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/colourtable.h"
#include "engine/lookalike.h"
#include "engine/nearest.h"
#include "engine/reader.h"
#include "engine/reversal.h"

// What the tooltips explain about a reading, as facts; the window words them.
namespace bandalyx {

// The bounds a tolerance allows, both in the nominal value's unit so that they read alike:
// "4.465 ㏀" and "4.935 ㏀".
struct Bounds
{
    std::string low;
    std::string high;
};

// What the resistor picture says of its bands: their colours from A on, the reading from each
// end, and what a band easily taken for another colour would give instead.
struct PictureFacts
{
    Kind kind;
    BandSequence codes;
    Directions directions;
    std::vector<AlternativeReading> alternatives;
};

struct Explanation
{
    std::string exact; // "4 700 Ω", every digit; empty when there is nothing to explain
    std::vector<std::string_view> series; // the standard series that hold the value, in order
    std::optional<Bounds> range;
    std::optional<NearestStandard> nearest; // the value is not in its tolerance's series
    std::optional<PictureFacts> picture; // with the kind it was read as
};

// A value in ohms (none: nothing to explain) with the tolerance beside it, in hundredths of a
// percent (none: no range, no series).
Explanation explain(std::optional<std::uint64_t> ohms, std::optional<int> toleranceHundredths);

// The reader's last reading, and with the kind it was read as, its reading from either end;
// called after each recomputation.
Explanation explain(const Reader &reader, std::optional<Kind> kind = std::nullopt);

} // namespace bandalyx
