// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonHotKey.h"

#include <QDBusConnection>
#include <QHash>
#include <QString>
#include <QVariantMap>
#include <optional>

class QDBusMessage;
class QDBusObjectPath;

// The global hot key in a Wayland session, where no program may read the
// keyboard of another: one shortcut bound through the xdg-desktop-portal
// GlobalShortcuts interface. The desktop may ask the user once; it keeps the
// binding under the session token, which stays the same at every start.
//
// Nothing here waits for the portal: the desktop's confirmation may take
// as long as the user likes, so every answer arrives as a Response signal
// on the UI thread. Where the session has no such service, the first
// Register says once what to add to the desktop's own key bindings and
// every Register returns false.
class CKelvoCommonPortalHotKey final : public CKelvoCommonHotKey {
    Q_OBJECT

public:
    static constexpr const char* kShortcutId = "toggle";
    // Stable across starts: the desktop finds the binding again by it.
    static constexpr const char* kSessionToken = "vendrask";
    // The name of the launcher's desktop entry: GNOME binds shortcuts only
    // for a program the portal knows by it.
    static constexpr const char* kApplicationId = "io.github.vendrask.Vendrask";

    // desktop: the first name of XDG_CURRENT_DESKTOP in lower case, for the
    // binding line when there is no portal service.
    CKelvoCommonPortalHotKey(const QDBusConnection& bus, const QString& desktop,
                             QObject* parent = nullptr);
    ~CKelvoCommonPortalHotKey() override;

    // Starts binding and returns true, unless the session is known to have
    // no GlobalShortcuts service.
    bool Register(int modifier, int code) override;
    // Stops reacting; the desktop keeps the binding for the next Register.
    void Unregister(int modifier, int code) override;

    // The combination in the trigger format of the freedesktop shortcuts
    // text ("CTRL+ALT+x", "LOGO+space"); empty when it has no key (a chord
    // of modifiers alone) or the key has no name.
    static QString TriggerText(int modifier, int code);
    // One line telling the user what to add to this desktop's own key
    // bindings so that the combination runs "vendrask toggle".
    static QString BindingAdvice(const QString& desktop, int modifier, int code);

Q_SIGNALS:
    // The desktop answered whether it holds the shortcut now.
    void bindingFinished(bool bound);

private Q_SLOTS:
    // Qt D-Bus subscribes to bus signals by slot name.
    void OnResponse(uint response, const QVariantMap& results, const QDBusMessage& message);
    void OnActivated(const QDBusObjectPath& session, const QString& shortcutId,
                     qulonglong timestamp, const QVariantMap& options);

private:
    enum class Request { CreateSession, ListShortcuts, BindShortcuts };
    struct Combination {
        int modifier;
        int code;
        bool operator==(const Combination&) const = default;
    };

    bool PortalOnBus();
    // Tells the portal who we are (portal 1.19 and later), then creates the session.
    void RegisterApplication();
    void CreateSession();
    // Binds what Register asked for last, unless the desktop has it already.
    void BindIfChanged();
    void BindShortcuts();
    // Sends a call that answers through a Request object; handle_token is added.
    void Call(Request kind, const QString& method, QList<QVariant> arguments, QVariantMap options);
    void Forget(const QString& requestPath);
    void OnCreated(uint response, const QVariantMap& results);
    void OnListed(uint response, const QVariantMap& results);
    void OnBound(uint response, const QVariantMap& results);
    // The desktop's answer about the combination being bound: a key it lists,
    // or none.
    void Judge(const QString& trigger);
    void CheckKdeKeys(const Combination& combination);
    // Asks the session's list whether the last binding took.
    void CheckBinding();
    void BindIfAskedAgain();
    // The desktop holds the shortcut for the combination asked last.
    void Bound(const QString& trigger);
    void Refused(const QString& reason);
    void GiveUp(const QString& reason);
    QVariant Shortcuts(const Combination& combination) const;

    QDBusConnection m_bus;
    QString m_desktop;
    std::optional<bool> m_portalOnBus;
    bool m_unavailable = false;
    bool m_creating = false;
    bool m_binding = false;
    bool m_bindAgain = false;
    bool m_checkingBinding = false;
    bool m_named = false; // the portal knows us by kApplicationId
    bool m_modifierOnlyReported = false;
    int m_nextToken = 0;
    QString m_sessionHandle;
    // What Register asked for last; empty after Unregister.
    std::optional<Combination> m_wanted;
    std::optional<Combination> m_bindingNow;
    std::optional<Combination> m_bound;
    QHash<QString, Request> m_requests; // by request object path
};
