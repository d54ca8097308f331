// SPDX-License-Identifier: MIT
#include "common/platform/x11/KelvoCommonX11UnavailableHotKey.h"

#include "common/KelvoCommonLog.h"

CKelvoCommonX11UnavailableHotKey::CKelvoCommonX11UnavailableHotKey(QObject* parent)
    : CKelvoCommonHotKey(parent) {}

bool CKelvoCommonX11UnavailableHotKey::Register(int modifier, int code) {
    if (!m_reported) {
        m_reported = true;
        qCWarning(lcKelvoCommon).nospace() << "not an X11 session: no global hot key (modifier "
                                           << modifier << ", code " << code << ")";
    }
    return false;
}

void CKelvoCommonX11UnavailableHotKey::Unregister(int, int) {}
