// SPDX-License-Identifier: MIT
#include "app/VendraskApp.h"
#include "app/VendraskCallUp.h"
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "dialogs/VendraskWindowFrame.h"
#include "menu/VendraskMain.h"
#include "tests/support/VendraskMenuHarness.h"

#include <QAction>
#include <QMenu>
#include <QPixmapCache>
#include <QSet>
#include <QSystemTrayIcon>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using vendrask::test::CVendraskMenuHarness;
using vendrask::test::TempDir;

TEST(VendraskFade, SequencesByLevel) {
    struct Row {
        const char* name;
        int level;
        int transparency;
        bool fadeIn;
        std::vector<int> opacities;
    };
    const Row rows[] = {
        {"level 3 in", 3, 210, true, {50, 100, 150, 200, 210}},
        {"level 3 out", 3, 210, false, {160, 110, 60, 10, 0}},
        {"level 1 in", 1, 255, true, {120, 240, 255}},
        {"level 7 out of 24", 7, 24, false, {12, 0, 0}},
        {"invalid level fades with 50", 12, 120, true, {50, 100, 120}},
        {"negative level fades with 50", -1, 100, false, {50, 0, 0}},
        {"transparency below one step", 2, 60, true, {60}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int start = row.fadeIn ? 0 : row.transparency;
        EXPECT_EQ(CVendraskCallUp::FadeSequence(row.level, row.transparency, start, row.fadeIn),
                  row.opacities);
    }
}

TEST(VendraskPlacement, CentredOnTheMonitor) {
    struct Row {
        const char* name;
        QRect monitor;
        QSize window;
        QPoint at;
    };
    const Row rows[] = {
        {"one monitor", {0, 0, 1920, 1080}, {790, 550}, {565, 265}},
        {"odd free space rounds down", {0, 0, 1921, 1081}, {790, 550}, {565, 265}},
        {"second monitor to the right", {1920, 0, 1280, 1024}, {790, 550}, {2165, 237}},
        {"monitor above the primary", {0, -900, 1600, 900}, {790, 550}, {405, -725}},
        {"window wider and taller than the monitor", {100, 50, 640, 480}, {790, 550}, {100, 50}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CVendraskWindowFrame::CentredOn(row.monitor, row.window), row.at);
    }
}

namespace {

class VendraskShowHide : public ::testing::Test, protected CVendraskMenuHarness {
protected:
    void SetUp() override {
        app->m_colorSetFadeLevel = 0;
        app->m_soundData[CVendraskApp::SoundMenuOpen] = "open";
        app->m_soundData[CVendraskApp::SoundMenuClose] = "close";
        MakeMenu();
    }
    CKelvoCommonFakeSound& Sound() { return FakeSound(); }
    CKelvoCommonFakeWindowSystem& Windows() { return FakeWindowSystem(); }
    CKelvoCommonFakeHotKey& HotKey() { return FakeHotKey(); }
    // The fade's steps run on it while a show or hide waits for them.
    CKelvoCommonFakeClock& Clock() { return FakeClock(); }
    QList<QByteArray> Played() {
        QList<QByteArray> played;
        for (const auto& call : Sound().Calls()) {
            if (call.kind == CKelvoCommonFakeSound::Call::PlayCall)
                played.append(call.data);
        }
        return played;
    }
    QList<int> Opacities() {
        QList<int> opacities;
        for (const auto& call : Windows().OpacityCalls())
            opacities.append(call.alpha);
        return opacities;
    }
    void TrayClick(QSystemTrayIcon::ActivationReason reason = QSystemTrayIcon::Trigger) {
        Q_EMIT menu->TrayIcon()->activated(reason);
        QCoreApplication::sendPostedEvents(menu.get(), QEvent::MetaCall);
    }
    int DefaultIdentifier() const {
        return CKelvoCommonHotKey::Identifier(app->m_hotKeyModifier, app->m_hotKeyCode);
    }
};

} // namespace

TEST_F(VendraskShowHide, NothingShowsUntilTheFirstCallUp) {
    menu->ShowMenu();
    EXPECT_FALSE(menu->isVisible()) << "held hidden by the start-up guard";
    EXPECT_EQ(menu->IsKeptHidden(), true);
    HotKey().Press(DefaultIdentifier());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->IsKeptHidden(), false);
    HotKey().Press(DefaultIdentifier());
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(VendraskShowHide, HookMessageReleasesTheGuard) {
    EXPECT_EQ(KelvoCommonSendMessage(menu.get(), WM_KC_HOOK_SHOW), 1);
    menu->ShowMenu();
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(VendraskShowHide, TrayLeftClickTogglesAndNoOtherActivationDoes) {
    TrayClick();
    EXPECT_TRUE(menu->isVisible());
    for (const auto reason :
         {QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick}) {
        TrayClick(reason);
        EXPECT_TRUE(menu->isVisible()) << reason;
    }
    TrayClick();
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(VendraskShowHide, OtherHotKeyIdentifiersAreIgnored) {
    HotKey().Press(CKelvoCommonHotKey::Identifier(1, 81));
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(VendraskShowHide, FullScreenWindowSilencesTheHotKeyOnlyWhenSwitchedOn) {
    Windows().m_fullScreenWindowPresent = true;
    app->m_behaviorUnableHotKey = 0;
    HotKey().Press(DefaultIdentifier());
    EXPECT_TRUE(menu->isVisible());
    HotKey().Press(DefaultIdentifier());
    app->m_behaviorUnableHotKey = 1;
    HotKey().Press(DefaultIdentifier());
    EXPECT_FALSE(menu->isVisible());
    TrayClick();
    EXPECT_TRUE(menu->isVisible()) << "the tray still works";
}

TEST_F(VendraskShowHide, SoundsAndOpacityWithoutFade) {
    app->m_colorSetTransparency = 200;
    Windows().ClearCalls();
    menu->ToggleMenu();
    menu->ToggleMenu();
    EXPECT_EQ(Opacities(), (QList<int>{0, 200, 0}));
    EXPECT_EQ(Played(), (QList<QByteArray>{"open", "close"}));
}

TEST_F(VendraskShowHide, FadeInThenOpenSoundAndCloseSoundThenFadeOut) {
    app->m_colorSetFadeLevel = 3;
    app->m_colorSetTransparency = 210;
    Windows().ClearCalls();
    menu->ToggleMenu();
    EXPECT_EQ(Opacities(), (QList<int>{0, 50, 100, 150, 200, 210}));
    EXPECT_EQ(Played(), QList<QByteArray>{"open"});
    Windows().ClearCalls();
    menu->ToggleMenu();
    EXPECT_EQ(Opacities(), (QList<int>{160, 110, 60, 10, 0}));
    EXPECT_EQ(Played(), (QList<QByteArray>{"open", "close"}));
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(VendraskShowHide, RequestsDuringAFadeAreCarriedOutAfterIt) {
    enum Request { Toggle, Show, Hide };
    struct Row {
        const char* name;
        bool shownBefore;
        std::vector<Request> duringFade;
        bool shownAfter;
    };
    const Row rows[] = {
        {"a toggle during the fade-in hides", false, {Toggle}, false},
        {"a second toggle cancels the first", false, {Toggle, Toggle}, true},
        {"a third toggle hides again", false, {Toggle, Toggle, Toggle}, false},
        {"a toggle during the fade-out shows", true, {Toggle}, true},
        {"a show into a fade-in leaves nothing waiting", false, {Show, Toggle}, false},
        {"a hide after a toggle still hides", false, {Toggle, Hide}, false},
        {"a show cancels a waiting hide", false, {Hide, Show}, true},
    };
    app->m_colorSetFadeLevel = 3;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (menu->isVisible() != row.shownBefore)
            menu->ToggleMenu();
        // Sent while the fade's steps run.
        Clock().RunLater(2 * CVendraskCallUp::kFadeStepMs, [&] {
            for (Request request : row.duringFade) {
                if (request == Toggle)
                    menu->ToggleMenu();
                else if (request == Show)
                    menu->ShowMenu();
                else
                    menu->HideMenu();
            }
        });
        menu->ToggleMenu();
        EXPECT_EQ(menu->isVisible(), row.shownAfter);
    }
}

TEST_F(VendraskShowHide, QuietHideHasNoSoundAndNoFade) {
    app->m_colorSetFadeLevel = 3;
    menu->ToggleMenu();
    Windows().ClearCalls();
    menu->HideQuietlyNext();
    menu->HideMenu();
    EXPECT_EQ(Opacities(), QList<int>{0});
    EXPECT_EQ(Played(), QList<QByteArray>{"open"});
    EXPECT_EQ(menu->IsQuietHideAsked(), false);
}

TEST_F(VendraskShowHide, AQuietHideWithNothingToHideLeavesTheNextHideItsSound) {
    // The information window's address and Open Folder ask for a quiet
    // hide also when the menu is already gone.
    const struct {
        const char* name;
        bool duringFadeOut;
    } rows[] = {{"menu hidden", false}, {"menu fading out", true}};
    app->m_colorSetFadeLevel = 3;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto quietHide = [this] {
            menu->HideQuietlyNext();
            menu->HideMenu();
        };
        if (row.duringFadeOut) {
            menu->ToggleMenu();
            Clock().RunLater(CVendraskCallUp::kFadeStepMs, quietHide);
            menu->ToggleMenu();
        } else {
            quietHide();
        }
        ASSERT_FALSE(menu->isVisible());
        EXPECT_EQ(menu->IsQuietHideAsked(), false);
        menu->ToggleMenu();
        const qsizetype before = Played().size();
        menu->ToggleMenu();
        EXPECT_EQ(Played().mid(before), QList<QByteArray>{"close"});
    }
}

TEST_F(VendraskShowHide, SoundsOnlyWhileTheSwitchIsExactlyOne) {
    app->m_soundFlag = 2;
    menu->ToggleMenu();
    menu->ToggleMenu();
    EXPECT_TRUE(Played().isEmpty());
}

TEST_F(VendraskShowHide, HidingReturnsToTheDefaultGroup) {
    struct Row {
        const char* name;
        int defaultGroup;
        int shownGroup;
        int groupAfterHide;
    };
    const Row rows[] = {
        {"default group 3", 3, 7, 3},
        {"99 keeps the last group", 99, 7, 7},
        {"default group 0", 0, 5, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        app->m_behaviorDefaultGroupID = row.defaultGroup;
        menu->ToggleMenu();
        app->m_currentGroup = row.shownGroup;
        menu->ShowCurrentGroup();
        menu->ToggleMenu();
        EXPECT_EQ(app->m_currentGroup, row.groupAfterHide);
        EXPECT_EQ(menu->GroupButton(row.groupAfterHide)->GetCheck(), 1);
    }
}

TEST_F(VendraskShowHide, MenuPictureIsAFreshPaintAfterEveryChange) {
    struct Row {
        const char* name;
        std::function<void(CVendraskApp&, CVendraskMain&)> change;
    };
    const Row rows[] = {
        {"item label",
         [](CVendraskApp& a, CVendraskMain& m) {
             a.m_item[2].Name.Assign(QStringLiteral("Terminal"));
             m.ShowItemNames();
         }},
        {"group switch",
         [](CVendraskApp& a, CVendraskMain& m) {
             a.m_currentGroup = 4;
             m.ShowCurrentGroup();
         }},
        {"colour set",
         [](CVendraskApp& a, CVendraskMain& m) {
             a.m_colorSetIndex = 3;
             a.ApplyColorSet();
             KelvoCommonSendMessage(&m, WM_APP_COLORCHANGED);
         }},
        {"button font",
         [](CVendraskApp& a, CVendraskMain& m) {
             a.m_fontButton.setPointSize(a.m_fontButton.pointSize() + 4);
             m.ApplyAppearance();
         }},
        {"hover", [](CVendraskApp&, CVendraskMain& m) { m.ItemButton(5)->SetFlagHovered(1); }},
        {"disabled", [](CVendraskApp&, CVendraskMain& m) { m.ItemButton(7)->SetFlagEnable(0); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        menu->UpdateMenuPicture();
        const QImage before = menu->MenuPicture().toImage();
        row.change(*app, *menu);
        menu->UpdateMenuPicture();
        const QImage picture = menu->MenuPicture().toImage();
        EXPECT_NE(picture, before) << "the change shows";
        EXPECT_EQ(picture, menu->grab().toImage()) << "the picture is what a paint gives now";
    }
}

TEST_F(VendraskShowHide, MenuPictureIsKeptWhileNothingChanges) {
    menu->UpdateMenuPicture();
    const int made = menu->MenuPicturePaintCount();
    for (int i = 0; i < 3; ++i) {
        menu->ToggleMenu();
        QCoreApplication::processEvents();
        menu->ToggleMenu();
        QCoreApplication::processEvents();
    }
    menu->UpdateMenuPicture();
    EXPECT_EQ(menu->MenuPicturePaintCount(), made);
    EXPECT_EQ(menu->MenuPicture().toImage(), menu->grab().toImage());
}

// Qt's pixmap cache trims itself on a timer 30 s after its last insert: a
// hidden launcher holding entries would wake for it.
TEST_F(VendraskShowHide, HiddenLauncherKeepsNothingInThePixmapCache) {
    menu->ToggleMenu();
    QPixmap probe(4, 4);
    probe.fill(Qt::red);
    QPixmapCache::insert(QStringLiteral("probe"), probe);
    menu->ToggleMenu();
    ASSERT_FALSE(menu->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(QPixmapCache::find(QStringLiteral("probe"), &probe));
}

TEST_F(VendraskShowHide, TopMostFollowsTheSetting) {
    app->m_behaviorShowTopMost = 0;
    menu->ToggleMenu();
    ASSERT_FALSE(Windows().TopMostCalls().isEmpty());
    EXPECT_FALSE(Windows().TopMostCalls().last());
    menu->ToggleMenu();
    app->m_behaviorShowTopMost = 1;
    menu->ToggleMenu();
    EXPECT_TRUE(Windows().TopMostCalls().last());
}

TEST_F(VendraskShowHide, PauseAndResume) {
    const int id = DefaultIdentifier();
    EXPECT_TRUE(HotKey().IsRegistered(id));
    menu->ToggleMenu();
    menu->OnPause();
    EXPECT_FALSE(menu->isVisible()) << "Pause hides a shown menu quietly";
    EXPECT_FALSE(HotKey().IsRegistered(id));
    EXPECT_EQ(menu->IsPaused(), true);
    EXPECT_FALSE(menu->IsHotKeyRegistered());
    EXPECT_EQ(menu->TrayIconId(), 136);
    EXPECT_TRUE(menu->IconMenu()->actions().first()->isChecked());

    app->m_hotKeyModifier = 1;
    app->m_hotKeyCode = 81;
    menu->OnPause();
    EXPECT_TRUE(HotKey().IsRegistered(CKelvoCommonHotKey::Identifier(1, 81)))
        << "resumes with the current combination";
    EXPECT_EQ(menu->IsPaused(), false);
    EXPECT_EQ(menu->TrayIconId(), 135);
    EXPECT_FALSE(menu->IconMenu()->actions().first()->isChecked());

    // Taken by another program during the pause: resuming says so.
    menu->OnPause();
    HotKey().Refuse(CKelvoCommonHotKey::Identifier(1, 81));
    auto& box = FakeMessageBox();
    const qsizetype boxes = box.Shown().size();
    menu->OnPause();
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu->IsHotKeyRefused());
    EXPECT_FALSE(menu->IsHotKeyRegistered());
    ASSERT_EQ(box.Shown().size(), boxes + 1);
    EXPECT_TRUE(box.Shown().last().contains(QLatin1String("could not be registered")));
}

// A Wayland desktop answers in its own time: a combination it refuses after
// Register had seemed to take it is told, once, and only for the one held.
TEST_F(VendraskShowHide, RefusedByTheDesktopLaterIsTold) {
    auto& box = FakeMessageBox();
    const qsizetype boxes = box.Shown().size();
    HotKey().RefuseLater(CKelvoCommonHotKey::Identifier(1, 81)); // not the one held
    QCoreApplication::processEvents();
    EXPECT_FALSE(menu->IsHotKeyRefused());
    EXPECT_EQ(box.Shown().size(), boxes);

    HotKey().RefuseLater(DefaultIdentifier());
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu->IsHotKeyRefused());
    ASSERT_EQ(box.Shown().size(), boxes + 1);
    EXPECT_TRUE(box.Shown().last().contains(QLatin1String("did not bind the hot key")));
    HotKey().RefuseLater(DefaultIdentifier());
    QCoreApplication::processEvents();
    EXPECT_EQ(box.Shown().size(), boxes + 1);
}

TEST_F(VendraskShowHide, IconMenuTexts) {
    const auto actions = menu->IconMenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Pause (Hot Key) (&P)"));
    EXPECT_TRUE(actions[0]->isCheckable());
    EXPECT_FALSE(actions[0]->isChecked());
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Close (&C)"));
    EXPECT_EQ(menu->TrayIcon()->toolTip(), QStringLiteral("Vendrask"));
}

TEST_F(VendraskShowHide, DestroyingTheWindowUnregistersTheHotKey) {
    const int id = DefaultIdentifier();
    menu.reset();
    EXPECT_FALSE(HotKey().IsRegistered(id));
}
