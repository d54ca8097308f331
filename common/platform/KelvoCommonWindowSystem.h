// SPDX-License-Identifier: MIT
#pragma once

class QByteArray;
class QWidget;

// What the launcher asks of the window system beyond what Qt offers the
// same way everywhere.
class CKelvoCommonWindowSystem {
public:
    virtual ~CKelvoCommonWindowSystem() = default;
    // Whole-window opacity from 0 (invisible) to 255 (opaque); only the low
    // 8 bits count. Reaches the server (and so the compositor) at once.
    virtual void SetWindowOpacity(QWidget* window, int alpha) = 0;
    // True while a window of another program fills the primary screen (a video
    // player or a game in full-screen mode). The desktop never counts, nor do
    // this process's own windows.
    virtual bool IsFullScreenWindowPresent() = 0;
    // Once, before the menu window is first shown: keeps it out of the task
    // bar and the window switcher (Alt+Tab), and builds its native window now
    // so that the first show costs no more than later ones.
    virtual void PrepareMenuWindow(QWidget* window) = 0;
    // Keeps the window above normal windows, or lets it take its place
    // among them again; works shown or hidden.
    virtual void SetTopMost(QWidget* window, bool topMost) = 0;
    // Raises the shown window and gives it the keyboard focus, even when
    // another program had it. Keys typed before the focus arrives go to
    // the window once it has it, in order, not to the program that had it.
    virtual void ActivateWindow(QWidget* window) = 0;
    // Whether the window has the keyboard focus now, as the server sees it:
    // Qt's own idea can lag (a show right after a hide brings no activation).
    virtual bool HasKeyboardFocus(QWidget* window) = 0;
    // The activation token (startup id) the desktop gave the program that
    // asked for this window: presented at the window's next show, so that
    // focus-stealing prevention lets it have the keyboard, and the desktop's
    // busy cursor for that start ends. Call before the show.
    virtual void SetActivationToken(QWidget* window, const QByteArray& token) = 0;

protected:
    CKelvoCommonWindowSystem() = default;
    CKelvoCommonWindowSystem(const CKelvoCommonWindowSystem&) = default;
    CKelvoCommonWindowSystem& operator=(const CKelvoCommonWindowSystem&) = default;
};
