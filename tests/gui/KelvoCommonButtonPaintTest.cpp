// SPDX-License-Identifier: MIT
// The button's picture in each mode and state, painted into an image and
// read back pixel by pixel against the colour record.

#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonGdiplus.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using State = CKelvoCommonButton::PaintState;
constexpr QSize kSize{60, 24};

// Every field different, so a pixel tells which field painted it.
CKelvoCommonButtonColor DistinctColors() {
    CKelvoCommonButtonColor c;
    c.colorText = 0x0000F0;
    c.colorTextDisabled = 0x00F000;
    c.colorBackgroundDefault = 0x101010;
    c.colorBackgroundHovered = 0x202020;
    c.colorBackgroundClicked = 0x303030;
    c.colorBackgroundDisabled = 0x404040;
    c.colorReserved1 = 0x505050;
    c.colorReserved2 = 0x606060;
    c.colorReserved3 = 0x707070;
    c.colorFrameFocused = 0x8080F0;
    c.colorFrameNotFocused = 0x90F090;
    return c;
}

QRgb Rgb(COLORREF c) {
    return CKelvoCommonGdiplus::ToQColor(c).rgb();
}

QImage Blank(QSize size, QRgb fill = qRgb(1, 2, 3)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

bool Contains(const QImage& image, QRgb color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color)
                return true;
    return false;
}

QPixmap Solid(QSize size, QColor color) {
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

QImage PaintButton(const State& state, const CKelvoCommonButton::Pictures& pictures = {},
                   const QString& text = {}, QSize size = kSize) {
    QImage image = Blank(size);
    QPainter painter(&image);
    QFont font = QApplication::font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    CKelvoCommonButton::Paint(painter, image.rect(), state, DistinctColors(), pictures, text,
                              QColor(0, 0, 255));
    return image;
}

// --- Colour mode ------------------------------------------------------------

struct ColorRow {
    const char* name;
    State state;
    COLORREF background;
    COLORREF frame;
    COLORREF text;
};

void PrintTo(const ColorRow& row, std::ostream* out) {
    *out << row.name;
}

State Colors(bool enabled, bool hovered, bool pressed, bool checked, bool focused) {
    State s;
    s.bitmapMode = CKelvoCommonButton::kModeColors;
    s.enabled = enabled;
    s.hovered = hovered;
    s.pressed = pressed;
    s.checked = checked;
    s.focused = focused;
    return s;
}

class ButtonColorPaintTest : public ::testing::TestWithParam<ColorRow> {};

TEST_P(ButtonColorPaintTest, BackgroundFrameAndTextComeFromTheRecord) {
    const ColorRow& row = GetParam();
    const QImage image = PaintButton(row.state, {}, QStringLiteral("WW"));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(59, 0), QPoint(0, 23), QPoint(59, 23), QPoint(30, 0), QPoint(0, 12)})
        EXPECT_EQ(image.pixel(corner), Rgb(row.frame)) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(1, 1), Rgb(row.background));
    EXPECT_EQ(image.pixel(58, 22), Rgb(row.background));
    EXPECT_TRUE(Contains(image, Rgb(row.text)));
}

const CKelvoCommonButtonColor kC = DistinctColors();
const ColorRow kColorRows[] = {
    {"Default", Colors(true, false, false, false, false), kC.colorBackgroundDefault,
     kC.colorFrameNotFocused, kC.colorText},
    {"Hovered", Colors(true, true, false, false, false), kC.colorBackgroundHovered,
     kC.colorFrameNotFocused, kC.colorText},
    {"Pressed", Colors(true, false, true, false, false), kC.colorBackgroundClicked,
     kC.colorFrameNotFocused, kC.colorText},
    {"HoveredAndPressed", Colors(true, true, true, false, false), kC.colorBackgroundClicked,
     kC.colorFrameNotFocused, kC.colorText},
    {"Checked", Colors(true, false, false, true, false), kC.colorBackgroundClicked,
     kC.colorFrameFocused, kC.colorText},
    {"CheckedAndHovered", Colors(true, true, false, true, false), kC.colorBackgroundClicked,
     kC.colorFrameFocused, kC.colorText},
    {"Focused", Colors(true, false, false, false, true), kC.colorBackgroundDefault,
     kC.colorFrameFocused, kC.colorText},
    {"FocusedAndHovered", Colors(true, true, false, false, true), kC.colorBackgroundHovered,
     kC.colorFrameFocused, kC.colorText},
    {"Disabled", Colors(false, false, false, false, false), kC.colorBackgroundDisabled,
     kC.colorFrameNotFocused, kC.colorTextDisabled},
    {"DisabledHoveredPressed", Colors(false, true, true, false, false), kC.colorBackgroundDisabled,
     kC.colorFrameNotFocused, kC.colorTextDisabled},
    {"DisabledChecked", Colors(false, false, false, true, false), kC.colorBackgroundDisabled,
     kC.colorFrameFocused, kC.colorTextDisabled},
    {"DisabledFocused", Colors(false, false, false, false, true), kC.colorBackgroundDisabled,
     kC.colorFrameFocused, kC.colorTextDisabled},
};

INSTANTIATE_TEST_SUITE_P(Rows, ButtonColorPaintTest, ::testing::ValuesIn(kColorRows),
                         [](const ::testing::TestParamInfo<ColorRow>& info) {
                             return std::string(info.param.name);
                         });

// --- Bitmap modes ----------------------------------------------------------------

struct BitmapRow {
    const char* name;
    State state;
    QRgb expected;
};

void PrintTo(const BitmapRow& row, std::ostream* out) {
    *out << row.name;
}

State Bitmaps(int mode, bool enabled, bool hovered, bool pressed, bool invert,
              bool checkMode = false, bool checked = false) {
    State s;
    s.bitmapMode = mode;
    s.enabled = enabled;
    s.hovered = hovered;
    s.pressed = pressed;
    s.invert = invert;
    s.checkMode = checkMode;
    s.checked = checked;
    s.focused = true; // bitmap modes draw no frame, focus or not
    return s;
}

constexpr int kTwo = CKelvoCommonButton::kModeTwoBitmaps;
constexpr int kThree = CKelvoCommonButton::kModeThreeBitmaps;

class ButtonBitmapPaintTest : public ::testing::TestWithParam<BitmapRow> {};

// Normal grey 100, pressed (200, 150, 100), disabled (30, 60, 90); +20 is
// +51 per channel, +50 is +127; negative and NOTSRCCOPY each turn a value v
// into 255 - v.
TEST_P(ButtonBitmapPaintTest, PictureIsAdjustedAndFillsTheWholeButton) {
    const BitmapRow& row = GetParam();
    const CKelvoCommonButton::Pictures pictures{Solid({10, 10}, QColor(100, 100, 100)),
                                                Solid({10, 10}, QColor(200, 150, 100)),
                                                Solid({10, 10}, QColor(30, 60, 90))};
    const QImage image = PaintButton(row.state, pictures);
    for (const QPoint point : {QPoint(0, 0), QPoint(59, 23), QPoint(30, 12)})
        EXPECT_EQ(image.pixel(point), row.expected) << point.x() << "," << point.y();
}

const BitmapRow kBitmapRows[] = {
    {"TwoNormal", Bitmaps(kTwo, true, false, false, false), qRgb(100, 100, 100)},
    {"TwoHovered", Bitmaps(kTwo, true, true, false, false), qRgb(151, 151, 151)},
    {"TwoPressed", Bitmaps(kTwo, true, false, true, false), qRgb(227, 227, 227)},
    {"TwoPressedWinsOverHovered", Bitmaps(kTwo, true, true, true, false), qRgb(227, 227, 227)},
    {"TwoCheckedLooksNormal", Bitmaps(kTwo, true, false, false, false, true, true),
     qRgb(100, 100, 100)},
    {"TwoInverted", Bitmaps(kTwo, true, false, false, true), qRgb(155, 155, 155)},
    {"TwoInvertedHovered", Bitmaps(kTwo, true, true, false, true), qRgb(206, 206, 206)},
    {"TwoInvertedPressed", Bitmaps(kTwo, true, false, true, true), qRgb(255, 255, 255)},
    {"TwoDisabled", Bitmaps(kTwo, false, false, false, false), qRgb(30, 60, 90)},
    {"TwoDisabledHovered", Bitmaps(kTwo, false, true, false, false), qRgb(81, 111, 141)},
    {"TwoDisabledInverted", Bitmaps(kTwo, false, false, false, true), qRgb(225, 195, 165)},
    {"ThreeNormal", Bitmaps(kThree, true, false, false, false), qRgb(155, 155, 155)},
    {"ThreeHoveredNotBrightened", Bitmaps(kThree, true, true, false, false), qRgb(155, 155, 155)},
    {"ThreePressed", Bitmaps(kThree, true, true, true, false), qRgb(55, 105, 155)},
    {"ThreeCheckModeChecked", Bitmaps(kThree, true, false, false, false, true, true),
     qRgb(55, 105, 155)},
    {"ThreeCheckModePressedUnchecked", Bitmaps(kThree, true, true, true, false, true, false),
     qRgb(155, 155, 155)},
    {"ThreeInverted", Bitmaps(kThree, true, false, false, true), qRgb(227, 227, 227)},
    {"ThreeInvertedHovered", Bitmaps(kThree, true, true, false, true), qRgb(0, 0, 0)},
    {"ThreeInvertedPressed", Bitmaps(kThree, true, false, true, true), qRgb(255, 255, 227)},
    {"ThreeDisabled", Bitmaps(kThree, false, false, false, false), qRgb(225, 195, 165)},
    {"ThreeDisabledInvertedHovered", Bitmaps(kThree, false, true, false, true),
     qRgb(225, 195, 165)},
};

INSTANTIATE_TEST_SUITE_P(Rows, ButtonBitmapPaintTest, ::testing::ValuesIn(kBitmapRows),
                         [](const ::testing::TestParamInfo<BitmapRow>& info) {
                             return std::string(info.param.name);
                         });

// --- Details ------------------------------------------------------------------

TEST(KelvoCommonButtonPaintTest, SourceSizeComesFromTheNormalPicture) {
    // A larger disabled picture shows only its top-left normal-sized part.
    QImage big = Blank({20, 20}, qRgb(0, 200, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            big.setPixel(x, y, qRgb(200, 0, 0));
    const CKelvoCommonButton::Pictures larger{
        Solid({10, 10}, Qt::white), {}, QPixmap::fromImage(big)};
    const QImage image = PaintButton(Bitmaps(kTwo, false, false, false, false), larger);
    EXPECT_EQ(image.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(image.pixel(59, 23), qRgb(200, 0, 0));

    // A smaller one fills only its share; beyond it lies black.
    const CKelvoCommonButton::Pictures smaller{
        Solid({10, 10}, Qt::white), {}, Solid({5, 5}, QColor(0, 0, 200))};
    const QImage cut = PaintButton(Bitmaps(kTwo, false, false, false, false), smaller);
    EXPECT_EQ(cut.pixel(3, 3), qRgb(0, 0, 200));
    EXPECT_EQ(cut.pixel(56, 21), qRgb(0, 0, 0));
}

TEST(KelvoCommonButtonPaintTest, PicturesAreStretchedSmoothly) {
    QImage stripes(2, 1, QImage::Format_RGB32);
    stripes.setPixel(0, 0, qRgb(0, 0, 0));
    stripes.setPixel(1, 0, qRgb(255, 255, 255));
    const CKelvoCommonButton::Pictures pictures{QPixmap::fromImage(stripes), {}, {}};
    const QImage image = PaintButton(Bitmaps(kTwo, true, false, false, false), pictures);
    EXPECT_EQ(qRed(image.pixel(2, 12)), 0);
    EXPECT_EQ(qRed(image.pixel(57, 12)), 255);
    const int middle = qRed(image.pixel(30, 12));
    EXPECT_GT(middle, 40);
    EXPECT_LT(middle, 215);
}

TEST(KelvoCommonButtonPaintTest, BitmapModesDrawTextOnTopAndNoFrame) {
    const CKelvoCommonButton::Pictures pictures{
        Solid({10, 10}, QColor(100, 100, 100)), {}, Solid({10, 10}, QColor(100, 100, 100))};
    const QImage image =
        PaintButton(Bitmaps(kTwo, true, false, false, false), pictures, QStringLiteral("WW"));
    EXPECT_TRUE(Contains(image, qRgb(0, 0, 255)));
    EXPECT_EQ(image.pixel(0, 0), qRgb(100, 100, 100));
}

TEST(KelvoCommonButtonPaintTest, MissingPictureOrUnknownModeDrawsOnlyTheText) {
    const QImage noPicture = PaintButton(Bitmaps(kTwo, true, false, false, false));
    EXPECT_EQ(noPicture.pixel(30, 12), qRgb(1, 2, 3));
    State unknown = Bitmaps(3, true, false, false, false);
    const QImage other = PaintButton(unknown, {}, QStringLiteral("WW"));
    EXPECT_EQ(other.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_TRUE(Contains(other, qRgb(0, 0, 255)));
}

TEST(KelvoCommonButtonPaintTest, DragPictureIsWhiteTextOnBlackOfTheButtonsSize) {
    QFont font = QApplication::font();
    font.setPixelSize(16);
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = CKelvoCommonButton::DragPicture(
            {80, 20}, QStringLiteral("A long name that does not fit"), font, ratio);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(80, 20));
        EXPECT_EQ(picture.size(), QSize(80, 20) * ratio);
        const QImage image = picture.toImage();
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_TRUE(Contains(image, qRgb(255, 255, 255)));
    }
}

TEST(KelvoCommonButtonPaintTest, DragHoverFrameOverlaysThePicture) {
    const CKelvoCommonButtonColor colors = DistinctColors();
    QImage image = Blank(kSize);
    QPainter painter(&image);
    CKelvoCommonButton::PaintDragHoverFrame(painter, image.rect(),
                                            CKelvoCommonButton::DragHoverFrame::Focused, colors);
    EXPECT_EQ(image.pixel(0, 0), Rgb(colors.colorFrameFocused));
    EXPECT_EQ(image.pixel(1, 1), qRgb(1, 2, 3));
    CKelvoCommonButton::PaintDragHoverFrame(painter, image.rect(),
                                            CKelvoCommonButton::DragHoverFrame::NotFocused, colors);
    EXPECT_EQ(image.pixel(59, 23), Rgb(colors.colorFrameNotFocused));
}

TEST(KelvoCommonButtonPaintTest, WidgetPaintsItsStateAndFocus) {
    QWidget window;
    window.resize(200, 60);
    CKelvoCommonButton focused(QStringLiteral("F"), &window);
    CKelvoCommonButton other(QStringLiteral("O"), &window);
    focused.setGeometry(0, 0, 60, 24);
    other.setGeometry(100, 0, 60, 24);
    const CKelvoCommonButtonColor colors = DistinctColors();
    focused.SetColor(colors);
    other.SetColor(colors);
    other.SetFlagEnable(0);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focused.setFocus();
    QApplication::processEvents();
    const QImage a = focused.grab().toImage();
    const QImage b = other.grab().toImage();
    EXPECT_EQ(a.pixel(0, 0), Rgb(colors.colorFrameFocused));
    EXPECT_EQ(a.pixel(2, 2), Rgb(colors.colorBackgroundDefault));
    EXPECT_EQ(b.pixel(0, 0), Rgb(colors.colorFrameNotFocused));
    EXPECT_EQ(b.pixel(2, 2), Rgb(colors.colorBackgroundDisabled));
}

} // namespace
