// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonPlatform.h"

class CKelvoCommonFakeClock;
class CKelvoCommonFakeHookMouseSource;
class CKelvoCommonFakeHotKey;
class CKelvoCommonFakeInput;
class CKelvoCommonFakeInstance;
class CKelvoCommonFakeKeyboard;
class CKelvoCommonFakeMessageBox;
class CKelvoCommonFakeShell;
class CKelvoCommonFakeSound;
class CKelvoCommonFakeWindowSystem;

// The fakes behind one set of services, typed, so a test drives them without
// a downcast. The services own them.
struct CKelvoCommonFakePlatform {
    CKelvoCommonFakeMessageBox* messageBox = nullptr;
    CKelvoCommonFakeSound* sound = nullptr;
    CKelvoCommonFakeInstance* instance = nullptr;
    CKelvoCommonFakeInput* input = nullptr;
    CKelvoCommonFakeWindowSystem* windowSystem = nullptr;
    CKelvoCommonFakeHotKey* hotKey = nullptr;
    CKelvoCommonFakeShell* shell = nullptr;
    CKelvoCommonFakeKeyboard* keyboard = nullptr;
    CKelvoCommonFakeHookMouseSource* hookSource = nullptr;
    CKelvoCommonFakeClock* hookClock = nullptr;
    // The windows' clock (the fade).
    CKelvoCommonFakeClock* clock = nullptr;
};

// In-memory fakes; `fakes`, when given, is told where each one is.
CKelvoCommonPlatformServices
KelvoCreateFakePlatformServices(CKelvoCommonFakePlatform* fakes = nullptr);
