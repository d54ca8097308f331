// SPDX-License-Identifier: MIT
// The X11 window system under openbox: full-screen test, task bar hints,
// top-most and keyboard focus for the menu window.
#include "common/platform/x11/KelvoCommonX11WindowSystem.h"

#include "tests/x11/KelvoCommonX11TestClient.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using vendrask::test::ActiveWindow;
using vendrask::test::WindowStateText;
using vendrask::test::X11OtherClient;
using vendrask::test::Xdotool;

namespace {

QRect ScreenRect() {
    return QGuiApplication::primaryScreen()->geometry();
}

// The menu window as the launcher builds it: a frameless tool dialog owned
// by a window that is never shown.
class MenuWindow final {
public:
    MenuWindow() : dialog(&owner, Qt::Tool | Qt::FramelessWindowHint), edit(&dialog) {
        dialog.resize(300, 200);
        dialog.setWindowTitle(QStringLiteral("menu window under test"));
    }
    // Qt may replace the X window; the QWindow knows the current one.
    unsigned long Native() const {
        return static_cast<unsigned long>(dialog.windowHandle()->winId());
    }
    bool ShowAndWait() {
        dialog.show();
        return QTest::qWaitForWindowExposed(&dialog);
    }

    QWidget owner;
    QDialog dialog;
    QLineEdit edit;
};

bool WaitForState(unsigned long window, const char* atom, bool present) {
    return QTest::qWaitFor(
        [&] { return WindowStateText(window).contains(QLatin1String(atom)) == present; }, 5000);
}

} // namespace

TEST(X11WindowSystem, FullScreenWindowsOfOtherProgramsAreFound) {
    struct Row {
        const char* name;
        X11OtherClient::WindowShape shape;
        bool expected;
    };
    const QRect screen = ScreenRect();
    const Row rows[] = {
        {"full-screen state", {QRect(100, 100, 400, 300), true, false, false}, true},
        {"exactly the screen's rectangle", {screen, false, true, false}, true},
        {"an ordinary window", {QRect(100, 100, 400, 300), false, false, false}, false},
        {"a desktop covering the screen", {screen, false, true, true}, false},
    };
    CKelvoCommonX11WindowSystem windows;
    ASSERT_FALSE(windows.IsFullScreenWindowPresent());
    // One client for all rows: a new connection would get the window ids of
    // the last one back, which confuses a window manager still busy with them.
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const unsigned long window = other.MapWindow(row.shape);
        ASSERT_NE(window, 0u);
        ASSERT_TRUE(QTest::qWaitFor([&] { return other.Viewable(window); }, 5000));
        // The window manager settles the window's place and state after mapping.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return windows.IsFullScreenWindowPresent() == row.expected; }, 3000));
        other.DestroyWindow(window);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.IsFullScreenWindowPresent(); }, 5000));
    }
}

TEST(X11WindowSystem, OurOwnFullScreenWindowNeverCounts) {
    CKelvoCommonX11WindowSystem windows;
    QWidget own;
    own.showFullScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&own));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return WindowStateText(own.winId()).contains(QLatin1String("FULLSCREEN")); }, 5000));
    EXPECT_FALSE(windows.IsFullScreenWindowPresent());
}

TEST(X11WindowSystem, TheMenuWindowStaysOutOfTheTaskBarAtEveryShow) {
    CKelvoCommonX11WindowSystem windows;
    MenuWindow menu;
    windows.PrepareMenuWindow(&menu.dialog);
    EXPECT_NE(menu.dialog.windowHandle(), nullptr) << "no native window before the first show";
    const unsigned long native = menu.Native();
    for (int show = 1; show <= 2; ++show) {
        SCOPED_TRACE(show);
        ASSERT_TRUE(menu.ShowAndWait());
        EXPECT_TRUE(WaitForState(native, "_NET_WM_STATE_SKIP_TASKBAR", true));
        EXPECT_TRUE(WaitForState(native, "_NET_WM_STATE_SKIP_PAGER", true));
        menu.dialog.hide();
        // The window manager drops the state of a withdrawn window.
        ASSERT_TRUE(WaitForState(native, "_NET_WM_STATE_SKIP_TASKBAR", false));
    }
    EXPECT_EQ(menu.Native(), native);
}

TEST(X11WindowSystem, TopMostIsSwitchedInPlace) {
    CKelvoCommonX11WindowSystem windows;
    MenuWindow menu;
    windows.PrepareMenuWindow(&menu.dialog);
    const unsigned long native = menu.Native();
    windows.SetTopMost(&menu.dialog, true);
    ASSERT_TRUE(menu.ShowAndWait());
    EXPECT_TRUE(WaitForState(native, "_NET_WM_STATE_ABOVE", true));
    windows.SetTopMost(&menu.dialog, false);
    EXPECT_TRUE(WaitForState(native, "_NET_WM_STATE_ABOVE", false));
    windows.SetTopMost(&menu.dialog, true);
    EXPECT_TRUE(WaitForState(native, "_NET_WM_STATE_ABOVE", true));
    EXPECT_TRUE(menu.dialog.isVisible());
    EXPECT_EQ(menu.Native(), native) << "the native window was rebuilt";
    EXPECT_TRUE(WaitForState(native, "_NET_WM_STATE_SKIP_TASKBAR", true));
}

TEST(X11WindowSystem, ActivateWindowTakesTheKeyboardFromAnotherProgram) {
    CKelvoCommonX11WindowSystem windows;
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    const unsigned long busy = other.MapWindow({QRect(50, 50, 600, 400)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.Viewable(busy); }, 5000));
    ASSERT_TRUE(Xdotool(
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(busy)}));
    // The user has just typed into the other program.
    ASSERT_TRUE(Xdotool({QStringLiteral("type"), QStringLiteral("xyz")}));
    ASSERT_EQ(ActiveWindow(), busy);

    MenuWindow menu;
    windows.PrepareMenuWindow(&menu.dialog);
    menu.dialog.show();
    windows.ActivateWindow(&menu.dialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ActiveWindow() == menu.Native(); }, 5000));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu.dialog));
    menu.edit.setFocus();
    ASSERT_TRUE(Xdotool({QStringLiteral("type"), QStringLiteral("7")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.edit.text() == QStringLiteral("7"); }, 5000))
        << menu.edit.text().toStdString();
    other.DestroyWindow(busy);
}
