// SPDX-License-Identifier: MIT
// The real launcher on the Xvfb display: one instance, clean ends, nothing
// mapped at start.
#include "tests/support/TestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using vendrask::test::ReadBytes;
using vendrask::test::TempDir;
using vendrask::test::WaitFor;

namespace {

const QString kLauncher = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask");

class VendraskStartup : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(runtime.Path());
        std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);
    }
    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                   QString::fromStdString(runtime.Path().string()));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }
    std::unique_ptr<QProcess> Start() {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(Environment());
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(kLauncher, {QStringLiteral("--ini"), Ini()});
        EXPECT_TRUE(process->waitForStarted(5000));
        return process;
    }
    QString Ini() const { return QString::fromStdString(folder.File("Vendrask.ini").string()); }
    // Whether a launcher answers `vendrask status`: its start-up is over.
    bool Answers() const {
        QProcess client;
        client.setProcessEnvironment(Environment());
        client.start(kLauncher, {QStringLiteral("status")});
        return client.waitForFinished(5000) && client.exitCode() == 0;
    }
    void WaitUntilUp() {
        ASSERT_TRUE(WaitFor([this] { return Answers(); }, 10000)) << "the launcher does not answer";
        ASSERT_TRUE(std::filesystem::exists(folder.File("Vendrask.ini")));
    }
    static QString Visible() {
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), QStringLiteral("^Vendrask$")});
        search.waitForFinished(5000);
        return QString::fromLocal8Bit(search.readAllStandardOutput()).trimmed();
    }
    static void Terminate(QProcess& process) {
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
        ASSERT_TRUE(process.waitForFinished(10000));
    }

    TempDir folder;
    TempDir runtime;
};

} // namespace

TEST_F(VendraskStartup, SecondStartEndsAtOnceAndTouchesNothing) {
    auto first = Start();
    WaitUntilUp();
    const std::string before = ReadBytes(folder.File("Vendrask.ini"));

    auto second = Start();
    ASSERT_TRUE(second->waitForFinished(5000)) << "the second launcher keeps running";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(ReadBytes(folder.File("Vendrask.ini")), before);
    EXPECT_EQ(first->state(), QProcess::Running);
    Terminate(*first);
}

TEST_F(VendraskStartup, NoWindowIsMappedAtStart) {
    auto launcher = Start();
    WaitUntilUp();
    EXPECT_EQ(launcher->state(), QProcess::Running);
    EXPECT_TRUE(Visible().isEmpty()) << Visible().toStdString();
    Terminate(*launcher);
}

TEST_F(VendraskStartup, TermEndsItCleanly) {
    auto launcher = Start();
    WaitUntilUp();
    Terminate(*launcher);
    EXPECT_EQ(launcher->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(launcher->exitCode(), 0);
}

TEST_F(VendraskStartup, TwentySimultaneousStartsLeaveOne) {
    std::vector<std::unique_ptr<QProcess>> launchers;
    for (int i = 0; i < 20; ++i)
        launchers.push_back(Start());
    const auto countRunning = [&launchers] {
        int running = 0;
        for (auto& launcher : launchers) {
            launcher->waitForFinished(0);
            running += launcher->state() == QProcess::Running ? 1 : 0;
        }
        return running;
    };
    // Twenty Qt programs starting at once take a while on a small machine.
    EXPECT_TRUE(WaitFor([&] { return countRunning() <= 1; }, 30000));
    // The one left holds the lock and answers, so it stays.
    EXPECT_TRUE(WaitFor([this] { return Answers(); }, 10000));
    EXPECT_EQ(countRunning(), 1);
    for (auto& launcher : launchers) {
        if (launcher->state() != QProcess::Running) {
            EXPECT_EQ(launcher->exitCode(), 0);
        }
    }
    for (auto& launcher : launchers) {
        if (launcher->state() == QProcess::Running)
            Terminate(*launcher);
    }
}
