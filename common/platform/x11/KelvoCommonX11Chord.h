// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// Recognises a hot key made of modifier keys alone from the raw key and
// button events of the whole display. A chord is complete when its last
// key goes up, if exactly its modifiers were held down together and no
// other key and no mouse button was pressed since the first of them went
// down. So Ctrl+Alt+T never completes Ctrl+Alt, and Ctrl+Alt+Shift
// completes only Ctrl+Alt+Shift.
class CKelvoCommonX11Chord final {
public:
    CKelvoCommonX11Chord() { Reset(); }

    // modifierBit: CKelvoCommonHotKey::kModAlt, kModControl, kModShift or
    // kModWin for a modifier key, 0 for any other key. A press of a key already down (auto-repeat)
    // changes nothing.
    void KeyPressed(int keycode, int modifierBit);
    // The modifier bits of the chord this release completes, or 0.
    int KeyReleased(int keycode);
    void ButtonPressed();
    // Forgets every key held, as when listening starts afresh.
    void Reset();

private:
    static constexpr int kNotHeld = -1;
    int HeldBits() const;
    bool AnyHeld() const;

    std::array<int, 256> m_held{}; // modifier bit of each key down, kNotHeld if up
    int m_union = 0;               // every modifier pressed since the first key went down
    bool m_reached = false;        // all of m_union were down together at some moment
    bool m_spoiled = false;        // another key or a button was pressed meanwhile
};
