// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QPixmap>
#include <QSize>

// The library's nine pictures, looked up by resource id:
//   1000-1003  check box (11 x 11): disabled checked, disabled unchecked,
//              enabled checked, enabled unchecked
//   1004-1006  drop-down arrow button (15 x 26): disabled, normal, pressed
//   1007       slider channel, a grey vertical gradient (38 x 17)
//   1008       slider thumb (11 x 19)
// They are drawn in code for the given device pixel ratio: every device
// pixel is computed from its centre in the picture's own coordinates, so
// edges stay sharp at ratios such as 1.5 and 2. The pixmap carries the ratio;
// an unknown id gives a null pixmap.

inline constexpr int IDB_KC_CHECK_DISABLED_CHECKED = 1000;
inline constexpr int IDB_KC_CHECK_DISABLED_UNCHECKED = 1001;
inline constexpr int IDB_KC_CHECK_ENABLED_CHECKED = 1002;
inline constexpr int IDB_KC_CHECK_ENABLED_UNCHECKED = 1003;
inline constexpr int IDB_KC_COMBO_ARROW_DISABLED = 1004;
inline constexpr int IDB_KC_COMBO_ARROW_NORMAL = 1005;
inline constexpr int IDB_KC_COMBO_ARROW_PRESSED = 1006;
inline constexpr int IDB_KC_SLIDER_CHANNEL = 1007;
inline constexpr int IDB_KC_SLIDER_THUMB = 1008;

KELVOCOMMON_EXPORT QPixmap KelvoCommonLoadBitmap(int id, qreal devicePixelRatio = 1.0);
// The size in logical pixels (an invalid size for an unknown id).
QSize KelvoCommonBitmapSize(int id);
