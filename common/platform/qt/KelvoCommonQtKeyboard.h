// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonKeyboard.h"

// Qt's key alone, where no keymap can be read (a build without X11).
class KELVOCOMMON_EXPORT CKelvoCommonQtKeyboard final : public CKelvoCommonKeyboard {
public:
    int VirtualKey(const QKeyEvent& event) override { return VirtualKeyFromQtKey(event); }
};
