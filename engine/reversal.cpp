#include "engine/reversal.h"

#include "engine/marking.h"
#include "engine/nearest.h"
#include "engine/valuetext.h"

namespace bandalyx {

namespace {

// Every phrase of the tooltip; {band} is a band letter, {from} the letter a reading starts at.
struct PhraseTable
{
    std::string_view forward;
    std::string_view backward;
    std::string_view forwardRefused;
    std::string_view backwardRefused;
    std::string_view reading;
    std::string_view standard;
    std::string_view notStandard;
    std::array<std::string_view, 3> faults; // in BandFault's order
    std::array<std::string_view, 6> roles; // in Role's order
};

// clang-format off
constexpr PhraseTable Phrases {
    "{from}부터: {reading}",
    "반대쪽({from}부터): {reading}",
    "{from}부터는 읽을 수 없음: {why}",
    "반대쪽({from}부터)에서는 읽을 수 없음: {why}",
    "{value} {tolerance}{tempco}{standard}",
    " ({series} 표준값)",
    " ({series} 표준값 아님)",
    {
        "{band} 띠({colour})는 {role}가 될 수 없음",
        "{band} 띠({colour})는 띠가 없는 자리라 {role}가 될 수 없음",
        "{band} 띠({colour})는 허용오차 자리에서 무색으로 읽혀 허용오차가 될 수 없음",
    },
    {"", "첫 숫자", "숫자", "승수", "허용오차", "온도계수"},
};
// clang-format on

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

// A no-colour tolerance band is a place without a band: it can only ever be that place.
bool isAbsent(Kind kind, Band band, int code)
{
    return roleOf(kind, band) == Role::Tolerance && code == NoColourCode;
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

ReadingOrRefusal readBands(Kind kind, const BandSequence &codes, bool backward)
{
    const int count = bandCountOf(kind);
    BandReading r {0, NoTolerance, std::nullopt, nullptr, false};
    std::uint64_t digits = 0;
    int exponent = 0;
    for (int i = 0; i < count; ++i) {
        const int from = backward ? count - 1 - i : i; // the band that takes place i
        const Band band = AllBands[static_cast<std::size_t>(from)];
        const int code = codes[static_cast<std::size_t>(from)];
        const Role role = roleOf(kind, AllBands[static_cast<std::size_t>(i)]);
        if (const std::optional<BandFault> fault = faultOf(role, code, isAbsent(kind, band, code)))
            return BandRefusal {band, code, role, *fault};
        const ColourCode &colour = Colours[static_cast<std::size_t>(code)];
        if (role == Role::FirstDigit || role == Role::Digit)
            digits = digits * 10 + static_cast<std::uint64_t>(colour.digit);
        else if (role == Role::Multiplier)
            exponent = colour.multiplierExponent;
        else if (role == Role::Tolerance)
            r.tolerance = colour.tolerance.value_or(NoTolerance);
        else if (role == Role::Tempco)
            r.tempcoPpm = colour.tempcoPpm.value_or(NoTempco);
    }
    r.ohms = digits * powerOfTen(exponent);
    r.series = r.tolerance.hundredths > 0 ? seriesOfTolerance(r.tolerance.hundredths) : nullptr;
    r.standard = r.series && inSeries(*r.series, r.ohms);
    return r;
}

std::string readingText(const BandReading &r)
{
    std::string standard;
    if (r.series)
        standard = fillIn(r.standard ? Phrases.standard : Phrases.notStandard,
                          {{"series", r.series->name}});
    return fillIn(Phrases.reading,
                  {{"value", ohmsText(decimalOf(r.ohms))},
                   {"tolerance", shortTolerance(r.tolerance)},
                   // append, as " " + text makes GCC 12 warn falsely of an overlap (-Wrestrict)
                   {"tempco",
                    r.tempcoPpm ? std::string(" ").append(tempcoText(*r.tempcoPpm)) : std::string()},
                   {"standard", standard}});
}

std::string refusalText(Kind kind, const BandRefusal &r)
{
    std::string colour = std::to_string(r.code);
    if (isAbsent(kind, r.band, r.code))
        colour = NoColourName;
    else if (isCode(r.code))
        colour = Colours[static_cast<std::size_t>(r.code)].koreanName;
    return fillIn(Phrases.faults[static_cast<std::size_t>(r.fault)],
                  {{"band", letterOf(r.band)},
                   {"colour", colour},
                   {"role", Phrases.roles[static_cast<std::size_t>(r.role)]}});
}

std::string directionLine(Kind kind, const ReadingOrRefusal &result, Band from, bool backward)
{
    if (const BandReading *r = std::get_if<BandReading>(&result))
        return fillIn(backward ? Phrases.backward : Phrases.forward,
                      {{"from", letterOf(from)}, {"reading", readingText(*r)}});
    return fillIn(
        backward ? Phrases.backwardRefused : Phrases.forwardRefused,
        {{"from", letterOf(from)}, {"why", refusalText(kind, std::get<BandRefusal>(result))}});
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
    return readBands(kind, codes, false);
}

ReadingOrRefusal readBackward(Kind kind, const BandSequence &codes)
{
    return readBands(kind, codes, true);
}

std::string directionsTooltip(Kind kind, const BandSequence &codes)
{
    const Band last = AllBands[static_cast<std::size_t>(bandCountOf(kind) - 1)];
    return directionLine(kind, readForward(kind, codes), Band::A, false) + '\n'
        + directionLine(kind, readBackward(kind, codes), last, true);
}

} // namespace bandalyx
