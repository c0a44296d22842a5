#pragma once

#include <compare>
#include <cstdint>
#include <string>

// Resistances as exact decimals, and their texts as the value box writes them. No floating
// point: "4.7k" must come back as 4 700 ohms, not 4 699.999…
namespace bandalyx {

// significand × 10^exponent. What this code makes keeps no trailing zeros in the significand
// (zero is {0, 0}), but comparisons go by value: {4700, 0} equals {47, 2}.
struct Decimal
{
    std::uint64_t significand = 0;
    int exponent = 0;
};

// Orders decimals by value, exactly, whatever their exponents.
std::strong_ordering operator<=>(Decimal a, Decimal b);
bool operator==(Decimal a, Decimal b);

// ohms × 10^exponent with the significand's trailing zeros moved out (4700 is {47, 2}).
Decimal decimalOf(std::uint64_t ohms, int exponent = 0);

// The number of digits of the significand (0 for zero).
int figuresOf(Decimal d);

// A decimal in ohms as the value box writes it ("4.7 ㏀", "99 GΩ", "0.47 Ω"); past 999 GΩ the
// giga unit takes more whole digits ("1000 GΩ").
std::string ohmsText(Decimal ohms);

} // namespace bandalyx
