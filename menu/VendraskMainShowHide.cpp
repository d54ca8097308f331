// SPDX-License-Identifier: MIT
// Calling the menu up and sending it away: hot key, tray icon, placement,
// fade, sounds, Pause and Close.
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
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace {

// Opacity change per fade step by fade level; 0 means no fade.
constexpr std::array<int, 8> kFadeStep = {0, 120, 80, 50, 30, 20, 15, 12};
constexpr int kInvalidLevelStep = 50;

} // namespace

std::vector<int> CVendraskMain::FadeSequence(int fadeLevel, int transparency, int fadeAlpha,
                                             bool fadeIn) {
    int step = kInvalidLevelStep;
    if (fadeLevel >= 1 && fadeLevel < static_cast<int>(kFadeStep.size()))
        step = kFadeStep[static_cast<std::size_t>(fadeLevel)];
    std::vector<int> sequence;
    if (fadeIn) {
        for (int alpha = fadeAlpha + step; alpha <= transparency; alpha += step)
            sequence.push_back(alpha & 0xFF);
        sequence.push_back(transparency & 0xFF);
    } else {
        for (int alpha = fadeAlpha - step; alpha >= 0; alpha -= step)
            sequence.push_back(alpha & 0xFF);
        sequence.push_back(0);
    }
    return sequence;
}

void CVendraskMain::SetUpShowHide() {
    m_iconMenu = new QMenu(QStringLiteral("System"), this);
    m_pauseAction = m_iconMenu->addAction(QStringLiteral("Pause (Hot Key) (&P)"));
    m_pauseAction->setData(kCmdPause);
    m_pauseAction->setCheckable(true);
    QAction* close = m_iconMenu->addAction(QStringLiteral("Close (&C)"));
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
    }
    // A refusal is logged by the hot key service and reported by status.
    m_hotKeyState.Arm();
    SetUpHook();
    if (m_app.Services().windowSystem)
        m_app.Services().windowSystem->PrepareMenuWindow(this);
}

void CVendraskMain::UpdateTrayIcon() {
    m_trayIcon->setIcon(VendraskLoadIcon(m_trayIconId));
}

void CVendraskMain::OnHotKey(int identifier) {
    if (m_app.m_behaviorUnableHotKey != 0 &&
        m_app.Services().windowSystem->IsFullScreenWindowPresent())
        return;
    if (identifier != CKelvoCommonHotKey::Identifier(m_app.m_hotKeyModifier, m_app.m_hotKeyCode))
        return;
    ToggleMenu();
}

void CVendraskMain::ToggleMenu() {
    if (m_fading) {
        // Toggles the state the menu will be in once the fade and any
        // request already waiting are done.
        RequestAfterFade(!m_requestAfterFade.value_or(m_fadeDirection == 1));
        return;
    }
    if (!isVisible()) {
        m_flagKeepHidden = 0;
        ShowMenu();
    } else {
        HideMenu();
    }
}

void CVendraskMain::SetOpacity(int alpha) {
    m_app.Services().windowSystem->SetWindowOpacity(this, alpha & 0xFF);
}

void CVendraskMain::PlaySound(int sound) {
    if (m_app.m_soundFlag == 1)
        m_app.Services().sound->Play(m_app.m_soundData[sound], 0);
}

void CVendraskMain::RunFade(bool fadeIn) {
    if (m_app.m_colorSetFadeLevel < 0 ||
        m_app.m_colorSetFadeLevel >= static_cast<int>(kFadeStep.size()))
        qCDebug(lcVendrask) << "m_colorSetFadeLevel has been invalid value !!";
    m_fadeAlpha = fadeIn ? 0 : m_app.m_colorSetTransparency;
    m_fadeDirection = fadeIn ? 1 : 0;
    const std::vector<int> steps =
        FadeSequence(m_app.m_colorSetFadeLevel, m_app.m_colorSetTransparency, m_fadeAlpha, fadeIn);
    // One step every 30 ms on this thread; no user input is taken meanwhile.
    m_fading = true;
    QEventLoop wait;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    std::size_t next = 0;
    const auto apply = [&] {
        SetOpacity(steps[next]);
        m_fadeAlpha = steps[next];
        if (++next >= steps.size())
            wait.quit();
    };
    connect(&tick, &QTimer::timeout, &wait, apply);
    apply();
    if (next < steps.size()) {
        tick.start(kFadeStepMs);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    m_fading = false;
}

void CVendraskMain::RequestAfterFade(bool visible) {
    // The fade takes no other input, so a call-up or send-away made during
    // it waits for its end. Only one waits: a request back to the state
    // the fade ends in cancels the waiting one.
    if (visible == (m_fadeDirection == 1))
        m_requestAfterFade.reset();
    else
        m_requestAfterFade = visible;
    // A quiet hide waits with its request; with no hide waiting, none is due.
    if (m_requestAfterFade != std::optional<bool>(false))
        m_flagQuietHide = 0;
}

void CVendraskMain::RunRequestAfterFade() {
    if (!m_requestAfterFade.has_value())
        return;
    const bool visible = *m_requestAfterFade;
    m_requestAfterFade.reset();
    if (visible)
        ShowMenu();
    else
        HideMenu();
}

void CVendraskMain::ShowMenu() {
    if (m_fading) {
        RequestAfterFade(true);
        return;
    }
    if (m_flagKeepHidden == 1 || isVisible())
        return;
    m_callUpClock.start();
    // Centred on the whole monitor under the pointer, at opacity 0.
    m_frame->MoveToPointerMonitor();
    m_app.Services().windowSystem->SetTopMost(this, m_app.m_behaviorShowTopMost != 0);
    SetOpacity(0);
    m_showFromPicture = true;
    show();
    // The keyboard at once: keys typed during the fade wait for its end.
    m_app.Services().windowSystem->ActivateWindow(this);
    // Fade in; the open sound after it.
    if (m_app.m_colorSetFadeLevel == 0)
        SetOpacity(m_app.m_colorSetTransparency);
    else
        RunFade(true);
    PlaySound(CVendraskApp::SoundMenuOpen);
    RunRequestAfterFade();
}

void CVendraskMain::HideMenu() {
    if (m_fading) {
        RequestAfterFade(false);
        return;
    }
    // Used up by this hide whatever it finds: a quiet hide asked for a
    // menu already gone must not silence the next one.
    const int quiet = std::exchange(m_flagQuietHide, 0);
    if (!isVisible())
        return;
    if (quiet == 1) {
        SetOpacity(0);
    } else {
        PlaySound(CVendraskApp::SoundMenuClose);
        if (m_app.m_colorSetFadeLevel == 0)
            SetOpacity(0);
        else
            RunFade(false);
    }
    hide();
    // Every hide returns to the default group; 99 keeps the last one.
    const int defaultGroup = m_app.m_behaviorDefaultGroupID;
    if (defaultGroup != CVendraskApp::kDefaultGroupNone && defaultGroup >= 0 &&
        defaultGroup < CVendraskApp::kGroupCount && defaultGroup != m_app.m_currentGroup) {
        m_app.m_currentGroup = defaultGroup;
        ShowCurrentGroup();
    }
    ScheduleMenuPicture();
    RunRequestAfterFade();
}

void CVendraskMain::OnPause() {
    if (m_flagHotKeyActive == 1) {
        m_pauseAction->setChecked(true);
        if (isVisible()) {
            m_flagQuietHide = 1;
            HideMenu();
        }
        m_flagHotKeyActive = 0;
        m_hotKeyState.Pause();
        m_trayIconId = VendraskResource::kIconPaused;
    } else {
        m_pauseAction->setChecked(false);
        m_flagHotKeyActive = 1;
        if (!m_hotKeyState.Resume()) {
            CKelvoCommonMessageBox* box = m_app.Services().messageBox.get();
            // After the icon menu has closed, as for every other box.
            QTimer::singleShot(0, this, [box] {
                box->ShowError(tr("The hot key could not be registered again after the pause: "
                                  "another program may be using it.\n\nChoose another one on "
                                  "the Behavior page of the configuration window."));
            });
        }
        m_trayIconId = VendraskResource::kIconNormal;
    }
    UpdateTrayIcon();
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
