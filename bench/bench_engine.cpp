#include <benchmark/benchmark.h>

#include "engine/reader.h"

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

} // namespace

BENCHMARK_MAIN();
