// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonX11HookSource.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/x11/KelvoCommonX11Listener.h"

#include <QCursor>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <X11/extensions/XInput2.h>
#include <cstdlib>
#include <cstring>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

namespace {

constexpr int kLeftButton = 1;
constexpr int kLastPressButton = 3; // 4 ... 7 are wheel steps, not presses
// How deep a click is followed into the window tree to find the client.
constexpr int kMaxDepth = 8;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

bool g_reported = false;

} // namespace

CKelvoCommonX11HookSource::CKelvoCommonX11HookSource(
    std::unique_ptr<CKelvoCommonDesktopIconProbe> probe)
    : m_probe(std::move(probe)) {}

CKelvoCommonX11HookSource::~CKelvoCommonX11HookSource() {
    Stop();
}

bool CKelvoCommonX11HookSource::Start(Sink sink) {
    if (m_listener)
        return true;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        m_listener = CKelvoCommonX11Listener::Acquire();
    if (!m_listener || !m_listener->HasRawEvents()) {
        if (!g_reported)
            qCWarning(lcKelvoCommon) << "no global pointer events here: screen edges and the "
                                        "desktop double click are off";
        g_reported = true;
        m_listener.reset();
        return false;
    }
    TakeDoubleClickRuleFromDesktop();
    TrackScreens(true); // positions come from the server in device pixels
    m_sink = std::move(sink);
    m_listener->RunAndWait([this] {
        m_motionPending = false;
        m_atomWindowType = Atom("_NET_WM_WINDOW_TYPE");
        m_atomTypeDesktop = Atom("_NET_WM_WINDOW_TYPE_DESKTOP");
        m_atomWmState = Atom("WM_STATE");
        m_atomPid = Atom("_NET_WM_PID");
    });
    m_handler = m_listener->AddRawHandler(
        (1u << XI_RawMotion) | (1u << XI_RawButtonPress),
        [this](const CKelvoCommonX11RawEvent& event) { OnRawEvent(event); },
        [this] { DeliverMotion(); });
    return true;
}

void CKelvoCommonX11HookSource::Stop() {
    if (!m_listener)
        return;
    m_listener->RemoveHandler(m_handler);
    m_handler = 0;
    m_sink = nullptr;
    m_listener.reset();
}

QPoint CKelvoCommonX11HookSource::CursorPos() {
    if (!m_listener)
        return QCursor::pos();
    QPoint point = QCursor::pos();
    m_listener->RunAndWait([&] { QueryPointer(m_listener->Root(), &point, nullptr); });
    return point;
}

void CKelvoCommonX11HookSource::OnRawEvent(const CKelvoCommonX11RawEvent& event) {
    if (event.type == XI_RawMotion) {
        m_motionPending = true;
        return;
    }
    if (event.type != XI_RawButtonPress || event.detail < 1 || event.detail > kLastPressButton)
        return;
    // The moves before the press come first.
    DeliverMotion();
    QPoint point;
    xcb_window_t child = 0;
    if (!QueryPointer(m_listener->Root(), &point, &child))
        return;
    if (event.detail != kLeftButton) {
        OtherButtonPressed();
        m_sink(event.detail == 3 ? kRightButtonDown : kMiddleButtonDown, {point, false});
        return;
    }
    const int message = LeftPressMessage(point, event.time);
    // Only a double click asks what lies under the pointer.
    const bool desktop = message == kLeftButtonDoubleClick && IsDesktopUnder(child, point);
    m_sink(message, {point, desktop});
}

void CKelvoCommonX11HookSource::DeliverMotion() {
    if (!m_motionPending)
        return;
    m_motionPending = false;
    QPoint point;
    if (QueryPointer(m_listener->Root(), &point, nullptr))
        m_sink(kMouseMove, {point, false});
}

bool CKelvoCommonX11HookSource::QueryPointer(xcb_window_t window, QPoint* point,
                                             xcb_window_t* child) {
    xcb_connection_t* connection = m_listener->GrabConnection();
    XcbReply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr));
    if (reply == nullptr || reply->same_screen == 0)
        return false;
    if (point != nullptr)
        *point = {reply->root_x, reply->root_y};
    if (child != nullptr)
        *child = reply->child;
    return true;
}

bool CKelvoCommonX11HookSource::IsDesktopUnder(xcb_window_t child, QPoint point) {
    // Nothing over the root: the bare desktop.
    xcb_window_t window = child;
    for (int depth = 0; depth < kMaxDepth && window != 0; ++depth) {
        if (HasProperty(window, m_atomWindowType, m_atomTypeDesktop))
            return !IsIconOf(window, point);
        // A client window of any other type (window managers put frames
        // around clients; the frame has no type of its own).
        if (HasProperty(window, m_atomWmState, 0))
            return false;
        xcb_window_t inner = 0;
        if (!QueryPointer(window, nullptr, &inner))
            return false;
        window = inner;
    }
    return child == 0;
}

bool CKelvoCommonX11HookSource::IsIconOf(xcb_window_t desktop, QPoint point) {
    if (m_probe == nullptr || m_atomPid == 0)
        return false;
    xcb_connection_t* connection = m_listener->GrabConnection();
    const auto cookie =
        xcb_get_property(connection, 0, desktop, m_atomPid, XCB_ATOM_CARDINAL, 0, 1);
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (reply == nullptr || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return false;
    const std::uint32_t pid =
        *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    // Unknown keeps the window's type: a desktop that cannot be asked
    // calls the menu up anywhere, as before.
    const auto answer = m_probe->At(pid, point);
    qCDebug(lcKelvoCommon) << "desktop double click at" << point << "of process" << pid << "answer"
                           << static_cast<int>(answer);
    return answer == CKelvoCommonDesktopIconProbe::Answer::Icon;
}

bool CKelvoCommonX11HookSource::HasProperty(xcb_window_t window, xcb_atom_t property,
                                            xcb_atom_t value) {
    if (property == 0)
        return false;
    xcb_connection_t* connection = m_listener->GrabConnection();
    // A window that vanished meanwhile answers with an error: no property.
    const auto cookie =
        xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 32);
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (reply == nullptr || reply->type == 0)
        return false;
    if (value == 0)
        return true;
    if (reply->format != 32)
        return false;
    const auto* atoms = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == value)
            return true;
    }
    return false;
}

xcb_atom_t CKelvoCommonX11HookSource::Atom(const char* name) {
    xcb_connection_t* connection = m_listener->GrabConnection();
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply != nullptr ? reply->atom : 0;
}
