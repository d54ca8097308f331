// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonShell.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

// The desktop shell on Linux, over GLib/GIO. Executables are started
// directly (never through /bin/sh); every started program runs in a
// session of its own, so it lives on when the launcher ends, and without
// the variables that belong to the launcher itself.
class CKelvoCommonGioShell final : public CKelvoCommonShell {
public:
    // What Open decides for a file before anything starts.
    struct Plan {
        enum Kind {
            Nothing,            // not found, unreadable shortcut, no target
            Execute,            // program started directly with arguments
            DesktopEntry,       // application of a ".desktop" file, arguments as URIs
            DefaultApplication, // uri opened with its default application
        } kind = Nothing;
        QString program;       // Execute: the program; DesktopEntry: the entry file
        QStringList arguments; // Execute: argv[1...]; DesktopEntry: URIs
        QString uri;           // DefaultApplication
        QString workingFolder; // an existing folder, or empty for the caller's own

        friend bool operator==(const Plan&, const Plan&) = default;
    };

    // A shell object's meaning here.
    struct ShellObject {
        enum Kind { Unknown, Location, WebBrowser } kind = Unknown;
        QString location;
    };

    static Plan PlanOpen(const QString& file, const QString& parameters,
                         const QString& workingFolder);
    // A regular file with the owner's execute bit that starts like an ELF
    // program or a "#!" script.
    static bool IsExecutableFile(const QString& path);
    // The folder numbers known here; schemes are the locations GIO can open
    // (without a virtual file system only "file").
    static QString SpecialFolderLocation(int csidl, const QStringList& schemes);
    static ShellObject ShellObjectLocation(const QString& object, const QStringList& schemes);
    // Variables that describe the launcher's own start (start-up
    // notification, the desktop entry it was started from); a started
    // program must not take them for its own.
    static QStringList OwnVariables();
    // The environment a started program gets ("NAME=value").
    static QStringList ChildEnvironment();
    // The URI schemes GIO can open in this session.
    static QStringList SupportedSchemes();

    CKelvoCommonGioShell();
    ~CKelvoCommonGioShell() override;
    CKelvoCommonGioShell(const CKelvoCommonGioShell&) = delete;
    CKelvoCommonGioShell& operator=(const CKelvoCommonGioShell&) = delete;

    bool Open(const QString& file, const QString& parameters,
              const QString& workingFolder) override;
    QString SpecialFolderPath(int csidl) override;
    bool OpenShellObject(const QString& object) override;
    QString LastError() const override { return m_lastError; }

    // The process id of the last program started directly, 0 before.
    qint64 LastProcessId() const { return m_lastProcessId; }

private:
    bool Execute(const Plan& plan);
    bool LaunchApplication(const Plan& plan);
    bool LaunchWebBrowser();
    void Reap(qint64 pid);

    qint64 m_lastProcessId = 0;
    QString m_lastError;
    // Parent of one watcher per running program started directly.
    std::unique_ptr<QObject> m_reaper;
    std::vector<qint64> m_unwatched;
};
