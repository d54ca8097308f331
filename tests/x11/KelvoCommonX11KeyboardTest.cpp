// SPDX-License-Identifier: MIT
// Keys by their place on the X server's keymap, layouts switched with
// setxkbmap: the number row, the Latin letters of the user's layouts, and a
// US keyboard's places when no layout is Latin.
#include "common/platform/x11/KelvoCommonX11Keyboard.h"

#include "tests/x11/KelvoCommonX11TestClient.h"

#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

using namespace vendrask::test::keycode;
using vendrask::test::SetKeyboardLayouts;

class KelvoCommonX11KeyboardTest : public ::testing::Test {
protected:
    void TearDown() override { SetKeyboardLayouts("us"); }
};

} // namespace

TEST_F(KelvoCommonX11KeyboardTest, KeysByTheirPlaceInEveryLayout) {
    struct Row {
        const char* name;
        const char* layouts;
        quint32 keycode;
        int virtualKey;
    };
    const Row rows[] = {
        {"us: Q", "us", kUsQ, 'Q'},
        {"us: the number row's 0", "us", kRow0, '0'},
        {"fr: the unshifted 1 key types &", "fr", kRow1, '1'},
        {"fr: the unshifted 3 key types \"", "fr", kRow3, '3'},
        {"fr: A lies where US has Q", "fr", kUsQ, 'A'},
        {"fr: M lies right of L", "fr", kUsSemicolon, 'M'},
        {"fr: the comma where US has M is no letter", "fr", kUsM, 0},
        {"de: Z lies where US has Y", "de", kUsY, 'Z'},
        {"de: Y lies where US has Z", "de", kUsZ, 'Y'},
        {"ru alone: the US place", "ru", kUsQ, 'Q'},
        {"ru alone: the number row", "ru", kRow3, '3'},
        {"gr alone: the US place", "gr", kUsA, 'A'},
        {"us,ru: the Latin layout", "us,ru", kUsE, 'E'},
        {"ru,fr: the first Latin layout", "ru,fr", kUsQ, 'A'},
        {"ru,fr: no letter where the Latin layout has none", "ru,fr", kUsM, 0},
    };
    CKelvoCommonX11Keyboard keyboard;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(SetKeyboardLayouts(row.layouts));
        const QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, row.keycode, 0, 0);
        EXPECT_EQ(keyboard.VirtualKey(press), row.virtualKey);
    }
}

TEST_F(KelvoCommonX11KeyboardTest, AMadeUpKeymapFollowsTheCharacter) {
    // As a virtual keyboard (wtype, XWayland under sway) uploads it: only
    // the keys it types, under names of its own.
    QTemporaryFile keymap;
    ASSERT_TRUE(keymap.open());
    keymap.write("xkb_keymap {\n"
                 "xkb_keycodes \"(unnamed)\" { minimum = 8; maximum = 255; <K1> = 9; };\n"
                 "xkb_types \"(unnamed)\" { include \"complete\" };\n"
                 "xkb_compatibility \"(unnamed)\" { include \"complete\" };\n"
                 "xkb_symbols \"(unnamed)\" { key <K1> { [ d ] }; };\n"
                 "};\n");
    keymap.close();
    QProcess load;
    load.start(QStringLiteral("xkbcomp"),
               {QStringLiteral("-w0"), keymap.fileName(), qEnvironmentVariable("DISPLAY")});
    ASSERT_TRUE(load.waitForFinished(10000) && load.exitCode() == 0);
    CKelvoCommonX11Keyboard keyboard;
    const QKeyEvent press(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, 9, 0, 0,
                          QStringLiteral("d"));
    EXPECT_EQ(keyboard.VirtualKey(press), 'D');
}
