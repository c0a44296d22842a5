#include "app/application.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include "platform/commandreply.h"
#include "platform/keepfont.h"

namespace app {

namespace {

// A message Qt gave while the display was opening, to be said once it is open.
struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

struct Watch
{
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
    QString displayOption; // -display's value, which xcb takes before DISPLAY
#if QT_CONFIG(xcb)
    xcb_connection_t *x11 = nullptr; // the open X11 display's, while the Application lives
#endif
} g_watch;

// The platforms that open a display by name: where the name comes from and what to call it.
struct DisplayPlatform
{
    const char *plugin;
    const char *what;
    const char *variable;
    const char *fallback; // the name the platform uses when the variable is unset
};
constexpr std::array DisplayPlatforms {
    DisplayPlatform {"xcb", "the X11 display", "DISPLAY", nullptr},
    DisplayPlatform {"wayland", "the Wayland display", "WAYLAND_DISPLAY", "wayland-0"},
};

QString displayName(const DisplayPlatform &platform)
{
    if (std::strcmp(platform.plugin, "xcb") == 0 && !g_watch.displayOption.isEmpty())
        return g_watch.displayOption;
    const char *value = std::getenv(platform.variable);
    return QString::fromLocal8Bit(value && *value ? value : platform.fallback);
}

// What could not be opened, one phrase for each platform Qt tried, from its own complaints.
QString whatFailed(const HeldMessage &message, const QString &available)
{
    static const QRegularExpression tried(
        QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
    const QRegularExpressionMatch m = tried.match(message.text);
    if (!m.hasMatch())
        return {};
    const QString plugin = m.captured(2);
    if (m.captured(1) == QLatin1String("find"))
        return QStringLiteral("no Qt platform '%1'").arg(plugin)
            + (available.isEmpty() ? QString() : QStringLiteral(" (Qt has %1)").arg(available));
    for (const DisplayPlatform &platform : DisplayPlatforms) {
        if (plugin != QLatin1String(platform.plugin))
            continue;
        const QString name = displayName(platform);
        return name.isEmpty()
            ? QStringLiteral("cannot open %1: %2 is unset")
                  .arg(QLatin1String(platform.what), QLatin1String(platform.variable))
            : QStringLiteral("cannot open %1 '%2'").arg(QLatin1String(platform.what), name);
    }
    return QStringLiteral("cannot start the Qt platform '%1'").arg(plugin);
}

QString describeFailure(const QString &lastWord)
{
    static const QRegularExpression availableList(
        QStringLiteral("Available platform plugins are: ([^\\n]*)\\."));
    const QString available = availableList.match(lastWord).captured(1);
    QStringList phrases;
    for (const HeldMessage &message : g_watch.held) {
        const QString phrase = whatFailed(message, available);
        if (!phrase.isEmpty())
            phrases << phrase;
    }
    if (phrases.isEmpty())
        phrases << lastWord.section(u'\n', 0, 0);
    return QStringLiteral("bandalyx: ") + phrases.join(QStringLiteral("; "));
}

void holdOrSay(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Half-built, Qt is in no state to be torn down: leave at once.
        platform::replyToCommandLine(describeFailure(text).toStdString() + "\n",
                                     platform::Reply::Error);
        std::_Exit(1);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        g_watch.held.push_back(
            {type, context.file, context.line, context.function, context.category, text});
    else
        g_watch.previous(type, context, text);
}

// Once the display is open: any word from Qt after the X server has gone (a paint that found no
// server, then Qt's "connection broke") ends the program in one line and exit status 1. Qt would
// call exit() from inside its event loop with every window still open; the display that could
// have been told of their end is gone, so the program leaves at once instead.
void sayOrLeave(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
#if QT_CONFIG(xcb)
    if (g_watch.x11 && xcb_connection_has_error(g_watch.x11)) {
        const QString line = QStringLiteral("bandalyx: lost the connection to the X11 display '%1'\n")
                                 .arg(displayName(DisplayPlatforms[0]));
        platform::replyToCommandLine(line.toStdString(), platform::Reply::Error);
        std::_Exit(1);
    }
#endif
    g_watch.previous(type, context, text);
}

} // namespace

DisplayWatch::DisplayWatch(int argc, const char *const *argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "--display") == 0)
            g_watch.displayOption = QString::fromLocal8Bit(argv[i + 1]);
    }
    g_watch.held.clear();
    g_watch.previous = qInstallMessageHandler(holdOrSay);
}

void DisplayWatch::displayOpened()
{
    qInstallMessageHandler(sayOrLeave);
    for (const HeldMessage &m : g_watch.held) {
        const QMessageLogContext context(m.file, m.line, m.function, m.category);
        g_watch.previous(m.type, context, m.text);
    }
    g_watch.held.clear();
#if QT_CONFIG(xcb)
    if (const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        g_watch.x11 = x11->connection();
#endif
}

void DisplayWatch::displayClosing()
{
    qInstallMessageHandler(g_watch.previous);
#if QT_CONFIG(xcb)
    g_watch.x11 = nullptr;
#endif
}

StyleChoice::StyleChoice(int argc, const char *const *argv)
    : m_userStyle(!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        m_userStyle = m_userStyle || arg == "-style" || arg == "--style"
            || arg.starts_with("-style=") || arg.starts_with("--style=");
    }
}

std::optional<int> refuseScaleBelowOne()
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        const qreal scale = screen->devicePixelRatio();
        if (scale >= 1)
            continue;
        const QString setting = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? QStringLiteral(" (QT_SCALE_FACTOR=%1)").arg(qEnvironmentVariable("QT_SCALE_FACTOR"))
            : QString();
        const QString line = QStringLiteral("bandalyx: cannot draw the windows on a screen scaled "
                                            "by %1%2: Qt draws them right only at a scale of 1 "
                                            "or more\n")
                                 .arg(scale, 0, 'g', 3)
                                 .arg(setting);
        platform::replyToCommandLine(line.toStdString(), platform::Reply::Error);
        return 1;
    }
    return std::nullopt;
}

Application::Application(int &argc, char **argv)
    : StyleChoice(argc, argv), DisplayWatch(argc, argv), QApplication(argc, argv)
{
    displayOpened();
    // A theme's own style may draw larger indicators and margins than the layout has room for;
    // its colours, as that style completes them, stay.
    if (m_userStyle
        || style()->name().compare(QLatin1String(platform::LayoutStyle), Qt::CaseInsensitive) == 0)
        return;
    QPalette themed = palette();
    // Every role as it is: a role left unresolved would fall back to Fusion's own light one.
    themed.setResolveMask(~QPalette::ResolveMask(0));
    setStyle(QLatin1String(platform::LayoutStyle));
    setPalette(themed);
}

Application::~Application()
{
    displayClosing();
}

} // namespace app
