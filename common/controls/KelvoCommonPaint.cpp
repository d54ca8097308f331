// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonPaint.h"

#include "common/controls/KelvoCommonGdiplus.h"

#include <QFontMetrics>
#include <QPainter>

namespace kelvo::paint {

QColor Color(COLORREF color) {
    return CKelvoCommonGdiplus::ToQColor(color, 255);
}

void FillSolidRect(QPainter& painter, QRect rect, QColor color) {
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect, color);
    painter.restore();
}

void FrameRect(QPainter& painter, QRect rect, QColor color) {
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
    painter.restore();
}

void DrawText(QPainter& painter, QRect rect, const QString& text, TextFlags flags, QColor color) {
    if (text.isEmpty() || rect.isEmpty())
        return;
    int qtFlags = static_cast<int>(flags.alignment) | Qt::TextShowMnemonic;
    if (flags.singleLine)
        qtFlags |= Qt::TextSingleLine;
    if (flags.wordWrap && !flags.singleLine)
        qtFlags |= Qt::TextWordWrap;
    QString shown = text;
    if (flags.endEllipsis)
        shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width(),
                                                 Qt::TextShowMnemonic);
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(color);
    painter.drawText(rect, qtFlags, shown);
    painter.restore();
}

QSize TextExtent(const QPainter& painter, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize size = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text);
    return {size.width(), metrics.height()};
}

} // namespace kelvo::paint
