// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonInput.h"

// A left click delivered as Qt mouse events to this program's widget under
// the point: where no input can be injected (no X11, no XTest), Enter on a
// small window still clicks its focused control. Clicks on other programs'
// windows are lost.
class CKelvoCommonQtEventInput final : public CKelvoCommonInput {
public:
    void ClickAt(QPoint globalPos) override;
};
