#include "KelvoCommonShortcutFile.h"

#include "KelvoCommonLog.h"
#include "KelvoCommonProfile.h"
#include "KelvoCommonShortcutFormat.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeArchive = 0x20;
// Seconds from 1601-01-01 (FILETIME) to 1970-01-01.
constexpr std::uint64_t kFileTimeEpochOffset = 11644473600ULL;

std::string Quoted(const fs::path& file) {
    return '"' + file.string() + '"';
}

void SetDetail(std::string* detail, std::string text) {
    if (detail != nullptr)
        *detail = std::move(text);
}

fs::path PathOf(std::u16string_view text) {
    return fs::path(KelvoUtf16ToUtf8(text));
}

// Reads a whole regular file of at most maxBytes. A FIFO or device never
// blocks us: the file is opened non-blocking and refused by its type.
bool ReadSmallFile(const fs::path& file, std::uintmax_t maxBytes, std::string& bytes,
                   std::string& why) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    const auto fail = [&](std::string text) {
        why = std::move(text);
        ::close(fd);
        return false;
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return fail("not a regular file");
    const std::string tooLarge = "larger than " + std::to_string(maxBytes) + " bytes";
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return fail(tooLarge);
    // One byte more than the cap tells a file that grew past it.
    bytes.assign(static_cast<std::size_t>(maxBytes) + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(std::strerror(errno));
        }
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (filled > maxBytes) {
        why = tooLarge;
        return false;
    }
    bytes.resize(filled);
    return true;
}

// The launcher expands the first %NAME% pair of a path before it starts it;
// a target is looked for in the same form.
std::u16string ExpandFirstVariable(const std::u16string& text) {
    const std::size_t open = text.find(u'%');
    if (open == std::u16string::npos)
        return text;
    const std::size_t close = text.find(u'%', open + 1);
    if (close == std::u16string::npos)
        return text;
    const std::string name = KelvoUtf16ToUtf8(text.substr(open + 1, close - open - 1));
    const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
    if (value == nullptr || *value == '\0')
        return text;
    return text.substr(0, open) + KelvoUtf8ToUtf16(value) + text.substr(close + 1);
}

bool Exists(const fs::path& file) {
    std::error_code ignored;
    return fs::exists(file, ignored);
}

// A relative path written on Windows uses backslashes; one written here
// uses slashes and is taken as it is.
fs::path RelativeForm(std::u16string relative) {
    if (relative.find(u'/') == std::u16string::npos)
        std::replace(relative.begin(), relative.end(), u'\\', u'/');
    return PathOf(relative);
}

// "a/links/../bin/x" reads better as "a/bin/x", but only where both name
// the same file (a symbolic link on the way may differ).
fs::path Tidy(const fs::path& joined) {
    const fs::path normal = joined.lexically_normal();
    std::error_code error;
    if (!Exists(joined))
        return normal;
    if (Exists(normal) && fs::equivalent(joined, normal, error) && !error)
        return normal;
    return joined;
}

std::u16string ResolveTarget(const KelvoShellLink& link, const fs::path& linkFile) {
    const std::u16string stored = KelvoShellLinkStoredTarget(link);
    if (!stored.empty() && Exists(PathOf(ExpandFirstVariable(stored))))
        return stored;
    if (link.relativePath.empty())
        return stored;
    std::error_code error;
    fs::path folder = fs::absolute(linkFile, error).parent_path();
    if (error)
        folder = linkFile.parent_path();
    const fs::path joined = folder / RelativeForm(link.relativePath);
    if (Exists(joined) || stored.empty())
        return KelvoUtf8ToUtf16(Tidy(joined).string());
    return stored;
}

std::uint64_t FileTime(const struct timespec& time) {
    if (time.tv_sec < 0)
        return 0;
    return (static_cast<std::uint64_t>(time.tv_sec) + kFileTimeEpochOffset) * 10'000'000ULL +
           static_cast<std::uint64_t>(time.tv_nsec) / 100;
}

// Where the target lies as seen from the link's folder, for links that move
// together with their target. Only for absolute targets of this system.
std::u16string RelativeTarget(std::u16string_view target, const fs::path& linkFile) {
    if (target.empty() || target.front() != u'/')
        return {};
    std::error_code error;
    const fs::path folder = fs::absolute(linkFile, error).parent_path().lexically_normal();
    if (error)
        return {};
    const fs::path relative = PathOf(target).lexically_normal().lexically_relative(folder);
    if (relative.empty())
        return {};
    std::string text = relative.string();
    if (!text.starts_with("../") && text != "..")
        text.insert(0, "./");
    return KelvoUtf8ToUtf16(text);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes a new file beside the old one and renames it over, so a failure
// leaves the old file or none, never half of one.
bool ReplaceFile(const fs::path& file, std::string_view bytes, std::string& why) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // Appended piece by piece: GCC 12 at -O3 misreads the chained "+".
        std::string name = ".";
        name += file.filename().string();
        name += ".tmp-";
        name += std::to_string(::getpid());
        name += '-';
        name += std::to_string(counter++);
        temporary = folder / name;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        why = std::strerror(written ? errno : writeError);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        why = std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

} // namespace

CKelvoCommonShortcutFile::CKelvoCommonShortcutFile() = default;
CKelvoCommonShortcutFile::~CKelvoCommonShortcutFile() = default;

KelvoShortcutStatus CKelvoCommonShortcutFile::ReadLnk(const fs::path& file,
                                                      KelvoLnkInformation& information,
                                                      std::string* detail) {
    std::string bytes;
    std::string why;
    if (!ReadSmallFile(file, kMaxLnkBytes, bytes, why)) {
        SetDetail(detail, "cannot read " + Quoted(file) + ": " + why);
        return KelvoShortcutStatus::Unreadable;
    }
    KelvoShellLink link;
    switch (KelvoParseShellLink(bytes, link)) {
    case KelvoShellLinkParse::NotShellLink:
        SetDetail(detail, Quoted(file) + " is not a shell link");
        return KelvoShortcutStatus::NotShellLink;
    case KelvoShellLinkParse::Damaged:
        SetDetail(detail, Quoted(file) + " is a damaged shell link");
        return KelvoShortcutStatus::Damaged;
    case KelvoShellLinkParse::Ok:
        break;
    }
    information.target = ResolveTarget(link, file);
    information.arguments = std::move(link.arguments);
    information.workingFolder = std::move(link.workingDirectory);
    return KelvoShortcutStatus::Ok;
}

KelvoShortcutStatus CKelvoCommonShortcutFile::ReadUrl(const fs::path& file, std::u16string& url,
                                                      std::string* detail) {
    CKelvoCommonProfile profile(file);
    if (!profile.Load()) {
        SetDetail(detail, profile.LastError());
        return KelvoShortcutStatus::Unreadable;
    }
    std::optional<std::u16string> address = KelvoInternetShortcutUrl(profile.Document());
    if (!address) {
        SetDetail(detail, Quoted(file) + " holds no Internet shortcut address");
        return KelvoShortcutStatus::NoAddress;
    }
    url = std::move(*address);
    return KelvoShortcutStatus::Ok;
}

KelvoShortcutStatus CKelvoCommonShortcutFile::WriteLnk(const fs::path& file,
                                                       std::u16string_view target,
                                                       std::u16string_view arguments,
                                                       std::u16string_view workingFolder,
                                                       std::string* detail) {
    const std::u16string relative = RelativeTarget(target, file);
    KelvoShellLinkFields fields;
    fields.target = target;
    fields.arguments = arguments;
    fields.workingDirectory = workingFolder;
    fields.relativePath = relative;
    struct stat info {};
    if (!target.empty() && ::stat(PathOf(target).c_str(), &info) == 0) {
        fields.fileAttributes = S_ISDIR(info.st_mode) ? kAttributeDirectory : kAttributeArchive;
        fields.creationTime = FileTime(info.st_ctim);
        fields.accessTime = FileTime(info.st_atim);
        fields.writeTime = FileTime(info.st_mtim);
        fields.fileSize = static_cast<std::uint32_t>(info.st_size & 0xFFFFFFFF);
    }
    if (fields.relativePath.size() > kKelvoShellLinkMaxString)
        fields.relativePath = {};
    const std::optional<std::string> bytes = KelvoBuildShellLink(fields);
    if (!bytes) {
        SetDetail(detail, "cannot write " + Quoted(file) + ": the arguments or working folder " +
                              "are longer than " + std::to_string(kKelvoShellLinkMaxString) +
                              " characters");
        return KelvoShortcutStatus::TooLong;
    }
    std::string why;
    if (!ReplaceFile(file, *bytes, why)) {
        SetDetail(detail, "cannot write " + Quoted(file) + ": " + why);
        return KelvoShortcutStatus::WriteFailed;
    }
    return KelvoShortcutStatus::Ok;
}

void CKelvoCommonShortcutFile::GetLnkFileInformation(const char16_t* path, char16_t* target,
                                                     char16_t* arguments, char16_t* workingFolder) {
    if (path == nullptr)
        return;
    KelvoLnkInformation information;
    std::string detail;
    if (ReadLnk(PathOf(path), information, &detail) != KelvoShortcutStatus::Ok) {
        qCDebug(lcKelvoCommon).noquote() << QString::fromStdString(detail);
        return;
    }
    KelvoCopyToBuffer(information.target, target, kBufferLength);
    KelvoCopyToBuffer(information.arguments, arguments, kBufferLength);
    KelvoCopyToBuffer(information.workingFolder, workingFolder, kBufferLength);
}

void CKelvoCommonShortcutFile::GetUrlFileInformation(const char16_t* path, char16_t* url) {
    if (path == nullptr)
        return;
    std::u16string address;
    std::string detail;
    if (ReadUrl(PathOf(path), address, &detail) != KelvoShortcutStatus::Ok) {
        qCDebug(lcKelvoCommon).noquote() << QString::fromStdString(detail);
        return;
    }
    KelvoCopyToBuffer(address, url, kBufferLength);
}

void CKelvoCommonShortcutFile::CreateLnkFile(const char16_t* path, const char16_t* target,
                                             const char16_t* arguments,
                                             const char16_t* workingFolder) {
    if (path == nullptr)
        return;
    const auto text = [](const char16_t* value) {
        return value == nullptr ? std::u16string_view() : std::u16string_view(value);
    };
    std::string detail;
    if (WriteLnk(PathOf(path), text(target), text(arguments), text(workingFolder), &detail) !=
        KelvoShortcutStatus::Ok)
        qCDebug(lcKelvoCommon).noquote() << QString::fromStdString(detail);
}
