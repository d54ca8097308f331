// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Windows virtual-key codes, as the settings file stores a hot key, and
// their X keysyms: the key names of X11 and of the Wayland portals alike.
class CKelvoCommonKeysyms final {
public:
    // The X keysym of the key a virtual-key code names, or 0 when X11 has
    // no such key (mouse buttons, unassigned codes, anything beyond 255).
    static std::uint32_t KeysymForVirtualKey(int virtualKey);
    // The hot key modifier bit (CKelvoCommonHotKey::kModAlt, kModControl,
    // kModShift, kModWin) a key stands for when its first keysym is this
    // one; 0 for every other key, AltGr included.
    static int ModifierBitForKeysym(std::uint32_t keysym);

    CKelvoCommonKeysyms() = delete;
};
