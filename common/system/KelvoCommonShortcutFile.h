// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Outcome of the full-text forms below.
enum class KelvoShortcutStatus : std::uint8_t {
    Ok,
    Unreadable,   // missing, not a regular file, too large, or a read error
    NotShellLink, // the file does not start like a shell link
    Damaged,      // a shell link whose structures run past its end
    NoAddress,    // no "[InternetShortcut]" "URL=" with a value
    TooLong,      // a text the shell link format cannot hold
    WriteFailed,
};

struct KelvoLnkInformation {
    std::u16string target;
    std::u16string arguments;
    std::u16string workingFolder;
};

// Reads ".lnk" shell links and ".url" Internet shortcuts and writes ".lnk"
// files, with our own reader of the formats (no shell to ask here).
//
// The target of a link is the first of: the LinkInfo path (local base path +
// common path suffix, or share + suffix), the environment-variable block's
// target (%NAME% kept for the launcher to expand), the ID list's file-system
// path. Paths are returned as stored, a Windows path with its backslashes.
// "Resolving": when that target does not exist here (after expanding a
// %NAME% pair), the link's relative path is tried against the link's own
// folder and taken when it exists; a link with no other target takes it
// anyway. Nothing else on the disk is searched.
class KELVOCOMMON_EXPORT CKelvoCommonShortcutFile final {
public:
    // Every output buffer holds this many characters, the NUL included.
    static constexpr std::size_t kBufferLength = 260;
    // Shell links are small; a larger file is not read.
    static constexpr std::uintmax_t kMaxLnkBytes = 1024 * 1024;

    CKelvoCommonShortcutFile();
    virtual ~CKelvoCommonShortcutFile();
    CKelvoCommonShortcutFile(const CKelvoCommonShortcutFile&) = default;
    CKelvoCommonShortcutFile& operator=(const CKelvoCommonShortcutFile&) = default;

    // Each buffer receives at most kBufferLength - 1 characters and a NUL.
    // On any failure all three keep what they held; callers that must know
    // clear them first.
    void GetLnkFileInformation(const char16_t* path, char16_t* target, char16_t* arguments,
                               char16_t* workingFolder);
    // The address, cut to kBufferLength - 1 characters when longer. Untouched
    // when the file cannot be read or holds no address.
    void GetUrlFileInformation(const char16_t* path, char16_t* url);
    // Writes a Unicode ".lnk"; a failure leaves no partial file behind.
    void CreateLnkFile(const char16_t* path, const char16_t* target, const char16_t* arguments,
                       const char16_t* workingFolder);

    // The same with whole texts and a result. detail, when given, receives a
    // one-line description of a failure naming the file.
    static KelvoShortcutStatus ReadLnk(const std::filesystem::path& file,
                                       KelvoLnkInformation& information,
                                       std::string* detail = nullptr);
    static KelvoShortcutStatus ReadUrl(const std::filesystem::path& file, std::u16string& url,
                                       std::string* detail = nullptr);
    static KelvoShortcutStatus WriteLnk(const std::filesystem::path& file,
                                        std::u16string_view target, std::u16string_view arguments,
                                        std::u16string_view workingFolder,
                                        std::string* detail = nullptr);
};
