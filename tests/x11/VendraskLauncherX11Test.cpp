// SPDX-License-Identifier: MIT
// The real launcher on the Xvfb display, driven the way a user drives it:
// hot key chords through XTest, the tray icon, the window manager's view
// of the menu window.
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <gtest/gtest.h>

using vendrask::test::ActiveWindow;
using vendrask::test::Chord;
using vendrask::test::LauncherProcess;
using vendrask::test::RunTool;
using vendrask::test::ShownMenuWindow;
using vendrask::test::TrayIconCentre;
using vendrask::test::WaitFor;
using vendrask::test::X11OtherClient;
using vendrask::test::Xdotool;

namespace {

// X keeps opacity as a 32-bit fraction; 0xffffffff is 255 * 0x01010101.
constexpr unsigned long kOpacityPerAlpha = 0x01010101UL;

class VendraskLauncher : public ::testing::Test {
protected:
    void Set(const QString& section, const QString& key, const QString& value) {
        launcher.Set(section, key, value);
    }
    void Start() { launcher.Start(); }
    static QString Shown() { return ShownMenuWindow(); }
    static void CtrlAlt() { Chord({QStringLiteral("ctrl"), QStringLiteral("alt")}); }

    static bool BecomesShown() {
        return WaitFor([] { return !Shown().isEmpty(); });
    }
    static bool BecomesHidden() {
        return WaitFor([] { return Shown().isEmpty(); });
    }
    // Stays hidden for a while after something that must not show it.
    static bool StaysHidden() {
        return !WaitFor([] { return !Shown().isEmpty(); }, 800);
    }

    static unsigned long Opacity(const QString& window) {
        const QString text = RunTool(QStringLiteral("xprop"),
                                     {QStringLiteral("-id"), window, QStringLiteral("-notype"),
                                      QStringLiteral("_NET_WM_WINDOW_OPACITY")});
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        return equals < 0 ? 0 : text.mid(equals + 1).trimmed().toULong();
    }

    LauncherProcess launcher;
};

} // namespace

TEST_F(VendraskLauncher, CtrlAltChordShowsTheMenuAndASecondChordHidesIt) {
    Start();
    ASSERT_TRUE(Shown().isEmpty());
    CtrlAlt();
    ASSERT_TRUE(BecomesShown());
    CtrlAlt();
    EXPECT_TRUE(BecomesHidden());
}

TEST_F(VendraskLauncher, CtrlAltWithAnotherKeyIsNoChord) {
    Start();
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+t")}));
    EXPECT_TRUE(StaysHidden());
}

TEST_F(VendraskLauncher, AltQWhenTheSettingsSaySo) {
    Set(QStringLiteral("HotKey"), QStringLiteral("Modifier"), QStringLiteral("1"));
    Set(QStringLiteral("HotKey"), QStringLiteral("Code"), QStringLiteral("81"));
    Start();
    CtrlAlt();
    EXPECT_TRUE(StaysHidden()) << "the chord is not the hot key any more";
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("alt+q")}));
    ASSERT_TRUE(BecomesShown());
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("alt+q")}));
    EXPECT_TRUE(BecomesHidden());
}

TEST_F(VendraskLauncher, TheMenuHasTheKeyboardAfterTheHotKey) {
    Start();
    CtrlAlt();
    ASSERT_TRUE(BecomesShown());
    const unsigned long menu = Shown().toULong();
    EXPECT_TRUE(WaitFor([menu] { return ActiveWindow() == menu; })) << ActiveWindow();
    const QString focus = RunTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    EXPECT_EQ(focus.trimmed().toULong(), menu);
}

TEST_F(VendraskLauncher, OpacityReachesTheConfiguredValue) {
    struct Row {
        const char* name;
        const char* fadeLevel;
        const char* written;
        unsigned long transparency;
    };
    // A hand-edited value outside 0-255 keeps its low 8 bits: -1 is opaque,
    // not an invisible menu that still takes the keyboard.
    const Row rows[] = {{"at once", "0", "180", 180},
                        {"after a fade", "3", "210", 210},
                        {"hand-edited -1", "0", "-1", 255},
                        {"hand-edited 300, faded", "3", "300", 44}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"),
            QString::fromLatin1(row.fadeLevel));
        Set(QStringLiteral("ColorSet"), QStringLiteral("Transparency"),
            QString::fromLatin1(row.written));
        Start();
        CtrlAlt();
        ASSERT_TRUE(BecomesShown());
        const QString menu = Shown();
        EXPECT_TRUE(WaitFor([&] { return Opacity(menu) == row.transparency * kOpacityPerAlpha; }))
            << Opacity(menu);
        launcher.Stop();
    }
}

TEST_F(VendraskLauncher, ClickingTheTrayIconToggles) {
    Start();
    const QPoint icon = TrayIconCentre();
    ASSERT_FALSE(icon.isNull()) << "no tray icon appeared";
    const auto click = [](QPoint at) {
        ASSERT_TRUE(
            Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                     QStringLiteral("click"), QStringLiteral("1")}));
    };
    click(icon + QPoint(-5, 0));
    ASSERT_TRUE(BecomesShown());
    // Farther apart than a double click may lie (Qt's default is 5 pixels):
    // a second click, not a double click, which would leave the menu up.
    click(icon + QPoint(5, 0));
    EXPECT_TRUE(BecomesHidden());
}

TEST_F(VendraskLauncher, AFullScreenWindowSilencesTheHotKeyWhenSwitchedOn) {
    struct Row {
        const char* name;
        const char* unableHotKey;
        bool shows;
    };
    const Row rows[] = {{"switch on", "1", false}, {"switch off", "0", true}};
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    X11OtherClient::WindowShape shape;
    shape.rect = QRect(0, 0, 1920, 1080);
    shape.fullScreenState = true;
    shape.name = QStringLiteral("full screen game");
    const unsigned long game = other.MapWindow(shape);
    ASSERT_NE(game, 0UL);
    ASSERT_TRUE(WaitFor([&] { return other.Viewable(game); }));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Set(QStringLiteral("Behavior"), QStringLiteral("UnableHotKey"),
            QString::fromLatin1(row.unableHotKey));
        Start();
        CtrlAlt();
        if (row.shows)
            EXPECT_TRUE(BecomesShown());
        else
            EXPECT_TRUE(StaysHidden());
        launcher.Stop();
    }
    other.DestroyWindow(game);
}

TEST_F(VendraskLauncher, TheKeyboardOpensAndClosesTheConfigurationWindow) {
    // Out of range: only a save of the general settings writes it back,
    // as its low 8 bits (300 is 44).
    Set(QStringLiteral("ColorSet"), QStringLiteral("Transparency"), QStringLiteral("300"));
    Start();
    CtrlAlt();
    ASSERT_TRUE(BecomesShown());
    const auto configWindow = [] {
        return RunTool(QStringLiteral("xdotool"),
                       {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), QStringLiteral("^Vendrask Configuration$")})
            .trimmed();
    };
    // Up puts the focus on item Z; "Configuration" follows it in the tab order.
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("Up")}));
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("Tab")}));
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    ASSERT_TRUE(WaitFor([&] { return !configWindow().isEmpty(); }));
    EXPECT_EQ(launcher.Get(QStringLiteral("ColorSet"), QStringLiteral("Transparency")),
              QStringLiteral("300"))
        << "nothing written while it is open";

    const unsigned long window = configWindow().toULong();
    EXPECT_TRUE(WaitFor([window] { return ActiveWindow() == window; })) << ActiveWindow();
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    EXPECT_TRUE(WaitFor([&] { return configWindow().isEmpty(); }));
    EXPECT_TRUE(WaitFor([&] {
        return launcher.Get(QStringLiteral("ColorSet"), QStringLiteral("Transparency")) ==
               QStringLiteral("44");
    })) << "closing wrote the general settings";
    EXPECT_FALSE(Shown().isEmpty()) << "the menu stays up";
}
