// SPDX-License-Identifier: MIT
// The static, check box, group, edit and tab controls: their pictures read
// back pixel by pixel, their clicks and their geometry rules.

#include "common/controls/KelvoCommonBitmaps.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonGdiplus.h"
#include "common/controls/KelvoCommonGroup.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonTab.h"
#include "common/controls/KelvoCommonWindow.h"
#include "tests/gui/KelvoCommonTestHarness.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kUntouched = 0xFF010203;

QRgb Rgb(COLORREF c) {
    return CKelvoCommonGdiplus::ToQColor(c).rgb();
}

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
}

int Count(const QImage& image, QRgb color, QRect area = {}) {
    if (area.isNull())
        area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == color ? 1 : 0;
    return count;
}

QFont BigFont() {
    QFont font = QApplication::font();
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

// A shown, active window for widget-level checks.
class ShownWindow {
public:
    ShownWindow() {
        window.resize(400, 200);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
};

// --- Static -----------------------------------------------------------------------

TEST(KelvoCommonStaticTest, TextInOneColourOnWhateverLiesBelow) {
    CKelvoCommonStaticColor colors;
    colors.colorText = 0x00FF00;
    QImage image = Blank({120, 30});
    {
        QPainter painter(&image);
        painter.setFont(BigFont());
        CKelvoCommonStatic::Paint(painter, image.rect(), QStringLiteral("WWW"),
                                  Qt::AlignLeft | Qt::AlignTop, true, colors);
    }
    EXPECT_GT(Count(image, Rgb(colors.colorText)), 0);
    // Beyond the text nothing was painted: the parent shows through.
    EXPECT_EQ(Count(image, kUntouched, QRect(100, 0, 20, 30)), 20 * 30);
    EXPECT_EQ(image.pixel(0, 29), kUntouched);
}

TEST(KelvoCommonStaticTest, NeverATabStopAndStartsWhite) {
    CKelvoCommonStatic label(QStringLiteral("Label"));
    EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);
    CKelvoCommonStaticColor colors{};
    colors.colorText = 1;
    label.GetColor(&colors);
    EXPECT_EQ(colors, CKelvoCommonStaticColor{});
    EXPECT_FALSE(label.autoFillBackground());
}

TEST(KelvoCommonStaticTest, WidgetShowsParentBackgroundAndItsColour) {
    ShownWindow w;
    w.window.setAutoFillBackground(true);
    QPalette palette = w.window.palette();
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    w.window.setPalette(palette);
    CKelvoCommonStatic label(QStringLiteral("WWWW"), &w.window);
    label.setFont(BigFont());
    label.m_color.colorText = 0x0000FF;
    label.setGeometry(10, 10, 200, 40);
    label.show();
    QApplication::processEvents();
    const QImage image = w.window.grab(QRect(10, 10, 200, 40)).toImage();
    EXPECT_EQ(image.pixel(199, 39), qRgb(10, 20, 30));
    EXPECT_GT(Count(image, qRgb(255, 0, 0)), 0);
}

// --- Check box ------------------------------------------------------------------

struct BoxRow {
    const char* name;
    QRect client;
    bool leftText;
    QRect box;
};

void PrintTo(const BoxRow& row, std::ostream* out) {
    *out << row.name;
}

class CheckBoxRectTest : public ::testing::TestWithParam<BoxRow> {};

TEST_P(CheckBoxRectTest, BoxSitsCentredAtTheTextlessEdge) {
    const BoxRow& row = GetParam();
    EXPECT_EQ(CKelvoCommonCheck::BoxRect(row.client, {11, 11}, row.leftText), row.box);
}

const BoxRow kBoxRows[] = {
    {"Left", {0, 0, 100, 20}, false, {0, 4, 11, 11}},
    {"RightWithLeftText", {0, 0, 100, 20}, true, {89, 4, 11, 11}},
    {"OddHeight", {0, 0, 100, 21}, false, {0, 5, 11, 11}},
    {"ExactHeight", {0, 0, 100, 11}, false, {0, 0, 11, 11}},
    {"LowerThanTheBoxRoundsTowardZero", {0, 0, 100, 10}, false, {0, 0, 11, 11}},
};

INSTANTIATE_TEST_SUITE_P(Rows, CheckBoxRectTest, ::testing::ValuesIn(kBoxRows),
                         [](const ::testing::TestParamInfo<BoxRow>& info) {
                             return std::string(info.param.name);
                         });

struct CheckPaintRow {
    const char* name;
    CKelvoCommonCheck::PaintState state;
    int pictureId;
    QRgb tickPixel;   // at (4, 3) inside the box: on the tick when checked
    QRgb borderPixel; // the box's top-left corner
    COLORREF text;
};

void PrintTo(const CheckPaintRow& row, std::ostream* out) {
    *out << row.name;
}

class CheckPaintTest : public ::testing::TestWithParam<CheckPaintRow> {};

TEST_P(CheckPaintTest, PictureAndTextFollowTheState) {
    const CheckPaintRow& row = GetParam();
    CKelvoCommonCheckColor colors;
    colors.colorText = 0x00FF00;
    colors.colorTextDisabled = 0xFF0000;
    colors.colorBackground = 0x202020;
    EXPECT_EQ(CKelvoCommonCheck::PictureId(row.state.enabled, row.state.check), row.pictureId);
    QImage image = Blank({100, 20});
    {
        QPainter painter(&image);
        painter.setFont(BigFont());
        CKelvoCommonCheck::Paint(painter, image.rect(), QStringLiteral("WW"), row.state, colors,
                                 KelvoCommonLoadBitmap(row.pictureId));
    }
    const QRect box = CKelvoCommonCheck::BoxRect(image.rect(), {11, 11}, row.state.leftText);
    EXPECT_EQ(image.pixel(box.topLeft()), row.borderPixel);
    EXPECT_EQ(image.pixel(box.topLeft() + QPoint(4, 7)), row.tickPixel);
    EXPECT_GT(Count(image, Rgb(row.text)), 0);
    // The whole client area is filled.
    EXPECT_EQ(Count(image, kUntouched), 0);
    // The text starts 15 pixels in, or at the left edge with left text.
    const QRect gap(11, 0, 4, 20);
    if (row.state.leftText) {
        EXPECT_GT(Count(image, Rgb(row.text), QRect(0, 0, 15, 20)), 0);
    } else {
        EXPECT_EQ(Count(image, Rgb(colors.colorBackground), gap), gap.width() * gap.height());
    }
}

const CheckPaintRow kCheckPaintRows[] = {
    {"EnabledChecked", {true, 1, false}, 1002, qRgb(224, 32, 32), qRgb(0, 0, 0), 0x00FF00},
    {"EnabledUnchecked", {true, 0, false}, 1003, qRgb(255, 255, 255), qRgb(0, 0, 0), 0x00FF00},
    {"ValueTwoDrawsUnchecked",
     {true, 2, false},
     1003,
     qRgb(255, 255, 255),
     qRgb(0, 0, 0),
     0x00FF00},
    {"DisabledChecked",
     {false, 1, false},
     1000,
     qRgb(128, 128, 128),
     qRgb(128, 128, 128),
     0xFF0000},
    {"DisabledUnchecked",
     {false, 0, false},
     1001,
     qRgb(200, 200, 200),
     qRgb(128, 128, 128),
     0xFF0000},
    {"LeftTextChecked", {true, 1, true}, 1002, qRgb(224, 32, 32), qRgb(0, 0, 0), 0x00FF00},
};

INSTANTIATE_TEST_SUITE_P(Rows, CheckPaintTest, ::testing::ValuesIn(kCheckPaintRows),
                         [](const ::testing::TestParamInfo<CheckPaintRow>& info) {
                             return std::string(info.param.name);
                         });

struct CheckClickRow {
    const char* name;
    int initial;
    QPoint pressAt;   // in the check box; a null point means no press
    QPoint releaseAt; // in the check box
    Qt::MouseButton button;
    int expected;
    int clicks;
};

void PrintTo(const CheckClickRow& row, std::ostream* out) {
    *out << row.name;
}

class CheckClickTest : public ::testing::TestWithParam<CheckClickRow> {};

TEST_P(CheckClickTest, PressThenReleaseToggles) {
    const CheckClickRow& row = GetParam();
    ShownWindow w;
    CKelvoCommonCheck check(QStringLiteral("Check"), &w.window);
    check.setGeometry(10, 10, 120, 20);
    check.show();
    check.SetCheck(row.initial);
    QSignalSpy clicked(&check, &QAbstractButton::clicked);
    kelvo::test::CPointer pointer(&w.window);
    if (!row.pressAt.isNull())
        pointer.Press(row.button, check.pos() + row.pressAt);
    pointer.Move(check.pos() + row.releaseAt + QPoint(0, 1));
    pointer.Release(row.button, check.pos() + row.releaseAt);
    EXPECT_EQ(check.GetCheck(), row.expected);
    EXPECT_EQ(clicked.count(), row.clicks);
}

const CheckClickRow kCheckClickRows[] = {
    {"ClickUnchecks", 1, {5, 10}, {5, 10}, Qt::LeftButton, 0, 1},
    {"ClickChecks", 0, {5, 10}, {5, 10}, Qt::LeftButton, 1, 1},
    {"ValueTwoBecomesOne", 2, {5, 10}, {5, 10}, Qt::LeftButton, 1, 1},
    {"ReleasedOutsideStillToggles", 1, {5, 10}, {300, 150}, Qt::LeftButton, 0, 0},
    {"ReleaseWithoutPressKeeps", 1, {}, {5, 10}, Qt::LeftButton, 1, 0},
    {"RightClickKeeps", 1, {5, 10}, {5, 10}, Qt::RightButton, 1, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, CheckClickTest, ::testing::ValuesIn(kCheckClickRows),
                         [](const ::testing::TestParamInfo<CheckClickRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(KelvoCommonCheckTest, SpaceFlipsTheBoxAsAClickDoes) {
    ShownWindow w;
    CKelvoCommonCheck check(QStringLiteral("Check"), &w.window);
    check.show();
    check.SetCheck(1);
    QSignalSpy flipped(&check, &CKelvoCommonCheck::Flipped);
    QTest::keyClick(&check, Qt::Key_Space);
    EXPECT_EQ(check.GetCheck(), 0);
    QTest::keyClick(&check, Qt::Key_Space);
    EXPECT_EQ(check.GetCheck(), 1);
    EXPECT_EQ(flipped.count(), 2);
}

TEST(KelvoCommonCheckTest, StoresAnyValueAndStartsChecked) {
    CKelvoCommonCheck check;
    EXPECT_EQ(check.GetCheck(), 1);
    check.SetCheck(2);
    EXPECT_EQ(check.GetCheck(), 2);
    check.SetCheck(-7);
    EXPECT_EQ(check.GetCheck(), -7);
    CKelvoCommonCheckColor colors{};
    check.GetColor(&colors);
    EXPECT_EQ(colors, CKelvoCommonCheckColor{});
}

TEST(KelvoCommonCheckTest, WidgetDrawsItsPictureAtTheDevicePixelRatio) {
    ShownWindow w;
    CKelvoCommonCheck check(QStringLiteral("Check"), &w.window);
    check.setGeometry(10, 10, 120, 20);
    check.show();
    QApplication::processEvents();
    QImage image = check.grab().toImage();
    image.setDevicePixelRatio(1.0);
    const QRect box = CKelvoCommonCheck::BoxRect(check.rect(), {11, 11}, false);
    EXPECT_EQ(image.pixel(box.topLeft()), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(box.topLeft() + QPoint(4, 7)), qRgb(224, 32, 32));
}

// --- Group ------------------------------------------------------------------------

TEST(KelvoCommonGroupTest, FrameTopRunsThroughTheMiddleOfTheCaptionLine) {
    struct Row {
        QRect rect;
        int height;
        int frameTop;
    };
    for (const Row& row : {Row{{0, 0, 100, 60}, 16, 8}, Row{{10, 20, 100, 60}, 15, 27},
                           Row{{0, 0, 100, 60}, 0, 0}}) {
        const auto layout = CKelvoCommonGroup::LayoutFor(row.rect, row.height);
        EXPECT_EQ(layout.frame.top(), row.frameTop);
        EXPECT_EQ(layout.frame.bottom(), row.rect.bottom());
        EXPECT_EQ(layout.frame.left(), row.rect.left());
        EXPECT_EQ(layout.caption,
                  QRect(row.rect.left(), row.rect.top(), row.rect.width(), row.height));
    }
}

TEST(KelvoCommonGroupTest, CaptionCellBreaksTheTopLineAndEraseFillsTheInside) {
    CKelvoCommonGroupColor colors;
    colors.colorText = 0xFFFFFF;
    colors.colorBackground = 0x00FF00;
    colors.colorFrame = 0xFF0000;
    for (const bool erase : {false, true}) {
        QImage image = Blank({120, 60});
        QPainter painter(&image);
        painter.setFont(BigFont());
        const int h = painter.fontMetrics().height();
        // Spaces measure like text and leave the cell plain.
        CKelvoCommonGroup::Paint(painter, image.rect(), QStringLiteral("        "), erase, colors);
        const int line = h / 2;
        EXPECT_EQ(image.pixel(1, line), Rgb(colors.colorFrame));
        EXPECT_EQ(image.pixel(119, line), Rgb(colors.colorFrame));
        EXPECT_EQ(image.pixel(60, line), Rgb(colors.colorBackground));
        EXPECT_EQ(image.pixel(0, 59), Rgb(colors.colorFrame));
        EXPECT_EQ(image.pixel(60, 59), Rgb(colors.colorFrame));
        EXPECT_EQ(image.pixel(60, 45), erase ? Rgb(colors.colorBackground) : kUntouched);
        // Above the line, beside the caption, nothing is drawn.
        EXPECT_EQ(image.pixel(1, 0), kUntouched);
    }
}

TEST(KelvoCommonGroupTest, WithoutCaptionTheFrameRunsAlongTheTopEdge) {
    CKelvoCommonGroupColor colors;
    QImage image = Blank({120, 60});
    QPainter painter(&image);
    CKelvoCommonGroup::Paint(painter, image.rect(), QString(), true, colors);
    EXPECT_EQ(Count(image, Rgb(colors.colorFrame), QRect(0, 0, 120, 1)), 120);
    EXPECT_EQ(image.pixel(5, 1), Rgb(colors.colorBackground));
}

TEST(KelvoCommonGroupTest, ManualDrawFramesAnotherControlOnItsParent) {
    QWidget parent;
    parent.resize(200, 120);
    QLabel label(QStringLiteral("        "), &parent);
    label.setGeometry(20, 30, 100, 50);
    QImage image = Blank(parent.size());
    QPainter painter(&image);
    QFont entry = QApplication::font();
    entry.setPixelSize(10);
    painter.setFont(entry);
    const int h = painter.fontMetrics().height();
    const QFont given = BigFont();
    CKelvoCommonGroup::ManualDraw(painter, &label, &parent, 0xFFFFFF, 0x00FF00, 0xFF0000, given);
    EXPECT_EQ(image.pixel(21, 30 + h / 2), Rgb(0xFF0000));
    EXPECT_EQ(image.pixel(20, 79), Rgb(0xFF0000));
    EXPECT_EQ(image.pixel(119, 60), Rgb(0xFF0000));
    EXPECT_EQ(image.pixel(70, 60), kUntouched);
    EXPECT_EQ(image.pixel(70, 30 + h / 2), Rgb(0x00FF00));
    // The given font stays set.
    EXPECT_EQ(painter.font().pixelSize(), given.pixelSize());
    EXPECT_TRUE(painter.font().bold());
}

TEST(KelvoCommonGroupTest, CreateAndInitializePlaceAClickThroughChild) {
    QWidget parent;
    CKelvoCommonGroup group;
    EXPECT_FALSE(group.Create(QStringLiteral("G"), 0, {1, 2, 30, 40}, nullptr, 5));
    EXPECT_TRUE(group.Create(QStringLiteral("Caption"), 0x1234, {1, 2, 30, 40}, &parent, 1077));
    EXPECT_EQ(group.parentWidget(), &parent);
    EXPECT_EQ(group.geometry(), QRect(1, 2, 30, 40));
    EXPECT_EQ(group.Text(), QStringLiteral("Caption"));
    EXPECT_EQ(KelvoCommonGetDlgCtrlID(&group), 1077);
    EXPECT_EQ(KelvoCommonWindowText(&group), QStringLiteral("Caption"));
    EXPECT_FALSE(group.isHidden());
    EXPECT_TRUE(group.testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(group.focusPolicy(), Qt::NoFocus);
    group.SetFlagEraseBackground(1);
    group.Initialize(&parent, 1078);
    EXPECT_EQ(group.geometry(), QRect(1, 2, 30, 40));
    EXPECT_EQ(KelvoCommonGetDlgCtrlID(&group), 1078);
    EXPECT_EQ(group.FlagEraseBackground(), 1);
}

// --- Edit ---------------------------------------------------------------------------

TEST(KelvoCommonEditTest, InitializeFramesTheEditWhereItStood) {
    QWidget parent;
    parent.resize(300, 100);
    auto* before = new QWidget(&parent);
    auto* edit = new CKelvoCommonEdit(&parent);
    edit->setGeometry(20, 20, 200, 30);
    edit->Initialize(&parent, 1040);
    CKelvoCommonGroup* frame = edit->Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(edit->IsInitialized());
    EXPECT_EQ(frame->geometry(), QRect(20, 20, 200, 30));
    EXPECT_EQ(edit->geometry(), QRect(25, 25, 190, 20));
    EXPECT_EQ(frame->parentWidget(), &parent);
    EXPECT_EQ(KelvoCommonGetDlgCtrlID(frame), 1040);
    EXPECT_EQ(KelvoCommonGetDlgCtrlID(edit), 1040);
    EXPECT_EQ(frame->FlagEraseBackground(), 1);
    EXPECT_TRUE(frame->Text().isEmpty());
    // The frame lies under the edit.
    const QObjectList& children = parent.children();
    EXPECT_LT(children.indexOf(frame), children.indexOf(edit));
    EXPECT_GT(children.indexOf(frame), children.indexOf(before));
}

TEST(KelvoCommonEditTest, FrameFollowsMovesAndResizesOnlyOnceInitialised) {
    QWidget parent;
    parent.resize(400, 200);
    parent.show();
    CKelvoCommonEdit created(&parent);
    ASSERT_TRUE(created.Create(0, {10, 10, 100, 30}, &parent, 1));
    created.move(50, 50);
    EXPECT_EQ(created.Frame()->geometry(), QRect(10, 10, 100, 30));

    CKelvoCommonEdit edit(&parent);
    edit.setGeometry(10, 100, 100, 30);
    edit.Initialize(&parent, 2);
    edit.move(40, 120);
    QApplication::processEvents();
    EXPECT_EQ(edit.Frame()->geometry(), QRect(35, 115, 100, 30));
    edit.resize(150, 40);
    QApplication::processEvents();
    EXPECT_EQ(edit.Frame()->geometry(), QRect(35, 115, 160, 50));
    edit.setGeometry(0, 0, 20, 10);
    QApplication::processEvents();
    EXPECT_EQ(edit.Frame()->geometry(), QRect(-5, -5, 30, 20));
}

TEST(KelvoCommonEditTest, ReadOnlyColoursTheEditAndItsFrame) {
    CKelvoCommonEditColor colors;
    colors.colorBackground = 0x112233;
    colors.colorBackgroundReadOnly = 0x445566;
    colors.colorText = 0x778899;
    colors.colorTextDisabled = 0xAABBCC;
    colors.colorFrame = 0xDDEEFF;
    const CKelvoCommonGroupColor frame = CKelvoCommonEdit::FrameColors(colors, true);
    EXPECT_EQ(frame.colorBackground, 0x445566u);
    EXPECT_EQ(frame.colorText, 0x778899u);
    EXPECT_EQ(frame.colorFrame, 0xDDEEFFu);
    EXPECT_EQ(CKelvoCommonEdit::FrameColors(colors, false).colorBackground, 0x112233u);
    const QPalette readOnly = CKelvoCommonEdit::EditPalette({}, colors, true);
    EXPECT_EQ(readOnly.color(QPalette::Active, QPalette::Base).rgb(), Rgb(0x445566));
    EXPECT_EQ(readOnly.color(QPalette::Active, QPalette::Text).rgb(), Rgb(0x778899));
    EXPECT_EQ(readOnly.color(QPalette::Disabled, QPalette::Text).rgb(), Rgb(0xAABBCC));
    EXPECT_EQ(CKelvoCommonEdit::EditPalette({}, colors, false).color(QPalette::Base).rgb(),
              Rgb(0x112233));
}

TEST(KelvoCommonEditTest, ReadOnlyChangeRecoloursTheFrameOnlyAtTheNextSetColor) {
    ShownWindow w;
    CKelvoCommonEdit edit(&w.window);
    CKelvoCommonEditColor colors;
    colors.colorBackground = 0x112233;
    colors.colorBackgroundReadOnly = 0x445566;
    colors.colorFrame = 0x0000FF;
    edit.SetColor(colors);
    edit.setGeometry(20, 20, 200, 30);
    edit.setReadOnly(true);
    edit.Initialize(&w.window, 7);
    QApplication::processEvents();
    auto margin = [&] { return w.window.grab(QRect(20, 20, 200, 30)).toImage().pixel(2, 2); };
    auto inside = [&] { return w.window.grab(QRect(20, 20, 200, 30)).toImage().pixel(100, 15); };
    auto edge = [&] { return w.window.grab(QRect(20, 20, 200, 30)).toImage().pixel(0, 15); };
    EXPECT_EQ(margin(), Rgb(0x445566));
    EXPECT_EQ(inside(), Rgb(0x445566));
    EXPECT_EQ(edge(), Rgb(0x0000FF));

    edit.setReadOnly(false);
    QApplication::processEvents();
    EXPECT_EQ(inside(), Rgb(0x112233));
    EXPECT_EQ(margin(), Rgb(0x445566));
    edit.SetColor(colors);
    edit.Frame()->update();
    QApplication::processEvents();
    EXPECT_EQ(margin(), Rgb(0x112233));
}

TEST(KelvoCommonEditTest, DestroyingTheEditTakesItsFrame) {
    QWidget parent;
    auto* edit = new CKelvoCommonEdit(&parent);
    edit->Create(0, {0, 0, 50, 20}, &parent, 3);
    QPointer<CKelvoCommonGroup> frame = edit->Frame();
    ASSERT_TRUE(frame);
    delete edit;
    EXPECT_TRUE(frame.isNull());
    CKelvoCommonEdit orphan;
    EXPECT_FALSE(orphan.Create(0, {0, 0, 50, 20}, nullptr, 3));
}

// --- Tab ---------------------------------------------------------------------------

TEST(KelvoCommonTabTest, ItemsSelectionAndCaptions) {
    CKelvoCommonTab tab;
    EXPECT_EQ(tab.GetCurSel(), -1);
    EXPECT_EQ(tab.InsertItem(0, QStringLiteral("Behavior")), 0);
    EXPECT_EQ(tab.InsertItem(1, QStringLiteral("Appearance")), 1);
    EXPECT_EQ(tab.InsertItem(9, QStringLiteral("Sound")), 2);
    EXPECT_EQ(tab.InsertItem(-1, QStringLiteral("None")), -1);
    EXPECT_EQ(tab.GetItemCount(), 3);
    EXPECT_EQ(tab.GetCurSel(), 0);
    EXPECT_EQ(tab.SetCurSel(2), 0);
    EXPECT_EQ(tab.SetCurSel(3), -1);
    EXPECT_EQ(tab.GetCurSel(), 2);
    EXPECT_EQ(tab.GetItemRect(0), QRect(0, 0, 150, 26));
    EXPECT_EQ(tab.GetItemRect(1).size(), QSize(150, 26));
    EXPECT_TRUE(tab.GetItemRect(3).isNull());
    EXPECT_EQ(tab.GetItemText(1), QStringLiteral("Appearance"));
}

TEST(KelvoCommonTabTest, CaptionKeepsFortyNineCharacters) {
    EXPECT_EQ(CKelvoCommonTab::Caption(QString(60, QChar(u'x'))), QString(49, QChar(u'x')));
    EXPECT_EQ(CKelvoCommonTab::Caption(QStringLiteral("Sound")), QStringLiteral("Sound"));
    const QString pair = QString::fromUtf16(u"\U0001F600");
    EXPECT_EQ(CKelvoCommonTab::Caption(QString(48, QChar(u'x')) + pair), QString(48, QChar(u'x')));
}

TEST(KelvoCommonTabTest, BackgroundIsFramedFromHalfATabsHeight) {
    CKelvoCommonTabColor colors;
    colors.colorBackground = 0x112233;
    colors.colorFrame = 0x0000FF;
    struct Row {
        int tabHeight;
        int frameTop;
    };
    for (const Row& row : {Row{26, 13}, Row{27, 13}, Row{0, 0}}) {
        QImage image = Blank({300, 100});
        QPainter painter(&image);
        CKelvoCommonTab::PaintBackground(painter, image.rect(), row.tabHeight, colors);
        EXPECT_EQ(image.pixel(5, row.frameTop), Rgb(0x0000FF));
        EXPECT_EQ(image.pixel(0, 99), Rgb(0x0000FF));
        EXPECT_EQ(image.pixel(299, 50), Rgb(0x0000FF));
        EXPECT_EQ(image.pixel(50, 50), Rgb(0x112233));
        if (row.frameTop > 0) {
            EXPECT_EQ(image.pixel(0, row.frameTop - 1), Rgb(0x112233));
        }
    }
}

TEST(KelvoCommonTabTest, SelectedAndUnselectedTabsHaveTheirColours) {
    CKelvoCommonTabColor colors;
    colors.colorText = 0x0000FF;
    colors.colorTextSelected = 0x00FF00;
    colors.colorTabBackground = 0x111111;
    colors.colorTabBackgroundSelected = 0x222222;
    for (const bool selected : {false, true}) {
        QImage image = Blank({150, 26});
        QPainter painter(&image);
        painter.setFont(BigFont());
        CKelvoCommonTab::PaintItem(painter, image.rect(), QStringLiteral("WWW"), selected, colors);
        EXPECT_EQ(image.pixel(0, 0), Rgb(selected ? 0x222222 : 0x111111));
        EXPECT_GT(Count(image, Rgb(selected ? 0x00FF00 : 0x0000FF)), 0);
        EXPECT_EQ(Count(image, Rgb(selected ? 0x0000FF : 0x00FF00)), 0);
    }
}

TEST(KelvoCommonTabTest, ClickOnAnotherTabSelectsItAndTellsTheOwner) {
    ShownWindow w;
    CKelvoCommonTab tab(&w.window);
    tab.setGeometry(0, 0, 400, 150);
    tab.InsertItem(0, QStringLiteral("Behavior"));
    tab.InsertItem(1, QStringLiteral("Appearance"));
    tab.show();
    QSignalSpy changed(&tab, &CKelvoCommonTab::SelectionChanged);
    kelvo::test::CPointer pointer(&w.window);
    pointer.Press(Qt::LeftButton, tab.GetItemRect(1).center());
    pointer.Release(Qt::LeftButton, tab.GetItemRect(1).center());
    EXPECT_EQ(tab.GetCurSel(), 1);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().front().toInt(), 1);
    pointer.Press(Qt::LeftButton, tab.GetItemRect(1).center());
    pointer.Release(Qt::LeftButton, tab.GetItemRect(1).center());
    pointer.Press(Qt::LeftButton, {300, 100});
    pointer.Release(Qt::LeftButton, {300, 100});
    EXPECT_EQ(changed.count(), 1);
    // Selecting in code tells nobody.
    tab.SetCurSel(0);
    EXPECT_EQ(changed.count(), 1);
}

TEST(KelvoCommonTabTest, WidgetPaintsTabsOverTheFramedBackground) {
    ShownWindow w;
    CKelvoCommonTab tab(&w.window);
    CKelvoCommonTabColor colors;
    tab.SetColor(colors);
    tab.setGeometry(0, 0, 400, 150);
    tab.InsertItem(0, QStringLiteral("A"));
    tab.InsertItem(1, QStringLiteral("B"));
    tab.show();
    QApplication::processEvents();
    const QImage image = tab.grab().toImage();
    EXPECT_EQ(image.pixel(2, 2), Rgb(colors.colorTabBackgroundSelected));
    EXPECT_EQ(image.pixel(155, 2), Rgb(colors.colorTabBackground));
    // In the gap between the tabs the frame's top line shows.
    EXPECT_EQ(image.pixel(151, 13), Rgb(colors.colorFrame));
    EXPECT_EQ(image.pixel(151, 12), Rgb(colors.colorBackground));
    EXPECT_EQ(image.pixel(399, 80), Rgb(colors.colorFrame));
    EXPECT_EQ(image.pixel(200, 80), Rgb(colors.colorBackground));
}

} // namespace
