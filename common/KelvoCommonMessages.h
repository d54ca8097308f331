// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QtGlobal>

class QObject;
class QWidget;

// Window messages between the library's controls and the windows that hold
// them. Each message is a QEvent whose type is the message number; "send"
// is QCoreApplication::sendEvent (the receiver answers at once through
// SetResult), "post" is QCoreApplication::postEvent. Receivers handle them
// in event(); a switch over messages switches on static_cast<int>(type()),
// since the numbers are not enumerators of QEvent::Type.
//
// The application-range numbers keep their values (all lie in Qt's user
// range). The system's own messages that a control re-posts to its parent
// (mouse buttons, dropped files, capture change) have numbers below that
// range; they travel as kKelvoSystemMessageBase + the system number, so
// 0x0201 (left button down) becomes 0xA201.

constexpr QEvent::Type KelvoMessageType(int message) {
    return static_cast<QEvent::Type>(message);
}

inline constexpr int kKelvoSystemMessageBase = 0xA000;
constexpr QEvent::Type KelvoSystemMessageType(int systemMessage) {
    return static_cast<QEvent::Type>(kKelvoSystemMessageBase + systemMessage);
}

// Application messages.
inline constexpr QEvent::Type WM_APP_NOTIFYICON = KelvoMessageType(0x8001);
inline constexpr QEvent::Type WM_APP_COLORCHANGED = KelvoMessageType(0x8002);
inline constexpr QEvent::Type WM_KC_DRAGGING_HOVERED = KelvoMessageType(0x8065);
inline constexpr QEvent::Type WM_KC_SET_PARAMETER = KelvoMessageType(0x8066);
inline constexpr QEvent::Type WM_KC_BUTTON_DROPPED = KelvoMessageType(0x8068);
inline constexpr QEvent::Type WM_KC_BUTTON_PRESSED = KelvoMessageType(0x8069);
inline constexpr QEvent::Type WM_KC_BUTTON_HOVERED = KelvoMessageType(0x806A);
inline constexpr QEvent::Type WM_KC_LIST_DRAGGING_HOVERED = KelvoMessageType(0x80C9);
inline constexpr QEvent::Type WM_KC_HOOK_SHOW = KelvoMessageType(0x812D);

// System messages as re-posted by the controls.
inline constexpr QEvent::Type WM_LBUTTONDOWN = KelvoSystemMessageType(0x0201);
inline constexpr QEvent::Type WM_LBUTTONUP = KelvoSystemMessageType(0x0202);
inline constexpr QEvent::Type WM_RBUTTONDOWN = KelvoSystemMessageType(0x0204);
inline constexpr QEvent::Type WM_RBUTTONUP = KelvoSystemMessageType(0x0205);
inline constexpr QEvent::Type WM_CAPTURECHANGED = KelvoSystemMessageType(0x0215);
inline constexpr QEvent::Type WM_DROPFILES = KelvoSystemMessageType(0x0233);

// Key-state bits of the mouse messages' wParam.
inline constexpr quintptr MK_LBUTTON = 0x0001;
inline constexpr quintptr MK_RBUTTON = 0x0002;
inline constexpr quintptr MK_SHIFT = 0x0004;
inline constexpr quintptr MK_CONTROL = 0x0008;
inline constexpr quintptr MK_MBUTTON = 0x0010;
inline constexpr quintptr MK_XBUTTON1 = 0x0020;
inline constexpr quintptr MK_XBUTTON2 = 0x0040;

// The key-state mask of a mouse event: held buttons, Shift and Ctrl.
constexpr quintptr KelvoKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    quintptr state = 0;
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (buttons & Qt::XButton1)
        state |= MK_XBUTTON1;
    if (buttons & Qt::XButton2)
        state |= MK_XBUTTON2;
    if (modifiers & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    return state;
}

// A point packed as the mouse messages carry it: x in the low word, y in the
// high word, each a signed 16-bit value.
constexpr qintptr KelvoMakeLParam(int x, int y) {
    return static_cast<qintptr>((static_cast<quint32>(static_cast<quint16>(x))) |
                                (static_cast<quint32>(static_cast<quint16>(y)) << 16));
}
constexpr QPoint KelvoPointFromLParam(qintptr lParam) {
    return {static_cast<qint16>(static_cast<quint16>(lParam & 0xFFFF)),
            static_cast<qint16>(static_cast<quint16>((lParam >> 16) & 0xFFFF))};
}

// A message with two parameters. A parameter that names an object (a window
// of the original design) is kept as a guarded pointer as well, so a posted
// message never hands its receiver an object that died on the way.
class KELVOCOMMON_EXPORT CKelvoCommonMessageEvent : public QEvent {
public:
    explicit CKelvoCommonMessageEvent(QEvent::Type message, quintptr wParam = 0,
                                      qintptr lParam = 0);
    // wParam and lParam name objects; their numeric values are the addresses.
    CKelvoCommonMessageEvent(QEvent::Type message, QObject* wParamObject, QObject* lParamObject);
    ~CKelvoCommonMessageEvent() override;

    CKelvoCommonMessageEvent(const CKelvoCommonMessageEvent&) = delete;
    CKelvoCommonMessageEvent& operator=(const CKelvoCommonMessageEvent&) = delete;

    QEvent::Type Message() const { return type(); }
    quintptr WParam() const { return m_wParam; }
    qintptr LParam() const { return m_lParam; }
    // The objects named by the parameters; null when none was named or it is gone.
    QObject* WParamObject() const { return m_wParamObject.data(); }
    QObject* LParamObject() const { return m_lParamObject.data(); }
    QPoint LParamPoint() const { return KelvoPointFromLParam(m_lParam); }

    // The receiver's answer to a sent message.
    qintptr Result() const { return m_result; }
    void SetResult(qintptr result) { m_result = result; }

    QEvent* clone() const override;

private:
    quintptr m_wParam = 0;
    qintptr m_lParam = 0;
    QPointer<QObject> m_wParamObject;
    QPointer<QObject> m_lParamObject;
    qintptr m_result = 0;
};

// Sends a message and returns the receiver's answer (0 when it has none or
// there is no receiver).
KELVOCOMMON_EXPORT qintptr KelvoCommonSendMessage(QObject* receiver, QEvent::Type message,
                                                  quintptr wParam = 0, qintptr lParam = 0);
// Posts a message; nothing happens without a receiver.
KELVOCOMMON_EXPORT void KelvoCommonPostMessage(QObject* receiver, QEvent::Type message,
                                               quintptr wParam = 0, qintptr lParam = 0);
void KelvoCommonPostMessage(QObject* receiver, QEvent::Type message, QObject* wParamObject,
                            QObject* lParamObject);
