#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/colourtable.h"
#include "engine/valuetext.h"

// From a value to its colours: the digit and multiplier bands that show it on a kind of
// resistor, or why that kind cannot.
namespace bandalyx {

// Colour codes by band (index(Band)); only the kind's digit and multiplier bands are set.
using BandCodes = std::array<std::optional<int>, BandCount>;

enum class EncodeError {
    BelowRange, // under the smallest value: the multiplier band offers no gold or silver
    AboveRange,
    TooManyFigures, // more significant digits than the kind has digit bands
};

// What a kind can show: how many figures it reads, and its smallest and largest value.
struct KindRange
{
    int figures;
    Decimal smallest;
    Decimal largest;
};

// The figures and bounds of a kind, taken from its band roles and the codes each role offers.
KindRange rangeOf(Kind kind);

// The codes of the kind's digit and multiplier bands that show `ohms`, or why they cannot
// (range before figures).
std::variant<BandCodes, EncodeError> encodeValue(Decimal ohms, Kind kind);

// Why `kind` cannot show `ohms` (UTF-8), as the value box says it of a typed value.
std::string refusalOf(Decimal ohms, Kind kind, EncodeError error);

// What the window does with a typed value: the band codes to set, or (codes all unset) a Korean
// message saying why not.
struct TypedValue
{
    BandCodes codes {};
    std::string message; // UTF-8; empty when the codes apply
    Decimal ohms {}; // the value the codes show, when they apply

    bool applies() const { return message.empty(); }
};

// The window's one entry point: typed text and the selected kind to band codes or a message. The
// text is a value, or a whole marking that adds a tolerance and, on six bands, a temperature
// coefficient: "4K7J", "4.7k 5%", "10K F 50ppm". Where a letter could be the multiplier or the
// tolerance, the value wins: "100K" is 100 kilo-ohms.
TypedValue readTypedValue(std::string_view text, Kind kind);

} // namespace bandalyx
