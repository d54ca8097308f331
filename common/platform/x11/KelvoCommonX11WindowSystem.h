// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonWindowSystem.h"

#include <memory>

class CKelvoCommonX11Timestamps;

// True while one of this process's windows holds the keyboard until its
// focus arrives: a grab the hot key must not take for a screen locker's.
// Read from the hot key's listener thread.
bool KelvoCommonX11HoldingKeys();

// The window system on Qt's own X connection. Off X11 (offscreen, Wayland)
// only what Qt does by itself happens; the first call that needed X11 says
// so once on stderr.
class CKelvoCommonX11WindowSystem final : public CKelvoCommonWindowSystem {
public:
    CKelvoCommonX11WindowSystem();
    ~CKelvoCommonX11WindowSystem() override;
    CKelvoCommonX11WindowSystem(const CKelvoCommonX11WindowSystem&) = delete;
    CKelvoCommonX11WindowSystem& operator=(const CKelvoCommonX11WindowSystem&) = delete;

    void SetWindowOpacity(QWidget* window, int alpha) override;
    bool IsFullScreenWindowPresent() override;
    void PrepareMenuWindow(QWidget* window) override;
    void SetTopMost(QWidget* window, bool topMost) override;
    void ActivateWindow(QWidget* window) override;
    bool HasKeyboardFocus(QWidget* window) override;
    void SetActivationToken(QWidget* window, const QByteArray& token) override;

private:
    // Shared with the per-window hints, which may outlive this object.
    std::shared_ptr<CKelvoCommonX11Timestamps> m_timestamps;
};
