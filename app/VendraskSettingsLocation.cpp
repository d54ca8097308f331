// SPDX-License-Identifier: MIT
#include "VendraskSettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

CVendraskSettingsLocation CVendraskSettingsLocation::Resolve(const QString& programFolder,
                                                             const QString& iniOverride) {
    const QString name = QStringLiteral("Vendrask.ini");
    if (!iniOverride.isEmpty())
        return {QFileInfo(iniOverride).absoluteFilePath(), QStringLiteral("given with --ini")};

    // Saving replaces the file by renaming a new one beside it, so what
    // counts is whether a file can be created in the folder: try it.
    if (QTemporaryFile probe(
            QDir(programFolder).filePath(QStringLiteral(".vendrask-probe-XXXXXX")));
        probe.open())
        return {QDir(programFolder).filePath(name), QStringLiteral("in the program folder")};

    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/Vendrask");
    QDir().mkpath(config);
    return {QDir(config).filePath(name), QStringLiteral("the program folder is not writable")};
}
