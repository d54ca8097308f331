// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonKeyboard.h"

#include <QHash>

// A keyboard whose keys a test places: an event with a scan code the test
// named gives that key's code, any other event what Qt's key says.
class KELVOCOMMON_EXPORT CKelvoCommonFakeKeyboard final : public CKelvoCommonKeyboard {
public:
    int VirtualKey(const QKeyEvent& event) override;
    void SetKey(quint32 scanCode, int virtualKey) { m_keys.insert(scanCode, virtualKey); }

private:
    QHash<quint32, int> m_keys;
};
