// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonBackends.h"
#include "common/platform/wayland/KelvoCommonCompositorScreen.h"
#include "common/platform/wayland/KelvoCommonLayerShellHookSource.h"
#include "common/platform/wayland/KelvoCommonPortalHotKey.h"
#include "common/platform/wayland/KelvoCommonWaylandWindowSystem.h"

namespace KelvoWaylandBackends {

bool IsBuilt() {
    return true;
}

std::unique_ptr<CKelvoCommonWindowSystem> MakeWindowSystem() {
    return std::make_unique<CKelvoCommonWaylandWindowSystem>();
}

std::unique_ptr<CKelvoCommonHotKey> MakeHotKey(const QDBusConnection& bus, const QString& desktop) {
    return std::make_unique<CKelvoCommonPortalHotKey>(bus, desktop);
}

std::unique_ptr<CKelvoCommonHookMouseSource> MakeHookSource() {
    return std::make_unique<CKelvoCommonLayerShellHookSource>();
}

std::unique_ptr<CKelvoCommonActiveScreen> MakeActiveScreen() {
    return std::make_unique<CKelvoCommonCompositorScreen>();
}

} // namespace KelvoWaylandBackends
