// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeKeyboard.h"

#include <QKeyEvent>

int CKelvoCommonFakeKeyboard::VirtualKey(const QKeyEvent& event) {
    const auto placed = m_keys.constFind(event.nativeScanCode());
    return placed != m_keys.constEnd() ? *placed : VirtualKeyFromQtKey(event);
}
