#include "engine/lookalike.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace bandalyx {

namespace {

// The colour a pair pairs `code` with, if it holds it.
std::optional<int> partnerOf(const LookalikePair &pair, int code)
{
    if (pair.first == code)
        return pair.second;
    if (pair.second == code)
        return pair.first;
    return std::nullopt;
}

const ESeries *commonestSeries(const BandReading &r)
{
    if (!r.standard)
        return nullptr;
    for (const ESeries &s : StandardSeries)
        if (inSeries(s, r.ohms))
            return &s;
    return nullptr;
}

// A real part nearly always has a standard value, so standard readings sort first, then those
// nearest the drawn value.
auto rankOf(const AlternativeReading &a, const BandReading &drawn)
{
    const bool pushedBack = !a.reading.standard;
    const double far = double(std::max(a.reading.ohms, drawn.ohms))
        / double(std::max<std::uint64_t>(std::min(a.reading.ohms, drawn.ohms), 1));
    return std::tuple(pushedBack, far, index(a.band), a.code);
}

} // namespace

std::vector<AlternativeReading> alternativeReadings(Kind kind, const BandSequence &codes)
{
    const ReadingOrRefusal asDrawn = readForward(kind, codes);
    const BandReading *drawn = std::get_if<BandReading>(&asDrawn);
    if (!drawn)
        return {};
    std::vector<AlternativeReading> found;
    for (int i = 0; i < bandCountOf(kind); ++i) {
        const Band band = AllBands[std::size_t(i)];
        const bool tolerance = roleOf(kind, band) == Role::Tolerance;
        const int code = codes[std::size_t(i)];
        // A tolerance band without colour is no band to be mistaken, nor to be mistaken for.
        if (tolerance && code == NoColourCode)
            continue;
        for (const LookalikePair &pair : LookalikePairs) {
            const std::optional<int> other = partnerOf(pair, code);
            const auto known = [&](const AlternativeReading &a) {
                return a.band == band && a.code == other;
            };
            if (!other || (tolerance && *other == NoColourCode)
                || std::any_of(found.begin(), found.end(), known))
                continue;
            BandSequence changed = codes;
            changed[std::size_t(i)] = *other;
            const ReadingOrRefusal read = readForward(kind, changed);
            if (const BandReading *r = std::get_if<BandReading>(&read))
                found.push_back({band, *other, *r, commonestSeries(*r)});
        }
    }
    std::sort(found.begin(), found.end(), [&](const auto &a, const auto &b) {
        return rankOf(a, *drawn) < rankOf(b, *drawn);
    });
    if (found.size() > MaxAlternatives)
        found.resize(MaxAlternatives);
    return found;
}

} // namespace bandalyx
