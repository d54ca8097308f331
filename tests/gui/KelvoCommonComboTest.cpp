// SPDX-License-Identifier: MIT
// The drop-down list: its face and entries by pixel, the pressed state, and
// the rules of its font list.
#include "common/controls/KelvoCommonCombo.h"

#include "common/controls/KelvoCommonBitmaps.h"
#include "common/controls/KelvoCommonGdiplus.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Rgb(COLORREF color) {
    return qRgb(KelvoRed(color), KelvoGreen(color), KelvoBlue(color));
}

// Colours far apart, so every pixel tells which rule drew it.
CKelvoCommonComboColor Colors() {
    CKelvoCommonComboColor colors;
    colors.colorText = KelvoRgb(255, 0, 0);
    colors.colorTextDisabled = KelvoRgb(0, 255, 0);
    colors.colorTextSelected = KelvoRgb(255, 255, 0);
    colors.colorBackground = KelvoRgb(0, 0, 96);
    colors.colorBackgroundDisabled = KelvoRgb(64, 0, 64);
    colors.colorBackgroundSelected = KelvoRgb(0, 96, 0);
    colors.colorFrame = KelvoRgb(200, 200, 200);
    return colors;
}

// Columns in which some pixel is close to the colour (text is smoothed).
QList<int> ColumnsWith(const QImage& image, QRgb color) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(color)) < 48 && std::abs(qGreen(p) - qGreen(color)) < 48 &&
                std::abs(qBlue(p) - qBlue(color)) < 48) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

QStringList Texts(const std::vector<const char*>& texts) {
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromLatin1(text));
    return list;
}

QImage Canvas(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QFont TextFont() {
    QFont font;
    font.setPixelSize(16);
    return font;
}

} // namespace

TEST(KelvoCommonComboTest, FaceByState) {
    // The arrow picture's own size, so it is drawn one to one.
    const QSize size(120, KelvoCommonBitmapSize(IDB_KC_COMBO_ARROW_NORMAL).height());
    const CKelvoCommonComboColor colors = Colors();
    struct Row {
        const char* name;
        CKelvoCommonCombo::FaceState state;
        COLORREF background;
        COLORREF text;
        int arrow;
    };
    const Row rows[] = {
        {"enabled",
         {true, false},
         colors.colorBackground,
         colors.colorText,
         IDB_KC_COMBO_ARROW_NORMAL},
        {"pressed",
         {true, true},
         colors.colorBackground,
         colors.colorText,
         IDB_KC_COMBO_ARROW_PRESSED},
        {"disabled",
         {false, false},
         colors.colorBackgroundDisabled,
         colors.colorTextDisabled,
         IDB_KC_COMBO_ARROW_DISABLED},
        {"disabled while pressed",
         {false, true},
         colors.colorBackgroundDisabled,
         colors.colorTextDisabled,
         IDB_KC_COMBO_ARROW_DISABLED},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(CKelvoCommonCombo::ArrowPictureId(row.state), row.arrow);
        const QPixmap arrow = KelvoCommonLoadBitmap(row.arrow);
        QImage image = Canvas(size);
        {
            QPainter painter(&image);
            painter.setFont(TextFont());
            CKelvoCommonCombo::PaintFace(painter, image.rect(), QStringLiteral("MMMM"), row.state,
                                         colors, arrow);
        }
        const int buttonLeft = size.width() - CKelvoCommonCombo::kArrowWidth;
        // The frame stops left of the button, which lies outside it.
        EXPECT_EQ(image.pixel(0, 0), Rgb(colors.colorFrame));
        EXPECT_EQ(image.pixel(buttonLeft - 1, size.height() / 2), Rgb(colors.colorFrame));
        EXPECT_EQ(image.pixel(buttonLeft - 2, 2), Rgb(row.background));
        // The button is the picture itself.
        const QImage picture = arrow.toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.copy(buttonLeft, 0, CKelvoCommonCombo::kArrowWidth, size.height()),
                  picture);
        // Text 8 pixels in, in the state's colour.
        const QList<int> text =
            ColumnsWith(image.copy(0, 1, buttonLeft - 1, size.height() - 2), Rgb(row.text));
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GE(text.first(), CKelvoCommonCombo::kFaceTextIndent);
        EXPECT_LT(text.first(), CKelvoCommonCombo::kFaceTextIndent + 4);
    }
}

TEST(KelvoCommonComboTest, EntriesByState) {
    const CKelvoCommonComboColor colors = Colors();
    struct Row {
        const char* name;
        bool selected;
        QString text;
        COLORREF fill;
        COLORREF textColor;
    };
    const Row rows[] = {
        {"plain", false, QStringLiteral("MMMM"), colors.colorBackground, colors.colorText},
        {"selected", true, QStringLiteral("MMMM"), colors.colorBackgroundSelected,
         colors.colorTextSelected},
        {"no entry: fill only", true, QString(), colors.colorBackgroundSelected,
         colors.colorTextSelected},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QImage image = Canvas({100, 20});
        {
            QPainter painter(&image);
            painter.setFont(TextFont());
            CKelvoCommonCombo::PaintEntry(painter, image.rect(), row.selected, row.text, colors);
        }
        EXPECT_EQ(image.pixel(0, 0), Rgb(row.fill));
        EXPECT_EQ(image.pixel(99, 19), Rgb(row.fill));
        const QList<int> text = ColumnsWith(image, Rgb(row.textColor));
        if (row.text.isNull()) {
            EXPECT_TRUE(text.isEmpty());
            continue;
        }
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GE(text.first(), CKelvoCommonCombo::kEntryTextIndent);
        EXPECT_LT(text.first(), CKelvoCommonCombo::kEntryTextIndent + 4);
    }
}

TEST(KelvoCommonComboTest, PressLastsUntilTheListCloses) {
    CKelvoCommonCombo combo;
    combo.AddString(QStringLiteral("one"));
    combo.resize(120, 24);
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    QTest::mousePress(&combo, Qt::LeftButton, {}, QPoint(110, 10));
    EXPECT_EQ(combo.IsPressed(), 1);
    combo.hidePopup();
    EXPECT_EQ(combo.IsPressed(), 0);
    EXPECT_EQ(combo.MeasuredSize().height(), QFontMetrics(QGuiApplication::font()).height());
}

TEST(KelvoCommonComboTest, FontListRules) {
    using Proc = CKelvoCommonCombo;
    struct Family {
        const char* name;
        int type;
    };
    struct Row {
        const char* name;
        quint32 style;
        std::vector<Family> reported;
        std::vector<const char*> entries;
        std::vector<const char*> fontList;
    };
    const int tt = Proc::TRUETYPE_FONTTYPE;
    const Row rows[] = {
        {"a name once", 0, {{"Sans", tt}, {"Sans", tt}}, {"Sans"}, {"Sans"}},
        {"case does not make a new name", 0, {{"Sans", tt}, {"SANS", tt}}, {"Sans"}, {"Sans"}},
        {"a prefix of a listed name is skipped",
         0,
         {{"Arial Black", tt}, {"Arial", tt}},
         {"Arial Black"},
         {"Arial Black"}},
        {"a longer name after its prefix is added",
         0,
         {{"Arial", tt}, {"Arial Black", tt}},
         {"Arial", "Arial Black"},
         {"Arial", "Arial Black"}},
        {"bitmap and device fonts never",
         0,
         {{"Fixed", Proc::RASTER_FONTTYPE}, {"Printer", Proc::DEVICE_FONTTYPE}, {"Serif", tt}},
         {"Serif"},
         {"Serif"}},
        {"sorted list, font list in order added",
         Proc::CBS_SORT,
         {{"Serif", tt}, {"mono", tt}, {"Sans", tt}},
         {"mono", "Sans", "Serif"},
         {"Serif", "mono", "Sans"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CKelvoCommonCombo combo(nullptr, row.style);
        for (const Family& family : row.reported) {
            QFont description;
            description.setFamilies({QString::fromLatin1(family.name)});
            EXPECT_EQ(Proc::EnumFontFamExProc(description, family.type, &combo), 1);
        }
        QStringList entries;
        for (int i = 0; i < combo.GetCount(); ++i)
            entries.append(combo.GetLBText(i));
        EXPECT_EQ(entries, Texts(row.entries));
        EXPECT_EQ(combo.FontListNames(), Texts(row.fontList));
    }
}

TEST(KelvoCommonComboTest, GetLogFontNeedsTheExactName) {
    CKelvoCommonCombo combo;
    QFont listed;
    listed.setFamilies({QStringLiteral("Alpha Sans")});
    listed.setWeight(QFont::Bold);
    CKelvoCommonCombo::EnumFontFamExProc(listed, CKelvoCommonCombo::TRUETYPE_FONTTYPE, &combo);
    // Plain entries the owner adds beside the fonts.
    combo.AddString(QStringLiteral("ALPHA SANS"));
    combo.AddString(QStringLiteral("Alpha"));
    struct Row {
        const char* name;
        int select;
        int answer;
    };
    const Row rows[] = {
        {"listed name", 0, 1},
        {"same name in other case", 1, 0},
        {"a prefix of the name", 2, 0},
        {"nothing selected", -1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        combo.SetCurSel(row.select);
        QFont out;
        out.setFamilies({QStringLiteral("untouched")});
        EXPECT_EQ(combo.GetLogFont(&out), row.answer);
        if (row.answer == 1) {
            EXPECT_EQ(out.family(), QStringLiteral("Alpha Sans"));
            EXPECT_EQ(out.weight(), QFont::Bold);
        } else {
            EXPECT_EQ(out.family(), QStringLiteral("untouched"));
        }
    }
}

TEST(KelvoCommonComboTest, SystemFontsListedOnceAndOutlineOnly) {
    // A bitmap font of our own, so the system has at least one.
    const QByteArray bdf =
        "STARTFONT 2.1\n"
        "FONT -misc-KelvoBitmapProbe-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
        "SIZE 8 75 75\nFONTBOUNDINGBOX 8 8 0 0\n"
        "STARTPROPERTIES 3\nFAMILY_NAME \"KelvoBitmapProbe\"\n"
        "FONT_ASCENT 8\nFONT_DESCENT 0\nENDPROPERTIES\n"
        "CHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 1000 0\nDWIDTH 8 0\n"
        "BBX 8 8 0 0\nBITMAP\nFF\n81\n81\n81\n81\n81\n81\nFF\nENDCHAR\n"
        "ENDFONT\n";
    const int bitmapId = QFontDatabase::addApplicationFontFromData(bdf);
    const QStringList bitmapFamilies = QFontDatabase::applicationFontFamilies(bitmapId);
    ASSERT_EQ(bitmapFamilies.size(), 1);
    const QString bitmapFamily = bitmapFamilies.first();
    ASSERT_TRUE(QFontDatabase::families().contains(bitmapFamily));
    ASSERT_FALSE(QFontDatabase::isSmoothlyScalable(bitmapFamily));

    CKelvoCommonCombo combo;
    combo.AddString(QStringLiteral("kept when not clearing"));
    combo.EnumFont(CKelvoCommonCombo::DEFAULT_CHARSET, 0);
    ASSERT_GT(combo.GetCount(), 1);
    EXPECT_EQ(combo.GetLBText(0), QStringLiteral("kept when not clearing"));
    const int first = combo.GetCount();
    combo.EnumFont(CKelvoCommonCombo::DEFAULT_CHARSET, 0);
    EXPECT_EQ(combo.GetCount(), first) << "a second run adds nothing";

    combo.EnumFont(CKelvoCommonCombo::DEFAULT_CHARSET, 1);
    EXPECT_EQ(combo.GetCount(), first - 1);
    QStringList entries;
    for (int i = 0; i < combo.GetCount(); ++i)
        entries.append(combo.GetLBText(i));
    EXPECT_EQ(entries, combo.FontListNames());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries.at(i).toStdString());
        EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(entries.at(i)));
        EXPECT_FALSE(entries.at(i).endsWith(QLatin1Char(']'))) << "a face name, no foundry";
        // Nothing listed earlier begins with a later name.
        for (qsizetype j = 0; j < i; ++j)
            EXPECT_FALSE(entries.at(j).startsWith(entries.at(i), Qt::CaseInsensitive));
    }
    EXPECT_FALSE(entries.contains(bitmapFamily));
    QFontDatabase::removeApplicationFont(bitmapId);
}
