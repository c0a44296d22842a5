#include "engine/marking.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/valuetext.h"

namespace bandalyx {

namespace {

constexpr std::string_view PlusMinus = "\u00B1";
constexpr std::string_view Percent = " \uFF05";
constexpr std::string_view PerKelvin = " ppm/\u2103";
constexpr int PercentHundredths = 100;

// clang-format off
struct NoteTable
{
    std::string_view toleranceUnreadable;
    std::string_view toleranceNotOffered;
    std::string_view tempcoUnreadable;
    std::string_view tempcoNotOffered;
    std::string_view noTempcoBand;
    std::string_view listSeparator;
};

constexpr NoteTable Notes {
    "허용오차로 읽을 수 없습니다. 예: 5%, ±1 %, J. {kind} 저항의 허용오차: {offered}",
    "{typed} 허용오차를 나타내는 색이 없습니다. {kind} 저항의 허용오차: {offered}",
    "온도계수로 읽을 수 없습니다. 예: 50ppm, 50 ppm/\u2103. {kind} 저항의 온도계수: {offered}",
    "{typed} 온도계수를 나타내는 색이 없습니다. {kind} 저항의 온도계수: {offered}",
    "{kind} 저항에는 온도계수 띠가 없습니다. 온도계수는 {kinds} 저항에만 있습니다.",
    ", ",
};
// clang-format on

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}


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

std::string offeredTolerances(Kind kind)
{
    const auto hundredths
        = [](int code) { return Colours[std::size_t(code)].tolerance->hundredths; };
    std::string list;
    for (int code : offeredInOrder(offeredFor(kind, Role::Tolerance), hundredths)) {
        if (!list.empty())
            list += Notes.listSeparator;
        list += shortTolerance(*Colours[std::size_t(code)].tolerance);
        list += '(';
        list += Colours[std::size_t(code)].tolerance->letter;
        list += ')';
    }
    return list;
}

std::string offeredTempcos(Kind kind)
{
    const auto ppm = [](int code) { return *Colours[std::size_t(code)].tempcoPpm; };
    std::string list;
    for (int code : offeredInOrder(offeredFor(kind, Role::Tempco), ppm)) {
        if (!list.empty())
            list += Notes.listSeparator;
        list += std::to_string(ppm(code));
    }
    return list + std::string(PerKelvin);
}

std::string kindsWith(Role role)
{
    std::string names;
    for (Kind k : AllKinds) {
        if (offeredFor(k, role) == CodeSet {})
            continue;
        if (!names.empty())
            names += Notes.listSeparator;
        names += nameOf(k);
    }
    return names;
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
    const CodeSet offered = offeredFor(kind, Role::Tolerance);
    const std::string offeredList = offeredTolerances(kind);
    if (!typed)
        return {
            std::nullopt,
            fillIn(Notes.toleranceUnreadable, {{"kind", nameOf(kind)}, {"offered", offeredList}})};
    for (const ColourCode &c : Colours) {
        if (!offered[std::size_t(c.code)] || !c.tolerance)
            continue;
        if ((!typed->hundredths || *typed->hundredths == c.tolerance->hundredths)
            && (typed->letter == 0 || typed->letter == c.tolerance->letter))
            return {c.code, {}};
    }
    std::string what;
    if (typed->hundredths)
        what = percentText(*typed->hundredths, false);
    if (typed->letter != 0)
        what += (what.empty() ? "" : ", ") + std::string(1, typed->letter);
    return {std::nullopt,
            fillIn(Notes.toleranceNotOffered,
                   {{"typed", what}, {"kind", nameOf(kind)}, {"offered", offeredList}})};
}

TypedMark tempcoCode(std::optional<int> ppm, Kind kind)
{
    const CodeSet offered = offeredFor(kind, Role::Tempco);
    if (offered == CodeSet {})
        return {std::nullopt,
                fillIn(Notes.noTempcoBand,
                       {{"kind", nameOf(kind)}, {"kinds", kindsWith(Role::Tempco)}})};
    const std::string offeredList = offeredTempcos(kind);
    if (!ppm)
        return {std::nullopt,
                fillIn(Notes.tempcoUnreadable, {{"kind", nameOf(kind)}, {"offered", offeredList}})};
    for (const ColourCode &c : Colours)
        if (offered[std::size_t(c.code)] && c.tempcoPpm == *ppm)
            return {c.code, {}};
    return {
        std::nullopt,
        fillIn(Notes.tempcoNotOffered,
               {{"typed", tempcoText(*ppm)}, {"kind", nameOf(kind)}, {"offered", offeredList}})};
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
