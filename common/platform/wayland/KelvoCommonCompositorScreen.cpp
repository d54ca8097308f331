// SPDX-License-Identifier: MIT
#include "common/platform/wayland/KelvoCommonCompositorScreen.h"

#include "common/KelvoCommonLog.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <functional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kI3Magic[] = "i3-ipc";
constexpr qsizetype kI3MagicSize = 6;
constexpr qsizetype kI3HeaderSize = kI3MagicSize + 8;
// A reply larger than this is not an output list.
constexpr qsizetype kReplyLimit = 4 * 1024 * 1024;
// The compositor answers at once; a stuck one must not freeze the menu.
constexpr int kTimeoutMs = 250;

class Socket final {
public:
    explicit Socket(const QByteArray& path) {
        sockaddr_un address{};
        if (path.isEmpty() || path.size() >= static_cast<qsizetype>(sizeof(address.sun_path)))
            return;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_fd >= 0 &&
            ::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~Socket() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool Write(const QByteArray& bytes) {
        qsizetype done = 0;
        while (m_fd >= 0 && done < bytes.size()) {
            const ssize_t n = ::send(m_fd, bytes.constData() + done,
                                     static_cast<std::size_t>(bytes.size() - done), MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += n;
        }
        return m_fd >= 0;
    }
    // Reads until `enough` says so, the peer closes, or the time is up.
    QByteArray Read(const std::function<bool(const QByteArray&)>& enough) {
        QByteArray bytes;
        char buffer[16384];
        while (m_fd >= 0 && !enough(bytes) && bytes.size() <= kReplyLimit) {
            pollfd poller{m_fd, POLLIN, 0};
            if (::poll(&poller, 1, kTimeoutMs) <= 0)
                break;
            const ssize_t n = ::read(m_fd, buffer, sizeof(buffer));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            bytes.append(buffer, n);
        }
        return bytes;
    }

private:
    int m_fd = -1;
};

std::optional<CKelvoCommonCompositorScreen::Output> AskSway(const QByteArray& path) {
    Socket socket(path);
    if (!socket.Write(
            CKelvoCommonCompositorScreen::I3Request(CKelvoCommonCompositorScreen::kI3GetOutputs)))
        return std::nullopt;
    const QByteArray reply = socket.Read([](const QByteArray& bytes) {
        if (bytes.size() < kI3HeaderSize)
            return false;
        const auto length = qFromLittleEndian<quint32>(bytes.constData() + kI3MagicSize);
        return length > kReplyLimit || bytes.size() >= kI3HeaderSize + length;
    });
    const auto payload =
        CKelvoCommonCompositorScreen::I3Payload(reply, CKelvoCommonCompositorScreen::kI3GetOutputs);
    return payload ? CKelvoCommonCompositorScreen::FocusedSwayOutput(*payload) : std::nullopt;
}

std::optional<CKelvoCommonCompositorScreen::Output> AskHyprland(const QByteArray& path) {
    Socket socket(path);
    if (!socket.Write("j/monitors"))
        return std::nullopt;
    // Hyprland closes the connection after its answer.
    return CKelvoCommonCompositorScreen::FocusedHyprlandMonitor(
        socket.Read([](const QByteArray&) { return false; }));
}

QRect RectOf(const QJsonObject& object) {
    return {object.value(QLatin1String("x")).toInt(), object.value(QLatin1String("y")).toInt(),
            object.value(QLatin1String("width")).toInt(),
            object.value(QLatin1String("height")).toInt()};
}

} // namespace

QByteArray CKelvoCommonCompositorScreen::I3Request(std::uint32_t type, const QByteArray& payload) {
    QByteArray message(kI3Magic, kI3MagicSize);
    char numbers[8];
    qToLittleEndian<quint32>(static_cast<quint32>(payload.size()), numbers);
    qToLittleEndian<quint32>(type, numbers + 4);
    message.append(numbers, sizeof(numbers));
    message.append(payload);
    return message;
}

std::optional<QByteArray> CKelvoCommonCompositorScreen::I3Payload(const QByteArray& reply,
                                                                  std::uint32_t type) {
    if (reply.size() < kI3HeaderSize || !reply.startsWith(QByteArray(kI3Magic, kI3MagicSize)))
        return std::nullopt;
    const auto length = qFromLittleEndian<quint32>(reply.constData() + kI3MagicSize);
    const auto replyType = qFromLittleEndian<quint32>(reply.constData() + kI3MagicSize + 4);
    if (replyType != type || length > static_cast<quint64>(reply.size() - kI3HeaderSize))
        return std::nullopt;
    return reply.mid(kI3HeaderSize, static_cast<qsizetype>(length));
}

std::optional<CKelvoCommonCompositorScreen::Output>
CKelvoCommonCompositorScreen::FocusedSwayOutput(const QByteArray& json) {
    const QJsonArray outputs = QJsonDocument::fromJson(json).array();
    for (const QJsonValue& value : outputs) {
        const QJsonObject output = value.toObject();
        if (!output.value(QLatin1String("focused")).toBool())
            continue;
        const QString name = output.value(QLatin1String("name")).toString();
        if (name.isEmpty())
            continue;
        return Output{name, RectOf(output.value(QLatin1String("rect")).toObject())};
    }
    return std::nullopt;
}

std::optional<CKelvoCommonCompositorScreen::Output>
CKelvoCommonCompositorScreen::FocusedHyprlandMonitor(const QByteArray& json) {
    const QJsonArray monitors = QJsonDocument::fromJson(json).array();
    for (const QJsonValue& value : monitors) {
        const QJsonObject monitor = value.toObject();
        if (!monitor.value(QLatin1String("focused")).toBool())
            continue;
        const QString name = monitor.value(QLatin1String("name")).toString();
        if (name.isEmpty())
            continue;
        return Output{name, RectOf(monitor)};
    }
    return std::nullopt;
}

std::optional<CKelvoCommonCompositorScreen::Output> CKelvoCommonCompositorScreen::AskCompositor() {
    for (const char* variable : {"SWAYSOCK", "I3SOCK"}) {
        const QByteArray path = qgetenv(variable);
        if (!path.isEmpty())
            return AskSway(path);
    }
    const QByteArray signature = qgetenv("HYPRLAND_INSTANCE_SIGNATURE");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!signature.isEmpty() && !signature.contains('/') && !runtime.isEmpty())
        return AskHyprland(runtime + "/hypr/" + signature + "/.socket.sock");
    return std::nullopt;
}

QScreen* CKelvoCommonCompositorScreen::Screen() {
    const auto output = AskCompositor();
    if (output) {
        const QList<QScreen*> screens = QGuiApplication::screens();
        for (QScreen* screen : screens) {
            if (screen->name() == output->name)
                return screen;
        }
        // XWayland may name its outputs its own way; the layout still matches.
        for (QScreen* screen : screens) {
            if (screen->geometry().topLeft() == output->rect.topLeft())
                return screen;
        }
        qCDebug(lcKelvoCommon) << "focused output" << output->name << "is no screen of ours";
    }
    return QGuiApplication::primaryScreen();
}
