// SPDX-License-Identifier: MIT
// The gallery renders every control offscreen, with the focused button
// really holding the focus.

#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonGdiplus.h"
#include "tools/gallery/KelvoGallery.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(KelvoGalleryTest, RendersAllControlsWithTheFocusedButton) {
    CKelvoGalleryWindow window;
    const QImage image = window.Render();
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 800);
    EXPECT_GT(image.height(), 600);
    ASSERT_NE(window.FocusedButton(), nullptr);
    EXPECT_TRUE(window.FocusedButton()->hasFocus());
    const QPoint corner = window.FocusedButton()->mapTo(&window, QPoint(0, 0));
    const CKelvoCommonButtonColor colors;
    EXPECT_EQ(image.pixel(corner * image.devicePixelRatio()) | 0xFF000000,
              CKelvoCommonGdiplus::ToQColor(colors.colorFrameFocused).rgb());
}

TEST(KelvoGalleryTest, ScreenshotOptionWritesAPng) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("gallery.png"));
    EXPECT_EQ(
        KelvoGalleryRun({QStringLiteral("kelvo-gallery"), QStringLiteral("--screenshot"), file}),
        0);
    QImage image;
    ASSERT_TRUE(image.load(file, "PNG"));
    EXPECT_GT(image.width(), 800);
    EXPECT_EQ(KelvoGalleryRun({QStringLiteral("kelvo-gallery"), QStringLiteral("--screenshot"),
                               dir.filePath(QStringLiteral("missing/dir/x.png"))}),
              1);
    EXPECT_EQ(KelvoGalleryRun({QStringLiteral("kelvo-gallery"), QStringLiteral("--bogus")}), 2);
}

} // namespace
