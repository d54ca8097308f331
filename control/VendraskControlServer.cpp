// SPDX-License-Identifier: MIT
#include "control/VendraskControlServer.h"

#include "app/VendraskLog.h"
#include "control/VendraskControlRequest.h"
#include "control/VendraskControlSocket.h"
#include "control/VendraskControlTarget.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <sys/socket.h>
#include <unistd.h>

struct CVendraskControlServer::Client {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    std::unique_ptr<QTimer> timer;
    std::string buffer;
};

CVendraskControlServer::CVendraskControlServer(CVendraskControlTarget& target, QObject* parent)
    : QObject(parent), m_target(target) {}

CVendraskControlServer::~CVendraskControlServer() {
    while (!m_clients.empty())
        Drop(m_clients.back().get(), false);
    m_listenNotifier.reset();
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        ::unlink(m_path.c_str());
    }
}

bool CVendraskControlServer::Listen(const std::string& folder) {
    std::string error;
    if (!CVendraskControlSocket::PrepareFolder(folder, error)) {
        qCWarning(lcVendrask).noquote() << "no control socket:" << QString::fromStdString(error);
        return false;
    }
    const std::string path = folder + "/control";
    m_listenFd = CVendraskControlSocket::Listen(path, error);
    if (m_listenFd < 0) {
        qCWarning(lcVendrask).noquote() << "no control socket:" << QString::fromStdString(error);
        return false;
    }
    m_path = path;
    m_listenNotifier = std::make_unique<QSocketNotifier>(m_listenFd, QSocketNotifier::Read);
    connect(m_listenNotifier.get(), &QSocketNotifier::activated, this,
            &CVendraskControlServer::OnAccept);
    qCInfo(lcVendrask).noquote() << "control socket" << QString::fromStdString(path);
    return true;
}

void CVendraskControlServer::OnAccept() {
    const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    ucred peer{};
    socklen_t length = sizeof(peer);
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != ::getuid()) {
        qCWarning(lcVendrask) << "control request from another user refused, uid" << peer.uid;
        static constexpr char kRefused[] = "error: not allowed\n";
        ::send(fd, kRefused, sizeof(kRefused) - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(fd);
        return;
    }
    if (m_clients.size() >= kMaxClients) {
        ::close(fd);
        return;
    }
    auto client = std::make_unique<Client>();
    Client* raw = client.get();
    raw->fd = fd;
    raw->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(raw->notifier.get(), &QSocketNotifier::activated, this,
            [this, raw] { OnReadable(raw); });
    raw->timer = std::make_unique<QTimer>();
    raw->timer->setSingleShot(true);
    connect(raw->timer.get(), &QTimer::timeout, this, [this, raw] { Drop(raw); });
    raw->timer->start(kSilentClientMs);
    m_clients.push_back(std::move(client));
    // The client sends right after connecting: its line is often here
    // already, and answering now saves a wake-up.
    OnReadable(raw);
}

void CVendraskControlServer::OnReadable(Client* client) {
    char chunk[CVendraskControlRequest::kMaxLineBytes + 2];
    const ssize_t got = ::recv(client->fd, chunk, sizeof(chunk), MSG_DONTWAIT);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got <= 0) {
        // Closed without an end of line: what came is the request.
        if (got == 0 && !client->buffer.empty())
            Answer(client, client->buffer);
        else
            Drop(client);
        return;
    }
    client->buffer.append(chunk, static_cast<std::size_t>(got));
    const std::size_t end = client->buffer.find('\n');
    if (end != std::string::npos) {
        Answer(client, client->buffer.substr(0, end));
        return;
    }
    if (client->buffer.size() > CVendraskControlRequest::kMaxLineBytes)
        Answer(client, client->buffer);
}

void CVendraskControlServer::Answer(Client* client, const std::string& line) {
    const CVendraskControlRequest request = CVendraskControlRequest::Parse(line);
    std::function<void()> action;
    std::string reply;
    if (!request.IsValid()) {
        reply = "error: " + request.error;
    } else if (request.verb == CVendraskControlRequest::Verb::Start) {
        const QString why = m_target.Start(request.group, request.slot);
        reply = why.isEmpty() ? std::string("ok") : "error: " + why.toStdString();
    } else if (request.verb == CVendraskControlRequest::Verb::Status) {
        const CVendraskControlTarget::Status status = m_target.CurrentStatus();
        const char* hotKey = status.paused             ? "paused"
                             : status.hotKeyRefused    ? "refused"
                             : status.hotKeyRegistered ? "registered"
                                                       : "unregistered";
        const std::string slot = status.focusedSlot >= 0 && status.focusedSlot < 26
                                     ? std::string(1, static_cast<char>('A' + status.focusedSlot))
                                     : std::string("none");
        // The path may hold spaces: it stays last.
        reply = "ok pid=" + std::to_string(status.pid) + " hotkey=" + hotKey +
                " visible=" + (status.visible ? "yes" : "no") +
                " group=" + std::to_string(status.group) + " slot=" + slot +
                " active=" + (status.active ? "yes" : "no") + " edge=" +
                (status.edge == CVendraskControlTarget::Status::Edge::Armed   ? "armed"
                 : status.edge == CVendraskControlTarget::Status::Edge::Leave ? "leave"
                                                                              : "off") +
                " ini=" + status.settingsFile.toStdString();
    } else {
        reply = "ok";
        CVendraskControlTarget& target = m_target;
        const int group = request.group;
        const std::string token = request.token;
        // Shown, hidden or paused before the caller hears back: keys it
        // types next reach the menu, not the window that had the keyboard.
        bool replyFirst = false;
        switch (request.verb) {
        case CVendraskControlRequest::Verb::Toggle:
            action = [&target, token] { target.Toggle(token); };
            break;
        case CVendraskControlRequest::Verb::Show:
            action = [&target, group, token] { target.Show(group, token); };
            break;
        case CVendraskControlRequest::Verb::Hide:
            action = [&target] { target.Hide(); };
            break;
        case CVendraskControlRequest::Verb::Pause:
            action = [&target] { target.Pause(); };
            break;
        case CVendraskControlRequest::Verb::Resume:
            action = [&target] { target.Resume(); };
            break;
        // These two run windows or end the launcher: the caller hears first.
        case CVendraskControlRequest::Verb::Configure:
            action = [&target, token] { target.Configure(token); };
            replyFirst = true;
            break;
        case CVendraskControlRequest::Verb::Quit:
            action = [&target] { target.Quit(); };
            replyFirst = true;
            break;
        default:
            break;
        }
        if (action && !replyFirst) {
            // From a clean stack (the fade runs a loop of its own), with the
            // client kept, deaf and untimed, until the reply goes.
            client->notifier->setEnabled(false);
            client->timer->stop();
            QTimer::singleShot(0, this, [this, client, action = std::move(action)] {
                action();
                Reply(client, "ok\n");
            });
            return;
        }
    }
    reply += '\n';
    Reply(client, reply);
    if (action)
        QTimer::singleShot(0, this, std::move(action));
}

void CVendraskControlServer::Reply(Client* client, const std::string& reply) {
    ::send(client->fd, reply.data(), reply.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    Drop(client);
}

void CVendraskControlServer::Drop(Client* client, bool inSignal) {
    const auto found = std::find_if(m_clients.begin(), m_clients.end(),
                                    [client](const auto& entry) { return entry.get() == client; });
    if (found == m_clients.end())
        return;
    std::unique_ptr<Client> owned = std::move(*found);
    m_clients.erase(found);
    // Called from the notifier's or the timer's own signal: they go later,
    // switched off and cut loose now, before their descriptor is closed.
    owned->notifier->setEnabled(false);
    owned->notifier->disconnect(this);
    owned->timer->stop();
    owned->timer->disconnect(this);
    if (inSignal) {
        owned->notifier.release()->deleteLater();
        owned->timer.release()->deleteLater();
    }
    ::close(owned->fd);
}
