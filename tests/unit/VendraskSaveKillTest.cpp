// SPDX-License-Identifier: MIT
// A launcher killed at any moment while saving must leave a settings file
// that parses and holds, for each item, either the old or the new record:
// never a torn file, never a half-written item.
#include "app/VendraskApp.h"
#include "common/core/KelvoCommonProfile.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"
#include "tests/support/TestSupport.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using vendrask::test::TempDir;

namespace {

constexpr int kKills = 300;
constexpr int kItemPart = 42;

// Writes generation g of item 42 and of group title 3, over and over.
[[noreturn]] void SaveForever(CVendraskApp& app, int firstGeneration) {
    for (int g = firstGeneration;; ++g) {
        ItemRecord& item = app.m_item[kItemPart - 1];
        const QString tag = QString::number(g);
        item.Name.Assign(QStringLiteral("name ") + tag);
        item.Path.Assign(QStringLiteral("/path/") + tag);
        item.Option.Assign(QStringLiteral("--gen \"") + tag + QStringLiteral("\""));
        item.WorkingFolder.Assign(QStringLiteral("/work/") + tag);
        app.SaveToIniFile(kItemPart);
    }
}

} // namespace

TEST(VendraskSaveKill, FileStaysWholeWhenKilledWhileSaving) {
    TempDir dir;
    const QString ini = QString::fromStdString(dir.File("Vendrask.ini").string());
    CVendraskApp app(KelvoCreateFakePlatformServices());
    app.SetIniFilePath(ini);
    app.LoadFromIniFile();
    for (int n = 1; n <= CVendraskApp::kItemCount; n += 7) {
        app.m_item[n - 1].Name.Assign(QStringLiteral("filler %1").arg(n));
        ASSERT_TRUE(app.SaveToIniFile(n));
    }

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delayMicros(0, 20000);
    int generation = 0;
    int lastSeen = -1;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(kill);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            SaveForever(app, generation);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        CVendraskApp reader(KelvoCreateFakePlatformServices());
        reader.SetIniFilePath(ini);
        reader.LoadFromIniFile();
        const ItemRecord& item = reader.m_item[kItemPart - 1];
        ASSERT_EQ(reader.m_item[7].Name.ToQString(), QStringLiteral("filler 8"));
        if (item.Name.ToQString() == QStringLiteral("filler 42") || item.Name.IsEmpty())
            continue; // killed before its first save
        const QString tag = item.Name.ToQString().mid(5);
        bool ok = false;
        const int seen = tag.toInt(&ok);
        ASSERT_TRUE(ok) << item.Name.ToQString().toStdString();
        // All four keys come from the same save.
        EXPECT_EQ(item.Path.ToQString(), QStringLiteral("/path/") + tag);
        EXPECT_EQ(item.Option.ToQString(), QStringLiteral("--gen \"") + tag + QStringLiteral("\""));
        EXPECT_EQ(item.WorkingFolder.ToQString(), QStringLiteral("/work/") + tag);
        EXPECT_GE(seen, lastSeen) << "a later kill must never show an older record";
        lastSeen = seen;
        generation = seen + 1;
    }
    EXPECT_GT(lastSeen, 0) << "the children never completed a save";
}
