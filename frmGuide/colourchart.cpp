#include "frmGuide/colourchart.h"

#include <algorithm>

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <QtMath>

#include "platform/convert.h"

namespace ui {

using namespace bandalyx;
using platform::toQString;
using Layout = ChartLayout;
using Column = ChartLayout::Column;

namespace {

struct BandLabel
{
    Band band;
    const char *role;
    bool above;
    int rowOffset; // distance of the label's middle from the body's edge
};

// Outer labels for A and C, inner for B and D: each label runs to the right of its leader
// without crossing the next band's leader.
constexpr std::array<BandLabel, 4> BandLabels {{
    {Band::A, "첫째 자리", true, 38},
    {Band::B, "둘째 자리", true, 18},
    {Band::C, "승수", false, 36},
    {Band::D, "허용오차", false, 16},
}};

struct Paragraph
{
    const char *heading;
    const char *body;
};

constexpr std::array<Paragraph, 4> Explanation {{
    {"4띠 저항 · 일반용",
     "숫자 두 자리, 승수, 허용오차 순으로 읽습니다. 표의 온도계수 열은 쓰지 않습니다."},
    {"5띠 저항 · 정밀용",
     "숫자 세 자리, 승수, 허용오차 순으로 읽습니다. 온도계수 열은 쓰지 않습니다."},
    {"6띠 저항 · 온도 안정 정밀용",
     "5띠와 같이 읽고, 여섯째 띠가 온도계수를 나타냅니다. 표의 모든 열을 씁니다."},
    {"읽는 방향",
     "허용오차 띠는 다른 띠와 조금 떨어져 있습니다. 그 띠를 오른쪽에 두고 왼쪽부터 "
     "읽습니다. 허용오차 띠가 없으면 무색으로 봅니다."},
}};

struct ColumnStyle
{
    const char *title;
    Qt::Alignment alignment;
    int padding; // from the aligned side
};

constexpr std::array<ColumnStyle, Layout::ColumnCount> ColumnStyles {{
    {"색", Qt::AlignHCenter, 0},
    {"이름", Qt::AlignHCenter, 0},
    {"숫자", Qt::AlignHCenter, 0},
    {"승수", Qt::AlignLeft, 22},
    {"허용오차", Qt::AlignRight, 22},
    {"기호", Qt::AlignHCenter, 0},
    {"온도계수", Qt::AlignRight, 52},
}};

constexpr QRgb Ink = qRgb(32, 32, 32);
constexpr QRgb FaintInk = qRgb(140, 140, 140);
constexpr QRgb GridColour = qRgb(200, 205, 212);
constexpr QRgb FrameColour = qRgb(120, 128, 140);
constexpr QRgb HeaderBackground = qRgb(224, 231, 240);
constexpr QRgb StripeBackground = qRgb(244, 246, 249);
constexpr QRgb BodyColour = qRgb(232, 208, 160);
constexpr QRgb BodyOutline = qRgb(150, 118, 70);
constexpr QRgb LeadColour = qRgb(150, 150, 150);
constexpr int RightColumnLeft = 332;
// The least room between the explanation's last line and the table.
constexpr int TableGap = 8;

// Where renderColourChart records the texts it draws, while it draws; none when not asked.
QList<ChartText> *g_drawnTexts = nullptr;
bool g_inTable = false;

void recordText(const QRect &box, int flags, const QFont &font, const QString &text)
{
    if (g_drawnTexts)
        g_drawnTexts->append({box, flags, font, text, g_inTable});
}

void drawText(QPainter &p, const QRect &box, int flags, const QString &text)
{
    p.drawText(box, flags, text);
    recordText(box, flags, p.font(), text);
}

// A one-line box as tall as the font's lines at least, about the same middle.
QRect lineBox(const QRect &box, const QFont &font)
{
    const int lack = QFontMetrics(font).height() - box.height();
    return lack > 0 ? box.adjusted(0, -lack / 2, 0, lack - lack / 2) : box;
}

QFont chartFont(int pixelSize, bool bold = false)
{
    QFont font(QGuiApplication::font().family());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Draws a line whose superscript digits are set small and raised: the font's own superscript
// glyphs are too small to read at this size.
void drawFormula(QPainter &p, QRect box, const QString &formula, const QFont &font)
{
    recordText(box, Qt::AlignLeft | Qt::AlignVCenter, font, formula);
    QFont small = font;
    small.setPixelSize(font.pixelSize() * 3 / 4);
    const QFontMetricsF metrics(font);
    const qreal baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
    const qreal raise = metrics.ascent() * 0.42;
    qreal x = box.left();
    qsizetype i = 0;
    while (i < formula.size()) {
        const bool raised
            = std::find(ChartSuperscripts.begin(), ChartSuperscripts.end(), formula[i].unicode())
            != ChartSuperscripts.end();
        QString run;
        for (; i < formula.size(); ++i) {
            const auto at = std::find(ChartSuperscripts.begin(), ChartSuperscripts.end(),
                                      formula[i].unicode());
            if ((at != ChartSuperscripts.end()) != raised)
                break;
            run += raised ? QChar(char16_t(u'0' + (at - ChartSuperscripts.begin()))) : formula[i];
        }
        p.setFont(raised ? small : font);
        p.drawText(QPointF(x, baseline - (raised ? raise : 0)), run);
        x += QFontMetricsF(p.font()).horizontalAdvance(run) + (raised ? 1 : 0);
    }
}

// A leader: an arrow touching the body at the band, up or down to the label, a short step
// right, then the band's letter and its role.
void drawLeader(QPainter &p, const BandLabel &label, QRect band)
{
    const QRect body = Layout::ResistorBody;
    const qreal x = band.center().x() + 0.5;
    const qreal edge = label.above ? body.top() - 1 : body.bottom() + 2;
    const qreal end = label.above ? body.top() - label.rowOffset : body.bottom() + label.rowOffset;
    const qreal tip = label.above ? 1 : -1;
    p.setPen(QPen(QColor(Ink), 1));
    p.drawLine(QPointF(x, edge - tip * 5), QPointF(x, end));
    p.drawLine(QPointF(x, end), QPointF(x + 5, end));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Ink));
    const QPointF arrow[] = {{x, edge}, {x - 3.5, edge - tip * 7}, {x + 3.5, edge - tip * 7}};
    p.drawPolygon(arrow, 3);
    p.setBrush(Qt::NoBrush);

    p.setPen(QColor(Ink));
    const QRectF line(x + 8, end - 10, 200, 20);
    const int leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
    const QString letter = toQString(letterOf(label.band));
    p.setFont(chartFont(13, true));
    p.drawText(line, leftMiddle, letter);
    recordText(line.toRect(), leftMiddle, p.font(), letter);
    const int indent = QFontMetrics(p.font()).horizontalAdvance(letter) + 5;
    p.setFont(chartFont(12));
    p.drawText(line.adjusted(indent, 0, 0, 0), leftMiddle, QString::fromUtf8(label.role));
    recordText(line.adjusted(indent, 0, 0, 0).toRect(), leftMiddle, p.font(),
               QString::fromUtf8(label.role));
}

void drawResistor(QPainter &p)
{
    p.setPen(QColor(Ink));
    p.setFont(chartFont(13, true));
    drawText(p, lineBox(QRect(Layout::Margin, 8, 300, 18), p.font()),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("4띠 저항의 색띠"));

    const QRect body = Layout::ResistorBody;
    const int middle = body.center().y();
    p.setPen(QPen(QColor(LeadColour), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(Layout::Margin, middle, body.left(), middle);
    p.drawLine(body.right(), middle, RightColumnLeft - 20, middle);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(outline, QColor(BodyColour));
    p.save();
    p.setClipPath(outline);
    for (std::size_t i = 0; i < ChartExampleCodes.size(); ++i)
        p.fillRect(Layout::ExampleBands[i],
                   platform::toQColor(colourNumberOf(ChartExampleCodes[i])));
    p.restore();
    p.setPen(QPen(QColor(BodyOutline), 1));
    p.drawPath(outline);

    for (std::size_t i = 0; i < BandLabels.size(); ++i)
        drawLeader(p, BandLabels[i], Layout::ExampleBands[i]);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawExample(QPainter &p)
{
    const int left = Layout::Margin;
    const int top = 180;
    p.setPen(QColor(Ink));
    p.setFont(chartFont(13, true));
    drawText(p, lineBox(QRect(left, top, 300, 18), p.font()), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("읽는 예"));

    // One column per band: its colour and name, and below it what the band contributes.
    const QStringList contribution = colourChartContributions();
    constexpr int columnWidth = 74;
    for (std::size_t i = 0; i < ChartExampleCodes.size(); ++i) {
        const ColourCode &c = Colours[std::size_t(ChartExampleCodes[i])];
        const int x = left + int(i) * columnWidth;
        const QRect swatch(x, top + 28, 14, 14);
        p.fillRect(swatch, platform::toQColor(colourNumber(c.rgb)));
        p.setPen(QColor(FrameColour));
        p.drawRect(swatch.adjusted(0, 0, -1, -1));
        p.setPen(QColor(Ink));
        p.setFont(chartFont(12));
        drawText(p, lineBox(QRect(x + 19, top + 26, columnWidth - 19, 18), p.font()),
                 Qt::AlignLeft | Qt::AlignVCenter, toQString(c.koreanName));
        drawFormula(p, QRect(x + 1, top + 48, columnWidth - 8, 18), contribution[qsizetype(i)],
                    chartFont(12));
    }

    drawFormula(p, QRect(left, top + 74, 310, 22), QStringLiteral("= ") + colourChartExample(),
                chartFont(14, true));
}

// The explanation's blocks where they go: the column's heading, then each paragraph's heading
// and its body, wrapped to the column and as tall as the font's lines make them.
QList<ChartText> explanationBlocks()
{
    const int width = Layout::Size.width() - Layout::Margin - RightColumnLeft;
    const QFont heading = chartFont(13, true);
    QList<ChartText> blocks {{lineBox(QRect(RightColumnLeft, 8, width, 18), heading),
                              Qt::AlignLeft | Qt::AlignVCenter, heading,
                              QStringLiteral("띠 개수별 읽는 법"), false}};
    int y = 8 + 26;
    for (const Paragraph &paragraph : Explanation) {
        const QFont bold = chartFont(12, true);
        const QString title = QString::fromUtf8(paragraph.heading);
        QRect used = QFontMetrics(bold).boundingRect(QRect(RightColumnLeft, y, width, 40),
                                                      Qt::AlignLeft, title);
        blocks.append({used, Qt::AlignLeft, bold, title, false});
        y = used.bottom() + 3;
        const QFont plain = chartFont(12);
        const QString body = QString::fromUtf8(paragraph.body);
        const int wrap = Qt::AlignLeft | Qt::TextWordWrap;
        used = QFontMetrics(plain).boundingRect(
            QRect(RightColumnLeft + 8, y, width - 8, QWIDGETSIZE_MAX / 2), wrap, body);
        blocks.append({used, wrap, plain, body, false});
        y = used.bottom() + 10;
    }
    return blocks;
}

void drawExplanation(QPainter &p)
{
    p.setPen(QColor(Ink));
    for (const ChartText &block : explanationBlocks()) {
        p.setFont(block.font);
        drawText(p, block.box, block.flags, block.text);
    }
}

void drawCellText(QPainter &p, QRect cell, Column column, const QString &s)
{
    const bool none = s == toQString(Dash);
    const ColumnStyle &style = ColumnStyles[std::size_t(column)];
    // Dashes stand centred: aligned with the figures they would look like a stray minus.
    const Qt::Alignment alignment = none ? Qt::AlignHCenter : style.alignment;
    const int padding = none ? 0 : style.padding;
    const QRect box = alignment & Qt::AlignRight ? cell.adjusted(0, 0, -padding, 0)
                                                 : cell.adjusted(padding, 0, 0, 0);
    p.setPen(QColor(none ? FaintInk : Ink));
    drawText(p, box, int(alignment | Qt::AlignVCenter), s);
}

void drawTableRow(QPainter &p, int entry, const ColourChartRow &row)
{
    const int r = entry + 1;
    if (entry % 2 == 1)
        p.fillRect(
            QRect(Layout::TableLeft, Layout::rowTop(r), Layout::tableWidth(), Layout::RowHeight),
            QColor(StripeBackground));
    const QRect swatch = Layout::swatch(entry);
    if (row.swatch.isValid()) {
        p.fillRect(swatch, row.swatch);
    } else {
        p.fillRect(swatch, Qt::white);
        p.fillRect(swatch, QBrush(Qt::black, Qt::DiagCrossPattern));
    }
    // The frame lies outside the swatch, so its every inner pixel is the table's colour.
    p.setPen(QColor(FrameColour));
    p.drawRect(swatch.adjusted(-1, -1, 0, 0));

    const QString cells[]
        = {QString(),           row.name,  row.digit, row.multiplier, row.tolerance,
           row.toleranceLetter, row.tempco};
    for (int c = 1; c < Layout::ColumnCount; ++c)
        drawCellText(p, Layout::cell(r, Column(c)), Column(c), cells[c]);
}

void drawGrid(QPainter &p)
{
    const int left = Layout::TableLeft;
    const int right = left + Layout::tableWidth();
    const int bottom = Layout::rowTop(Layout::RowCount + 1);
    p.setPen(QColor(GridColour));
    for (int r = 1; r <= Layout::RowCount; ++r)
        p.drawLine(left, Layout::rowTop(r), right - 1, Layout::rowTop(r));
    for (int c = 1; c < Layout::ColumnCount; ++c) {
        const int x = Layout::columnLeft(Column(c));
        p.drawLine(x, Layout::TableTop, x, bottom - 1);
    }
    p.setPen(QColor(FrameColour));
    p.drawRect(QRect(left, Layout::TableTop, Layout::tableWidth(), bottom - Layout::TableTop)
                   .adjusted(0, 0, -1, -1));
    p.drawLine(left, Layout::rowTop(1), right - 1, Layout::rowTop(1));
}

void drawTable(QPainter &p)
{
    p.fillRect(
        QRect(Layout::TableLeft, Layout::TableTop, Layout::tableWidth(), Layout::HeaderHeight),
        QColor(HeaderBackground));
    p.setFont(chartFont(12, true));
    p.setPen(QColor(Ink));
    for (int c = 0; c < Layout::ColumnCount; ++c)
        drawText(p, Layout::cell(0, Column(c)), Qt::AlignCenter,
                 QString::fromUtf8(ColumnStyles[std::size_t(c)].title));

    p.setFont(chartFont(12));
    const QList<ColourChartRow> rows = colourChartRows();
    for (int entry = 0; entry < rows.size(); ++entry)
        drawTableRow(p, entry, rows[entry]);
    drawGrid(p);
}

} // namespace

int colourChartTableShift()
{
    return std::max(0, explanationBlocks().last().box.bottom() + 1 + TableGap - Layout::TableTop);
}

QSize colourChartSize()
{
    return Layout::Size + QSize(0, colourChartTableShift());
}

QImage renderColourChart(qreal devicePixelRatio, QList<ChartText> *texts)
{
    // A ratio from a broken screen description must not give an empty or inverted image.
    if (!(devicePixelRatio > 0) || !qIsFinite(devicePixelRatio))
        devicePixelRatio = 1.0;
    const int shift = colourChartTableShift();
    const QSize size = Layout::Size + QSize(0, shift);
    const QSize pixels(qCeil(size.width() * devicePixelRatio),
                       qCeil(size.height() * devicePixelRatio));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);

    g_drawnTexts = texts;
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    drawResistor(p);
    drawExample(p);
    drawExplanation(p);
    // The table keeps its own layout, below the explanation however tall the font makes that.
    p.translate(0, shift);
    g_inTable = true;
    drawTable(p);
    g_inTable = false;
    g_drawnTexts = nullptr;
    if (texts) {
        for (ChartText &t : *texts)
            t.box.translate(0, t.inTable ? shift : 0);
    }
    return image;
}

} // namespace ui
