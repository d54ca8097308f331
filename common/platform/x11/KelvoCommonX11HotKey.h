// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/x11/KelvoCommonX11Chord.h"

#include <QSet>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

class CKelvoCommonX11Listener;
struct CKelvoCommonX11RawEvent;

// The global hot key on X11. A combination with a key is a passive grab of
// that key on the root window, once for every state of CapsLock and
// NumLock, on the listener's grab connection; a grab the server refuses
// (BadAccess: another program owns the combination) fails the registration.
// A combination held down fires once: auto-repeat does not toggle the menu.
// A combination of modifiers alone takes nothing from anyone: it is read
// from XInput2 raw key events and completes as CKelvoCommonX11Chord says.
//
// While another client holds the keyboard (a screen locker, an open menu),
// nothing fires: passive grabs do not activate then, and a completed chord
// is dropped when a momentary keyboard grab of our own is refused.
class CKelvoCommonX11HotKey final : public CKelvoCommonHotKey {
    Q_OBJECT

public:
    // The X11 hot key when Qt runs on an X11 display, else one that refuses
    // every registration.
    static std::unique_ptr<CKelvoCommonHotKey> Create(QObject* parent = nullptr);

    explicit CKelvoCommonX11HotKey(std::shared_ptr<CKelvoCommonX11Listener> listener,
                                   QObject* parent = nullptr);
    ~CKelvoCommonX11HotKey() override;

    bool Register(int modifier, int code) override;
    void Unregister(int modifier, int code) override;

private:
    struct Grab {
        int identifier;
        std::uint32_t keysym;
        std::uint8_t keycode;          // 0 while the keyboard has no key for the keysym
        std::uint16_t mask;            // X modifier mask without the lock bits
        std::uint16_t hotKeyModifiers; // the MOD_* bits it was asked with
    };
    struct Chord {
        int identifier;
        int bits; // MOD_* bits
    };
    // What the keyboard mapping says, read on the grab connection.
    struct KeyboardMap {
        std::uint16_t altMask = 0;
        std::uint16_t superMask = 0; // the Windows key's
        std::uint16_t numLockMask = 0;
        std::vector<std::uint32_t> keysyms; // per keycode, keysymsPerKeycode each
        int minKeycode = 0;
        int keysymsPerKeycode = 0;
    };

    // Listener thread only, from here on.
    void ReadKeyboardMap();
    std::uint8_t KeycodeFor(std::uint32_t keysym) const;
    std::uint16_t MaskFor(int hotKeyModifiers) const;
    // The failure reason, or an empty text.
    QString GrabKey(Grab& grab);
    void UngrabKey(const Grab& grab, std::uint16_t numLockMask);
    void OnCoreEvent(const xcb_generic_event_t& event);
    void OnRawEvent(const CKelvoCommonX11RawEvent& event);
    bool KeyboardTakenByAnother();
    // A refused grab is asked again this often, this far apart: a grab of a
    // moment ends within it, a screen locker's does not.
    static constexpr int kGrabAttempts = 3;
    static constexpr int kGrabRetryMs = 4;
    void Fire(int identifier);

    void Report(int identifier, const QString& reason); // UI thread

    std::shared_ptr<CKelvoCommonX11Listener> m_listener;
    int m_coreHandler = 0;
    int m_rawHandler = 0;
    // Touched on the listener thread only (handlers and RunAndWait).
    KeyboardMap m_map;
    std::vector<Grab> m_grabs;
    std::vector<Chord> m_chords;
    CKelvoCommonX11Chord m_chord;
    std::vector<int> m_modifierBitOfKeycode; // by key code
    std::uint8_t m_lastReleaseKeycode = 0;
    std::uint32_t m_lastReleaseTime = 0;
    // UI thread.
    QSet<QString> m_reported;
};
