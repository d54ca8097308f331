// SPDX-License-Identifier: MIT
#include "common/platform/wayland/KelvoCommonLayerShellHookSource.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/wayland/KelvoCommonLayerShellGlue.h"
#include "common/platform/wayland/KelvoCommonLayerShellLayout.h"
#include "viewporter-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <QCursor>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

using Area = CKelvoCommonLayerShellArea;
using Strip = CKelvoCommonLayerShellStrip;
using PointerEvent = CKelvoCommonLayerShellPointer::Event;

namespace {

constexpr unsigned kTop = 1;
constexpr unsigned kBottom = 2;
constexpr unsigned kLeft = 4;
constexpr unsigned kRight = 8;
constexpr unsigned kDesktop = 16;

unsigned ToBits(const CKelvoCommonHookMouseAreas& areas) {
    return (areas.top ? kTop : 0) | (areas.bottom ? kBottom : 0) | (areas.left ? kLeft : 0) |
           (areas.right ? kRight : 0) | (areas.desktop ? kDesktop : 0);
}

CKelvoCommonHookMouseAreas FromBits(unsigned bits) {
    CKelvoCommonHookMouseAreas areas;
    areas.top = (bits & kTop) != 0;
    areas.bottom = (bits & kBottom) != 0;
    areas.left = (bits & kLeft) != 0;
    areas.right = (bits & kRight) != 0;
    areas.desktop = (bits & kDesktop) != 0;
    return areas;
}

bool g_reported = false;

void ReportUnavailable(const char* why) {
    if (!g_reported)
        qCWarning(lcKelvoCommon).noquote()
            << QStringLiteral("%1: the screen edges and the desktop double click are not "
                              "available in this session")
                   .arg(QLatin1String(why));
    g_reported = true;
}

} // namespace

// Every Wayland object of the hook. Built on the UI thread in Start, then
// touched only by the listener thread until Stop has joined it.
class CKelvoCommonLayerShellHookSource::Connection final {
public:
    struct Output {
        Connection* connection = nullptr;
        std::uint32_t name = 0;
        wl_output* output = nullptr;
        zxdg_output_v1* xdgOutput = nullptr;
        QPoint position; // wl_output geometry
        QSize mode;      // current mode, device pixels
        int scale = 1;
        QPoint logicalPosition; // xdg-output, when there
        QSize logicalSize;
        bool logical = false;

        QRect Rect() const {
            if (logical && !logicalSize.isEmpty())
                return {logicalPosition, logicalSize};
            return {position, mode / std::max(scale, 1)};
        }
    };
    struct Surface {
        Connection* connection = nullptr;
        Strip strip;
        wl_surface* surface = nullptr;
        zwlr_layer_surface_v1* layerSurface = nullptr;
        wp_viewport* viewport = nullptr;
        wl_buffer* buffer = nullptr;
        QSize bufferSize;
    };
    struct Seat {
        Connection* connection = nullptr;
        std::uint32_t name = 0;
        std::uint32_t version = 0;
        wl_seat* seat = nullptr;
        wl_pointer* pointer = nullptr;
    };

    explicit Connection(CKelvoCommonLayerShellPointer::Sink sink) : m_pointer(std::move(sink)) {}
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Connects and learns the globals and outputs; false (said once) when
    // there is no compositor or it has no layer-shell.
    bool Open();
    wl_display* Display() const { return m_display; }
    void SetAreas(const CKelvoCommonHookMouseAreas& areas) { Apply(m_layout.SetAreas(areas)); }
    QPoint Position() const { return m_pointer.Position(); }

private:
    void Apply(const CKelvoCommonLayerShellLayout::Changes& changes);
    void MakeSurface(const Strip& strip);
    void DestroySurface(Surface* surface);
    void OutputChanged(Output* output);
    void RemoveOutput(std::uint32_t name);
    void WatchOutput(Output* output);
    void RemoveSeat(std::uint32_t name);
    void SetPointer(Seat* seat, bool has);
    wl_buffer* MakeBuffer(QSize size);
    Surface* Find(const zwlr_layer_surface_v1* layerSurface);

    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
    static void GlobalRemove(void* data, wl_registry* registry, std::uint32_t name);
    static void Configure(void* data, zwlr_layer_surface_v1* layerSurface, std::uint32_t serial,
                          std::uint32_t width, std::uint32_t height);
    static void Closed(void* data, zwlr_layer_surface_v1* layerSurface);

    static const wl_registry_listener kRegistryListener;
    static const wl_output_listener kOutputListener;
    static const zxdg_output_v1_listener kXdgOutputListener;
    static const wl_seat_listener kSeatListener;
    static wl_pointer_listener PointerListener();
    static const wl_pointer_listener kPointerListener;
    static const kelvo_layer_surface_listener kLayerSurfaceListener;

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_compositor* m_compositor = nullptr;
    wl_shm* m_shm = nullptr;
    zwlr_layer_shell_v1* m_shell = nullptr;
    zxdg_output_manager_v1* m_xdgOutputs = nullptr;
    wp_viewporter* m_viewporter = nullptr;
    wl_buffer* m_pixel = nullptr; // one transparent pixel, stretched by the viewporter
    std::map<std::uint32_t, std::unique_ptr<Output>> m_outputs;
    std::map<std::uint32_t, std::unique_ptr<Seat>> m_seats;
    std::map<std::pair<std::uint32_t, Area>, std::unique_ptr<Surface>> m_surfaces;
    CKelvoCommonLayerShellLayout m_layout;
    CKelvoCommonLayerShellPointer m_pointer;
};

using Connection = CKelvoCommonLayerShellHookSource::Connection;

const wl_registry_listener Connection::kRegistryListener = {&Connection::Global,
                                                            &Connection::GlobalRemove};

const wl_output_listener Connection::kOutputListener = {
    .geometry = [](void* data, wl_output*, std::int32_t x, std::int32_t y, std::int32_t,
                   std::int32_t, std::int32_t, const char*, const char*,
                   std::int32_t) { static_cast<Output*>(data)->position = {x, y}; },
    .mode =
        [](void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height,
           std::int32_t) {
            if ((flags & WL_OUTPUT_MODE_CURRENT) != 0)
                static_cast<Output*>(data)->mode = {width, height};
        },
    .done =
        [](void* data, wl_output*) {
            auto* output = static_cast<Output*>(data);
            output->connection->OutputChanged(output);
        },
    .scale = [](void* data, wl_output*,
                std::int32_t factor) { static_cast<Output*>(data)->scale = factor; },
    .name = [](void*, wl_output*, const char*) {},
    .description = [](void*, wl_output*, const char*) {},
};

const zxdg_output_v1_listener Connection::kXdgOutputListener = {
    .logical_position =
        [](void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y) {
            auto* output = static_cast<Output*>(data);
            output->logicalPosition = {x, y};
            output->logical = true;
        },
    .logical_size =
        [](void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height) {
            auto* output = static_cast<Output*>(data);
            output->logicalSize = {width, height};
            output->logical = true;
        },
    .done =
        [](void* data, zxdg_output_v1*) {
            auto* output = static_cast<Output*>(data);
            output->connection->OutputChanged(output);
        },
    .name = [](void*, zxdg_output_v1*, const char*) {},
    .description = [](void*, zxdg_output_v1*, const char*) {},
};

const wl_seat_listener Connection::kSeatListener = {
    .capabilities =
        [](void* data, wl_seat*, std::uint32_t capabilities) {
            auto* seat = static_cast<Seat*>(data);
            seat->connection->SetPointer(seat, (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0);
        },
    .name = [](void*, wl_seat*, const char*) {},
};

// Filled member by member: later libwayland versions add members (the seat is
// bound at version 5, so their events never come), and a listener named in
// full would not compile against both.
wl_pointer_listener Connection::PointerListener() {
    wl_pointer_listener listener{};
    listener.enter = [](void* data, wl_pointer*, std::uint32_t, wl_surface* surface, wl_fixed_t x,
                        wl_fixed_t y) {
        static_cast<Connection*>(data)->m_pointer.Enter(
            surface, {wl_fixed_to_double(x), wl_fixed_to_double(y)});
    };
    listener.leave = [](void* data, wl_pointer*, std::uint32_t, wl_surface* surface) {
        static_cast<Connection*>(data)->m_pointer.Leave(surface);
    };
    listener.motion = [](void* data, wl_pointer*, std::uint32_t time, wl_fixed_t x, wl_fixed_t y) {
        static_cast<Connection*>(data)->m_pointer.Motion(
            time, {wl_fixed_to_double(x), wl_fixed_to_double(y)});
    };
    listener.button = [](void* data, wl_pointer*, std::uint32_t, std::uint32_t time,
                         std::uint32_t button, std::uint32_t state) {
        static_cast<Connection*>(data)->m_pointer.Button(time, button,
                                                         state == WL_POINTER_BUTTON_STATE_PRESSED);
    };
    listener.axis = [](void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {};
    listener.frame = [](void*, wl_pointer*) {};
    listener.axis_source = [](void*, wl_pointer*, std::uint32_t) {};
    listener.axis_stop = [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {};
    listener.axis_discrete = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {};
    listener.axis_value120 = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {};
    return listener;
}

const wl_pointer_listener Connection::kPointerListener = PointerListener();

const kelvo_layer_surface_listener Connection::kLayerSurfaceListener = {&Connection::Configure,
                                                                        &Connection::Closed};

Connection::~Connection() {
    while (!m_surfaces.empty())
        DestroySurface(m_surfaces.begin()->second.get());
    while (!m_seats.empty())
        RemoveSeat(m_seats.begin()->first);
    while (!m_outputs.empty()) {
        const std::uint32_t name = m_outputs.begin()->first;
        RemoveOutput(name);
    }
    if (m_pixel != nullptr)
        wl_buffer_destroy(m_pixel);
    if (m_viewporter != nullptr)
        wp_viewporter_destroy(m_viewporter);
    if (m_xdgOutputs != nullptr)
        zxdg_output_manager_v1_destroy(m_xdgOutputs);
    if (m_shell != nullptr)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(m_shell));
    if (m_shm != nullptr)
        wl_shm_destroy(m_shm);
    if (m_compositor != nullptr)
        wl_compositor_destroy(m_compositor);
    if (m_registry != nullptr)
        wl_registry_destroy(m_registry);
    if (m_display != nullptr) {
        wl_display_flush(m_display);
        wl_display_disconnect(m_display);
    }
}

bool Connection::Open() {
    m_display = wl_display_connect(nullptr);
    if (m_display == nullptr) {
        ReportUnavailable("no Wayland compositor to talk to");
        return false;
    }
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &kRegistryListener, this);
    if (wl_display_roundtrip(m_display) < 0) {
        ReportUnavailable("the Wayland connection failed");
        return false;
    }
    if (m_shell == nullptr || m_compositor == nullptr || m_shm == nullptr) {
        ReportUnavailable("this compositor has no wlr-layer-shell");
        return false;
    }
    // Outputs announced before the xdg-output manager get theirs now.
    for (auto& [name, output] : m_outputs)
        WatchOutput(output.get());
    // Geometry, modes and logical positions; the seats' capabilities.
    if (wl_display_roundtrip(m_display) < 0) {
        ReportUnavailable("the Wayland connection failed");
        return false;
    }
    return true;
}

void Connection::Global(void* data, wl_registry* registry, std::uint32_t name,
                        const char* interface, std::uint32_t version) {
    auto* self = static_cast<Connection*>(data);
    const auto bind = [&](const wl_interface* type, std::uint32_t highest) {
        return wl_registry_bind(registry, name, type, std::min(version, highest));
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 &&
        self->m_compositor == nullptr) {
        self->m_compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0 && self->m_shm == nullptr) {
        self->m_shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    } else if (std::strcmp(interface, kelvo_layer_shell_interface()->name) == 0 &&
               self->m_shell == nullptr) {
        self->m_shell = static_cast<zwlr_layer_shell_v1*>(bind(kelvo_layer_shell_interface(), 1));
    } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0 &&
               self->m_xdgOutputs == nullptr) {
        self->m_xdgOutputs =
            static_cast<zxdg_output_manager_v1*>(bind(&zxdg_output_manager_v1_interface, 2));
    } else if (std::strcmp(interface, wp_viewporter_interface.name) == 0 &&
               self->m_viewporter == nullptr) {
        self->m_viewporter = static_cast<wp_viewporter*>(bind(&wp_viewporter_interface, 1));
    } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
        auto output = std::make_unique<Output>();
        output->connection = self;
        output->name = name;
        output->output = static_cast<wl_output*>(bind(&wl_output_interface, 2));
        wl_output_add_listener(output->output, &kOutputListener, output.get());
        self->WatchOutput(output.get());
        self->m_outputs[name] = std::move(output);
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0) {
        auto seat = std::make_unique<Seat>();
        seat->connection = self;
        seat->name = name;
        seat->version = std::min(version, 5u);
        seat->seat = static_cast<wl_seat*>(bind(&wl_seat_interface, 5));
        wl_seat_add_listener(seat->seat, &kSeatListener, seat.get());
        self->m_seats[name] = std::move(seat);
    }
}

void Connection::GlobalRemove(void* data, wl_registry*, std::uint32_t name) {
    auto* self = static_cast<Connection*>(data);
    if (self->m_outputs.count(name) != 0)
        self->RemoveOutput(name);
    else if (self->m_seats.count(name) != 0)
        self->RemoveSeat(name);
}

void Connection::WatchOutput(Output* output) {
    if (m_xdgOutputs == nullptr || output->xdgOutput != nullptr)
        return;
    output->xdgOutput = zxdg_output_manager_v1_get_xdg_output(m_xdgOutputs, output->output);
    zxdg_output_v1_add_listener(output->xdgOutput, &kXdgOutputListener, output);
}

void Connection::OutputChanged(Output* output) {
    // With xdg-output the logical place is the one that counts; wait for it.
    if (m_xdgOutputs != nullptr && output->xdgOutput != nullptr && !output->logical)
        return;
    if (m_shell != nullptr)
        Apply(m_layout.SetOutput(output->name, output->Rect()));
}

void Connection::RemoveOutput(std::uint32_t name) {
    const auto found = m_outputs.find(name);
    if (found == m_outputs.end())
        return;
    Apply(m_layout.RemoveOutput(name));
    Output* output = found->second.get();
    if (output->xdgOutput != nullptr)
        zxdg_output_v1_destroy(output->xdgOutput);
    wl_output_destroy(output->output);
    m_outputs.erase(found);
}

void Connection::RemoveSeat(std::uint32_t name) {
    const auto found = m_seats.find(name);
    if (found == m_seats.end())
        return;
    SetPointer(found->second.get(), false);
    if (found->second->version >= WL_SEAT_RELEASE_SINCE_VERSION)
        wl_seat_release(found->second->seat);
    else
        wl_seat_destroy(found->second->seat);
    m_seats.erase(found);
}

void Connection::SetPointer(Seat* seat, bool has) {
    // A seat gains a pointer when a mouse is plugged in, and loses it again.
    if (has && seat->pointer == nullptr) {
        seat->pointer = wl_seat_get_pointer(seat->seat);
        wl_pointer_add_listener(seat->pointer, &kPointerListener, this);
    } else if (!has && seat->pointer != nullptr) {
        if (seat->version >= WL_POINTER_RELEASE_SINCE_VERSION)
            wl_pointer_release(seat->pointer);
        else
            wl_pointer_destroy(seat->pointer);
        seat->pointer = nullptr;
    }
}

void Connection::Apply(const CKelvoCommonLayerShellLayout::Changes& changes) {
    for (const Strip& strip : changes.removed) {
        const auto found = m_surfaces.find({strip.output, strip.area});
        if (found != m_surfaces.end())
            DestroySurface(found->second.get());
    }
    for (const Strip& strip : changes.moved) {
        const auto found = m_surfaces.find({strip.output, strip.area});
        if (found != m_surfaces.end()) {
            found->second->strip = strip;
            m_pointer.SetSurface(found->second->surface, strip);
            qCDebug(lcKelvoCommon) << "hook surface moved: output" << strip.output << "area"
                                   << static_cast<int>(strip.area) << strip.rect;
        }
    }
    for (const Strip& strip : changes.added)
        MakeSurface(strip);
}

void Connection::MakeSurface(const Strip& strip) {
    const auto found = m_outputs.find(strip.output);
    if (found == m_outputs.end())
        return;
    auto surface = std::make_unique<Surface>();
    surface->connection = this;
    surface->strip = strip;
    surface->surface = wl_compositor_create_surface(m_compositor);
    // Nothing of it is opaque: whatever lies below shows through.
    wl_surface_set_opaque_region(surface->surface, nullptr);
    if (m_viewporter != nullptr)
        surface->viewport = wp_viewporter_get_viewport(m_viewporter, surface->surface);
    surface->layerSurface = kelvo_layer_shell_get_surface(
        m_shell, surface->surface, found->second->output, strip.layer, strip.anchor,
        static_cast<std::uint32_t>(strip.size.width()),
        static_cast<std::uint32_t>(strip.size.height()),
        strip.area == Area::Desktop ? "vendrask-desktop" : "vendrask-edge", &kLayerSurfaceListener,
        surface.get());
    // The first commit carries no buffer; the compositor answers with the size.
    wl_surface_commit(surface->surface);
    m_pointer.SetSurface(surface->surface, strip);
    m_surfaces[{strip.output, strip.area}] = std::move(surface);
    qCDebug(lcKelvoCommon) << "hook surface made: output" << strip.output << "area"
                           << static_cast<int>(strip.area) << strip.rect;
}

void Connection::DestroySurface(Surface* surface) {
    qCDebug(lcKelvoCommon) << "hook surface destroyed: output" << surface->strip.output << "area"
                           << static_cast<int>(surface->strip.area);
    m_pointer.RemoveSurface(surface->surface);
    kelvo_layer_surface_destroy(surface->layerSurface);
    if (surface->viewport != nullptr)
        wp_viewport_destroy(surface->viewport);
    wl_surface_destroy(surface->surface);
    if (surface->buffer != nullptr && surface->buffer != m_pixel)
        wl_buffer_destroy(surface->buffer);
    m_surfaces.erase({surface->strip.output, surface->strip.area});
}

Connection::Surface* Connection::Find(const zwlr_layer_surface_v1* layerSurface) {
    for (auto& [key, surface] : m_surfaces) {
        if (surface->layerSurface == layerSurface)
            return surface.get();
    }
    return nullptr;
}

wl_buffer* Connection::MakeBuffer(QSize size) {
    // All zeros: transparent ARGB. The pages are never written.
    const int stride = size.width() * 4;
    const int bytes = stride * size.height();
    const int fd = memfd_create("vendrask-hook", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, bytes) != 0) {
        qCWarning(lcKelvoCommon) << "no memory for a hook surface:" << std::strerror(errno);
        if (fd >= 0)
            close(fd);
        return nullptr;
    }
    wl_shm_pool* pool = wl_shm_create_pool(m_shm, fd, bytes);
    wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), stride,
                                                  WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return buffer;
}

void Connection::Configure(void* data, zwlr_layer_surface_v1* layerSurface, std::uint32_t serial,
                           std::uint32_t width, std::uint32_t height) {
    auto* surface = static_cast<Surface*>(data);
    Connection* self = surface->connection;
    kelvo_layer_surface_ack_configure(layerSurface, serial);
    const QSize size(static_cast<int>(std::max(width, 1u)), static_cast<int>(std::max(height, 1u)));
    if (size != surface->bufferSize || surface->buffer == nullptr) {
        wl_buffer* buffer = nullptr;
        if (surface->viewport != nullptr) {
            // One pixel stretched: no memory for a full-output surface.
            if (self->m_pixel == nullptr)
                self->m_pixel = self->MakeBuffer({1, 1});
            buffer = self->m_pixel;
            wp_viewport_set_destination(surface->viewport, size.width(), size.height());
        } else {
            buffer = self->MakeBuffer(size);
        }
        if (buffer != nullptr) {
            if (surface->buffer != nullptr && surface->buffer != self->m_pixel)
                wl_buffer_destroy(surface->buffer);
            surface->buffer = buffer;
            surface->bufferSize = size;
            wl_surface_attach(surface->surface, buffer, 0, 0);
            wl_surface_damage(surface->surface, 0, 0, size.width(), size.height());
        }
    }
    wl_surface_commit(surface->surface);
}

void Connection::Closed(void* data, zwlr_layer_surface_v1* layerSurface) {
    // The compositor took it away: mostly its output's removal follows;
    // otherwise the next change makes it again if it is still wanted.
    auto* surface = static_cast<Surface*>(data);
    Connection* self = surface->connection;
    if (self->Find(layerSurface) == surface) {
        self->m_layout.Forget(surface->strip.output, surface->strip.area);
        self->DestroySurface(surface);
    }
}

CKelvoCommonLayerShellHookSource::CKelvoCommonLayerShellHookSource() = default;

CKelvoCommonLayerShellHookSource::~CKelvoCommonLayerShellHookSource() {
    Stop();
}

bool CKelvoCommonLayerShellHookSource::Start(Sink sink) {
    if (m_connection)
        return true;
    auto deliver = [this, sink = std::move(sink)](const PointerEvent& event) {
        switch (event.kind) {
        case PointerEvent::Kind::Move:
            sink(kMouseMove, {event.point, false});
            break;
        case PointerEvent::Kind::LeftPress:
            sink(LeftPressMessage(event.point, event.time), {event.point, event.overDesktop});
            break;
        case PointerEvent::Kind::RightPress:
        case PointerEvent::Kind::MiddlePress:
            OtherButtonPressed();
            sink(event.kind == PointerEvent::Kind::RightPress ? kRightButtonDown
                                                              : kMiddleButtonDown,
                 {event.point, false});
            break;
        }
    };
    auto connection = std::make_unique<Connection>(std::move(deliver));
    if (!connection->Open())
        return false;
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        qCWarning(lcKelvoCommon) << "the hook's listener cannot be woken:" << std::strerror(errno);
        return false;
    }
    TakeDoubleClickRuleFromDesktop();
    TrackScreens(false); // Wayland positions are logical pixels, as Qt's
    m_areasChanged.store(false);
    connection->SetAreas(FromBits(m_areas.load()));
    wl_display_flush(connection->Display());
    m_connection = std::move(connection);
    m_quit.store(false);
    m_thread = std::thread([this] { Run(); });
    return true;
}

void CKelvoCommonLayerShellHookSource::Stop() {
    if (!m_connection)
        return;
    m_quit.store(true);
    const std::uint64_t one = 1;
    if (write(m_wakeFd, &one, sizeof one) < 0)
        qCWarning(lcKelvoCommon) << "the hook's listener could not be woken";
    m_thread.join();
    m_connection.reset();
    close(m_wakeFd);
    m_wakeFd = -1;
}

QPoint CKelvoCommonLayerShellHookSource::CursorPos() {
    // A Wayland client learns the pointer's place only over its own
    // surfaces: the last place seen there.
    return m_connection ? m_connection->Position() : QCursor::pos();
}

void CKelvoCommonLayerShellHookSource::SetAreas(const CKelvoCommonHookMouseAreas& areas) {
    m_areas.store(ToBits(areas));
    if (!m_connection)
        return;
    m_areasChanged.store(true);
    const std::uint64_t one = 1;
    if (write(m_wakeFd, &one, sizeof one) < 0)
        qCWarning(lcKelvoCommon) << "the hook's listener could not be woken";
}

void CKelvoCommonLayerShellHookSource::Run() {
    wl_display* display = m_connection->Display();
    const int fd = wl_display_get_fd(display);
    while (!m_quit.load()) {
        if (m_areasChanged.exchange(false))
            m_connection->SetAreas(FromBits(m_areas.load()));
        while (wl_display_prepare_read(display) != 0)
            wl_display_dispatch_pending(display);
        short waitFor = POLLIN;
        if (wl_display_flush(display) < 0 && errno == EAGAIN)
            waitFor |= POLLOUT;
        pollfd fds[2] = {{fd, waitFor, 0}, {m_wakeFd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            wl_display_cancel_read(display);
            if (errno == EINTR)
                continue;
            break;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            if (wl_display_read_events(display) < 0)
                break;
        } else {
            wl_display_cancel_read(display);
        }
        if ((fds[1].revents & POLLIN) != 0) {
            std::uint64_t count = 0;
            if (read(m_wakeFd, &count, sizeof count) < 0 && errno != EAGAIN)
                break;
        }
        if (wl_display_dispatch_pending(display) < 0 || (fds[0].revents & (POLLERR | POLLHUP)) != 0)
            break;
    }
    if (!m_quit.load())
        qCWarning(lcKelvoCommon) << "the Wayland connection of the screen edges was lost";
}
