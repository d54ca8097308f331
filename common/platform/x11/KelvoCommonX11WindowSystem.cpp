// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonX11WindowSystem.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/x11/KelvoCommonX11Listener.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace {
// Set on the UI thread, read on the hot key's listener thread.
std::atomic<bool> g_holdingKeys = false;
} // namespace

bool KelvoCommonX11HoldingKeys() {
    return g_holdingKeys.load();
}

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

enum AtomId {
    NetSupportingWmCheck,
    NetClientList,
    NetActiveWindow,
    NetWmState,
    NetWmStateFullscreen,
    NetWmStateHidden,
    NetWmStateSkipTaskbar,
    NetWmStateSkipPager,
    NetWmWindowType,
    NetWmWindowTypeDesktop,
    NetWmStateAbove,
    NetWmStateStaysOnTop,
    NetStartupId,
    NetStartupInfoBegin,
    NetStartupInfo,
    Utf8String,
    AtomCount
};

constexpr std::array<const char*, AtomCount> kAtomNames{"_NET_SUPPORTING_WM_CHECK",
                                                        "_NET_CLIENT_LIST",
                                                        "_NET_ACTIVE_WINDOW",
                                                        "_NET_WM_STATE",
                                                        "_NET_WM_STATE_FULLSCREEN",
                                                        "_NET_WM_STATE_HIDDEN",
                                                        "_NET_WM_STATE_SKIP_TASKBAR",
                                                        "_NET_WM_STATE_SKIP_PAGER",
                                                        "_NET_WM_WINDOW_TYPE",
                                                        "_NET_WM_WINDOW_TYPE_DESKTOP",
                                                        "_NET_WM_STATE_ABOVE",
                                                        "_NET_WM_STATE_STAYS_ON_TOP",
                                                        "_NET_STARTUP_ID",
                                                        "_NET_STARTUP_INFO_BEGIN",
                                                        "_NET_STARTUP_INFO",
                                                        "UTF8_STRING"};

constexpr std::uint32_t kNetWmStateRemove = 0;
constexpr std::uint32_t kNetWmStateAdd = 1;
constexpr std::uint32_t kSourcePager = 2; // a request on the user's behalf

// Qt's own connection, or null when Qt does not run on X11 (said once).
xcb_connection_t* QtConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    static bool reported = false;
    if (connection == nullptr && !reported) {
        reported = true;
        qCWarning(lcKelvoCommon) << "no X11 display: full-screen test, task bar hints and focus "
                                    "requests are left to Qt";
    }
    return connection;
}

// Interned once per connection; Qt keeps one connection for its whole life.
const std::array<xcb_atom_t, AtomCount>& Atoms(xcb_connection_t* connection) {
    static xcb_connection_t* internedFor = nullptr;
    static std::array<xcb_atom_t, AtomCount> atoms{};
    if (internedFor == connection)
        return atoms;
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (int i = 0; i < AtomCount; ++i) {
        cookies[i] = xcb_intern_atom(
            connection, 0, static_cast<std::uint16_t>(std::strlen(kAtomNames[i])), kAtomNames[i]);
    }
    for (int i = 0; i < AtomCount; ++i) {
        XcbReply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    internedFor = connection;
    return atoms;
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_get_property_cookie_t AskProperty(xcb_connection_t* connection, xcb_window_t window,
                                      xcb_atom_t property, xcb_atom_t type) {
    return xcb_get_property(connection, 0, window, property, type, 0, 4096);
}

// The 32-bit values of a property (xcb gives them unextended).
std::vector<std::uint32_t> TakeProperty(xcb_connection_t* connection,
                                        xcb_get_property_cookie_t cookie) {
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (reply == nullptr || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

std::vector<std::uint32_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t property, xcb_atom_t type) {
    return TakeProperty(connection, AskProperty(connection, window, property, type));
}

bool Contains(const std::vector<std::uint32_t>& values, std::uint32_t value) {
    return std::find(values.cbegin(), values.cend(), value) != values.cend();
}

// An EWMH window manager is running (its check window names itself).
bool HasEwmhWindowManager(xcb_connection_t* connection) {
    const auto& atoms = Atoms(connection);
    const auto check =
        Property(connection, RootWindow(connection), atoms[NetSupportingWmCheck], XCB_ATOM_WINDOW);
    if (check.size() != 1)
        return false;
    const auto self = Property(connection, check[0], atoms[NetSupportingWmCheck], XCB_ATOM_WINDOW);
    return self.size() == 1 && self[0] == check[0];
}

// Windows made on this connection, i.e. by this process's Qt.
bool IsOwnWindow(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return (window & ~setup->resource_id_mask) == setup->resource_id_base;
}

// The primary screen in the device pixels X11 counts in.
QRect PrimaryScreenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QRect logical = screen->geometry();
    const qreal ratio = screen->devicePixelRatio();
    return {logical.topLeft(),
            QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio))};
}

// What the full-screen test needs of one window, asked for all windows at once.
struct Probe {
    xcb_window_t window = 0;
    xcb_get_window_attributes_cookie_t attributes{};
    xcb_get_geometry_cookie_t geometry{};
    xcb_translate_coordinates_cookie_t origin{};
    xcb_get_property_cookie_t state{};
    xcb_get_property_cookie_t type{};
};

struct Seen {
    bool viewable = false;
    bool overrideRedirect = false;
    QRect rect; // inside the border, root coordinates
    int borderWidth = 0;
    std::vector<std::uint32_t> state;
    std::vector<std::uint32_t> type;
};

std::vector<Seen> Look(xcb_connection_t* connection, const std::vector<xcb_window_t>& windows,
                       bool withProperties) {
    const auto& atoms = Atoms(connection);
    const xcb_window_t root = RootWindow(connection);
    std::vector<Probe> probes;
    for (xcb_window_t window : windows) {
        Probe probe;
        probe.window = window;
        probe.attributes = xcb_get_window_attributes(connection, window);
        probe.geometry = xcb_get_geometry(connection, window);
        probe.origin = xcb_translate_coordinates(connection, window, root, 0, 0);
        if (withProperties) {
            probe.state = AskProperty(connection, window, atoms[NetWmState], XCB_ATOM_ATOM);
            probe.type = AskProperty(connection, window, atoms[NetWmWindowType], XCB_ATOM_ATOM);
        }
        probes.push_back(probe);
    }
    std::vector<Seen> seen;
    for (const Probe& probe : probes) {
        Seen look;
        XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, probe.attributes, nullptr));
        XcbReply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection, probe.geometry, nullptr));
        XcbReply<xcb_translate_coordinates_reply_t> origin(
            xcb_translate_coordinates_reply(connection, probe.origin, nullptr));
        if (withProperties) {
            look.state = TakeProperty(connection, probe.state);
            look.type = TakeProperty(connection, probe.type);
        }
        // A window that vanished meanwhile answers with errors: it counts as unseen.
        if (attributes != nullptr && geometry != nullptr && origin != nullptr) {
            look.viewable = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
            look.overrideRedirect = attributes->override_redirect != 0;
            look.rect = QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
            look.borderWidth = geometry->border_width;
        }
        seen.push_back(std::move(look));
    }
    return seen;
}

bool FullScreenClientPresent(xcb_connection_t* connection, const QRect& screen) {
    const auto& atoms = Atoms(connection);
    const xcb_window_t root = RootWindow(connection);
    auto clients = Property(connection, root, atoms[NetClientList], XCB_ATOM_WINDOW);
    // The active window is the likeliest one: look at it first.
    const auto active = Property(connection, root, atoms[NetActiveWindow], XCB_ATOM_WINDOW);
    if (active.size() == 1 && active[0] != 0) {
        std::erase(clients, active[0]);
        clients.insert(clients.begin(), active[0]);
    }
    std::erase_if(clients, [&](xcb_window_t window) { return IsOwnWindow(connection, window); });
    for (const Seen& client : Look(connection, clients, true)) {
        if (!client.viewable || Contains(client.state, atoms[NetWmStateHidden]) ||
            Contains(client.type, atoms[NetWmWindowTypeDesktop]))
            continue;
        if (Contains(client.state, atoms[NetWmStateFullscreen]) &&
            screen.contains(client.rect.center()))
            return true;
        if (client.rect == screen)
            return true;
    }
    return false;
}

// Without an EWMH window manager: a managed top-level window over the whole screen.
bool ScreenCoveringWindowPresent(xcb_connection_t* connection, const QRect& screen) {
    const xcb_window_t root = RootWindow(connection);
    XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (tree == nullptr)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    std::vector<xcb_window_t> windows(children,
                                      children + xcb_query_tree_children_length(tree.get()));
    std::erase_if(windows, [&](xcb_window_t window) { return IsOwnWindow(connection, window); });
    for (const Seen& window : Look(connection, windows, false)) {
        const QRect outer =
            window.rect.adjusted(0, 0, 2 * window.borderWidth, 2 * window.borderWidth);
        if (window.viewable && !window.overrideRedirect && outer.contains(screen))
            return true;
    }
    return false;
}

// The X window of a widget. Qt may replace it, so ask the QWindow, not the
// widget, which keeps the first id.
xcb_window_t NativeWindow(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr && handle->handle() != nullptr
               ? static_cast<xcb_window_t>(handle->winId())
               : 0;
}

bool IsMapped(xcb_connection_t* connection, xcb_window_t window) {
    XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    return attributes != nullptr && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
}

void SendToRoot(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t type,
                std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    for (std::size_t i = 0; i < data.size(); ++i)
        event.data.data32[i] = data[i];
    xcb_send_event(connection, 0, RootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
}

// Ends the desktop's startup sequence for this token: "remove: ID=..." in
// 20-byte pieces, as the startup notification protocol sends text.
void SendStartupRemove(xcb_connection_t* connection, xcb_window_t window, const QByteArray& token) {
    QByteArray quoted;
    for (const char c : token) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    QByteArray message = "remove: ID=\"" + quoted + "\"";
    message += '\0';
    const auto& atoms = Atoms(connection);
    for (qsizetype at = 0; at < message.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = at == 0 ? atoms[NetStartupInfoBegin] : atoms[NetStartupInfo];
        const QByteArray piece = message.mid(at, 20);
        std::memcpy(event.data.data8, piece.constData(), static_cast<std::size_t>(piece.size()));
        xcb_send_event(connection, 0, RootWindow(connection), XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

} // namespace

// Current server time stamps from a private connection: a zero-length
// append to a property of our own window comes back as a PropertyNotify
// carrying the server's time. Qt's connection cannot be used for this: its
// reader thread takes every event.
class CKelvoCommonX11Timestamps final {
public:
    CKelvoCommonX11Timestamps() = default;
    ~CKelvoCommonX11Timestamps() {
        if (m_connection != nullptr)
            xcb_disconnect(m_connection);
    }
    CKelvoCommonX11Timestamps(const CKelvoCommonX11Timestamps&) = delete;
    CKelvoCommonX11Timestamps& operator=(const CKelvoCommonX11Timestamps&) = delete;

    // XCB_CURRENT_TIME (0) when the server cannot be asked.
    std::uint32_t Now() {
        if (!Open())
            return XCB_CURRENT_TIME;
        xcb_change_property(m_connection, XCB_PROP_MODE_APPEND, m_window, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(m_connection);
        while (xcb_generic_event_t* event = xcb_wait_for_event(m_connection)) {
            const bool notify = (event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY;
            const std::uint32_t time =
                notify ? reinterpret_cast<xcb_property_notify_event_t*>(event)->time : 0;
            std::free(event);
            if (notify)
                return time;
        }
        return XCB_CURRENT_TIME; // the connection broke
    }

private:
    bool Open() {
        if (m_connection != nullptr)
            return xcb_connection_has_error(m_connection) == 0;
        const QByteArray display = CKelvoCommonX11Listener::QtDisplayName();
        if (display.isEmpty())
            return false;
        m_connection = xcb_connect(display.constData(), nullptr);
        if (xcb_connection_has_error(m_connection) != 0)
            return false;
        m_window = xcb_generate_id(m_connection);
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, RootWindow(m_connection),
                          -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                          XCB_CW_EVENT_MASK, &events);
        return true;
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = 0;
};

namespace {

// What the window manager is to keep knowing about one window. The window
// manager drops _NET_WM_STATE whenever the window is hidden, so the state
// is written into the property before every map (the manager reads it
// then) and asked for again once the window is mapped (a show right after
// a hide can race the manager's cleanup of the old state).
class WindowHints final : public QObject, public QAbstractNativeEventFilter {
public:
    // The hints of a widget whose native window exists; made on first use.
    static WindowHints* Of(QWidget* window, std::shared_ptr<CKelvoCommonX11Timestamps> timestamps) {
        // No Q_OBJECT here, so no findChild: it would take any child.
        for (QObject* child : window->children()) {
            if (auto* hints = dynamic_cast<WindowHints*>(child))
                return hints;
        }
        return new WindowHints(window, std::move(timestamps));
    }

    void KeepOffTaskBar() {
        m_offTaskBar = true;
        Apply();
    }
    void SetTopMost(bool topMost) {
        m_topMost = topMost;
        Apply();
    }
    // Written before the next map (the window manager judges the map by
    // it); the startup sequence ends once the window is mapped.
    void SetStartupId(const QByteArray& token) {
        m_startupId = token;
        xcb_connection_t* connection = QtConnection();
        const xcb_window_t native = NativeWindow(m_window);
        if (connection != nullptr && native != 0 && !IsMapped(connection, native)) {
            WriteStartupId(connection, native);
            xcb_flush(connection);
        }
    }
    void Activate() {
        xcb_connection_t* connection = QtConnection();
        const xcb_window_t native = NativeWindow(m_window);
        if (connection == nullptr || native == 0)
            return;
        // Keys typed until the focus arrives wait for it instead of going
        // to the program that had it (the letter right after the hot key).
        // A window shown anew is held for whatever Qt thinks: shown right
        // after a hide, Qt still counts it active (its focus-out is
        // delayed) while the server's focus is elsewhere.
        if (!m_window->isActiveWindow() || !m_mappedOnce)
            HoldKeys(connection);
        // Asked at once even when the window is not mapped yet: Qt's map
        // request went first, so the window manager has taken the window on
        // when it reads this. Asked again once mapped, in case it had not.
        AskForFocus(connection, native);
        // Shown and not exposed since: the map is still on its way.
        m_activateWhenMapped = !m_window->isVisible() || !m_mappedOnce;
    }

    // The focus itself ends the hold: Qt sends no WindowActivate when its
    // own idea of the focus never changed (a show right after a hide), and
    // the keys would stay frozen until the limit.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        Q_UNUSED(result);
        if (!m_holding || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_FOCUS_IN)
            return false;
        const auto* focus = reinterpret_cast<const xcb_focus_in_event_t*>(event);
        // Only a focus that came after the hold began: one still queued
        // from the last showing would free the keys before this one has it.
        const bool afterHold =
            static_cast<std::uint16_t>(focus->sequence - m_holdSequence) < 0x8000;
        if (focus->event == NativeWindow(m_window) && afterHold &&
            focus->mode != XCB_NOTIFY_MODE_GRAB && focus->mode != XCB_NOTIFY_MODE_UNGRAB &&
            focus->detail != XCB_NOTIFY_DETAIL_POINTER)
            ReleaseKeys();
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window &&
            (event->type() == QEvent::WindowActivate || event->type() == QEvent::Hide))
            ReleaseKeys();
        if (watched == m_window && event->type() == QEvent::Show) {
            // Qt sends Show before it maps the window.
            m_mappedOnce = false;
            if (xcb_connection_t* connection = QtConnection()) {
                WriteState(connection, NativeWindow(m_window));
                WriteStartupId(connection, NativeWindow(m_window));
            }
        } else if (watched == m_window->windowHandle() && event->type() == QEvent::Expose &&
                   !m_mappedOnce && m_window->windowHandle()->isExposed()) {
            m_mappedOnce = true;
            if (xcb_connection_t* connection = QtConnection()) {
                AskForState(connection, NativeWindow(m_window));
                // After the paint this expose brings: the ask waits for a
                // round trip, and the held keys lose nothing meanwhile.
                if (m_activateWhenMapped)
                    QMetaObject::invokeMethod(this, &WindowHints::AskForFocusAgain,
                                              Qt::QueuedConnection);
                m_activateWhenMapped = false;
                if (!m_startupId.isEmpty()) {
                    SendStartupRemove(connection, NativeWindow(m_window), m_startupId);
                    // Spent: a later show without a token is not judged by it.
                    m_startupId.clear();
                    WriteStartupId(connection, NativeWindow(m_window));
                }
                xcb_flush(connection);
            }
        }
        return false;
    }

private:
    WindowHints(QWidget* window, std::shared_ptr<CKelvoCommonX11Timestamps> timestamps)
        : QObject(window), m_window(window), m_timestamps(std::move(timestamps)) {
        window->installEventFilter(this);
        window->windowHandle()->installEventFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_holdLimit.setSingleShot(true);
        connect(&m_holdLimit, &QTimer::timeout, this, [this] { ReleaseKeys(); });
    }
    ~WindowHints() override {
        if (QCoreApplication* application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
        ReleaseKeys();
    }

    // A frozen (synchronous) grab: the server queues every key until the
    // grab ends, then delivers them in order to whoever has the focus by
    // then. Ended when the window is active or hidden, and after a limit
    // in case the window manager never gives the focus. Nothing is held
    // when another client has the keyboard (a menu, a screen locker).
    void HoldKeys(xcb_connection_t* connection) {
        // One grab per process: a window shown over one still waiting (the
        // configuration window over the menu) takes the hold over, so the
        // first window's focus or limit cannot end it early.
        if (s_holder != nullptr && s_holder != this) {
            s_holder->m_holding = false;
            s_holder->m_holdLimit.stop();
        }
        s_holder = this;
        // Not waited for: a refused grab holds nothing, and the ungrab that
        // ends a hold is then a no-op. The request only has to reach the
        // server before the next key does.
        const auto cookie =
            xcb_grab_keyboard(connection, 1, RootWindow(connection), XCB_CURRENT_TIME,
                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_SYNC);
        xcb_discard_reply(connection, cookie.sequence);
        xcb_flush(connection);
        m_holdSequence = static_cast<std::uint16_t>(cookie.sequence);
        m_holding = true;
        g_holdingKeys.store(true);
        m_holdLimit.start(kHoldLimitMs);
    }
    void ReleaseKeys() {
        if (!m_holding)
            return;
        m_holding = false;
        m_holdLimit.stop();
        s_holder = nullptr;
        g_holdingKeys.store(false);
        if (xcb_connection_t* connection = QtConnection()) {
            xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
            xcb_flush(connection);
        }
    }

    void Apply() {
        // Hidden: the next Show writes the state before the map; asking the
        // server now would only add round trips between a hot key and the map.
        if (!m_window->isVisible())
            return;
        xcb_connection_t* connection = QtConnection();
        const xcb_window_t native = NativeWindow(m_window);
        if (connection == nullptr || native == 0)
            return;
        if (IsMapped(connection, native))
            AskForState(connection, native);
        else
            WriteState(connection, native);
        xcb_flush(connection);
    }

    // Unmapped: the property itself, which Qt merges its own state into.
    void WriteState(xcb_connection_t* connection, xcb_window_t native) const {
        if (native == 0)
            return;
        const auto& atoms = Atoms(connection);
        auto state = Property(connection, native, atoms[NetWmState], XCB_ATOM_ATOM);
        const auto put = [&](AtomId id, bool present) {
            std::erase(state, atoms[id]);
            if (present)
                state.push_back(atoms[id]);
        };
        if (m_offTaskBar) {
            put(NetWmStateSkipTaskbar, true);
            put(NetWmStateSkipPager, true);
        }
        if (m_topMost.has_value()) {
            put(NetWmStateAbove, *m_topMost);
            put(NetWmStateStaysOnTop, *m_topMost);
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native, atoms[NetWmState],
                            XCB_ATOM_ATOM, 32, static_cast<std::uint32_t>(state.size()),
                            state.data());
    }

    // The token as _NET_STARTUP_ID, or no such property without one.
    void WriteStartupId(xcb_connection_t* connection, xcb_window_t native) const {
        if (native == 0)
            return;
        const auto& atoms = Atoms(connection);
        if (m_startupId.isEmpty()) {
            xcb_delete_property(connection, native, atoms[NetStartupId]);
            return;
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native, atoms[NetStartupId],
                            atoms[Utf8String], 8, static_cast<std::uint32_t>(m_startupId.size()),
                            m_startupId.constData());
    }

    // Mapped: the window manager owns the state; ask it.
    void AskForState(xcb_connection_t* connection, xcb_window_t native) const {
        const auto& atoms = Atoms(connection);
        if (m_offTaskBar) {
            SendToRoot(connection, native, atoms[NetWmState],
                       {kNetWmStateAdd, atoms[NetWmStateSkipTaskbar], atoms[NetWmStateSkipPager],
                        kSourcePager, 0});
        }
        if (m_topMost.has_value()) {
            SendToRoot(connection, native, atoms[NetWmState],
                       {*m_topMost ? kNetWmStateAdd : kNetWmStateRemove, atoms[NetWmStateAbove],
                        atoms[NetWmStateStaysOnTop], kSourcePager, 0});
        }
    }

    // A plain activation request from a program in the background may be
    // refused as focus stealing; one made on the user's behalf (source 2,
    // as a pager or task bar sends it) with a current time is honoured.
    // Asked afresh each time, not the hot key's own time: the window
    // manager's focus change after the last hide may reach the server
    // after the hot key did, and the server ignores a focus request older
    // than the last change.
    void AskForFocusAgain() {
        xcb_connection_t* connection = QtConnection();
        const xcb_window_t native = NativeWindow(m_window);
        // Not by Qt's idea of the focus, which lags after a quick hide.
        if (connection == nullptr || native == 0 || !m_window->isVisible())
            return;
        AskForFocus(connection, native);
        xcb_flush(connection);
    }
    void AskForFocus(xcb_connection_t* connection, xcb_window_t native) const {
        const auto& atoms = Atoms(connection);
        const std::uint32_t time = m_timestamps->Now();
        SendToRoot(connection, native, atoms[NetActiveWindow], {kSourcePager, time, 0, 0, 0});
    }

    QWidget* m_window;
    std::shared_ptr<CKelvoCommonX11Timestamps> m_timestamps;
    bool m_offTaskBar = false;
    std::optional<bool> m_topMost;
    bool m_mappedOnce = false;
    bool m_activateWhenMapped = false;
    QByteArray m_startupId;
    static constexpr int kHoldLimitMs = 500;
    static inline WindowHints* s_holder = nullptr; // UI thread
    bool m_holding = false;
    std::uint16_t m_holdSequence = 0;
    QTimer m_holdLimit;
};

} // namespace

CKelvoCommonX11WindowSystem::CKelvoCommonX11WindowSystem()
    : m_timestamps(std::make_shared<CKelvoCommonX11Timestamps>()) {}

CKelvoCommonX11WindowSystem::~CKelvoCommonX11WindowSystem() = default;

void CKelvoCommonX11WindowSystem::SetWindowOpacity(QWidget* window, int alpha) {
    if (window == nullptr)
        return;
    window->setWindowOpacity((alpha & 0xFF) / 255.0);
    // Qt queues _NET_WM_WINDOW_OPACITY without flushing its connection; a
    // fade step would otherwise reach the server only with the next event.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr)
        xcb_flush(x11->connection());
}

bool CKelvoCommonX11WindowSystem::IsFullScreenWindowPresent() {
    xcb_connection_t* connection = QtConnection();
    const QRect screen = PrimaryScreenRect();
    if (connection == nullptr || screen.isEmpty())
        return false;
    if (HasEwmhWindowManager(connection))
        return FullScreenClientPresent(connection, screen);
    return ScreenCoveringWindowPresent(connection, screen);
}

void CKelvoCommonX11WindowSystem::PrepareMenuWindow(QWidget* window) {
    if (window == nullptr)
        return;
    // The native window now, not at the first show.
    window->winId();
    if (QtConnection() != nullptr)
        WindowHints::Of(window, m_timestamps)->KeepOffTaskBar();
}

void CKelvoCommonX11WindowSystem::SetTopMost(QWidget* window, bool topMost) {
    if (window == nullptr)
        return;
    if (QtConnection() == nullptr) {
        // Off X11 the Qt flag is all there is.
        Qt::WindowFlags flags = window->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
        window->overrideWindowFlags(flags);
        if (QWindow* handle = window->windowHandle())
            handle->setFlags(flags);
        return;
    }
    // Not through Qt::WindowStaysOnTopHint: Qt 6.4 destroys and rebuilds
    // the X window at the next show when that flag changes.
    window->winId();
    WindowHints::Of(window, m_timestamps)->SetTopMost(topMost);
}

void CKelvoCommonX11WindowSystem::SetActivationToken(QWidget* window, const QByteArray& token) {
    if (window == nullptr || QtConnection() == nullptr)
        return;
    window->winId();
    WindowHints::Of(window, m_timestamps)->SetStartupId(token);
}

bool CKelvoCommonX11WindowSystem::HasKeyboardFocus(QWidget* window) {
    xcb_connection_t* connection = QtConnection();
    if (window == nullptr || connection == nullptr)
        return window != nullptr && window->isActiveWindow();
    const xcb_window_t native = NativeWindow(window);
    XcbReply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    return native != 0 && focus != nullptr && focus->focus == native;
}

void CKelvoCommonX11WindowSystem::ActivateWindow(QWidget* window) {
    if (window == nullptr)
        return;
    window->raise();
    window->activateWindow();
    // Shown right after a hide, the window is still Qt's focus window (the
    // focus-out is delayed), so Qt never makes it the active window again:
    // focus moves inside it would reach no screen reader.
    if (window->windowHandle() != nullptr &&
        QGuiApplication::focusWindow() == window->windowHandle() && !window->isActiveWindow())
        QApplication::setActiveWindow(window);
    if (QtConnection() != nullptr && window->windowHandle() != nullptr) {
        WindowHints::Of(window, m_timestamps)->Activate();
        xcb_flush(QtConnection());
    }
}
