#pragma once

#include "KelvoCommonHookMouseSource.h"

// Where no source of the whole desktop's mouse events exists (a Wayland
// session without layer-shell strips): the hook never starts, so screen
// edges and the desktop double click stay off; the start-up line says so.
class CKelvoCommonUnavailableHookSource final : public CKelvoCommonHookMouseSource {
public:
    bool Start(Sink sink) override;
    void Stop() override {}
    QPoint CursorPos() override;
    QRect PrimaryScreen() const override { return {}; }
};
