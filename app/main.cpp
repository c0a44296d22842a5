#include <QApplication>

#include "app/application.h"
#include "app/commandline.h"
#include "app/look.h"
#include "frmAbout/credits.h"
#include "frmMain/frmmain.h"

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = app::handleCommandLine(argc, argv))
        return *status;

    app::Application application(argc, argv);
    if (const std::optional<int> status = app::refuseScaleBelowOne())
        return *status;
    QApplication::setApplicationName(QStringLiteral("Bandalyx"));
    QApplication::setApplicationVersion(ui::Version.toString());
    if (!app::useProgramLook())
        app::warnNoHangulFont();

    ui::frmMain window;
    window.show();
    return QApplication::exec();
}
