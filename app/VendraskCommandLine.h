// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// What the launcher was asked to do on its command line.
struct CVendraskCommandLine {
    bool showHelp = false;
    bool showVersion = false;
    QString iniFile; // --ini FILE, empty when not given
    QString error;   // set when the arguments could not be understood

    // arguments[0] is the program name.
    static CVendraskCommandLine Parse(const QStringList& arguments);
    static QString HelpText();
    static QString VersionText();
};
