#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

#include "engine/colourtable.h"
#include "engine/eseries.h"
#include "engine/reader.h"

// Which end to read from: the same colours read from either end, each checked band by band
// against the role it would play, so the user can judge which way round a resistor is.
namespace bandalyx {

// Colour codes of the bands from A on; entries past the kind's last band are ignored.
using BandSequence = std::array<int, BandCount>;

// A reading the kind can have.
struct BandReading
{
    std::uint64_t ohms;
    Tolerance tolerance; // the tolerance band's
    std::optional<int> tempcoPpm; // six bands only
    const ESeries *series; // the series of the tolerance, or nullptr
    bool standard; // the value is in that series
};

enum class BandFault {
    NotOffered, // the role offers no such colour (a first digit is never black, gold, silver)
    AbsentBand, // a no-colour tolerance band is no band at all, so it cannot be read as another
                // (the only refusal of a band that is no colour)
    WhiteAsTolerance, // in the tolerance place white would mean no band, yet the band is there
};

// The first band that fails, named as the window names it (A at the usual first end).
struct BandRefusal
{
    Band band;
    int code;
    Role role; // the role it would play
    BandFault fault;
};

using ReadingOrRefusal = std::variant<BandReading, BandRefusal>;

// The kind's band codes as the reader holds them, or nothing when a band holds no code text.
std::optional<BandSequence> bandSequenceOf(const ReaderState &state, Kind kind);

// The reading from band A on, or the first band whose colour its role does not offer.
ReadingOrRefusal readForward(Kind kind, const BandSequence &codes);

// The reading from the kind's last band back to A, or the first band (in that order) that
// cannot play its role there.
ReadingOrRefusal readBackward(Kind kind, const BandSequence &codes);

// What the resistor picture's explanation says: the reading from each end, or why one is
// impossible.
struct Directions
{
    Band first; // where the forward reading starts
    ReadingOrRefusal forward;
    Band last; // where the backward reading starts
    ReadingOrRefusal backward;
};

Directions directionsOf(Kind kind, const BandSequence &codes);

} // namespace bandalyx
