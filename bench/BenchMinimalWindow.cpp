// SPDX-License-Identifier: MIT
// The yardstick of the side-by-side measurement (bench/peers.sh): the least
// a Qt 6 program does to show a window on a global key. Ctrl+Space grabbed
// on its own X connection shows a plain 790 x 550 window; Escape hides it.
#include <QApplication>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

class MinimalWindow final : public QWidget {
public:
    MinimalWindow() {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        resize(790, 550);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            hide();
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return 1;
    const Window root = DefaultRootWindow(display.get());
    const KeyCode space = XKeysymToKeycode(display.get(), XK_space);
    for (unsigned lock :
         {0U, unsigned{LockMask}, unsigned{Mod2Mask}, unsigned{LockMask | Mod2Mask}})
        XGrabKey(display.get(), space, ControlMask | lock, root, False, GrabModeAsync,
                 GrabModeAsync);
    XSync(display.get(), False);
    MinimalWindow window;
    QSocketNotifier notifier(ConnectionNumber(display.get()), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &window, [&] {
        while (XPending(display.get()) > 0) {
            XEvent event;
            XNextEvent(display.get(), &event);
            if (event.type == KeyPress && !window.isVisible()) {
                window.show();
                window.activateWindow();
            }
        }
    });
    // Start-up yardstick for bench/startup.sh: the loop idle for the first time.
    QTimer::singleShot(0, &window, [] {
        timespec wall{};
        ::clock_gettime(CLOCK_REALTIME, &wall);
        std::printf("ready (wall clock %lld.%06ld)\n", static_cast<long long>(wall.tv_sec),
                    wall.tv_nsec / 1000);
        std::fflush(stdout);
    });
    return QApplication::exec();
}
