// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonBitmaps.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

struct Rgb {
    int r, g, b;
};

constexpr QRgb ToQRgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

// Colours of the pictures.
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBoxFillDisabled{200, 200, 200};
constexpr Rgb kBoxBorderDisabled{128, 128, 128};
constexpr Rgb kTickEnabled{224, 32, 32};
constexpr Rgb kTickDisabled{128, 128, 128};
constexpr Rgb kArrowBorder{128, 128, 128};
constexpr Rgb kArrowFillNormal{78, 78, 78};
constexpr Rgb kArrowFillPressed{78, 118, 118};
constexpr Rgb kArrowFillDisabled{88, 88, 88};
constexpr Rgb kArrowGlyph{255, 255, 255};
constexpr Rgb kArrowGlyphDisabled{188, 188, 188};
constexpr Rgb kChannelTop{240, 240, 240};
constexpr Rgb kChannelBottom{160, 160, 160};
constexpr Rgb kThumbBorder{48, 48, 48};
constexpr Rgb kThumbTop{236, 236, 236};
constexpr Rgb kThumbBottom{176, 176, 176};
constexpr Rgb kThumbGrip{112, 112, 112};

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

// (u, v) is a device pixel's centre in the picture's logical coordinates.
bool OnBorder(double u, double v, double w, double h) {
    return u < 1.0 || v < 1.0 || u >= w - 1.0 || v >= h - 1.0;
}

// The tick: seven columns from x = 2, each three pixels high, falling from
// row 4 to row 6 and rising to row 2 (at 1:1 the classic stepped mark).
bool OnTick(double u, double v) {
    if (u < 2.0 || u >= 9.0)
        return false;
    const double c = u - 2.5;
    const double top = std::min(4.0 + c, 8.0 - c);
    return v >= top && v < top + 3.0;
}

struct CheckLook {
    bool enabled;
    bool checked;
};

Rgb CheckPixel(CheckLook look, double u, double v) {
    constexpr double kSize = 11.0;
    if (OnBorder(u, v, kSize, kSize))
        return look.enabled ? kBlack : kBoxBorderDisabled;
    if (look.checked && OnTick(u, v))
        return look.enabled ? kTickEnabled : kTickDisabled;
    return look.enabled ? kWhite : kBoxFillDisabled;
}

enum class ArrowLook { Disabled, Normal, Pressed };

// A downward triangle seven pixels wide and four high, centred; pressed
// moves it one pixel down.
bool OnArrow(double u, double v, double top) {
    const double y = v - top;
    return y >= 0.0 && y < 4.0 && std::abs(u - 7.5) < 4.0 - y;
}

Rgb ArrowPixel(ArrowLook look, double u, double v) {
    if (OnBorder(u, v, 15.0, 26.0))
        return kArrowBorder;
    const double top = look == ArrowLook::Pressed ? 12.0 : 11.0;
    if (OnArrow(u, v, top))
        return look == ArrowLook::Disabled ? kArrowGlyphDisabled : kArrowGlyph;
    switch (look) {
    case ArrowLook::Disabled:
        return kArrowFillDisabled;
    case ArrowLook::Pressed:
        return kArrowFillPressed;
    case ArrowLook::Normal:
        break;
    }
    return kArrowFillNormal;
}

Rgb ChannelPixel(double, double v) {
    return Mix(kChannelTop, kChannelBottom, v / 17.0);
}

Rgb ThumbPixel(double u, double v) {
    if (OnBorder(u, v, 11.0, 19.0))
        return kThumbBorder;
    const bool gripRow = (v >= 7.0 && v < 8.0) || (v >= 9.0 && v < 10.0) || (v >= 11.0 && v < 12.0);
    if (gripRow && u >= 3.0 && u < 8.0)
        return kThumbGrip;
    return Mix(kThumbTop, kThumbBottom, (v - 1.0) / 17.0);
}

Rgb PixelOf(int id, double u, double v) {
    switch (id) {
    case IDB_KC_CHECK_DISABLED_CHECKED:
        return CheckPixel({false, true}, u, v);
    case IDB_KC_CHECK_DISABLED_UNCHECKED:
        return CheckPixel({false, false}, u, v);
    case IDB_KC_CHECK_ENABLED_CHECKED:
        return CheckPixel({true, true}, u, v);
    case IDB_KC_CHECK_ENABLED_UNCHECKED:
        return CheckPixel({true, false}, u, v);
    case IDB_KC_COMBO_ARROW_DISABLED:
        return ArrowPixel(ArrowLook::Disabled, u, v);
    case IDB_KC_COMBO_ARROW_NORMAL:
        return ArrowPixel(ArrowLook::Normal, u, v);
    case IDB_KC_COMBO_ARROW_PRESSED:
        return ArrowPixel(ArrowLook::Pressed, u, v);
    case IDB_KC_SLIDER_CHANNEL:
        return ChannelPixel(u, v);
    case IDB_KC_SLIDER_THUMB:
        return ThumbPixel(u, v);
    default:
        break;
    }
    return kBlack;
}

} // namespace

QSize KelvoCommonBitmapSize(int id) {
    switch (id) {
    case IDB_KC_CHECK_DISABLED_CHECKED:
    case IDB_KC_CHECK_DISABLED_UNCHECKED:
    case IDB_KC_CHECK_ENABLED_CHECKED:
    case IDB_KC_CHECK_ENABLED_UNCHECKED:
        return {11, 11};
    case IDB_KC_COMBO_ARROW_DISABLED:
    case IDB_KC_COMBO_ARROW_NORMAL:
    case IDB_KC_COMBO_ARROW_PRESSED:
        return {15, 26};
    case IDB_KC_SLIDER_CHANNEL:
        return {38, 17};
    case IDB_KC_SLIDER_THUMB:
        return {11, 19};
    default:
        break;
    }
    return {};
}

QPixmap KelvoCommonLoadBitmap(int id, qreal devicePixelRatio) {
    const QSize size = KelvoCommonBitmapSize(id);
    if (!size.isValid())
        return {};
    if (!(devicePixelRatio > 0.0) || !std::isfinite(devicePixelRatio))
        devicePixelRatio = 1.0;
    const int deviceWidth = std::max(1, qRound(size.width() * devicePixelRatio));
    const int deviceHeight = std::max(1, qRound(size.height() * devicePixelRatio));
    // Sampled with the exact device-to-logical step, so both edges of a
    // picture land on whole device pixels.
    const double stepX = static_cast<double>(size.width()) / deviceWidth;
    const double stepY = static_cast<double>(size.height()) / deviceHeight;
    QImage image(deviceWidth, deviceHeight, QImage::Format_RGB32);
    for (int y = 0; y < deviceHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = (y + 0.5) * stepY;
        for (int x = 0; x < deviceWidth; ++x)
            line[x] = ToQRgb(PixelOf(id, (x + 0.5) * stepX, v));
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
