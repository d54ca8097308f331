// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"

#include <QFont>
#include <QString>

// Fonts asked for by height as the windows' font records give it: a positive
// height is the height of the whole cell (ascent + descent), a negative one
// the em height, both in logical pixels; 0 keeps the default size.
class KELVOCOMMON_EXPORT CKelvoCommonFont final {
public:
    CKelvoCommonFont() = delete;

    // The em square and the cell (ascent + descent) of a face, in font units.
    struct FaceMetrics {
        int unitsPerEm = 0;
        int cellUnits = 0;
    };

    // The em size in pixels a height asks for in a face of these metrics.
    static int EmPixelSize(int height, FaceMetrics metrics);
    // Metrics of the face font resolves to (substitutes included); zeros
    // when it resolves to none.
    static FaceMetrics Metrics(const QFont& font);
    // A font of the face, sized by height, normal weight.
    static QFont Create(const QString& faceName, int height);
};
