// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CKelvoCommonProfileDocument;

// The shell link (".lnk") binary format and the Internet shortcut (".url")
// text, kept Qt-free and away from the disk so that fuzzers can take it.
//
// Every length read from a file is checked against the bytes that remain
// before it is used; nothing recurses. "ANSI" strings carry no code page, so
// they are read as UTF-8 when they are valid UTF-8 (what Linux writers and
// we ourselves store) and as Windows-1252 otherwise (the common Western case).

// What a shell link holds, as stored. Every text ends at its first NUL.
struct KelvoShellLink {
    std::uint32_t linkFlags = 0;
    std::uint32_t fileAttributes = 0;
    // LinkInfo: local base path + common path suffix, or share name + suffix.
    std::u16string linkInfoPath;
    // The environment-variable block's target, %NAME% kept unexpanded.
    std::u16string environmentTarget;
    // The file-system path spelled by the ID list: a drive or share, then
    // folder and file entries (long names from their 0xBEEF0004 block).
    // Empty when the list names anything else (a shell namespace object).
    std::u16string idListPath;
    std::u16string name;
    std::u16string relativePath;
    std::u16string workingDirectory;
    std::u16string arguments;
    std::u16string iconLocation;
};

enum class KelvoShellLinkParse : std::uint8_t {
    Ok,
    NotShellLink, // the header is not a shell link's
    Damaged,      // a structure the flags announce runs past the end
};

// Fills link only on Ok. Damage inside the ID list or LinkInfo only loses the
// path they would give; extra data blocks are read up to the first bad one.
KelvoShellLinkParse KelvoParseShellLink(std::string_view bytes, KelvoShellLink& link);

// The target as stored, first of: the LinkInfo path (unless the link says
// to ignore LinkInfo), the environment block's target, the ID list's path.
// Empty when none of them gives one; the relative path is for the caller,
// who knows where the link lies.
std::u16string KelvoShellLinkStoredTarget(const KelvoShellLink& link);

// What we write: a Unicode link with LinkInfo (when there is a target) and
// StringData. The target is stored as given, in both the ANSI (UTF-8) and the
// Unicode form; the metadata describes the target as it was when written.
struct KelvoShellLinkFields {
    std::u16string_view target;
    std::u16string_view arguments;
    std::u16string_view workingDirectory;
    std::u16string_view relativePath;
    std::uint32_t fileAttributes = 0; // FILE_ATTRIBUTE_*
    std::uint64_t creationTime = 0;   // FILETIME, 100 ns since 1601
    std::uint64_t accessTime = 0;
    std::uint64_t writeTime = 0;
    std::uint32_t fileSize = 0; // low 32 bits
};

// A string of the StringData section holds at most this many characters.
inline constexpr std::size_t kKelvoShellLinkMaxString = 0xFFFF;

// nullopt when the arguments, working directory or relative path is longer
// than kKelvoShellLinkMaxString: the format cannot hold it whole.
std::optional<std::string> KelvoBuildShellLink(const KelvoShellLinkFields& fields);

// The "[InternetShortcut]" section's "URL=" value (blanks and one pair of
// quotes removed); nullopt when the key is missing or empty.
std::optional<std::u16string> KelvoInternetShortcutUrl(const CKelvoCommonProfileDocument& document);
std::optional<std::u16string> KelvoParseInternetShortcut(std::string_view bytes);

// Copies text into a buffer of capacity characters: at most capacity - 1 of
// them and a NUL, never more, never half a surrogate pair. Capacity 0 writes
// nothing.
void KelvoCopyToBuffer(std::u16string_view text, char16_t* buffer, std::size_t capacity);

// An "ANSI" string as described above.
std::u16string KelvoDecodeAnsi(std::string_view bytes);
