// SPDX-License-Identifier: MIT
#include "common/core/KelvoCommonText.h"

#include <cstdlib>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

} // namespace

void KelvoAppendUtf8AsUtf16(std::string_view bytes, std::u16string& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b0 = p[i];
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        std::size_t need = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        char32_t cp = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            need = 1;
            cp = b0 & 0x1Fu;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            need = 2;
            cp = b0 & 0x0Fu;
            if (b0 == 0xE0)
                low = 0xA0;
            else if (b0 == 0xED)
                high = 0x9F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            need = 3;
            cp = b0 & 0x07u;
            if (b0 == 0xF0)
                low = 0x90;
            else if (b0 == 0xF4)
                high = 0x8F;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t used = 1;
        bool ok = true;
        for (; used <= need; ++used) {
            if (i + used >= n) {
                ok = false;
                break;
            }
            const unsigned char b = p[i + used];
            const unsigned char lo = used == 1 ? low : 0x80;
            const unsigned char hi = used == 1 ? high : 0xBF;
            if (b < lo || b > hi) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (b & 0x3Fu);
        }
        if (!ok) {
            out.push_back(kReplacement);
            i += used;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
        i += need + 1;
    }
}

void KelvoAppendUtf16AsUtf8(std::u16string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
}

std::u16string KelvoUtf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    KelvoAppendUtf8AsUtf16(text, out);
    return out;
}

std::string KelvoUtf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    KelvoAppendUtf16AsUtf8(text, out);
    return out;
}

std::u16string KelvoExpandFirstVariable(std::u16string_view text, std::size_t maxLength) {
    const std::size_t open = text.find(u'%');
    if (open == std::u16string_view::npos)
        return std::u16string(text);
    const std::size_t close = text.find(u'%', open + 1);
    if (close == std::u16string_view::npos)
        return std::u16string(text);
    const std::string name = KelvoUtf16ToUtf8(text.substr(open + 1, close - open - 1));
    const char* found = name.empty() ? nullptr : std::getenv(name.c_str());
    const std::u16string value = found == nullptr ? std::u16string() : KelvoUtf8ToUtf16(found);
    // Nothing is cut: a cut path might name another file.
    if (value.empty() || value.size() > maxLength)
        return std::u16string(text);
    std::u16string expanded(text.substr(0, open));
    expanded += value;
    expanded += text.substr(close + 1);
    return expanded.size() > maxLength ? std::u16string(text) : expanded;
}
