#include "KelvoCommonPlatform.h"

#include "KelvoCommonLog.h"
#include "fake/KelvoCommonFakeHotKey.h"
#include "fake/KelvoCommonFakeInput.h"
#include "fake/KelvoCommonFakeInstance.h"
#include "fake/KelvoCommonFakeMessageBox.h"
#include "fake/KelvoCommonFakeSound.h"
#include "fake/KelvoCommonFakeWindowSystem.h"
#include "x11/KelvoCommonFlockInstance.h"
#include "x11/KelvoCommonQtMessageBox.h"
#include "x11/KelvoCommonSdlSound.h"
#include "x11/KelvoCommonX11HotKey.h"
#include "x11/KelvoCommonX11WindowSystem.h"
#include "x11/KelvoCommonXTestInput.h"

CKelvoCommonPlatformServices KelvoCreatePlatformServices() {
    CKelvoCommonPlatformServices services;
    services.messageBox = std::make_unique<CKelvoCommonQtMessageBox>();
    services.sound = std::make_unique<CKelvoCommonSdlSound>();
    services.instance = std::make_unique<CKelvoCommonFlockInstance>();
    services.windowSystem = std::make_unique<CKelvoCommonX11WindowSystem>();
    // The X11 hot key, or one that refuses every registration off X11.
    services.hotKey = CKelvoCommonX11HotKey::Create();
    if (CKelvoCommonXTestInput::Available()) {
        services.input = std::make_unique<CKelvoCommonXTestInput>();
    } else {
        // Not an X11 session (or no XTest): Enter still reaches the focused
        // control as a synthesised Qt click.
        qCWarning(lcKelvoCommon) << "no X11 input injection here; Enter clicks are synthesised";
        services.input = std::make_unique<CKelvoCommonFakeInput>();
    }
    return services;
}

CKelvoCommonPlatformServices KelvoCreateFakePlatformServices() {
    CKelvoCommonPlatformServices services;
    services.messageBox = std::make_unique<CKelvoCommonFakeMessageBox>();
    services.sound = std::make_unique<CKelvoCommonFakeSound>();
    services.instance = std::make_unique<CKelvoCommonFakeInstance>();
    services.input = std::make_unique<CKelvoCommonFakeInput>();
    services.windowSystem = std::make_unique<CKelvoCommonFakeWindowSystem>();
    services.hotKey = std::make_unique<CKelvoCommonFakeHotKey>();
    return services;
}
