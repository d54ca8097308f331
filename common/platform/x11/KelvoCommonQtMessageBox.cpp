#include "KelvoCommonQtMessageBox.h"

#include "KelvoCommonLog.h"

#include <QApplication>
#include <QMessageBox>

void CKelvoCommonQtMessageBox::ShowError(const QString& text) {
    // Also on stderr: the box may be the only trace otherwise.
    qCWarning(lcKelvoCommon).noquote() << text;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text, QMessageBox::Ok);
}
