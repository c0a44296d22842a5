#include "platform/webpage.h"

#include <cstdio>

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool openWebPage(const QString &address)
{
    if (QDesktopServices::openUrl(QUrl(address)))
        return true;
    std::fprintf(stderr, "bandalyx: could not open %s in a web browser\n", qUtf8Printable(address));
    return false;
}

} // namespace platform
