#include <QApplication>

#include "app/fonts.h"
#include "frmMain/frmmain.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bandalyx"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    if (!app::useDialogFont())
        app::warnNoHangulFont();

    frmMain window;
    window.show();
    return QApplication::exec();
}
