// SPDX-License-Identifier: MIT
// The configuration window and its three pages: what each page shows for
// the stored settings, what each change does to the model, the hot key and
// the hook, how colour changes reach the menu window, and what closing
// writes.
#include "dialogs/VendraskConfig.h"

#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonCombo.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonGdiplus.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonTab.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "dialogs/VendraskConfigAppearance.h"
#include "dialogs/VendraskConfigBehavior.h"
#include "dialogs/VendraskConfigSound.h"
#include "dialogs/VendraskDialogUnits.h"
#include "menu/VendraskMain.h"
#include "tests/gui/VendraskDialogTestSupport.h"

#include <QAbstractItemView>
#include <QTest>
#include <gtest/gtest.h>

using vendrask::test::CModalAnswerer;
using vendrask::test::CVendraskHarness;

namespace {

// What a user's pick in a list does: the list shows it, then reports it.
void Choose(QWidget* control, int index) {
    auto* combo = qobject_cast<CKelvoCommonCombo*>(control);
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void Choose(QWidget* control, const char* text) {
    auto* combo = qobject_cast<CKelvoCommonCombo*>(control);
    ASSERT_NE(combo, nullptr);
    const int index = combo->findText(QLatin1String(text));
    ASSERT_GE(index, 0) << text;
    Choose(combo, index);
}

QString Shown(QWidget* control) {
    auto* combo = qobject_cast<CKelvoCommonCombo*>(control);
    return combo != nullptr && combo->GetCurSel() >= 0 ? combo->currentText()
                                                       : QStringLiteral("<none>");
}

void Click(QWidget* control) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

class VendraskConfigTest : public ::testing::Test, protected CVendraskHarness {
protected:
    // A window run prepared but not entered: its pages are built and live.
    std::unique_ptr<CVendraskConfig> Open(QWidget* owner = nullptr) {
        auto window = std::make_unique<CVendraskConfig>(
            App(), owner != nullptr ? owner : &this->owner, hotKeyState);
        window->PrepareRun();
        return window;
    }

    QWidget owner;
    CVendraskHotKeyState hotKeyState{App()};
};

} // namespace

TEST_F(VendraskConfigTest, FrameTabsAndPages) {
    auto window = Open();
    EXPECT_EQ(window->size(), QSize(720, 430));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vendrask Configuration"));
    EXPECT_EQ(window->CloseButton()->geometry(), QRect(698, 3, 16, 15));
    CKelvoCommonTab* tab = window->Tab();
    ASSERT_EQ(tab->GetItemCount(), 3);
    EXPECT_EQ(tab->GetItemText(0), QStringLiteral("Behavior"));
    EXPECT_EQ(tab->GetItemText(1), QStringLiteral("Appearance"));
    EXPECT_EQ(tab->GetItemText(2), QStringLiteral("Sound"));
    EXPECT_EQ(tab->GetCurSel(), 0);

    const QStringList texts{QStringLiteral("Vendrask Configuration (Behavior)"),
                            QStringLiteral("Vendrask Configuration (Appearance)"),
                            QStringLiteral("Vendrask Configuration (Sound)")};
    for (int page = 0; page < CVendraskConfig::kPageCount; ++page) {
        CVendraskConfigPage* shown = window->Page(page);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->parentWidget(), tab);
        EXPECT_EQ(shown->geometry(), QRect(10, 30, 670, 350));
        EXPECT_EQ(shown->windowTitle(), texts[page]);
        EXPECT_EQ(shown->IsInitialized(), 1);
        EXPECT_EQ(shown->isVisibleTo(window.get()), page == 0);
    }
    // A click on the "Sound" tab shows that page alone; the keyboard moves
    // between the pages too.
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->GetItemRect(2).center());
    EXPECT_FALSE(window->Behavior()->isVisibleTo(window.get()));
    EXPECT_TRUE(window->Sound()->isVisibleTo(window.get()));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int page;
    } steps[] = {{Qt::Key_Tab, Qt::ControlModifier, 0},
                 {Qt::Key_PageDown, Qt::ControlModifier, 1},
                 {Qt::Key_PageUp, Qt::ControlModifier, 0},
                 {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2}};
    for (const auto& step : steps) {
        QTest::keyClick(window.get(), step.key, step.modifiers);
        EXPECT_EQ(tab->GetCurSel(), step.page);
        EXPECT_TRUE(window->Page(step.page)->isVisibleTo(window.get())) << step.page;
    }

    if (const QByteArray folder = qgetenv("VENDRASK_SCREENSHOT_DIR"); !folder.isEmpty()) {
        for (int page = 0; page < CVendraskConfig::kPageCount; ++page) {
            window->Tab()->SetCurSel(page);
            Q_EMIT window->Tab()->SelectionChanged(page);
            window->grab().save(QString::fromLocal8Bit(folder) +
                                QStringLiteral("/config-%1.png").arg(page));
        }
    }
}

TEST_F(VendraskConfigTest, ADoubleClickClosesOnTheWindowOutsideTheTabControlOnly) {
    struct Row {
        const char* name;
        QPoint at; // window pixels; the tab control lies at (9, 29), 701 x 359
        bool closes;
        int page; // the page shown afterwards
    };
    const Row rows[] = {
        {"on a page", {400, 300}, false, CVendraskConfig::PageBehavior},
        {"on the strip right of the tabs", {609, 39}, false, CVendraskConfig::PageBehavior},
        {"on the tab control's left margin", {13, 229}, false, CVendraskConfig::PageBehavior},
        {"on the tab control's right margin", {704, 229}, false, CVendraskConfig::PageBehavior},
        {"on a tab, which it selects", {240, 40}, false, CVendraskConfig::PageAppearance},
        {"on the window below the tab control", {360, 410}, true, CVendraskConfig::PageBehavior},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto window = Open();
        window->show();
        ASSERT_EQ(window->Tab()->geometry(), QRect(9, 29, 701, 359));
        // To what lies under the point, as a real double click goes.
        QWidget* under = window->childAt(row.at);
        QWidget* target = under != nullptr ? under : window.get();
        QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(window.get(), row.at));
        EXPECT_EQ(window->isVisible(), !row.closes);
        EXPECT_EQ(window->Tab()->GetCurSel(), row.page);
        EXPECT_EQ(window->Page(row.page)->isVisible(), !row.closes);
    }
}

TEST_F(VendraskConfigTest, WhatThePagesShowForTheStoredSettings) {
    const struct {
        const char* name;
        std::function<void(CVendraskApp&)> store;
        int page;
        int control;
        const char* shown;
    } rows[] = {
        {"transparency not in the list", [](CVendraskApp& a) { a.m_colorSetTransparency = 215; },
         CVendraskConfig::PageAppearance, CVendraskConfigAppearance::kIdTransparency, "255"},
        {"transparency 25 begins item 255", [](CVendraskApp& a) { a.m_colorSetTransparency = 25; },
         CVendraskConfig::PageAppearance, CVendraskConfigAppearance::kIdTransparency, "255"},
        {"transparency 160", [](CVendraskApp& a) { a.m_colorSetTransparency = 160; },
         CVendraskConfig::PageAppearance, CVendraskConfigAppearance::kIdTransparency, "160"},
        {"fade level 5", [](CVendraskApp& a) { a.m_colorSetFadeLevel = 5; },
         CVendraskConfig::PageAppearance, CVendraskConfigAppearance::kIdFadeLevel, "5"},
        {"colour set 4", [](CVendraskApp& a) { a.m_colorSetIndex = 4; },
         CVendraskConfig::PageAppearance, CVendraskConfigAppearance::kIdColorSet,
         "Sunshine Orange"},
        {"hot key modifier 2 alone is none of the list",
         [](CVendraskApp& a) { a.m_hotKeyModifier = 2, a.m_hotKeyCode = 0; },
         CVendraskConfig::PageBehavior, CVendraskConfigBehavior::kIdHotKey, "<none>"},
        {"any hot key with Q shows Alt + Q",
         [](CVendraskApp& a) { a.m_hotKeyModifier = 3, a.m_hotKeyCode = 81; },
         CVendraskConfig::PageBehavior, CVendraskConfigBehavior::kIdHotKey, "Alt + Q"},
        {"hot key Ctrl + Shift", [](CVendraskApp& a) { a.m_hotKeyModifier = 6; },
         CVendraskConfig::PageBehavior, CVendraskConfigBehavior::kIdHotKey, "Ctrl + Shift"},
        {"hook wait not in the list", [](CVendraskApp& a) { a.m_mouseHookMilliSecond = 750; },
         CVendraskConfig::PageBehavior, CVendraskConfigBehavior::kIdHookWait, "<none>"},
        {"hook wait click", [](CVendraskApp& a) { a.m_mouseHookMilliSecond = 300000; },
         CVendraskConfig::PageBehavior, CVendraskConfigBehavior::kIdHookWait, "Click"},
        {"default group 0 is the last item",
         [](CVendraskApp& a) { a.m_behaviorDefaultGroupID = 0; }, CVendraskConfig::PageBehavior,
         CVendraskConfigBehavior::kIdDefaultGroup, "0"},
        {"default group none", [](CVendraskApp& a) { a.m_behaviorDefaultGroupID = 99; },
         CVendraskConfig::PageBehavior, CVendraskConfigBehavior::kIdDefaultGroup, "None"},
        {"default group 42", [](CVendraskApp& a) { a.m_behaviorDefaultGroupID = 42; },
         CVendraskConfig::PageBehavior, CVendraskConfigBehavior::kIdDefaultGroup, "<none>"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CVendraskHarness fresh;
        row.store(fresh.App());
        const int transparency = fresh.App().m_colorSetTransparency;
        const int modifier = fresh.App().m_hotKeyModifier;
        const int wait = fresh.App().m_mouseHookMilliSecond;
        CVendraskHotKeyState state(fresh.App());
        CVendraskConfig window(fresh.App(), &owner, state);
        window.PrepareRun();
        EXPECT_EQ(Shown(window.Page(row.page)->Control(row.control)), QLatin1String(row.shown));
        // Showing changes nothing stored.
        EXPECT_EQ(fresh.App().m_colorSetTransparency, transparency);
        EXPECT_EQ(fresh.App().m_hotKeyModifier, modifier);
        EXPECT_EQ(fresh.App().m_mouseHookMilliSecond, wait);
    }
}

TEST_F(VendraskConfigTest, DropDownListsOpenFourOrFiveEntriesTall) {
    auto window = Open();
    int checked = 0;
    for (QWidget* page :
         {static_cast<QWidget*>(window->Behavior()), static_cast<QWidget*>(window->Appearance())}) {
        for (CKelvoCommonCombo* combo : page->findChildren<CKelvoCommonCombo*>()) {
            if (combo->count() <= 5)
                continue;
            ++checked;
            combo->showPopup();
            QTRY_VERIFY(combo->view()->isVisible());
            const int rows = combo->view()->viewport()->height() / combo->view()->sizeHintForRow(0);
            EXPECT_GE(rows, 4) << combo->accessibleName().toStdString();
            EXPECT_LE(rows, 5) << combo->accessibleName().toStdString();
            combo->hidePopup();
        }
    }
    EXPECT_GE(checked, 3);
}

TEST_F(VendraskConfigTest, FontListsShowTheStoredFaceOrTheFirstFont) {
    App().m_fontDialogFaceName = QStringLiteral("No Such Font Family");
    auto window = Open();
    auto* dialogFont = qobject_cast<CKelvoCommonCombo*>(
        window->Appearance()->Control(CVendraskConfigAppearance::kIdDialogFont));
    ASSERT_NE(dialogFont, nullptr);
    ASSERT_GT(dialogFont->GetCount(), 0) << "the test machine has outline fonts";
    EXPECT_EQ(dialogFont->GetCurSel(), 0);
    EXPECT_EQ(App().m_fontDialogFaceName, QStringLiteral("No Such Font Family"));

    // A pick stores the whole face name; only the font takes 31 characters.
    const QString longName = QStringLiteral("A Family Name Longer Than Thirty-One Characters");
    dialogFont->AddString(longName);
    Choose(dialogFont, dialogFont->findText(longName));
    EXPECT_EQ(App().m_fontDialogFaceName, longName);
    EXPECT_EQ(App().m_fontDialog.family(), longName.left(31));
}

TEST_F(VendraskConfigTest, SelectColorButtonsSitBesideTheirSwatchesInsideThePage) {
    auto window = Open();
    CVendraskConfigAppearance& page = *window->Appearance();
    // Label x, y in dialog units; swatch 120 units right of the label, the
    // button 24 units right of the swatch, left edge to left edge.
    const struct {
        const char* name;
        int color;
        int labelX, labelY;
    } rows[] = {{"first of the left column", 0, 12, 84}, {"last of the right column", 9, 234, 180}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect swatch = CVendraskConfigAppearance::SwatchRect(row.color);
        const QRect button =
            page.Control(CVendraskConfigAppearance::kSelectColorIds[row.color])->geometry();
        EXPECT_EQ(swatch, VendraskDialogUnits::Rect(row.labelX + 120, row.labelY - 3, 18, 13));
        EXPECT_EQ(button, VendraskDialogUnits::Rect(row.labelX + 144, row.labelY - 3, 60, 13));
        EXPECT_LT(swatch.right(), button.left());
        EXPECT_LT(button.right(), page.width() - 1);
    }
}

TEST_F(VendraskConfigTest, HotKeyChangesRegisterOnlyWhileNotPausedAndARefusalIsTold) {
    using Call = CKelvoCommonFakeHotKey::Call;
    const int chosen = CKelvoCommonHotKey::Identifier(1, 81);
    const int before = CKelvoCommonHotKey::Identifier(3, 0);
    const struct {
        const char* name;
        bool paused;
        QList<int> refused;
        QList<Call> calls;
        const char* shown; // the list and the model afterwards
        const char* told;  // a line of the box, or null: no box
        bool stateRefused;
    } rows[] = {
        {"registered: the old one goes, the new one comes",
         false,
         {},
         {{Call::UnregisterCall, 3, 0}, {Call::RegisterCall, 1, 81}},
         "Alt + Q",
         nullptr,
         false},
        {"paused: only the setting changes", true, {}, {}, "Alt + Q", nullptr, false},
        {"refused: the one before works again",
         false,
         {chosen},
         {{Call::UnregisterCall, 3, 0}, {Call::RegisterCall, 1, 81}, {Call::RegisterCall, 3, 0}},
         "Ctrl + Alt",
         "The hot key \"Ctrl + Alt\" stays in use.",
         false},
        {"refused, and the one before is taken meanwhile: no hot key, status says refused",
         false,
         {chosen, before},
         {{Call::UnregisterCall, 3, 0}, {Call::RegisterCall, 1, 81}, {Call::RegisterCall, 3, 0}},
         "Alt + Q",
         "No hot key works now",
         true},
    };
    auto& box = FakeMessageBox();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        App().m_hotKeyModifier = 3;
        App().m_hotKeyCode = 0;
        CVendraskHotKeyState state(App());
        ASSERT_TRUE(state.Arm());
        if (row.paused)
            state.Pause();
        for (int identifier : row.refused)
            FakeHotKey().Refuse(identifier);
        CVendraskConfig window(App(), &owner, state);
        window.PrepareRun();
        FakeHotKey().ClearCalls();
        const qsizetype boxes = box.Shown().size();
        QWidget* list = window.Behavior()->Control(CVendraskConfigBehavior::kIdHotKey);
        Choose(list, "Alt + Q");
        QCoreApplication::processEvents();
        EXPECT_EQ(Shown(list), QLatin1String(row.shown));
        EXPECT_EQ(CVendraskConfigBehavior::HotKeyIndex(App().m_hotKeyModifier, App().m_hotKeyCode),
                  qobject_cast<CKelvoCommonCombo*>(list)->findText(QLatin1String(row.shown)));
        EXPECT_EQ(FakeHotKey().Calls(), row.calls);
        if (row.told == nullptr) {
            EXPECT_EQ(box.Shown().size(), boxes);
        } else {
            ASSERT_EQ(box.Shown().size(), boxes + 1);
            EXPECT_TRUE(box.Shown().last().contains(QLatin1String("\"Alt + Q\" could not be")));
            EXPECT_TRUE(box.Shown().last().contains(QLatin1String(row.told)))
                << box.Shown().last().toStdString();
        }
        EXPECT_EQ(state.IsRefused(), row.stateRefused);
        for (int identifier : row.refused)
            FakeHotKey().Refuse(identifier, false);
        state.Release();
    }
}

TEST_F(VendraskConfigTest, BehaviorChangesReachTheModelAndTheRunningHook) {
    App().m_mouseHookTop = 1;
    App().m_behaviorItemLock = 0;
    CKelvoCommonHookMouse::SetFlagMouseHookAtTop(1);
    auto window = Open();
    CVendraskConfigBehavior& page = *window->Behavior();
    const std::vector<QRect> screen{QRect(0, 0, 1000, 800)};
    ASSERT_TRUE(CKelvoCommonHookMouse::IsAtActiveEdge(QPoint(500, 0), screen));

    Click(page.Control(CVendraskConfigBehavior::kIdTop));
    EXPECT_EQ(App().m_mouseHookTop, 0);
    EXPECT_FALSE(CKelvoCommonHookMouse::IsAtActiveEdge(QPoint(500, 0), screen))
        << "the edge stops working at once";
    Click(page.Control(CVendraskConfigBehavior::kIdItemLock));
    EXPECT_EQ(App().m_behaviorItemLock, 1);
    Choose(page.Control(CVendraskConfigBehavior::kIdHookWait), "Click");
    EXPECT_EQ(App().m_mouseHookMilliSecond, 300000);
    Choose(page.Control(CVendraskConfigBehavior::kIdDefaultGroup), "0");
    EXPECT_EQ(App().m_behaviorDefaultGroupID, 0);
    Choose(page.Control(CVendraskConfigBehavior::kIdDefaultGroup), "None");
    EXPECT_EQ(App().m_behaviorDefaultGroupID, 99);
    Click(page.Control(CVendraskConfigBehavior::kIdTop));
    EXPECT_TRUE(CKelvoCommonHookMouse::IsAtActiveEdge(QPoint(500, 0), screen));
}

TEST_F(VendraskConfigTest, AColourSetReachesEveryOpenWindowButTheSoundPagesControls) {
    auto menu = std::make_unique<CVendraskMain>(App(), &owner);
    menu->show();
    auto window = Open(menu.get());
    const CVendraskApp::ColorSet userDefined = App().m_colorSet[0];
    const CKelvoCommonButtonColor soundButtonsBefore =
        static_cast<CKelvoCommonButton*>(window->Sound()->Control(1171))->m_color;
    const int paintsBefore = menu->BackgroundPaintCount();
    menu->grab();

    CVendraskConfigAppearance& page = *window->Appearance();
    Choose(page.Control(CVendraskConfigAppearance::kIdColorSet), "Ocean Cobalt");
    const CVendraskApp::ColorSet& cobalt = CVendraskApp::BuiltInColorSet(5);
    EXPECT_EQ(App().m_colorSetIndex, 5);
    EXPECT_FALSE(page.Control(CVendraskConfigAppearance::kSelectColorIds[0])->isEnabled());

    // The menu window repaints its gradient while this window is open.
    const QImage menuImage = menu->grab().toImage();
    EXPECT_GT(menu->BackgroundPaintCount(), paintsBefore);
    EXPECT_EQ(menu->ItemButton(0)->m_color.colorBackgroundDefault, cobalt[5]);
    EXPECT_GT(qBlue(menuImage.pixel(20, 500)), qRed(menuImage.pixel(20, 500)));
    // This window, the Behavior page and the swatches have the preset's colours.
    const QImage windowImage = window->grab().toImage();
    EXPECT_EQ(QColor(windowImage.pixel(3, 400)), CKelvoCommonGdiplus::ToQColor(cobalt[1]));
    auto* hotKey = static_cast<CKelvoCommonCombo*>(
        window->Behavior()->Control(CVendraskConfigBehavior::kIdHotKey));
    EXPECT_EQ(hotKey->m_color.colorBackground, App().m_comboColor.colorBackground);
    const QImage pageImage = page.grab().toImage();
    for (int color = 0; color < CVendraskApp::kColorsPerSet; ++color) {
        const QRect swatch = CVendraskConfigAppearance::SwatchRect(color);
        EXPECT_EQ(QColor(pageImage.pixel(swatch.topLeft())),
                  CKelvoCommonGdiplus::ToQColor(cobalt[3]))
            << "frame of swatch " << color;
        EXPECT_EQ(QColor(pageImage.pixel(swatch.center())),
                  CKelvoCommonGdiplus::ToQColor(cobalt[color]))
            << "inside of swatch " << color;
    }
    // The Sound page's controls keep theirs until the next opening.
    EXPECT_EQ(static_cast<CKelvoCommonButton*>(window->Sound()->Control(1171))
                  ->m_color.colorBackgroundDefault,
              soundButtonsBefore.colorBackgroundDefault);

    // User Defined again: the buttons come back, set 0 is as it was.
    Choose(page.Control(CVendraskConfigAppearance::kIdColorSet), "User Defined");
    EXPECT_TRUE(page.Control(CVendraskConfigAppearance::kSelectColorIds[0])->isEnabled());
    EXPECT_EQ(App().m_colorSet[0], userDefined);
}

TEST_F(VendraskConfigTest, AppearanceSettings) {
    auto menu = std::make_unique<CVendraskMain>(App(), &owner);
    auto window = Open(menu.get());
    CVendraskConfigAppearance& page = *window->Appearance();
    const auto lastOpacity = [&](const QWidget* target) {
        int alpha = -1;
        for (const auto& call : FakeWindowSystem().OpacityCalls())
            if (call.window == target)
                alpha = call.alpha;
        return alpha;
    };

    Choose(page.Control(CVendraskConfigAppearance::kIdTransparency), "100");
    EXPECT_EQ(App().m_colorSetTransparency, 100);
    EXPECT_EQ(lastOpacity(window.get()), 100);
    EXPECT_EQ(lastOpacity(menu.get()), 100);
    Choose(page.Control(CVendraskConfigAppearance::kIdTransparency), "255");
    EXPECT_EQ(lastOpacity(window.get()), 255);
    EXPECT_EQ(lastOpacity(menu.get()), 255);

    // The fade level is only stored: nothing is sent or redrawn.
    menu->grab();
    const int paintsAfterGrab = menu->BackgroundPaintCount();
    Choose(page.Control(CVendraskConfigAppearance::kIdFadeLevel), "7");
    EXPECT_EQ(App().m_colorSetFadeLevel, 7);
    menu->grab();
    EXPECT_EQ(menu->BackgroundPaintCount(), paintsAfterGrab);

    Click(page.Control(CVendraskConfigAppearance::kIdWhiteTitlebar));
    EXPECT_EQ(App().m_colorSetInvertTitlebar, 1);
    EXPECT_EQ(window->CloseButton()->FlagInvert(), 0) << "until the window repaints";
    window->grab();
    EXPECT_EQ(window->CloseButton()->FlagInvert(), 1);

    // A colour of set 0: OK stores it, Cancel changes nothing.
    std::optional<COLORREF> answer = 0x00123456;
    page.SetColorChooser([&](QWidget*, COLORREF) { return answer; });
    Click(page.Control(CVendraskConfigAppearance::kSelectColorIds[3]));
    EXPECT_EQ(App().m_colorSet[0][3], 0x00123456u);
    EXPECT_EQ(App().m_brushDialogFrame.color(), QColor(0x56, 0x34, 0x12));
    answer.reset();
    Click(page.Control(CVendraskConfigAppearance::kSelectColorIds[3]));
    EXPECT_EQ(App().m_colorSet[0][3], 0x00123456u);
}

TEST_F(VendraskConfigTest, ClosingTakesThePathsThenWritesThenLoadsTheSounds) {
    const std::string wave = dir.File("open.wav").string();
    vendrask::test::WriteBytes(wave, "RIFF-test-wave");
    const QString wavePath = QString::fromStdString(wave);
    App().m_soundFlag = 1;
    App().m_behaviorItemLock = 0;
    auto window = Open();
    CVendraskConfigSound& sound = *window->Sound();
    sound.Edit(0)->setText(wavePath);
    sound.Edit(1)->setText(QString(300, QLatin1Char('x')));
    EXPECT_TRUE(sound.Control(CVendraskConfigSound::kIdLengthHint)->isVisibleTo(&sound));
    const QString closePathBefore = App().m_soundPath[1].ToQString();
    Click(window->Behavior()->Control(CVendraskConfigBehavior::kIdItemLock));

    QTest::keyClick(window->Tab(), Qt::Key_Escape);

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(App().m_soundPath[0].ToQString(), wavePath);
    EXPECT_EQ(App().m_soundPath[1].ToQString(), closePathBefore) << "a too long path is refused";
    EXPECT_EQ(App().m_soundData[0], QByteArray("RIFF-test-wave")) << "loaded from the new path";
    const auto reloaded = Reloaded();
    EXPECT_EQ(reloaded->m_soundPath[0].ToQString(), wavePath);
    EXPECT_EQ(reloaded->m_behaviorItemLock, 1);
}

TEST_F(VendraskConfigTest, SoundSwitchAndBrowsing) {
    const std::string wave = dir.File("click.wav").string();
    vendrask::test::WriteBytes(wave, "RIFF");
    const QString wavePath = QString::fromStdString(wave);
    App().m_soundPath[0].Assign(wavePath);
    App().m_soundFlag = 1;
    App().LoadSoundData();
    ASSERT_FALSE(App().m_soundData[0].isEmpty());
    auto window = Open();
    CVendraskConfigSound& sound = *window->Sound();

    Click(sound.Control(CVendraskConfigSound::kIdSoundFlag));
    EXPECT_EQ(App().m_soundFlag, 0);
    EXPECT_TRUE(App().m_soundData[0].isEmpty()) << "released at once";

    const struct {
        const char* name;
        QString field;
        QString answer;
        QString startFolder;
        QString result;
    } rows[] = {
        {"existing file, cancelled", wavePath, QString(),
         QString::fromStdString(dir.Path().string()), wavePath},
        {"existing file, another chosen", wavePath, QStringLiteral("/x/chosen.wav"),
         QString::fromStdString(dir.Path().string()), QStringLiteral("/x/chosen.wav")},
        {"nothing there, cancelled", QStringLiteral("/no/such/file.wav"), QString(), QString(),
         QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QString askedFolder = QStringLiteral("<not asked>");
        sound.SetFileChooser([&](QWidget*, const QString& folder) {
            askedFolder = folder;
            return row.answer;
        });
        sound.Edit(2)->setText(row.field);
        Click(sound.Control(1177));
        EXPECT_EQ(askedFolder, row.startFolder);
        EXPECT_EQ(sound.Edit(2)->text(), row.result);
    }
}

TEST_F(VendraskConfigTest, EndingTheWindowEndsAChooserOpenOverAPage) {
    App().m_colorSetIndex = 0;
    auto window = Open();
    window->show();
    bool chooserEnded = false;
    window->Appearance()->SetColorChooser([&](QWidget* owner, COLORREF) -> std::optional<COLORREF> {
        QDialog chooser(owner);
        QTimer::singleShot(0, window.get(), [&] { window->done(1); });
        // A chooser left open would keep this loop (and the test) running.
        QTimer::singleShot(3000, &chooser, &QDialog::accept);
        chooserEnded = chooser.exec() == QDialog::Rejected;
        return std::nullopt;
    });
    Click(window->Appearance()->Control(CVendraskConfigAppearance::kSelectColorIds[0]));
    EXPECT_TRUE(chooserEnded);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(VendraskConfigTest, TheMenuRunsItAndCloseEndsIt) {
    CVendraskMain menu(App(), &owner);
    App().m_behaviorItemLock = 1;
    int openFlag = 0;
    CModalAnswerer answerer([&](QDialog&) {
        openFlag = menu.IsConfigurationOpen() ? 1 : 0;
        menu.CloseLauncher();
    });
    QTimer::singleShot(0, &menu, [&] {
        static_cast<CKelvoCommonButton*>(menu.Control(CVendraskMain::kIdConfiguration))->click();
    });
    EXPECT_EQ(menu.RunModalLoop(), 1);
    EXPECT_EQ(answerer.Titles(), QStringList{QStringLiteral("Vendrask Configuration")});
    EXPECT_EQ(openFlag, 1);
    EXPECT_EQ(menu.IsConfigurationOpen(), false);
    EXPECT_EQ(Reloaded()->m_behaviorItemLock, 1) << "closing wrote the general settings";
}

TEST_F(VendraskConfigTest, TheKeyboardStartsOnTheBehaviorPagesFirstControl) {
    // Enter at once must not reach the close button, which no Tab reaches.
    CVendraskConfig window(App(), &owner, hotKeyState);
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        CModalAnswerer answerer([&](QDialog& dialog) {
            auto& window = dynamic_cast<CVendraskConfig&>(dialog);
            EXPECT_EQ(window.CloseButton()->focusPolicy() & Qt::TabFocus, 0);
            EXPECT_EQ(window.focusWidget(),
                      window.Behavior()->Control(CVendraskConfigBehavior::kIdHotKey));
            window.done(1);
        });
        window.DoModal();
        EXPECT_EQ(answerer.Titles().size(), 1);
    }
}

TEST_F(VendraskConfigTest, ACheckBoxLetGoOffItStoresTheStateItShows) {
    // A press on the box, a slip off it, the release: the box flips, and
    // what it shows is what the model holds.
    const struct {
        const char* name;
        std::function<QWidget*(CVendraskConfig&)> box;
        int CVendraskApp::* setting;
    } rows[] = {
        {"Item Lock",
         [](CVendraskConfig& w) {
             return w.Behavior()->Control(CVendraskConfigBehavior::kIdItemLock);
         },
         &CVendraskApp::m_behaviorItemLock},
        {"White Titlebar",
         [](CVendraskConfig& w) {
             return w.Appearance()->Control(CVendraskConfigAppearance::kIdWhiteTitlebar);
         },
         &CVendraskApp::m_colorSetInvertTitlebar},
        {"sound switch",
         [](CVendraskConfig& w) { return w.Sound()->Control(CVendraskConfigSound::kIdSoundFlag); },
         &CVendraskApp::m_soundFlag},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto window = Open();
        auto* check = qobject_cast<CKelvoCommonCheck*>(row.box(*window));
        ASSERT_NE(check, nullptr);
        check->window()->show();
        check->show();
        const int before = App().*row.setting;
        QTest::mousePress(check, Qt::LeftButton, {}, check->rect().center());
        QTest::mouseRelease(check, Qt::LeftButton, {}, QPoint(-30, -30));
        EXPECT_EQ(check->GetCheck(), before == 1 ? 0 : 1);
        EXPECT_EQ(App().*row.setting, check->GetCheck());
        window->done(1);
    }
}
