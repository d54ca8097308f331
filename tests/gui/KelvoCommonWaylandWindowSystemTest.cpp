// SPDX-License-Identifier: MIT
#include "common/platform/wayland/KelvoCommonWaylandWindowSystem.h"

#include "app/VendraskApp.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"
#include "menu/VendraskMain.h"
#include "tests/support/TestSupport.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

using vendrask::test::TempDir;

TEST(VendraskMainOnWayland, OpacityIsTheAlphaOfEveryPixel) {
    // Wayland has no window opacity: the menu's own pixels carry it.
    TempDir dir;
    CKelvoCommonPlatformServices services = KelvoCreateFakePlatformServices();
    services.windowSystem = std::make_unique<CKelvoCommonWaylandWindowSystem>();
    CVendraskApp app(std::move(services));
    app.SetIniFilePath(QString::fromStdString(dir.File("Vendrask.ini").string()));
    app.LoadFromIniFile();
    app.ApplyColorSet();
    QWidget owner;
    CVendraskMain menu(app, &owner);
    menu.show();
    const auto alphas = [&menu] {
        const QImage image = menu.grab().toImage();
        QSet<int> seen;
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 7)
                seen.insert(qAlpha(image.pixel(x, y)));
        }
        return seen;
    };
    app.Services().windowSystem->SetWindowOpacity(&menu, 128);
    const QSet<int> half = alphas();
    ASSERT_EQ(half.size(), 1);
    EXPECT_NEAR(*half.begin(), 128, 2);
    app.Services().windowSystem->SetWindowOpacity(&menu, 255);
    EXPECT_EQ(alphas(), QSet<int>{255}) << "the menu paints all of its window";
}
