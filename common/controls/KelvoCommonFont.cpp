#include "KelvoCommonFont.h"

#include <QByteArray>
#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

// Where the cell the platform lays lines out with lies in the OS/2 table:
// usWinAscent and usWinDescent, unsigned 16-bit each.
constexpr qsizetype kWinAscentOffset = 74;
constexpr qsizetype kWinDescentOffset = 76;
// Size the face is opened at to read its metrics; the values read are in
// font units and do not depend on it.
constexpr int kProbePixelSize = 100;

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
    QFont probe(font);
    probe.setPixelSize(kProbePixelSize);
    const QRawFont raw = QRawFont::fromFont(probe);
    if (!raw.isValid())
        return {};
    FaceMetrics metrics;
    metrics.unitsPerEm = static_cast<int>(std::lround(raw.unitsPerEm()));
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() >= kWinDescentOffset + 2) {
        metrics.cellUnits = qFromBigEndian<quint16>(os2.constData() + kWinAscentOffset) +
                            qFromBigEndian<quint16>(os2.constData() + kWinDescentOffset);
    }
    // Faces without those values (some converted Type 1 faces): the line
    // the face itself reports.
    if (metrics.cellUnits <= 0 && raw.pixelSize() > 0) {
        metrics.cellUnits = static_cast<int>(
            std::lround((raw.ascent() + raw.descent()) * raw.unitsPerEm() / raw.pixelSize()));
    }
    return metrics;
}

QFont CKelvoCommonFont::Create(const QString& faceName, int height) {
    QFont font(faceName);
    font.setWeight(QFont::Normal);
    if (height != 0)
        font.setPixelSize(EmPixelSize(height, height > 0 ? Metrics(font) : FaceMetrics{}));
    return font;
}
