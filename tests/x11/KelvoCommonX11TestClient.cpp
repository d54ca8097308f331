// SPDX-License-Identifier: MIT
#include "tests/x11/KelvoCommonX11TestClient.h"

#include <QProcess>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <array>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

namespace vendrask::test {

namespace {

int g_lastError = 0;
int RecordError(Display*, XErrorEvent* event) {
    g_lastError = event->error_code;
    return 0;
}

// Runs requests with errors recorded instead of reported; returns the first error code.
template <typename Requests>
int Checked(Display* display, Requests requests) {
    XSync(display, 0);
    g_lastError = 0;
    auto* previous = XSetErrorHandler(RecordError);
    requests();
    XSync(display, 0);
    XSetErrorHandler(previous);
    return g_lastError;
}

std::array<unsigned, 4> LockVariants() {
    constexpr unsigned kLock = 1u << 1;
    constexpr unsigned kNumLock = 1u << 4; // Mod2 on every usual keymap
    return {0, kLock, kNumLock, kLock | kNumLock};
}

} // namespace

X11OtherClient::X11OtherClient() : m_display(XOpenDisplay(nullptr)) {}

X11OtherClient::~X11OtherClient() {
    if (m_display != nullptr)
        XCloseDisplay(m_display);
}

bool X11OtherClient::GrabKey(std::uint32_t keysym, unsigned modifiers) {
    const KeyCode keycode = XKeysymToKeycode(m_display, keysym);
    const int error = Checked(m_display, [&] {
        for (unsigned variant : LockVariants()) {
            XGrabKey(m_display, keycode, modifiers | variant, DefaultRootWindow(m_display), 0,
                     GrabModeAsync, GrabModeAsync);
        }
    });
    return error == 0;
}

void X11OtherClient::UngrabKey(std::uint32_t keysym, unsigned modifiers) {
    const KeyCode keycode = XKeysymToKeycode(m_display, keysym);
    for (unsigned variant : LockVariants())
        XUngrabKey(m_display, keycode, modifiers | variant, DefaultRootWindow(m_display));
    XSync(m_display, 0);
}

bool X11OtherClient::GrabKeyboard() {
    const int status = XGrabKeyboard(m_display, DefaultRootWindow(m_display), 0, GrabModeAsync,
                                     GrabModeAsync, CurrentTime);
    XSync(m_display, 0);
    return status == GrabSuccess;
}

void X11OtherClient::UngrabKeyboard() {
    XUngrabKeyboard(m_display, CurrentTime);
    XSync(m_display, 0);
}

void X11OtherClient::PressKeys(const QList<unsigned>& keycodes) {
    for (unsigned keycode : keycodes)
        XTestFakeKeyEvent(m_display, keycode, 1, CurrentTime);
    for (auto keycode = keycodes.crbegin(); keycode != keycodes.crend(); ++keycode)
        XTestFakeKeyEvent(m_display, *keycode, 0, CurrentTime);
    XSync(m_display, 0);
}

void X11OtherClient::LockGroup(unsigned group) {
    XkbLockGroup(m_display, XkbUseCoreKbd, group);
    XSync(m_display, 0);
}

unsigned long X11OtherClient::MapWindow(const WindowShape& shape) {
    const Window window = XCreateSimpleWindow(
        m_display, DefaultRootWindow(m_display), shape.rect.x(), shape.rect.y(),
        static_cast<unsigned>(shape.rect.width()), static_cast<unsigned>(shape.rect.height()), 0,
        BlackPixel(m_display, DefaultScreen(m_display)),
        WhitePixel(m_display, DefaultScreen(m_display)));
    XStoreName(m_display, window, shape.name.toUtf8().constData());
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    hints.x = shape.rect.x();
    hints.y = shape.rect.y();
    hints.width = shape.rect.width();
    hints.height = shape.rect.height();
    XSetWMNormalHints(m_display, window, &hints);
    if (shape.fullScreenState) {
        Atom state = XInternAtom(m_display, "_NET_WM_STATE_FULLSCREEN", 0);
        XChangeProperty(m_display, window, XInternAtom(m_display, "_NET_WM_STATE", 0), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&state), 1);
    }
    if (shape.undecorated) {
        long motif[5] = {2, 0, 0, 0, 0}; // decorations given: none
        const Atom atom = XInternAtom(m_display, "_MOTIF_WM_HINTS", 0);
        XChangeProperty(m_display, window, atom, atom, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(motif), 5);
    }
    if (shape.desktopType) {
        Atom type = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_DESKTOP", 0);
        XChangeProperty(m_display, window, XInternAtom(m_display, "_NET_WM_WINDOW_TYPE", 0),
                        XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&type), 1);
    }
    if (shape.pid != 0) {
        unsigned long pid = shape.pid;
        XChangeProperty(m_display, window, XInternAtom(m_display, "_NET_WM_PID", 0), XA_CARDINAL,
                        32, PropModeReplace, reinterpret_cast<unsigned char*>(&pid), 1);
    }
    XMapWindow(m_display, window);
    XSync(m_display, 0);
    return window;
}

void X11OtherClient::DestroyWindow(unsigned long window) {
    XDestroyWindow(m_display, window);
    XSync(m_display, 0);
}

bool X11OtherClient::Viewable(unsigned long window) {
    XWindowAttributes attributes{};
    const int error =
        Checked(m_display, [&] { XGetWindowAttributes(m_display, window, &attributes); });
    return error == 0 && attributes.map_state == IsViewable;
}

bool X11OtherClient::IsEmbeddedClientAt(QPoint point) {
    const Window root = DefaultRootWindow(m_display);
    Window window = root;
    for (;;) {
        int x = 0;
        int y = 0;
        Window child = 0;
        if (!XTranslateCoordinates(m_display, root, window, point.x(), point.y(), &x, &y, &child) ||
            child == 0)
            break;
        window = child;
    }
    if (window == root)
        return false;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom info = XInternAtom(m_display, "_XEMBED_INFO", 0);
    const int error = Checked(m_display, [&] {
        XGetWindowProperty(m_display, window, info, 0, 2, 0, AnyPropertyType, &type, &format,
                           &count, &after, &data);
    });
    if (data != nullptr)
        XFree(data);
    return error == 0 && type != 0;
}

QString RunTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool Xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(10000) && process.exitCode() == 0;
}

QString WindowStateText(unsigned long window) {
    return RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                             QStringLiteral("_NET_WM_STATE")});
}

unsigned long ActiveWindow() {
    const QString text = RunTool(QStringLiteral("xprop"),
                                 {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    const int hash = text.lastIndexOf(QLatin1Char('#'));
    if (hash < 0)
        return 0;
    bool ok = false;
    const unsigned long window = text.mid(hash + 1).trimmed().toULong(&ok, 0);
    return ok ? window : 0;
}

bool SetKeyboardLayouts(const char* layouts) {
    QProcess tool;
    tool.start(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QLatin1String(layouts)});
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

} // namespace vendrask::test
