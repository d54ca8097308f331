// SPDX-License-Identifier: MIT
#include "app/VendraskTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// <prefix>/share/vendrask as seen from <prefix>/bin.
constexpr const char* kDataFolderFromProgram = VENDRASK_DATA_FOLDER_FROM_PROGRAM;
} // namespace

QStringList CVendraskTranslations::Folders(const QString& programFolder) {
    const QDir program(programFolder);
    return {program.filePath(QStringLiteral("translations")),
            QDir::cleanPath(program.filePath(QLatin1String(kDataFolderFromProgram) +
                                             QStringLiteral("/translations")))};
}

QStringList CVendraskTranslations::Candidates(const QString& uiLanguage) {
    QString language = uiLanguage;
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (language.isEmpty() || language == QLatin1String("C") ||
        language == QLatin1String("POSIX") || language.startsWith(QLatin1String("en")))
        return {};
    QStringList parts = language.split(QLatin1Char('_'));
    QStringList candidates{language};
    // zh_Hans_CN: the script dropped gives zh_CN, then zh.
    if (parts.size() == 3)
        candidates.append(parts[0] + QLatin1Char('_') + parts[2]);
    if (parts.size() > 1)
        candidates.append(parts[0]);
    return candidates;
}

QString CVendraskTranslations::Install(QCoreApplication& application) {
    const QStringList folders = Folders(QCoreApplication::applicationDirPath());
    const QStringList languages = QLocale::system().uiLanguages();
    for (const QString& uiLanguage : languages) {
        const QStringList candidates = Candidates(uiLanguage);
        // English before any translated language: the user wants English.
        if (candidates.isEmpty())
            return {};
        for (const QString& candidate : candidates) {
            for (const QString& folder : folders) {
                auto* translator = new QTranslator(&application);
                if (!translator->load(QStringLiteral("vendrask_") + candidate, folder)) {
                    delete translator;
                    continue;
                }
                QCoreApplication::installTranslator(translator);
                // Qt's buttons and dialogs too, where Debian's
                // qt6-translations-l10n put them.
                auto* qt = new QTranslator(&application);
                if (qt->load(QStringLiteral("qtbase_") + candidate,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                    QCoreApplication::installTranslator(qt);
                else
                    delete qt;
                return candidate;
            }
        }
    }
    return {};
}
