// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonScheduler.h"

#include <QtGlobal>
#include <functional>
#include <mutex>
#include <vector>

// A clock that moves only when the test says so, or while something waits
// on it; its delayed tasks run as it moves, on the test's thread.
class CKelvoCommonFakeClock final : public CKelvoCommonScheduler {
public:
    CKelvoCommonFakeClock() = default;

    void RunLater(int delayMs, std::function<void()> task) override;
    // Moves the clock on task by task until done() holds; returns early
    // when no task is left to run.
    void Wait(const std::function<bool()>& done) override;
    // User input arriving now: held while something waits, as the real
    // scheduler holds it, else handled at once.
    void Input(const std::function<void()>& handle);

    // Moves the clock on, running every task that falls due on the way in
    // the order of their times (ties in the order they were asked for).
    void Advance(qint64 milliSeconds);
    qint64 Now() const;
    int PendingTasks() const;

private:
    struct Task {
        qint64 due;
        quint64 order;
        std::function<void()> run;
    };
    // Runs the first task due by the end, moving the clock to its time;
    // false when there is none.
    bool RunNext(qint64 end);

    // RunLater may come from another thread (a hook source's listener).
    mutable std::mutex m_mutex;
    int m_waiting = 0;
    qint64 m_now = 0;
    quint64 m_nextOrder = 0;
    std::vector<Task> m_tasks;
};
