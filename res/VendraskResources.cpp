// SPDX-License-Identifier: MIT
#include "res/VendraskResources.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

using namespace VendraskResource;

// Palette of the caption pictures.
const QColor kStripTop(0x4A, 0x4A, 0x4A);
const QColor kStripBottom(0x1C, 0x1C, 0x1C);
const QColor kStripTopLight(0x9A, 0x9A, 0x9A);
const QColor kStripBottomLight(0x6E, 0x6E, 0x6E);
const QColor kLogoText(0xF0, 0xF0, 0xF0);
const QColor kLogoTextLight(0xD8, 0xD8, 0xD8);
const QColor kAccent(0x5C, 0xC8, 0xC8);
const QColor kGlyph(0xD0, 0xD0, 0xD0);
const QColor kGlyphHovered(0xFF, 0xFF, 0xFF);
const QColor kButtonHover(0x5A, 0x5A, 0x5A);
const QColor kCloseHover(0xC4, 0x2B, 0x1C);
const QColor kIconTop(0x3C, 0x9A, 0xB4);
const QColor kIconBottom(0x1E, 0x4E, 0x6E);
const QColor kPausedCross(0xE0, 0x20, 0x20);

QImage NewImage(QSize logical, qreal ratio) {
    QImage image(QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    return image;
}

void PaintStrip(QPainter& p, const QRectF& rect, bool enabled) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, enabled ? kStripTop : kStripTopLight);
    gradient.setColorAt(1.0, enabled ? kStripBottom : kStripBottomLight);
    p.fillRect(rect, gradient);
}

void PaintLogo(QPainter& p, const QRectF& rect, bool enabled) {
    PaintStrip(p, rect, enabled);
    // Accent: three small item bars, the launcher's menu in miniature.
    const QColor accent = enabled ? kAccent : kLogoTextLight;
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(rect.left() + 6, rect.top() + 5 + i * 4, 9, 2), accent);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(font);
    p.setPen(enabled ? kLogoText : kLogoTextLight);
    p.drawText(rect.adjusted(20, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Vendrask"));
}

enum class Glyph { Close, Hide, Information };

// The buttons sit on the title strip at y = 3; their pictures are opaque,
// so they carry the strip's gradient behind the glyph.
constexpr qreal kCaptionButtonTop = 3;
constexpr qreal kStripHeight = 21;

void PaintCaptionButton(QPainter& p, const QRectF& rect, Glyph glyph, bool hovered) {
    QLinearGradient strip(0, -kCaptionButtonTop, 0, kStripHeight - kCaptionButtonTop);
    strip.setColorAt(0.0, kStripTop);
    strip.setColorAt(1.0, kStripBottom);
    p.fillRect(rect, strip);
    if (hovered) {
        QPainterPath back;
        back.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        p.fillPath(back, glyph == Glyph::Close ? kCloseHover : kButtonHover);
    }
    QPen pen(hovered ? kGlyphHovered : kGlyph, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    const QPointF c = rect.center();
    switch (glyph) {
    case Glyph::Close:
        p.drawLine(QPointF(c.x() - 3.5, c.y() - 3.5), QPointF(c.x() + 3.5, c.y() + 3.5));
        p.drawLine(QPointF(c.x() - 3.5, c.y() + 3.5), QPointF(c.x() + 3.5, c.y() - 3.5));
        break;
    case Glyph::Hide:
        p.drawLine(QPointF(c.x() - 4, c.y() + 3), QPointF(c.x() + 4, c.y() + 3));
        break;
    case Glyph::Information:
        p.setBrush(pen.color());
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x(), c.y() - 4), 1.1, 1.1);
        p.drawRoundedRect(QRectF(c.x() - 0.9, c.y() - 1.5, 1.8, 6.0), 0.6, 0.6);
        break;
    }
}

void PaintAppIcon(QPainter& p, const QRectF& rect, bool paused) {
    const qreal s = rect.width();
    QPainterPath body;
    body.addRoundedRect(rect.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04), s * 0.18,
                        s * 0.18);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, kIconTop);
    gradient.setColorAt(1.0, kIconBottom);
    p.fillPath(body, gradient);
    // Two columns of item bars.
    const qreal barH = s * 0.09;
    const qreal gap = s * 0.06;
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 4; ++row) {
            const QRectF bar(rect.left() + s * (0.18 + column * 0.34),
                             rect.top() + s * 0.22 + row * (barH + gap), s * 0.28, barH);
            p.fillRect(bar, row == 1 && column == 0 ? QColor(255, 255, 255)
                                                    : QColor(255, 255, 255, 150));
        }
    }
    if (paused) {
        QPen cross(kPausedCross, std::max(1.5, s * 0.11));
        cross.setCapStyle(Qt::RoundCap);
        p.setPen(cross);
        p.drawLine(QPointF(rect.left() + s * 0.16, rect.top() + s * 0.16),
                   QPointF(rect.right() - s * 0.16, rect.bottom() - s * 0.16));
        p.drawLine(QPointF(rect.left() + s * 0.16, rect.bottom() - s * 0.16),
                   QPointF(rect.right() - s * 0.16, rect.top() + s * 0.16));
    }
}

} // namespace

QSize VendraskBitmapSize(int id) {
    switch (id) {
    case kTitleStrip:
    case kTitleStripDisabled:
        return {5, 21};
    case kLogo:
    case kLogoDisabled:
        return {150, 21};
    case kClose:
    case kCloseHovered:
    case kHide:
    case kHideHovered:
    case kInformation:
    case kInformationHovered:
        return {16, 15};
    case kPicture:
        return {32, 32};
    default:
        return {};
    }
}

QPixmap VendraskLoadBitmap(int id, qreal devicePixelRatio) {
    const QSize size = VendraskBitmapSize(id);
    if (size.isEmpty())
        return {};
    QImage image = NewImage(size, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF rect(QPointF(0, 0), QSizeF(size));
    switch (id) {
    case kTitleStrip:
    case kTitleStripDisabled:
        PaintStrip(p, rect, id == kTitleStrip);
        break;
    case kLogo:
    case kLogoDisabled:
        PaintLogo(p, rect, id == kLogo);
        break;
    case kClose:
    case kCloseHovered:
        PaintCaptionButton(p, rect, Glyph::Close, id == kCloseHovered);
        break;
    case kHide:
    case kHideHovered:
        PaintCaptionButton(p, rect, Glyph::Hide, id == kHideHovered);
        break;
    case kInformation:
    case kInformationHovered:
        PaintCaptionButton(p, rect, Glyph::Information, id == kInformationHovered);
        break;
    case kPicture:
        PaintAppIcon(p, rect, false);
        break;
    default:
        break;
    }
    p.end();
    return QPixmap::fromImage(image);
}

QImage VendraskRenderAppIcon(int size, bool paused) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintAppIcon(p, QRectF(0, 0, size, size), paused);
    return image;
}

QIcon VendraskLoadIcon(int id) {
    if (id != kIconNormal && id != kIconPaused)
        return {};
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(VendraskRenderAppIcon(size, id == kIconPaused)));
    return icon;
}
