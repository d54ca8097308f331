// SPDX-License-Identifier: MIT
#include "common/KelvoCommonScheduler.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TabletEnterProximity:
    case QEvent::TabletLeaveProximity:
    case QEvent::NativeGesture:
        return true;
    default:
        return false;
    }
}

// Holds the input Qt hands to our windows while a wait runs; a copy goes
// to the same window when released.
class CInputHold final : public QObject {
public:
    explicit CInputHold(CKelvoCommonScheduler& scheduler) : m_scheduler(scheduler) {
        if (QCoreApplication* application = QCoreApplication::instance())
            application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        // Taken where Qt first hands it on, at the window; what is handed
        // back is no longer spontaneous and passes.
        if (!event->spontaneous() || !receiver->isWindowType() || !IsUserInput(event->type()))
            return false;
        m_scheduler.Hold(
            [window = QPointer<QObject>(receiver), copy = std::shared_ptr<QEvent>(event->clone())] {
                if (window)
                    QCoreApplication::sendEvent(window, copy.get());
            });
        return true;
    }

private:
    CKelvoCommonScheduler& m_scheduler;
};

} // namespace

CKelvoCommonScheduler::~CKelvoCommonScheduler() = default;

std::uint64_t CKelvoCommonScheduler::Hold(std::function<void()> task) {
    m_held.push_back(std::move(task));
    return ++m_lastHeld;
}

void CKelvoCommonScheduler::ReleaseHeld() {
    while (!m_held.empty()) {
        const std::function<void()> task = std::move(m_held.front());
        m_held.pop_front();
        task();
    }
}

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
    const CInputHold hold(*this);
    loop.exec();
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
