// SPDX-License-Identifier: MIT
#include "common/platform/qt/KelvoCommonQtMessageBox.h"

#include "common/KelvoCommonLog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

void CKelvoCommonQtMessageBox::ShowError(const QString& text) {
    // Also on stderr: the box may be the only trace otherwise.
    qCWarning(lcKelvoCommon).noquote() << text;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    // Over the window the user works in, and above a top-most menu: a
    // modal box hidden behind it would take the keys unseen. That window
    // has the keyboard again when the box ends.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    if (owner && owner->isVisible())
        owner->activateWindow();
}
