// SPDX-License-Identifier: MIT
#include "common/platform/gio/KelvoCommonAtspiIconProbe.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/gio/KelvoCommonGioApi.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr const char* kAccessible = "org.a11y.atspi.Accessible";
constexpr const char* kComponent = "org.a11y.atspi.Component";
constexpr const char* kRootPath = "/org/a11y/atspi/accessible/root";
constexpr const char* kNullPath = "/org/a11y/atspi/null";
constexpr std::uint32_t kScreenCoordinates = 0;
// How deep the objects under a point are followed; trees are shallow.
constexpr int kMaxDepth = 16;
// Containers with more children (a desktop full of icons) are not asked
// child by child.
constexpr std::size_t kMostChildrenAsked = 8;

// The roles that only hold or frame other objects: under the pointer,
// they are the desktop's bare background (AtspiRole values).
constexpr std::array<std::uint32_t, 21> kBackgroundRoles{
    6,  // canvas
    14, // desktop frame
    18, // drawing area
    20, // filler
    23, // frame
    24, // glass pane
    28, // internal frame
    30, // layered pane
    31, // list
    37, // page tab
    38, // page tab list
    39, // panel
    46, // root pane
    49, // scroll pane
    53, // split pane
    55, // table
    65, // tree
    66, // tree table
    67, // unknown
    68, // viewport
    69, // window
};

struct GVariantUnref {
    void operator()(GVariant* value) const { g_variant_unref(value); }
};
using GVariantPtr = std::unique_ptr<GVariant, GVariantUnref>;

struct Object {
    std::string bus;
    std::string path;
    bool operator==(const Object&) const = default;
};

bool IsBackground(std::uint32_t role) {
    for (std::uint32_t background : kBackgroundRoles) {
        if (role == background)
            return true;
    }
    return false;
}

// The session bus's address, never by starting one (GLib's autolaunch).
QByteArray SessionBusAddress() {
    QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(QString::fromLocal8Bit(runtime + "/bus")))
        return "unix:path=" + runtime + "/bus";
    return {};
}

GDBusConnection* OpenBus(const QByteArray& address) {
    GError* error = nullptr;
    GDBusConnection* connection = KelvoGio().dbus_connection_new_for_address_sync(
        address.constData(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    if (connection == nullptr) {
        qCDebug(lcKelvoCommon) << "accessibility probe: no bus at" << address << error->message;
        g_error_free(error);
        return nullptr;
    }
    // The launcher must not end when the bus goes away.
    KelvoGio().dbus_connection_set_exit_on_close(connection, FALSE);
    return connection;
}

GVariant* PointArguments(QPoint point) {
    return g_variant_new("(iiu)", point.x(), point.y(), kScreenCoordinates);
}

} // namespace

struct CKelvoCommonAtspiIconProbe::Deadline {
    std::chrono::steady_clock::time_point end;

    int RemainingMs() const {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        return left > 0 ? static_cast<int>(left) : 0;
    }

    // One call within what is left; nullptr on any failure or when the time
    // is up. Takes the floating parameters either way. Never starts a
    // service: a desktop program on the accessibility bus has started it.
    GVariantPtr Call(GDBusConnection* bus, const Object& object, const char* interface,
                     const char* method, GVariant* parameters, const char* replyType) const {
        const int remaining = RemainingMs();
        if (remaining == 0) {
            if (parameters != nullptr)
                g_variant_unref(g_variant_ref_sink(parameters));
            return nullptr;
        }
        GError* error = nullptr;
        GVariant* reply = KelvoGio().dbus_connection_call_sync(
            bus, object.bus.c_str(), object.path.c_str(), interface, method, parameters,
            G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NO_AUTO_START, remaining, nullptr, &error);
        if (reply == nullptr) {
            qCDebug(lcKelvoCommon) << "accessibility probe:" << method << error->message;
            g_error_free(error);
        }
        return GVariantPtr(reply);
    }

    bool Contains(GDBusConnection* bus, const Object& object, QPoint point) const {
        const GVariantPtr reply =
            Call(bus, object, kComponent, "Contains", PointArguments(point), "(b)");
        gboolean inside = FALSE;
        if (reply != nullptr)
            g_variant_get(reply.get(), "(b)", &inside);
        return inside != FALSE;
    }

    // GTK's notebook page tab is no component at all (Nemo's desktop), and
    // others give no extents while their tabs are hidden.
    bool HasNoExtents(GDBusConnection* bus, const Object& object) const {
        const GVariantPtr reply = Call(bus, object, kComponent, "GetExtents",
                                       g_variant_new("(u)", kScreenCoordinates), "((iiii))");
        gint32 x = 0, y = 0, width = 0, height = 0;
        if (reply != nullptr)
            g_variant_get(reply.get(), "((iiii))", &x, &y, &width, &height);
        return reply == nullptr || width < 0 || height < 0;
    }

    // The object under the point below this one: an empty path when there
    // is none, nullopt when the program did not answer. A container that
    // does not hand the point on (Nemo's desktop sits in a notebook) has
    // its few children asked one by one, through a child without extents.
    std::optional<Object> ChildAt(GDBusConnection* bus, const Object& object, QPoint point) const {
        const GVariantPtr reply =
            Call(bus, object, kComponent, "GetAccessibleAtPoint", PointArguments(point), "((so))");
        if (reply == nullptr)
            return std::nullopt;
        const gchar* name = nullptr;
        const gchar* path = nullptr;
        g_variant_get(reply.get(), "((&s&o))", &name, &path);
        // An empty name: the same program.
        const Object child{*name != '\0' ? name : object.bus, path};
        if (child.path != kNullPath && child != object)
            return child;
        std::vector<Object> candidates = Children(bus, object);
        if (candidates.size() > kMostChildrenAsked)
            return Object{};
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            if (Contains(bus, candidates[i], point))
                return candidates[i];
            if (HasNoExtents(bus, candidates[i])) {
                std::vector<Object> inner = Children(bus, candidates[i]);
                if (candidates.size() + inner.size() <= kMostChildrenAsked)
                    candidates.insert(candidates.end(), inner.begin(), inner.end());
            }
        }
        return Object{};
    }

    // The (so) references of a GetChildren reply.
    std::vector<Object> Children(GDBusConnection* bus, const Object& object) const {
        std::vector<Object> children;
        const GVariantPtr reply = Call(bus, object, kAccessible, "GetChildren", nullptr, "(a(so))");
        if (reply == nullptr)
            return children;
        GVariantIter* iter = nullptr;
        g_variant_get(reply.get(), "(a(so))", &iter);
        const gchar* name = nullptr;
        const gchar* path = nullptr;
        while (g_variant_iter_next(iter, "(&s&o)", &name, &path))
            children.push_back({name, path});
        g_variant_iter_free(iter);
        return children;
    }
};

CKelvoCommonAtspiIconProbe::CKelvoCommonAtspiIconProbe() = default;

CKelvoCommonAtspiIconProbe::~CKelvoCommonAtspiIconProbe() {
    if (m_bus != nullptr)
        KelvoGio().object_unref(m_bus);
}

bool CKelvoCommonAtspiIconProbe::Connect(const Deadline& deadline) {
    if (m_bus != nullptr && KelvoGio().dbus_connection_is_closed(m_bus) == FALSE)
        return true;
    if (m_bus != nullptr)
        KelvoGio().object_unref(m_bus);
    m_bus = nullptr;
    m_pid = 0;
    const QByteArray session = SessionBusAddress();
    if (session.isEmpty())
        return false;
    GDBusConnection* sessionBus = OpenBus(session);
    if (sessionBus == nullptr)
        return false;
    const GVariantPtr reply = deadline.Call(sessionBus, {"org.a11y.Bus", "/org/a11y/bus"},
                                            "org.a11y.Bus", "GetAddress", nullptr, "(s)");
    KelvoGio().dbus_connection_close_sync(sessionBus, nullptr, nullptr);
    KelvoGio().object_unref(sessionBus);
    if (reply == nullptr)
        return false;
    const gchar* address = nullptr;
    g_variant_get(reply.get(), "(&s)", &address);
    m_bus = OpenBus(address);
    return m_bus != nullptr;
}

std::string CKelvoCommonAtspiIconProbe::ApplicationOf(std::uint32_t pid, const Deadline& deadline) {
    if (pid == m_pid && !m_application.empty())
        return m_application;
    m_pid = 0;
    m_application.clear();
    for (const Object& application :
         deadline.Children(m_bus, {"org.a11y.atspi.Registry", kRootPath})) {
        const GVariantPtr reply = deadline.Call(
            m_bus, {"org.freedesktop.DBus", "/org/freedesktop/DBus"}, "org.freedesktop.DBus",
            "GetConnectionUnixProcessID", g_variant_new("(s)", application.bus.c_str()), "(u)");
        if (reply == nullptr)
            continue;
        guint32 owner = 0;
        g_variant_get(reply.get(), "(u)", &owner);
        if (owner == pid) {
            m_pid = pid;
            m_application = application.bus;
            break;
        }
    }
    return m_application;
}

CKelvoCommonDesktopIconProbe::Answer CKelvoCommonAtspiIconProbe::At(std::uint32_t pid,
                                                                    QPoint point) {
    const Deadline deadline{std::chrono::steady_clock::now() + kBudget};
    if (pid == 0 || !Connect(deadline))
        return Answer::Unknown;
    const std::string application = ApplicationOf(pid, deadline);
    if (application.empty())
        return Answer::Unknown;
    const std::vector<Object> windows = deadline.Children(m_bus, {application, kRootPath});
    if (windows.empty())
        m_pid = 0; // the program may have restarted: look it up again next time
    for (const Object& window : windows) {
        if (!deadline.Contains(m_bus, window, point))
            continue;
        Object object = window;
        for (int depth = 0; depth < kMaxDepth; ++depth) {
            std::optional<Object> next = deadline.ChildAt(m_bus, object, point);
            if (!next)
                return Answer::Unknown;
            if (next->path.empty())
                break;
            object = *next;
        }
        const GVariantPtr role =
            deadline.Call(m_bus, object, kAccessible, "GetRole", nullptr, "(u)");
        if (role == nullptr)
            return Answer::Unknown;
        guint32 value = 0;
        g_variant_get(role.get(), "(u)", &value);
        return IsBackground(value) ? Answer::BareDesktop : Answer::Icon;
    }
    return Answer::Unknown;
}
