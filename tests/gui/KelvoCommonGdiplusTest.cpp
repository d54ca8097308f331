// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonGdiplus.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackdrop = 0xFF102030;

QImage Canvas(int w = 40, int h = 40) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackdrop);
    return image;
}

template <typename Paint>
QImage Painted(Paint paint, int w = 40, int h = 40) {
    QImage image = Canvas(w, h);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image;
}

QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

} // namespace

TEST(KelvoCommonGdiplus, ColorConversionSwapsRedAndBlueAndTakesLowBytes) {
    struct Row {
        const char* name;
        COLORREF color;
        int alpha;
        std::uint32_t argb;
    };
    const Row rows[] = {
        {"red in the low byte", 0x0000FF, 255, 0xFFFF0000},
        {"blue in bits 16-23", 0xFF0000, 255, 0xFF0000FF},
        {"green stays", 0x00FF00, 128, 0x8000FF00},
        {"top byte ignored", 0xAB123456, 255, 0xFF563412},
        {"alpha low byte only", 0x000000, 0x1FF, 0xFF000000},
        {"alpha 256 is 0", 0x010203, 256, 0x00030201},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonGdiplus::ToArgb(row.color, row.alpha), row.argb);
    }
}

TEST(KelvoCommonGdiplus, RectFromEdgesIsExclusiveOnTheRightAndBottom) {
    const QRect rect = CKelvoCommonGdiplus::RectFromEdges(10, 20, 30, 25);
    EXPECT_EQ(rect, QRect(10, 20, 20, 5));
}

TEST(KelvoCommonGdiplus, DrawRectFillsExactlyTheRectangle) {
    const QImage image = Painted([](QPainter& p) {
        CKelvoCommonGdiplus::DrawRect(p, QRect(5, 5, 10, 10), KelvoRgb(200, 100, 50), 255);
    });
    EXPECT_EQ(image.pixel(5, 5), Rgb(200, 100, 50));
    EXPECT_EQ(image.pixel(14, 14), Rgb(200, 100, 50));
    EXPECT_EQ(image.pixel(4, 5), kBackdrop);
    EXPECT_EQ(image.pixel(15, 14), kBackdrop);
    EXPECT_EQ(image.pixel(14, 15), kBackdrop);
}

TEST(KelvoCommonGdiplus, DrawRectIgnoresTheTopByteOfTheColour) {
    const QImage image = Painted(
        [](QPainter& p) { CKelvoCommonGdiplus::DrawRect(p, QRect(0, 0, 4, 4), 0xFF000080, 255); });
    EXPECT_EQ(image.pixel(1, 1), Rgb(0x80, 0, 0));
}

TEST(KelvoCommonGdiplus, GradientRows) {
    struct Row {
        const char* name;
        COLORREF top;
        int topAlpha;
        COLORREF bottom;
        int bottomAlpha;
        QRgb firstRow;
        QRgb lastRow;
    };
    // Height 10: row 9 lies at 9/10 of the way to the bottom colour.
    const Row rows[] = {
        {"equal colours give a flat fill", KelvoRgb(88, 88, 88), 255, KelvoRgb(88, 88, 88), 255,
         Rgb(88, 88, 88), Rgb(88, 88, 88)},
        {"alpha 0 at both ends leaves the destination", KelvoRgb(255, 255, 255), 0,
         KelvoRgb(0, 0, 0), 0, kBackdrop, kBackdrop},
        {"top colour first, bottom reached at the edge", KelvoRgb(0, 0, 0), 255,
         KelvoRgb(200, 100, 250), 255, Rgb(0, 0, 0), Rgb(180, 90, 225)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = Painted([&](QPainter& p) {
            CKelvoCommonGdiplus::DrawRectGradationVertical(
                p, QRect(2, 10, 20, 10), row.top, row.topAlpha, row.bottom, row.bottomAlpha);
        });
        for (int x : {2, 12, 21}) {
            EXPECT_EQ(image.pixel(x, 10), row.firstRow) << "x=" << x;
            const QColor last = image.pixelColor(x, 19);
            const QColor want = QColor::fromRgb(row.lastRow);
            EXPECT_NEAR(last.red(), want.red(), 2) << "x=" << x;
            EXPECT_NEAR(last.green(), want.green(), 2) << "x=" << x;
            EXPECT_NEAR(last.blue(), want.blue(), 2) << "x=" << x;
        }
        EXPECT_EQ(image.pixel(12, 9), kBackdrop);
        EXPECT_EQ(image.pixel(12, 20), kBackdrop);
    }
}

TEST(KelvoCommonGdiplus, GradientRunsDownwards) {
    const QImage image = Painted([](QPainter& p) {
        CKelvoCommonGdiplus::DrawRectGradationVertical(p, QRect(0, 0, 4, 30), KelvoRgb(0, 0, 0),
                                                       255, KelvoRgb(255, 255, 255), 255);
    });
    int previous = -1;
    for (int y = 0; y < 30; ++y) {
        const int value = qRed(image.pixel(1, y));
        EXPECT_GE(value, previous) << "y=" << y;
        previous = value;
    }
}

TEST(KelvoCommonGdiplus, FramePenIsCentredOnTheEdges) {
    const QRect rect(10, 10, 20, 15);
    const QImage image = Painted(
        [&](QPainter& p) { CKelvoCommonGdiplus::DrawFrame(p, rect, KelvoRgb(255, 0, 0), 255); });
    const QRgb red = Rgb(255, 0, 0);
    struct Probe {
        const char* name;
        QPoint at;
        QRgb want;
    };
    const Probe probes[] = {
        {"on the left edge", {10, 17}, red},
        {"beside the left edge, outside", {9, 17}, red},
        {"two outside the left edge", {8, 17}, kBackdrop},
        {"one inside the left edge", {11, 17}, kBackdrop},
        {"on the top edge", {20, 10}, red},
        {"beside the top edge, outside", {20, 9}, red},
        {"one inside the top edge", {20, 11}, kBackdrop},
        {"on the right edge (x + width)", {30, 17}, red},
        {"just inside the right edge", {29, 17}, red},
        {"two inside the right edge", {28, 17}, kBackdrop},
        {"on the bottom edge (y + height)", {20, 25}, red},
        {"just inside the bottom edge", {20, 24}, red},
        {"below the bottom band", {20, 26}, kBackdrop},
        {"outer corner", {9, 9}, red},
        {"centre untouched", {20, 17}, kBackdrop},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.name);
        EXPECT_EQ(image.pixel(probe.at), probe.want);
    }
}

TEST(KelvoCommonGdiplus, HalfTransparentFrameBlendsCornersOnce) {
    const QImage image = Painted([](QPainter& p) {
        CKelvoCommonGdiplus::DrawFrame(p, QRect(10, 10, 10, 10), KelvoRgb(255, 255, 255), 128);
    });
    EXPECT_EQ(image.pixel(10, 10), image.pixel(10, 15));
}

TEST(KelvoCommonGdiplus, InstanceBracketsTheDrawingSystem) {
    const int before = CKelvoCommonGdiplus::LiveInstances();
    {
        CKelvoCommonGdiplus gdiplus;
        EXPECT_EQ(CKelvoCommonGdiplus::LiveInstances(), before + 1);
    }
    EXPECT_EQ(CKelvoCommonGdiplus::LiveInstances(), before);
}
