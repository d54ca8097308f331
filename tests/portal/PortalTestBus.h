// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A private session bus of our own, and xdg-desktop-portal's frontend on
// it, finding only the backends of a portal folder of ours: no other
// desktop service can answer, and nothing of the real session is touched.
class CPortalTestBus final {
public:
    CPortalTestBus();
    ~CPortalTestBus();
    CPortalTestBus(const CPortalTestBus&) = delete;
    CPortalTestBus& operator=(const CPortalTestBus&) = delete;

    // Empty when the bus did not start.
    QString Address() const { return m_address; }
    // A new connection of this process to the bus, under its own name.
    QDBusConnection Connect(const QString& name) const;
    // The frontend with the mock's portal file or with none; waits until it
    // owns its name. False (with its output in Log()) when it does not.
    bool StartFrontend(bool withMockBackend);
    // A desktop entry of that name, as an installed program has; before
    // StartFrontend.
    void InstallDesktopEntry(const QString& appId);
    // The frontend knows programs by name (portal 1.19 and later).
    bool FrontendHasRegistry() const;
    // What a program started on this bus needs in its environment.
    QProcessEnvironment Environment() const;
    QString Log();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_frontend;
    QString m_address;
};
