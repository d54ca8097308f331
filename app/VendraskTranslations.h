// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The launcher's texts in the desktop's language (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them), and Qt's own in the same one for
// its dialogs. English needs nothing: the texts in the code are English.
class CVendraskTranslations final {
public:
    // Installs the first of the user's languages that has a translation,
    // unless English comes first; returns it ("de", "pt_BR"), or empty.
    static QString Install(QCoreApplication& application);
    // Beside the program first (build tree, portable folder), then the
    // installed data folder.
    static QStringList Folders(const QString& programFolder);
    // The file names to try for one of the user's languages, most exact
    // first ("zh-Hans-CN" gives zh_Hans_CN, zh_CN, zh); empty for English.
    static QStringList Candidates(const QString& uiLanguage);
};
