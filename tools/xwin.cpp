// Drives real X11 windows for tests: starts a program and times its first window, then finds,
// photographs, locates pictures in, closes and types into windows by title. Made for Xvfb,
// with or without a window manager framing the windows.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <QString>

// Xlib defines macros (None, Bool, Status, ...) that clash with Qt, so it comes last.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

namespace {

[[noreturn, gnu::format(printf, 1, 2)]] void fail(const char *format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::fputs("xwin: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
    std::exit(1);
}

double msOf(const timespec &t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double nowMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return msOf(t);
}

long parseNumber(const char *text, long min, long max, const char *what)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < min || value > max)
        fail("not %s: %s", what, text);
    return value;
}

int parseMs(const char *text)
{
    return int(parseNumber(text, 0, 3600000, "a time in milliseconds"));
}

pid_t parsePid(const char *text)
{
    return pid_t(parseNumber(text, 1, 0x3fffffff, "a process id"));
}

// Readable once the process has ended, so its death can wake the same poll() as X events;
// -1 if it has already gone. Through syscall(): glibc 2.36's <sys/pidfd.h> lacks extern "C".
int openPidfd(pid_t pid)
{
    const int fd = int(syscall(SYS_pidfd_open, pid, 0));
    if (fd < 0 && errno != ESRCH)
        fail("cannot watch process %d: %s", int(pid), std::strerror(errno));
    return fd;
}

// What a sought window must be: its title, its owner's pid when known, and ids to pass over.
struct Wanted
{
    QString title;
    pid_t pid = 0;
    std::set<Window> excluded;
};

enum class Ready { X, Other, Timeout };

// The connection to the X server, with the look-ups the subcommands share.
class Screen
{
public:
    Screen() : m_dpy(XOpenDisplay(nullptr))
    {
        if (!m_dpy)
            fail("cannot open display '%s'", XDisplayName(nullptr));
        // Windows come and go while we look at them; a failed request means "not that one".
        XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
        fcntl(ConnectionNumber(m_dpy), F_SETFD, FD_CLOEXEC);
        m_root = DefaultRootWindow(m_dpy);
        m_utf8 = XInternAtom(m_dpy, "UTF8_STRING", False);
        m_netWmName = XInternAtom(m_dpy, "_NET_WM_NAME", False);
        m_netWmPid = XInternAtom(m_dpy, "_NET_WM_PID", False);
    }
    ~Screen() { XCloseDisplay(m_dpy); }
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    Display *dpy() const { return m_dpy; }
    Window root() const { return m_root; }

    // Subscribes to top-level creation and mapping; the server has it once this returns.
    void watchRoot() const
    {
        XSelectInput(m_dpy, m_root, SubstructureNotifyMask);
        XSync(m_dpy, False);
    }

    std::optional<QByteArray> property(Window w, Atom name, Atom *type) const
    {
        unsigned char *data = nullptr;
        int format = 0;
        unsigned long count = 0, after = 0;
        if (XGetWindowProperty(m_dpy, w, name, 0, 4096, False, AnyPropertyType, type, &format,
                               &count, &after, &data)
                != Success
            || !data)
            return std::nullopt;
        const int unit = format == 32 ? int(sizeof(long)) : format / 8;
        QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(count) * unit);
        XFree(data);
        return bytes;
    }

    // _NET_WM_NAME first, since WM_NAME may be a Latin-1 approximation of a non-Latin title.
    QString title(Window w) const
    {
        Atom type = 0;
        if (auto name = property(w, m_netWmName, &type); name && type == m_utf8)
            return QString::fromUtf8(*name);
        if (auto name = property(w, XA_WM_NAME, &type))
            return type == m_utf8 ? QString::fromUtf8(*name) : QString::fromLatin1(*name);
        return {};
    }

    bool isWanted(Window w, const Wanted &wanted) const
    {
        XWindowAttributes a;
        if (wanted.excluded.contains(w) || !XGetWindowAttributes(m_dpy, w, &a)
            || a.map_state != IsViewable || a.override_redirect || title(w) != wanted.title)
            return false;
        Atom type = 0;
        const auto pid = property(w, m_netWmPid, &type);
        return wanted.pid == 0 || !pid || pid->size() < qsizetype(sizeof(long))
            || *reinterpret_cast<const long *>(pid->constData()) == wanted.pid;
    }

    // Bottom to top in stacking order, as the server lists them. Under a window manager a
    // program's window is a child of the manager's frame, so frames are looked into as well.
    std::vector<Window> topLevels() const
    {
        std::vector<Window> list;
        addChildren(m_root, 2, list);
        return list;
    }

    void addChildren(Window parentWindow, int depth, std::vector<Window> &list) const
    {
        Window rootOut, parent, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_dpy, parentWindow, &rootOut, &parent, &children, &count) || !children)
            return;
        for (unsigned int i = 0; i < count; ++i) {
            list.push_back(children[i]);
            if (depth > 1)
                addChildren(children[i], depth - 1, list);
        }
        XFree(children);
    }

    // A window given as 0x<hex id>, or by title (the topmost of that title if there are
    // several); 0 if there is no such viewable window.
    Window lookup(const char *win) const
    {
        XWindowAttributes a;
        if (std::string_view(win).starts_with("0x")) {
            const Window w = std::strtoul(win, nullptr, 16);
            return XGetWindowAttributes(m_dpy, w, &a) && a.map_state == IsViewable ? w : 0;
        }
        const Wanted wanted {QString::fromUtf8(win), 0, {}};
        const std::vector<Window> all = topLevels();
        const auto it
            = std::find_if(all.rbegin(), all.rend(), [&](Window w) { return isWanted(w, wanted); });
        return it == all.rend() ? 0 : *it;
    }

    Window find(const char *win) const
    {
        const Window w = lookup(win);
        if (!w)
            fail("no viewable window '%s'", win);
        return w;
    }

    // Blocks until the connection has input, `other` is readable, or the deadline passes.
    Ready block(double deadline, int other) const
    {
        for (;;) {
            const double left = deadline - nowMs();
            if (left <= 0)
                return Ready::Timeout;
            pollfd fds[2] = {{ConnectionNumber(m_dpy), POLLIN, 0}, {other, POLLIN, 0}};
            const int n = poll(fds, other >= 0 ? 2 : 1, int(std::ceil(left)));
            if (n < 0 && errno != EINTR)
                fail("poll: %s", std::strerror(errno));
            if (n > 0)
                return other >= 0 && fds[1].revents ? Ready::Other : Ready::X;
        }
    }

    // Waits, after watchRoot(), for a wanted window to be mapped with its title; a title may
    // be set before or after mapping. Returns the window and when its deciding event was read,
    // or nothing on time-out or when `other` (a pidfd) becomes readable.
    std::optional<std::pair<Window, double>> waitFor(const Wanted &wanted, double deadline,
                                                     int other, Ready *why)
    {
        for (;;) {
            while (XPending(m_dpy)) {
                XEvent ev;
                XNextEvent(m_dpy, &ev);
                const double at = nowMs();
                Window w = 0;
                // Watching the new window's own structure too sees it mapped after a window
                // manager has moved it into a frame, away from the root.
                if (ev.type == CreateNotify && ev.xcreatewindow.parent == m_root)
                    XSelectInput(m_dpy, ev.xcreatewindow.window,
                                 PropertyChangeMask | StructureNotifyMask);
                else if (ev.type == MapNotify)
                    w = ev.xmap.window;
                else if (ev.type == PropertyNotify
                         && (ev.xproperty.atom == XA_WM_NAME || ev.xproperty.atom == m_netWmName
                             || ev.xproperty.atom == m_netWmPid))
                    w = ev.xproperty.window;
                if (w && isWanted(w, wanted))
                    return std::pair {w, at};
            }
            *why = block(deadline, other);
            if (*why != Ready::X)
                return std::nullopt;
        }
    }

private:
    Display *m_dpy;
    Window m_root = 0;
    Atom m_utf8 = 0;
    Atom m_netWmName = 0;
    Atom m_netWmPid = 0;
};

// The clock starts in the child just before execvp and reaches us through a close-on-exec pipe,
// which also carries errno if the exec fails. The program's stdout goes to our stderr, so that
// `$(xwin launch ...)` returns while the program runs.
int launch(const char *titleArg, int timeoutMs, char **argv)
{
    Screen screen;
    screen.watchRoot();
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        fail("pipe: %s", std::strerror(errno));
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork: %s", std::strerror(errno));
    if (pid == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        timespec start;
        clock_gettime(CLOCK_MONOTONIC, &start);
        (void)!write(pipeFds[1], &start, sizeof start);
        execvp(argv[0], argv);
        const int error = errno;
        (void)!write(pipeFds[1], &error, sizeof error);
        _exit(127);
    }
    close(pipeFds[1]);
    timespec start {};
    int error = 0;
    const bool started = read(pipeFds[0], &start, sizeof start) == sizeof start;
    const bool execFailed = read(pipeFds[0], &error, sizeof error) == sizeof error;
    close(pipeFds[0]);
    if (!started || execFailed) {
        waitpid(pid, nullptr, 0);
        fail("cannot run %s: %s", argv[0], std::strerror(execFailed ? error : EIO));
    }

    const int pidfd = openPidfd(pid); // our unreaped child: it cannot be gone yet
    const Wanted wanted {QString::fromUtf8(titleArg), pid, {}};
    Ready why = Ready::X;
    const auto found = screen.waitFor(wanted, msOf(start) + timeoutMs, pidfd, &why);
    if (!found) {
        if (why == Ready::Timeout)
            kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        if (why == Ready::Timeout)
            fail("no window titled '%s' within %d ms; killed %s", titleArg, timeoutMs, argv[0]);
        if (WIFSIGNALED(status))
            fail("%s was killed by signal %d before mapping its window", argv[0], WTERMSIG(status));
        fail("%s exited with status %d before mapping its window", argv[0], WEXITSTATUS(status));
    }
    std::printf("%d 0x%lx %.2f\n", int(pid), found->first, found->second - msOf(start));
    return 0;
}

// Subscribes before looking at existing windows, so a window mapped at any moment is seen.
// With a pid, gives up as soon as that process ends.
int waitWindow(const Wanted &wanted, int timeoutMs)
{
    Screen screen;
    screen.watchRoot();
    const int pidfd = wanted.pid ? openPidfd(wanted.pid) : -1;
    if (wanted.pid && pidfd < 0)
        fail("process %d is not running", int(wanted.pid));
    const double deadline = nowMs() + timeoutMs;
    for (const Window w : screen.topLevels()) {
        XSelectInput(screen.dpy(), w, PropertyChangeMask | StructureNotifyMask);
        if (screen.isWanted(w, wanted)) {
            std::printf("0x%lx\n", w);
            return 0;
        }
    }
    Ready why = Ready::X;
    const auto found = screen.waitFor(wanted, deadline, pidfd, &why);
    if (why == Ready::Other)
        fail("process %d ended without showing '%s'", int(wanted.pid), qPrintable(wanted.title));
    if (!found)
        fail("no window titled '%s' within %d ms", qPrintable(wanted.title), timeoutMs);
    std::printf("0x%lx\n", found->first);
    return 0;
}

int waitGone(const char *win, int timeoutMs)
{
    Screen screen;
    const Window w = screen.lookup(win);
    if (!w)
        return 0;
    // Subscribe first, then look again, so that an unmap in between is not missed.
    XSelectInput(screen.dpy(), w, StructureNotifyMask);
    XWindowAttributes a;
    if (!XGetWindowAttributes(screen.dpy(), w, &a) || a.map_state != IsViewable)
        return 0;
    const double deadline = nowMs() + timeoutMs;
    for (;;) {
        while (XPending(screen.dpy())) {
            XEvent ev;
            XNextEvent(screen.dpy(), &ev);
            if ((ev.type == UnmapNotify || ev.type == DestroyNotify) && ev.xany.window == w)
                return 0;
        }
        if (screen.block(deadline, -1) == Ready::Timeout)
            fail("window %s still shown after %d ms", win, timeoutMs);
    }
}

// Right after mapping a window may not be painted yet: waits until it has had no damage for
// `settleMs` (at most 5 s).
void waitUntilPainted(const Screen &screen, Window w, int settleMs)
{
    Display *dpy = screen.dpy();
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError))
        return;
    const Damage damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
    const double giveUp = nowMs() + 5000;
    double quietUntil = nowMs() + settleMs;
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == damageEvent + XDamageNotify) {
                XDamageSubtract(dpy, damage, 0, 0);
                quietUntil = nowMs() + settleMs;
            }
        }
        if (screen.block(std::min(quietUntil, giveUp), -1) == Ready::Timeout)
            break;
    }
    XDamageDestroy(dpy, damage);
}

// The window's area as the root window shows it, once painted. `origin` receives where the
// image's top-left pixel is on the screen.
QImage grab(const Screen &screen, const char *win, int settleMs, QPoint *origin)
{
    Display *dpy = screen.dpy();
    const Window w = screen.find(win);
    waitUntilPainted(screen, w, settleMs);

    XWindowAttributes a, r;
    Window child;
    int x = 0, y = 0;
    if (!XGetWindowAttributes(dpy, w, &a) || !XGetWindowAttributes(dpy, screen.root(), &r)
        || !XTranslateCoordinates(dpy, w, screen.root(), 0, 0, &x, &y, &child))
        fail("window %s went away", win);
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int width = std::min(x + a.width, r.width) - left;
    const int height = std::min(y + a.height, r.height) - top;
    if (width <= 0 || height <= 0)
        fail("window %s is off the screen", win);
    XImage *image = XGetImage(dpy, screen.root(), left, top, unsigned(width), unsigned(height),
                              AllPlanes, ZPixmap);
    if (!image || !image->red_mask || !image->green_mask || !image->blue_mask)
        fail("cannot read the pixels of window %s", win);
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        const int shift = std::countr_zero(mask);
        return int(((pixel & mask) >> shift) * 255 / (mask >> shift));
    };
    QImage out(width, height, QImage::Format_RGB32);
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            const unsigned long p = XGetPixel(image, px, py);
            out.setPixel(px, py,
                         qRgb(channel(p, image->red_mask), channel(p, image->green_mask),
                              channel(p, image->blue_mask)));
        }
    }
    XDestroyImage(image);
    *origin = QPoint(left, top);
    return out;
}

int shot(const char *win, const char *outPath, int settleMs)
{
    Screen screen;
    QPoint origin;
    if (!grab(screen, win, settleMs, &origin).save(QString::fromLocal8Bit(outPath), "PNG"))
        fail("cannot write %s", outPath);
    return 0;
}

// Prints the screen position at which the window shows the part `x y w h` of an opaque image,
// pixel for pixel: where a known picture landed tells where its container is.
int locate(const char *win, const char *imagePath, const char *const part[4])
{
    const QImage image(QString::fromLocal8Bit(imagePath));
    if (image.isNull())
        fail("cannot read %s", imagePath);
    const QRect rect(int(parseNumber(part[0], 0, image.width() - 1, "a left edge")),
                     int(parseNumber(part[1], 0, image.height() - 1, "a top edge")),
                     int(parseNumber(part[2], 1, image.width(), "a width")),
                     int(parseNumber(part[3], 1, image.height(), "a height")));
    if (!image.rect().contains(rect))
        fail("the part lies outside %s", imagePath);
    const QImage wanted = image.copy(rect).convertToFormat(QImage::Format_RGB32);
    Screen screen;
    QPoint origin;
    const QImage seen = grab(screen, win, 200, &origin);
    const auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < wanted.height(); ++y)
            for (int x = 0; x < wanted.width(); ++x)
                if (seen.pixel(left + x, top + y) != wanted.pixel(x, y))
                    return false;
        return true;
    };
    for (int top = 0; top + wanted.height() <= seen.height(); ++top) {
        for (int left = 0; left + wanted.width() <= seen.width(); ++left) {
            if (matchesAt(left, top)) {
                std::printf("%d %d\n", origin.x() + left, origin.y() + top);
                return 0;
            }
        }
    }
    fail("window %s does not show that part of %s", win, imagePath);
}

// Whether window w lists `protocol` in its WM_PROTOCOLS.
bool takesProtocol(Display *dpy, Window w, Atom protocol)
{
    Atom *list = nullptr;
    int count = 0;
    const bool takes = XGetWMProtocols(dpy, w, &list, &count)
        && std::find(list, list + count, protocol) != list + count;
    if (list)
        XFree(list);
    return takes;
}

// Sends a WM_PROTOCOLS message, as a window manager does.
void sendProtocol(Display *dpy, Window w, Atom protocol)
{
    XEvent ev {};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(protocol);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
}

// What a window manager does when the user clicks a window's close box.
int closeWindow(const char *win)
{
    Screen screen;
    Display *dpy = screen.dpy();
    const Window w = screen.find(win);
    const Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    if (!takesProtocol(dpy, w, deleteWindow))
        fail("window %s does not take WM_DELETE_WINDOW", win);
    sendProtocol(dpy, w, deleteWindow);
    XSync(dpy, False);
    return 0;
}

// CHORD is modifiers (ctrl, alt, shift, super) and one X key name joined by '+', e.g. alt+a,
// ctrl+shift+Tab, Escape.
int key(const char *win, const char *chord)
{
    Screen screen;
    Display *dpy = screen.dpy();
    int event, error, major, minor;
    if (!XTestQueryExtension(dpy, &event, &error, &major, &minor))
        fail("the X server has no XTEST extension");
    std::vector<KeyCode> codes;
    const auto press = [&](KeySym sym, std::string_view name) {
        const KeyCode code = XKeysymToKeycode(dpy, sym);
        if (sym == NoSymbol || code == 0)
            fail("no key for '%.*s'", int(name.size()), name.data());
        // A symbol on the shifted level of its key (e.g. 'A') needs Shift held as well.
        if (XkbKeycodeToKeysym(dpy, code, 0, 0) != sym
            && XkbKeycodeToKeysym(dpy, code, 0, 1) == sym)
            codes.push_back(XKeysymToKeycode(dpy, XK_Shift_L));
        codes.push_back(code);
    };
    static const std::pair<std::string_view, KeySym> modifiers[]
        = {{"ctrl", XK_Control_L}, {"alt", XK_Alt_L}, {"shift", XK_Shift_L}, {"super", XK_Super_L}};
    std::string_view rest = chord;
    for (size_t plus; (plus = rest.find('+', 1)) != std::string_view::npos;) {
        const std::string_view part = rest.substr(0, plus);
        const auto *m = std::find_if(std::begin(modifiers), std::end(modifiers),
                                     [&](const auto &mod) { return mod.first == part; });
        if (m == std::end(modifiers))
            fail("unknown modifier '%.*s' in %s", int(part.size()), part.data(), chord);
        press(m->second, part);
        rest = rest.substr(plus + 1);
    }
    press(XStringToKeysym(std::string(rest).c_str()), rest);

    const Window w = screen.find(win);
    XRaiseWindow(dpy, w);
    // As a window manager gives the focus: Wine activates its Windows window only when asked
    // through WM_TAKE_FOCUS, whatever the X focus already is. The toolkit hears of the focus
    // from an event of its own and only then directs keys to that window: let it catch up.
    const Atom takeFocus = XInternAtom(dpy, "WM_TAKE_FOCUS", False);
    if (takesProtocol(dpy, w, takeFocus))
        sendProtocol(dpy, w, takeFocus);
    XSetInputFocus(dpy, w, RevertToPointerRoot, CurrentTime);
    XSync(dpy, False);
    usleep(200 * 1000);
    for (const KeyCode code : codes)
        XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        XTestFakeKeyEvent(dpy, *it, False, CurrentTime);
    XSync(dpy, False);
    return 0;
}

// Only waits: the exit status is the parent's to collect (the test script's `wait`).
int waitExit(pid_t pid, int timeoutMs)
{
    const int fd = openPidfd(pid);
    if (fd < 0)
        return 0;
    const double deadline = nowMs() + timeoutMs;
    pollfd p {fd, POLLIN, 0};
    for (double left = timeoutMs; left > 0; left = deadline - nowMs()) {
        const int n = poll(&p, 1, int(std::ceil(left)));
        if (n > 0)
            return 0;
        if (n < 0 && errno != EINTR)
            fail("poll: %s", std::strerror(errno));
    }
    fail("process %d still running after %d ms", int(pid), timeoutMs);
}

int vmhwm(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) {
            std::printf("%ld\n", std::strtol(line.c_str() + 6, nullptr, 10));
            return 0;
        }
    }
    fail("no VmHWM for process %d", int(pid));
}

int usage()
{
    std::fputs("usage: xwin launch TITLE TIMEOUT_MS -- PROGRAM [ARG...]\n"
               "       xwin wait [--pid PID] [--exclude 0xID]... TITLE TIMEOUT_MS\n"
               "       xwin gone WIN TIMEOUT_MS\n"
               "       xwin shot WIN OUT.png [SETTLE_MS]\n"
               "       xwin locate WIN IMAGE.png X Y WIDTH HEIGHT\n"
               "       xwin close WIN\n"
               "       xwin key WIN CHORD\n"
               "       xwin exited PID TIMEOUT_MS\n"
               "       xwin vmhwm PID\n"
               "WIN is a window title or a 0x window id.\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    const int n = argc - 2;
    char **args = argv + 2;
    if (command == "launch" && n >= 4 && std::string_view(args[2]) == "--")
        return launch(args[0], parseMs(args[1]), args + 3);
    if (command == "wait") {
        Wanted wanted;
        std::vector<const char *> rest;
        for (int i = 0; i < n; ++i) {
            if (std::string_view(args[i]) == "--exclude" && i + 1 < n)
                wanted.excluded.insert(std::strtoul(args[++i], nullptr, 16));
            else if (std::string_view(args[i]) == "--pid" && i + 1 < n)
                wanted.pid = parsePid(args[++i]);
            else
                rest.push_back(args[i]);
        }
        if (rest.size() != 2)
            return usage();
        wanted.title = QString::fromUtf8(rest[0]);
        return waitWindow(wanted, parseMs(rest[1]));
    }
    if (command == "gone" && n == 2)
        return waitGone(args[0], parseMs(args[1]));
    if (command == "shot" && (n == 2 || n == 3))
        return shot(args[0], args[1], n == 3 ? parseMs(args[2]) : 200);
    if (command == "locate" && n == 6)
        return locate(args[0], args[1], args + 2);
    if (command == "close" && n == 1)
        return closeWindow(args[0]);
    if (command == "key" && n == 2)
        return key(args[0], args[1]);
    if (command == "exited" && n == 2)
        return waitExit(parsePid(args[0]), parseMs(args[1]));
    if (command == "vmhwm" && n == 1)
        return vmhwm(parsePid(args[0]));
    return usage();
}
