// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <cstdint>

// Tells a desktop icon from the bare desktop where the desktop program
// draws its icons into one window of its own (file managers' desktops).
class CKelvoCommonDesktopIconProbe {
public:
    enum class Answer {
        BareDesktop, // nothing of the program's under the point
        Icon,        // an icon (or anything else the program shows there)
        Unknown,     // the program cannot be asked: callers keep the window's type
    };

    virtual ~CKelvoCommonDesktopIconProbe() = default;
    CKelvoCommonDesktopIconProbe(const CKelvoCommonDesktopIconProbe&) = delete;
    CKelvoCommonDesktopIconProbe& operator=(const CKelvoCommonDesktopIconProbe&) = delete;

    // What the program with process id pid shows at the screen point. Runs
    // on the mouse hook's thread, so it answers within a short budget.
    virtual Answer At(std::uint32_t pid, QPoint point) = 0;

protected:
    CKelvoCommonDesktopIconProbe() = default;
};
