#pragma once

#include <array>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include "engine/colourtable.h"

namespace ui {

// Where the guide chart puts its parts, in logical pixels; the tests find the swatches here too.
struct ChartLayout
{
    static constexpr QSize Size {607, 604};
    static constexpr int Margin = 6;

    // The four-band example resistor: body and the band rectangles A to D.
    static constexpr QRect ResistorBody {52, 84, 208, 44};
    static constexpr std::array<QRect, 4> ExampleBands {{
        {88, 84, 12, 44},
        {110, 84, 12, 44},
        {132, 84, 12, 44},
        {206, 84, 12, 44},
    }};

    // The table: a header row, then one row per colour code and a last row for no colour.
    enum class Column { Swatch, Name, Digit, Multiplier, Tolerance, Letter, Tempco };
    static constexpr int ColumnCount = 7;
    static constexpr std::array<int, ColumnCount> ColumnWidths {52, 64, 52, 90, 110, 52, 175};
    static constexpr int RowCount = bandalyx::ColourCount + 1;
    static constexpr int NoColourRow = bandalyx::ColourCount;
    static constexpr int HeaderHeight = 24;
    static constexpr int RowHeight = 22;
    static constexpr int TableLeft = Margin;
    static constexpr int TableTop = Size.height() - 3 - HeaderHeight - RowCount * RowHeight;
    static constexpr QMargins SwatchInset {11, 4, 11, 4};

    static constexpr int columnLeft(Column c)
    {
        int x = TableLeft;
        for (int i = 0; i < static_cast<int>(c); ++i)
            x += ColumnWidths[static_cast<std::size_t>(i)];
        return x;
    }
    // Row 0 is the header; colour code n sits in row n + 1.
    static constexpr int rowTop(int row)
    {
        return row == 0 ? TableTop : TableTop + HeaderHeight + (row - 1) * RowHeight;
    }
    static constexpr int tableWidth()
    {
        int w = 0;
        for (int c : ColumnWidths)
            w += c;
        return w;
    }
    static constexpr QRect cell(int row, Column c)
    {
        return {columnLeft(c), rowTop(row), ColumnWidths[static_cast<std::size_t>(c)],
                row == 0 ? HeaderHeight : RowHeight};
    }
    // `entry` counts the table's body rows: colour codes 0..11, then NoColourRow.
    static constexpr QRect swatch(int entry)
    {
        return cell(entry + 1, Column::Swatch).marginsRemoved(SwatchInset);
    }
};

static_assert(ChartLayout::tableWidth() <= ChartLayout::Size.width() - 2 * ChartLayout::Margin,
              "the table must fit the chart");
static_assert(ChartLayout::TableTop > ChartLayout::ResistorBody.bottom());

// The resistor the chart reads as its example: brown, black, red, gold.
inline constexpr std::array<int, 4> ChartExampleCodes {1, 0, 2, 10};

// The chart sets powers of ten with these digits, drawn small and raised.
inline constexpr std::array<char16_t, 10> ChartSuperscripts {u'⁰', u'¹', u'²', u'³', u'⁴',
                                                             u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};

// One line of the chart's table as the reader sees it, derived from the colour table.
struct ColourChartRow
{
    QString name;
    QColor swatch; // invalid for no colour, which is drawn as a hatch
    QString digit;
    QString multiplier;
    QString tolerance;
    QString toleranceLetter;
    QString tempco;
};

QList<ColourChartRow> colourChartRows();

// The worked example under the drawing, e.g. "10 × 10² = 1 ㏀ ±5 ％".
QString colourChartExample();

// What each band of the example contributes: "1", "0", "× 10²", "±5 ％".
QStringList colourChartContributions();

// A text the chart draws: the box it has, in logical pixels, and how it is set there.
struct ChartText
{
    QRect box;
    int flags;
    QFont font;
    QString text;
    bool inTable;
};

// How far the table lies below ChartLayout's place for it in the application's font: a font
// whose lines are taller than the layout's needs more room for the explanation above it. 0 in
// the font the layout was measured in.
int colourChartTableShift();

// ChartLayout::Size, taller by the table's shift.
QSize colourChartSize();

// The guide's chart, drawn from the engine's tables so it can never disagree with a reading.
// The image has colourChartSize() × devicePixelRatio pixels and carries that ratio. `texts`,
// if given, receives every text drawn and where.
QImage renderColourChart(qreal devicePixelRatio = 1.0, QList<ChartText> *texts = nullptr);

} // namespace ui
