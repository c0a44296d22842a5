#include "frmAbout/spacebreaklabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

namespace ui {

SpaceBreakLabel::SpaceBreakLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

QString SpaceBreakLabel::laidOutText(const QString &text)
{
    static const QRegularExpression spaceRun(QStringLiteral(" {2,}"));
    return QString(text).replace(spaceRun, QStringLiteral("\n"));
}

int SpaceBreakLabel::textFlags() const
{
    return int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextWordWrap;
}

int SpaceBreakLabel::heightForWidth(int width) const
{
    const int frame = 2 * (frameWidth() + margin());
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, width - frame, QWIDGETSIZE_MAX),
                                                    textFlags(), laidOutText(text()));
    return bounds.height() + frame;
}

void SpaceBreakLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, textFlags(), palette(), isEnabled(), laidOutText(text()),
                          foregroundRole());
}

} // namespace ui
