// SPDX-License-Identifier: MIT
#pragma once

#include "common/hook/KelvoCommonHookMouseSource.h"
#include "common/platform/KelvoCommonActiveScreen.h"
#include "common/platform/KelvoCommonDesktopIconProbe.h"
#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/KelvoCommonInput.h"
#include "common/platform/KelvoCommonKeyboard.h"
#include "common/platform/KelvoCommonWindowSystem.h"

#include <QString>
#include <memory>

class QDBusConnection;

// What each side of the session offers the factory (KelvoCommonPlatform.cpp,
// the only caller). A side the build leaves out (VENDRASK_WITH_X11 or
// VENDRASK_WITH_WAYLAND off) is made by platform/absent/: there every call
// answers null and the factory takes a stand-in.

namespace KelvoX11Backends {
// Windows through Xlib: opacity, top-most, activation.
std::unique_ptr<CKelvoCommonWindowSystem> MakeWindowSystem();
// The XGrabKey hot key, or one that refuses every registration off X11.
std::unique_ptr<CKelvoCommonHotKey> MakeHotKey();
// Raw pointer motion and button presses over XInput2.
std::unique_ptr<CKelvoCommonHookMouseSource>
MakeHookSource(std::unique_ptr<CKelvoCommonDesktopIconProbe> iconProbe);
// XTest, when the display has it.
std::unique_ptr<CKelvoCommonInput> MakeInput();
// The key's place from the X server's keymap.
std::unique_ptr<CKelvoCommonKeyboard> MakeKeyboard();
} // namespace KelvoX11Backends

namespace KelvoWaylandBackends {
// False when the build has no Wayland side.
bool IsBuilt();
// Native Wayland windows (no window opacity: the menu's pixels carry it).
std::unique_ptr<CKelvoCommonWindowSystem> MakeWindowSystem();
// GlobalShortcuts of the desktop portal.
std::unique_ptr<CKelvoCommonHotKey> MakeHotKey(const QDBusConnection& bus, const QString& desktop);
// Layer-shell strips along the screen edges.
std::unique_ptr<CKelvoCommonHookMouseSource> MakeHookSource();
// The compositor's own idea of the active screen.
std::unique_ptr<CKelvoCommonActiveScreen> MakeActiveScreen();
} // namespace KelvoWaylandBackends
