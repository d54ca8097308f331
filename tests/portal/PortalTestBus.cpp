// SPDX-License-Identifier: MIT
#include "tests/portal/PortalTestBus.h"

#include "tests/portal/PortalMockBackend.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>

namespace {
const QString kFrontend = QStringLiteral("/usr/libexec/xdg-desktop-portal");

bool WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}
} // namespace

namespace {
// A test that crashes leaves no bus or frontend behind.
void DieWithTheTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}
} // namespace

CPortalTestBus::CPortalTestBus() {
    DieWithTheTest(m_daemon);
    DieWithTheTest(m_frontend);
    // No service folders: nothing is started by activation behind our back.
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    WriteFile(config, "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                      "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/"
                      "busconfig.dtd\">\n<busconfig><type>session</type>"
                      "<listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                      "<policy context=\"default\"><allow send_destination=\"*\" "
                      "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                      "</policy></busconfig>\n");
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        return;
    const QDeadlineTimer deadline(5000);
    while (!m_daemon.canReadLine() && !deadline.hasExpired())
        m_daemon.waitForReadyRead(100);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

CPortalTestBus::~CPortalTestBus() {
    for (QProcess* process : {&m_frontend, &m_daemon}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(1000);
    }
}

QDBusConnection CPortalTestBus::Connect(const QString& name) const {
    QDBusConnection::disconnectFromBus(name); // a name left by an earlier test
    return QDBusConnection::connectToBus(m_address, name);
}

QProcessEnvironment CPortalTestBus::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("vendrasktest"));
    return environment;
}

bool CPortalTestBus::StartFrontend(bool withMockBackend) {
    const QString portals = m_dir.filePath(QStringLiteral("portals"));
    QDir().mkpath(portals);
    if (withMockBackend)
        WriteFile(portals + QStringLiteral("/vendrasktest.portal"),
                  CPortalMockBackend::PortalFile());
    QProcessEnvironment environment = Environment();
    environment.insert(QStringLiteral("XDG_DESKTOP_PORTAL_DIR"), portals);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
    m_frontend.setProcessEnvironment(environment);
    m_frontend.setProcessChannelMode(QProcess::MergedChannels);
    m_frontend.start(kFrontend, {QStringLiteral("--replace")});
    if (!m_frontend.waitForStarted(5000))
        return false;
    QDBusConnection watch = Connect(QStringLiteral("portal-test-watch"));
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_frontend.state() == QProcess::Running) {
        if (watch.interface()->isServiceRegistered(
                QStringLiteral("org.freedesktop.portal.Desktop")))
            return true;
        // The frontend asks the backend as it starts: the mock answers from this thread.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return false;
}

void CPortalTestBus::InstallDesktopEntry(const QString& appId) {
    const QString folder = m_dir.filePath(QStringLiteral("data/applications"));
    QDir().mkpath(folder);
    WriteFile(folder + QLatin1Char('/') + appId + QStringLiteral(".desktop"),
              "[Desktop Entry]\nType=Application\nName=Vendrask\nExec=vendrask\n");
}

bool CPortalTestBus::FrontendHasRegistry() const {
    QDBusMessage introspect = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
    const QDBusMessage reply = Connect(QStringLiteral("portal-test-watch")).call(introspect);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().toString().contains(
               QLatin1String("org.freedesktop.host.portal.Registry"));
}

QString CPortalTestBus::Log() {
    return QString::fromUtf8(m_frontend.readAll());
}
