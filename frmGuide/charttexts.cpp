#include "frmGuide/colourchart.h"

#include <string>
#include <string_view>
#include <utility>

#include "engine/marking.h"
#include "engine/reader.h"
#include "engine/decimal.h"
#include "platform/convert.h"

// The chart's texts, derived from the colour table and read through the reader itself, so that
// the chart can never disagree with a reading.
namespace ui {

using namespace bandalyx;
using platform::toQString;

namespace {

// Multipliers are written with a metric prefix so that no entry needs more than three digits.
constexpr std::array<std::string_view, 4> Prefixes {"", " k", " M", " G"};
constexpr std::array<int, 3> Mantissas {1, 10, 100};

static_assert(
    [] {
        for (const ColourCode &c : Colours)
            if (c.multiplierExponent >= static_cast<int>(3 * Prefixes.size()))
                return false;
        return true;
    }(),
    "every multiplier needs a prefix");

QString multiplierText(int exponent)
{
    if (exponent < 0)
        return QStringLiteral("×0.") + QString(-exponent - 1, u'0') + u'1';
    return QStringLiteral("×%1%2")
        .arg(Mantissas[std::size_t(exponent % 3)])
        .arg(toQString(Prefixes[std::size_t(exponent / 3)]));
}

QString orDash(std::optional<int> tempcoPpm)
{
    return toQString(tempcoText(tempcoPpm.value_or(NoTempco)));
}

// The percentage and the letter printed on parts lists, each in its own column.
std::pair<QString, QString> splitTolerance(std::optional<Tolerance> tolerance)
{
    const Tolerance t = tolerance.value_or(NoTolerance);
    return {toQString(tolerancePercent(t)), t.letter != 0 ? QString(QChar(t.letter)) : QString()};
}

QString superscript(int n)
{
    QString s = n < 0 ? QStringLiteral("⁻") : QString();
    for (QChar c : QString::number(std::abs(n)))
        s += QChar(ChartSuperscripts[std::size_t(c.digitValue())]);
    return s;
}

// The reader gives code 9 in the tolerance band ±20 ％ because there it stands for a missing band;
// a white band itself carries no tolerance, so the text goes to the no-colour row and white shows
// none.
bool givesItsToleranceToNoColour(int code)
{
    const Kind kind = AllKinds.front();
    return isNoColour(kind, valueBandsOf(kind).tolerance, code);
}

// The example read as the reader reads it, so the chart shows what a reading shows.
struct ExampleReading
{
    QString value;
    QString tolerance;
};

ExampleReading readExample()
{
    BandValues bands = defaultResistor(Kind::FourBands).values;
    for (std::size_t i = 0; i < ChartExampleCodes.size(); ++i)
        bands[i] = BandValue(ChartExampleCodes[i]);
    const Reading r = readBands(Kind::FourBands, bands);
    return {toQString(ohmsText(decimalOf(r.value.value_or(0)))),
            toQString(shortTolerance(r.tolerance.value_or(NoTolerance)))};
}

} // namespace

QList<ColourChartRow> colourChartRows()
{
    QList<ColourChartRow> rows;
    for (const ColourCode &c : Colours) {
        const auto [percent, letter]
            = splitTolerance(givesItsToleranceToNoColour(c.code) ? NoTolerance : c.tolerance);
        rows.append({toQString(c.koreanName), platform::toQColor(colourNumber(c.rgb)),
                     c.digit < 0 ? toQString(Dash) : QString::number(c.digit),
                     multiplierText(c.multiplierExponent), percent, letter, orDash(c.tempcoPpm)});
    }
    const auto [percent, letter] = splitTolerance(Colours[NoColourCode].tolerance);
    rows.append({toQString(NoColourName), QColor(), toQString(Dash), toQString(Dash), percent,
                 letter, toQString(Dash)});
    return rows;
}

QString colourChartExample()
{
    const ExampleReading reading = readExample();
    QString digits;
    for (std::size_t i = 0; i < 2; ++i)
        digits += QString::number(Colours[std::size_t(ChartExampleCodes[i])].digit);
    const int exponent = Colours[std::size_t(ChartExampleCodes[2])].multiplierExponent;
    return QStringLiteral("%1 × 10%2 = %3 %4")
        .arg(digits, superscript(exponent), reading.value, reading.tolerance);
}

QStringList colourChartContributions()
{
    const ExampleReading reading = readExample();
    const auto colour
        = [](std::size_t band) { return Colours[std::size_t(ChartExampleCodes[band])]; };
    return {
        QString::number(colour(0).digit),
        QString::number(colour(1).digit),
        QStringLiteral("× 10") + superscript(colour(2).multiplierExponent),
        reading.tolerance,
    };
}

} // namespace ui
