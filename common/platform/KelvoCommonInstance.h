// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// One running copy per user: an exclusive lock the kernel releases when the
// holder dies, so a crashed launcher never blocks the next start.
class CKelvoCommonInstance {
public:
    virtual ~CKelvoCommonInstance() = default;
    // True when this process now holds the lock called name; it is kept
    // until the object is destroyed. False when another process holds it
    // (or the lock cannot be made at all).
    virtual bool Acquire(const QString& name) = 0;
    // Why the last Acquire failed when no other process holds the lock (no
    // private folder for it, a file that cannot be opened); empty otherwise.
    virtual QString FailureReason() const = 0;

protected:
    CKelvoCommonInstance() = default;
    CKelvoCommonInstance(const CKelvoCommonInstance&) = default;
    CKelvoCommonInstance& operator=(const CKelvoCommonInstance&) = default;
};
