// SPDX-License-Identifier: MIT
// The real launcher keeps an edit in the group it was started in: the item
// setting window is opened in group 3, the menu is sent away meanwhile (and
// so returns to the default group 0), and closing the window still stores
// into group 3.
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <functional>
#include <gtest/gtest.h>

using vendrask::test::ActiveWindow;
using vendrask::test::CallMenuUp;
using vendrask::test::Chord;
using vendrask::test::LauncherProcess;
using vendrask::test::ShownMenuWindow;
using vendrask::test::ShownWindowNamed;
using vendrask::test::TrayIconCentre;
using vendrask::test::WaitFor;
using vendrask::test::Xdotool;

namespace {

const QString kItemSetting = QStringLiteral("Vendrask Item Setting");

void Key(const QString& key) {
    ASSERT_TRUE(Xdotool({QStringLiteral("key"), key}));
}

void HotKey(const LauncherProcess&) {
    Chord({QStringLiteral("ctrl"), QStringLiteral("alt")});
}

void TrayClick(const LauncherProcess&) {
    const QPoint icon = TrayIconCentre();
    ASSERT_FALSE(icon.isNull()) << "no tray icon";
    ASSERT_TRUE(Xdotool({QStringLiteral("mousemove"), QString::number(icon.x()),
                         QString::number(icon.y()), QStringLiteral("click"), QStringLiteral("1")}));
}

void EdgeTouch(const LauncherProcess& launcher) {
    // Away from the edges first (the menu is up), then against the left one.
    ASSERT_TRUE(Xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                         QStringLiteral("20"), QStringLiteral("0")}));
    ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("screen edge: armed")));
    ASSERT_TRUE(Xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                         QStringLiteral("-3000"), QStringLiteral("0")}));
}

} // namespace

TEST(VendraskEditGroupX11, TheItemSettingWindowStoresIntoItsGroupAfterTheMenuWentAway) {
    struct Row {
        const char* name;
        std::function<void(const LauncherProcess&)> sendMenuAway;
    };
    const Row rows[] = {
        {"hot key", HotKey},
        {"tray click", TrayClick},
        {"edge touch", EdgeTouch},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LauncherProcess launcher;
        // Slot D of group 0 holds an item; slot D of group 3 is empty.
        launcher.Set(QStringLiteral("Item04"), QStringLiteral("Name"), QStringLiteral("Keep me"));
        launcher.Set(QStringLiteral("Behavior"), QStringLiteral("DefaultGroupID"),
                     QStringLiteral("0"));
        const QString hook = QStringLiteral("MouseHook");
        launcher.Set(hook, QStringLiteral("MilliSecond"), QStringLiteral("500"));
        for (const char* edge : {"Top", "Bottom", "Right", "ClickOnDesktop"})
            launcher.Set(hook, QLatin1String(edge), QStringLiteral("0"));
        launcher.Set(hook, QStringLiteral("Left"), QStringLiteral("1"));
        ASSERT_TRUE(
            Xdotool({QStringLiteral("mousemove"), QStringLiteral("960"), QStringLiteral("540")}));
        launcher.Start();

        ASSERT_FALSE(CallMenuUp().isEmpty());
        ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("menu active: yes")));
        Key(QStringLiteral("3"));
        Key(QStringLiteral("d")); // an empty item opens the item setting window
        QString setting;
        ASSERT_TRUE(WaitFor([&] {
            setting = ShownWindowNamed(kItemSetting);
            return !setting.isEmpty();
        }));
        ASSERT_TRUE(WaitFor([&] { return ActiveWindow() == setting.toULong(); }))
            << "the item setting window did not get the keyboard";
        ASSERT_TRUE(Xdotool({QStringLiteral("type"), QStringLiteral("Renamed")}));

        row.sendMenuAway(launcher);
        ASSERT_TRUE(WaitFor([] { return ShownMenuWindow().isEmpty(); }))
            << "the menu did not go away";
        ASSERT_FALSE(ShownWindowNamed(kItemSetting).isEmpty()) << "the item setting window stays";

        ASSERT_TRUE(Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), setting}));
        Key(QStringLiteral("Escape"));
        ASSERT_TRUE(WaitFor([] { return ShownWindowNamed(kItemSetting).isEmpty(); }));
        EXPECT_TRUE(WaitFor([&] {
            return launcher.Get(QStringLiteral("Item82"), QStringLiteral("Name")) ==
                   QStringLiteral("Renamed");
        })) << "group 3, slot D: "
            << launcher.Get(QStringLiteral("Item82"), QStringLiteral("Name")).toStdString();
        EXPECT_EQ(launcher.Get(QStringLiteral("Item04"), QStringLiteral("Name")),
                  QStringLiteral("Keep me"))
            << "group 0, slot D is left alone";
    }
}
