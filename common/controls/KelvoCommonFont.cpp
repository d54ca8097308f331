// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonFont.h"

#include <QRawFont>
#include <algorithm>
#include <cmath>

namespace {

// Size the face is opened at to read its metrics: large enough that metrics
// rounded to whole pixels give the face's proportions within a fraction of
// a percent.
constexpr int kProbePixelSize = 256;

} // namespace

int CKelvoCommonFont::EmPixelSize(int height, FaceMetrics metrics) {
    if (height <= 0)
        return -height;
    if (metrics.unitsPerEm <= 0 || metrics.cellUnits <= 0)
        return height;
    const double em = static_cast<double>(height) * metrics.unitsPerEm / metrics.cellUnits;
    return std::max(1, static_cast<int>(std::lround(em)));
}

CKelvoCommonFont::FaceMetrics CKelvoCommonFont::Metrics(const QFont& font) {
    // The line the toolkit lays the face out with, which is what must fill
    // the height asked for.
    QFont probe(font);
    probe.setPixelSize(kProbePixelSize);
    // Only the face itself: gathering the faces that would draw what it
    // lacks costs more than the rest of the start-up's font work.
    probe.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(probe);
    if (!raw.isValid() || raw.pixelSize() <= 0)
        return {};
    const double unitsPerPixel = raw.unitsPerEm() / raw.pixelSize();
    return {static_cast<int>(std::lround(raw.unitsPerEm())),
            static_cast<int>(std::lround((raw.ascent() + raw.descent()) * unitsPerPixel))};
}

QFont CKelvoCommonFont::Create(const QString& faceName, int height) {
    QFont font(faceName);
    font.setWeight(QFont::Normal);
    if (height != 0)
        font.setPixelSize(EmPixelSize(height, height > 0 ? Metrics(font) : FaceMetrics{}));
    return font;
}
