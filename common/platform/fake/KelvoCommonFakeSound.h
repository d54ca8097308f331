// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonSound.h"

#include <QList>

class CKelvoCommonFakeSound final : public CKelvoCommonSound {
public:
    struct Call {
        enum Kind { PlayCall, StopCall } kind;
        QByteArray data;
        int flags;
    };

    void Play(const QByteArray& data, int flags) override;
    void Stop() override;
    const QList<Call>& Calls() const { return m_calls; }

private:
    QList<Call> m_calls;
};
