// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeHotKey.h"

#include <algorithm>

CKelvoCommonFakeHotKey::CKelvoCommonFakeHotKey(QObject* parent) : CKelvoCommonHotKey(parent) {}

bool CKelvoCommonFakeHotKey::Register(int modifier, int code) {
    m_calls.append({Call::RegisterCall, modifier, code});
    const int identifier = Identifier(modifier, code);
    if (m_refused.contains(identifier))
        return false;
    m_registered.insert(identifier);
    return true;
}

void CKelvoCommonFakeHotKey::Unregister(int modifier, int code) {
    m_calls.append({Call::UnregisterCall, modifier, code});
    m_registered.remove(Identifier(modifier, code));
}

void CKelvoCommonFakeHotKey::Refuse(int identifier, bool refuse) {
    if (refuse)
        m_refused.insert(identifier);
    else
        m_refused.remove(identifier);
}

QList<int> CKelvoCommonFakeHotKey::Registered() const {
    QList<int> identifiers(m_registered.cbegin(), m_registered.cend());
    std::sort(identifiers.begin(), identifiers.end());
    return identifiers;
}

void CKelvoCommonFakeHotKey::RefuseLater(int identifier) {
    m_registered.remove(identifier);
    Q_EMIT registrationRefused(identifier);
}

void CKelvoCommonFakeHotKey::Press(int identifier) {
    Q_EMIT hotKeyPressed(identifier);
}
