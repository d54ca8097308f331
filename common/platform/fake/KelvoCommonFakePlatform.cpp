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

namespace {

template <typename Fake>
std::unique_ptr<Fake> Keep(std::unique_ptr<Fake> fake, Fake*& typed) {
    typed = fake.get();
    return fake;
}

} // namespace

CKelvoCommonPlatformServices KelvoCreateFakePlatformServices(CKelvoCommonFakePlatform* fakes) {
    CKelvoCommonFakePlatform made;
    CKelvoCommonPlatformServices services;
    // The windows' clock; the hook runs on a clock of its own.
    services.scheduler = Keep(std::make_unique<CKelvoCommonFakeClock>(), made.clock);
    services.messageBox = Keep(std::make_unique<CKelvoCommonFakeMessageBox>(), made.messageBox);
    services.sound = Keep(std::make_unique<CKelvoCommonFakeSound>(), made.sound);
    services.instance = Keep(std::make_unique<CKelvoCommonFakeInstance>(), made.instance);
    services.input = Keep(std::make_unique<CKelvoCommonFakeInput>(), made.input);
    services.windowSystem =
        Keep(std::make_unique<CKelvoCommonFakeWindowSystem>(), made.windowSystem);
    services.hotKey = Keep(std::make_unique<CKelvoCommonFakeHotKey>(), made.hotKey);
    services.shell = Keep(std::make_unique<CKelvoCommonFakeShell>(), made.shell);
    services.keyboard = Keep(std::make_unique<CKelvoCommonFakeKeyboard>(), made.keyboard);
    // The fake source stamps presses with the fake clock the hook runs on.
    auto clock = Keep(std::make_unique<CKelvoCommonFakeClock>(), made.hookClock);
    auto source =
        Keep(std::make_unique<CKelvoCommonFakeHookMouseSource>(clock.get()), made.hookSource);
    services.hookMouse =
        std::make_unique<CKelvoCommonHookMouse>(std::move(source), std::move(clock));
    if (fakes != nullptr)
        *fakes = made;
    return services;
}
