// SPDX-License-Identifier: MIT
#pragma once

#include "common/hook/KelvoCommonHookMouseSource.h"

#include <atomic>
#include <memory>
#include <thread>

// The mouse hook's events in a Wayland session. A Wayland client sees the
// pointer only over its own surfaces, so the hook makes its own with
// wlr-layer-shell, on a connection of its own beside Qt's: per output and
// enabled edge a transparent 1-pixel strip on the overlay layer, and while
// the desktop click is on a transparent surface over the whole output on
// the bottom layer (above the wallpaper, below every window). Pointer
// events on them become the hook's events at global positions. One
// listener thread reads the connection; it sleeps in poll() until the
// compositor or the UI thread has something for it.
// Where the compositor has no layer-shell (GNOME), Start fails and says so.
class CKelvoCommonLayerShellHookSource final : public CKelvoCommonHookMouseSource {
public:
    CKelvoCommonLayerShellHookSource();
    ~CKelvoCommonLayerShellHookSource() override;

    bool Start(Sink sink) override;
    void Stop() override;
    QPoint CursorPos() override;
    void SetAreas(const CKelvoCommonHookMouseAreas& areas) override;

    class Connection;

private:
    void Run(); // the listener thread

    std::unique_ptr<Connection> m_connection;
    std::thread m_thread;
    int m_wakeFd = -1;
    std::atomic<bool> m_quit{false};
    // The areas as bits, handed from the UI thread to the listener.
    std::atomic<unsigned> m_areas{0};
    std::atomic<bool> m_areasChanged{false};
};
