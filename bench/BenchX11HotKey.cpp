// SPDX-License-Identifier: MIT
// Hot key to menu window on screen: XTest presses and releases Ctrl+Alt,
// the X11 hot key reports the chord on the UI thread, the window is shown
// and we stop the clock when it is mapped (exposed). Needs an X display:
//   scripts/with-xvfb.sh BUILD/vendrask_bench_x11
// Reports the median of 20 repetitions, and the same for the hot key alone.
#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/x11/KelvoCommonX11HotKey.h"
#include "common/platform/x11/KelvoCommonX11WindowSystem.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>
#include <cstdio>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

namespace {

// Runs the event loop until the condition holds; false after five seconds.
// It sleeps between events: a busy loop would take a core from the listener.
template <typename Condition>
bool WaitFor(Condition condition) {
    QElapsedTimer clock;
    clock.start();
    QTimer tick; // wakes the loop now and then whatever happens
    tick.start(20);
    while (!condition()) {
        if (clock.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The keyboard of the user: a client of its own, like xdotool.
class Keyboard final {
public:
    Keyboard() : m_display(XOpenDisplay(nullptr)) {}
    ~Keyboard() {
        if (m_display != nullptr)
            XCloseDisplay(m_display);
    }
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;
    bool IsOpen() const { return m_display != nullptr; }
    void CtrlAlt() {
        const unsigned ctrl = XKeysymToKeycode(m_display, XK_Control_L);
        const unsigned alt = XKeysymToKeycode(m_display, XK_Alt_L);
        XTestFakeKeyEvent(m_display, ctrl, 1, 0);
        XTestFakeKeyEvent(m_display, alt, 1, 0);
        XTestFakeKeyEvent(m_display, alt, 0, 0);
        XTestFakeKeyEvent(m_display, ctrl, 0, 0);
        XFlush(m_display);
    }

private:
    Display* m_display;
};

void HotKeyToWindowMapped(benchmark::State& state) {
    auto hotKey = CKelvoCommonX11HotKey::Create();
    CKelvoCommonX11WindowSystem windows;
    Keyboard keyboard;
    QWidget owner;
    QDialog menu(&owner, Qt::Tool | Qt::FramelessWindowHint);
    menu.resize(790, 550);
    windows.PrepareMenuWindow(&menu);
    if (!keyboard.IsOpen() || !hotKey->Register(3, 0)) {
        state.SkipWithError("needs an X display with XInput 2.2 and XTest");
        return;
    }
    QObject::connect(hotKey.get(), &CKelvoCommonHotKey::hotKeyPressed, &menu, [&] {
        menu.show();
        windows.ActivateWindow(&menu);
    });
    for (auto _ : state) {
        menu.hide();
        if (!WaitFor([&] { return !menu.windowHandle()->isExposed(); })) {
            state.SkipWithError("the window did not go away");
            return;
        }
        QElapsedTimer clock;
        clock.start();
        keyboard.CtrlAlt();
        if (!WaitFor([&] { return menu.windowHandle()->isExposed(); })) {
            state.SkipWithError("the hot key did not show the window");
            return;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(HotKeyToWindowMapped)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);

// The hot key alone: XTest chord to the signal on the UI thread.
void HotKeyToSignal(benchmark::State& state) {
    auto hotKey = CKelvoCommonX11HotKey::Create();
    Keyboard keyboard;
    if (!keyboard.IsOpen() || !hotKey->Register(3, 0)) {
        state.SkipWithError("needs an X display with XInput 2.2 and XTest");
        return;
    }
    int presses = 0;
    QObject::connect(hotKey.get(), &CKelvoCommonHotKey::hotKeyPressed, [&] { ++presses; });
    for (auto _ : state) {
        const int before = presses;
        QElapsedTimer clock;
        clock.start();
        keyboard.CtrlAlt();
        if (!WaitFor([&] { return presses > before; })) {
            state.SkipWithError("the hot key did not arrive");
            return;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(HotKeyToSignal)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
