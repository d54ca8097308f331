// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonX11Keyboard.h"

#include "common/KelvoCommonLog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <array>
#include <bitset>
#include <cstring>
#include <memory>
#include <string_view>

// After the X11 headers.
#include "common/platform/x11/KelvoCommonXlibMacros.h"

namespace {

Display* QtDisplay() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->display() : nullptr;
}

// A layout counts as Latin when its keys carry this many of the 26 letters.
constexpr std::size_t kLatinLetters = 20;

// The letters' places on a US keyboard, by XKB key name.
struct UsLetter {
    std::string_view name;
    char letter;
};
constexpr std::array<UsLetter, 26> kUsLetters{{
    {"AD01", 'Q'}, {"AD02", 'W'}, {"AD03", 'E'}, {"AD04", 'R'}, {"AD05", 'T'}, {"AD06", 'Y'},
    {"AD07", 'U'}, {"AD08", 'I'}, {"AD09", 'O'}, {"AD10", 'P'}, {"AC01", 'A'}, {"AC02", 'S'},
    {"AC03", 'D'}, {"AC04", 'F'}, {"AC05", 'G'}, {"AC06", 'H'}, {"AC07", 'J'}, {"AC08", 'K'},
    {"AC09", 'L'}, {"AB01", 'Z'}, {"AB02", 'X'}, {"AB03", 'C'}, {"AB04", 'V'}, {"AB05", 'B'},
    {"AB06", 'N'}, {"AB07", 'M'},
}};

struct KeymapDeleter {
    void operator()(XkbDescRec* xkb) const { XkbFreeKeyboard(xkb, 0, True); }
};
using Keymap = std::unique_ptr<XkbDescRec, KeymapDeleter>;

KeySym Sym(const XkbDescRec& xkb, int keycode, int group, int level) {
    // Only the symbols are read (not the key types): every group of a key
    // is as wide as its widest, the missing levels being NoSymbol.
    auto* desc = const_cast<XkbDescRec*>(&xkb);
    if (group >= XkbKeyNumGroups(desc, keycode) || level >= XkbKeyGroupsWidth(desc, keycode))
        return NoSymbol;
    return XkbKeySymEntry(desc, keycode, level, group);
}

// 'A' ... 'Z' for a Latin letter keysym, else 0.
int LetterOf(KeySym sym) {
    if (sym >= XK_a && sym <= XK_z)
        return CKelvoCommonKeyboard::kVkLetterFirst + static_cast<int>(sym - XK_a);
    if (sym >= XK_A && sym <= XK_Z)
        return CKelvoCommonKeyboard::kVkLetterFirst + static_cast<int>(sym - XK_A);
    return 0;
}

// The first group (layout) whose unshifted keys carry the Latin letters; -1
// when there is none (a Russian or Greek keymap alone).
int FirstLatinGroup(const XkbDescRec& xkb) {
    for (int group = 0; group < XkbNumKbdGroups; ++group) {
        std::bitset<26> letters;
        for (int keycode = xkb.min_key_code; keycode <= xkb.max_key_code; ++keycode) {
            if (const int letter = LetterOf(Sym(xkb, keycode, group, 0)))
                letters.set(
                    static_cast<std::size_t>(letter - CKelvoCommonKeyboard::kVkLetterFirst));
        }
        if (letters.count() >= kLatinLetters)
            return group;
    }
    return -1;
}

std::string_view KeyName(const XkbDescRec& xkb, int keycode) {
    if (xkb.names == nullptr || xkb.names->keys == nullptr)
        return {};
    const char* name = xkb.names->keys[keycode].name;
    return {name, strnlen(name, XkbKeyNameLength)};
}

// -1 when the keymap cannot tell.
int VirtualKeyOf(const XkbDescRec& xkb, int keycode) {
    const std::string_view name = KeyName(xkb, keycode);
    // The number row: AE01 ... AE09 are 1 ... 9, AE10 is 0.
    if (name.size() == 4 && name.substr(0, 2) == "AE" && name[2] >= '0' && name[2] <= '1' &&
        name[3] >= '0' && name[3] <= '9') {
        const int column = (name[2] - '0') * 10 + (name[3] - '0');
        if (column >= 1 && column <= 10)
            return CKelvoCommonKeyboard::kVkDigitFirst + column % 10;
    }
    if (name.empty()) {
        // No key names: a key that types a digit in the first layout.
        for (int level = 0; level < 2; ++level) {
            const KeySym sym = Sym(xkb, keycode, 0, level);
            if (sym >= XK_0 && sym <= XK_9)
                return CKelvoCommonKeyboard::kVkDigitFirst + static_cast<int>(sym - XK_0);
        }
    }
    if (const int latin = FirstLatinGroup(xkb); latin >= 0) {
        for (int level = 0; level < 2; ++level) {
            if (const int letter = LetterOf(Sym(xkb, keycode, latin, level)))
                return letter;
        }
        return 0;
    }
    for (const UsLetter& us : kUsLetters) {
        if (us.name == name)
            return us.letter;
    }
    // Neither a Latin layout nor a known place: a keymap a program made up
    // for the keys it types (a virtual keyboard). Only the character tells.
    return -1;
}

} // namespace

int CKelvoCommonX11Keyboard::VirtualKey(const QKeyEvent& event) {
    // The keypad's digits are the same in every layout; with Num Lock off
    // they are arrows and Home, which Qt's key names.
    if ((event.modifiers() & Qt::KeypadModifier) != 0)
        return VirtualKeyFromQtKey(event);
    const quint32 keycode = event.nativeScanCode();
    Display* display = QtDisplay();
    if (display == nullptr || keycode < 8 || keycode > 255)
        return VirtualKeyFromQtKey(event);
    // Read afresh: the layouts may have changed since the last key.
    const Keymap xkb(XkbGetMap(display, XkbKeySymsMask, XkbUseCoreKbd));
    if (!xkb) {
        qCWarning(lcKelvoCommon) << "cannot read the keymap; keys follow their characters";
        return VirtualKeyFromQtKey(event);
    }
    XkbGetNames(display, XkbKeyNamesMask, xkb.get());
    if (static_cast<int>(keycode) < xkb->min_key_code ||
        static_cast<int>(keycode) > xkb->max_key_code)
        return VirtualKeyFromQtKey(event);
    const int virtualKey = VirtualKeyOf(*xkb, static_cast<int>(keycode));
    return virtualKey >= 0 ? virtualKey : VirtualKeyFromQtKey(event);
}
