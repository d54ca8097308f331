// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

// A fixed-capacity UTF-16 text as the model's records hold it; Capacity
// counts the terminating NUL. Whatever enters is cut to the longest text
// the field holds, never past it, and never between the two halves of a
// surrogate pair. Held at its own length: 265 items of four fixed buffers
// would be half a megabyte of mostly empty memory.
template <std::size_t Capacity>
class CVendraskFixedText final {
    static_assert(Capacity >= 1);

public:
    static constexpr std::size_t kMaxLength = Capacity - 1;

    CVendraskFixedText() = default;
    explicit CVendraskFixedText(std::u16string_view text) { Assign(text); }
    explicit CVendraskFixedText(const QString& text) { Assign(text); }

    void Assign(std::u16string_view text) {
        text = text.substr(0, std::min(text.find(u'\0'), text.size()));
        std::size_t length = std::min(text.size(), kMaxLength);
        if (length > 0 && length < text.size() && IsHighSurrogate(text[length - 1]))
            --length;
        m_text.assign(text.data(), length);
    }
    void Assign(const QString& text) {
        Assign(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size())));
    }
    void Clear() { Assign(std::u16string_view()); }

    std::u16string_view View() const { return m_text; }
    QString ToQString() const {
        return QString::fromUtf16(m_text.data(), static_cast<qsizetype>(m_text.size()));
    }
    bool IsEmpty() const { return m_text.empty(); }
    std::size_t Length() const { return m_text.size(); }

    friend bool operator==(const CVendraskFixedText& a, const CVendraskFixedText& b) {
        return a.View() == b.View();
    }

private:
    static constexpr bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }

    std::u16string m_text;
};
