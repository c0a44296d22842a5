#pragma once

#include <string>
#include <string_view>

#include "engine/colourtable.h"

// The tests' own unit step on a plain digit text ("4700" -> "4.7 ㏀"), written apart from the
// program's formatter so that each checks the other.
inline std::string withUnit(std::string_view digits)
{
    const std::size_t length = digits.size();
    // More digits than the giga-ohms hold never come from the bands: such a text keeps no unit.
    if (length > 3 * bandalyx::Units.size())
        return std::string(digits);
    const bandalyx::Unit &unit = bandalyx::unitForWholeDigits(static_cast<int>(length));
    // Keep the cut-off digits as a fraction: 4700 is 4.7 kilo-ohms, not 4.
    const std::size_t whole = length - static_cast<std::size_t>(unit.exponent);
    std::string text(digits.substr(0, whole));
    std::string_view fraction = digits.substr(whole);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    text += unit.text;
    return text;
}
