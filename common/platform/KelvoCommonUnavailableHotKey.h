// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonHotKey.h"

// The hot key where nothing serves one (offscreen, no X11 display, a build
// without the session's side): every registration is refused; the first one
// says so in the log.
class CKelvoCommonUnavailableHotKey final : public CKelvoCommonHotKey {
    Q_OBJECT

public:
    explicit CKelvoCommonUnavailableHotKey(QObject* parent = nullptr);
    bool Register(int modifier, int code) override;
    void Unregister(int modifier, int code) override;
    bool IsAvailable() const override { return false; }

private:
    bool m_reported = false;
};
