#pragma once

#include <QLabel>

namespace platform {

// A message shown just under a control, over whatever lies there, until it is hidden; screen
// readers hear it as an alert. Clicks pass through it to the controls beneath.
class Balloon : public QLabel
{
    Q_OBJECT

public:
    // `anchor` is the control it speaks of; the balloon lives in `container`, an ancestor of the
    // anchor, and keeps inside it.
    Balloon(QWidget *anchor, QWidget *container);

    void showMessage(const QString &text);

private:
    QWidget *m_anchor;
};

} // namespace platform
