// SPDX-License-Identifier: MIT
// libFuzzer target for the settings-file engine: parsing must keep every
// byte, lookups must agree with each other, and a written value must read
// back after a round trip through the bytes.
#include "common/core/KelvoCommonProfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Doc = CKelvoCommonProfileDocument;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_profile: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition)
        Fail(what);
}

bool IsSeparator(char16_t c) {
    return c == u'\r' || c == u'\n' || c == u'=' || c == u'[' || c == u']';
}

// Names and values taken from the input itself, so that lookups hit the
// sections and keys the input holds as well as ones it lacks.
std::vector<std::u16string> Pieces(std::string_view bytes) {
    std::u16string text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        for (std::size_t i = 2; i + 1 < bytes.size() && text.size() < 512; i += 2)
            text.push_back(char16_t(static_cast<unsigned char>(bytes[i]) |
                                    (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    } else {
        text = KelvoUtf8ToUtf16(bytes.substr(0, 512));
    }
    std::vector<std::u16string> pieces;
    std::u16string current;
    bool full = false;
    for (const char16_t c : text) {
        if (IsSeparator(c)) {
            if (!current.empty())
                pieces.push_back(current);
            current.clear();
            full = false;
            if (pieces.size() == 4)
                break;
            continue;
        }
        // At most 64 units, never ending inside a surrogate pair.
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        full = full || current.size() >= (high ? 63u : 64u);
        if (!full)
            current.push_back(c);
    }
    if (!current.empty() && pieces.size() < 4)
        pieces.push_back(current);
    pieces.push_back(u"Item01");
    pieces.push_back(u"Name");
    // A repeated piece would only repeat the same lookups.
    std::vector<std::u16string> unique;
    for (std::u16string& piece : pieces) {
        if (std::find(unique.begin(), unique.end(), piece) == unique.end())
            unique.push_back(std::move(piece));
    }
    return unique;
}

std::u16string UpperAscii(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z')
            c = char16_t(c - 32);
    }
    return text;
}

// What a stored value reads back as: breaks become spaces, blanks trimmed.
std::u16string Expected(std::u16string value) {
    std::replace_if(
        value.begin(), value.end(),
        [](char16_t c) { return c == u'\r' || c == u'\n' || c == u'\0'; }, u' ');
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!value.empty() && blank(value.back()))
        value.pop_back();
    const auto first = std::find_if_not(value.begin(), value.end(), blank);
    return std::u16string(first, value.end());
}

// Returns FindRaw's answer, so callers compare documents without looking up
// again: lookups are most of this target's time.
std::optional<std::u16string> CheckLookups(const Doc& doc, const std::u16string& section,
                                           const std::u16string& key) {
    constexpr int kSentinel = 1234567;
    const std::optional<std::u16string> raw = doc.FindRaw(section, key);
    const std::u16string text = doc.GetString(section, key, u"<none>");
    const int number = doc.GetInt(section, key, kSentinel);
    if (!raw) {
        Check(text == u"<none>", "missing key must give the default text");
        Check(number == kSentinel, "missing key must give the default number");
    } else {
        Check(text.size() <= raw->size(), "text is longer than the raw value");
        if (raw->empty())
            Check(number == kSentinel, "empty value must give the default number");
    }
    Check(doc.FindRaw(UpperAscii(section), UpperAscii(key)) == raw,
          "lookups must ignore ASCII case");
    return raw;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The converters settle after one pass.
    const std::u16string wide = KelvoUtf8ToUtf16(bytes);
    Check(KelvoUtf8ToUtf16(KelvoUtf16ToUtf8(wide)) == wide, "UTF-8 conversion is not stable");

    const Doc doc = Doc::Parse(bytes);
    Check(doc.Serialize() == bytes, "an unchanged document must serialize to its input");
    Check(doc.LineCount() <= size + 1, "more lines than bytes");

    const std::vector<std::u16string> pieces = Pieces(bytes);
    const std::size_t n = pieces.size();
    std::vector<std::optional<std::u16string>> before(n * n);
    for (std::size_t s = 0; s < n; ++s) {
        for (std::size_t k = 0; k < n; ++k)
            before[s * n + k] = CheckLookups(doc, pieces[s], pieces[k]);
    }

    const std::u16string& section = pieces[0];
    const std::size_t keyPiece = 1 % n;
    const std::u16string& key = pieces[keyPiece];
    const std::u16string value = KelvoUtf8ToUtf16(bytes.substr(size / 2, 40));
    if (!Doc::CanStore(section, key))
        return 0;

    Doc changed = doc;
    changed.SetString(section, key, value);
    const std::u16string expected = Expected(value);
    Check(changed.FindRaw(section, key) == expected, "written value does not read back");
    const std::string out = changed.Serialize();

    const Doc reread = Doc::Parse(out);
    Check(reread.Encoding() == doc.Encoding() || size == 0, "encoding changed");
    Check(reread.Serialize() == out, "reparsed output does not serialize to itself");
    Check(reread.FindRaw(section, key) == expected, "written value lost in the bytes");
    std::vector<std::u16string> folded;
    for (const std::u16string& piece : pieces)
        folded.push_back(UpperAscii(Expected(piece)));
    for (std::size_t s = 0; s < n; ++s) {
        for (std::size_t k = 0; k < n; ++k) {
            const std::optional<std::u16string> after = CheckLookups(reread, pieces[s], pieces[k]);
            const bool same = folded[s] == folded[0] && folded[k] == folded[keyPiece];
            if (!same)
                Check(after == before[s * n + k], "a write changed another key");
        }
    }

    // Writing the same again changes nothing, in memory or after a reparse.
    Doc again = changed;
    again.SetString(section, key, value);
    Check(again.Serialize() == out, "a repeated write changed the text");
    Doc rewritten = reread;
    rewritten.SetString(section, key, value);
    Check(rewritten.Serialize() == out, "rewriting the reread value changed the text");
    return 0;
}
