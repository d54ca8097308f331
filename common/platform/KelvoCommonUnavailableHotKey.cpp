// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonUnavailableHotKey.h"

#include "common/KelvoCommonLog.h"

CKelvoCommonUnavailableHotKey::CKelvoCommonUnavailableHotKey(QObject* parent)
    : CKelvoCommonHotKey(parent) {}

bool CKelvoCommonUnavailableHotKey::Register(int modifier, int code) {
    if (!m_reported) {
        m_reported = true;
        qCWarning(lcKelvoCommon).nospace()
            << "no global hot key here (modifier " << modifier << ", code " << code << ")";
    }
    return false;
}

void CKelvoCommonUnavailableHotKey::Unregister(int, int) {}
