// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonBackends.h"
#include "common/platform/x11/KelvoCommonX11HookSource.h"
#include "common/platform/x11/KelvoCommonX11HotKey.h"
#include "common/platform/x11/KelvoCommonX11Keyboard.h"
#include "common/platform/x11/KelvoCommonX11WindowSystem.h"
#include "common/platform/x11/KelvoCommonXTestInput.h"

namespace KelvoX11Backends {

std::unique_ptr<CKelvoCommonWindowSystem> MakeWindowSystem() {
    return std::make_unique<CKelvoCommonX11WindowSystem>();
}

std::unique_ptr<CKelvoCommonHotKey> MakeHotKey() {
    return CKelvoCommonX11HotKey::Create();
}

std::unique_ptr<CKelvoCommonHookMouseSource>
MakeHookSource(std::unique_ptr<CKelvoCommonDesktopIconProbe> iconProbe) {
    return std::make_unique<CKelvoCommonX11HookSource>(std::move(iconProbe));
}

std::unique_ptr<CKelvoCommonInput> MakeInput() {
    if (!CKelvoCommonXTestInput::Available())
        return nullptr;
    return std::make_unique<CKelvoCommonXTestInput>();
}

std::unique_ptr<CKelvoCommonKeyboard> MakeKeyboard() {
    return std::make_unique<CKelvoCommonX11Keyboard>();
}

} // namespace KelvoX11Backends
