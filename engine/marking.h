#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/colourtable.h"

// Tolerances and temperature coefficients: the texts the result boxes show, and the forms in which
// a user types them, as a box takes them alone or as a value's marking carries them ("4K7 J").
namespace bandalyx {

// "±5.00 ％, J"; a dash for none.
std::string toleranceText(Tolerance t);
// "±5.00 ％", the percentage without its letter.
std::string tolerancePercent(Tolerance t);
// "±5 ％", as running text writes it.
std::string shortTolerance(Tolerance t);
// "100 ppm/℃"; a dash for none.
std::string tempcoText(int ppm);
inline constexpr std::string_view PerKelvin = " ppm/\u2103";

// What typed text says of a tolerance: hundredths of a percent, a letter, or both.
struct TypedTolerance
{
    std::optional<int> hundredths;
    char letter = 0;
};

// "1%", "±1 %", "1", "0.5%", "F", "±1.00 ％, F" read as symbols (valuetext.h); letters in
// either case only when `anyCase` (in a value's marking, "k" is a multiplier, never ±10 %).
std::optional<TypedTolerance> readTolerance(std::string_view symbols, bool anyCase);
// "50", "50ppm", "50 ppm/℃", "50 ppm/°C", "50 ppm/K" read as symbols.
std::optional<int> readTempco(std::string_view symbols);

// What was typed as it reads back: "±3 ％", "±1 ％, J", "J".
std::string typedToleranceText(const TypedTolerance &typed);

// Why a tolerance or a coefficient typed for a kind sets no band.
enum class MarkFault {
    ToleranceUnreadable,
    ToleranceNotOffered, // no colour of the kind's tolerance band stands for it
    TempcoUnreadable,
    TempcoNotOffered,
    NoTempcoBand, // the kind has no temperature-coefficient band
};

struct MarkRefusal
{
    MarkFault fault;
    Kind kind;
    std::optional<TypedTolerance> tolerance {}; // as typed, when it was read
    std::optional<int> ppm {}; // as typed, when it was read
};

// The code the kind's tolerance or tempco band offers for what was typed, or why none.
struct TypedMark
{
    std::optional<int> code;
    std::optional<MarkRefusal> refusal;
};

// What a refusal offers instead: the kind's tolerances from the finest, its coefficients from
// the smallest, and the kinds that have a band of a role.
std::vector<Tolerance> offeredTolerances(Kind kind);
std::vector<int> offeredTempcos(Kind kind);
std::vector<Kind> kindsWith(Role role);

TypedMark toleranceCode(const std::optional<TypedTolerance> &typed, Kind kind);
TypedMark tempcoCode(std::optional<int> ppm, Kind kind);

// What the tolerance and temperature boxes do with typed text (UTF-8, any bytes).
TypedMark readTypedTolerance(std::string_view text, Kind kind);
TypedMark readTypedTempco(std::string_view text, Kind kind);

} // namespace bandalyx
