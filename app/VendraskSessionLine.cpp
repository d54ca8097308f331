// SPDX-License-Identifier: MIT
#include "app/VendraskSessionLine.h"

QString VendraskSessionLine(const CKelvoCommonSession& session, const QString& platformName,
                            bool hotKey, bool edges, bool tray) {
    const QString desktop =
        session.desktop.isEmpty() ? QStringLiteral("unknown desktop") : session.desktop;
    const QString windows = platformName == QLatin1String("xcb")
                                ? QStringLiteral("through XWayland")
                                : QStringLiteral("native (the compositor places them)");
    // The portal answers later; its own line says when the desktop has none.
    const QString key = hotKey ? QStringLiteral("through the desktop's shortcut portal, where it "
                                                "has one")
                               : QStringLiteral("off (bind \"vendrask toggle\" to a key in the "
                                                "desktop's settings)");
    const QString edgeState = edges ? QStringLiteral("on") : QStringLiteral("off");
    const QString trayState = tray ? QStringLiteral("on") : QStringLiteral("none");
    return QStringLiteral("Wayland session (%1): windows %2; hot key %3; screen edges and desktop "
                          "click %4; tray %5")
        .arg(desktop, windows, key, edgeState, trayState);
}
