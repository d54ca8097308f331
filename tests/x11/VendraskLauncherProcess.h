// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/TestSupport.h"

#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

namespace vendrask::test {

// The real launcher as another process on the test display, with a settings
// file and a runtime folder of its own. Fade off unless a test sets it.
class LauncherProcess final {
public:
    LauncherProcess();
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    QString Ini() const;
    std::filesystem::path File(const char* name) const { return m_folder.File(name); }
    // Through vendrask-profile, as a user would edit the file.
    void Set(const QString& section, const QString& key, const QString& value);
    QString Get(const QString& section, const QString& key) const;

    // The environment the launcher (and helper programs) run in.
    QProcessEnvironment Environment() const;
    // Before Start: a variable of that environment, and another copy of
    // the program (a portable folder elsewhere).
    void SetEnvironment(const QString& name, const QString& value);
    void SetProgram(const QString& program) { m_program = program; }
    // Starts it and waits until it answers requests: its menu window
    // exists (not mapped), its keys are grabbed and its hook listens.
    void Start();
    // What `vendrask status` prints about it ("" when it does not run).
    QString Status() const;
    // Waits until the status has this line ("menu active: yes").
    bool WaitForStatus(const QString& line, int timeoutMs = 5000) const;
    // SIGTERM, and waits for the end.
    void Stop();
    QProcess* Process() const { return m_process.get(); }

private:
    TempDir m_folder;
    TempDir m_runtime;
    std::unique_ptr<QProcess> m_process;
    QProcessEnvironment m_extra;
    QString m_program;
};

// The menu window's id ("" when there is none, or none mapped).
QString MenuWindow();
QString ShownMenuWindow();
// Presses and releases the keys in order, releasing in reverse.
void Chord(const QStringList& keys);
// The default hot key; returns the shown menu's id, "" if it did not show.
QString CallMenuUp();
// Where the window lies on the screen.
QPoint WindowPosition(const QString& window);
// The shown window with exactly this title ("" when none).
QString ShownWindowNamed(const QString& title);
// The centre of the launcher's icon in the tray; a null point when no
// icon was embedded within the time.
QPoint TrayIconCentre();

} // namespace vendrask::test
