// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QEventLoop;
class QObject;

// Delayed tasks on the UI thread: the mouse hook's workers (its former
// worker threads) and the menu's fade steps.
class KELVOCOMMON_EXPORT CKelvoCommonScheduler {
public:
    virtual ~CKelvoCommonScheduler();
    CKelvoCommonScheduler(const CKelvoCommonScheduler&) = delete;
    CKelvoCommonScheduler& operator=(const CKelvoCommonScheduler&) = delete;

    // Runs the task on the UI thread after delayMs (0: as soon as the UI
    // thread gets to it). Any thread. Tasks not yet run when the scheduler
    // dies never run.
    virtual void RunLater(int delayMs, std::function<void()> task) = 0;
    // UI thread: runs this scheduler's tasks until done() holds, asked after
    // each of them, taking no user input meanwhile: input that comes is held
    // for ReleaseHeld. Returns early only when nothing could ever make done()
    // hold.
    virtual void Wait(const std::function<bool()>& done) = 0;

    // UI thread, during a wait: the task is held in line behind the input
    // held so far, so whatever asked for it keeps its order with the keys
    // and clicks around it. Returns its place in line.
    std::uint64_t Hold(std::function<void()> task);
    // The place in line of the last thing held, input or task.
    std::uint64_t LastHeld() const { return m_lastHeld; }
    // UI thread, after a wait: runs what was held in the order it came.
    // What comes while one of them waits in turn is held behind the rest.
    void ReleaseHeld();

protected:
    CKelvoCommonScheduler() = default;

private:
    std::deque<std::function<void()>> m_held;
    std::uint64_t m_lastHeld = 0;
};

// Qt's timers on the thread that made the scheduler. Nothing runs between
// tasks: no polling timer.
class CKelvoCommonTimerScheduler final : public CKelvoCommonScheduler {
public:
    CKelvoCommonTimerScheduler();
    ~CKelvoCommonTimerScheduler() override;

    void RunLater(int delayMs, std::function<void()> task) override;
    // A nested event loop; it may also end early when the application
    // quits. It takes the input from Qt itself, which would hand it on after
    // the wait apart from the tasks held meanwhile and so out of order.
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
