// SPDX-License-Identifier: MIT
// The real launcher under other keyboard layouts: group and item keys go
// by the key's place, keys sent by key code as a user's keyboard sends them.
#include "tests/support/TestSupport.h"
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <gtest/gtest.h>

using vendrask::test::CallMenuUp;
using vendrask::test::LauncherProcess;
using vendrask::test::ReadBytes;
using vendrask::test::ShownMenuWindow;
using vendrask::test::ShownWindowNamed;
using vendrask::test::WaitFor;
using vendrask::test::WriteBytes;
using vendrask::test::X11OtherClient;
using vendrask::test::Xdotool;

namespace {

using namespace vendrask::test::keycode;
using vendrask::test::SetKeyboardLayouts;

class VendraskKeyLayoutX11 : public ::testing::Test {
protected:
    void TearDown() override {
        keyboard.LockGroup(0);
        SetKeyboardLayouts("us");
    }
    X11OtherClient keyboard;
};

} // namespace

TEST_F(VendraskKeyLayoutX11, GroupAndItemKeysGoByTheKeysPlace) {
    LauncherProcess launcher;
    // Every item runs this with its tag, which it writes to the log.
    const std::filesystem::path script = launcher.File("mark.sh");
    WriteBytes(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$0.log\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const std::filesystem::path log = launcher.File("mark.sh.log");
    const struct {
        int group;
        char letter;
    } items[] = {{3, 'A'}, {7, 'A'}, {0, 'Q'}, {0, 'E'}, {0, 'A'}};
    for (const auto& item : items) {
        const QString section = QStringLiteral("Item%1").arg(
            item.group * 26 + (item.letter - 'A') + 1, 2, 10, QLatin1Char('0'));
        const QString tag = QStringLiteral("g%1-%2").arg(item.group).arg(QLatin1Char(item.letter));
        launcher.Set(section, QStringLiteral("Name"), tag);
        launcher.Set(section, QStringLiteral("Path"), QString::fromStdString(script.string()));
        launcher.Set(section, QStringLiteral("Option"), tag);
    }
    launcher.Start();

    struct Row {
        const char* name;
        const char* layouts;
        unsigned group; // the layout typed with
        QList<QList<unsigned>> keys;
        const char* started; // the tag of the item started; "" for none
        const char* window;  // a window that comes up instead; "" for none
    };
    const Row rows[] = {
        {"fr: the unshifted 3 key, then the key of A", "fr", 0, {{kRow3}, {kUsQ}}, "g3-A", ""},
        {"us: Shift with the 7 key, then A", "us", 0, {{kShift, kRow7}, {kUsA}}, "g7-A", ""},
        {"ru: the key of Й starts Q", "ru", 0, {{kUsQ}}, "g0-Q", ""},
        {"us,ru typing Russian: the key of У starts E", "us,ru", 1, {{kUsE}}, "g0-E", ""},
        {"Alt with a letter starts nothing", "us", 0, {{kAlt, kUsA}}, "", ""},
        {"ru: Ctrl with the key of У edits the focused item",
         "ru",
         0,
         {{kDown}, {kCtrl, kUsE}},
         "",
         "Vendrask Item Setting"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Done when they return; the launcher reads the server's keymap at
        // every key, and its hot key hears of the change before the keys.
        ASSERT_TRUE(SetKeyboardLayouts(row.layouts));
        keyboard.LockGroup(row.group);
        const qsizetype before = QString::fromStdString(ReadBytes(log)).size();
        ASSERT_FALSE(CallMenuUp().isEmpty());
        ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("menu active: yes")));
        for (const QList<unsigned>& chord : row.keys)
            keyboard.PressKeys(chord);
        const auto started = [&] { return QString::fromStdString(ReadBytes(log)).mid(before); };
        const QString tag = QLatin1String(row.started);
        const QString window = QLatin1String(row.window);
        if (!tag.isEmpty()) {
            EXPECT_TRUE(WaitFor([&] { return started() == tag + u'\n'; }, 5000))
                << "started: " << started().toStdString();
            continue;
        }
        if (!window.isEmpty()) {
            EXPECT_TRUE(WaitFor([&] { return !ShownWindowNamed(window).isEmpty(); }));
            ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
            EXPECT_TRUE(WaitFor([&] { return ShownWindowNamed(window).isEmpty(); }));
            EXPECT_EQ(started(), QString());
            continue;
        }
        // A group key after them: once its group shows, the keys before it
        // were handled, and a start would have sent the menu away.
        keyboard.PressKeys({kRow1});
        ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("group: 1")));
        EXPECT_TRUE(launcher.Status().contains(QStringLiteral("menu shown: yes")))
            << "the menu stays up";
        EXPECT_EQ(started(), QString());
        ASSERT_FALSE(ShownMenuWindow().isEmpty()) << "the menu stays up";
        ASSERT_TRUE(Xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        ASSERT_TRUE(WaitFor([] { return ShownMenuWindow().isEmpty(); }));
    }
}
