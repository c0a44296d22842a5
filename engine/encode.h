#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/colourtable.h"
#include "engine/marking.h"
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

// Why a kind cannot show a value, with what a note names: the kind's figures and bounds, the
// kinds that can show the value, and the kind's values next to it.
struct ValueRefusal
{
    EncodeError error;
    Kind kind;
    KindRange range; // the kind's
    int figures; // the value's significant digits
    std::vector<Kind> showing; // every kind that can show the value
    Decimal below; // the value cut to the kind's figures, and one step up from there
    Decimal above;
};

// Why typed text sets no band: it is no value, the kind cannot show it, or the tolerance or
// coefficient its marking adds is not the kind's.
using Refusal = std::variant<ParseError, ValueRefusal, MarkRefusal>;

// Why `kind` cannot show `ohms`, as the value box finds it for a typed value.
ValueRefusal refusalOf(Decimal ohms, Kind kind, EncodeError error);

// What the window does with a typed value: the band codes to set, or (codes all unset) why not.
struct TypedValue
{
    BandCodes codes {};
    Decimal ohms {}; // the value the codes show, when they apply
    std::optional<Refusal> refusal;

    bool applies() const { return !refusal; }
};

// The window's one entry point: typed text and the selected kind to band codes or a message. The
// text is a value, or a whole marking that adds a tolerance and, on six bands, a temperature
// coefficient: "4K7J", "4.7k 5%", "10K F 50ppm". Where a letter could be the multiplier or the
// tolerance, the value wins: "100K" is 100 kilo-ohms.
TypedValue readTypedValue(std::string_view text, Kind kind);

} // namespace bandalyx
