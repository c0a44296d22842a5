#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/colourtable.h"

namespace bandalyx {

// A band holds what it was given: nothing yet, a number, or a text.
class BandValue
{
public:
    BandValue() = default;
    BandValue(int number) : m_value(number) { }
    BandValue(std::string text) : m_value(std::move(text)) { }
    BandValue(const char *text) : m_value(std::string(text)) { }

    // As text, a number gives its plain decimal digits and empty gives the empty text.
    std::string text() const;
    // As a number, a text counts only when it spells a whole decimal number.
    std::optional<long long> number() const;
    // The colour code it spells exactly: "01", " 1" and the empty text are none.
    std::optional<int> code() const;
    // A colour code that arrives as text, held as its number; any other text as it is.
    static BandValue ofText(std::string_view text);

    bool operator==(const BandValue &) const = default;

private:
    std::variant<std::monostate, int, std::string> m_value;
};

enum class ResultBox { Value, Tolerance, Tempco };
inline constexpr std::size_t ResultBoxCount = 3;

// What the reader needs from its window: the selected options, and the three result boxes.
class ReaderView
{
public:
    virtual ~ReaderView() = default;
    virtual std::optional<Kind> selectedKind() const = 0;
    virtual std::optional<Band> selectedBand() const = 0;
    virtual void setResultText(ResultBox box, std::string_view text) = 0;
};

// The window-level state of the reader, in declaration order.
struct ReaderState
{
    BandValue BandA;
    BandValue BandB;
    BandValue BandC;
    BandValue BandD;
    BandValue BandE;
    BandValue BandF;
    std::string CodeString;
    std::string ValueText;
    std::string DigitText;
    std::string MultiplierText;
    std::string ToleranceText;
    std::string TempcoText;
    int NoColourBand = 0;

    const BandValue &band(Band b) const;
    BandValue &band(Band b);
};

using BandValues = std::array<BandValue, BandCount>;

// One reading of a kind's bands, with no state: each result, or nothing where the bands say
// nothing new and the previous text stays.
struct Reading
{
    std::string codeString; // the band values' texts joined
    std::string digitText;
    std::optional<std::string> multiplierText; // when the multiplier band holds 0 to 9
    std::optional<std::uint64_t> value; // the digits times ten to the multiplier, with it
    bool spelled = false; // every digit and multiplier band held one digit: the value is theirs
    std::optional<Tolerance> tolerance;
    std::optional<int> tempcoPpm; // only for a kind with a temperature-coefficient band
    bool hasTempco = false;

    // The value in ohms when the bands spell it.
    std::optional<std::uint64_t> ohms() const { return spelled ? value : std::nullopt; }
};

// The bands A to F of a kind read as the result boxes show them. The digits and the multiplier
// are read by their place in the joined texts, as the bands would line up if each held one digit.
Reading readBands(Kind kind, const BandValues &bands);

// The default resistor of a kind, as band values (what the reader stores) and as the colour
// numbers the drawing paints; bands the kind lacks hold the empty text and are painted black.
struct DefaultResistor
{
    std::array<BandValue, BandCount> values;
    std::array<std::int32_t, BandCount> colours;
};

DefaultResistor defaultResistor(Kind kind);

// Turns band colour codes into the value, tolerance and temperature-coefficient texts.
class Reader
{
public:
    explicit Reader(ReaderView &view) : m_view(view) { }

    void SelectColorValue(std::string_view code);
    // Stores a colour code in one band without recomputing: the one way a band is set, by a
    // colour button (through SelectColorValue) or by a typed value.
    void setBand(Band band, int code);
    void BaseValueShow(BandValue a, BandValue b, BandValue c, BandValue d, BandValue e,
                       std::string_view f);
    void BaseValueShow(const DefaultResistor &resistor);
    void ResultValueShow();

    // The band handlers say which band, if any, shows code 9 as no colour.
    void setNoColourBand(int noColourBand) { m_state.NoColourBand = noColourBand; }

    const ReaderState &state() const { return m_state; }
    // The exact value of the last reading, when the digit and multiplier bands each held one
    // digit code and so gave the value box its value; nothing otherwise.
    std::optional<std::uint64_t> valueOhms() const { return m_ohms; }
    // The tolerance the tolerance box shows, as data; nothing before the first one.
    std::optional<Tolerance> tolerance() const { return m_tolerance; }
    // What a result box shows of the last reading; the temperature box shows a dash for a kind
    // without that band.
    std::string_view shownText(ResultBox box) const;

private:
    void setBands(const BandValues &values);
    void ToleranceUnitValue(const Reading &reading);

    ReaderView &m_view;
    ReaderState m_state;
    std::optional<std::uint64_t> m_ohms;
    std::optional<Tolerance> m_tolerance;
    bool m_showsTempco = false;
};

// The colour code a text spells exactly, "0" to "11"; "01", " 1" and the empty text are none.
std::optional<int> codeOfText(std::string_view text);

} // namespace bandalyx
