#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

// The single definition of the twelve colour codes, the band roles per kind and the unit texts:
// the reader, the window, the drawing and the guide chart all read these tables.
namespace bandalyx {

inline constexpr int ColourCount = 12;
inline constexpr int BandCount = 6;

enum class Kind { FourBands, FiveBands, SixBands };
enum class Band { A, B, C, D, E, F };
enum class Role { None, FirstDigit, Digit, Multiplier, Tolerance, Tempco };

inline constexpr std::array<Kind, 3> AllKinds {Kind::FourBands, Kind::FiveBands, Kind::SixBands};
inline constexpr std::array<Band, BandCount> AllBands {Band::A, Band::B, Band::C,
                                                       Band::D, Band::E, Band::F};

constexpr int index(Kind k)
{
    return static_cast<int>(k);
}
constexpr int index(Band b)
{
    return static_cast<int>(b);
}

// What the window and its messages call each kind and each band.
inline constexpr std::array<std::string_view, AllKinds.size()> KindNames {"4색", "5색", "6색"};
inline constexpr std::array<std::string_view, BandCount> BandLetters {"A", "B", "C", "D", "E", "F"};

constexpr std::string_view nameOf(Kind k)
{
    return KindNames[static_cast<std::size_t>(index(k))];
}
constexpr std::string_view letterOf(Band b)
{
    return BandLetters[static_cast<std::size_t>(index(b))];
}

struct Rgb
{
    int red;
    int green;
    int blue;
};

// Colours travel to the shapes folded into one integer, red in the lowest byte.
constexpr std::int32_t colourNumber(Rgb c)
{
    return c.red + 256 * c.green + 65536 * c.blue;
}

// A tolerance as parts lists print it: hundredths of a percent and its letter. NoTolerance is a
// colour that gives none, shown as a dash.
struct Tolerance
{
    int hundredths = 0;
    char letter = 0;

    constexpr bool operator==(const Tolerance &) const = default;
};

struct ColourCode
{
    int code;
    std::string_view englishName;
    std::string_view koreanName;
    std::string_view caption; // the colour button's caption: the name followed by the code
    int digit; // -1: never a digit
    int multiplierExponent; // power of ten; gold and silver are fractions the buttons never offer
    std::optional<Tolerance> tolerance; // nullopt: the previous text stays
    // ppm per kelvin; NoTempco gives a dash; nullopt: the previous text stays
    std::optional<int> tempcoPpm;
    Rgb rgb;
};

inline constexpr std::string_view Dash = "-";
inline constexpr Tolerance NoTolerance {};
inline constexpr int NoTempco = 0;
inline constexpr std::nullopt_t Previous = std::nullopt;

// clang-format off
inline constexpr std::array<ColourCode, ColourCount> Colours {{
    {0, "black", "흑색", "흑색0", 0, 0, NoTolerance, NoTempco, {0, 0, 0}},
    {1, "brown", "갈색", "갈색1", 1, 1, Tolerance {100, 'F'}, 100, {128, 64, 0}},
    {2, "red", "적색", "적색2", 2, 2, Tolerance {200, 'G'}, 50, {255, 0, 0}},
    {3, "orange", "등색", "등색3", 3, 3, Previous, 25, {255, 128, 64}},
    {4, "yellow", "황색", "황색4", 4, 4, NoTolerance, 15, {255, 255, 0}},
    {5, "green", "녹색", "녹색5", 5, 5, Tolerance {50, 'D'}, NoTempco, {0, 128, 0}},
    {6, "blue", "청색", "청색6", 6, 6, Tolerance {25, 'C'}, 10, {0, 0, 255}},
    {7, "violet", "보라", "보라7", 7, 7, Tolerance {10, 'B'}, 5, {204, 102, 255}},
    {8, "grey", "회색", "회색8", 8, 8, Tolerance {5, 'A'}, NoTempco, {128, 128, 128}},
    {9, "white", "흰색", "흰색9", 9, 9, Tolerance {2000, 'M'}, 1, {255, 255, 255}},
    {10, "gold", "금색", "금색10", -1, -1, Tolerance {500, 'J'}, Previous, {204, 204, 0}},
    {11, "silver", "은색", "은색11", -1, -2, Tolerance {1000, 'K'}, NoTempco, {192, 192, 192}},
}};
// clang-format on

// Code 9 in the tolerance band stands for a resistor without that band.
inline constexpr int NoColourCode = 9;
inline constexpr std::string_view NoColourName = "무색";
inline constexpr std::string_view NoColourCaption = "무색9";

constexpr std::int32_t colourNumberOf(int code)
{
    return colourNumber(Colours[code].rgb);
}

// Which colour buttons a band offers, by the role it plays.
using CodeSet = std::array<bool, ColourCount>;

constexpr CodeSet codes(std::initializer_list<int> offered)
{
    CodeSet set {};
    for (int c : offered)
        set[c] = true;
    return set;
}

constexpr CodeSet offeredCodes(Role role)
{
    switch (role) {
    case Role::FirstDigit:
        return codes({1, 2, 3, 4, 5, 6, 7, 8, 9});
    case Role::Digit:
    case Role::Multiplier:
        return codes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    case Role::Tolerance:
        return codes({1, 2, 5, 6, 7, 8, 9, 10, 11});
    case Role::Tempco:
        return codes({1, 2, 3, 4, 6, 7, 9});
    case Role::None:
        break;
    }
    return {};
}

// The code a band of each role holds on the default resistor of a kind: brown for the first
// digit, black for the other digits and the multiplier, gold for the tolerance, brown for the
// temperature coefficient; a band without a role holds nothing.
constexpr std::optional<int> defaultCodeOf(Role role)
{
    switch (role) {
    case Role::FirstDigit:
    case Role::Tempco:
        return 1;
    case Role::Digit:
    case Role::Multiplier:
        return 0;
    case Role::Tolerance:
        return 10;
    case Role::None:
        break;
    }
    return std::nullopt;
}

// Role of each band A..F per kind.
inline constexpr std::array<std::array<Role, BandCount>, 3> BandRoles {{
    {Role::FirstDigit, Role::Digit, Role::Multiplier, Role::Tolerance, Role::None, Role::None},
    {Role::FirstDigit, Role::Digit, Role::Digit, Role::Multiplier, Role::Tolerance, Role::None},
    {Role::FirstDigit, Role::Digit, Role::Digit, Role::Multiplier, Role::Tolerance, Role::Tempco},
}};

constexpr Role roleOf(Kind k, Band b)
{
    return BandRoles[index(k)][index(b)];
}

constexpr int bandCountOf(Kind k)
{
    int n = 0;
    for (Role r : BandRoles[index(k)])
        n += r != Role::None;
    return n;
}

// The first and the last band of a kind stand on the bulges at the ends of the resistor.
constexpr bool isOuterBand(Kind k, Band b)
{
    return b == AllBands.front() || index(b) == bandCountOf(k) - 1;
}

// Where a kind keeps its value: the digit bands in order, then the multiplier band, whose
// codes line up with the first characters of the joined band codes.
struct ValueBands
{
    std::array<Band, BandCount> digits {};
    std::size_t digitCount = 0;
    Band multiplier = Band::A;
    Band tolerance = Band::A;
    std::optional<Band> tempco;
};

constexpr ValueBands valueBandsOf(Kind k)
{
    ValueBands v;
    for (Band b : AllBands) {
        const Role r = roleOf(k, b);
        if (r == Role::FirstDigit || r == Role::Digit)
            v.digits[v.digitCount++] = b;
        else if (r == Role::Multiplier)
            v.multiplier = b;
        else if (r == Role::Tolerance)
            v.tolerance = b;
        else if (r == Role::Tempco)
            v.tempco = b;
    }
    return v;
}

// Code 9 in a kind's tolerance band stands for a resistor without that band: the one rule of
// "no colour", which the reading, the drawing, typed values and both ends ask.
constexpr bool isNoColour(Kind k, Band b, int code)
{
    return code == NoColourCode && roleOf(k, b) == Role::Tolerance;
}

// A colour's name in band b of kind k, as the colour buttons name it there.
constexpr std::string_view colourNameIn(Kind k, Band b, int code)
{
    return isNoColour(k, b, code) ? NoColourName : Colours[code].koreanName;
}

// The same rule as ReaderState::NoColourBand records it while a band is being set: 1 for the
// first band that is the tolerance band of some kind, 2 for the second, 0 for a band that never
// is.
constexpr int noColourBandOf(Band b)
{
    int n = 0;
    for (Band candidate : AllBands) {
        bool tolerance = false;
        for (Kind k : AllKinds)
            tolerance = tolerance || isNoColour(k, candidate, NoColourCode);
        n += tolerance;
        if (candidate == b)
            return tolerance ? n : 0;
    }
    return 0;
}

// What NoColourBand holds while band b of kind k is being set.
constexpr int noColourBandWhileSetting(Kind k, Band b)
{
    return isNoColour(k, b, NoColourCode) ? noColourBandOf(b) : 0;
}

// Whether code 9 shows as no colour in band b while NoColourBand holds `noColourBand`.
constexpr bool showsNoColour(int noColourBand, Band b, int code)
{
    return code == NoColourCode && noColourBand != 0 && noColourBand == noColourBandOf(b);
}

struct Unit
{
    int exponent; // the value is shown in units of 10^exponent ohms
    std::string_view text; // begins with one blank; OHM SIGN, not the Greek omega
};

inline constexpr std::array<Unit, 4> Units {{
    {0, " \u2126"},
    {3, " ㏀"},
    {6, " ㏁"},
    {9, " G\u2126"},
}};

// A value is shown in the unit its whole digits reach: one to three digits in ohms, four to six
// in kilo-ohms, and so on; past the giga-ohms the giga-ohms take more whole digits.
constexpr const Unit &unitForWholeDigits(int digits)
{
    const int index = digits > 3 ? (digits - 1) / 3 : 0;
    return Units[std::size_t(index < int(Units.size()) ? index : int(Units.size()) - 1)];
}

// 10^exponent, exactly, for 0 <= exponent <= 19.
constexpr std::uint64_t powerOfTen(int exponent)
{
    std::uint64_t p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

} // namespace bandalyx
