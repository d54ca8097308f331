// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeInstance.h"

bool CKelvoCommonFakeInstance::Acquire(const QString& name) {
    m_requested.append(name);
    return !m_otherRunning && m_failure.isEmpty();
}
