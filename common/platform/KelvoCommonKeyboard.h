// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

class QKeyEvent;

// Which key of the keyboard a key event comes from, as the virtual-key codes
// of the settings and the menu's keys count: by the key's place, not by the
// character it types in the active layout.
//   '0' ... '9' (0x30 ... 0x39)  the number row, whatever the layout and Shift
//   0x60 ... 0x69                the keypad's digits
//   'A' ... 'Z' (0x41 ... 0x5A)  the Latin letter the key carries in the
//                                user's layouts: the first Latin layout of the
//                                keymap, or the key's place on a US keyboard
//                                when the keymap has no Latin layout
// and 0 for every other key (arrows, Tab, Escape: Qt's key says what they are).
class KELVOCOMMON_EXPORT CKelvoCommonKeyboard {
public:
    static constexpr int kVkDigitFirst = 0x30;
    static constexpr int kVkLetterFirst = 0x41;
    static constexpr int kVkLetterLast = 0x5A;
    static constexpr int kVkNumpadFirst = 0x60;

    virtual ~CKelvoCommonKeyboard() = default;
    virtual int VirtualKey(const QKeyEvent& event) = 0;

    // The same from Qt's key alone, for events that carry no key of the
    // keyboard (made up by a program) or where the keymap cannot be read.
    static int VirtualKeyFromQtKey(const QKeyEvent& event);

protected:
    CKelvoCommonKeyboard() = default;
    CKelvoCommonKeyboard(const CKelvoCommonKeyboard&) = default;
    CKelvoCommonKeyboard& operator=(const CKelvoCommonKeyboard&) = default;
};
