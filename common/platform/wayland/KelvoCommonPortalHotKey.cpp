// SPDX-License-Identifier: MIT
#include "common/platform/wayland/KelvoCommonPortalHotKey.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/KelvoCommonKeysyms.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <algorithm>
#include <array>
#include <xkbcommon/xkbcommon.h>

// One entry of the portal's shortcut lists, a(sa{sv}).
struct KelvoPortalShortcut {
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(KelvoPortalShortcut)

static QDBusArgument& operator<<(QDBusArgument& argument, const KelvoPortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

static const QDBusArgument& operator>>(const QDBusArgument& argument,
                                       KelvoPortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

// One action as KDE's kglobalaccel describes it, (ssssssaiai).
struct KelvoKdeShortcutInfo {
    QString action;
    QList<int> keys;
};
Q_DECLARE_METATYPE(KelvoKdeShortcutInfo)

static QDBusArgument& operator<<(QDBusArgument& argument, const KelvoKdeShortcutInfo& info) {
    argument.beginStructure();
    argument << info.action << QString() << QString() << QString() << QString() << QString()
             << info.keys << QList<int>();
    argument.endStructure();
    return argument;
}

static const QDBusArgument& operator>>(const QDBusArgument& argument, KelvoKdeShortcutInfo& info) {
    QString ignored;
    QList<int> defaults;
    argument.beginStructure();
    argument >> info.action >> ignored >> ignored >> ignored >> ignored >> ignored >> info.keys >>
        defaults;
    argument.endStructure();
    return argument;
}

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kRegistryInterface = QStringLiteral("org.freedesktop.host.portal.Registry");

void RegisterTypes() {
    static const bool registered = [] {
        qDBusRegisterMetaType<KelvoPortalShortcut>();
        qDBusRegisterMetaType<QList<KelvoPortalShortcut>>();
        qDBusRegisterMetaType<KelvoKdeShortcutInfo>();
        qDBusRegisterMetaType<QList<KelvoKdeShortcutInfo>>();
        return true;
    }();
    Q_UNUSED(registered);
}

// A session or request handle arrives as an object path or, from some
// portal versions, as a string.
QString HandleText(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

// The trigger the desktop lists for the launcher's shortcut in an answer;
// nothing when the answer lists no such shortcut.
std::optional<QString> BoundTrigger(const QVariantMap& results) {
    const QVariant list = results.value(QStringLiteral("shortcuts"));
    if (!list.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto shortcuts = qdbus_cast<QList<KelvoPortalShortcut>>(list.value<QDBusArgument>());
    for (const KelvoPortalShortcut& shortcut : shortcuts) {
        if (shortcut.id == QLatin1String(CKelvoCommonPortalHotKey::kShortcutId))
            return shortcut.properties.value(QStringLiteral("trigger_description")).toString();
    }
    return std::nullopt;
}

struct ModifierName {
    int bit;
    const char* trigger; // the shortcuts text
    const char* sway;    // sway and i3
    const char* swayKey; // the key itself, for a chord of modifiers alone
    const char* hyprland;
    const char* gnome;
    const char* wayfire;
    const char* human;
};

// Always in this order: Ctrl, Alt, Shift, the Windows key.
constexpr ModifierName kModifierNames[] = {
    {CKelvoCommonHotKey::kModControl, "CTRL", "Ctrl", "Control_L", "CTRL", "<Control>", "<ctrl>",
     "Ctrl"},
    {CKelvoCommonHotKey::kModAlt, "ALT", "Alt", "Alt_L", "ALT", "<Alt>", "<alt>", "Alt"},
    {CKelvoCommonHotKey::kModShift, "SHIFT", "Shift", "Shift_L", "SHIFT", "<Shift>", "<shift>",
     "Shift"},
    {CKelvoCommonHotKey::kModWin, "LOGO", "Mod4", "Super_L", "SUPER", "<Super>", "<super>",
     "Super"},
};

QStringList Names(int modifier, const char* ModifierName::* field) {
    QStringList names;
    for (const ModifierName& name : kModifierNames) {
        if ((modifier & name.bit) != 0)
            names << QLatin1String(name.*field);
    }
    return names;
}

// The xkbcommon (and X) name of the key, empty when it has none.
QString KeyName(int code) {
    const std::uint32_t keysym = CKelvoCommonKeysyms::KeysymForVirtualKey(code);
    if (keysym == 0)
        return {};
    // xkbcommon's names are X11's, without needing an X library.
    std::array<char, 64> name{};
    if (xkb_keysym_get_name(keysym, name.data(), name.size()) <= 0)
        return {};
    return QString::fromLatin1(name.data());
}

// Wayfire names keys by their Linux input event codes.
QString WayfireKeyName(int code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return QStringLiteral("KEY_") + QChar(code);
    if (code >= 0x70 && code <= 0x87)
        return QStringLiteral("KEY_F%1").arg(code - 0x70 + 1);
    static const QHash<int, QString> kOthers{
        {0x08, QStringLiteral("KEY_BACKSPACE")}, {0x09, QStringLiteral("KEY_TAB")},
        {0x0D, QStringLiteral("KEY_ENTER")},     {0x1B, QStringLiteral("KEY_ESC")},
        {0x20, QStringLiteral("KEY_SPACE")},     {0x21, QStringLiteral("KEY_PAGEUP")},
        {0x22, QStringLiteral("KEY_PAGEDOWN")},  {0x23, QStringLiteral("KEY_END")},
        {0x24, QStringLiteral("KEY_HOME")},      {0x25, QStringLiteral("KEY_LEFT")},
        {0x26, QStringLiteral("KEY_UP")},        {0x27, QStringLiteral("KEY_RIGHT")},
        {0x28, QStringLiteral("KEY_DOWN")},      {0x2C, QStringLiteral("KEY_SYSRQ")},
        {0x2D, QStringLiteral("KEY_INSERT")},    {0x2E, QStringLiteral("KEY_DELETE")},
        {0x13, QStringLiteral("KEY_PAUSE")},
    };
    return kOthers.value(code);
}

QString HumanText(int modifier, int code) {
    QStringList parts = Names(modifier, &ModifierName::human);
    const QString key = KeyName(code);
    if (code != 0)
        parts << (key.size() == 1 ? key.toUpper() : key);
    return parts.join(QLatin1Char('+'));
}

} // namespace

CKelvoCommonPortalHotKey::CKelvoCommonPortalHotKey(const QDBusConnection& bus,
                                                   const QString& desktop, QObject* parent)
    : CKelvoCommonHotKey(parent), m_bus(bus), m_desktop(desktop) {
    RegisterTypes();
}

CKelvoCommonPortalHotKey::~CKelvoCommonPortalHotKey() {
    for (auto it = m_requests.cbegin(); it != m_requests.cend(); ++it)
        m_bus.disconnect(kService, it.key(), kRequestInterface, QStringLiteral("Response"), this,
                         SLOT(OnResponse(uint, QVariantMap, QDBusMessage)));
    if (!m_sessionHandle.isEmpty())
        m_bus.disconnect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                         SLOT(OnActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
}

QString CKelvoCommonPortalHotKey::TriggerText(int modifier, int code) {
    if (code == 0 || (modifier & ~kModAll) != 0)
        return {};
    const QString key = KeyName(code);
    if (key.isEmpty())
        return {};
    QStringList parts = Names(modifier, &ModifierName::trigger);
    parts << key;
    return parts.join(QLatin1Char('+'));
}

QString CKelvoCommonPortalHotKey::BindingAdvice(const QString& desktop, int modifier, int code) {
    const QString command = QStringLiteral("vendrask toggle");
    const QString key = KeyName(code);
    const bool keyed = code != 0 && !key.isEmpty();
    if (desktop == QLatin1String("sway") || desktop == QLatin1String("i3")) {
        if (code == 0) // sway binds modifier keys alone on their release
            return QStringLiteral("add to the sway configuration: bindsym --release %1 exec %2")
                .arg(Names(modifier, &ModifierName::swayKey).join(QLatin1Char('+')), command);
        QStringList parts = Names(modifier, &ModifierName::sway);
        parts << key;
        return QStringLiteral("add to the sway configuration: bindsym %1 exec %2")
            .arg(parts.join(QLatin1Char('+')), command);
    }
    // The other desktops cannot bind modifiers alone: advise the keyed choice.
    QString prefix;
    if (!keyed) {
        prefix = QStringLiteral("%1 alone cannot be bound on this desktop; choose \"Alt + Q\" on "
                                "the Behavior page, then ")
                     .arg(HumanText(modifier, 0));
        modifier = kModAlt;
        code = 'Q';
    }
    if (desktop == QLatin1String("hyprland")) {
        const QString hyprKey = KeyName(code);
        return prefix + QStringLiteral("add to hyprland.conf: bind = %1, %2, exec, %3")
                            .arg(Names(modifier, &ModifierName::hyprland).join(QLatin1Char(' ')),
                                 hyprKey.size() == 1 ? hyprKey.toUpper() : hyprKey, command);
    }
    if (desktop == QLatin1String("gnome") || desktop == QLatin1String("ubuntu")) {
        const QString path = QStringLiteral(
            "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/vendrask/");
        const QString schema =
            QStringLiteral("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:") +
            path;
        return prefix +
               QStringLiteral("run (keeping any custom shortcuts you have in the list): gsettings "
                              "set org.gnome.settings-daemon.plugins.media-keys "
                              "custom-keybindings \"['%1']\"; gsettings set %2 name 'Vendrask'; "
                              "gsettings set %2 command '%3'; gsettings set %2 binding '%4%5'")
                   .arg(path, schema, command,
                        Names(modifier, &ModifierName::gnome).join(QString()), KeyName(code));
    }
    if (desktop == QLatin1String("kde")) {
        return prefix +
               QStringLiteral("add in System Settings → Shortcuts → Custom Shortcuts (Plasma 6: "
                              "Shortcuts → Add New → Command or Script) the command \"%1\" with "
                              "the shortcut %2")
                   .arg(command, HumanText(modifier, code));
    }
    if (desktop == QLatin1String("wayfire")) {
        QStringList parts = Names(modifier, &ModifierName::wayfire);
        parts << WayfireKeyName(code);
        return prefix +
               QStringLiteral("add to wayfire.ini under [command]: binding_vendrask = %1 and "
                              "command_vendrask = %2")
                   .arg(parts.join(QLatin1Char(' ')), command);
    }
    return prefix + QStringLiteral("bind %1 to the command \"%2\" in your desktop's keyboard "
                                   "shortcut settings")
                        .arg(HumanText(modifier, code), command);
}

bool CKelvoCommonPortalHotKey::Register(int modifier, int code) {
    if ((modifier & ~kModAll) != 0 || (modifier == 0 && code == 0)) {
        qCWarning(lcKelvoCommon).nospace()
            << "hot key refused: modifier " << modifier << ", code " << code;
        return false;
    }
    if (m_unavailable)
        return false;
    const Combination wanted{modifier, code};
    m_wanted = wanted;
    if (!PortalOnBus()) {
        GiveUp(m_bus.isConnected() ? QStringLiteral("no xdg-desktop-portal on the session bus")
                                   : QStringLiteral("no session bus"));
        return false;
    }
    if (!m_sessionHandle.isEmpty()) {
        BindIfChanged();
    } else if (!m_creating) {
        RegisterApplication();
    }
    return true;
}

void CKelvoCommonPortalHotKey::Unregister(int modifier, int code) {
    if (m_wanted == Combination{modifier, code})
        m_wanted.reset();
}

bool CKelvoCommonPortalHotKey::PortalOnBus() {
    if (!m_portalOnBus) {
        // Questions to the bus itself, answered at once: never to the portal.
        const QDBusConnectionInterface* bus = m_bus.isConnected() ? m_bus.interface() : nullptr;
        m_portalOnBus =
            bus != nullptr && (bus->isServiceRegistered(kService).value() ||
                               bus->activatableServiceNames().value().contains(kService));
    }
    return *m_portalOnBus;
}

void CKelvoCommonPortalHotKey::RegisterApplication() {
    m_creating = true;
    // Before any other call on this connection, or the portal has named us
    // already (by our systemd unit, mostly nothing).
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kRegistryInterface,
                                                          QStringLiteral("Register"));
    message << QLatin1String(kApplicationId) << QVariantMap();
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<> reply = *finished;
                // Older portals have no registry; without our desktop entry
                // installed it refuses: KDE and wlroots bind for us anyway.
                if (reply.isError())
                    qCInfo(lcKelvoCommon).noquote()
                        << "the portal does not know the launcher by its name:"
                        << reply.error().message();
                m_named = !reply.isError();
                CreateSession();
            });
}

void CKelvoCommonPortalHotKey::CreateSession() {
    m_creating = true;
    QVariantMap options;
    options.insert(QStringLiteral("session_handle_token"), QLatin1String(kSessionToken));
    // KDE 5 binds what it is given here, silently; portal 1.18 and later no
    // longer pass it on, and the session's list says what is bound already.
    options.insert(QStringLiteral("shortcuts"), Shortcuts(*m_wanted));
    m_bindingNow = m_wanted;
    Call(Request::CreateSession, QStringLiteral("CreateSession"), {}, options);
}

void CKelvoCommonPortalHotKey::BindIfChanged() {
    if (!m_wanted || m_bound == m_wanted)
        return;
    // Between chords of modifiers alone the desktop's shortcut stays the
    // same (no trigger either way): asking again would only bring its dialog.
    if (m_bound && !m_binding &&
        TriggerText(m_bound->modifier, m_bound->code) ==
            TriggerText(m_wanted->modifier, m_wanted->code)) {
        m_bound = m_wanted;
        return;
    }
    BindShortcuts();
}

void CKelvoCommonPortalHotKey::BindShortcuts() {
    if (m_binding || m_creating) {
        m_bindAgain = true; // once the answer is in
        return;
    }
    if (!m_wanted)
        return;
    m_binding = true;
    m_bindingNow = m_wanted;
    Call(Request::BindShortcuts, QStringLiteral("BindShortcuts"),
         {QVariant::fromValue(QDBusObjectPath(m_sessionHandle)), Shortcuts(*m_wanted), QString()},
         {});
}

void CKelvoCommonPortalHotKey::Call(Request kind, const QString& method, QList<QVariant> arguments,
                                    QVariantMap options) {
    const QString token = QStringLiteral("vendrask%1").arg(++m_nextToken);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath =
        QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    // Subscribed before the call, so that no answer can come first.
    m_bus.connect(kService, requestPath, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(OnResponse(uint, QVariantMap, QDBusMessage)));
    m_requests.insert(requestPath, kind);

    options.insert(QStringLiteral("handle_token"), token);
    arguments << options;
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, kind, requestPath, method](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                if (reply.isError()) {
                    Forget(requestPath);
                    const QString reason =
                        QStringLiteral("%1 failed: %2").arg(method, reply.error().message());
                    if (kind == Request::CreateSession) {
                        m_creating = false;
                        GiveUp(reason);
                    } else if (kind == Request::ListShortcuts && m_checkingBinding) {
                        m_checkingBinding = false;
                        m_binding = false;
                        Refused(reason);
                        BindIfAskedAgain();
                    } else if (kind == Request::ListShortcuts) {
                        m_creating = false;
                        BindShortcuts();
                    } else {
                        m_binding = false;
                        Refused(reason);
                        BindIfAskedAgain();
                    }
                    return;
                }
                const QString path = reply.value().path();
                if (path != requestPath && m_requests.contains(requestPath)) {
                    // An older portal that names requests its own way.
                    Forget(requestPath);
                    m_bus.connect(kService, path, kRequestInterface, QStringLiteral("Response"),
                                  this, SLOT(OnResponse(uint, QVariantMap, QDBusMessage)));
                    m_requests.insert(path, kind);
                }
            });
}

void CKelvoCommonPortalHotKey::Forget(const QString& requestPath) {
    if (m_requests.remove(requestPath) == 0)
        return;
    m_bus.disconnect(kService, requestPath, kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(OnResponse(uint, QVariantMap, QDBusMessage)));
}

void CKelvoCommonPortalHotKey::OnResponse(uint response, const QVariantMap& results,
                                          const QDBusMessage& message) {
    const auto found = m_requests.constFind(message.path());
    if (found == m_requests.cend())
        return;
    const Request kind = found.value();
    Forget(message.path());
    switch (kind) {
    case Request::CreateSession:
        OnCreated(response, results);
        break;
    case Request::ListShortcuts:
        OnListed(response, results);
        break;
    case Request::BindShortcuts:
        OnBound(response, results);
        break;
    }
}

void CKelvoCommonPortalHotKey::OnCreated(uint response, const QVariantMap& results) {
    const QString handle = HandleText(results.value(QStringLiteral("session_handle")));
    if (response != 0 || handle.isEmpty()) {
        m_creating = false;
        GiveUp(
            QStringLiteral("the desktop refused a shortcut session (response %1)").arg(response));
        return;
    }
    m_sessionHandle = handle;
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                  SLOT(OnActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    m_bindAgain = false;
    // A desktop that holds the shortcut already (bound at CreateSession, or
    // at an earlier start) is not asked again: KDE would open its shortcut
    // settings at every start.
    if (const std::optional<QString> trigger = BoundTrigger(results)) {
        m_creating = false;
        Judge(*trigger);
        BindIfChanged();
        return;
    }
    m_bindingNow = m_wanted;
    Call(Request::ListShortcuts, QStringLiteral("ListShortcuts"),
         {QVariant::fromValue(QDBusObjectPath(m_sessionHandle))}, {});
}

void CKelvoCommonPortalHotKey::OnListed(uint response, const QVariantMap& results) {
    const std::optional<QString> trigger =
        response == 0 ? BoundTrigger(results) : std::optional<QString>();
    if (m_checkingBinding) {
        m_checkingBinding = false;
        m_binding = false;
        if (trigger)
            Judge(*trigger);
        else
            Refused(QStringLiteral("it lists no shortcut for the launcher"));
        BindIfAskedAgain();
        return;
    }
    m_creating = false;
    m_bindAgain = false;
    if (trigger) {
        Judge(*trigger);
        BindIfChanged();
    } else {
        BindShortcuts();
    }
}

void CKelvoCommonPortalHotKey::OnBound(uint response, const QVariantMap& results) {
    if (const std::optional<QString> trigger = BoundTrigger(results)) {
        m_binding = false;
        Judge(*trigger);
        BindIfAskedAgain();
        return;
    }
    // GNOME 48.0 answers 2 although it bound, and KDE 6.3 answers without
    // the list: what the session holds decides, never the code alone.
    qCInfo(lcKelvoCommon) << "the desktop answered" << response
                          << "to the binding without its shortcuts: asking for them";
    CheckBinding();
}

void CKelvoCommonPortalHotKey::CheckBinding() {
    m_checkingBinding = true; // m_binding stays set until the list is in
    Call(Request::ListShortcuts, QStringLiteral("ListShortcuts"),
         {QVariant::fromValue(QDBusObjectPath(m_sessionHandle))}, {});
}

void CKelvoCommonPortalHotKey::BindIfAskedAgain() {
    if (m_bindAgain) {
        m_bindAgain = false;
        BindIfChanged();
    }
}

void CKelvoCommonPortalHotKey::Judge(const QString& trigger) {
    // KDE answers a combination another program holds with an empty
    // binding, and success: nothing would ever fire.
    const bool offered =
        m_bindingNow && !TriggerText(m_bindingNow->modifier, m_bindingNow->code).isEmpty();
    if (offered && trigger.isEmpty()) {
        Refused(QStringLiteral("it gave %1 no key; another program may hold it")
                    .arg(HumanText(m_bindingNow->modifier, m_bindingNow->code)));
        return;
    }
    Bound(trigger);
    if (offered && m_desktop == QLatin1String("kde"))
        CheckKdeKeys(*m_bindingNow);
}

void CKelvoCommonPortalHotKey::CheckKdeKeys(const Combination& combination) {
    // KDE 6.3 describes the key it was offered even where it gave none (one
    // another program holds): its shortcut service tells what is active.
    QString component = m_named ? QLatin1String(kApplicationId)
                                : QStringLiteral("token_") + QLatin1String(kSessionToken);
    component.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.kglobalaccel"), QStringLiteral("/component/") + component,
        QStringLiteral("org.kde.kglobalaccel.Component"), QStringLiteral("allShortcutInfos"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, combination](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QList<KelvoKdeShortcutInfo>> reply = *finished;
                if (reply.isError() || m_bound != combination || m_bindingNow != combination)
                    return; // no such service, or another binding since
                for (const KelvoKdeShortcutInfo& info : reply.value()) {
                    const bool keyless = std::all_of(info.keys.cbegin(), info.keys.cend(),
                                                     [](int key) { return key == 0; });
                    if (info.action == QLatin1String(kShortcutId) && keyless)
                        Refused(QStringLiteral("it gave %1 no key; another program may hold it")
                                    .arg(HumanText(combination.modifier, combination.code)));
                }
            });
}

void CKelvoCommonPortalHotKey::Bound(const QString& trigger) {
    m_bound = m_bindingNow;
    qCInfo(lcKelvoCommon).noquote()
        << "global shortcut bound by the desktop:"
        << (trigger.isEmpty() ? QStringLiteral("(no trigger yet)") : trigger);
    if (m_bound && TriggerText(m_bound->modifier, m_bound->code).isEmpty() &&
        !m_modifierOnlyReported) {
        m_modifierOnlyReported = true;
        qCWarning(lcKelvoCommon).noquote()
            << "the desktop's shortcut service cannot take"
            << HumanText(m_bound->modifier, m_bound->code)
            << "as a trigger: choose the key in the desktop's dialog, or a combination with a key "
               "on the Behavior page";
    }
    Q_EMIT bindingFinished(true);
}

void CKelvoCommonPortalHotKey::Refused(const QString& reason) {
    m_bound.reset(); // asked again at the next Register
    qCWarning(lcKelvoCommon).noquote() << "the desktop did not bind the global shortcut:" << reason;
    Q_EMIT bindingFinished(false);
    // Only what the user still wants: a later choice is on its way.
    if (m_bindingNow && m_bindingNow == m_wanted)
        Q_EMIT registrationRefused(Identifier(m_wanted->modifier, m_wanted->code));
}

void CKelvoCommonPortalHotKey::OnActivated(const QDBusObjectPath& session,
                                           const QString& shortcutId, qulonglong,
                                           const QVariantMap&) {
    if (!m_wanted || session.path() != m_sessionHandle || shortcutId != QLatin1String(kShortcutId))
        return;
    Q_EMIT hotKeyPressed(Identifier(m_wanted->modifier, m_wanted->code));
}

void CKelvoCommonPortalHotKey::GiveUp(const QString& reason) {
    if (m_unavailable)
        return;
    m_unavailable = true;
    const Combination shown = m_wanted.value_or(Combination{kModControl | kModAlt, 0});
    qCWarning(lcKelvoCommon).noquote()
        << QStringLiteral("no global shortcut service here (%1):").arg(reason)
        << BindingAdvice(m_desktop, shown.modifier, shown.code);
}

QVariant CKelvoCommonPortalHotKey::Shortcuts(const Combination& combination) const {
    QVariantMap properties;
    properties.insert(QStringLiteral("description"), tr("Show or hide the launcher"));
    const QString trigger = TriggerText(combination.modifier, combination.code);
    if (!trigger.isEmpty()) // without one the desktop lets the user choose
        properties.insert(QStringLiteral("preferred_trigger"), trigger);
    return QVariant::fromValue(
        QList<KelvoPortalShortcut>{{QLatin1String(kShortcutId), properties}});
}
