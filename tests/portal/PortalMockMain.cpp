// SPDX-License-Identifier: MIT
// The mock desktop shortcut service as a program of its own, for flows
// with the real launcher and for benchmarks: it serves on the session bus
// of its environment, prints every call it gets as one line on stdout, and
// presses the launcher's shortcut when asked on the bus (method Activate of
// org.vendrask.test.PortalMock at /org/vendrask/test, under the mock's name).
// VENDRASK_PORTAL_MOCK_ANSWER=answers-two|gives-no-key|cancels answers
// BindShortcuts as GNOME 48.0, as KDE for a held key, or as a cancelled dialog.
#include "tests/portal/PortalMockBackend.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <cstdio>

class CPortalMockControl final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vendrask.test.PortalMock")

public:
    explicit CPortalMockControl(CPortalMockBackend& backend) : m_backend(backend) {}

public Q_SLOTS:
    void Activate() { m_backend.Activate(QStringLiteral("toggle")); }

private:
    CPortalMockBackend& m_backend;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    CPortalMockBackend backend;
    const QByteArray answer = qgetenv("VENDRASK_PORTAL_MOCK_ANSWER");
    if (answer == "answers-two")
        backend.SetBindAnswer(CPortalMockBackend::BindAnswer::AnswersTwoYetBinds);
    else if (answer == "gives-no-key")
        backend.SetBindAnswer(CPortalMockBackend::BindAnswer::GivesNoKey);
    else if (answer == "cancels")
        backend.SetBindAnswer(CPortalMockBackend::BindAnswer::Cancels);
    CPortalMockControl control(backend);
    QObject::connect(&backend, &CPortalMockBackend::called, &backend, [&backend] {
        const CPortalMockBackend::Call& call = backend.Calls().last();
        QStringList shortcuts;
        for (const PortalMockShortcut& shortcut : call.shortcuts)
            shortcuts
                << shortcut.id + QLatin1Char('=') +
                       shortcut.properties.value(QStringLiteral("preferred_trigger")).toString();
        std::printf("%s session=%s shortcuts=%s\n", qPrintable(call.method),
                    qPrintable(call.sessionHandle), qPrintable(shortcuts.join(QLatin1Char(','))));
        std::fflush(stdout);
    });
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/vendrask/test"), &control,
                            QDBusConnection::ExportAllSlots) ||
        !backend.Publish(bus)) {
        std::fprintf(stderr, "portal mock: cannot serve on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "PortalMockMain.moc"
