// SPDX-License-Identifier: MIT
// The small windows on their own: frame, results, storing on close, and
// the choosers of the item setting window.
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCapture.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/system/KelvoCommonShortcutFile.h"
#include "dialogs/VendraskConfigSound.h"
#include "dialogs/VendraskConfirmation.h"
#include "dialogs/VendraskFileChooser.h"
#include "dialogs/VendraskGroupTitle.h"
#include "dialogs/VendraskItemFile.h"
#include "dialogs/VendraskItemSetting.h"
#include "dialogs/VendraskWindowFrame.h"
#include "menu/VendraskMain.h"
#include "tests/gui/VendraskDialogTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using vendrask::test::CModalAnswerer;
using vendrask::test::CVendraskHarness;
using vendrask::test::WriteBytes;

namespace {

class VendraskSmallWindowTest : public ::testing::Test, protected CVendraskHarness {
protected:
    static void Key(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
        QTest::keyClick(target, key, modifiers);
    }
    QString Path(const char* name) const { return QString::fromStdString(dir.File(name).string()); }

    QWidget owner;
};

} // namespace

TEST_F(VendraskSmallWindowTest, FrameOfEachWindow) {
    CVendraskConfirmation confirmation(App(), &owner);
    CVendraskItemSetting setting(App(), &owner);
    CVendraskGroupTitle title(App(), &owner);
    struct Row {
        const char* name;
        CVendraskSmallWindow* window;
        QSize size;
        QString text;
        CVendraskSmallWindow::Placement placement;
        bool hasClose;
    };
    using Placement = CVendraskSmallWindow::Placement;
    const Row rows[] = {
        {"confirmation",
         &confirmation,
         {500, 220},
         QStringLiteral("Vendrask Confirmation"),
         Placement::PointerMonitorTopMost,
         false},
        {"item setting",
         &setting,
         {790, 210},
         QStringLiteral("Vendrask Item Setting"),
         Placement::PointerMonitorTopMost,
         true},
        {"group title",
         &title,
         {790, 100},
         QStringLiteral("Vendrask Group Title"),
         Placement::PrimaryScreen,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.window->PrepareRun();
        EXPECT_EQ(row.window->size(), row.size);
        EXPECT_EQ(row.window->windowTitle(), row.text);
        EXPECT_TRUE(row.window->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(row.window->WindowPlacement(), row.placement);
        ASSERT_EQ(row.window->CloseButton() != nullptr, row.hasClose);
        if (row.hasClose) {
            EXPECT_EQ(row.window->CloseButton()->geometry(),
                      QRect(row.size.width() - 22, 3, 16, 15));
            EXPECT_EQ(row.window->CloseButton()->BitmapNormal().cacheKey(),
                      App().m_captionBitmap[4].cacheKey());
        }
    }
    EXPECT_EQ(CVendraskWindowFrame::TitleRect(500), QRect(1, 1, 498, 21));
}

TEST_F(VendraskSmallWindowTest, ConfirmationResults) {
    CVendraskConfirmation confirmation(App(), &owner);
    struct Row {
        const char* name;
        std::function<void(CVendraskConfirmation&)> act;
        int result;
    };
    const Row rows[] = {
        {"OK", [](CVendraskConfirmation& w) { w.OkButton()->click(); }, 1},
        {"Cancel", [](CVendraskConfirmation& w) { w.CancelButton()->click(); }, 2},
        {"Escape", [](CVendraskConfirmation& w) { Key(w, Qt::Key_Escape); }, 2},
        {"Alt+F4", [](CVendraskConfirmation& w) { Key(w, Qt::Key_F4, Qt::AltModifier); }, 2},
        {"window manager's close", [](CVendraskConfirmation& w) { w.close(); }, 2},
        {"double click on the background",
         [](CVendraskConfirmation& w) {
             QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(20, 200));
         },
         2},
        {"Enter on OK",
         [](CVendraskConfirmation& w) {
             w.OkButton()->setFocus();
             Key(w, Qt::Key_Return);
         },
         1},
        {"Enter on Cancel",
         [](CVendraskConfirmation& w) {
             w.CancelButton()->setFocus();
             Key(w, Qt::Key_Return);
         },
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        confirmation.m_confirmationMessage = CVendraskConfirmation::DeleteQuestion();
        QString shown;
        CModalAnswerer answerer([&](QDialog&) {
            shown = confirmation.MessageText()->text();
            row.act(confirmation);
        });
        EXPECT_EQ(confirmation.DoModal(), row.result);
        EXPECT_EQ(shown, QStringLiteral("Are you sure you want to \"Delete\" this item ?"));
        EXPECT_FALSE(confirmation.isVisible());
    }
}

TEST_F(VendraskSmallWindowTest, OpacityFromTransparencyAndTopMostOnlyWherePlaced) {
    struct Row {
        const char* name;
        int transparency;
    };
    const Row rows[] = {{"opaque is not layered", 255}, {"translucent", 160}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        App().m_colorSetTransparency = row.transparency;
        FakeWindowSystem().ClearCalls();
        CVendraskConfirmation confirmation(App(), &owner);
        CModalAnswerer answerer([&](QDialog&) { confirmation.OkButton()->click(); });
        confirmation.DoModal();
        ASSERT_FALSE(FakeWindowSystem().OpacityCalls().isEmpty());
        EXPECT_EQ(FakeWindowSystem().OpacityCalls().last().alpha, row.transparency);
        EXPECT_DOUBLE_EQ(confirmation.windowOpacity(), row.transparency / 255.0);
        EXPECT_TRUE(FakeWindowSystem().IsTopMost(&confirmation));
    }
    FakeWindowSystem().ClearCalls();
    CVendraskGroupTitle title(App(), &owner);
    CModalAnswerer answerer([](QDialog& d) { Key(d, Qt::Key_Escape); });
    title.DoModal();
    EXPECT_TRUE(FakeWindowSystem().TopMostCalls().isEmpty()) << "the group title window stays put";
}

TEST_F(VendraskSmallWindowTest,
       ModalWindowOverItGivesTheLighterStripAndLeavesTheCaptionButtonsAsTheyAre) {
    CVendraskMain menu(App(), &owner);
    CVendraskGroupTitle title(App(), &owner);
    title.PrepareRun();
    struct Row {
        const char* name;
        QWidget* window;
        std::vector<CKelvoCommonButton*> captionButtons;
    };
    const Row rows[] = {
        {"menu window",
         &menu,
         {static_cast<CKelvoCommonButton*>(menu.Control(CVendraskMain::kIdHide)),
          static_cast<CKelvoCommonButton*>(menu.Control(CVendraskMain::kIdInformation))}},
        {"group title window", &title, {title.CloseButton()}},
    };
    const auto flags = [](const Row& row, int (CKelvoCommonButton::*flag)() const) {
        std::vector<int> values;
        for (const CKelvoCommonButton* button : row.captionButtons)
            values.push_back((button->*flag)());
        return values;
    };
    const QPoint strip(500, 10);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        App().m_colorSetInvertTitlebar = 0;
        row.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(row.window));
        const QImage enabled = row.window->grab().toImage();
        const QImage buttonEnabled = row.captionButtons.front()->grab().toImage();
        QEvent blocked(QEvent::WindowBlocked);
        QApplication::sendEvent(row.window, &blocked);
        const QImage disabled = row.window->grab().toImage();
        EXPECT_GT(qGray(disabled.pixel(strip)), qGray(enabled.pixel(strip)));
        EXPECT_EQ(flags(row, &CKelvoCommonButton::FlagEnable),
                  std::vector<int>(row.captionButtons.size(), 1));
        EXPECT_EQ(row.captionButtons.front()->grab().toImage(), buttonEnabled)
            << "not the hovered picture";
        QEvent unblocked(QEvent::WindowUnblocked);
        QApplication::sendEvent(row.window, &unblocked);
        EXPECT_EQ(flags(row, &CKelvoCommonButton::FlagEnable),
                  std::vector<int>(row.captionButtons.size(), 1));
        App().m_colorSetInvertTitlebar = 1;
        row.window->grab();
        EXPECT_EQ(flags(row, &CKelvoCommonButton::FlagInvert),
                  std::vector<int>(row.captionButtons.size(), 1));
        row.window->hide();
    }
    title.done(1);
}

TEST_F(VendraskSmallWindowTest, TitleDragTakesTheLeftButtonAloneAndLetsGoOfTheCapture) {
    // The menu window and a small window move by the same rule.
    CVendraskMain menu(App(), &owner);
    CVendraskGroupTitle title(App(), &owner);
    title.PrepareRun();
    struct Row {
        const char* name;
        QPoint at;
        Qt::KeyboardModifiers modifiers;
        bool drags;
    };
    const Row rows[] = {
        {"left button on the strip", {300, 10}, Qt::NoModifier, true},
        {"with Shift", {300, 10}, Qt::ShiftModifier, false},
        {"with Ctrl", {300, 10}, Qt::ControlModifier, false},
        {"below the strip", {300, 40}, Qt::NoModifier, false},
    };
    for (QWidget* window : {static_cast<QWidget*>(&menu), static_cast<QWidget*>(&title)}) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        auto* holder = window->findChild<CKelvoCommonButton*>();
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(window->windowTitle().toStdString()) + ": " + row.name);
            CKelvoCommonCapture::SetCapture(holder);
            QMouseEvent move(QEvent::MouseMove, row.at, window->mapToGlobal(row.at), Qt::NoButton,
                             Qt::LeftButton, row.modifiers);
            QApplication::sendEvent(window, &move);
            EXPECT_EQ(CKelvoCommonCapture::GetCapture() == nullptr, row.drags);
            CKelvoCommonCapture::ReleaseCapture(holder);
        }
        window->hide();
    }
    title.done(1);
}

TEST_F(VendraskSmallWindowTest, ItemSettingStoresHoweverItEnds) {
    CVendraskItemSetting setting(App(), &owner);
    struct Row {
        const char* name;
        int slot;
        QString letter;
        std::function<void(CVendraskItemSetting&)> close;
    };
    const Row rows[] = {
        {"Escape", 2, QStringLiteral("C"), [](CVendraskItemSetting& w) { Key(w, Qt::Key_Escape); }},
        {"close button", 0, QStringLiteral("A"),
         [](CVendraskItemSetting& w) { w.CloseButton()->click(); }},
        {"Alt+F4", 25, QStringLiteral("Z"),
         [](CVendraskItemSetting& w) { Key(w, Qt::Key_F4, Qt::AltModifier); }},
        {"closed from outside", 7, QStringLiteral("H"), [](CVendraskItemSetting& w) { w.done(1); }},
    };
    setting.m_itemGroup = 4;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setting.m_itemIndex = row.slot;
        QString label;
        CModalAnswerer answerer([&](QDialog&) {
            label = setting.ItemLabel()->text();
            setting.Edit(CVendraskItemSetting::FieldName)->setText(QStringLiteral("Notes"));
            setting.Edit(CVendraskItemSetting::FieldPath)->setText(QStringLiteral("/usr/bin/vi"));
            setting.Edit(CVendraskItemSetting::FieldOption)->setText(QStringLiteral("-R \"a b\""));
            setting.Edit(CVendraskItemSetting::FieldWorkingFolder)->setText(QString());
            row.close(setting);
        });
        EXPECT_EQ(setting.DoModal(), 1);
        EXPECT_EQ(label, QStringLiteral("Item Setting for \"%1\"").arg(row.letter));
        const ItemRecord expected =
            vendrask::test::MakeItem(u"Notes", u"/usr/bin/vi", u"-R \"a b\"", u"");
        EXPECT_EQ(App().m_item[4 * 26 + row.slot], expected);
        EXPECT_EQ(Reloaded()->m_item[4 * 26 + row.slot], expected) << "saved at once";
    }
}

TEST_F(VendraskSmallWindowTest, ItemSettingLimitsTheNameAsTypedAndRefusesATooLongPath) {
    CVendraskItemSetting setting(App(), &owner);
    setting.m_itemIndex = 1;
    const QString longPath = QStringLiteral("/opt/") + QString(300, QLatin1Char('p'));
    CModalAnswerer answerer([&](QDialog&) {
        CKelvoCommonEdit* name = setting.Edit(CVendraskItemSetting::FieldName);
        name->clear();
        name->setFocus();
        QTest::keyClicks(name, QString(40, QLatin1Char('n')));
        setting.Edit(CVendraskItemSetting::FieldPath)->setText(longPath);
        Key(setting, Qt::Key_Escape);
    });
    App().m_item[1].Path.Assign(QStringLiteral("/bin/true"));
    setting.DoModal();
    EXPECT_EQ(App().m_item[1].Name.ToQString(), QString(36, QLatin1Char('n')));
    // A cut path would name another file: the old one stays, and the user
    // is told.
    EXPECT_EQ(App().m_item[1].Path.ToQString(), QStringLiteral("/bin/true"));
    auto& box = FakeMessageBox();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box.Shown().isEmpty(); }));
    EXPECT_EQ(box.Shown(), QStringList{QStringLiteral(
                               "A path can have at most 259 characters; the longer one was not "
                               "stored.")});
}

TEST_F(VendraskSmallWindowTest, BrowseFileFillsTheFields) {
    const QString link = Path("Editor.lnk");
    const QString upperLink = Path("EDITOR2.LNK");
    for (const QString& file : {link, upperLink}) {
        ASSERT_EQ(CKelvoCommonShortcutFile::WriteLnk(QFile::encodeName(file).toStdString(),
                                                     u"C:\\Tools\\editor.exe", u"-n file.txt",
                                                     u"C:\\Work"),
                  KelvoShortcutStatus::Ok);
    }
    const QString entry = Path("viewer.desktop");
    WriteBytes(dir.File("viewer.desktop"),
               "[Desktop Entry]\nType=Application\nName=Image Viewer\n"
               "Exec=/usr/bin/viewer --new %F \"--title=My %% pics\"\nPath=/srv/pics\n");
    const QString program = Path("tool.sh");
    WriteBytes(dir.File("tool.sh"), "#!/bin/sh\n");

    struct Row {
        const char* name;
        QString chosen; // empty: the chooser is cancelled
        ItemRecord expected;
    };
    using vendrask::test::MakeItem;
    const ItemRecord before = MakeItem(u"Old", u"/old/path", u"--old", u"/old");
    const Row rows[] = {
        {"a link is read, not followed", link,
         MakeItem(u"Editor", u"C:\\Tools\\editor.exe", u"-n file.txt", u"C:\\Work")},
        {"a link written in capitals", upperLink,
         MakeItem(u"EDITOR2", u"C:\\Tools\\editor.exe", u"-n file.txt", u"C:\\Work")},
        {"a desktop entry is kept whole, under its own name", entry,
         MakeItem(u"Image Viewer", entry.toStdU16String().c_str(), u"", u"")},
        {"a plain program empties option and folder", program,
         MakeItem(u"tool", program.toStdU16String().c_str(), u"", u"")},
        {"cancelled changes nothing", QString(), before},
    };
    CVendraskItemSetting setting(App(), &owner);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        App().m_item[0] = before;
        QString startFolder = QStringLiteral("unset");
        setting.SetFileChooser([&](QWidget*, const QString& start) {
            startFolder = start;
            return row.chosen;
        });
        setting.m_itemIndex = 0;
        CModalAnswerer answerer([&](QDialog&) {
            setting.Edit(CVendraskItemSetting::FieldPath)->setText(program);
            setting.Button(CVendraskItemSetting::kIdBrowseFile)->click();
            Key(setting, Qt::Key_Escape);
        });
        App().m_item[0].Path.Assign(program);
        ItemRecord expected = row.expected;
        if (row.chosen.isEmpty())
            expected.Path.Assign(program);
        setting.DoModal();
        EXPECT_EQ(startFolder, QString::fromStdString(dir.Path().string()) + u'/')
            << "starts in the folder of an existing path";
        EXPECT_EQ(App().m_item[0], expected);
    }
}

TEST_F(VendraskSmallWindowTest, BrowseFolderReplacesOnlyItsEdit) {
    CVendraskItemSetting setting(App(), &owner);
    struct Row {
        const char* name;
        int button;
        QString chosen;
        QString path;
        QString folder;
    };
    const Row rows[] = {
        {"path folder", CVendraskItemSetting::kIdBrowsePathFolder, QStringLiteral("/srv/a"),
         QStringLiteral("/srv/a"), QStringLiteral("/w")},
        {"working folder", CVendraskItemSetting::kIdBrowseWorkingFolder, QStringLiteral("/srv/b"),
         QStringLiteral("/p"), QStringLiteral("/srv/b")},
        {"cancelled", CVendraskItemSetting::kIdBrowseWorkingFolder, QString(), QStringLiteral("/p"),
         QStringLiteral("/w")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QString offered;
        setting.SetFolderChooser([&](QWidget*, const QString& current) {
            offered = current;
            return row.chosen;
        });
        CModalAnswerer answerer([&](QDialog&) {
            setting.Edit(CVendraskItemSetting::FieldPath)->setText(QStringLiteral("/p"));
            setting.Edit(CVendraskItemSetting::FieldWorkingFolder)->setText(QStringLiteral("/w"));
            setting.Button(row.button)->click();
            Key(setting, Qt::Key_Escape);
        });
        setting.DoModal();
        EXPECT_EQ(offered, row.button == CVendraskItemSetting::kIdBrowsePathFolder
                               ? QStringLiteral("/p")
                               : QStringLiteral("/w"));
        EXPECT_EQ(App().m_item[0].Path.ToQString(), row.path);
        EXPECT_EQ(App().m_item[0].WorkingFolder.ToQString(), row.folder);
    }
}

TEST_F(VendraskSmallWindowTest, GroupTitleStoresWhatTheFieldHolds) {
    CVendraskGroupTitle title(App(), &owner);
    struct Row {
        const char* name;
        QString typed;
        QString stored;
    };
    const Row rows[] = {
        {"empty text", QString(), QString()},
        {"typing stops at 64", QString(70, QLatin1Char('t')), QString(64, QLatin1Char('t'))},
        {"Japanese", QString::fromUtf16(u"仕事のツール"), QString::fromUtf16(u"仕事のツール")},
    };
    title.m_groupIndex = 6;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CModalAnswerer answerer([&](QDialog&) {
            title.TitleEdit()->clear();
            title.TitleEdit()->setFocus();
            title.TitleEdit()->insert(row.typed); // as typed, at the cursor
            Key(title, Qt::Key_Escape);
        });
        EXPECT_EQ(title.DoModal(), 1);
        EXPECT_EQ(App().m_groupTitle[6].ToQString(), row.stored);
        EXPECT_EQ(Reloaded()->m_groupTitle[6].ToQString(), row.stored);
    }
}

TEST(VendraskFileChooserTest, FilterCaptionsReadAsGiven) {
    const struct {
        const char* name;
        QString filter;
        QString caption;
    } rows[] = {
        {"the Sound page", CVendraskConfigSound::FileFilter(),
         QString::fromUtf16(u"WAVファイル(*.wav)")},
        {"the item setting window", CVendraskItemSetting::FileFilter(),
         QString::fromUtf16(u"すべてのファイル(*.*)")},
    };
    for (const auto& row : rows) {
        const auto chooser = VendraskMakeFileChooser(nullptr, QDir::tempPath(), row.filter);
        const auto* types = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr) << row.name;
        EXPECT_EQ(types->itemText(0), row.caption) << row.name;
    }
}

TEST(VendraskItemFileTest, NamesFromPaths) {
    struct Row {
        const char* name;
        QString path;
        QString itemName;
    };
    const Row rows[] = {
        {"extension goes", QStringLiteral("/home/u/Editor.lnk"), QStringLiteral("Editor")},
        {"only the last extension", QStringLiteral("/a/backup.tar.gz"),
         QStringLiteral("backup.tar")},
        {"folders lose a dotted part too", QStringLiteral("/home/u/My.Folder"),
         QStringLiteral("My")},
        {"trailing slash of a folder", QStringLiteral("/home/u/Docs/"), QStringLiteral("Docs")},
        {"a dot file keeps its name", QStringLiteral("/home/u/.profile"),
         QStringLiteral(".profile")},
        {"Japanese", QString::fromUtf16(u"/home/u/メモ帳.txt"), QString::fromUtf16(u"メモ帳")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(VendraskItemFile::NameOf(row.path), row.itemName);
    }
}
