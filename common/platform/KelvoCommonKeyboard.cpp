// SPDX-License-Identifier: MIT
#include "common/platform/KelvoCommonKeyboard.h"

#include <QKeyEvent>

int CKelvoCommonKeyboard::VirtualKeyFromQtKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return ((event.modifiers() & Qt::KeypadModifier) != 0 ? kVkNumpadFirst : kVkDigitFirst) +
               (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return kVkLetterFirst + (key - Qt::Key_A);
    return 0;
}
