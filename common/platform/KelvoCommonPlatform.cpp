// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonPlatform.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/KelvoCommonSession.h"
#include "common/platform/gio/KelvoCommonAtspiIconProbe.h"
#include "common/platform/gio/KelvoCommonGioShell.h"
#include "common/platform/posix/KelvoCommonFlockInstance.h"
#include "common/platform/qt/KelvoCommonQtEventInput.h"
#include "common/platform/qt/KelvoCommonQtMessageBox.h"
#include "common/platform/sdl/KelvoCommonSdlSound.h"
#include "common/platform/wayland/KelvoCommonCompositorScreen.h"
#include "common/platform/wayland/KelvoCommonLayerShellHookSource.h"
#include "common/platform/wayland/KelvoCommonPortalHotKey.h"
#include "common/platform/wayland/KelvoCommonWaylandWindowSystem.h"
#include "common/platform/x11/KelvoCommonX11HookSource.h"
#include "common/platform/x11/KelvoCommonX11HotKey.h"
#include "common/platform/x11/KelvoCommonX11Keyboard.h"
#include "common/platform/x11/KelvoCommonX11WindowSystem.h"
#include "common/platform/x11/KelvoCommonXTestInput.h"

#include <QGuiApplication>

namespace {

// X11's hot key and mouse hook would see only what reaches X11 windows
// there: never started; the portal and layer-shell strips stand in. The
// windows run through XWayland when Qt does, natively otherwise.
void AddWaylandServices(CKelvoCommonPlatformServices& services,
                        const CKelvoCommonSession& session) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        // Its key hold stays: on sway it neither helps nor harms, as
        // keys reach XWayland only once the compositor focuses the menu.
        services.windowSystem = std::make_unique<CKelvoCommonX11WindowSystem>();
    else
        services.windowSystem = std::make_unique<CKelvoCommonWaylandWindowSystem>();
    // No program may read another's keys: the desktop's portal binds them.
    services.hotKey =
        std::make_unique<CKelvoCommonPortalHotKey>(QDBusConnection::sessionBus(), session.desktop);
    services.hookMouse = std::make_unique<CKelvoCommonHookMouse>(
        std::make_unique<CKelvoCommonLayerShellHookSource>(),
        std::make_unique<CKelvoCommonTimerScheduler>());
    // XTest moves XWayland's pointer, not the compositor's.
    services.input = std::make_unique<CKelvoCommonQtEventInput>();
    services.activeScreen = std::make_unique<CKelvoCommonCompositorScreen>();
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
    services.keyboard = std::make_unique<CKelvoCommonX11Keyboard>();
    if (const CKelvoCommonSession session = CKelvoCommonSession::Current(); session.IsWayland()) {
        AddWaylandServices(services, session);
        return services;
    }
    services.windowSystem = std::make_unique<CKelvoCommonX11WindowSystem>();
    // The X11 hot key, or one that refuses every registration off X11.
    services.hotKey = CKelvoCommonX11HotKey::Create();
    services.hookMouse = std::make_unique<CKelvoCommonHookMouse>(
        std::make_unique<CKelvoCommonX11HookSource>(std::make_unique<CKelvoCommonAtspiIconProbe>()),
        std::make_unique<CKelvoCommonTimerScheduler>());
    if (CKelvoCommonXTestInput::Available()) {
        services.input = std::make_unique<CKelvoCommonXTestInput>();
    } else {
        // Not an X11 session (or no XTest): Enter still reaches the focused
        // control as a synthesised Qt click.
        qCWarning(lcKelvoCommon) << "no X11 input injection here; Enter clicks are synthesised";
        services.input = std::make_unique<CKelvoCommonQtEventInput>();
    }
    return services;
}
