// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeMessageBox.h"

void CKelvoCommonFakeMessageBox::ShowError(const QString& text) {
    m_shown.append(text);
}
