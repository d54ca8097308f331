// SPDX-License-Identifier: MIT
#pragma once

#include "common/hook/KelvoCommonHookMouseSource.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

// What a layer-shell surface of the hook watches: one edge of an output, or
// the whole output below every window (the bare desktop).
enum class CKelvoCommonLayerShellArea { Top, Bottom, Left, Right, Desktop };

// One surface to make: where it is anchored and on which layer, the size to
// ask for and where it then lies in the desktop's global logical pixels.
struct CKelvoCommonLayerShellStrip {
    // The layer-shell protocol's values.
    static constexpr std::uint32_t kAnchorTop = 1;
    static constexpr std::uint32_t kAnchorBottom = 2;
    static constexpr std::uint32_t kAnchorLeft = 4;
    static constexpr std::uint32_t kAnchorRight = 8;
    static constexpr std::uint32_t kLayerBottom = 1;
    static constexpr std::uint32_t kLayerOverlay = 3;

    std::uint32_t output = 0; // the output's registry name
    CKelvoCommonLayerShellArea area = CKelvoCommonLayerShellArea::Desktop;
    std::uint32_t anchor = 0;
    std::uint32_t layer = 0;
    QSize size; // 0 in a dimension: as long as the output
    QRect rect;

    bool operator==(const CKelvoCommonLayerShellStrip&) const = default;
};

// The surfaces for one output (its logical rectangle) and the areas wanted:
// a 1-pixel strip on the overlay layer per edge, the full output on the
// bottom layer for the desktop click.
std::vector<CKelvoCommonLayerShellStrip>
KelvoLayerShellStrips(std::uint32_t output, const QRect& rect,
                      const CKelvoCommonHookMouseAreas& areas);

// Which surfaces exist as outputs come and go and the areas change. Each
// change answers what to make, what to destroy and what moved (an output's
// new position: the compositor moves the surface, only its global
// rectangle changes).
class CKelvoCommonLayerShellLayout final {
public:
    struct Changes {
        std::vector<CKelvoCommonLayerShellStrip> added;
        std::vector<CKelvoCommonLayerShellStrip> removed;
        std::vector<CKelvoCommonLayerShellStrip> moved;
    };

    Changes SetOutput(std::uint32_t output, const QRect& rect);
    Changes RemoveOutput(std::uint32_t output);
    Changes SetAreas(const CKelvoCommonHookMouseAreas& areas);
    const CKelvoCommonHookMouseAreas& Areas() const { return m_areas; }
    // The compositor closed that surface: the next change makes it again
    // if it is still wanted.
    void Forget(std::uint32_t output, CKelvoCommonLayerShellArea area) {
        m_strips.erase({output, area});
    }

private:
    using Key = std::pair<std::uint32_t, CKelvoCommonLayerShellArea>;
    Changes Update();

    std::map<std::uint32_t, QRect> m_outputs;
    CKelvoCommonHookMouseAreas m_areas;
    std::map<Key, CKelvoCommonLayerShellStrip> m_strips;
};

// Turns pointer events on the hook's surfaces (surface-local positions)
// into the hook's moves and presses at global positions. On an edge strip
// every move counts; entering a strip is a move from one pixel inside the
// output onto the edge, leaving it a move back there. On the desktop
// surface only presses count (overDesktop), the moves are merely noted.
class CKelvoCommonLayerShellPointer final {
public:
    // Linux input button codes.
    static constexpr std::uint32_t kButtonLeft = 0x110;
    static constexpr std::uint32_t kButtonRight = 0x111;
    static constexpr std::uint32_t kButtonMiddle = 0x112;

    struct Event {
        enum class Kind { Move, LeftPress, RightPress, MiddlePress };
        Kind kind = Kind::Move;
        QPoint point;
        bool overDesktop = false;
        std::uint32_t time = 0;
    };
    using Sink = std::function<void(const Event&)>;

    explicit CKelvoCommonLayerShellPointer(Sink sink);

    // surface is whatever identifies it to the caller; a known surface
    // given again has moved.
    void SetSurface(const void* surface, const CKelvoCommonLayerShellStrip& strip);
    void RemoveSurface(const void* surface);

    void Enter(const void* surface, QPointF local);
    void Motion(std::uint32_t time, QPointF local);
    void Leave(const void* surface);
    void Button(std::uint32_t time, std::uint32_t button, bool pressed);

    // The last position known. Any thread.
    QPoint Position() const { return {m_x.load(), m_y.load()}; }

private:
    static QPoint ToGlobal(const CKelvoCommonLayerShellStrip& strip, QPointF local);
    // One pixel off the edge, into the output.
    static QPoint Inward(CKelvoCommonLayerShellArea area, QPoint point);
    void Note(QPoint point);

    Sink m_sink;
    std::map<const void*, CKelvoCommonLayerShellStrip> m_surfaces;
    const void* m_current = nullptr;
    std::uint32_t m_lastTime = 0;
    std::atomic<int> m_x{0};
    std::atomic<int> m_y{0};
};
