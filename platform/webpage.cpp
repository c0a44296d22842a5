#include "platform/webpage.h"

#include <cstdio>

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

// What Qt warns while it looks for a browser, folded into our own line so that a failure
// makes one line on standard error, not two.
QString g_reason;

void keepReason(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (g_reason.isEmpty())
        g_reason = message;
}

} // namespace

bool openWebPage(const QString &address)
{
    g_reason.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepReason);
    const bool opened = QDesktopServices::openUrl(QUrl(address));
    qInstallMessageHandler(previous);
    if (opened)
        return true;
    std::fprintf(stderr, "bandalyx: could not open %s in a web browser%s%s\n",
                 qUtf8Printable(address), g_reason.isEmpty() ? "" : ": ", qUtf8Printable(g_reason));
    return false;
}

} // namespace platform
