// SPDX-License-Identifier: MIT
// The mouse hook's decisions, driven by a fake event source on a fake clock.
#include "common/hook/KelvoCommonHookMouse.h"

#include "common/KelvoCommonMessages.h"
#include "common/platform/fake/KelvoCommonFakeClock.h"
#include "common/platform/fake/KelvoCommonFakeHookMouseSource.h"

#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A receive window that notes what the hook asks of it and is shown and
// hidden plainly.
class HookWindow final : public QWidget {
public:
    QStringList log;

    // The show function the launcher would give the hook.
    void ShowWindow(bool show) {
        log << (show ? QStringLiteral("show") : QStringLiteral("hide"));
        setVisible(show);
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == WM_KC_HOOK_SHOW)
            log << (isVisible() ? QStringLiteral("hook-show while shown")
                                : QStringLiteral("hook-show"));
        return QWidget::event(event);
    }
};

struct Settings {
    std::uint32_t wait = 500;
    int top = 1;
    int bottom = 1;
    int left = 1;
    int right = 1;
    int desktop = 1;
};
constexpr Settings kDwell500{};
constexpr Settings kClick{300000, 1, 1, 1, 1, 1};
constexpr Settings kRightOnly{500, 0, 0, 0, 1, 0};
constexpr Settings kAllOff{500, 0, 0, 0, 0, 0};
constexpr Settings kDesktopOnly{500, 0, 0, 0, 0, 1};

struct Step {
    enum Kind { Move, Press, DesktopPress, RightPress, Wait, ShowOther, ExpectShown, ExpectHidden };
    Kind kind;
    int x = 0;
    int y = 0;
};
Step MoveTo(int x, int y) {
    return {Step::Move, x, y};
}
Step Wait(int ms) {
    return {Step::Wait, ms};
}
const Step kPress{Step::Press};
const Step kDesktopPress{Step::DesktopPress};
const Step kRightPress{Step::RightPress};
const Step kShowOther{Step::ShowOther};
const Step kShown{Step::ExpectShown};
const Step kHidden{Step::ExpectHidden};

struct Row {
    const char* name;
    Settings settings;
    std::vector<Step> steps;
    QStringList log; // what the window was asked, in order
};

const QStringList kShownOnce{QStringLiteral("hook-show"), QStringLiteral("show")};
const QStringList kShownAndHidden{QStringLiteral("hook-show"), QStringLiteral("show"),
                                  QStringLiteral("hide")};

class HookMouse : public ::testing::Test {
protected:
    void SetUp() override {
        auto clockOwned = std::make_unique<CKelvoCommonFakeClock>();
        clock = clockOwned.get();
        auto sourceOwned = std::make_unique<CKelvoCommonFakeHookMouseSource>(clock);
        source = sourceOwned.get();
        source->SetDoubleClickRule(400, 4);
        hook =
            std::make_unique<CKelvoCommonHookMouse>(std::move(sourceOwned), std::move(clockOwned));
        window = std::make_unique<HookWindow>();
    }
    void TearDown() override {
        hook.reset();
        CKelvoCommonHookMouse::SetReceiveWindow(nullptr);
    }
    void Apply(const Settings& s) {
        CKelvoCommonHookMouse::SetMilliSecondForWait(s.wait);
        CKelvoCommonHookMouse::SetFlagMouseHookAtTop(s.top);
        CKelvoCommonHookMouse::SetFlagMouseHookAtBottom(s.bottom);
        CKelvoCommonHookMouse::SetFlagMouseHookAtLeft(s.left);
        CKelvoCommonHookMouse::SetFlagMouseHookAtRight(s.right);
        CKelvoCommonHookMouse::SetFlagMouseHookClickOnDesktop(s.desktop);
    }
    void Run(const Step& step) {
        switch (step.kind) {
        case Step::Move:
            source->MoveTo({step.x, step.y});
            break;
        case Step::Press:
        case Step::DesktopPress:
            source->LeftPress(step.kind == Step::DesktopPress);
            break;
        case Step::RightPress:
            source->RightPress();
            break;
        case Step::Wait:
            clock->Advance(step.x);
            break;
        case Step::ShowOther:
            window->show();
            break;
        case Step::ExpectShown:
            EXPECT_TRUE(window->isVisible()) << "at " << clock->Now() << " ms";
            break;
        case Step::ExpectHidden:
            EXPECT_FALSE(window->isVisible()) << "at " << clock->Now() << " ms";
            break;
        }
        // Tasks due now run before the next event, as a free UI thread would.
        clock->Advance(0);
    }

    CKelvoCommonFakeClock* clock = nullptr;
    CKelvoCommonFakeHookMouseSource* source = nullptr;
    std::unique_ptr<CKelvoCommonHookMouse> hook;
    std::unique_ptr<HookWindow> window;
};

} // namespace

TEST_F(HookMouse, Decisions) {
    const Row rows[] = {
        {"dwell 500: left edge for 200 ms is not enough",
         kDwell500,
         {MoveTo(0, 500), Wait(200), MoveTo(300, 500), Wait(400), kHidden},
         {}},
        {"dwell 500: left edge for 600 ms shows, not before the dwell",
         kDwell500,
         {MoveTo(0, 500), Wait(499), kHidden, Wait(101), kShown},
         kShownOnce},
        {"top edge then along to the right edge within the dwell shows",
         kDwell500,
         {MoveTo(900, 0), Wait(200), MoveTo(1919, 0), MoveTo(1919, 400), Wait(400), kShown},
         kShownOnce},
        {"x = 1919 of a 1920 screen is the right edge",
         kRightOnly,
         {MoveTo(1919, 500), Wait(600), kShown},
         kShownOnce},
        {"x = 1918 is not an edge", kRightOnly, {MoveTo(1918, 500), Wait(600), kHidden}, {}},
        {"a flag of 2 counts as off",
         {500, 2, 2, 2, 2, 2},
         {MoveTo(0, 0), Wait(600), kDesktopPress, kDesktopPress, Wait(50), kHidden},
         {}},
        {"every switch off: nothing shows",
         kAllOff,
         {MoveTo(0, 0), Wait(600), MoveTo(1919, 1079), Wait(600), kDesktopPress, kDesktopPress,
          kPress, Wait(50), kHidden},
         {}},
        {"click mode: pushing against an edge does nothing",
         kClick,
         {MoveTo(0, 500), Wait(1000), MoveTo(0, 600), Wait(400000), kHidden},
         {}},
        {"click mode: a left press at an edge toggles",
         kClick,
         {MoveTo(0, 500), kPress, kShown, Wait(1000), kPress, kHidden},
         kShownAndHidden},
        {"click mode: a press away from the edges does nothing",
         kClick,
         {MoveTo(5, 500), kPress, Wait(1000), kHidden},
         {}},
        {"shown, staying at the edge: no flicker",
         kDwell500,
         {MoveTo(0, 500), Wait(600), MoveTo(0, 700), Wait(1000), kShown},
         kShownOnce},
        {"close mode: after leaving, the next touch hides at once; hidden stays hidden until "
         "the pointer leaves",
         kDwell500,
         {MoveTo(0, 500), Wait(600), kShown, MoveTo(300, 500), MoveTo(0, 500), kHidden, Wait(1000),
          kHidden, MoveTo(300, 500), MoveTo(0, 500), Wait(600), kShown},
         {QStringLiteral("hook-show"), QStringLiteral("show"), QStringLiteral("hide"),
          QStringLiteral("hook-show"), QStringLiteral("show")}},
        {"shown by the hot key: leaving and touching an edge hides",
         kDwell500,
         {kShowOther, MoveTo(300, 300), MoveTo(300, 1079), kHidden},
         {QStringLiteral("hide")}},
        {"the guard ignores a desktop double click during the dwell",
         {1000, 1, 1, 1, 1, 1},
         {MoveTo(0, 500), Wait(100), MoveTo(300, 500), kDesktopPress, Wait(50), kDesktopPress,
          Wait(900), kHidden},
         {}},
        {"a double click on the desktop toggles",
         kDesktopOnly,
         {MoveTo(500, 500), kDesktopPress, Wait(100), kDesktopPress, kShown, Wait(1000),
          kDesktopPress, Wait(100), kDesktopPress, kHidden},
         kShownAndHidden},
        {"a double click on another window does nothing",
         kDesktopOnly,
         {MoveTo(500, 500), kPress, Wait(100), kPress, Wait(50), kHidden},
         {}},
        {"two clicks too far apart in time",
         kDesktopOnly,
         {MoveTo(500, 500), kDesktopPress, Wait(401), kDesktopPress, Wait(50), kHidden},
         {}},
        {"two clicks too far apart in space",
         kDesktopOnly,
         {MoveTo(500, 500), kDesktopPress, MoveTo(505, 500), kDesktopPress, Wait(50), kHidden},
         {}},
        {"a right press between breaks the pair",
         kDesktopOnly,
         {MoveTo(500, 500), kDesktopPress, kRightPress, kDesktopPress, Wait(50), kHidden},
         {}},
        {"a triple click toggles once; a fourth press pairs with the third",
         kDesktopOnly,
         {MoveTo(500, 500), kDesktopPress, Wait(50), kDesktopPress, Wait(50), kShown, kDesktopPress,
          Wait(50), kShown, kDesktopPress, Wait(50), kHidden},
         kShownAndHidden},
        {"desktop double click switched off",
         {500, 0, 0, 0, 0, 0},
         {MoveTo(500, 500), kDesktopPress, kDesktopPress, Wait(50), kHidden},
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        Apply(row.settings);
        CKelvoCommonHookMouse::SetReceiveWindow(
            window.get(), [w = window.get()](bool show) { w->ShowWindow(show); });
        hook->StartHook();
        ASSERT_TRUE(CKelvoCommonHookMouse::IsHookInstalled());
        // Away from the edges with the window hidden: close mode off.
        Run(MoveTo(960, 540));
        ASSERT_EQ(CKelvoCommonHookMouse::FlagCloseMode(), 0);
        for (const Step& step : row.steps)
            Run(step);
        EXPECT_EQ(window->log, row.log);
        TearDown();
    }
}

TEST(HookMouseEdges, OnlyOuterSidesOfSeveralScreensAreEdges) {
    struct EdgeRow {
        const char* name;
        std::vector<QRect> screens;
        QPoint point;
        bool atEdge;
    };
    const QRect left(0, 0, 1280, 1024);
    const QRect right(1280, 0, 1280, 800); // shorter, and the primary one
    const EdgeRow rows[] = {
        {"the desktop's left side", {right, left}, {0, 400}, true},
        {"the right-hand screen's left side, between the two", {right, left}, {1280, 400}, false},
        {"the left-hand screen's right side beside the other", {right, left}, {1279, 400}, false},
        {"the left-hand screen's right side below the other", {right, left}, {1279, 900}, true},
        {"the desktop's right side", {right, left}, {2559, 400}, true},
        {"a side no screen shows", {right, left}, {2559, 900}, false},
        {"no screens known yet", {}, {0, 0}, false},
    };
    CKelvoCommonHookMouse::SetFlagMouseHookAtTop(0);
    CKelvoCommonHookMouse::SetFlagMouseHookAtBottom(0);
    CKelvoCommonHookMouse::SetFlagMouseHookAtLeft(1);
    CKelvoCommonHookMouse::SetFlagMouseHookAtRight(1);
    for (const EdgeRow& row : rows)
        EXPECT_EQ(CKelvoCommonHookMouse::IsAtActiveEdge(row.point, row.screens), row.atEdge)
            << row.name;
}

TEST_F(HookMouse, NothingWithoutAReceiveWindow) {
    Apply(kDwell500);
    hook->StartHook();
    source->MoveTo({0, 500});
    EXPECT_FALSE(CKelvoCommonHookMouse::IsWorkerPending());
    EXPECT_EQ(clock->PendingTasks(), 0);
}

TEST_F(HookMouse, StartsOnceRetriesAfterAFailureAndEndsWithTheObject) {
    source->SetUnavailable(true);
    hook->StartHook();
    EXPECT_FALSE(CKelvoCommonHookMouse::IsHookInstalled());
    source->SetUnavailable(false);
    hook->StartHook();
    hook->StartHook();
    EXPECT_TRUE(CKelvoCommonHookMouse::IsHookInstalled());
    EXPECT_EQ(source->StartCount(), 2);
    EXPECT_TRUE(source->IsStarted());

    // A worker pending when the object dies must not hold the guard.
    Apply(kDwell500);
    CKelvoCommonHookMouse::SetReceiveWindow(window.get());
    source->MoveTo({0, 500});
    ASSERT_TRUE(CKelvoCommonHookMouse::IsWorkerPending());
    hook.reset();
    EXPECT_FALSE(CKelvoCommonHookMouse::IsHookInstalled());
    EXPECT_FALSE(CKelvoCommonHookMouse::IsWorkerPending());
}

TEST_F(HookMouse, ForgetsADestroyedWindow) {
    Apply(kDwell500);
    CKelvoCommonHookMouse::SetReceiveWindow(window.get());
    hook->StartHook();
    window.reset();
    source->MoveTo({0, 500});
    clock->Advance(600);
    EXPECT_FALSE(CKelvoCommonHookMouse::IsWorkerPending());
}

TEST_F(HookMouse, TellsTheSourceItsAreasAtStartAndAtEveryChange) {
    Apply(kRightOnly);
    EXPECT_EQ(source->Areas(), CKelvoCommonHookMouseAreas{})
        << "a hook not started keeps its source out of it";
    hook->StartHook();
    EXPECT_EQ(source->Areas(), (CKelvoCommonHookMouseAreas{false, false, false, true, false}));
    CKelvoCommonHookMouse::SetFlagMouseHookAtLeft(1);
    CKelvoCommonHookMouse::SetFlagMouseHookClickOnDesktop(1);
    CKelvoCommonHookMouse::SetFlagMouseHookAtRight(2); // only 1 counts
    EXPECT_EQ(source->Areas(), (CKelvoCommonHookMouseAreas{false, false, true, false, true}));
}
