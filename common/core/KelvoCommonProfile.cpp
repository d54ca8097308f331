// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonProfile.h"

#include "common/core/KelvoCommonFile.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kReplacement = 0xFFFD;
constexpr std::uint32_t kEmptySlot = 0xFFFFFFFFu;
// Offsets are 32-bit; the file cap keeps real files far below this.
constexpr std::size_t kMaxIndexedBytes = 0xFFFF0000u;
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

char16_t FoldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One enclosing pair of matching quotes (" or ') taken away.
std::u16string Unquoted(std::u16string_view text) {
    if (text.size() >= 2 && text.front() == text.back() &&
        (text.front() == u'"' || text.front() == u'\''))
        return std::u16string(text.substr(1, text.size() - 2));
    return std::u16string(text);
}

bool EqualFolded(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    const char16_t* x = a.data();
    const char16_t* y = b.data();
    for (const char16_t* const end = x + a.size(); x != end; ++x, ++y) {
        if (*x != *y && FoldAscii(*x) != FoldAscii(*y))
            return false;
    }
    return true;
}

// FNV-1a over the folded text, seeded with the owning section for keys.
std::uint32_t HashFolded(std::uint32_t seed, std::u16string_view text) {
    std::uint32_t hash = 2166136261u ^ (seed * 2654435761u);
    const char16_t* p = text.data();
    for (const char16_t* const end = p + text.size(); p != end; ++p) {
        const unsigned folded = (*p >= u'A' && *p <= u'Z') ? *p + 32u : *p;
        hash = (hash ^ (folded & 0xFFu)) * 16777619u;
        hash = (hash ^ (folded >> 8)) * 16777619u;
    }
    // FNV's low bits depend only on low bits; the table indexes by them.
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    hash ^= hash >> 16;
    return hash;
}

std::uint32_t SectionHash(std::u16string_view name) {
    return HashFolded(0, name);
}

std::uint32_t KeyHash(std::uint32_t section, std::u16string_view name) {
    return HashFolded(section + 1, name);
}

bool IsBreakingChar(char16_t c) {
    return c == kCr || c == kLf || c == u'\0';
}

bool IsLoneSurrogate(std::u16string_view text, std::size_t i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF)
        return i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF;
    if (c >= 0xDC00 && c <= 0xDFFF)
        return i == 0 || text[i - 1] < 0xD800 || text[i - 1] > 0xDBFF;
    return false;
}

bool HasLoneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLoneSurrogate(text, i))
            return true;
    }
    return false;
}

// A UTF-8 file cannot hold an unpaired surrogate: it is stored, and so
// looked up, as U+FFFD.
void ReplaceLoneSurrogates(std::u16string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        out.push_back(IsLoneSurrogate(text, i) ? kReplacement : text[i]);
    text.swap(out);
}

// Caller-given names: characters that would end a line become spaces, and
// the blanks the reader trims are trimmed here too, so a written name
// reads back as itself.
std::u16string_view CleanName(std::u16string_view name, std::u16string& storage,
                              bool utf8 = false) {
    const bool breaks = std::any_of(name.begin(), name.end(), IsBreakingChar);
    const bool lone = utf8 && HasLoneSurrogate(name);
    if (breaks || lone) {
        storage.assign(name);
        std::replace_if(storage.begin(), storage.end(), IsBreakingChar, u' ');
        if (lone)
            ReplaceLoneSurrogates(storage);
        name = storage;
    }
    return Trim(name);
}

bool CanStoreClean(std::u16string_view section, std::u16string_view key) {
    if (section.find(u']') != std::u16string_view::npos)
        return false;
    if (key.find(u'=') != std::u16string_view::npos)
        return false;
    return key.empty() || (key.front() != u';' && key.front() != u'[');
}

char16_t Utf16UnitAt(const std::string& raw, std::size_t offset) {
    return char16_t(static_cast<unsigned char>(raw[offset]) |
                    (static_cast<unsigned char>(raw[offset + 1]) << 8));
}

template <typename Equal>
std::int32_t ProbeSlots(const std::vector<std::uint32_t>& slots, std::uint32_t hash,
                        Equal&& equal) {
    if (slots.empty())
        return -1;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t entry = slots[i];
        if (entry == kEmptySlot)
            return -1;
        if (equal(entry))
            return static_cast<std::int32_t>(entry);
    }
}

// Adds entry `index` (count entries in all) with its hash; the table stays
// at most half full so probes stay short.
template <typename HashOf>
void InsertSlot(std::vector<std::uint32_t>& slots, std::uint32_t index, std::uint32_t hash,
                HashOf&& hashOf) {
    if ((static_cast<std::size_t>(index) + 1) * 2 > slots.size()) {
        std::vector<std::uint32_t> grown(std::max<std::size_t>(16, slots.size() * 2), kEmptySlot);
        const std::size_t mask = grown.size() - 1;
        for (std::uint32_t e = 0; e < index; ++e) {
            std::size_t i = hashOf(e) & mask;
            while (grown[i] != kEmptySlot)
                i = (i + 1) & mask;
            grown[i] = e;
        }
        slots.swap(grown);
    }
    const std::size_t mask = slots.size() - 1;
    std::size_t i = hash & mask;
    while (slots[i] != kEmptySlot)
        i = (i + 1) & mask;
    slots[i] = index;
}

} // namespace

// ---------------------------------------------------------------------------
// CKelvoCommonProfileDocument

CKelvoCommonProfileDocument::CKelvoCommonProfileDocument()
    : m_raw(kUtf16Mark), m_bodyBegin(2), m_bodyEnd(2), m_newline(std::string("\r\0\n\0", 4)) {}

CKelvoCommonProfileDocument CKelvoCommonProfileDocument::Parse(std::string_view bytes) {
    CKelvoCommonProfileDocument doc;
    doc.m_raw.assign(bytes);
    doc.m_newline.clear();
    if (bytes.empty()) {
        // A 0-byte file is one we created but never filled.
        doc.m_encoding = KelvoProfileEncoding::Utf16Le;
        doc.m_addMark = true;
        doc.m_bodyBegin = doc.m_bodyEnd = 0;
    } else if (bytes.starts_with(kUtf16Mark)) {
        doc.m_encoding = KelvoProfileEncoding::Utf16Le;
        doc.m_bodyBegin = 2;
        doc.m_bodyEnd = 2 + (bytes.size() - 2) / 2 * 2;
    } else if (bytes.starts_with(kUtf8Mark)) {
        doc.m_encoding = KelvoProfileEncoding::Utf8Bom;
        doc.m_bodyBegin = 3;
        doc.m_bodyEnd = bytes.size();
    } else {
        doc.m_encoding = KelvoProfileEncoding::Utf8;
        doc.m_bodyBegin = 0;
        doc.m_bodyEnd = bytes.size();
    }
    if (bytes.size() <= kMaxIndexedBytes)
        doc.ParseBody();
    if (doc.m_newline.empty()) {
        doc.m_newline = doc.m_encoding == KelvoProfileEncoding::Utf16Le ? std::string("\r\0\n\0", 4)
                                                                        : std::string("\r\n");
    }
    return doc;
}

// One pass over the lines: only the first of each section and the first of
// each key in it are indexed, so memory follows what lookups can reach.
void CKelvoCommonProfileDocument::ParseBody() {
    std::int32_t current = -1; // the section that takes keys; none before the first
    if (m_encoding == KelvoProfileEncoding::Utf16Le) {
        std::u16string body((m_bodyEnd - m_bodyBegin) / 2, u'\0');
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(body.data(), m_raw.data() + m_bodyBegin, body.size() * 2);
        } else {
            for (std::size_t i = 0; i < body.size(); ++i)
                body[i] = Utf16UnitAt(m_raw, m_bodyBegin + 2 * i);
        }
        const std::u16string_view units(body);
        const char16_t* const u = body.data();
        const std::size_t count = body.size();
        std::size_t at = 0;
        while (at < count) {
            std::size_t end = at;
            while (end < count && u[end] != kCr && u[end] != kLf)
                ++end;
            std::size_t eol = 0;
            if (end < count)
                eol = (u[end] == kCr && end + 1 < count && u[end + 1] == kLf) ? 2 : 1;
            const std::size_t pos = m_bodyBegin + 2 * at;
            if (eol != 0 && m_newline.empty())
                m_newline = m_raw.substr(m_bodyBegin + 2 * end, 2 * eol);
            ParseLine(units.substr(at, end - at), pos, m_bodyBegin + 2 * end,
                      m_bodyBegin + 2 * (end + eol), current);
            at = end + eol;
        }
        return;
    }
    const std::string_view body(m_raw.data(), m_bodyEnd);
    const char* const b = m_raw.data();
    std::u16string line;
    std::size_t pos = m_bodyBegin;
    while (pos < m_bodyEnd) {
        std::size_t end = pos;
        while (end < m_bodyEnd && b[end] != '\r' && b[end] != '\n')
            ++end;
        std::size_t eol = 0;
        if (end < m_bodyEnd)
            eol = (body[end] == '\r' && end + 1 < m_bodyEnd && body[end + 1] == '\n') ? 2 : 1;
        if (eol != 0 && m_newline.empty())
            m_newline = m_raw.substr(end, eol);
        line.clear();
        KelvoAppendUtf8AsUtf16(body.substr(pos, end - pos), line);
        ParseLine(line, pos, end, end + eol, current);
        pos = end + eol;
    }
}

// One line: `pos` and `end` are its bytes in m_raw without the line end,
// `next` the first byte of the following line.
void CKelvoCommonProfileDocument::ParseLine(std::u16string_view text, std::size_t pos,
                                            std::size_t end, std::size_t next,
                                            std::int32_t& current) {
    ++m_rawLineCount;
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos || text[first] == u';')
        return;
    if (text[first] == u'[') {
        const std::size_t close = text.find(u']', first + 1);
        if (close != std::u16string_view::npos) {
            const std::u16string_view name = Trim(text.substr(first + 1, close - first - 1));
            const std::uint32_t hash = SectionHash(name);
            if (FindSection(name, hash) >= 0) {
                current = -1; // a repeated section: the first one counts
            } else {
                current = static_cast<std::int32_t>(AddSectionEntry(name, hash));
                m_sections[static_cast<std::size_t>(current)].insertAt =
                    static_cast<std::uint32_t>(next);
            }
            return;
        }
    }
    const std::size_t equals = text.find(u'=', first);
    if (equals == std::u16string_view::npos || current < 0)
        return;
    const auto section = static_cast<std::uint32_t>(current);
    m_sections[section].insertAt = static_cast<std::uint32_t>(next);
    const std::u16string_view name = Trim(text.substr(first, equals - first));
    const std::uint32_t hash = KeyHash(section, name);
    if (FindKey(section, name, hash) >= 0)
        return;
    const std::uint32_t id = AddKeyEntry(section, name, hash);
    Key& key = m_keys[id];
    const std::u16string_view value = text.substr(equals + 1);
    key.valueBegin = static_cast<std::uint32_t>(m_names.size());
    key.valueLength = static_cast<std::uint32_t>(value.size());
    m_names.append(value);
    key.rawBegin = static_cast<std::uint32_t>(pos);
    // '=' is a single unit in both encodings and never part of an invalid
    // UTF-8 sequence, so its first byte is found directly.
    key.rawValueBegin = static_cast<std::uint32_t>(m_encoding == KelvoProfileEncoding::Utf16Le
                                                       ? pos + 2 * (equals + 1)
                                                       : m_raw.find('=', pos) + 1);
    key.rawEnd = static_cast<std::uint32_t>(end);
}

std::u16string_view CKelvoCommonProfileDocument::NameOf(std::uint32_t begin,
                                                        std::uint32_t length) const {
    return std::u16string_view(m_names).substr(begin, length);
}

std::int32_t CKelvoCommonProfileDocument::FindSection(std::u16string_view name,
                                                      std::uint32_t hash) const {
    return ProbeSlots(m_sectionSlots, hash, [&](std::uint32_t e) {
        const Section& s = m_sections[e];
        return s.hash == hash && EqualFolded(NameOf(s.nameBegin, s.nameLength), name);
    });
}

std::int32_t CKelvoCommonProfileDocument::FindKey(std::uint32_t section, std::u16string_view name,
                                                  std::uint32_t hash) const {
    return ProbeSlots(m_keySlots, hash, [&](std::uint32_t e) {
        const Key& k = m_keys[e];
        return k.hash == hash && k.section == section &&
               EqualFolded(NameOf(k.nameBegin, k.nameLength), name);
    });
}

std::uint32_t CKelvoCommonProfileDocument::AddSectionEntry(std::u16string_view name,
                                                           std::uint32_t hash) {
    Section section;
    section.nameBegin = static_cast<std::uint32_t>(m_names.size());
    section.nameLength = static_cast<std::uint32_t>(name.size());
    section.hash = hash;
    m_names.append(name);
    const auto index = static_cast<std::uint32_t>(m_sections.size());
    m_sections.push_back(section);
    InsertSlot(m_sectionSlots, index, hash, [this](std::uint32_t e) { return m_sections[e].hash; });
    return index;
}

std::uint32_t CKelvoCommonProfileDocument::AddKeyEntry(std::uint32_t section,
                                                       std::u16string_view name,
                                                       std::uint32_t hash) {
    Key key;
    key.section = section;
    key.nameBegin = static_cast<std::uint32_t>(m_names.size());
    key.nameLength = static_cast<std::uint32_t>(name.size());
    key.hash = hash;
    m_names.append(name);
    const auto index = static_cast<std::uint32_t>(m_keys.size());
    m_keys.push_back(key);
    InsertSlot(m_keySlots, index, hash, [this](std::uint32_t e) { return m_keys[e].hash; });
    return index;
}

std::u16string_view CKelvoCommonProfileDocument::ValueOf(const Key& key) const {
    if (key.newValue >= 0)
        return m_newValues[static_cast<std::size_t>(key.newValue)];
    return NameOf(key.valueBegin, key.valueLength);
}

std::optional<std::u16string_view>
CKelvoCommonProfileDocument::Lookup(std::u16string_view section, std::u16string_view key) const {
    std::u16string sectionStorage;
    std::u16string keyStorage;
    const bool utf8 = m_encoding != KelvoProfileEncoding::Utf16Le;
    const std::u16string_view sectionName = CleanName(section, sectionStorage, utf8);
    const std::int32_t s = FindSection(sectionName, SectionHash(sectionName));
    if (s < 0)
        return std::nullopt;
    const auto sectionIndex = static_cast<std::uint32_t>(s);
    const std::u16string_view keyName = CleanName(key, keyStorage, utf8);
    const std::int32_t k = FindKey(sectionIndex, keyName, KeyHash(sectionIndex, keyName));
    if (k < 0)
        return std::nullopt;
    std::u16string_view value = ValueOf(m_keys[static_cast<std::size_t>(k)]);
    // Strings end at a NUL where this format comes from.
    value = value.substr(0, value.find(u'\0'));
    return Trim(value);
}

std::optional<std::u16string> CKelvoCommonProfileDocument::FindRaw(std::u16string_view section,
                                                                   std::u16string_view key) const {
    const std::optional<std::u16string_view> value = Lookup(section, key);
    if (!value)
        return std::nullopt;
    return std::u16string(*value);
}

std::u16string CKelvoCommonProfileDocument::GetString(std::u16string_view section,
                                                      std::u16string_view key,
                                                      std::u16string_view defaultValue) const {
    const std::optional<std::u16string_view> value = Lookup(section, key);
    if (!value)
        return std::u16string(defaultValue);
    return Unquoted(*value);
}

std::u16string CKelvoCommonProfileDocument::ReadBack(std::u16string_view stored) {
    return Unquoted(Trim(stored.substr(0, stored.find(u'\0'))));
}

std::u16string CKelvoCommonProfileDocument::Protect(std::u16string_view value) {
    if (ReadBack(value) == value)
        return std::u16string(value);
    std::u16string quoted;
    quoted.reserve(value.size() + 2);
    quoted.append(1, u'"').append(value).append(1, u'"');
    return quoted;
}

int CKelvoCommonProfileDocument::GetInt(std::u16string_view section, std::u16string_view key,
                                        int defaultValue) const {
    const std::optional<std::u16string_view> value = Lookup(section, key);
    if (!value || value->empty())
        return defaultValue;
    const std::u16string_view text = *value;
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == u'-' || text[i] == u'+') {
        negative = text[i] == u'-';
        ++i;
    }
    long long number = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        number = number * 10 + (text[i] - u'0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            number = static_cast<long long>(INT_MAX) + 1; // saturated; keeps the loop bounded
    }
    if (negative)
        return static_cast<int>(std::max(-number, static_cast<long long>(INT_MIN)));
    return static_cast<int>(std::min(number, static_cast<long long>(INT_MAX)));
}

bool CKelvoCommonProfileDocument::CanStore(std::u16string_view section, std::u16string_view key) {
    std::u16string sectionStorage;
    std::u16string keyStorage;
    return CanStoreClean(CleanName(section, sectionStorage), CleanName(key, keyStorage));
}

void CKelvoCommonProfileDocument::LinkAfter(std::int32_t previous, std::int32_t line) {
    AddedLine& before = m_added[static_cast<std::size_t>(previous)];
    m_added[static_cast<std::size_t>(line)].next = before.next;
    before.next = line;
    if (m_tailLast == previous)
        m_tailLast = line;
}

void CKelvoCommonProfileDocument::SetString(std::u16string_view section, std::u16string_view key,
                                            std::u16string_view value) {
    std::u16string sectionStorage;
    std::u16string keyStorage;
    const bool utf8 = m_encoding != KelvoProfileEncoding::Utf16Le;
    const std::u16string_view sectionName = CleanName(section, sectionStorage, utf8);
    const std::u16string_view keyName = CleanName(key, keyStorage, utf8);
    if (!CanStoreClean(sectionName, keyName) || m_raw.size() > kMaxIndexedBytes)
        return;
    std::u16string cleanValue(value);
    std::replace_if(cleanValue.begin(), cleanValue.end(), IsBreakingChar, u' ');
    if (utf8 && HasLoneSurrogate(cleanValue))
        ReplaceLoneSurrogates(cleanValue);

    const std::uint32_t sectionHash = SectionHash(sectionName);
    std::int32_t s = FindSection(sectionName, sectionHash);
    if (s < 0) {
        // A new section goes at the end of the file.
        s = static_cast<std::int32_t>(AddSectionEntry(sectionName, sectionHash));
        const auto header = static_cast<std::int32_t>(m_added.size());
        m_added.push_back({u"[" + std::u16string(sectionName) + u"]", -1, -1});
        if (m_tailLast < 0)
            m_tailFirst = m_tailLast = header;
        else
            LinkAfter(m_tailLast, header);
        m_sections[static_cast<std::size_t>(s)].lastAdded = header;
    }
    const auto sectionIndex = static_cast<std::uint32_t>(s);
    const std::uint32_t keyHash = KeyHash(sectionIndex, keyName);
    const std::int32_t existing = FindKey(sectionIndex, keyName, keyHash);
    if (existing >= 0) {
        Key& entry = m_keys[static_cast<std::size_t>(existing)];
        if (entry.newValue >= 0) {
            m_newValues[static_cast<std::size_t>(entry.newValue)] = std::move(cleanValue);
        } else {
            entry.newValue = static_cast<std::int32_t>(m_newValues.size());
            m_newValues.push_back(std::move(cleanValue));
            m_rewritten.push_back(static_cast<std::uint32_t>(existing));
        }
        return;
    }

    // A new key goes after the section's last key line (or its header), so
    // blank lines and comments that lead into the next section stay there.
    const std::uint32_t id = AddKeyEntry(sectionIndex, keyName, keyHash);
    const auto valueIndex = static_cast<std::int32_t>(m_newValues.size());
    m_newValues.push_back(std::move(cleanValue));
    m_keys[id].newValue = valueIndex;
    const auto line = static_cast<std::int32_t>(m_added.size());
    m_added.push_back({std::u16string(keyName) + u"=", valueIndex, -1});
    Section& target = m_sections[sectionIndex];
    if (target.lastAdded >= 0) {
        LinkAfter(target.lastAdded, line);
    } else {
        target.firstAdded = line;
        m_touchedSections.push_back(sectionIndex);
    }
    target.lastAdded = line;
}

std::size_t CKelvoCommonProfileDocument::LineCount() const {
    return m_rawLineCount + m_added.size();
}

void CKelvoCommonProfileDocument::AppendEncoded(std::u16string_view text, std::string& out) const {
    if (m_encoding == KelvoProfileEncoding::Utf16Le) {
        for (const char16_t c : text) {
            out.push_back(char(c & 0xFF));
            out.push_back(char(c >> 8));
        }
    } else {
        KelvoAppendUtf16AsUtf8(text, out);
    }
}

bool CKelvoCommonProfileDocument::EndsLineAt(std::size_t offset) const {
    if (offset <= m_bodyBegin)
        return true;
    const char16_t last = m_encoding == KelvoProfileEncoding::Utf16Le
                              ? Utf16UnitAt(m_raw, offset - 2)
                              : char16_t(static_cast<unsigned char>(m_raw[offset - 1]));
    return last == kCr || last == kLf;
}

void CKelvoCommonProfileDocument::AppendAddedLines(std::int32_t first, std::string& out) const {
    for (std::int32_t i = first; i >= 0; i = m_added[static_cast<std::size_t>(i)].next) {
        const AddedLine& line = m_added[static_cast<std::size_t>(i)];
        AppendEncoded(line.text, out);
        if (line.value >= 0)
            AppendEncoded(m_newValues[static_cast<std::size_t>(line.value)], out);
        out += m_newline;
    }
}

std::string CKelvoCommonProfileDocument::Serialize() const {
    if (m_rewritten.empty() && m_touchedSections.empty() && m_tailFirst < 0)
        return m_raw;

    enum Kind : int { SectionLines, TailLines, Rewrite };
    struct Event {
        std::size_t offset;
        Kind kind;
        std::uint32_t index;
    };
    std::vector<Event> events;
    events.reserve(m_rewritten.size() + m_touchedSections.size() + 1);
    for (const std::uint32_t s : m_touchedSections)
        events.push_back({m_sections[s].insertAt, SectionLines, s});
    if (m_tailFirst >= 0)
        events.push_back({m_bodyEnd, TailLines, 0});
    for (const std::uint32_t k : m_rewritten)
        events.push_back({m_keys[k].rawBegin, Rewrite, k});
    // Lines added after a line come before a rewrite of the line that follows.
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.offset != b.offset ? a.offset < b.offset : a.kind < b.kind;
    });

    std::string out;
    out.reserve(m_raw.size() + m_added.size() * 64 + m_rewritten.size() * 64 + 2);
    if (m_addMark)
        out += kUtf16Mark;
    std::size_t pos = 0;
    bool lineOpen = false; // the output ends inside a line
    for (const Event& event : events) {
        if (event.offset > pos) {
            out.append(m_raw, pos, event.offset - pos);
            lineOpen = !EndsLineAt(event.offset);
            pos = event.offset;
        }
        if (event.kind == Rewrite) {
            // The text up to '=' stays as the file spells it.
            const Key& key = m_keys[event.index];
            out.append(m_raw, key.rawBegin, key.rawValueBegin - key.rawBegin);
            AppendEncoded(m_newValues[static_cast<std::size_t>(key.newValue)], out);
            pos = key.rawEnd;
            lineOpen = true;
            continue;
        }
        if (lineOpen)
            out += m_newline; // the last line had no line end
        AppendAddedLines(event.kind == TailLines ? m_tailFirst : m_sections[event.index].firstAdded,
                         out);
        lineOpen = false;
    }
    out.append(m_raw, pos);
    return out;
}

// ---------------------------------------------------------------------------
// CKelvoCommonProfile

CKelvoCommonProfile::CKelvoCommonProfile(std::filesystem::path file) : m_path(std::move(file)) {}

void CKelvoCommonProfile::Fail(const char* what, const std::string& reason) {
    m_lastError = std::string(what) + " " + m_path.string() + ": " + reason;
    m_lastReason = reason;
}

bool CKelvoCommonProfile::Exists() const {
    struct stat info{};
    return ::stat(m_path.c_str(), &info) == 0;
}

bool CKelvoCommonProfile::Load() {
    m_lastError.clear();
    m_lastReason.clear();
    std::string bytes;
    std::string why;
    if (KelvoReadSmallFile(m_path, kMaxFileBytes, bytes, why) != KelvoFileRead::Read) {
        m_document = CKelvoCommonProfileDocument();
        Fail("cannot read", why);
        return false;
    }
    m_document = CKelvoCommonProfileDocument::Parse(bytes);
    return true;
}

bool CKelvoCommonProfile::CreateNew() {
    m_lastError.clear();
    m_lastReason.clear();
    std::string why;
    switch (KelvoCreateFile(m_path, kUtf16Mark, why)) {
    case KelvoFileWrite::Failed:
        Fail("cannot create", why);
        return false;
    case KelvoFileWrite::NotSynced:
        m_document = CKelvoCommonProfileDocument();
        Fail("cannot sync the folder of", why);
        return false;
    case KelvoFileWrite::Written:
        break;
    }
    m_document = CKelvoCommonProfileDocument();
    return true;
}

bool CKelvoCommonProfile::Write(std::span<const KelvoProfileEntry> entries) {
    m_lastError.clear();
    m_lastReason.clear();
    // A name the format cannot hold would be dropped: refuse the whole
    // write rather than report a success.
    for (const KelvoProfileEntry& entry : entries) {
        if (!CKelvoCommonProfileDocument::CanStore(entry.section, entry.key)) {
            Fail("cannot write", "a settings file cannot hold the key \"" +
                                     KelvoUtf16ToUtf8(entry.key) + "\" in section [" +
                                     KelvoUtf16ToUtf8(entry.section) + "]");
            return false;
        }
    }
    // Start from the file as it is now, so edits made meanwhile survive.
    std::string bytes;
    std::string why;
    const KelvoFileRead outcome =
        KelvoReadSmallFile(KelvoResolveLinks(m_path), kMaxFileBytes, bytes, why);
    if (outcome == KelvoFileRead::Failed) {
        // What we cannot read we must not replace.
        Fail("cannot write", why);
        return false;
    }
    CKelvoCommonProfileDocument document = outcome == KelvoFileRead::Read
                                               ? CKelvoCommonProfileDocument::Parse(bytes)
                                               : CKelvoCommonProfileDocument();
    for (const KelvoProfileEntry& entry : entries)
        document.SetString(entry.section, entry.key, entry.value);
    const std::string text = document.Serialize();
    if (text.size() > kMaxFileBytes) {
        Fail("cannot write",
             "the new text would exceed " + std::to_string(kMaxFileBytes) + " bytes");
        return false;
    }
    switch (KelvoReplaceFile(m_path, text, why)) {
    case KelvoFileWrite::Failed:
        Fail("cannot write", why);
        return false;
    case KelvoFileWrite::NotSynced:
        // The new text is in place but may not survive a crash: say so.
        m_document = std::move(document);
        Fail("cannot sync the folder of", why);
        return false;
    case KelvoFileWrite::Written:
        break;
    }
    m_document = std::move(document);
    return true;
}

bool CKelvoCommonProfile::WriteString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view value) {
    const KelvoProfileEntry entry{std::u16string(section), std::u16string(key),
                                  std::u16string(value)};
    return Write(std::span<const KelvoProfileEntry>(&entry, 1));
}
