// SPDX-License-Identifier: MIT
#pragma once

#include "KelvoCommonInstance.h"

#include <QStringList>

// Tests decide whether another launcher "runs".
class CKelvoCommonFakeInstance final : public CKelvoCommonInstance {
public:
    bool Acquire(const QString& name) override;

    bool m_otherRunning = false;
    QStringList m_requested;
};
