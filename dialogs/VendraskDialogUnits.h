// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// Dialog units of the window templates to logical pixels, with the base
// units of the templates' font at 96 dpi (6 x 13): x = du * 6 / 4,
// y = du * 13 / 8, rounded as the platform's MulDiv rounds.
namespace VendraskDialogUnits {
constexpr int X(int du) {
    return (du * 6 + 2) / 4;
}
constexpr int Y(int du) {
    return (du * 13 + 4) / 8;
}
constexpr QRect Rect(int x, int y, int width, int height) {
    return {X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y)};
}
constexpr QRect Rect(const QRect& du) {
    return Rect(du.x(), du.y(), du.width(), du.height());
}
} // namespace VendraskDialogUnits
