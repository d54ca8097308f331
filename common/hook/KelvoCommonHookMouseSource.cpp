// SPDX-License-Identifier: MIT
#include "common/hook/KelvoCommonHookMouseSource.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>
#include <algorithm>
#include <cstdlib>

void CKelvoCommonHookScreens::Store(const std::vector<QRect>& screens) {
    const std::size_t count = std::min(screens.size(), kMost);
    for (std::size_t i = 0; i < count; ++i) {
        const QRect& rect = screens[i];
        m_rects[i][0].store(rect.x());
        m_rects[i][1].store(rect.y());
        m_rects[i][2].store(rect.width());
        m_rects[i][3].store(rect.height());
    }
    m_count.store(count);
}

std::vector<QRect> CKelvoCommonHookScreens::Load() const {
    std::vector<QRect> screens(std::min(m_count.load(), kMost));
    for (std::size_t i = 0; i < screens.size(); ++i)
        screens[i] = QRect(m_rects[i][0].load(), m_rects[i][1].load(), m_rects[i][2].load(),
                           m_rects[i][3].load());
    return screens;
}

CKelvoCommonHookMouseSource::CKelvoCommonHookMouseSource() = default;
CKelvoCommonHookMouseSource::~CKelvoCommonHookMouseSource() = default;

void CKelvoCommonHookMouseSource::TrackScreens(bool devicePixels) {
    if (qGuiApp == nullptr || m_screenWatch)
        return;
    m_screenWatch = std::make_unique<QObject>();
    const auto reread = [this, devicePixels] { ReadScreens(devicePixels); };
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, m_screenWatch.get(), reread);
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, m_screenWatch.get(), reread);
    ReadScreens(devicePixels);
}

namespace {
std::vector<QRect> ScreenRects(bool devicePixels) {
    std::vector<QRect> rects;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const qreal ratio = devicePixels ? screen->devicePixelRatio() : 1.0;
        rects.emplace_back(qRound(g.x() * ratio), qRound(g.y() * ratio), qRound(g.width() * ratio),
                           qRound(g.height() * ratio));
    }
    return rects;
}
} // namespace

void CKelvoCommonHookMouseSource::ReadScreens(bool devicePixels) {
    m_geometryWatch = std::make_unique<QObject>();
    for (const QScreen* screen : QGuiApplication::screens())
        QObject::connect(screen, &QScreen::geometryChanged, m_geometryWatch.get(),
                         [this, devicePixels] { m_screens.Store(ScreenRects(devicePixels)); });
    m_screens.Store(ScreenRects(devicePixels));
}

void CKelvoCommonHookMouseSource::SetAreas(const CKelvoCommonHookMouseAreas&) {}

void CKelvoCommonHookMouseSource::SetDoubleClickRule(int intervalMs, int distance) {
    m_intervalMs.store(intervalMs);
    m_distance.store(distance);
}

void CKelvoCommonHookMouseSource::TakeDoubleClickRuleFromDesktop() {
    if (qGuiApp == nullptr)
        return;
    const QStyleHints* hints = QGuiApplication::styleHints();
    SetDoubleClickRule(hints->mouseDoubleClickInterval(), hints->mouseDoubleClickDistance());
}

int CKelvoCommonHookMouseSource::LeftPressMessage(QPoint point, std::uint32_t timeMs) {
    const int distance = m_distance.load();
    const bool pair = m_havePress &&
                      timeMs - m_lastTime <= static_cast<std::uint32_t>(m_intervalMs.load()) &&
                      std::abs(point.x() - m_lastPoint.x()) <= distance &&
                      std::abs(point.y() - m_lastPoint.y()) <= distance;
    // A completed pair is spent: the next press begins a new one, so a
    // triple click counts as one double click.
    m_havePress = !pair;
    m_lastPoint = point;
    m_lastTime = timeMs;
    return pair ? kLeftButtonDoubleClick : kLeftButtonDown;
}
