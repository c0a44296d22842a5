#include <benchmark/benchmark.h>

#include "engine/encode.h"
#include "engine/nearest.h"
#include "engine/reader.h"
#include "engine/reversal.h"

using namespace bandalyx;

namespace {

// A view that only swallows the result texts, so the figures are the engine's own.
class NullView : public ReaderView
{
public:
    std::optional<Kind> kind = Kind::FiveBands;
    std::optional<Band> band = Band::B;
    std::optional<Kind> selectedKind() const override { return kind; }
    std::optional<Band> selectedBand() const override { return band; }
    void setResultText(ResultBox, std::string_view text) override
    {
        benchmark::DoNotOptimize(text.data());
    }
};

void colourClick(benchmark::State &state)
{
    NullView view;
    Reader reader(view);
    reader.BaseValueShow(defaultResistor(Kind::FiveBands));
    static constexpr const char *codes[] = {"4", "7", "9", "2"};
    int i = 0;
    for (auto _ : state)
        reader.SelectColorValue(codes[i++ & 3]);
}
BENCHMARK(colourClick);

void kindReset(benchmark::State &state)
{
    NullView view;
    Reader reader(view);
    const DefaultResistor resistor = defaultResistor(Kind::SixBands);
    for (auto _ : state)
        reader.BaseValueShow(resistor);
}
BENCHMARK(kindReset);

// Typed values the five-band kind can show, each with other colours than the one before.
constexpr const char *TypedTexts[] = {"4.7k", "1 000", "2M2", "33.2 \u33C0"};

// Parse and encode only: what Enter costs before any band changes.
void typedParse(benchmark::State &state)
{
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(readTypedValue(TypedTexts[i++ & 3], Kind::FiveBands));
}
BENCHMARK(typedParse);

// The whole of Enter in the engine: parse, encode, then every digit and multiplier band set
// through the reader as a colour click sets it.
void typedValue(benchmark::State &state)
{
    NullView view;
    Reader reader(view);
    reader.BaseValueShow(defaultResistor(Kind::FiveBands));
    int i = 0;
    for (auto _ : state) {
        const TypedValue typed = readTypedValue(TypedTexts[i++ & 3], Kind::FiveBands);
        for (Band b : AllBands) {
            if (const std::optional<int> code = typed.codes[static_cast<std::size_t>(index(b))]) {
                view.band = b;
                reader.SelectColorValue(std::to_string(*code));
            }
        }
    }
}
BENCHMARK(typedValue);

// What the two newer tooltips of a click find: both ends of the picture and the nearest values.
void clickTooltips(benchmark::State &state)
{
    static constexpr BandSequence sequences[] = {{1, 0, 0, 1, 1, 1}, {4, 7, 5, 2, 10, 2}};
    int i = 0;
    for (auto _ : state) {
        const BandSequence &codes = sequences[i++ & 1];
        benchmark::DoNotOptimize(directionsOf(Kind::SixBands, codes));
        benchmark::DoNotOptimize(nearestStandard(47'500, 500));
    }
}
BENCHMARK(clickTooltips);

} // namespace

BENCHMARK_MAIN();
