// SPDX-License-Identifier: MIT
// The information window: its texts and picture frame, how each way of
// closing it ends, the documentation it opens, and the menu around it.
#include "dialogs/VendraskInformation.h"

#include "app/VendraskVersion.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonStatic.h"
#include "menu/VendraskMain.h"
#include "tests/gui/VendraskDialogTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using vendrask::test::CModalAnswerer;
using vendrask::test::CVendraskHarness;

namespace {

using Act = std::function<void(CVendraskInformation&)>;

void Key(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, key, modifiers);
}

class VendraskInformationTest : public ::testing::Test, protected CVendraskHarness {
protected:
    QWidget owner;
};

} // namespace

TEST_F(VendraskInformationTest, TextsAndPictureFrame) {
    CVendraskInformation window(App(), &owner);
    window.PrepareRun();
    EXPECT_EQ(window.size(), QSize(500, 220));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vendrask Information"));
    ASSERT_NE(window.CloseButton(), nullptr);
    EXPECT_EQ(window.CloseButton()->geometry(), QRect(478, 3, 16, 15));

    const QString version = window.Text(CVendraskInformation::kIdVersion)->text();
    EXPECT_EQ(window.Text(CVendraskInformation::kIdDescription)->text(),
              QString::fromUtf16(u"Vendrask \uFF5E Application and Folder Launcher \uFF5E"));
    EXPECT_EQ(version,
              QStringLiteral("Version %1 (%2)")
                  .arg(QLatin1String(kVendraskVersion), QLatin1String(kVendraskBuildDate)));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Version \S+ \(\d{4}/\d{2}/\d{2}\)$)"))
                    .match(version)
                    .hasMatch())
        << version.toStdString();
    EXPECT_FALSE(window.Text(CVendraskInformation::kIdNotice)->text().isEmpty());

    // The address button shows the documentation it opens: a README that is there.
    EXPECT_EQ(window.Address().scheme(), QStringLiteral("file"));
    EXPECT_TRUE(QFile::exists(window.Address().toLocalFile()));
    EXPECT_EQ(window.AddressButton()->toolTip(), window.Address().toDisplayString());

    // A 34 x 34 frame one pixel around the 32 x 32 picture.
    const QRect picture = window.Picture()->geometry();
    EXPECT_EQ(picture.size(), QSize(32, 32));
    const QRect frame = CVendraskInformation::PictureFrameRect(picture);
    EXPECT_EQ(frame, QRect(picture.topLeft() - QPoint(1, 1), QSize(34, 34)));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    const QRgb frameColour = App().m_brushDialogFrame.color().rgb();
    EXPECT_EQ(image.pixel(frame.topLeft()) | 0xFF000000, frameColour);
    EXPECT_EQ(image.pixel(frame.bottomRight()) | 0xFF000000, frameColour);
    window.done(1);
}

TEST_F(VendraskInformationTest, AddressShownWholeOrCutInItsMiddle) {
    struct Row {
        const char* name;
        QString path;
        bool whole;
    };
    const Row rows[] = {
        {"short", QStringLiteral("/opt/v/README.md"), true},
        {"longer than the button",
         QStringLiteral("/tmp/%1/share/doc/vendrask/README.md").arg(QString(90, u'y')), false},
    };
    CVendraskInformation window(App(), &owner);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QUrl address = QUrl::fromLocalFile(row.path);
        const QString whole = address.toDisplayString();
        window.SetAddress(address);
        window.PrepareRun();
        const CKelvoCommonButton& button = *window.AddressButton();
        const QString caption = button.text();
        EXPECT_LE(QFontMetricsF(button.font()).horizontalAdvance(caption), button.width() - 2);
        if (row.whole) {
            EXPECT_EQ(caption, whole);
        } else {
            EXPECT_TRUE(caption.startsWith(QStringLiteral("file:///tmp/")))
                << caption.toStdString();
            EXPECT_TRUE(caption.endsWith(QStringLiteral("/README.md"))) << caption.toStdString();
            EXPECT_TRUE(caption.contains(QChar(0x2026))) << caption.toStdString();
        }
        EXPECT_EQ(button.toolTip(), whole);
        EXPECT_EQ(button.accessibleDescription(), whole);
        // The click opens the whole address.
        FakeShell().ClearCalls();
        CModalAnswerer answerer([&](QDialog&) { window.AddressButton()->click(); });
        EXPECT_EQ(window.DoModal(), CVendraskInformation::kResultAddressOpened);
        ASSERT_EQ(FakeShell().Calls().size(), 1);
        EXPECT_EQ(QUrl(FakeShell().Calls().first().file), address);
    }
}

TEST_F(VendraskInformationTest, ResultsAndTheShellCall) {
    CVendraskInformation window(App(), &owner);
    struct Row {
        const char* name;
        Act act;
        int result;
    };
    const Row rows[] = {
        {"close button", [](CVendraskInformation& w) { w.CloseButton()->click(); }, 1},
        {"Escape", [](CVendraskInformation& w) { Key(w, Qt::Key_Escape); }, 1},
        {"Alt+F4", [](CVendraskInformation& w) { Key(w, Qt::Key_F4, Qt::AltModifier); }, 1},
        {"window manager's close", [](CVendraskInformation& w) { w.close(); }, 1},
        {"double click on the background",
         [](CVendraskInformation& w) {
             QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(20, 200));
         },
         1},
        {"address button", [](CVendraskInformation& w) { w.AddressButton()->click(); }, 2},
        {"Enter on the address button",
         [](CVendraskInformation& w) {
             w.AddressButton()->setFocus();
             Key(w, Qt::Key_Return);
         },
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeShell().ClearCalls();
        CModalAnswerer answerer([&](QDialog&) { row.act(window); });
        EXPECT_EQ(window.DoModal(), row.result);
        EXPECT_FALSE(window.isVisible());
        if (row.result == 2) {
            ASSERT_EQ(FakeShell().Calls().size(), 1);
            const CKelvoCommonFakeShell::Call& call = FakeShell().Calls().first();
            EXPECT_EQ(call.kind, CKelvoCommonFakeShell::Call::OpenCall);
            EXPECT_EQ(QUrl(call.file), window.Address());
            EXPECT_TRUE(call.file.startsWith(QStringLiteral("file:///")));
            EXPECT_TRUE(call.parameters.isEmpty());
        } else {
            EXPECT_TRUE(FakeShell().Calls().isEmpty());
        }
    }
}

TEST_F(VendraskInformationTest, DocumentationFoundBesideTheProgramThenInstalled) {
    const QString prefix = QString::fromStdString(dir.File("prefix").string());
    const QString bin = prefix + QStringLiteral("/bin");
    const QString installed = prefix + QStringLiteral("/share/doc/vendrask/README.md");
    ASSERT_TRUE(QDir().mkpath(bin));
    // Nothing installed: the tree the program was built from.
    const QUrl fromTree = CVendraskInformation::DocumentationAddress(bin);
    EXPECT_NE(fromTree.toLocalFile(), installed);
    EXPECT_TRUE(QFile::exists(fromTree.toLocalFile()));
    ASSERT_TRUE(QDir().mkpath(prefix + QStringLiteral("/share/doc/vendrask")));
    QFile readme(installed);
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.close();
    EXPECT_EQ(CVendraskInformation::DocumentationAddress(bin), QUrl::fromLocalFile(installed));
    // The portable folder: the README beside the program wins.
    QFile portable(bin + QStringLiteral("/README.md"));
    ASSERT_TRUE(portable.open(QIODevice::WriteOnly));
    portable.close();
    EXPECT_EQ(CVendraskInformation::DocumentationAddress(bin),
              QUrl::fromLocalFile(portable.fileName()));
}

TEST_F(VendraskInformationTest, MenuHidesQuietlyOnlyAfterTheAddressOpened) {
    App().m_colorSetFadeLevel = 0;
    App().m_soundData[CVendraskApp::SoundMenuClose] = "close";
    CVendraskMain menu(App(), &owner);
    auto& sound = FakeSound();
    struct Row {
        const char* name;
        Act act;
        bool menuVisible;
    };
    const Row rows[] = {
        {"closed", [](CVendraskInformation& w) { Key(w, Qt::Key_Escape); }, true},
        {"address opened", [](CVendraskInformation& w) { w.AddressButton()->click(); }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (!menu.isVisible())
            menu.ToggleMenu();
        ASSERT_TRUE(menu.isVisible());
        const qsizetype soundsBefore = sound.Calls().size();
        int openFlag = 0;
        CModalAnswerer answerer([&](QDialog& dialog) {
            openFlag = menu.IsInformationOpen() ? 1 : 0;
            row.act(dynamic_cast<CVendraskInformation&>(dialog));
        });
        static_cast<CKelvoCommonButton*>(menu.Control(CVendraskMain::kIdInformation))->click();
        EXPECT_EQ(answerer.Titles(), QStringList{QStringLiteral("Vendrask Information")});
        EXPECT_EQ(openFlag, 1);
        EXPECT_EQ(menu.IsInformationOpen(), false);
        EXPECT_EQ(menu.isVisible(), row.menuVisible);
        EXPECT_EQ(menu.IsQuietHideAsked(), false);
        EXPECT_EQ(sound.Calls().size(), soundsBefore) << "no close sound";
    }
}

TEST_F(VendraskInformationTest, CloseEndsAnOpenInformationWindow) {
    CVendraskMain menu(App(), &owner);
    int result = -1;
    CModalAnswerer answerer([&](QDialog&) { menu.CloseLauncher(); });
    QTimer::singleShot(0, &menu, [&] {
        static_cast<CKelvoCommonButton*>(menu.Control(CVendraskMain::kIdInformation))->click();
    });
    result = menu.RunModalLoop();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(answerer.Titles(), QStringList{QStringLiteral("Vendrask Information")});
    EXPECT_EQ(menu.IsInformationOpen(), false);
}
