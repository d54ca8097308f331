// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/core/KelvoCommonText.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The settings-file engine: private-profile ("INI") text with the rules of
// the Windows profile functions, kept Qt-free so that fuzzers can take it.
//
// Reading: section and key names match without regard to ASCII case; the
// first of two equal sections or keys counts; lines starting with ';' are
// comments; CRLF, LF and CR all end lines. Writing replaces a value in place,
// adds a missing key at the end of its section and a missing section at the
// end of the file, and keeps every other line byte for byte.

enum class KelvoProfileEncoding : std::uint8_t {
    Utf16Le, // FF FE first: what we create
    Utf8Bom, // EF BB BF first
    Utf8,    // no byte-order mark
};

struct KelvoProfileEntry {
    std::u16string section;
    std::u16string key;
    std::u16string value;
};

// One parsed file held in memory.
class KELVOCOMMON_EXPORT CKelvoCommonProfileDocument final {
public:
    // An empty document of a file we create: UTF-16LE, CRLF line ends.
    CKelvoCommonProfileDocument();

    // Never fails: bytes that cannot be decoded read as nothing useful, and
    // lines the document does not change are written back unchanged.
    static CKelvoCommonProfileDocument Parse(std::string_view bytes);
    std::string Serialize() const;

    KelvoProfileEncoding Encoding() const { return m_encoding; }

    // The stored value of the first matching key, cut at a NUL and blanks
    // around it removed, nothing else changed; nullopt when the section or
    // key is missing.
    std::optional<std::u16string> FindRaw(std::u16string_view section,
                                          std::u16string_view key) const;
    // Missing key -> defaultValue. Present -> blanks removed, then one
    // enclosing pair of matching quotes (" or ') removed; empty stays empty.
    std::u16string GetString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue) const;
    // What GetString gives for a value stored as it stands.
    static std::u16string ReadBack(std::u16string_view stored);
    // What to store so that GetString gives the value back: the value
    // itself when it reads back unchanged, else the value in one pair of
    // double quotes (blanks around it, or an enclosing pair of its own).
    static std::u16string Protect(std::u16string_view value);
    // Missing or empty -> defaultValue. Otherwise the signed decimal number
    // at the start of the value ("300" -> 300, " 42abc" -> 42, "0x10" -> 0,
    // "abc" -> 0), saturated to the int range.
    int GetInt(std::u16string_view section, std::u16string_view key, int defaultValue) const;

    // Line breaks and NULs in the value are replaced by spaces: a value
    // must never start a new line of its own. Names get the same treatment
    // and lose surrounding blanks; a name that would read back as another
    // line kind (see CanStore) is not written at all. A rewritten line
    // keeps its text up to '=' as it was; a new key goes after the last key
    // line of its section (blank lines and comments after it stay below),
    // a new section at the end of the file.
    void SetString(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    // False when the file format cannot hold this name pair: a key holding
    // '=' or starting with ';' or '[', or a section name holding ']'.
    static bool CanStore(std::u16string_view section, std::u16string_view key);

    std::size_t LineCount() const;

private:
    // Untouched text stays in m_raw and is copied out as it is; only what
    // lookups need is decoded. Offsets are byte offsets into m_raw or
    // character offsets into m_names.
    struct Section {
        std::uint32_t nameBegin = 0; // in m_names
        std::uint32_t nameLength = 0;
        std::uint32_t hash = 0;
        std::uint32_t insertAt = 0;   // byte offset after the section's last key line
        std::int32_t firstAdded = -1; // head of the lines added at insertAt
        std::int32_t lastAdded = -1;  // the section's last added line
    };
    struct Key {
        std::uint32_t section = 0;
        std::uint32_t nameBegin = 0; // in m_names
        std::uint32_t nameLength = 0;
        std::uint32_t hash = 0;
        std::uint32_t valueBegin = 0; // in m_names: the value as read, untrimmed
        std::uint32_t valueLength = 0;
        std::uint32_t rawBegin = 0;      // the line in m_raw
        std::uint32_t rawValueBegin = 0; // just after '='
        std::uint32_t rawEnd = 0;        // before the line end
        std::int32_t newValue = -1;      // in m_newValues once written (always for added keys)
    };
    struct AddedLine {
        std::u16string text;     // "[name]" or "key="
        std::int32_t value = -1; // in m_newValues, for key lines
        std::int32_t next = -1;
    };

    std::int32_t FindSection(std::u16string_view name, std::uint32_t hash) const;
    std::int32_t FindKey(std::uint32_t section, std::u16string_view name, std::uint32_t hash) const;
    std::uint32_t AddSectionEntry(std::u16string_view name, std::uint32_t hash);
    std::uint32_t AddKeyEntry(std::uint32_t section, std::u16string_view name, std::uint32_t hash);
    std::u16string_view NameOf(std::uint32_t begin, std::uint32_t length) const;
    std::u16string_view ValueOf(const Key& key) const;
    // The value as FindRaw gives it, without a copy.
    std::optional<std::u16string_view> Lookup(std::u16string_view section,
                                              std::u16string_view key) const;
    void ParseLine(std::u16string_view text, std::size_t pos, std::size_t end, std::size_t next,
                   std::int32_t& current);
    void AppendEncoded(std::u16string_view text, std::string& out) const;
    bool EndsLineAt(std::size_t offset) const;
    void AppendAddedLines(std::int32_t first, std::string& out) const;
    void LinkAfter(std::int32_t previous, std::int32_t line);
    void ParseBody();

    KelvoProfileEncoding m_encoding = KelvoProfileEncoding::Utf16Le;
    std::string m_raw;           // the bytes as read
    std::size_t m_bodyBegin = 0; // after the byte-order mark
    std::size_t m_bodyEnd = 0;   // before an odd trailing UTF-16 byte
    bool m_addMark = false;      // an empty file gains FF FE when written
    std::string m_newline;       // the line end used for lines we add
    std::size_t m_rawLineCount = 0;
    std::u16string m_names; // decoded names and values
    std::vector<Section> m_sections;
    std::vector<Key> m_keys;
    std::vector<std::uint32_t> m_sectionSlots; // open addressing over m_sections
    std::vector<std::uint32_t> m_keySlots;     // open addressing over m_keys
    std::vector<std::u16string> m_newValues;
    std::vector<AddedLine> m_added;
    std::vector<std::uint32_t> m_rewritten;       // keys whose original line is rewritten
    std::vector<std::uint32_t> m_touchedSections; // original sections with added lines
    std::int32_t m_tailFirst = -1;                // lines appended at the end of the file
    std::int32_t m_tailLast = -1;
};

// A settings file on disk. Every write is atomic and durable: the new text
// goes to a temporary file in the same folder, is flushed to disk and renamed
// over the old one, so a crash or a full disk leaves the old or the new file,
// whole.
class KELVOCOMMON_EXPORT CKelvoCommonProfile final {
public:
    explicit CKelvoCommonProfile(std::filesystem::path file);

    const std::filesystem::path& Path() const { return m_path; }

    bool Exists() const;
    // Reads and parses the file. A missing or unreadable file gives an empty
    // document and false; the error is in LastError().
    bool Load();
    const CKelvoCommonProfileDocument& Document() const { return m_document; }

    // Creates the file holding only FF FE; fails if it exists already.
    bool CreateNew();

    // Applies the entries, in order, to the file as it is on disk now (so
    // edits made by others meanwhile are kept) and replaces it atomically;
    // the in-memory document follows. On failure the file is untouched and
    // false is returned with LastError() set.
    bool Write(std::span<const KelvoProfileEntry> entries);
    bool WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value);

    const std::string& LastError() const { return m_lastError; }
    // Why, without what and where ("Read-only file system"): the same for
    // every failure of one kind.
    const std::string& LastErrorReason() const { return m_lastReason; }

    // Files larger than this are not read (defaults apply) and never
    // rewritten, so we never truncate what we could not read.
    static constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;

private:
    void Fail(const char* what, const std::string& reason);

    std::filesystem::path m_path;
    CKelvoCommonProfileDocument m_document;
    std::string m_lastError;
    std::string m_lastReason;
};
