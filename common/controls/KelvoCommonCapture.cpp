// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonCapture.h"

#include "common/KelvoCommonMessages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

// Watches the application while a capture is held, for the ways Qt can take
// it away without telling the holder.
class CaptureWatcher final : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override;
};

QPointer<QWidget> g_holder;
CaptureWatcher* g_watcher = nullptr;

void StartWatching() {
    if (!g_watcher && QCoreApplication::instance()) {
        g_watcher = new CaptureWatcher;
        QCoreApplication::instance()->installEventFilter(g_watcher);
    }
}

void StopWatching() {
    if (g_watcher) {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeEventFilter(g_watcher);
        g_watcher->deleteLater();
        g_watcher = nullptr;
    }
}

void Tell(QWidget* loser, QWidget* gaining) {
    if (!loser)
        return;
    CKelvoCommonMessageEvent changed(WM_CAPTURECHANGED, nullptr, gaining);
    QCoreApplication::sendEvent(loser, &changed);
}

// The holder lost the capture to gaining (null: to nobody).
void Lose(QWidget* gaining) {
    QPointer<QWidget> loser = g_holder;
    g_holder = nullptr;
    StopWatching();
    if (loser && QWidget::mouseGrabber() == loser)
        loser->releaseMouse();
    Tell(loser, gaining);
}

bool HolderCannotKeepIt(QObject* object, QEvent* event) {
    QWidget* holder = g_holder;
    if (!holder)
        return false;
    switch (event->type()) {
    case QEvent::Hide:
    case QEvent::EnabledChange:
    case QEvent::WindowBlocked:
        if (object == holder || object == holder->window())
            return !holder->isVisible() || !holder->isEnabled() ||
                   holder->window()->testAttribute(Qt::WA_WState_Hidden) ||
                   event->type() == QEvent::WindowBlocked;
        break;
    default:
        break;
    }
    return false;
}

bool CaptureWatcher::eventFilter(QObject* object, QEvent* event) {
    if (!g_holder) {
        StopWatching();
        return false;
    }
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber != g_holder) {
        Lose(grabber);
        return false;
    }
    if (QWidget* popup = QApplication::activePopupWidget(); popup && popup != g_holder->window()) {
        Lose(popup);
        return false;
    }
    if (HolderCannotKeepIt(object, event))
        Lose(nullptr);
    return false;
}

} // namespace

void CKelvoCommonCapture::SetCapture(QWidget* widget) {
    if (!widget)
        return;
    QPointer<QWidget> previous = g_holder;
    g_holder = widget;
    widget->grabMouse();
    StartWatching();
    if (previous && previous != widget)
        Tell(previous, widget);
}

void CKelvoCommonCapture::ReleaseCapture(QWidget* holder) {
    if (!holder || g_holder != holder)
        return;
    Lose(nullptr);
}

QWidget* CKelvoCommonCapture::GetCapture() {
    return g_holder;
}

void CKelvoCommonCapture::Forget(QWidget* holder) {
    if (!holder || g_holder != holder)
        return;
    g_holder = nullptr;
    StopWatching();
    if (QWidget::mouseGrabber() == holder)
        holder->releaseMouse();
}
