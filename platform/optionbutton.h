#pragma once

#include <QRadioButton>

namespace platform {

// An option button that a click anywhere in its rectangle selects, as on the desktop the layout
// comes from; Qt's own reacts only over its indicator and caption.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override;
};

} // namespace platform
