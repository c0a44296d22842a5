#pragma once

#include <QRadioButton>

namespace platform {

// An option button that a click anywhere in its rectangle selects, as on the desktop the layout
// comes from; Qt's own reacts only over its indicator and caption. Where a style draws a larger
// indicator than the layout was made for, it widens to show its whole caption, as far as its
// container has room to its right.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showWholeCaption();
};

} // namespace platform
