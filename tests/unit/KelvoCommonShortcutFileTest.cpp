// SPDX-License-Identifier: MIT
#include "common/system/KelvoCommonShortcutFile.h"

#include "common/core/KelvoCommonProfile.h"
#include "common/core/KelvoCommonShortcutFormat.h"
#include "tests/support/TestSupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <vector>

using vendrask::test::ReadBytes;
using vendrask::test::TempDir;
using vendrask::test::Utf16LeBytes;
using vendrask::test::WriteBytes;

namespace {

namespace fs = std::filesystem;

std::u16string U16(std::string_view utf8) {
    return KelvoUtf8ToUtf16(utf8);
}
std::string U8(std::u16string_view text) {
    return KelvoUtf16ToUtf8(text);
}

// ---------------------------------------------------------------------------
// A small builder of shell link bytes, field by field, so that tests can make
// the variants other writers produce.

std::string Le16(std::uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}
std::string Le32(std::uint32_t value) {
    return Le16(value & 0xFFFF) + Le16(value >> 16);
}
std::string Wide(std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text)
        bytes += Le16(c);
    return bytes;
}
std::string WideZ(std::u16string_view text) {
    return Wide(text) + Le16(0);
}
std::string Pad(std::string bytes, std::size_t size) {
    bytes.resize(size, '\0');
    return bytes;
}

namespace LinkFlag {
constexpr std::uint32_t IdList = 0x1;
constexpr std::uint32_t LinkInfo = 0x2;
constexpr std::uint32_t Name = 0x4;
constexpr std::uint32_t RelativePath = 0x8;
constexpr std::uint32_t WorkingDir = 0x10;
constexpr std::uint32_t Arguments = 0x20;
constexpr std::uint32_t IconLocation = 0x40;
constexpr std::uint32_t Unicode = 0x80;
constexpr std::uint32_t ForceNoLinkInfo = 0x100;
constexpr std::uint32_t ExpString = 0x200;
} // namespace LinkFlag

const std::string
    kShellLinkClsid("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16);

std::string Header(std::uint32_t flags) {
    std::string header = Le32(0x4C) + kShellLinkClsid + Le32(flags);
    return Pad(header, 0x4C);
}

// The sections follow the header in this order; empty ones are left out.
struct Lnk {
    explicit Lnk(std::uint32_t linkFlags, std::string items = {}, std::string info = {},
                 std::string stringData = {}, std::string blocks = {})
        : flags(linkFlags), idList(std::move(items)), linkInfo(std::move(info)),
          strings(std::move(stringData)), extra(std::move(blocks)) {}

    std::uint32_t flags;
    std::string idList;   // items, without the list size and the terminal
    std::string linkInfo; // whole structure
    std::string strings;  // StringData, already counted
    std::string extra;    // extra data blocks, without the terminal

    std::string Bytes() const {
        std::string out = Header(flags);
        if (flags & LinkFlag::IdList)
            out += Le16(static_cast<std::uint32_t>(idList.size() + 2)) + idList + Le16(0);
        out += linkInfo + strings + extra + Le32(0);
        return out;
    }
};

std::string UnicodeString(std::u16string_view text, bool countNul = false) {
    const std::size_t count = text.size() + (countNul ? 1 : 0);
    return Le16(static_cast<std::uint32_t>(count)) + Wide(text) + (countNul ? Le16(0) : "");
}
std::string AnsiString(std::string_view text, bool countNul = false) {
    const std::size_t count = text.size() + (countNul ? 1 : 0);
    return Le16(static_cast<std::uint32_t>(count)) + std::string(text) +
           (countNul ? std::string(1, '\0') : "");
}

std::string VolumeId() {
    return Le32(0x11) + Le32(3) + Le32(0x12345678) + Le32(0x10) + std::string(1, '\0');
}

// LinkInfo with the 0x1C header: ANSI strings only.
std::string LinkInfoAnsi(std::string_view base, std::string_view suffix) {
    const std::string volume = VolumeId();
    const std::uint32_t volumeAt = 0x1C;
    const auto baseAt = static_cast<std::uint32_t>(volumeAt + volume.size());
    const auto suffixAt = static_cast<std::uint32_t>(baseAt + base.size() + 1);
    std::string body = Le32(0x1C) + Le32(1) + Le32(volumeAt) + Le32(baseAt) + Le32(0) +
                       Le32(suffixAt) + volume + std::string(base) + '\0' + std::string(suffix) +
                       '\0';
    return Le32(static_cast<std::uint32_t>(body.size() + 4)) + body;
}

// LinkInfo with the 0x24 header: ANSI and Unicode forms.
std::string LinkInfoUnicode(std::string_view ansiBase, std::u16string_view base,
                            std::u16string_view suffix) {
    const std::string volume = VolumeId();
    const std::uint32_t volumeAt = 0x24;
    const auto baseAt = static_cast<std::uint32_t>(volumeAt + volume.size());
    const auto suffixAt = static_cast<std::uint32_t>(baseAt + ansiBase.size() + 1);
    const std::uint32_t baseUnicodeAt = suffixAt + 1;
    const auto suffixUnicodeAt = static_cast<std::uint32_t>(baseUnicodeAt + (base.size() + 1) * 2);
    std::string body = Le32(0x24) + Le32(1) + Le32(volumeAt) + Le32(baseAt) + Le32(0) +
                       Le32(suffixAt) + Le32(baseUnicodeAt) + Le32(suffixUnicodeAt) + volume +
                       std::string(ansiBase) + '\0' + '\0' + WideZ(base) + WideZ(suffix);
    return Le32(static_cast<std::uint32_t>(body.size() + 4)) + body;
}

// LinkInfo of a file on a share: CommonNetworkRelativeLink + suffix.
std::string LinkInfoNetwork(std::string_view share, std::string_view suffix) {
    const std::string network = Le32(0x14 + static_cast<std::uint32_t>(share.size()) + 2) +
                                Le32(0) + Le32(0x14) + Le32(0) + Le32(0) + std::string(share) +
                                '\0' + '\0';
    const std::uint32_t networkAt = 0x1C;
    const auto suffixAt = static_cast<std::uint32_t>(networkAt + network.size());
    std::string body = Le32(0x1C) + Le32(2) + Le32(0) + Le32(0) + Le32(networkAt) + Le32(suffixAt) +
                       network + std::string(suffix) + '\0';
    return Le32(static_cast<std::uint32_t>(body.size() + 4)) + body;
}

std::string EnvironmentBlock(std::string_view ansi, std::u16string_view unicode) {
    return Le32(0x314) + Le32(0xA0000001) + Pad(std::string(ansi), 260) + Pad(Wide(unicode), 520);
}

std::string Item(std::string body) {
    return Le16(static_cast<std::uint32_t>(body.size() + 2)) + body;
}
std::string MyComputer() {
    return Item(
        std::string("\x1F\x50", 2) +
        std::string("\xE0\x4F\xD0\x20\xEA\x3A\x69\x10\xA2\xD8\x08\x00\x2B\x30\x30\x9D", 16));
}
std::string ControlPanel() {
    return Item(
        std::string("\x1F\x70", 2) +
        std::string("\x20\x20\xEC\x21\xEA\x3A\x69\x10\xA2\xDD\x08\x00\x2B\x30\x30\x9D", 16));
}
std::string Volume(std::string_view drive) {
    return Item("\x2F" + Pad(std::string(drive), 22));
}
std::string NetworkItem(std::string_view share) {
    return Item(std::string("\xC3\x01\x00", 3) + std::string(share) + '\0');
}

// The 0xBEEF0004 block of a file entry, with the long name where `version`
// puts it.
std::string LongNameBlock(std::uint16_t version, std::u16string_view name) {
    std::size_t nameAt = 20;
    if (version >= 9)
        nameAt = 46;
    else if (version == 8)
        nameAt = 42;
    else if (version == 7)
        nameAt = 38;
    std::string block = Le16(0) + Le16(version) + Le32(0xBEEF0004);
    block = Pad(block, nameAt) + WideZ(name) + Le16(0x14);
    const std::string size = Le16(static_cast<std::uint32_t>(block.size()));
    block[0] = size[0];
    block[1] = size[1];
    return block;
}

// A file entry with an ANSI (short) primary name and, when given, a long name.
std::string FileEntry(std::string_view shortName, std::u16string_view longName = {},
                      std::uint16_t version = 9) {
    std::string body =
        std::string("\x32\x00", 2) + Le32(0) + Le32(0) + Le16(0x20) + std::string(shortName) + '\0';
    if (body.size() % 2 == 1) // 16-bit aligned from the item start (2 + body)
        body += '\0';
    if (!longName.empty())
        body += LongNameBlock(version, longName);
    return Item(body);
}
// A file entry whose primary name is Unicode (class type flag 0x04).
std::string UnicodeFileEntry(std::u16string_view name) {
    return Item(std::string("\x36\x00", 2) + Le32(0) + Le32(0) + Le16(0x20) + WideZ(name));
}

// ---------------------------------------------------------------------------

struct Outputs {
    std::array<char16_t, CKelvoCommonShortcutFile::kBufferLength> target{};
    std::array<char16_t, CKelvoCommonShortcutFile::kBufferLength> arguments{};
    std::array<char16_t, CKelvoCommonShortcutFile::kBufferLength> workingFolder{};

    void Fill(std::u16string_view text) {
        KelvoCopyToBuffer(text, target.data(), target.size());
        KelvoCopyToBuffer(text, arguments.data(), arguments.size());
        KelvoCopyToBuffer(text, workingFolder.data(), workingFolder.size());
    }
};

Outputs ReadLnkBuffers(const fs::path& file, std::u16string_view initial = u"") {
    Outputs outputs;
    outputs.Fill(initial);
    CKelvoCommonShortcutFile shortcut;
    shortcut.GetLnkFileInformation(U16(file.string()).c_str(), outputs.target.data(),
                                   outputs.arguments.data(), outputs.workingFolder.data());
    return outputs;
}

std::string Text(const std::array<char16_t, CKelvoCommonShortcutFile::kBufferLength>& buffer) {
    return U8(std::u16string_view(buffer.data()));
}

struct LnkRow {
    std::string name;
    std::string bytes;
    std::string target;
    std::string arguments;
    std::string workingFolder;
};

void CheckRows(const TempDir& dir, const std::vector<LnkRow>& rows) {
    for (const LnkRow& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path file = dir.File("links") / "row.lnk";
        WriteBytes(file, row.bytes);
        const Outputs outputs = ReadLnkBuffers(file, u"sentinel");
        EXPECT_EQ(Text(outputs.target), row.target);
        EXPECT_EQ(Text(outputs.arguments), row.arguments);
        EXPECT_EQ(Text(outputs.workingFolder), row.workingFolder);
    }
}

const std::string kLongText(300, 'a');

} // namespace

// ---------------------------------------------------------------------------
// Reading links of other writers

TEST(KelvoCommonShortcutFile, ReadsHandBuiltVariants) {
    TempDir dir;
    fs::create_directories(dir.File("links"));
    fs::create_directories(dir.File("bin"));
    WriteBytes(dir.File("bin") / "tool", "x");
    const std::string existing = (dir.Path() / "bin" / "tool").string();

    using namespace LinkFlag;
    const std::string strings = UnicodeString(u"C:\\Work") + UnicodeString(u"--go");
    const std::vector<LnkRow> rows = {
        {"ANSI only: LinkInfo 0x1C and ANSI strings",
         Lnk{LinkInfo | WorkingDir | Arguments,
             {},
             LinkInfoAnsi("C:\\Tools\\app.exe", ""),
             AnsiString("C:\\Tools") + AnsiString("-a b")}
             .Bytes(),
         "C:\\Tools\\app.exe", "-a b", "C:\\Tools"},
        {"ANSI strings whose count includes the NUL",
         Lnk{LinkInfo | WorkingDir | Arguments,
             {},
             LinkInfoAnsi("C:\\a.exe", ""),
             AnsiString("C:\\", true) + AnsiString("/x", true)}
             .Bytes(),
         "C:\\a.exe", "/x", "C:\\"},
        {"Unicode LinkInfo wins over its ANSI form",
         Lnk{LinkInfo | Unicode, {}, LinkInfoUnicode("C:\\?????", u"C:\\日本語\\ä.exe", u"")}
             .Bytes(),
         "C:\\日本語\\ä.exe", "", ""},
        {"local base path and common path suffix are joined",
         Lnk{LinkInfo | Unicode,
             {},
             LinkInfoUnicode("C:\\Program Files", u"C:\\Program Files", u"App\\app.exe")}
             .Bytes(),
         "C:\\Program Files\\App\\app.exe", "", ""},
        {"file on a share",
         Lnk{LinkInfo, {}, LinkInfoNetwork("\\\\server\\share", "dir\\doc.txt")}.Bytes(),
         "\\\\server\\share\\dir\\doc.txt", "", ""},
        {"Unicode strings whose count includes the NUL",
         Lnk{LinkInfo | Unicode | WorkingDir | Arguments,
             {},
             LinkInfoAnsi("C:\\a.exe", ""),
             UnicodeString(u"C:\\Dir", true) + UnicodeString(u"-v", true)}
             .Bytes(),
         "C:\\a.exe", "-v", "C:\\Dir"},
        {"name, relative path and icon are read past, in order",
         Lnk{LinkInfo | Unicode | Name | RelativePath | WorkingDir | Arguments | IconLocation,
             {},
             LinkInfoAnsi("C:\\a.exe", ""),
             UnicodeString(u"A comment") + UnicodeString(u".\\a.exe") + strings +
                 UnicodeString(u"%SystemRoot%\\icon.dll")}
             .Bytes(),
         "C:\\a.exe", "--go", "C:\\Work"},
        {"Windows-1252 ANSI text",
         Lnk{LinkInfo | Arguments, {}, LinkInfoAnsi("C:\\Caf\xE9.exe", ""), AnsiString("\x80 5")}
             .Bytes(),
         "C:\\Café.exe", "€ 5", ""},
        {"UTF-8 ANSI text", Lnk{LinkInfo, {}, LinkInfoAnsi("/opt/caf\xC3\xA9", "")}.Bytes(),
         "/opt/café", "", ""},
        {"relative path only, target next to the link's folder",
         Lnk{RelativePath | Unicode, {}, {}, UnicodeString(u"..\\bin\\tool")}.Bytes(), existing, "",
         ""},
        {"relative path only, target missing: the joined path",
         Lnk{RelativePath | Unicode, {}, {}, UnicodeString(u"..\\gone\\tool")}.Bytes(),
         (dir.Path() / "gone" / "tool").string(), "", ""},
        {"moved target found through the relative path",
         Lnk{LinkInfo | RelativePath | Unicode,
             {},
             LinkInfoAnsi("/nowhere/bin/tool", ""),
             UnicodeString(u"../bin/tool")}
             .Bytes(),
         existing, "", ""},
        {"missing target and missing relative path: as stored",
         Lnk{LinkInfo | RelativePath | Unicode,
             {},
             LinkInfoAnsi("C:\\Tools\\app.exe", ""),
             UnicodeString(u"..\\Tools\\app.exe")}
             .Bytes(),
         "C:\\Tools\\app.exe", "", ""},
        {"environment block only, Unicode form",
         Lnk{ExpString | Unicode | Arguments,
             {},
             {},
             UnicodeString(u"-q"),
             EnvironmentBlock("%ANSI%\\x.exe", u"%ProgramFiles%\\App\\x.exe")}
             .Bytes(),
         "%ProgramFiles%\\App\\x.exe", "-q", ""},
        {"environment block with an empty Unicode form",
         Lnk{ExpString, {}, {}, {}, EnvironmentBlock("%windir%\\notepad.exe", u"")}.Bytes(),
         "%windir%\\notepad.exe", "", ""},
        {"environment block after other blocks",
         Lnk{ExpString,
             {},
             {},
             {},
             Le32(0x10) + Le32(0xA0000003) + Pad("", 8) + EnvironmentBlock("", u"%HOMEDRIVE%\\x")}
             .Bytes(),
         "%HOMEDRIVE%\\x", "", ""},
        {"ID list only: long names from the extension block",
         Lnk{IdList, MyComputer() + Volume("C:\\") + FileEntry("PROGRA~1", u"Program Files", 3) +
                         FileEntry("MYAPPL~1", u"My Application", 8) +
                         FileEntry("MYAPPL~1.EXE", u"My Application.exe", 9)}
             .Bytes(),
         "C:\\Program Files\\My Application\\My Application.exe", "", ""},
        {"ID list with a Vista extension block and a short name only",
         Lnk{IdList, MyComputer() + Volume("D:\\") + FileEntry("DATA", u"Data Files", 7) +
                         FileEntry("A.TXT")}
             .Bytes(),
         "D:\\Data Files\\A.TXT", "", ""},
        {"ID list with Unicode primary names",
         Lnk{IdList,
             MyComputer() + Volume("C:\\") + UnicodeFileEntry(u"Users") + UnicodeFileEntry(u"Ümit")}
             .Bytes(),
         "C:\\Users\\Ümit", "", ""},
        {"ID list on a share",
         Lnk{IdList, NetworkItem("\\\\server\\share") + FileEntry("DOC.TXT", u"doc.txt")}.Bytes(),
         "\\\\server\\share\\doc.txt", "", ""},
        {"ID list of a namespace object: no target",
         Lnk{IdList | Unicode | Arguments,
             ControlPanel() + Item(std::string("\x71\x00xyz", 5)),
             {},
             UnicodeString(u"-x")}
             .Bytes(),
         "", "-x", ""},
        {"LinkInfo wins over the ID list",
         Lnk{IdList | LinkInfo, MyComputer() + Volume("C:\\") + FileEntry("OLD.EXE"),
             LinkInfoAnsi("C:\\new.exe", "")}
             .Bytes(),
         "C:\\new.exe", "", ""},
        {"ForceNoLinkInfo: the ID list is taken",
         Lnk{IdList | LinkInfo | ForceNoLinkInfo,
             MyComputer() + Volume("C:\\") + FileEntry("ID.EXE"), LinkInfoAnsi("C:\\info.exe", "")}
             .Bytes(),
         "C:\\ID.EXE", "", ""},
        {"damaged item inside the ID list: its path only is lost",
         Lnk{IdList | LinkInfo | Unicode | Arguments,
             MyComputer() + std::string("\x40\x00\x32\x00", 4), LinkInfoAnsi("C:\\a.exe", ""),
             UnicodeString(u"ok")}
             .Bytes(),
         "C:\\a.exe", "ok", ""},
        {"damaged extra data is ignored",
         Lnk{LinkInfo | Unicode | Arguments,
             {},
             LinkInfoAnsi("C:\\a.exe", ""),
             UnicodeString(u"z"),
             Le32(0x7FFFFFFF) + "junk"}
             .Bytes(),
         "C:\\a.exe", "z", ""},
        {"texts longer than the buffers are cut to 259",
         Lnk{LinkInfo | Unicode | WorkingDir | Arguments,
             {},
             LinkInfoAnsi("C:\\" + kLongText, ""),
             UnicodeString(U16(kLongText)) + UnicodeString(U16(kLongText))}
             .Bytes(),
         ("C:\\" + kLongText).substr(0, 259), kLongText.substr(0, 259), kLongText.substr(0, 259)},
    };
    CheckRows(dir, rows);
}

TEST(KelvoCommonShortcutFile, FailuresLeaveOutputsUntouched) {
    TempDir dir;
    fs::create_directories(dir.File("links"));
    const std::string good = Lnk{LinkFlag::LinkInfo | LinkFlag::Unicode | LinkFlag::Arguments,
                                 {},
                                 LinkInfoAnsi("C:\\a.exe", ""),
                                 UnicodeString(u"-x")}
                                 .Bytes();
    std::string wrongClsid = good;
    wrongClsid[19] = 0x47;
    const std::string shortLinkInfo = Header(LinkFlag::LinkInfo) + Le32(0x10) + Pad("", 12);

    struct Row {
        std::string name;
        std::string bytes;
        KelvoShortcutStatus status;
    };
    const Row rows[] = {
        {"empty file", "", KelvoShortcutStatus::NotShellLink},
        {"an Internet shortcut", "[InternetShortcut]\nURL=https://example.org\n",
         KelvoShortcutStatus::NotShellLink},
        {"header cut short", good.substr(0, 0x40), KelvoShortcutStatus::NotShellLink},
        {"wrong header size", Le32(0x4D) + good.substr(4), KelvoShortcutStatus::NotShellLink},
        {"wrong class id", wrongClsid, KelvoShortcutStatus::NotShellLink},
        {"ID list size past the end", Header(LinkFlag::IdList) + Le16(0x200) + Pad("", 16),
         KelvoShortcutStatus::Damaged},
        {"ID list size cut off", Header(LinkFlag::IdList) + "\x01", KelvoShortcutStatus::Damaged},
        {"LinkInfo size past the end", good.substr(0, good.size() - 30),
         KelvoShortcutStatus::Damaged},
        {"LinkInfo smaller than its header", shortLinkInfo, KelvoShortcutStatus::Damaged},
        {"string count past the end", good.substr(0, good.size() - 6),
         KelvoShortcutStatus::Damaged},
        {"string count cut off", Header(LinkFlag::Arguments | LinkFlag::Unicode) + "\x05",
         KelvoShortcutStatus::Damaged},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path file = dir.File("links") / "bad.lnk";
        WriteBytes(file, row.bytes);
        const Outputs outputs = ReadLnkBuffers(file, u"kept");
        EXPECT_EQ(Text(outputs.target), "kept");
        EXPECT_EQ(Text(outputs.arguments), "kept");
        EXPECT_EQ(Text(outputs.workingFolder), "kept");
        KelvoLnkInformation information;
        std::string detail;
        EXPECT_EQ(CKelvoCommonShortcutFile::ReadLnk(file, information, &detail), row.status);
        EXPECT_NE(detail.find(file.string()), std::string::npos) << detail;
    }
}

TEST(KelvoCommonShortcutFile, UnreadableFilesLeaveOutputsUntouched) {
    TempDir dir;
    const fs::path fifo = dir.File("pipe.lnk");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directories(dir.File("folder.lnk"));
    const fs::path large = dir.File("large.lnk");
    WriteBytes(large, Lnk{LinkFlag::LinkInfo, {}, LinkInfoAnsi("C:\\a.exe", "")}.Bytes() +
                          std::string(CKelvoCommonShortcutFile::kMaxLnkBytes, '\0'));

    const std::pair<const char*, fs::path> rows[] = {
        {"missing file", dir.File("missing.lnk")},
        {"a FIFO never blocks", fifo},
        {"a folder", dir.File("folder.lnk")},
        {"larger than the cap", large},
    };
    for (const auto& [name, file] : rows) {
        SCOPED_TRACE(name);
        const Outputs outputs = ReadLnkBuffers(file, u"kept");
        EXPECT_EQ(Text(outputs.target), "kept");
        EXPECT_EQ(Text(outputs.arguments), "kept");
        KelvoLnkInformation information;
        EXPECT_EQ(CKelvoCommonShortcutFile::ReadLnk(file, information),
                  KelvoShortcutStatus::Unreadable);
    }
}

TEST(KelvoCommonShortcutFile, NullArgumentsAreHarmless) {
    TempDir dir;
    const fs::path file = dir.File("a.lnk");
    WriteBytes(file, Lnk{LinkFlag::LinkInfo, {}, LinkInfoAnsi("C:\\a.exe", "")}.Bytes());
    CKelvoCommonShortcutFile shortcut;
    std::array<char16_t, CKelvoCommonShortcutFile::kBufferLength> target{};
    shortcut.GetLnkFileInformation(nullptr, target.data(), target.data(), target.data());
    shortcut.GetLnkFileInformation(U16(file.string()).c_str(), target.data(), nullptr, nullptr);
    EXPECT_EQ(Text(target), "C:\\a.exe");
    shortcut.GetUrlFileInformation(nullptr, target.data());
    shortcut.CreateLnkFile(nullptr, u"/a", u"", u"");
    shortcut.CreateLnkFile(U16(dir.File("b.lnk").string()).c_str(), u"/bin/sh", nullptr, nullptr);
    KelvoLnkInformation information;
    ASSERT_EQ(CKelvoCommonShortcutFile::ReadLnk(dir.File("b.lnk"), information),
              KelvoShortcutStatus::Ok);
    EXPECT_EQ(U8(information.target), "/bin/sh");
}

// ---------------------------------------------------------------------------
// Writing

TEST(KelvoCommonShortcutFile, WrittenLinksReadBack) {
    TempDir dir;
    fs::create_directories(dir.File("links"));
    fs::create_directories(dir.File("Program Folder"));
    WriteBytes(dir.File("Program Folder") / "app", "#!/bin/sh\n");
    const std::string app = (dir.Path() / "Program Folder" / "app").string();
    const std::string longArguments(1000, 'q');

    struct Row {
        const char* name;
        std::string target;
        std::string arguments;
        std::string workingFolder;
        std::string expectedArguments; // what the 260-character buffer holds
    };
    const Row rows[] = {
        {"existing file with spaces", app, "--name \"a b\" 'c'", dir.Path().string(),
         "--name \"a b\" 'c'"},
        {"no arguments, no working folder", app, "", "", ""},
        {"a folder", dir.File("Program Folder").string(), "", "/", ""},
        {"missing POSIX target kept exactly", "/opt/none/tool ", "-x", "/tmp", "-x"},
        {"Windows path kept as given", "C:\\Windows\\notepad.exe", "a.txt", "C:\\", "a.txt"},
        {"non-ASCII texts", "/home/日本/ä ö.sh", "—flag ✓", "/home/日本", "—flag ✓"},
        {"a character outside the BMP", "/tmp/\xF0\x9F\x99\x82.txt", "", "", ""},
        {"arguments longer than a buffer", app, longArguments, "", longArguments.substr(0, 259)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path file = dir.File("links") / "written.lnk";
        CKelvoCommonShortcutFile shortcut;
        shortcut.CreateLnkFile(U16(file.string()).c_str(), U16(row.target).c_str(),
                               U16(row.arguments).c_str(), U16(row.workingFolder).c_str());
        const Outputs outputs = ReadLnkBuffers(file);
        EXPECT_EQ(Text(outputs.target), row.target);
        EXPECT_EQ(Text(outputs.arguments), row.expectedArguments);
        EXPECT_EQ(Text(outputs.workingFolder), row.workingFolder);

        KelvoLnkInformation whole;
        ASSERT_EQ(CKelvoCommonShortcutFile::ReadLnk(file, whole), KelvoShortcutStatus::Ok);
        EXPECT_EQ(U8(whole.arguments), row.arguments);
    }
}

TEST(KelvoCommonShortcutFile, WrittenLinkFollowsItsTargetWhenBothMove) {
    TempDir dir;
    fs::create_directories(dir.File("old/bin"));
    fs::create_directories(dir.File("old/menu"));
    WriteBytes(dir.File("old/bin/tool"), "x");
    ASSERT_EQ(CKelvoCommonShortcutFile::WriteLnk(dir.File("old/menu/tool.lnk"),
                                                 U16(dir.File("old/bin/tool").string()), u"", u""),
              KelvoShortcutStatus::Ok);
    fs::rename(dir.File("old"), dir.File("new"));
    KelvoLnkInformation information;
    ASSERT_EQ(CKelvoCommonShortcutFile::ReadLnk(dir.File("new/menu/tool.lnk"), information),
              KelvoShortcutStatus::Ok);
    EXPECT_EQ(U8(information.target), dir.File("new/bin/tool").string());
}

TEST(KelvoCommonShortcutFile, WriteFailuresLeaveNoFile) {
    TempDir dir;
    const std::u16string tooLong(kKelvoShellLinkMaxString + 1, u'a');
    std::string detail;
    EXPECT_EQ(
        CKelvoCommonShortcutFile::WriteLnk(dir.File("a.lnk"), u"/bin/sh", tooLong, u"", &detail),
        KelvoShortcutStatus::TooLong);
    EXPECT_FALSE(fs::exists(dir.File("a.lnk")));
    EXPECT_EQ(
        CKelvoCommonShortcutFile::WriteLnk(dir.File("none/a.lnk"), u"/bin/sh", u"", u"", &detail),
        KelvoShortcutStatus::WriteFailed);
    EXPECT_NE(detail.find("none/a.lnk"), std::string::npos) << detail;
    // A folder in the way is not replaced, and nothing is left behind.
    fs::create_directories(dir.File("taken.lnk"));
    EXPECT_EQ(CKelvoCommonShortcutFile::WriteLnk(dir.File("taken.lnk"), u"/bin/sh", u"", u""),
              KelvoShortcutStatus::WriteFailed);
    EXPECT_TRUE(fs::is_directory(dir.File("taken.lnk")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

// Written like the settings file: a symbolic link is followed and stays,
// the old file's mode is kept.
TEST(KelvoCommonShortcutFile, WritingReplacesAnExistingLink) {
    TempDir dir;
    fs::create_directory(dir.File("real"));
    const fs::path target = dir.File("real") / "a.lnk";
    WriteBytes(target, std::string(5000, 'x'));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const fs::path file = dir.File("a.lnk");
    fs::create_symlink("real/a.lnk", file);
    ASSERT_EQ(CKelvoCommonShortcutFile::WriteLnk(file, u"/bin/sh", u"-c true", u"/"),
              KelvoShortcutStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(file));
    KelvoLnkInformation information;
    ASSERT_EQ(CKelvoCommonShortcutFile::ReadLnk(target, information), KelvoShortcutStatus::Ok);
    EXPECT_EQ(U8(information.arguments), "-c true");
    struct stat info{};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("real")), fs::directory_iterator()), 1);
}

// lnkinfo (liblnk-utils) is an independent reader of the format.
TEST(KelvoCommonShortcutFile, LnkinfoAcceptsWrittenLinks) {
    const QString lnkinfo = QStandardPaths::findExecutable(QStringLiteral("lnkinfo"));
    if (lnkinfo.isEmpty())
        GTEST_SKIP() << "lnkinfo not found on PATH (Debian package liblnk-utils)";
    TempDir dir;
    WriteBytes(dir.File("app"), "x");

    struct Row {
        const char* name;
        std::string target;
        std::string arguments;
        std::string workingFolder;
    };
    const Row rows[] = {
        {"existing target with all three texts", dir.File("app").string(), "--a \"b c\"",
         dir.Path().string()},
        {"missing target, no arguments, no working folder", "/opt/x/y", "", ""},
        {"non-ASCII texts", "/srv/Ünïcødé/日本.txt", "ä", "/srv/Ünïcødé"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path file = dir.File("checked.lnk");
        ASSERT_EQ(CKelvoCommonShortcutFile::WriteLnk(file, U16(row.target), U16(row.arguments),
                                                     U16(row.workingFolder)),
                  KelvoShortcutStatus::Ok);
        QProcess process;
        process.start(lnkinfo, {QString::fromStdString(file.string())});
        ASSERT_TRUE(process.waitForFinished(30000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

        // "\tName\t\t\t: value" lines.
        std::map<std::string, std::string> fields;
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            const qsizetype colon = line.indexOf(QStringLiteral(": "));
            if (colon > 0)
                fields[line.left(colon).trimmed().toStdString()] =
                    line.mid(colon + 2).toStdString();
        }
        EXPECT_EQ(fields["Local path"], row.target);
        if (row.arguments.empty())
            EXPECT_EQ(fields.count("Command line arguments"), 0u);
        else
            EXPECT_EQ(fields["Command line arguments"], row.arguments);
        if (row.workingFolder.empty())
            EXPECT_EQ(fields.count("Working directory"), 0u);
        else
            EXPECT_EQ(fields["Working directory"], row.workingFolder);
    }
}

// ---------------------------------------------------------------------------
// Internet shortcuts

TEST(KelvoCommonShortcutFile, ReadsInternetShortcuts) {
    TempDir dir;
    const std::string longUrl = "https://example.org/" + std::string(400, 'p');
    const std::string mark16 = "\xFF\xFE";

    struct Row {
        const char* name;
        std::string bytes;
        const char* url; // nullptr: the buffer keeps what it held
    };
    const Row rows[] = {
        {"typical CRLF", "[InternetShortcut]\r\nURL=https://example.org/\r\n",
         "https://example.org/"},
        {"UTF-16 with byte-order mark",
         mark16 + Utf16LeBytes("[InternetShortcut]\r\nURL=https://例え.jp/パス\r\n"),
         "https://例え.jp/パス"},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF[InternetShortcut]\nURL=http://a/ä\n",
         "http://a/ä"},
        {"LF line ends and other sections first",
         "[{000214A0-0000-0000-C000-000000000046}]\nProp3=19,11\n[InternetShortcut]\nIDList=\n"
         "URL=https://b.example/\nIconIndex=0\n",
         "https://b.example/"},
        {"blanks and case-insensitive names", "[internetshortcut]\n  url =  ftp://c.example  \n",
         "ftp://c.example"},
        {"one pair of quotes removed", "[InternetShortcut]\nURL=\"https://q.example/a b\"\n",
         "https://q.example/a b"},
        {"the first of two keys", "[InternetShortcut]\nURL=https://1/\nURL=https://2/\n",
         "https://1/"},
        {"no final line end", "[InternetShortcut]\nURL=https://end/", "https://end/"},
        {"an address longer than the buffer is cut", "[InternetShortcut]\nURL=" + longUrl + "\n",
         nullptr},
        {"URL in another section", "[Other]\nURL=https://no/\n", nullptr},
        {"no URL key", "[InternetShortcut]\nIconIndex=1\n", nullptr},
        {"empty URL", "[InternetShortcut]\nURL=\n", nullptr},
        {"a shell link is no Internet shortcut",
         Lnk{LinkFlag::LinkInfo, {}, LinkInfoAnsi("C:\\a.exe", "")}.Bytes(), nullptr},
        {"empty file", "", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path file = dir.File("row.url");
        WriteBytes(file, row.bytes);
        std::array<char16_t, CKelvoCommonShortcutFile::kBufferLength> buffer{};
        KelvoCopyToBuffer(u"kept", buffer.data(), buffer.size());
        CKelvoCommonShortcutFile shortcut;
        shortcut.GetUrlFileInformation(U16(file.string()).c_str(), buffer.data());
        const bool cut = row.url == nullptr && row.bytes.find(longUrl) != std::string::npos;
        const std::string expected = cut ? longUrl.substr(0, 259) : row.url ? row.url : "kept";
        EXPECT_EQ(Text(buffer), expected);
    }
}

TEST(KelvoCommonShortcutFile, UrlBufferIsNeverOverrun) {
    TempDir dir;
    const fs::path file = dir.File("long.url");
    WriteBytes(file, "[InternetShortcut]\nURL=" + std::string(5000, 'u') + "\n");
    constexpr char16_t kGuard = u'#';
    std::vector<char16_t> memory(CKelvoCommonShortcutFile::kBufferLength + 8, kGuard);
    CKelvoCommonShortcutFile shortcut;
    shortcut.GetUrlFileInformation(U16(file.string()).c_str(), memory.data());
    EXPECT_EQ(memory[CKelvoCommonShortcutFile::kBufferLength - 1], u'\0');
    for (std::size_t i = CKelvoCommonShortcutFile::kBufferLength; i < memory.size(); ++i)
        EXPECT_EQ(memory[i], kGuard) << i;
}

TEST(KelvoCommonShortcutFile, MissingUrlFileLeavesBufferUntouched) {
    TempDir dir;
    std::array<char16_t, CKelvoCommonShortcutFile::kBufferLength> buffer{};
    KelvoCopyToBuffer(u"kept", buffer.data(), buffer.size());
    CKelvoCommonShortcutFile shortcut;
    shortcut.GetUrlFileInformation(U16(dir.File("missing.url").string()).c_str(), buffer.data());
    EXPECT_EQ(Text(buffer), "kept");
    std::u16string url;
    EXPECT_EQ(CKelvoCommonShortcutFile::ReadUrl(dir.File("missing.url"), url),
              KelvoShortcutStatus::Unreadable);
}

// ---------------------------------------------------------------------------
// Pieces

TEST(KelvoCommonShortcutFormat, CopyToBufferCuts) {
    struct Row {
        const char* name;
        std::u16string text;
        std::size_t capacity;
        std::u16string expected;
    };
    const Row rows[] = {
        {"fits", u"abc", 4, u"abc"},
        {"cut", u"abcd", 4, u"abc"},
        {"capacity 1 holds only the NUL", u"abc", 1, u""},
        {"a pair is not split", u"ab\U0001F642", 4, u"ab"},
        {"a whole pair fits", u"a\U0001F642", 4, u"a\U0001F642"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<char16_t> buffer(row.capacity + 1, u'#');
        KelvoCopyToBuffer(row.text, buffer.data(), row.capacity);
        EXPECT_EQ(std::u16string(buffer.data()), row.expected);
        EXPECT_EQ(buffer[row.capacity], u'#');
    }
    char16_t untouched = u'#';
    KelvoCopyToBuffer(u"abc", &untouched, 0);
    EXPECT_EQ(untouched, u'#');
}

TEST(KelvoCommonShortcutFormat, DecodesAnsi) {
    const std::pair<std::string, std::u16string> rows[] = {
        {"plain", u"plain"},           {"caf\xC3\xA9", u"café"}, // valid UTF-8
        {"caf\xE9", u"café"},                                    // Windows-1252
        {"\x80\x81\x9F", u"€\x81Ÿ"},                             // the 0x80-0x9F row
        {"\xC0\xAF", u"À¯"},           // an overlong UTF-8 form is not UTF-8
        {"\xED\xA0\x80", u"í\u00A0€"}, // nor is a UTF-8 surrogate
    };
    for (const auto& [bytes, expected] : rows) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(KelvoDecodeAnsi(bytes), expected);
    }
}

// The fuzzers start from these; they are kept in the repository and must
// match what the builder above makes. VENDRASK_UPDATE_CORPUS=1 rewrites them.
TEST(KelvoCommonShortcutFormat, SeedCorpusIsCurrent) {
    using namespace LinkFlag;
    const fs::path corpus = fs::path(VENDRASK_TEST_DATA_DIR) / ".." / "fuzz" / "corpus";
    const std::string strings =
        UnicodeString(u".\\a.exe") + UnicodeString(u"C:\\Work") + UnicodeString(u"--go", true);
    const std::map<std::string, std::string> seeds = {
        {"lnk/ansi_only.lnk", Lnk{LinkInfo | WorkingDir | Arguments,
                                  {},
                                  LinkInfoAnsi("C:\\Tools\\app.exe", ""),
                                  AnsiString("C:\\Tools") + AnsiString("-a b", true)}
                                  .Bytes()},
        {"lnk/unicode_linkinfo.lnk", Lnk{LinkInfo | Unicode | RelativePath | WorkingDir | Arguments,
                                         {},
                                         LinkInfoUnicode("C:\\?", u"C:\\日本", u"a.exe"),
                                         strings}
                                         .Bytes()},
        {"lnk/network.lnk",
         Lnk{LinkInfo, {}, LinkInfoNetwork("\\\\srv\\share", "d\\f.txt")}.Bytes()},
        {"lnk/environment.lnk", Lnk{ExpString | Unicode | Arguments,
                                    {},
                                    {},
                                    UnicodeString(u"-q"),
                                    EnvironmentBlock("%windir%\\a.exe", u"%windir%\\a.exe")}
                                    .Bytes()},
        {"lnk/id_list.lnk",
         Lnk{IdList | Unicode | Name | IconLocation,
             MyComputer() + Volume("C:\\") + FileEntry("PROGRA~1", u"Program Files", 3) +
                 FileEntry("APP~1.EXE", u"App.exe", 9) + UnicodeFileEntry(u"x") +
                 NetworkItem("\\\\s\\t"),
             {},
             UnicodeString(u"n") + UnicodeString(u"i.ico")}
             .Bytes()},
        {"lnk/relative_only.lnk",
         Lnk{RelativePath | Unicode, {}, {}, UnicodeString(u"..\\bin\\tool")}.Bytes()},
        {"url/crlf.url", "[InternetShortcut]\r\nURL=https://example.org/\r\nIconIndex=0\r\n"},
        {"url/utf16.url",
         "\xFF\xFE" + Utf16LeBytes("[InternetShortcut]\r\nURL=\"https://例.jp/\"\r\n")},
        {"url/lf_blanks.url", "[Other]\nURL=x\n[internetshortcut]\n  Url = ftp://a/ \n"},
    };
    KelvoShellLinkFields ours;
    ours.target = u"/usr/bin/env";
    ours.arguments = u"-i sh";
    ours.workingDirectory = u"/tmp";
    ours.relativePath = u"../../usr/bin/env";
    ours.fileAttributes = 0x20;
    const std::optional<std::string> written = KelvoBuildShellLink(ours);
    ASSERT_TRUE(written);
    std::map<std::string, std::string> all = seeds;
    all["lnk/written.lnk"] = *written;

    const char* update = std::getenv("VENDRASK_UPDATE_CORPUS");
    for (const auto& [name, bytes] : all) {
        SCOPED_TRACE(name);
        const fs::path file = corpus / name;
        if (update != nullptr && std::string(update) == "1") {
            fs::create_directories(file.parent_path());
            WriteBytes(file, bytes);
        }
        EXPECT_EQ(ReadBytes(file), bytes) << "run with VENDRASK_UPDATE_CORPUS=1 to refresh";
    }
}
