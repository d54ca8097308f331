// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeClock.h"

#include "common/KelvoCommonLog.h"

#include <algorithm>
#include <limits>

void CKelvoCommonFakeClock::RunLater(int delayMs, std::function<void()> task) {
    const std::lock_guard lock(m_mutex);
    m_tasks.push_back({m_now + std::max(delayMs, 0), m_nextOrder++, std::move(task)});
}

void CKelvoCommonFakeClock::Wait(const std::function<bool()>& done) {
    ++m_waiting;
    while (!done()) {
        if (!RunNext(std::numeric_limits<qint64>::max())) {
            qCWarning(lcKelvoCommon) << "a wait on the fake clock has no task left to run";
            break;
        }
    }
    --m_waiting;
}

void CKelvoCommonFakeClock::Input(const std::function<void()>& handle) {
    if (m_waiting > 0)
        Hold(handle);
    else
        handle();
}

void CKelvoCommonFakeClock::Advance(qint64 milliSeconds) {
    qint64 end = 0;
    {
        const std::lock_guard lock(m_mutex);
        end = m_now + std::max<qint64>(milliSeconds, 0);
    }
    while (RunNext(end)) {
    }
    const std::lock_guard lock(m_mutex);
    // A wait in one of the tasks may have moved the clock further.
    m_now = std::max(m_now, end);
}

bool CKelvoCommonFakeClock::RunNext(qint64 end) {
    std::function<void()> run;
    {
        const std::lock_guard lock(m_mutex);
        const auto next =
            std::min_element(m_tasks.begin(), m_tasks.end(), [](const Task& a, const Task& b) {
                return a.due != b.due ? a.due < b.due : a.order < b.order;
            });
        if (next == m_tasks.end() || next->due > end)
            return false;
        m_now = std::max(m_now, next->due);
        run = std::move(next->run);
        m_tasks.erase(next);
    }
    run(); // may ask for more tasks
    return true;
}

qint64 CKelvoCommonFakeClock::Now() const {
    const std::lock_guard lock(m_mutex);
    return m_now;
}

int CKelvoCommonFakeClock::PendingTasks() const {
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_tasks.size());
}
