// SPDX-License-Identifier: MIT
// A file dragged from another program onto an item button of the real
// launcher: the item is registered, written to the settings file, and there
// after a restart.
#include "tests/support/TestSupport.h"
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using vendrask::test::CallMenuUp;
using vendrask::test::LauncherProcess;
using vendrask::test::ShownWindowNamed;
using vendrask::test::WaitFor;
using vendrask::test::WindowPosition;
using vendrask::test::WriteBytes;
using vendrask::test::Xdotool;

namespace {

const QString kDragSource = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask_test_drag_source");

// Item button D (slot 3) in the menu window's template: dialog units
// (27, 111, 219 x 13), so its centre lies here in window pixels.
constexpr QPoint kSlot3Centre{41 + 164, 180 + 11};

void MoveTo(QPoint at) {
    Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

void Travel(QPoint from, QPoint to) {
    constexpr int kSteps = 12;
    for (int step = 1; step <= kSteps; ++step)
        MoveTo(from + (to - from) * step / kSteps);
}

// The last "action" the drag source printed: what a drop would do now.
int LastAction(QProcess& source, int& last) {
    source.waitForReadyRead(20);
    while (source.canReadLine()) {
        const QString line = QString::fromLocal8Bit(source.readLine()).trimmed();
        if (line.startsWith(QLatin1String("action ")))
            last = line.mid(7).toInt();
    }
    return last;
}

} // namespace

TEST(VendraskDropX11, FileDraggedFromAnotherProgramIsRegisteredAndKept) {
    struct Row {
        const char* name;
        const char* dropped; // the file dragged, beside the script
        bool terminal;       // a desktop entry that runs in a terminal
    };
    const Row rows[] = {
        {"a script", "Drop Me.sh", false},
        // Kept whole: the shell starts it as the entry says, in a terminal.
        {"a desktop entry", "org.example.DropMe.desktop", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LauncherProcess launcher;
        // A program that leaves a mark when it runs, so the restarted
        // launcher can show that it has the item.
        const QString marker = QString::fromStdString(launcher.File("ran").string());
        const QString script = QString::fromStdString(launcher.File("Drop Me.sh").string());
        WriteBytes(launcher.File("Drop Me.sh"),
                   "#!/bin/sh\ntouch '" + marker.toStdString() + "'\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString dropped = QString::fromStdString(launcher.File(row.dropped).string());
        if (row.terminal) {
            WriteBytes(launcher.File(row.dropped),
                       "[Desktop Entry]\nType=Application\nName=Drop Me\nTerminal=true\nExec=\"" +
                           script.toStdString() + "\"\n");
            // The terminal the shell finds: it notes that it ran, then runs
            // the command.
            const std::filesystem::path bin = launcher.File("bin");
            std::filesystem::create_directory(bin);
            WriteBytes(bin / "xterm", "#!/bin/sh\n[ \"$1\" = -e ] && shift\ntouch '" +
                                          marker.toStdString() + ".terminal'\nexec \"$@\"\n");
            std::filesystem::permissions(bin / "xterm", std::filesystem::perms::owner_all);
            launcher.SetEnvironment(QStringLiteral("PATH"), QString::fromStdString(bin.string()) +
                                                                QLatin1Char(':') +
                                                                qEnvironmentVariable("PATH"));
        }

        launcher.Start();
        const QString menu = CallMenuUp();
        ASSERT_FALSE(menu.isEmpty()) << "the menu did not come up";
        ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("menu active: yes")));
        const QPoint target = WindowPosition(menu) + kSlot3Centre;
        // Outside the menu on the row of D: from there the way to D crosses
        // no other item button, so the first drop the menu accepts is on D.
        const QPoint beside(WindowPosition(menu).x() - 20, target.y());

        QProcess source;
        source.setProcessEnvironment(launcher.Environment());
        source.start(kDragSource, {dropped});
        ASSERT_TRUE(source.waitForStarted(5000));
        while (!source.canReadLine() && source.waitForReadyRead(10000)) {
        }
        ASSERT_TRUE(source.canReadLine()) << "no drag source";
        const QStringList ready = QString::fromLocal8Bit(source.readLine()).split(QLatin1Char(' '));
        ASSERT_EQ(ready.size(), 5);
        // Where the window manager put it.
        const QPoint start =
            WindowPosition(ShownWindowNamed(QStringLiteral("VendraskDragSource"))) + QPoint(60, 60);

        // Press on the source, travel in steps, release over item button D
        // once the menu said it takes the drop there. The source sends a
        // place only after the answer to the one before, so it is nudged
        // until its last place was answered.
        MoveTo(start);
        Xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        Travel(start, beside);
        Travel(beside, target);
        int action = 0;
        int nudge = 0;
        EXPECT_TRUE(WaitFor([&] {
            MoveTo(target + QPoint(++nudge % 2, 0));
            return LastAction(source, action) != 0;
        })) << "the menu did not take the drop";
        Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        ASSERT_TRUE(source.waitForFinished(10000));

        ASSERT_TRUE(WaitFor(
            [&launcher] {
                return launcher.Get(QStringLiteral("Item04"), QStringLiteral("Name")) ==
                       QStringLiteral("Drop Me");
            },
            5000))
            << "stored name: "
            << launcher.Get(QStringLiteral("Item04"), QStringLiteral("Name")).toStdString();
        EXPECT_EQ(launcher.Get(QStringLiteral("Item04"), QStringLiteral("Path")), dropped);
        EXPECT_EQ(launcher.Get(QStringLiteral("Item04"), QStringLiteral("Option")), QString());
        EXPECT_EQ(launcher.Get(QStringLiteral("Item04"), QStringLiteral("WorkingFolder")),
                  QString());

        // A new start reads the item: its letter starts it.
        launcher.Stop();
        launcher.Start();
        ASSERT_FALSE(CallMenuUp().isEmpty());
        ASSERT_TRUE(launcher.WaitForStatus(QStringLiteral("menu active: yes")));
        Xdotool({QStringLiteral("key"), QStringLiteral("d")});
        EXPECT_TRUE(WaitFor([&marker] { return QFile::exists(marker); }, 5000))
            << "the restarted launcher did not start item D";
        if (row.terminal) {
            EXPECT_TRUE(QFile::exists(marker + QStringLiteral(".terminal")))
                << "it did not start in a terminal";
        }
    }
}
