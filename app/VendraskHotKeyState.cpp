// SPDX-License-Identifier: MIT
#include "app/VendraskHotKeyState.h"

#include "app/VendraskApp.h"
#include "common/platform/KelvoCommonHotKey.h"

CVendraskHotKeyState::CVendraskHotKeyState(CVendraskApp& app) : m_app(app) {}

bool CVendraskHotKeyState::RegisterStored() {
    CKelvoCommonHotKey* hotKey = m_app.Services().hotKey.get();
    m_refused = hotKey != nullptr && !hotKey->Register(m_app.m_hotKeyModifier, m_app.m_hotKeyCode);
    return !m_refused;
}

bool CVendraskHotKeyState::Arm() {
    m_flagHotKeyRegistered = 1;
    return RegisterStored();
}

void CVendraskHotKeyState::Pause() {
    Release();
    m_flagHotKeyRegistered = 0;
}

bool CVendraskHotKeyState::Resume() {
    return Arm();
}

CVendraskHotKeyState::Choice CVendraskHotKeyState::Choose(int modifier, int code) {
    const int previousModifier = m_app.m_hotKeyModifier;
    const int previousCode = m_app.m_hotKeyCode;
    const bool previousHeld = IsRegistered();
    if (previousHeld)
        Release();
    m_app.m_hotKeyModifier = modifier;
    m_app.m_hotKeyCode = code;
    // While paused only the setting changes; resuming registers it.
    if (IsPaused() || RegisterStored())
        return Choice::Taken;
    if (previousHeld) {
        m_app.m_hotKeyModifier = previousModifier;
        m_app.m_hotKeyCode = previousCode;
        if (RegisterStored())
            return Choice::KeptPrevious;
        // Lost in between: the user's choice is what the next start tries.
        m_app.m_hotKeyModifier = modifier;
        m_app.m_hotKeyCode = code;
    }
    m_refused = true;
    return Choice::Refused;
}

bool CVendraskHotKeyState::RefusedLater(int identifier) {
    if (!IsRegistered() ||
        identifier != CKelvoCommonHotKey::Identifier(m_app.m_hotKeyModifier, m_app.m_hotKeyCode))
        return false;
    m_refused = true;
    return true;
}

void CVendraskHotKeyState::Release() {
    CKelvoCommonHotKey* hotKey = m_app.Services().hotKey.get();
    if (IsRegistered() && hotKey != nullptr)
        hotKey->Unregister(m_app.m_hotKeyModifier, m_app.m_hotKeyCode);
    m_refused = false;
}
