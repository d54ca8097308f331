// SPDX-License-Identifier: MIT
// The services a session without X11 input injection gets (the offscreen
// platform is one): no fake among them, and Enter's click on a small window
// still reaches the control under the point.
#include "common/platform/KelvoCommonPlatform.h"

#include "common/platform/fake/KelvoCommonFakeInput.h"

#include <QPushButton>
#include <gtest/gtest.h>

TEST(KelvoCommonPlatformTest, WithoutXTestAClickReachesTheControlUnderThePoint) {
    const CKelvoCommonPlatformServices services = KelvoCreatePlatformServices();
    ASSERT_NE(services.input, nullptr);
    EXPECT_EQ(dynamic_cast<CKelvoCommonFakeInput*>(services.input.get()), nullptr);

    QPushButton button(QStringLiteral("OK"));
    button.setGeometry(200, 150, 80, 24);
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    services.input->ClickAt(button.mapToGlobal(button.rect().center()));
    EXPECT_EQ(clicks, 1);
}
