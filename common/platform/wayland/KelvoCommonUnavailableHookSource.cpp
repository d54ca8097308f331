#include "KelvoCommonUnavailableHookSource.h"

#include "KelvoCommonLog.h"

#include <QCursor>

bool CKelvoCommonUnavailableHookSource::Start(Sink /*sink*/) {
    qCDebug(lcKelvoCommon) << "no desktop-wide mouse events in this session";
    return false;
}

QPoint CKelvoCommonUnavailableHookSource::CursorPos() {
    return QCursor::pos();
}
