#include "engine/reader.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <cstdint>

namespace bandalyx {

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the character at `index` (or the text's size when it has fewer characters),
// so that a cut never splits a multi-byte character.
std::size_t byteOffsetOf(std::string_view utf8, std::size_t index)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuationByte(utf8[i]))
            continue;
        if (chars == index)
            return i;
        ++chars;
    }
    return utf8.size();
}

std::string_view firstCharacters(std::string_view utf8, std::size_t count)
{
    return utf8.substr(0, byteOffsetOf(utf8, count));
}

std::string_view characterAt(std::string_view utf8, std::size_t index)
{
    const std::size_t begin = byteOffsetOf(utf8, index);
    const std::size_t end = byteOffsetOf(utf8, index + 1);
    return utf8.substr(begin, end - begin);
}

bool isDigits(std::string_view text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The leading decimal digits of a text, as a number; none reads as 0. Callers pass at most
// three characters, so the result cannot overflow.
std::uint64_t leadingNumber(std::string_view text)
{
    std::uint64_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return n;
}

// Characters, not bytes, of a UTF-8 text.
std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return !isContinuationByte(c); }));
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
        // Band F always travels as text, like the colour code it will later receive; a band
        // the kind lacks holds the empty text and is painted black.
        if (!code)
            r.values[index(b)] = BandValue(std::string());
        else if (b == AllBands.back())
            r.values[index(b)] = BandValue(std::to_string(*code));
        else
            r.values[index(b)] = BandValue(*code);
        r.colours[index(b)] = colourNumberOf(code.value_or(0));
    }
    return r;
}

std::string withUnit(std::string_view digits)
{
    const std::size_t length = characterCount(digits);
    // More digits than the giga-ohms hold never come from the bands: such a text keeps no unit.
    if (length > 3 * Units.size())
        return std::string(digits);
    const Unit &unit = unitForWholeDigits(static_cast<int>(length));
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

void Reader::SelectColorValue(std::string_view code)
{
    if (const std::optional<Band> band = m_view.selectedBand())
        setBand(*band, code);
    ResultValueShow();
}

void Reader::setBand(Band band, std::string_view code)
{
    m_state.band(band) = BandValue(std::string(code));
}

void Reader::BaseValueShow(BandValue a, BandValue b, BandValue c, BandValue d, BandValue e,
                           std::string f)
{
    m_state.BandA = std::move(a);
    m_state.BandB = std::move(b);
    m_state.BandC = std::move(c);
    m_state.BandD = std::move(d);
    m_state.BandE = std::move(e);
    m_state.BandF = BandValue(std::move(f));
    m_view.setResultText(ResultBox::Value, {});
    m_view.setResultText(ResultBox::Tolerance, {});
    m_view.setResultText(ResultBox::Tempco, {});
    ResultValueShow();
}

void Reader::BaseValueShow(const DefaultResistor &r)
{
    const auto &v = r.values;
    BaseValueShow(v[0], v[1], v[2], v[3], v[4], v[5].text());
}

void Reader::ResultValueShow()
{
    ReaderState &s = m_state;
    s.CodeString.clear();
    for (Band b : AllBands)
        s.CodeString += s.band(b).text();

    m_ohms.reset();
    const std::optional<Kind> kind = m_view.selectedKind();
    if (!kind)
        return;
    const ValueBands bands = valueBandsOf(*kind);
    computeValue(bands);
    ToleranceUnitValue(s.band(bands.tolerance).text());

    if (bands.tempco) {
        const std::optional<long long> code = s.band(*bands.tempco).number();
        if (code && *code >= 0 && *code < ColourCount) {
            if (const auto &tempco = Colours[static_cast<std::size_t>(*code)].tempco)
                s.TempcoText = *tempco;
        }
    }
    m_view.setResultText(ResultBox::Value, s.ValueText);
    m_view.setResultText(ResultBox::Tolerance, s.ToleranceText);
    // Kinds without a temperature-coefficient band show that the result does not apply.
    m_view.setResultText(ResultBox::Tempco, bands.tempco ? s.TempcoText : Dash);
}

// The digits and the multiplier are read by their place in the joined codes, as the bands
// would line up if each held one digit.
void Reader::computeValue(const ValueBands &bands)
{
    ReaderState &s = m_state;
    s.DigitText = firstCharacters(s.CodeString, bands.digitCount);
    const std::optional<long long> multiplier = s.band(bands.multiplier).number();
    if (!multiplier || *multiplier < 0 || *multiplier > 9)
        return;
    s.MultiplierText = characterAt(s.CodeString, bands.digitCount);
    const std::uint64_t value
        = leadingNumber(s.DigitText) * powerOfTen(int(leadingNumber(s.MultiplierText)));
    s.ValueText = std::to_string(value);

    // Only when they do is the value the one the bands spell.
    const auto holdsOneDigit
        = [&](Band b) { return isDigits(s.band(b).text()) && s.band(b).text().size() == 1; };
    bool aligned = holdsOneDigit(bands.multiplier);
    for (std::size_t i = 0; i < bands.digitCount; ++i)
        aligned = aligned && holdsOneDigit(bands.digits[i]);
    if (aligned)
        m_ohms = value;
}

void Reader::ToleranceUnitValue(std::string_view code)
{
    if (const std::optional<int> c = codeOfText(code)) {
        if (const auto &tolerance = Colours[static_cast<std::size_t>(*c)].tolerance)
            m_state.ToleranceText = *tolerance;
    }
    // A value kept from an earlier reading already carries its unit; a second unit would
    // corrupt it ("10 Ω" would turn into "1 ㏀").
    if (isDigits(m_state.ValueText))
        m_state.ValueText = withUnit(m_state.ValueText);
}

} // namespace bandalyx
