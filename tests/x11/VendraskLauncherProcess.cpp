#include "VendraskLauncherProcess.h"

#include "KelvoCommonX11TestClient.h"

#include <QElapsedTimer>
#include <QThread>
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

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

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
    return RunTool(kProfileTool, {QStringLiteral("get"), Ini(), section, key}).trimmed();
}

QProcessEnvironment LauncherProcess::Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"),
               QString::fromStdString(m_runtime.Path().string()));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    return env;
}

void LauncherProcess::Start() {
    m_process = std::make_unique<QProcess>();
    m_process->setProcessEnvironment(Environment());
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    m_process->start(kLauncher, {QStringLiteral("--ini"), Ini()});
    ASSERT_TRUE(m_process->waitForStarted(5000));
    // The window exists at the end of the start-up; its keys are grabbed then.
    ASSERT_TRUE(WaitFor([] { return !MenuWindow().isEmpty(); }, 10000));
    QThread::msleep(300);
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

QPoint WindowPosition(const QString& window) {
    const QString shape = RunTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                              QStringLiteral("--shell"), window});
    QPoint at;
    for (const QString& line : shape.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("X=")))
            at.setX(line.mid(2).toInt());
        else if (line.startsWith(QLatin1String("Y=")))
            at.setY(line.mid(2).toInt());
    }
    return at;
}

} // namespace vendrask::test
