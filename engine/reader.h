#pragma once

#include <array>
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

    bool operator==(const BandValue &) const = default;

private:
    std::variant<std::monostate, int, std::string> m_value;
};

enum class ResultBox { Value, Tolerance, Tempco };

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
    // Stores a colour code, as its text, in one band without recomputing: the one way a band
    // is set, by a colour button (through SelectColorValue) or by a typed value.
    void setBand(Band band, std::string_view code);
    void BaseValueShow(BandValue a, BandValue b, BandValue c, BandValue d, BandValue e,
                       std::string f);
    void BaseValueShow(const DefaultResistor &resistor);
    void ResultValueShow();

    // The band handlers say which band, if any, shows code 9 as no colour.
    void setNoColourBand(int noColourBand) { m_state.NoColourBand = noColourBand; }

    const ReaderState &state() const { return m_state; }
    // The exact value of the last reading, when the digit and multiplier bands each held one
    // digit code and so gave the value box its value; nothing otherwise.
    std::optional<std::uint64_t> valueOhms() const { return m_ohms; }

private:
    void ToleranceUnitValue(std::string_view code);
    void computeValue(const ValueBands &bands);

    ReaderView &m_view;
    ReaderState m_state;
    std::optional<std::uint64_t> m_ohms;
};

// The colour code a text spells exactly, "0" to "11"; "01", " 1" and the empty text are none.
std::optional<int> codeOfText(std::string_view text);

// The unit step on a plain digit text ("4700" -> "4.7 ㏀"); the explanations use it too.
std::string withUnit(std::string_view digits);

} // namespace bandalyx
