// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

struct _XDisplay;

namespace vendrask::test {

// X key codes of key places (evdev), as a US keyboard names them.
namespace keycode {
constexpr std::uint32_t kRow1 = 10;
constexpr std::uint32_t kRow3 = 12;
constexpr std::uint32_t kRow7 = 16;
constexpr std::uint32_t kRow0 = 19;
constexpr std::uint32_t kUsQ = 24;
constexpr std::uint32_t kUsE = 26;
constexpr std::uint32_t kUsY = 29;
constexpr std::uint32_t kCtrl = 37;
constexpr std::uint32_t kUsA = 38;
constexpr std::uint32_t kUsSemicolon = 47;
constexpr std::uint32_t kShift = 50;
constexpr std::uint32_t kUsZ = 52;
constexpr std::uint32_t kUsM = 58;
constexpr std::uint32_t kAlt = 64;
constexpr std::uint32_t kDown = 116;
} // namespace keycode

// The server's keyboard layouts, as setxkbmap -layout takes them ("us,ru").
bool SetKeyboardLayouts(const char* layouts);

// Another X client beside the test's Qt: it grabs keys or the keyboard and
// makes top-level windows the way another program would.
class X11OtherClient final {
public:
    X11OtherClient();
    ~X11OtherClient();
    X11OtherClient(const X11OtherClient&) = delete;
    X11OtherClient& operator=(const X11OtherClient&) = delete;

    bool IsOpen() const { return m_display != nullptr; }

    // Passive grab of a key (X keysym) with X modifier bits on the root
    // window; false when the server refuses it.
    bool GrabKey(std::uint32_t keysym, unsigned modifiers);
    void UngrabKey(std::uint32_t keysym, unsigned modifiers);
    // Active grab of the whole keyboard, as a screen locker takes it.
    bool GrabKeyboard();
    void UngrabKeyboard();
    // The X modifier bit that Alt sets (Mod1 almost always).
    static constexpr unsigned kMod1 = 1u << 3;

    // Presses the keys (X key codes, not characters) in order through
    // XTest and releases them in reverse, whatever the layout makes of them.
    void PressKeys(const QList<unsigned>& keycodes);
    // Makes layout (XKB group) 0 to 3 of the keymap the active one.
    void LockGroup(unsigned group);

    struct WindowShape {
        QRect rect;
        bool fullScreenState = false; // _NET_WM_STATE_FULLSCREEN asked before mapping
        bool undecorated = false;     // _MOTIF_WM_HINTS without decorations
        bool desktopType = false;     // _NET_WM_WINDOW_TYPE_DESKTOP
        unsigned long pid = 0;        // _NET_WM_PID when not 0
        QString name = QStringLiteral("other client");
    };
    // Creates and maps a top-level window; 0 on failure.
    unsigned long MapWindow(const WindowShape& shape);
    void DestroyWindow(unsigned long window);
    // Whether the server says the window is viewable (mapped with its parents).
    bool Viewable(unsigned long window);
    // Whether the innermost window shown at the point on the screen is an
    // XEMBED client (a tray icon once its tray mapped it).
    bool IsEmbeddedClientAt(QPoint point);

private:
    _XDisplay* m_display = nullptr;
};

// Runs a program and returns its standard output ("" on failure).
QString RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 10000);
// Runs xdotool with the arguments; true when it exited with 0.
bool Xdotool(const QStringList& arguments);
// The atom names of a window's _NET_WM_STATE, as xprop prints them.
QString WindowStateText(unsigned long window);
// The window _NET_ACTIVE_WINDOW names, 0 when none.
unsigned long ActiveWindow();

} // namespace vendrask::test
