// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonX11HotKey.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/KelvoCommonKeysyms.h"
#include "common/platform/KelvoCommonUnavailableHotKey.h"
#include "common/platform/x11/KelvoCommonX11Listener.h"
#include "common/platform/x11/KelvoCommonX11WindowSystem.h"

#include <QGuiApplication>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

namespace {

constexpr std::uint8_t kBadAccess = 10;
constexpr std::uint16_t kModifierBits = 0xFF; // Shift ... Mod5; the rest are buttons

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

} // namespace

std::unique_ptr<CKelvoCommonHotKey> CKelvoCommonX11HotKey::Create(QObject* parent) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto listener = CKelvoCommonX11Listener::Acquire())
            return std::make_unique<CKelvoCommonX11HotKey>(std::move(listener), parent);
    }
    return std::make_unique<CKelvoCommonUnavailableHotKey>(parent);
}

CKelvoCommonX11HotKey::CKelvoCommonX11HotKey(std::shared_ptr<CKelvoCommonX11Listener> listener,
                                             QObject* parent)
    : CKelvoCommonHotKey(parent), m_listener(std::move(listener)) {
    m_coreHandler = m_listener->AddCoreHandler(
        [this](const xcb_generic_event_t& event) { OnCoreEvent(event); });
}

CKelvoCommonX11HotKey::~CKelvoCommonX11HotKey() {
    m_listener->RemoveHandler(m_rawHandler);
    m_listener->RemoveHandler(m_coreHandler);
    m_listener->RunAndWait([this] {
        std::vector<Grab> grabs;
        grabs.swap(m_grabs);
        for (const Grab& grab : grabs)
            UngrabKey(grab, m_map.numLockMask);
        xcb_flush(m_listener->GrabConnection());
    });
}

bool CKelvoCommonX11HotKey::Register(int modifier, int code) {
    const int identifier = Identifier(modifier, code);
    // Dropping a bit would register a wider combination (Ctrl + Windows as
    // Ctrl alone, fired by every tap of Ctrl).
    if ((modifier & ~kModAll) != 0) {
        Report(identifier, QStringLiteral("modifier %1 holds bits other than Alt (1), Ctrl (2), "
                                          "Shift (4) and Windows (8)")
                               .arg(modifier));
        return false;
    }
    const int bits = modifier;
    if (code < 0 || code > 255) {
        Report(identifier, QStringLiteral("%1 is not a virtual-key code").arg(code));
        return false;
    }
    if (code == 0) {
        if (bits == 0) {
            Report(identifier, QStringLiteral("neither a key nor a modifier"));
            return false;
        }
        if (!m_listener->HasRawEvents()) {
            Report(identifier, QStringLiteral("modifier-only hot keys need XInput 2.2"));
            return false;
        }
        m_listener->RunAndWait([&] {
            if (m_chords.empty()) {
                ReadKeyboardMap();
                m_chord.Reset();
            }
            const bool known = std::any_of(m_chords.cbegin(), m_chords.cend(), [&](const Chord& c) {
                return c.identifier == identifier;
            });
            if (!known)
                m_chords.push_back({identifier, bits});
        });
        if (m_rawHandler == 0) {
            const std::uint32_t types =
                (1u << XI_RawKeyPress) | (1u << XI_RawKeyRelease) | (1u << XI_RawButtonPress);
            m_rawHandler = m_listener->AddRawHandler(
                types, [this](const CKelvoCommonX11RawEvent& event) { OnRawEvent(event); });
        }
        return true;
    }

    const std::uint32_t keysym = CKelvoCommonKeysyms::KeysymForVirtualKey(code);
    if (keysym == 0) {
        Report(identifier, QStringLiteral("X11 has no key for virtual-key code %1").arg(code));
        return false;
    }
    QString reason;
    m_listener->RunAndWait([&] {
        const bool known = std::any_of(m_grabs.cbegin(), m_grabs.cend(), [&](const Grab& grab) {
            return grab.identifier == identifier;
        });
        if (known)
            return;
        if (m_map.keysyms.empty())
            ReadKeyboardMap();
        Grab grab{identifier, keysym, 0, 0, static_cast<std::uint16_t>(bits)};
        reason = GrabKey(grab);
        if (reason.isEmpty())
            m_grabs.push_back(grab);
    });
    if (!reason.isEmpty()) {
        Report(identifier, reason);
        return false;
    }
    return true;
}

void CKelvoCommonX11HotKey::Unregister(int modifier, int code) {
    const int identifier = Identifier(modifier, code);
    bool noChords = false;
    m_listener->RunAndWait([&] {
        std::erase_if(m_chords, [&](const Chord& chord) { return chord.identifier == identifier; });
        noChords = m_chords.empty();
        std::vector<Grab> gone;
        std::erase_if(m_grabs, [&](const Grab& grab) {
            if (grab.identifier != identifier)
                return false;
            gone.push_back(grab);
            return true;
        });
        for (const Grab& grab : gone)
            UngrabKey(grab, m_map.numLockMask);
        xcb_flush(m_listener->GrabConnection());
    });
    if (noChords && m_rawHandler != 0) {
        // Nobody waits for a chord: stop reading every key stroke.
        m_listener->RemoveHandler(m_rawHandler);
        m_rawHandler = 0;
    }
}

void CKelvoCommonX11HotKey::ReadKeyboardMap() {
    xcb_connection_t* connection = m_listener->GrabConnection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto mappingCookie =
        xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count));
    const auto modifierCookie = xcb_get_modifier_mapping(connection);
    XcbReply<xcb_get_keyboard_mapping_reply_t> mapping(
        xcb_get_keyboard_mapping_reply(connection, mappingCookie, nullptr));
    XcbReply<xcb_get_modifier_mapping_reply_t> modifiers(
        xcb_get_modifier_mapping_reply(connection, modifierCookie, nullptr));

    m_map = KeyboardMap{};
    m_modifierBitOfKeycode.assign(256, 0);
    if (mapping == nullptr || modifiers == nullptr)
        return;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    m_map.keysyms.assign(keysyms, keysyms + length);
    m_map.minKeycode = first;
    m_map.keysymsPerKeycode = mapping->keysyms_per_keycode;
    const auto firstKeysym = [&](int keycode) -> std::uint32_t {
        const std::size_t index =
            static_cast<std::size_t>(keycode - first) * m_map.keysymsPerKeycode;
        return index < m_map.keysyms.size() ? m_map.keysyms[index] : 0;
    };
    for (int keycode = first; keycode < first + count && keycode < 256; ++keycode)
        m_modifierBitOfKeycode[keycode] =
            CKelvoCommonKeysyms::ModifierBitForKeysym(firstKeysym(keycode));

    // Which of Mod1 ... Mod5 carries Alt (Meta where no key says Alt) and NumLock.
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(modifiers.get());
    const int perModifier = modifiers->keycodes_per_modifier;
    std::uint16_t metaMask = 0;
    m_map.superMask = 0;
    for (int modifier = 3; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const int keycode = keycodes[modifier * perModifier + i];
            if (keycode == 0)
                continue;
            const std::uint32_t keysym = firstKeysym(keycode);
            const auto mask = static_cast<std::uint16_t>(1u << modifier);
            if (keysym == XK_Alt_L || keysym == XK_Alt_R)
                m_map.altMask = m_map.altMask != 0 ? m_map.altMask : mask;
            else if (keysym == XK_Meta_L || keysym == XK_Meta_R)
                metaMask = metaMask != 0 ? metaMask : mask;
            else if (keysym == XK_Super_L || keysym == XK_Super_R)
                m_map.superMask = m_map.superMask != 0 ? m_map.superMask : mask;
            else if (keysym == XK_Num_Lock)
                m_map.numLockMask = mask;
        }
    }
    if (m_map.altMask == 0)
        m_map.altMask = metaMask != 0 ? metaMask : std::uint16_t{XCB_MOD_MASK_1};
    if (m_map.superMask == 0)
        m_map.superMask = XCB_MOD_MASK_4;
}

std::uint8_t CKelvoCommonX11HotKey::KeycodeFor(std::uint32_t keysym) const {
    const int per = m_map.keysymsPerKeycode;
    if (per == 0)
        return 0;
    const int count = static_cast<int>(m_map.keysyms.size()) / per;
    // A key that gives the keysym unshifted wins over one that needs a level.
    for (int column = 0; column < per; ++column) {
        for (int index = 0; index < count; ++index) {
            const int keycode = m_map.minKeycode + index;
            if (keycode < 256 && m_map.keysyms[index * per + column] == keysym)
                return static_cast<std::uint8_t>(keycode);
        }
    }
    return 0;
}

std::uint16_t CKelvoCommonX11HotKey::MaskFor(int hotKeyModifiers) const {
    std::uint16_t mask = 0;
    if ((hotKeyModifiers & kModShift) != 0)
        mask |= XCB_MOD_MASK_SHIFT;
    if ((hotKeyModifiers & kModControl) != 0)
        mask |= XCB_MOD_MASK_CONTROL;
    if ((hotKeyModifiers & kModAlt) != 0)
        mask |= m_map.altMask;
    if ((hotKeyModifiers & kModWin) != 0)
        mask |= m_map.superMask;
    return mask;
}

QString CKelvoCommonX11HotKey::GrabKey(Grab& grab) {
    grab.keycode = KeycodeFor(grab.keysym);
    grab.mask = MaskFor(grab.hotKeyModifiers);
    if (grab.keycode == 0)
        return QStringLiteral("no key of this keyboard gives keysym 0x%1").arg(grab.keysym, 0, 16);

    xcb_connection_t* connection = m_listener->GrabConnection();
    // The combination must work whatever CapsLock and NumLock say.
    std::vector<std::uint16_t> variants{0, XCB_MOD_MASK_LOCK};
    if (m_map.numLockMask != 0) {
        variants.push_back(m_map.numLockMask);
        variants.push_back(static_cast<std::uint16_t>(m_map.numLockMask | XCB_MOD_MASK_LOCK));
    }
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint16_t variant : variants) {
        cookies.push_back(xcb_grab_key_checked(
            connection, 0, m_listener->Root(), static_cast<std::uint16_t>(grab.mask | variant),
            grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    std::uint8_t errorCode = 0;
    for (xcb_void_cookie_t cookie : cookies) {
        XcbReply<xcb_generic_error_t> error(xcb_request_check(connection, cookie));
        if (error != nullptr && errorCode == 0)
            errorCode = error->error_code;
    }
    if (errorCode == 0)
        return {};
    // Give back the variants we did get; a half grab would fire with some lock states only.
    for (std::uint16_t variant : variants) {
        xcb_ungrab_key(connection, grab.keycode, m_listener->Root(),
                       static_cast<std::uint16_t>(grab.mask | variant));
    }
    xcb_flush(connection);
    if (errorCode == kBadAccess)
        return QStringLiteral("another program owns it");
    return QStringLiteral("the X server refused the grab (error %1)").arg(errorCode);
}

void CKelvoCommonX11HotKey::UngrabKey(const Grab& grab, std::uint16_t numLockMask) {
    if (grab.keycode == 0)
        return;
    // Another identifier may stand for the same keys (modifier bits X11
    // ignores); m_grabs no longer holds the one given back.
    const bool shared = std::any_of(m_grabs.cbegin(), m_grabs.cend(), [&](const Grab& other) {
        return other.keycode == grab.keycode && other.mask == grab.mask;
    });
    if (shared)
        return;
    xcb_connection_t* connection = m_listener->GrabConnection();
    for (std::uint16_t variant : {std::uint16_t{0}, std::uint16_t{XCB_MOD_MASK_LOCK}, numLockMask,
                                  static_cast<std::uint16_t>(numLockMask | XCB_MOD_MASK_LOCK)}) {
        xcb_ungrab_key(connection, grab.keycode, m_listener->Root(),
                       static_cast<std::uint16_t>(grab.mask | variant));
    }
}

void CKelvoCommonX11HotKey::OnCoreEvent(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7F) {
    case XCB_KEY_PRESS: {
        const auto& press = reinterpret_cast<const xcb_key_press_event_t&>(event);
        // Auto-repeat sends a release and a press with one time stamp: a held
        // hot key fires once.
        if (press.detail == m_lastReleaseKeycode && press.time == m_lastReleaseTime)
            return;
        const auto locks = static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | m_map.numLockMask);
        const std::uint16_t mask = press.state & kModifierBits & ~locks;
        for (const Grab& grab : m_grabs) {
            if (grab.keycode == press.detail && grab.mask == mask)
                Fire(grab.identifier);
        }
        break;
    }
    case XCB_KEY_RELEASE: {
        const auto& release = reinterpret_cast<const xcb_key_release_event_t&>(event);
        m_lastReleaseKeycode = release.detail;
        m_lastReleaseTime = release.time;
        break;
    }
    case XCB_MAPPING_NOTIFY: {
        const auto& notify = reinterpret_cast<const xcb_mapping_notify_event_t&>(event);
        if (notify.request == XCB_MAPPING_POINTER)
            break;
        // The server sends this also when the keys come from another device
        // with another keymap, often in the middle of a chord: the keys held
        // stay held. A grab moves only if its keys moved.
        const std::uint16_t oldNumLock = m_map.numLockMask;
        ReadKeyboardMap();
        std::vector<Grab> grabs;
        grabs.swap(m_grabs);
        for (Grab& grab : grabs) {
            const bool moved = KeycodeFor(grab.keysym) != grab.keycode ||
                               MaskFor(grab.hotKeyModifiers) != grab.mask ||
                               m_map.numLockMask != oldNumLock;
            if (!moved) {
                m_grabs.push_back(grab);
                continue;
            }
            UngrabKey(grab, oldNumLock);
            const QString reason = GrabKey(grab);
            if (reason.isEmpty())
                m_grabs.push_back(grab);
            else
                qCWarning(lcKelvoCommon).noquote()
                    << QStringLiteral("hot key 0x%1 lost with the new keyboard mapping: %2")
                           .arg(grab.identifier, 4, 16, QLatin1Char('0'))
                           .arg(reason);
        }
        xcb_flush(m_listener->GrabConnection());
        break;
    }
    default:
        break;
    }
}

void CKelvoCommonX11HotKey::OnRawEvent(const CKelvoCommonX11RawEvent& event) {
    const int keycode = event.detail;
    switch (event.type) {
    case XI_RawKeyPress:
        if (keycode >= 0 && keycode < static_cast<int>(m_modifierBitOfKeycode.size()))
            m_chord.KeyPressed(keycode, m_modifierBitOfKeycode[keycode]);
        break;
    case XI_RawKeyRelease: {
        const int bits = m_chord.KeyReleased(keycode);
        if (bits == 0)
            break;
        std::vector<int> identifiers;
        for (const Chord& chord : m_chords) {
            if (chord.bits == bits)
                identifiers.push_back(chord.identifier);
        }
        if (identifiers.empty() || KeyboardTakenByAnother())
            break;
        for (int identifier : identifiers)
            Fire(identifier);
        break;
    }
    case XI_RawButtonPress:
        m_chord.ButtonPressed();
        break;
    default:
        break;
    }
}

bool CKelvoCommonX11HotKey::KeyboardTakenByAnother() {
    // Raw events flow even while a screen locker holds the keyboard. Our own
    // grab attempt tells: the server refuses it while another client has one.
    // A refusal is asked again for a moment: a client may grab the keyboard
    // for an instant, and a hot key that hides the menu right away must not
    // be lost to that.
    xcb_connection_t* connection = m_listener->GrabConnection();
    for (int attempt = 0;; ++attempt) {
        const auto cookie = xcb_grab_keyboard(connection, 0, m_listener->Root(), XCB_CURRENT_TIME,
                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        XcbReply<xcb_grab_keyboard_reply_t> reply(
            xcb_grab_keyboard_reply(connection, cookie, nullptr));
        if (reply == nullptr)
            return false;
        if (reply->status == XCB_GRAB_STATUS_SUCCESS) {
            xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
            xcb_flush(connection);
            return false;
        }
        // Our own window holding keys until its focus arrives is no locker.
        const bool taken = (reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED ||
                            reply->status == XCB_GRAB_STATUS_FROZEN) &&
                           !KelvoCommonX11HoldingKeys();
        if (!taken || attempt == kGrabAttempts - 1)
            return taken;
        std::this_thread::sleep_for(std::chrono::milliseconds(kGrabRetryMs));
    }
}

void CKelvoCommonX11HotKey::Fire(int identifier) {
    QMetaObject::invokeMethod(
        this, [this, identifier] { Q_EMIT hotKeyPressed(identifier); }, Qt::QueuedConnection);
}

void CKelvoCommonX11HotKey::Report(int identifier, const QString& reason) {
    const QString line = QStringLiteral("cannot register hot key 0x%1: %2")
                             .arg(identifier, 4, 16, QLatin1Char('0'))
                             .arg(reason);
    if (m_reported.contains(line))
        return;
    m_reported.insert(line);
    qCWarning(lcKelvoCommon).noquote() << line;
}
