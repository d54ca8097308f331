// SPDX-License-Identifier: MIT
// The hot key's pure parts: the modifier-only chord, the virtual-key table,
// the identifier, and what the hot key does where there is no X11.
#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/KelvoCommonKeysyms.h"
#include "common/platform/fake/KelvoCommonFakeHotKey.h"
#include "common/platform/x11/KelvoCommonX11Chord.h"
#include "common/platform/x11/KelvoCommonX11HotKey.h"
#include "common/platform/x11/KelvoCommonX11WindowSystem.h"

#include <QDialog>
#include <QSignalSpy>
#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

// Key codes of the usual PC keyboard under X.
constexpr int kCtrlL = 37;
constexpr int kCtrlR = 105;
constexpr int kAltL = 64;
constexpr int kShiftL = 50;
constexpr int kSuperL = 133;
constexpr int kT = 28;

int ModifierBitOf(int keycode) {
    switch (keycode) {
    case kCtrlL:
    case kCtrlR:
        return CKelvoCommonHotKey::kModControl;
    case kAltL:
        return CKelvoCommonHotKey::kModAlt;
    case kShiftL:
        return CKelvoCommonHotKey::kModShift;
    case kSuperL:
        return CKelvoCommonHotKey::kModWin;
    default:
        return 0;
    }
}

struct Step {
    enum Kind { Down, Up, Click } kind;
    int keycode = 0;
};
Step Down(int keycode) {
    return {Step::Down, keycode};
}
Step Up(int keycode) {
    return {Step::Up, keycode};
}
const Step kClick{Step::Click, 0};

struct ChordRow {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> fired; // completed modifier sets, in order
};

std::vector<int> Play(CKelvoCommonX11Chord& chord, const std::vector<Step>& steps) {
    std::vector<int> fired;
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Down:
            chord.KeyPressed(step.keycode, ModifierBitOf(step.keycode));
            break;
        case Step::Up:
            if (const int bits = chord.KeyReleased(step.keycode); bits != 0)
                fired.push_back(bits);
            break;
        case Step::Click:
            chord.ButtonPressed();
            break;
        }
    }
    return fired;
}

} // namespace

TEST(KelvoCommonX11Chord, CompletesExactlyTheModifiersHeldTogether) {
    const ChordRow rows[] = {
        {"Ctrl down Alt down Alt up Ctrl up fires 3",
         {Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL)},
         {3}},
        {"Alt then Ctrl release order does not matter",
         {Down(kCtrlL), Down(kAltL), Up(kCtrlL), Up(kAltL)},
         {3}},
        {"Alt pressed first fires 3 too", {Down(kAltL), Down(kCtrlL), Up(kCtrlL), Up(kAltL)}, {3}},
        {"Ctrl+Alt+T never fires",
         {Down(kCtrlL), Down(kAltL), Down(kT), Up(kT), Up(kAltL), Up(kCtrlL)},
         {}},
        {"T after Alt went up still spoils it",
         {Down(kCtrlL), Down(kAltL), Up(kAltL), Down(kT), Up(kT), Up(kCtrlL)},
         {}},
        {"a key held from before spoils it",
         {Down(kT), Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL), Up(kT)},
         {}},
        {"extra Shift spoils the chord: it is Ctrl+Alt+Shift",
         {Down(kCtrlL), Down(kAltL), Down(kShiftL), Up(kShiftL), Up(kAltL), Up(kCtrlL)},
         {7}},
        {"Shift after Alt went up: no set was held whole",
         {Down(kCtrlL), Down(kAltL), Up(kAltL), Down(kShiftL), Up(kShiftL), Up(kCtrlL)},
         {}},
        {"a Windows key in between makes it Ctrl+Alt+Windows",
         {Down(kCtrlL), Down(kSuperL), Down(kAltL), Up(kAltL), Up(kSuperL), Up(kCtrlL)},
         {11}},
        {"Ctrl + Windows fires 10", {Down(kCtrlL), Down(kSuperL), Up(kCtrlL), Up(kSuperL)}, {10}},
        {"a mouse button in between spoils it",
         {Down(kCtrlL), Down(kAltL), kClick, Up(kAltL), Up(kCtrlL)},
         {}},
        {"a click before the chord spoils nothing",
         {kClick, Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL)},
         {3}},
        {"auto-repeat presses are harmless",
         {Down(kCtrlL), Down(kAltL), Down(kAltL), Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL)},
         {3}},
        {"a release of a key pressed before we listened is ignored",
         {Up(kAltL), Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL)},
         {3}},
        {"left and right Ctrl are one Ctrl",
         {Down(kCtrlL), Down(kCtrlR), Down(kAltL), Up(kCtrlR), Up(kAltL), Up(kCtrlL)},
         {3}},
        {"Alt let go and pressed again while Ctrl is held",
         {Down(kCtrlL), Down(kAltL), Up(kAltL), Down(kAltL), Up(kAltL), Up(kCtrlL)},
         {3}},
        {"Ctrl tapped alone completes Ctrl alone", {Down(kCtrlL), Up(kCtrlL)}, {2}},
        {"Ctrl + Shift fires 6", {Down(kCtrlL), Down(kShiftL), Up(kShiftL), Up(kCtrlL)}, {6}},
        {"Shift + Alt fires 5", {Down(kShiftL), Down(kAltL), Up(kAltL), Up(kShiftL)}, {5}},
        {"two chords in a row fire twice",
         {Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL), Down(kCtrlL), Down(kAltL), Up(kAltL),
          Up(kCtrlL)},
         {3, 3}},
        {"a spoiled chord leaves the next one whole",
         {Down(kCtrlL), Down(kAltL), Down(kT), Up(kT), Up(kAltL), Up(kCtrlL), Down(kCtrlL),
          Down(kAltL), Up(kAltL), Up(kCtrlL)},
         {3}},
        {"key codes out of range are ignored",
         {Down(-1), Down(300), Down(kCtrlL), Down(kAltL), Up(300), Up(kAltL), Up(kCtrlL)},
         {3}},
    };
    for (const ChordRow& row : rows) {
        SCOPED_TRACE(row.name);
        CKelvoCommonX11Chord chord;
        EXPECT_EQ(Play(chord, row.steps), row.fired);
    }
}

TEST(KelvoCommonX11Chord, ResetForgetsKeysWhoseReleaseNeverCame) {
    CKelvoCommonX11Chord chord;
    Play(chord, {Down(kT)}); // its release got lost
    EXPECT_EQ(Play(chord, {Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL)}), std::vector<int>{});
    chord.Reset();
    EXPECT_EQ(Play(chord, {Down(kCtrlL), Down(kAltL), Up(kAltL), Up(kCtrlL)}), std::vector<int>{3});
}

TEST(KelvoCommonKeysyms, VirtualKeysBecomeTheKeysymsOfTheSameKeys) {
    struct Row {
        const char* name;
        int virtualKey;
        std::uint32_t keysym;
    };
    const Row rows[] = {
        {"Q (Alt + Q)", 81, XK_q},
        {"A", 0x41, XK_a},
        {"Z", 0x5A, XK_z},
        {"0", 0x30, XK_0},
        {"9", 0x39, XK_9},
        {"F1", 0x70, XK_F1},
        {"F12", 0x7B, XK_F12},
        {"F24", 0x87, XK_F24},
        {"numpad 0", 0x60, XK_KP_0},
        {"numpad 9", 0x69, XK_KP_9},
        {"numpad multiply", 0x6A, XK_KP_Multiply},
        {"numpad divide", 0x6F, XK_KP_Divide},
        {"space", 0x20, XK_space},
        {"tab", 0x09, XK_Tab},
        {"escape", 0x1B, XK_Escape},
        {"return", 0x0D, XK_Return},
        {"page up", 0x21, XK_Prior},
        {"page down", 0x22, XK_Next},
        {"end", 0x23, XK_End},
        {"home", 0x24, XK_Home},
        {"left", 0x25, XK_Left},
        {"down", 0x28, XK_Down},
        {"insert", 0x2D, XK_Insert},
        {"delete", 0x2E, XK_Delete},
        {"print screen", 0x2C, XK_Print},
        {"pause", 0x13, XK_Pause},
        {"OEM_1 ;:", 0xBA, XK_semicolon},
        {"OEM_PLUS =+", 0xBB, XK_equal},
        {"OEM_COMMA", 0xBC, XK_comma},
        {"OEM_MINUS", 0xBD, XK_minus},
        {"OEM_PERIOD", 0xBE, XK_period},
        {"OEM_2 /?", 0xBF, XK_slash},
        {"OEM_3 `~", 0xC0, XK_grave},
        {"OEM_4 [{", 0xDB, XK_bracketleft},
        {"OEM_5 \\|", 0xDC, XK_backslash},
        {"OEM_6 ]}", 0xDD, XK_bracketright},
        {"OEM_7 '\"", 0xDE, XK_apostrophe},
        {"OEM_102 <>", 0xE2, XK_less},
        {"volume up", 0xAF, XF86XK_AudioRaiseVolume},
        {"left Windows key", 0x5B, XK_Super_L},
        {"nothing", 0, 0},
        {"left mouse button", 0x01, 0},
        {"unassigned 0x88", 0x88, 0},
        {"unassigned 0xFF", 0xFF, 0},
        {"beyond a byte", 81 + 256, 0},
        {"negative", -1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonKeysyms::KeysymForVirtualKey(row.virtualKey), row.keysym);
    }
}

TEST(KelvoCommonKeysyms, CtrlAltShiftAndWindowsKeysAreChordModifiers) {
    struct Row {
        const char* name;
        std::uint32_t keysym;
        int bit;
    };
    const Row rows[] = {
        {"left Ctrl", XK_Control_L, CKelvoCommonHotKey::kModControl},
        {"right Ctrl", XK_Control_R, CKelvoCommonHotKey::kModControl},
        {"left Alt", XK_Alt_L, CKelvoCommonHotKey::kModAlt},
        {"right Alt", XK_Alt_R, CKelvoCommonHotKey::kModAlt},
        {"Meta", XK_Meta_L, CKelvoCommonHotKey::kModAlt},
        {"left Shift", XK_Shift_L, CKelvoCommonHotKey::kModShift},
        {"right Shift", XK_Shift_R, CKelvoCommonHotKey::kModShift},
        {"AltGr", XK_ISO_Level3_Shift, 0},
        {"left Windows key", XK_Super_L, CKelvoCommonHotKey::kModWin},
        {"right Windows key", XK_Super_R, CKelvoCommonHotKey::kModWin},
        {"Caps Lock", XK_Caps_Lock, 0},
        {"a letter", XK_t, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonKeysyms::ModifierBitForKeysym(row.keysym), row.bit);
    }
}

TEST(KelvoCommonHotKey, IdentifierIsModifierTimes256PlusCodeEachAsItsLowByte) {
    struct Row {
        const char* name;
        int modifier;
        int code;
        int identifier;
    };
    const Row rows[] = {
        {"Ctrl + Alt", 3, 0, 0x0300},
        {"Ctrl + Shift", 6, 0, 0x0600},
        {"Shift + Alt", 5, 0, 0x0500},
        {"Ctrl + Alt + Shift", 7, 0, 0x0700},
        {"Alt + Q", 1, 81, 0x0151},
        {"Ctrl + Alt + Q", 3, 81, 0x0351},
        {"high bits dropped", 0x103, 0x151, 0x0351},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CKelvoCommonHotKey::Identifier(row.modifier, row.code), row.identifier);
    }
}

TEST(KelvoCommonHotKey, WithoutX11EveryRegistrationIsRefusedQuietly) {
    // The unit tier runs offscreen: no X display.
    auto hotKey = CKelvoCommonX11HotKey::Create();
    ASSERT_NE(hotKey, nullptr);
    EXPECT_EQ(dynamic_cast<CKelvoCommonX11HotKey*>(hotKey.get()), nullptr);
    EXPECT_FALSE(hotKey->Register(3, 0));
    EXPECT_FALSE(hotKey->Register(1, 81));
    hotKey->Unregister(3, 0);
}

TEST(KelvoCommonFakeHotKey, RecordsRefusesAndPresses) {
    CKelvoCommonFakeHotKey hotKey;
    QSignalSpy spy(&hotKey, &CKelvoCommonHotKey::hotKeyPressed);
    hotKey.Refuse(0x0151);
    EXPECT_TRUE(hotKey.Register(3, 0));
    EXPECT_FALSE(hotKey.Register(1, 81));
    EXPECT_EQ(hotKey.Registered(), QList<int>{0x0300});
    hotKey.Unregister(3, 0);
    EXPECT_FALSE(hotKey.IsRegistered(0x0300));
    using Call = CKelvoCommonFakeHotKey::Call;
    EXPECT_EQ(hotKey.Calls(), (QList<Call>{{Call::RegisterCall, 3, 0},
                                           {Call::RegisterCall, 1, 81},
                                           {Call::UnregisterCall, 3, 0}}));
    hotKey.Press(0x0300);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 0x0300);
}

TEST(KelvoCommonX11WindowSystem, WithoutX11ItLeavesEverythingToQt) {
    CKelvoCommonX11WindowSystem windows;
    QWidget owner;
    QDialog dialog(&owner, Qt::Tool | Qt::FramelessWindowHint);
    EXPECT_FALSE(windows.IsFullScreenWindowPresent());
    windows.PrepareMenuWindow(&dialog);
    EXPECT_NE(dialog.windowHandle(), nullptr);
    windows.SetTopMost(&dialog, true);
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    dialog.show();
    windows.ActivateWindow(&dialog);
    windows.SetTopMost(&dialog, false);
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(dialog.isVisible());
}
