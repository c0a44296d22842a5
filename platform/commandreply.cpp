#include "platform/commandreply.h"

#include <cstdio>

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <QString>
#endif

namespace platform {

void replyToCommandLine(const std::string &text, Reply kind)
{
    const bool error = kind == Reply::Error;
#ifdef Q_OS_WIN
    // A GUI program gets standard handles only where its starter redirected them.
    const HANDLE handle = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        const std::wstring wide = QString::fromStdString(text).trimmed().toStdWString();
        MessageBoxW(nullptr, wide.c_str(), L"Bandalyx",
                    MB_OK | MB_SETFOREGROUND | (error ? MB_ICONERROR : MB_ICONINFORMATION));
        return;
    }
#endif
    std::fputs(text.c_str(), error ? stderr : stdout);
}

} // namespace platform
