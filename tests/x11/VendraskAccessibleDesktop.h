// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <QThread>
#include <memory>

class QProcess;

namespace vendrask::test {

// A desktop program on an accessibility bus of the test's own: a session
// bus whose org.a11y.Bus points at itself, an AT-SPI registry, and one
// program (this test process) with one window over the screen holding one
// icon. Answers on a thread of its own, so the test may wait without
// running an event loop.
class AccessibleDesktop final {
public:
    explicit AccessibleDesktop(QRect screen, QRect icon);
    ~AccessibleDesktop();
    AccessibleDesktop(const AccessibleDesktop&) = delete;
    AccessibleDesktop& operator=(const AccessibleDesktop&) = delete;

    // The bus's address for DBUS_SESSION_BUS_ADDRESS; empty when it failed.
    QString Address() const { return m_address; }

private:
    std::unique_ptr<QProcess> m_daemon;
    QThread m_thread;
    QString m_address;
};

} // namespace vendrask::test
