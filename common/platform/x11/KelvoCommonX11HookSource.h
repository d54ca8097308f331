// SPDX-License-Identifier: MIT
#pragma once

#include "common/hook/KelvoCommonHookMouseSource.h"
#include "common/platform/KelvoCommonDesktopIconProbe.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <xcb/xcb.h>

class CKelvoCommonX11Listener;
struct CKelvoCommonX11RawEvent;

// The mouse hook's events on X11: XInput2 raw motion and raw button
// presses of the whole display, read by the process's listener thread.
// Each batch of motion becomes one pointer query, so a burst costs one
// round trip; nothing runs while the pointer rests. The window under a
// double click counts as the desktop when it is the root window or a
// window of type _NET_WM_WINDOW_TYPE_DESKTOP (a file manager's desktop)
// and, where the probe can ask that window's program, no icon lies under
// the pointer. Off X11, Start fails and says so once.
class CKelvoCommonX11HookSource final : public CKelvoCommonHookMouseSource {
public:
    // probe: may be null (a desktop window counts as bare everywhere).
    explicit CKelvoCommonX11HookSource(std::unique_ptr<CKelvoCommonDesktopIconProbe> probe);
    ~CKelvoCommonX11HookSource() override;

    bool Start(Sink sink) override;
    void Stop() override;
    QPoint CursorPos() override;

private:
    // Listener thread only.
    void OnRawEvent(const CKelvoCommonX11RawEvent& event);
    void DeliverMotion();
    // The pointer's root position and the root's child under it (0: none).
    bool QueryPointer(xcb_window_t window, QPoint* point, xcb_window_t* child);
    bool IsDesktopUnder(xcb_window_t child, QPoint point);
    bool IsIconOf(xcb_window_t desktop, QPoint point);
    bool HasProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t value);
    xcb_atom_t Atom(const char* name);

    std::unique_ptr<CKelvoCommonDesktopIconProbe> m_probe; // listener thread only
    std::shared_ptr<CKelvoCommonX11Listener> m_listener;
    int m_handler = 0;
    Sink m_sink;
    bool m_motionPending = false;
    xcb_atom_t m_atomWindowType = 0;
    xcb_atom_t m_atomTypeDesktop = 0;
    xcb_atom_t m_atomWmState = 0;
    xcb_atom_t m_atomPid = 0;
};
