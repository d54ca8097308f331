// SPDX-License-Identifier: MIT
// Requests from outside reach the menu as the hot key, the tray menu and a
// click would: the flows a key binding or a script walks.
#include "control/VendraskControlAdapter.h"

#include "app/VendraskApp.h"
#include "menu/VendraskMain.h"
#include "tests/support/VendraskMenuHarness.h"

#include <gtest/gtest.h>

using vendrask::test::CVendraskMenuHarness;
using vendrask::test::WriteBytes;

namespace {

class VendraskControlAdapterTest : public ::testing::Test, protected CVendraskMenuHarness {
protected:
    void SetUp() override {
        app->m_colorSetFadeLevel = 0;
        app->m_behaviorDefaultGroupID = 0;
        control = std::make_unique<CVendraskControlAdapter>(*app, MakeMenu());
    }
    void SetItem(int group, int slot, const std::string& path) {
        app->m_item[group * CVendraskApp::kSlotCount + slot].Path.Assign(
            QString::fromStdString(path));
    }

    std::unique_ptr<CVendraskControlAdapter> control;
};

} // namespace

TEST_F(VendraskControlAdapterTest, ShowToggleAndHideWithTheirToken) {
    // The start-up guard holds the hot key's first show back, not a request.
    control->Show(3, "tok_TIME42");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(app->m_currentGroup, 3);
    EXPECT_EQ(FakeWindowSystem().ActivationTokens(), QList<QByteArray>{"tok_TIME42"});
    // Already shown: no token spent on a show that does not happen.
    control->Show(-1, "second");
    control->Toggle("third");
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(app->m_currentGroup, 0) << "a hide returns to the default group";
    EXPECT_EQ(FakeWindowSystem().ActivationTokens().size(), 1);
    control->Toggle("");
    EXPECT_TRUE(menu->isVisible());
    control->Hide();
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(control->CurrentStatus().visible);
}

TEST_F(VendraskControlAdapterTest, StartNamesTheItemAndKeepsTheMenuHidden) {
    const std::filesystem::path file = dir.File("doc.txt");
    WriteBytes(file, "x");
    SetItem(2, 0, file.string());
    SetItem(2, 1, dir.File("gone.txt").string());
    struct Row {
        const char* name;
        int slot;
        QString error;
        qsizetype opened;
    };
    const Row rows[] = {
        {"existing file", 0, {}, 1},
        {"missing file", 1, QStringLiteral("item 2 B: its file does not exist"), 1},
        {"empty item", 2, QStringLiteral("item 2 C is empty"), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control->Start(2, row.slot), row.error);
        EXPECT_EQ(FakeShell().Calls().size(), row.opened);
        EXPECT_FALSE(menu->isVisible());
    }
}

TEST_F(VendraskControlAdapterTest, PauseAndResumeTwiceStayPut) {
    const int hotKey = CKelvoCommonHotKey::Identifier(app->m_hotKeyModifier, app->m_hotKeyCode);
    control->Pause();
    control->Pause();
    EXPECT_TRUE(control->CurrentStatus().paused);
    EXPECT_FALSE(FakeHotKey().IsRegistered(hotKey));
    control->Resume();
    control->Resume();
    EXPECT_FALSE(control->CurrentStatus().paused);
    EXPECT_TRUE(FakeHotKey().IsRegistered(hotKey));
}
