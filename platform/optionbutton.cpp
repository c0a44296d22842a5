#include "platform/optionbutton.h"

namespace platform {

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace platform
