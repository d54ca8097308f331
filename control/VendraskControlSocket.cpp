// SPDX-License-Identifier: MIT
#include "control/VendraskControlSocket.h"

#include "common/core/KelvoCommonRuntimeFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool FillAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

} // namespace

std::string CVendraskControlSocket::Folder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/')
        return std::string(runtime) + "/vendrask";
    const std::string base = KelvoUserTempFolder();
    return base.empty() ? base : base + "/vendrask";
}

std::string CVendraskControlSocket::SocketPath() {
    const std::string folder = Folder();
    return folder.empty() ? folder : folder + "/control";
}

bool CVendraskControlSocket::IsPrivateFolder(const std::string& folder) {
    return KelvoIsPrivateFolder(folder);
}

bool CVendraskControlSocket::PrepareFolder(const std::string& folder, std::string& error) {
    if (folder.empty()) {
        error = "no safe folder for the control socket";
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = folder + ": " + std::strerror(errno);
        return false;
    }
    struct stat info{};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid()) {
        error = folder + ": not a folder of this user";
        return false;
    }
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        error = folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

int CVendraskControlSocket::Connect(const std::string& path) {
    sockaddr_un address{};
    if (!FillAddress(path, address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    int rc = 0;
    do {
        rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

int CVendraskControlSocket::Listen(const std::string& path, std::string& error) {
    sockaddr_un address{};
    if (!FillAddress(path, address)) {
        error = path + ": name too long for a socket";
        return -1;
    }
    struct stat info{};
    if (::lstat(path.c_str(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode)) {
            error = path + ": exists and is no socket";
            return -1;
        }
        ::unlink(path.c_str());
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(fd, 16) != 0) {
        error = path + ": " + std::strerror(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}
