#include "engine/marking.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/symbols.h"
#include "engine/text.h"

namespace bandalyx {

namespace {

constexpr std::string_view PlusMinus = "\u00B1";
constexpr std::string_view Percent = " \uFF05";
constexpr int PercentHundredths = 100;

bool isToleranceLetter(char c)
{
    return std::any_of(Colours.begin(), Colours.end(), [c](const ColourCode &colour) {
        return colour.tolerance && colour.tolerance->letter == c;
    });
}

char upperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// "5", "0.5", "12.25", "5.00" in hundredths; finer steps or more than four whole digits are none.
std::optional<int> hundredthsOf(std::string_view &s)
{
    const std::string_view whole = takeDigits(s);
    std::string_view fraction;
    if (s.starts_with('.')) {
        s.remove_prefix(1);
        fraction = takeDigits(s);
    }
    if ((whole.empty() && fraction.empty()) || whole.size() > 4)
        return std::nullopt;
    int hundredths = 0;
    for (char c : whole)
        hundredths = hundredths * 10 + (c - '0');
    hundredths *= PercentHundredths;
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        if (i >= 2 && fraction[i] != '0')
            return std::nullopt;
        if (i < 2)
            hundredths += (fraction[i] - '0') * (i == 0 ? 10 : 1);
    }
    return hundredths;
}

std::string percentText(int hundredths, bool allFigures)
{
    std::string text = std::string(PlusMinus) + std::to_string(hundredths / PercentHundredths);
    const int fraction = hundredths % PercentHundredths;
    if (allFigures || fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (allFigures || fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text + std::string(Percent);
}

CodeSet offeredFor(Kind kind, Role role)
{
    for (Band b : AllBands)
        if (roleOf(kind, b) == role)
            return offeredCodes(role);
    return {};
}

// The offered codes, ordered by what `key` gives them.
template<typename Key> std::vector<int> offeredInOrder(const CodeSet &offered, Key key)
{
    std::vector<int> codes;
    for (const ColourCode &c : Colours)
        if (offered[std::size_t(c.code)])
            codes.push_back(c.code);
    std::sort(codes.begin(), codes.end(), [&](int a, int b) { return key(a) < key(b); });
    return codes;
}

} // namespace

std::string tolerancePercent(Tolerance t)
{
    if (t.hundredths == 0)
        return std::string(Dash);
    return percentText(t.hundredths, true);
}

std::string toleranceText(Tolerance t)
{
    if (t.hundredths == 0)
        return std::string(Dash);
    return tolerancePercent(t) + ", " + t.letter;
}

std::string shortTolerance(Tolerance t)
{
    if (t.hundredths == 0)
        return std::string(Dash);
    return percentText(t.hundredths, false);
}

std::string tempcoText(int ppm)
{
    if (ppm == NoTempco)
        return std::string(Dash);
    return std::to_string(ppm) + std::string(PerKelvin);
}

std::string typedToleranceText(const TypedTolerance &typed)
{
    std::string text;
    if (typed.hundredths)
        text = percentText(*typed.hundredths, false);
    if (typed.letter != 0)
        text += (text.empty() ? "" : ", ") + std::string(1, typed.letter);
    return text;
}

std::vector<Tolerance> offeredTolerances(Kind kind)
{
    const auto hundredths
        = [](int code) { return Colours[std::size_t(code)].tolerance->hundredths; };
    std::vector<Tolerance> tolerances;
    for (int code : offeredInOrder(offeredFor(kind, Role::Tolerance), hundredths))
        tolerances.push_back(*Colours[std::size_t(code)].tolerance);
    return tolerances;
}

std::vector<int> offeredTempcos(Kind kind)
{
    const auto ppm = [](int code) { return *Colours[std::size_t(code)].tempcoPpm; };
    std::vector<int> tempcos;
    for (int code : offeredInOrder(offeredFor(kind, Role::Tempco), ppm))
        tempcos.push_back(ppm(code));
    return tempcos;
}

std::vector<Kind> kindsWith(Role role)
{
    std::vector<Kind> kinds;
    for (Kind k : AllKinds) {
        if (offeredFor(k, role) != CodeSet {})
            kinds.push_back(k);
    }
    return kinds;
}

std::optional<TypedTolerance> readTolerance(std::string_view symbols, bool anyCase)
{
    std::string_view s = trimmed(symbols);
    TypedTolerance typed;
    if (!s.empty() && !isDigit(s.back()) && s.back() != '%' && s.back() != '.') {
        const char letter = anyCase ? upperCase(s.back()) : s.back();
        if (!isToleranceLetter(letter))
            return std::nullopt;
        typed.letter = letter;
        s.remove_suffix(1);
        s = trimmed(s);
        if (s.ends_with(','))
            s = trimmed(s.substr(0, s.size() - 1));
        if (s.empty())
            return typed;
    }
    if (s.starts_with(symbol::PlusMinus)) {
        s.remove_prefix(1);
        skipBlanks(s);
    }
    typed.hundredths = hundredthsOf(s);
    skipBlanks(s);
    if (s.starts_with('%'))
        s.remove_prefix(1);
    if (!typed.hundredths || *typed.hundredths == 0 || !s.empty())
        return std::nullopt;
    return typed;
}

std::optional<int> readTempco(std::string_view symbols)
{
    std::string_view s = trimmed(symbols);
    const std::string_view digits = takeDigits(s);
    if (digits.empty() || digits.size() > 6)
        return std::nullopt;
    int ppm = 0;
    for (char c : digits)
        ppm = ppm * 10 + (c - '0');
    skipBlanks(s);
    const std::string unit = lowerCase(s);
    constexpr std::array<std::string_view, 5> Units {"", "ppm",
                                                     "ppm/\x04"
                                                     "c",
                                                     "ppm/\x04", "ppm/k"};
    if (ppm == 0 || std::find(Units.begin(), Units.end(), unit) == Units.end())
        return std::nullopt;
    return ppm;
}

TypedMark toleranceCode(const std::optional<TypedTolerance> &typed, Kind kind)
{
    if (!typed)
        return {std::nullopt, MarkRefusal {MarkFault::ToleranceUnreadable, kind}};
    const CodeSet offered = offeredFor(kind, Role::Tolerance);
    for (const ColourCode &c : Colours) {
        if (!offered[std::size_t(c.code)] || !c.tolerance)
            continue;
        if ((!typed->hundredths || *typed->hundredths == c.tolerance->hundredths)
            && (typed->letter == 0 || typed->letter == c.tolerance->letter))
            return {c.code, std::nullopt};
    }
    return {std::nullopt, MarkRefusal {MarkFault::ToleranceNotOffered, kind, typed}};
}

TypedMark tempcoCode(std::optional<int> ppm, Kind kind)
{
    const CodeSet offered = offeredFor(kind, Role::Tempco);
    if (offered == CodeSet {})
        return {std::nullopt, MarkRefusal {MarkFault::NoTempcoBand, kind}};
    if (!ppm)
        return {std::nullopt, MarkRefusal {MarkFault::TempcoUnreadable, kind}};
    for (const ColourCode &c : Colours)
        if (offered[std::size_t(c.code)] && c.tempcoPpm == *ppm)
            return {c.code, std::nullopt};
    return {std::nullopt, MarkRefusal {MarkFault::TempcoNotOffered, kind, std::nullopt, ppm}};
}

TypedMark readTypedTolerance(std::string_view text, Kind kind)
{
    if (text.size() > MaxTypedBytes)
        return toleranceCode(std::nullopt, kind);
    return toleranceCode(readTolerance(symbolsOf(text), true), kind);
}

TypedMark readTypedTempco(std::string_view text, Kind kind)
{
    if (text.size() > MaxTypedBytes)
        return tempcoCode(std::nullopt, kind);
    return tempcoCode(readTempco(symbolsOf(text)), kind);
}

} // namespace bandalyx
