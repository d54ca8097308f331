// SPDX-License-Identifier: MIT
#include "common/KelvoCommonScheduler.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <cstdint>

CKelvoCommonScheduler::~CKelvoCommonScheduler() = default;

CKelvoCommonTimerScheduler::CKelvoCommonTimerScheduler() : m_context(std::make_unique<QObject>()) {}

CKelvoCommonTimerScheduler::~CKelvoCommonTimerScheduler() = default;

void CKelvoCommonTimerScheduler::RunLater(int delayMs, std::function<void()> task) {
    QObject* context = m_context.get();
    // The task runs on the context's thread, where the waits live; the
    // context dies with this scheduler, so the task never outlives it.
    auto run = [this, task = std::move(task)] {
        task();
        EndFinishedWaits();
    };
    // Timers belong to the context's thread: start them there.
    QMetaObject::invokeMethod(
        context,
        [context, delayMs, run = std::move(run)]() mutable {
            if (delayMs <= 0)
                run();
            else
                QTimer::singleShot(delayMs, Qt::PreciseTimer, context, std::move(run));
        },
        Qt::QueuedConnection);
}

void CKelvoCommonTimerScheduler::Wait(const std::function<bool()>& done) {
    if (done())
        return;
    QEventLoop loop;
    m_waits.push_back({&loop, &done});
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_waits.erase(std::find_if(m_waits.begin(), m_waits.end(),
                               [&loop](const Waiting& waiting) { return waiting.loop == &loop; }));
}

void CKelvoCommonTimerScheduler::EndFinishedWaits() {
    for (const Waiting& waiting : m_waits) {
        if ((*waiting.done)())
            waiting.loop->quit();
    }
}

CKelvoCommonScheduler& KelvoCommonDefaultScheduler() {
    static CKelvoCommonTimerScheduler scheduler;
    return scheduler;
}

struct CKelvoCommonOneShot::State {
    std::uint64_t started = 0;
    bool active = false;
    std::function<void()> timeout;
};

CKelvoCommonOneShot::CKelvoCommonOneShot(std::function<void()> timeout)
    : m_state(std::make_shared<State>()), m_scheduler(&KelvoCommonDefaultScheduler()) {
    m_state->timeout = std::move(timeout);
}

CKelvoCommonOneShot::~CKelvoCommonOneShot() = default;

void CKelvoCommonOneShot::Start(int delayMs) {
    const std::uint64_t start = ++m_state->started;
    m_state->active = true;
    m_scheduler->RunLater(delayMs, [weak = std::weak_ptr<State>(m_state), start] {
        const std::shared_ptr<State> state = weak.lock();
        if (!state || !state->active || state->started != start)
            return;
        state->active = false;
        state->timeout();
    });
}

void CKelvoCommonOneShot::Stop() {
    m_state->active = false;
}

bool CKelvoCommonOneShot::IsActive() const {
    return m_state->active;
}
