// SPDX-License-Identifier: MIT
// The menu window called up and sent away by the mouse hook.
#include "app/VendraskApp.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "menu/VendraskMain.h"
#include "tests/support/VendraskMenuHarness.h"

#include <gtest/gtest.h>
#include <memory>

using vendrask::test::CVendraskMenuHarness;

namespace {

class VendraskHook : public ::testing::Test, protected CVendraskMenuHarness {
protected:
    void SetUp() override {
        app->m_colorSetFadeLevel = 0;
        app->m_soundData[CVendraskApp::SoundMenuOpen] = "open";
        app->m_soundData[CVendraskApp::SoundMenuClose] = "close";
        app->m_mouseHookMilliSecond = 500;
        app->m_mouseHookTop = 0;
        app->m_mouseHookBottom = 0;
        app->m_mouseHookLeft = 1;
        app->m_mouseHookRight = 0;
        app->m_mouseHookClickOnDesktop = 0;
        app->m_behaviorDefaultGroupID = 3;
    }
    QList<QByteArray> Played() {
        QList<QByteArray> played;
        for (const auto& call : FakeSound().Calls()) {
            if (call.kind == CKelvoCommonFakeSound::Call::PlayCall)
                played.append(call.data);
        }
        return played;
    }
};

} // namespace

TEST_F(VendraskHook, FirstCallUpByTheEdgeAndHideThroughTheNormalPath) {
    MakeMenu();
    ASSERT_TRUE(FakeHookSource().IsStarted());
    FakeHookSource().MoveTo({500, 500});
    FakeHookSource().MoveTo({0, 500});
    FakeHookClock().Advance(499);
    EXPECT_FALSE(menu->isVisible());
    FakeHookClock().Advance(1);
    EXPECT_TRUE(menu->isVisible()) << "the hook releases the start-up guard";
    EXPECT_EQ(menu->IsKeptHidden(), false);
    EXPECT_EQ(Played(), QList<QByteArray>{"open"});

    app->m_currentGroup = 7;
    FakeHookSource().MoveTo({500, 500});
    FakeHookSource().MoveTo({0, 400});
    FakeHookClock().Advance(0);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(Played(), (QList<QByteArray>{"open", "close"}));
    EXPECT_EQ(app->m_currentGroup, 3) << "a hook hide returns to the default group";
}

TEST_F(VendraskHook, TheWindowCopiesTheSettingsOfTheModel) {
    app->m_mouseHookLeft = 0;
    app->m_mouseHookRight = 1;
    MakeMenu();
    FakeHookSource().MoveTo({0, 500});
    FakeHookClock().Advance(600);
    EXPECT_FALSE(menu->isVisible()) << "left edge off";
    FakeHookSource().MoveTo({1919, 500});
    FakeHookClock().Advance(600);
    EXPECT_TRUE(menu->isVisible()) << "right edge on";
}
