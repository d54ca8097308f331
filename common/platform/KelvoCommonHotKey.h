// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QObject>

// A system-wide hot key: a combination of modifier keys, with or without
// one ordinary key, that reaches this program whichever program has the
// keyboard focus.
class KELVOCOMMON_EXPORT CKelvoCommonHotKey : public QObject {
    Q_OBJECT

public:
    // Modifier bits as the settings file stores them.
    static constexpr int kModAlt = 1;
    static constexpr int kModControl = 2;
    static constexpr int kModShift = 4;
    static constexpr int kModWin = 8; // the Windows (Super) key
    static constexpr int kModAll = kModAlt | kModControl | kModShift | kModWin;

    // modifier: MOD_ALT 1 | MOD_CONTROL 2 | MOD_SHIFT 4 | MOD_WIN 8; a modifier with any
    // other bit is refused, never narrowed to the bits known. code: a Windows virtual-key code,
    // 0 for a modifier-only chord. identifier = (modifier & 255) * 256 + (code & 255). Returns
    // false when the combination cannot be registered (owned by another program, cannot be
    // expressed on this display, no display); the reason is logged once.
    virtual bool Register(int modifier, int code) = 0;
    virtual void Unregister(int modifier, int code) = 0;
    // False where this session offers no global hot key at all.
    virtual bool IsAvailable() const { return true; }
    static constexpr int Identifier(int modifier, int code) {
        return (modifier & 255) * 256 + (code & 255);
    }

Q_SIGNALS:
    void hotKeyPressed(int identifier); // emitted on the UI (owning) thread
    // A Register that returned true was refused after all, by a desktop
    // that answers in its own time (a Wayland portal).
    void registrationRefused(int identifier);

protected:
    explicit CKelvoCommonHotKey(QObject* parent = nullptr);
};
