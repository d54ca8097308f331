// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/platform/KelvoCommonWindowSystem.h"

// The window system of Qt's native Wayland platform. The compositor places
// and stacks every window and keeps other clients' windows to itself; what
// a client can do, this does: opacity as per-pixel alpha, since Wayland has
// no window opacity; activation through xdg-activation; and a menu window
// the tiling compositors float (its minimum size equals its maximum size).
class KELVOCOMMON_EXPORT CKelvoCommonWaylandWindowSystem final : public CKelvoCommonWindowSystem {
public:
    void SetWindowOpacity(QWidget* window, int alpha) override;
    // No client can see another's windows.
    bool IsFullScreenWindowPresent() override { return false; }
    void PrepareMenuWindow(QWidget* window) override;
    // xdg-shell has no stacking request; floating windows stay above tiled ones.
    void SetTopMost(QWidget* /*window*/, bool /*topMost*/) override {}
    void ActivateWindow(QWidget* window) override;
    bool HasKeyboardFocus(QWidget* window) override;
    void SetActivationToken(QWidget* window, const QByteArray& token) override;
};
