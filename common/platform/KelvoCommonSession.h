// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The kind of desktop session this process runs in, read from the
// variables the session manager sets.
struct KELVOCOMMON_EXPORT CKelvoCommonSession {
    enum class Type { X11, Wayland, None };

    Type type = Type::None;
    // A Wayland session with an X server for X11 programs (DISPLAY set).
    bool xwayland = false;
    // The first name in XDG_CURRENT_DESKTOP, lower case ("kde", "gnome",
    // "sway", "hyprland"); empty when unset.
    QString desktop;

    bool IsWayland() const { return type == Type::Wayland; }

    using Environment = std::function<QByteArray(const char* name)>;
    // XDG_SESSION_TYPE decides when it names x11 or wayland; otherwise the
    // displays that are set do (WAYLAND_DISPLAY first, as desktops set
    // DISPLAY too for XWayland).
    static CKelvoCommonSession Detect(const Environment& environment);
    // From this process's environment.
    static CKelvoCommonSession Current();
};
