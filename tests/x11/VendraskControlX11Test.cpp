// SPDX-License-Identifier: MIT
// The verbs as a user's key binding or script calls them: the real client
// against the real launcher.
#include "app/VendraskApp.h"
#include "tests/support/TestSupport.h"
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <QProcess>
#include <gtest/gtest.h>

using vendrask::test::LauncherProcess;
using vendrask::test::ReadBytes;
using vendrask::test::ShownMenuWindow;
using vendrask::test::WaitFor;
using vendrask::test::WriteBytes;
using vendrask::test::Xdotool;

namespace {

const QString kLauncher = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask");

struct Result {
    int code = -1;
    QString output;
};

Result Verb(const LauncherProcess& launcher, const QStringList& arguments,
            const QString& program = kLauncher, QStringList prefix = {}) {
    QProcess client;
    client.setProcessEnvironment(launcher.Environment());
    client.start(prefix.isEmpty() ? program : prefix.takeFirst(), prefix + arguments);
    client.waitForFinished(20000);
    return {client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1,
            QString::fromLocal8Bit(client.readAllStandardOutput())};
}

// Slot `letter` of group `group` runs a script that leaves a file named
// after the item; returns that file.
std::filesystem::path MarkerItem(LauncherProcess& launcher, int group, char letter) {
    const std::string name = "item" + std::to_string(group) + letter;
    const std::filesystem::path script = launcher.File((name + ".sh").c_str());
    WriteBytes(script, "#!/bin/sh\ntouch \"$0.done\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const QString section =
        CVendraskApp::ItemSectionName(group * CVendraskApp::kSlotCount + (letter - 'A') + 1);
    launcher.Set(section, QStringLiteral("Name"), QString::fromStdString(name));
    launcher.Set(section, QStringLiteral("Path"), QString::fromStdString(script.string()));
    return script.string() + ".done";
}

bool Shown() {
    return !ShownMenuWindow().isEmpty();
}

} // namespace

TEST(VendraskControlX11, VerbsDriveTheRunningLauncher) {
    LauncherProcess launcher;
    const std::filesystem::path inGroup3 = MarkerItem(launcher, 3, 'A');
    const std::filesystem::path inGroup0 = MarkerItem(launcher, 0, 'A');
    launcher.Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"), QStringLiteral("3"));
    launcher.Start();
    const QString pid = QString::number(launcher.Process()->processId());

    // toggle maps and unmaps.
    EXPECT_EQ(Verb(launcher, {QStringLiteral("toggle")}).code, 0);
    EXPECT_TRUE(WaitFor(Shown)) << "toggle did not show the menu";
    EXPECT_EQ(Verb(launcher, {QStringLiteral("toggle")}).code, 0);
    EXPECT_TRUE(WaitFor([] { return !Shown(); })) << "toggle did not hide the menu";

    // show --group 3, then a letter typed at once (as a key binding's
    // script would, during the fade) starts group 3's item A.
    EXPECT_EQ(
        Verb(launcher,
             {QStringLiteral("-c"), kLauncher + QStringLiteral(" show --group 3 && xdotool key a")},
             QStringLiteral("sh"))
            .code,
        0);
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(inGroup3); }, 5000))
        << "the letter did not start group 3's item";
    EXPECT_FALSE(std::filesystem::exists(inGroup0));
    EXPECT_TRUE(WaitFor([] { return !Shown(); }));

    // start: the item without the menu; an empty one is refused.
    EXPECT_EQ(
        Verb(launcher, {QStringLiteral("start"), QStringLiteral("0"), QStringLiteral("A")}).code,
        0);
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(inGroup0); }, 5000));
    EXPECT_EQ(
        Verb(launcher, {QStringLiteral("start"), QStringLiteral("0"), QStringLiteral("B")}).code,
        1);
    // Requests are answered in order: this one sees what start did.
    EXPECT_TRUE(launcher.Status().contains(QStringLiteral("menu shown: no")))
        << "start showed the menu";
    EXPECT_FALSE(Shown()) << "start showed the menu";

    // pause and status.
    EXPECT_EQ(Verb(launcher, {QStringLiteral("pause")}).code, 0);
    const Result status = Verb(launcher, {QStringLiteral("status")});
    EXPECT_EQ(status.code, 0);
    EXPECT_TRUE(status.output.contains(QStringLiteral("pid: ") + pid))
        << status.output.toStdString();
    EXPECT_TRUE(status.output.contains(QStringLiteral("settings file: ") + launcher.Ini()));
    EXPECT_TRUE(status.output.contains(QStringLiteral("hot key: paused")));
    EXPECT_EQ(Verb(launcher, {QStringLiteral("resume")}).code, 0);
    EXPECT_TRUE(Verb(launcher, {QStringLiteral("status")})
                    .output.contains(QStringLiteral("hot key: registered")));

    // Another user is refused and changes nothing.
    const Result stranger =
        Verb(launcher, {QStringLiteral("toggle")}, kLauncher,
             {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
              QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"), kLauncher});
    EXPECT_EQ(stranger.code, 1);
    EXPECT_TRUE(launcher.Status().contains(QStringLiteral("menu shown: no")));
    EXPECT_FALSE(Shown());

    // quit with the configuration open: it stores, then the launcher ends.
    const std::string before = ReadBytes(launcher.Ini().toStdString());
    EXPECT_EQ(Verb(launcher, {QStringLiteral("configure")}).code, 0);
    EXPECT_TRUE(WaitFor([] {
        return !vendrask::test::ShownWindowNamed(QStringLiteral("Vendrask Configuration"))
                    .isEmpty();
    })) << "configure did not open the configuration";
    EXPECT_EQ(Verb(launcher, {QStringLiteral("quit")}).code, 0);
    ASSERT_TRUE(launcher.Process()->waitForFinished(10000)) << "quit did not end the launcher";
    EXPECT_EQ(launcher.Process()->exitCode(), 0);
    EXPECT_NE(ReadBytes(launcher.Ini().toStdString()), before) << "the configuration did not store";
    EXPECT_EQ(Verb(launcher, {QStringLiteral("status")}).code, 3);
    EXPECT_EQ(Verb(launcher, {QStringLiteral("hide")}).code, 3);
}

TEST(VendraskControlX11, ToggleWithoutLauncherStartsOneAndShowsIt) {
    LauncherProcess launcher;
    const std::filesystem::path started = MarkerItem(launcher, 0, 'A');
    launcher.Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"), QStringLiteral("3"));
    // A script's command, its output captured (the started launcher must
    // not hold it open), and the letter typed right after it.
    const Result toggle =
        Verb(launcher,
             {QStringLiteral("-c"), QStringLiteral("out=$(") + kLauncher +
                                        QStringLiteral(" toggle --ini '") + launcher.Ini() +
                                        QStringLiteral("' 2>&1) && xdotool key a")},
             QStringLiteral("sh"));
    EXPECT_EQ(toggle.code, 0);
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(started); }, 5000))
        << "the letter did not reach the menu of the launcher the toggle started";
    const Result status = Verb(launcher, {QStringLiteral("status")});
    EXPECT_TRUE(status.output.contains(QStringLiteral("settings file: ") + launcher.Ini()));
    EXPECT_EQ(Verb(launcher, {QStringLiteral("quit")}).code, 0);
    EXPECT_TRUE(WaitFor([&] { return Verb(launcher, {QStringLiteral("status")}).code == 3; }));
}

TEST(VendraskControlX11, SessionBusCallsAndVisibleProperty) {
    // A session bus of this test's own.
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--nofork"),
                  QStringLiteral("--print-address")});
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QByteArray address = daemon.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    LauncherProcess launcher;
    launcher.Start();
    const auto call = [&](const QString& method, const QStringList& arguments = {}) {
        return Verb(launcher,
                    QStringList{QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                QStringLiteral("--dest=io.github.vendrask.Vendrask"),
                                QStringLiteral("/io/github/vendrask/Vendrask"), method} +
                        arguments,
                    QStringLiteral("dbus-send"));
    };
    const Result introspection =
        call(QStringLiteral("org.freedesktop.DBus.Introspectable.Introspect"));
    EXPECT_EQ(introspection.code, 0);
    for (const char* name :
         {"\"Toggle\"", "\"Show\"", "\"Hide\"", "\"Configure\"", "\"Quit\"", "\"Visible\""})
        EXPECT_TRUE(introspection.output.contains(QLatin1String(name))) << name;

    EXPECT_EQ(
        call(QStringLiteral("io.github.vendrask.Vendrask.Show"), {QStringLiteral("int32:3")}).code,
        0);
    // Answered once shown.
    const QStringList visible{QStringLiteral("string:io.github.vendrask.Vendrask"),
                              QStringLiteral("string:Visible")};
    EXPECT_TRUE(call(QStringLiteral("org.freedesktop.DBus.Properties.Get"), visible)
                    .output.contains(QStringLiteral("boolean true")));
    EXPECT_TRUE(WaitFor(Shown));
    EXPECT_EQ(call(QStringLiteral("io.github.vendrask.Vendrask.Toggle")).code, 0);
    EXPECT_TRUE(WaitFor([] { return !Shown(); }));
    EXPECT_NE(
        call(QStringLiteral("io.github.vendrask.Vendrask.Show"), {QStringLiteral("int32:12")}).code,
        0);
    EXPECT_EQ(call(QStringLiteral("io.github.vendrask.Vendrask.Quit")).code, 0);
    EXPECT_TRUE(launcher.Process()->waitForFinished(10000));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    daemon.kill();
    daemon.waitForFinished();
}
