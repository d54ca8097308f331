// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QString>
#include <QStringList>

// Starts and opens things the way the desktop shell does: programs,
// documents, folders, shortcut files, application entries, web addresses,
// special folders and well-known shell objects. Nothing is ever waited for.
class CKelvoCommonShell {
public:
    virtual ~CKelvoCommonShell() = default;

    // The default action on file: an executable starts with parameters
    // split into its arguments, a ".lnk" is followed to its target, a
    // ".desktop" file starts its application, a folder, document or web
    // address opens with its default application. workingFolder, when it
    // is an existing folder, is where the started program runs; the
    // caller's own current folder never changes. False when nothing could
    // be started.
    virtual bool Open(const QString& file, const QString& parameters,
                      const QString& workingFolder) = 0;
    // The path or location ("trash:///") of a special folder by its number,
    // empty when there is no such folder here.
    virtual QString SpecialFolderPath(int csidl) = 0;
    // Opens a well-known shell object named "::{CLSID}"; false for an
    // object that is not known here.
    virtual bool OpenShellObject(const QString& object) = 0;
    // Why the last Open that returned false started nothing, for the user
    // ("No such file or directory"); empty when this shell cannot tell.
    virtual QString LastError() const { return {}; }

    // How Open reads parameters as a program's arguments: split at blanks;
    // double quotes group words; in a run of double quotes every third one
    // is a literal quote and one left over opens or closes a group; a
    // quoted empty word ("") is an empty argument. Nothing else is
    // interpreted: no backslash escapes, variables, globs or operators.
    static QStringList SplitArguments(const QString& parameters);
    // The parameters text SplitArguments turns back into exactly these
    // arguments.
    KELVOCOMMON_EXPORT static QString JoinArguments(const QStringList& arguments);

protected:
    CKelvoCommonShell() = default;
    CKelvoCommonShell(const CKelvoCommonShell&) = default;
    CKelvoCommonShell& operator=(const CKelvoCommonShell&) = default;
};
