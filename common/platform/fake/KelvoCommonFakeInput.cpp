// SPDX-License-Identifier: MIT
#include "KelvoCommonFakeInput.h"

void CKelvoCommonFakeInput::ClickAt(QPoint globalPos) {
    m_clicks.append(globalPos);
    m_delivery.ClickAt(globalPos);
}
