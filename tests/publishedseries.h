#pragma once

#include <cmath>
#include <vector>

// The standard series as IEC 60063 publishes them, written apart from the program's tables:
// entry i of an n-series is round(10^(i/n)) in its figures, except where the series kept an older
// value. The formula gives the second number of each pair.
namespace published {

struct Kept
{
    int entry;
    int formula;
};

inline constexpr Kept KeptValues[] = {{27, 26}, {30, 29}, {33, 32}, {36, 35},  {39, 38},
                                      {43, 42}, {47, 46}, {82, 83}, {920, 919}};

inline int formulaEntry(int i, int size, int figures)
{
    return int(std::lround(std::pow(10.0, double(i) / size + (figures - 1))));
}

// One decade of the series with `size` entries: E6 to E24 in two figures, E48 on in three.
inline std::vector<int> series(int size)
{
    const int figures = size < 48 ? 2 : 3;
    std::vector<int> entries;
    for (int i = 0; i < size; ++i) {
        int entry = formulaEntry(i, size, figures);
        for (const Kept &k : KeptValues)
            entry = k.formula == entry ? k.entry : entry;
        entries.push_back(entry);
    }
    return entries;
}

} // namespace published
