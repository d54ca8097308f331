// SPDX-License-Identifier: MIT
// The real launcher in a headless sway session (scripts/with-sway.sh), as
// a user of a Wayland desktop meets it: it says what works, "vendrask
// toggle" from the compositor shows the menu on the focused output, and a
// letter typed at once starts the item.
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <csignal>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

using namespace vendrask::test;

namespace {

const QString kLauncher = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask");
const QString kProfileTool = QStringLiteral(VENDRASK_BINARY_DIR "/vendrask-profile");

QByteArray RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

// The launcher runs as the session's user (sway refuses root; when the
// tests run as root, sway and its clients run as that user).
QStringList AsSessionUser(const QString& program, const QStringList& arguments) {
    const QString user = qEnvironmentVariable("VENDRASK_SESSION_USER");
    if (user.isEmpty() || user == QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name))
        return QStringList{program} + arguments;
    return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=") + user,
                       QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                       program} +
           arguments;
}

void GiveToSessionUser(const std::filesystem::path& path) {
    const QByteArray user = qgetenv("VENDRASK_SESSION_USER");
    if (::getuid() != 0 || user.isEmpty())
        return;
    const passwd* entry = ::getpwnam(user.constData());
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(::chown(path.c_str(), entry->pw_uid, entry->pw_gid), 0);
}

// Whether sway has a keyboard among its inputs.
bool HasKeyboard() {
    const QJsonArray inputs =
        QJsonDocument::fromJson(RunProgram(QStringLiteral("swaymsg"),
                                           {QStringLiteral("-t"), QStringLiteral("get_inputs")}))
            .array();
    for (const QJsonValue& input : inputs) {
        if (input.toObject().value(QLatin1String("type")).toString() == QLatin1String("keyboard"))
            return true;
    }
    return false;
}

// The shown window of that name in sway's tree; empty when none is mapped.
QRect WindowRect(const QString& title, QString* output = nullptr) {
    const QJsonObject tree =
        QJsonDocument::fromJson(RunProgram(QStringLiteral("swaymsg"),
                                           {QStringLiteral("-t"), QStringLiteral("get_tree")}))
            .object();
    QRect found;
    std::function<void(const QJsonObject&, const QString&)> walk = [&](const QJsonObject& node,
                                                                       const QString& outputName) {
        const QString type = node.value(QLatin1String("type")).toString();
        const QString here = type == QLatin1String("output")
                                 ? node.value(QLatin1String("name")).toString()
                                 : outputName;
        if (node.value(QLatin1String("name")).toString() == title &&
            node.value(QLatin1String("visible")).toBool()) {
            const QJsonObject rect = node.value(QLatin1String("rect")).toObject();
            found = QRect(rect.value(QLatin1String("x")).toInt(),
                          rect.value(QLatin1String("y")).toInt(),
                          rect.value(QLatin1String("width")).toInt(),
                          rect.value(QLatin1String("height")).toInt());
            if (output != nullptr)
                *output = here;
        }
        for (const char* key : {"nodes", "floating_nodes"}) {
            for (const QJsonValue& child : node.value(QLatin1String(key)).toArray())
                walk(child.toObject(), here);
        }
    };
    walk(tree, {});
    return found;
}

class VendraskWayland : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::permissions(m_dir.Path(), std::filesystem::perms::owner_all |
                                                       std::filesystem::perms::group_exec |
                                                       std::filesystem::perms::others_exec);
        m_work = m_dir.File("work");
        std::filesystem::create_directory(m_work);
        // An item whose program leaves a mark: slot D of the first group.
        m_marker = m_work / "mark.sh.done";
        WriteBytes(m_work / "mark.sh", "#!/bin/sh\ntouch \"$0.done\"\n");
        std::filesystem::permissions(m_work / "mark.sh", std::filesystem::perms::all);
        Set(QStringLiteral("ColorSet"), QStringLiteral("FadeLevel"), QStringLiteral("0"));
        Set(QStringLiteral("Item04"), QStringLiteral("Name"), QStringLiteral("Mark"));
        Set(QStringLiteral("Item04"), QStringLiteral("Path"), PathText(m_work / "mark.sh"));
        GiveToSessionUser(m_work);
        GiveToSessionUser(m_work / "Vendrask.ini");
        // sway has no keyboard until a virtual one exists; this one stays,
        // as a real keyboard would, while each wtype below types.
        m_keyboard.start(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("600000")});
        ASSERT_TRUE(m_keyboard.waitForStarted(5000));
        ASSERT_TRUE(WaitFor([] { return HasKeyboard(); }, 5000))
            << "sway never saw wtype's keyboard";
    }
    void TearDown() override {
        if (m_launcher.state() == QProcess::Running) {
            ::kill(static_cast<pid_t>(m_launcher.processId()), SIGTERM);
            m_launcher.waitForFinished(10000);
        }
        m_keyboard.kill();
        m_keyboard.waitForFinished(5000);
    }

    void Set(const QString& section, const QString& key, const QString& value) {
        QProcess tool;
        tool.start(kProfileTool, {QStringLiteral("set"), Ini(), section, key, value});
        ASSERT_TRUE(tool.waitForFinished(10000));
        ASSERT_EQ(tool.exitCode(), 0);
    }
    QString Ini() const { return PathText(m_work / "Vendrask.ini"); }

    // Starts it and waits for its start-up line.
    void StartLauncher() {
        const QStringList command = AsSessionUser(kLauncher, {QStringLiteral("--ini"), Ini()});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        m_launcher.setProcessEnvironment(env);
        m_launcher.setProcessChannelMode(QProcess::MergedChannels);
        m_launcher.start(command.first(), command.mid(1));
        ASSERT_TRUE(m_launcher.waitForStarted(5000));
        ASSERT_TRUE(WaitFor(
            [this] {
                m_launcher.waitForReadyRead(20);
                m_log += m_launcher.readAll();
                return m_log.contains("control socket");
            },
            15000))
            << m_log.constData();
    }
    // As a compositor binding runs it: sway starts the command itself.
    void ToggleFromSway() {
        RunProgram(QStringLiteral("swaymsg"),
                   {QStringLiteral("exec"), QStringLiteral("'%1' toggle").arg(kLauncher)});
    }

    TempDir m_dir;
    std::filesystem::path m_work;
    std::filesystem::path m_marker;
    QProcess m_keyboard;
    QProcess m_launcher;
    QByteArray m_log;
};

QRect MenuRect(QString* output = nullptr) {
    return WindowRect(QStringLiteral("Vendrask"), output);
}

} // namespace

TEST_F(VendraskWayland, StartsAndSaysWhatWorksWithoutX11InputServicesOrTray) {
    StartLauncher();
    const bool xwayland = !qEnvironmentVariableIsEmpty("DISPLAY");
    EXPECT_TRUE(m_log.contains(xwayland ? "Wayland session (sway): windows through XWayland"
                                        : "Wayland session (sway): windows native"))
        << m_log.constData();
    // Neither the X11 hot key nor the X11 mouse hook: the portal and
    // layer-shell strips stand in.
    EXPECT_TRUE(m_log.contains("hot key through the desktop's shortcut portal"))
        << m_log.constData();
    EXPECT_TRUE(m_log.contains("screen edges and desktop click on")) << m_log.constData();
    EXPECT_FALSE(m_log.contains("XInput")) << m_log.constData();
    // sway hosts no StatusNotifierItem tray: said, and nothing breaks.
    EXPECT_TRUE(m_log.contains("no StatusNotifierItem host")) << m_log.constData();
    EXPECT_TRUE(m_log.contains("tray none")) << m_log.constData();
}

TEST_F(VendraskWayland, ToggleShowsTheMenuOnTheFocusedOutputAndALetterStartsTheItem) {
    StartLauncher();
    for (const char* output : {"HEADLESS-2", "HEADLESS-1"}) {
        SCOPED_TRACE(output);
        RunProgram(QStringLiteral("swaymsg"),
                   {QStringLiteral("focus"), QStringLiteral("output"), QLatin1String(output)});
        ToggleFromSway();
        QString shownOn;
        ASSERT_TRUE(WaitFor([&shownOn] { return !MenuRect(&shownOn).isEmpty(); }, 5000))
            << "the menu never showed";
        EXPECT_EQ(shownOn, QLatin1String(output));
        // The letter at once, as a user types after the key.
        RunProgram(QStringLiteral("wtype"), {QStringLiteral("d")});
        EXPECT_TRUE(WaitFor([this] { return std::filesystem::exists(m_marker); }, 5000))
            << "the letter did not start the item";
        EXPECT_TRUE(WaitFor([] { return MenuRect().isEmpty(); }, 3000)) << "the menu stays up";
        std::filesystem::remove(m_marker);
    }
}

TEST_F(VendraskWayland, EscapeHidesAndTheNextToggleStillHasTheKeyboard) {
    StartLauncher();
    ToggleFromSway();
    ASSERT_TRUE(WaitFor([] { return !MenuRect().isEmpty(); }, 5000)) << "the menu never showed";
    RunProgram(QStringLiteral("wtype"), {QStringLiteral("-k"), QStringLiteral("Escape")});
    ASSERT_TRUE(WaitFor([] { return MenuRect().isEmpty(); }, 3000)) << "Escape did not hide it";
    ToggleFromSway();
    ASSERT_TRUE(WaitFor([] { return !MenuRect().isEmpty(); }, 5000)) << "no second show";
    RunProgram(QStringLiteral("wtype"), {QStringLiteral("d")});
    EXPECT_TRUE(WaitFor([this] { return std::filesystem::exists(m_marker); }, 5000))
        << "the keyboard was lost after the first hide";
}

TEST_F(VendraskWayland, EscapeClosesTheConfigurationAndTheMenuKeepsTheKeyboard) {
    StartLauncher();
    RunProgram(QStringLiteral("swaymsg"),
               {QStringLiteral("exec"), QStringLiteral("'%1' configure").arg(kLauncher)});
    const QString title = QStringLiteral("Vendrask Configuration");
    ASSERT_TRUE(WaitFor([&title] { return !WindowRect(title).isEmpty(); }, 5000))
        << "no configuration window";
    // Keys reach it without XTest.
    RunProgram(QStringLiteral("wtype"), {QStringLiteral("-k"), QStringLiteral("Escape")});
    ASSERT_TRUE(WaitFor([&title] { return WindowRect(title).isEmpty(); }, 3000))
        << "Escape did not close it";
    RunProgram(QStringLiteral("wtype"), {QStringLiteral("d")});
    EXPECT_TRUE(WaitFor([this] { return std::filesystem::exists(m_marker); }, 5000))
        << "the menu lost the keyboard to the closed window";
}
