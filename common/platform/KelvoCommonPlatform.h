// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/KelvoCommonScheduler.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "common/platform/KelvoCommonActiveScreen.h"
#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/KelvoCommonInput.h"
#include "common/platform/KelvoCommonInstance.h"
#include "common/platform/KelvoCommonKeyboard.h"
#include "common/platform/KelvoCommonMessageBox.h"
#include "common/platform/KelvoCommonShell.h"
#include "common/platform/KelvoCommonSound.h"
#include "common/platform/KelvoCommonWindowSystem.h"

#include <memory>

// The platform services one process uses. The factory below is the only
// place that chooses a backend; tests build the fakes instead
// (fake/KelvoCommonFakePlatform.h).
struct CKelvoCommonPlatformServices {
    // Delayed steps of the windows (the fade); the hook keeps a scheduler
    // of its own, whose death drops its pending worker.
    std::unique_ptr<CKelvoCommonScheduler> scheduler;
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
