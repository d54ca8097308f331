// SPDX-License-Identifier: MIT
// Calling the menu up and sending it away: the icon menu, the tray icon and
// the hot key, and the window side of the call-up (placement, opacity,
// sounds, the default group); CVendraskCallUp decides when. Close.
#include "app/VendraskApp.h"
#include "app/VendraskLog.h"
#include "common/KelvoCommonMessages.h"
#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/KelvoCommonMessageBox.h"
#include "common/platform/KelvoCommonSession.h"
#include "dialogs/VendraskConfig.h"
#include "dialogs/VendraskConfirmation.h"
#include "dialogs/VendraskGroupTitle.h"
#include "dialogs/VendraskInformation.h"
#include "dialogs/VendraskItemSetting.h"
#include "dialogs/VendraskWindowFrame.h"
#include "menu/VendraskMain.h"
#include "res/VendraskResources.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>

void CVendraskMain::SetUpShowHide() {
    m_iconMenu = new QMenu(tr("System"), this);
    m_pauseAction = m_iconMenu->addAction(tr("Pause (Hot Key) (&P)"));
    m_pauseAction->setData(kCmdPause);
    m_pauseAction->setCheckable(true);
    QAction* close = m_iconMenu->addAction(tr("Close (&C)"));
    close->setData(kCmdClose);
    connect(m_pauseAction, &QAction::triggered, this, &CVendraskMain::OnPause);
    connect(close, &QAction::triggered, this, &CVendraskMain::CloseLauncher);

    // The tray icon.
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setToolTip(QStringLiteral("Vendrask"));
    UpdateTrayIcon();
    m_trayIcon->setContextMenu(m_iconMenu);
    // A left click toggles once the tray's own event is over (a fade runs
    // a loop of its own); the right click opens the icon menu by itself.
    connect(
        m_trayIcon, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                ToggleMenu();
        },
        Qt::QueuedConnection);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_trayIcon->show();
    } else {
        // Wayland trays are StatusNotifierItem hosts only.
        std::fputs(CKelvoCommonSession::Current().IsWayland()
                       ? "vendrask: no system tray here (no StatusNotifierItem host on the "
                         "session bus; on GNOME the AppIndicator extension provides one); call "
                         "the menu with \"vendrask toggle\"\n"
                       : "vendrask: no system tray here; call the menu with the hot key or a "
                         "screen edge\n",
                   stderr);
        m_trayIcon->show(); // appears by itself if a tray starts later
    }

    // Pause unchecked, then the hot key.
    m_pauseAction->setChecked(false);
    if (m_app.Services().hotKey) {
        connect(m_app.Services().hotKey.get(), &CKelvoCommonHotKey::hotKeyPressed, this,
                &CVendraskMain::OnHotKey);
        connect(m_app.Services().hotKey.get(), &CKelvoCommonHotKey::registrationRefused, this,
                [this](int identifier) { m_callUp.OnHotKeyRefused(identifier); });
    }
    // A refusal is logged by the hot key service and reported by status.
    m_callUp.HotKeyState().Arm();
    SetUpHook();
}

void CVendraskMain::UpdateTrayIcon() {
    // The normal icon is the window's own: shared, not drawn a second time
    // in every size.
    m_trayIcon->setIcon(m_trayIconId == VendraskResource::kIconNormal
                            ? windowIcon()
                            : VendraskLoadIcon(m_trayIconId));
}

bool CVendraskMain::IsShown() const {
    return isVisible();
}

void CVendraskMain::Present() {
    // A call-up that came before start-up's last step.
    Prepare();
    m_callUpClock.start();
    // Centred on the whole monitor under the pointer, at opacity 0.
    m_frame->MoveToPointerMonitor();
    m_app.Services().windowSystem->SetTopMost(this, m_app.m_behaviorShowTopMost != 0);
    SetOpacity(0);
    m_showFromPicture = true;
    show();
    m_app.Services().windowSystem->ActivateWindow(this);
}

void CVendraskMain::Dismiss() {
    hide();
    // Every hide returns to the default group; 99 keeps the last one.
    const int defaultGroup = m_app.m_behaviorDefaultGroupID;
    if (defaultGroup != CVendraskApp::kDefaultGroupNone && defaultGroup >= 0 &&
        defaultGroup < CVendraskApp::kGroupCount && defaultGroup != m_app.m_currentGroup) {
        m_app.m_currentGroup = defaultGroup;
        ShowCurrentGroup();
    }
    ScheduleMenuPicture();
}

void CVendraskMain::SetOpacity(int alpha) {
    m_app.Services().windowSystem->SetWindowOpacity(this, alpha & 0xFF);
}

void CVendraskMain::PlaySound(int sound) {
    m_app.Services().sound->Play(m_app.m_soundData[sound], 0);
}

void CVendraskMain::PauseChanged(bool paused) {
    m_pauseAction->setChecked(paused);
    m_trayIconId = paused ? VendraskResource::kIconPaused : VendraskResource::kIconNormal;
    UpdateTrayIcon();
}

void CVendraskMain::ResumeRefused() {
    CKelvoCommonMessageBox* box = m_app.Services().messageBox.get();
    // After the icon menu has closed, as for every other box.
    QTimer::singleShot(0, this, [box] {
        box->ShowError(tr("The hot key could not be registered again after the pause: "
                          "another program may be using it.\n\nChoose another one on "
                          "the Behavior page of the configuration window."));
    });
}

void CVendraskMain::HotKeyRefusedLater() {
    CKelvoCommonMessageBox* box = m_app.Services().messageBox.get();
    QTimer::singleShot(0, this, [box] {
        box->ShowError(tr("The desktop did not bind the hot key: another program may be using "
                          "it.\n\nChoose another one on the Behavior page of the configuration "
                          "window, or give the launcher a key in the desktop's keyboard "
                          "shortcut settings."));
    });
}

void CVendraskMain::CloseLauncher() {
    // Open sub-windows end first, in this order. The windows that store as
    // they close end with 1; an open question ends unanswered, as Cancel:
    // a question nobody answered never carries out a Delete or a Cut.
    const struct {
        int* flag;
        const char* line;
        QDialog* window;
        int result;
    } subWindows[] = {
        {&m_flagConfigOpen, "Main::EndDialog-Config", m_configWindow, 1},
        {&m_flagInformationOpen, "Main::EndDialog-Information", m_informationWindow, 1},
        {&m_flagConfirmationOpen, "Main::EndDialog-Confirmation", m_confirmationWindow,
         CVendraskConfirmation::kResultCancel},
        {&m_flagItemSettingOpen, "Main::EndDialog-ItemSetting", m_itemSettingWindow, 1},
        {&m_flagGroupTitleOpen, "Main::EndDialog-GroupTitle", m_groupTitleWindow, 1},
    };
    for (const auto& sub : subWindows) {
        if (*sub.flag != 1)
            continue;
        qCDebug(lcVendrask) << sub.line;
        if (sub.window != nullptr)
            sub.window->done(sub.result);
    }
    QDialog::done(1);
}
