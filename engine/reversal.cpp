#include "engine/reversal.h"

#include "engine/nearest.h"

namespace bandalyx {

namespace {

// A reading's value is whole ohms only while no multiplier the bands offer is a fraction.
static_assert([] {
    for (const ColourCode &c : Colours)
        if (offeredCodes(Role::Multiplier)[static_cast<std::size_t>(c.code)]
            && c.multiplierExponent < 0)
            return false;
    return true;
}());

bool isCode(int code)
{
    return code >= 0 && code < ColourCount;
}

std::optional<BandFault> faultOf(Role role, int code, bool absent)
{
    if (!isCode(code))
        return BandFault::NotOffered;
    if (absent && role != Role::Tolerance)
        return BandFault::AbsentBand;
    if (!absent && role == Role::Tolerance && code == NoColourCode)
        return BandFault::WhiteAsTolerance;
    if (!offeredCodes(role)[static_cast<std::size_t>(code)])
        return BandFault::NotOffered;
    return std::nullopt;
}

// The colours taken from one end, each checked against the role of the place it comes to; a
// sequence that passes is read as the reader reads its bands.
ReadingOrRefusal readInOrder(Kind kind, const BandSequence &codes, bool backward)
{
    const int count = bandCountOf(kind);
    BandValues placed {};
    for (int i = 0; i < count; ++i) {
        const int from = backward ? count - 1 - i : i; // the band that takes place i
        const Band band = AllBands[static_cast<std::size_t>(from)];
        const int code = codes[static_cast<std::size_t>(from)];
        const Role role = roleOf(kind, AllBands[static_cast<std::size_t>(i)]);
        // A no-colour tolerance band is a place without a band: it can only ever be that place.
        if (const std::optional<BandFault> fault = faultOf(role, code, isNoColour(kind, band, code)))
            return BandRefusal {band, code, role, *fault};
        placed[static_cast<std::size_t>(i)] = BandValue(code);
    }
    const Reading read = readBands(kind, placed);
    BandReading r {read.ohms().value_or(0), read.tolerance.value_or(NoTolerance), read.tempcoPpm,
                   nullptr, false};
    r.series = r.tolerance.hundredths > 0 ? seriesOfTolerance(r.tolerance.hundredths) : nullptr;
    r.standard = r.series && inSeries(*r.series, r.ohms);
    return r;
}

} // namespace

std::optional<BandSequence> bandSequenceOf(const ReaderState &state, Kind kind)
{
    BandSequence codes {};
    for (int i = 0; i < bandCountOf(kind); ++i) {
        const std::optional<int> code = state.band(AllBands[static_cast<std::size_t>(i)]).code();
        if (!code)
            return std::nullopt;
        codes[static_cast<std::size_t>(i)] = *code;
    }
    return codes;
}

ReadingOrRefusal readForward(Kind kind, const BandSequence &codes)
{
    return readInOrder(kind, codes, false);
}

ReadingOrRefusal readBackward(Kind kind, const BandSequence &codes)
{
    return readInOrder(kind, codes, true);
}

Directions directionsOf(Kind kind, const BandSequence &codes)
{
    return {AllBands.front(), readForward(kind, codes),
            AllBands[static_cast<std::size_t>(bandCountOf(kind) - 1)],
            readBackward(kind, codes)};
}

} // namespace bandalyx
