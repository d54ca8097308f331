// SPDX-License-Identifier: MIT
#include "tests/portal/PortalMockBackend.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDateTime>

static QDBusArgument& operator<<(QDBusArgument& argument, const PortalMockShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

static const QDBusArgument& operator>>(const QDBusArgument& argument,
                                       PortalMockShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace {
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.impl.portal.GlobalShortcuts");
} // namespace

QByteArray CPortalMockBackend::PortalFile() {
    return QByteArray("[portal]\nDBusName=") + kBusName +
           "\nInterfaces=org.freedesktop.impl.portal.GlobalShortcuts;\nUseIn=vendrasktest\n";
}

CPortalMockBackend::CPortalMockBackend(QObject* parent) : QObject(parent) {
    qDBusRegisterMetaType<PortalMockShortcut>();
    qDBusRegisterMetaType<QList<PortalMockShortcut>>();
}

bool CPortalMockBackend::Publish(QDBusConnection bus) {
    m_bus = bus;
    return bus.registerObject(kPath, this,
                              QDBusConnection::ExportAllSlots |
                                  QDBusConnection::ExportAllProperties) &&
           bus.registerService(QLatin1String(kBusName));
}

QStringList CPortalMockBackend::OfferedTriggers(const QString& shortcutId) const {
    QStringList triggers;
    for (const Call& call : m_calls) {
        for (const PortalMockShortcut& shortcut : call.shortcuts) {
            if (shortcut.id == shortcutId)
                triggers << call.method + QLatin1Char(' ') +
                                shortcut.properties.value(QStringLiteral("preferred_trigger"))
                                    .toString();
        }
    }
    return triggers;
}

void CPortalMockBackend::Activate(const QString& shortcutId) {
    QDBusMessage signal =
        QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("Activated"));
    signal << QVariant::fromValue(QDBusObjectPath(m_lastSession)) << shortcutId
           << static_cast<qulonglong>(QDateTime::currentMSecsSinceEpoch()) << QVariantMap();
    m_bus.send(signal);
}

uint CPortalMockBackend::CreateSession(const QDBusObjectPath&, const QDBusObjectPath& sessionHandle,
                                       const QString& appId, const QVariantMap& options,
                                       QVariantMap& results) {
    Call call{QStringLiteral("CreateSession"), appId, sessionHandle.path(), options, {}};
    const QVariant shortcuts = options.value(QStringLiteral("shortcuts"));
    if (shortcuts.canConvert<QDBusArgument>())
        call.shortcuts = qdbus_cast<QList<PortalMockShortcut>>(shortcuts.value<QDBusArgument>());
    m_calls << call;
    m_lastSession = sessionHandle.path();
    results.insert(QStringLiteral("session_handle"), sessionHandle.path());
    if (m_bindsOnCreate && !call.shortcuts.isEmpty()) // newer frontends pass none on
        Bind(call.shortcuts, results);
    Q_EMIT called(call.method);
    return 0;
}

uint CPortalMockBackend::BindShortcuts(const QDBusObjectPath&, const QDBusObjectPath& sessionHandle,
                                       const QList<PortalMockShortcut>& shortcuts, const QString&,
                                       const QVariantMap& options, QVariantMap& results) {
    m_calls << Call{QStringLiteral("BindShortcuts"), {}, sessionHandle.path(), options, shortcuts};
    Q_EMIT called(m_calls.last().method);
    QVariantMap unsent;
    switch (m_bindAnswer) {
    case BindAnswer::Grants:
        Bind(shortcuts, results);
        return 0;
    case BindAnswer::AnswersTwoYetBinds:
        Bind(shortcuts, unsent);
        return 2;
    case BindAnswer::GivesNoKey:
        Bind(shortcuts, results, false);
        return 0;
    case BindAnswer::Cancels:
        break;
    }
    return 1;
}

void CPortalMockBackend::Bind(const QList<PortalMockShortcut>& shortcuts, QVariantMap& results,
                              bool withKeys) {
    m_bound.clear();
    for (PortalMockShortcut shortcut : shortcuts) {
        shortcut.properties.insert(
            QStringLiteral("trigger_description"),
            withKeys ? shortcut.properties.value(QStringLiteral("preferred_trigger")).toString()
                     : QString());
        m_bound << shortcut;
    }
    results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(m_bound));
}

uint CPortalMockBackend::ListShortcuts(const QDBusObjectPath&, const QDBusObjectPath& sessionHandle,
                                       QVariantMap& results) {
    m_calls << Call{QStringLiteral("ListShortcuts"), {}, sessionHandle.path(), {}, {}};
    results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(m_bound));
    Q_EMIT called(m_calls.last().method);
    return 0;
}
