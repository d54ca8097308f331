// SPDX-License-Identifier: MIT
#include "control/VendraskControlClient.h"
#include "control/VendraskControlRequest.h"
#include "control/VendraskControlServer.h"
#include "control/VendraskControlSocket.h"
#include "control/VendraskControlTarget.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using vendrask::test::TempDir;
using Verb = CVendraskControlRequest::Verb;

TEST(VendraskControlRequest, Lines) {
    struct Row {
        const char* name;
        std::string line;
        Verb verb; // None: refused
        int group;
        int slot;
        const char* token;
    };
    const Row rows[] = {
        {"toggle", "toggle", Verb::Toggle, -1, -1, ""},
        {"toggle with token", "toggle --token abc_TIME12", Verb::Toggle, -1, -1, "abc_TIME12"},
        {"show", "show", Verb::Show, -1, -1, ""},
        {"show group", "show --group 3", Verb::Show, 3, -1, ""},
        {"show group and token", "show --token t --group 9", Verb::Show, 9, -1, "t"},
        {"hide", "hide", Verb::Hide, -1, -1, ""},
        {"configure", "configure", Verb::Configure, -1, -1, ""},
        {"start", "start 0 A", Verb::Start, 0, 0, ""},
        {"start lower case", "start 9 z", Verb::Start, 9, 25, ""},
        {"pause", "pause", Verb::Pause, -1, -1, ""},
        {"resume", "resume", Verb::Resume, -1, -1, ""},
        {"quit", "quit", Verb::Quit, -1, -1, ""},
        {"status", "status", Verb::Status, -1, -1, ""},
        {"extra blanks", " \tquit  ", Verb::Quit, -1, -1, ""},
        {"empty line", "", Verb::None, -1, -1, ""},
        {"only blanks", "   ", Verb::None, -1, -1, ""},
        {"unknown verb", "reboot", Verb::None, -1, -1, ""},
        {"verb in capitals", "TOGGLE", Verb::None, -1, -1, ""},
        {"group 10", "show --group 10", Verb::None, -1, -1, ""},
        {"group negative", "show --group -1", Verb::None, -1, -1, ""},
        {"group missing", "show --group", Verb::None, -1, -1, ""},
        {"group twice", "show --group 1 --group 2", Verb::None, -1, -1, ""},
        {"group on hide", "hide --group 1", Verb::None, -1, -1, ""},
        {"start bad group", "start x A", Verb::None, -1, -1, ""},
        {"start bad letter", "start 1 AB", Verb::None, -1, -1, ""},
        {"start digit letter", "start 1 7", Verb::None, -1, -1, ""},
        {"start missing letter", "start 1", Verb::None, -1, -1, ""},
        {"start a path", "start /bin/sh", Verb::None, -1, -1, ""},
        {"start extra", "start 1 A rm", Verb::None, -1, -1, ""},
        {"token on quit", "quit --token x", Verb::None, -1, -1, ""},
        {"token too long", "toggle --token " + std::string(201, 'x'), Verb::None, -1, -1, ""},
        {"line too long", "toggle" + std::string(251, ' '), Verb::None, -1, -1, ""},
        {"longest line", "toggle" + std::string(250, ' '), Verb::Toggle, -1, -1, ""},
        {"NUL byte", std::string("quit\0x", 6), Verb::None, -1, -1, ""},
        {"carriage return", "quit\r", Verb::None, -1, -1, ""},
        {"high bytes", "show \xC3\xA9", Verb::None, -1, -1, ""},
        {"escape", "\x1b[2Jquit", Verb::None, -1, -1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto request = CVendraskControlRequest::Parse(row.line);
        EXPECT_EQ(request.verb, row.verb);
        EXPECT_EQ(request.IsValid(), request.error.empty());
        if (row.verb == Verb::None)
            continue;
        EXPECT_EQ(request.group, row.group);
        EXPECT_EQ(request.slot, row.slot);
        EXPECT_EQ(request.token, row.token);
    }
}

TEST(VendraskControlClient, StatusTextKeepsSpacesInThePath) {
    EXPECT_EQ(CVendraskControlClient::StatusText(
                  "ok pid=42 hotkey=paused visible=no ini=/home/a b/V.ini"),
              "running: yes\npid: 42\nsettings file: /home/a b/V.ini\nhot key: paused\n"
              "menu shown: no\n");
    EXPECT_EQ(CVendraskControlClient::StatusText(
                  "ok pid=42 hotkey=registered visible=yes group=3 slot=D active=yes "
                  "edge=armed ini=/V.ini"),
              "running: yes\npid: 42\nsettings file: /V.ini\nhot key: registered\n"
              "menu shown: yes\ngroup: 3\nfocused item: D\nmenu active: yes\n"
              "screen edge: armed\n");
}

namespace {

class RecordingTarget final : public CVendraskControlTarget {
public:
    void Toggle(const std::string& token) override { Note("toggle " + token); }
    void Show(int group, const std::string&) override { Note("show " + std::to_string(group)); }
    void Hide() override { Note("hide"); }
    void Configure(const std::string&) override { Note("configure"); }
    QString Start(int group, int slot) override {
        Note("start " + std::to_string(group) + " " + std::to_string(slot));
        return slot == 0 ? QString() : QStringLiteral("item is empty");
    }
    void Pause() override { Note("pause"); }
    void Resume() override { Note("resume"); }
    void Quit() override { Note("quit"); }
    Status CurrentStatus() const override {
        return {.pid = 1234,
                .settingsFile = QStringLiteral("/x/V.ini"),
                .hotKeyRegistered = true,
                .visible = true,
                .group = 3,
                .focusedSlot = 25};
    }
    std::string done;

private:
    void Note(const std::string& what) { done += (done.empty() ? "" : "; ") + what; }
};

// Sends bytes and runs the loop until the reply line or the time is up.
std::string Ask(const std::string& path, const std::string& bytes, int waitMs = 3000) {
    const int fd = CVendraskControlSocket::Connect(path);
    if (fd < 0)
        return "no connection";
    ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    std::string reply;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < waitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        pollfd wait{fd, POLLIN, 0};
        if (::poll(&wait, 1, 5) <= 0)
            continue;
        char chunk[512];
        const ssize_t got = ::recv(fd, chunk, sizeof(chunk), 0);
        if (got <= 0)
            break;
        reply.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    // The deferred action runs on the next round of the loop.
    QCoreApplication::processEvents();
    return reply;
}

mode_t ModeOf(const std::string& path) {
    struct stat info{};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace

TEST(VendraskControlServer, RequestsAndReplies) {
    TempDir runtime;
    const std::string folder = (runtime.Path() / "vendrask").string();
    RecordingTarget target;
    CVendraskControlServer server(target);
    ASSERT_TRUE(server.Listen(folder));
    const std::string path = server.SocketPath();
    struct Row {
        const char* name;
        std::string sent;
        std::string reply;
        std::string done;
    };
    const Row rows[] = {
        {"toggle", "toggle\n", "ok\n", "toggle "},
        {"toggle with token", "toggle --token T1\n", "ok\n", "toggle T1"},
        {"show group", "show --group 3\n", "ok\n", "show 3"},
        {"hide", "hide\n", "ok\n", "hide"},
        {"configure", "configure\n", "ok\n", "configure"},
        {"pause", "pause\n", "ok\n", "pause"},
        {"resume", "resume\n", "ok\n", "resume"},
        {"quit", "quit\n", "ok\n", "quit"},
        {"start", "start 4 A\n", "ok\n", "start 4 0"},
        {"start empty item", "start 4 B\n", "error: item is empty\n", "start 4 1"},
        {"status", "status\n",
         "ok pid=1234 hotkey=registered visible=yes group=3 slot=Z active=no edge=off "
         "ini=/x/V.ini\n",
         ""},
        {"closed without end of line", "hide", "ok\n", "hide"},
        {"unknown", "rm -rf /\n", "error: unknown verb\n", ""},
        {"binary", std::string("\0\xff\n", 3), "error: bad byte in request\n", ""},
        {"empty line", "\n", "error: empty request\n", ""},
        {"too long, no end of line", std::string(300, 'a'), "error: request too long\n", ""},
        {"second line ignored", "hide\nquit\n", "ok\n", "hide"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        target.done.clear();
        // Half-closing marks the end for the row without an end of line.
        const int fd = CVendraskControlSocket::Connect(path);
        ASSERT_GE(fd, 0);
        ::send(fd, row.sent.data(), row.sent.size(), MSG_NOSIGNAL);
        ::shutdown(fd, SHUT_WR);
        std::string reply;
        QElapsedTimer clock;
        clock.start();
        while (reply.find('\n') == std::string::npos && clock.elapsed() < 3000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            char chunk[512];
            const ssize_t got = ::recv(fd, chunk, sizeof(chunk), MSG_DONTWAIT);
            if (got > 0)
                reply.append(chunk, static_cast<std::size_t>(got));
        }
        ::close(fd);
        QCoreApplication::processEvents();
        EXPECT_EQ(reply, row.reply);
        EXPECT_EQ(target.done, row.done);
    }
    EXPECT_EQ(server.ClientCount(), 0u);
}

TEST(VendraskControlServer, FolderClosedAndStaleSocketReplaced) {
    TempDir runtime;
    const std::string folder = (runtime.Path() / "vendrask").string();
    // Left open by someone, and a socket of a launcher that crashed.
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    const std::string path = folder + "/control";
    std::string error;
    const int stale = CVendraskControlSocket::Listen(path, error);
    ASSERT_GE(stale, 0) << error;
    ::close(stale);
    ASSERT_LT(CVendraskControlSocket::Connect(path), 0);

    RecordingTarget target;
    CVendraskControlServer server(target);
    ASSERT_TRUE(server.Listen(folder));
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(Ask(path, "hide\n"), "ok\n");
}

TEST(VendraskControlServer, SilentClientIsDropped) {
    TempDir runtime;
    RecordingTarget target;
    CVendraskControlServer server(target);
    ASSERT_TRUE(server.Listen((runtime.Path() / "vendrask").string()));
    // Nothing sent: the server hangs up by itself.
    EXPECT_EQ(Ask(server.SocketPath(), "", 3000), "");
    EXPECT_EQ(server.ClientCount(), 0u);
    EXPECT_EQ(target.done, "");
}

TEST(VendraskControlServer, AnotherUserIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to connect as another user";
    TempDir runtime;
    RecordingTarget target;
    CVendraskControlServer server(target);
    const std::string folder = (runtime.Path() / "vendrask").string();
    ASSERT_TRUE(server.Listen(folder));
    // Opened up so that only the server's own check stands in the way.
    ::chmod(runtime.Path().c_str(), 0755);
    ::chmod(folder.c_str(), 0777);
    ::chmod(server.SocketPath().c_str(), 0777);
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const int fd = CVendraskControlSocket::Connect(server.SocketPath());
        if (fd < 0)
            ::_exit(3);
        ::send(fd, "quit\n", 5, MSG_NOSIGNAL);
        char reply[64] = {};
        const ssize_t got = ::recv(fd, reply, sizeof(reply) - 1, 0);
        ::write(pipeFds[1], reply, got > 0 ? static_cast<std::size_t>(got) : 0);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string reply;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        pollfd wait{pipeFds[0], POLLIN, 0};
        if (::poll(&wait, 1, 5) > 0) {
            char chunk[64];
            const ssize_t got = ::read(pipeFds[0], chunk, sizeof(chunk));
            if (got <= 0)
                break;
            reply.append(chunk, static_cast<std::size_t>(got));
        }
    }
    ::close(pipeFds[0]);
    int state = 0;
    ::waitpid(child, &state, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(WEXITSTATUS(state), 0);
    EXPECT_EQ(reply, "error: not allowed\n");
    EXPECT_EQ(target.done, "");
}

TEST(VendraskAutostart, OnWritesAValidEntryAndOffRemovesIt) {
    TempDir config;
    // Every character an Exec line must quote or escape, in the settings path.
    TempDir started;
    const std::filesystem::path odd = started.Path() / "a b$c`d\\e";
    std::filesystem::create_directories(odd);
    const QString launcher = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask");
    const auto run = [&](const QStringList& arguments, const QString& program) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   QString::fromStdString(config.Path().string()));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(odd.string()));
        process.start(program, arguments);
        process.waitForFinished(10000);
        return std::make_pair(process.exitCode(), QString::fromLocal8Bit(process.readAll()));
    };
    const std::filesystem::path entry = config.Path() / "autostart" / "vendrask.desktop";
    const QStringList on{QStringLiteral("autostart"), QStringLiteral("on"), QStringLiteral("--ini"),
                         QStringLiteral("V 100%.ini")};
    ASSERT_EQ(run(on, launcher).first, 0);
    ASSERT_TRUE(std::filesystem::exists(entry));
    const auto validate =
        run({QString::fromStdString(entry.string())}, QStringLiteral("desktop-file-validate"));
    EXPECT_EQ(validate.first, 0) << validate.second.toStdString();
    const std::string text = vendrask::test::ReadBytes(entry);
    EXPECT_NE(text.find("Exec=" VENDRASK_BINARY_DIR "/vendrask --ini \""), std::string::npos)
        << text;
    EXPECT_NE(text.find("a b\\\\$c\\\\`d\\\\\\\\e/V 100%%.ini\"\n"), std::string::npos) << text;
    EXPECT_TRUE(run({QStringLiteral("autostart"), QStringLiteral("status")}, launcher)
                    .second.startsWith(QStringLiteral("autostart: on")));
    EXPECT_EQ(run({QStringLiteral("autostart"), QStringLiteral("off")}, launcher).first, 0);
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_EQ(run({QStringLiteral("autostart"), QStringLiteral("status")}, launcher).second,
              QStringLiteral("autostart: off\n"));
}
