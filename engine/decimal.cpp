#include "engine/decimal.h"

#include <algorithm>

#include "engine/colourtable.h"

namespace bandalyx {

std::strong_ordering operator<=>(Decimal a, Decimal b)
{
    if (a.significand == 0 || b.significand == 0)
        return (a.significand != 0 ? 1 : 0) <=> (b.significand != 0 ? 1 : 0);
    // The place of the leading digit decides; at the same place, the digits do.
    const int placeA = figuresOf(a) + a.exponent;
    const int placeB = figuresOf(b) + b.exponent;
    if (placeA != placeB)
        return placeA <=> placeB;
    std::string digitsA = std::to_string(a.significand);
    std::string digitsB = std::to_string(b.significand);
    const std::size_t length = std::max(digitsA.size(), digitsB.size());
    digitsA.resize(length, '0');
    digitsB.resize(length, '0');
    return digitsA.compare(digitsB) <=> 0;
}

bool operator==(Decimal a, Decimal b)
{
    return (a <=> b) == 0;
}

Decimal decimalOf(std::uint64_t ohms, int exponent)
{
    if (ohms == 0)
        return {};
    while (ohms % 10 == 0) {
        ohms /= 10;
        ++exponent;
    }
    return {ohms, exponent};
}

int figuresOf(Decimal d)
{
    int figures = 0;
    for (std::uint64_t s = d.significand; s != 0; s /= 10)
        ++figures;
    return figures;
}

std::string ohmsText(Decimal ohms)
{
    const Decimal d = decimalOf(ohms.significand, ohms.exponent);
    const Unit &unit = unitForWholeDigits(figuresOf(d) + d.exponent);

    std::string digits = std::to_string(d.significand);
    const int exponent = d.exponent - unit.exponent;
    const int whole = static_cast<int>(digits.size()) + exponent;
    if (exponent >= 0)
        digits.append(static_cast<std::size_t>(exponent), '0');
    else if (whole > 0)
        digits.insert(static_cast<std::size_t>(whole), 1, '.');
    else
        digits.insert(0, "0." + std::string(static_cast<std::size_t>(-whole), '0'));
    return digits + std::string(unit.text);
}

} // namespace bandalyx
