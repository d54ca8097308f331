// SPDX-License-Identifier: MIT
#pragma once

// Test helpers for the library's controls: a parent window that records the
// messages its children send and post, and a pointer that moves and clicks
// through the window system, so grabs and implicit press grabs route the
// events as they would for a user.

#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonDropFiles.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <ostream>
#include <vector>

Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i)
        *out << (i ? ", " : "") << '"' << texts.at(i).toStdString() << '"';
    *out << '}';
}

namespace kelvo::test {

inline QString MessageName(QEvent::Type type) {
    switch (static_cast<int>(type)) {
    case WM_KC_DRAGGING_HOVERED:
        return QStringLiteral("DRAGGING_HOVERED");
    case WM_KC_SET_PARAMETER:
        return QStringLiteral("SET_PARAMETER");
    case WM_KC_BUTTON_DROPPED:
        return QStringLiteral("BUTTON_DROPPED");
    case WM_KC_BUTTON_PRESSED:
        return QStringLiteral("BUTTON_PRESSED");
    case WM_KC_BUTTON_HOVERED:
        return QStringLiteral("BUTTON_HOVERED");
    case WM_LBUTTONDOWN:
        return QStringLiteral("LBUTTONDOWN");
    case WM_LBUTTONUP:
        return QStringLiteral("LBUTTONUP");
    case WM_RBUTTONDOWN:
        return QStringLiteral("RBUTTONDOWN");
    case WM_RBUTTONUP:
        return QStringLiteral("RBUTTONUP");
    case WM_DROPFILES:
        return QStringLiteral("DROPFILES");
    case WM_CAPTURECHANGED:
        return QStringLiteral("CAPTURECHANGED");
    default:
        break;
    }
    return QStringLiteral("0x%1").arg(static_cast<int>(type), 0, 16);
}

// A window that records the messages it receives. A message delivered while
// an action runs was sent; one delivered afterwards, when the queue is
// emptied, was posted.
class CMessageLog final : public QWidget {
public:
    struct Entry {
        QEvent::Type type = QEvent::None;
        bool posted = false;
        quintptr wParam = 0;
        qintptr lParam = 0;
        QPointer<QObject> wObject;
        QPointer<QObject> lObject;
        QStringList files;
        QByteArray block;
        int probe = 0;
    };

    using QWidget::QWidget;

    // Runs an action, then delivers what it posted.
    void Run(const std::function<void()>& action) {
        m_posting = false;
        action();
        m_posting = true;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        m_posting = false;
    }

    // "send NAME" or "post NAME" for each message, in order.
    QStringList Names() const {
        QStringList names;
        for (const Entry& entry : m_entries)
            names << (entry.posted ? QStringLiteral("post ") : QStringLiteral("send ")) +
                         MessageName(entry.type);
        return names;
    }
    const std::vector<Entry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }
    // Called at each message's delivery; its answer is kept with the entry.
    void SetProbe(std::function<int()> probe) { m_probe = std::move(probe); }

protected:
    bool event(QEvent* event) override {
        auto* message = dynamic_cast<CKelvoCommonMessageEvent*>(event);
        if (!message)
            return QWidget::event(event);
        Entry entry;
        entry.type = message->type();
        entry.posted = m_posting;
        entry.wParam = message->WParam();
        entry.lParam = message->LParam();
        entry.wObject = message->WParamObject();
        entry.lObject = message->LParamObject();
        if (auto* drop = dynamic_cast<CKelvoCommonDropFilesEvent*>(message)) {
            const std::unique_ptr<CKelvoCommonDropFiles> block = drop->TakeDrop();
            if (block) {
                entry.files = block->Files();
                entry.block = block->Bytes();
            }
        }
        if (m_probe)
            entry.probe = m_probe();
        m_entries.push_back(entry);
        return true;
    }

private:
    std::vector<Entry> m_entries;
    std::function<int()> m_probe;
    bool m_posting = false;
};

// The pointer, driven through the window system of one top-level window.
class CPointer final {
public:
    explicit CPointer(QWidget* window) : m_window(window) {}

    // Positions are in the window's coordinates.
    void Move(QPoint position, Qt::KeyboardModifiers modifiers = {}) {
        Send(position, Qt::NoButton, QEvent::MouseMove, modifiers);
    }
    void Press(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers = {}) {
        m_buttons |= button;
        Send(position, button, QEvent::MouseButtonPress, modifiers);
    }
    void Release(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers = {}) {
        m_buttons &= ~Qt::MouseButtons(button);
        Send(position, button, QEvent::MouseButtonRelease, modifiers);
        // Far apart, so no two clicks make a double click.
        m_timestamp += 1000;
    }
    // Holds buttons without a press (a press begun outside the program).
    void Hold(Qt::MouseButtons buttons) { m_buttons = buttons; }
    Qt::MouseButtons Buttons() const { return m_buttons; }
    QPoint Position() const { return m_position; }

private:
    void Send(QPoint position, Qt::MouseButton button, QEvent::Type type,
              Qt::KeyboardModifiers modifiers) {
        m_position = position;
        m_timestamp += 20;
        QWindow* window = m_window->windowHandle();
        qt_handleMouseEvent(window, QPointF(position), window->mapToGlobal(QPointF(position)),
                            m_buttons, button, type, modifiers, m_timestamp);
    }

    QWidget* m_window;
    Qt::MouseButtons m_buttons;
    QPoint m_position;
    int m_timestamp = 100000;
};

} // namespace kelvo::test
