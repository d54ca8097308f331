// SPDX-License-Identifier: MIT
#include "control/VendraskControlAdapter.h"

#include "app/VendraskApp.h"
#include "app/VendraskLaunch.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "common/platform/KelvoCommonWindowSystem.h"
#include "dialogs/VendraskConfig.h"
#include "menu/VendraskMain.h"

#include <QCoreApplication>
#include <unistd.h>

CVendraskControlAdapter::CVendraskControlAdapter(CVendraskApp& app, CVendraskMain& menu)
    : m_app(app), m_menu(menu) {}

void CVendraskControlAdapter::Toggle(const std::string& token) {
    if (!m_menu.isVisible())
        PresentToken(token);
    // An explicit request: the full-screen rule of the hot key does not apply.
    m_menu.ToggleMenu();
}

void CVendraskControlAdapter::PresentToken(const std::string& token) {
    if (!token.empty())
        m_app.Services().windowSystem->SetActivationToken(&m_menu,
                                                          QByteArray::fromStdString(token));
}

void CVendraskControlAdapter::Show(int group, const std::string& token) {
    if (group >= 0 && group < CVendraskApp::kGroupCount && group != m_app.m_currentGroup) {
        m_app.m_currentGroup = group;
        m_menu.ShowCurrentGroup();
    }
    if (!m_menu.isVisible())
        PresentToken(token);
    m_menu.ReleaseKeepHidden();
    m_menu.ShowMenu();
}

void CVendraskControlAdapter::Hide() {
    m_menu.HideMenu();
}

void CVendraskControlAdapter::Configure(const std::string& token) {
    if (m_menu.IsConfigurationOpen()) {
        CVendraskConfig& config = m_menu.Config();
        config.raise();
        m_app.Services().windowSystem->ActivateWindow(&config);
        return;
    }
    Show(-1, token);
    m_menu.OpenConfiguration();
}

QString CVendraskControlAdapter::Start(int group, int slot) {
    if (group < 0 || group >= CVendraskApp::kGroupCount || slot < 0 ||
        slot >= CVendraskApp::kSlotCount)
        return QCoreApplication::translate("CVendraskControlAdapter", "no such item");
    const ItemRecord& item = m_app.Item(group, slot);
    const QString name = QStringLiteral("%1 %2").arg(group).arg(QChar(u'A' + slot));
    if (item.Path.IsEmpty())
        return QCoreApplication::translate("CVendraskControlAdapter", "item %1 is empty").arg(name);
    const int started = CVendraskLaunch(m_app).ExecuteItem(item);
    if (started == 0)
        return QCoreApplication::translate("CVendraskControlAdapter",
                                           "item %1: its file does not exist")
            .arg(name);
    if (started < 0)
        return QCoreApplication::translate("CVendraskControlAdapter",
                                           "item %1 could not be started: %2")
            .arg(name, m_app.Services().shell->LastError());
    return {};
}

void CVendraskControlAdapter::Pause() {
    m_menu.Pause();
}

void CVendraskControlAdapter::Resume() {
    m_menu.Resume();
}

void CVendraskControlAdapter::Quit() {
    m_menu.CloseLauncher();
}

CVendraskControlTarget::Status CVendraskControlAdapter::CurrentStatus() const {
    Status status;
    status.pid = ::getpid();
    status.settingsFile = m_app.IniFilePath();
    status.hotKeyRegistered = m_menu.IsHotKeyRegistered();
    status.hotKeyRefused = m_menu.IsHotKeyRefused();
    status.paused = m_menu.IsPaused();
    status.visible = m_menu.isVisible();
    status.group = m_app.m_currentGroup;
    status.focusedSlot = m_menu.FocusedSlot();
    status.active = m_menu.isVisible() && m_app.Services().windowSystem->HasKeyboardFocus(&m_menu);
    // The hook arms a hide once the pointer left the edges after a show,
    // and a show once it left them after a hide.
    if (CKelvoCommonHookMouse::IsHookInstalled())
        status.edge = (CKelvoCommonHookMouse::FlagCloseMode() == 1) == status.visible
                          ? Status::Edge::Armed
                          : Status::Edge::Leave;
    return status;
}
