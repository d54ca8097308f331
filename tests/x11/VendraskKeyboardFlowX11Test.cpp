// SPDX-License-Identifier: MIT
// The everyday keyboard flow with the real launcher, typed as fast as a
// user types it: a letter right after the hot key, the keyboard after
// every small window, a second hot key during the fade.
#include "tests/support/TestSupport.h"
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <gtest/gtest.h>

// After gtest, whose names Xlib's macros would take.
#include <X11/Xlib.h>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

using vendrask::test::ActiveWindow;
using vendrask::test::CallMenuUp;
using vendrask::test::Chord;
using vendrask::test::LauncherProcess;
using vendrask::test::ReadBytes;
using vendrask::test::RunTool;
using vendrask::test::ShownMenuWindow;
using vendrask::test::WaitFor;
using vendrask::test::WriteBytes;
using vendrask::test::Xdotool;

namespace {

// Gives the item a program that adds a line to "<name>.log" at every start.
std::filesystem::path CountStarts(LauncherProcess& launcher, const QString& item,
                                  const std::string& name = "count") {
    const std::filesystem::path script = launcher.File((name + ".sh").c_str());
    const std::filesystem::path log = launcher.File((name + ".log").c_str());
    WriteBytes(script, "#!/bin/sh\necho started >> \"" + log.string() + "\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    launcher.Set(item, QStringLiteral("Name"), QStringLiteral("Count"));
    launcher.Set(item, QStringLiteral("Path"), QString::fromStdString(script.string()));
    return log;
}

qsizetype Starts(const std::filesystem::path& log) {
    return std::filesystem::exists(log) ? QByteArray::fromStdString(ReadBytes(log)).count('\n') : 0;
}

void Keys(const char* keys) {
    QStringList arguments{QStringLiteral("key")};
    arguments << QString::fromLatin1(keys).split(QLatin1Char(' '));
    ASSERT_TRUE(Xdotool(arguments));
}

void HotKey() {
    Chord({QStringLiteral("ctrl"), QStringLiteral("alt")});
}

QString ShownWindowNamed(const char* name) {
    return RunTool(QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), QStringLiteral("^%1$").arg(QLatin1String(name))})
        .trimmed();
}

// Whether another client could take the keyboard now: false while the
// launcher still holds the keys typed during a show.
bool KeyboardFree() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    const int status = XGrabKeyboard(display, DefaultRootWindow(display), 0, GrabModeAsync,
                                     GrabModeAsync, CurrentTime);
    XUngrabKeyboard(display, CurrentTime);
    XCloseDisplay(display);
    return status == GrabSuccess;
}

} // namespace

TEST(VendraskKeyboardFlow, ALetterTypedDuringTheFadeStartsTheItem) {
    struct Row {
        const char* name;
        const char* fadeLevel;
    };
    const Row rows[] = {{"no fade", "0"}, {"fade level 3", "3"}, {"fade level 7", "7"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LauncherProcess launcher;
        launcher.Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"),
                     QString::fromLatin1(row.fadeLevel));
        const auto log = CountStarts(launcher, QStringLiteral("Item01"));
        launcher.Start();
        HotKey();
        // Shown, so the fade (if any) has just begun.
        ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("menu shown: yes")));
        Keys("a");
        EXPECT_TRUE(WaitFor([&] { return Starts(log) == 1; })) << "item A did not start";
    }
}

TEST(VendraskKeyboardFlow, EverySmallWindowGivesTheKeyboardBackToTheMenu) {
    struct Row {
        const char* name;
        const char* open;
        const char* window;
        const char* close;
    };
    // Up focuses item Z; "Configuration", the hide and the information
    // buttons follow it in the tab order, then the group title.
    const Row rows[] = {
        {"item setting by Ctrl+E", "Down ctrl+e", "Vendrask Item Setting", "Escape"},
        {"item setting by the letter of an empty item", "b", "Vendrask Item Setting", "Escape"},
        {"group title", "Up Tab Tab Tab Tab Return", "Vendrask Group Title", "Escape"},
        {"configuration", "Up Tab Return", "Vendrask Configuration", "Escape"},
        {"confirmation, cancelled", "Down ctrl+d", "Vendrask Confirmation", "Escape"},
        {"confirmation, confirmed", "Down ctrl+d", "Vendrask Confirmation", "Return"},
        {"information", "Up Tab Tab Tab Return", "Vendrask Information", "Escape"},
    };
    LauncherProcess launcher;
    launcher.Set(QStringLiteral("Behavior"), QStringLiteral("ConfirmationDialog"),
                 QStringLiteral("1"));
    // Item A of group 3; every call-up starts at group 0.
    const auto log = CountStarts(launcher, QStringLiteral("Item79"));
    launcher.Start();
    qsizetype starts = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (!ShownMenuWindow().isEmpty()) { // a row before failed
            HotKey();
            WaitFor([] { return ShownMenuWindow().isEmpty(); });
        }
        const unsigned long menu = CallMenuUp().toULong();
        ASSERT_NE(menu, 0UL);
        Keys(row.open);
        ASSERT_TRUE(WaitFor([&] { return !ShownWindowNamed(row.window).isEmpty(); }));
        Keys(row.close);
        ASSERT_TRUE(WaitFor([&] { return ShownWindowNamed(row.window).isEmpty(); }));
        EXPECT_TRUE(WaitFor([&] { return ActiveWindow() == menu; })) << ActiveWindow();
        Keys("3 a");
        EXPECT_TRUE(WaitFor([&] { return Starts(log) == starts + 1; }))
            << "3 and A did not reach the menu";
        starts = Starts(log);
    }
}

TEST(VendraskKeyboardFlow, HotKeysAndEscapesDuringTheFadeEndInTheLastRequest) {
    struct Row {
        const char* name;
        // Typed in one go right after the first hot key: "H" the hot key,
        // anything else a key name.
        const char* keys;
        bool shownAfter;
    };
    const Row rows[] = {
        {"a second hot key hides it", "H", false},
        {"Escape and the hot key in turn, the hot key last", "Escape H Escape H", true},
        {"Escape and the hot key in turn, Escape last", "Escape H Escape", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LauncherProcess launcher;
        // About half a second of fade at the default transparency.
        launcher.Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"), QStringLiteral("7"));
        const auto logA = CountStarts(launcher, QStringLiteral("Item01"));
        const auto logB = CountStarts(launcher, QStringLiteral("Item02"), "countb");
        launcher.Start();
        HotKey();
        ASSERT_TRUE(WaitFor([] { return !ShownMenuWindow().isEmpty(); }));
        // Then "a", which starts item A only if the menu ended shown, and
        // a call-up with "b", whose start tells that all before it is done.
        const QStringList keys =
            (QLatin1String(row.keys) + QLatin1String(" a H b")).split(QLatin1Char(' '));
        QStringList arguments;
        for (const QString& key : keys) {
            if (key == QLatin1String("H"))
                arguments << QStringLiteral("keydown") << QStringLiteral("ctrl")
                          << QStringLiteral("keydown") << QStringLiteral("alt")
                          << QStringLiteral("keyup") << QStringLiteral("alt")
                          << QStringLiteral("keyup") << QStringLiteral("ctrl");
            else
                arguments << QStringLiteral("key") << key;
        }
        ASSERT_TRUE(Xdotool(arguments));
        // Each request runs with its own fade, one after another.
        ASSERT_TRUE(WaitFor([&] { return Starts(logB) == 1; }, 15000)) << "item B did not start";
        EXPECT_EQ(Starts(logA), row.shownAfter ? 1 : 0);
    }
}

TEST(VendraskKeyboardFlow, TheKeysAreFreeOnceTheMenuHasTheFocus) {
    // A show right after a hide gets no activation from Qt (its focus
    // never left): the held keys were frozen until the half-second limit,
    // so a hot key or Escape right after the show came late.
    LauncherProcess launcher;
    launcher.Start();
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        const unsigned long menu = CallMenuUp().toULong();
        ASSERT_NE(menu, 0UL);
        ASSERT_TRUE(WaitFor([&] { return ActiveWindow() == menu; }));
        EXPECT_TRUE(WaitFor(KeyboardFree, 250)) << "the keyboard is still held";
        Keys("Escape");
        ASSERT_TRUE(WaitFor([] { return ShownMenuWindow().isEmpty(); }));
    }
}
