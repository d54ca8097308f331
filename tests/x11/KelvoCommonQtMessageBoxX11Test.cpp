// SPDX-License-Identifier: MIT
// The error box under openbox: seen above a top-most menu, closed by
// keyboard, and the window the user was in has the keyboard again.
#include "common/platform/qt/KelvoCommonQtMessageBox.h"
#include "tests/x11/KelvoCommonX11TestClient.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using vendrask::test::ActiveWindow;
using vendrask::test::RunTool;
using vendrask::test::Xdotool;

namespace {

// Client windows from bottom to top.
QList<unsigned long> Stacking() {
    const QString text =
        RunTool(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<unsigned long> windows;
    for (const QString& word : text.mid(text.indexOf(QLatin1Char('#')) + 1).split(QLatin1Char(',')))
        windows.append(word.trimmed().toULong(nullptr, 0));
    return windows;
}

} // namespace

TEST(KelvoCommonQtMessageBoxX11, TheBoxShowsAboveATopMostWindowAndGivesTheKeyboardBack) {
    QWidget menu(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    menu.setGeometry(200, 200, 900, 600);
    menu.show();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    const unsigned long menuWindow = menu.winId();

    unsigned long boxWindow = 0;
    QList<unsigned long> stacking;
    unsigned long activeWhileShown = 0;
    QTimer::singleShot(0, &menu, [&] {
        (void)QTest::qWaitFor(
            [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr || !box->isVisible())
                    return false;
                boxWindow = box->winId();
                return ActiveWindow() == boxWindow;
            },
            5000);
        activeWhileShown = ActiveWindow();
        stacking = Stacking();
        Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        // Should Return not reach it, end it anyway so that the test ends.
        QTimer::singleShot(3000, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
    });
    CKelvoCommonQtMessageBox().ShowError(QStringLiteral("The settings could not be saved."));

    ASSERT_NE(boxWindow, 0u);
    EXPECT_EQ(activeWhileShown, boxWindow);
    EXPECT_GT(stacking.indexOf(boxWindow), stacking.indexOf(menuWindow)) << "hidden behind";
    EXPECT_TRUE(QTest::qWaitFor([&] { return ActiveWindow() == menuWindow; }, 3000));
}
