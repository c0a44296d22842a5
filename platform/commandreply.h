#pragma once

#include <string>

namespace platform {

enum class Reply { Information, Error };

// Says what the command line asked for before any window exists: on standard output (or error)
// where that leads somewhere, otherwise in a message box, as Windows users expect of a program
// that has no console, started from a shortcut or the Run box.
void replyToCommandLine(const std::string &text, Reply kind);

} // namespace platform
