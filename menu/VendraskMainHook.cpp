// The mouse hook: screen edges and the desktop double click call the menu
// up and send it away through the window's own show and hide paths.
#include "KelvoCommonHookMouse.h"
#include "KelvoCommonMessages.h"
#include "VendraskApp.h"
#include "VendraskMain.h"

#include <QObject>
#include <cstdint>

namespace {

// Takes the hook's show and hide requests to ShowMenu and HideMenu, so a
// hook show places, fades and sounds like any other and a hook hide fades,
// sounds and returns to the default group. WM_KC_HOOK_SHOW, which the hook
// sends first and which releases the start-up guard, the window handles
// itself.
class CVendraskHookRequests final : public QObject {
public:
    explicit CVendraskHookRequests(CVendraskMain* menu) : QObject(menu), m_menu(menu) {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_menu || event->type() != CKelvoCommonHookMouse::kMessageShowWindow)
            return false;
        auto* message = dynamic_cast<CKelvoCommonMessageEvent*>(event);
        if (message == nullptr)
            return false;
        if (message->WParam() != 0)
            m_menu->ShowMenu();
        else
            m_menu->HideMenu();
        message->SetResult(1);
        return true;
    }

private:
    CVendraskMain* m_menu;
};

} // namespace

void CVendraskMain::SetUpHook() {
    CKelvoCommonHookMouse* hook = m_app.Services().hookMouse.get();
    if (hook == nullptr)
        return;
    new CVendraskHookRequests(this);
    // The settings go in before the hook starts, so that it never decides
    // on the library's defaults.
    m_app.ApplyMouseHookSettings();
    hook->SetReceiveWindow(this);
    hook->StartHook();
}
