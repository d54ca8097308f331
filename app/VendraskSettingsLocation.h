// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Which settings file the launcher uses, and why.
struct CVendraskSettingsLocation {
    QString file;
    QString reason;

    // --ini wins; else the program folder when it is writable; else
    // $XDG_CONFIG_HOME/Vendrask (created when missing).
    static CVendraskSettingsLocation Resolve(const QString& programFolder,
                                             const QString& iniOverride);
};
