// SPDX-License-Identifier: MIT
#include "KelvoCommonHookMouseSource.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <cstdlib>

CKelvoCommonHookMouseSource::CKelvoCommonHookMouseSource() = default;
CKelvoCommonHookMouseSource::~CKelvoCommonHookMouseSource() = default;

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
