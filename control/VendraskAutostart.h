// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// `vendrask autostart on|off|status`: the launcher's entry in the user's
// XDG autostart folder. Qt-free, like the other verbs.
class CVendraskAutostart final {
public:
    // argv[1] is "autostart". The exit code.
    static int Run(int argc, char** argv);

    // $XDG_CONFIG_HOME/autostart/vendrask.desktop ($HOME/.config when the
    // variable is unset or relative); empty when neither is known.
    static std::string EntryPath();
    // The Exec value that starts program (with --ini ini when given),
    // quoted and escaped as desktop entries want; empty when a path holds
    // a control character no entry can carry.
    static std::string ExecValue(const std::string& program, const std::string& ini);
};
