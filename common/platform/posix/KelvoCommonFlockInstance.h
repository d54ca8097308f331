// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonInstance.h"

// flock() on NAME.lock in $XDG_RUNTIME_DIR, or in a private folder of the
// user's under the temporary folder when that is not set.
class CKelvoCommonFlockInstance final : public CKelvoCommonInstance {
public:
    CKelvoCommonFlockInstance() = default;
    ~CKelvoCommonFlockInstance() override;
    CKelvoCommonFlockInstance(const CKelvoCommonFlockInstance&) = delete;
    CKelvoCommonFlockInstance& operator=(const CKelvoCommonFlockInstance&) = delete;

    bool Acquire(const QString& name) override;
    QString FailureReason() const override { return m_failure; }

    static QString LockFolder();

private:
    int m_fd = -1;
    QString m_failure;
};
