// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonPlatform.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/KelvoCommonBackends.h"
#include "common/platform/KelvoCommonSession.h"
#include "common/platform/KelvoCommonUnavailableHotKey.h"
#include "common/platform/gio/KelvoCommonAtspiIconProbe.h"
#include "common/platform/gio/KelvoCommonGioShell.h"
#include "common/platform/posix/KelvoCommonFlockInstance.h"
#include "common/platform/qt/KelvoCommonQtEventInput.h"
#include "common/platform/qt/KelvoCommonQtKeyboard.h"
#include "common/platform/qt/KelvoCommonQtMessageBox.h"
#include "common/platform/sdl/KelvoCommonSdlSound.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace {

std::unique_ptr<CKelvoCommonHookMouse> HookOn(std::unique_ptr<CKelvoCommonHookMouseSource> source) {
    if (!source)
        return nullptr;
    return std::make_unique<CKelvoCommonHookMouse>(std::move(source),
                                                   std::make_unique<CKelvoCommonTimerScheduler>());
}

// X11's hot key and mouse hook would see only what reaches X11 windows
// there: never started; the portal and layer-shell strips stand in. The
// windows run through XWayland when Qt does, natively otherwise.
void AddWaylandServices(CKelvoCommonPlatformServices& services,
                        const CKelvoCommonSession& session) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        // Its key hold stays: on sway it neither helps nor harms, as
        // keys reach XWayland only once the compositor focuses the menu.
        services.windowSystem = KelvoX11Backends::MakeWindowSystem();
    if (!services.windowSystem)
        services.windowSystem = KelvoWaylandBackends::MakeWindowSystem();
    // No program may read another's keys: the desktop's portal binds them.
    // On a connection of its own: the portal names a connection's program
    // at its first call, and Qt's theme asks the portal on the shared one.
    services.hotKey = KelvoWaylandBackends::MakeHotKey(
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("kelvo-portal")),
        session.desktop);
    services.hookMouse = HookOn(KelvoWaylandBackends::MakeHookSource());
    // XTest moves XWayland's pointer, not the compositor's.
    services.input = std::make_unique<CKelvoCommonQtEventInput>();
    services.activeScreen = KelvoWaylandBackends::MakeActiveScreen();
}

// An X11 session, or a Wayland one in a build without its side (then all of
// it through XWayland). A build without X11 keeps Qt's own windows.
void AddX11Services(CKelvoCommonPlatformServices& services) {
    services.windowSystem = KelvoX11Backends::MakeWindowSystem();
    if (!services.windowSystem)
        services.windowSystem = KelvoWaylandBackends::MakeWindowSystem();
    services.hotKey = KelvoX11Backends::MakeHotKey();
    if (!services.hotKey)
        services.hotKey = std::make_unique<CKelvoCommonUnavailableHotKey>();
    services.hookMouse =
        HookOn(KelvoX11Backends::MakeHookSource(std::make_unique<CKelvoCommonAtspiIconProbe>()));
    services.input = KelvoX11Backends::MakeInput();
    if (!services.input) {
        // Not an X11 session (or no XTest): Enter still reaches the focused
        // control as a synthesised Qt click.
        qCWarning(lcKelvoCommon) << "no X11 input injection here; Enter clicks are synthesised";
        services.input = std::make_unique<CKelvoCommonQtEventInput>();
    }
}

} // namespace

CKelvoCommonPlatformServices KelvoCreatePlatformServices() {
    CKelvoCommonPlatformServices services;
    services.scheduler = std::make_unique<CKelvoCommonTimerScheduler>();
    services.messageBox = std::make_unique<CKelvoCommonQtMessageBox>();
    services.sound = std::make_unique<CKelvoCommonSdlSound>();
    services.instance = std::make_unique<CKelvoCommonFlockInstance>();
    services.shell = std::make_unique<CKelvoCommonGioShell>();
    // Off X11 it follows Qt's keys.
    services.keyboard = KelvoX11Backends::MakeKeyboard();
    if (!services.keyboard)
        services.keyboard = std::make_unique<CKelvoCommonQtKeyboard>();
    if (const CKelvoCommonSession session = CKelvoCommonSession::Current();
        session.IsWayland() && KelvoWaylandBackends::IsBuilt())
        AddWaylandServices(services, session);
    else
        AddX11Services(services);
    return services;
}
