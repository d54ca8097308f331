// SPDX-License-Identifier: MIT
#include "menu/VendraskMain.h"

#include "app/VendraskApp.h"
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonStatic.h"
#include "dialogs/VendraskWindowFrame.h"
#include "tests/support/VendraskMenuHarness.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using vendrask::test::CVendraskMenuHarness;

namespace {

class VendraskMainTest : public ::testing::Test, protected CVendraskMenuHarness {
protected:
    void SetUp() override {
        app->m_item[3 * 26 + 2].Name.Assign(QStringLiteral("Third group C"));
        MakeMenu();
    }
    void ShowMenu() {
        menu->show();
        menu->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.get()));
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = menu->focusWidget() ? menu->focusWidget() : menu.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    int FocusedId() const { return CVendraskMain::ControlId(menu->focusWidget()); }
};

} // namespace

TEST_F(VendraskMainTest, ControlsStandWhereTheTemplatePutsThem) {
    EXPECT_EQ(menu->size(), QSize(790, 550));
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Vendrask"));
    EXPECT_TRUE(menu->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(menu->isVisible()) << "built hidden";
    // Dialog units: x * 6 / 4, y * 13 / 8.
    EXPECT_EQ(menu->Control(1084)->geometry(), QRect(41, 33, 711, 21));
    EXPECT_EQ(menu->Control(1001)->geometry().topLeft(), QPoint(41, 62));
    EXPECT_EQ(menu->Control(1000)->geometry().left(), 689) << "group 0 is the rightmost";
    EXPECT_EQ(menu->Control(1010)->geometry(), QRect(41, 93, 328, 21));
    EXPECT_EQ(menu->Control(1023)->geometry().left(), 423);
    EXPECT_EQ(menu->Control(1082)->geometry(), CVendraskMain::kHideRect);
    EXPECT_EQ(menu->Control(1083)->geometry(), CVendraskMain::kInformationRect);
    for (int s = 0; s < 26; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(menu->Label(s)->text(), QString(QLatin1Char(static_cast<char>('A' + s))));
        EXPECT_TRUE(menu->ItemButton(s)->acceptDrops());
        EXPECT_EQ(menu->ItemButton(s)->FlagBeginDrag(), 1);
    }
    EXPECT_FALSE(menu->ItemMenuAction(CVendraskMain::kCmdPaste)->isEnabled());
    EXPECT_EQ(menu->ItemMenuAction(161)->text(), QString::fromUtf16(u"最近使ったファイル"));
}

TEST_F(VendraskMainTest, TabOrderFollowsTheTemplate) {
    ShowMenu();
    menu->Control(1084)->setFocus();
    QList<int> order;
    QWidget* w = menu->Control(1084);
    for (int i = 0; i < 41; ++i) {
        order.append(CVendraskMain::ControlId(w));
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
    }
    QList<int> expected{1084, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1000};
    for (int id = 1010; id <= 1035; ++id)
        expected.append(id);
    expected += {1085, 1082, 1083, 1084};
    EXPECT_EQ(order, expected);
}

TEST_F(VendraskMainTest, KeyboardTable) {
    ShowMenu();
    struct Row {
        const char* name;
        int startGroup;
        int focusId; // 0: leave the focus where ShowCurrentGroup put it
        int key;
        Qt::KeyboardModifiers modifiers;
        int group;
        int focusedId;
        int clickSounds;
        int hoverSounds;
    };
    const Row rows[] = {
        {"3 shows group 3", 0, 0, Qt::Key_3, Qt::NoModifier, 3, 1003, 1, 0},
        {"0 is the rightmost button", 5, 0, Qt::Key_0, Qt::NoModifier, 0, 1000, 1, 0},
        {"keypad 7 shows group 7", 0, 0, Qt::Key_7, Qt::KeypadModifier, 7, 1007, 1, 0},
        {"PageDown on 9 wraps to 0", 9, 0, Qt::Key_PageDown, Qt::NoModifier, 0, 1000, 1, 0},
        {"Right moves to the next group", 4, 0, Qt::Key_Right, Qt::NoModifier, 5, 1005, 1, 0},
        {"PageUp on 0 wraps to 9", 0, 0, Qt::Key_PageUp, Qt::NoModifier, 9, 1009, 1, 0},
        {"Left moves to the previous group", 4, 0, Qt::Key_Left, Qt::NoModifier, 3, 1003, 1, 0},
        {"Down on Z wraps to A", 2, 1035, Qt::Key_Down, Qt::NoModifier, 2, 1010, 0, 1},
        {"Up on A wraps to Z", 2, 1010, Qt::Key_Up, Qt::NoModifier, 2, 1035, 0, 1},
        {"Down off the items goes to A", 2, 1085, Qt::Key_Down, Qt::NoModifier, 2, 1010, 0, 1},
        {"Up off the items goes to Z", 2, 1085, Qt::Key_Up, Qt::NoModifier, 2, 1035, 0, 1},
        {"Down moves one item on", 2, 1012, Qt::Key_Down, Qt::NoModifier, 2, 1013, 0, 1},
        {"letter C focuses slot 2 with a click", 1, 0, Qt::Key_C, Qt::NoModifier, 1, 1012, 1, 0},
        {"shift does not matter to letters", 1, 0, Qt::Key_Q, Qt::ShiftModifier, 1, 1026, 1, 0},
        {"Space does nothing", 6, 1015, Qt::Key_Space, Qt::NoModifier, 6, 1015, 0, 0},
    };
    app->m_soundFlag = 1;
    // A letter on an empty item would open the editor; under the lock it
    // does nothing, which keeps this table about the keys.
    app->m_behaviorItemLock = 1;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        app->m_currentGroup = row.startGroup;
        menu->ShowCurrentGroup();
        if (row.focusId != 0)
            menu->Control(row.focusId)->setFocus();
        const auto before = FakeSound().Calls();
        Key(row.key, row.modifiers);
        EXPECT_EQ(app->m_currentGroup, row.group);
        EXPECT_EQ(FocusedId(), row.focusedId);
        EXPECT_EQ(menu->GroupButton(row.group)->GetCheck(), 1);
        int clicks = 0;
        int hovers = 0;
        for (qsizetype i = before.size(); i < FakeSound().Calls().size(); ++i) {
            const auto& call = FakeSound().Calls()[i];
            if (call.kind != CKelvoCommonFakeSound::Call::PlayCall)
                continue;
            (call.flags & CKelvoCommonSound::NoStop ? hovers : clicks) += 1;
        }
        EXPECT_EQ(clicks, row.clickSounds);
        EXPECT_EQ(hovers, row.hoverSounds);
        EXPECT_TRUE(menu->isVisible());
    }
}

TEST_F(VendraskMainTest, DigitsAndLettersByTheKeysPlace) {
    ShowMenu();
    // X key codes of the places: the number row's 1, Q and C of a US keyboard.
    auto& keyboard = FakeKeyboard();
    keyboard.SetKey(10, '1');
    keyboard.SetKey(24, 'Q');
    keyboard.SetKey(54, 'C');
    struct Row {
        const char* name;
        quint32 scanCode;
        int key; // what Qt makes of it in the layout
        Qt::KeyboardModifiers modifiers;
        int group;
        int focusedId;
        bool pasteOn; // Ctrl+C copied the focused item
    };
    const Row rows[] = {
        {"Shift+1 shows group 1", 10, Qt::Key_Exclam, Qt::ShiftModifier, 1, 1001, false},
        {"a Cyrillic letter focuses the item of its place", 24, 0x0419, Qt::NoModifier, 0, 1026,
         false},
        {"Alt with a letter starts nothing", 54, Qt::Key_C, Qt::AltModifier, 0, 1000, false},
        {"Ctrl with a Cyrillic letter is the accelerator of its place", 54, 0x0421,
         Qt::ControlModifier, 3, 1012, true},
    };
    app->m_behaviorConfirmationDialog = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The Ctrl row copies item C of group 3; a letter would open the
        // editor of an empty item, which the lock keeps shut.
        app->m_behaviorItemLock = row.pasteOn ? 0 : 1;
        app->m_currentGroup = row.pasteOn ? 3 : 0;
        menu->ShowCurrentGroup();
        if (row.pasteOn)
            menu->ItemButton(2)->setFocus();
        QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, row.scanCode, 0, 0);
        QApplication::sendEvent(menu->focusWidget(), &press);
        EXPECT_EQ(app->m_currentGroup, row.group);
        EXPECT_EQ(FocusedId(), row.focusedId);
        EXPECT_EQ(menu->ItemMenuAction(CVendraskMain::kCmdPaste)->isEnabled(), row.pasteOn);
        EXPECT_TRUE(menu->isVisible());
    }
}

TEST_F(VendraskMainTest, EscapeHidesAndNothingHappensWhileHidden) {
    ShowMenu();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    app->m_currentGroup = 2;
    QTest::keyClick(menu.get(), Qt::Key_5);
    EXPECT_EQ(app->m_currentGroup, 2);
}

TEST_F(VendraskMainTest, EnterClicksTheFocusedControlAtItsCentre) {
    ShowMenu();
    menu->Control(1003)->setFocus();
    Key(Qt::Key_Return);
    auto& input = FakeInput();
    ASSERT_EQ(input.Clicks().size(), 1);
    const QRect global(menu->Control(1003)->mapToGlobal(QPoint(0, 0)), menu->Control(1003)->size());
    // (left + right) / 2 with right exclusive, as the original integer division.
    const QPoint centre((global.left() + global.left() + global.width()) / 2,
                        (global.top() + global.top() + global.height()) / 2);
    EXPECT_EQ(input.Clicks().first(), centre);
}

TEST_F(VendraskMainTest, OnlyTheVerticalWheelChangesGroups) {
    ShowMenu();
    struct Row {
        const char* name;
        int startGroup;
        std::vector<QPoint> angleDeltas;
        int group;
    };
    const Row rows[] = {
        {"towards the user on 9 wraps to 0", 9, {{0, -120}}, 0},
        {"away from the user on 0 wraps to 9", 0, {{0, 120}}, 9},
        {"a horizontal wheel does nothing", 4, {{120, 0}}, 4},
        {"a sideways swipe does nothing", 4, {{-15, 0}, {-15, 0}}, 4},
        {"a diagonal swipe follows its vertical part", 4, {{-40, -8}, {-40, -60}, {-9, -60}}, 5},
        {"a touchpad's parts of a notch are one group", 4, {{0, 40}, {0, 40}, {0, 40}}, 3},
        {"less than a notch does nothing", 4, {{0, -60}, {0, -50}}, 4},
        {"a turn back starts counting afresh", 4, {{0, -100}, {0, 100}}, 4},
    };
    const QPoint centre(400, 300);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        app->m_currentGroup = row.startGroup;
        menu->ShowCurrentGroup();
        for (const QPoint& delta : row.angleDeltas) {
            QWheelEvent wheel(centre, menu->mapToGlobal(centre), QPoint(), delta, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(menu.get(), &wheel);
        }
        EXPECT_EQ(app->m_currentGroup, row.group);
        // What is left of a row does not carry into the next.
        QWheelEvent reset(centre, menu->mapToGlobal(centre), QPoint(), {0, 1000}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(menu.get(), &reset);
    }
}

TEST_F(VendraskMainTest, RightClickAndMenuKeyRules) {
    struct Row {
        const char* name;
        int key; // 0: the right click
        Qt::KeyboardModifiers modifiers;
        int lock;
        int focusId;
        bool menuOpened;
        bool stillVisible;
    };
    const Row rows[] = {
        {"on an item opens the item menu", 0, {}, 0, 1012, true, true},
        {"elsewhere hides the window", 0, {}, 0, 1085, false, false},
        {"under the item lock on an item does nothing", 0, {}, 1, 1012, false, true},
        {"under the item lock elsewhere does nothing", 0, {}, 1, 1085, false, true},
        {"menu key on an item opens it there", Qt::Key_Menu, {}, 0, 1012, true, true},
        {"shift+F10 on an item opens it there", Qt::Key_F10, Qt::ShiftModifier, 0, 1012, true,
         true},
        {"menu key elsewhere keeps the window", Qt::Key_Menu, {}, 0, 1085, false, true},
        {"menu key under the item lock does nothing", Qt::Key_Menu, {}, 1, 1012, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ShowMenu();
        app->m_behaviorItemLock = row.lock;
        QWidget* focused = menu->Control(row.focusId);
        focused->setFocus();
        bool opened = false;
        QPoint at;
        menu->SetPopupRunner([&](QMenu& m, QPoint point) {
            opened = &m == menu->ItemMenu();
            at = point;
            return nullptr;
        });
        if (row.key == 0) {
            KelvoCommonPostMessage(menu.get(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
            QCoreApplication::processEvents();
        } else {
            QTest::keyClick(menu.get(), static_cast<Qt::Key>(row.key), row.modifiers);
        }
        EXPECT_EQ(opened, row.menuOpened);
        EXPECT_EQ(menu->isVisible(), row.stillVisible);
        if (opened && row.key != 0) {
            EXPECT_EQ(at, focused->mapToGlobal(focused->rect().center()));
        }
    }
}

TEST_F(VendraskMainTest, ItemNamesFollowTheGroup) {
    app->m_currentGroup = 3;
    menu->ShowCurrentGroup();
    EXPECT_EQ(menu->ItemButton(2)->text(), QStringLiteral("Third group C"));
    EXPECT_EQ(menu->ItemButton(0)->text(), QString());
    EXPECT_EQ(menu->Control(1084)->property("text").toString(), QStringLiteral("Group3"));
    app->m_currentGroup = 0;
    menu->ShowCurrentGroup();
    EXPECT_EQ(menu->ItemButton(0)->text(), QStringLiteral("Internet Explorer"));
}

TEST_F(VendraskMainTest, GradientOnlyOnFirstPaintAndAfterAColourChange) {
    ShowMenu();
    menu->grab();
    menu->grab();
    EXPECT_EQ(menu->BackgroundPaintCount(), 1);
    const QImage before = menu->grab().toImage();

    app->m_colorSetIndex = 5;
    app->ApplyColorSet();
    KelvoCommonSendMessage(menu.get(), WM_APP_COLORCHANGED);
    const QImage after = menu->grab().toImage();
    EXPECT_EQ(menu->BackgroundPaintCount(), 2);
    // Just above the configuration button: the gradient's lower part.
    const QPoint probe(20, 500);
    EXPECT_NE(before.pixel(probe), after.pixel(probe));
    EXPECT_GT(qBlue(after.pixel(probe)), qRed(after.pixel(probe))) << "Ocean Cobalt is blue";
    // The one column kept, stretched, paints what the whole gradient would.
    QImage whole(after.size(), after.format());
    QPainter painter(&whole);
    CVendraskWindowFrame::PaintBackground(painter, menu->rect(), *app);
    painter.end();
    const QPoint corner(menu->width() - 1, menu->height() - 1);
    for (const QPoint point : {probe, QPoint(menu->width() - 3, 500), QPoint(0, 300), corner})
        EXPECT_EQ(after.pixel(point), whole.pixel(point)) << point.x() << "," << point.y();
    EXPECT_EQ(menu->ItemButton(0)->m_color.colorBackgroundDefault,
              CVendraskApp::BuiltInColorSet(5)[5]);

    if (const QByteArray folder = qgetenv("VENDRASK_SCREENSHOT_DIR"); !folder.isEmpty())
        after.save(QString::fromLocal8Bit(folder) + QStringLiteral("/menu.png"));
}

TEST_F(VendraskMainTest, ACallUpBeforeTheFontsAreMadeShowsTheMenuWithThem) {
    // As start-up leaves the model when the hot key is armed: no fonts yet.
    std::unique_ptr<CVendraskApp> early = MakeApp();
    early->LoadFromIniFile();
    early->ApplyColors();
    ASSERT_FALSE(early->FontsMade());
    CVendraskMain waiting(*early, owner.get());
    waiting.ReleaseKeepHidden();
    waiting.ShowMenu();
    ASSERT_TRUE(early->FontsMade());
    EXPECT_GT(early->m_fontButton.pixelSize(), 0);
    EXPECT_EQ(waiting.Control(CVendraskMain::kIdItemFirst)->font(), early->m_fontButton);
    waiting.HideMenu();
}

TEST_F(VendraskMainTest, OpacityFromTheTransparencySetting) {
    auto& windows = FakeWindowSystem();
    windows.ClearCalls();
    app->m_colorSetTransparency = 160;
    menu->ApplyAppearance();
    ASSERT_FALSE(windows.OpacityCalls().isEmpty());
    EXPECT_EQ(windows.OpacityCalls().last().alpha, 160);
}

TEST_F(VendraskMainTest, CloseEndsTheLoopWithOne) {
    QTimer::singleShot(0, menu.get(), &CVendraskMain::CloseLauncher);
    EXPECT_EQ(menu->RunModalLoop(), 1);
}
