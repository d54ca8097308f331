// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariantMap>

// One entry of a shortcut list, a(sa{sv}).
struct PortalMockShortcut {
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(PortalMockShortcut)

// A GlobalShortcuts service of a desktop, as the portal frontend calls it
// (org.freedesktop.impl.portal.GlobalShortcuts): it grants every session
// and binding at once, records every call and presses shortcuts on demand.
class CPortalMockBackend final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.impl.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ Version)

public:
    static constexpr const char* kBusName = "org.freedesktop.impl.portal.desktop.vendrasktest";
    // What the desktop's portal file must say for the frontend to use this.
    static QByteArray PortalFile();

    // How BindShortcuts answers, as the desktops do.
    enum class BindAnswer {
        Grants,
        AnswersTwoYetBinds, // GNOME 48.0: bound, answered 2 without the list
        GivesNoKey,         // KDE, for a combination another program holds
        Cancels,            // the user closed the desktop's dialog
    };

    struct Call {
        QString method;
        QString appId; // CreateSession's
        QString sessionHandle;
        QVariantMap options;
        QList<PortalMockShortcut> shortcuts; // those of BindShortcuts, or of the options
    };

    explicit CPortalMockBackend(QObject* parent = nullptr);
    // Takes the bus name and the object path; false when either is refused.
    bool Publish(QDBusConnection bus);

    const QList<Call>& Calls() const { return m_calls; }
    // The trigger each call offered for the shortcut, in order.
    QStringList OfferedTriggers(const QString& shortcutId) const;
    QString LastSession() const { return m_lastSession; }
    // The desktop saw the shortcut pressed, in the last session made.
    void Activate(const QString& shortcutId);
    uint Version() const { return 1; }
    // Binds the shortcuts CreateSession brings and lists them in its answer,
    // as KDE's service does.
    void SetBindsOnCreate(bool binds) { m_bindsOnCreate = binds; }
    void SetBindAnswer(BindAnswer answer) { m_bindAnswer = answer; }

public Q_SLOTS:
    uint CreateSession(const QDBusObjectPath& handle, const QDBusObjectPath& sessionHandle,
                       const QString& appId, const QVariantMap& options, QVariantMap& results);
    uint BindShortcuts(const QDBusObjectPath& handle, const QDBusObjectPath& sessionHandle,
                       const QList<PortalMockShortcut>& shortcuts, const QString& parentWindow,
                       const QVariantMap& options, QVariantMap& results);
    uint ListShortcuts(const QDBusObjectPath& handle, const QDBusObjectPath& sessionHandle,
                       QVariantMap& results);

Q_SIGNALS:
    void called(const QString& method);

private:
    void Bind(const QList<PortalMockShortcut>& shortcuts, QVariantMap& results,
              bool withKeys = true);

    QDBusConnection m_bus{QString()};
    QList<Call> m_calls;
    QString m_lastSession;
    QList<PortalMockShortcut> m_bound;
    bool m_bindsOnCreate = false;
    BindAnswer m_bindAnswer = BindAnswer::Grants;
};
