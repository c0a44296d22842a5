#pragma once

#include <array>

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include "engine/colourtable.h"

// Where the guide chart puts its parts, in logical pixels; the tests find the swatches here too.
struct ColourChartLayout
{
    static constexpr QSize size {607, 604};
    static constexpr int margin = 6;

    // The four-band example resistor: body and the band rectangles A to D.
    static constexpr QRect resistorBody {52, 84, 208, 44};
    static constexpr std::array<QRect, 4> exampleBands {{
        {88, 84, 12, 44},
        {110, 84, 12, 44},
        {132, 84, 12, 44},
        {206, 84, 12, 44},
    }};

    // The table: a header row, then one row per colour code and a last row for no colour.
    enum class Column { Swatch, Name, Digit, Multiplier, Tolerance, Letter, Tempco };
    static constexpr int columnCount = 7;
    static constexpr std::array<int, columnCount> columnWidths {52, 64, 52, 90, 110, 52, 175};
    static constexpr int rowCount = bandalyx::ColourCount + 1;
    static constexpr int noColourRow = bandalyx::ColourCount;
    static constexpr int headerHeight = 24;
    static constexpr int rowHeight = 22;
    static constexpr int tableLeft = margin;
    static constexpr int tableTop = size.height() - 3 - headerHeight - rowCount * rowHeight;
    static constexpr QMargins swatchInset {11, 4, 11, 4};

    static constexpr int columnLeft(Column c)
    {
        int x = tableLeft;
        for (int i = 0; i < static_cast<int>(c); ++i)
            x += columnWidths[static_cast<std::size_t>(i)];
        return x;
    }
    // Row 0 is the header; colour code n sits in row n + 1.
    static constexpr int rowTop(int row)
    {
        return row == 0 ? tableTop : tableTop + headerHeight + (row - 1) * rowHeight;
    }
    static constexpr int tableWidth()
    {
        int w = 0;
        for (int c : columnWidths)
            w += c;
        return w;
    }
    static constexpr QRect cell(int row, Column c)
    {
        return {columnLeft(c), rowTop(row), columnWidths[static_cast<std::size_t>(c)],
                row == 0 ? headerHeight : rowHeight};
    }
    // `entry` counts the table's body rows: colour codes 0..11, then noColourRow.
    static constexpr QRect swatch(int entry)
    {
        return cell(entry + 1, Column::Swatch).marginsRemoved(swatchInset);
    }
};

static_assert(ColourChartLayout::tableWidth()
                  <= ColourChartLayout::size.width() - 2 * ColourChartLayout::margin,
              "the table must fit the chart");
static_assert(ColourChartLayout::tableTop > ColourChartLayout::resistorBody.bottom());

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

// The guide's chart, drawn from the engine's tables so it can never disagree with a reading.
// The image has size × devicePixelRatio pixels and carries that ratio.
QImage renderColourChart(qreal devicePixelRatio = 1.0);
