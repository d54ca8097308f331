// SPDX-License-Identifier: MIT
// A build without Wayland (VENDRASK_WITH_WAYLAND=OFF): a Wayland session
// gets the X11 side through XWayland.
#include "common/platform/KelvoCommonBackends.h"

namespace KelvoWaylandBackends {

bool IsBuilt() {
    return false;
}

std::unique_ptr<CKelvoCommonWindowSystem> MakeWindowSystem() {
    return nullptr;
}

std::unique_ptr<CKelvoCommonHotKey> MakeHotKey(const QDBusConnection&, const QString&) {
    return nullptr;
}

std::unique_ptr<CKelvoCommonHookMouseSource> MakeHookSource() {
    return nullptr;
}

std::unique_ptr<CKelvoCommonActiveScreen> MakeActiveScreen() {
    return nullptr;
}

} // namespace KelvoWaylandBackends
