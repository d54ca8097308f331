// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <vector>

class QEventLoop;
class QObject;

// Delayed tasks on the UI thread: the mouse hook's workers (its former
// worker threads) and the menu's fade steps.
class CKelvoCommonScheduler {
public:
    virtual ~CKelvoCommonScheduler();
    CKelvoCommonScheduler(const CKelvoCommonScheduler&) = delete;
    CKelvoCommonScheduler& operator=(const CKelvoCommonScheduler&) = delete;

    // Runs the task on the UI thread after delayMs (0: as soon as the UI
    // thread gets to it). Any thread. Tasks not yet run when the scheduler
    // dies never run.
    virtual void RunLater(int delayMs, std::function<void()> task) = 0;
    // UI thread: runs this scheduler's tasks until done() holds, asked after
    // each of them, taking no user input meanwhile. Returns early only when
    // nothing could ever make done() hold.
    virtual void Wait(const std::function<bool()>& done) = 0;

protected:
    CKelvoCommonScheduler() = default;
};

// Qt's timers on the thread that made the scheduler. Nothing runs between
// tasks: no polling timer.
class CKelvoCommonTimerScheduler final : public CKelvoCommonScheduler {
public:
    CKelvoCommonTimerScheduler();
    ~CKelvoCommonTimerScheduler() override;

    void RunLater(int delayMs, std::function<void()> task) override;
    // A nested event loop without user input; it may also end early when
    // the application quits.
    void Wait(const std::function<bool()>& done) override;

private:
    struct Waiting {
        QEventLoop* loop;
        const std::function<bool()>* done;
    };
    void EndFinishedWaits();

    // Lives on the UI thread; its death cancels what is queued or timed.
    std::unique_ptr<QObject> m_context;
    // The waits running now, innermost last; UI thread only.
    std::vector<Waiting> m_waits;
};

// Qt's timers for whoever is given no scheduler of their own (the controls'
// drag-hover highlight); made on first use, on the UI thread.
CKelvoCommonScheduler& KelvoCommonDefaultScheduler();

// A restartable single-shot timer on a scheduler: a new Start replaces the
// one running; Stop and the timer's own end cancel it. UI thread only.
class CKelvoCommonOneShot final {
public:
    explicit CKelvoCommonOneShot(std::function<void()> timeout);
    ~CKelvoCommonOneShot();
    CKelvoCommonOneShot(const CKelvoCommonOneShot&) = delete;
    CKelvoCommonOneShot& operator=(const CKelvoCommonOneShot&) = delete;

    // Takes effect at the next Start; the scheduler must outlive this timer
    // or its tasks must be dropped with it.
    void SetScheduler(CKelvoCommonScheduler& scheduler) { m_scheduler = &scheduler; }
    void Start(int delayMs);
    void Stop();
    bool IsActive() const;

private:
    struct State;
    // Shared with the task in flight, which finds it gone or moved on.
    std::shared_ptr<State> m_state;
    CKelvoCommonScheduler* m_scheduler;
};
