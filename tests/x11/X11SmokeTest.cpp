// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <gtest/gtest.h>

// The x11 tier's ground: a real X display with an EWMH window manager.
TEST(X11Tier, RunsOnARealDisplayWithAWindowManager) {
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_GT(QGuiApplication::primaryScreen()->geometry().width(), 0);

    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    ASSERT_TRUE(xprop.waitForFinished(10000));
    EXPECT_TRUE(xprop.readAllStandardOutput().contains("window id"));
}
