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
    // The file in configFolder for a program folder that cannot be written.
    // A first start there begins from a copy of the file beside the program,
    // so a read-only portable copy keeps its items.
    static CVendraskSettingsLocation InConfigFolder(const QString& programFolder,
                                                    const QString& configFolder);
};
