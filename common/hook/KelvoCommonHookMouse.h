// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/KelvoCommonMessages.h"
#include "common/KelvoCommonScheduler.h"
#include "common/hook/KelvoCommonHookMouseSource.h"

#include <QPoint>
#include <QRect>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// Calls the launcher's window up and sends it away with the mouse alone:
// the pointer pushed against an enabled edge of the primary screen (after
// a dwell time, or with a left press in "Click" mode), or a double click on
// the bare desktop.
//
// The state is process-wide (static atomics): the hook procedure runs on
// the source's thread (the X11 listener), the workers run as delayed tasks
// on the UI thread, and while one is pending (m_threadId non-zero) every
// event passes untouched. Flags count only when they equal 1.
//
// The worker shows the window by sending it WM_KC_HOOK_SHOW and then
// calling its show function with true; it hides it by calling that
// function with false. A window given without one is shown or hidden
// plainly.
class KELVOCOMMON_EXPORT CKelvoCommonHookMouse {
public:
    // m_milliSecondForWait that selects "Click" mode.
    static constexpr std::uint32_t kClickMode = 300000;

    CKelvoCommonHookMouse(std::unique_ptr<CKelvoCommonHookMouseSource> source,
                          std::unique_ptr<CKelvoCommonScheduler> scheduler);
    // Ends the hook and drops a worker not yet run.
    virtual ~CKelvoCommonHookMouse();
    CKelvoCommonHookMouse(const CKelvoCommonHookMouse&) = delete;
    CKelvoCommonHookMouse& operator=(const CKelvoCommonHookMouse&) = delete;

    // UI thread; the window must outlive neither the hook nor itself: it
    // is forgotten when it is destroyed.
    // showWindow shows (true) or hides (false) the window, and runs on the
    // UI thread.
    using ShowWindowFunction = std::function<void(bool show)>;
    static void SetReceiveWindow(QWidget* window, ShowWindowFunction showWindow = {});
    static void SetMilliSecondForWait(std::uint32_t milliSecond);
    static void SetFlagMouseHookAtTop(int flag);
    static void SetFlagMouseHookAtBottom(int flag);
    static void SetFlagMouseHookAtLeft(int flag);
    static void SetFlagMouseHookAtRight(int flag);
    static void SetFlagMouseHookClickOnDesktop(int flag);

    // Installs the hook unless one is installed; a failure leaves it out
    // and a later call tries again.
    void StartHook();
    static void StopHook();

    static bool IsHookInstalled() { return m_hHook.load() != nullptr; }
    static bool IsWorkerPending() { return m_threadId.load() != 0; }
    static int FlagCloseMode() { return m_flagCloseMode.load(); }
    // True when the point lies on an active edge of the desktop: a side of
    // a screen that no other screen continues (the pointer stops there).
    static bool IsAtActiveEdge(QPoint point, const std::vector<QRect>& screens);
    // The edges and the desktop click as the flags stand.
    static CKelvoCommonHookMouseAreas Areas();

    CKelvoCommonHookMouseSource& Source() { return *m_source; }
    CKelvoCommonScheduler& Scheduler() { return *m_scheduler; }

private:
    using Worker = void (*)(CKelvoCommonHookMouse&);

    static void HookProc(int code, int message, const CKelvoCommonHookMouseData& data);
    static void ThreadShowWindow(CKelvoCommonHookMouse& hook);
    static void ThreadHideWindow(CKelvoCommonHookMouse& hook);
    static void ThreadShowWindowWithSleep(CKelvoCommonHookMouse& hook);
    void StartWorker(Worker worker, std::uint32_t delayMs);
    // Tells the installed hook's source that the areas changed.
    static void AreasChanged();

    static std::atomic<std::uint32_t> m_threadId;
    static std::atomic<int> m_flagCloseMode;
    static std::atomic<QWidget*> m_receiveWindow;
    static std::atomic<CKelvoCommonHookMouse*> m_hHook;
    static std::atomic<std::uint32_t> m_milliSecondForWait;
    static std::atomic<int> m_flagMouseHookAtTop;
    static std::atomic<int> m_flagMouseHookAtBottom;
    static std::atomic<int> m_flagMouseHookAtLeft;
    static std::atomic<int> m_flagMouseHookAtRight;
    static std::atomic<int> m_flagMouseHookClickOnDesktop;

    // The scheduler outlives the source: a source stops before its tasks die.
    std::unique_ptr<CKelvoCommonScheduler> m_scheduler;
    std::unique_ptr<CKelvoCommonHookMouseSource> m_source;
};
