// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

// A fixed-capacity UTF-16 text as the model's records hold it; Capacity
// counts the terminating NUL. Whatever enters is cut to the longest text
// the field holds, never past it, and never between the two halves of a
// surrogate pair.
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
        std::copy_n(text.data(), length, m_data.begin());
        std::fill(m_data.begin() + static_cast<std::ptrdiff_t>(length), m_data.end(), u'\0');
        m_length = length;
    }
    void Assign(const QString& text) {
        Assign(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size())));
    }
    void Clear() { Assign(std::u16string_view()); }

    std::u16string_view View() const { return {m_data.data(), m_length}; }
    QString ToQString() const {
        return QString::fromUtf16(m_data.data(), static_cast<qsizetype>(m_length));
    }
    bool IsEmpty() const { return m_length == 0; }
    std::size_t Length() const { return m_length; }

    friend bool operator==(const CVendraskFixedText& a, const CVendraskFixedText& b) {
        return a.View() == b.View();
    }

private:
    static constexpr bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }

    std::array<char16_t, Capacity> m_data{};
    std::size_t m_length = 0;
};
