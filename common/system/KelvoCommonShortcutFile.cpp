// SPDX-License-Identifier: MIT
#include "common/system/KelvoCommonShortcutFile.h"

#include "common/KelvoCommonLog.h"
#include "common/core/KelvoCommonFile.h"
#include "common/core/KelvoCommonProfile.h"
#include "common/core/KelvoCommonShortcutFormat.h"

#include <algorithm>
#include <optional>
#include <sys/stat.h>

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
    // The launcher expands the first %NAME% pair of a path before it starts
    // it; a target is looked for in the same form. No length rule here: the
    // target is only tested, never cut.
    if (!stored.empty() && Exists(PathOf(KelvoExpandFirstVariable(stored, std::u16string::npos))))
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

} // namespace

CKelvoCommonShortcutFile::CKelvoCommonShortcutFile() = default;
CKelvoCommonShortcutFile::~CKelvoCommonShortcutFile() = default;

KelvoShortcutStatus CKelvoCommonShortcutFile::ReadLnk(const fs::path& file,
                                                      KelvoLnkInformation& information,
                                                      std::string* detail) {
    std::string bytes;
    std::string why;
    if (KelvoReadSmallFile(file, kMaxLnkBytes, bytes, why) != KelvoFileRead::Read) {
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
    struct stat info{};
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
    // A folder that cannot be flushed still holds the new link.
    if (KelvoReplaceFile(file, *bytes, why) == KelvoFileWrite::Failed) {
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
