// SPDX-License-Identifier: MIT
// The library's nine pictures: sizes at each device pixel ratio, key pixels,
// and sharp edges (no colour but the picture's own).

#include "common/controls/KelvoCommonBitmaps.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct BitmapRow {
    const char* name;
    int id;
    QSize size;
    // Colours a sharp picture is made of; empty for gradients.
    QList<QRgb> palette;
    // The colour of the outermost pixels; 0 for a gradient.
    QRgb corner;
};

void PrintTo(const BitmapRow& row, std::ostream* out) {
    *out << row.name;
}

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(224, 32, 32);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kLightGrey = qRgb(200, 200, 200);

const BitmapRow kRows[] = {
    {"CheckDisabledChecked", 1000, {11, 11}, {kGrey, kLightGrey}, kGrey},
    {"CheckDisabledUnchecked", 1001, {11, 11}, {kGrey, kLightGrey}, kGrey},
    {"CheckEnabledChecked", 1002, {11, 11}, {kBlack, kWhite, kRed}, kBlack},
    {"CheckEnabledUnchecked", 1003, {11, 11}, {kBlack, kWhite}, kBlack},
    {"ArrowDisabled", 1004, {15, 26}, {kGrey, qRgb(88, 88, 88), qRgb(188, 188, 188)}, kGrey},
    {"ArrowNormal", 1005, {15, 26}, {kGrey, qRgb(78, 78, 78), kWhite}, kGrey},
    {"ArrowPressed", 1006, {15, 26}, {kGrey, qRgb(78, 118, 118), kWhite}, kGrey},
    {"SliderChannel", 1007, {38, 17}, {}, 0},
    {"SliderThumb", 1008, {11, 19}, {}, qRgb(48, 48, 48)},
};

class BitmapTest : public ::testing::TestWithParam<BitmapRow> {};

TEST_P(BitmapTest, DrawnSharplyAtEveryRatio) {
    const BitmapRow& row = GetParam();
    EXPECT_EQ(KelvoCommonBitmapSize(row.id), row.size);
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap pixmap = KelvoCommonLoadBitmap(row.id, ratio);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
        EXPECT_EQ(pixmap.size(),
                  QSize(qRound(row.size.width() * ratio), qRound(row.size.height() * ratio)));
        EXPECT_FALSE(pixmap.hasAlphaChannel());
        const QImage image = pixmap.toImage();
        if (row.corner != 0) {
            EXPECT_EQ(image.pixel(0, 0), row.corner);
            EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), row.corner);
        }
        if (row.palette.isEmpty())
            continue;
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(image.pixel(x, y) | 0xFF000000);
        for (const QRgb color : seen)
            EXPECT_TRUE(row.palette.contains(color)) << std::hex << color;
        // Every colour of the picture is there at every ratio.
        EXPECT_EQ(seen.size(), row.palette.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BitmapTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<BitmapRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(KelvoCommonBitmapsTest, BordersAreEquallyThickOnBothSides) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QImage image = KelvoCommonLoadBitmap(1003, ratio).toImage();
        const int y = image.height() / 2;
        int left = 0;
        while (left < image.width() && image.pixel(left, y) == kBlack)
            ++left;
        int right = 0;
        while (right < image.width() && image.pixel(image.width() - 1 - right, y) == kBlack)
            ++right;
        EXPECT_EQ(left, right) << ratio;
        EXPECT_GE(left, 1);
    }
}

TEST(KelvoCommonBitmapsTest, TickAtOneToOneIsTheClassicStepPattern) {
    const QImage image = KelvoCommonLoadBitmap(1002).toImage();
    // Column x covers three rows from min(4 + c, 8 - c), c = x - 2.
    for (int x = 1; x < 10; ++x) {
        for (int y = 1; y < 10; ++y) {
            const int c = x - 2;
            const int top = std::min(4 + c, 8 - c);
            const bool tick = x >= 2 && x <= 8 && y >= top && y < top + 3;
            EXPECT_EQ(image.pixel(x, y), tick ? kRed : kWhite) << x << "," << y;
        }
    }
}

TEST(KelvoCommonBitmapsTest, PressedArrowSitsOnePixelLower) {
    const QImage normal = KelvoCommonLoadBitmap(1005).toImage();
    const QImage pressed = KelvoCommonLoadBitmap(1006).toImage();
    EXPECT_EQ(normal.pixel(7, 11), kWhite);
    EXPECT_NE(pressed.pixel(7, 11), kWhite);
    EXPECT_EQ(pressed.pixel(7, 12), kWhite);
    EXPECT_EQ(normal.pixel(4, 11), kWhite);
    EXPECT_EQ(normal.pixel(10, 11), kWhite);
    EXPECT_NE(normal.pixel(11, 11), kWhite);
    EXPECT_EQ(normal.pixel(7, 14), kWhite);
    EXPECT_NE(normal.pixel(6, 14), kWhite);
}

TEST(KelvoCommonBitmapsTest, ChannelDarkensDownwards) {
    const QImage image = KelvoCommonLoadBitmap(1007).toImage();
    for (int y = 1; y < image.height(); ++y)
        EXPECT_LE(qGray(image.pixel(10, y)), qGray(image.pixel(10, y - 1)));
    EXPECT_GT(qGray(image.pixel(10, 0)), qGray(image.pixel(10, 16)));
}

TEST(KelvoCommonBitmapsTest, UnknownIdsAndOddRatios) {
    for (const int id : {0, 999, 1009, -1000}) {
        EXPECT_TRUE(KelvoCommonLoadBitmap(id).isNull()) << id;
        EXPECT_FALSE(KelvoCommonBitmapSize(id).isValid()) << id;
    }
    for (const qreal ratio : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN()}) {
        const QPixmap pixmap = KelvoCommonLoadBitmap(1000, ratio);
        EXPECT_EQ(pixmap.size(), QSize(11, 11));
        EXPECT_EQ(pixmap.devicePixelRatio(), 1.0);
    }
}

} // namespace
