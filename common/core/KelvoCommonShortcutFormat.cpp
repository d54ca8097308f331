// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonShortcutFormat.h"

#include "common/core/KelvoCommonProfile.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
constexpr std::array<unsigned char, 16> kShellLinkClsid = {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// LinkFlags
constexpr std::uint32_t kHasLinkTargetIdList = 0x1;
constexpr std::uint32_t kHasLinkInfo = 0x2;
constexpr std::uint32_t kHasName = 0x4;
constexpr std::uint32_t kHasRelativePath = 0x8;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kHasIconLocation = 0x40;
constexpr std::uint32_t kIsUnicode = 0x80;
constexpr std::uint32_t kForceNoLinkInfo = 0x100;

// LinkInfo
constexpr std::uint32_t kLinkInfoMinHeader = 0x1C;
constexpr std::uint32_t kLinkInfoUnicodeHeader = 0x24;
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t kCommonNetworkRelativeLink = 0x2;
constexpr std::uint32_t kNetworkLinkMinSize = 0x14;
constexpr std::uint32_t kDriveFixed = 3;

// Extra data
constexpr std::uint32_t kEnvironmentBlockSignature = 0xA0000001;
constexpr std::uint32_t kEnvironmentBlockSize = 0x314;
constexpr std::size_t kEnvironmentAnsiBytes = 260;
constexpr std::size_t kEnvironmentUnicodeBytes = 520;

// Shell items of the ID list
constexpr unsigned kItemRoot = 0x1F;
constexpr unsigned kItemClassMask = 0x70;
constexpr unsigned kItemVolume = 0x20;
constexpr unsigned kItemVolumeHasName = 0x01;
constexpr unsigned kItemFileEntry = 0x30;
constexpr unsigned kItemFileEntryUnicode = 0x04;
constexpr unsigned kItemNetwork = 0x40;
constexpr std::size_t kFileEntryNameOffset = 14;
constexpr std::size_t kVolumeNameBytes = 20;
constexpr std::uint32_t kFileEntryExtension = 0xBEEF0004;

// Little-endian reads; the caller has checked the bounds.
std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}
std::uint32_t U32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(U16(b, at)) |
           (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

// True when length bytes from at lie within size bytes.
bool Fits(std::size_t size, std::size_t at, std::size_t length) {
    return at <= size && length <= size - at;
}

// A NUL-terminated ANSI string inside [at, end); unterminated runs to end.
std::u16string AnsiZ(std::string_view b, std::size_t at, std::size_t end) {
    if (at >= end)
        return {};
    const std::string_view span = b.substr(at, end - at);
    return KelvoDecodeAnsi(span.substr(0, span.find('\0')));
}

// A NUL-terminated UTF-16LE string inside [at, end); an odd last byte is
// not a character.
std::u16string Utf16Z(std::string_view b, std::size_t at, std::size_t end) {
    std::u16string text;
    for (std::size_t i = at; i < end && end - i >= 2; i += 2) {
        const char16_t c = U16(b, i);
        if (c == u'\0')
            break;
        text.push_back(c);
    }
    return text;
}

std::u16string CutAtNul(std::u16string text) {
    const std::size_t nul = text.find(u'\0');
    if (nul != std::u16string::npos)
        text.resize(nul);
    return text;
}

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// Joins a base and a suffix with one separator, in the style of the base.
std::u16string JoinPath(std::u16string base, std::u16string_view suffix) {
    if (suffix.empty())
        return base;
    if (base.empty())
        return std::u16string(suffix);
    if (!IsSeparator(base.back()) && !IsSeparator(suffix.front())) {
        // Backslash first: ID list paths start with one, so this stays cheap.
        const bool posix =
            base.find(u'\\') == std::u16string::npos && base.find(u'/') != std::u16string::npos;
        base.push_back(posix ? u'/' : u'\\');
    }
    base.append(suffix);
    return base;
}

// ---------------------------------------------------------------------------
// LinkInfo

// The offset field at `field` of a structure at `base`, checked against end.
bool OffsetInside(std::string_view b, std::size_t base, std::size_t end, std::size_t field,
                  std::size_t& out) {
    if (!Fits(end, base + field, 4))
        return false;
    const std::uint32_t offset = U32(b, base + field);
    if (offset == 0 || offset >= end - base)
        return false;
    out = base + offset;
    return true;
}

std::u16string NetworkName(std::string_view b, std::size_t at, std::size_t end) {
    if (!Fits(end, at, kNetworkLinkMinSize))
        return {};
    const std::uint32_t declared = U32(b, at);
    const std::size_t linkEnd =
        declared >= kNetworkLinkMinSize && declared <= end - at ? at + declared : end;
    const std::uint32_t nameOffset = U32(b, at + 8);
    std::size_t name = 0;
    if (nameOffset > kNetworkLinkMinSize && OffsetInside(b, at, linkEnd, 0x14, name))
        return Utf16Z(b, name, linkEnd);
    if (OffsetInside(b, at, linkEnd, 8, name))
        return AnsiZ(b, name, linkEnd);
    return {};
}

// The target LinkInfo at [at, end) spells, Unicode forms first.
std::u16string LinkInfoPath(std::string_view b, std::size_t at, std::size_t end) {
    const std::uint32_t headerSize = U32(b, at + 4);
    const std::uint32_t flags = U32(b, at + 8);
    const bool unicode =
        headerSize >= kLinkInfoUnicodeHeader && Fits(end, at, kLinkInfoUnicodeHeader);
    std::size_t where = 0;

    std::u16string suffix;
    if (unicode && OffsetInside(b, at, end, 0x20, where))
        suffix = Utf16Z(b, where, end);
    else if (OffsetInside(b, at, end, 0x18, where))
        suffix = AnsiZ(b, where, end);

    std::u16string base;
    if (flags & kVolumeIdAndLocalBasePath) {
        if (unicode && OffsetInside(b, at, end, 0x1C, where))
            base = Utf16Z(b, where, end);
        if (base.empty() && OffsetInside(b, at, end, 0x10, where))
            base = AnsiZ(b, where, end);
    }
    if (base.empty() && (flags & kCommonNetworkRelativeLink) &&
        OffsetInside(b, at, end, 0x14, where))
        base = NetworkName(b, where, end);
    if (base.empty())
        return {};
    return JoinPath(std::move(base), suffix);
}

// ---------------------------------------------------------------------------
// ID list

// The long name of a file entry from its 0xBEEF0004 extension block.
std::u16string ExtensionLongName(std::string_view b, std::size_t at, std::size_t end) {
    const std::uint16_t version = U16(b, at + 2);
    std::size_t offset = 0;
    if (version >= 9)
        offset = 46;
    else if (version == 8)
        offset = 42;
    else if (version == 7)
        offset = 38;
    else if (version >= 3)
        offset = 20;
    else
        return {};
    if (end - at <= offset)
        return {};
    return Utf16Z(b, at + offset, end);
}

// A file entry's name: the long name of its extension block when it has one,
// else its primary name.
std::u16string FileEntryName(std::string_view b, std::size_t at, std::size_t end) {
    const unsigned type = static_cast<unsigned char>(b[at + 2]);
    std::size_t pos = at + kFileEntryNameOffset;
    if (pos >= end)
        return {};
    std::u16string primary;
    if (type & kItemFileEntryUnicode) {
        primary = Utf16Z(b, pos, end);
        pos += (primary.size() + 1) * 2;
    } else {
        const std::string_view span = b.substr(pos, end - pos);
        const std::size_t length = std::min(span.find('\0'), span.size());
        primary = KelvoDecodeAnsi(span.substr(0, length));
        pos += length + 1;
        pos += (pos - at) % 2; // names are 16-bit aligned
    }
    // Extension blocks: size, version, signature, data.
    while (pos < end && end - pos >= 8) {
        const std::uint16_t size = U16(b, pos);
        if (size < 8 || size > end - pos)
            break;
        if (U32(b, pos + 4) == kFileEntryExtension) {
            std::u16string longName = ExtensionLongName(b, pos, pos + size);
            if (!longName.empty())
                return longName;
        }
        pos += size;
    }
    return primary;
}

// The file-system path an ID list spells, or empty.
std::u16string IdListPath(std::string_view b, std::size_t at, std::size_t end) {
    std::u16string path;
    bool haveRoot = false;
    while (end - at >= 2) {
        const std::uint16_t size = U16(b, at);
        if (size == 0)
            break;
        if (size < 3 || size > end - at)
            return {};
        const std::size_t itemEnd = at + size;
        const unsigned type = static_cast<unsigned char>(b[at + 2]);
        if (type == kItemRoot) {
            // My Computer and its kin: the path starts with the next item.
            if (haveRoot)
                return {};
        } else if ((type & kItemClassMask) == kItemVolume) {
            if (!(type & kItemVolumeHasName))
                return {};
            const std::size_t nameEnd = std::min(itemEnd, at + 3 + kVolumeNameBytes);
            path = AnsiZ(b, at + 3, nameEnd);
            if (path.size() < 2 || path[1] != u':')
                return {};
            if (path.back() != u'\\')
                path.push_back(u'\\');
            haveRoot = true;
        } else if ((type & kItemClassMask) == kItemNetwork) {
            path = AnsiZ(b, at + 5, itemEnd);
            if (path.size() < 3 || path.compare(0, 2, u"\\\\") != 0)
                return {};
            haveRoot = true;
        } else if ((type & kItemClassMask) == kItemFileEntry) {
            if (!haveRoot)
                return {};
            const std::u16string name = FileEntryName(b, at, itemEnd);
            if (name.empty())
                return {};
            path = JoinPath(std::move(path), name);
        } else {
            return {}; // a namespace object with no file-system path
        }
        at = itemEnd;
    }
    return haveRoot ? path : std::u16string();
}

// ---------------------------------------------------------------------------
// Writing

void PutU16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}
void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}
void PutU64(std::string& out, std::uint64_t value) {
    PutU32(out, static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
    PutU32(out, static_cast<std::uint32_t>(value >> 32));
}
void PutUtf16(std::string& out, std::u16string_view text) {
    for (const char16_t c : text)
        PutU16(out, c);
}
void SetU32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The ANSI form of what we store: UTF-8, the code page of a Linux system.
// A NUL inside would end the string early, so none is written.
std::string AnsiForm(std::u16string_view text) {
    std::string bytes = KelvoUtf16ToUtf8(text);
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    return bytes;
}

std::string BuildLinkInfo(std::u16string_view target) {
    // Header, VolumeID (empty label), local base path, common path suffix,
    // then the Unicode forms of both.
    constexpr std::uint32_t volumeIdSize = 0x14;
    const std::string ansi = AnsiForm(target);
    const std::uint32_t volumeAt = kLinkInfoUnicodeHeader;
    const std::uint32_t baseAt = volumeAt + volumeIdSize;
    const auto suffixAt = static_cast<std::uint32_t>(baseAt + ansi.size() + 1);
    const std::uint32_t baseUnicodeAt = suffixAt + 1;
    const auto suffixUnicodeAt =
        static_cast<std::uint32_t>(baseUnicodeAt + (target.size() + 1) * 2);

    std::string out;
    PutU32(out, 0); // size, set below
    PutU32(out, kLinkInfoUnicodeHeader);
    PutU32(out, kVolumeIdAndLocalBasePath);
    PutU32(out, volumeAt);
    PutU32(out, baseAt);
    PutU32(out, 0); // no network link
    PutU32(out, suffixAt);
    PutU32(out, baseUnicodeAt);
    PutU32(out, suffixUnicodeAt);

    PutU32(out, volumeIdSize);
    PutU32(out, kDriveFixed);
    PutU32(out, 0);    // serial number
    PutU32(out, 0x10); // label offset: the empty label that follows
    PutU32(out, 0);

    out.append(ansi);
    out.push_back('\0');
    out.push_back('\0'); // empty suffix
    PutUtf16(out, target);
    PutU16(out, 0);
    PutU16(out, 0); // empty suffix
    SetU32(out, 0, static_cast<std::uint32_t>(out.size()));
    return out;
}

void PutCountedString(std::string& out, std::u16string_view text) {
    PutU16(out, static_cast<std::uint32_t>(text.size()));
    PutUtf16(out, text);
}

// ---------------------------------------------------------------------------
// UTF-8 and Windows-1252

constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
std::optional<std::u16string> DecodeUtf8Strict(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        std::size_t extra = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
            minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i <= extra)
            return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        if (code >= 0x10000) {
            code -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
        i += extra + 1;
    }
    return text;
}

} // namespace

std::u16string KelvoDecodeAnsi(std::string_view bytes) {
    if (std::optional<std::u16string> utf8 = DecodeUtf8Strict(bytes))
        return std::move(*utf8);
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        text.push_back(c >= 0x80 && c < 0xA0 ? kWindows1252High[c - 0x80] : char16_t(c));
    }
    return text;
}

KelvoShellLinkParse KelvoParseShellLink(std::string_view b, KelvoShellLink& link) {
    if (b.size() < kHeaderSize || U32(b, 0) != kHeaderSize ||
        b.substr(4, kShellLinkClsid.size()) !=
            std::string_view(reinterpret_cast<const char*>(kShellLinkClsid.data()),
                             kShellLinkClsid.size()))
        return KelvoShellLinkParse::NotShellLink;

    KelvoShellLink parsed;
    parsed.linkFlags = U32(b, 0x14);
    parsed.fileAttributes = U32(b, 0x18);
    const std::uint32_t flags = parsed.linkFlags;
    std::size_t pos = kHeaderSize;

    if (flags & kHasLinkTargetIdList) {
        if (!Fits(b.size(), pos, 2))
            return KelvoShellLinkParse::Damaged;
        const std::uint16_t size = U16(b, pos);
        pos += 2;
        if (!Fits(b.size(), pos, size))
            return KelvoShellLinkParse::Damaged;
        parsed.idListPath = IdListPath(b, pos, pos + size);
        pos += size;
    }

    if (flags & kHasLinkInfo) {
        if (!Fits(b.size(), pos, 4))
            return KelvoShellLinkParse::Damaged;
        const std::uint32_t size = U32(b, pos);
        if (size < kLinkInfoMinHeader || !Fits(b.size(), pos, size))
            return KelvoShellLinkParse::Damaged;
        parsed.linkInfoPath = LinkInfoPath(b, pos, pos + size);
        pos += size;
    }

    const bool unicode = (flags & kIsUnicode) != 0;
    const std::pair<std::uint32_t, std::u16string*> strings[] = {
        {kHasName, &parsed.name},
        {kHasRelativePath, &parsed.relativePath},
        {kHasWorkingDir, &parsed.workingDirectory},
        {kHasArguments, &parsed.arguments},
        {kHasIconLocation, &parsed.iconLocation},
    };
    for (const auto& [flag, text] : strings) {
        if (!(flags & flag))
            continue;
        if (!Fits(b.size(), pos, 2))
            return KelvoShellLinkParse::Damaged;
        const std::size_t count = U16(b, pos);
        pos += 2;
        const std::size_t bytes = unicode ? count * 2 : count;
        if (!Fits(b.size(), pos, bytes))
            return KelvoShellLinkParse::Damaged;
        // Some writers count a trailing NUL, some do not: a NUL ends the text.
        *text = unicode ? Utf16Z(b, pos, pos + bytes) : AnsiZ(b, pos, pos + bytes);
        pos += bytes;
    }

    // Extra data blocks, up to the terminal block or the first bad size.
    while (Fits(b.size(), pos, 8)) {
        const std::uint32_t size = U32(b, pos);
        if (size < 8 || !Fits(b.size(), pos, size))
            break;
        if (U32(b, pos + 4) == kEnvironmentBlockSignature && size >= kEnvironmentBlockSize) {
            const std::size_t ansiAt = pos + 8;
            const std::size_t unicodeAt = ansiAt + kEnvironmentAnsiBytes;
            parsed.environmentTarget = Utf16Z(b, unicodeAt, unicodeAt + kEnvironmentUnicodeBytes);
            if (parsed.environmentTarget.empty())
                parsed.environmentTarget = AnsiZ(b, ansiAt, unicodeAt);
        }
        pos += size;
    }

    link = std::move(parsed);
    return KelvoShellLinkParse::Ok;
}

std::u16string KelvoShellLinkStoredTarget(const KelvoShellLink& link) {
    if (!(link.linkFlags & kForceNoLinkInfo) && !link.linkInfoPath.empty())
        return link.linkInfoPath;
    if (!link.environmentTarget.empty())
        return link.environmentTarget;
    return link.idListPath;
}

std::optional<std::string> KelvoBuildShellLink(const KelvoShellLinkFields& fields) {
    if (fields.arguments.size() > kKelvoShellLinkMaxString ||
        fields.workingDirectory.size() > kKelvoShellLinkMaxString ||
        fields.relativePath.size() > kKelvoShellLinkMaxString)
        return std::nullopt;
    // A NUL would end the target early on reading: store what reads back.
    const std::u16string_view target = fields.target.substr(0, fields.target.find(u'\0'));

    std::uint32_t flags = kIsUnicode;
    if (!target.empty())
        flags |= kHasLinkInfo;
    if (!fields.relativePath.empty())
        flags |= kHasRelativePath;
    if (!fields.workingDirectory.empty())
        flags |= kHasWorkingDir;
    if (!fields.arguments.empty())
        flags |= kHasArguments;

    constexpr std::uint32_t showNormal = 1;
    std::string out;
    PutU32(out, kHeaderSize);
    out.append(reinterpret_cast<const char*>(kShellLinkClsid.data()), kShellLinkClsid.size());
    PutU32(out, flags);
    PutU32(out, fields.fileAttributes);
    PutU64(out, fields.creationTime);
    PutU64(out, fields.accessTime);
    PutU64(out, fields.writeTime);
    PutU32(out, fields.fileSize);
    PutU32(out, 0); // icon index
    PutU32(out, showNormal);
    PutU16(out, 0); // hot key
    out.append(10, '\0');

    if (flags & kHasLinkInfo)
        out.append(BuildLinkInfo(target));
    if (flags & kHasRelativePath)
        PutCountedString(out, fields.relativePath);
    if (flags & kHasWorkingDir)
        PutCountedString(out, fields.workingDirectory);
    if (flags & kHasArguments)
        PutCountedString(out, fields.arguments);
    PutU32(out, 0); // terminal block
    return out;
}

std::optional<std::u16string>
KelvoInternetShortcutUrl(const CKelvoCommonProfileDocument& document) {
    constexpr std::u16string_view section = u"InternetShortcut";
    constexpr std::u16string_view key = u"URL";
    if (!document.FindRaw(section, key))
        return std::nullopt;
    std::u16string url = CutAtNul(document.GetString(section, key, u""));
    if (url.empty())
        return std::nullopt;
    return url;
}

std::optional<std::u16string> KelvoParseInternetShortcut(std::string_view bytes) {
    return KelvoInternetShortcutUrl(CKelvoCommonProfileDocument::Parse(bytes));
}

void KelvoCopyToBuffer(std::u16string_view text, char16_t* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0)
        return;
    std::size_t length = std::min(text.size(), capacity - 1);
    // Do not leave the high half of a pair without its low half.
    if (length > 0 && length < text.size() && text[length - 1] >= 0xD800 &&
        text[length - 1] <= 0xDBFF && text[length] >= 0xDC00 && text[length] <= 0xDFFF)
        --length;
    std::copy_n(text.data(), length, buffer);
    buffer[length] = u'\0';
}
