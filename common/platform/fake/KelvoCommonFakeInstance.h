// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonInstance.h"

#include <QStringList>

// Tests decide whether another launcher "runs".
class CKelvoCommonFakeInstance final : public CKelvoCommonInstance {
public:
    bool Acquire(const QString& name) override;
    QString FailureReason() const override { return m_failure; }

    bool m_otherRunning = false;
    // Not empty: Acquire fails for this reason.
    QString m_failure;
    QStringList m_requested;
};
