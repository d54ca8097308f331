// SPDX-License-Identifier: MIT
#pragma once

class QScreen;

// The screen the user works on now, where a window called up from outside
// (a key, a command) belongs. On X11 the pointer tells; a Wayland client
// cannot read the pointer, so there the compositor is asked.
class CKelvoCommonActiveScreen {
public:
    virtual ~CKelvoCommonActiveScreen() = default;
    // Never null while a screen exists; the primary screen when nothing better is known.
    virtual QScreen* Screen() = 0;

protected:
    CKelvoCommonActiveScreen() = default;
    CKelvoCommonActiveScreen(const CKelvoCommonActiveScreen&) = default;
    CKelvoCommonActiveScreen& operator=(const CKelvoCommonActiveScreen&) = default;
};
