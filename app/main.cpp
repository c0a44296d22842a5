#include <QApplication>

#include "frmMain/frmmain.h"
#include "platform/window.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bandalyx"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    platform::useDialogFont();

    ui::frmMain window;
    window.show();
    return QApplication::exec();
}
