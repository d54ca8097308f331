// SPDX-License-Identifier: MIT
#pragma once

#include "common/hook/KelvoCommonHookMouseScheduler.h"

#include <QtGlobal>
#include <functional>
#include <vector>

// A clock that moves only when the test says so; the hook's delayed
// workers run while it moves, on the test's thread.
class CKelvoCommonFakeHookMouseClock final : public CKelvoCommonHookMouseScheduler {
public:
    CKelvoCommonFakeHookMouseClock() = default;

    void RunLater(int delayMs, std::function<void()> task) override;

    // Moves the clock on, running every task that falls due on the way in
    // the order of their times (ties in the order they were asked for).
    void Advance(qint64 milliSeconds);
    qint64 Now() const { return m_now; }
    int PendingTasks() const { return static_cast<int>(m_tasks.size()); }

private:
    struct Task {
        qint64 due;
        quint64 order;
        std::function<void()> run;
    };
    qint64 m_now = 0;
    quint64 m_nextOrder = 0;
    std::vector<Task> m_tasks;
};
