// The everyday keyboard flow with the real launcher, typed as fast as a
// user types it: a letter right after the hot key, the keyboard after
// every small window, a second hot key during the fade.
#include "KelvoCommonX11TestClient.h"
#include "TestSupport.h"
#include "VendraskLauncherProcess.h"

#include <QThread>
#include <gtest/gtest.h>

using vendrask::test::Chord;
using vendrask::test::LauncherProcess;
using vendrask::test::ReadBytes;
using vendrask::test::WaitFor;
using vendrask::test::WriteBytes;
using vendrask::test::Xdotool;

namespace {

// Gives the item a program that adds a line to "count.log" at every start.
std::filesystem::path CountStarts(LauncherProcess& launcher, const QString& item) {
    const std::filesystem::path script = launcher.File("count.sh");
    const std::filesystem::path log = launcher.File("count.log");
    WriteBytes(script, "#!/bin/sh\necho started >> \"" + log.string() + "\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    launcher.Set(item, QStringLiteral("Name"), QStringLiteral("Count"));
    launcher.Set(item, QStringLiteral("Path"), QString::fromStdString(script.string()));
    return log;
}

qsizetype Starts(const std::filesystem::path& log) {
    return std::filesystem::exists(log) ? QByteArray::fromStdString(ReadBytes(log)).count('\n') : 0;
}

void Keys(const char* keys) {
    QStringList arguments{QStringLiteral("key")};
    arguments << QString::fromLatin1(keys).split(QLatin1Char(' '));
    ASSERT_TRUE(Xdotool(arguments));
}

void HotKey() {
    Chord({QStringLiteral("ctrl"), QStringLiteral("alt")});
}

} // namespace

TEST(VendraskKeyboardFlow, ALetterTypedDuringTheFadeStartsTheItem) {
    struct Row {
        const char* name;
        const char* fadeLevel;
    };
    const Row rows[] = {{"no fade", "0"}, {"fade level 3", "3"}, {"fade level 7", "7"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LauncherProcess launcher;
        launcher.Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"),
                     QString::fromLatin1(row.fadeLevel));
        const auto log = CountStarts(launcher, QStringLiteral("Item01"));
        launcher.Start();
        HotKey();
        QThread::msleep(20);
        Keys("a");
        EXPECT_TRUE(WaitFor([&] { return Starts(log) == 1; })) << "item A did not start";
    }
}
