// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The one way the program tells the user about an internal error: a modal
// box with an OK button. Tests substitute a fake that records the texts.
class CKelvoCommonMessageBox {
public:
    virtual ~CKelvoCommonMessageBox() = default;
    virtual void ShowError(const QString& text) = 0;

protected:
    CKelvoCommonMessageBox() = default;
    CKelvoCommonMessageBox(const CKelvoCommonMessageBox&) = default;
    CKelvoCommonMessageBox& operator=(const CKelvoCommonMessageBox&) = default;
};
