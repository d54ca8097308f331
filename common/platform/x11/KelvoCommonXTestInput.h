// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonInput.h"

// XTest on Qt's own X connection: absolute motion, left press, left
// release, then a flush so the server sees them at once.
class CKelvoCommonXTestInput final : public CKelvoCommonInput {
public:
    void ClickAt(QPoint globalPos) override;

    // False when Qt does not run on an X display with the XTest extension.
    static bool Available();
};
