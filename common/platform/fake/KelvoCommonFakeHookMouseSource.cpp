// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeHookMouseSource.h"

#include "common/platform/fake/KelvoCommonFakeClock.h"

CKelvoCommonFakeHookMouseSource::CKelvoCommonFakeHookMouseSource(const CKelvoCommonFakeClock* clock)
    : m_clock(clock) {
    SetScreens({QRect(0, 0, 1920, 1080)});
}

bool CKelvoCommonFakeHookMouseSource::Start(Sink sink) {
    ++m_startCount;
    if (m_unavailable)
        return false;
    m_sink = std::move(sink);
    return true;
}

void CKelvoCommonFakeHookMouseSource::Stop() {
    m_sink = nullptr;
}

void CKelvoCommonFakeHookMouseSource::MoveTo(QPoint point) {
    m_cursor = point;
    if (m_sink)
        m_sink(kMouseMove, {point, false});
}

void CKelvoCommonFakeHookMouseSource::LeftPress(bool overDesktop) {
    const auto time = static_cast<std::uint32_t>(m_clock != nullptr ? m_clock->Now() : 0);
    const int message = LeftPressMessage(m_cursor, time);
    if (m_sink)
        m_sink(message, {m_cursor, overDesktop});
}

void CKelvoCommonFakeHookMouseSource::RightPress() {
    OtherButtonPressed();
    if (m_sink)
        m_sink(kRightButtonDown, {m_cursor, false});
}
