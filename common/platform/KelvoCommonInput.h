// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

// Input injection: a real left click at a point of the screen, as if the
// user had moved the pointer there and clicked.
class CKelvoCommonInput {
public:
    virtual ~CKelvoCommonInput() = default;
    // globalPos is in Qt's logical screen coordinates.
    virtual void ClickAt(QPoint globalPos) = 0;

protected:
    CKelvoCommonInput() = default;
    CKelvoCommonInput(const CKelvoCommonInput&) = default;
    CKelvoCommonInput& operator=(const CKelvoCommonInput&) = default;
};
