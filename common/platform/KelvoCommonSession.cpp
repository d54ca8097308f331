// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonSession.h"

#include <QList>
#include <cstdlib>

CKelvoCommonSession CKelvoCommonSession::Detect(const Environment& environment) {
    CKelvoCommonSession session;
    const bool hasWayland = !environment("WAYLAND_DISPLAY").isEmpty();
    const bool hasX11 = !environment("DISPLAY").isEmpty();
    const QByteArray type = environment("XDG_SESSION_TYPE").trimmed().toLower();
    if (type == "wayland" && (hasWayland || hasX11))
        session.type = Type::Wayland;
    else if (type == "x11" && hasX11)
        session.type = Type::X11;
    else if (hasWayland)
        session.type = Type::Wayland;
    else if (hasX11)
        session.type = Type::X11;
    // For debugging one backend on a desktop that offers both.
    const QByteArray forced = environment("VENDRASK_SESSION").trimmed().toLower();
    if (forced == "x11" && hasX11)
        session.type = Type::X11;
    else if (forced == "wayland" && hasWayland)
        session.type = Type::Wayland;
    session.xwayland = session.type == Type::Wayland && hasX11;
    const QByteArray desktops = environment("XDG_CURRENT_DESKTOP");
    session.desktop = QString::fromLocal8Bit(desktops.split(':').value(0)).trimmed().toLower();
    return session;
}

CKelvoCommonSession CKelvoCommonSession::Current() {
    return Detect([](const char* name) { return QByteArray(std::getenv(name)); });
}
