#include "app/commandline.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <QString>

#include "frmAbout/credits.h"
#include "platform/commandreply.h"

namespace app {

namespace {

using namespace std::string_view_literals;

// The options QApplication and its platform plugins read, named without their dash; Qt takes
// each with one dash or two. Some take the next argument as their value, some a value joined
// with '='; `display` marks those that say where the windows go.
struct QtOption
{
    std::string_view name;
    bool nextValue;
    bool joinedValue;
    bool display;
};

// clang-format off
constexpr std::array QtOptions {
    //       name                  next   joined display
    QtOption {"platform",           true,  false, true},
    QtOption {"display",            true,  false, true},
    QtOption {"platformpluginpath", true,  false, false},
    QtOption {"platformtheme",      true,  false, false},
    QtOption {"plugin",             true,  false, false},
    QtOption {"qwindowgeometry",    true,  false, false},
    QtOption {"geometry",           true,  false, false},
    QtOption {"qwindowtitle",       true,  false, false},
    QtOption {"title",              true,  false, false},
    QtOption {"qwindowicon",        true,  false, false},
    QtOption {"icon",               true,  false, false},
    QtOption {"name",               true,  false, false},
    QtOption {"session",            true,  false, false},
    QtOption {"visual",             true,  false, false},
    QtOption {"style",              true,  true,  false},
    QtOption {"stylesheet",         true,  true,  false},
    QtOption {"qmljsdebugger",      false, true,  false},
    QtOption {"reverse",            false, false, false},
    QtOption {"widgetcount",        false, false, false},
    QtOption {"testability",        false, false, false},
    QtOption {"nograb",             false, false, false},
    QtOption {"dograb",             false, false, false},
};
// clang-format on

// Any one of these says where the windows go, as does a -platform or -display option. Windows
// always has its desktop, and no variable names it.
constexpr std::array DisplayVariables {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
#ifdef Q_OS_WIN
constexpr bool DesktopAlwaysThere = true;
#else
constexpr bool DesktopAlwaysThere = false;
#endif

std::string helpText()
{
    return R"(Usage: bandalyx [OPTION]...
Read the colour code of 4-, 5- and 6-band resistors: pick the kind of resistor and a band,
click a colour, and the window shows the resistance, the tolerance and, for six bands, the
temperature coefficient. Or type a value such as 4.7k or 4K7 into the value box and press
Enter to see its colours. The interface is in Korean.

Options:
  -h, --help         display this help and exit
      --version      output version information and exit

Qt options (passed on to Qt, with one dash or two), among them:
  -platform NAME     the window system plugin: xcb, wayland, offscreen, ...
  -display DISPLAY   the X server to show the window on
  -style STYLE       the widget style: Fusion, Windows, ...
  -reverse           lay the windows out from right to left
  -qwindowgeometry GEOMETRY
                     the main window's place, as WIDTHxHEIGHT+X+Y
)"
        + std::string(DesktopAlwaysThere ? "" : R"(
Bandalyx needs a graphical desktop: an X11 or Wayland display (DISPLAY or WAYLAND_DISPLAY),
or a Qt platform chosen with -platform or QT_QPA_PLATFORM.
)")
        + "\nReport bugs to <" + ui::EmailAddress.toString().toStdString() + ">.\nHome page: <"
        + ui::PageAddress.toString().toStdString() + ">.\n";
}

CommandLine refuse(std::string reason)
{
    return {Start::Refuse,
            "bandalyx: " + reason + "\nTry 'bandalyx --help' for more information.\n"};
}

const QtOption *findQtOption(std::string_view name)
{
    const auto *it = std::find_if(QtOptions.begin(), QtOptions.end(),
                                  [name](const QtOption &o) { return o.name == name; });
    return it == QtOptions.end() ? nullptr : it;
}

} // namespace

CommandLine readCommandLine(std::span<const char *const> args, const Environment &environment)
{
    bool display = DesktopAlwaysThere || std::any_of(DisplayVariables.begin(), DisplayVariables.end(), [&](auto name) {
        const char *value = environment(name);
        return value && *value;
    });
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h"sv || arg == "--help"sv)
            return {Start::Help, helpText()};
        if (arg == "--version"sv)
            return {Start::Version, "bandalyx " + ui::Version.toString().toStdString() + "\n"};
        if (!arg.starts_with('-') || arg == "-"sv)
            return refuse("unexpected argument '" + std::string(arg)
                          + "': Bandalyx opens no files");

        const std::string_view bare = arg.substr(arg.starts_with("--"sv) ? 2 : 1);
        const std::size_t equals = bare.find('=');
        const bool joined = equals != std::string_view::npos;
        const QtOption *option = findQtOption(bare.substr(0, equals));
        if (!option || (joined && !option->joinedValue))
            return refuse("unknown option '" + std::string(arg) + "'");
        if (!joined && option->nextValue && ++i == args.size())
            return refuse("option '" + std::string(arg) + "' needs a value");
        display = display || option->display;
    }
    if (!display)
        return {Start::NoDisplay,
                "bandalyx: no display to show the window on: DISPLAY and WAYLAND_DISPLAY are "
                "unset; start it from a desktop session or choose a Qt platform with -platform\n"};
    return {};
}

std::optional<int> handleCommandLine(int argc, const char *const *argv)
{
    const CommandLine line = readCommandLine(std::span(argv, std::size_t(argc)),
                                             [](const char *name) { return std::getenv(name); });
    switch (line.start) {
    case Start::Run:
        return std::nullopt;
    case Start::Help:
    case Start::Version:
        platform::replyToCommandLine(line.text, platform::Reply::Information);
        return 0;
    case Start::Refuse:
        platform::replyToCommandLine(line.text, platform::Reply::Error);
        return 2;
    case Start::NoDisplay:
        platform::replyToCommandLine(line.text, platform::Reply::Error);
        return 1;
    }
    return 1;
}

} // namespace app
