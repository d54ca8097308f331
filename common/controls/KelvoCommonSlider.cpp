// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonSlider.h"

#include "common/controls/KelvoCommonBitmaps.h"
#include "common/controls/KelvoCommonPaint.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kDefaultThumbWidth = 11;
constexpr int kDefaultWidth = 120;
constexpr int kTickSpace = 8;

void FillRect(QPainter& painter, QRect rect, COLORREF color) {
    kelvo::paint::FillSolidRect(painter, rect, kelvo::paint::Color(color));
}

void FrameRect(QPainter& painter, QRect rect, COLORREF color) {
    kelvo::paint::FrameRect(painter, rect, kelvo::paint::Color(color));
}

// Every channel moves by brightness percent of full scale, as the
// buttons' pictures do.
QImage Brightened(const QPixmap& picture, int brightness) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const int shift = std::clamp(brightness, -100, 100) * 255 / 100;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] =
                qRgba(std::clamp(qRed(p) + shift, 0, 255), std::clamp(qGreen(p) + shift, 0, 255),
                      std::clamp(qBlue(p) + shift, 0, 255), qAlpha(p));
        }
    }
    return image;
}

// The client rectangle less one pixel on each side, as edges with the
// right and bottom edges exclusive.
struct Edges {
    int left;
    int top;
    int right;
    int bottom;
};

Edges InnerEdges(QRect client) {
    return {client.left() + 1, client.top() + 1, client.left() + client.width() - 1,
            client.top() + client.height() - 1};
}

} // namespace

CKelvoCommonSlider::CKelvoCommonSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    // Not a tab stop, and a click does not take the focus either.
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, &CKelvoCommonSlider::OnFocusChanged);
}

CKelvoCommonSlider::~CKelvoCommonSlider() = default;

void CKelvoCommonSlider::SetColor(CKelvoCommonSliderColor color) {
    m_color = color;
}

void CKelvoCommonSlider::GetColor(CKelvoCommonSliderColor* color) const {
    if (color)
        *color = m_color;
}

int CKelvoCommonSlider::ThumbWidth() const {
    const QSize size = KelvoCommonBitmapSize(IDB_KC_SLIDER_THUMB);
    return size.isValid() ? size.width() : kDefaultThumbWidth;
}

const QPixmap& CKelvoCommonSlider::Thumb() {
    // Drawn for the screen the slider is on; again when that changes.
    const qreal ratio = devicePixelRatioF();
    if (m_thumb.isNull() || !qFuzzyCompare(m_thumb.devicePixelRatio(), ratio))
        m_thumb = KelvoCommonLoadBitmap(IDB_KC_SLIDER_THUMB, ratio);
    return m_thumb;
}

QSize CKelvoCommonSlider::sizeHint() const {
    const int ticks = tickPosition() == QSlider::NoTicks ? 0 : kTickSpace;
    return {kDefaultWidth, kChannelHeight + 2 + ticks};
}

QSize CKelvoCommonSlider::minimumSizeHint() const {
    return {ThumbWidth() + 2 * kChannelInset, kChannelHeight + 2};
}

QRect CKelvoCommonSlider::ToggleRect(QRect client, int thumbWidth, int position, int minimum,
                                     int maximum) {
    const Edges c = InnerEdges(client);
    int x = c.left;
    if (minimum != maximum) {
        const std::int64_t travel = static_cast<std::int64_t>(c.right) - thumbWidth - c.left;
        const std::int64_t offset = static_cast<std::int64_t>(position) - minimum;
        const double span = static_cast<double>(static_cast<std::int64_t>(maximum) - minimum);
        x = static_cast<int>(std::trunc(static_cast<double>(travel * offset) / span + c.left));
    }
    return {x, c.top, thumbWidth, c.bottom - c.top};
}

int CKelvoCommonSlider::ClickedPos(QRect client, int thumbWidth, int x, int minimum, int maximum) {
    const Edges c = InnerEdges(client);
    const int half = thumbWidth / 2;
    if (x < c.left + half)
        return minimum;
    if (x > c.right - half)
        return maximum;
    const int travel = (c.right - c.left) - thumbWidth;
    if (travel <= 0)
        return minimum;
    const double span = static_cast<double>(static_cast<std::int64_t>(maximum) - minimum);
    const double value =
        std::trunc(static_cast<double>(x - c.left - half) * span / travel + minimum);
    // An odd thumb leaves one pixel more than the travel: stay in the range.
    return static_cast<int>(std::clamp(value, static_cast<double>(std::min(minimum, maximum)),
                                       static_cast<double>(std::max(minimum, maximum))));
}

void CKelvoCommonSlider::GetToggleRect(QRect* rect) const {
    if (rect)
        *rect = ToggleRect(this->rect(), ThumbWidth(), sliderPosition(), minimum(), maximum());
}

int CKelvoCommonSlider::GetClickedPos(QPoint point) const {
    return ClickedPos(rect(), ThumbWidth(), point.x(), minimum(), maximum());
}

int CKelvoCommonSlider::ThumbBrightness(bool enabled, bool pressed) {
    if (!enabled)
        return kBrightnessDisabled;
    return pressed ? kBrightnessPressed : 0;
}

void CKelvoCommonSlider::PaintChannel(QPainter& painter, QRect client, bool enabled,
                                      const CKelvoCommonSliderColor& color) {
    FillRect(painter, client, color.colorBackground);
    const QRect bar(client.left() + kChannelInset, client.top(), client.width() - 2 * kChannelInset,
                    kChannelHeight);
    FillRect(painter, bar, enabled ? color.colorChannel : color.colorBackground);
    FrameRect(painter, bar, color.colorFrame);
}

void CKelvoCommonSlider::PaintThumb(QPainter& painter, QRect rect, const QPixmap& thumb,
                                    int brightness) {
    if (thumb.isNull())
        return;
    const QRect target(rect.left(), rect.top(), rect.width(), kThumbHeight);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (brightness == 0)
        painter.drawPixmap(target, thumb);
    else
        painter.drawImage(target, Brightened(thumb, brightness));
}

int CKelvoCommonSlider::DrawSlider(QPainter& painter, QRect rect, int part, int /*itemState*/) {
    painter.save();
    int answer = kSkipDefault;
    switch (part) {
    case kPartTics:
        answer = kDrawDefault;
        break;
    case kPartThumb:
        PaintThumb(painter, rect, Thumb(), ThumbBrightness(isEnabled(), m_pressed == 1));
        break;
    case kPartChannel:
        PaintChannel(painter, this->rect(), isEnabled(), m_color);
        break;
    default:
        break;
    }
    painter.restore();
    return answer;
}

void CKelvoCommonSlider::PaintTicks(QPainter& painter) {
    if (tickPosition() == QSlider::NoTicks)
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderTickmarks;
    option.activeSubControls = QStyle::SC_None;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

void CKelvoCommonSlider::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawSlider(painter, rect(), kPartChannel);
    if (DrawSlider(painter, rect(), kPartTics) == kDrawDefault)
        PaintTicks(painter);
    QRect thumb;
    GetToggleRect(&thumb);
    DrawSlider(painter, thumb, kPartThumb);
}

void CKelvoCommonSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = 1;
    update();
    const int x = qFloor(event->position().x());
    QRect thumb;
    GetToggleRect(&thumb);
    if (x >= thumb.left() && x <= thumb.right()) {
        // The thumb follows the pointer from where it was taken.
        m_grabOffset = x - (thumb.left() + thumb.width() / 2);
        setSliderDown(true);
    } else {
        // The thumb pages towards the pointer while the button is held.
        m_pageTarget = x;
        m_pageAction = x < thumb.left() ? SliderPageStepSub : SliderPageStepAdd;
        triggerAction(m_pageAction);
        if (m_pageTarget)
            setRepeatAction(m_pageAction);
    }
    event->accept();
}

void CKelvoCommonSlider::mouseMoveEvent(QMouseEvent* event) {
    update();
    const int x = qFloor(event->position().x());
    if (m_grabOffset) {
        setSliderPosition(GetClickedPos(QPoint(x - *m_grabOffset, 0)));
    } else if (m_pageTarget) {
        m_pageTarget = x;
    }
    event->accept();
}

void CKelvoCommonSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = 0;
    update();
    StopPaging();
    if (m_grabOffset) {
        m_grabOffset.reset();
        setSliderDown(false);
    }
    event->accept();
}

void CKelvoCommonSlider::sliderChange(SliderChange change) {
    QSlider::sliderChange(change);
    if (change != SliderValueChange || !m_pageTarget)
        return;
    // Paging stops once the thumb has reached the pointer.
    QRect thumb;
    GetToggleRect(&thumb);
    const bool reached = m_pageAction == SliderPageStepAdd ? thumb.right() >= *m_pageTarget
                                                           : thumb.left() <= *m_pageTarget;
    if (reached)
        StopPaging();
}

void CKelvoCommonSlider::StopPaging() {
    m_pageTarget.reset();
    m_pageAction = SliderNoAction;
    setRepeatAction(SliderNoAction);
}

void CKelvoCommonSlider::OnFocusChanged(QWidget* previous, QWidget* now) {
    // Focus given by a program goes straight back to whoever had it.
    if (now == this && previous && previous != this)
        previous->setFocus(Qt::OtherFocusReason);
}
