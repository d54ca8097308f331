// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// A colour as the settings file and every colour record hold it:
// 0x00BBGGRR, red in the low byte. The top byte is never drawn.
using COLORREF = std::uint32_t;

constexpr COLORREF KelvoRgb(int r, int g, int b) {
    return static_cast<COLORREF>(r & 0xFF) | (static_cast<COLORREF>(g & 0xFF) << 8) |
           (static_cast<COLORREF>(b & 0xFF) << 16);
}
constexpr int KelvoRed(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int KelvoGreen(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int KelvoBlue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Colour records: plain structures passed by value to SetColor and copied
// out by GetColor. Field order and the absence of padding are part of the
// library's interface, checked below.

struct CKelvoCommonButtonColor {
    COLORREF colorText = 0xFFFFFF;
    COLORREF colorTextDisabled = 0xBCBCBC;
    COLORREF colorBackgroundDefault = 0x4E4E4E;
    COLORREF colorBackgroundHovered = 0x62624E;
    COLORREF colorBackgroundClicked = 0x76764E;
    COLORREF colorBackgroundDisabled = 0x585858;
    COLORREF colorReserved1 = 0x4E4E62;
    COLORREF colorReserved2 = 0x4E4E76;
    COLORREF colorReserved3 = 0x4E4E8A;
    COLORREF colorFrameFocused = 0xBCBC80;
    COLORREF colorFrameNotFocused = 0x808080;
    COLORREF valueReserved1 = 0;
    COLORREF valueReserved2 = 1;
    COLORREF valueReserved3 = 1;
    friend bool operator==(const CKelvoCommonButtonColor&,
                           const CKelvoCommonButtonColor&) = default;
};

struct CKelvoCommonCheckColor {
    COLORREF colorText = 0xFFFFFF;
    COLORREF colorTextDisabled = 0xBCBCBC;
    COLORREF colorBackground = 0x585858;
    friend bool operator==(const CKelvoCommonCheckColor&, const CKelvoCommonCheckColor&) = default;
};

struct CKelvoCommonStaticColor {
    COLORREF colorText = 0xFFFFFF;
    friend bool operator==(const CKelvoCommonStaticColor&,
                           const CKelvoCommonStaticColor&) = default;
};

struct CKelvoCommonGroupColor {
    COLORREF colorText = 0xFFFFFF;
    COLORREF colorBackground = 0x4E4E4E;
    COLORREF colorFrame = 0x808080;
    friend bool operator==(const CKelvoCommonGroupColor&, const CKelvoCommonGroupColor&) = default;
};

struct CKelvoCommonEditColor {
    COLORREF colorText = 0xFFFFFF;
    COLORREF colorTextDisabled = 0xBCBCBC;
    COLORREF colorBackground = 0x4E4E4E;
    COLORREF colorBackgroundReadOnly = 0x585858;
    COLORREF colorFrame = 0x808080;
    friend bool operator==(const CKelvoCommonEditColor&, const CKelvoCommonEditColor&) = default;
};

struct CKelvoCommonTabColor {
    COLORREF colorReserved = 0xFFFFFF;
    COLORREF colorText = 0xBCBCBC;
    COLORREF colorTextSelected = 0xFFFFFF;
    COLORREF colorBackground = 0x585858;
    COLORREF colorTabBackground = 0x4E4E4E;
    COLORREF colorTabBackgroundSelected = 0x585858;
    COLORREF colorFrame = 0x808080;
    friend bool operator==(const CKelvoCommonTabColor&, const CKelvoCommonTabColor&) = default;
};

struct CKelvoCommonComboColor {
    COLORREF colorText = 0xFFFFFF;
    COLORREF colorTextDisabled = 0xBCBCBC;
    COLORREF colorTextSelected = 0x000000;
    COLORREF colorBackground = 0x4E4E4E;
    COLORREF colorBackgroundDisabled = 0x585858;
    COLORREF colorBackgroundSelected = 0xBCBCBC;
    COLORREF colorFrame = 0x808080;
    friend bool operator==(const CKelvoCommonComboColor&, const CKelvoCommonComboColor&) = default;
};

struct CKelvoCommonListColor {
    COLORREF colorText = 0xFFFFFF;
    COLORREF colorTextDisabled = 0xBCBCBC;
    COLORREF colorTextSelected = 0x000000;
    COLORREF colorBackground = 0x4E4E4E;
    COLORREF colorBackgroundDisabled = 0x585858;
    COLORREF colorBackgroundSelected = 0xBCBCBC;
    COLORREF colorFrame = 0x808080;
    COLORREF colorFrameDragHover = 0xFFFFFF;
    friend bool operator==(const CKelvoCommonListColor&, const CKelvoCommonListColor&) = default;
};

struct CKelvoCommonSliderColor {
    COLORREF colorChannel = 0x4E4E4E;
    COLORREF colorBackground = 0x585858;
    COLORREF colorFrame = 0x808080;
    friend bool operator==(const CKelvoCommonSliderColor&,
                           const CKelvoCommonSliderColor&) = default;
};

namespace kelvo::detail {
template <typename Record, std::size_t Fields>
constexpr bool IsPackedColorRecord =
    std::is_standard_layout_v<Record> && std::is_trivially_copyable_v<Record> &&
    sizeof(Record) == Fields * sizeof(COLORREF);
} // namespace kelvo::detail

static_assert(sizeof(COLORREF) == 4);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonButtonColor, 14>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonCheckColor, 3>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonStaticColor, 1>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonGroupColor, 3>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonEditColor, 5>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonTabColor, 7>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonComboColor, 7>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonListColor, 8>);
static_assert(kelvo::detail::IsPackedColorRecord<CKelvoCommonSliderColor, 3>);
static_assert(offsetof(CKelvoCommonButtonColor, colorFrameFocused) == 9 * sizeof(COLORREF));
static_assert(offsetof(CKelvoCommonButtonColor, valueReserved3) == 13 * sizeof(COLORREF));
static_assert(offsetof(CKelvoCommonTabColor, colorFrame) == 6 * sizeof(COLORREF));
static_assert(offsetof(CKelvoCommonListColor, colorFrameDragHover) == 7 * sizeof(COLORREF));
