#pragma once

#include "KelvoCommonMessageBox.h"

// A modal QMessageBox titled with the application's name.
class KELVOCOMMON_EXPORT CKelvoCommonQtMessageBox final : public CKelvoCommonMessageBox {
public:
    void ShowError(const QString& text) override;
};
