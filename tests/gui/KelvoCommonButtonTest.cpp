// SPDX-License-Identifier: MIT
// The button's pointer tracking, clicks, check mode and drag of one button
// onto another, driven through the window system as a user would.

#include "common/controls/KelvoCommonButton.h"

#include "common/controls/KelvoCommonCapture.h"
#include "common/platform/fake/KelvoCommonFakeClock.h"
#include "tests/gui/KelvoCommonTestHarness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using kelvo::test::CMessageLog;
using kelvo::test::CPointer;

// Where the pointer goes, in the window's coordinates. OnAAgain is another
// point of A: a move to where the pointer already is does not count.
enum class Where { OnA, OnAAgain, OnB, OnC, Background };

enum class Act {
    Move,          // no button held
    MoveHeld,      // with the buttons held so far
    MoveHeldShift, // held buttons and Shift
    PressLeft,
    ReleaseLeft,
    PressRight,
    ReleaseRight,
    Escape,            // the Esc key
    CaptureTaken,      // another widget takes the capture
    PlainGrabElsewhere // another widget grabs the mouse without telling anyone
};

struct Step {
    Act act;
    Where where = Where::OnA;
};

struct After {
    int hovered;
    int pressed;
    int checked;
    int dragging;
    bool holdsCapture;
};

struct Row {
    const char* name;
    int checkMode;
    int beginDrag;
    int checked;
    std::vector<Step> steps;
    QStringList messages;
    After after;
    int clicks = 0;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

QStringList Msgs(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list << QString::fromLatin1(name);
    return list;
}

// A window with the button under test (A), a drop target (B, accepts drops)
// and a button that takes no drops and cannot be dragged (C).
class ButtonWindow {
public:
    ButtonWindow() : a(&window), b(&window), c(&window), thief(&window) {
        window.resize(400, 200);
        a.setText(QStringLiteral("A"));
        b.setText(QStringLiteral("B"));
        c.setText(QStringLiteral("C"));
        a.setGeometry(20, 20, 100, 30);
        b.setGeometry(200, 20, 100, 30);
        c.setGeometry(20, 65, 100, 30);
        thief.setGeometry(300, 150, 10, 10);
        b.setAcceptDrops(true);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        // Start from a point no row uses.
        window.Run([&] { pointer.Move({395, 195}); });
    }

    QPoint At(Where where) const {
        switch (where) {
        case Where::OnA:
            return a.geometry().center();
        case Where::OnAAgain:
            return a.geometry().center() + QPoint(3, 2);
        case Where::OnB:
            return b.geometry().center();
        case Where::OnC:
            return c.geometry().center();
        case Where::Background:
            break;
        }
        return {200, 150};
    }

    void Do(const Step& step) {
        const QPoint at = At(step.where);
        window.Run([&] {
            switch (step.act) {
            case Act::Move:
                pointer.Hold(Qt::NoButton);
                pointer.Move(at);
                break;
            case Act::MoveHeld:
                pointer.Move(at);
                break;
            case Act::MoveHeldShift:
                pointer.Move(at, Qt::ShiftModifier);
                break;
            case Act::PressLeft:
                pointer.Press(Qt::LeftButton, at);
                break;
            case Act::ReleaseLeft:
                pointer.Release(Qt::LeftButton, at);
                break;
            case Act::PressRight:
                pointer.Press(Qt::RightButton, at);
                break;
            case Act::ReleaseRight:
                pointer.Release(Qt::RightButton, at);
                break;
            case Act::Escape: {
                // To the widget with the keyboard focus, as the key goes.
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(QApplication::focusWidget(), &escape);
                break;
            }
            case Act::CaptureTaken:
                CKelvoCommonCapture::SetCapture(&thief);
                break;
            case Act::PlainGrabElsewhere:
                thief.grabMouse();
                // Any event lets the capture's watcher see it.
                QCoreApplication::postEvent(&thief, new QEvent(QEvent::User));
                break;
            }
        });
    }

    CMessageLog window;
    CKelvoCommonButton a;
    CKelvoCommonButton b;
    CKelvoCommonButton c;
    QWidget thief;
    CPointer pointer{&window};
};

class ButtonStateTest : public ::testing::TestWithParam<Row> {};

TEST_P(ButtonStateTest, ProducesTheMessagesAndStateOfTheRow) {
    const Row& row = GetParam();
    ButtonWindow w;
    w.a.SetCheckMode(row.checkMode);
    w.a.SetFlagBeginDrag(row.beginDrag);
    w.a.SetCheck(row.checked);
    w.window.SetProbe([&] { return w.a.GetCheck(); });
    QSignalSpy clicks(&w.a, &QAbstractButton::clicked);

    for (const Step& step : row.steps)
        w.Do(step);

    EXPECT_EQ(w.window.Names(), row.messages);
    EXPECT_EQ(w.a.FlagHovered(), row.after.hovered);
    EXPECT_EQ(w.a.FlagPressed(), row.after.pressed);
    EXPECT_EQ(w.a.FlagChecked(), row.after.checked);
    EXPECT_EQ(w.a.FlagDragging(), row.after.dragging);
    EXPECT_EQ(CKelvoCommonCapture::GetCapture() == &w.a, row.after.holdsCapture);
    EXPECT_EQ(clicks.count(), row.clicks);
}

const Row kRows[] = {
    {"Enter", 0, 0, 0, {{Act::Move}}, Msgs({"send BUTTON_HOVERED"}), {1, 0, 0, 0, true}},
    {"EnterChecked", 0, 0, 1, {{Act::Move}}, {}, {1, 0, 1, 0, true}},
    {"EnterWithLeftHeldFromAnotherButton",
     0,
     0,
     0,
     {{Act::Move, Where::OnC},
      {Act::PressLeft, Where::OnC},
      {Act::MoveHeld, Where::OnA},
      {Act::MoveHeld, Where::OnAAgain}},
     Msgs(
         {"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "send BUTTON_HOVERED"}),
     {1, 1, 0, 0, true}},
    {"EnterWithLeftAndShiftIsNotPressed",
     0,
     0,
     0,
     {{Act::Move, Where::OnC},
      {Act::PressLeft, Where::OnC},
      {Act::MoveHeld, Where::OnA},
      {Act::MoveHeldShift, Where::OnAAgain}},
     Msgs(
         {"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "send BUTTON_HOVERED"}),
     {1, 0, 0, 0, true}},
    {"Leave",
     0,
     0,
     0,
     {{Act::Move}, {Act::Move, Where::Background}},
     Msgs({"send BUTTON_HOVERED"}),
     {0, 0, 0, 0, false}},
    {"Press",
     0,
     0,
     0,
     {{Act::Move}, {Act::PressLeft}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}),
     {1, 1, 0, 0, true}},
    {"ReleaseInsideClicksAndLetsGo",
     0,
     0,
     0,
     {{Act::Move}, {Act::PressLeft}, {Act::ReleaseLeft}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP"}),
     {0, 0, 0, 0, false},
     1},
    {"MoveAfterClickEntersAgain",
     0,
     0,
     0,
     {{Act::Move}, {Act::PressLeft}, {Act::ReleaseLeft}, {Act::Move, Where::OnAAgain}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP",
           "send BUTTON_HOVERED"}),
     {1, 0, 0, 0, true},
     1},
    {"ReleaseOutsideWithoutDrag",
     0,
     0,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::ReleaseLeft, Where::Background}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}),
     {0, 0, 0, 0, false}},
    {"OutAndBackInDoesNotClick",
     0,
     0,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnA},
      {Act::ReleaseLeft}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "send BUTTON_HOVERED",
           "post LBUTTONUP"}),
     {1, 0, 0, 0, true}},
    {"LeaveWithDragStartsDrag",
     0,
     1,
     0,
     {{Act::Move}, {Act::PressLeft}, {Act::MoveHeld, Where::Background}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}),
     {0, 1, 0, 1, true}},
    {"LeaveWithShiftHeldStartsNoDrag",
     0,
     1,
     0,
     {{Act::Move}, {Act::PressLeft}, {Act::MoveHeldShift, Where::Background}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}),
     {0, 0, 0, 0, false}},
    {"DragReleasedOverTarget",
     0,
     1,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnB},
      {Act::ReleaseLeft, Where::OnB}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post BUTTON_DROPPED",
           "post LBUTTONUP"}),
     {0, 0, 0, 0, false}},
    {"DragReleasedOverItself",
     0,
     1,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnA},
      {Act::ReleaseLeft, Where::OnA}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP"}),
     {0, 0, 0, 0, false}},
    {"DragReleasedOverButtonWithoutDrops",
     0,
     1,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnC},
      {Act::ReleaseLeft, Where::OnC}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP"}),
     {0, 0, 0, 0, false}},
    {"DragReleasedOverBackground",
     0,
     1,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::ReleaseLeft, Where::Background}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP"}),
     {0, 0, 0, 0, false}},
    {"EscapeDuringDragOverTargetDrops",
     0,
     1,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnB},
      {Act::Escape}},
     Msgs(
         {"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post BUTTON_DROPPED"}),
     {0, 0, 0, 0, false}},
    {"EscapeDuringDragOverBackground",
     0,
     1,
     0,
     {{Act::Move}, {Act::PressLeft}, {Act::MoveHeld, Where::Background}, {Act::Escape}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}),
     {0, 0, 0, 0, false}},
    {"CaptureLossDuringDragOverTargetDrops",
     0,
     1,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnB},
      {Act::CaptureTaken}},
     Msgs(
         {"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post BUTTON_DROPPED"}),
     {0, 0, 0, 0, false}},
    {"CaptureLossWhileHoveredAndPressed",
     0,
     0,
     0,
     {{Act::Move}, {Act::PressLeft}, {Act::CaptureTaken}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}),
     {0, 0, 0, 0, false}},
    {"PlainGrabElsewhereIsCaptureLoss",
     0,
     0,
     0,
     {{Act::Move}, {Act::PlainGrabElsewhere}},
     Msgs({"send BUTTON_HOVERED"}),
     {0, 0, 0, 0, false}},
    {"CheckModeClickFlips",
     1,
     0,
     0,
     {{Act::Move}, {Act::PressLeft}, {Act::ReleaseLeft}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP"}),
     {0, 0, 1, 0, false},
     1},
    {"CheckModeClickFlipsBack",
     1,
     0,
     1,
     {{Act::Move}, {Act::PressLeft}, {Act::ReleaseLeft}},
     Msgs({"send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP"}),
     {0, 0, 0, 0, false},
     1},
    {"CheckModeReleaseOutsideKeepsState",
     1,
     0,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::ReleaseLeft, Where::Background}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}),
     {0, 0, 0, 0, false}},
    {"CheckModeOutAndBackInKeepsState",
     1,
     0,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnA},
      {Act::ReleaseLeft}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "send BUTTON_HOVERED",
           "post LBUTTONUP"}),
     {1, 0, 0, 0, true}},
    {"CheckModePressBegunElsewhereKeepsState",
     1,
     0,
     0,
     {{Act::Move, Where::OnC},
      {Act::PressLeft, Where::OnC},
      {Act::MoveHeld, Where::OnA},
      {Act::MoveHeld, Where::OnAAgain},
      {Act::ReleaseLeft}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "send BUTTON_HOVERED",
           "post LBUTTONUP"}),
     {1, 0, 0, 0, true}},
    {"CheckModeDragKeepsState",
     1,
     1,
     0,
     {{Act::Move},
      {Act::PressLeft},
      {Act::MoveHeld, Where::Background},
      {Act::MoveHeld, Where::OnA},
      {Act::ReleaseLeft}},
     Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "post LBUTTONUP"}),
     {0, 0, 0, 0, false}},
    {"RightClick",
     0,
     0,
     0,
     {{Act::Move}, {Act::PressRight}, {Act::ReleaseRight}},
     Msgs({"send BUTTON_HOVERED", "post RBUTTONDOWN", "post RBUTTONUP"}),
     {1, 0, 0, 0, true}},
    {"SweepFromAnotherButtonAndLeaveDragsThisOne",
     0,
     1,
     0,
     {{Act::Move, Where::OnC},
      {Act::PressLeft, Where::OnC},
      {Act::MoveHeld, Where::OnA},
      {Act::MoveHeld, Where::OnAAgain},
      {Act::MoveHeld, Where::Background}},
     Msgs(
         {"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN", "send BUTTON_HOVERED"}),
     {0, 1, 0, 1, true}},
};

INSTANTIATE_TEST_SUITE_P(Rows, ButtonStateTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.name);
                         });

// --- Details the table does not show ------------------------------------------

TEST(KelvoCommonButtonTest, EnteringTakesTheKeyboardFocus) {
    ButtonWindow w;
    w.Do({Act::Move, Where::OnA});
    EXPECT_TRUE(w.a.hasFocus());
    // The first move takes A's capture away, the next enters C.
    w.Do({Act::Move, Where::OnC});
    w.window.Run([&] { w.pointer.Move(w.At(Where::OnC) + QPoint(2, 1)); });
    EXPECT_TRUE(w.c.hasFocus());
}

TEST(KelvoCommonButtonTest, RightPressTakesTheFocus) {
    ButtonWindow w;
    w.c.setFocus();
    w.window.Run([&] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), w.a.mapToGlobal(QPointF(5, 5)),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.a, &press);
    });
    EXPECT_TRUE(w.a.hasFocus());
}

// Counts one kind of event reaching a widget while it lives.
class CEventCounter final : public QObject {
public:
    CEventCounter(QWidget* widget, QEvent::Type type, int& count) : m_type(type), m_count(count) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == m_type)
            ++m_count;
        return false;
    }

private:
    QEvent::Type m_type;
    int& m_count;
};

// Focus shows only in the frame, which a checked button has anyway: the
// menu's current group takes the focus at every call-up without a repaint.
TEST(KelvoCommonButtonTest, FocusRepaintsOnlyWhenTheFrameChanges) {
    struct Row {
        const char* name;
        int checked;
        bool repaints;
    };
    for (const Row& row : {Row{"checked", 1, false}, Row{"not checked", 0, true}}) {
        SCOPED_TRACE(row.name);
        ButtonWindow w;
        w.a.SetCheck(row.checked);
        w.c.setFocus();
        QCoreApplication::processEvents();
        const QImage before = w.a.grab().toImage();
        int paints = 0;
        CEventCounter counter(&w.a, QEvent::Paint, paints);
        w.a.setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(paints > 0, row.repaints);
        EXPECT_EQ(w.a.grab().toImage() != before, row.repaints) << "what a paint gives now";
    }
}

TEST(KelvoCommonButtonTest, MouseMessagesCarryKeyStateAndPointInButtonCoordinates) {
    ButtonWindow w;
    w.a.SetFlagBeginDrag(1);
    w.Do({Act::Move, Where::OnA});
    w.Do({Act::PressLeft, Where::OnA});
    w.Do({Act::MoveHeld, Where::Background});
    w.Do({Act::ReleaseLeft, Where::Background});
    w.Do({Act::Move, Where::OnA});
    w.Do({Act::PressRight, Where::OnA});

    const auto& entries = w.window.Entries();
    auto find = [&](QEvent::Type type) {
        return std::find_if(entries.begin(), entries.end(),
                            [type](const CMessageLog::Entry& e) { return e.type == type; });
    };
    const QPoint insideA = w.At(Where::OnA) - w.a.pos();
    const QPoint background = w.At(Where::Background) - w.a.pos();
    ASSERT_NE(find(WM_LBUTTONDOWN), entries.end());
    EXPECT_EQ(find(WM_LBUTTONDOWN)->wParam, MK_LBUTTON);
    EXPECT_EQ(KelvoPointFromLParam(find(WM_LBUTTONDOWN)->lParam), insideA);
    ASSERT_NE(find(WM_LBUTTONUP), entries.end());
    EXPECT_EQ(find(WM_LBUTTONUP)->wParam, MK_LBUTTON);
    EXPECT_EQ(KelvoPointFromLParam(find(WM_LBUTTONUP)->lParam), background);
    ASSERT_NE(find(WM_RBUTTONDOWN), entries.end());
    EXPECT_EQ(find(WM_RBUTTONDOWN)->wParam, MK_RBUTTON);
    EXPECT_EQ(KelvoPointFromLParam(find(WM_RBUTTONDOWN)->lParam), insideA);
}

TEST(KelvoCommonButtonTest, DropMessageNamesTargetAndDraggedButton) {
    ButtonWindow w;
    w.a.SetFlagBeginDrag(1);
    for (const Step& step :
         {Step{Act::Move}, Step{Act::PressLeft}, Step{Act::MoveHeld, Where::Background},
          Step{Act::MoveHeld, Where::OnB}, Step{Act::ReleaseLeft, Where::OnB}})
        w.Do(step);
    const auto& entries = w.window.Entries();
    const auto dropped =
        std::find_if(entries.begin(), entries.end(),
                     [](const CMessageLog::Entry& e) { return e.type == WM_KC_BUTTON_DROPPED; });
    ASSERT_NE(dropped, entries.end());
    EXPECT_EQ(dropped->wObject.data(), &w.b);
    EXPECT_EQ(dropped->lObject.data(), &w.a);
    EXPECT_EQ(dropped->wParam, reinterpret_cast<quintptr>(static_cast<QObject*>(&w.b)));
}

TEST(KelvoCommonButtonTest, CheckFlipsBeforeTheParentSeesTheRelease) {
    ButtonWindow w;
    w.a.SetCheckMode(1);
    w.window.SetProbe([&] { return w.a.GetCheck(); });
    w.Do({Act::Move});
    w.Do({Act::PressLeft});
    w.Do({Act::ReleaseLeft});
    const auto& entries = w.window.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back().type, WM_LBUTTONUP);
    EXPECT_EQ(entries.back().probe, 1);
}

TEST(KelvoCommonButtonTest, DragShowsPictureCentredOnThePointerAndHighlightsTarget) {
    ButtonWindow w;
    w.a.SetFlagBeginDrag(1);
    w.Do({Act::Move});
    w.Do({Act::PressLeft});
    w.Do({Act::MoveHeld, Where::Background});
    w.Do({Act::MoveHeld, Where::OnB});

    QPointer<QWidget> picture;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowFlags().testFlag(Qt::WindowTransparentForInput))
            picture = top;
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), w.a.size());
    const QPoint pointer = w.window.mapToGlobal(w.At(Where::OnB));
    EXPECT_EQ(picture->geometry().topLeft(), pointer - QPoint(w.a.width() / 2, w.a.height() / 2));
    EXPECT_EQ(w.b.CurrentDragHoverFrame(), CKelvoCommonButton::DragHoverFrame::Focused);
    EXPECT_EQ(w.c.CurrentDragHoverFrame(), CKelvoCommonButton::DragHoverFrame::None);

    w.Do({Act::ReleaseLeft, Where::OnB});
    // The picture is gone with the drag.
    EXPECT_TRUE(picture.isNull());
}

TEST(KelvoCommonButtonTest, DragHoverHighlightEndsOneSecondAfterTheLastHover) {
    ButtonWindow w;
    CKelvoCommonFakeClock clock;
    w.b.SetScheduler(clock);
    w.a.setFocus();
    KelvoCommonSendMessage(&w.b, WM_KC_DRAGGING_HOVERED);
    EXPECT_EQ(w.b.CurrentDragHoverFrame(), CKelvoCommonButton::DragHoverFrame::Focused);
    clock.Advance(600);
    // A new hover restarts the second.
    KelvoCommonSendMessage(&w.b, WM_KC_DRAGGING_HOVERED);
    clock.Advance(600);
    EXPECT_EQ(w.b.CurrentDragHoverFrame(), CKelvoCommonButton::DragHoverFrame::Focused);
    EXPECT_TRUE(w.b.IsDragHoverTimerActive());
    clock.Advance(600);
    EXPECT_EQ(w.b.CurrentDragHoverFrame(), CKelvoCommonButton::DragHoverFrame::NotFocused);
    EXPECT_FALSE(w.b.IsDragHoverTimerActive());
}

TEST(KelvoCommonButtonTest, DragHoverHighlightStaysWhenTheTargetHasTheFocus) {
    ButtonWindow w;
    CKelvoCommonFakeClock clock;
    w.b.SetScheduler(clock);
    w.b.setFocus();
    KelvoCommonSendMessage(&w.b, WM_KC_DRAGGING_HOVERED);
    clock.Advance(1200);
    EXPECT_EQ(w.b.CurrentDragHoverFrame(), CKelvoCommonButton::DragHoverFrame::Focused);
    EXPECT_FALSE(w.b.IsDragHoverTimerActive());
}

TEST(KelvoCommonButtonTest, DisabledLookStillTakesTheMouse) {
    ButtonWindow w;
    w.a.SetFlagEnable(0);
    w.Do({Act::Move});
    w.Do({Act::PressLeft});
    EXPECT_FALSE(w.a.IsDrawnEnabled());
    EXPECT_EQ(w.window.Names(),
              Msgs({"send BUTTON_HOVERED", "send BUTTON_PRESSED", "post LBUTTONDOWN"}));
}

TEST(KelvoCommonButtonTest, OnlyFlagEnableOneDrawsEnabled) {
    CKelvoCommonButton button;
    for (const int flag : {0, 2, -1}) {
        button.SetFlagEnable(flag);
        EXPECT_FALSE(button.IsDrawnEnabled()) << flag;
    }
    button.SetFlagEnable(1);
    EXPECT_TRUE(button.IsDrawnEnabled());
    button.setEnabled(false);
    EXPECT_FALSE(button.IsDrawnEnabled());
}

TEST(KelvoCommonButtonTest, SetCheckTakesOnlyZeroAndOne) {
    CKelvoCommonButton button;
    button.SetCheck(1);
    EXPECT_EQ(button.GetCheck(), 1);
    button.SetCheck(2);
    EXPECT_EQ(button.FlagChecked(), 1);
    button.SetCheck(-1);
    EXPECT_EQ(button.FlagChecked(), 1);
    button.SetCheck(0);
    EXPECT_EQ(button.GetCheck(), 0);
    button.SetFlagChecked(2);
    EXPECT_EQ(button.GetCheck(), 0);
}

TEST(KelvoCommonButtonTest, ColourRecordStartsWithDefaultsAndRoundTrips) {
    CKelvoCommonButton button;
    CKelvoCommonButtonColor color{};
    color.colorText = 0x123456;
    button.GetColor(&color);
    EXPECT_EQ(color, CKelvoCommonButtonColor{});
    EXPECT_EQ(color.valueReserved2, 1u);
    color.colorFrameFocused = 0x0000FF;
    color.colorReserved3 = 0xABCDEF;
    button.SetColor(color);
    CKelvoCommonButtonColor back{};
    button.GetColor(&back);
    EXPECT_EQ(back, color);
    button.GetColor(nullptr);
}

TEST(KelvoCommonButtonTest, SettersStoreTheirValues) {
    CKelvoCommonButton button;
    QPixmap one(4, 4), two(5, 5), three(6, 6);
    button.SetBitmap(one, two);
    EXPECT_EQ(button.BitmapMode(), CKelvoCommonButton::kModeTwoBitmaps);
    EXPECT_EQ(button.BitmapDisabled().size(), QSize(5, 5));
    button.SetBitmap(one, two, three);
    EXPECT_EQ(button.BitmapMode(), CKelvoCommonButton::kModeThreeBitmaps);
    EXPECT_EQ(button.BitmapPressed().size(), QSize(5, 5));
    EXPECT_EQ(button.BitmapDisabled().size(), QSize(6, 6));
    button.SetFlagInvert(3);
    EXPECT_EQ(button.FlagInvert(), 3);
    button.SetFlagBeginDrag(1);
    EXPECT_EQ(button.FlagBeginDrag(), 1);
    button.SetCheckMode(1);
    EXPECT_EQ(button.FlagCheckMode(), 1);
    button.SetFlagTabStop(1);
    EXPECT_TRUE(button.focusPolicy() & Qt::TabFocus);
    button.SetFlagTabStop(2);
    EXPECT_FALSE(button.focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(button.focusPolicy() & Qt::ClickFocus);
}

TEST(KelvoCommonButtonTest, SetParameterStoresFourTextsCutToTheirCapacity) {
    CKelvoCommonButton button;
    CKelvoCommonButton::CFileParameter parameter;
    parameter.m_text[0] = QStringLiteral("first");
    parameter.m_text[1] = QString(300, QChar(u'x'));
    parameter.m_text[2] = QString(258, QChar(u'y')) + QString::fromUtf16(u"\U0001F600");
    parameter.m_text[3] = QStringLiteral("before") + QChar(u'\0') + QStringLiteral("after");
    const qintptr result = KelvoCommonSendMessage(&button, WM_KC_SET_PARAMETER,
                                                  reinterpret_cast<quintptr>(&parameter));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(button.FileParameter().m_text[0], QStringLiteral("first"));
    EXPECT_EQ(button.FileParameter().m_text[1], QString(259, QChar(u'x')));
    // The pair that would be split at 259 is left out whole.
    EXPECT_EQ(button.FileParameter().m_text[2], QString(258, QChar(u'y')));
    EXPECT_EQ(button.FileParameter().m_text[3], QStringLiteral("before"));
    // No block, nothing stored and nothing read.
    EXPECT_EQ(KelvoCommonSendMessage(&button, WM_KC_SET_PARAMETER, 0), 0);
    EXPECT_EQ(button.FileParameter().m_text[0], QStringLiteral("first"));
}

TEST(KelvoCommonButtonTest, DestroyedWhileHoldingTheCaptureLeavesNoneBehind) {
    ButtonWindow w;
    auto* doomed = new CKelvoCommonButton(&w.window);
    doomed->setGeometry(20, 110, 100, 30);
    doomed->show();
    w.window.Run([&] { w.pointer.Move(doomed->geometry().center()); });
    ASSERT_EQ(CKelvoCommonCapture::GetCapture(), doomed);
    delete doomed;
    EXPECT_EQ(CKelvoCommonCapture::GetCapture(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(KelvoCommonButtonTest, HidingTheWindowEndsTheHover) {
    ButtonWindow w;
    w.Do({Act::Move});
    ASSERT_EQ(w.a.FlagHovered(), 1);
    w.window.Run([&] { w.window.hide(); });
    EXPECT_EQ(w.a.FlagHovered(), 0);
    EXPECT_EQ(CKelvoCommonCapture::GetCapture(), nullptr);
}

} // namespace
