// SPDX-License-Identifier: MIT
#include "app/VendraskApp.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"
#include "res/VendraskResources.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage PaintTitleBar(CVendraskApp& app, bool enabled) {
    QImage image(300, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    app.DrawTitleBar(painter, QRect(1, 1, 298, 21), enabled);
    painter.end();
    return image;
}

int Lightness(QRgb pixel) {
    return qGray(pixel);
}

} // namespace

TEST(VendraskTitleBar, StripAndLogoByStateAndInversion) {
    CVendraskApp app(KelvoCreateFakePlatformServices());
    app.LoadCaptionBitmaps();
    const QPoint stripPoint(250, 11); // right of the logo
    const QPoint outside(250, 25);

    struct Row {
        const char* name;
        bool enabled;
        int invert;
    };
    const Row rows[] = {
        {"enabled", true, 0},
        {"disabled", false, 0},
        {"enabled inverted", true, 1},
        {"disabled inverted", false, 1},
    };
    int lightness[4] = {};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(rows[i].name);
        app.m_colorSetInvertTitlebar = rows[i].invert;
        const QImage image = PaintTitleBar(app, rows[i].enabled);
        lightness[i] = Lightness(image.pixel(stripPoint));
        EXPECT_EQ(image.pixel(outside), QColor(Qt::magenta).rgb()) << "nothing below the strip";
        EXPECT_NE(image.pixel(1, 1), QColor(Qt::magenta).rgb()) << "the logo starts at (1, 1)";
    }
    EXPECT_LT(lightness[0], lightness[1]) << "the disabled strip is lighter";
    EXPECT_GT(lightness[2], 128) << "inverted, the dark strip turns light";
    EXPECT_NEAR(lightness[0] + lightness[2], 255, 3);
}

TEST(VendraskResources, EveryCaptionBitmapHasItsSizeAtEveryScale) {
    struct Row {
        int id;
        QSize size;
    };
    const Row rows[] = {{138, {5, 21}},  {139, {5, 21}},  {140, {150, 21}}, {141, {150, 21}},
                        {142, {16, 15}}, {143, {16, 15}}, {144, {16, 15}},  {145, {16, 15}},
                        {146, {16, 15}}, {147, {16, 15}}};
    for (const Row& row : rows) {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            SCOPED_TRACE(testing::Message() << row.id << " at " << ratio);
            const QPixmap pixmap = VendraskLoadBitmap(row.id, ratio);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), row.size);
            EXPECT_EQ(pixmap.size(),
                      QSize(qRound(row.size.width() * ratio), qRound(row.size.height() * ratio)));
        }
    }
    EXPECT_TRUE(VendraskLoadBitmap(999).isNull());
}

TEST(VendraskResources, PausedIconIsCrossedOutInRed) {
    const QImage normal = VendraskRenderAppIcon(32, false);
    const QImage paused = VendraskRenderAppIcon(32, true);
    const QColor corner = paused.pixelColor(7, 7);
    EXPECT_GT(corner.red(), 180);
    EXPECT_LT(corner.green(), 80);
    EXPECT_NE(normal.pixel(7, 7), paused.pixel(7, 7));
    EXPECT_FALSE(VendraskLoadIcon(135).isNull());
    EXPECT_FALSE(VendraskLoadIcon(136).isNull());
    EXPECT_TRUE(VendraskLoadIcon(137).isNull());
}
