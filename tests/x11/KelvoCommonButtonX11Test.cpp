// SPDX-License-Identifier: MIT
// The button on a real X display: the hover holds a pointer grab, so the
// button sees the pointer leave even when it jumps out of the window, and a
// drag of one button onto another works with the real pointer while the drag
// picture lies under it.

#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCapture.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A window that keeps the names of the messages it receives.
class RecordingWindow final : public QWidget {
public:
    struct Entry {
        QEvent::Type type;
        QPointer<QObject> wObject;
        QPointer<QObject> lObject;
    };
    std::vector<Entry> entries;

    bool Received(QEvent::Type type) const {
        for (const Entry& entry : entries)
            if (entry.type == type)
                return true;
        return false;
    }

protected:
    bool event(QEvent* event) override {
        if (auto* message = dynamic_cast<CKelvoCommonMessageEvent*>(event)) {
            entries.push_back({message->type(), message->WParamObject(), message->LParamObject()});
            return true;
        }
        return QWidget::event(event);
    }
};

bool Xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool MovePointer(QPoint global) {
    // xdotool waits for a motion that never comes when the pointer is there.
    if (QCursor::pos() == global)
        return true;
    return Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                    QString::number(global.x()), QString::number(global.y())});
}

bool Button(const char* action) {
    return Xdotool({QString::fromLatin1(action), QStringLiteral("1")});
}

class KelvoCommonButtonX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        window.setWindowTitle(QStringLiteral("KelvoCommonButtonX11Test"));
        window.setGeometry(200, 200, 420, 160);
        a.setText(QStringLiteral("A"));
        b.setText(QStringLiteral("B"));
        a.setGeometry(20, 20, 120, 40);
        b.setGeometry(260, 20, 120, 40);
        b.setAcceptDrops(true);
        window.show();
        window.raise();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // Start with the pointer well away from the window.
        ASSERT_TRUE(MovePointer({20, 20}));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.underMouse(); }, 5000));
    }

    void TearDown() override {
        Button("mouseup");
        MovePointer({20, 20});
    }

    QPoint Global(const QWidget& widget, QPoint offset = {}) const {
        return widget.mapToGlobal(widget.rect().center() + offset);
    }

    RecordingWindow window;
    CKelvoCommonButton a{&window};
    CKelvoCommonButton b{&window};
};

TEST_F(KelvoCommonButtonX11Test, HoverEndsWhenThePointerJumpsOutOfTheWindow) {
    ASSERT_TRUE(MovePointer(Global(a)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.FlagHovered() == 1; }, 5000));
    EXPECT_EQ(QWidget::mouseGrabber(), &a);
    EXPECT_TRUE(a.hasFocus());
    EXPECT_TRUE(window.Received(WM_KC_BUTTON_HOVERED));

    // Far outside the window: only a pointer grab delivers this motion.
    ASSERT_TRUE(MovePointer({1500, 900}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.FlagHovered() == 0; }, 5000));
    EXPECT_EQ(CKelvoCommonCapture::GetCapture(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(KelvoCommonButtonX11Test, ClickReachesTheParentAndTheNextMoveEntersAgain) {
    int clicks = 0;
    QObject::connect(&a, &QAbstractButton::clicked, [&] { ++clicks; });
    ASSERT_TRUE(MovePointer(Global(a)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.FlagHovered() == 1; }, 5000));
    ASSERT_TRUE(Button("mousedown"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Received(WM_LBUTTONDOWN); }, 5000));
    ASSERT_TRUE(Button("mouseup"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Received(WM_LBUTTONUP); }, 5000));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(a.FlagHovered(), 0);

    window.entries.clear();
    ASSERT_TRUE(MovePointer(Global(a, {5, 3})));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Received(WM_KC_BUTTON_HOVERED); }, 5000));
}

TEST_F(KelvoCommonButtonX11Test, DragOneButtonOntoAnother) {
    a.SetFlagBeginDrag(1);
    ASSERT_TRUE(MovePointer(Global(a)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.FlagHovered() == 1; }, 5000));
    ASSERT_TRUE(Button("mousedown"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Received(WM_LBUTTONDOWN); }, 5000));
    ASSERT_TRUE(MovePointer(window.mapToGlobal(QPoint(200, 120))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.FlagDragging() == 1; }, 5000));

    // Over the target, with the drag picture right under the pointer.
    ASSERT_TRUE(MovePointer(Global(b)));
    ASSERT_TRUE(MovePointer(Global(b, {4, 2})));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return b.CurrentDragHoverFrame() == CKelvoCommonButton::DragHoverFrame::Focused; },
        5000));
    ASSERT_TRUE(Button("mouseup"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Received(WM_LBUTTONUP); }, 5000));
    EXPECT_EQ(a.FlagDragging(), 0);

    const auto dropped = std::find_if(
        window.entries.begin(), window.entries.end(),
        [](const RecordingWindow::Entry& e) { return e.type == WM_KC_BUTTON_DROPPED; });
    ASSERT_NE(dropped, window.entries.end());
    EXPECT_EQ(dropped->wObject.data(), &b);
    EXPECT_EQ(dropped->lObject.data(), &a);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

} // namespace
