// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeHookMouseClock.h"

#include <algorithm>

void CKelvoCommonFakeHookMouseClock::RunLater(int delayMs, std::function<void()> task) {
    m_tasks.push_back({m_now + std::max(delayMs, 0), m_nextOrder++, std::move(task)});
}

void CKelvoCommonFakeHookMouseClock::Advance(qint64 milliSeconds) {
    const qint64 end = m_now + std::max<qint64>(milliSeconds, 0);
    for (;;) {
        const auto next =
            std::min_element(m_tasks.begin(), m_tasks.end(), [](const Task& a, const Task& b) {
                return a.due != b.due ? a.due < b.due : a.order < b.order;
            });
        if (next == m_tasks.end() || next->due > end)
            break;
        m_now = std::max(m_now, next->due);
        const std::function<void()> run = std::move(next->run);
        m_tasks.erase(next);
        run(); // may ask for more tasks
    }
    m_now = end;
}
