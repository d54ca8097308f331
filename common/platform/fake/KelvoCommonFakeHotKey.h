// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonHotKey.h"

#include <QList>
#include <QSet>

// Records registrations and lets a test refuse some and press keys.
class CKelvoCommonFakeHotKey final : public CKelvoCommonHotKey {
    Q_OBJECT

public:
    struct Call {
        enum Kind { RegisterCall, UnregisterCall } kind;
        int modifier;
        int code;
        bool operator==(const Call&) const = default;
    };

    explicit CKelvoCommonFakeHotKey(QObject* parent = nullptr);

    bool Register(int modifier, int code) override;
    void Unregister(int modifier, int code) override;

    // Every Register and Unregister, in order.
    const QList<Call>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    // From now on registering this identifier fails, as if another program
    // owned the combination (refuse = false lifts it).
    void Refuse(int identifier, bool refuse = true);
    bool IsRegistered(int identifier) const { return m_registered.contains(identifier); }
    QList<int> Registered() const;
    // Delivers the identifier as the platform would deliver a pressed hot
    // key, registered or not (a receiver must check what it gets).
    void Press(int identifier);
    // A desktop that took the registration and refuses it afterwards.
    void RefuseLater(int identifier);

private:
    QList<Call> m_calls;
    QSet<int> m_registered;
    QSet<int> m_refused;
};
