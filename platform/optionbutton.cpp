#include "platform/optionbutton.h"

#include <algorithm>

#include <QEvent>
#include <QStyle>
#include <QStyleOptionButton>

#include "platform/keepfont.h"

namespace platform {

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::changeEvent(QEvent *event)
{
    QRadioButton::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        showWholeCaption();
}

void OptionButton::showEvent(QShowEvent *event)
{
    QRadioButton::showEvent(event);
    showWholeCaption();
}

// Only in another style than the layout's, only ever wider and never past the container's
// contents: the layout's own widths stand wherever it was measured and wherever a caption fits.
void OptionButton::showWholeCaption()
{
    const QWidget *container = parentWidget();
    if (!container || text().isEmpty()
        || style()->name().compare(QLatin1String(LayoutStyle), Qt::CaseInsensitive) == 0)
        return;
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    const int needed = contents.left() + fontMetrics().horizontalAdvance(text()) + 1;
    const int room = container->contentsRect().right() + 1 - x();
    if (needed > width())
        resize(std::max(width(), std::min(needed, room)), height());
}

} // namespace platform
