#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/colourtable.h"
#include "engine/reader.h"

namespace bandalyx {

// The two tooltip texts that explain a reading (UTF-8); an empty text means no tooltip.
struct Explanation
{
    std::string value; // "4 700 Ω", a line break, then the standard series holding the value
    std::string range; // "허용 범위: 4.465 ㏀ – 4.935 ㏀", the bounds the tolerance allows

    bool operator==(const Explanation &) const = default;
};

// The exact value in ohms of the reading the value box shows, or nothing when the digit and
// multiplier bands do not each hold one digit code, or the box shows another value.
std::optional<std::uint64_t> valueOhms(const ReaderState &state, std::optional<Kind> kind);

// A tolerance text such as "±5.00 ％, J" in hundredths of a percent (500); nothing for "-",
// the empty text, finer steps than a hundredth, or more than 100 %.
std::optional<int> toleranceHundredths(std::string_view text);

// Called after each recomputation, with the kind the window has selected.
Explanation explain(const ReaderState &state, std::optional<Kind> kind);

} // namespace bandalyx
