#include "platform/keepfont.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace platform {

void keepApplicationFont(QWidget *window)
{
    QFont font = QApplication::font();
    // A property left unresolved would still follow the application's font.
    font.setResolveMask(QFont::AllPropertiesResolved);
    window->setFont(font);
}

} // namespace platform
