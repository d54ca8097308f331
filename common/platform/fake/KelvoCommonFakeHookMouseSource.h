// SPDX-License-Identifier: MIT
#pragma once

#include "common/hook/KelvoCommonHookMouseSource.h"

class CKelvoCommonFakeClock;

// Mouse events a test makes up. Presses are stamped with the fake clock's
// time, so double clicks follow the clock. Events reach the hook only
// while it is started, on the test's thread.
class CKelvoCommonFakeHookMouseSource final : public CKelvoCommonHookMouseSource {
public:
    explicit CKelvoCommonFakeHookMouseSource(const CKelvoCommonFakeClock* clock = nullptr);

    bool Start(Sink sink) override;
    void Stop() override;
    QPoint CursorPos() override { return m_cursor; }
    void SetAreas(const CKelvoCommonHookMouseAreas& areas) override { m_areas = areas; }

    bool IsStarted() const { return static_cast<bool>(m_sink); }
    int StartCount() const { return m_startCount; }
    // Start fails from now on, as it does without a display.
    void SetUnavailable(bool unavailable) { m_unavailable = unavailable; }
    using CKelvoCommonHookMouseSource::SetScreens;
    // The areas the hook last said it acts on.
    const CKelvoCommonHookMouseAreas& Areas() const { return m_areas; }

    // Puts the pointer there and delivers the move.
    void MoveTo(QPoint point);
    // A left press where the pointer is; overDesktop: the bare desktop is under it.
    void LeftPress(bool overDesktop = false);
    void RightPress();

private:
    const CKelvoCommonFakeClock* m_clock;
    Sink m_sink;
    QPoint m_cursor{100, 100};
    CKelvoCommonHookMouseAreas m_areas;
    int m_startCount = 0;
    bool m_unavailable = false;
};
