// SPDX-License-Identifier: MIT
// The X11 hot key on the Xvfb display, driven by XTest key events (xdotool).
#include "common/platform/x11/KelvoCommonX11HotKey.h"

#include "common/platform/x11/KelvoCommonX11Listener.h"
#include "tests/x11/KelvoCommonX11TestClient.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QList>
#include <QSignalSpy>
#include <QTest>
#include <X11/keysym.h>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using vendrask::test::X11OtherClient;
using vendrask::test::Xdotool;

namespace {

QStringList Words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

class X11HotKey : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        hotKey = CKelvoCommonX11HotKey::Create();
        ASSERT_NE(dynamic_cast<CKelvoCommonX11HotKey*>(hotKey.get()), nullptr);
        spy = std::make_unique<QSignalSpy>(hotKey.get(), &CKelvoCommonHotKey::hotKeyPressed);
    }
    void TearDown() override {
        spy.reset();
        hotKey.reset();
        Xdotool(Words("keyup ctrl keyup alt keyup shift keyup super keyup q"));
    }

    // Waits until `count` hot keys have arrived in all.
    bool WaitForPresses(int count) {
        return QTest::qWaitFor([&] { return spy->count() >= count; }, 5000);
    }
    QList<int> Presses() const {
        QList<int> identifiers;
        for (const QList<QVariant>& arguments : *spy)
            identifiers.append(arguments.at(0).toInt());
        return identifiers;
    }
    // A correct Ctrl+Alt chord as a marker: whatever an earlier sequence
    // fired has arrived before it does.
    void PressMarkerChord() {
        ASSERT_TRUE(Xdotool(Words("keydown ctrl keydown alt keyup alt keyup ctrl")));
    }

    std::unique_ptr<CKelvoCommonHotKey> hotKey;
    std::unique_ptr<QSignalSpy> spy;
};

// XInput2 event types (XInput2.h would bring Xlib's macros into the tests).
constexpr int kRawButtonPress = 15;
constexpr int kRawMotion = 17;

constexpr int kCtrlAlt = 0x0300;
constexpr int kAltQ = 0x0151;

} // namespace

TEST_F(X11HotKey, CtrlAltChordFiresOnceWhenItsLastKeyGoesUp) {
    ASSERT_TRUE(hotKey->Register(3, 0));
    ASSERT_TRUE(Xdotool(Words("keydown ctrl keydown alt")));
    ASSERT_TRUE(Xdotool(Words("keyup alt")));
    // Still one key down: nothing yet. The marker below proves it.
    ASSERT_TRUE(Xdotool(Words("keyup ctrl")));
    ASSERT_TRUE(WaitForPresses(1));
    PressMarkerChord();
    ASSERT_TRUE(WaitForPresses(2));
    EXPECT_EQ(Presses(), (QList<int>{kCtrlAlt, kCtrlAlt}));
}

TEST_F(X11HotKey, SequencesThatAreNotTheChordNeverFire) {
    struct Row {
        const char* name;
        const char* xdotool;
    };
    const Row rows[] = {
        {"Ctrl+Alt+T", "key ctrl+alt+t"},
        {"Ctrl+Alt with Shift",
         "keydown ctrl keydown alt keydown shift keyup shift keyup alt keyup ctrl"},
        {"a mouse button in between", "keydown ctrl keydown alt click 1 keyup alt keyup ctrl"},
        {"Ctrl alone", "key ctrl"},
    };
    ASSERT_TRUE(hotKey->Register(3, 0));
    int expected = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(Xdotool(Words(row.xdotool)));
        PressMarkerChord();
        ++expected;
        ASSERT_TRUE(WaitForPresses(expected));
        EXPECT_EQ(spy->count(), expected) << "the sequence itself fired";
    }
}

TEST_F(X11HotKey, TheFiveBehaviorPageCombinationsFire) {
    struct Row {
        const char* name;
        int modifier;
        int code;
        const char* xdotool;
    };
    const Row rows[] = {
        {"Ctrl + Alt", 3, 0, "keydown ctrl keydown alt keyup alt keyup ctrl"},
        {"Ctrl + Shift", 6, 0, "keydown ctrl keydown shift keyup ctrl keyup shift"},
        {"Shift + Alt", 5, 0, "keydown shift keydown alt keyup alt keyup shift"},
        {"Ctrl + Alt + Shift", 7, 0,
         "keydown ctrl keydown alt keydown shift keyup shift keyup alt keyup ctrl"},
        {"Alt + Q", 1, 81, "key alt+q"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        spy->clear();
        ASSERT_TRUE(hotKey->Register(row.modifier, row.code));
        ASSERT_TRUE(Xdotool(Words(row.xdotool)));
        ASSERT_TRUE(WaitForPresses(1));
        EXPECT_EQ(Presses(), QList<int>{CKelvoCommonHotKey::Identifier(row.modifier, row.code)});
        hotKey->Unregister(row.modifier, row.code);
    }
}

TEST_F(X11HotKey, AltQFiresWhateverNumLockAndCapsLockSay) {
    struct Row {
        const char* name;
        const char* locks; // toggled on before, off after
    };
    const Row rows[] = {
        {"NumLock on", "key Num_Lock"},
        {"CapsLock on", "key Caps_Lock"},
        {"both on", "key Num_Lock key Caps_Lock"},
    };
    ASSERT_TRUE(hotKey->Register(1, 81));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        spy->clear();
        ASSERT_TRUE(Xdotool(Words(row.locks)));
        ASSERT_TRUE(Xdotool(Words("key alt+q")));
        const bool fired = WaitForPresses(1);
        ASSERT_TRUE(Xdotool(Words(row.locks)));
        ASSERT_TRUE(fired);
        EXPECT_EQ(Presses(), QList<int>{kAltQ});
    }
}

TEST_F(X11HotKey, AKeyOwnedByAnotherProgramIsRefusedAndTheLauncherGoesOn) {
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    ASSERT_TRUE(other.GrabKey(XK_q, X11OtherClient::kMod1));
    EXPECT_FALSE(hotKey->Register(1, 81));
    // The chord still works beside the refused key.
    EXPECT_TRUE(hotKey->Register(3, 0));
    PressMarkerChord();
    ASSERT_TRUE(WaitForPresses(1));

    other.UngrabKey(XK_q, X11OtherClient::kMod1);
    EXPECT_TRUE(hotKey->Register(1, 81));
}

TEST_F(X11HotKey, UnregisterAndDestructionGiveTheKeyBack) {
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    ASSERT_TRUE(hotKey->Register(1, 81));
    EXPECT_FALSE(other.GrabKey(XK_q, X11OtherClient::kMod1)) << "our grab is not in force";
    hotKey->Unregister(1, 81);
    EXPECT_TRUE(other.GrabKey(XK_q, X11OtherClient::kMod1));
    other.UngrabKey(XK_q, X11OtherClient::kMod1);

    ASSERT_TRUE(hotKey->Register(1, 81));
    spy.reset();
    hotKey.reset();
    EXPECT_TRUE(other.GrabKey(XK_q, X11OtherClient::kMod1));
    other.UngrabKey(XK_q, X11OtherClient::kMod1);
}

TEST_F(X11HotKey, NothingFiresWhileAScreenLockerHoldsTheKeyboard) {
    ASSERT_TRUE(hotKey->Register(3, 0));
    ASSERT_TRUE(hotKey->Register(1, 81));
    X11OtherClient locker;
    ASSERT_TRUE(locker.IsOpen());
    ASSERT_TRUE(locker.GrabKeyboard());
    ASSERT_TRUE(Xdotool(Words("keydown ctrl keydown alt keyup alt keyup ctrl")));
    ASSERT_TRUE(Xdotool(Words("key alt+q")));
    locker.UngrabKeyboard();
    PressMarkerChord();
    ASSERT_TRUE(WaitForPresses(1));
    EXPECT_EQ(Presses(), QList<int>{kCtrlAlt});
}

TEST_F(X11HotKey, TheFocusedProgramKeepsItsKeys) {
    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
    ASSERT_TRUE(hotKey->Register(3, 0));
    ASSERT_TRUE(Xdotool(Words("keydown ctrl keydown alt keyup alt keyup ctrl type ab")));
    ASSERT_TRUE(WaitForPresses(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.text() == QStringLiteral("ab"); }, 5000))
        << edit.text().toStdString();
}

TEST_F(X11HotKey, CombinationsX11CannotExpressAreRefused) {
    struct Row {
        const char* name;
        int modifier;
        int code;
    };
    const Row rows[] = {
        {"no key and no modifier", 0, 0},
        {"a mouse button", 1, 0x01},
        {"an unassigned code", 1, 0x88},
        {"beyond a byte", 1, 81 + 256},
        {"an unknown modifier bit", 16, 0},
        {"Ctrl with an unknown bit", 2 | 32, 0},
        {"Alt + Q with a bit beyond the low byte", 0x101, 81},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(hotKey->Register(row.modifier, row.code));
    }
}

TEST_F(X11HotKey, HandEditedCombinationsX11CanExpressWork) {
    struct Row {
        const char* name;
        int modifier;
        int code;
        const char* xdotool;
    };
    const Row rows[] = {
        {"Ctrl+Alt+Q (Code 81, Modifier 3)", 3, 81, "key ctrl+alt+q"},
        {"Ctrl+F12", 2, 0x7B, "key ctrl+F12"},
        {"Ctrl+Shift+Home", 6, 0x24, "key ctrl+shift+Home"},
        {"Shift+Alt+numpad 5", 5, 0x65, "key shift+alt+KP_5"},
        {"Ctrl alone", 2, 0, "key ctrl"},
        {"Ctrl+Windows (Modifier 10)", 10, 0, "keydown ctrl keydown super keyup super keyup ctrl"},
        {"Windows+Q", 8, 81, "key super+q"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        spy->clear();
        ASSERT_TRUE(hotKey->Register(row.modifier, row.code));
        ASSERT_TRUE(Xdotool(Words(row.xdotool)));
        ASSERT_TRUE(WaitForPresses(1));
        EXPECT_EQ(Presses(), QList<int>{CKelvoCommonHotKey::Identifier(row.modifier, row.code)});
        hotKey->Unregister(row.modifier, row.code);
    }
}

TEST_F(X11HotKey, CtrlWindowsIsNotFiredByCtrlAlone) {
    ASSERT_TRUE(hotKey->Register(10, 0));
    ASSERT_TRUE(hotKey->Register(3, 0));
    ASSERT_TRUE(Xdotool(Words("key ctrl key super")));
    ASSERT_TRUE(Xdotool(Words("keydown ctrl keydown super keyup super keyup ctrl")));
    ASSERT_TRUE(Xdotool(Words("keydown super keydown ctrl keyup ctrl keyup super")));
    PressMarkerChord();
    ASSERT_TRUE(WaitForPresses(3));
    EXPECT_EQ(Presses(), (QList<int>{0x0A00, 0x0A00, kCtrlAlt}));
}

TEST(X11Listener, OneThreadForTheProcessStoppedWithItsLastUser) {
    auto first = CKelvoCommonX11Listener::Acquire();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CKelvoCommonX11Listener::Acquire(), first);
    std::thread::id listenerThread;
    first->RunAndWait([&] {
        EXPECT_TRUE(first->IsListenerThread());
        listenerThread = std::this_thread::get_id();
    });
    EXPECT_NE(listenerThread, std::this_thread::get_id());
    std::atomic<bool> posted{false};
    first->Post([&] { posted = true; });
    first->RunAndWait([] {}); // tasks run in order
    EXPECT_TRUE(posted);

    std::weak_ptr<CKelvoCommonX11Listener> gone = first;
    first.reset();
    EXPECT_TRUE(gone.expired()) << "the thread outlived its last user";
    auto second = CKelvoCommonX11Listener::Acquire();
    ASSERT_NE(second, nullptr);
    second->RunAndWait([] {});
}

// What the mouse hook will use: raw motion and buttons beside the hot key,
// in batches, on the same connection.
TEST(X11Listener, RawMotionAndButtonsReachAHandlerInBatches) {
    auto listener = CKelvoCommonX11Listener::Acquire();
    ASSERT_NE(listener, nullptr);
    ASSERT_TRUE(listener->HasRawEvents());
    std::atomic<int> motions{0};
    std::atomic<int> buttons{0};
    std::atomic<int> batches{0};
    const int id =
        listener->AddRawHandler((1u << kRawMotion) | (1u << kRawButtonPress),
                                [&](const CKelvoCommonX11RawEvent& event) {
                                    if (event.type == kRawMotion)
                                        ++motions;
                                    else if (event.type == kRawButtonPress && event.detail == 1)
                                        ++buttons;
                                },
                                [&] { ++batches; });
    ASSERT_NE(id, 0);
    // Absolute XTest warps make no raw motion; relative moves do.
    ASSERT_TRUE(Xdotool(Words("mousemove_relative 5 5 click 1")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return motions > 0 && buttons == 1; }, 5000));
    EXPECT_GT(batches.load(), 0);
    EXPECT_LE(batches.load(), motions + buttons);

    listener->RemoveHandler(id);
    const int before = motions;
    // A second handler sees the next move: by then the removed one would have too.
    std::atomic<int> marker{0};
    const int markerId = listener->AddRawHandler(1u << kRawMotion,
                                                 [&](const CKelvoCommonX11RawEvent&) { ++marker; });
    ASSERT_TRUE(Xdotool(Words("mousemove_relative 5 5")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return marker > 0; }, 5000));
    listener->RemoveHandler(markerId);
    EXPECT_EQ(motions.load(), before) << "a removed handler still ran";
}
