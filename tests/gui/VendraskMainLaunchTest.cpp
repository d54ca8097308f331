// SPDX-License-Identifier: MIT
// Starting items from the menu: the quiet hide before the start.
#include "app/VendraskApp.h"
#include "menu/VendraskMain.h"
#include "tests/support/VendraskMenuHarness.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

using vendrask::test::CVendraskMenuHarness;
using vendrask::test::PathText;
using vendrask::test::TempDir;
using vendrask::test::WriteBytes;
using Call = CKelvoCommonFakeShell::Call;
constexpr auto Opened = &CKelvoCommonFakeShell::Opened;

namespace {

class VendraskMainLaunch : public ::testing::Test, protected CVendraskMenuHarness {
protected:
    void SetUp() override {
        app->SetProgramFolder(PathText(dir.Path()));
        app->m_colorSetFadeLevel = 0;
        app->m_soundData[CVendraskApp::SoundMenuClose] = "close";
        MakeMenu();

        std::filesystem::create_directories(files.File("tools"));
        WriteBytes(files.File("tools/app.sh"), "#!/bin/sh\n");
    }
    QString File(const char* name) const { return PathText(files.File(name)); }

    TempDir files;
};

} // namespace

TEST_F(VendraskMainLaunch, LetterKeyHidesQuietlyThenStartsTheItem) {
    app->m_currentGroup = 2;
    ItemRecord& item = app->m_item[2 * CVendraskApp::kSlotCount + 3];
    item.Name.Assign(QStringLiteral("App"));
    item.Path.Assign(File("tools/app.sh"));
    item.Option.Assign(QStringLiteral("; rm -rf x"));
    menu->ReleaseKeepHidden();
    menu->ShowMenu();
    ASSERT_TRUE(menu->isVisible());
    auto& sound = FakeSound();
    const qsizetype soundCalls = sound.Calls().size();

    QTest::keyClick(menu.get(), Qt::Key_D);

    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(menu->IsQuietHideAsked(), false);
    for (qsizetype i = soundCalls; i < sound.Calls().size(); ++i)
        EXPECT_NE(sound.Calls()[i].data, QByteArray("close")) << "a quiet hide has no sound";
    EXPECT_EQ(
        FakeShell().Calls(),
        QList<Call>{Opened(File("tools/app.sh"), QStringLiteral("; rm -rf x"), File("tools/"))});
    QCoreApplication::processEvents();
    EXPECT_TRUE(FakeMessageBox().Shown().isEmpty()) << "a start says nothing";
}

TEST_F(VendraskMainLaunch, AFailedStartHidesTheMenuAndSaysWhy) {
    const struct {
        const char* name;
        const char* file;
        const char* shellFailure;
        const char* reason;
    } rows[] = {
        {"missing file", "tools/gone.sh", "", "does not exist."},
        {"the shell starts nothing", "tools/app.sh", "Permission denied", "Permission denied"},
    };
    auto& box = FakeMessageBox();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ItemRecord& item = app->m_item[app->m_currentGroup * CVendraskApp::kSlotCount];
        item.Name.Assign(QStringLiteral("Tool"));
        item.Path.Assign(File(row.file));
        FakeShell().FailOpens(QLatin1String(row.shellFailure));
        const qsizetype boxes = box.Shown().size();
        menu->ReleaseKeepHidden();
        menu->ShowMenu();
        QTest::keyClick(menu.get(), Qt::Key_A);
        EXPECT_FALSE(menu->isVisible());
        QCoreApplication::processEvents();
        ASSERT_EQ(box.Shown().size(), boxes + 1);
        EXPECT_TRUE(box.Shown().last().startsWith(
            QLatin1String("The item \"Tool\" could not be started.")));
        EXPECT_TRUE(box.Shown().last().endsWith(QLatin1String(row.reason)))
            << box.Shown().last().toStdString();
    }
}

TEST_F(VendraskMainLaunch, EmptyPathStartsNothingAndKeepsTheMenu) {
    // Under the item lock the editor does not open either.
    app->m_behaviorItemLock = 1;
    app->m_item[app->m_currentGroup * CVendraskApp::kSlotCount + 1].Name.Assign(
        QStringLiteral("Named only"));
    menu->ReleaseKeepHidden();
    menu->ShowMenu();
    QTest::keyClick(menu.get(), Qt::Key_B);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(FakeShell().Calls().isEmpty());
    EXPECT_EQ(menu->IsQuietHideAsked(), false);
}
