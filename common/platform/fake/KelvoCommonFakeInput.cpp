// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeInput.h"

void CKelvoCommonFakeInput::ClickAt(QPoint globalPos) {
    m_clicks.append(globalPos);
    m_delivery.ClickAt(globalPos);
}
