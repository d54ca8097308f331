// SPDX-License-Identifier: MIT
// The real launcher starts a real program: called up with the hot key, the
// item's letter pressed, the program gets its arguments verbatim in its
// working folder, the menu is gone, and the program outlives the launcher.
#include "app/VendraskApp.h"
#include "tests/support/TestSupport.h"
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <csignal>
#include <gtest/gtest.h>

using vendrask::test::CallMenuUp;
using vendrask::test::LauncherProcess;
using vendrask::test::PathText;
using vendrask::test::ReadBytes;
using vendrask::test::ShownMenuWindow;
using vendrask::test::TempDir;
using vendrask::test::WaitFor;
using vendrask::test::WriteBytes;
using vendrask::test::Xdotool;

namespace {

bool Alive(qint64 pid) {
    const std::string stat = ReadBytes("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

// Reports its arguments, folder, process and session, then stays alive.
constexpr std::string_view kReporter = "#!/bin/sh\n"
                                       "{ for a in \"$@\"; do printf 'arg:%s\\n' \"$a\"; done\n"
                                       "  printf 'pwd:%s\\n' \"$(pwd)\"\n"
                                       "  printf 'pid:%s\\n' \"$$\"\n"
                                       "  printf 'sid:%s\\n' \"$(cut -d' ' -f6 /proc/$$/stat)\"\n"
                                       "} > \"$0.part\"\n"
                                       "mv \"$0.part\" \"$0.txt\"\n"
                                       "exec sleep 60\n";

} // namespace

TEST(VendraskLaunchX11, LetterStartsTheItemDetachedWithItsArgumentsVerbatim) {
    LauncherProcess launcher;
    TempDir work;
    const std::filesystem::path script = launcher.File("report.sh");
    WriteBytes(script, kReporter);
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const std::filesystem::path report = launcher.File("report.sh.txt");

    const QString option =
        QStringLiteral("\"two words\" ; rm -rf x $(touch pwned) `touch pwned` a|b");
    // Slot D of group 1 (the default group, shown at start).
    launcher.Set(QStringLiteral("Item04"), QStringLiteral("Name"), QStringLiteral("Report"));
    launcher.Set(QStringLiteral("Item04"), QStringLiteral("Path"), PathText(script));
    launcher.Set(QStringLiteral("Item04"), QStringLiteral("Option"),
                 CVendraskApp::EncodeOptionForFile(option));
    launcher.Set(QStringLiteral("Item04"), QStringLiteral("WorkingFolder"), PathText(work.Path()));

    launcher.Start();
    ASSERT_FALSE(CallMenuUp().isEmpty()) << "the menu never showed";
    Xdotool({QStringLiteral("key"), QStringLiteral("d")});

    ASSERT_TRUE(WaitFor([&report] { return std::filesystem::exists(report); }, 10000))
        << "the item did not start";
    const QStringList lines =
        QString::fromStdString(ReadBytes(report)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList arguments;
    QString pid;
    QString sid;
    QString pwd;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("arg:")))
            arguments.append(line.mid(4));
        else if (line.startsWith(QLatin1String("pid:")))
            pid = line.mid(4);
        else if (line.startsWith(QLatin1String("sid:")))
            sid = line.mid(4);
        else if (line.startsWith(QLatin1String("pwd:")))
            pwd = line.mid(4);
    }
    const QStringList expected{QStringLiteral("two words"), QStringLiteral(";"),
                               QStringLiteral("rm"),        QStringLiteral("-rf"),
                               QStringLiteral("x"),         QStringLiteral("$(touch"),
                               QStringLiteral("pwned)"),    QStringLiteral("`touch"),
                               QStringLiteral("pwned`"),    QStringLiteral("a|b")};
    EXPECT_EQ(arguments, expected);
    EXPECT_EQ(pwd, PathText(work.Path()));
    EXPECT_FALSE(std::filesystem::exists(work.File("pwned")));
    EXPECT_EQ(sid, pid) << "the program leads a session of its own";
    EXPECT_TRUE(WaitFor([] { return ShownMenuWindow().isEmpty(); }, 2000)) << "the menu stays up";

    ::kill(static_cast<pid_t>(launcher.Process()->processId()), SIGKILL);
    ASSERT_TRUE(launcher.Process()->waitForFinished(5000));
    // Negative check: a signal sent at the launcher's end lands within this.
    const qint64 child = pid.toLongLong();
    ASSERT_GT(child, 0);
    EXPECT_FALSE(WaitFor([&] { return !Alive(child); }, 500))
        << "the program died with the launcher";
    ::kill(static_cast<pid_t>(child), SIGKILL);
}
