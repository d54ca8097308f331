#include "KelvoCommonFakeInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

void CKelvoCommonFakeInput::ClickAt(QPoint globalPos) {
    m_clicks.append(globalPos);
    QPointer<QWidget> target = QApplication::widgetAt(globalPos);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        if (target.isNull())
            return;
        const QPointF local = target->mapFromGlobal(QPointF(globalPos));
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
        QMouseEvent event(type, local, QPointF(globalPos), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}
