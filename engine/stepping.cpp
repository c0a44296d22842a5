#include "engine/stepping.h"

#include "engine/nearest.h"

namespace bandalyx {

std::variant<Stepped, StepRefused> stepValue(Kind kind, Decimal ohms, const ESeries &series,
                                             Step step)
{
    // Zero is no reading and has no place in a series.
    if (ohms.significand == 0)
        return StepRefused {ohms, EncodeError::BelowRange};
    // Every step moves the value one way, so a value past the kind's range ends the walk.
    Decimal next = decimalOf(ohms.significand, ohms.exponent);
    for (;;) {
        if (step == Step::DecadeUp || step == Step::DecadeDown)
            next.exponent += step == Step::DecadeUp ? 1 : -1;
        else
            next = *nextInSeries(series, next, step == Step::Up);
        const std::variant<BandCodes, EncodeError> encoded = encodeValue(next, kind);
        if (const BandCodes *codes = std::get_if<BandCodes>(&encoded))
            return Stepped {next, *codes};
        if (const EncodeError error = std::get<EncodeError>(encoded);
            error != EncodeError::TooManyFigures)
            return StepRefused {next, error};
    }
}

} // namespace bandalyx
