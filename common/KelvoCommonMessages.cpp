// SPDX-License-Identifier: MIT
#include "common/KelvoCommonMessages.h"

#include <QCoreApplication>

CKelvoCommonMessageEvent::CKelvoCommonMessageEvent(QEvent::Type message, quintptr wParam,
                                                   qintptr lParam)
    : QEvent(message), m_wParam(wParam), m_lParam(lParam) {}

CKelvoCommonMessageEvent::CKelvoCommonMessageEvent(QEvent::Type message, QObject* wParamObject,
                                                   QObject* lParamObject)
    : QEvent(message), m_wParam(reinterpret_cast<quintptr>(wParamObject)),
      m_lParam(static_cast<qintptr>(reinterpret_cast<quintptr>(lParamObject))),
      m_wParamObject(wParamObject), m_lParamObject(lParamObject) {}

CKelvoCommonMessageEvent::~CKelvoCommonMessageEvent() = default;

QEvent* CKelvoCommonMessageEvent::clone() const {
    auto* copy = new CKelvoCommonMessageEvent(type(), m_wParam, m_lParam);
    copy->m_wParamObject = m_wParamObject;
    copy->m_lParamObject = m_lParamObject;
    copy->m_result = m_result;
    return copy;
}

qintptr KelvoCommonSendMessage(QObject* receiver, QEvent::Type message, quintptr wParam,
                               qintptr lParam) {
    if (!receiver)
        return 0;
    CKelvoCommonMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &event);
    return event.Result();
}

void KelvoCommonPostMessage(QObject* receiver, QEvent::Type message, quintptr wParam,
                            qintptr lParam) {
    if (!receiver)
        return;
    QCoreApplication::postEvent(receiver, new CKelvoCommonMessageEvent(message, wParam, lParam));
}

void KelvoCommonPostMessage(QObject* receiver, QEvent::Type message, QObject* wParamObject,
                            QObject* lParamObject) {
    if (!receiver)
        return;
    QCoreApplication::postEvent(receiver,
                                new CKelvoCommonMessageEvent(message, wParamObject, lParamObject));
}
