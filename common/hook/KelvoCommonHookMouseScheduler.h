// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

class QObject;

// Runs the mouse hook's workers later, on the UI thread: the hook's
// worker threads become delayed tasks here.
class CKelvoCommonHookMouseScheduler {
public:
    virtual ~CKelvoCommonHookMouseScheduler();
    CKelvoCommonHookMouseScheduler(const CKelvoCommonHookMouseScheduler&) = delete;
    CKelvoCommonHookMouseScheduler& operator=(const CKelvoCommonHookMouseScheduler&) = delete;

    // Runs the task on the UI thread after delayMs (0: as soon as the UI
    // thread gets to it). Any thread. Tasks not yet run when the scheduler
    // dies never run.
    virtual void RunLater(int delayMs, std::function<void()> task) = 0;

protected:
    CKelvoCommonHookMouseScheduler() = default;
};

// Qt's timers on the thread that made the scheduler. Nothing runs between
// tasks: no polling timer.
class CKelvoCommonHookMouseTimerScheduler final : public CKelvoCommonHookMouseScheduler {
public:
    CKelvoCommonHookMouseTimerScheduler();
    ~CKelvoCommonHookMouseTimerScheduler() override;

    void RunLater(int delayMs, std::function<void()> task) override;

private:
    // Lives on the UI thread; its death cancels what is queued or timed.
    std::unique_ptr<QObject> m_context;
};
