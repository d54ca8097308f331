// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonMessageBox.h"

#include <QStringList>

class CKelvoCommonFakeMessageBox final : public CKelvoCommonMessageBox {
public:
    void ShowError(const QString& text) override;
    const QStringList& Shown() const { return m_shown; }

private:
    QStringList m_shown;
};
