// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>

// What requests from outside may do to the launcher. The menu's adapter
// implements it; tests drive the server with a recording one.
class CVendraskControlTarget {
public:
    struct Status {
        qint64 pid = 0;
        QString settingsFile;
        bool hotKeyRegistered = false;
        // Not paused, but the system would not give us the combination.
        bool hotKeyRefused = false;
        bool paused = false;
        bool visible = false;
        int group = 0;
        // The item button with the keyboard focus, -1 for none.
        int focusedSlot = -1;
        // The menu has the keyboard.
        bool active = false;
        // The mouse hook: off, or whether a touch at a screen edge counts
        // now (else the pointer must leave the edges first).
        enum class Edge { Off, Armed, Leave } edge = Edge::Off;
    };

    virtual ~CVendraskControlTarget() = default;

    // token: the activation token the caller was started with, or empty.
    virtual void Toggle(const std::string& token) = 0;
    // group -1 shows the usual group.
    virtual void Show(int group, const std::string& token) = 0;
    virtual void Hide() = 0;
    virtual void Configure(const std::string& token) = 0;
    // Empty when the item was started, else why not.
    virtual QString Start(int group, int slot) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Quit() = 0;
    virtual Status CurrentStatus() const = 0;
};
