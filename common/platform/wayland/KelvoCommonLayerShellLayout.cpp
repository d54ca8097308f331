// SPDX-License-Identifier: MIT
#include "common/platform/wayland/KelvoCommonLayerShellLayout.h"

#include <QRegion>
#include <cmath>

using Strip = CKelvoCommonLayerShellStrip;
using Area = CKelvoCommonLayerShellArea;

std::vector<Strip> KelvoLayerShellStrips(std::uint32_t output, const QRect& rect,
                                         const CKelvoCommonHookMouseAreas& areas) {
    std::vector<Strip> strips;
    if (rect.isEmpty())
        return strips;
    const auto add = [&](Area area, std::uint32_t anchor, std::uint32_t layer, QSize size,
                         QRect where) {
        strips.push_back({output, area, anchor, layer, size, where});
    };
    const std::uint32_t across = Strip::kAnchorLeft | Strip::kAnchorRight;
    const std::uint32_t down = Strip::kAnchorTop | Strip::kAnchorBottom;
    if (areas.top)
        add(Area::Top, Strip::kAnchorTop | across, Strip::kLayerOverlay, {0, 1},
            {rect.left(), rect.top(), rect.width(), 1});
    if (areas.bottom)
        add(Area::Bottom, Strip::kAnchorBottom | across, Strip::kLayerOverlay, {0, 1},
            {rect.left(), rect.bottom(), rect.width(), 1});
    if (areas.left)
        add(Area::Left, Strip::kAnchorLeft | down, Strip::kLayerOverlay, {1, 0},
            {rect.left(), rect.top(), 1, rect.height()});
    if (areas.right)
        add(Area::Right, Strip::kAnchorRight | down, Strip::kLayerOverlay, {1, 0},
            {rect.right(), rect.top(), 1, rect.height()});
    if (areas.desktop)
        add(Area::Desktop, across | down, Strip::kLayerBottom, {0, 0}, rect);
    return strips;
}

CKelvoCommonLayerShellLayout::Changes CKelvoCommonLayerShellLayout::SetOutput(std::uint32_t output,
                                                                              const QRect& rect) {
    m_outputs[output] = rect;
    return Update();
}

CKelvoCommonLayerShellLayout::Changes
CKelvoCommonLayerShellLayout::RemoveOutput(std::uint32_t output) {
    m_outputs.erase(output);
    return Update();
}

CKelvoCommonLayerShellLayout::Changes
CKelvoCommonLayerShellLayout::SetAreas(const CKelvoCommonHookMouseAreas& areas) {
    m_areas = areas;
    return Update();
}

namespace {
// A side that other outputs continue along its whole length is no edge of
// the desktop: the pointer passes it, and a strip there would only take the
// clicks meant for the windows under it.
bool Continued(const Strip& strip, std::uint32_t output,
               const std::map<std::uint32_t, QRect>& outputs) {
    QRect beside;
    switch (strip.area) {
    case Area::Left:
        beside = strip.rect.translated(-1, 0);
        break;
    case Area::Right:
        beside = strip.rect.translated(1, 0);
        break;
    case Area::Top:
        beside = strip.rect.translated(0, -1);
        break;
    case Area::Bottom:
        beside = strip.rect.translated(0, 1);
        break;
    case Area::Desktop:
        return false;
    }
    QRegion open(beside);
    for (const auto& [other, rect] : outputs) {
        if (other != output)
            open -= QRegion(rect);
    }
    return open.isEmpty();
}
} // namespace

CKelvoCommonLayerShellLayout::Changes CKelvoCommonLayerShellLayout::Update() {
    std::map<Key, Strip> wanted;
    for (const auto& [output, rect] : m_outputs) {
        for (Strip& strip : KelvoLayerShellStrips(output, rect, m_areas))
            if (!Continued(strip, output, m_outputs))
                wanted.emplace(Key{strip.output, strip.area}, std::move(strip));
    }
    Changes changes;
    for (const auto& [key, strip] : m_strips) {
        if (wanted.find(key) == wanted.end())
            changes.removed.push_back(strip);
    }
    for (const auto& [key, strip] : wanted) {
        const auto found = m_strips.find(key);
        if (found == m_strips.end())
            changes.added.push_back(strip);
        else if (!(found->second == strip))
            changes.moved.push_back(strip);
    }
    m_strips = std::move(wanted);
    return changes;
}

CKelvoCommonLayerShellPointer::CKelvoCommonLayerShellPointer(Sink sink) : m_sink(std::move(sink)) {}

void CKelvoCommonLayerShellPointer::SetSurface(const void* surface, const Strip& strip) {
    m_surfaces[surface] = strip;
}

void CKelvoCommonLayerShellPointer::RemoveSurface(const void* surface) {
    m_surfaces.erase(surface);
    if (m_current == surface)
        m_current = nullptr;
}

void CKelvoCommonLayerShellPointer::Enter(const void* surface, QPointF local) {
    const auto found = m_surfaces.find(surface);
    m_current = found != m_surfaces.end() ? surface : nullptr;
    if (m_current != nullptr && found->second.area != Area::Desktop) {
        // The pointer came from inside the output. Said first, so that a
        // leave the hook let pass (its guard was up) still counts as one.
        const QPoint edge = ToGlobal(found->second, local);
        m_sink({Event::Kind::Move, Inward(found->second.area, edge), false, m_lastTime});
    }
    Motion(m_lastTime, local);
}

void CKelvoCommonLayerShellPointer::Motion(std::uint32_t time, QPointF local) {
    m_lastTime = time;
    const auto found = m_surfaces.find(m_current);
    if (found == m_surfaces.end())
        return;
    const QPoint point = ToGlobal(found->second, local);
    Note(point);
    if (found->second.area != Area::Desktop)
        m_sink({Event::Kind::Move, point, false, time});
}

void CKelvoCommonLayerShellPointer::Leave(const void* surface) {
    const auto found = m_surfaces.find(surface);
    if (surface != m_current || found == m_surfaces.end()) {
        if (surface == m_current)
            m_current = nullptr;
        return;
    }
    m_current = nullptr;
    if (found->second.area == Area::Desktop)
        return;
    const QPoint point = Inward(found->second.area, Position());
    Note(point);
    m_sink({Event::Kind::Move, point, false, m_lastTime});
}

void CKelvoCommonLayerShellPointer::Button(std::uint32_t time, std::uint32_t button, bool pressed) {
    m_lastTime = time;
    const auto found = m_surfaces.find(m_current);
    if (!pressed || found == m_surfaces.end())
        return;
    Event event{Event::Kind::LeftPress, Position(), found->second.area == Area::Desktop, time};
    if (button == kButtonRight)
        event.kind = Event::Kind::RightPress;
    else if (button == kButtonMiddle)
        event.kind = Event::Kind::MiddlePress;
    else if (button != kButtonLeft)
        return;
    m_sink(event);
}

QPoint CKelvoCommonLayerShellPointer::ToGlobal(const Strip& strip, QPointF local) {
    // Surface-local positions are fractional; pixels are whole.
    QPoint point = strip.rect.topLeft() + QPoint(static_cast<int>(std::floor(local.x())),
                                                 static_cast<int>(std::floor(local.y())));
    // A strip's pixels all lie on its edge, however the compositor rounds.
    if (strip.area == Area::Left || strip.area == Area::Right)
        point.setX(strip.rect.left());
    else if (strip.area == Area::Top || strip.area == Area::Bottom)
        point.setY(strip.rect.top());
    return point;
}

QPoint CKelvoCommonLayerShellPointer::Inward(Area area, QPoint point) {
    switch (area) {
    case Area::Left:
        return point + QPoint(1, 0);
    case Area::Right:
        return point - QPoint(1, 0);
    case Area::Top:
        return point + QPoint(0, 1);
    case Area::Bottom:
        return point - QPoint(0, 1);
    case Area::Desktop:
        break;
    }
    return point;
}

void CKelvoCommonLayerShellPointer::Note(QPoint point) {
    m_x.store(point.x());
    m_y.store(point.y());
}
