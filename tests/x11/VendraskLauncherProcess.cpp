// SPDX-License-Identifier: MIT
#include "tests/x11/VendraskLauncherProcess.h"

#include "tests/x11/KelvoCommonX11TestClient.h"

#include <QElapsedTimer>
#include <QRect>
#include <csignal>
#include <gtest/gtest.h>

namespace vendrask::test {

namespace {

const QString kLauncher = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask");
const QString kProfileTool = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask-profile");

QString SearchMenu(const QStringList& extra) {
    QStringList arguments{QStringLiteral("search")};
    arguments << extra << QStringLiteral("--name") << QStringLiteral("^Vendrask$");
    return RunTool(QStringLiteral("xdotool"), arguments).trimmed();
}

} // namespace

LauncherProcess::LauncherProcess() {
    std::filesystem::permissions(m_runtime.Path(), std::filesystem::perms::owner_all);
    Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"), QStringLiteral("0"));
}

LauncherProcess::~LauncherProcess() {
    Stop();
}

QString LauncherProcess::Ini() const {
    return QString::fromStdString(m_folder.File("Vendrask.ini").string());
}

void LauncherProcess::Set(const QString& section, const QString& key, const QString& value) {
    QProcess tool;
    tool.start(kProfileTool, {QStringLiteral("set"), Ini(), section, key, value});
    ASSERT_TRUE(tool.waitForFinished(10000));
    ASSERT_EQ(tool.exitCode(), 0);
}

QString LauncherProcess::Get(const QString& section, const QString& key) const {
    // Blanks of the value are its own; only the tool's line end goes.
    QString value = RunTool(kProfileTool, {QStringLiteral("get"), Ini(), section, key});
    if (value.endsWith(QLatin1Char('\n')))
        value.chop(1);
    return value;
}

QProcessEnvironment LauncherProcess::Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"),
               QString::fromStdString(m_runtime.Path().string()));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(m_extra);
    return env;
}

void LauncherProcess::SetEnvironment(const QString& name, const QString& value) {
    m_extra.insert(name, value);
}

void LauncherProcess::Start() {
    m_process = std::make_unique<QProcess>();
    m_process->setProcessEnvironment(Environment());
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    m_process->start(m_program.isEmpty() ? kLauncher : m_program, {QStringLiteral("--ini"), Ini()});
    ASSERT_TRUE(m_process->waitForStarted(5000));
    ASSERT_TRUE(WaitFor([] { return !MenuWindow().isEmpty(); }, 10000));
    // The control server listens once the menu has grabbed its keys.
    ASSERT_TRUE(WaitForStatus(QStringLiteral("running: yes"), 10000))
        << "the launcher does not answer";
}

QString LauncherProcess::Status() const {
    QProcess client;
    client.setProcessEnvironment(Environment());
    client.start(kLauncher, {QStringLiteral("status")});
    if (!client.waitForFinished(5000) || client.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(client.readAllStandardOutput());
}

bool LauncherProcess::WaitForStatus(const QString& line, int timeoutMs) const {
    return WaitFor([&] { return Status().split(QLatin1Char('\n')).contains(line); }, timeoutMs);
}

void LauncherProcess::Stop() {
    if (m_process && m_process->state() == QProcess::Running) {
        ::kill(static_cast<pid_t>(m_process->processId()), SIGTERM);
        m_process->waitForFinished(10000);
    }
    m_process.reset();
}

QString MenuWindow() {
    return SearchMenu({});
}

QString ShownMenuWindow() {
    return SearchMenu({QStringLiteral("--onlyvisible")});
}

void Chord(const QStringList& keys) {
    QStringList arguments;
    for (const QString& key : keys)
        arguments << QStringLiteral("keydown") << key;
    for (auto key = keys.crbegin(); key != keys.crend(); ++key)
        arguments << QStringLiteral("keyup") << *key;
    EXPECT_TRUE(Xdotool(arguments));
}

QString CallMenuUp() {
    Chord({QStringLiteral("ctrl"), QStringLiteral("alt")});
    QString window;
    WaitFor([&window] {
        window = ShownMenuWindow();
        return !window.isEmpty();
    });
    return window;
}

QRect WindowGeometry(const QString& window) {
    const QString shape = RunTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                              QStringLiteral("--shell"), window});
    QRect rect;
    for (const QString& line : shape.split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            rect.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            rect.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            rect.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            rect.setHeight(value);
    }
    return rect;
}

QPoint WindowPosition(const QString& window) {
    return WindowGeometry(window).topLeft();
}

QString ShownWindowNamed(const QString& title) {
    return RunTool(QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')})
        .trimmed();
}

QPoint TrayIconCentre() {
    QPoint centre;
    // The tray grows to the icon's width once the icon is embedded.
    const bool embedded = WaitFor(
        [&centre] {
            const QString tray = RunTool(QStringLiteral("xdotool"),
                                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--class"), QStringLiteral("trayer")})
                                     .trimmed()
                                     .section(QLatin1Char('\n'), 0, 0);
            if (tray.isEmpty())
                return false;
            const QRect rect = WindowGeometry(tray);
            centre = rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
            return rect.width() >= 16;
        },
        5000);
    if (!embedded)
        return {};
    // The tray grows before it maps the icon's window into its place.
    X11OtherClient display;
    if (!WaitFor([&] { return display.IsEmbeddedClientAt(centre); }, 5000))
        return {};
    return centre;
}

} // namespace vendrask::test
