// SPDX-License-Identifier: MIT
// The real launcher on the Xvfb display, called up with the mouse alone:
// screen edges and the desktop double click. The pointer is pushed with
// relative moves, since absolute warps make no raw motion.
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskAccessibleDesktop.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <unistd.h>

using vendrask::test::AccessibleDesktop;
using vendrask::test::LauncherProcess;
using vendrask::test::ShownMenuWindow;
using vendrask::test::WaitFor;
using vendrask::test::X11OtherClient;
using vendrask::test::Xdotool;

namespace {

// Farther apart than a double click may lie (Qt's default is 5 pixels), so
// two clicks stay two however fast they come.
constexpr int kApartPixels = 40;

QString Shown() {
    return ShownMenuWindow();
}
bool BecomesShown() {
    return WaitFor([] { return !Shown().isEmpty(); });
}
bool BecomesHidden() {
    return WaitFor([] { return Shown().isEmpty(); });
}
bool StaysHidden() {
    return !WaitFor([] { return !Shown().isEmpty(); }, 800);
}

void MoveTo(int x, int y) {
    ASSERT_TRUE(Xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y)}));
}
void Push(int dx, int dy) {
    ASSERT_TRUE(Xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                         QString::number(dx), QString::number(dy)}));
}
void Click(int count = 1) {
    ASSERT_TRUE(
        Xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                 QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")}));
}

class VendraskHookX11 : public ::testing::Test {
protected:
    void SetUp() override { MoveTo(960, 540); }
    void Set(const QString& section, const QString& key, const QString& value) {
        launcher.Set(section, key, value);
    }
    // wait: "MilliSecond"; edges: left, right, top, bottom; desktop: "ClickOnDesktop".
    void SetHook(int wait, int edges, int desktop) {
        const QString hook = QStringLiteral("MouseHook");
        Set(hook, QStringLiteral("MilliSecond"), QString::number(wait));
        Set(hook, QStringLiteral("Left"), QString::number(edges));
        Set(hook, QStringLiteral("Right"), QString::number(edges));
        Set(hook, QStringLiteral("Top"), QString::number(edges));
        Set(hook, QStringLiteral("Bottom"), QString::number(edges));
        Set(hook, QStringLiteral("ClickOnDesktop"), QString::number(desktop));
    }
    void Start() { launcher.Start(); }

    LauncherProcess launcher;
};

} // namespace

TEST_F(VendraskHookX11, DwellAtTheLeftEdgeShowsAfterTheWaitAndATouchAfterLeavingHides) {
    constexpr int kDwellMs = 500;
    SetHook(kDwellMs, 1, 0);
    Start();
    QElapsedTimer sinceTouch;
    Push(-3000, 0);
    sinceTouch.start();
    ASSERT_TRUE(BecomesShown());
    // A lower bound only: a loaded machine makes the show later, never earlier.
    EXPECT_GE(sinceTouch.elapsed(), kDwellMs - 50) << "not before the dwell time";
    Push(400, 0);
    ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("screen edge: armed")))
        << "the hook sees the pointer leave the edges";
    EXPECT_FALSE(Shown().isEmpty()) << "leaving the edge does not hide";
    Push(-3000, 0);
    EXPECT_TRUE(BecomesHidden());
}

TEST_F(VendraskHookX11, ClickModeTogglesWithAPressAtTheEdgeOnly) {
    SetHook(300000, 1, 0);
    Start();
    Push(-3000, 0);
    EXPECT_TRUE(StaysHidden()) << "moving against the edge does nothing";
    Click();
    ASSERT_TRUE(BecomesShown());
    Push(0, kApartPixels); // along the edge
    Click();
    EXPECT_TRUE(BecomesHidden());
}

TEST_F(VendraskHookX11, DoubleClickOnTheBareRootToggles) {
    SetHook(500, 0, 1);
    Start();
    MoveTo(200, 900); // nothing there but the root
    Click(2);
    ASSERT_TRUE(BecomesShown());
    MoveTo(200 + kApartPixels, 900);
    Click(2);
    EXPECT_TRUE(BecomesHidden());
}

TEST_F(VendraskHookX11, DoubleClickOnADesktopWindowToggles) {
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    X11OtherClient::WindowShape shape;
    shape.rect = {0, 0, 1920, 1080};
    shape.desktopType = true;
    shape.name = QStringLiteral("file manager desktop");
    ASSERT_NE(other.MapWindow(shape), 0UL);
    SetHook(500, 0, 1);
    Start();
    MoveTo(200, 900);
    Click(2);
    EXPECT_TRUE(BecomesShown());
}

TEST_F(VendraskHookX11, DoubleClickOnAnotherProgramsWindowDoesNothing) {
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    X11OtherClient::WindowShape shape;
    shape.rect = {50, 700, 400, 300};
    ASSERT_NE(other.MapWindow(shape), 0UL);
    SetHook(500, 0, 1);
    Start();
    MoveTo(250, 850);
    Click(2);
    EXPECT_TRUE(StaysHidden());
}

TEST_F(VendraskHookX11, DoubleClickOnADesktopIconLeavesTheMenuHidden) {
    // The desktop program names an icon at (150,850)-(249,949) in its tree.
    const QRect screen(0, 0, 1920, 1080);
    AccessibleDesktop accessible(screen, QRect(150, 850, 100, 100));
    ASSERT_FALSE(accessible.Address().isEmpty());
    X11OtherClient other;
    ASSERT_TRUE(other.IsOpen());
    X11OtherClient::WindowShape shape;
    shape.rect = screen;
    shape.desktopType = true;
    shape.pid = static_cast<unsigned long>(::getpid());
    shape.name = QStringLiteral("file manager desktop");
    ASSERT_NE(other.MapWindow(shape), 0UL);
    launcher.SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), accessible.Address());
    SetHook(500, 0, 1);
    Start();
    MoveTo(200, 900);
    Click(2);
    EXPECT_TRUE(StaysHidden()) << "the icon's own double click opens it";
    // A press after a double click starts a new pair.
    MoveTo(600, 900); // bare background beside the icon
    Click(2);
    EXPECT_TRUE(BecomesShown());
}
