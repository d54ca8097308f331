// SPDX-License-Identifier: MIT
#include "control/VendraskControlDBus.h"

#include "app/VendraskLog.h"
#include "control/VendraskControlTarget.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QTimer>

CVendraskControlDBus::CVendraskControlDBus(CVendraskControlTarget& target, QObject* parent)
    : QObject(parent), m_target(target) {}

CVendraskControlDBus::~CVendraskControlDBus() {
    if (!m_registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(QLatin1String(kPath));
    bus.unregisterService(QLatin1String(kService));
}

bool CVendraskControlDBus::Register() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCInfo(lcVendrask) << "no session bus; control through the socket only";
        return false;
    }
    if (!bus.registerObject(QLatin1String(kPath), this,
                            QDBusConnection::ExportScriptableSlots |
                                QDBusConnection::ExportScriptableProperties)) {
        qCWarning(lcVendrask) << "cannot publish" << kPath << bus.lastError().message();
        return false;
    }
    if (!bus.registerService(QLatin1String(kService))) {
        qCWarning(lcVendrask) << "cannot take the bus name" << kService
                              << bus.lastError().message();
        bus.unregisterObject(QLatin1String(kPath));
        return false;
    }
    m_registered = true;
    return true;
}

bool CVendraskControlDBus::Visible() const {
    return m_target.CurrentStatus().visible;
}

void CVendraskControlDBus::Later(std::function<void()> action) {
    QTimer::singleShot(0, this, std::move(action));
}

// Toggle, Show and Hide answer once done, as the socket does: keys the
// caller sends next reach the menu.
void CVendraskControlDBus::Toggle() {
    m_target.Toggle({});
}

void CVendraskControlDBus::Show(int group) {
    if (group < -1 || group > 9) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("group must be 0-9, or -1"));
        return;
    }
    m_target.Show(group, {});
}

void CVendraskControlDBus::Hide() {
    m_target.Hide();
}

void CVendraskControlDBus::Configure() {
    Later([this] { m_target.Configure({}); });
}

void CVendraskControlDBus::Quit() {
    Later([this] { m_target.Quit(); });
}
