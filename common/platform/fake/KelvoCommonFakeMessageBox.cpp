// SPDX-License-Identifier: MIT
#include "KelvoCommonFakeMessageBox.h"

void CKelvoCommonFakeMessageBox::ShowError(const QString& text) {
    m_shown.append(text);
}
