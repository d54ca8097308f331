// SPDX-License-Identifier: MIT
#pragma once

#include "KelvoCommonActiveScreen.h"
#include "KelvoCommonExport.h"
#include "KelvoCommonHookMouse.h"
#include "KelvoCommonHotKey.h"
#include "KelvoCommonInput.h"
#include "KelvoCommonInstance.h"
#include "KelvoCommonKeyboard.h"
#include "KelvoCommonMessageBox.h"
#include "KelvoCommonShell.h"
#include "KelvoCommonSound.h"
#include "KelvoCommonWindowSystem.h"

#include <memory>

// The platform services one process uses. The factory below is the only
// place that chooses a backend; tests build the fakes instead
// (fake/KelvoCommonFakePlatform.h).
struct CKelvoCommonPlatformServices {
    std::unique_ptr<CKelvoCommonMessageBox> messageBox;
    std::unique_ptr<CKelvoCommonSound> sound;
    std::unique_ptr<CKelvoCommonInstance> instance;
    std::unique_ptr<CKelvoCommonInput> input;
    std::unique_ptr<CKelvoCommonWindowSystem> windowSystem;
    std::unique_ptr<CKelvoCommonHotKey> hotKey;
    std::unique_ptr<CKelvoCommonShell> shell;
    std::unique_ptr<CKelvoCommonHookMouse> hookMouse;
    std::unique_ptr<CKelvoCommonKeyboard> keyboard;
    // Null where the pointer tells (X11).
    std::unique_ptr<CKelvoCommonActiveScreen> activeScreen;
};

// Services of the desktop session this process runs in.
KELVOCOMMON_EXPORT CKelvoCommonPlatformServices KelvoCreatePlatformServices();
