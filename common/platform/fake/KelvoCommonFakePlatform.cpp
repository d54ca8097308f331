// SPDX-License-Identifier: MIT
#include "KelvoCommonFakePlatform.h"

#include "KelvoCommonFakeHookMouseClock.h"
#include "KelvoCommonFakeHookMouseSource.h"
#include "KelvoCommonFakeHotKey.h"
#include "KelvoCommonFakeInput.h"
#include "KelvoCommonFakeInstance.h"
#include "KelvoCommonFakeKeyboard.h"
#include "KelvoCommonFakeMessageBox.h"
#include "KelvoCommonFakeShell.h"
#include "KelvoCommonFakeSound.h"
#include "KelvoCommonFakeWindowSystem.h"

CKelvoCommonPlatformServices KelvoCreateFakePlatformServices() {
    CKelvoCommonPlatformServices services;
    services.messageBox = std::make_unique<CKelvoCommonFakeMessageBox>();
    services.sound = std::make_unique<CKelvoCommonFakeSound>();
    services.instance = std::make_unique<CKelvoCommonFakeInstance>();
    services.input = std::make_unique<CKelvoCommonFakeInput>();
    services.windowSystem = std::make_unique<CKelvoCommonFakeWindowSystem>();
    services.hotKey = std::make_unique<CKelvoCommonFakeHotKey>();
    services.shell = std::make_unique<CKelvoCommonFakeShell>();
    services.keyboard = std::make_unique<CKelvoCommonFakeKeyboard>();
    // The fake source stamps presses with the fake clock the hook runs on.
    auto clock = std::make_unique<CKelvoCommonFakeHookMouseClock>();
    auto source = std::make_unique<CKelvoCommonFakeHookMouseSource>(clock.get());
    services.hookMouse =
        std::make_unique<CKelvoCommonHookMouse>(std::move(source), std::move(clock));
    return services;
}
