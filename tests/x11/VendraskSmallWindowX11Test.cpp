// SPDX-License-Identifier: MIT
// The small windows of the real launcher as a user meets them: what they
// show, where the keyboard starts, and what closing the launcher does to
// a question still open.
#include "tests/support/TestSupport.h"
#include "tests/x11/KelvoCommonX11TestClient.h"
#include "tests/x11/VendraskLauncherProcess.h"

#include <QProcess>
#include <QRect>
#include <QStringList>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

// After gtest, whose names Xlib's macros would take.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

using vendrask::test::CallMenuUp;
using vendrask::test::LauncherProcess;
using vendrask::test::ShownWindowNamed;
using vendrask::test::WaitFor;
using vendrask::test::WriteBytes;
using vendrask::test::Xdotool;

namespace {

void Keys(const char* keys) {
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")};
    arguments << QString::fromLatin1(keys).split(QLatin1Char(' '));
    ASSERT_TRUE(Xdotool(arguments));
}

// The pixels of a part of a window, row by row; empty when X gives none.
std::vector<std::vector<unsigned long>> Pixels(const QString& window, const QRect& part) {
    std::vector<std::vector<unsigned long>> rows;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return rows;
    XImage* image = XGetImage(display, window.toULong(), part.x(), part.y(),
                              static_cast<unsigned>(part.width()),
                              static_cast<unsigned>(part.height()), AllPlanes, ZPixmap);
    if (image != nullptr) {
        for (int y = 0; y < part.height(); ++y) {
            rows.emplace_back();
            for (int x = 0; x < part.width(); ++x)
                rows.back().push_back(XGetPixel(image, x, y));
        }
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return rows;
}

// Whether every row of the part is one colour: nothing written there.
bool Bare(const std::vector<std::vector<unsigned long>>& rows) {
    for (const auto& row : rows) {
        for (unsigned long pixel : row) {
            if (pixel != row.front())
                return false;
        }
    }
    return !rows.empty();
}

} // namespace

TEST(VendraskSmallWindowX11, InformationShowsTheAddressOfALongFolderCutInItsMiddle) {
    // A portable copy unpacked deep down: its README beside it.
    vendrask::test::TempDir base;
    const std::filesystem::path folder =
        base.Path() / std::string(60, 'p') / "vendrask-portable-copy" / std::string(40, 'q');
    std::filesystem::create_directories(folder);
    for (const char* file : {"vendrask", "libVendraskLauncher.so"})
        std::filesystem::copy_file(std::filesystem::path(VENDRASK_BINARY_DIR) / file,
                                   folder / file);
    WriteBytes(folder / "README.md", "# Vendrask\n");
    LauncherProcess launcher;
    launcher.Set(QStringLiteral("ColorSet"), QStringLiteral("Transparency"), QStringLiteral("255"));
    launcher.SetProgram(QString::fromStdString((folder / "vendrask").string()));
    launcher.Start();
    ASSERT_FALSE(CallMenuUp().isEmpty());
    // Item Z, then "Configuration", the hide and the information buttons.
    Keys("Up Tab Tab Tab Return");
    QString window;
    ASSERT_TRUE(WaitFor([&] {
        window = ShownWindowNamed(QStringLiteral("Vendrask Information"));
        return !window.isEmpty();
    }));
    // The address button: dialog units (61, 99, 212 x 16).
    const QRect button(92, 161, 318, 26);
    const QRect middle(button.x() + 100, button.y() + 2, 118, button.height() - 4);
    ASSERT_TRUE(WaitFor([&] { return !Bare(Pixels(window, middle)); }))
        << "no caption on the address button";
    // Inside the one-pixel frame, the first and last three columns stay
    // bare: the caption ends before the button does.
    for (const int x : {button.left() + 1, button.right() - 3}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(Bare(Pixels(window, QRect(x, button.y() + 2, 3, button.height() - 4))));
    }
    Keys("Escape");
}

TEST(VendraskSmallWindowX11, EndingTheLauncherDuringAQuestionAnswersNo) {
    const struct {
        const char* name;
        bool verb; // "vendrask quit", else SIGTERM as at a logout
    } rows[] = {{"vendrask quit", true}, {"SIGTERM", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LauncherProcess launcher;
        launcher.Set(QStringLiteral("Behavior"), QStringLiteral("ConfirmationDialog"),
                     QStringLiteral("1"));
        launcher.Set(QStringLiteral("Item01"), QStringLiteral("Name"), QStringLiteral("Keep"));
        launcher.Set(QStringLiteral("Item01"), QStringLiteral("Path"), QStringLiteral("/bin/true"));
        launcher.Start();
        ASSERT_FALSE(CallMenuUp().isEmpty());
        // Item A, then Delete.
        Keys("Down ctrl+d");
        ASSERT_TRUE(WaitFor(
            [] { return !ShownWindowNamed(QStringLiteral("Vendrask Confirmation")).isEmpty(); }));
        if (row.verb) {
            QProcess quit;
            quit.setProcessEnvironment(launcher.Environment());
            quit.start(QStringLiteral(VENDRASK_BINARY_DIR "/vendrask"), {QStringLiteral("quit")});
            ASSERT_TRUE(quit.waitForFinished(10000));
            EXPECT_TRUE(launcher.Process()->waitForFinished(10000));
        }
        launcher.Stop();
        EXPECT_EQ(launcher.Get(QStringLiteral("Item01"), QStringLiteral("Name")),
                  QStringLiteral("Keep"));
        EXPECT_EQ(launcher.Get(QStringLiteral("Item01"), QStringLiteral("Path")),
                  QStringLiteral("/bin/true"));
    }
}

TEST(VendraskSmallWindowX11, EnterRightAfterConfigureWorksTheFirstControl) {
    LauncherProcess launcher;
    launcher.Start();
    QProcess configure;
    configure.setProcessEnvironment(launcher.Environment());
    configure.start(QStringLiteral(VENDRASK_BINARY_DIR "/vendrask"), {QStringLiteral("configure")});
    ASSERT_TRUE(configure.waitForFinished(10000));
    ASSERT_TRUE(WaitFor(
        [] { return !ShownWindowNamed(QStringLiteral("Vendrask Configuration")).isEmpty(); }));
    // Enter opens the hot key list; Down and Enter take "Ctrl + Shift";
    // Escape closes the window, which stores it.
    Keys("Return Down Return Escape");
    ASSERT_TRUE(WaitFor(
        [] { return ShownWindowNamed(QStringLiteral("Vendrask Configuration")).isEmpty(); }));
    EXPECT_TRUE(WaitFor([&] {
        return launcher.Get(QStringLiteral("HotKey"), QStringLiteral("Modifier")) ==
               QStringLiteral("6");
    })) << launcher.Get(QStringLiteral("HotKey"), QStringLiteral("Modifier")).toStdString();
}

TEST(VendraskSmallWindowX11, AGroupTitleWithALeadingBlankReadsBackAsTyped) {
    LauncherProcess launcher;
    launcher.Start();
    ASSERT_FALSE(CallMenuUp().isEmpty());
    // Item Z, "Configuration", the hide and information buttons, the title.
    Keys("Up Tab Tab Tab Tab Return");
    const QString title = QStringLiteral("Vendrask Group Title");
    ASSERT_TRUE(WaitFor([&] { return !ShownWindowNamed(title).isEmpty(); }));
    Keys("ctrl+a BackSpace space T o o l s Escape");
    ASSERT_TRUE(WaitFor([&] { return ShownWindowNamed(title).isEmpty(); }));
    // What the next start reads.
    EXPECT_TRUE(WaitFor([&] {
        return launcher.Get(QStringLiteral("Group0"), QStringLiteral("Title")) ==
               QStringLiteral(" Tools");
    })) << launcher.Get(QStringLiteral("Group0"), QStringLiteral("Title")).toStdString();
}
