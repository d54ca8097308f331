// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonKeyboard.h"

// Reads the key's place from the X server's keymap (XKB) at every key, so a
// layout switched meanwhile (setxkbmap, a desktop's layout menu) counts at
// once. Without an X display, or for an event that names no key, Qt's key
// decides.
class KELVOCOMMON_EXPORT CKelvoCommonX11Keyboard final : public CKelvoCommonKeyboard {
public:
    int VirtualKey(const QKeyEvent& event) override;
};
