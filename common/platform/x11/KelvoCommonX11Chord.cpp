// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonX11Chord.h"

#include <algorithm>

void CKelvoCommonX11Chord::KeyPressed(int keycode, int modifierBit) {
    if (keycode < 0 || keycode >= static_cast<int>(m_held.size()))
        return;
    if (m_held[keycode] != kNotHeld)
        return; // auto-repeat
    m_held[keycode] = modifierBit;
    if (modifierBit == 0) {
        m_spoiled = true;
        return;
    }
    if ((m_union | modifierBit) != m_union) {
        m_union |= modifierBit;
        m_reached = false;
    }
    if (HeldBits() == m_union)
        m_reached = true;
}

int CKelvoCommonX11Chord::KeyReleased(int keycode) {
    if (keycode < 0 || keycode >= static_cast<int>(m_held.size()))
        return 0;
    if (m_held[keycode] == kNotHeld)
        return 0; // went down before we listened
    m_held[keycode] = kNotHeld;
    if (AnyHeld())
        return 0;
    const int completed = (m_reached && !m_spoiled) ? m_union : 0;
    m_union = 0;
    m_reached = false;
    m_spoiled = false;
    return completed;
}

void CKelvoCommonX11Chord::ButtonPressed() {
    // A click before the chord began spoils nothing.
    if (AnyHeld())
        m_spoiled = true;
}

void CKelvoCommonX11Chord::Reset() {
    m_held.fill(kNotHeld);
    m_union = 0;
    m_reached = false;
    m_spoiled = false;
}

int CKelvoCommonX11Chord::HeldBits() const {
    int bits = 0;
    for (int bit : m_held) {
        if (bit != kNotHeld)
            bits |= bit;
    }
    return bits;
}

bool CKelvoCommonX11Chord::AnyHeld() const {
    return std::any_of(m_held.cbegin(), m_held.cend(), [](int bit) { return bit != kNotHeld; });
}
