#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace bandalyx {

// One decade of a standard preferred-value series; an entry carries `significantDigits` figures,
// so 47 stands for 4.7 and 475 for 4.75 times any power of ten.
struct ESeries
{
    std::string_view name;
    int significantDigits;
    std::span<const std::uint16_t> entries;
};

// The two-figure series keep the values fixed before the formula 10^(i/n) came into use (27,
// 30, 33, 36, 39, 43, 47, 82), and E192 keeps 920; the tests hold the tables to the formula.
inline constexpr std::array<std::uint16_t, 6> E6Entries {10, 15, 22, 33, 47, 68};

inline constexpr std::array<std::uint16_t, 12> E12Entries {10, 12, 15, 18, 22, 27,
                                                           33, 39, 47, 56, 68, 82};

inline constexpr std::array<std::uint16_t, 24> E24Entries {
    10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91,
};

inline constexpr std::array<std::uint16_t, 48> E48Entries {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953,
};

inline constexpr std::array<std::uint16_t, 96> E96Entries {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};

inline constexpr std::array<std::uint16_t, 192> E192Entries {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

// In the order the tooltip lists them.
inline constexpr std::array<ESeries, 6> StandardSeries {{
    {"E6", 2, E6Entries},
    {"E12", 2, E12Entries},
    {"E24", 2, E24Entries},
    {"E48", 3, E48Entries},
    {"E96", 3, E96Entries},
    {"E192", 3, E192Entries},
}};

// Whether a value in ohms is an entry times a power of ten, figure for figure with no rounding:
// 4700 is 47 in E12 and 470 in E192, while 4990 has three figures and so no two-figure entry.
constexpr bool inSeries(const ESeries &series, std::uint64_t ohms)
{
    if (ohms == 0)
        return false;
    while (ohms % 10 == 0)
        ohms /= 10;
    std::uint64_t limit = 1;
    for (int i = 0; i < series.significantDigits; ++i)
        limit *= 10;
    // Pad back to the series' figures (2 ㏀ is 20 in E24, 200 in E96); a value with more figures
    // than the series carries stays too large for any entry.
    while (ohms * 10 < limit)
        ohms *= 10;
    for (std::uint16_t entry : series.entries) {
        if (entry == ohms)
            return true;
    }
    return false;
}

} // namespace bandalyx
