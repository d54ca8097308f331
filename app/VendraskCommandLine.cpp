// SPDX-License-Identifier: MIT
#include "app/VendraskCommandLine.h"

#include "app/VendraskVersion.h"

#include <QCoreApplication>

CVendraskCommandLine CVendraskCommandLine::Parse(const QStringList& arguments) {
    CVendraskCommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            result.showHelp = true;
        } else if (arg == QLatin1String("-v") || arg == QLatin1String("--version")) {
            result.showVersion = true;
        } else if (arg == QLatin1String("--ini")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                result.error =
                    QCoreApplication::translate("CVendraskCommandLine", "--ini needs a file name");
                return result;
            }
            result.iniFile = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--ini="))) {
            result.iniFile = arg.mid(6);
            if (result.iniFile.isEmpty()) {
                result.error =
                    QCoreApplication::translate("CVendraskCommandLine", "--ini needs a file name");
                return result;
            }
        } else {
            result.error =
                QCoreApplication::translate("CVendraskCommandLine", "unknown argument: %1")
                    .arg(arg);
            return result;
        }
    }
    return result;
}

QString CVendraskCommandLine::HelpText() {
    //: Keep the options, verbs and their arguments as they are, and the columns lined up.
    return QCoreApplication::translate(
               "CVendraskCommandLine",
               "Usage: vendrask [--ini FILE]\n"
               "       vendrask VERB [ARGUMENTS]\n"
               "\n"
               "Vendrask %1: an application and folder launcher. It lives hidden with a\n"
               "tray icon; call its menu up with the hot key (Ctrl+Alt by default), the\n"
               "tray icon, a screen edge or a double click on the empty desktop.\n"
               "\n"
               "Options:\n"
               "  --ini FILE     use FILE as the settings file (created when missing)\n"
               "  -h, --help     show this help and exit\n"
               "  -v, --version  show the version and exit\n"
               "\n"
               "Verbs, for the running launcher:\n"
               "  toggle [--ini FILE]             show the menu, or hide it when shown\n"
               "  show [--group N] [--ini FILE]   show the menu (group N, 0-9)\n"
               "  hide                            hide the menu\n"
               "  configure                       show the menu and its configuration\n"
               "  start GROUP LETTER              start an item (\"start 0 A\")\n"
               "  pause, resume                   pause or resume the hot key\n"
               "  quit                            end the launcher\n"
               "  status                          tell whether it runs (exit 3: not)\n"
               "  autostart on [--ini FILE] | off | status\n"
               "                                  start it with the desktop session\n"
               "toggle and show start the launcher when none runs (with FILE as its\n"
               "settings file); the others exit 3 then.\n"
               "\n"
               "Settings: Vendrask.ini in the program's folder, or, when that folder is\n"
               "not writable, $XDG_CONFIG_HOME/Vendrask/Vendrask.ini.\n")
        .arg(QLatin1String(kVendraskVersion));
}

QString CVendraskCommandLine::VersionText() {
    return QStringLiteral("Vendrask %1 (%2)\n")
        .arg(QLatin1String(kVendraskVersion), QLatin1String(kVendraskBuildDate));
}
