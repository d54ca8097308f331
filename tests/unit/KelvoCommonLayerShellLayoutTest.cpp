// SPDX-License-Identifier: MIT
// The layer-shell surfaces of the Wayland hook: which exist per output and
// areas, and how pointer events on them become the hook's events. No
// compositor: the events are made up.
#include "common/platform/wayland/KelvoCommonLayerShellLayout.h"

#include "common/platform/wayland/KelvoCommonLayerShellHookSource.h"

#include <QStringList>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <thread>
#include <vector>
#include <wayland-server.h>

namespace {

using Area = CKelvoCommonLayerShellArea;
using Strip = CKelvoCommonLayerShellStrip;
using Event = CKelvoCommonLayerShellPointer::Event;
using Kind = Event::Kind;

constexpr CKelvoCommonHookMouseAreas kAllEdges{true, true, true, true, false};
constexpr CKelvoCommonHookMouseAreas kLeftAndDesktop{false, false, true, false, true};
const QRect kFirst{0, 0, 1280, 800};
const QRect kSecond{1280, 0, 1920, 1080};

TEST(LayerShellStrips, OnePixelAlongEachEdgeAndTheWholeOutputBelowTheWindows) {
    constexpr std::uint32_t T = Strip::kAnchorTop, B = Strip::kAnchorBottom, L = Strip::kAnchorLeft,
                            R = Strip::kAnchorRight;
    constexpr std::uint32_t kOverlay = Strip::kLayerOverlay, kBottom = Strip::kLayerBottom;
    struct Row {
        const char* name;
        QRect output;
        CKelvoCommonHookMouseAreas areas;
        std::vector<Strip> strips;
    };
    const std::vector<Row> rows = {
        {"all four edges of the first output",
         kFirst,
         kAllEdges,
         {{7, Area::Top, T | L | R, kOverlay, {0, 1}, {0, 0, 1280, 1}},
          {7, Area::Bottom, B | L | R, kOverlay, {0, 1}, {0, 799, 1280, 1}},
          {7, Area::Left, L | T | B, kOverlay, {1, 0}, {0, 0, 1, 800}},
          {7, Area::Right, R | T | B, kOverlay, {1, 0}, {1279, 0, 1, 800}}}},
        {"an output right of another lies at its own position",
         kSecond,
         {false, true, false, true, false},
         {{7, Area::Bottom, B | L | R, kOverlay, {0, 1}, {1280, 1079, 1920, 1}},
          {7, Area::Right, R | T | B, kOverlay, {1, 0}, {3199, 0, 1, 1080}}}},
        {"the desktop click alone",
         kSecond,
         {false, false, false, false, true},
         {{7, Area::Desktop, T | B | L | R, kBottom, {0, 0}, kSecond}}},
        {"nothing wanted", kFirst, {}, {}},
        {"an output not yet sized", QRect(), kAllEdges, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(KelvoLayerShellStrips(7, row.output, row.areas), row.strips);
    }
}

std::vector<Area> Areas(const std::vector<Strip>& strips, std::uint32_t output) {
    std::vector<Area> areas;
    for (const Strip& strip : strips) {
        if (strip.output == output)
            areas.push_back(strip.area);
    }
    return areas;
}

TEST(LayerShellLayout, OutputsComeAndGoAndTheBehaviorPageChangesTheAreas) {
    CKelvoCommonLayerShellLayout layout;
    // Outputs known before the areas get nothing yet.
    EXPECT_TRUE(layout.SetOutput(1, kFirst).added.empty());
    auto changes = layout.SetAreas(kLeftAndDesktop);
    EXPECT_EQ(Areas(changes.added, 1), (std::vector{Area::Left, Area::Desktop}));

    changes = layout.SetOutput(2, kSecond); // plugged in
    EXPECT_EQ(Areas(changes.added, 2), (std::vector{Area::Left, Area::Desktop}));
    EXPECT_TRUE(changes.removed.empty());

    changes = layout.SetOutput(1, kFirst); // the same again: nothing to do
    EXPECT_TRUE(changes.added.empty() && changes.removed.empty() && changes.moved.empty());

    changes = layout.SetOutput(2, kSecond.translated(0, 100)); // moved
    ASSERT_EQ(changes.moved.size(), 2u);
    EXPECT_EQ(changes.moved[0].rect, QRect(1280, 100, 1, 1080));
    EXPECT_TRUE(changes.added.empty() && changes.removed.empty());

    changes = layout.SetAreas({false, false, false, false, true}); // the left edge off
    EXPECT_EQ(Areas(changes.removed, 1), std::vector{Area::Left});
    EXPECT_EQ(Areas(changes.removed, 2), std::vector{Area::Left});
    EXPECT_TRUE(changes.added.empty());

    layout.Forget(2, Area::Desktop); // closed by the compositor
    changes = layout.SetOutput(1, kFirst);
    EXPECT_EQ(Areas(changes.added, 2), std::vector{Area::Desktop}) << "made again";

    changes = layout.RemoveOutput(1); // unplugged
    EXPECT_EQ(Areas(changes.removed, 1), std::vector{Area::Desktop});
    EXPECT_TRUE(Areas(changes.removed, 2).empty());

    changes = layout.SetAreas({}); // all off
    EXPECT_EQ(Areas(changes.removed, 2), std::vector{Area::Desktop});
}

TEST(LayerShellLayout, NoStripWhereOneOutputMeetsAnother) {
    CKelvoCommonLayerShellLayout layout;
    layout.SetAreas(kAllEdges);
    layout.SetOutput(1, kFirst);
    // kSecond is taller: the first output's right side lies wholly beside it,
    // the second's left side only in part.
    const auto changes = layout.SetOutput(2, kSecond);
    EXPECT_EQ(Areas(changes.removed, 1), std::vector{Area::Right});
    EXPECT_EQ(Areas(changes.added, 2),
              (std::vector{Area::Top, Area::Bottom, Area::Left, Area::Right}));
    EXPECT_EQ(Areas(layout.SetOutput(2, kSecond.adjusted(0, 0, 0, -280)).removed, 2),
              std::vector{Area::Left})
        << "outputs of the same height";
}

// Surfaces of a two-output desktop, identified by these addresses.
const int kLeftOfFirst = 0;
const int kRightOfFirst = 0;
const int kTopOfSecond = 0;
const int kDesktopOfSecond = 0;

struct Input {
    enum Type { Enter, Motion, Leave, Press, Release } type;
    const void* surface = nullptr;
    QPointF local;
    std::uint32_t button = CKelvoCommonLayerShellPointer::kButtonLeft;
};
Input EnterAt(const int& surface, QPointF local) {
    return {Input::Enter, &surface, local};
}
Input MoveTo(QPointF local) {
    return {Input::Motion, nullptr, local};
}
Input LeaveFrom(const int& surface) {
    return {Input::Leave, &surface, {}};
}
Input Press(std::uint32_t button = CKelvoCommonLayerShellPointer::kButtonLeft) {
    return {Input::Press, nullptr, {}, button};
}
Input Release() {
    return {Input::Release, nullptr, {}};
}

Event Move(int x, int y) {
    return {Kind::Move, {x, y}, false, 0};
}
Event Pressed(Kind kind, int x, int y, bool desktop = false) {
    return {kind, {x, y}, desktop, 0};
}

TEST(LayerShellPointer, EventsOnTheSurfacesBecomeTheHooksEventsAtGlobalPositions) {
    struct Row {
        const char* name;
        std::vector<Input> input;
        std::vector<Event> events;
        QPoint position;
    };
    const std::vector<Row> rows = {
        {"along the left edge, then away",
         {EnterAt(kLeftOfFirst, {0, 400.5}), MoveTo({0.7, 401}), LeaveFrom(kLeftOfFirst)},
         {Move(1, 400), Move(0, 400), Move(0, 401), Move(1, 401)},
         {1, 401}},
        {"the right edge of the first output, and leaving inwards",
         {EnterAt(kRightOfFirst, {0, 10}), LeaveFrom(kRightOfFirst)},
         {Move(1278, 10), Move(1279, 10), Move(1278, 10)},
         {1278, 10}},
        {"the top edge of the second output",
         {EnterAt(kTopOfSecond, {5, 0}), LeaveFrom(kTopOfSecond)},
         {Move(1285, 1), Move(1285, 0), Move(1285, 1)},
         {1285, 1}},
        {"a press at an edge; releases and wheel buttons count for nothing",
         {EnterAt(kLeftOfFirst, {0, 7}), Press(), Release(), Press(0x113), Press(0x111)},
         {Move(1, 7), Move(0, 7), Pressed(Kind::LeftPress, 0, 7), Pressed(Kind::RightPress, 0, 7)},
         {0, 7}},
        {"the desktop: moves only noted, presses over the desktop",
         {EnterAt(kDesktopOfSecond, {100, 200}), MoveTo({110, 210}), Press(), Press(0x112),
          LeaveFrom(kDesktopOfSecond)},
         {Pressed(Kind::LeftPress, 1390, 210, true), Pressed(Kind::MiddlePress, 1390, 210, true)},
         {1390, 210}},
        {"another client's surface, and a stale leave",
         {EnterAt(kLeftOfFirst, {0, 5}),
          LeaveFrom(kLeftOfFirst),
          {Input::Enter, nullptr, {3, 3}},
          MoveTo({4, 4}),
          Press(),
          LeaveFrom(kLeftOfFirst)},
         {Move(1, 5), Move(0, 5), Move(1, 5)},
         {1, 5}},
    };
    CKelvoCommonHookMouseAreas all = kAllEdges;
    all.desktop = true;
    const auto strip = [&](const QRect& output, Area area) {
        for (const Strip& s : KelvoLayerShellStrips(1, output, all)) {
            if (s.area == area)
                return s;
        }
        return Strip{};
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Event> events;
        CKelvoCommonLayerShellPointer pointer([&](const Event& event) {
            events.push_back(event);
            events.back().time = 0;
        });
        pointer.SetSurface(&kLeftOfFirst, strip(kFirst, Area::Left));
        pointer.SetSurface(&kRightOfFirst, strip(kFirst, Area::Right));
        pointer.SetSurface(&kTopOfSecond, strip(kSecond, Area::Top));
        pointer.SetSurface(&kDesktopOfSecond, strip(kSecond, Area::Desktop));
        for (const Input& in : row.input) {
            switch (in.type) {
            case Input::Enter:
                pointer.Enter(in.surface, in.local);
                break;
            case Input::Motion:
                pointer.Motion(1, in.local);
                break;
            case Input::Leave:
                pointer.Leave(in.surface);
                break;
            case Input::Press:
            case Input::Release:
                pointer.Button(2, in.button, in.type == Input::Press);
                break;
            }
        }
        ASSERT_EQ(events.size(), row.events.size());
        for (std::size_t i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i].kind, row.events[i].kind) << i;
            EXPECT_EQ(events[i].point, row.events[i].point) << i;
            EXPECT_EQ(events[i].overDesktop, row.events[i].overDesktop) << i;
        }
        EXPECT_EQ(pointer.Position(), row.position);
    }
}

TEST(LayerShellPointer, ASurfaceRemovedUnderThePointerIsForgotten) {
    std::vector<Event> events;
    CKelvoCommonLayerShellPointer pointer([&](const Event& event) { events.push_back(event); });
    pointer.SetSurface(&kLeftOfFirst, KelvoLayerShellStrips(1, kFirst, kAllEdges)[2]);
    pointer.Enter(&kLeftOfFirst, {0, 9});
    pointer.RemoveSurface(&kLeftOfFirst); // the edge switched off meanwhile
    pointer.Motion(1, {0, 10});
    pointer.Button(2, CKelvoCommonLayerShellPointer::kButtonLeft, true);
    pointer.Leave(&kLeftOfFirst);
    EXPECT_EQ(events.size(), 2u) << "the enter only";
}

QStringList g_lines;

// A compositor without layer-shell, as GNOME's: a compositor and shared
// memory, nothing else. The source reaches it through WAYLAND_SOCKET.
class GnomeLikeCompositor final {
public:
    GnomeLikeCompositor() {
        int fds[2];
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0);
        wl_global_create(m_display, &wl_compositor_interface, 4, nullptr,
                         [](wl_client* client, void*, std::uint32_t version, std::uint32_t id) {
                             wl_resource_create(client, &wl_compositor_interface,
                                                static_cast<int>(version), id);
                         });
        wl_display_init_shm(m_display);
        wl_client_create(m_display, fds[0]);
        m_clientFd = fds[1];
        m_thread = std::thread([this] { wl_display_run(m_display); });
    }
    ~GnomeLikeCompositor() {
        wl_display_terminate(m_display);
        m_thread.join();
        wl_display_destroy_clients(m_display);
        wl_display_destroy(m_display);
    }
    GnomeLikeCompositor(const GnomeLikeCompositor&) = delete;
    GnomeLikeCompositor& operator=(const GnomeLikeCompositor&) = delete;
    int ClientFd() const { return m_clientFd; }

private:
    wl_display* m_display = wl_display_create();
    int m_clientFd = -1;
    std::thread m_thread;
};

TEST(LayerShellHookSource, ACompositorWithoutLayerShellGetsOneLineAndNoHook) {
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    GnomeLikeCompositor compositor;
    // The client side takes the socket over and closes it.
    qputenv("WAYLAND_SOCKET", QByteArray::number(compositor.ClientFd()));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { g_lines << text; });
    CKelvoCommonLayerShellHookSource source;
    source.SetAreas(kAllEdges);
    int events = 0;
    EXPECT_FALSE(source.Start([&](int, const CKelvoCommonHookMouseData&) { ++events; }));
    qunsetenv("WAYLAND_SOCKET");
    qputenv("WAYLAND_DISPLAY", "/nonexistent/wayland-socket");
    EXPECT_FALSE(source.Start([&](int, const CKelvoCommonHookMouseData&) { ++events; }));
    source.Stop();
    if (display.isNull())
        qunsetenv("WAYLAND_DISPLAY");
    else
        qputenv("WAYLAND_DISPLAY", display);
    qInstallMessageHandler(previous);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(g_lines, QStringList{QStringLiteral(
                           "this compositor has no wlr-layer-shell: the screen edges and the "
                           "desktop double click are not available in this session")})
        << "one line, and only once";
}

} // namespace
