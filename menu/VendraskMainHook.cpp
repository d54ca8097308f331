// SPDX-License-Identifier: MIT
// The mouse hook: screen edges and the desktop double click call the menu
// up and send it away through the window's own show and hide paths.
#include "app/VendraskApp.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "menu/VendraskMain.h"

void CVendraskMain::SetUpHook() {
    CKelvoCommonHookMouse* hook = m_app.Services().hookMouse.get();
    if (hook == nullptr)
        return;
    // The settings go in before the hook starts, so that it never decides
    // on the library's defaults.
    m_app.ApplyMouseHookSettings();
    // A hook show places, fades and sounds like any other; a hook hide
    // fades, sounds and returns to the default group. WM_KC_HOOK_SHOW,
    // which the hook sends first and which releases the start-up guard,
    // the window handles itself.
    hook->SetReceiveWindow(this, [this](bool show) {
        if (show)
            ShowMenu();
        else
            HideMenu();
    });
    hook->StartHook();
}
