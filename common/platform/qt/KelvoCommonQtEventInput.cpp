// SPDX-License-Identifier: MIT
#include "common/platform/qt/KelvoCommonQtEventInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

void CKelvoCommonQtEventInput::ClickAt(QPoint globalPos) {
    QPointer<QWidget> target = QApplication::widgetAt(globalPos);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        // The press may close the window and delete the widget.
        if (target.isNull())
            return;
        const QPointF local = target->mapFromGlobal(QPointF(globalPos));
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
        QMouseEvent event(type, local, QPointF(globalPos), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}
