// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakePlatform.h"

#include "common/platform/fake/KelvoCommonFakeClock.h"
#include "common/platform/fake/KelvoCommonFakeHookMouseSource.h"
#include "common/platform/fake/KelvoCommonFakeHotKey.h"
#include "common/platform/fake/KelvoCommonFakeInput.h"
#include "common/platform/fake/KelvoCommonFakeInstance.h"
#include "common/platform/fake/KelvoCommonFakeKeyboard.h"
#include "common/platform/fake/KelvoCommonFakeMessageBox.h"
#include "common/platform/fake/KelvoCommonFakeShell.h"
#include "common/platform/fake/KelvoCommonFakeSound.h"
#include "common/platform/fake/KelvoCommonFakeWindowSystem.h"

CKelvoCommonPlatformServices KelvoCreateFakePlatformServices() {
    CKelvoCommonPlatformServices services;
    // The windows' clock; the hook runs on a clock of its own.
    services.scheduler = std::make_unique<CKelvoCommonFakeClock>();
    services.messageBox = std::make_unique<CKelvoCommonFakeMessageBox>();
    services.sound = std::make_unique<CKelvoCommonFakeSound>();
    services.instance = std::make_unique<CKelvoCommonFakeInstance>();
    services.input = std::make_unique<CKelvoCommonFakeInput>();
    services.windowSystem = std::make_unique<CKelvoCommonFakeWindowSystem>();
    services.hotKey = std::make_unique<CKelvoCommonFakeHotKey>();
    services.shell = std::make_unique<CKelvoCommonFakeShell>();
    services.keyboard = std::make_unique<CKelvoCommonFakeKeyboard>();
    // The fake source stamps presses with the fake clock the hook runs on.
    auto clock = std::make_unique<CKelvoCommonFakeClock>();
    auto source = std::make_unique<CKelvoCommonFakeHookMouseSource>(clock.get());
    services.hookMouse =
        std::make_unique<CKelvoCommonHookMouse>(std::move(source), std::move(clock));
    return services;
}
