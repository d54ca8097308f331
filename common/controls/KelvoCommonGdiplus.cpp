// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonGdiplus.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <atomic>

namespace {
std::atomic<int> g_liveInstances{0};
std::atomic<std::uintptr_t> g_nextToken{1};

// Fills are pixel-exact: no antialiasing, source-over blending.
class ExactFill final {
public:
    explicit ExactFill(QPainter& painter) : m_painter(painter) {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter.setPen(Qt::NoPen);
    }
    ~ExactFill() { m_painter.restore(); }
    ExactFill(const ExactFill&) = delete;
    ExactFill& operator=(const ExactFill&) = delete;

private:
    QPainter& m_painter;
};
} // namespace

CKelvoCommonGdiplus::CKelvoCommonGdiplus() : m_gdiplusToken(g_nextToken.fetch_add(1)) {
    g_liveInstances.fetch_add(1);
}

CKelvoCommonGdiplus::~CKelvoCommonGdiplus() {
    g_liveInstances.fetch_sub(1);
}

int CKelvoCommonGdiplus::LiveInstances() {
    return g_liveInstances.load();
}

QColor CKelvoCommonGdiplus::ToQColor(COLORREF color, int alpha) {
    return QColor::fromRgba(ToArgb(color, alpha));
}

void CKelvoCommonGdiplus::DrawRect(QPainter& painter, QRect rect, COLORREF color, int alpha) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    ExactFill fill(painter);
    painter.fillRect(rect, ToQColor(color, alpha));
}

void CKelvoCommonGdiplus::DrawRectGradationVertical(QPainter& painter, QRect rect,
                                                    COLORREF colorTop, int alphaTop,
                                                    COLORREF colorBottom, int alphaBottom) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // Row i (centre at top + i + 0.5) takes the colour at i / height, so the
    // first row is exactly the top colour and the bottom colour lies on the
    // bottom edge.
    const qreal start = rect.top() + 0.5;
    QLinearGradient gradient(0.0, start, 0.0, start + rect.height());
    gradient.setColorAt(0.0, ToQColor(colorTop, alphaTop));
    gradient.setColorAt(1.0, ToQColor(colorBottom, alphaBottom));
    gradient.setSpread(QGradient::PadSpread);
    ExactFill fill(painter);
    painter.fillRect(rect, gradient);
}

void CKelvoCommonGdiplus::DrawFrame(QPainter& painter, QRect rect, COLORREF color, int alpha) {
    if (rect.width() < 0 || rect.height() < 0)
        return;
    // The band between the rectangle grown and shrunk by one unit; filled as
    // one shape so corners are not blended twice.
    QPainterPath band;
    band.setFillRule(Qt::OddEvenFill);
    band.addRect(QRectF(rect.x() - 1, rect.y() - 1, rect.width() + 2, rect.height() + 2));
    if (rect.width() > 2 && rect.height() > 2)
        band.addRect(QRectF(rect.x() + 1, rect.y() + 1, rect.width() - 2, rect.height() - 2));
    ExactFill fill(painter);
    painter.fillPath(band, ToQColor(color, alpha));
}
