// SPDX-License-Identifier: MIT
#include "common/hook/KelvoCommonHookMouse.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <limits>

std::atomic<std::uint32_t> CKelvoCommonHookMouse::m_threadId{0};
std::atomic<int> CKelvoCommonHookMouse::m_flagCloseMode{0};
std::atomic<QWidget*> CKelvoCommonHookMouse::m_receiveWindow{nullptr};
std::atomic<CKelvoCommonHookMouse*> CKelvoCommonHookMouse::m_hHook{nullptr};
std::atomic<std::uint32_t> CKelvoCommonHookMouse::m_milliSecondForWait{500};
std::atomic<int> CKelvoCommonHookMouse::m_flagMouseHookAtTop{1};
std::atomic<int> CKelvoCommonHookMouse::m_flagMouseHookAtBottom{1};
std::atomic<int> CKelvoCommonHookMouse::m_flagMouseHookAtLeft{1};
std::atomic<int> CKelvoCommonHookMouse::m_flagMouseHookAtRight{1};
std::atomic<int> CKelvoCommonHookMouse::m_flagMouseHookClickOnDesktop{1};

namespace {

// The receive window's visibility, for the hook procedure on the source's
// thread, which must not touch the widget.
std::atomic<bool> g_receiveWindowVisible{false};
std::atomic<std::uint32_t> g_lastWorkerId{0};

// Sits on the receive window: mirrors its visibility, keeps how it is
// shown, and lets the hook forget the window when it dies.
class CKelvoCommonHookWindowWatch final : public QObject {
public:
    CKelvoCommonHookWindowWatch(QWidget* window, std::atomic<QWidget*>& receiveWindow,
                                CKelvoCommonHookMouse::ShowWindowFunction showWindow)
        : QObject(window), m_window(window), m_receiveWindow(receiveWindow),
          m_showWindow(std::move(showWindow)) {
        g_receiveWindowVisible.store(window->isVisible());
        window->installEventFilter(this);
    }
    ~CKelvoCommonHookWindowWatch() override {
        QWidget* expected = m_window;
        if (m_receiveWindow.compare_exchange_strong(expected, nullptr))
            g_receiveWindowVisible.store(false);
    }
    CKelvoCommonHookWindowWatch(const CKelvoCommonHookWindowWatch&) = delete;
    CKelvoCommonHookWindowWatch& operator=(const CKelvoCommonHookWindowWatch&) = delete;

    void ShowWindow(bool show) {
        if (m_showWindow)
            m_showWindow(show);
        else
            m_window->setVisible(show);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            g_receiveWindowVisible.store(m_window->isVisible());
        return false;
    }

private:
    QWidget* m_window;
    std::atomic<QWidget*>& m_receiveWindow;
    CKelvoCommonHookMouse::ShowWindowFunction m_showWindow;
};

// UI thread only.
QPointer<CKelvoCommonHookWindowWatch> g_watch;

void ShowWindow(QWidget* window, bool show) {
    if (g_watch != nullptr && g_watch->parent() == window)
        g_watch->ShowWindow(show);
    else
        window->setVisible(show);
}

} // namespace

CKelvoCommonHookMouse::CKelvoCommonHookMouse(std::unique_ptr<CKelvoCommonHookMouseSource> source,
                                             std::unique_ptr<CKelvoCommonScheduler> scheduler)
    : m_scheduler(std::move(scheduler)), m_source(std::move(source)) {}

CKelvoCommonHookMouse::~CKelvoCommonHookMouse() {
    if (m_hHook.load() != nullptr)
        StopHook();
    // A worker dropped here would otherwise hold the guard for ever.
    m_scheduler.reset();
    m_threadId.store(0);
}

void CKelvoCommonHookMouse::SetReceiveWindow(QWidget* window, ShowWindowFunction showWindow) {
    delete g_watch.data();
    m_receiveWindow.store(window);
    if (window == nullptr)
        g_receiveWindowVisible.store(false);
    else
        g_watch = new CKelvoCommonHookWindowWatch(window, m_receiveWindow, std::move(showWindow));
}

void CKelvoCommonHookMouse::SetMilliSecondForWait(std::uint32_t milliSecond) {
    m_milliSecondForWait.store(milliSecond);
}
void CKelvoCommonHookMouse::SetFlagMouseHookAtTop(int flag) {
    m_flagMouseHookAtTop.store(flag);
    AreasChanged();
}
void CKelvoCommonHookMouse::SetFlagMouseHookAtBottom(int flag) {
    m_flagMouseHookAtBottom.store(flag);
    AreasChanged();
}
void CKelvoCommonHookMouse::SetFlagMouseHookAtLeft(int flag) {
    m_flagMouseHookAtLeft.store(flag);
    AreasChanged();
}
void CKelvoCommonHookMouse::SetFlagMouseHookAtRight(int flag) {
    m_flagMouseHookAtRight.store(flag);
    AreasChanged();
}
void CKelvoCommonHookMouse::SetFlagMouseHookClickOnDesktop(int flag) {
    m_flagMouseHookClickOnDesktop.store(flag);
    AreasChanged();
}

void CKelvoCommonHookMouse::StartHook() {
    CKelvoCommonHookMouse* none = nullptr;
    if (!m_hHook.compare_exchange_strong(none, this))
        return;
    m_source->SetAreas(Areas());
    const bool started = m_source->Start(
        [](int message, const CKelvoCommonHookMouseData& data) { HookProc(0, message, data); });
    if (!started)
        m_hHook.store(nullptr);
}

void CKelvoCommonHookMouse::StopHook() {
    if (CKelvoCommonHookMouse* hook = m_hHook.exchange(nullptr))
        hook->m_source->Stop();
}

bool CKelvoCommonHookMouse::IsAtActiveEdge(QPoint point, const std::vector<QRect>& screens) {
    const auto onAScreen = [&screens](QPoint p) {
        return std::any_of(screens.begin(), screens.end(),
                           [p](const QRect& screen) { return screen.contains(p); });
    };
    // An edge between two screens is none: the pointer passes it.
    const auto outer = [&](int dx, int dy) { return !onAScreen(point + QPoint(dx, dy)); };
    for (const QRect& screen : screens) {
        if (!screen.contains(point))
            continue;
        if ((m_flagMouseHookAtLeft.load() == 1 && point.x() == screen.left() && outer(-1, 0)) ||
            (m_flagMouseHookAtRight.load() == 1 && point.x() == screen.right() && outer(1, 0)) ||
            (m_flagMouseHookAtTop.load() == 1 && point.y() == screen.top() && outer(0, -1)) ||
            (m_flagMouseHookAtBottom.load() == 1 && point.y() == screen.bottom() && outer(0, 1)))
            return true;
    }
    return false;
}

CKelvoCommonHookMouseAreas CKelvoCommonHookMouse::Areas() {
    CKelvoCommonHookMouseAreas areas;
    areas.top = m_flagMouseHookAtTop.load() == 1;
    areas.bottom = m_flagMouseHookAtBottom.load() == 1;
    areas.left = m_flagMouseHookAtLeft.load() == 1;
    areas.right = m_flagMouseHookAtRight.load() == 1;
    areas.desktop = m_flagMouseHookClickOnDesktop.load() == 1;
    return areas;
}

void CKelvoCommonHookMouse::AreasChanged() {
    if (CKelvoCommonHookMouse* hook = m_hHook.load())
        hook->m_source->SetAreas(Areas());
}

void CKelvoCommonHookMouse::HookProc(int code, int message, const CKelvoCommonHookMouseData& data) {
    CKelvoCommonHookMouse* hook = m_hHook.load();
    if (code < 0 || m_threadId.load() != 0 || m_receiveWindow.load() == nullptr || hook == nullptr)
        return;
    const bool visible = g_receiveWindowVisible.load();

    // The bare desktop: a double click toggles.
    if (m_flagMouseHookClickOnDesktop.load() == 1 &&
        message == CKelvoCommonHookMouseSource::kLeftButtonDoubleClick && data.overDesktop)
        hook->StartWorker(visible ? ThreadHideWindow : ThreadShowWindow, 0);

    if (IsAtActiveEdge(data.point, hook->m_source->Screens())) {
        if (m_milliSecondForWait.load() == kClickMode) {
            if (message == CKelvoCommonHookMouseSource::kLeftButtonDown)
                hook->StartWorker(visible ? ThreadHideWindow : ThreadShowWindow, 0);
        } else if (visible && m_flagCloseMode.load() == 1) {
            hook->StartWorker(ThreadHideWindow, 0);
        } else if (!visible && m_flagCloseMode.load() == 0) {
            hook->StartWorker(ThreadShowWindowWithSleep, m_milliSecondForWait.load());
        }
    } else if (visible && m_flagCloseMode.load() == 0) {
        m_flagCloseMode.store(1);
    } else if (!visible && m_flagCloseMode.load() == 1) {
        m_flagCloseMode.store(0);
    }
}

void CKelvoCommonHookMouse::StartWorker(Worker worker, std::uint32_t delayMs) {
    std::uint32_t id = g_lastWorkerId.fetch_add(1) + 1;
    if (id == 0)
        id = g_lastWorkerId.fetch_add(1) + 1;
    m_threadId.store(id);
    constexpr std::uint32_t kLongest = std::numeric_limits<int>::max();
    const int delay = static_cast<int>(std::min(delayMs, kLongest));
    m_scheduler->RunLater(delay, [this, worker] { worker(*this); });
}

void CKelvoCommonHookMouse::ThreadShowWindow(CKelvoCommonHookMouse&) {
    if (QWidget* window = m_receiveWindow.load(); window != nullptr && !window->isVisible()) {
        KelvoCommonSendMessage(window, WM_KC_HOOK_SHOW);
        ShowWindow(window, true);
    }
    m_threadId.store(0);
}

void CKelvoCommonHookMouse::ThreadHideWindow(CKelvoCommonHookMouse&) {
    if (QWidget* window = m_receiveWindow.load(); window != nullptr && window->isVisible())
        ShowWindow(window, false);
    m_threadId.store(0);
}

void CKelvoCommonHookMouse::ThreadShowWindowWithSleep(CKelvoCommonHookMouse& hook) {
    QWidget* window = m_receiveWindow.load();
    if (window != nullptr && !window->isVisible() &&
        IsAtActiveEdge(hook.m_source->CursorPos(), hook.m_source->Screens())) {
        KelvoCommonSendMessage(window, WM_KC_HOOK_SHOW);
        ShowWindow(window, true);
    }
    m_threadId.store(0);
}
