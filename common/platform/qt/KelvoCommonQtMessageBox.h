// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonMessageBox.h"

// A modal QMessageBox titled with the application's name.
class CKelvoCommonQtMessageBox final : public CKelvoCommonMessageBox {
public:
    void ShowError(const QString& text) override;
};
