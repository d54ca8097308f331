// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Every tier runs with a Qt application object; the gui and unit tiers use
// the offscreen platform (set by CTest), the x11 tier a real Xvfb display.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest discovery) needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
