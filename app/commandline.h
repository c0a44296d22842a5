#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace app {

enum class Start { Run, Help, Version, Refuse, NoDisplay };

// What the command line asks for, with what to print: the help or version text on standard
// output, or the reason for refusing on standard error.
struct CommandLine
{
    Start start = Start::Run;
    std::string text;
};

// Looks up an environment variable; nullptr when it is unset.
using Environment = std::function<const char *(const char *)>;

// Reads our own options and steps over Qt's, which QApplication takes afterwards; anything
// else is refused. `args` includes the program name.
CommandLine readCommandLine(std::span<const char *const> args, const Environment &environment);

// Acts on the command line before any QApplication exists, so that --help and --version work
// without a display. Returns the exit status when the program should end here.
std::optional<int> handleCommandLine(int argc, const char *const *argv);

} // namespace app
