// SPDX-License-Identifier: MIT
#include "control/VendraskControlClient.h"

#include "common/core/KelvoCommonOwnPath.h"
#include "control/VendraskAutostart.h"
#include "control/VendraskClientText.h"
#include "control/VendraskControlRequest.h"
#include "control/VendraskControlSocket.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Verb = CVendraskControlRequest::Verb;
using ClientText = CVendraskClientText;

int Fail(int code, const std::string& text) {
    std::fprintf(stderr, "vendrask: %s\n", text.c_str());
    return code;
}

long long NowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

// The token a desktop hands the program it starts, when it is one we can
// carry on a request line.
std::string ActivationToken() {
    // X11 desktops hand DESKTOP_STARTUP_ID, Wayland ones XDG_ACTIVATION_TOKEN.
    for (const char* name : {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        const std::string token(value);
        bool printable = token.size() <= CVendraskControlRequest::kMaxTokenBytes;
        for (const char c : token)
            printable = printable && c > 0x20 && c < 0x7F;
        if (printable)
            return token;
    }
    return {};
}

bool SendAll(int fd, const std::string& text) {
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// One reply line, without its '\n'; false when none came in time.
bool ReadReply(int fd, std::string& reply) {
    const long long deadline = NowMs() + CVendraskControlClient::kReplyWaitMs;
    char chunk[512];
    while (reply.find('\n') == std::string::npos && reply.size() < 8192) {
        const long long left = deadline - NowMs();
        if (left <= 0)
            return false;
        pollfd wait{fd, POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t n = ::recv(fd, chunk, sizeof(chunk), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        reply.append(chunk, static_cast<std::size_t>(n));
    }
    const std::size_t end = reply.find('\n');
    if (end == std::string::npos)
        return false;
    reply.resize(end);
    return true;
}

bool IsNotRunning(int error) {
    return error == ENOENT || error == ECONNREFUSED || error == ENOTDIR;
}

// Starts the launcher on its own (no verb), detached from this process.
// False when it could not be started.
bool StartLauncher(const std::string& ini, pid_t& child) {
    std::string self = KelvoOwnPath();
    if (self.empty())
        return false;
    child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::setsid();
        // The caller may wait for our output's end ($(vendrask toggle 2>&1)):
        // the launcher, which outlives us, keeps none of our streams.
        const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (null >= 0) {
            ::dup2(null, STDIN_FILENO);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
        }
        std::vector<char*> arguments{self.data()};
        std::string option = "--ini";
        std::string file = ini;
        if (!ini.empty()) {
            arguments.push_back(option.data());
            arguments.push_back(file.data());
        }
        arguments.push_back(nullptr);
        ::execv(self.c_str(), arguments.data());
        ::_exit(127);
    }
    return true;
}

// Waits until the started launcher's socket answers; -1 when it ended or
// the time ran out.
int WaitForLauncher(const std::string& path, pid_t child) {
    const long long deadline = NowMs() + CVendraskControlClient::kStartWaitMs;
    while (NowMs() < deadline) {
        const int fd = CVendraskControlSocket::Connect(path);
        if (fd >= 0)
            return fd;
        int state = 0;
        if (::waitpid(child, &state, WNOHANG) == child)
            return -1;
        ::usleep(5000);
    }
    return -1;
}

} // namespace

std::string CVendraskControlClient::StatusText(const std::string& reply) {
    // "ok pid=N hotkey=WORD visible=WORD [group=N slot=WORD active=WORD edge=WORD]
    // ini=PATH"; the path may hold spaces and comes last. The bracketed
    // fields are missing from a launcher older than this client.
    // English in every language, like "running: no": scripts read them.
    std::string text = "running: yes\n";
    const auto field = [&reply](const std::string& key, bool rest) {
        const std::size_t at = reply.find(" " + key + "=");
        if (at == std::string::npos)
            return std::string();
        const std::size_t from = at + key.size() + 2;
        const std::size_t to = rest ? std::string::npos : reply.find(' ', from);
        return reply.substr(from, to == std::string::npos ? std::string::npos : to - from);
    };
    text += "pid: " + field("pid", false) + "\n";
    text += "settings file: " + field("ini", true) + "\n";
    text += "hot key: " + field("hotkey", false) + "\n";
    text += "menu shown: " + field("visible", false) + "\n";
    for (const auto& [key, label] :
         {std::pair{"group", "group: "}, std::pair{"slot", "focused item: "},
          std::pair{"active", "menu active: "}, std::pair{"edge", "screen edge: "}}) {
        if (const std::string value = field(key, false); !value.empty())
            text += label + value + "\n";
    }
    return text;
}

int CVendraskControlClient::Run(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "autostart") == 0)
        return CVendraskAutostart::Run(argc, argv);
    if (argc < 2 || !CVendraskControlRequest::IsVerb(argv[1]))
        return -1;
    // --ini FILE: the settings file of a launcher this call may start.
    std::string ini;
    std::string line;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--ini" && i + 1 < argc) {
            ini = argv[++i];
            continue;
        }
        line += (line.empty() ? "" : " ") + word;
    }
    CVendraskControlRequest request = CVendraskControlRequest::Parse(line);
    if (request.IsValid() && request.token.empty() &&
        (request.verb == Verb::Toggle || request.verb == Verb::Show ||
         request.verb == Verb::Configure)) {
        const std::string token = ActivationToken();
        if (!token.empty())
            line += " --token " + token;
        request = CVendraskControlRequest::Parse(line);
    }
    if (!request.IsValid())
        return Fail(kUsage, std::string(ClientText::Text(request.error.c_str())) + "\n" +
                                ClientText::Text("Try 'vendrask --help'."));
    if (!ini.empty() && request.verb != Verb::Toggle && request.verb != Verb::Show)
        return Fail(kUsage, std::string(ClientText::Text("--ini goes with toggle and show only")) +
                                "\n" + ClientText::Text("Try 'vendrask --help'."));
    if (!ini.empty() && ini[0] != '/') {
        // The launcher resolves it against the folder it was started in.
        char here[PATH_MAX];
        if (::getcwd(here, sizeof(here)) != nullptr)
            ini = std::string(here) + "/" + ini;
    }

    const std::string folder = CVendraskControlSocket::Folder();
    if (folder.empty())
        return Fail(1, ClientText::Text("no safe folder for the control socket"));
    const std::string path = folder + "/control";
    int fd = -1;
    struct stat info{};
    if (::lstat(folder.c_str(), &info) != 0) {
        // Missing: no launcher. Unreachable (another user's folder): fail.
        if (errno != ENOENT)
            return Fail(1, folder + ": " + std::strerror(errno));
    } else if (!CVendraskControlSocket::IsPrivateFolder(folder)) {
        return Fail(1, ClientText::Fill("%s is not a private folder of this user", {folder}));
    } else {
        fd = CVendraskControlSocket::Connect(path);
    }
    if (fd < 0) {
        const int error = errno;
        if (!IsNotRunning(error))
            return Fail(1,
                        ClientText::Fill("cannot reach the launcher: %s", {std::strerror(error)}));
        if (request.verb == Verb::Status) {
            std::fputs("running: no\n", stdout);
            return kNotRunning;
        }
        if (request.verb != Verb::Toggle && request.verb != Verb::Show)
            return Fail(kNotRunning, ClientText::Text("not running"));
        pid_t child = -1;
        if (!StartLauncher(ini, child))
            return Fail(1,
                        ClientText::Fill("cannot start the launcher: %s", {std::strerror(errno)}));
        fd = WaitForLauncher(path, child);
        if (fd < 0)
            return Fail(1, ClientText::Text("the launcher did not start"));
    }

    std::string reply;
    const bool answered = SendAll(fd, line + "\n") && ReadReply(fd, reply);
    ::close(fd);
    if (!answered)
        return Fail(1, ClientText::Text("no reply from the launcher"));
    if (reply.rfind("error: ", 0) == 0)
        return Fail(1, reply.substr(7));
    if (reply != "ok" && reply.rfind("ok ", 0) != 0)
        return Fail(1, ClientText::Fill("unexpected reply: %s", {reply.substr(0, 200)}));
    if (request.verb == Verb::Status)
        std::fputs(StatusText(reply).c_str(), stdout);
    return 0;
}
