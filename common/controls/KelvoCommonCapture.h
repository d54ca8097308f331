// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

class QWidget;

// The mouse capture of this process: while one widget holds it, every mouse
// event goes to that widget, wherever the pointer is (a Qt mouse grab).
// The holder learns that it lost the capture from a WM_CAPTURECHANGED
// message (sent; its lParam object is the widget that gains the capture,
// null when none does). The capture is lost when the holder releases it,
// another widget takes it (here or through a plain grabMouse()), a pop-up
// opens, or the holder is hidden or disabled.
class KELVOCOMMON_EXPORT CKelvoCommonCapture final {
public:
    CKelvoCommonCapture() = delete;

    // Takes the capture for widget; a previous holder is told it lost it.
    static void SetCapture(QWidget* widget);
    // Releases the capture if holder holds it, and tells holder so.
    // Releasing a capture one does not hold changes nothing.
    static void ReleaseCapture(QWidget* holder);
    // The current holder, or null.
    static QWidget* GetCapture();
    // A holder that is going away drops the capture without being told.
    static void Forget(QWidget* holder);
};
