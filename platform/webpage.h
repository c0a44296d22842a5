#pragma once

#include <QString>

namespace platform {

// Opens a web page in the user's browser without waiting for it. On failure writes one
// warning line to standard error, with the reason Qt gives if any, and returns false.
bool openWebPage(const QString &address);

} // namespace platform
