#include "platform/balloon.h"

#include <algorithm>

#include <QAccessible>

namespace platform {

namespace {

// Wide enough for a sentence or two of the dialog font on three or four lines.
constexpr int Width = 300;
constexpr int Margin = 4;

} // namespace

Balloon::Balloon(QWidget *anchor, QWidget *container) : QLabel(container), m_anchor(anchor)
{
    setObjectName(QStringLiteral("balloon"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setMargin(Margin);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Balloon::showMessage(const QString &text)
{
    setText(text);
    setAccessibleName(text);
    const QWidget *container = parentWidget();
    const int width = std::min(Width, container->width() - 2 * Margin);
    const QPoint below = m_anchor->mapTo(container, QPoint(0, m_anchor->height()));
    const int left = std::clamp(below.x(), Margin, container->width() - width - Margin);
    setGeometry(left, below.y() + 1, width, heightForWidth(width));
    raise();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace platform
