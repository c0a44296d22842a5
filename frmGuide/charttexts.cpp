#include "frmGuide/colourchart.h"

#include <string>
#include <string_view>
#include <utility>

#include "engine/explain.h"
#include "engine/reader.h"
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

QString orDash(const std::optional<std::string_view> &s)
{
    return toQString(s.value_or(Dash));
}

// "±5.00 ％, J" is the percentage and the letter printed on parts lists.
std::pair<QString, QString> splitTolerance(std::string_view tolerance)
{
    const QString t = toQString(tolerance);
    const qsizetype comma = t.indexOf(u',');
    if (comma < 0)
        return {t, QString()};
    return {t.left(comma).trimmed(), t.mid(comma + 1).trimmed()};
}

QString superscript(int n)
{
    QString s = n < 0 ? QStringLiteral("⁻") : QString();
    for (QChar c : QString::number(std::abs(n)))
        s += QChar(ChartSuperscripts[std::size_t(c.digitValue())]);
    return s;
}

// Feeds the example's codes to the reader itself, so the chart shows what a reading shows.
class ExampleView : public ReaderView
{
public:
    Band band = Band::A;
    QString value;
    QString tolerance;

    std::optional<Kind> selectedKind() const override { return Kind::FourBands; }
    std::optional<Band> selectedBand() const override { return band; }
    void setResultText(ResultBox box, std::string_view t) override
    {
        if (box == ResultBox::Value)
            value = toQString(t);
        else if (box == ResultBox::Tolerance)
            tolerance = toQString(t);
    }
};

ExampleView readExample()
{
    ExampleView view;
    Reader reader(view);
    reader.BaseValueShow(defaultResistor(Kind::FourBands));
    for (std::size_t i = 0; i < ChartExampleCodes.size(); ++i) {
        view.band = AllBands[i];
        reader.SelectColorValue(std::to_string(ChartExampleCodes[i]));
    }
    return view;
}

} // namespace

QList<ColourChartRow> colourChartRows()
{
    QList<ColourChartRow> rows;
    for (const ColourCode &c : Colours) {
        // The reader gives code 9 in the tolerance band ±20 ％ because there it stands for a
        // missing band; a white band itself carries no tolerance, so the text goes to the
        // no-colour row and white shows none.
        const std::string_view tolerance
            = c.code == NoColourCode ? Dash : c.tolerance.value_or(Dash);
        const auto [percent, letter] = splitTolerance(tolerance);
        rows.append({toQString(c.koreanName), platform::toQColor(colourNumber(c.rgb)),
                     c.digit < 0 ? toQString(Dash) : QString::number(c.digit),
                     multiplierText(c.multiplierExponent), percent, letter, orDash(c.tempco)});
    }
    const auto [percent, letter] = splitTolerance(Colours[NoColourCode].tolerance.value_or(Dash));
    rows.append({toQString(NoColourName), QColor(), toQString(Dash), toQString(Dash), percent,
                 letter, toQString(Dash)});
    return rows;
}

QString colourChartExample()
{
    const ExampleView reading = readExample();
    QString digits;
    for (std::size_t i = 0; i < 2; ++i)
        digits += QString::number(Colours[std::size_t(ChartExampleCodes[i])].digit);
    const int exponent = Colours[std::size_t(ChartExampleCodes[2])].multiplierExponent;
    return QStringLiteral("%1 × 10%2 = %3 %4")
        .arg(digits, superscript(exponent), reading.value,
             toQString(shortTolerance(reading.tolerance.toStdString())));
}

QStringList colourChartContributions()
{
    const ExampleView reading = readExample();
    const auto colour
        = [](std::size_t band) { return Colours[std::size_t(ChartExampleCodes[band])]; };
    return {
        QString::number(colour(0).digit),
        QString::number(colour(1).digit),
        QStringLiteral("× 10") + superscript(colour(2).multiplierExponent),
        toQString(shortTolerance(reading.tolerance.toStdString())),
    };
}

} // namespace ui
