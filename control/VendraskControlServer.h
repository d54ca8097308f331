// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class CVendraskControlTarget;
class CVendraskControlRequest;
class QSocketNotifier;

// The launcher's end of the control socket, on the UI thread: accepts a
// connection of this user, reads one request line, replies one line ("ok"
// or "error: ...") and closes. A client that stays silent is dropped.
class CVendraskControlServer final : public QObject {
    Q_OBJECT

public:
    static constexpr int kSilentClientMs = 1000;
    static constexpr std::size_t kMaxClients = 16;

    explicit CVendraskControlServer(CVendraskControlTarget& target, QObject* parent = nullptr);
    ~CVendraskControlServer() override;
    CVendraskControlServer(const CVendraskControlServer&) = delete;
    CVendraskControlServer& operator=(const CVendraskControlServer&) = delete;

    // Listens in folder (made 0700 when missing); false with a warning
    // logged when it cannot.
    bool Listen(const std::string& folder);
    std::string SocketPath() const { return m_path; }
    std::size_t ClientCount() const { return m_clients.size(); }

private:
    struct Client;
    void OnAccept();
    void OnReadable(Client* client);
    void Answer(Client* client, const std::string& line);
    void Reply(Client* client, const std::string& reply);
    void Drop(Client* client, bool inSignal = true);

    CVendraskControlTarget& m_target;
    int m_listenFd = -1;
    std::string m_path;
    std::unique_ptr<QSocketNotifier> m_listenNotifier;
    std::vector<std::unique_ptr<Client>> m_clients;
};
