// SPDX-License-Identifier: MIT
#include "common/platform/wayland/KelvoCommonWaylandWindowSystem.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QWidget>
#include <QWindow>

namespace {

// Keeps the native window's minimum and maximum size at its size, so that
// sway and i3 float it instead of tiling it.
class FixedSize final : public QObject {
public:
    explicit FixedSize(QWidget* window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
        Apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window &&
            (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            Apply();
        return false;
    }

private:
    void Apply() {
        if (QWindow* handle = m_window->windowHandle()) {
            handle->setMinimumSize(m_window->size());
            handle->setMaximumSize(m_window->size());
        }
    }
    QWidget* m_window;
};

} // namespace

void CKelvoCommonWaylandWindowSystem::SetWindowOpacity(QWidget* window, int alpha) {
    if (window == nullptr)
        return;
    alpha &= 0xFF;
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(window->graphicsEffect());
    if (alpha == 255) {
        // Opaque draws straight, as without the effect.
        if (effect != nullptr)
            window->setGraphicsEffect(nullptr);
        return;
    }
    if (effect == nullptr) {
        effect = new QGraphicsOpacityEffect(window);
        window->setGraphicsEffect(effect); // the window owns it now
    }
    effect->setOpacity(alpha / 255.0);
}

void CKelvoCommonWaylandWindowSystem::PrepareMenuWindow(QWidget* window) {
    if (window == nullptr)
        return;
    // Before the native window exists: its buffers get an alpha channel.
    window->setAttribute(Qt::WA_TranslucentBackground);
    // What the window system filled before is now the window's to paint.
    window->setAutoFillBackground(true);
    window->winId();
    new FixedSize(window);
}

void CKelvoCommonWaylandWindowSystem::ActivateWindow(QWidget* window) {
    if (window == nullptr)
        return;
    window->raise();
    // Qt presents the pending token (below) with this request.
    window->activateWindow();
}

bool CKelvoCommonWaylandWindowSystem::HasKeyboardFocus(QWidget* window) {
    // The compositor tells no client where the focus is but through Qt.
    return window != nullptr && window->isActiveWindow();
}

void CKelvoCommonWaylandWindowSystem::SetActivationToken(QWidget* window, const QByteArray& token) {
    if (window == nullptr || token.isEmpty())
        return;
    // Qt 6.4's xdg-shell reads the token from here at the next activation
    // request (the one at the show) and then removes it.
    qputenv("XDG_ACTIVATION_TOKEN", token);
}
