// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeSound.h"

void CKelvoCommonFakeSound::Play(const QByteArray& data, int flags) {
    m_calls.append({Call::PlayCall, data, flags});
}

void CKelvoCommonFakeSound::Stop() {
    m_calls.append({Call::StopCall, {}, 0});
}
