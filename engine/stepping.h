#pragma once

#include <variant>

#include "engine/colourtable.h"
#include "engine/encode.h"
#include "engine/eseries.h"
#include "engine/valuetext.h"

// Stepping a reading through standard values, as a designer tries the next part up or down.
namespace bandalyx {

enum class Step {
    Up, // the next larger value of the series
    Down, // the next smaller one
    DecadeUp, // the same figures ten times larger
    DecadeDown, // ten times smaller
};

// A step the kind can show: the value and the codes of its digit and multiplier bands.
struct Stepped
{
    Decimal ohms;
    BandCodes codes;
};

// A step past the kind's smallest or largest value: the value it would have reached, and which
// end it passed.
struct StepRefused
{
    Decimal ohms;
    EncodeError error;
};

// One step from `ohms` on `kind`. Up and Down go to the next value of `series` that the kind can
// show, passing over values with more figures than it has digit bands.
std::variant<Stepped, StepRefused> stepValue(Kind kind, Decimal ohms, const ESeries &series,
                                             Step step);

} // namespace bandalyx
