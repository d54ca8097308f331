// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QString>
#include <QStringList>
#include <optional>

// A desktop entry's command line: the program and its arguments, as
// KelvoSplitExec() reads them.
struct KelvoExecLine {
    QString program;
    QStringList arguments;
};
KELVOCOMMON_EXPORT std::optional<KelvoExecLine> KelvoParseExec(const QString& exec);

// What a ".desktop" file of Type=Application says: its name in the user's
// language (empty when it has none), its command line and its working
// folder ("Path"). nullopt for an unreadable file, another type, or a
// command line that names no program.
struct KelvoDesktopEntry {
    QString name;
    KelvoExecLine exec;
    QString workingFolder;
};
KELVOCOMMON_EXPORT std::optional<KelvoDesktopEntry> KelvoReadDesktopEntry(const QString& path);
