// SPDX-License-Identifier: MIT
// The portal hot key against xdg-desktop-portal's own frontend on a private
// bus, with a mock desktop service behind it.
#include "common/platform/wayland/KelvoCommonPortalHotKey.h"

#include "tests/portal/PortalMockBackend.h"
#include "tests/portal/PortalTestBus.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Key = CKelvoCommonPortalHotKey;
constexpr int kCtrlAlt = Key::kModControl | Key::kModAlt;

// Warnings of the run, for the lines a user reads at start.
class WarningLog final {
public:
    WarningLog() {
        s_lines.clear();
        m_previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtWarningMsg)
                    s_lines << text;
            });
    }
    ~WarningLog() { qInstallMessageHandler(m_previous); }
    QString Joined() const { return s_lines.join(QLatin1Char('\n')); }

private:
    static inline QStringList s_lines;
    QtMessageHandler m_previous;
};

class PortalHotKey : public ::testing::Test {
protected:
    // The frontend with the mock behind it, and the hot key on its own connection.
    void StartWithBackend() {
        ASSERT_FALSE(m_bus.Address().isEmpty()) << "no private bus";
        ASSERT_TRUE(m_mock.Publish(m_bus.Connect(QStringLiteral("portal-mock"))));
        m_bus.InstallDesktopEntry(QLatin1String(Key::kApplicationId));
        ASSERT_TRUE(m_bus.StartFrontend(true)) << m_bus.Log().toStdString();
        m_hotKey = std::make_unique<Key>(m_bus.Connect(QStringLiteral("portal-client")),
                                         QStringLiteral("sway"));
    }
    // Waits for the desktop's answer to the next binding.
    bool Bound() {
        QSignalSpy spy(m_hotKey.get(), &Key::bindingFinished);
        return spy.wait(10000) && spy.first().first().toBool();
    }

    CPortalTestBus m_bus;
    CPortalMockBackend m_mock;
    std::unique_ptr<Key> m_hotKey;
};

TEST_F(PortalHotKey, BindsUnderTheStableTokenAndTogglesOnActivated) {
    StartWithBackend();
    QSignalSpy pressed(m_hotKey.get(), &Key::hotKeyPressed);
    ASSERT_TRUE(m_hotKey->Register(Key::kModAlt, 'Q'));
    ASSERT_TRUE(Bound()) << m_bus.Log().toStdString();

    ASSERT_FALSE(m_mock.Calls().isEmpty());
    const CPortalMockBackend::Call& created = m_mock.Calls().first();
    EXPECT_EQ(created.method, QStringLiteral("CreateSession"));
    // The same session path at every start is what lets the desktop find the binding.
    EXPECT_TRUE(created.sessionHandle.endsWith(QStringLiteral("/vendrask")))
        << created.sessionHandle.toStdString();
    // GNOME binds only for a program the portal knows by its desktop entry.
    if (m_bus.FrontendHasRegistry()) {
        EXPECT_EQ(created.appId, QLatin1String(Key::kApplicationId));
    }
    // Offered at CreateSession where the frontend passes it on (KDE 5 binds
    // only that), then bound, since the desktop lists nothing for the session.
    QStringList offers{QStringLiteral("BindShortcuts ALT+q")};
    if (created.options.contains(QStringLiteral("shortcuts")))
        offers.prepend(QStringLiteral("CreateSession ALT+q"));
    EXPECT_EQ(m_mock.OfferedTriggers(QStringLiteral("toggle")), offers);
    EXPECT_EQ(
        m_mock.Calls().last().shortcuts.first().properties.value(QStringLiteral("description")),
        QStringLiteral("Show or hide the launcher"));

    m_mock.Activate(QStringLiteral("toggle"));
    ASSERT_TRUE(pressed.wait(5000));
    EXPECT_EQ(pressed.takeFirst().first().toInt(), Key::Identifier(Key::kModAlt, 'Q'));
    m_mock.Activate(QStringLiteral("another"));
    m_mock.Activate(QStringLiteral("toggle"));
    ASSERT_TRUE(pressed.wait(5000));
    EXPECT_EQ(pressed.size(), 1) << "only the launcher's own shortcut counts";
}

TEST_F(PortalHotKey, BehaviorChangeRebindsAndPauseStopsReacting) {
    StartWithBackend();
    QSignalSpy pressed(m_hotKey.get(), &Key::hotKeyPressed);
    ASSERT_TRUE(m_hotKey->Register(kCtrlAlt, 0));
    ASSERT_TRUE(Bound());
    // Modifiers alone have no trigger text: the desktop lets the user choose.
    EXPECT_EQ(m_mock.OfferedTriggers(QStringLiteral("toggle")).last(),
              QStringLiteral("BindShortcuts "));

    // The Behavior page: unregister the old, register the new. Another chord
    // of modifiers alone is the same shortcut for the desktop: nothing to ask.
    const qsizetype bindings = m_mock.Calls().size();
    m_hotKey->Unregister(kCtrlAlt, 0);
    ASSERT_TRUE(m_hotKey->Register(Key::kModControl | Key::kModShift, 0));
    m_mock.Activate(QStringLiteral("toggle"));
    ASSERT_TRUE(pressed.wait(5000));
    EXPECT_EQ(pressed.takeFirst().first().toInt(),
              Key::Identifier(Key::kModControl | Key::kModShift, 0));
    EXPECT_EQ(m_mock.Calls().size(), bindings);

    m_hotKey->Unregister(Key::kModControl | Key::kModShift, 0);
    ASSERT_TRUE(m_hotKey->Register(Key::kModControl | Key::kModShift, 'X'));
    ASSERT_TRUE(Bound());
    EXPECT_EQ(m_mock.OfferedTriggers(QStringLiteral("toggle")).last(),
              QStringLiteral("BindShortcuts CTRL+SHIFT+x"));
    m_mock.Activate(QStringLiteral("toggle"));
    ASSERT_TRUE(pressed.wait(5000));
    EXPECT_EQ(pressed.takeFirst().first().toInt(),
              Key::Identifier(Key::kModControl | Key::kModShift, 'X'));

    // Pause, a press, resume, a press: only the second toggles. Resuming the
    // same combination asks the desktop nothing again.
    const qsizetype calls = m_mock.Calls().size();
    m_hotKey->Unregister(Key::kModControl | Key::kModShift, 'X');
    m_mock.Activate(QStringLiteral("toggle"));
    QTest::qWait(300); // the press reaches the paused launcher
    EXPECT_EQ(pressed.size(), 0);
    ASSERT_TRUE(m_hotKey->Register(Key::kModControl | Key::kModShift, 'X'));
    m_mock.Activate(QStringLiteral("toggle"));
    ASSERT_TRUE(pressed.wait(5000));
    EXPECT_EQ(m_mock.Calls().size(), calls);
}

struct DesktopAnswer {
    const char* name;
    CPortalMockBackend::BindAnswer answer;
    int modifier;
    int code;
    bool bound;
};

void PrintTo(const DesktopAnswer& row, std::ostream* out) {
    *out << row.name;
}

class PortalHotKeyAnswer : public PortalHotKey,
                           public ::testing::WithParamInterface<DesktopAnswer> {};

// What the desktop holds decides, never its answer's code alone; a
// refusal reaches the launcher, which tells the user.
TEST_P(PortalHotKeyAnswer, BoundOrRefusedAsTheDesktopHoldsIt) {
    const DesktopAnswer& row = GetParam();
    m_mock.SetBindAnswer(row.answer);
    StartWithBackend();
    QSignalSpy refused(m_hotKey.get(), &Key::registrationRefused);
    QSignalSpy pressed(m_hotKey.get(), &Key::hotKeyPressed);
    ASSERT_TRUE(m_hotKey->Register(row.modifier, row.code));
    EXPECT_EQ(Bound(), row.bound) << m_bus.Log().toStdString();
    if (!row.bound) {
        ASSERT_EQ(refused.size(), 1);
        EXPECT_EQ(refused.first().first().toInt(), Key::Identifier(row.modifier, row.code));
        return;
    }
    EXPECT_TRUE(refused.isEmpty());
    m_mock.Activate(QStringLiteral("toggle"));
    ASSERT_TRUE(pressed.wait(5000));
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PortalHotKeyAnswer,
    ::testing::Values(DesktopAnswer{"GnomeAnswersTwoYetBinds",
                                    CPortalMockBackend::BindAnswer::AnswersTwoYetBinds,
                                    Key::kModAlt, 'Q', true},
                      DesktopAnswer{"KdeGivesAHeldKeyNoKey",
                                    CPortalMockBackend::BindAnswer::GivesNoKey, Key::kModAlt, 'Q',
                                    false},
                      // A chord offers no key: the user picks one in the desktop.
                      DesktopAnswer{"ChordLeftForTheUserToChoose",
                                    CPortalMockBackend::BindAnswer::GivesNoKey, kCtrlAlt, 0, true},
                      DesktopAnswer{"UserCancelsTheDialog", CPortalMockBackend::BindAnswer::Cancels,
                                    Key::kModAlt, 'Q', false}),
    [](const auto& info) { return std::string(info.param.name); });

struct HoldingDesktop {
    const char* name;
    bool bindsOnCreate;
};

void PrintTo(const HoldingDesktop& desktop, std::ostream* out) {
    *out << desktop.name;
}

class PortalHotKeyHolding : public PortalHotKey,
                            public ::testing::WithParamInterface<HoldingDesktop> {
protected:
    qsizetype BindCalls(qsizetype from) const {
        qsizetype binds = 0;
        for (qsizetype call = from; call < m_mock.Calls().size(); ++call)
            binds += m_mock.Calls().at(call).method == QStringLiteral("BindShortcuts");
        return binds;
    }
};

// KDE keeps the binding between starts; asking again would open its shortcut
// settings at every start. Portal 1.16 hands KDE 5 the shortcut at
// CreateSession; 1.18 and later bind at the first start only.
TEST_P(PortalHotKeyHolding, IsAskedOnceAndNotAgainAtTheNextStart) {
    m_mock.SetBindsOnCreate(GetParam().bindsOnCreate);
    StartWithBackend();
    ASSERT_TRUE(m_hotKey->Register(Key::kModAlt, 'Q'));
    ASSERT_TRUE(Bound()) << m_bus.Log().toStdString();
    EXPECT_LE(BindCalls(0), 1);

    const qsizetype firstStart = m_mock.Calls().size();
    m_hotKey = std::make_unique<Key>(m_bus.Connect(QStringLiteral("portal-client-2")),
                                     QStringLiteral("kde"));
    QSignalSpy pressed(m_hotKey.get(), &Key::hotKeyPressed);
    ASSERT_TRUE(m_hotKey->Register(Key::kModAlt, 'Q'));
    ASSERT_TRUE(Bound());
    EXPECT_EQ(BindCalls(firstStart), 0);
    m_mock.Activate(QStringLiteral("toggle"));
    ASSERT_TRUE(pressed.wait(5000));
    EXPECT_EQ(pressed.first().first().toInt(), Key::Identifier(Key::kModAlt, 'Q'));
}

INSTANTIATE_TEST_SUITE_P(Desktops, PortalHotKeyHolding,
                         ::testing::Values(HoldingDesktop{"BindsAtCreateSession", true},
                                           HoldingDesktop{"BindsAtBindShortcuts", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PortalHotKeyWithoutBackend, FrontendWithoutTheServiceGivesTheBindingLine) {
    CPortalTestBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    ASSERT_TRUE(bus.StartFrontend(false)) << bus.Log().toStdString();
    WarningLog log;
    Key hotKey(bus.Connect(QStringLiteral("portal-client")), QStringLiteral("hyprland"));
    // Which interfaces the portal has is only known from its answer.
    EXPECT_TRUE(hotKey.Register(kCtrlAlt, 'X'));
    QTRY_VERIFY_WITH_TIMEOUT(log.Joined().contains(QStringLiteral("no global shortcut service")),
                             10000);
    EXPECT_TRUE(log.Joined().contains(QStringLiteral("bind = CTRL ALT, X, exec, vendrask toggle")))
        << log.Joined().toStdString();
    EXPECT_FALSE(hotKey.Register(kCtrlAlt, 'X'));
    EXPECT_EQ(log.Joined().count(QStringLiteral("no global shortcut service")), 1);
}

TEST(PortalHotKeyWithoutBackend, NoPortalOnTheBusFailsAtOnce) {
    CPortalTestBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    WarningLog log;
    Key hotKey(bus.Connect(QStringLiteral("portal-client")), QStringLiteral("sway"));
    EXPECT_FALSE(hotKey.Register(kCtrlAlt, 0));
    EXPECT_TRUE(log.Joined().contains(
        QStringLiteral("bindsym --release Control_L+Alt_L exec vendrask toggle")))
        << log.Joined().toStdString();
}

} // namespace
