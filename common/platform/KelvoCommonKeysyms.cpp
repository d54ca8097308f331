// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonKeysyms.h"

#include "common/platform/KelvoCommonHotKey.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <array>

namespace {

struct Range {
    int firstVirtualKey;
    int lastVirtualKey;
    std::uint32_t firstKeysym; // consecutive keysyms follow consecutive codes
};

// Runs of consecutive codes: digits, letters, numpad digits, F1 to F24.
constexpr std::array kRanges{
    Range{0x30, 0x39, XK_0},
    Range{0x41, 0x5A, XK_a}, // X names a letter key by its lower-case keysym
    Range{0x60, 0x69, XK_KP_0},
    Range{0x70, 0x87, XK_F1},
};

struct Single {
    int virtualKey;
    std::uint32_t keysym;
};

constexpr std::array kSingles{
    Single{0x03, XK_Cancel}, Single{0x08, XK_BackSpace}, Single{0x09, XK_Tab},
    Single{0x0C, XK_Clear}, Single{0x0D, XK_Return}, Single{0x10, XK_Shift_L}, // VK_SHIFT
    Single{0x11, XK_Control_L},                                                // VK_CONTROL
    Single{0x12, XK_Alt_L},                                                    // VK_MENU
    Single{0x13, XK_Pause}, Single{0x14, XK_Caps_Lock},
    Single{0x15, XK_Hangul},                          // VK_KANA / VK_HANGUL
    Single{0x19, XK_Kanji},                           // VK_KANJI / VK_HANJA
    Single{0x1B, XK_Escape}, Single{0x1C, XK_Henkan}, // VK_CONVERT
    Single{0x1D, XK_Muhenkan},                        // VK_NONCONVERT
    Single{0x20, XK_space}, Single{0x21, XK_Prior}, Single{0x22, XK_Next}, Single{0x23, XK_End},
    Single{0x24, XK_Home}, Single{0x25, XK_Left}, Single{0x26, XK_Up}, Single{0x27, XK_Right},
    Single{0x28, XK_Down}, Single{0x29, XK_Select}, Single{0x2A, XK_Print},
    Single{0x2B, XK_Execute}, Single{0x2C, XK_Print}, // VK_SNAPSHOT
    Single{0x2D, XK_Insert}, Single{0x2E, XK_Delete}, Single{0x2F, XK_Help},
    Single{0x5B, XK_Super_L}, Single{0x5C, XK_Super_R}, Single{0x5D, XK_Menu}, // VK_APPS
    Single{0x5F, XF86XK_Sleep}, Single{0x6A, XK_KP_Multiply}, Single{0x6B, XK_KP_Add},
    Single{0x6C, XK_KP_Separator}, Single{0x6D, XK_KP_Subtract}, Single{0x6E, XK_KP_Decimal},
    Single{0x6F, XK_KP_Divide}, Single{0x90, XK_Num_Lock}, Single{0x91, XK_Scroll_Lock},
    Single{0xA0, XK_Shift_L}, Single{0xA1, XK_Shift_R}, Single{0xA2, XK_Control_L},
    Single{0xA3, XK_Control_R}, Single{0xA4, XK_Alt_L}, Single{0xA5, XK_Alt_R},
    Single{0xA6, XF86XK_Back}, Single{0xA7, XF86XK_Forward}, Single{0xA8, XF86XK_Refresh},
    Single{0xA9, XF86XK_Stop}, Single{0xAA, XF86XK_Search}, Single{0xAB, XF86XK_Favorites},
    Single{0xAC, XF86XK_HomePage}, Single{0xAD, XF86XK_AudioMute},
    Single{0xAE, XF86XK_AudioLowerVolume}, Single{0xAF, XF86XK_AudioRaiseVolume},
    Single{0xB0, XF86XK_AudioNext}, Single{0xB1, XF86XK_AudioPrev}, Single{0xB2, XF86XK_AudioStop},
    Single{0xB3, XF86XK_AudioPlay}, Single{0xB4, XF86XK_Mail}, Single{0xB5, XF86XK_AudioMedia},
    Single{0xB6, XF86XK_MyComputer}, // VK_LAUNCH_APP1
    Single{0xB7, XF86XK_Calculator}, // VK_LAUNCH_APP2
    // The OEM keys by what they carry on the US layout the codes are named after.
    Single{0xBA, XK_semicolon}, Single{0xBB, XK_equal}, // VK_OEM_PLUS: the "=+" key
    Single{0xBC, XK_comma}, Single{0xBD, XK_minus}, Single{0xBE, XK_period}, Single{0xBF, XK_slash},
    Single{0xC0, XK_grave}, Single{0xDB, XK_bracketleft}, Single{0xDC, XK_backslash},
    Single{0xDD, XK_bracketright}, Single{0xDE, XK_apostrophe},
    Single{0xE2, XK_less}, // VK_OEM_102: the extra key of 102-key keyboards
};

} // namespace

std::uint32_t CKelvoCommonKeysyms::KeysymForVirtualKey(int virtualKey) {
    for (const Range& range : kRanges) {
        if (virtualKey >= range.firstVirtualKey && virtualKey <= range.lastVirtualKey)
            return range.firstKeysym +
                   static_cast<std::uint32_t>(virtualKey - range.firstVirtualKey);
    }
    for (const Single& single : kSingles) {
        if (single.virtualKey == virtualKey)
            return single.keysym;
    }
    return 0;
}

int CKelvoCommonKeysyms::ModifierBitForKeysym(std::uint32_t keysym) {
    switch (keysym) {
    case XK_Control_L:
    case XK_Control_R:
        return CKelvoCommonHotKey::kModControl;
    case XK_Shift_L:
    case XK_Shift_R:
        return CKelvoCommonHotKey::kModShift;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R:
        return CKelvoCommonHotKey::kModAlt;
    case XK_Super_L:
    case XK_Super_R:
        return CKelvoCommonHotKey::kModWin;
    default:
        return 0;
    }
}
