// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonXTestInput.h"

#include "common/KelvoCommonLog.h"

#include <QGuiApplication>
#include <QScreen>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

namespace {

Display* QtDisplay() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->display() : nullptr;
}

// Logical Qt coordinates to the device pixels X11 counts in.
QPoint ToDevicePixels(QPoint logical) {
    QScreen* screen = QGuiApplication::screenAt(logical);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return logical;
    const qreal ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    return origin + (logical - origin) * ratio;
}

} // namespace

bool CKelvoCommonXTestInput::Available() {
    Display* display = QtDisplay();
    if (display == nullptr)
        return false;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    return XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) != 0;
}

void CKelvoCommonXTestInput::ClickAt(QPoint globalPos) {
    Display* display = QtDisplay();
    if (display == nullptr) {
        qCWarning(lcKelvoCommon) << "no X display: cannot click at" << globalPos;
        return;
    }
    const QPoint device = ToDevicePixels(globalPos);
    XTestFakeMotionEvent(display, -1, device.x(), device.y(), CurrentTime);
    XTestFakeButtonEvent(display, 1, 1, CurrentTime);
    XTestFakeButtonEvent(display, 1, 0, CurrentTime);
    XFlush(display);
}
