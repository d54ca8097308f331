// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonSlider.h"

#include "common/controls/KelvoCommonBitmaps.h"
#include "common/controls/KelvoCommonGdiplus.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackdrop = 0xFF102030;
constexpr int kThumbWidth = 11;
const QRect kClient(0, 0, 120, 30);

QRgb Rgb(COLORREF color) {
    return CKelvoCommonGdiplus::ToQColor(color).rgb();
}

int Luminance(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

template <typename Paint>
QImage Painted(Paint paint, QSize size = kClient.size()) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackdrop);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image;
}

} // namespace

TEST(KelvoCommonSlider, ToggleRect) {
    // Inside the 1-pixel margin: left 1, right 119 (exclusive), top 1, bottom 29.
    struct Row {
        const char* name;
        int position;
        int minimum;
        int maximum;
        int x;
    };
    const Row rows[] = {
        {"empty range: left edge", 5, 5, 5, 1},
        {"minimum", 0, 0, 100, 1},
        {"maximum: thumb ends at the right edge", 100, 0, 100, 119 - kThumbWidth},
        {"midpoint truncates 54.5", 50, 0, 100, 54},
        {"range below zero", 0, -10, 10, 54},
        {"huge range does not overflow", 0, -2'000'000'000, 2'000'000'000, 54},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonSlider::ToggleRect(kClient, kThumbWidth, row.position, row.minimum,
                                                 row.maximum),
                  QRect(row.x, 1, kThumbWidth, 28));
    }
}

TEST(KelvoCommonSlider, ClickedPos) {
    // Half a thumb is 5 pixels: the margins end at 1 + 5 and 119 - 5.
    struct Row {
        const char* name;
        QRect client;
        int x;
        int minimum;
        int maximum;
        int value;
    };
    const Row rows[] = {
        {"left of the margin", kClient, 0, 0, 100, 0},
        {"on the left margin: minimum", kClient, 6, 0, 100, 0},
        {"on the right margin: maximum", kClient, 114, 0, 100, 100},
        {"right of the margin", kClient, 119, 0, 100, 100},
        {"midpoint: 54 * 100 / 107", kClient, 60, 0, 100, 50},
        {"negative range", kClient, 60, -100, 100, 0},
        {"odd thumb's spare pixel stays in range", kClient, 114, 0, 1000, 1000},
        {"empty range", kClient, 60, 7, 7, 7},
        {"no room to travel", QRect(0, 0, 13, 30), 6, 0, 100, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonSlider::ClickedPos(row.client, kThumbWidth, row.x, row.minimum,
                                                 row.maximum),
                  row.value);
    }
}

TEST(KelvoCommonSlider, ChannelPaint) {
    const CKelvoCommonSliderColor color;
    struct Row {
        const char* name;
        bool enabled;
        COLORREF bar;
    };
    const Row rows[] = {{"enabled", true, color.colorChannel},
                        {"disabled", false, color.colorBackground}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = Painted(
            [&](QPainter& p) { CKelvoCommonSlider::PaintChannel(p, kClient, row.enabled, color); });
        // Bar from x 6 to 113 and y 0 to 24, framed by one pixel.
        EXPECT_EQ(image.pixel(5, 10), Rgb(color.colorBackground)) << "left of the bar";
        EXPECT_EQ(image.pixel(6, 10), Rgb(color.colorFrame));
        EXPECT_EQ(image.pixel(113, 10), Rgb(color.colorFrame));
        EXPECT_EQ(image.pixel(114, 10), Rgb(color.colorBackground)) << "right of the bar";
        EXPECT_EQ(image.pixel(50, 0), Rgb(color.colorFrame));
        EXPECT_EQ(image.pixel(50, 24), Rgb(color.colorFrame));
        EXPECT_EQ(image.pixel(50, 25), Rgb(color.colorBackground)) << "below the bar";
        EXPECT_EQ(image.pixel(7, 1), Rgb(row.bar));
        EXPECT_EQ(image.pixel(112, 23), Rgb(row.bar));
    }
}

TEST(KelvoCommonSlider, ThumbPaint) {
    const QPixmap thumb = KelvoCommonLoadBitmap(IDB_KC_SLIDER_THUMB);
    ASSERT_FALSE(thumb.isNull());
    const QRect rect(10, 1, kThumbWidth, 28);
    auto paint = [&](int brightness) {
        return Painted(
            [&](QPainter& p) { CKelvoCommonSlider::PaintThumb(p, rect, thumb, brightness); });
    };
    const QImage plain = paint(0);
    // A fixed height of 21, whatever the rectangle's height.
    EXPECT_NE(plain.pixel(15, 21), kBackdrop);
    EXPECT_EQ(plain.pixel(15, 22), kBackdrop);
    EXPECT_EQ(plain.pixel(9, 10), kBackdrop);
    EXPECT_EQ(plain.pixel(21, 10), kBackdrop);

    struct Row {
        const char* name;
        bool enabled;
        bool pressed;
        int brightness;
    };
    const Row rows[] = {
        {"enabled", true, false, 0},
        {"pressed", true, true, CKelvoCommonSlider::kBrightnessPressed},
        {"disabled", false, false, CKelvoCommonSlider::kBrightnessDisabled},
        {"disabled and pressed", false, true, CKelvoCommonSlider::kBrightnessDisabled},
    };
    long plainSum = 0;
    for (int y = 1; y < 22; ++y)
        for (int x = 10; x < 21; ++x)
            plainSum += Luminance(plain.pixel(x, y));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int brightness = CKelvoCommonSlider::ThumbBrightness(row.enabled, row.pressed);
        EXPECT_EQ(brightness, row.brightness);
        const QImage image = paint(brightness);
        long sum = 0;
        for (int y = 1; y < 22; ++y)
            for (int x = 10; x < 21; ++x)
                sum += Luminance(image.pixel(x, y));
        if (brightness > 0)
            EXPECT_GT(sum, plainSum);
        else if (brightness < 0)
            EXPECT_LT(sum, plainSum);
        else
            EXPECT_EQ(sum, plainSum);
    }
}

namespace {

// A slider in a window beside an edit that holds the focus.
struct SliderWindow {
    SliderWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        edit = new QLineEdit(&window);
        slider = new CKelvoCommonSlider(&window);
        slider->setFixedSize(kClient.size());
        slider->setRange(0, 100);
        slider->setPageStep(10);
        layout->addWidget(edit);
        layout->addWidget(slider);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
    }
    QRect Thumb() const {
        QRect rect;
        slider->GetToggleRect(&rect);
        return rect;
    }
    QWidget window;
    QLineEdit* edit = nullptr;
    CKelvoCommonSlider* slider = nullptr;
};

} // namespace

TEST(KelvoCommonSlider, PaintsThumbAtToggleRect) {
    SliderWindow w;
    w.slider->setValue(30);
    const QRect thumb = w.Thumb();
    EXPECT_EQ(thumb, CKelvoCommonSlider::ToggleRect(kClient, kThumbWidth, 30, 0, 100));
    const CKelvoCommonSliderColor color;
    const QImage image = w.slider->grab().toImage();
    EXPECT_EQ(image.pixel(thumb.left() - 2, 5), Rgb(color.colorChannel));
    EXPECT_NE(image.pixel(thumb.center().x(), 10), Rgb(color.colorChannel));
    EXPECT_EQ(image.pixel(thumb.right() + 2, 5), Rgb(color.colorChannel));
}

TEST(KelvoCommonSlider, DraggingTheThumb) {
    SliderWindow w;
    w.slider->setValue(50);
    const QRect thumb = w.Thumb();
    const QPoint grab(thumb.center().x() + 2, 10); // 2 pixels right of the centre
    QTest::mousePress(w.slider, Qt::LeftButton, {}, grab);
    EXPECT_TRUE(w.slider->IsPressed());
    EXPECT_TRUE(w.slider->isSliderDown());
    const int pressedLight = Luminance(w.slider->grab().toImage().pixel(thumb.center().x(), 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(grab.x() + 20, 10),
                     w.slider->mapToGlobal(QPointF(grab.x() + 20, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.slider, &move);
    // The thumb's centre follows the pointer, keeping where it was taken.
    EXPECT_EQ(w.slider->value(), w.slider->GetClickedPos(QPoint(thumb.center().x() + 20, 10)));
    QTest::mouseRelease(w.slider, Qt::LeftButton, {}, QPoint(grab.x() + 20, 10));
    EXPECT_FALSE(w.slider->IsPressed());
    EXPECT_FALSE(w.slider->isSliderDown());

    const QRect moved = w.Thumb();
    const int releasedLight = Luminance(w.slider->grab().toImage().pixel(moved.center().x(), 10));
    EXPECT_GT(pressedLight, releasedLight) << "pressed thumb is drawn brighter";
}

TEST(KelvoCommonSlider, ClickBesideTheThumbPages) {
    SliderWindow w;
    w.slider->setValue(50);
    QTest::mousePress(w.slider, Qt::LeftButton, {}, QPoint(3, 10));
    QTest::mouseRelease(w.slider, Qt::LeftButton, {}, QPoint(3, 10));
    EXPECT_EQ(w.slider->value(), 40);
    QTest::mousePress(w.slider, Qt::LeftButton, {}, QPoint(117, 10));
    QTest::mouseRelease(w.slider, Qt::LeftButton, {}, QPoint(117, 10));
    EXPECT_EQ(w.slider->value(), 50);
}

TEST(KelvoCommonSlider, NeverKeepsTheFocus) {
    SliderWindow w;
    ASSERT_EQ(QApplication::focusWidget(), w.edit);
    EXPECT_EQ(w.slider->focusPolicy(), Qt::NoFocus) << "not a tab stop";
    QTest::mouseClick(w.slider, Qt::LeftButton, {}, QPoint(3, 10));
    EXPECT_EQ(QApplication::focusWidget(), w.edit);
    w.slider->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), w.edit) << "focus given back at once";
}

TEST(KelvoCommonSlider, Colors) {
    CKelvoCommonSlider slider;
    CKelvoCommonSliderColor color;
    color.colorChannel = 0x123456;
    slider.GetColor(&color);
    EXPECT_EQ(color, CKelvoCommonSliderColor{});
    color.colorFrame = 0x0000FF;
    slider.SetColor(color);
    CKelvoCommonSliderColor back;
    slider.GetColor(&back);
    EXPECT_EQ(back, color);
}
