// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonHotKey.h"

// The hot key where no X11 display serves one (offscreen, pure Wayland):
// every registration is refused; the first one says so on stderr.
class CKelvoCommonX11UnavailableHotKey final : public CKelvoCommonHotKey {
    Q_OBJECT

public:
    explicit CKelvoCommonX11UnavailableHotKey(QObject* parent = nullptr);
    bool Register(int modifier, int code) override;
    void Unregister(int modifier, int code) override;
    bool IsAvailable() const override { return false; }

private:
    bool m_reported = false;
};
