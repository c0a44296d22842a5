#include "engine/reader.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

#include "engine/decimal.h"
#include "engine/marking.h"
#include "engine/text.h"

namespace bandalyx {

namespace {

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// The leading decimal digits of a text, as a number; none reads as 0. Callers pass at most
// three characters, so the result cannot overflow.
std::uint64_t leadingNumber(std::string_view text)
{
    std::uint64_t n = 0;
    for (char c : text) {
        if (!isDigit(c))
            break;
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return n;
}

} // namespace

std::optional<int> codeOfText(std::string_view text)
{
    for (const ColourCode &c : Colours) {
        char buffer[4];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, c.code);
        if (ec == std::errc() && text == std::string_view(buffer, end - buffer))
            return c.code;
    }
    return std::nullopt;
}

std::string BandValue::text() const
{
    if (const int *n = std::get_if<int>(&m_value))
        return std::to_string(*n);
    if (const std::string *s = std::get_if<std::string>(&m_value))
        return *s;
    return {};
}

std::optional<long long> BandValue::number() const
{
    if (const int *n = std::get_if<int>(&m_value))
        return *n;
    const std::string *s = std::get_if<std::string>(&m_value);
    if (!s || s->empty())
        return std::nullopt;
    long long n = 0;
    const char *first = s->data();
    const char *last = first + s->size();
    auto [end, ec] = std::from_chars(first, last, n);
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return n;
}

std::optional<int> BandValue::code() const
{
    if (const int *n = std::get_if<int>(&m_value))
        return *n >= 0 && *n < ColourCount ? std::optional<int>(*n) : std::nullopt;
    if (const std::string *s = std::get_if<std::string>(&m_value))
        return codeOfText(*s);
    return std::nullopt;
}

BandValue &ReaderState::band(Band b)
{
    return const_cast<BandValue &>(std::as_const(*this).band(b));
}

const BandValue &ReaderState::band(Band b) const
{
    switch (b) {
    case Band::A:
        return BandA;
    case Band::B:
        return BandB;
    case Band::C:
        return BandC;
    case Band::D:
        return BandD;
    case Band::E:
        return BandE;
    case Band::F:
        break;
    }
    return BandF;
}

DefaultResistor defaultResistor(Kind kind)
{
    DefaultResistor r;
    for (Band b : AllBands) {
        const std::optional<int> code = defaultCodeOf(roleOf(kind, b));
        // A band the kind lacks holds the empty text and is painted black.
        r.values[index(b)] = code ? BandValue(*code) : BandValue(std::string());
        r.colours[index(b)] = colourNumberOf(code.value_or(0));
    }
    return r;
}

namespace {

// The value as the digit and multiplier bands give it, when the multiplier band holds 0 to 9.
void readValue(Reading &r, const ValueBands &bands, const BandValues &values)
{
    r.digitText = firstCharacters(r.codeString, bands.digitCount);
    const std::optional<long long> multiplier
        = values[std::size_t(index(bands.multiplier))].number();
    if (!multiplier || *multiplier < 0 || *multiplier > 9)
        return;
    r.multiplierText = characterAt(r.codeString, bands.digitCount);
    r.value = leadingNumber(r.digitText) * powerOfTen(int(leadingNumber(*r.multiplierText)));

    // Only when they do is the value the one the bands spell.
    const auto holdsOneDigit = [&](Band b) {
        const std::string text = values[std::size_t(index(b))].text();
        return text.size() == 1 && isDigits(text);
    };
    r.spelled = holdsOneDigit(bands.multiplier);
    for (std::size_t i = 0; i < bands.digitCount; ++i)
        r.spelled = r.spelled && holdsOneDigit(bands.digits[i]);
}

std::string joined(const BandValues &values)
{
    std::string codes;
    for (const BandValue &v : values)
        codes += v.text();
    return codes;
}

} // namespace

// The tolerance band is looked up by its code's exact text, the multiplier and the coefficient
// by the number their text spells; the two differ only for texts no button gives ("03" is 3, yet
// "01" no tolerance), and the reading keeps both as the reader has always read them.
Reading readBands(Kind kind, const BandValues &values)
{
    Reading r;
    r.codeString = joined(values);
    const ValueBands bands = valueBandsOf(kind);
    readValue(r, bands, values);
    if (const std::optional<int> code = values[std::size_t(index(bands.tolerance))].code())
        r.tolerance = Colours[std::size_t(*code)].tolerance;
    r.hasTempco = bands.tempco.has_value();
    if (bands.tempco) {
        const std::optional<long long> code = values[std::size_t(index(*bands.tempco))].number();
        if (code && *code >= 0 && *code < ColourCount)
            r.tempcoPpm = Colours[static_cast<std::size_t>(*code)].tempcoPpm;
    }
    return r;
}

// A code arrives as its text; it is read as a number once, here, and a text that is no code is
// kept as it is.
BandValue BandValue::ofText(std::string_view text)
{
    const std::optional<int> code = codeOfText(text);
    return code ? BandValue(*code) : BandValue(std::string(text));
}

void Reader::SelectColorValue(std::string_view code)
{
    if (const std::optional<Band> band = m_view.selectedBand())
        m_state.band(*band) = BandValue::ofText(code);
    ResultValueShow();
}

void Reader::setBand(Band band, int code)
{
    m_state.band(band) = BandValue(code);
}

void Reader::BaseValueShow(BandValue a, BandValue b, BandValue c, BandValue d, BandValue e,
                           std::string_view f)
{
    setBands({std::move(a), std::move(b), std::move(c), std::move(d), std::move(e),
              BandValue::ofText(f)});
}

void Reader::BaseValueShow(const DefaultResistor &r)
{
    setBands(r.values);
}

void Reader::setBands(const BandValues &values)
{
    for (Band b : AllBands)
        m_state.band(b) = values[std::size_t(index(b))];
    m_view.setResultText(ResultBox::Value, {});
    m_view.setResultText(ResultBox::Tolerance, {});
    m_view.setResultText(ResultBox::Tempco, {});
    ResultValueShow();
}

void Reader::ResultValueShow()
{
    ReaderState &s = m_state;
    const BandValues values {s.BandA, s.BandB, s.BandC, s.BandD, s.BandE, s.BandF};
    m_ohms.reset();
    const std::optional<Kind> kind = m_view.selectedKind();
    if (!kind) {
        s.CodeString = joined(values);
        return;
    }
    const Reading r = readBands(*kind, values);
    s.CodeString = r.codeString;
    s.DigitText = r.digitText;
    if (r.multiplierText)
        s.MultiplierText = *r.multiplierText;
    m_ohms = r.ohms();
    ToleranceUnitValue(r);
    if (r.tempcoPpm)
        s.TempcoText = tempcoText(*r.tempcoPpm);
    m_showsTempco = r.hasTempco;
    m_view.setResultText(ResultBox::Value, s.ValueText);
    m_view.setResultText(ResultBox::Tolerance, s.ToleranceText);
    m_view.setResultText(ResultBox::Tempco, shownText(ResultBox::Tempco));
}

// The tolerance, and the value with its unit; a value the bands do not give keeps its old text.
void Reader::ToleranceUnitValue(const Reading &r)
{
    if (r.tolerance) {
        m_tolerance = *r.tolerance;
        m_state.ToleranceText = toleranceText(*r.tolerance);
    }
    if (r.value)
        m_state.ValueText = ohmsText(decimalOf(*r.value));
}

std::string_view Reader::shownText(ResultBox box) const
{
    switch (box) {
    case ResultBox::Value:
        return m_state.ValueText;
    case ResultBox::Tolerance:
        return m_state.ToleranceText;
    case ResultBox::Tempco:
        break;
    }
    // Kinds without a temperature-coefficient band show that the result does not apply.
    return m_showsTempco ? std::string_view(m_state.TempcoText) : Dash;
}

} // namespace bandalyx
