// SPDX-License-Identifier: MIT
// A build without X11 (VENDRASK_WITH_X11=OFF): no X11 backend at all.
#include "common/platform/KelvoCommonBackends.h"

namespace KelvoX11Backends {

std::unique_ptr<CKelvoCommonWindowSystem> MakeWindowSystem() {
    return nullptr;
}

std::unique_ptr<CKelvoCommonHotKey> MakeHotKey() {
    return nullptr;
}

std::unique_ptr<CKelvoCommonHookMouseSource>
MakeHookSource(std::unique_ptr<CKelvoCommonDesktopIconProbe>) {
    return nullptr;
}

std::unique_ptr<CKelvoCommonInput> MakeInput() {
    return nullptr;
}

std::unique_ptr<CKelvoCommonKeyboard> MakeKeyboard() {
    return nullptr;
}

} // namespace KelvoX11Backends
