#include "platform/focustip.h"

#include <QFocusEvent>
#include <QToolTip>
#include <QWidget>

namespace platform {

namespace {

class KeyboardToolTip : public QObject
{
public:
    explicit KeyboardToolTip(QWidget *control) : QObject(control), m_control(control) { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show() const;

    QWidget *m_control;
};

bool KeyboardToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Queued: Qt closes any tooltip on a change of focus and frees it only later, and a
        // tip shown before that would lose its place as the one on screen.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::ShortcutFocusReason)
            QMetaObject::invokeMethod(this, &KeyboardToolTip::show, Qt::QueuedConnection);
        break;
    }
    case QEvent::FocusOut:
        QToolTip::hideText();
        break;
    case QEvent::ToolTipChange:
        if (m_control->hasFocus() && QToolTip::isVisible())
            show();
        break;
    default:
        break;
    }
    return false;
}

// Below the control, where the pointer's tip would not cover it.
void KeyboardToolTip::show() const
{
    if (m_control->hasFocus() && !m_control->toolTip().isEmpty())
        QToolTip::showText(m_control->mapToGlobal(QPoint(0, m_control->height())),
                           m_control->toolTip(), m_control);
}

} // namespace

void showToolTipOnKeyboardFocus(QWidget *control)
{
    control->installEventFilter(new KeyboardToolTip(control));
}

} // namespace platform
