// SPDX-License-Identifier: MIT
// What the portal hot key writes for the desktop: the trigger it offers and
// the binding it advises where the desktop has no shortcut service.
#include "common/platform/wayland/KelvoCommonPortalHotKey.h"

#include <gtest/gtest.h>

namespace {

using Key = CKelvoCommonPortalHotKey;
constexpr int kCtrlAlt = Key::kModControl | Key::kModAlt;

TEST(KelvoCommonPortalHotKey, TriggerTextFollowsTheShortcutsFormat) {
    const struct {
        const char* name;
        int modifier;
        int code;
        const char* trigger;
    } cases[] = {
        {"LetterIsLowerCaseKeysym", kCtrlAlt, 'X', "CTRL+ALT+x"},
        {"AltQOfTheBehaviorPage", Key::kModAlt, 'Q', "ALT+q"},
        {"WindowsKeyIsLogo", Key::kModWin, 0x20, "LOGO+space"},
        {"FunctionKey", Key::kModShift, 0x74, "SHIFT+F5"},
        {"AllModifiersInOneOrder", Key::kModAll, '1', "CTRL+ALT+SHIFT+LOGO+1"},
        {"NumpadKey", Key::kModControl, 0x61, "CTRL+KP_1"},
        {"ModifiersAloneHaveNoTrigger", kCtrlAlt, 0, ""},
        {"UnknownKeyHasNoTrigger", kCtrlAlt, 0x07, ""},
        {"UnknownModifierBitRefused", 16 | Key::kModAlt, 'Q', ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Key::TriggerText(c.modifier, c.code).toStdString(), c.trigger) << c.name;
}

TEST(KelvoCommonPortalHotKey, BindingAdviceIsTheDesktopsOwnLine) {
    const struct {
        const char* name;
        const char* desktop;
        int modifier;
        int code;
        const char* contains;
    } cases[] = {
        {"Sway", "sway", kCtrlAlt, 'X', "bindsym Ctrl+Alt+x exec vendrask toggle"},
        {"SwayModifiersAloneOnRelease", "sway", kCtrlAlt, 0,
         "bindsym --release Control_L+Alt_L exec vendrask toggle"},
        {"SwayWindowsKey", "sway", Key::kModWin | Key::kModShift, 'K',
         "bindsym Shift+Mod4+k exec vendrask toggle"},
        {"I3LikeSway", "i3", Key::kModAlt, 'Q', "bindsym Alt+q exec vendrask toggle"},
        {"Hyprland", "hyprland", kCtrlAlt, 'X', "bind = CTRL ALT, X, exec, vendrask toggle"},
        {"HyprlandNamedKey", "hyprland", Key::kModWin, 0x20,
         "bind = SUPER, space, exec, vendrask toggle"},
        {"HyprlandModifiersAloneAdvisesAltQ", "hyprland", kCtrlAlt, 0,
         "Ctrl+Alt alone cannot be bound on this desktop; choose \"Alt + Q\" on the Behavior "
         "page, then add to hyprland.conf: bind = ALT, Q, exec, vendrask toggle"},
        {"GnomeBinding", "gnome", kCtrlAlt, 'X', "binding '<Control><Alt>x'"},
        {"GnomeCommand", "gnome", kCtrlAlt, 'X',
         "gsettings set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:/org/"
         "gnome/settings-daemon/plugins/media-keys/custom-keybindings/vendrask/ command "
         "'vendrask toggle'"},
        {"GnomeList", "gnome", kCtrlAlt, 'X',
         "custom-keybindings \"['/org/gnome/settings-daemon/plugins/media-keys/"
         "custom-keybindings/vendrask/']\""},
        {"Kde", "kde", kCtrlAlt, 'X', "Custom Shortcuts"},
        {"KdeShortcut", "kde", kCtrlAlt, 'X', "\"vendrask toggle\" with the shortcut Ctrl+Alt+X"},
        {"Wayfire", "wayfire", kCtrlAlt, 'X',
         "[command]: binding_vendrask = <ctrl> <alt> KEY_X and command_vendrask = vendrask toggle"},
        {"UnknownDesktop", "", kCtrlAlt, 'X', "bind Ctrl+Alt+X to the command \"vendrask toggle\""},
    };
    for (const auto& c : cases) {
        const QString line = Key::BindingAdvice(QLatin1String(c.desktop), c.modifier, c.code);
        EXPECT_TRUE(line.contains(QString::fromUtf8(c.contains)))
            << c.name << ": " << line.toStdString();
        EXPECT_FALSE(line.contains(QLatin1Char('\n'))) << c.name;
    }
}

} // namespace
