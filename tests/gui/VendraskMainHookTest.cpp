// SPDX-License-Identifier: MIT
// The menu window called up and sent away by the mouse hook.
#include "app/VendraskApp.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "common/platform/fake/KelvoCommonFakeClock.h"
#include "common/platform/fake/KelvoCommonFakeHookMouseSource.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"
#include "common/platform/fake/KelvoCommonFakeSound.h"
#include "menu/VendraskMain.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

using vendrask::test::TempDir;

namespace {

class VendraskHook : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<CVendraskApp>(KelvoCreateFakePlatformServices());
        app->SetIniFilePath(QString::fromStdString(dir.File("Vendrask.ini").string()));
        app->LoadFromIniFile();
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
        app->ApplyColorSet();
    }
    void MakeMenu() {
        owner = std::make_unique<QWidget>();
        menu = std::make_unique<CVendraskMain>(*app, owner.get());
    }
    void TearDown() override {
        menu.reset();
        app.reset();
    }
    CKelvoCommonFakeHookMouseSource& Source() {
        return static_cast<CKelvoCommonFakeHookMouseSource&>(app->Services().hookMouse->Source());
    }
    CKelvoCommonFakeClock& Clock() {
        return static_cast<CKelvoCommonFakeClock&>(app->Services().hookMouse->Scheduler());
    }
    QList<QByteArray> Played() {
        QList<QByteArray> played;
        for (const auto& call :
             static_cast<CKelvoCommonFakeSound&>(*app->Services().sound).Calls()) {
            if (call.kind == CKelvoCommonFakeSound::Call::PlayCall)
                played.append(call.data);
        }
        return played;
    }

    TempDir dir;
    std::unique_ptr<CVendraskApp> app;
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<CVendraskMain> menu;
};

} // namespace

TEST_F(VendraskHook, FirstCallUpByTheEdgeAndHideThroughTheNormalPath) {
    MakeMenu();
    ASSERT_TRUE(Source().IsStarted());
    Source().MoveTo({500, 500});
    Source().MoveTo({0, 500});
    Clock().Advance(499);
    EXPECT_FALSE(menu->isVisible());
    Clock().Advance(1);
    EXPECT_TRUE(menu->isVisible()) << "the hook releases the start-up guard";
    EXPECT_EQ(menu->IsKeptHidden(), false);
    EXPECT_EQ(Played(), QList<QByteArray>{"open"});

    app->m_currentGroup = 7;
    Source().MoveTo({500, 500});
    Source().MoveTo({0, 400});
    Clock().Advance(0);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(Played(), (QList<QByteArray>{"open", "close"}));
    EXPECT_EQ(app->m_currentGroup, 3) << "a hook hide returns to the default group";
}

TEST_F(VendraskHook, TheWindowCopiesTheSettingsOfTheModel) {
    app->m_mouseHookLeft = 0;
    app->m_mouseHookRight = 1;
    MakeMenu();
    Source().MoveTo({0, 500});
    Clock().Advance(600);
    EXPECT_FALSE(menu->isVisible()) << "left edge off";
    Source().MoveTo({1919, 500});
    Clock().Advance(600);
    EXPECT_TRUE(menu->isVisible()) << "right edge on";
}
