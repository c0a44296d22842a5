#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "engine/colourtable.h"
#include "engine/eseries.h"
#include "engine/reversal.h"

// Colours that are easily taken for one another, and what a band would read as the other colour:
// reading the colours is the hard part of reading a resistor.
namespace bandalyx {

enum class Deficiency { Protanopia, Deuteranopia, Tritanopia };

struct LookalikePair
{
    int first; // colour codes, the smaller first
    int second;
    Deficiency deficiency;
    double distance; // CAM02-UCS ΔE' between the two colours as the deficiency shows them
};

// The pairs of the colour table's RGB values that lie closer than this in CAM02-UCS once simulated
// with the model of Machado, Oliveira and Fernandes (2009) at full severity. With normal vision the
// nearest two colours (yellow, gold) lie 15.97 apart, and the simulated distances under 16 fall in
// two groups, 8.4 to 12.5 and 14.3 up: 13 takes the first, clearly nearer than anything normal
// vision tells apart. tests/lookalike_pairs.py recomputes the table with colorspacious.
inline constexpr double LookalikeThreshold = 13.0;

// clang-format off
inline constexpr std::array<LookalikePair, 7> LookalikePairs {{
    {1, 5, Deficiency::Deuteranopia, 8.37}, // brown, green
    {2, 5, Deficiency::Protanopia, 9.02}, // red, green
    {3, 10, Deficiency::Deuteranopia, 10.08}, // orange, gold
    {1, 2, Deficiency::Protanopia, 10.17}, // brown, red
    {10, 11, Deficiency::Tritanopia, 10.40}, // gold, silver
    {4, 9, Deficiency::Tritanopia, 11.96}, // yellow, white
    {2, 3, Deficiency::Deuteranopia, 12.53}, // red, orange
}};
// clang-format on

static_assert([] {
    for (const LookalikePair &p : LookalikePairs)
        if (p.first >= p.second || p.second >= ColourCount || p.distance >= LookalikeThreshold)
            return false;
    return true;
}());

// What a band would give read as a colour it is easily taken for.
struct AlternativeReading
{
    Band band;
    int code; // the colour it may really be
    BandReading reading; // the whole reading with that colour, from band A on
    const ESeries *commonest; // the first series holding the value when it is standard, or nullptr
};

inline constexpr std::size_t MaxAlternatives = 3;

// The readings of the kind's bands with one band taken for a lookalike colour that its place
// offers, at most MaxAlternatives: the standard values of their tolerance's series first, then the
// values nearest the drawn one. Nothing when the bands cannot be read from band A.
std::vector<AlternativeReading> alternativeReadings(Kind kind, const BandSequence &codes);

} // namespace bandalyx
