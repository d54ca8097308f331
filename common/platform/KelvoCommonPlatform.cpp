#include "KelvoCommonPlatform.h"

#include "KelvoCommonLog.h"
#include "KelvoCommonSession.h"
#include "wayland/KelvoCommonLayerShellHookSource.h"
#include "wayland/KelvoCommonPortalHotKey.h"
#include "x11/KelvoCommonFlockInstance.h"
#include "x11/KelvoCommonGioShell.h"
#include "x11/KelvoCommonQtEventInput.h"
#include "x11/KelvoCommonQtMessageBox.h"
#include "x11/KelvoCommonSdlSound.h"
#include "x11/KelvoCommonX11HookSource.h"
#include "x11/KelvoCommonX11HotKey.h"
#include "x11/KelvoCommonX11Keyboard.h"
#include "x11/KelvoCommonX11WindowSystem.h"
#include "x11/KelvoCommonXTestInput.h"

CKelvoCommonPlatformServices KelvoCreatePlatformServices() {
    CKelvoCommonPlatformServices services;
    services.messageBox = std::make_unique<CKelvoCommonQtMessageBox>();
    services.sound = std::make_unique<CKelvoCommonSdlSound>();
    services.instance = std::make_unique<CKelvoCommonFlockInstance>();
    services.windowSystem = std::make_unique<CKelvoCommonX11WindowSystem>();
    // The X11 hot key, or one that refuses every registration off X11. A
    // Wayland session lets no program read the keys: the desktop's portal binds them.
    const CKelvoCommonSession session = CKelvoCommonSession::Current();
    if (session.IsWayland())
        services.hotKey = std::make_unique<CKelvoCommonPortalHotKey>(QDBusConnection::sessionBus(),
                                                                     session.desktop);
    else
        services.hotKey = CKelvoCommonX11HotKey::Create();
    services.shell = std::make_unique<CKelvoCommonGioShell>();
    // A Wayland client sees the pointer only over its own surfaces.
    std::unique_ptr<CKelvoCommonHookMouseSource> hookSource;
    if (session.IsWayland())
        hookSource = std::make_unique<CKelvoCommonLayerShellHookSource>();
    else
        hookSource = std::make_unique<CKelvoCommonX11HookSource>();
    services.hookMouse = std::make_unique<CKelvoCommonHookMouse>(
        std::move(hookSource), std::make_unique<CKelvoCommonHookMouseTimerScheduler>());
    // Off X11 it follows Qt's keys.
    services.keyboard = std::make_unique<CKelvoCommonX11Keyboard>();
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
