// SPDX-License-Identifier: MIT
#include "app/VendraskSettingsLocation.h"

#include "app/VendraskLog.h"
#include "common/core/KelvoCommonFile.h"
#include "common/core/KelvoCommonProfile.h"

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
    return InConfigFolder(programFolder, config);
}

CVendraskSettingsLocation CVendraskSettingsLocation::InConfigFolder(const QString& programFolder,
                                                                    const QString& configFolder) {
    const QString name = QStringLiteral("Vendrask.ini");
    QDir().mkpath(configFolder);
    CVendraskSettingsLocation location{QDir(configFolder).filePath(name),
                                       QStringLiteral("the program folder is not writable")};
    const QString beside = QDir(programFolder).filePath(name);
    if (QFileInfo::exists(location.file) || !QFileInfo::exists(beside))
        return location;
    std::string bytes;
    std::string why;
    if (KelvoReadSmallFile(beside.toStdString(), CKelvoCommonProfile::kMaxFileBytes, bytes, why) ==
            KelvoFileRead::Read &&
        KelvoCreateFile(location.file.toStdString(), bytes, why) != KelvoFileWrite::Failed) {
        location.reason += QStringLiteral("; started from a copy of %1").arg(beside);
    } else {
        // The defaults then, as before; the reason says why the items are not there.
        qCWarning(lcVendrask).noquote() << "could not copy" << beside << "to" << location.file
                                        << ":" << QString::fromStdString(why);
        location.reason +=
            QStringLiteral("; %1 could not be copied: %2").arg(beside, QString::fromStdString(why));
    }
    return location;
}
