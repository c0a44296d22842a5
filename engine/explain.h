#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/colourtable.h"
#include "engine/reader.h"

namespace bandalyx {

// The tooltip texts that explain a reading (UTF-8); an empty text means none.
struct Explanation
{
    std::string value; // "4 700 Ω", a line break, then the standard series holding the value
    std::string range; // "허용 범위: 4.465 ㏀ – 4.935 ㏀", the bounds the tolerance allows
    std::string nearest; // "E24 가까운 표준값: 4.3 ㏀, 4.7 ㏀": the value is not in its series
    std::string directions; // the reading from each end of the resistor, or why one cannot be

    bool operator==(const Explanation &) const = default;
};

// A value in ohms (none: nothing to explain) with the tolerance beside it, in hundredths of a
// percent (none: no range, no series).
Explanation explain(std::optional<std::uint64_t> ohms, std::optional<int> toleranceHundredths);

// The reader's last reading, and with the kind it was read as, its reading from either end;
// called after each recomputation.
Explanation explain(const Reader &reader, std::optional<Kind> kind = std::nullopt);

} // namespace bandalyx
