// The first byte picks what the rest feeds: the reader (any sequence of selections, colour codes
// and band values, every result box only ever showing a text the reader can produce), the typed
// value box (any bytes; every accepted text reaches the same ohms through the reader), or the
// reading from both ends, the lookalike readings, the steps and the nearest standard values (any
// codes, any value).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/encode.h"
#include "engine/explain.h"
#include "engine/lookalike.h"
#include "engine/marking.h"
#include "engine/nearest.h"
#include "engine/reader.h"
#include "engine/reversal.h"
#include "engine/stepping.h"
#include "engine/text.h"
#include "engine/valuetext.h"
#include "tests/withunit.h"

using namespace bandalyx;

namespace {

// Reads the fuzzer's bytes as a little program.
class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) { }
    bool done() const { return m_pos >= m_size; }
    std::uint8_t byte() { return done() ? 0 : m_data[m_pos++]; }
    std::string text()
    {
        const std::size_t length = byte() % 16;
        std::string s;
        while (s.size() < length && !done())
            s += static_cast<char>(byte());
        return s;
    }
    BandValue value()
    {
        switch (byte() % 3) {
        case 0:
            return {};
        case 1:
            return BandValue(static_cast<int>(static_cast<std::int16_t>(byte() | byte() << 8)));
        default:
            return BandValue(text());
        }
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

class View : public ReaderView
{
public:
    std::optional<Kind> kind;
    std::optional<Band> band;
    std::string boxes[3];

    std::optional<Kind> selectedKind() const override { return kind; }
    std::optional<Band> selectedBand() const override { return band; }
    void setResultText(ResultBox box, std::string_view text) override
    {
        boxes[static_cast<int>(box)] = std::string(text);
    }
};

// "4.7 ㏀": one to three whole digits, an optional fraction without trailing zeros, a unit.
bool isValueText(std::string_view s)
{
    if (s.empty())
        return true;
    for (const Unit &unit : Units) {
        if (s.size() <= unit.text.size() || s.substr(s.size() - unit.text.size()) != unit.text)
            continue;
        const std::string_view number = s.substr(0, s.size() - unit.text.size());
        const std::size_t point = number.find('.');
        const std::string_view whole = number.substr(0, point);
        if (whole.empty() || whole.size() > 3)
            return false;
        for (char c : whole)
            if (!isDigit(c))
                return false;
        if (point == std::string_view::npos)
            return true;
        const std::string_view fraction = number.substr(point + 1);
        if (fraction.empty() || fraction.back() == '0')
            return false;
        for (char c : fraction)
            if (!isDigit(c))
                return false;
        return true;
    }
    return false;
}

// Whether a result box's text is empty, the dash, or what some colour's value formats to.
template<typename Value, typename Format>
bool isColourText(std::string_view s, Value value, Format format)
{
    if (s.empty() || s == Dash)
        return true;
    for (const ColourCode &c : Colours)
        if (c.*value && format(*(c.*value)) == s)
            return true;
    return false;
}

bool isToleranceText(std::string_view s)
{
    return isColourText(s, &ColourCode::tolerance, [](const auto &t) { return toleranceText(t); });
}

bool isTempcoText(std::string_view s)
{
    return isColourText(s, &ColourCode::tempcoPpm, [](const auto &t) { return tempcoText(t); });
}

void check(bool ok, const char *what, const std::string &text)
{
    if (!ok) {
        std::fprintf(stderr, "unexpected %s text: \"%s\"\n", what, text.c_str());
        std::abort();
    }
}

void readerProgram(Input &in)
{
    View view;
    Reader reader(view);
    while (!in.done()) {
        switch (in.byte() % 5) {
        case 0: {
            const int k = in.byte() % 4;
            view.kind = k == 0 ? std::nullopt : std::optional<Kind>(AllKinds[k - 1]);
            break;
        }
        case 1: {
            const int b = in.byte() % 7;
            view.band = b == 0 ? std::nullopt : std::optional<Band>(AllBands[b - 1]);
            break;
        }
        case 2:
            reader.SelectColorValue(in.text());
            break;
        case 3: {
            BandValue a = in.value(), b = in.value(), c = in.value(), d = in.value(),
                      e = in.value();
            reader.BaseValueShow(a, b, c, d, e, in.text());
            break;
        }
        default:
            reader.ResultValueShow();
            break;
        }
        check(isValueText(view.boxes[0]), "value", view.boxes[0]);
        check(isToleranceText(view.boxes[1]), "tolerance", view.boxes[1]);
        check(isTempcoText(view.boxes[2]), "tempco", view.boxes[2]);
    }
}

// Band codes set one by one, as a colour click sets them, on a fresh reader of the kind.
std::string readThrough(Kind kind, const BandCodes &codes)
{
    View view;
    view.kind = kind;
    Reader reader(view);
    reader.BaseValueShow(defaultResistor(kind));
    for (Band b : AllBands) {
        if (const std::optional<int> code = codes[static_cast<std::size_t>(index(b))]) {
            view.band = b;
            reader.SelectColorValue(std::to_string(*code));
        }
    }
    return view.boxes[0];
}

void typedValue(std::string_view text)
{
    const std::variant<Decimal, ParseError> parsed = parseOhms(text);
    const Decimal *ohms = std::get_if<Decimal>(&parsed);
    if (ohms) {
        check(ohms->significand != 0 && ohms->significand % 10 != 0, "decimal", ohmsText(*ohms));
        // What the value box would write reads back as the same value.
        const std::string written = ohmsText(*ohms);
        if (written.size() <= MaxTypedBytes) {
            const std::variant<Decimal, ParseError> again = parseOhms(written);
            check(std::holds_alternative<Decimal>(again) && std::get<Decimal>(again) == *ohms,
                  "rewritten", written);
        }
    }
    for (Kind kind : AllKinds) {
        const TypedValue typed = readTypedValue(text, kind);
        if (!typed.applies()) {
            check(typed.codes == BandCodes {}, "refused codes", std::string(text));
            continue;
        }
        // A plain value is read as itself; a marking adds bands but never changes the value.
        check(!ohms || typed.ohms == *ohms, "accepted", std::string(text));
        const std::string shown = readThrough(kind, typed.codes);
        check(shown == ohmsText(typed.ohms), "round trip", shown);
    }
    // A typed tolerance or coefficient sets an offered code, or says why not.
    for (Kind kind : AllKinds) {
        for (const TypedMark &mark : {readTypedTolerance(text, kind), readTypedTempco(text, kind)})
            check(mark.code.has_value() != mark.refusal.has_value(), "mark", std::string(text));
    }
}

void bothEnds(Input &in)
{
    const Kind kind = AllKinds[in.byte() % AllKinds.size()];
    BandSequence codes {};
    for (int &code : codes)
        code = static_cast<std::int8_t>(in.byte());
    // The picture's explanation starts each reading where the kind's bands begin and end.
    const Directions d = directionsOf(kind, codes);
    check(d.first == Band::A && index(d.last) == bandCountOf(kind) - 1, "directions", "");

    // A forward reading is what the reader shows for the same bands.
    const ReadingOrRefusal forward = readForward(kind, codes);
    if (const BandReading *r = std::get_if<BandReading>(&forward)) {
        BandCodes all {};
        for (int i = 0; i < bandCountOf(kind); ++i)
            all[static_cast<std::size_t>(i)] = codes[static_cast<std::size_t>(i)];
        const std::string shown = readThrough(kind, all);
        check(shown == withUnit(std::to_string(r->ohms)), "forward", shown);
        // A step lands on a value its codes read back as, or stops at the kind's range.
        for (Step step : {Step::Up, Step::Down, Step::DecadeUp, Step::DecadeDown}) {
            if (!r->series)
                break;
            const auto next = stepValue(kind, decimalOf(r->ohms), *r->series, step);
            if (const Stepped *s = std::get_if<Stepped>(&next))
                check(readThrough(kind, s->codes) == ohmsText(s->ohms), "step", ohmsText(s->ohms));
        }
    }
    // Each lookalike reading takes one band for another colour.
    const std::vector<AlternativeReading> others = alternativeReadings(kind, codes);
    check(others.size() <= MaxAlternatives, "lookalikes", std::to_string(others.size()));
    for (const AlternativeReading &a : others)
        check(codes[static_cast<std::size_t>(index(a.band))] != a.code, "lookalike",
              std::to_string(a.code));

    std::uint64_t ohms = 0;
    for (int i = 0; i < 8; ++i)
        ohms = ohms << 8 | in.byte();
    nearestStandard(ohms, static_cast<std::int16_t>(in.byte() | in.byte() << 8));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    Input in(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        readerProgram(in);
        break;
    case 1:
        typedValue(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
        break;
    default:
        bothEnds(in);
        break;
    }
    return 0;
}
