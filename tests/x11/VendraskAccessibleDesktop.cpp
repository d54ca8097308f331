// SPDX-License-Identifier: MIT
#include "tests/x11/VendraskAccessibleDesktop.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QProcess>
#include <functional>

namespace {

constexpr const char* kRoot = "/org/a11y/atspi/accessible/root";
constexpr const char* kNull = "/org/a11y/atspi/null";
constexpr uint kRoleWindow = 69;
constexpr uint kRoleIcon = 26;

struct Reference {
    QString bus;
    QDBusObjectPath path;
};

} // namespace

Q_DECLARE_METATYPE(Reference)

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const Reference& reference) {
    argument.beginStructure();
    argument << reference.bus << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Reference& reference) {
    argument.beginStructure();
    argument >> reference.bus >> reference.path;
    argument.endStructure();
    return argument;
}

// One object path: answers every call through the function.
class Node final : public QDBusVirtualObject {
public:
    using Answer = std::function<QVariant(const QDBusMessage&)>;
    explicit Node(Answer answer) : m_answer(std::move(answer)) {}
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QVariant value = m_answer(message);
        connection.send(value.isValid() ? message.createReply(value)
                                        : message.createErrorReply(QDBusError::UnknownMethod,
                                                                   message.member()));
        return true;
    }

private:
    Answer m_answer;
};

QPoint PointOf(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    return arguments.size() >= 2 ? QPoint(arguments.at(0).toInt(), arguments.at(1).toInt())
                                 : QPoint(-1, -1);
}

} // namespace

namespace vendrask::test {

AccessibleDesktop::AccessibleDesktop(QRect screen, QRect icon) : m_daemon(new QProcess) {
    qDBusRegisterMetaType<Reference>();
    qDBusRegisterMetaType<QList<Reference>>();
    m_daemon->start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address")});
    if (!m_daemon->waitForReadyRead(5000))
        return;
    const QString address = QString::fromUtf8(m_daemon->readLine().trimmed());
    QDBusConnection registry = QDBusConnection::connectToBus(address, QStringLiteral("registry"));
    QDBusConnection program = QDBusConnection::connectToBus(address, QStringLiteral("program"));
    if (!registry.isConnected() || !program.isConnected() ||
        !registry.registerService(QStringLiteral("org.a11y.Bus")) ||
        !registry.registerService(QStringLiteral("org.a11y.atspi.Registry")))
        return;
    const QString self = program.baseService();
    const auto reference = [self](const char* path) {
        return Reference{self, QDBusObjectPath(QLatin1String(path))};
    };
    m_thread.start();
    const auto add = [this](QDBusConnection& connection, const char* path, Node::Answer answer) {
        auto* node = new Node(std::move(answer));
        node->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, node, &QObject::deleteLater);
        return connection.registerVirtualObject(QLatin1String(path), node);
    };
    const bool registered =
        add(registry, "/org/a11y/bus",
            [address](const QDBusMessage&) { return QVariant(address); }) &&
        add(registry, kRoot,
            [=](const QDBusMessage&) {
                return QVariant::fromValue(QList<Reference>{reference(kRoot)});
            }) &&
        add(program, kRoot,
            [=](const QDBusMessage&) {
                return QVariant::fromValue(QList<Reference>{reference("/window")});
            }) &&
        add(program, "/window",
            [=](const QDBusMessage& message) -> QVariant {
                if (message.member() == QLatin1String("Contains"))
                    return screen.contains(PointOf(message));
                if (message.member() == QLatin1String("GetAccessibleAtPoint"))
                    return QVariant::fromValue(icon.contains(PointOf(message))
                                                   ? reference("/icon")
                                                   : Reference{QString(), QDBusObjectPath(kNull)});
                if (message.member() == QLatin1String("GetRole"))
                    return kRoleWindow;
                return {};
            }) &&
        add(program, "/icon", [=](const QDBusMessage& message) -> QVariant {
            if (message.member() == QLatin1String("GetAccessibleAtPoint"))
                return QVariant::fromValue(Reference{QString(), QDBusObjectPath(kNull)});
            if (message.member() == QLatin1String("GetRole"))
                return kRoleIcon;
            return {};
        });
    if (registered)
        m_address = address;
}

AccessibleDesktop::~AccessibleDesktop() {
    QDBusConnection::disconnectFromBus(QStringLiteral("registry"));
    QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    m_thread.quit();
    m_thread.wait();
    m_daemon->kill();
    m_daemon->waitForFinished();
}

} // namespace vendrask::test
