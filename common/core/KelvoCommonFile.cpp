// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ErrorText(int error) {
    return std::strerror(error);
}

bool WriteAll(int fd, std::string_view data, int& error) {
    while (!data.empty()) {
        const std::size_t chunk = std::min<std::size_t>(data.size(), 1u << 30);
        const ssize_t n = ::write(fd, data.data(), chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

fs::path FolderOf(const fs::path& file) {
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// The one flush to the disk of every write.
bool Flush(int fd, int& error) {
    if (::fsync(fd) == 0)
        return true;
    error = errno;
    return false;
}

// Makes the rename itself durable. A file system that cannot sync folders
// says EINVAL; nothing more can be done there.
bool SyncFolder(const fs::path& folder, int& error) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    const bool ok = Flush(fd, error) || error == EINVAL;
    ::close(fd);
    return ok;
}

// The mode a newly created file would get; umask() itself cannot be read
// without changing it, which would race with other threads.
mode_t NewFileMode() {
    mode_t mask = 022;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
            break;
        }
    }
    return 0666 & ~mask;
}

KelvoFileWrite Failed(std::string& why, int error) {
    why = ErrorText(error);
    return KelvoFileWrite::Failed;
}

} // namespace

KelvoFileRead KelvoReadSmallFile(const fs::path& file, std::uintmax_t maxBytes, std::string& bytes,
                                 std::string& why) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        why = ErrorText(error);
        return error == ENOENT ? KelvoFileRead::Missing : KelvoFileRead::Failed;
    }
    const auto fail = [&](const std::string& text) {
        why = text;
        ::close(fd);
        return KelvoFileRead::Failed;
    };
    struct stat info{};
    if (::fstat(fd, &info) != 0)
        return fail(ErrorText(errno));
    if (!S_ISREG(info.st_mode))
        return fail("not a regular file");
    const std::string tooLarge = "the file is larger than " + std::to_string(maxBytes) + " bytes";
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return fail(tooLarge);
    bytes.clear();
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            // The file grew while we read it.
            if (bytes.size() > maxBytes)
                return fail(tooLarge);
            bytes.resize(std::min<std::uintmax_t>(bytes.size() * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(ErrorText(errno));
        }
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (filled > maxBytes)
        return fail(tooLarge);
    bytes.resize(filled);
    return KelvoFileRead::Read;
}

fs::path KelvoResolveLinks(const fs::path& file) {
    fs::path current = file;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info{};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::error_code ec;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current; // a loop: opening it fails with ELOOP
}

KelvoFileWrite KelvoReplaceFile(const fs::path& file, std::string_view bytes, std::string& why) {
    const fs::path target = KelvoResolveLinks(file);
    struct stat info{};
    const bool existed = ::stat(target.c_str(), &info) == 0;
    const fs::path folder = FolderOf(target);
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Failed(why, errno);
    int error = 0;
    const auto abandon = [&](int code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failed(why, code);
    };
    if (existed && (info.st_uid != ::geteuid() || info.st_gid != ::getegid())) {
        // Best effort: only root may give a file away.
        [[maybe_unused]] const int ignored = ::fchown(fd, info.st_uid, info.st_gid);
    }
    if (::fchmod(fd, existed ? (info.st_mode & 07777) : NewFileMode()) != 0)
        return abandon(errno);
    if (!WriteAll(fd, bytes, error))
        return abandon(error);
    if (!Flush(fd, error))
        return abandon(error);
    if (::close(fd) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return Failed(why, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return Failed(why, error);
    }
    if (!SyncFolder(folder, error)) {
        why = ErrorText(error);
        return KelvoFileWrite::NotSynced;
    }
    return KelvoFileWrite::Written;
}

KelvoFileWrite KelvoCreateFile(const fs::path& file, std::string_view bytes, std::string& why) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return Failed(why, errno);
    int error = 0;
    bool ok = WriteAll(fd, bytes, error) && Flush(fd, error);
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        // Half a file is worse than none: a retry starts afresh.
        ::unlink(file.c_str());
        return Failed(why, error);
    }
    if (!SyncFolder(FolderOf(file), error)) {
        why = ErrorText(error);
        return KelvoFileWrite::NotSynced;
    }
    return KelvoFileWrite::Written;
}
