// SPDX-License-Identifier: MIT
#include "launcher/VendraskStartup.h"

#include "app/VendraskApp.h"
#include "app/VendraskCommandLine.h"
#include "app/VendraskLog.h"
#include "app/VendraskSessionLine.h"
#include "app/VendraskSignalWatcher.h"
#include "app/VendraskTranslations.h"
#include "control/VendraskControlAdapter.h"
#include "control/VendraskControlDBus.h"
#include "control/VendraskControlServer.h"
#include "control/VendraskControlSocket.h"
#include "menu/VendraskMain.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <malloc.h>
#include <unistd.h>

namespace {

// Time since the kernel started this process (its start time in
// /proc/self/stat, clock ticks since boot), so loading counts too.
double MillisecondsSinceStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    // Field 22 overall; the list starts at field 3.
    if (fields.size() < 20)
        return -1;
    const double startTicks = fields[19].toDouble();
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QStringList ArgumentList(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

bool HasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// Qt 6.4 on Wayland can neither place a window nor keep it above others:
// through XWayland it can, where the compositor honours that for X11
// windows. An X11 session forced in a Wayland one (VENDRASK_SESSION=x11)
// needs xcb too. True when this process chose xcb (the user chose nothing).
bool ChooseXWayland(const CKelvoCommonSession& session) {
    const bool forcedX11 = session.type == CKelvoCommonSession::Type::X11 &&
                           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!(session.IsWayland() && session.xwayland) && !forcedX11)
        return false;
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

} // namespace

int RunVendrask(int argc, char** argv) {
    // glibc raises its mmap threshold to the largest block freed so far:
    // once the menu's picture is made again, pictures of that size come
    // from the heap, whose top is handed back only beyond twice that, and
    // resident memory steps up by a picture and stays. A fixed threshold
    // keeps every large image in a mapping of its own, unmapped when freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QCoreApplication::setApplicationName(QStringLiteral("Vendrask"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vendrask"));

    CVendraskCommandLine options = CVendraskCommandLine::Parse(ArgumentList(argc, argv));
    if (!options.error.isEmpty() || options.showHelp || options.showVersion || !HasDisplay()) {
        // Told in the user's language; no window system needed for that.
        QCoreApplication core(argc, argv);
        CVendraskTranslations::Install(core);
        options = CVendraskCommandLine::Parse(ArgumentList(argc, argv));
        if (!options.error.isEmpty()) {
            Print(stderr, QCoreApplication::translate("CVendraskCommandLine",
                                                      "vendrask: %1\nTry 'vendrask --help'.\n")
                              .arg(options.error));
            return 2;
        }
        if (options.showHelp || options.showVersion) {
            Print(stdout, options.showHelp ? CVendraskCommandLine::HelpText()
                                           : CVendraskCommandLine::VersionText());
            return 0;
        }
        Print(stderr, QCoreApplication::translate(
                          "CVendraskStartup",
                          "vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to "
                          "try it without a desktop: xvfb-run -a ./run.sh\n"));
        return 1;
    }

    const CKelvoCommonSession session = CKelvoCommonSession::Current();
    const bool choseXWayland = ChooseXWayland(session);
    QApplication application(argc, argv);
    // Programs the launcher starts choose their own platform.
    if (choseXWayland)
        qunsetenv("QT_QPA_PLATFORM");
    QApplication::setQuitOnLastWindowClosed(false);
    if (const QString language = CVendraskTranslations::Install(application); !language.isEmpty())
        qCInfo(lcVendrask).noquote() << QStringLiteral("texts in %1").arg(language);
    CVendraskApp app(KelvoCreatePlatformServices());
    app.SetCommandLineIni(options.iniFile);
    app.SetMenuRunner([&session](CVendraskApp& model) {
        // The never-shown owner of the menu window.
        QWidget owner;
        owner.setAttribute(Qt::WA_DontShowOnScreen);
        CVendraskMain menu(model, &owner);
        if (session.IsWayland())
            qCInfo(lcVendrask).noquote() << VendraskSessionLine(
                session, QGuiApplication::platformName(),
                model.Services().hotKey != nullptr && model.Services().hotKey->IsAvailable(),
                CKelvoCommonHookMouse::IsHookInstalled(), QSystemTrayIcon::isSystemTrayAvailable());
        // Requests from outside, once the menu exists to carry them.
        CVendraskControlAdapter control(model, menu);
        CVendraskControlServer server(control);
        server.Listen(CVendraskControlSocket::Folder());
        CVendraskControlDBus bus(control);
        bus.Register();
        CVendraskSignalWatcher watcher;
        QObject::connect(&watcher, &CVendraskSignalWatcher::terminationRequested, &menu,
                         &CVendraskMain::CloseLauncher);
        // Once the loop is idle for the first time: how long start-up took
        // until the hot key, the tray and the socket take call-ups; the
        // menu's fonts and native window come next, before any call-up.
        QTimer::singleShot(0, &menu, [&menu] {
            // The kernel keeps the start in 10 ms ticks; the wall clock lets
            // a caller that noted when it started us measure exactly.
            timespec wall{};
            ::clock_gettime(CLOCK_REALTIME, &wall);
            qCInfo(lcVendraskTiming, "ready %.1f ms after process start (wall clock %lld.%06ld)",
                   MillisecondsSinceStart(), static_cast<long long>(wall.tv_sec),
                   wall.tv_nsec / 1000);
            menu.Prepare();
            ::clock_gettime(CLOCK_REALTIME, &wall);
            qCInfo(lcVendraskTiming, "menu prepared (wall clock %lld.%06ld)",
                   static_cast<long long>(wall.tv_sec), wall.tv_nsec / 1000);
            // The first call-up shows the menu from its picture too; made
            // a little later, so a call-up right at start is not kept
            // waiting behind it.
            QTimer::singleShot(500, &menu, [&menu] { menu.ScheduleMenuPicture(); });
        });
        menu.RunModalLoop();
    });
    app.InitInstance();
    return app.ExitInstance();
}
